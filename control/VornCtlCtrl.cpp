#include "control/VornCtlCtrl.h"

#include <stdlib.h>

#include <vector>

#include "control/MyPreviewView.h"
#include "control/UrlFetch.h"
#include "control/UrlFetchScope.h"
#include "control/ViewPrintPreview.h"
#include "control/VornCtlIds.h"
#include "control/res/resource.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CardCommFun.h"
#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/base/MemFile.h"
#include "platform/base/FxResMgr.h"
#include "platform/doc/DocTemplate.h"
#include "platform/doc/PrintJob.h"
#include "platform/doc/Document.h"
#include "platform/doc/SingleDocTemplate.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/ole/PropExchange.h"
#include "platform/print/FxResource.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/PrintPreviewState.h"
#include "platform/win/FxWaitCursor.h"
#include "platform/win/MsgBox.h"

namespace
{
// Buffer of the archives the templates persist through.
const int kArchiveBuffer = 4096;
// 1 / 254: pixels per inch to pixels per tenth of a millimetre.
const double kInchPerTenthMm = 0.003937007874015748;
} // namespace

CVornCtlCtrl::CVornCtlCtrl()
    : m_bPreviewOpen(FALSE), m_pPreviewFrame(nullptr), m_pPreviewTemplate(nullptr), m_bLaidOut(FALSE),
      m_bFirstPaintDone(FALSE), m_bDataInitialised(FALSE), m_nSheetCount(0), m_lStyleEx(styleHScroll | styleVScroll),
      m_nShownTemplate(0), m_bDrawFrameOnPrint(FALSE), m_bViewAll(FALSE), m_lScriptTimeLimit(kDefaultScriptTimeLimit),
      m_bRunTemplateScripts(TRUE), m_lDownloadLimit(static_cast<long>(CUrlFetchLimits::kDefaultMaxBody))
{
    // Free zoom; the page is unknown until a template is laid out.
    SetZoomMode(zoomFree);
    SetPageSize(MM_ANISOTROPIC, CSize(1, 1));
    SetScaledSize(CSize(1, 1));
}

CVornCtlCtrl::~CVornCtlCtrl()
{
    if (m_bPreviewOpen && m_pPreviewFrame != nullptr && m_pPreviewFrame->IsWindow()) {
        m_pPreviewFrame->SendMessage(WM_CLOSE, 0, 0);
    }
    // The template is ours, not the application's: this library may unload before the
    // application ends.
    delete m_pPreviewTemplate;
}

FX_BEGIN_DISPATCH_MAP(CVornCtlCtrl)
FX_DISP_PROPERTY_EX("ZntFileName", GetZntFileName, SetZntFileName)
FX_DISP_PROPERTY_EX("DrawFrameOnPrint", GetDrawFrameOnPrint, SetDrawFrameOnPrint)
FX_DISP_PROPERTY_EX("dStyleEx", GetStyleEx, SetStyleEx)
FX_DISP_FUNCTION("InitVornData", InitVornData)
FX_DISP_FUNCTION("PrintPreview", PrintPreview)
FX_DISP_FUNCTION("SetVarData", SetVarData)
FX_DISP_FUNCTION("ReSetPageCount", ReSetPageCount)
FX_DISP_FUNCTION("UpdateCurPageData", UpdateCurPageData)
FX_DISP_FUNCTION("DelRow", DelRow)
FX_DISP_FUNCTION("EmptyRow", EmptyRow)
FX_DISP_FUNCTION("IsEmptyRow", IsEmptyRow)
FX_DISP_FUNCTION("GetPageCount", GetPageCountProp)
FX_DISP_FUNCTION("GetCurPage", GetCurPage)
FX_DISP_FUNCTION("DelAllRow", DelAllRow)
FX_DISP_FUNCTION("DelPage", DelPage)
FX_DISP_FUNCTION("InsertPage", InsertPage)
FX_DISP_FUNCTION("About", About)
FX_DISP_FUNCTION("GetRowCount", GetRowCount)
FX_DISP_FUNCTION("SetCurPage", SetCurPage)
FX_DISP_FUNCTION("InsertRow", InsertRow)
FX_DISP_FUNCTION("PrintSet", PrintSet)
FX_DISP_FUNCTION("SetPrintOrientation", SetPrintOrientation)
FX_DISP_FUNCTION("SaveToFile", SaveToFile)
FX_DISP_FUNCTION("GetFileName", GetFileName)
FX_DISP_FUNCTION("OpenZndFile", OpenZndFileDisp)
FX_DISP_FUNCTION("SetZoomPrint", SetZoomPrintDisp)
FX_DISP_FUNCTION("Zoom100", Zoom100)
FX_DISP_FUNCTION("ZoomIn", ZoomIn)
FX_DISP_FUNCTION("ZoomOut", ZoomOut)
FX_DISP_FUNCTION("ZoomViewAll", ZoomViewAll)
FX_DISP_FUNCTION("ZoomMove", ZoomMove)
FX_DISP_FUNCTION("ZoomRange", ZoomRange)
FX_DISP_FUNCTION("GetZoomState", GetZoomStateDisp)
FX_DISP_FUNCTION("ModifyPrintStyle", ModifyPrintStyle)
FX_DISP_FUNCTION("LoadADMLDataFile", LoadADMLDataFile)
FX_DISP_FUNCTION("LoadADMLData", LoadADMLData)
FX_DISP_FUNCTION("SetZntFile", SetZntFile)
FX_DISP_FUNCTION("AddPopupMenuItem", AddPopupMenuItem)
FX_DISP_FUNCTION("GetCardVars", GetCardVars)
FX_DISP_FUNCTION("LoadScript", LoadScript)
FX_DISP_FUNCTION("ModifyItemStyle", ModifyItemStyle)
FX_DISP_FUNCTION("LoadPrintSet", LoadPrintSet)
FX_DISP_FUNCTION("GetVarData", GetVarData)
FX_DISP_FUNCTION("SetPrinterName", SetPrinterName)
FX_DISP_FUNCTION("GetScriptNames", GetScriptNames)
FX_DISP_FUNCTION("GetMDNames", GetMDNames)
FX_DISP_FUNCTION("ExecScript", ExecScript)
FX_DISP_FUNCTION("PrintPage", PrintPageDisp)
FX_DISP_FUNCTION("PrintData", PrintDataDisp)
FX_DISP_FUNCTION("LoadADMLURL", LoadADMLURLDisp)
FX_DISP_FUNCTION("SetPrintOnly", SetPrintOnly)
FX_DISP_FUNCTION("GetCtlIDispatch", GetCtlIDispatch)
FX_DISP_FUNCTION("ExchangeRow", ExchangeRow)
FX_DISP_FUNCTION("GetRowUseCount", GetRowUseCount)
FX_DISP_FUNCTION("IsEmptyPage", IsEmptyPage)
FX_DISP_FUNCTION("MoveRow", MoveRow)
FX_DISP_PROPERTY_EX("ScriptTimeLimit", GetScriptTimeLimit, SetScriptTimeLimit)
FX_DISP_PROPERTY_EX("RunTemplateScripts", GetRunTemplateScripts, SetRunTemplateScripts)
FX_DISP_PROPERTY_EX("DownloadLimit", GetDownloadLimit, SetDownloadLimit)
FX_END_DISPATCH_MAP()

