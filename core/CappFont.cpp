#include "core/CappFont.h"

#include <climits>
#include <cstring>

#include "core/res/resource.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace
{

const CString& DefaultFace()
{
    static const CString s_strFace = [] {
        CString str;
        if (!str.LoadString(reinterpret_cast<HINSTANCE>(&__ImageBase), IDS_DEFAULT_FONTFACE)) {
            str = "宋体";
        }
        return str;
    }();
    return s_strFace;
}

} // namespace

void CappInitLogFont(LOGFONTA& lf, LONG lHeight)
{
    std::memset(&lf, 0, sizeof(lf));
    lf.lfHeight = lHeight;
    lf.lfCharSet = 134;
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 0x32;
    CappSetFaceName(lf, DefaultFace());
}

void CappSetFaceName(LOGFONTA& lf, const CString& strFace)
{
    const int nMax = LF_FACESIZE - 1;
    LPCSTR psz = strFace;
    int nLen = 0;
    while (psz[nLen] != '\0') {
        int nChar = CString::CharLength(psz + nLen);
        if (nLen + nChar > nMax) {
            break;
        }
        nLen += nChar;
    }
    std::memcpy(lf.lfFaceName, psz, nLen);
    std::memset(lf.lfFaceName + nLen, 0, LF_FACESIZE - nLen);
}

LONG CalcFontHeight(CDC* pDC, LONG lValue)
{
    if (pDC == nullptr || pDC->IsPrinting()) {
        return lValue;
    }
    SIZE sizeViewport = {};
    ::GetViewportExtEx(pDC->m_hAttribDC, &sizeViewport);
    const LONGLONG nWindow = pDC->GetWindowExt().cy;
    const LONGLONG nViewport = sizeViewport.cy;
    if (nViewport == 0 || lValue == 0) {
        return lValue;
    }
    const LONGLONG nMagnitude = lValue < 0 ? -static_cast<LONGLONG>(lValue) : lValue;
    if ((nMagnitude * (nWindow < 0 ? -nWindow : nWindow)) % (nViewport < 0 ? -nViewport : nViewport) == 0) {
        return lValue;
    }
    if (lValue > 0) {
        return lValue < LONG_MAX ? lValue + 1 : lValue;
    }
    return lValue > LONG_MIN ? lValue - 1 : lValue;
}

CString CappDrawContextName(CDC* pDC, LPCSTR pszContext)
{
    if (pszContext != nullptr && *pszContext != '\0') {
        return pszContext;
    }
    return (pDC != nullptr && pDC->IsPrinting()) ? "PRINT" : "WIN";
}
