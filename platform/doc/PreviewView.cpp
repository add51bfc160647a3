#include "platform/doc/PreviewView.h"

#include <algorithm>

#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/print/FxResource.h"
#include "platform/print/PreviewBar.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/PrintInfo.h"
#include "platform/print/PrintPreviewState.h"
#include "platform/res/resource.h"

namespace
{
// Screen pixels around and between pages.
const int kGap = 8;
// Enlargements of the whole-page scale for zoom states 1 and 2.
const double zoomFactors[] = {1.0, 2.0, 4.0};
} // namespace

FX_IMPLEMENT_DYNCREATE(CPreviewView, CView)

FX_BEGIN_MESSAGE_MAP(CPreviewView, CView)
FX_ON_COMMAND(FX_ID_PREVIEW_CLOSE, OnPreviewClose)
FX_ON_COMMAND(FX_ID_PREVIEW_PRINT, OnPreviewPrint)
FX_ON_COMMAND(FX_ID_PREVIEW_NEXT, OnNextPage)
FX_ON_COMMAND(FX_ID_PREVIEW_PREV, OnPrevPage)
FX_ON_COMMAND(FX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
FX_ON_COMMAND(FX_ID_PREVIEW_ZOOMIN, OnZoomIn)
FX_ON_COMMAND(FX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
FX_END_MESSAGE_MAP()

CPreviewView::CPreviewView()
    : m_pPrintView(nullptr), m_pPreviewInfo(nullptr), m_pPrinterDC(nullptr), m_pPreviewState(nullptr), m_pBar(nullptr),
      m_nCurrentPage(1), m_nZoomState(0), m_ptScroll(), m_bClosing(FALSE)
{
}

CPreviewView::~CPreviewView()
{
    delete m_pPrinterDC;
    delete m_pPreviewInfo;
    delete m_pPreviewState;
}

BOOL CPreviewView::StartPreview(CFrameWnd* pFrame, CView* pPrintView, CPrintPreviewState* pState)
{
    m_pPrintView = pPrintView;
    m_pPreviewInfo = new CPrintInfo;
    m_pPreviewInfo->m_bPreview = TRUE;
    m_pPrinterDC = new CDC;
    if (!pPrintView->OnPreparePrinting(m_pPreviewInfo) ||
        !m_pPrinterDC->Attach(m_pPreviewInfo->m_pPD->DetachPrinterDC())) {
        delete this;
        return FALSE;
    }
    m_pPrinterDC->m_bPrinting = TRUE;
    pFrame->OnSetPreviewMode(TRUE, pState);
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 0, 0), pFrame,
                FX_IDW_PANE_FIRST)) {
        pFrame->OnSetPreviewMode(FALSE, pState);
        delete this;
        return FALSE;
    }
    // From here the preview owns the state and goes with its window.
    m_pPreviewState = pState;
    m_pBar = new CPreviewBar;
    if (!m_pBar->Create(pFrame, m_hWnd)) {
        delete m_pBar;
        m_pBar = nullptr;
    }
    pPrintView->OnBeginPrinting(m_pPrinterDC, m_pPreviewInfo);
    m_nCurrentPage = std::max(m_pPreviewInfo->m_nCurPage, m_pPreviewInfo->GetMinPage());
    pFrame->SetActiveView(this);
    pFrame->RecalcLayout();
    UpdateScrollRanges();
    UpdateBar();
    Invalidate(TRUE);
    return TRUE;
}

void CPreviewView::ClosePreview()
{
    if (m_bClosing) {
        return;
    }
    m_bClosing = TRUE;
    m_pPrintView->OnEndPrinting(m_pPrinterDC, m_pPreviewInfo);
    if (m_pBar != nullptr) {
        m_pBar->Close();
        m_pBar = nullptr;
    }
    // The old view takes the pane id back: this one must not hold it meanwhile.
    ShowWindow(SW_HIDE);
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, 0);
    if (CFrameWnd* pFrame = GetParentFrame()) {
        pFrame->OnSetPreviewMode(FALSE, m_pPreviewState);
    }
    DestroyWindow();
}

