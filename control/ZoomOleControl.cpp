#include "control/ZoomOleControl.h"

#include <math.h>

#include "control/res/resource.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/base/FxResMgr.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/PrintInfo.h"

namespace
{
// A cursor of this library, else the system's nearest one.
HCURSOR LoadOwnCursor(UINT nID, LPCSTR pszStandard)
{
    HCURSOR hCursor = ::LoadCursorA(FX_MODULE_INSTANCE(), MAKEINTRESOURCEA(nID));
    return hCursor != nullptr ? hCursor : ::LoadCursorA(nullptr, pszStandard);
}

// Scaled sizes and positions stay within what GDI coordinates hold (27 bits), however often a
// script zooms in one direction.
const double kMaxPixels = 1 << 27;

int ToPixels(double d)
{
    return static_cast<int>(d > kMaxPixels ? kMaxPixels : (d < -kMaxPixels ? -kMaxPixels : d));
}

int Clamp(int n, int nMax)
{
    return n < 0 ? 0 : (n > nMax ? nMax : n);
}
} // namespace

CZoomOleControl::CZoomOleControl()
    : m_dPixelsPerUnit(1.0), m_sizeView(0, 0), m_hPanCursor(LoadOwnCursor(IDC_VORN_PAN, IDC_SIZEALL)),
      m_hPanDragCursor(LoadOwnCursor(IDC_VORN_PANDRAG, IDC_SIZEALL)),
      m_hZoomCursor(LoadOwnCursor(IDC_VORN_ZOOM, IDC_CROSS)), m_nTool(toolNone), m_bTracking(FALSE),
      m_rcRubber(0, 0, 0, 0), m_ptPanAnchor(0, 0), m_nZoomMode(zoomFixed), m_sizePage(1, 1), m_sizePageStep(1, 1),
      m_sizeLineStep(1, 1), m_sizeScaled(1, 1), m_dZoom(1.0), m_bCentre(TRUE), m_nMapMode(MM_ANISOTROPIC),
      m_dwPrintStyle(0), m_dwDisplayStyle(styleHScroll | styleVScroll), m_bInsideUpdate(FALSE), m_ptScroll(0, 0)
{
    m_fMinZoom = -1.0f;
    m_fMaxZoom = -1.0f;
}

// Cursors loaded from resources are shared: nothing to free.
CZoomOleControl::~CZoomOleControl() = default;

void CZoomOleControl::SetPageSize(int nMapMode, const CSize& sizePage, const CSize& sizePageStep,
                                  const CSize& sizeLineStep)
{
    m_nMapMode = nMapMode;
    m_sizePage = CSize(sizePage.cx != 0 ? sizePage.cx : 1, sizePage.cy != 0 ? sizePage.cy : 1);
    m_sizePageStep = CSize(sizePageStep.cx != 0 ? sizePageStep.cx : m_sizePage.cx / 10,
                           sizePageStep.cy != 0 ? sizePageStep.cy : m_sizePage.cy / 10);
    m_sizeLineStep = CSize(sizeLineStep.cx != 0 ? sizeLineStep.cx : m_sizePage.cx / 10,
                           sizeLineStep.cy != 0 ? sizeLineStep.cy : m_sizePage.cy / 10);
    if (GetSafeHwnd() != nullptr) {
        UpdateScrollBars();
    }
}

void CZoomOleControl::SetDisplayStyle(DWORD dwStyle)
{
    m_dwDisplayStyle = dwStyle;
    if ((dwStyle & styleHScroll) == 0) {
        m_ptScroll.x = 0;
    }
    if ((dwStyle & styleVScroll) == 0) {
        m_ptScroll.y = 0;
    }
    if (GetSafeHwnd() != nullptr) {
        UpdateScrollBars();
        Invalidate();
    }
}

void CZoomOleControl::SetTool(int nTool)
{
    if (m_bTracking) {
        m_bTracking = FALSE;
        ::ReleaseCapture();
    }
    m_nTool = nTool;
}

// Zoom ----------------------------------------------------------------------------------------

