// Helpers for tests that drive a modal mouse loop: an action run from inside the loop, and a
// picture of the screen as the loop leaves it.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/base/Rect.h"
#include "platform/gdi/WindowDC.h"
#include "platform/win/Wnd.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"

// Captures the screen under rc (screen coordinates) without redrawing anything first, so a drag
// rectangle drawn on the desktop shows.
inline BOOL SaveScreenPicture(const CRect& rc, const char* pszName)
{
    CTestDib dib(rc.Width(), rc.Height());
    CWindowDC dcScreen(nullptr);
    const BOOL bOk = dib.DC().BitBlt(0, 0, rc.Width(), rc.Height(), &dcScreen, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    return bOk && SavePng(TestImagePath(pszName).c_str(), dib.Bits(), rc.Width(), rc.Height());
}

// A window whose WM_APP runs a test's action from inside a modal loop that dispatches it.
class CActionWnd : public CWnd
{
public:
    BOOL CreateHidden() { return CreateEx(0, nullptr, "action", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr); }
    std::function<void()> m_fnAction;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP && m_fnAction) {
            m_fnAction();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
