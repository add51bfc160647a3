#include "core/CappRange.h"

CCappRange::CCappRange()
{
    ResertVal();
}

void CCappRange::ResertVal()
{
    m_nKind = 0;
    m_rect.SetRectEmpty();
    m_pLeftLine = nullptr;
    m_pTopLine = nullptr;
    m_pRightLine = nullptr;
    m_pBottomLine = nullptr;
}
