// One point of a free drawing object's geometry, serialisable so that it can stand in a list.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"
#include "platform/base/Point.h"

class VORNCARD_API CFreeObjPoint : public CObject
{
    FX_DECLARE_SERIAL(CFreeObjPoint)
public:
    CFreeObjPoint() = default;
    CFreeObjPoint(int x, int y) : m_x(x), m_y(y) {}
    CFreeObjPoint(const CFreeObjPoint& src) : CObject(), m_x(src.m_x), m_y(src.m_y) {}
    CFreeObjPoint& operator=(const CFreeObjPoint& src);

    void SetValue(int x, int y);
    void SetValue(CPoint point) { SetValue(point.x, point.y); }
    CPoint GetValue() const { return CPoint(m_x, m_y); }
    CPoint pt() const { return GetValue(); }
    int GetX() const { return m_x; }
    int GetY() const { return m_y; }

    // x, then y.
    void Serialize(CArchive& ar) override;

    int m_x = 0;
    int m_y = 0;
};
