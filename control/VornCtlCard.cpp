// The report control's card: templates, card start, XML data, packed card files, scripts, the
// host pop-up menu, and the dispatch methods that forward to the card.
#include <stdio.h>

#include <memory>
#include <string>

#include "control/CardScriptEngine.h"
#include "control/UrlFetch.h"
#include "control/VornCtlCtrl.h"
#include "core/CappCell.h"
#include "core/CappFileNameFun.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CardADMLLoader.h"
#include "core/CardCommFun.h"
#include "core/CellFieldDataItem.h"
#include "core/PrinterDeviceHelper.h"
#include "core/ScriptItem.h"
#include "core/VariantMgr.h"
#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/File.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxHandle.h"
#include "platform/base/MemFile.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/print/PrintDialog.h"
#include "platform/win/FxFileDialog.h"
#include "platform/win/Menu.h"
#include "platform/win/MsgBox.h"

// After the project headers, which bring in <windows.h>.
#include <commdlg.h>

namespace
{
const int kArchiveBuffer = 4096;

// Flags of a stored value's own look.
const int kDispBackColour = 0x1;
const int kDispTextColour = 0x2;
const int kDispOwnFont = 0x4;
const int kDispInvert = 0x10;

struct PopupCommand
{
    const char* pszName;
    UINT nId;
};
const PopupCommand kPopupCommands[] = {
    {"ID_VORN_ZOOMIN", 0x8000},       {"ID_VORN_ZOOMOUT", 0x8001},     {"ID_VORN_ZOOMRECT", 0x8002},
    {"ID_VORN_ZOOM100", 0x8003},      {"ID_VORN_PRINTDATA", 0x8004},   {"ID_VORN_VIEWALL", 0x8005},
    {"ID_VORN_HOMEPAGE", 0x8006},     {"ID_VORN_ENDPAGE", 0x8007},     {"ID_VORN_PREVPAGE", 0x8008},
    {"ID_VORN_NEXTPAGE", 0x8009},     {"ID_VORN_PRINTBYZOOM", 0x800A}, {"ID_VORN_PRINTSET", 0x800B},
    {"ID_VORN_PRINTPREVIEW", 0x800C},
};

// "://" after the first character marks an internet address.
BOOL IsTemplateUrl(const CString& strSource)
{
    return strSource.Find("://") > 0;
}

CCappSheet* ReadSheet(CFile& file)
{
    auto* pSheet = new CCappSheet;
    try {
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        pSheet->Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        delete pSheet;
        return nullptr;
    }
    return pSheet;
}

// The cell bound to a variable: in the named detail area, or among the head and page cells when
// the value is not a detail value.
CCappCell* FindVarCell(CCappSheet* pSheet, const CString& strMDName, const CString& strVarName)
{
    if (pSheet == nullptr || strVarName.IsEmpty()) {
        return nullptr;
    }
    if (!strMDName.IsEmpty()) {
        CCappMidData* pArea = pSheet->FindMidData(strMDName);
        return pArea != nullptr ? pArea->GetCellByName(strVarName) : nullptr;
    }
    for (const CObList* pList : {&pSheet->m_HeadCellList, &pSheet->m_PageCellList}) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            if (pCell->m_nContentKind == CCappCell::kindVariable && pCell->m_strVarName == strVarName) {
                return pCell;
            }
        }
    }
    return nullptr;
}

// Whether the card file opens whole, read into a scratch card under the shown card's flags.
BOOL CanOpenCardFile(const CCappObj& shown, const CString& strMasterName, CWnd* pWnd, const CString& strTempDir,
                     const CString& strPath)
{
    auto pScratch = std::make_unique<CCappObj>();
    pScratch->m_nState = shown.m_nState;
    CCardObj& card = pScratch->m_CardObj;
    card.m_bKeepSheets = shown.m_CardObj.m_bKeepSheets;
    if (!pScratch->DeCompound(strTempDir, strPath, CCappObj::partStrings | CCappObj::partFiles)) {
        return FALSE;
    }
    card.LoadCard(pScratch->GetCpoWorkDir(), strMasterName, CCappObj::GetMastCardCode(), pScratch.get(), pWnd);
    return card.GetMasterSheet() != nullptr;
}

