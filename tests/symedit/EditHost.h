// The parent window of an edit control under test, writing down what it is sent, and keys held
// down for GetKeyState.
#pragma once

#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "platform/win/Wnd.h"
#include "symedit/CappBaseCtrl.h"

// The special edit's notice after each change.
const UINT kContentChangedMsg = 3994;
const UINT kDBClickMsg = 0x0600;

// Holds keys down in the thread's key state while it lives, as GetKeyState reads them.
class CHeldKeys
{
public:
    CHeldKeys(std::initializer_list<int> keys)
    {
        ::GetKeyboardState(m_old);
        BYTE state[256];
        std::memcpy(state, m_old, sizeof(state));
        for (int nKey : keys)
            state[nKey] = 0x80;
        ::SetKeyboardState(state);
    }
    ~CHeldKeys() { ::SetKeyboardState(m_old); }
    CHeldKeys(const CHeldKeys&) = delete;
    CHeldKeys& operator=(const CHeldKeys&) = delete;

private:
    BYTE m_old[256] = {};
};

// The edit's parent: writes down every notification as "end:9", "changed", "F4", "dblclk" or
// the message number.
class CEditHost : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CCappBaseCtrl::msgEndEditByKey)
            Note("end:" + std::to_string(wParam));
        else if (message == kContentChangedMsg)
            Note("changed");
        else if (message == CCappBaseCtrl::msgFunctionKey4)
            Note("F4");
        else if (message == kDBClickMsg)
            Note("dblclk");
        else if (message >= 0x700 && message < 0x800)
            Note(std::to_string(message));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::string Take()
    {
        std::string s = m_strNotes;
        m_strNotes.clear();
        return s;
    }

private:
    void Note(const std::string& s) { m_strNotes += (m_strNotes.empty() ? "" : " ") + s; }
    std::string m_strNotes;
};