void CZoomOleControl::SetZoom(double dZoom, const CPoint* pptCentre)
{
    // A factor of zero or less (a zero percentage) or not a number would divide by zero later.
    if (!(dZoom > 0) || !isfinite(dZoom)) {
        return;
    }
    if ((m_fMinZoom >= 0 && dZoom < m_fMinZoom) || (m_fMaxZoom >= 0 && dZoom > m_fMaxZoom)) {
        OnZoomLimit();
    }
    const CSize sizeView = GetViewSize();
    // The logical point at the window's centre, before the factor changes.
    CPoint ptCentre(ToPixels((m_ptScroll.x + sizeView.cx / 2) / m_dZoom),
                    ToPixels((m_ptScroll.y + sizeView.cy / 2) / m_dZoom));
    if (pptCentre != nullptr) {
        ptCentre = *pptCentre;
    }
    m_dZoom = dZoom;
    const int cxScaled = ToPixels(floor(m_sizePage.cx * dZoom));
    const int cyScaled = ToPixels(floor(m_sizePage.cy * dZoom));
    m_sizeScaled = CSize(cxScaled > 0 ? cxScaled : 1, cyScaled > 0 ? cyScaled : 1);
    const CPoint ptScroll(ToPixels(ptCentre.x * dZoom) - sizeView.cx / 2,
                          ToPixels(ptCentre.y * dZoom) - sizeView.cy / 2);
    // One update of each bar, position included.
    UpdateScrollBars(&ptScroll);
    if (GetSafeHwnd() != nullptr) {
        Invalidate();
    }
}

void CZoomOleControl::ZoomMultiply(double dFactor)
{
    if (m_nZoomMode == zoomFree) {
        SetZoom(m_dZoom * dFactor);
    }
}

void CZoomOleControl::ZoomDivide(double dFactor)
{
    if (m_nZoomMode == zoomFree) {
        SetZoom(m_dZoom / dFactor);
    }
}

void CZoomOleControl::ZoomToRect(CRect rcZoom)
{
    rcZoom.NormalizeRect();
    if (rcZoom.IsRectEmpty() || m_nZoomMode != zoomFree) {
        return;
    }
    const CSize sizeView = GetViewSize();
    const double dX = (sizeView.cx + 1.0) / rcZoom.Width();
    const double dY = (sizeView.cy + 1.0) / rcZoom.Height();
    const CPoint ptCentre = rcZoom.CenterPoint();
    SetZoom(dX < dY ? dX : dY, &ptCentre);
}

void CZoomOleControl::ZoomOne(const CPoint& ptCentre)
{
    if (m_nZoomMode == zoomFree) {
        SetZoom(1.0, &ptCentre);
    }
}

void CZoomOleControl::ZoomFit()
{
    if (m_nZoomMode != zoomFit) {
        return;
    }
    const CSize sizeView = GetViewSize();
    const double dX = static_cast<double>(sizeView.cx) / m_sizePage.cx;
    const double dY = static_cast<double>(sizeView.cy) / m_sizePage.cy;
    SetZoom(dX < dY ? dX : dY);
}

void CZoomOleControl::ZoomPercent(int nPercent)
{
    if (m_nZoomMode == zoomFree) {
        SetZoom(nPercent * 0.01);
    }
}

// Mapping -------------------------------------------------------------------------------------

