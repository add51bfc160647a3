// OpenClipboard ... CloseClipboard as a scope: every early return closes the clipboard, which
// another program waits for while it is open.
#pragma once

#include <windows.h>

class CFxClipboard
{
public:
    explicit CFxClipboard(HWND hWndOwner) : m_bOpen(OpenClipboard(hWndOwner)) {}
    ~CFxClipboard()
    {
        if (m_bOpen) {
            CloseClipboard();
        }
    }
    CFxClipboard(const CFxClipboard&) = delete;
    CFxClipboard& operator=(const CFxClipboard&) = delete;

    // FALSE when another window holds the clipboard.
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen;
};
