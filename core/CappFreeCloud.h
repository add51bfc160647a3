// Free cloud: twelve bulges round the ellipse of its box, with an optional pointer to its tip.
#pragma once

#include "core/CappFreePointerBox.h"

class VORNCARD_API CCappFreeCloud : public CCappFreePointerBox
{
    FX_DECLARE_SERIAL(CCappFreeCloud)
public:
    CCappFreeCloud();
    CCappFreeCloud& operator=(const CCappFreeCloud& src);

protected:
    BOOL CreateBodyRgn(CRgn& rgn, const CRect& rcBody) override;
    // The ellipse of the box.
    BOOL CanPickBody(const CRect& rcBody, CPoint point) override;
};
