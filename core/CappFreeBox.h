// The box kinds' shared geometry: four edge-middle points and the eight handles around them.
#pragma once

#include "core/CappFreeObj.h"
#include "core/FreeObjPoint.h"

class VORNCARD_API CCappFreeBox : public CCappFreeObj
{
    FX_DECLARE_DYNAMIC(CCappFreeBox)
public:
    CCappFreeBox& operator=(const CCappFreeBox& src);

    // Puts the edges on the rectangle's sides.
    void SetBoxRect(const CRect& rect);

    // 1 to 4 the left, bottom, right and top middles; 5 to 8 the corners left-bottom,
    // right-bottom, right-top and left-top.
    int GetHandleCount() override;
    CPoint GetHandlePoint(int nHandle) override;
    void MoveHandleTo(int nHandle, CPoint point) override;
    void MoveObj(CPoint ptOffset) override;
    CRect GetOutRect() override;
    CRect GetOutIineRect() override;
    void AdjustPoint(int nHandleIn, int& nHandleOut) override;

    // x of the left edge, y of the bottom (larger y), x of the right, y of the top; the other
    // coordinate of each stays in the middle of its edge.
    CFreeObjPoint m_ptLeft;
    CFreeObjPoint m_ptBottom;
    CFreeObjPoint m_ptRight;
    CFreeObjPoint m_ptTop;

protected:
    CCappFreeBox() = default;
    CCappFreeBox(const CCappFreeBox& src);

    // Left, top, right, bottom as the edges stand (not normalised).
    CRect GetEdgeRect() const;
    // The edges in the order a record keeps them: left, bottom, right, top (bLeftBottom) or left,
    // top, right, bottom.
    void SerializeEdges(CArchive& ar, BOOL bLeftBottom);
    // Moves handle 6 so that the box measures nWidth by nHeight from handle 8; a side below 1
    // keeps its length.
    void SetBoxSize(int nWidth, int nHeight);
    // Re-centres the four middle points on their edges.
    void CentreMiddles();
};
