// Free spline: a polyline through its points in order, one handle per point.
#pragma once

#include "core/CappFreeObj.h"
#include "platform/base/ObList.h"

class CFreeObjPoint;

class VORNCARD_API CCappFreeSpline : public CCappFreeObj
{
    FX_DECLARE_SERIAL(CCappFreeSpline)
public:
    CCappFreeSpline();
    ~CCappFreeSpline() override;
    CCappFreeSpline(const CCappFreeSpline&) = delete;
    CCappFreeSpline& operator=(const CCappFreeSpline& src);

    void AddPoint(CPoint point);
    void RemoveAllPoints();
    CFreeObjPoint* GetPointAt(int nIndex);

    // Written with version "3.1" and its points; the points are read only from a "3.1" record,
    // so older records still load (without points).
    void Serialize(CArchive& ar) override;
    // Nothing below two points.
    void Draw(CDC* pDC) override;
    int GetHandleCount() override;
    CPoint GetHandlePoint(int nHandle) override;
    HCURSOR GetHandleCursor(int nHandle) override;
    // Handle n moves the n-th point.
    void MoveHandleTo(int nHandle, CPoint point) override;
    void MoveObj(CPoint ptOffset) override;
    CRect GetOutRect() override;
    CRect GetOutIineRect() override;
    // On any segment.
    int CanPick(CPoint point) override;

    CObList m_listPoint; // CFreeObjPoint, owned
};
