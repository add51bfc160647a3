// Wine's rich edit sends no protected-change notification (EN_PROTECTED) for typing, cutting,
// pasting or replacing. A rich edit that relies on it records here the text-changing message it is
// handling and the selection it found, and announces the change itself at the change notification
// when the control did not.
#pragma once

#include <windows.h>

#include <richedit.h>

class CKvRichEditWatch
{
public:
    struct CPendingEdit
    {
        UINT message;
        WPARAM wParam;
        CHARRANGE chrg;
    };

    // The messages through which the user's editing changes the text.
    static bool ChangesText(UINT message)
    {
        switch (message) {
        case WM_CHAR:
        case WM_KEYDOWN:
        case WM_CUT:
        case WM_PASTE:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case EM_REDO:
        case EM_REPLACESEL:
            return true;
        default:
            return false;
        }
    }

    // Runs the control's own handling of a text-changing message with the message recorded. A
    // nested edit (a Tab typed as a replacement) keeps the outer one's record.
    template <class THandle> LRESULT Run(HWND hWnd, UINT message, WPARAM wParam, THandle fnHandle)
    {
        const CPendingEdit outer = m_pending;
        const BOOL bOuterPending = m_bPending;
        const BOOL bOuterAnnounced = m_bAnnounced;
        CHARRANGE chrg{};
        ::SendMessageA(hWnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&chrg));
        m_pending = {message, wParam, chrg};
        m_bPending = TRUE;
        m_bAnnounced = FALSE;
        const LRESULT lResult = fnHandle();
        m_pending = outer;
        m_bPending = bOuterPending;
        m_bAnnounced = bOuterAnnounced;
        return lResult;
    }

    CPendingEdit m_pending{0, 0, {0, 0}};
    BOOL m_bPending = FALSE;
    BOOL m_bAnnounced = FALSE;
};
