#include "core/CardObj.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/CappCardVarItem.h"
#include "core/CappCell.h"
#include "core/CappFileNameFun.h"
#include "core/CappListArchive.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappMsgFun.h"
#include "core/CappObj.h"
#include "core/CappPgRow.h"
#include "core/CappSheet.h"
#include "core/CardADMLLoader.h"
#include "core/CardCommFun.h"
#include "core/CardRptExport.h"
#include "core/CellFieldDataItem.h"
#include "core/PageMaker.h"
#include "core/res/resource.h"
#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/File.h"
#include "platform/base/FxSafeSave.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/MsgBox.h"
#include "platform/win/Wnd.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

FX_IMPLEMENT_SERIAL(CCardObj, CObject, 0)

namespace
{

const char kVersion[] = "4.2";
constexpr int kArchiveBuffer = 4096;

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(reinterpret_cast<HINSTANCE>(&__ImageBase), nID);
    return str;
}

// Areas that take part in binding and paging: temporary areas are the sheet's scratch copies.
BOOL IsPagedArea(const CCappMidData* pArea)
{
    return pArea->m_nType != CCappMidData::typeTemporary;
}

int LineCount(const CCappMidRow* pRow)
{
    return std::max(pRow->m_nLineCount, 1);
}

// Line counts of the rows, read once: a recount walks the rows by index many times.
std::vector<int> LineCounts(const CCappMDData* pMDData)
{
    std::vector<int> counts;
    counts.reserve(static_cast<size_t>(pMDData->GetRowCount()));
    POSITION pos = pMDData->m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        counts.push_back(LineCount(static_cast<const CCappMidRow*>(pMDData->m_listRowData.GetNext(pos))));
    }
    return counts;
}

// Where the page after one that starts at (nRow, nOffset) with nCapacity grid rows starts.
void NextPageStart(const std::vector<int>& counts, int nCapacity, int& nRow, int& nOffset)
{
    const int nCount = static_cast<int>(counts.size());
    const int nRest = counts[static_cast<size_t>(nRow)] - nOffset;
    if (nRest == nCapacity) {
        ++nRow;
        nOffset = 0;
        return;
    }
    if (nRest > nCapacity) {
        nOffset += nCapacity;
        return;
    }
    int nSum = nRest;
    int nNext = nRow + 1;
    while (nNext < nCount && nSum + counts[static_cast<size_t>(nNext)] <= nCapacity) {
        nSum += counts[static_cast<size_t>(nNext)];
        ++nNext;
    }
    nRow = nNext;
    nOffset = nNext < nCount ? nCapacity - nSum : 0;
}

// Values of file variables in a value list, by the definitions' positions.
template <typename Fn> void ForEachFileValue(const CObList& listCardVar, const CObList& listValues, Fn fn)
{
    POSITION posVar = listCardVar.GetHeadPosition();
    POSITION posValue = listValues.GetHeadPosition();
    while (posVar != nullptr && posValue != nullptr) {
        const auto* pVar = static_cast<const CCappCardVarItem*>(listCardVar.GetNext(posVar));
        auto* pItem = static_cast<CCellFieldDataItem*>(listValues.GetNext(posValue));
        if (pVar->m_nKind == CCappCardVarItem::kindFile && !pItem->m_strValue.IsEmpty()) {
            fn(pItem);
        }
    }
}

// The value of a variable in the row of that id; empty when there is no such row or value.
void GetRowValueByID(const CCappMDData& mdData, int nRowID, const CString& strName, CString& strValue)
{
    strValue.Empty();
    int nRow = 0;
    POSITION pos = mdData.m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        if (static_cast<const CCappMidRow*>(mdData.m_listRowData.GetNext(pos))->m_nRowID == nRowID) {
            const CCellFieldDataItem* pItem = mdData.GetVarDataItem(nRow, strName);
            if (pItem != nullptr) {
                strValue = pItem->m_strValue;
            }
            return;
        }
        ++nRow;
    }
}

} // namespace

CCardObj::CCardObj()
    : m_nCurPage(0), m_pParentView(nullptr), m_nReserved1(0), m_bKeepSheets(0), m_nReserved2(0), m_nPrintSelect(0),
      m_pCappObj(nullptr), m_strVersion(kVersion), m_bLoadFailed(FALSE)
{
    m_CardData.m_pCardObj = this;
}

CCardObj::~CCardObj()
{
    DetachList(CString());
}

// Loading and saving -------------------------------------------------------------------------

