// The system colours, border metrics and sizer cursors every bar, dock bar and frame of the
// framework draws with; one object for the program, refreshed on a system colour change.
#pragma once

#include <windows.h>

class FwSystemColors
{
public:
    FwSystemColors();
    FwSystemColors(const FwSystemColors&) = delete;
    FwSystemColors& operator=(const FwSystemColors&) = delete;

    // Only the colours follow a system colour change; metrics and cursors stay.
    void UpdateSysColors();
    // The sizer cursor of a dock bar, loaded the first time one is asked for: bVert for a sizer
    // moved left and right (resource 30980), else up and down (30981).
    HCURSOR GetSizerCursor(BOOL bVert);

    int m_cxBorder2;
    int m_cyBorder2;
    COLORREF m_clrBtnFace;
    COLORREF m_clrBtnShadow;
    COLORREF m_clrBtnHilite;
    COLORREF m_clrWindowFrame;
    COLORREF m_clr3DLight;
    COLORREF m_clr3DDkShadow;
    COLORREF m_clrWindowText;
    COLORREF m_clrWindow;
    COLORREF m_clrHighlight;
    COLORREF m_clrHighlightText;
    HCURSOR m_hcurArrow;
    HCURSOR m_hcurSizeVert;
    HCURSOR m_hcurSizeHorz;
    BOOL m_bWin4;
};

// The program's one set, filled on first use.
FwSystemColors& FwGetSystemColors();

// Reads or writes nCount DWORDs as one block of nCount * 4 bytes, by the archive's direction.
class CArchive;
void FwSerializeDWordArray(CArchive& ar, DWORD* pdw, int nCount);
