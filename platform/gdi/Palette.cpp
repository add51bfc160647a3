#include "platform/gdi/Palette.h"

#include "platform/gdi/TempHandleMap.h"

CPalette* CPalette::FromHandle(HPALETTE hPalette)
{
    return FxTempWrapper<CPalette>(hPalette, [](CPalette* p, HPALETTE h) { p->m_hObject = h; });
}

BOOL CPalette::CreatePalette(const LOGPALETTE* pLogPalette)
{
    return Attach(::CreatePalette(pLogPalette));
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY pColors) const
{
    return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, pColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    return ::GetNearestPaletteIndex(*this, crColor);
}