void CZoomOleControl::PrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(MM_ANISOTROPIC);
    if (pInfo == nullptr && !pDC->IsPrinting()) {
        pDC->SetWindowExt(m_sizePage);
        pDC->SetViewportExt(m_sizeScaled);
        CPoint ptOrg(0, 0);
        if (m_nZoomMode != zoomFixed) {
            ptOrg = CPoint(-m_ptScroll.x, -m_ptScroll.y);
        }
        const CSize sizeView = GetViewSize();
        if (m_bCentre && m_sizeScaled.cx < sizeView.cx) {
            ptOrg.x = (sizeView.cx - m_sizeScaled.cx) / 2;
        }
        if (m_bCentre && m_sizeScaled.cy < sizeView.cy) {
            ptOrg.y = (sizeView.cy - m_sizeScaled.cy) / 2;
        }
        pDC->SetViewportOrg(ptOrg);
        return;
    }

    const CSize sizeArea(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    CPoint ptOrg(0, 0);
    if ((m_dwPrintStyle & printFit) != 0) {
        // The printable area shrunk on one side to the page's proportions.
        CSize sizeFit = sizeArea;
        if (static_cast<double>(sizeArea.cx) * m_sizePage.cy > static_cast<double>(sizeArea.cy) * m_sizePage.cx) {
            sizeFit.cx = MulDiv(sizeArea.cy, m_sizePage.cx, m_sizePage.cy);
        } else {
            sizeFit.cy = MulDiv(sizeArea.cx, m_sizePage.cy, m_sizePage.cx);
        }
        pDC->SetWindowExt(m_sizePage);
        pDC->SetViewportExt(sizeFit);
        if ((m_dwPrintStyle & printCentre) != 0) {
            ptOrg = CPoint((sizeArea.cx - sizeFit.cx) / 2, (sizeArea.cy - sizeFit.cy) / 2);
        }
    } else {
        // Real size at the printer's own resolution: a tenth of a millimetre per unit.
        const int cxDpi = pDC->GetDeviceCaps(LOGPIXELSX);
        const int cyDpi = pDC->GetDeviceCaps(LOGPIXELSY);
        pDC->SetWindowExt(254, 254);
        pDC->SetViewportExt(cxDpi, cyDpi);
        const CSize sizePixels(MulDiv(m_sizePage.cx, cxDpi, 254), MulDiv(m_sizePage.cy, cyDpi, 254));
        if ((m_dwPrintStyle & printCentre) != 0) {
            ptOrg.x = sizePixels.cx < sizeArea.cx ? (sizeArea.cx - sizePixels.cx) / 2 : 0;
            ptOrg.y = sizePixels.cy < sizeArea.cy ? (sizeArea.cy - sizePixels.cy) / 2 : 0;
        }
    }
    if ((m_dwPrintStyle & printOffset) != 0) {
        ptOrg.x -= pDC->GetDeviceCaps(PHYSICALOFFSETX);
        ptOrg.y -= pDC->GetDeviceCaps(PHYSICALOFFSETY);
    }
    pDC->SetViewportOrg(ptOrg);
}

// Scrolling -----------------------------------------------------------------------------------

