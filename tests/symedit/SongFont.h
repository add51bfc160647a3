// The cell font the Markwell tests draw with: 宋体, normal weight, GB2312, of a given height.
#pragma once

#include <windows.h>

inline LOGFONT SongFont(LONG lHeight)
{
    LOGFONT lf = {};
    lf.lfHeight = lHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    lstrcpyA(lf.lfFaceName, "宋体");
    return lf;
}
