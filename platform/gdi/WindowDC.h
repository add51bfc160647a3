// The whole-window DC (frame included), released with the same window.
#pragma once

#include "platform/gdi/DC.h"

class FX_API CWindowDC : public CDC
{
public:
    // Null hWnd: the screen.
    explicit CWindowDC(HWND hWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
