// Shows the hourglass for a scope and puts back the cursor it replaced on every way out.
#pragma once

#include <windows.h>

class CFxWaitCursor
{
public:
    CFxWaitCursor() : m_hOld(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CFxWaitCursor() { ::SetCursor(m_hOld); }
    CFxWaitCursor(const CFxWaitCursor&) = delete;
    CFxWaitCursor& operator=(const CFxWaitCursor&) = delete;

private:
    HCURSOR m_hOld;
};