int CCardObj::LoadCard(const CString& strDir, const CString& strMasterName, const CString& strDataName,
                       CCappObj* pCappObj, CWnd* pWnd)
{
    m_pCappObj = pCappObj;
    m_strCardDir = strDir;
    m_strCcdFile.Format("%s.ccd", strDataName.GetString());
    m_bLoadFailed = FALSE;
    CString strPath;
    strPath.Format("%s\\%s", m_strCardDir.GetString(), m_strCcdFile.GetString());
    const BOOL bRead = ExistFile(strPath);
    if (bRead) {
        try {
            CFile file(strPath, CFile::modeRead | CFile::shareDenyWrite);
            CArchive ar(&file, CArchive::load, kArchiveBuffer);
            Serialize(ar);
        } catch (CException* e) {
            e->Delete();
            m_bLoadFailed = TRUE;
            FxMessageBox(CCappMsgFun::FindMainWindow(pWnd), "s-error", nullptr, MB_OK);
            return 0;
        }
    } else {
        if (strMasterName.IsEmpty()) {
            return 0;
        }
        m_CardData.m_strMasterName = strMasterName;
    }
    m_CardData.m_pCardObj = this;
    LoadAllSheetByPageMaker(pWnd);
    m_CardData.m_HFData.ResertDataList();
    m_CardData.m_PgData.ResertDataList();
    POSITION pos = m_CardData.m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCappMDData*>(m_CardData.m_MDDataList.GetNext(pos))->ResertDataList();
    }
    m_CardData.m_strDataName = strDataName;
    if (bRead) {
        SetSubDataFileName(m_strCardDir);
    }
    return 1;
}

int CCardObj::LoadCard(const CString& strDir, const CString& strMasterName, const CString& strDataName)
{
    DetachList(CString());
    m_strCardDir = strDir;
    m_strCcdFile.Format("%s.ccd", strDataName.GetString());
    m_CardData.m_strMasterName = strMasterName;
    m_bLoadFailed = FALSE;
    CString strPath;
    strPath.Format("%s\\%s", m_strCardDir.GetString(), m_strCcdFile.GetString());
    if (ExistFile(strPath)) {
        try {
            CFile file(strPath, CFile::modeRead | CFile::shareDenyWrite);
            CArchive ar(&file, CArchive::load, kArchiveBuffer);
            Serialize(ar);
        } catch (CException* e) {
            // A damaged archive must not leave the caller believing the card is whole.
            e->Delete();
            m_bLoadFailed = TRUE;
            return 0;
        }
    } else if (strMasterName.IsEmpty()) {
        return 0;
    }
    m_CardData.m_pCardObj = this;
    m_CardData.m_strDataName = strDataName;
    return 1;
}

int CCardObj::SaveData()
{
    if (m_bLoadFailed || m_strCcdFile.IsEmpty()) {
        return 0;
    }
    CCappPgData& pgData = m_CardData.m_PgData;
    while (pgData.GetRowCount() > std::max(m_CardData.m_nPageCount, 0)) {
        pgData.DelRowData(pgData.GetRowCount());
    }
    CString strPath;
    strPath.Format("%s\\%s", m_strCardDir.GetString(), m_strCcdFile.GetString());
    try {
        if (!CFxSafeSave::SaveObject(strPath, *this, kArchiveBuffer)) {
            return 0;
        }
    } catch (CException* e) {
        e->Delete();
        return 0;
    }
    return 1;
}

void CCardObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion << m_strCardTag;
    } else {
        m_nCurPage = 0;
        ar >> m_strVersion >> m_strCardTag;
    }
    m_CardData.Serialize(ar);
    m_CardData.m_pCardObj = this;
}

void CCardObj::SetCCDFileName()
{
    m_strCcdFile.Format("%s.ccd", m_CardData.m_strDataName.GetString());
}

void CCardObj::SetSubDataFileName(const CString& strDir)
{
    if (m_strCardDir.IsEmpty()) {
        return;
    }
    // A stored name that is no plain file name would point outside the card's folder: no path.
    auto setPath = [&strDir](CCellFieldDataItem* pItem) {
        if (CCappFileNameFun::IsPlainFileName(pItem->m_strValue)) {
            pItem->m_strFilePath.Format("%s\\%s", strDir.GetString(), pItem->m_strValue.GetString());
        } else {
            pItem->m_strFilePath.Empty();
        }
    };
    CCappPgData& pgData = m_CardData.m_PgData;
    POSITION pos = pgData.m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        ForEachFileValue(pgData.m_listCardVar,
                         static_cast<CCappPgRow*>(pgData.m_listRowData.GetNext(pos))->m_listVarData, setPath);
    }
    ForEachFileValue(m_CardData.m_HFData.m_listCardVar, m_CardData.m_HFData.m_listVarData, setPath);
    pos = m_CardData.m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(m_CardData.m_MDDataList.GetNext(pos));
        POSITION posRow = pMDData->m_listRowData.GetHeadPosition();
        while (posRow != nullptr) {
            ForEachFileValue(pMDData->m_listCardVar,
                             static_cast<CCappMidRow*>(pMDData->m_listRowData.GetNext(posRow))->m_listVarData, setPath);
        }
    }
}

void CCardObj::GetSubFileInfo(CStringArray& arrNames, CStringArray& arrShown) const
{
    arrNames.RemoveAll();
    arrShown.RemoveAll();
    auto add = [&](CCellFieldDataItem* pItem) {
        if (!pItem->m_strText2.IsEmpty()) {
            arrNames.Add(pItem->m_strValue);
            arrShown.Add(pItem->m_strText2);
        }
    };
    ForEachFileValue(m_CardData.m_HFData.m_listCardVar, m_CardData.m_HFData.m_listVarData, add);
    const CCappPgData& pgData = m_CardData.m_PgData;
    POSITION pos = pgData.m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        ForEachFileValue(pgData.m_listCardVar,
                         static_cast<CCappPgRow*>(pgData.m_listRowData.GetNext(pos))->m_listVarData, add);
    }
}

