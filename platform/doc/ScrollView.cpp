#include "platform/doc/ScrollView.h"

#include <algorithm>

#include "platform/gdi/DC.h"
#include "platform/frame/SplitterWnd.h"

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

HWND CScrollView::GetScrollBarCtrl(int nBar) const
{
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent == nullptr || !pParent->IsKindOf(FX_RUNTIME_CLASS(CSplitterWnd))) {
        return nullptr;
    }
    return static_cast<CSplitterWnd*>(pParent)->GetScrollBarCtrl(this, nBar);
}

HWND CScrollView::ScrollOwner(int nBar, int& nCode) const
{
    if (HWND hCtl = GetScrollBarCtrl(nBar)) {
        nCode = SB_CTL;
        return hCtl;
    }
    nCode = nBar;
    return m_hWnd;
}

int CScrollView::GetScrollPos(int nBar) const
{
    int nCode = nBar;
    HWND hOwner = ScrollOwner(nBar, nCode);
    return ::GetScrollPos(hOwner, nCode);
}

int CScrollView::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    int nCode = nBar;
    HWND hOwner = ScrollOwner(nBar, nCode);
    return ::SetScrollPos(hOwner, nCode, nPos, bRedraw);
}

CPoint CScrollView::GetScrollPosition() const
{
    const POINT ptDev = {GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)};
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
    const int xOld = GetScrollPos(SB_HORZ);
    const int yOld = GetScrollPos(SB_VERT);
    SetScrollPos(SB_HORZ, x, TRUE);
    SetScrollPos(SB_VERT, y, TRUE);
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
    const POINT ptDev = {GetScrollPos(SB_HORZ) + ptCenter.x - rc.Width() / 2,
                         GetScrollPos(SB_VERT) + ptCenter.y - rc.Height() / 2};
    ScrollToDevicePosition(ptDev);
}

BOOL CScrollView::GetTrueClientSize(CSize& size, CSize& sizeSb) const
{
    CRect rc;
    GetClientRect(&rc);
    size = CSize(rc.Width(), rc.Height());
    // A shared control stands outside the view: it takes no room from the client.
    sizeSb = CSize(GetScrollBarCtrl(SB_VERT) != nullptr ? 0 : ::GetSystemMetrics(SM_CXVSCROLL),
                   GetScrollBarCtrl(SB_HORZ) != nullptr ? 0 : ::GetSystemMetrics(SM_CYHSCROLL));
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
    int nCode = nBar;
    HWND hOwner = ScrollOwner(nBar, nCode);
    if (!::GetScrollInfo(hOwner, nCode, &si)) {
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
    const POINT ptOld = {GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)};

    for (int nBar : {SB_HORZ, SB_VERT}) {
        const BOOL bNeed = nBar == SB_HORZ ? bNeedH : bNeedV;
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
        si.nMin = 0;
        si.nMax = bNeed ? (nBar == SB_HORZ ? m_totalDev.cx : m_totalDev.cy) - 1 : 0;
        si.nPage = bNeed ? static_cast<UINT>(nBar == SB_HORZ ? client.cx : client.cy) : 0;
        if (HWND hCtl = GetScrollBarCtrl(nBar)) {
            ::SetScrollInfo(hCtl, SB_CTL, &si, TRUE);
            ::EnableWindow(hCtl, bNeed);
            // The view's own bar of that direction would scroll a second position.
            ::ShowScrollBar(m_hWnd, nBar, FALSE);
        } else {
            ::SetScrollInfo(m_hWnd, nBar, &si, TRUE);
            ::ShowScrollBar(m_hWnd, nBar, bNeed);
        }
    }
    m_bInsideUpdate = FALSE;
    // The new range keeps the position within its limits; what shows must follow.
    if (GetScrollPos(SB_HORZ) != ptOld.x || GetScrollPos(SB_VERT) != ptOld.y) {
        Invalidate(TRUE);
    }
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(m_nMapMode);
    if (pDC->IsPrinting()) {
        pDC->SetViewportOrg(0, 0);
    } else {
        pDC->SetViewportOrg(-GetScrollPos(SB_HORZ), -GetScrollPos(SB_VERT));
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::OnScroll(int nBar, UINT nCode)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    int nOwnerCode = nBar;
    HWND hOwner = ScrollOwner(nBar, nOwnerCode);
    ::GetScrollInfo(hOwner, nOwnerCode, &si);
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
    POINT ptDev = {GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)};
    (nBar == SB_HORZ ? ptDev.x : ptDev.y) = nPos;
    ScrollToDevicePosition(ptDev);
}

LRESULT CScrollView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
        // The view's own bars (lParam null) and the control a splitter shares with it; another
        // child's bar reflects to that child.
        const int nBar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
        HWND hBar = reinterpret_cast<HWND>(lParam);
        if (hBar == nullptr || hBar == GetScrollBarCtrl(nBar)) {
            OnScroll(nBar, LOWORD(wParam));
            return 0;
        }
        break;
    }
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