UINT CPreviewView::GetPageCount() const
{
    return m_nZoomState == 0 && m_pPreviewInfo != nullptr && m_pPreviewInfo->m_nNumPreviewPages == 2 ? 2 : 1;
}

CSize CPreviewView::PrinterPage() const
{
    return CSize(std::max(1, m_pPrinterDC->GetDeviceCaps(HORZRES)), std::max(1, m_pPrinterDC->GetDeviceCaps(VERTRES)));
}

double CPreviewView::ScreenScale() const
{
    // An enlarged page's scale follows the window without its scroll bars: bars that come and go
    // with the page's size must not change the size they depend on.
    CRect rc;
    GetClientRect(&rc);
    const DWORD dwStyle = m_nZoomState > 0 ? GetStyle() : 0;
    if ((dwStyle & WS_VSCROLL) != 0) {
        rc.right += ::GetSystemMetrics(SM_CXVSCROLL);
    }
    if ((dwStyle & WS_HSCROLL) != 0) {
        rc.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    }
    const CSize sizePage = PrinterPage();
    const int nSlots = static_cast<int>(GetPageCount());
    const double cxSlot = static_cast<double>(rc.Width() - (nSlots + 1) * kGap) / nSlots;
    const double cySlot = static_cast<double>(rc.Height() - 2 * kGap);
    const double fFit = std::max(0.0, std::min(cxSlot / sizePage.cx, cySlot / sizePage.cy));
    return fFit * zoomFactors[m_nZoomState];
}

CRect CPreviewView::GetPageRect(UINT nIndex) const
{
    CRect rc;
    GetClientRect(&rc);
    const CSize sizePage = PrinterPage();
    const double fScale = ScreenScale();
    const int cx = static_cast<int>(sizePage.cx * fScale);
    const int cy = static_cast<int>(sizePage.cy * fScale);
    if (m_nZoomState > 0) {
        // An enlarged page is centred while it is smaller than the window, else scrolled.
        const int x = std::max(kGap, (rc.Width() - cx) / 2) - m_ptScroll.x;
        const int y = std::max(kGap, (rc.Height() - cy) / 2) - m_ptScroll.y;
        return CRect(x, y, x + cx, y + cy);
    }
    const int nSlots = static_cast<int>(GetPageCount());
    const int cxSlot = (rc.Width() - (nSlots + 1) * kGap) / nSlots;
    const int x = kGap + static_cast<int>(nIndex) * (cxSlot + kGap) + (cxSlot - cx) / 2;
    const int y = (rc.Height() - cy) / 2;
    return CRect(x, y, x + cx, y + cy);
}

BOOL CPreviewView::PageExists(UINT nPage)
{
    if (nPage < m_pPreviewInfo->GetMinPage() || nPage > m_pPreviewInfo->GetMaxPage()) {
        return FALSE;
    }
    if (m_pPreviewInfo->GetMaxPage() != 0xFFFF) {
        return TRUE;
    }
    const int nSaved = m_pPrinterDC->SaveDC();
    const UINT nOldPage = m_pPreviewInfo->m_nCurPage;
    m_pPreviewInfo->m_nCurPage = nPage;
    m_pPreviewInfo->m_bContinuePrinting = TRUE;
    m_pPrintView->OnPrepareDC(m_pPrinterDC, m_pPreviewInfo);
    const BOOL bExists = m_pPreviewInfo->m_bContinuePrinting;
    m_pPreviewInfo->m_nCurPage = nOldPage;
    m_pPrinterDC->RestoreDC(nSaved);
    return bExists;
}

