// A rectangular range of the grid: its rectangle and the four lines around it.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Rect.h"

class CCappLine;

class VORNCARD_API CCappRange
{
public:
    CCappRange();
    virtual ~CCappRange() = default;

    // Empties the range.
    void ResertVal();
    // Left, top, right and bottom as the positions of the four lines; empty without them.
    CRect GetRectSpace() const;

    // 1: bounded by four cell lines.
    int m_nKind;
    CRect m_rect;
    CCappLine* m_pLeftLine;
    CCappLine* m_pTopLine;
    CCappLine* m_pRightLine;
    CCappLine* m_pBottomLine;
};