const CLSID* CVornCtlCtrl::GetPropPageIDs(ULONG& nPages)
{
    nPages = 1;
    return &CLSID_VornCtlPropPage;
}

// Persistence ---------------------------------------------------------------------------------

HGLOBAL CVornCtlCtrl::StoreSheetBlob(CCappSheet* pSheet)
{
    CMemFile file;
    try {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        pSheet->Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
    // Sized from the archive, so that no template is cut short.
    const DWORD cbArchive = static_cast<DWORD>(file.GetLength());
    std::vector<BYTE> block(sizeof(DWORD) + cbArchive);
    memcpy(block.data(), &cbArchive, sizeof(DWORD));
    file.SeekToBegin();
    if (cbArchive > 0 && file.Read(block.data() + sizeof(DWORD), cbArchive) != cbArchive) {
        return nullptr;
    }
    return FxNewBlob(block.data(), static_cast<DWORD>(block.size()));
}

CCappSheet* CVornCtlCtrl::LoadSheetBlob(const BYTE* pBytes, DWORD cbBytes)
{
    if (pBytes == nullptr || cbBytes < sizeof(DWORD)) {
        return nullptr;
    }
    DWORD cbArchive = 0;
    memcpy(&cbArchive, pBytes, sizeof(DWORD));
    // A count beyond what the blob holds is a damaged block, not a longer template.
    if (cbArchive > cbBytes - sizeof(DWORD)) {
        return nullptr;
    }
    auto* pSheet = new CCappSheet;
    try {
        CMemFile file(const_cast<BYTE*>(pBytes) + sizeof(DWORD), cbArchive);
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        pSheet->Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        delete pSheet;
        return nullptr;
    }
    return pSheet;
}

void CVornCtlCtrl::DoPropExchange(CPropExchange* pPX)
{
    DWORD dwVersion = 0;
    pPX->ExchangeVersion(dwVersion, 0x10000);
    COleControl::DoPropExchange(pPX);
    pPX->ExchangeBool("DrawFrameOnPrint", m_bDrawFrameOnPrint, FALSE);

    CString strName;
    if (pPX->IsLoading()) {
        pPX->ExchangeShort("SheetCount", m_nSheetCount, 0);
        m_arrTemplateNames.RemoveAll();
        // The stored templates replace any held, so that names and sheets stay in step.
        m_CappObj.m_CardObj.DetachList("m_listSheet");
        for (int i = 0; i < m_nSheetCount; ++i) {
            strName.Format("Sheet%d", i);
            CFxGlobalMem blob;
            pPX->ExchangeBlob(strName, blob.Receive());
            if (!blob.IsValid()) {
                continue;
            }
            CCappSheet* pSheet = nullptr;
            {
                CFxGlobalLock lock(blob);
                if (lock.GetData() != nullptr) {
                    pSheet = LoadSheetBlob(lock.GetAs<const BYTE>() + sizeof(DWORD), FxBlobSize(blob));
                }
            }
            if (pSheet == nullptr) {
                continue;
            }
            m_arrTemplateNames.Add(pSheet->m_strName);
            Templates().AddTail(pSheet);
        }
        RebuildZntFileName();
        m_bLaidOut = FALSE;
    } else if (!m_bDataInitialised) {
        // A started card is the data's business: only bare templates are stored.
        m_nSheetCount = static_cast<short>(Templates().GetCount());
        pPX->ExchangeShort("SheetCount", m_nSheetCount, 0);
        int i = 0;
        for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr; ++i) {
            auto* pSheet = static_cast<CCappSheet*>(Templates().GetNext(pos));
            CFxGlobalMem blob(StoreSheetBlob(pSheet));
            HGLOBAL hBlob = blob;
            strName.Format("Sheet%d", i);
            pPX->ExchangeBlob(strName, &hBlob);
        }
    }

    pPX->ExchangeLong("StyleEx", m_lStyleEx, styleHScroll | styleVScroll);
    SetDisplayStyle(static_cast<DWORD>(m_lStyleEx));
}

