#include "designer/script/CodeUpdateContext.h"

CCodeUpdateContext::CCodeUpdateContext(CPoint ptStart, CPoint ptEnd, bool bInsert)
    : m_ptStart(ptStart), m_ptEnd(ptEnd), m_bInsert(bInsert)
{
}

void CCodeUpdateContext::RecalcPoint(CPoint& pt) const
{
    if (m_bInsert) {
        if (pt.y < m_ptStart.y) {
            return;
        }
        if (pt.y > m_ptStart.y) {
            pt.y += m_ptEnd.y - m_ptStart.y;
            return;
        }
        if (pt.x <= m_ptStart.x) {
            return;
        }
        pt.y += m_ptEnd.y - m_ptStart.y;
        pt.x += m_ptEnd.x - m_ptStart.x;
        return;
    }
    if (pt.y < m_ptStart.y) {
        return;
    }
    if (pt.y > m_ptEnd.y) {
        pt.y -= m_ptEnd.y - m_ptStart.y;
        return;
    }
    if (pt.y == m_ptEnd.y && pt.x >= m_ptEnd.x) {
        pt.y = m_ptStart.y;
        pt.x = m_ptStart.x + (pt.x - m_ptEnd.x);
        return;
    }
    if (pt.y > m_ptStart.y) {
        pt = m_ptStart;
        return;
    }
    if (pt.x > m_ptStart.x) {
        pt.x = m_ptStart.x;
    }
}
