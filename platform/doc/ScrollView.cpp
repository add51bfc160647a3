#include "platform/doc/ScrollView.h"

#include <algorithm>

#include "platform/gdi/DC.h"

FX_IMPLEMENT_DYNAMIC(CScrollView, CView)

const SIZE CScrollView::sizeDefault = {0, 0};

namespace
{
// A point between the logical units of nMapMode and screen pixels (the scaled modes count y upward).
CPoint MapPoint(int nMapMode, POINT pt, bool bToDevice)
{
    if (nMapMode == MM_TEXT) {
        return CPoint(pt);
    }
    HDC hdc = ::CreateCompatibleDC(nullptr);
    ::SetMapMode(hdc, nMapMode);
    if (bToDevice) {
        ::LPtoDP(hdc, &pt, 1);
    } else {
        ::DPtoLP(hdc, &pt, 1);
    }
    ::DeleteDC(hdc);
    return CPoint(pt);
}

// A logical size as pixels, both parts positive.
CSize ToDevice(int nMapMode, SIZE size)
{
    const CPoint pt = MapPoint(nMapMode, CPoint(size.cx, size.cy), true);
    return CSize(std::abs(pt.x), std::abs(pt.y));
}
} // namespace

CScrollView::CScrollView() : m_nMapMode(MM_TEXT), m_bCenter(FALSE), m_bInsideUpdate(FALSE)
{
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = ToDevice(nMapMode, sizeTotal);
    m_pageDev = ToDevice(nMapMode, sizePage);
    m_lineDev = ToDevice(nMapMode, sizeLine);
    if (m_pageDev.cx == 0) {
        m_pageDev.cx = m_totalDev.cx / 10;
    }
    if (m_pageDev.cy == 0) {
        m_pageDev.cy = m_totalDev.cy / 10;
    }
    if (m_lineDev.cx == 0) {
        m_lineDev.cx = m_pageDev.cx / 10;
    }
    if (m_lineDev.cy == 0) {
        m_lineDev.cy = m_pageDev.cy / 10;
    }
    if (m_hWnd != nullptr) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

CPoint CScrollView::GetScrollPosition() const
{
    const POINT ptDev = {::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT)};
    return MapPoint(m_nMapMode, ptDev, false);
}

void CScrollView::ScrollToPosition(POINT pt)
{
    // The scaled modes count y upward: a position down the drawing is a negative y, which the
    // mapping turns into a positive pixel offset.
    ScrollToDevicePosition(MapPoint(m_nMapMode, pt, true));
}

