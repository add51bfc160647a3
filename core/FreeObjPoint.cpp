#include "core/FreeObjPoint.h"

#include "core/CappSizeLimit.h"
#include "platform/base/Archive.h"

FX_IMPLEMENT_SERIAL(CFreeObjPoint, CObject, 0)

CFreeObjPoint& CFreeObjPoint::operator=(const CFreeObjPoint& src)
{
    m_x = src.m_x;
    m_y = src.m_y;
    return *this;
}

void CFreeObjPoint::SetValue(int x, int y)
{
    m_x = x;
    m_y = y;
}

void CFreeObjPoint::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_x << m_y;
    } else {
        ar >> m_x >> m_y;
        m_x = CappClampCoord(m_x);
        m_y = CappClampCoord(m_y);
    }
}