void ReportBadFileName(const CString& strName)
{
    CString strText;
    strText.Format("名称“%s”不能用作文件名：它含有路径、盘符、“..”或设备名。", strName.GetString());
    FxMessageBox(nullptr, strText, nullptr, MB_OK | MB_ICONERROR);
}

BOOL IsCompoundFile(const CString& strPath)
{
    const int cch = ::MultiByteToWideChar(CP_ACP, 0, strPath, -1, nullptr, 0);
    if (cch <= 0) {
        return FALSE;
    }
    std::wstring wstrPath(static_cast<size_t>(cch), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strPath, -1, wstrPath.data(), cch);
    // S_FALSE: the file exists but is no compound file.
    return ::StgIsStorageFile(wstrPath.c_str()) == S_OK;
}

BOOL ReadWholeFile(const CString& strPath, CString& strText)
{
    CFxHandle hFile(::CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!hFile.IsValid()) {
        return FALSE;
    }
    LARGE_INTEGER size = {};
    BOOL bRead = ::GetFileSizeEx(hFile, &size) && size.QuadPart < 0x40000000;
    if (bRead) {
        const int cb = static_cast<int>(size.QuadPart);
        char* p = strText.GetBuffer(cb + 1);
        DWORD cbRead = 0;
        bRead = ::ReadFile(hFile, p, static_cast<DWORD>(cb), &cbRead, nullptr) && cbRead == static_cast<DWORD>(cb);
        strText.ReleaseBuffer(bRead ? cb : 0);
    }
    return bRead;
}
} // namespace

// Templates -----------------------------------------------------------------------------------

CCappSheet* CVornCtlCtrl::ReadTemplate(const CString& strSource)
{
    if (!IsTemplateUrl(strSource) || !IsUrlPath(strSource)) {
        try {
            CFile file(strSource, CFile::modeRead | CFile::shareDenyWrite);
            return ReadSheet(file);
        } catch (CException* e) {
            e->Delete();
            return nullptr;
        }
    }
    // The whole body, however large the template.
    CByteArray arrBytes;
    CString strError;
    if (!FetchUrlBytes(strSource, arrBytes, strError) || arrBytes.GetSize() == 0) {
        return nullptr;
    }
    CMemFile file(arrBytes.GetData(), static_cast<UINT>(arrBytes.GetSize()));
    return ReadSheet(file);
}

void CVornCtlCtrl::ApplyZntFileName()
{
    CString strRest = m_strZntFileName;
    auto next = [&strRest]() {
        const int nSemi = strRest.Find(';');
        CString strItem = nSemi >= 0 ? strRest.Left(nSemi) : strRest;
        strRest = nSemi >= 0 ? strRest.Mid(nSemi + 1) : CString();
        return strItem;
    };
    m_nShownTemplate = atoi(next());
    const int nNames = static_cast<int>(m_arrTemplateNames.GetSize());
    for (int i = 0; i < 2; ++i) {
        const CString strItem = next();
        if (strItem.IsEmpty()) {
            // Templates from position i on are no longer named.
            for (int j = static_cast<int>(Templates().GetCount()) - 1; j >= i; --j) {
                POSITION pos = Templates().FindIndex(j);
                delete static_cast<CCappSheet*>(Templates().GetAt(pos));
                Templates().RemoveAt(pos);
            }
            if (m_arrTemplateNames.GetSize() > i) {
                m_arrTemplateNames.SetSize(i);
            }
            break;
        }
        if (i < nNames && i < Templates().GetCount() && m_arrTemplateNames[i] == strItem) {
            continue;
        }
        // A position further forward than the list's last is kept as it is.
        if (i < Templates().GetCount() - 1) {
            continue;
        }
        CCappSheet* pSheet = ReadTemplate(strItem);
        if (pSheet == nullptr) {
            continue;
        }
        POSITION pos = Templates().FindIndex(i);
        if (pos != nullptr) {
            delete static_cast<CCappSheet*>(Templates().GetAt(pos));
            Templates().SetAt(pos, pSheet);
        } else {
            Templates().AddTail(pSheet);
        }
        while (m_arrTemplateNames.GetSize() <= i) {
            m_arrTemplateNames.Add(CString());
        }
        m_arrTemplateNames[i] = strItem;
    }
    m_bLaidOut = FALSE;
    InvalidateControl();
    SetModifiedFlag();
}

