#include "core/CappFreeSpline.h"

#include <algorithm>
#include <vector>

#include "core/CappFreeObjPaint.h"
#include "core/CappFreePointList.h"
#include "core/CappListArchive.h"
#include "core/FreeObjPoint.h"
#include "platform/base/Archive.h"
#include "platform/gdi/DC.h"

FX_IMPLEMENT_SERIAL(CCappFreeSpline, CCappFreeObj, 0)

namespace
{
constexpr char kPointsVersion[] = "3.1";
// More points than a hand-drawn spline has: an unmarked count beyond is no point block.
constexpr int kMaxOldPoints = 10000;
} // namespace

CCappFreeSpline::CCappFreeSpline()
{
    m_nKind = kindSpline;
}

CCappFreeSpline::~CCappFreeSpline()
{
    RemoveAllPoints();
}

CCappFreeSpline& CCappFreeSpline::operator=(const CCappFreeSpline& src)
{
    if (this == &src) {
        return *this;
    }
    CCappFreeObj::operator=(src);
    RemoveAllPoints();
    POSITION pos = src.m_listPoint.GetHeadPosition();
    while (pos != nullptr) {
        AddPoint(static_cast<CFreeObjPoint*>(src.m_listPoint.GetNext(pos))->pt());
    }
    return *this;
}

void CCappFreeSpline::AddPoint(CPoint point)
{
    m_listPoint.AddTail(new CFreeObjPoint(point.x, point.y));
}

void CCappFreeSpline::RemoveAllPoints()
{
    CappFreeList(m_listPoint);
}

CFreeObjPoint* CCappFreeSpline::GetPointAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_listPoint.GetCount()) {
        return nullptr;
    }
    return static_cast<CFreeObjPoint*>(m_listPoint.GetAt(m_listPoint.FindIndex(nIndex)));
}

void CCappFreeSpline::Serialize(CArchive& ar)
{
    std::vector<CPoint> points;
    if (ar.IsStoring()) {
        m_strVersion = kPointsVersion;
        CCappFreeObj::Serialize(ar);
        POSITION pos = m_listPoint.GetHeadPosition();
        while (pos != nullptr) {
            points.push_back(static_cast<CFreeObjPoint*>(m_listPoint.GetNext(pos))->pt());
        }
        CappStorePoints(ar, points);
        return;
    }
    RemoveAllPoints();
    CCappFreeObj::Serialize(ar);
    // Our earlier saves of one point or none cannot be told from a bare record: they load bare.
    CappLoadPoints(ar, m_strVersion, 2, kMaxOldPoints, points);
    for (const CPoint& pt : points) {
        AddPoint(pt);
    }
}

void CCappFreeSpline::Draw(CDC* pDC)
{
    if (m_listPoint.GetCount() >= 2) {
        std::vector<POINT> points;
        POSITION pos = m_listPoint.GetHeadPosition();
        while (pos != nullptr) {
            points.push_back(static_cast<CFreeObjPoint*>(m_listPoint.GetNext(pos))->pt());
        }
        CCappFreeObjPaint paint(pDC, *this, CCappFreeObjPaint::modeStroke);
        pDC->Polyline(points.data(), static_cast<int>(points.size()));
    }
    DrawTrackerIfShown(pDC);
}

int CCappFreeSpline::GetHandleCount()
{
    return static_cast<int>(m_listPoint.GetCount());
}

CPoint CCappFreeSpline::GetHandlePoint(int nHandle)
{
    CFreeObjPoint* pPoint = GetPointAt(nHandle - 1);
    return pPoint != nullptr ? pPoint->pt() : CPoint(0, 0);
}

HCURSOR CCappFreeSpline::GetHandleCursor(int /*nHandle*/)
{
    return ::LoadCursorA(nullptr, IDC_SIZENWSE);
}

void CCappFreeSpline::MoveHandleTo(int nHandle, CPoint point)
{
    if (CFreeObjPoint* pPoint = GetPointAt(nHandle - 1)) {
        pPoint->SetValue(point);
    }
}

void CCappFreeSpline::MoveObj(CPoint ptOffset)
{
    POSITION pos = m_listPoint.GetHeadPosition();
    while (pos != nullptr) {
        auto* pPoint = static_cast<CFreeObjPoint*>(m_listPoint.GetNext(pos));
        pPoint->SetValue(pPoint->pt() + ptOffset);
    }
}

CRect CCappFreeSpline::GetOutRect()
{
    POSITION pos = m_listPoint.GetHeadPosition();
    if (pos == nullptr) {
        return CRect(0, 0, 0, 0);
    }
    const CPoint ptFirst = static_cast<CFreeObjPoint*>(m_listPoint.GetNext(pos))->pt();
    CRect rc(ptFirst, ptFirst);
    while (pos != nullptr) {
        const CPoint pt = static_cast<CFreeObjPoint*>(m_listPoint.GetNext(pos))->pt();
        rc.left = std::min(rc.left, pt.x);
        rc.top = std::min(rc.top, pt.y);
        rc.right = std::max(rc.right, pt.x);
        rc.bottom = std::max(rc.bottom, pt.y);
    }
    return rc;
}

CRect CCappFreeSpline::GetOutIineRect()
{
    CRect rc = GetOutRect();
    rc.InflateRect(kHandleHalf, kHandleHalf);
    return rc;
}

int CCappFreeSpline::CanPick(CPoint point)
{
    POSITION pos = m_listPoint.GetHeadPosition();
    if (pos == nullptr) {
        return FALSE;
    }
    CPoint ptPrev = static_cast<CFreeObjPoint*>(m_listPoint.GetNext(pos))->pt();
    while (pos != nullptr) {
        const CPoint pt = static_cast<CFreeObjPoint*>(m_listPoint.GetNext(pos))->pt();
        if (CanPickLine(ptPrev, pt, point)) {
            return TRUE;
        }
        ptPrev = pt;
    }
    return FALSE;
}