// Sheets -------------------------------------------------------------------------------------

CCappSheet* CCardObj::LoadSheet(CWnd* pWnd, const CString& strName)
{
    if (strName.IsEmpty()) {
        return nullptr;
    }
    POSITION pos = m_listSheet.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSheet = static_cast<CCappSheet*>(m_listSheet.GetNext(pos));
        if (pSheet->m_strName == strName) {
            return pSheet;
        }
    }
    CString strPath;
    strPath.Format("%s\\%s.znt", m_strCardDir.GetString(), strName.GetString());
    // The name comes from the card's data: it must not lead out of the card's folder.
    if (!CCappFileNameFun::IsPlainFileName(strName)) {
        CString strText;
        strText.Format(LoadText(IDS_CARD_NO_TEMPLATE), strPath.GetString());
        FxMessageBox(CCappMsgFun::FindMainWindow(pWnd), strText, nullptr, MB_OK);
        return nullptr;
    }
    return LoadSheetByFileName(pWnd, strPath);
}

CCappSheet* CCardObj::LoadSheetByFileName(CWnd* pWnd, const CString& strPath)
{
    if (!ExistFile(strPath)) {
        CString strText;
        strText.Format(LoadText(IDS_CARD_NO_TEMPLATE), strPath.GetString());
        FxMessageBox(CCappMsgFun::FindMainWindow(pWnd), strText, nullptr, MB_OK);
        return nullptr;
    }
    auto pSheet = std::make_unique<CCappSheet>();
    try {
        CFile file(strPath, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        pSheet->Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
    pSheet->m_strName = CCardCommFun::GetFileName_NoExt(strPath);
    CCappSheet* pAdded = pSheet.release();
    m_listSheet.AddTail(pAdded);
    SetUpSheet(pAdded, pWnd);
    return pAdded;
}

void CCardObj::SetUpSheet(CCappSheet* pSheet, CWnd* pWnd)
{
    pSheet->SetCardObj(this);
    pSheet->m_bDesign = 0;
    pSheet->m_pWnd = pWnd;
    pSheet->SetAllCellFontHeight();
    if (pSheet->m_strName == m_CardData.m_strMasterName) {
        LoadFieldList();
    }
    RelSheetMDData(pSheet);
    pSheet->ReCreateSheetCell();
    // A bad figure line leaves the figures before it; the designer reports the text's faults.
    CString strError;
    CCardCommFun::SGESetList(pSheet->m_strSGE, pSheet->m_listSGE, strError, 0);
    CStringArray arrNames;
    CStringArray arrFormats;
    GetPageSetArrays(arrNames, arrFormats);
    pSheet->SetPageCellFormat(arrNames, arrFormats);
}

void CCardObj::LoadAllSheetByPageMaker(CWnd* pWnd)
{
    // State 2: the host put its own template sheets into the card and loads none from files.
    if (m_pCappObj != nullptr && m_pCappObj->m_nState == 2) {
        return;
    }
    if (!m_bKeepSheets) {
        DetachList(CString());
        LoadSheet(pWnd, m_CardData.m_strMasterName);
        POSITION pos = m_CardData.m_listPageMaker.GetHeadPosition();
        while (pos != nullptr) {
            LoadSheet(pWnd, static_cast<CPageMaker*>(m_CardData.m_listPageMaker.GetNext(pos))->m_strCardName);
        }
    }
    if (m_CardData.m_listPageMaker.IsEmpty()) {
        m_CardData.m_listPageMaker.AddTail(new CPageMaker(1, m_CardData.m_strMasterName));
    }
}

CCappSheet* CCardObj::LoadSheetByPage(CWnd* pWnd, int nPage)
{
    return LoadSheet(pWnd, m_CardData.GetCardNameByPage(nPage));
}

CCappSheet* CCardObj::GetSheetByName(const CString& strName) const
{
    if (m_listSheet.IsEmpty()) {
        return nullptr;
    }
    POSITION pos = m_listSheet.GetHeadPosition();
    while (pos != nullptr && !strName.IsEmpty()) {
        auto* pSheet = static_cast<CCappSheet*>(m_listSheet.GetNext(pos));
        if (pSheet->m_strName == strName) {
            return pSheet;
        }
    }
    return static_cast<CCappSheet*>(m_listSheet.GetHead());
}

CCappSheet* CCardObj::GetSheetByPage(int nPage, int bBeyondCount) const
{
    if (nPage < 1 || m_CardData.m_strMasterName.IsEmpty() || (nPage > m_CardData.m_nPageCount && !bBeyondCount)) {
        return nullptr;
    }
    const CString strName = m_CardData.GetCardNameByPage(nPage);
    return strName.IsEmpty() ? nullptr : GetSheetByName(strName);
}

CCappSheet* CCardObj::GetMasterSheet() const
{
    return m_listSheet.IsEmpty() ? nullptr : static_cast<CCappSheet*>(m_listSheet.GetHead());
}

void CCardObj::InitSheet(CWnd* pWnd)
{
    POSITION pos = m_listSheet.GetHeadPosition();
    while (pos != nullptr) {
        SetUpSheet(static_cast<CCappSheet*>(m_listSheet.GetNext(pos)), pWnd);
    }
}

void CCardObj::RelSheetMDData(CCappSheet*& pSheet)
{
    if (pSheet != nullptr) {
        m_CardData.RelData(pSheet);
    }
}

void CCardObj::ReSetSheetPrivePageSet()
{
    CStringArray arrNames;
    CStringArray arrFormats;
    GetPageSetArrays(arrNames, arrFormats);
    POSITION pos = m_listSheet.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCappSheet*>(m_listSheet.GetNext(pos))->SetPageCellFormat(arrNames, arrFormats);
    }
}

void CCardObj::GetPageSetArrays(CStringArray& arrNames, CStringArray& arrFormats) const
{
    arrNames.RemoveAll();
    arrFormats.RemoveAll();
    CCardCommFun::GetPageSetType(m_CardData.m_strPageSetType, arrNames, arrFormats);
}

void CCardObj::DetachList(const CString& strName)
{
    if (strName.IsEmpty() || strName == "m_listSheet") {
        CappFreeList(m_listSheet);
    }
}

// Pages --------------------------------------------------------------------------------------

CCappSheet* CCardObj::SetCurPage(int nPage)
{
    if (nPage < 1 || nPage > m_CardData.m_nPageCount) {
        return nullptr;
    }
    CCappSheet* pSheet = GetSheetByPage(nPage, 0);
    if (pSheet == nullptr) {
        return nullptr;
    }
    m_nCurPage = nPage;
    while (m_CardData.m_PgData.GetRowCount() < nPage) {
        m_CardData.m_PgData.InsertRowData(-1);
    }
    pSheet->UpdateHFCellData();
    pSheet->UpdatePgCellData();
    std::unique_ptr<CClientDC> pDC;
    if (pSheet->m_pWnd != nullptr && pSheet->m_pWnd->IsWindow()) {
        pDC = std::make_unique<CClientDC>(pSheet->m_pWnd->GetSafeHwnd());
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        if (!IsPagedArea(pArea)) {
            continue;
        }
        int nRow = 0;
        int nOffset = 0;
        int bLast = 0;
        GetPageBegDataRowIndex(nPage, pArea->m_strName, nRow, nOffset, bLast);
        pArea->UpdateMidCellData(pDC.get(), nRow, nOffset);
    }
    return pSheet;
}

int CCardObj::AddNewPage(int /*nUnused*/, int bRecount)
{
    const int nOldCount = m_CardData.m_nPageCount;
    const int nPage = ++m_CardData.m_nPageCount;
    while (m_CardData.m_PgData.GetRowCount() < nPage) {
        m_CardData.m_PgData.InsertRowData(-1);
    }
    if (CCappSheet* pSheet = GetSheetByPage(nPage, 0)) {
        POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
        while (pos != nullptr) {
            auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
            CCappMDData* pMDData = m_CardData.GetMDData(pArea->m_strName);
            int nRow = 0;
            int nOffset = 0;
            int bLast = 0;
            if (!IsPagedArea(pArea) || pMDData == nullptr ||
                !GetPageBegDataRowIndex(nPage, pArea->m_strName, nRow, nOffset, bLast) || !bLast) {
                continue;
            }
            while (pMDData->GetRowCount() <= nRow) {
                pMDData->InsertRowData(-1, 0);
            }
        }
    }
    if (bRecount) {
        int bChanged = 0;
        ReSetPageCount(bChanged, nOldCount);
    }
    return m_CardData.m_nPageCount;
}

void CCardObj::ForEachAreaOnPage(int nPage, const std::function<void(CCappMidData*, CCappMDData*, int)>& fnArea)
{
    CCappSheet* pSheet = GetSheetByPage(nPage, 0);
    if (pSheet == nullptr) {
        return;
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        CCappMDData* pMDData = m_CardData.GetMDData(pArea->m_strName);
        int nRow = 0;
        int nOffset = 0;
        int bLast = 0;
        if (IsPagedArea(pArea) && pMDData != nullptr &&
            GetPageBegDataRowIndex(nPage, pArea->m_strName, nRow, nOffset, bLast)) {
            fnArea(pArea, pMDData, nOffset > 0 ? nRow + 1 : nRow);
        }
    }
}

int CCardObj::InsertNewPage(int nPage)
{
    if (nPage < 1 || nPage > m_CardData.m_nPageCount + 1) {
        return 0;
    }
    ++m_CardData.m_nPageCount;
    ForEachAreaOnPage(nPage, [](CCappMidData* pArea, CCappMDData* pMDData, int nFirst) {
        for (int i = 0; i < pArea->m_nRowsPerPage; ++i) {
            pMDData->InsertRowData(nFirst, 0);
        }
    });
    m_CardData.m_PgData.InsertRowData(nPage - 1);
    return 1;
}

int CCardObj::DeletePage(int nPage)
{
    if (nPage < 1 || nPage > m_CardData.m_nPageCount) {
        return 0;
    }
    // The rows that begin on the page, as its own sheet lays them out: a row continued from the
    // page before stays, a row that runs on to the next page goes with the page it began on.
    ForEachAreaOnPage(nPage, [&](CCappMidData* pArea, CCappMDData* pMDData, int nFirst) {
        int nEnd = pMDData->GetRowCount();
        int nNextRow = 0;
        int nNextOffset = 0;
        int bLast = 0;
        if (nPage < m_CardData.m_nPageCount &&
            GetPageBegDataRowIndex(nPage + 1, pArea->m_strName, nNextRow, nNextOffset, bLast)) {
            nEnd = std::min(nEnd, nNextOffset > 0 ? nNextRow + 1 : nNextRow);
        }
        for (int i = nEnd - 1; i >= nFirst; --i) {
            pMDData->DelRowData(i);
        }
        // Later pages start elsewhere now; their entries are counted again when asked.
        pMDData->SetPageBegDataRowIndexSize(nPage - 1);
    });
    m_CardData.m_PgData.DelRowData(nPage);
    if (m_CardData.m_nPageCount > 1) {
        --m_CardData.m_nPageCount;
    }
    if (m_nCurPage > m_CardData.m_nPageCount) {
        m_nCurPage = m_CardData.m_nPageCount;
    }
    return 1;
}

int CCardObj::IsEmptyPage(int nPage) const
{
    if (nPage < 1 || nPage > m_CardData.m_nPageCount) {
        return 0;
    }
    const CCappPgRow* pPgRow = m_CardData.m_PgData.GetRow(nPage);
    if (pPgRow != nullptr && !m_CardData.m_PgData.IsEmptyRow(pPgRow)) {
        return 0;
    }
    POSITION pos = m_CardData.m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(m_CardData.m_MDDataList.GetNext(pos));
        int nRow = 0;
        int nOffset = 0;
        int bLast = 0;
        if (GetPageBegDataRowIndex(nPage, pMDData->m_strName, nRow, nOffset, bLast) && nRow >= 0 &&
            nRow < pMDData->GetRowCount()) {
            return 0;
        }
    }
    return 1;
}

