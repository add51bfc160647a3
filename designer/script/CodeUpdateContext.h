// The range of one change; moves a point a view keeps (caret, selection ends, anchor) so that it
// stays on the same text. Positions are (character byte index, line).
#pragma once

#include "platform/base/Point.h"

class CCodeUpdateContext
{
public:
    CCodeUpdateContext(CPoint ptStart, CPoint ptEnd, bool bInsert);

    void RecalcPoint(CPoint& pt) const;
    CPoint GetStart() const { return m_ptStart; }
    CPoint GetEnd() const { return m_ptEnd; }
    bool IsInsert() const { return m_bInsert; }

private:
    CPoint m_ptStart;
    CPoint m_ptEnd;
    bool m_bInsert;
};
