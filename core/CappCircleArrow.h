// Free circle with a pointer toward its tip.
#pragma once

#include "core/CappFreePointerBox.h"

class VORNCARD_API CCappCircleArrow : public CCappFreePointerBox
{
    FX_DECLARE_SERIAL(CCappCircleArrow)
public:
    CCappCircleArrow();
    CCappCircleArrow& operator=(const CCappCircleArrow& src);

protected:
    BOOL CreateBodyRgn(CRgn& rgn, const CRect& rcBody) override;
    BOOL CanPickBody(const CRect& rcBody, CPoint point) override;
};