long CVornCtlCtrl::SetZntFile(LPCSTR pszZntFile, LPCSTR pszExtZntFile)
{
    m_arrTemplateNames.RemoveAll();
    m_CappObj.Resert();
    CString strText;
    strText.Format("0;%s;%s", pszZntFile != nullptr ? pszZntFile : "", pszExtZntFile != nullptr ? pszExtZntFile : "");
    SetZntFileName(strText);
    m_bDataInitialised = FALSE;
    m_bLaidOut = FALSE;
    // Nothing loaded from a named main template is a failure the caller must see.
    const BOOL bNamed = pszZntFile != nullptr && *pszZntFile != '\0';
    return bNamed && Templates().IsEmpty() ? -1 : 0;
}

// Starting the card ---------------------------------------------------------------------------

void CVornCtlCtrl::ShowFirstPage()
{
    CCardObj& card = m_CappObj.m_CardObj;
    if (card.m_CardData.m_nPageCount <= 0) {
        card.LoadSheetByPage(this, card.m_CardData.m_nPageCount + 1);
        card.AddNewPage(1, 1);
        card.SetCurPage(card.m_CardData.m_nPageCount);
    } else {
        card.SetCurPage(1);
    }
}

void CVornCtlCtrl::StartCard()
{
    if (Templates().IsEmpty()) {
        return;
    }
    CCardObj& card = m_CappObj.m_CardObj;
    m_strMasterCardName = static_cast<CCappSheet*>(Templates().GetHead())->m_strName;
    card.m_nReserved1 = 1;
    card.m_strReserved = m_strMasterCardName;
    // The templates are already in the card's sheet list: loading must keep them rather than look
    // for template files beside a card folder the control does not have.
    card.m_bKeepSheets = 1;
    // The master name first: setting up the master sheet builds the card's variable lists from its
    // cells, and loading the card then gives every variable its value slot.
    card.m_CardData.m_strMasterName = m_strMasterCardName;
    card.InitSheet(this);
    card.LoadCard(CString(), m_strMasterCardName, CCappObj::GetMastCardCode(), &m_CappObj, this);
    if (Templates().GetCount() > 1) {
        auto* pExtra = static_cast<CCappSheet*>(Templates().GetAt(Templates().FindIndex(1)));
        card.m_CardData.PageMake(2, 10000, pExtra->m_strName);
    }
    ShowFirstPage();
    InvalidateControl();
}

// XML data ------------------------------------------------------------------------------------

void CVornCtlCtrl::RenewRows()
{
    CCardObj& card = m_CappObj.m_CardObj;
    CClientDC dc(GetSafeHwnd());
    for (POSITION pos = card.m_CardData.m_MDDataList.GetHeadPosition(); pos != nullptr;) {
        auto* pMDData = static_cast<CCappMDData*>(card.m_CardData.m_MDDataList.GetNext(pos));
        pMDData->ResertDataList();
        card.ResertUserRowCount(pMDData->m_strName, &dc);
    }
}

long CVornCtlCtrl::LoadXmlText(const CString& strXml, long lFlag, BOOL bRenewRows)
{
    // The text reaches the DOM as UTF-16, so a leading declaration's encoding ("gb2312" in the
    // simulator's files) says nothing; Wine's MSXML refuses such a string, so it is dropped.
    CString strBody = strXml;
    strBody.TrimLeft();
    if (strBody.Left(5) == "<?xml") {
        const int nEnd = strBody.Find("?>");
        strBody = nEnd >= 0 ? strBody.Mid(nEnd + 2) : CString();
    }
    if (strBody.IsEmpty() || !CCardADMLLoader::LoadADMLText(&m_CappObj.m_CardObj, strBody, lFlag)) {
        return -1;
    }
    if (bRenewRows) {
        RenewRows();
    }
    InvalidateControl();
    return 0;
}

long CVornCtlCtrl::LoadADMLDataFile(LPCSTR pszFileName, long lFlag)
{
    CString strText;
    if (pszFileName == nullptr || *pszFileName == '\0' || !ReadWholeFile(pszFileName, strText)) {
        return -1;
    }
    return LoadXmlText(strText, lFlag, FALSE);
}

long CVornCtlCtrl::LoadADMLData(LPCSTR pszData, long lFlag)
{
    return LoadXmlText(pszData != nullptr ? pszData : "", lFlag, TRUE);
}

