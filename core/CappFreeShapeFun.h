// Geometry the free-object kinds share: points in triangles and the pointer toward a tip.
#pragma once

#include "platform/base/Rect.h"

class CCappFreeShapeFun
{
public:
    CCappFreeShapeFun() = delete;

    // On an edge counts as inside; a degenerate triangle holds only points on its segments.
    static BOOL PtInTriangle(CPoint pt, CPoint a, CPoint b, CPoint c);
    // The two base corners of a pointer from the body's centre toward the tip: a fifth of the
    // body's shorter side apart on each side of the centre line.
    static void GetPointerBase(const CRect& rcBody, CPoint ptTip, CPoint& ptBase1, CPoint& ptBase2);
};
