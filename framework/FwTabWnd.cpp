#include "framework/FwTabWnd.h"

#include <algorithm>

#include "framework/FwSystemColors.h"
#include "framework/FwTabControl.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/PaintDC.h"

FX_IMPLEMENT_DYNCREATE(FwTabWnd, FwTabWndBase)
FX_IMPLEMENT_DYNCREATE(Fw2DTabWnd, FwTabWnd)

namespace
{
const int minScrollRoom = 60;

SCROLLINFO EmptyScrollInfo()
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    return si;
}
} // namespace

FwTabWnd::FwTabWnd()
    : m_nTabStripWidth(0), m_cyTabArea(0), m_cxVScroll(0), m_cyHScroll(0), m_cxSplitter(5), m_nDragOffset(0),
      m_bTracking(FALSE), m_bOverSplitter(FALSE), m_bFirstSize(TRUE), m_hcurSplitter(nullptr), m_hcurArrow(nullptr),
      m_dwScrollMode(0), m_hWndHScroll(nullptr), m_hWndVScroll(nullptr)
{
}

BOOL FwTabWnd::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwScrollMode = (dwStyle & FWTWS_ALLBUTTONS) != 0 ? 2u : (dwStyle & FWTWS_PREVNEXT) != 0 ? 1u : 0u;
    m_cyTabArea = ::GetSystemMetrics(SM_CYHSCROLL);
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    if (!FwTabWndBase::Create(pParentWnd, dwStyle & ~static_cast<DWORD>(FWTWS_PREVNEXT | FWTWS_ALLBUTTONS), nID)) {
        return FALSE;
    }
    m_hcurSplitter = FwGetSystemColors().GetSizerCursor(TRUE);
    m_hcurArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    m_hWndHScroll = CreateScrollBarCtrl(SBS_HORZ, FW_IDC_TABHSCROLL);
    m_hWndVScroll = CreateScrollBarCtrl(SBS_VERT, FW_IDC_TABVSCROLL);
    return m_hWndHScroll != nullptr && m_hWndVScroll != nullptr;
}

BOOL FwTabWnd::CreateTabControl(DWORD, UINT nID)
{
    FwTabControl* pTabs = new FwTabControl;
    if (!pTabs->Create(m_dwScrollMode | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID)) {
        delete pTabs;
        return FALSE;
    }
    m_pTabControl = pTabs;
    return TRUE;
}

BOOL FwTabWnd::InsertTab(CWnd* pWnd, int nIndex, LPCSTR lpszLabel)
{
    const size_t nAt = static_cast<size_t>(std::clamp<int>(nIndex, 0, static_cast<int>(m_scrollStyles.size())));
    m_scrollStyles.insert(m_scrollStyles.begin() + static_cast<std::ptrdiff_t>(nAt), 0);
    m_hScrollStates.insert(m_hScrollStates.begin() + static_cast<std::ptrdiff_t>(nAt), EmptyScrollInfo());
    m_vScrollStates.insert(m_vScrollStates.begin() + static_cast<std::ptrdiff_t>(nAt), EmptyScrollInfo());
    if (m_pTabControl == nullptr || m_pTabControl->InsertTab(static_cast<int>(nAt), lpszLabel, pWnd) == nullptr) {
        return FALSE;
    }
    return TRUE;
}

void FwTabWnd::SetTabScrollStyle(int nIndex, DWORD dwStyle)
{
    if (nIndex < 0) {
        return;
    }
    if (static_cast<size_t>(nIndex) >= m_scrollStyles.size()) {
        m_scrollStyles.resize(static_cast<size_t>(nIndex) + 1, 0);
        m_hScrollStates.resize(static_cast<size_t>(nIndex) + 1, EmptyScrollInfo());
        m_vScrollStates.resize(static_cast<size_t>(nIndex) + 1, EmptyScrollInfo());
    }
    m_scrollStyles[static_cast<size_t>(nIndex)] = dwStyle;
}

DWORD FwTabWnd::GetTabScrollStyle(int nIndex) const
{
    return nIndex >= 0 && static_cast<size_t>(nIndex) < m_scrollStyles.size()
               ? m_scrollStyles[static_cast<size_t>(nIndex)]
               : 0;
}

void FwTabWnd::RemoveTab(int nIndex)
{
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < m_scrollStyles.size()) {
        m_scrollStyles.erase(m_scrollStyles.begin() + nIndex);
        m_hScrollStates.erase(m_hScrollStates.begin() + nIndex);
        m_vScrollStates.erase(m_vScrollStates.begin() + nIndex);
    }
    FwTabWndBase::RemoveTab(nIndex);
}

