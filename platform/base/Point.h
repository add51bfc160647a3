// Position in logical or device units: a POINT with arithmetic.
#pragma once

#include "platform/base/Size.h"

class CPoint : public POINT
{
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}
    CPoint(const POINT& pt) : POINT(pt) {}
    explicit CPoint(const SIZE& size) : POINT{size.cx, size.cy} {}

    void SetPoint(int nX, int nY)
    {
        x = nX;
        y = nY;
    }
    void Offset(int xOffset, int yOffset)
    {
        x += xOffset;
        y += yOffset;
    }
    void Offset(const POINT& pt) { Offset(pt.x, pt.y); }
    void Offset(const SIZE& size) { Offset(size.cx, size.cy); }

    bool operator==(const POINT& pt) const { return x == pt.x && y == pt.y; }
    bool operator!=(const POINT& pt) const { return !(*this == pt); }
    CPoint& operator+=(const SIZE& size)
    {
        Offset(size);
        return *this;
    }
    CPoint& operator-=(const SIZE& size)
    {
        Offset(-size.cx, -size.cy);
        return *this;
    }
    CPoint& operator+=(const POINT& pt)
    {
        Offset(pt);
        return *this;
    }
    CPoint& operator-=(const POINT& pt)
    {
        Offset(-pt.x, -pt.y);
        return *this;
    }
    CPoint operator+(const SIZE& size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(const SIZE& size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator+(const POINT& pt) const { return CPoint(x + pt.x, y + pt.y); }
    // The distance between two points is a size.
    CSize operator-(const POINT& pt) const { return CSize(x - pt.x, y - pt.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};
