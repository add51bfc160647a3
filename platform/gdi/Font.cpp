#include "platform/gdi/Font.h"

#include "platform/gdi/FxTempMap.h"

CFont* CFont::FromHandle(HFONT hFont)
{
    return CFxTempMap<CFont, HFONT>::Lookup(hFont, [](CFont* p, HFONT h) { p->AttachView(h); });
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* pLogFont)
{
    return Attach(::CreateFontIndirectA(pLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCSTR pszFacename)
{
    return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                                nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, pszFacename));
}