long CVornCtlCtrl::LoadADMLURL(LPCSTR pszURL, long lFlag)
{
    CByteArray arrBytes;
    CString strError;
    if (pszURL == nullptr || !FetchUrlBytes(pszURL, arrBytes, strError)) {
        return -1;
    }
    const CString strText(reinterpret_cast<const char*>(arrBytes.GetData()), static_cast<int>(arrBytes.GetSize()));
    return LoadXmlText(strText, lFlag, TRUE);
}

// Packed card files ---------------------------------------------------------------------------

CString CVornCtlCtrl::MakeTempFileName(LPCSTR pszPrefix, LPCSTR pszExt)
{
    CString strDir;
    CCardCommFun::GetTempWorkDir(strDir);
    if (strDir.IsEmpty()) {
        return CString();
    }
    // Process, tick and a counter: two downloads in the same minute get different files.
    static LONG s_nCounter = 0;
    const LONG nSerial = ::InterlockedIncrement(&s_nCounter);
    for (int nTry = 0; nTry < 100; ++nTry) {
        CString strPath;
        strPath.Format("%s\\%s%lu-%lu-%ld-%d%s", strDir.GetString(), pszPrefix, ::GetCurrentProcessId(),
                       ::GetTickCount(), nSerial, nTry, pszExt);
        CFxHandle file(::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.IsValid()) {
            return strPath;
        }
    }
    return CString();
}

long CVornCtlCtrl::OpenZndFile(LPCSTR pszFileName, long /*lParam*/)
{
    CString strPath = pszFileName != nullptr ? pszFileName : "";
    CString strDownloaded;
    if (IsTemplateUrl(strPath) && IsUrlPath(strPath)) {
        CString strError;
        if (!FetchUrlToTempFile(strPath, ".znd", strDownloaded, strError) || strDownloaded.IsEmpty()) {
            return -1;
        }
        strPath = strDownloaded;
    }
    CString strTempDir;
    // Anything but a compound file is refused before the shown card is given up.
    if (strPath.IsEmpty() || !CCardCommFun::GetTempWorkDir(strTempDir) || strTempDir.IsEmpty() ||
        !IsCompoundFile(strPath)) {
        if (!strDownloaded.IsEmpty()) {
            ::DeleteFileA(strDownloaded);
        }
        return -1;
    }
    // A card file that cannot be read whole must leave the shown card in place: it is read into
    // a scratch card under the same flags first, and the shown card goes only when that worked.
    if (!CanOpenCardFile(m_CappObj, m_strMasterCardName, this, strTempDir, strPath)) {
        if (!strDownloaded.IsEmpty()) {
            ::DeleteFileA(strDownloaded);
        }
        return -1;
    }
    m_CappObj.Resert();
    m_CappObj.m_CardObj.m_nReserved1 = 0;
    const int nUnpacked = m_CappObj.DeCompound(strTempDir, strPath, CCappObj::partStrings | CCappObj::partFiles);
    if (!strDownloaded.IsEmpty()) {
        // The work directory holds everything now; the download is not the card's file.
        ::DeleteFileA(strDownloaded);
        m_CappObj.m_strFileName.Empty();
        m_CappObj.m_bNewFile = 1;
    }
    if (!nUnpacked) {
        m_bLaidOut = FALSE;
        InvalidateControl();
        return -1;
    }
    CCardObj& card = m_CappObj.m_CardObj;
    card.LoadCard(m_CappObj.GetCpoWorkDir(), m_strMasterCardName, CCappObj::GetMastCardCode(), &m_CappObj, this);
    if (card.GetMasterSheet() == nullptr) {
        InvalidateControl();
        return -1;
    }
    m_strMasterCardName = card.GetMasterSheet()->m_strName;
    ShowFirstPage();
    m_arrTemplateNames.RemoveAll();
    for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr;) {
        m_arrTemplateNames.Add(static_cast<CCappSheet*>(Templates().GetNext(pos))->m_strName);
    }
    m_bDataInitialised = TRUE;
    m_bLaidOut = FALSE;
    LayOut();
    InvalidateControl();
    return 0;
}

