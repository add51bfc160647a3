// Ranges of the sizes a template gives: far beyond any real card, small enough that GDI draws them
// at once. A damaged value is clamped when it is read and again before it reaches GDI, so one
// damaged file can neither crash nor hang whoever paints it.
#pragma once

#include <windows.h>

#include <algorithm>

#include "platform/base/Point.h"
#include "platform/base/Rect.h"

// Coordinates and lengths in tenths of a millimetre: 10 m, where a card measures at most a few.
constexpr int kCappMaxCoord = 100000;
// Pen widths in logical units: 10 cm, where lines are a few tenths of a millimetre.
constexpr int kCappMaxPenWidth = 1000;
// Font heights and widths in logical units: 20 cm, where the largest titles measure a few.
constexpr int kCappMaxFontSize = 2000;
// Text angles in tenths of a degree: one turn either way.
constexpr int kCappMaxAngle = 3600;

inline int CappClampInt(long long n, int nLow, int nHigh)
{
    return static_cast<int>(std::clamp(n, static_cast<long long>(nLow), static_cast<long long>(nHigh)));
}

inline int CappClampCoord(long long n)
{
    return CappClampInt(n, -kCappMaxCoord, kCappMaxCoord);
}

inline CPoint CappClampPoint(CPoint pt)
{
    return CPoint(CappClampCoord(pt.x), CappClampCoord(pt.y));
}

inline void CappClampRect(RECT& rc)
{
    rc.left = CappClampCoord(rc.left);
    rc.top = CappClampCoord(rc.top);
    rc.right = CappClampCoord(rc.right);
    rc.bottom = CappClampCoord(rc.bottom);
}

// A stored width keeps its sign (0 and below mean an invisible line).
inline int CappClampStoredWidth(long long n)
{
    return CappClampInt(n, -kCappMaxPenWidth, kCappMaxPenWidth);
}

// The width handed to CreatePen.
inline int CappClampPenWidth(long long n)
{
    return CappClampInt(n, 0, kCappMaxPenWidth);
}

inline int CappClampFontSize(long long n)
{
    return CappClampInt(n, -kCappMaxFontSize, kCappMaxFontSize);
}

// The sizes and angles of a font; the byte fields cannot go wrong.
inline void CappClampLogFont(LOGFONTA& lf)
{
    lf.lfHeight = CappClampFontSize(lf.lfHeight);
    lf.lfWidth = CappClampFontSize(lf.lfWidth);
    lf.lfEscapement = CappClampInt(lf.lfEscapement, -kCappMaxAngle, kCappMaxAngle);
    lf.lfOrientation = CappClampInt(lf.lfOrientation, -kCappMaxAngle, kCappMaxAngle);
    lf.lfWeight = CappClampInt(lf.lfWeight, 0, 1000);
}
