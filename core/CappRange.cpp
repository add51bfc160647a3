#include "core/CappRange.h"

#include "core/CappLine.h"

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

CRect CCappRange::GetRectSpace() const
{
    if (m_pLeftLine == nullptr || m_pTopLine == nullptr || m_pRightLine == nullptr || m_pBottomLine == nullptr) {
        return CRect();
    }
    return CRect(m_pLeftLine->m_nPos, m_pTopLine->m_nPos, m_pRightLine->m_nPos, m_pBottomLine->m_nPos);
}
