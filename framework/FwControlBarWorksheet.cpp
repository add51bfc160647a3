#include "framework/FwControlBarWorksheet.h"

FX_IMPLEMENT_DYNCREATE(FwControlBarWorksheet, FwWorksheet)

FwControlBarWorksheet::FwControlBarWorksheet() : m_host(this)
{
}

void FwControlBarWorksheet::RecalcLayout(BOOL bNotify)
{
    FwWorksheet::RecalcLayout(bNotify);
    m_host.UpdateTitle();
}

void FwControlBarWorksheet::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    FwWorksheet::OnUpdateFrameTitle(bAddToTitle);
    if (!m_host.m_bCreating) {
        RecalcLayout();
    }
}

void FwControlBarWorksheet::OnIdleUpdateCmdUI()
{
    FwWorksheet::OnIdleUpdateCmdUI();
    m_host.DestroyIfEmpty();
}

LRESULT FwControlBarWorksheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        if (FwWorksheet::WindowProc(message, wParam, lParam) == -1) {
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
        const LRESULT lResult = FwWorksheet::WindowProc(message, wParam, lParam);
        m_host.OnShowWindow();
        return lResult;
    }
    default:
        break;
    }
    return FwWorksheet::WindowProc(message, wParam, lParam);
}
