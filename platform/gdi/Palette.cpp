#include "platform/gdi/Palette.h"

BOOL CPalette::CreatePalette(const LOGPALETTE* pLogPalette)
{
    return Attach(::CreatePalette(pLogPalette));
}

UINT CPalette::GetPaletteEntries(UINT nStart, UINT nCount, LPPALETTEENTRY pEntries) const
{
    return ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStart, nCount, pEntries);
}

UINT CPalette::SetPaletteEntries(UINT nStart, UINT nCount, const PALETTEENTRY* pEntries)
{
    return ::SetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStart, nCount, pEntries);
}

int CPalette::GetEntryCount() const
{
    WORD nEntries = 0;
    if (m_hObject == nullptr || GetObject(sizeof(nEntries), &nEntries) == 0) {
        return 0;
    }
    return nEntries;
}
