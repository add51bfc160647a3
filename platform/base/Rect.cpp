#include "platform/base/Rect.h"

#include <utility>

BOOL CRect::PtInRect(POINT pt) const
{
    return ::PtInRect(this, pt);
}

BOOL CRect::IsRectEmpty() const
{
    return ::IsRectEmpty(this);
}

BOOL CRect::EqualRect(LPCRECT prc) const
{
    return ::EqualRect(this, prc);
}

void CRect::SetRect(int l, int t, int r, int b)
{
    ::SetRect(this, l, t, r, b);
}

void CRect::SetRectEmpty()
{
    ::SetRectEmpty(this);
}

void CRect::CopyRect(LPCRECT prc)
{
    ::CopyRect(this, prc);
}

void CRect::NormalizeRect()
{
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

void CRect::InflateRect(int x, int y)
{
    ::InflateRect(this, x, y);
}

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::OffsetRect(int x, int y)
{
    ::OffsetRect(this, x, y);
}

BOOL CRect::IntersectRect(LPCRECT prc1, LPCRECT prc2)
{
    return ::IntersectRect(this, prc1, prc2);
}

BOOL CRect::UnionRect(LPCRECT prc1, LPCRECT prc2)
{
    return ::UnionRect(this, prc1, prc2);
}

CRect& CRect::operator=(const RECT& rc)
{
    ::CopyRect(this, &rc);
    return *this;
}

CRect& CRect::operator+=(POINT pt)
{
    OffsetRect(pt);
    return *this;
}

CRect& CRect::operator+=(SIZE size)
{
    OffsetRect(size);
    return *this;
}

CRect& CRect::operator-=(POINT pt)
{
    OffsetRect(-pt.x, -pt.y);
    return *this;
}

CRect& CRect::operator-=(SIZE size)
{
    OffsetRect(-size.cx, -size.cy);
    return *this;
}

CRect& CRect::operator&=(const RECT& rc)
{
    // Copy first: the destination is also a source.
    RECT rcThis = *this;
    ::IntersectRect(this, &rcThis, &rc);
    return *this;
}

CRect& CRect::operator|=(const RECT& rc)
{
    RECT rcThis = *this;
    ::UnionRect(this, &rcThis, &rc);
    return *this;
}

CRect CRect::operator+(POINT pt) const
{
    CRect rc(*this);
    rc += pt;
    return rc;
}

CRect CRect::operator-(POINT pt) const
{
    CRect rc(*this);
    rc -= pt;
    return rc;
}

CRect CRect::operator+(SIZE size) const
{
    CRect rc(*this);
    rc += size;
    return rc;
}

CRect CRect::operator-(SIZE size) const
{
    CRect rc(*this);
    rc -= size;
    return rc;
}

CRect CRect::operator&(const RECT& rc) const
{
    CRect rcOut;
    ::IntersectRect(&rcOut, this, &rc);
    return rcOut;
}

CRect CRect::operator|(const RECT& rc) const
{
    CRect rcOut;
    ::UnionRect(&rcOut, this, &rc);
    return rcOut;
}
