// Free circle: the ellipse inscribed in its box, with its text.
#pragma once

#include "core/CappFreeBox.h"

class VORNCARD_API CCappFreeCircle : public CCappFreeBox
{
    FX_DECLARE_SERIAL(CCappFreeCircle)
public:
    CCappFreeCircle();
    CCappFreeCircle& operator=(const CCappFreeCircle& src);

    // The left, bottom, right and top middles.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    int CanPick(CPoint point) override;
    void SetSize(int nWidth, int nHeight) override;
};