CSize CZoomOleControl::GetViewSize() const
{
    if (GetSafeHwnd() == nullptr) {
        return m_sizeView;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    return rcClient.Size();
}

CPoint CZoomOleControl::GetScrollLimit() const
{
    const CSize sizeView = GetViewSize();
    return CPoint(m_sizeScaled.cx > sizeView.cx ? m_sizeScaled.cx - sizeView.cx : 0,
                  m_sizeScaled.cy > sizeView.cy ? m_sizeScaled.cy - sizeView.cy : 0);
}

CPoint CZoomOleControl::ClampScroll(CPoint ptScroll) const
{
    const CPoint ptLimit = GetScrollLimit();
    // A bar the style does not allow does not move.
    return CPoint((m_dwDisplayStyle & styleHScroll) != 0 ? Clamp(ptScroll.x, ptLimit.x) : 0,
                  (m_dwDisplayStyle & styleVScroll) != 0 ? Clamp(ptScroll.y, ptLimit.y) : 0);
}

void CZoomOleControl::ScrollTo(CPoint ptScroll)
{
    const CPoint ptOld = m_ptScroll;
    m_ptScroll = ClampScroll(ptScroll);
    if (GetSafeHwnd() == nullptr || m_ptScroll == ptOld) {
        return;
    }
    // Each bar redrawn under Wine costs a round trip to the display: only the one that moved.
    if (m_ptScroll.x != ptOld.x) {
        ::SetScrollPos(GetSafeHwnd(), SB_HORZ, m_ptScroll.x, TRUE);
    }
    if (m_ptScroll.y != ptOld.y) {
        ::SetScrollPos(GetSafeHwnd(), SB_VERT, m_ptScroll.y, TRUE);
    }
    Invalidate();
}

void CZoomOleControl::UpdateScrollBars(const CPoint* pptScroll)
{
    // Showing or hiding a bar resizes the client and comes back here through WM_SIZE.
    if (m_bInsideUpdate || GetSafeHwnd() == nullptr) {
        if (pptScroll != nullptr) {
            m_ptScroll = ClampScroll(*pptScroll);
        }
        return;
    }
    m_bInsideUpdate = TRUE;
    const HWND hWnd = GetSafeHwnd();
    // A bar that comes or goes changes the client, and so whether the other one is needed.
    BOOL bHorz = FALSE;
    BOOL bVert = FALSE;
    for (int nPass = 0; nPass < 2; ++nPass) {
        const CSize sizeView = GetViewSize();
        bHorz = (m_dwDisplayStyle & styleHScroll) != 0 && m_sizeScaled.cx > sizeView.cx;
        bVert = (m_dwDisplayStyle & styleVScroll) != 0 && m_sizeScaled.cy > sizeView.cy;
        const LONG lStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
        const BOOL bHorzShown = (lStyle & WS_HSCROLL) != 0;
        const BOOL bVertShown = (lStyle & WS_VSCROLL) != 0;
        if (bHorzShown == bHorz && bVertShown == bVert) {
            break;
        }
        if (bHorzShown != bHorz) {
            ::ShowScrollBar(hWnd, SB_HORZ, bHorz);
        }
        if (bVertShown != bVert) {
            ::ShowScrollBar(hWnd, SB_VERT, bVert);
        }
    }
    const CSize sizeView = GetViewSize();
    m_ptScroll = ClampScroll(pptScroll != nullptr ? *pptScroll : m_ptScroll);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (bHorz) {
        si.nMax = m_sizeScaled.cx - 1;
        si.nPage = static_cast<UINT>(sizeView.cx);
        si.nPos = m_ptScroll.x;
        ::SetScrollInfo(hWnd, SB_HORZ, &si, TRUE);
    }
    if (bVert) {
        si.nMax = m_sizeScaled.cy - 1;
        si.nPage = static_cast<UINT>(sizeView.cy);
        si.nPos = m_ptScroll.y;
        ::SetScrollInfo(hWnd, SB_VERT, &si, TRUE);
    }
    m_bInsideUpdate = FALSE;
}

void CZoomOleControl::OnScroll(int nBar, UINT nCode)
{
    const BOOL bHorz = nBar == SB_HORZ;
    const CSize sizeLine(static_cast<int>(m_sizeLineStep.cx * m_dZoom), static_cast<int>(m_sizeLineStep.cy * m_dZoom));
    const CSize sizePage(static_cast<int>(m_sizePageStep.cx * m_dZoom), static_cast<int>(m_sizePageStep.cy * m_dZoom));
    const int nLine = bHorz ? sizeLine.cx : sizeLine.cy;
    const int nPage = bHorz ? sizePage.cx : sizePage.cy;
    const int nLimit = bHorz ? GetScrollLimit().x : GetScrollLimit().y;
    int nPos = bHorz ? m_ptScroll.x : m_ptScroll.y;
    switch (nCode) {
    case SB_LINEUP:
        nPos -= nLine > 0 ? nLine : 1;
        break;
    case SB_LINEDOWN:
        nPos += nLine > 0 ? nLine : 1;
        break;
    case SB_PAGEUP:
        nPos -= nPage > 0 ? nPage : 1;
        break;
    case SB_PAGEDOWN:
        nPos += nPage > 0 ? nPage : 1;
        break;
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = nLimit;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(GetSafeHwnd(), nBar, &si);
        nPos = si.nTrackPos;
        break;
    }
    default:
        return;
    }
    ScrollTo(bHorz ? CPoint(nPos, m_ptScroll.y) : CPoint(m_ptScroll.x, nPos));
}

LRESULT CZoomOleControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) {
            return TRUE;
        }
        break;
    default:
        break;
    }
    return COleControl::WindowProc(message, wParam, lParam);
}

void CZoomOleControl::OnSize(UINT nType, int cx, int cy)
{
    COleControl::OnSize(nType, cx, cy);
    if (m_nZoomMode == zoomFit) {
        ZoomFit();
    } else {
        UpdateScrollBars();
    }
}