long CVornCtlCtrl::SaveToFile(LPCSTR pszFileName, BOOL bTranToGoalFile)
{
    CString strTarget = pszFileName != nullptr ? pszFileName : "";
    if (strTarget.IsEmpty()) {
        strTarget = m_CappObj.m_strFileName;
    }
    if (strTarget.IsEmpty()) {
        FxFileDialogParams params;
        params.pszFilter = "znd(*.znd)\0*.znd\0";
        params.pszTitle = "\xB1\xA3\xB4\xE6"; // "save" in the card's code page
        params.dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
        if (!FxAskFileName(GetSafeHwnd(), FALSE, params, strTarget)) {
            return -1;
        }
    }
    if (m_CappObj.GetCpoWorkDir().IsEmpty()) {
        CString strTempDir;
        if (!CCardCommFun::GetTempWorkDir(strTempDir) || strTempDir.IsEmpty() ||
            !m_CappObj.CreateWorkDir(strTempDir, strTarget)) {
            return -1;
        }
    }
    const CString strWorkDir = m_CappObj.GetCpoWorkDir();
    // The names were read from the templates: none may lead out of the work folder.
    for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr;) {
        const CString& strName = static_cast<CCappSheet*>(Templates().GetNext(pos))->m_strName;
        if (!CCappFileNameFun::IsPlainFileName(strName)) {
            ReportBadFileName(strName);
            return -1;
        }
    }
    // Always written: scripts may have changed since the templates were unpacked.
    for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr;) {
        auto* pSheet = static_cast<CCappSheet*>(Templates().GetNext(pos));
        CString strPath;
        strPath.Format("%s\\%s.znt", strWorkDir.GetString(), pSheet->m_strName.GetString());
        try {
            CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
            CArchive ar(&file, CArchive::store, kArchiveBuffer);
            pSheet->Serialize(ar);
            ar.Close();
        } catch (CException* e) {
            e->Delete();
            return -1;
        }
    }
    CCardObj& card = m_CappObj.m_CardObj;
    card.m_strCardDir = strWorkDir;
    card.m_strCcdFile.Format("%s.ccd", CCappObj::GetMastCardCode().GetString());
    CStringArray arrCardNames;
    card.m_CardData.GetCardNames(arrCardNames);
    CStringArray arrSubNames;
    CStringArray arrSubShown;
    card.GetSubFileInfo(arrSubNames, arrSubShown);
    for (int i = 0; i < arrSubNames.GetSize(); ++i) {
        if (!CCappFileNameFun::IsPlainFileName(arrSubNames[i])) {
            ReportBadFileName(arrSubNames[i]);
            return -1;
        }
    }
    m_CappObj.RegsetCard(card.m_CardData.m_nPageCount, arrCardNames, arrSubNames, arrSubShown);
    if (!card.SaveData()) {
        return -1;
    }
    return m_CappObj.SaveDataAs(strTarget, 1, bTranToGoalFile) ? 0 : -1;
}

CString CVornCtlCtrl::GetFileName()
{
    return m_CappObj.m_strFileName;
}

// Scripts -------------------------------------------------------------------------------------

void CVornCtlCtrl::LoadScript(short nType, LPCSTR pszName, LPCSTR pszScript)
{
    CCappSheet* pMaster = m_CappObj.m_CardObj.GetMasterSheet();
    if (pMaster == nullptr || nType != 1) {
        return;
    }
    const CString strName = pszName != nullptr ? pszName : "";
    for (POSITION pos = pMaster->m_listScript.GetHeadPosition(); pos != nullptr;) {
        auto* pItem = static_cast<CScriptItem*>(pMaster->m_listScript.GetNext(pos));
        if (pItem->m_nKind == 1 && pItem->m_strName == strName) {
            pItem->m_strScript = pszScript;
            return;
        }
    }
    auto* pItem = new CScriptItem;
    pItem->m_nKind = 1;
    pItem->m_strName = strName;
    pItem->m_strScript = pszScript;
    pMaster->m_listScript.AddTail(pItem);
}

CString CVornCtlCtrl::GetScriptNames(short nType)
{
    CCappSheet* pMaster = m_CappObj.m_CardObj.GetMasterSheet();
    CString strNames;
    if (pMaster == nullptr || nType != 1) {
        return strNames;
    }
    for (POSITION pos = pMaster->m_listScript.GetHeadPosition(); pos != nullptr;) {
        if (!strNames.IsEmpty()) {
            strNames += ";";
        }
        strNames += static_cast<CScriptItem*>(pMaster->m_listScript.GetNext(pos))->m_strName;
    }
    return strNames;
}