void CVornCtlCtrl::RebuildZntFileName()
{
    if (Templates().IsEmpty()) {
        m_strZntFileName = "0";
        return;
    }
    m_strZntFileName = "1";
    for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr;) {
        auto* pSheet = static_cast<CCappSheet*>(Templates().GetNext(pos));
        m_strZntFileName += ";" + pSheet->m_strName;
    }
}

// Painting ------------------------------------------------------------------------------------

CCappSheet* CVornCtlCtrl::GetShownTemplate()
{
    if (Templates().IsEmpty()) {
        return nullptr;
    }
    POSITION pos = m_nShownTemplate >= 0 ? Templates().FindIndex(m_nShownTemplate) : nullptr;
    return static_cast<CCappSheet*>(pos != nullptr ? Templates().GetAt(pos) : Templates().GetHead());
}

void CVornCtlCtrl::LayOut()
{
    // The whole page, once asked for, stays asked for across a new layout.
    const BOOL bViewAll = m_bViewAll;
    if (m_bDataInitialised && GetPageCount() <= 0) {
        StartCard();
    }
    CCappSheet* pShown = GetShownTemplate();
    if (pShown != nullptr) {
        const CSize sizePage(pShown->m_nPageWidth, pShown->m_nPageHeight);
        SetPageSize(MM_ANISOTROPIC, sizePage, CSize(sizePage.cx / 10, sizePage.cy / 10),
                    CSize(sizePage.cx / 10, sizePage.cy / 10));
        SetZoom(m_dPixelsPerUnit);
    }
    CRect rcControl(CPoint(0, 0), GetViewSize());
    for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr;) {
        auto* pSheet = static_cast<CCappSheet*>(Templates().GetNext(pos));
        pSheet->m_pWnd = this;
        pSheet->m_rcView = rcControl;
        pSheet->m_bDrawFrameOnPrint = m_bDrawFrameOnPrint;
        if (m_bDataInitialised) {
            pSheet->m_crBackground = RGB(255, 255, 255);
        }
    }
    m_bLaidOut = TRUE;
    if (bViewAll) {
        ZoomViewAll();
    }
}

void CVornCtlCtrl::SetDataInitialised(BOOL bInitialised)
{
    m_bDataInitialised = bInitialised;
    m_bLaidOut = FALSE;
    InvalidateControl();
}

