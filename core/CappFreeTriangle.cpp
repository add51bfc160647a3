#include "core/CappFreeTriangle.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "core/CappFreeObjPaint.h"
#include "core/CappFreePointList.h"
#include "core/CappFreeShapeFun.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/gdi/DC.h"

FX_IMPLEMENT_SERIAL(CCappFreeTriangle, CCappFreeBox, 0)

namespace
{
constexpr char kPointsVersion[] = "3.1";
constexpr int kPointCount = 5;
} // namespace

CCappFreeTriangle::CCappFreeTriangle()
{
    m_nKind = kindTriangle;
}

CCappFreeTriangle& CCappFreeTriangle::operator=(const CCappFreeTriangle& src)
{
    CCappFreeBox::operator=(src);
    m_ptApex = src.m_ptApex;
    return *this;
}

void CCappFreeTriangle::SetBoxRect(const CRect& rect)
{
    CCappFreeBox::SetBoxRect(rect);
    m_ptApex = m_ptTop;
}

void CCappFreeTriangle::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strVersion = kPointsVersion;
        CCappFreeObj::Serialize(ar);
        CappStorePoints(ar, {m_ptLeft.pt(), m_ptBottom.pt(), m_ptRight.pt(), m_ptTop.pt(), m_ptApex.pt()});
        return;
    }
    CCappFreeObj::Serialize(ar);
    std::vector<CPoint> points;
    if (!CappLoadPoints(ar, m_strVersion, kPointCount, kPointCount, points)) {
        return;
    }
    if (points.size() != static_cast<size_t>(kPointCount)) {
        CArchiveException::Throw(CArchiveException::badIndex);
    }
    m_ptLeft.SetValue(points[0]);
    m_ptBottom.SetValue(points[1]);
    m_ptRight.SetValue(points[2]);
    m_ptTop.SetValue(points[3]);
    m_ptApex.SetValue(points[4]);
}

void CCappFreeTriangle::GetVertices(CPoint vertices[3])
{
    vertices[0] = CPoint(m_ptLeft.m_x, m_ptBottom.m_y);
    vertices[1] = CPoint(m_ptRight.m_x, m_ptBottom.m_y);
    vertices[2] = CPoint(m_ptApex.m_x, m_ptTop.m_y);
}

void CCappFreeTriangle::Draw(CDC* pDC)
{
    {
        CCappFreeObjPaint paint(pDC, *this, CCappFreeObjPaint::modeArea);
        if (paint.IsDrawn()) {
            CPoint vertices[3];
            GetVertices(vertices);
            pDC->Polygon(vertices, 3);
        }
    }
    DrawObjText(pDC, GetOutRect());
    DrawTrackerIfShown(pDC);
}

int CCappFreeTriangle::GetHandleCount()
{
    return 9;
}

CPoint CCappFreeTriangle::GetHandlePoint(int nHandle)
{
    if (nHandle == 9) {
        return CPoint(m_ptApex.m_x, m_ptTop.m_y);
    }
    return CCappFreeBox::GetHandlePoint(nHandle);
}

void CCappFreeTriangle::MoveHandleTo(int nHandle, CPoint point)
{
    if (nHandle == 9) {
        m_ptApex.SetValue(point.x, m_ptTop.m_y);
        return;
    }
    const double dOldLeft = m_ptLeft.m_x;
    const double dOldWidth = static_cast<double>(m_ptRight.m_x) - dOldLeft;
    CCappFreeBox::MoveHandleTo(nHandle, point);
    const double dWidth = static_cast<double>(m_ptRight.m_x) - m_ptLeft.m_x;
    if (dOldWidth != 0) {
        const double dApex = m_ptLeft.m_x + (m_ptApex.m_x - dOldLeft) * dWidth / dOldWidth;
        m_ptApex.m_x =
            static_cast<int>(std::clamp(std::round(dApex), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
    } else {
        m_ptApex.m_x = m_ptTop.m_x;
    }
    m_ptApex.m_y = m_ptTop.m_y;
}

void CCappFreeTriangle::MoveObj(CPoint ptOffset)
{
    CCappFreeBox::MoveObj(ptOffset);
    m_ptApex.SetValue(m_ptApex.m_x + ptOffset.x, m_ptApex.m_y + ptOffset.y);
}

void CCappFreeTriangle::AdjustPoint(int nHandleIn, int& nHandleOut)
{
    CCappFreeBox::AdjustPoint(nHandleIn, nHandleOut);
    m_ptApex.m_y = m_ptTop.m_y;
}

int CCappFreeTriangle::CanPick(CPoint point)
{
    CPoint vertices[3];
    GetVertices(vertices);
    return CCappFreeShapeFun::PtInTriangle(point, vertices[0], vertices[1], vertices[2]);
}