BOOL CVornCtlCtrl::ExecScript(short nType, LPCSTR pszName)
{
    CCappSheet* pMaster = m_CappObj.m_CardObj.GetMasterSheet();
    if (pMaster == nullptr) {
        return FALSE;
    }
    if (nType != 1) {
        return TRUE;
    }
    const CString strName = pszName != nullptr ? pszName : "";
    for (POSITION pos = pMaster->m_listScript.GetHeadPosition(); pos != nullptr;) {
        auto* pItem = static_cast<CScriptItem*>(pMaster->m_listScript.GetNext(pos));
        if (pItem->m_strName == strName) {
            // A copy: the script may replace its own text through the control.
            const CString strScript = pItem->m_strScript;
            return RunCardScript(this, strScript);
        }
    }
    return TRUE;
}

// Values, areas and printers ------------------------------------------------------------------

CCappMDData* CVornCtlCtrl::FindRowData(LPCSTR pszMDName) const
{
    if (pszMDName == nullptr || *pszMDName == '\0') {
        return nullptr;
    }
    return m_CappObj.m_CardObj.GetRowData(pszMDName);
}

CString CVornCtlCtrl::GetCardVars(short nSeat, LPCSTR pszSeatName)
{
    return m_CappObj.m_CardObj.GetCardVars(nSeat, pszSeatName != nullptr ? pszSeatName : "");
}

CString CVornCtlCtrl::GetVarData(LPCSTR pszVarName, long nRow, short nInheritType)
{
    CString strValue;
    if (!m_CappObj.m_CardObj.m_CardData.GetVarData(pszVarName != nullptr ? pszVarName : "", nRow, nInheritType,
                                                   strValue)) {
        strValue.Empty();
    }
    return strValue;
}

BOOL CVornCtlCtrl::ModifyItemStyle(LPCSTR pszVarName, long nRow, LPCSTR pszType, VARIANT& vData)
{
    CCardObj& card = m_CappObj.m_CardObj;
    CString strMDName;
    CCellFieldDataItem* pItem =
        card.m_CardData.GetVarDataItem(pszVarName != nullptr ? pszVarName : "", nRow, nullptr, &strMDName);
    if (pItem == nullptr) {
        return FALSE;
    }
    CVariantMgr value;
    value.Load(&vData);
    const CString strType = pszType != nullptr ? pszType : "";
    auto takeCellFont = [&]() -> BOOL {
        if ((pItem->m_nDispFlag & kDispOwnFont) != 0) {
            return TRUE;
        }
        CCappCell* pCell = FindVarCell(card.GetMasterSheet(), strMDName, pszVarName);
        if (pCell == nullptr) {
            return FALSE;
        }
        pCell->GetDrawFont(pItem->m_lfFont);
        pItem->m_nDispFlag |= kDispOwnFont;
        return TRUE;
    };
    BOOL bChanged = FALSE;
    if (strType == "_INVERTCOLOR_" && value.m_nType == CVariantMgr::typeBool) {
        if (value.m_bValue) {
            pItem->m_nDispFlag |= kDispInvert;
        } else {
            pItem->m_nDispFlag &= ~kDispInvert;
        }
        bChanged = TRUE;
    } else if (strType == "_TEXTCOLOR_" && value.m_nType == CVariantMgr::typeInteger) {
        pItem->m_nDispFlag |= kDispTextColour;
        pItem->m_nDisp2 = value.m_nValue;
        bChanged = TRUE;
    } else if (strType == "_BKCOLOR_" && value.m_nType == CVariantMgr::typeInteger) {
        pItem->m_nDispFlag |= kDispBackColour;
        pItem->m_nDisp1 = value.m_nValue;
        bChanged = TRUE;
    } else if (strType == "_FONTNAME_" && value.m_nType == CVariantMgr::typeText) {
        if (takeCellFont()) {
            lstrcpynA(pItem->m_lfFont.lfFaceName, value.m_strValue, LF_FACESIZE);
            bChanged = TRUE;
        }
    } else if ((strType == "_FONTHEIGHT_" || strType == "_FONTWIDTH_" || strType == "_ESCAPEMENT_") &&
               value.m_nType == CVariantMgr::typeInteger) {
        if (takeCellFont()) {
            LONG& field = strType == "_FONTHEIGHT_"  ? pItem->m_lfFont.lfHeight
                          : strType == "_FONTWIDTH_" ? pItem->m_lfFont.lfWidth
                                                     : pItem->m_lfFont.lfEscapement;
            field = value.m_nValue;
            bChanged = TRUE;
        }
    }
    if (bChanged) {
        InvalidateControl();
    }
    return bChanged;
}