void CVornCtlCtrl::OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& /*rcInvalid*/)
{
    ::FillRect(pDC->GetSafeHdc(), &rcBounds, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    m_sizeView = rcBounds.Size();
    if (!m_bFirstPaintDone) {
        m_bFirstPaintDone = TRUE;
        m_dPixelsPerUnit = pDC->GetDeviceCaps(LOGPIXELSX) * kInchPerTenthMm;
        // A whole page asked for before the first paint stays asked for.
        if (!m_bViewAll) {
            SetZoom(m_dPixelsPerUnit);
        }
    }
    if (!m_bLaidOut) {
        LayOut();
    }
    CCappSheet* pSheet = nullptr;
    if (!m_bDataInitialised) {
        pSheet = GetShownTemplate();
    } else if (!(m_CappObj.m_nState == 1 && m_CappObj.m_strFileName.IsEmpty())) {
        pSheet = m_CappObj.m_CardObj.GetCurSheet();
    }
    if (pSheet == nullptr) {
        return;
    }

    const int nSaved = pDC->SaveDC();
    if (m_bDataInitialised) {
        if (m_bViewAll) {
            // Fitted to these bounds: a container's drawing need not have the window's size.
            MapWholePage(pDC, rcBounds, pSheet);
        } else {
            PrepareDC(pDC);
            ::OffsetViewportOrgEx(pDC->GetSafeHdc(), rcBounds.left, rcBounds.top, nullptr);
        }
        pSheet->m_rcView = rcBounds;
        pSheet->DrawSheet(pDC);
        pDC->RestoreDC(nSaved);
        return;
    }
    // One logical unit is a tenth of a millimetre at the current zoom.
    const double dScale = GetZoomFactor();
    const int cxMm = pDC->GetDeviceCaps(HORZSIZE);
    const int cyMm = pDC->GetDeviceCaps(VERTSIZE);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(static_cast<int>(cxMm / dScale), static_cast<int>(cyMm / dScale));
    pDC->SetViewportExt(cxMm, cyMm);
    pDC->SetWindowOrg(0, 0);
    const CPoint ptScroll = GetScrollPosition();
    pDC->SetViewportOrg(rcBounds.left - ptScroll.x, rcBounds.top - ptScroll.y);
    pSheet->m_rcView = rcBounds;
    pSheet->DrawSheet(pDC);
    pDC->RestoreDC(nSaved);
}

// Properties ----------------------------------------------------------------------------------

CString CVornCtlCtrl::GetZntFileName() const
{
    return m_strZntFileName;
}

void CVornCtlCtrl::SetZntFileName(LPCSTR pszZntFileName)
{
    CUrlFetchLimits limits;
    limits.cbMaxBody = static_cast<DWORD>(m_lDownloadLimit);
    CUrlFetchScope scope(limits);
    m_strZntFileName = pszZntFileName != nullptr ? pszZntFileName : "";
    // The number before the first ";" names the template shown before the data are initialised.
    ApplyZntFileName();
    BoundPropertyChanged(dispidZntFileName);
}

BOOL CVornCtlCtrl::GetDrawFrameOnPrint() const
{
    return m_bDrawFrameOnPrint;
}

void CVornCtlCtrl::SetDrawFrameOnPrint(BOOL bDraw)
{
    m_bDrawFrameOnPrint = bDraw;
    for (POSITION pos = Templates().GetHeadPosition(); pos != nullptr;) {
        static_cast<CCappSheet*>(Templates().GetNext(pos))->m_bDrawFrameOnPrint = bDraw;
    }
    SetModifiedFlag();
    BoundPropertyChanged(dispidDrawFrameOnPrint);
}

long CVornCtlCtrl::GetStyleEx() const
{
    return m_lStyleEx;
}

void CVornCtlCtrl::SetStyleEx(long lStyle)
{
    m_lStyleEx = lStyle;
    SetDisplayStyle(static_cast<DWORD>(lStyle));
    SetModifiedFlag();
    BoundPropertyChanged(dispidStyleEx);
}

void CVornCtlCtrl::SetScriptTimeLimit(long lSeconds)
{
    m_lScriptTimeLimit = lSeconds;
}

void CVornCtlCtrl::SetRunTemplateScripts(BOOL bRun)
{
    m_bRunTemplateScripts = bRun;
}

void CVornCtlCtrl::SetDownloadLimit(long cbLimit)
{
    // Nothing at all could be read with a limit of 0 or less.
    m_lDownloadLimit = cbLimit > 0 ? cbLimit : 1;
}

long CVornCtlCtrl::OpenZndFileDisp(LPCSTR pszFileName, long lParam)
{
    CUrlFetchLimits limits;
    limits.cbMaxBody = static_cast<DWORD>(m_lDownloadLimit);
    CUrlFetchScope scope(limits);
    return OpenZndFile(pszFileName, lParam);
}

long CVornCtlCtrl::LoadADMLURLDisp(LPCSTR pszURL, long lFlag)
{
    CUrlFetchLimits limits;
    limits.cbMaxBody = static_cast<DWORD>(m_lDownloadLimit);
    CUrlFetchScope scope(limits);
    return LoadADMLURL(pszURL, lFlag);
}

// Where template scripts may reach ----------------------------------------------------------

namespace
{
// "scheme://authority" in lower case; a user name before "@" stays part of the authority, so
// "http://good@evil/" is not good's origin.
CString UrlOrigin(const CString& strUrl)
{
    const int nSchemeEnd = strUrl.Find("://");
    if (nSchemeEnd <= 0) {
        return CString();
    }
    int nEnd = nSchemeEnd + 3;
    while (nEnd < strUrl.GetLength() && strchr("/?#\\", strUrl[nEnd]) == nullptr) {
        ++nEnd;
    }
    CString strOrigin = strUrl.Left(nEnd);
    strOrigin.MakeLower();
    return strOrigin;
}

// The full path with "." and ".." resolved; empty when it cannot be had.
CString FullPathOf(const CString& strPath)
{
    char szFull[MAX_PATH * 2] = "";
    const DWORD cch = ::GetFullPathNameA(strPath, sizeof(szFull), szFull, nullptr);
    return cch > 0 && cch < sizeof(szFull) ? CString(szFull) : CString();
}

// The position of the last backslash of a path, stepping over GBK characters (a trail byte may be
// 0x5C); -1 when there is none.
int LastSeparator(const CString& strPath)
{
    int nLast = -1;
    for (int i = 0; i < strPath.GetLength(); ++i) {
        const BYTE ch = static_cast<BYTE>(strPath[i]);
        if (ch >= 0x81 && ch <= 0xFE && i + 1 < strPath.GetLength()) {
            ++i;
        } else if (ch == '\\') {
            nLast = i;
        }
    }
    return nLast;
}

// Whether a full path lies inside a folder (below it, not the folder itself).
BOOL IsInFolder(const CString& strFull, const CString& strFolder)
{
    CString strRoot = FullPathOf(strFolder);
    if (strRoot.IsEmpty() || strFull.IsEmpty()) {
        return FALSE;
    }
    if (LastSeparator(strRoot) != strRoot.GetLength() - 1) {
        strRoot += "\\";
    }
    return strFull.GetLength() > strRoot.GetLength() && strFull.Left(strRoot.GetLength()).CompareNoCase(strRoot) == 0;
}

// The folder a full file path lies in.
CString FolderOf(const CString& strFull)
{
    const int nSlash = LastSeparator(strFull);
    return nSlash > 0 ? strFull.Left(nSlash) : CString();
}
} // namespace

BOOL CVornCtlCtrl::IsScriptTargetAllowed(const CString& strTarget, BOOL bWrite) const
{
    if (strTarget.IsEmpty()) {
        return TRUE;
    }
    // Anything the control would take for an address (also "file://...") is one here.
    if (strTarget.Find("://") > 0) {
        if (bWrite || !IsUrlPath(strTarget)) {
            return FALSE;
        }
        const CString strOrigin = UrlOrigin(strTarget);
        for (INT_PTR i = 0; i < m_arrTemplateNames.GetSize(); ++i) {
            if (IsUrlPath(m_arrTemplateNames[i]) && UrlOrigin(m_arrTemplateNames[i]) == strOrigin) {
                return TRUE;
            }
        }
        return FALSE;
    }
    const CString strFull = FullPathOf(strTarget);
    if (strFull.IsEmpty()) {
        return FALSE;
    }
    const CString strWorkDir = m_CappObj.GetCpoWorkDir();
    if (!strWorkDir.IsEmpty() && IsInFolder(strFull, strWorkDir)) {
        return TRUE;
    }
    if (!m_CappObj.m_strFileName.IsEmpty() && strFull.CompareNoCase(FullPathOf(m_CappObj.m_strFileName)) == 0) {
        return TRUE;
    }
    if (bWrite) {
        return FALSE;
    }
    // The folder of a template loaded from a file; a name that is no file (a sheet name taken from
    // the stored properties) names no folder.
    for (INT_PTR i = 0; i < m_arrTemplateNames.GetSize(); ++i) {
        const CString& strName = m_arrTemplateNames[i];
        if (strName.IsEmpty() || strName.Find("://") > 0) {
            continue;
        }
        const DWORD dwAttr = ::GetFileAttributesA(strName);
        if (dwAttr == INVALID_FILE_ATTRIBUTES || (dwAttr & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            continue;
        }
        if (IsInFolder(strFull, FolderOf(FullPathOf(strName)))) {
            return TRUE;
        }
    }
    return FALSE;
}

// Zoom ----------------------------------------------------------------------------------------

void CVornCtlCtrl::Zoom100()
{
    if (m_bDataInitialised && !Templates().IsEmpty()) {
        SetZoom(m_dPixelsPerUnit);
    }
}

void CVornCtlCtrl::ZoomIn()
{
    if (GetZoomMode() == zoomFree) {
        SetZoom(GetZoomFactor() / 1.25);
    }
}

void CVornCtlCtrl::ZoomOut()
{
    if (GetZoomMode() == zoomFree) {
        SetZoom(GetZoomFactor() * 1.25);
    }
}

void CVornCtlCtrl::ZoomViewAll()
{
    CCappSheet* pSheet = m_bDataInitialised ? m_CappObj.m_CardObj.GetCurSheet() : nullptr;
    if (pSheet != nullptr && GetZoomMode() == zoomFree) {
        // The factor and the scroll bars follow the window; every drawing fits its own bounds.
        ZoomToRect(CRect(-10, -10, pSheet->m_nPageWidth + 10, pSheet->m_nPageHeight + 10));
        m_bViewAll = TRUE;
        InvalidateControl();
    }
}

void CVornCtlCtrl::SetZoom(double dZoom, const CPoint* pptCentre)
{
    m_bViewAll = FALSE;
    CZoomOleControl::SetZoom(dZoom, pptCentre);
}

void CVornCtlCtrl::MapWholePage(CDC* pDC, const CRect& rcBounds, const CCappSheet* pSheet)
{
    const CRect rcPage(-10, -10, pSheet->m_nPageWidth + 10, pSheet->m_nPageHeight + 10);
    const double dX = static_cast<double>(rcBounds.Width()) / rcPage.Width();
    const double dY = static_cast<double>(rcBounds.Height()) / rcPage.Height();
    const double dFactor = dX < dY ? dX : dY;
    const int cx = static_cast<int>(rcPage.Width() * dFactor);
    const int cy = static_cast<int>(rcPage.Height() * dFactor);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowOrg(rcPage.left, rcPage.top);
    pDC->SetWindowExt(rcPage.Width(), rcPage.Height());
    pDC->SetViewportExt(cx > 0 ? cx : 1, cy > 0 ? cy : 1);
    pDC->SetViewportOrg(rcBounds.left + (rcBounds.Width() - cx) / 2, rcBounds.top + (rcBounds.Height() - cy) / 2);
}

BOOL CVornCtlCtrl::ZoomMove()
{
    if (!m_bDataInitialised) {
        return FALSE;
    }
    SetTool(GetTool() == toolPan ? toolNone : toolPan);
    return TRUE;
}

BOOL CVornCtlCtrl::ZoomRange()
{
    if (!m_bDataInitialised) {
        return FALSE;
    }
    SetTool(GetTool() == toolZoomRect ? toolNone : toolZoomRect);
    return TRUE;
}

BOOL CVornCtlCtrl::ModifyPrintStyle(long lRemove, long lAdd)
{
    DWORD dwStyle = GetPrintStyle();
    if (lRemove > 0) {
        dwStyle &= ~static_cast<DWORD>(lRemove);
    }
    if (lAdd > 0) {
        dwStyle |= static_cast<DWORD>(lAdd);
    }
    SetPrintStyle(dwStyle);
    return TRUE;
}

void CVornCtlCtrl::SetZoomPrint(short nType)
{
    const DWORD dwBits = printFit | printOffset;
    SetPrintStyle(nType == 1 ? (GetPrintStyle() | dwBits) : (GetPrintStyle() & ~dwBits));
}

// Printing ------------------------------------------------------------------------------------

namespace
{
// The listed pages of the control's card, each drawn by its template on the whole printer page.
// While the job moves the card from page to page the control does not repaint; on every way out
// it shows the page it showed before.
class CCardPages : public CPrintJob::IPages
{
public:
    // With pPrinter each page first takes its template's page setup on that printer.
    CCardPages(CVornCtlCtrl& ctrl, const CFxArray<int, int>& arrPages, const CPrintDialog* pPrinter)
        : m_ctrl(ctrl), m_arrPages(arrPages), m_pPrinter(pPrinter),
          m_setupDC(pPrinter != nullptr ? pPrinter->GetPageSetup() : CPrintPageSetup()), m_pSheet(nullptr),
          m_nOldPage(ctrl.GetCappObj().m_CardObj.m_nCurPage)
    {
        if (m_ctrl.GetSafeHwnd() != nullptr) {
            m_ctrl.SendMessage(WM_SETREDRAW, FALSE);
        }
    }

    ~CCardPages() override
    {
        if (m_nOldPage >= 1) {
            m_ctrl.GetCappObj().m_CardObj.SetCurPage(m_nOldPage);
        }
        if (m_ctrl.GetSafeHwnd() != nullptr) {
            m_ctrl.SendMessage(WM_SETREDRAW, TRUE);
            m_ctrl.Invalidate();
        }
    }

    CCardPages(const CCardPages&) = delete;
    CCardPages& operator=(const CCardPages&) = delete;

    UINT PreparePage(CDC& dc, UINT nIndex) override
    {
        // A page the card does not have ends the job after the pages before it.
        m_pSheet = nIndex < static_cast<UINT>(m_arrPages.GetSize())
                       ? m_ctrl.GetCappObj().m_CardObj.SetCurPage(m_arrPages[static_cast<INT_PTR>(nIndex)])
                       : nullptr;
        if (m_pSheet == nullptr) {
            return 0;
        }
        // A template of another paper or orientation turns the printer before its page starts.
        const CPrintPageSetup setup = CVornCtlCtrl::GetSheetPageSetup(m_pSheet);
        if (m_pPrinter != nullptr && !setup.IsEmpty() && setup != m_setupDC &&
            m_pPrinter->ResetPrinterDC(dc.GetSafeHdc(), setup)) {
            m_setupDC = setup;
        }
        return static_cast<UINT>(m_arrPages[static_cast<INT_PTR>(nIndex)]);
    }

    void DrawPage(CDC& dc, UINT) override
    {
        CFxSavedDC saved(&dc);
        m_ctrl.PrepareDC(&dc);
        m_pSheet->DrawSheet(&dc, CRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)));
    }

private:
    CVornCtlCtrl& m_ctrl;
    const CFxArray<int, int>& m_arrPages;
    const CPrintDialog* m_pPrinter;
    CPrintPageSetup m_setupDC;
    CCappSheet* m_pSheet;
    const int m_nOldPage;
};
} // namespace