DWORD FwTabWnd::ActiveScrollStyle() const
{
    int nIndex = 0;
    if (m_pActiveWnd == nullptr || m_pTabControl == nullptr || !m_pTabControl->FindTab(m_pActiveWnd, nIndex)) {
        return 0;
    }
    return GetTabScrollStyle(nIndex);
}

HWND FwTabWnd::GetScrollBarCtrl(int nBar, CWnd* pWnd) const
{
    if (pWnd == nullptr) {
        pWnd = m_pActiveWnd;
    }
    int nIndex = 0;
    if (pWnd == nullptr || m_pTabControl == nullptr || !m_pTabControl->FindTab(pWnd, nIndex)) {
        return nullptr;
    }
    const DWORD dwStyle = GetTabScrollStyle(nIndex);
    if (nBar == 0 && (dwStyle & WS_HSCROLL) != 0) {
        return m_hWndHScroll;
    }
    if (nBar == 1 && (dwStyle & WS_VSCROLL) != 0) {
        return m_hWndVScroll;
    }
    return nullptr;
}

void FwTabWnd::ActivateTab(CWnd* pWnd, int nIndex)
{
    if (pWnd != m_pActiveWnd && m_pTabControl != nullptr) {
        // The old child's scroll state goes back to its tab; the new one's comes out.
        int nOld = 0;
        if (m_pActiveWnd != nullptr && m_pTabControl->FindTab(m_pActiveWnd, nOld)) {
            const DWORD dwOld = GetTabScrollStyle(nOld);
            if ((dwOld & WS_HSCROLL) != 0) {
                m_hScrollStates[static_cast<size_t>(nOld)] = EmptyScrollInfo();
                ::GetScrollInfo(m_hWndHScroll, SB_CTL, &m_hScrollStates[static_cast<size_t>(nOld)]);
            }
            if ((dwOld & WS_VSCROLL) != 0) {
                m_vScrollStates[static_cast<size_t>(nOld)] = EmptyScrollInfo();
                ::GetScrollInfo(m_hWndVScroll, SB_CTL, &m_vScrollStates[static_cast<size_t>(nOld)]);
            }
        }
        const DWORD dwNew = GetTabScrollStyle(nIndex);
        if (nIndex >= 0 && static_cast<size_t>(nIndex) < m_scrollStyles.size()) {
            if ((dwNew & WS_HSCROLL) != 0) {
                SCROLLINFO si = m_hScrollStates[static_cast<size_t>(nIndex)];
                si.cbSize = sizeof(si);
                si.fMask = SIF_ALL;
                ::SetScrollInfo(m_hWndHScroll, SB_CTL, &si, TRUE);
            }
            if ((dwNew & WS_VSCROLL) != 0) {
                SCROLLINFO si = m_vScrollStates[static_cast<size_t>(nIndex)];
                si.cbSize = sizeof(si);
                si.fMask = SIF_ALL;
                ::SetScrollInfo(m_hWndVScroll, SB_CTL, &si, TRUE);
            }
        }
        ::ShowWindow(m_hWndHScroll, (dwNew & WS_HSCROLL) != 0 ? SW_SHOWNA : SW_HIDE);
        ::ShowWindow(m_hWndVScroll, (dwNew & WS_VSCROLL) != 0 ? SW_SHOWNA : SW_HIDE);
    }
    FwTabWndBase::ActivateTab(pWnd, nIndex);
}

void FwTabWnd::GetInsideRect(CRect& rect) const
{
    GetClientRect(&rect);
    rect.bottom = std::max<LONG>(rect.top, rect.bottom - m_cyTabArea);
    if ((ActiveScrollStyle() & WS_VSCROLL) != 0) {
        rect.right = std::max<LONG>(rect.left, rect.right - m_cxVScroll);
    }
}

CRect FwTabWnd::GetSplitterRect() const
{
    if ((ActiveScrollStyle() & WS_HSCROLL) == 0) {
        return CRect(0, 0, 0, 0);
    }
    CRect rcIn;
    GetInsideRect(rcIn);
    const int x = rcIn.left + m_nTabStripWidth;
    return CRect(x, rcIn.bottom, x + m_cxSplitter, rcIn.bottom + m_cyTabArea);
}