int CCardObj::GetPageByRowIndex(const CString& strMDName, int nRow) const
{
    const CCappMDData* pMDData = m_CardData.GetMDData(strMDName);
    if (pMDData == nullptr || nRow < 0 || nRow >= pMDData->GetRowCount()) {
        return -1;
    }
    int nCounted = 0;
    for (int nPage = 1; nPage <= m_CardData.m_nPageCount; ++nPage) {
        int nFirst = 0;
        int nOffset = 0;
        int bLast = 0;
        GetPageBegDataRowIndex(nPage, strMDName, nFirst, nOffset, bLast);
        if (nFirst > 0) {
            ++nCounted;
        }
        if (nCounted > nRow) {
            return nPage;
        }
    }
    return m_CardData.m_nPageCount;
}

CCappMidData* CCardObj::GetPageArea(int nPage, const CString& strMDName) const
{
    const CCappSheet* pSheet = GetSheetByPage(nPage, 1);
    if (pSheet == nullptr) {
        return nullptr;
    }
    CCappMidData* pArea = pSheet->FindMidData(strMDName);
    return pArea != nullptr && IsPagedArea(pArea) ? pArea : nullptr;
}

int CCardObj::GetPageBegDataRowIndex(int nPage, const CString& strMDName, int& nFirstRow, int& nRowOffset,
                                     int& bLastPage) const
{
    nFirstRow = -1;
    nRowOffset = -1;
    bLastPage = 0;
    const CCappMDData* pMDData = m_CardData.GetMDData(strMDName);
    if (pMDData == nullptr || nPage < 1) {
        return 0;
    }
    const int nTable = pMDData->GetPageBegDataRowIndexSize();
    int nRow = 0;
    int nOffset = 0;
    if (nPage <= m_CardData.m_nPageCount && nPage <= nTable && pMDData->GetPageBegDataRowIndex(nPage, nRow, nOffset) &&
        nRow >= 0) {
        nFirstRow = nRow;
        nRowOffset = nOffset;
        return 1;
    }
    if (nPage == 1) {
        nFirstRow = 0;
        nRowOffset = 0;
        bLastPage = pMDData->GetRowCount() == 0;
        return 1;
    }
    // From the last counted page before the target, or from the card's start.
    int nFromPage = 1;
    nRow = 0;
    nOffset = 0;
    for (int nEntry = std::min(nTable, nPage - 1); nEntry >= 1; --nEntry) {
        int nEntryRow = 0;
        int nEntryOffset = 0;
        if (pMDData->GetPageBegDataRowIndex(nEntry, nEntryRow, nEntryOffset) && nEntryRow >= 0) {
            nFromPage = nEntry;
            nRow = nEntryRow;
            nOffset = nEntryOffset;
            break;
        }
    }
    int nCapacity = 0;
    for (int p = nFromPage; p < nPage; ++p) {
        const CCappMidData* pArea = GetPageArea(p, strMDName);
        if (pArea == nullptr) {
            return 0;
        }
        nCapacity += pArea->m_nRowsPerPage;
    }
    const int nCount = pMDData->GetRowCount();
    POSITION pos = nRow < nCount ? pMDData->m_listRowData.FindIndex(nRow) : nullptr;
    int nTotal = 0;
    for (int r = nRow;; ++r) {
        const int nLines =
            pos != nullptr ? LineCount(static_cast<const CCappMidRow*>(pMDData->m_listRowData.GetNext(pos))) : 1;
        nTotal += nLines - (r == nRow ? nOffset : 0);
        if (nTotal == nCapacity) {
            nFirstRow = r + 1;
            nRowOffset = 0;
            break;
        }
        if (nTotal > nCapacity) {
            nFirstRow = r;
            nRowOffset = nLines - (nTotal - nCapacity);
            break;
        }
    }
    bLastPage = nFirstRow >= nCount;
    return 1;
}

