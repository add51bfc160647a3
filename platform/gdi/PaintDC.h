// The DC of a WM_PAINT handler: BeginPaint in the constructor, EndPaint in the destructor.
#pragma once

#include "platform/gdi/DC.h"

class FX_API CPaintDC : public CDC
{
public:
    explicit CPaintDC(HWND hWnd);
    // EndPaint must run even when the handler returns early: it validates the window.
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

protected:
    HWND m_hWnd = nullptr;
};
