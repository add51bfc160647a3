#include "core/CappFont.h"

#include <cstring>

#include "core/res/resource.h"

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