void CCardObj::ReSetPageCount(int& bChanged, int nFromPage)
{
    const int nBefore = m_CardData.m_nPageCount;
    // Adding a page for one detail data makes the others walk on to it too; each pass starts
    // where the last one ended, so every page is walked once per detail data.
    int nFrom = nFromPage;
    int nPassCount = nBefore;
    for (;;) {
        POSITION pos = m_CardData.m_MDDataList.GetHeadPosition();
        while (pos != nullptr) {
            RecountMDData(static_cast<CCappMDData*>(m_CardData.m_MDDataList.GetNext(pos)), nFrom, nBefore);
        }
        if (m_CardData.m_nPageCount == nPassCount) {
            break;
        }
        nFrom = nPassCount;
        nPassCount = m_CardData.m_nPageCount;
    }
    while (m_CardData.m_nPageCount < m_CardData.m_PgData.GetRowCount()) {
        AddNewPage(1, 0);
    }
    bChanged = m_CardData.m_nPageCount != nBefore;
}

void CCardObj::RecountMDData(CCappMDData* pMDData, int nFrom, int nOldCount)
{
    const int nSize = std::max(std::min(pMDData->GetPageBegDataRowIndexSize(), nFrom), 1);
    pMDData->SetPageBegDataRowIndexSize(nSize);
    int nRow = 0;
    int nOffset = 0;
    if (nSize > 1 && (!pMDData->GetPageBegDataRowIndex(nSize, nRow, nOffset) || nRow < 0)) {
        return;
    }
    const int nCount = pMDData->GetRowCount();
    if (nCount == 0) {
        return;
    }
    if (pMDData->m_listCardVar.IsEmpty()) {
        CString strText;
        strText.Format(LoadText(IDS_CARD_NO_VARS), pMDData->m_strName.GetString());
        CCappMsgFun::ShowText(m_pParentView, strText);
        return;
    }
    if (nRow >= nCount) {
        CString strText;
        strText.Format(LoadText(IDS_CARD_BAD_ROWINDEX), pMDData->m_strName.GetString(), "CardObj", __LINE__);
        CCappMsgFun::ShowText(m_pParentView, strText);
        return;
    }
    const std::vector<int> counts = LineCounts(pMDData);
    for (int nPage = nSize; nPage <= m_CardData.m_nPageCount; ++nPage) {
        pMDData->SetPageBegDataRowIndex(nPage, nRow, nOffset);
        const CCappMidData* pArea = GetPageArea(nPage, pMDData->m_strName);
        if (pArea == nullptr) {
            return;
        }
        const int nCapacity = std::max(pArea->m_nRowsPerPage, 0);
        // A page the count did not hold before and that takes no rows would add pages forever.
        if (nCapacity == 0 && nPage > nOldCount) {
            return;
        }
        NextPageStart(counts, nCapacity, nRow, nOffset);
        if (nRow >= nCount) {
            return;
        }
        if (nPage == m_CardData.m_nPageCount) {
            // Entered first, so the new page finds its start without walking the rows again.
            pMDData->SetPageBegDataRowIndex(nPage + 1, nRow, nOffset);
            AddNewPage(1, 0);
        }
    }
}