void CVornCtlCtrl::ParsePageList(LPCSTR pszPages, CFxArray<int, int>& arrPages)
{
    arrPages.RemoveAll();
    CString strRest = pszPages != nullptr ? pszPages : "";
    // Digits, blanks, "-" and "," are single bytes: no GBK character can hide them.
    while (!strRest.IsEmpty()) {
        const int nComma = strRest.Find(',');
        CString strItem = nComma >= 0 ? strRest.Left(nComma) : strRest;
        strRest = nComma >= 0 ? strRest.Mid(nComma + 1) : CString();
        const int nDash = strItem.GetLength() > 1 ? strItem.Find('-', 1) : -1;
        if (nDash > 0) {
            CString strFirst = strItem.Left(nDash);
            CString strLast = strItem.Mid(nDash + 1);
            strFirst.Trim();
            strLast.Trim();
            const int nLast = atoi(strLast);
            for (int nPage = atoi(strFirst); nPage <= nLast; ++nPage) {
                arrPages.Add(nPage);
            }
        } else {
            strItem.Trim();
            arrPages.Add(atoi(strItem));
        }
    }
}

CPrintPageSetup CVornCtlCtrl::GetSheetPageSetup(const CCappSheet* pSheet)
{
    return pSheet != nullptr ? CPrintPageSetup::FromPageSize(pSheet->m_nPageWidth, pSheet->m_nPageHeight)
                             : CPrintPageSetup();
}

