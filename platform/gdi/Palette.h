// Owner of a logical palette.
#pragma once

#include "platform/gdi/GdiObject.h"

class FX_API CPalette : public CGdiObject
{
public:
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(const LOGPALETTE* pLogPalette);
    UINT GetPaletteEntries(UINT nStart, UINT nCount, LPPALETTEENTRY pEntries) const;
    UINT SetPaletteEntries(UINT nStart, UINT nCount, const PALETTEENTRY* pEntries);
    int GetEntryCount() const;
};