// Detail rows --------------------------------------------------------------------------------

CCappMidData* CCardObj::FindRowArea(const CString& strMD) const
{
    const CCappSheet* pSheet = GetCurSheet();
    if (strMD.IsEmpty() || pSheet == nullptr) {
        return nullptr;
    }
    CCappMidData* pArea = pSheet->FindMidData(strMD);
    if (pArea != nullptr && pArea->m_nExtFlag == 1 && !pArea->m_strSrcName.IsEmpty()) {
        pArea = pSheet->FindMidData(pArea->m_strSrcName);
    }
    return pArea;
}

CCappMDData* CCardObj::FindRowData(const CString& strMD) const
{
    const CCappMidData* pArea = FindRowArea(strMD);
    return pArea != nullptr ? m_CardData.GetMDData(pArea->m_strName) : nullptr;
}

long CCardObj::GetRowCount(const CString& strMD) const
{
    const CCappMDData* pMDData = FindRowData(strMD);
    return pMDData != nullptr ? pMDData->GetRowCount() : -1;
}

int CCardObj::InsertRow(const CString& strMD, long nAt, short nCount)
{
    CCappMDData* pMDData = FindRowData(strMD);
    if (pMDData == nullptr) {
        return 0;
    }
    for (short i = 0; i < nCount; ++i) {
        if (pMDData->InsertRowData(static_cast<int>(nAt), 0) == nullptr) {
            return 0;
        }
    }
    return 1;
}