CString CVornCtlCtrl::GetMDNames()
{
    CString strNames;
    CCappSheet* pMaster = m_CappObj.m_CardObj.GetMasterSheet();
    if (pMaster == nullptr) {
        return strNames;
    }
    for (POSITION pos = pMaster->m_MidDataList.GetHeadPosition(); pos != nullptr;) {
        auto* pArea = static_cast<CCappMidData*>(pMaster->m_MidDataList.GetNext(pos));
        if (pArea->m_nExtFlag == 1) {
            continue;
        }
        if (!strNames.IsEmpty()) {
            strNames += ";";
        }
        strNames += pArea->m_strName;
    }
    return strNames;
}

BOOL CVornCtlCtrl::ExchangeRow(LPCSTR pszMDName, long nSRow, long nSRowCount, long nDRow, long nDRowCount)
{
    CCappMDData* pMDData = FindRowData(pszMDName);
    return pMDData != nullptr && pMDData->ExchangeRow(nSRow, nDRow, nSRowCount, nDRowCount);
}

long CVornCtlCtrl::GetRowUseCount(LPCSTR pszMDName, long nRow)
{
    CCappMDData* pMDData = FindRowData(pszMDName);
    if (pMDData == nullptr) {
        return -1;
    }
    CCappMidRow* pRow = pMDData->GetRow(nRow);
    return pRow != nullptr ? pRow->m_nLineCount : 1;
}

BOOL CVornCtlCtrl::IsEmptyPage(long nPage)
{
    return m_CappObj.m_CardObj.IsEmptyPage(nPage);
}

BOOL CVornCtlCtrl::MoveRow(LPCSTR pszMDName, long nSRow, long nSRowCount, long nMoveTo)
{
    CCappMDData* pMDData = FindRowData(pszMDName);
    return pMDData != nullptr && pMDData->MoveRow(nSRow, nSRowCount, nMoveTo);
}

long CVornCtlCtrl::SetPrintOnly(long lDataType, BOOL /*bSelect*/)
{
    m_CappObj.m_CardObj.m_nPrintSelect = lDataType;
    return 0;
}

IDispatch* CVornCtlCtrl::GetCtlIDispatch(BOOL bAddRef)
{
    IDispatch* pDisp = GetIDispatch(FALSE);
    // The caller's variant owns one reference; without bAddRef it is the caller's to keep in step.
    if (pDisp != nullptr && bAddRef) {
        pDisp->AddRef();
    }
    return pDisp;
}

BOOL CVornCtlCtrl::LoadPrintSet(LPCSTR pszPrintSetFile)
{
    return CPrinterDeviceHelper::LoadDefaultSettingFromFile(pszPrintSetFile != nullptr ? pszPrintSetFile : "");
}

BOOL CVornCtlCtrl::SetPrinterName(LPCSTR pszName)
{
    return CPrinterDeviceHelper::SetDefaultPrinter(pszName != nullptr ? pszName : "");
}

void CVornCtlCtrl::PrintSet()
{
    CPrintDialog dlg(TRUE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                     this);
    dlg.DoModal();
}

BOOL CVornCtlCtrl::SetPrintOrientation(short nOrientation)
{
    CWinApp* pApp = FxGetApp();
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    if (pApp == nullptr || !pApp->GetPrinterDeviceDefaults(&pd) || pd.hDevMode == nullptr) {
        return FALSE;
    }
    {
        CFxGlobalLock lock(pd.hDevMode);
        auto* pMode = lock.GetAs<DEVMODEA>();
        if (pMode == nullptr) {
            return FALSE;
        }
        pMode->dmOrientation = nOrientation;
        pMode->dmFields |= DM_ORIENTATION;
    }
    // The application owns the handles already: select them again without freeing them.
    pApp->SelectPrinter(pd.hDevNames, pd.hDevMode, FALSE);
    return TRUE;
}

