#include "framework/FwListColors.h"

void FwListColors::ReadSystemColors()
{
    crBk = GetSysColor(COLOR_WINDOW);
    crTextBk = GetSysColor(COLOR_WINDOW);
    crText = GetSysColor(COLOR_WINDOWTEXT);
    crDisabledText = GetSysColor(COLOR_GRAYTEXT);
    crSelText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    crSel = GetSysColor(COLOR_HIGHLIGHT);
    crWindow1 = GetSysColor(COLOR_WINDOW);
    crWindow2 = GetSysColor(COLOR_WINDOW);
    crTip = GetSysColor(COLOR_INFOBK);
    crTipText = GetSysColor(COLOR_INFOTEXT);
}