// Mouse ---------------------------------------------------------------------------------------

CPoint CZoomOleControl::ClientToLogical(CPoint point)
{
    CClientDC dc(GetSafeHwnd());
    PrepareDC(&dc);
    dc.DPtoLP(&point);
    return point;
}

void CZoomOleControl::DrawRubberBand()
{
    CClientDC dc(GetSafeHwnd());
    CPen pen(PS_DOT, 1, RGB(0, 0, 0));
    CFxSelectGuard penGuard(&dc, &pen);
    CFxSelectGuard brushGuard(&dc, NULL_BRUSH);
    const int nOldRop = dc.SetROP2(R2_NOTXORPEN);
    CRect rc = m_rcRubber;
    rc.NormalizeRect();
    dc.Rectangle(&rc);
    dc.SetROP2(nOldRop);
}

void CZoomOleControl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nTool == toolZoomRect) {
        ::SetCapture(GetSafeHwnd());
        m_bTracking = TRUE;
        m_rcRubber = CRect(point, point);
    } else if (m_nTool == toolPan) {
        m_ptPanAnchor = point;
    }
    COleControl::OnLButtonDown(nFlags, point);
}

void CZoomOleControl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        DrawRubberBand();
        m_rcRubber.right = point.x;
        m_rcRubber.bottom = point.y;
        DrawRubberBand();
    } else if (m_nTool == toolPan && (nFlags & MK_LBUTTON) != 0) {
        // The page follows the mouse.
        ScrollTo(CPoint(m_ptScroll.x + m_ptPanAnchor.x - point.x, m_ptScroll.y + m_ptPanAnchor.y - point.y));
        m_ptPanAnchor = point;
    }
    COleControl::OnMouseMove(nFlags, point);
}

void CZoomOleControl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nTool == toolZoomIn || m_nTool == toolZoomOut) {
        m_nTool == toolZoomIn ? ZoomMultiply(1.25) : ZoomDivide(1.25);
        m_nTool = toolNone;
    } else if (m_nTool == toolZoomRect && m_bTracking) {
        DrawRubberBand();
        m_bTracking = FALSE;
        ::ReleaseCapture();
        m_rcRubber.NormalizeRect();
        CRect rcZoom(ClientToLogical(m_rcRubber.TopLeft()), ClientToLogical(m_rcRubber.BottomRight()));
        m_nTool = toolNone;
        ZoomToRect(rcZoom);
    }
    COleControl::OnLButtonUp(nFlags, point);
}

void CZoomOleControl::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (m_nTool == toolZoomRect || m_nTool == toolPan) {
        if (m_bTracking) {
            DrawRubberBand();
        }
        SetTool(toolNone);
    }
    COleControl::OnRButtonUp(nFlags, point);
}

BOOL CZoomOleControl::OnSetCursor()
{
    HCURSOR hCursor = nullptr;
    if (m_nTool == toolZoomRect) {
        hCursor = m_hZoomCursor;
    } else if (m_nTool == toolPan) {
        hCursor = (::GetKeyState(VK_LBUTTON) & 0x8000) != 0 ? m_hPanDragCursor : m_hPanCursor;
    }
    if (hCursor == nullptr) {
        return FALSE;
    }
    ::SetCursor(hCursor);
    return TRUE;
}

// Printing ------------------------------------------------------------------------------------

BOOL CZoomOleControl::CreateDefaultPrinterDC(CDC& dcPrint)
{
    CPrintDialog dlg(FALSE);
    if (FxGetApp() != nullptr) {
        return dlg.GetDefaults() && dcPrint.Attach(dlg.DetachPrinterDC());
    }
    // A host without our application object: the system's default printer.
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!::PrintDlgA(&pd)) {
        return FALSE;
    }
    // Only the DC is wanted.
    CFxGlobalMem devMode(pd.hDevMode);
    CFxGlobalMem devNames(pd.hDevNames);
    return pd.hDC != nullptr && dcPrint.Attach(pd.hDC);
}