// Host pop-up menu ----------------------------------------------------------------------------

UINT CVornCtlCtrl::PopupCommandId(LPCSTR pszCommand)
{
    if (pszCommand == nullptr) {
        return 0;
    }
    for (const PopupCommand& c : kPopupCommands) {
        if (strcmp(c.pszName, pszCommand) == 0) {
            return c.nId;
        }
    }
    return 0;
}

void CVornCtlCtrl::AddPopupMenuItem(short nType, LPCSTR pszPrompt, LPCSTR pszCommand)
{
    // Prompts and commands stay in step: every call adds one of each.
    m_arrPopupPrompts.Add(nType == 0 ? CString("-") : CString(pszPrompt != nullptr ? pszPrompt : ""));
    m_arrPopupCommands.Add(PopupCommandId(pszCommand));
}

BOOL CVornCtlCtrl::BuildPopupMenu(CMenu& menu) const
{
    if (m_arrPopupPrompts.GetSize() == 0 || !menu.CreatePopupMenu()) {
        return FALSE;
    }
    for (INT_PTR i = 0; i < m_arrPopupPrompts.GetSize(); ++i) {
        if (m_arrPopupPrompts[i] == "-") {
            menu.AppendMenu(MF_SEPARATOR);
            continue;
        }
        const UINT nCommand = m_arrPopupCommands[i];
        const UINT nState = IsPopupCommandEnabled(nCommand) ? MF_ENABLED : MF_GRAYED;
        menu.AppendMenu(MF_STRING | nState, nCommand, m_arrPopupPrompts[i]);
    }
    return TRUE;
}

BOOL CVornCtlCtrl::IsPopupCommandEnabled(UINT nCommand) const
{
    const int nCur = m_CappObj.m_CardObj.m_nCurPage;
    switch (nCommand) {
    case 0x8006:
    case 0x8008:
        return nCur > 1;
    case 0x8007:
    case 0x8009:
        return nCur < GetPageCount();
    default:
        return TRUE;
    }
}

BOOL CVornCtlCtrl::RunPopupCommand(UINT nCommand)
{
    CCardObj& card = m_CappObj.m_CardObj;
    auto showPage = [&](int nPage) {
        card.SetCurPage(nPage);
        InvalidateControl();
    };
    switch (nCommand) {
    case 0x8000:
        ZoomIn();
        break;
    case 0x8001:
        ZoomOut();
        break;
    case 0x8002:
        ZoomRange();
        break;
    case 0x8003:
        Zoom100();
        break;
    case 0x8004:
        PrintData();
        break;
    case 0x8005:
        ZoomViewAll();
        break;
    case 0x8006:
        if (card.m_nCurPage > 1) {
            showPage(1);
        }
        break;
    case 0x8007:
        if (card.m_nCurPage < GetPageCount()) {
            showPage(GetPageCount());
        }
        break;
    case 0x8008:
        if (card.m_nCurPage > 1) {
            showPage(card.m_nCurPage - 1);
        }
        break;
    case 0x8009:
        if (card.m_nCurPage < GetPageCount()) {
            showPage(card.m_nCurPage + 1);
        }
        break;
    case 0x800A: {
        const DWORD dwOld = GetPrintStyle();
        SetPrintStyle(dwOld | printFit | printOffset);
        PrintData();
        SetPrintStyle(dwOld);
        break;
    }
    case 0x800B:
        PrintSet();
        break;
    case 0x800C:
        PrintPreview();
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

void CVornCtlCtrl::OnRButtonUp(UINT nFlags, CPoint point)
{
    CMenu menu;
    if (!BuildPopupMenu(menu)) {
        CZoomOleControl::OnRButtonUp(nFlags, point);
        return;
    }
    ::ClientToScreen(GetSafeHwnd(), &point);
    const UINT nCommand =
        static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, this));
    menu.DestroyMenu();
    if (nCommand != 0) {
        RunPopupCommand(nCommand);
    }
}

BOOL CVornCtlCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0 && RunPopupCommand(LOWORD(wParam))) {
        return TRUE;
    }
    return CZoomOleControl::OnCommand(wParam, lParam);
}
