// A rectangle of doubles in symbol units or in logical units at a drawing scale.
#pragma once

#include "symbols/DoublePoint.h"

class CDoubleRect
{
public:
    CDoubleRect() = default;
    CDoubleRect(double l, double t, double r, double b) : left(l), top(t), right(r), bottom(b) {}

    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
    // Zero width or height counts as empty, as for an integer rectangle.
    bool IsEmpty() const { return !(right > left && bottom > top); }
    void SetEmpty() { left = top = right = bottom = 0.0; }

    void Normalize()
    {
        if (left > right) {
            double d = left;
            left = right;
            right = d;
        }
        if (top > bottom) {
            double d = top;
            top = bottom;
            bottom = d;
        }
    }
    void Inflate(double d)
    {
        left -= d;
        top -= d;
        right += d;
        bottom += d;
    }
    void Scale(double d)
    {
        left *= d;
        top *= d;
        right *= d;
        bottom *= d;
    }
    // Grows to hold the point; a first point starts the rectangle.
    void AddPoint(double x, double y, bool bFirst)
    {
        if (bFirst) {
            left = right = x;
            top = bottom = y;
            return;
        }
        left = x < left ? x : left;
        right = x > right ? x : right;
        top = y < top ? y : top;
        bottom = y > bottom ? y : bottom;
    }
    // Union that keeps zero-size rectangles: a point still widens the union.
    void Union(const CDoubleRect& rc, bool bFirst)
    {
        AddPoint(rc.left, rc.top, bFirst);
        AddPoint(rc.right, rc.bottom, false);
    }

    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};
