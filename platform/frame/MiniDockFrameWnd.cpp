#include "platform/frame/MiniDockFrameWnd.h"

#include <algorithm>

#include "platform/frame/DockContext.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CFrameWnd)

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE), m_bInDestroy(FALSE)
{
    m_strIdleMessage.Empty();
}

DWORD CMiniDockFrameWnd::FrameStyleFor(DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE | FWS_SNAPTOBARS;
    dwStyle |= (dwBarStyle & CBRS_SIZE_DYNAMIC) != 0 ? (WS_THICKFRAME | MFS_4THICKFRAME) : MFS_MOVEFRAME;
    return dwStyle;
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    HWND hOwner = pParent != nullptr ? pParent->m_hWnd : nullptr;
    if (!CreateEx(WS_EX_TOOLWINDOW, nullptr, "", GetFrameStyle(dwBarStyle), 0, 0, 0, 0, hOwner, nullptr)) {
        return FALSE;
    }
    if (HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        ::DeleteMenu(hSysMenu, SC_SIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_MINIMIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_MAXIMIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_RESTORE, MF_BYCOMMAND);
    }
    const BOOL bVert = (dwBarStyle & CBRS_ORIENT_VERT) != 0 && (dwBarStyle & CBRS_ORIENT_HORZ) == 0;
    const DWORD dwDockStyle =
        WS_CHILD | WS_VISIBLE | (bVert ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP) | (dwBarStyle & CBRS_FLOAT_MULTI);
    CDockBar* pDockBar = GetDockBar();
    if (!pDockBar->Create(this, dwDockStyle, FX_IDW_DOCKBAR_FLOAT)) {
        return FALSE;
    }
    // The floating dock bar belongs to the main frame's bars: its dock state lists it.
    CWnd* pOwner = CWnd::FromHandlePermanent(hOwner);
    if (pOwner != nullptr && pOwner->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd))) {
        pDockBar->m_pDockSite = static_cast<CFrameWnd*>(pOwner);
        pDockBar->m_pDockSite->AddControlBar(pDockBar);
    }
    return TRUE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == nullptr) {
        return;
    }
    // Snap to the bars: measure them unstretched, then size the window around them.
    m_bInRecalcLayout = TRUE;
    CRect rc(0, 0, 32767, 32767);
    RepositionBars(0, 0xFFFF, FX_IDW_PANE_FIRST, reposQuery, &rc, &rc, FALSE);
    CRect rcWnd(0, 0, std::max<LONG>(rc.Width(), 1), std::max<LONG>(rc.Height(), 1));
    ::AdjustWindowRectEx(&rcWnd, GetStyle(), FALSE, static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rcWnd.Width(), rcWnd.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_bInRecalcLayout = FALSE;
    CFrameWnd::RecalcLayout(bNotify);
    if (CControlBar* pBar = GetSingleBar()) {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        CString strOld;
        GetWindowText(strOld);
        if (strOld != strTitle) {
            SetWindowText(strTitle);
        }
    }
}

CControlBar* CMiniDockFrameWnd::GetSingleBar()
{
    const CDockBar* pDockBar = GetDockBar();
    if (pDockBar->GetDockedCount() != 1) {
        return nullptr;
    }
    for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i) {
        if (CControlBar* pBar = pDockBar->GetDockedControlBar(static_cast<int>(i))) {
            return pBar;
        }
    }
    return nullptr;
}

LRESULT CMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    switch (message) {
    case WM_NCLBUTTONDOWN: {
        CControlBar* pBar = GetSingleBar();
        if (pBar == nullptr || pBar->m_pDockContext == nullptr) {
            break;
        }
        if (wParam == HTCAPTION) {
            ::BringWindowToTop(m_hWnd);
            pBar->m_pDockContext->StartDrag(pt);
            return 0;
        }
        if (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0) {
            pBar->m_pDockContext->StartResize(static_cast<int>(wParam), pt);
            return 0;
        }
        break;
    }
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCAPTION) {
            CControlBar* pBar = GetSingleBar();
            if (pBar != nullptr && pBar->m_pDockContext != nullptr) {
                pBar->m_pDockContext->ToggleDocking();
                return 0;
            }
        }
        break;
    default:
        break;
    }
    if (message == FxGetIdleUpdateMessage()) {
        // Not a child of the main frame: its bars get their idle update through here.
        CFrameWnd::WindowProc(message, wParam, lParam);
        CDockBar* pDockBar = GetDockBar();
        for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i) {
            if (CControlBar* pBar = pDockBar->GetDockedControlBar(static_cast<int>(i))) {
                pBar->SendMessage(message, wParam, lParam);
            }
        }
        return 0;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing hides the bars; the frame stays for when one is shown again.
    CDockBar* pDockBar = GetDockBar();
    CFrameWnd* pDockSite = pDockBar->m_pDockSite;
    for (INT_PTR i = pDockBar->m_arrBars.GetSize() - 1; i >= 0; --i) {
        CControlBar* pBar = pDockBar->GetDockedControlBar(static_cast<int>(i));
        if (pBar == nullptr) {
            continue;
        }
        if (pDockSite != nullptr) {
            pDockSite->ShowControlBar(pBar, FALSE, FALSE);
        } else {
            pBar->ShowWindow(SW_HIDE);
        }
    }
    ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnDestroy()
{
    m_bInDestroy = TRUE;
    CFrameWnd::OnDestroy();
}
