// Rectangle in logical or device units: a RECT with the user32 rectangle functions as members.
#pragma once

#include "platform/base/Point.h"

class FX_API CRect : public RECT
{
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}
    CRect(LPCRECT prc) : RECT(*prc) {}
    CRect(const POINT& pt, const SIZE& size) : RECT{pt.x, pt.y, pt.x + size.cx, pt.y + size.cy} {}
    CRect(const POINT& ptTopLeft, const POINT& ptBottomRight)
        : RECT{ptTopLeft.x, ptTopLeft.y, ptBottomRight.x, ptBottomRight.y}
    {
    }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    // References into the rectangle: RECT is two POINTs laid end to end.
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Win32 semantics: right and bottom are outside; an empty or inverted rectangle holds nothing.
    BOOL PtInRect(POINT pt) const;
    BOOL IsRectEmpty() const;
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL EqualRect(LPCRECT prc) const;

    void SetRect(int l, int t, int r, int b);
    void SetRectEmpty();
    void CopyRect(LPCRECT prc);
    void NormalizeRect();
    void InflateRect(int x, int y);
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b);
    void InflateRect(LPCRECT prc) { InflateRect(prc->left, prc->top, prc->right, prc->bottom); }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(LPCRECT prc) { DeflateRect(prc->left, prc->top, prc->right, prc->bottom); }
    void OffsetRect(int x, int y);
    void OffsetRect(POINT pt) { OffsetRect(pt.x, pt.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    void MoveToXY(POINT pt) { MoveToXY(pt.x, pt.y); }
    // Both return FALSE and leave an empty rectangle when the result is empty.
    BOOL IntersectRect(LPCRECT prc1, LPCRECT prc2);
    BOOL UnionRect(LPCRECT prc1, LPCRECT prc2);

    CRect& operator=(const RECT& rc);
    bool operator==(const RECT& rc) const { return EqualRect(&rc) != FALSE; }
    bool operator!=(const RECT& rc) const { return !(*this == rc); }
    CRect& operator+=(POINT pt);
    CRect& operator+=(SIZE size);
    CRect& operator-=(POINT pt);
    CRect& operator-=(SIZE size);
    CRect& operator&=(const RECT& rc);
    CRect& operator|=(const RECT& rc);
    CRect operator+(POINT pt) const;
    CRect operator-(POINT pt) const;
    CRect operator+(SIZE size) const;
    CRect operator-(SIZE size) const;
    CRect operator&(const RECT& rc) const;
    CRect operator|(const RECT& rc) const;
};
