#include "core/CappFreeBox.h"

#include <utility>

#include "platform/base/Archive.h"

FX_IMPLEMENT_DYNAMIC(CCappFreeBox, CCappFreeObj)

CCappFreeBox::CCappFreeBox(const CCappFreeBox& src) : CCappFreeObj(src)
{
    m_ptLeft = src.m_ptLeft;
    m_ptBottom = src.m_ptBottom;
    m_ptRight = src.m_ptRight;
    m_ptTop = src.m_ptTop;
}

CCappFreeBox& CCappFreeBox::operator=(const CCappFreeBox& src)
{
    CCappFreeObj::operator=(src);
    m_ptLeft = src.m_ptLeft;
    m_ptBottom = src.m_ptBottom;
    m_ptRight = src.m_ptRight;
    m_ptTop = src.m_ptTop;
    return *this;
}

void CCappFreeBox::SetBoxRect(const CRect& rect)
{
    m_ptLeft.m_x = rect.left;
    m_ptBottom.m_y = rect.bottom;
    m_ptRight.m_x = rect.right;
    m_ptTop.m_y = rect.top;
    CentreMiddles();
}

void CCappFreeBox::CentreMiddles()
{
    const auto xMid = static_cast<int>((static_cast<long long>(m_ptLeft.m_x) + m_ptRight.m_x) / 2);
    const auto yMid = static_cast<int>((static_cast<long long>(m_ptTop.m_y) + m_ptBottom.m_y) / 2);
    m_ptTop.m_x = xMid;
    m_ptBottom.m_x = xMid;
    m_ptLeft.m_y = yMid;
    m_ptRight.m_y = yMid;
}

CRect CCappFreeBox::GetEdgeRect() const
{
    return CRect(m_ptLeft.m_x, m_ptTop.m_y, m_ptRight.m_x, m_ptBottom.m_y);
}

int CCappFreeBox::GetHandleCount()
{
    return 8;
}

CPoint CCappFreeBox::GetHandlePoint(int nHandle)
{
    switch (nHandle) {
    case 1:
        return m_ptLeft.pt();
    case 2:
        return m_ptBottom.pt();
    case 3:
        return m_ptRight.pt();
    case 4:
        return m_ptTop.pt();
    case 5:
        return CPoint(m_ptLeft.m_x, m_ptBottom.m_y);
    case 6:
        return CPoint(m_ptRight.m_x, m_ptBottom.m_y);
    case 7:
        return CPoint(m_ptRight.m_x, m_ptTop.m_y);
    case 8:
        return CPoint(m_ptLeft.m_x, m_ptTop.m_y);
    default:
        return CPoint(0, 0);
    }
}

// An edge handle re-centres the middles of the two edges beside it; a corner re-centres all four.
void CCappFreeBox::MoveHandleTo(int nHandle, CPoint point)
{
    switch (nHandle) {
    case 1:
        m_ptLeft.m_x = point.x;
        break;
    case 2:
        m_ptBottom.m_y = point.y;
        break;
    case 3:
        m_ptRight.m_x = point.x;
        break;
    case 4:
        m_ptTop.m_y = point.y;
        break;
    case 5:
        m_ptLeft.m_x = point.x;
        m_ptBottom.m_y = point.y;
        break;
    case 6:
        m_ptRight.m_x = point.x;
        m_ptBottom.m_y = point.y;
        break;
    case 7:
        m_ptRight.m_x = point.x;
        m_ptTop.m_y = point.y;
        break;
    case 8:
        m_ptLeft.m_x = point.x;
        m_ptTop.m_y = point.y;
        break;
    default:
        return;
    }
    CentreMiddles();
}

void CCappFreeBox::MoveObj(CPoint ptOffset)
{
    for (CFreeObjPoint* pPoint : {&m_ptLeft, &m_ptBottom, &m_ptRight, &m_ptTop}) {
        pPoint->SetValue(pPoint->m_x + ptOffset.x, pPoint->m_y + ptOffset.y);
    }
}

CRect CCappFreeBox::GetOutRect()
{
    CRect rc = GetEdgeRect();
    rc.NormalizeRect();
    return rc;
}

CRect CCappFreeBox::GetOutIineRect()
{
    CRect rc = GetOutRect();
    rc.InflateRect(kHandleHalf, kHandleHalf);
    return rc;
}

void CCappFreeBox::AdjustPoint(int nHandleIn, int& nHandleOut)
{
    nHandleOut = nHandleIn;
    if (m_ptRight.m_x < m_ptLeft.m_x) {
        std::swap(m_ptLeft, m_ptRight);
        const int map[] = {0, 3, 2, 1, 4, 6, 5, 8, 7};
        if (nHandleOut >= 1 && nHandleOut <= 8) {
            nHandleOut = map[nHandleOut];
        }
    }
    if (m_ptBottom.m_y < m_ptTop.m_y) {
        std::swap(m_ptBottom, m_ptTop);
        const int map[] = {0, 1, 4, 3, 2, 8, 7, 6, 5};
        if (nHandleOut >= 1 && nHandleOut <= 8) {
            nHandleOut = map[nHandleOut];
        }
    }
}

void CCappFreeBox::SetBoxSize(int nWidth, int nHeight)
{
    const CPoint ptCorner = GetHandlePoint(6);
    MoveHandleTo(
        6, CPoint(nWidth >= 1 ? m_ptLeft.m_x + nWidth : ptCorner.x, nHeight >= 1 ? m_ptTop.m_y + nHeight : ptCorner.y));
}

void CCappFreeBox::SerializeEdges(CArchive& ar, BOOL bLeftBottom)
{
    CFreeObjPoint* order[] = {&m_ptLeft, &m_ptTop, &m_ptRight, &m_ptBottom};
    if (bLeftBottom) {
        std::swap(order[1], order[3]);
    }
    for (CFreeObjPoint* pPoint : order) {
        pPoint->Serialize(ar);
    }
}