HENHMETAFILE CPreviewView::RenderPage(UINT nPage)
{
    if (!PageExists(nPage)) {
        return nullptr;
    }
    HDC hPrinter = m_pPrinterDC->m_hAttribDC;
    // The frame is the printable area in the metafile's 0.01 mm, so that the recording keeps the
    // printer's pixels one for one.
    const RECT rcFrame = {0, 0, ::GetDeviceCaps(hPrinter, HORZSIZE) * 100, ::GetDeviceCaps(hPrinter, VERTSIZE) * 100};
    HDC hMeta = ::CreateEnhMetaFileA(hPrinter, nullptr, &rcFrame, nullptr);
    if (hMeta == nullptr) {
        return nullptr;
    }
    const int nSaved = ::SaveDC(hPrinter);
    {
        // Drawing goes to the metafile, questions to the printer: the view sees a printer DC.
        CDC dc;
        dc.m_hDC = hMeta;
        dc.m_hAttribDC = hPrinter;
        dc.m_bPrinting = TRUE;
        m_pPreviewInfo->m_nCurPage = nPage;
        m_pPreviewInfo->m_bContinuePrinting = TRUE;
        m_pPrintView->OnPrepareDC(&dc, m_pPreviewInfo);
        m_pPreviewInfo->m_rectDraw.SetRect(0, 0, ::GetDeviceCaps(hPrinter, HORZRES),
                                           ::GetDeviceCaps(hPrinter, VERTRES));
        dc.DPtoLP(&m_pPreviewInfo->m_rectDraw);
        m_pPrintView->OnPrint(&dc, m_pPreviewInfo);
        // A view of the handles only: nothing for the wrapper to delete.
        dc.m_hDC = nullptr;
        dc.m_hAttribDC = nullptr;
    }
    ::RestoreDC(hPrinter, nSaved);
    return ::CloseEnhMetaFile(hMeta);
}

void CPreviewView::SetCurrentPage(UINT nPage)
{
    if (!PageExists(nPage)) {
        return;
    }
    m_nCurrentPage = nPage;
    m_ptScroll = POINT{0, 0};
    UpdateScrollRanges();
    UpdateBar();
    Invalidate(TRUE);
}

void CPreviewView::SetZoomState(int nZoomState, CPoint ptCentre)
{
    nZoomState = std::clamp(nZoomState, 0, 2);
    // The point under ptCentre, as a fraction of the page, comes to the window's middle.
    const CRect rcOld = GetPageRect(0);
    double fx = 0.5;
    double fy = 0.5;
    if (rcOld.Width() > 0 && rcOld.Height() > 0) {
        fx = std::clamp(static_cast<double>(ptCentre.x - rcOld.left) / rcOld.Width(), 0.0, 1.0);
        fy = std::clamp(static_cast<double>(ptCentre.y - rcOld.top) / rcOld.Height(), 0.0, 1.0);
    }
    m_nZoomState = nZoomState;
    m_ptScroll = POINT{0, 0};
    UpdateScrollRanges();
    if (m_nZoomState > 0) {
        CRect rc;
        GetClientRect(&rc);
        const CRect rcPage = GetPageRect(0);
        m_ptScroll.x = static_cast<int>(rcPage.left + fx * rcPage.Width()) - rc.Width() / 2;
        m_ptScroll.y = static_cast<int>(rcPage.top + fy * rcPage.Height()) - rc.Height() / 2;
        UpdateScrollRanges();
    }
    UpdateBar();
    Invalidate(TRUE);
}