void FwTabWnd::RecalcLayout()
{
    if (m_hWnd == nullptr || m_pTabControl == nullptr) {
        return;
    }
    CRect rcIn;
    GetInsideRect(rcIn);
    const DWORD dwStyle = ActiveScrollStyle();
    struct Move
    {
        HWND hWnd;
        CRect rc;
        UINT nFlags;
    };
    std::vector<Move> moves;
    int cxTabs = rcIn.Width();
    if ((dwStyle & WS_HSCROLL) != 0) {
        m_nTabStripWidth = std::clamp<int>(m_nTabStripWidth, 0, std::max<int>(rcIn.right - minScrollRoom, 0));
        const int xSplit = rcIn.left + m_nTabStripWidth;
        moves.push_back(
            {m_hWndHScroll, CRect(xSplit + m_cxSplitter, rcIn.bottom, rcIn.right + 1, rcIn.bottom + m_cyHScroll), 0});
        cxTabs = m_nTabStripWidth;
    }
    moves.push_back({m_pTabControl->m_hWnd,
                     CRect(rcIn.left, rcIn.bottom, rcIn.left + cxTabs, rcIn.bottom + m_cyTabArea),
                     static_cast<UINT>(SWP_NOREDRAW)});
    if (!m_bTracking) {
        if ((dwStyle & WS_VSCROLL) != 0) {
            moves.push_back({m_hWndVScroll, CRect(rcIn.right, rcIn.top, rcIn.right + m_cxVScroll, rcIn.bottom), 0});
        }
        if (m_pActiveWnd != nullptr && m_pActiveWnd->m_hWnd != nullptr) {
            moves.push_back({m_pActiveWnd->m_hWnd, rcIn, 0});
        }
    }
    HDWP hDWP = ::BeginDeferWindowPos(m_bTracking ? 2 : 4);
    for (const Move& move : moves) {
        CRect rcCur;
        ::GetWindowRect(move.hWnd, &rcCur);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcCur), 2);
        if (move.hWnd == m_hWndHScroll || move.hWnd == m_hWndVScroll) {
            // A scroll bar too small to draw itself gets a border instead.
            LONG_PTR style = ::GetWindowLongPtrA(move.hWnd, GWL_STYLE);
            const BOOL bTiny = move.rc.Width() < 2 || move.rc.Height() < 2;
            style = bTiny ? (style | WS_BORDER) : (style & ~static_cast<LONG_PTR>(WS_BORDER));
            ::SetWindowLongPtrA(move.hWnd, GWL_STYLE, style);
        }
        if (rcCur == move.rc || hDWP == nullptr) {
            continue;
        }
        hDWP = ::DeferWindowPos(hDWP, move.hWnd, nullptr, move.rc.left, move.rc.top, move.rc.Width(), move.rc.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | move.nFlags);
    }
    if (hDWP != nullptr) {
        ::EndDeferWindowPos(hDWP);
    }
}

void FwTabWnd::OnSize(UINT nType, int cx, int cy)
{
    FwTabWndBase::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || cx == 0 || cy == 0) {
        return;
    }
    if ((ActiveScrollStyle() & WS_HSCROLL) != 0) {
        const int nWidth = std::max(cx - minScrollRoom, 0);
        if (m_bFirstSize || m_nTabStripWidth > nWidth) {
            m_nTabStripWidth = nWidth;
            m_bFirstSize = FALSE;
        }
    } else if (m_bFirstSize) {
        CRect rcIn;
        GetInsideRect(rcIn);
        m_nTabStripWidth = rcIn.Width();
        m_bFirstSize = FALSE;
    }
    RecalcLayout();
    if (m_pTabControl != nullptr) {
        m_pTabControl->Invalidate();
    }
    const CRect rcSplit = GetSplitterRect();
    if (!rcSplit.IsRectEmpty()) {
        InvalidateRect(&rcSplit);
    }
}

void FwTabWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const CRect rcSplit = GetSplitterRect();
    if (rcSplit.IsRectEmpty()) {
        return;
    }
    FwSystemColors& colors = FwGetSystemColors();
    const COLORREF columns[5] = {RGB(0, 0, 0), colors.m_clrBtnHilite, colors.m_clrBtnFace, colors.m_clrBtnShadow,
                                 RGB(0, 0, 0)};
    for (int i = 0; i < 5; ++i) {
        dc.FillSolidRect(rcSplit.left + i, rcSplit.top, 1, rcSplit.Height(), columns[i]);
    }
}

BOOL FwTabWnd::OnEraseBkgnd(CDC* pDC)
{
    const DWORD dwStyle = ActiveScrollStyle();
    if (m_pActiveWnd == nullptr || (dwStyle & (WS_HSCROLL | WS_VSCROLL)) == 0) {
        return TRUE;
    }
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(rc.right - m_cxVScroll, rc.top, m_cxVScroll, rc.Height(), FwGetSystemColors().m_clrBtnFace);
    return TRUE;
}

void FwTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    const CRect rcSplit = GetSplitterRect();
    if (!rcSplit.IsRectEmpty() && rcSplit.PtInRect(point)) {
        m_bTracking = TRUE;
        m_nDragOffset = point.x - rcSplit.left;
        ::SetCapture(m_hWnd);
        return;
    }
    FwTabWndBase::OnLButtonDown(nFlags, point);
}

void FwTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        const int nOld = m_nTabStripWidth;
        const int nNew = point.x - m_nDragOffset - 1;
        if (nNew != nOld) {
            m_nTabStripWidth = nNew;
            RecalcLayout();
            CRect rcIn;
            GetInsideRect(rcIn);
            const int x0 = rcIn.left + std::min(nOld, m_nTabStripWidth);
            const int x1 = rcIn.left + std::max(nOld, m_nTabStripWidth) + m_cxSplitter;
            const CRect rcStrip(x0, rcIn.bottom, x1, rcIn.bottom + m_cyTabArea);
            InvalidateRect(&rcStrip);
            if (m_pTabControl != nullptr) {
                m_pTabControl->Invalidate();
            }
            UpdateWindow();
        }
        return;
    }
    FwTabWndBase::OnMouseMove(nFlags, point);
}

void FwTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        m_bTracking = FALSE;
        ::ReleaseCapture();
        RecalcLayout();
        return;
    }
    FwTabWndBase::OnLButtonUp(nFlags, point);
}

CFont* FwTabWnd::GetActiveTabFont()
{
    return m_pTabControl != nullptr ? static_cast<FwTabControl*>(m_pTabControl)->GetTabFont(FwTabControl::fontActive)
                                    : nullptr;
}

CFont* FwTabWnd::GetInactiveTabFont()
{
    return m_pTabControl != nullptr
               ? static_cast<FwTabControl*>(m_pTabControl)->GetTabFont(FwTabControl::fontUnselected)
               : nullptr;
}

CFont* FwTabWnd::GetSelectedTabFont()
{
    return m_pTabControl != nullptr ? static_cast<FwTabControl*>(m_pTabControl)->GetTabFont(FwTabControl::fontSelected)
                                    : nullptr;
}

BOOL FwTabWnd::SetActiveTabFont(CFont* pFont, BOOL bRedraw)
{
    return m_pTabControl != nullptr &&
           static_cast<FwTabControl*>(m_pTabControl)->SetTabFont(pFont, FwTabControl::fontActive, bRedraw);
}

BOOL FwTabWnd::SetInactiveTabFont(CFont* pFont, BOOL bRedraw)
{
    return m_pTabControl != nullptr &&
           static_cast<FwTabControl*>(m_pTabControl)->SetTabFont(pFont, FwTabControl::fontUnselected, bRedraw);
}

BOOL FwTabWnd::SetSelectedTabFont(CFont* pFont, BOOL bRedraw)
{
    return m_pTabControl != nullptr &&
           static_cast<FwTabControl*>(m_pTabControl)->SetTabFont(pFont, FwTabControl::fontSelected, bRedraw);
}

LRESULT FwTabWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_FWTAB_ACTIVATED: {
        FwTabWndBase::WindowProc(message, wParam, lParam);
        if (CWnd* pNotify = GetNotifyWnd()) {
            pNotify->SendMessage(WM_FWTAB_ACTIVATED, wParam, 0);
        }
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (m_pActiveWnd != nullptr && m_pActiveWnd->m_hWnd != nullptr) {
            return m_pActiveWnd->SendMessage(message, wParam, lParam);
        }
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == m_hWnd) {
            CPoint pt;
            ::GetCursorPos(&pt);
            ::ScreenToClient(m_hWnd, &pt);
            m_bOverSplitter = GetSplitterRect().PtInRect(pt);
            ::SetCursor(m_bOverSplitter ? m_hcurSplitter : m_hcurArrow);
            return TRUE;
        }
        break;
    case WM_NCCREATE: {
        // The client edge moves from the parent to the tab window.
        HWND hParent = ::GetParent(m_hWnd);
        LONG_PTR exParent = hParent != nullptr ? ::GetWindowLongPtrA(hParent, GWL_EXSTYLE) : 0;
        if ((exParent & WS_EX_CLIENTEDGE) != 0) {
            ::SetWindowLongPtrA(hParent, GWL_EXSTYLE, exParent & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
            ::SetWindowPos(hParent, nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        }
        break;
    }
    default:
        break;
    }
    return FwTabWndBase::WindowProc(message, wParam, lParam);
}