void CVornCtlCtrl::ListPagesToPrint(LPCSTR pszPages, CFxArray<int, int>& arrPages)
{
    if (pszPages != nullptr && *pszPages != '\0') {
        ParsePageList(pszPages, arrPages);
        return;
    }
    arrPages.RemoveAll();
    for (int nPage = 1; nPage <= GetPageCount(); ++nPage) {
        arrPages.Add(nPage);
    }
}

BOOL CVornCtlCtrl::PrintPage(LPCSTR pszPages)
{
    CFxWaitCursor wait;
    CFxArray<int, int> arrPages;
    ListPagesToPrint(pszPages, arrPages);
    // The application's printer (the system's default in a host without our application object),
    // with the paper and orientation of the first page's template.
    CPrintDialog printer(FALSE);
    if (arrPages.GetSize() > 0) {
        printer.SetPageSetup(GetSheetPageSetup(m_CappObj.m_CardObj.GetSheetByPage(arrPages[0], 0)));
    }
    CDC dcPrint;
    if (!printer.GetDefaults(TRUE) || !dcPrint.Attach(printer.DetachPrinterDC())) {
        return FALSE;
    }
    return PrintPageList(dcPrint, arrPages, printer, TRUE);
}

BOOL CVornCtlCtrl::PrintPageList(CDC& dcPrint, const CFxArray<int, int>& arrPages, const CPrintDialog& printer,
                                 BOOL bTemplateSetups)
{
    CCardPages pages(*this, arrPages, bTemplateSetups ? &printer : nullptr);
    CPrintJob job(dcPrint, "DocName", m_strPrintOutput);
    return job.Run(pages, this, printer.GetDeviceName());
}

