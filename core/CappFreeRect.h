// Free rectangle: a box with an outline, a fill and its text.
#pragma once

#include "core/CappFreeBox.h"

class VORNCARD_API CCappFreeRect : public CCappFreeBox
{
    FX_DECLARE_SERIAL(CCappFreeRect)
public:
    CCappFreeRect();
    CCappFreeRect& operator=(const CCappFreeRect& src);

    // The integer, then the left, top, right and bottom middles.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    // The bounding rectangle shrunk by 1.
    CRect GetClientRect() override;
    int CanPick(CPoint point) override;
    void SetSize(int nWidth, int nHeight) override;

    int m_nRectInt = 0;
};
