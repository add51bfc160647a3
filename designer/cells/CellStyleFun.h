// What the cell style pages share: the alignment buttons and the font dialog on a cell.
#pragma once

#include <windows.h>

class CWnd;
class CCappCell;

class CCellStyleFun
{
public:
    // Checks the horizontal and vertical alignment buttons of a page for a text format.
    static void CheckAlignButtons(CWnd* pPage, int nFormat);
    // The text format the page's alignment buttons give (single line, 0x20, always set).
    static int AlignFromButtons(CWnd* pPage);
    // The font dialog started from the cell's font, colour and height; on OK the chosen font,
    // colour and height in tenths of a millimetre. FALSE when cancelled.
    static BOOL ChooseCellFont(HWND hOwner, const CCappCell& cell, LOGFONTA& lf, COLORREF& crText, int& nFontHeight);
};