BOOL CVornCtlCtrl::PrintData()
{
    CPrintDialog dlg(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE | PD_NOSELECTION, this);
    // The card's own length, not a fixed three pages.
    const int nPageCount = GetPageCount() > 0 ? GetPageCount() : 1;
    dlg.m_pd.nMinPage = 1;
    dlg.m_pd.nMaxPage = static_cast<WORD>(nPageCount < 0xFFFF ? nPageCount : 0xFFFF);
    dlg.m_pd.nFromPage = 1;
    dlg.m_pd.nToPage = dlg.m_pd.nMaxPage;
    // The dialog offers the shown page's paper and orientation.
    dlg.SetPageSetup(GetSheetPageSetup(m_CappObj.m_CardObj.GetCurSheet()));
    if (dlg.DoModal() != IDOK) {
        return FALSE;
    }
    CString strPages;
    if ((dlg.m_pd.Flags & PD_PAGENUMS) != 0) {
        strPages.Format("%d-%d", dlg.m_pd.nFromPage, dlg.m_pd.nToPage);
    }
    CFxArray<int, int> arrPages;
    ListPagesToPrint(strPages, arrPages);
    CDC dcPrint;
    if (!dcPrint.Attach(dlg.DetachPrinterDC())) {
        return FALSE;
    }
    // A paper or orientation the user chose serves every page; otherwise each template its own.
    return PrintPageList(dcPrint, arrPages, dlg, dlg.IsPageSetupKept());
}

// Preview -------------------------------------------------------------------------------------

CString CVornCtlCtrl::GetFirstTemplateName() const
{
    if (m_arrTemplateNames.GetSize() > 0) {
        return m_arrTemplateNames[0];
    }
    const CObList& list = m_CappObj.m_CardObj.m_listSheet;
    return list.IsEmpty() ? CString() : static_cast<CCappSheet*>(list.GetHead())->m_strName;
}

void CVornCtlCtrl::PrintPreview()
{
    CWinApp* pApp = FxGetApp();
    if (m_bPreviewOpen) {
        if (pApp != nullptr && pApp->m_pMainWnd != nullptr) {
            pApp->m_pMainWnd->SetFocus();
        }
        return;
    }
    // The frame's title and the preview's strings are this library's.
    CFxResourceSwitch resources("VornCtl.dll");
    if (m_pPreviewTemplate == nullptr) {
        m_pPreviewTemplate = new CSingleDocTemplate(IDR_VORN_PREVIEW, FX_RUNTIME_CLASS(CDocument),
                                                    FX_RUNTIME_CLASS(CFrameWnd), FX_RUNTIME_CLASS(CViewPrintPreview));
    }
    CDocument* pDoc = m_pPreviewTemplate->CreateNewDocument();
    CFrameWnd* pFrame = pDoc != nullptr ? m_pPreviewTemplate->CreateNewFrame(pDoc, nullptr) : nullptr;
    if (pFrame == nullptr) {
        delete pDoc;
        FxReportCommandFailed(GetSafeHwnd());
        return;
    }
    m_pPreviewTemplate->InitialUpdateFrame(pFrame, pDoc, FALSE);
    auto* pView = static_cast<CViewPrintPreview*>(pFrame->GetActiveView());
    if (pView == nullptr || !pView->IsKindOf(FX_RUNTIME_CLASS(CViewPrintPreview))) {
        pFrame->SendMessage(WM_CLOSE);
        FxReportCommandFailed(GetSafeHwnd());
        return;
    }
    m_bPreviewOpen = TRUE;
    m_pPreviewFrame = pFrame;
    pView->m_pCtrl = this;
    if (pApp != nullptr) {
        pView->m_pOldMainWnd = pApp->m_pMainWnd;
        pApp->m_pMainWnd = pFrame;
    }
    pFrame->SetWindowText(GetFirstTemplateName());
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    auto* pState = new CPrintPreviewState;
    if (!pView->DoPrintPreview(pView, FX_RUNTIME_CLASS(CMyPreviewView), pState)) {
        delete pState;
        FxReportCommandFailed(pFrame->GetSafeHwnd());
        pView->RestoreMainWindow();
        // Closing, not destroying: the frame's document goes with it.
        pFrame->SendMessage(WM_CLOSE);
    }
}