void CScrollView::ScrollToDevicePosition(POINT ptDev)
{
    const int x = std::clamp(static_cast<int>(ptDev.x), 0, GetScrollLimit(SB_HORZ));
    const int y = std::clamp(static_cast<int>(ptDev.y), 0, GetScrollLimit(SB_VERT));
    const int xOld = ::GetScrollPos(m_hWnd, SB_HORZ);
    const int yOld = ::GetScrollPos(m_hWnd, SB_VERT);
    ::SetScrollPos(m_hWnd, SB_HORZ, x, TRUE);
    ::SetScrollPos(m_hWnd, SB_VERT, y, TRUE);
    if (x != xOld || y != yOld) {
        // The uncovered strip is painted at once: under Wine a strip left for later stayed blank
        // when the window was scrolled before its first paint.
        ::ScrollWindowEx(m_hWnd, xOld - x, yOld - y, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
        ::UpdateWindow(m_hWnd);
    }
}

void CScrollView::CenterOnPoint(CPoint ptCenter)
{
    CRect rc;
    GetClientRect(&rc);
    const POINT ptDev = {::GetScrollPos(m_hWnd, SB_HORZ) + ptCenter.x - rc.Width() / 2,
                         ::GetScrollPos(m_hWnd, SB_VERT) + ptCenter.y - rc.Height() / 2};
    ScrollToDevicePosition(ptDev);
}

BOOL CScrollView::GetTrueClientSize(CSize& size, CSize& sizeSb) const
{
    CRect rc;
    GetClientRect(&rc);
    size = CSize(rc.Width(), rc.Height());
    sizeSb = CSize(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    const DWORD dwStyle = GetStyle();
    if ((dwStyle & WS_VSCROLL) != 0) {
        size.cx += sizeSb.cx;
    }
    if ((dwStyle & WS_HSCROLL) != 0) {
        size.cy += sizeSb.cy;
    }
    return size.cx > sizeSb.cx && size.cy > sizeSb.cy;
}

int CScrollView::GetScrollLimit(int nBar) const
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    if (!::GetScrollInfo(m_hWnd, nBar, &si)) {
        return 0;
    }
    return std::max(0, si.nMax - std::max(static_cast<int>(si.nPage) - 1, 0));
}

void CScrollView::UpdateBars()
{
    // Showing a bar resizes the client and sends WM_SIZE, which comes back here.
    if (m_bInsideUpdate || m_hWnd == nullptr) {
        return;
    }
    m_bInsideUpdate = TRUE;
    CSize size;
    CSize sizeSb;
    GetTrueClientSize(size, sizeSb);
    // A bar is needed when the drawing is wider than the client; one bar takes room from the other.
    BOOL bNeedH = m_totalDev.cx > size.cx;
    BOOL bNeedV = m_totalDev.cy > size.cy;
    if (bNeedH && !bNeedV) {
        bNeedV = m_totalDev.cy > size.cy - sizeSb.cy;
    } else if (bNeedV && !bNeedH) {
        bNeedH = m_totalDev.cx > size.cx - sizeSb.cx;
    }
    const CSize client(size.cx - (bNeedV ? sizeSb.cx : 0), size.cy - (bNeedH ? sizeSb.cy : 0));
    const POINT ptOld = {::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT)};

    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = bNeedH ? m_totalDev.cx - 1 : 0;
    si.nPage = bNeedH ? static_cast<UINT>(client.cx) : 0;
    ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
    si.nMax = bNeedV ? m_totalDev.cy - 1 : 0;
    si.nPage = bNeedV ? static_cast<UINT>(client.cy) : 0;
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    ::ShowScrollBar(m_hWnd, SB_HORZ, bNeedH);
    ::ShowScrollBar(m_hWnd, SB_VERT, bNeedV);
    m_bInsideUpdate = FALSE;
    // The new range keeps the position within its limits; what shows must follow.
    if (::GetScrollPos(m_hWnd, SB_HORZ) != ptOld.x || ::GetScrollPos(m_hWnd, SB_VERT) != ptOld.y) {
        Invalidate(TRUE);
    }
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(m_nMapMode);
    if (pDC->IsPrinting()) {
        pDC->SetViewportOrg(0, 0);
    } else {
        pDC->SetViewportOrg(-::GetScrollPos(m_hWnd, SB_HORZ), -::GetScrollPos(m_hWnd, SB_VERT));
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::OnScroll(int nBar, UINT nCode)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ::GetScrollInfo(m_hWnd, nBar, &si);
    const int nLine = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    const int nPage = nBar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    int nPos = si.nPos;
    switch (nCode) {
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = GetScrollLimit(nBar);
        break;
    case SB_LINEUP:
        nPos -= nLine;
        break;
    case SB_LINEDOWN:
        nPos += nLine;
        break;
    case SB_PAGEUP:
        nPos -= nPage;
        break;
    case SB_PAGEDOWN:
        nPos += nPage;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        nPos = si.nTrackPos;
        break;
    default:
        return;
    }
    POINT ptDev = {::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT)};
    (nBar == SB_HORZ ? ptDev.x : ptDev.y) = nPos;
    ScrollToDevicePosition(ptDev);
}

LRESULT CScrollView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        // Only the view's own bars (lParam null); a child's bar reflects to that child.
        if (lParam == 0) {
            OnScroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
            return 0;
        }
        break;
    case WM_SIZE: {
        const LRESULT lResult = CView::WindowProc(message, wParam, lParam);
        UpdateBars();
        return lResult;
    }
    default:
        break;
    }
    return CView::WindowProc(message, wParam, lParam);
}