void CPreviewView::UpdateScrollRanges()
{
    if (m_hWnd == nullptr) {
        return;
    }
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (m_nZoomState == 0) {
        // The vertical bar pages through the document when its length is known.
        ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
        const UINT nMin = m_pPreviewInfo->GetMinPage();
        const UINT nMax = m_pPreviewInfo->GetMaxPage();
        if (nMax != 0xFFFF && nMax > nMin) {
            si.nMin = static_cast<int>(nMin);
            si.nMax = static_cast<int>(nMax);
            si.nPage = 1;
            si.nPos = static_cast<int>(m_nCurrentPage);
        }
        ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
        return;
    }
    // Twice: showing one bar narrows the window for the other.
    for (int nPass = 0; nPass < 2; ++nPass) {
        CRect rc;
        GetClientRect(&rc);
        const CSize sizePage = PrinterPage();
        const double fScale = ScreenScale();
        const int cxTotal = static_cast<int>(sizePage.cx * fScale) + 2 * kGap;
        const int cyTotal = static_cast<int>(sizePage.cy * fScale) + 2 * kGap;
        m_ptScroll.x = std::clamp(static_cast<int>(m_ptScroll.x), 0, std::max(0, cxTotal - rc.Width()));
        m_ptScroll.y = std::clamp(static_cast<int>(m_ptScroll.y), 0, std::max(0, cyTotal - rc.Height()));
        si.nMax = cxTotal - 1;
        si.nPage = static_cast<UINT>(std::max(0, static_cast<int>(rc.Width())));
        si.nPos = m_ptScroll.x;
        ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
        si.nMax = cyTotal - 1;
        si.nPage = static_cast<UINT>(std::max(0, static_cast<int>(rc.Height())));
        si.nPos = m_ptScroll.y;
        ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    }
}

void CPreviewView::OnScroll(int nBar, UINT nCode)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ::GetScrollInfo(m_hWnd, nBar, &si);
    if (m_nZoomState == 0) {
        if (nBar != SB_VERT) {
            return;
        }
        switch (nCode) {
        case SB_LINEDOWN:
        case SB_PAGEDOWN:
            OnNextPage();
            break;
        case SB_LINEUP:
        case SB_PAGEUP:
            OnPrevPage();
            break;
        case SB_TOP:
            SetCurrentPage(m_pPreviewInfo->GetMinPage());
            break;
        case SB_BOTTOM:
            SetCurrentPage(static_cast<UINT>(si.nMax));
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            SetCurrentPage(static_cast<UINT>(si.nTrackPos));
            break;
        default:
            break;
        }
        return;
    }
    const int nLine = 16;
    const int nPage = static_cast<int>(si.nPage);
    int nPos = si.nPos;
    switch (nCode) {
    case SB_LINEDOWN:
        nPos += nLine;
        break;
    case SB_LINEUP:
        nPos -= nLine;
        break;
    case SB_PAGEDOWN:
        nPos += nPage;
        break;
    case SB_PAGEUP:
        nPos -= nPage;
        break;
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = si.nMax;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nPos = si.nTrackPos;
        break;
    default:
        return;
    }
    (nBar == SB_HORZ ? m_ptScroll.x : m_ptScroll.y) = nPos;
    UpdateScrollRanges();
    Invalidate(TRUE);
}

void CPreviewView::OnPreviewClose()
{
    const POINT pt = {0, 0};
    m_pPrintView->OnEndPrintPreview(m_pPrinterDC, m_pPreviewInfo, pt, this);
}

void CPreviewView::OnPreviewPrint()
{
    CFrameWnd* pFrame = GetParentFrame();
    OnPreviewClose();
    // Printing runs its own dialog and message pump: it starts once this command has left.
    if (pFrame != nullptr) {
        pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT);
    }
}

void CPreviewView::OnNextPage()
{
    if (PageExists(m_nCurrentPage + GetPageCount())) {
        SetCurrentPage(m_nCurrentPage + 1);
    }
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > m_pPreviewInfo->GetMinPage()) {
        SetCurrentPage(m_nCurrentPage - 1);
    }
}

void CPreviewView::OnNumPageChange()
{
    m_pPreviewInfo->m_nNumPreviewPages = m_pPreviewInfo->m_nNumPreviewPages == 2 ? 1 : 2;
    UpdateScrollRanges();
    UpdateBar();
    Invalidate(TRUE);
}

void CPreviewView::OnZoomIn()
{
    CRect rc;
    GetClientRect(&rc);
    if (m_nZoomState < 2) {
        SetZoomState(m_nZoomState + 1, rc.CenterPoint());
    }
}

void CPreviewView::OnZoomOut()
{
    CRect rc;
    GetClientRect(&rc);
    if (m_nZoomState > 0) {
        SetZoomState(m_nZoomState - 1, rc.CenterPoint());
    }
}