int CCardObj::EmptyRow(const CString& strMD, long nRow)
{
    CCappMDData* pMDData = FindRowData(strMD);
    CCappMidRow* pRow = pMDData != nullptr ? pMDData->GetRow(static_cast<int>(nRow)) : nullptr;
    if (pRow == nullptr) {
        return 0;
    }
    pRow->EmptyRow();
    pMDData->m_bModify = TRUE;
    return 1;
}

int CCardObj::DelRow(const CString& strMD, long nRow)
{
    CCappMDData* pMDData = FindRowData(strMD);
    return pMDData != nullptr && pMDData->DelRowData(static_cast<int>(nRow)) ? 1 : 0;
}

int CCardObj::DelAllRow(const CString& strMD)
{
    CCappMDData* pMDData = FindRowData(strMD);
    if (pMDData == nullptr) {
        return 0;
    }
    pMDData->DelAllRowData();
    return 1;
}

int CCardObj::IsEmptyRow(const CString& strMD, long nRow) const
{
    const CCappMDData* pMDData = FindRowData(strMD);
    if (pMDData == nullptr || nRow < 0 || nRow >= pMDData->GetRowCount()) {
        return -1;
    }
    return pMDData->IsEmptyRow(static_cast<int>(nRow)) ? 1 : 0;
}

void CCardObj::ResertUserRowCount(const CString& strMD, CDC* pDC)
{
    const CCappSheet* pSheet = GetMasterSheet();
    if (pSheet == nullptr) {
        return;
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        if (!IsPagedArea(pArea) || (!strMD.IsEmpty() && pArea->m_strName != strMD) || pArea->m_pMDData == nullptr) {
            continue;
        }
        POSITION posRow = pArea->m_pMDData->m_listRowData.GetHeadPosition();
        while (posRow != nullptr) {
            auto* pRow = static_cast<CCappMidRow*>(pArea->m_pMDData->m_listRowData.GetNext(posRow));
            BOOL bChanged = FALSE;
            pArea->SetUseRowCount(pDC, pRow, bChanged, TRUE);
        }
    }
}

// Variables ----------------------------------------------------------------------------------

CString CCardObj::GetCardVars(short nMode, const CString& strMD) const
{
    const CCappSheet* pSheet = GetMasterSheet();
    if (pSheet == nullptr) {
        return CString();
    }
    const CObList* pCells = nullptr;
    if (nMode == 0) {
        pCells = &pSheet->m_HeadCellList;
    } else if (nMode == 1) {
        pCells = &pSheet->m_PageCellList;
    } else if (nMode == 2) {
        if (const CCappMidData* pArea = pSheet->FindMidData(strMD)) {
            pCells = &pArea->m_listMidCell;
        }
    }
    CString strVars;
    if (pCells == nullptr) {
        return strVars;
    }
    POSITION pos = pCells->GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(pCells->GetNext(pos));
        if (pCell->m_nContentKind == CCappCell::kindVariable || pCell->m_nContentKind == CCappCell::kindImage) {
            strVars += pCell->m_strVarName + ";";
        }
    }
    return strVars;
}

namespace
{

// Definitions of the variable cells of a list, replacing the part's own.
void LoadCardVars(const CObList& listCells, CObList& listCardVar, CStringArray& arrVarName)
{
    CappFreeList(listCardVar);
    arrVarName.RemoveAll();
    POSITION pos = listCells.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(listCells.GetNext(pos));
        if (pCell->m_nContentKind != CCappCell::kindVariable && pCell->m_nContentKind != CCappCell::kindImage) {
            continue;
        }
        auto* pItem = new CCappCardVarItem;
        CCardCommFun::SetCardVarItem(pItem, pCell);
        listCardVar.AddTail(pItem);
        arrVarName.Add(pItem->m_strName);
    }
}

} // namespace

void CCardObj::LoadFieldList()
{
    CCappSheet* pSheet = GetMasterSheet();
    if (pSheet == nullptr) {
        return;
    }
    LoadCardVars(pSheet->m_HeadCellList, m_CardData.m_HFData.m_listCardVar, m_CardData.m_HFData.m_arrVarName);
    LoadCardVars(pSheet->m_PageCellList, m_CardData.m_PgData.m_listCardVar, m_CardData.m_PgData.m_arrVarName);
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        if (!IsPagedArea(pArea)) {
            continue;
        }
        CCappMDData* pMDData = m_CardData.GetMDData(pArea->m_strName);
        if (pMDData == nullptr) {
            pMDData = new CCappMDData;
            pMDData->m_strName = pArea->m_strName;
            pMDData->m_nID = m_CardData.GetNewID();
            m_CardData.m_MDDataList.AddTail(pMDData);
        }
        pMDData->m_pCardData = &m_CardData;
        LoadCardVars(pArea->m_listMidCell, pMDData->m_listCardVar, pMDData->m_arrVarName);
    }
}

CString CCardObj::GetNewItemIDCode()
{
    return m_pCappObj != nullptr ? m_pCappObj->GetNewItemCode() : CString();
}

void CCardObj::LoadADMLDataToObj(const CString& strXml, long nReserved)
{
    CCardADMLLoader::LoadADMLDataToObj(this, strXml, nReserved);
}

BOOL CCardObj::ParseADMLData(IXMLDOMElement* pRoot)
{
    return CCardADMLLoader::ParseADMLData(this, pRoot);
}

