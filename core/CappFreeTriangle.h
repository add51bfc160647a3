// Free triangle: standing on the bottom edge of its box, its apex on the top edge.
#pragma once

#include "core/CappFreeBox.h"

class VORNCARD_API CCappFreeTriangle : public CCappFreeBox
{
    FX_DECLARE_SERIAL(CCappFreeTriangle)
public:
    CCappFreeTriangle();
    CCappFreeTriangle& operator=(const CCappFreeTriangle& src);

    // The box, the apex in the middle of the top edge.
    void SetBoxRect(const CRect& rect);

    // Written with version "3.1" and its points (the four middles, then the apex); the points are
    // read only from a "3.1" record, so older records still load.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    // The box handles and 9, the apex.
    int GetHandleCount() override;
    CPoint GetHandlePoint(int nHandle) override;
    // Moving a side keeps the apex at the same fraction of the width; the apex moves along the
    // top edge.
    void MoveHandleTo(int nHandle, CPoint point) override;
    void MoveObj(CPoint ptOffset) override;
    void AdjustPoint(int nHandleIn, int& nHandleOut) override;
    int CanPick(CPoint point) override;

    // Left-bottom, right-bottom, apex.
    void GetVertices(CPoint vertices[3]);

    CFreeObjPoint m_ptApex;
};