void CPreviewView::UpdateBar()
{
    if (m_pBar == nullptr) {
        return;
    }
    m_pBar->EnableButton(FX_ID_PREVIEW_NEXT, PageExists(m_nCurrentPage + GetPageCount()));
    m_pBar->EnableButton(FX_ID_PREVIEW_PREV, m_nCurrentPage > m_pPreviewInfo->GetMinPage());
    m_pBar->EnableButton(FX_ID_PREVIEW_ZOOMIN, m_nZoomState < 2);
    m_pBar->EnableButton(FX_ID_PREVIEW_ZOOMOUT, m_nZoomState > 0);
    // The button offers the other layout.
    const CString strText = FxLoadFxString(m_pPreviewInfo->m_nNumPreviewPages == 2 ? FX_IDS_ONEPAGE : FX_IDS_TWOPAGE);
    m_pBar->SetButtonText(FX_ID_PREVIEW_NUMPAGE, strText);
}

BOOL CPreviewView::OnEraseBkgnd(CDC*)
{
    // OnDraw covers the whole window.
    return TRUE;
}

void CPreviewView::OnDraw(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_APPWORKSPACE));
    for (UINT i = 0; i < GetPageCount(); ++i) {
        const UINT nPage = m_nCurrentPage + i;
        if (!PageExists(nPage)) {
            break;
        }
        const CRect rcPage = GetPageRect(i);
        pDC->FillSolidRect(rcPage.left + 3, rcPage.top + 3, rcPage.Width(), rcPage.Height(), RGB(64, 64, 64));
        pDC->FillSolidRect(&rcPage, RGB(255, 255, 255));
        if (HENHMETAFILE hEmf = RenderPage(nPage)) {
            // What the view draws past the printable area stays off the screen, as off the paper.
            CFxSavedDC saved(pDC);
            ::IntersectClipRect(pDC->m_hDC, rcPage.left, rcPage.top, rcPage.right, rcPage.bottom);
            ::PlayEnhMetaFile(pDC->m_hDC, hEmf, &rcPage);
            ::DeleteEnhMetaFile(hEmf);
        }
    }
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_NEXT:
        OnNextPage();
        break;
    case VK_PRIOR:
        OnPrevPage();
        break;
    case VK_HOME:
        SetCurrentPage(m_pPreviewInfo->GetMinPage());
        break;
    case VK_END:
        if (m_pPreviewInfo->GetMaxPage() != 0xFFFF) {
            const UINT nLast = m_pPreviewInfo->GetMaxPage();
            SetCurrentPage(std::max(m_pPreviewInfo->GetMinPage(), nLast + 1 - std::min(nLast, GetPageCount())));
        }
        break;
    case VK_DOWN:
    case VK_UP:
        OnScroll(SB_VERT, nChar == VK_DOWN ? SB_LINEDOWN : SB_LINEUP);
        break;
    case VK_ESCAPE:
        OnPreviewClose();
        break;
    default:
        CView::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

void CPreviewView::OnLButtonDown(UINT, CPoint point)
{
    // A click zooms in a step about the point; past the largest step it shows whole pages again.
    if (m_nZoomState == 0) {
        for (UINT i = 0; i < GetPageCount(); ++i) {
            const CRect rcPage = GetPageRect(i);
            if (rcPage.PtInRect(point) && PageExists(m_nCurrentPage + i)) {
                const CPoint ptInFirst(point.x - rcPage.left + GetPageRect(0).left, point.y);
                m_nCurrentPage += i;
                SetZoomState(1, ptInFirst);
                return;
            }
        }
        return;
    }
    SetZoomState(m_nZoomState == 2 ? 0 : m_nZoomState + 1, point);
}

LRESULT CPreviewView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam == 0) {
            OnScroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
            return 0;
        }
        break;
    case WM_SIZE: {
        const LRESULT lResult = CView::WindowProc(message, wParam, lParam);
        UpdateScrollRanges();
        Invalidate(TRUE);
        return lResult;
    }
    default:
        break;
    }
    return CView::WindowProc(message, wParam, lParam);
}