void CVornCtlCtrl::OnPreviewClosed()
{
    m_bPreviewOpen = FALSE;
    m_pPreviewFrame = nullptr;
}

BOOL CVornCtlCtrl::InitVornData()
{
    // Once only: a second call keeps the card that is shown.
    if (m_bDataInitialised) {
        return TRUE;
    }
    SetDataInitialised(TRUE);
    LayOut();
    if (m_CappObj.m_nState == 1 && m_CappObj.m_strFileName.IsEmpty()) {
        // A card started from templates is drawn although it has no file yet.
        m_CappObj.m_nState = 2;
    }
    return TRUE;
}

long CVornCtlCtrl::SetVarData(LPCSTR pszVarName, long nRow, LPCSTR pszData)
{
    CString strData(pszData);
    CCardCommFun::TransStringData(strData);
    CCardObj& card = m_CappObj.m_CardObj;
    if (!card.m_CardData.SetVarData(pszVarName, nRow, strData)) {
        return -1;
    }
    // A detail value may need more or fewer lines of its row.
    int nKind = 0;
    CString strMDName;
    CCappSheet* pMaster = card.GetMasterSheet();
    if (pMaster != nullptr && card.m_CardData.GetVarDataItem(pszVarName, nRow, &nKind, &strMDName) != nullptr &&
        !strMDName.IsEmpty()) {
        CCappMidData* pArea = pMaster->FindMidData(strMDName);
        CCappMidRow* pRow = pArea != nullptr && pArea->m_pMDData != nullptr ? pArea->m_pMDData->GetRow(nRow) : nullptr;
        if (pRow != nullptr) {
            CClientDC dc(GetSafeHwnd());
            BOOL bChanged = FALSE;
            pArea->SetUseRowCount(&dc, pRow, bChanged, TRUE);
        }
    }
    InvalidateControl();
    return 0;
}

long CVornCtlCtrl::ReSetPageCount(short nStartPage)
{
    int bChanged = FALSE;
    m_CappObj.m_CardObj.ReSetPageCount(bChanged, nStartPage > 0 ? nStartPage : 1);
    return GetPageCount();
}

void CVornCtlCtrl::UpdateCurPageData()
{
    m_CappObj.m_CardObj.UpdateCurPageData();
    InvalidateControl();
}

BOOL CVornCtlCtrl::DelRow(LPCSTR pszMDName, long nRow)
{
    return m_CappObj.m_CardObj.DelRow(pszMDName, nRow);
}

BOOL CVornCtlCtrl::EmptyRow(LPCSTR pszMDName, long nRow)
{
    return m_CappObj.m_CardObj.EmptyRow(pszMDName, nRow);
}

BOOL CVornCtlCtrl::IsEmptyRow(LPCSTR pszMDName, long nRow)
{
    if (pszMDName == nullptr || *pszMDName == '\0') {
        return FALSE;
    }
    return m_CappObj.m_CardObj.IsEmptyRow(pszMDName, nRow);
}

long CVornCtlCtrl::GetPageCountProp()
{
    return GetPageCount();
}

long CVornCtlCtrl::GetCurPage()
{
    return m_CappObj.m_CardObj.m_nCurPage;
}

BOOL CVornCtlCtrl::DelAllRow(LPCSTR pszMDName)
{
    return m_CappObj.m_CardObj.DelAllRow(pszMDName);
}

BOOL CVornCtlCtrl::DelPage(short nPage)
{
    return m_CappObj.m_CardObj.DeletePage(nPage);
}

BOOL CVornCtlCtrl::InsertPage(short nPage)
{
    return m_CappObj.m_CardObj.InsertNewPage(nPage);
}

void CVornCtlCtrl::About()
{
    char szText[128] = "";
    ::LoadStringA(::GetModuleHandleA("VornCtl.dll"), IDS_VORNCTL_ABOUT, szText, sizeof(szText));
    FxMessageBox(GetSafeHwnd(), szText, nullptr, MB_OK | MB_ICONINFORMATION);
}

long CVornCtlCtrl::GetRowCount(LPCSTR pszMDName)
{
    return m_CappObj.m_CardObj.GetRowCount(pszMDName);
}

long CVornCtlCtrl::SetCurPage(short nPage)
{
    if (nPage < 1 || nPage > GetPageCount()) {
        return 0;
    }
    // The same page again needs no repaint.
    if (nPage != m_CappObj.m_CardObj.m_nCurPage) {
        m_CappObj.m_CardObj.SetCurPage(nPage);
        InvalidateControl();
    }
    return nPage;
}

BOOL CVornCtlCtrl::InsertRow(LPCSTR pszMDName, long nRow, short nCount)
{
    return m_CappObj.m_CardObj.InsertRow(pszMDName, nRow, nCount);
}