void CCardObj::CappSheetToRPTBlock(CCappSheet*& pSheet, const CString& strGroupName, CString& strOut)
{
    CCardRptExport::CappSheetToRPTBlock(pSheet, strGroupName, strOut);
}

void CCardObj::SaveRPTPage(CCappSheet*& pSheet, CString& strOut)
{
    CCardRptExport::SaveRPTPage(pSheet, strOut);
}

CString CCardObj::GetHeadVarData(const CString& strName) const
{
    CString strValue;
    if (!m_CardData.m_HFData.GetVarData(strName, strValue)) {
        strValue.Empty();
    }
    return strValue;
}

int CCardObj::GetRoleVarData(int nRole, CString& strValue) const
{
    strValue.Empty();
    const CCappSheet* pSheet = GetCurSheet();
    if (pSheet == nullptr) {
        return 0;
    }
    POSITION pos = pSheet->m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(pSheet->m_HeadCellList.GetNext(pos));
        if (pCell->m_nCellRole == nRole) {
            strValue = GetHeadVarData(pCell->m_strVarName);
            return strValue.IsEmpty() ? 0 : 1;
        }
    }
    return 0;
}

int CCardObj::GetMaterialSize(CString& strValue) const
{
    return GetRoleVarData(CCappCell::roleMaterialSize, strValue);
}

int CCardObj::GetMaterialName(CString& strValue) const
{
    return GetRoleVarData(CCappCell::roleMaterialName, strValue);
}

void CCardObj::GetLinkCells(int nLinkKind, CObList& listCells) const
{
    listCells.RemoveAll();
    const CCappSheet* pSheet = GetMasterSheet();
    if (pSheet == nullptr) {
        return;
    }
    POSITION pos = pSheet->m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        CObject* pCell = pSheet->m_HeadCellList.GetNext(pos);
        if (static_cast<const CCappCell*>(pCell)->m_nLinkKind == nLinkKind) {
            listCells.AddTail(pCell);
        }
    }
}

CString CCardObj::PickInheritVars() const
{
    CObList listCells;
    GetLinkCells(CCappCell::linkInherit, listCells);
    CStringArray arrAll;
    POSITION pos = listCells.GetHeadPosition();
    while (pos != nullptr) {
        CStringArray arrNames;
        CCardCommFun::PickVars(static_cast<const CCappCell*>(listCells.GetNext(pos))->m_strLinkText, arrNames);
        for (INT_PTR i = 0; i < arrNames.GetSize(); ++i) {
            if (CCardCommFun::FindStringInArray(arrAll, arrNames[i]) < 0) {
                arrAll.Add(arrNames[i]);
            }
        }
    }
    CString strNames;
    for (INT_PTR i = 0; i < arrAll.GetSize(); ++i) {
        strNames += arrAll[i] + ",";
    }
    return strNames;
}

CString CCardObj::PickOutVars() const
{
    CObList listCells;
    GetLinkCells(CCappCell::linkOut, listCells);
    CString strTexts;
    POSITION pos = listCells.GetHeadPosition();
    while (pos != nullptr) {
        strTexts += static_cast<const CCappCell*>(listCells.GetNext(pos))->m_strLinkText + ",";
    }
    return strTexts;
}

CString CCardObj::GetInheritData(const CString& strNames, int nMDKey, int nRowID) const
{
    CStringArray arrNames;
    CCardCommFun::SplitString(strNames, ",", arrNames);
    const CCappMDData* pMDData = m_CardData.GetMDData(nMDKey);
    CString strData;
    for (INT_PTR i = 0; i < arrNames.GetSize(); ++i) {
        CString strValue;
        if (!m_CardData.m_HFData.GetVarData(arrNames[i], strValue) && pMDData != nullptr) {
            GetRowValueByID(*pMDData, nRowID, arrNames[i], strValue);
        }
        strData += strValue + "<,>";
    }
    return strData;
}

void CCardObj::SetOutData(const CString& strNames, const CString& strValues)
{
    CObList listCells;
    GetLinkCells(CCappCell::linkOut, listCells);
    POSITION pos = listCells.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(listCells.GetNext(pos));
        m_CardData.SetVarData(pCell->m_strVarName, 0,
                              CCardCommFun::RepliceVar(pCell->m_strLinkText, strNames, strValues));
    }
    pos = m_listSheet.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCappSheet*>(m_listSheet.GetNext(pos))->UpdateHFCellData();
    }
}

void CCardObj::SetInheritData(const CString& strNames, const CString& strValues)
{
    CStringArray arrNames;
    CStringArray arrValues;
    CCardCommFun::SplitString(strNames, ",", arrNames);
    CCardCommFun::SplitString(strValues, "<,>", arrValues);
    CObList listCells;
    GetLinkCells(CCappCell::linkInherit, listCells);
    POSITION pos = listCells.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(listCells.GetNext(pos));
        m_CardData.SetInheritData(pCell->m_strVarName, pCell->m_nDataPos, CString(),
                                  CCardCommFun::RepliceVar(pCell->m_strLinkText, arrNames, arrValues));
    }
}

int CCardObj::ExistFile(const CString& strPath)
{
    return CCardCommFun::ExistFile(strPath);
}
