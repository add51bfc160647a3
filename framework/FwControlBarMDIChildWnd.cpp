#include "framework/FwControlBarMDIChildWnd.h"

FX_IMPLEMENT_DYNCREATE(FwControlBarMDIChildWnd, FwMDIChildWnd)

FwControlBarMDIChildWnd::FwControlBarMDIChildWnd() : m_host(this)
{
}

void FwControlBarMDIChildWnd::RecalcLayout(BOOL bNotify)
{
    FwMDIChildWnd::RecalcLayout(bNotify);
    m_host.UpdateTitle();
}

void FwControlBarMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    FwMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    if (!m_host.m_bCreating) {
        RecalcLayout();
    }
}

void FwControlBarMDIChildWnd::OnIdleUpdateCmdUI()
{
    FwMDIChildWnd::OnIdleUpdateCmdUI();
    m_host.DestroyIfEmpty();
}

LRESULT FwControlBarMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        if (FwMDIChildWnd::WindowProc(message, wParam, lParam) == -1) {
            return -1;
        }
        // A client edge would frame the bar twice.
        const LONG_PTR dwExStyle = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
        if ((dwExStyle & WS_EX_CLIENTEDGE) != 0) {
            ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, dwExStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
        }
        return m_host.CreateDockBar() ? 0 : -1;
    }
    case WM_SIZE:
        m_host.OnSize(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        break;
    case WM_CLOSE:
        if (m_host.OnClose()) {
            return 0;
        }
        break;
    case WM_MOVE:
        m_host.OnMove();
        break;
    case WM_SHOWWINDOW: {
        const LRESULT lResult = FwMDIChildWnd::WindowProc(message, wParam, lParam);
        m_host.OnShowWindow();
        return lResult;
    }
    default:
        break;
    }
    return FwMDIChildWnd::WindowProc(message, wParam, lParam);
}
