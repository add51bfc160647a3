// The message handling both bar-hosting MDI children share, over their own MDI child class
// (FwMDIChildWnd or FwWorksheet).
#pragma once

#include "framework/FwControlBarHost.h"

template <class TBase> class FwControlBarHostFrame : public TBase
{
public:
    FwControlBarHostFrame() : m_host(this) {}

    void RecalcLayout(BOOL bNotify = TRUE) override
    {
        TBase::RecalcLayout(bNotify);
        m_host.UpdateTitle();
    }
    void OnUpdateFrameTitle(BOOL bAddToTitle) override
    {
        TBase::OnUpdateFrameTitle(bAddToTitle);
        if (!m_host.m_bCreating) {
            RecalcLayout();
        }
    }

    FwControlBarHost m_host;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_CREATE: {
            if (TBase::WindowProc(message, wParam, lParam) == -1) {
                return -1;
            }
            // A client edge would frame the bar twice.
            const LONG_PTR dwExStyle = ::GetWindowLongPtrA(this->m_hWnd, GWL_EXSTYLE);
            if ((dwExStyle & WS_EX_CLIENTEDGE) != 0) {
                ::SetWindowLongPtrA(this->m_hWnd, GWL_EXSTYLE, dwExStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
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
            const LRESULT lResult = TBase::WindowProc(message, wParam, lParam);
            m_host.OnShowWindow();
            return lResult;
        }
        default:
            break;
        }
        return TBase::WindowProc(message, wParam, lParam);
    }

protected:
    void OnIdleUpdateCmdUI() override
    {
        TBase::OnIdleUpdateCmdUI();
        m_host.DestroyIfEmpty();
    }
};
