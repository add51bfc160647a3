// The colours the framework's list paints with; read from the system's colours at creation and,
// when the list follows them, again on every change.
#pragma once

#include <windows.h>

struct FwListColors
{
    void ReadSystemColors();

    COLORREF crBk = 0;
    COLORREF crText = 0;
    COLORREF crTextBk = 0;
    COLORREF crDisabledText = 0;
    COLORREF crSelText = 0;
    COLORREF crSel = 0;
    COLORREF crWindow1 = 0;
    COLORREF crWindow2 = 0;
    COLORREF crTip = 0;
    COLORREF crTipText = 0;
};
