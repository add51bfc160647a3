// The client-area DC of a window, released with the same window.
#pragma once

#include "platform/gdi/DC.h"

class FX_API CClientDC : public CDC
{
public:
    // Null hWnd: the screen.
    explicit CClientDC(HWND hWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
