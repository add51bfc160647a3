// Owner of a GDI logical palette.
#pragma once

#include "platform/gdi/GdiObject.h"

class FX_API CPalette : public CGdiObject
{
public:
    static CPalette* FromHandle(HPALETTE hPalette);
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(const LOGPALETTE* pLogPalette);
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY pColors) const;
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
};
