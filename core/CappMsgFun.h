// Texts the card library shows on the application's main window (the designer puts them in its
// output bar). Used inside VornCard only.
#pragma once

#include "platform/base/String.h"

class CWnd;

class CCappMsgFun
{
public:
    CCappMsgFun() = delete;

    // The top-level window above pWnd, else the application's main window; null when there is
    // neither.
    static HWND FindMainWindow(const CWnd* pWnd);
    // Sends message 0x442 (wParam 0, lParam the text's CString address) to the main window, when
    // there is one.
    static void ShowText(const CWnd* pWnd, const CString& strText);
};
