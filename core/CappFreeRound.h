// Free rounded box: a box with rounded corners and its text.
#pragma once

#include "core/CappFreeBox.h"

class VORNCARD_API CCappFreeRound : public CCappFreeBox
{
    FX_DECLARE_SERIAL(CCappFreeRound)
public:
    CCappFreeRound();
    CCappFreeRound& operator=(const CCappFreeRound& src);

    // The left, top, right and bottom middles, then the corner point.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    // The size-all cursor for 0 and 9, the box cursors otherwise.
    HCURSOR GetHandleCursor(int nHandle) override;
    int CanPick(CPoint point) override;
    void SetSize(int nWidth, int nHeight) override;

    // Width and height of the ellipse that rounds a corner; the corner point's x and y when both
    // are above 0, else a quarter of the shorter side.
    CSize GetCornerSize();
    static CSize AutoCornerSize(const CRect& rect);

    CFreeObjPoint m_ptCorner;
};
