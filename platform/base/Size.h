// Extent in logical or device units: a SIZE with arithmetic.
#pragma once

#include "platform/base/FxExport.h"

class CSize : public SIZE
{
public:
    CSize() : SIZE{0, 0} {}
    CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}
    CSize(const SIZE& size) : SIZE(size) {}
    explicit CSize(const POINT& pt) : SIZE{pt.x, pt.y} {}

    void SetSize(int nCX, int nCY)
    {
        cx = nCX;
        cy = nCY;
    }

    bool operator==(const SIZE& size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(const SIZE& size) const { return !(*this == size); }
    CSize& operator+=(const SIZE& size)
    {
        cx += size.cx;
        cy += size.cy;
        return *this;
    }
    CSize& operator-=(const SIZE& size)
    {
        cx -= size.cx;
        cy -= size.cy;
        return *this;
    }
    CSize operator+(const SIZE& size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(const SIZE& size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};
