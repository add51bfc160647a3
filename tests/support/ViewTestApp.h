// The smallest program a view runs in: an application whose main window is a frame holding one
// view of the type under test, made the frame's active view.
#pragma once

#include <windows.h>

#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"

template <class TView> class CTestViewApp : public CWinApp
{
public:
    explicit CTestViewApp(LPCSTR pszAppName) : CWinApp(pszAppName) {}
    ~CTestViewApp() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            m_pFrame->DestroyWindow();
        }
        // The frame posts WM_QUIT as the main window: a quit that must not end the next test's loop.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    CTestViewApp(const CTestViewApp&) = delete;
    CTestViewApp& operator=(const CTestViewApp&) = delete;

    // The frame shown with its caption and size, the view filling it.
    BOOL Start(LPCSTR lpszTitle = "脚本", int cx = 480, int cy = 320, DWORD dwViewStyle = WS_VSCROLL | WS_HSCROLL)
    {
        m_pFrame = new CFrameWnd;
        if (!m_pFrame->CreateEx(0, nullptr, lpszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, cx, cy, nullptr,
                                nullptr)) {
            delete m_pFrame;
            m_pFrame = nullptr;
            return FALSE;
        }
        m_pMainWnd = m_pFrame;
        m_pView = new TView;
        if (!m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | dwViewStyle, CRect(0, 0, 10, 10), m_pFrame,
                             FX_IDW_PANE_FIRST)) {
            delete m_pView;
            m_pView = nullptr;
            return FALSE;
        }
        m_pFrame->SetActiveView(m_pView);
        m_pFrame->RecalcLayout();
        return TRUE;
    }

    CFrameWnd* m_pFrame = nullptr;
    TView* m_pView = nullptr;
};
