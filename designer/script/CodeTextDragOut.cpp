#include "designer/script/CodeTextDragOut.h"

#include "designer/script/CodeUpdateContext.h"

namespace
{
bool Less(CPoint a, CPoint b)
{
    return a.y < b.y || (a.y == b.y && a.x < b.x);
}
} // namespace

void CCodeTextDragOut::Begin(CPoint ptStart, CPoint ptEnd)
{
    m_ptStart = ptStart;
    m_ptEnd = ptEnd;
    m_nEdits = 0;
    m_bActive = TRUE;
}

BOOL CCodeTextDragOut::End()
{
    m_bActive = FALSE;
    return m_nEdits > 0;
}

void CCodeTextDragOut::GetRange(CPoint& ptStart, CPoint& ptEnd) const
{
    ptStart = m_ptStart;
    ptEnd = m_ptEnd;
}

BOOL CCodeTextDragOut::Contains(CPoint pt) const
{
    return m_bActive && !Less(pt, m_ptStart) && !Less(m_ptEnd, pt);
}

void CCodeTextDragOut::FollowChange(const CCodeUpdateContext& context)
{
    if (!m_bActive) {
        return;
    }
    context.RecalcPoint(m_ptStart);
    context.RecalcPoint(m_ptEnd);
    ++m_nEdits;
}
