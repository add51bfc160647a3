// Free rectangle with a pointer toward its tip.
#pragma once

#include "core/CappFreePointerBox.h"

class VORNCARD_API CCappFreeRectArrow : public CCappFreePointerBox
{
    FX_DECLARE_SERIAL(CCappFreeRectArrow)
public:
    CCappFreeRectArrow();
    CCappFreeRectArrow& operator=(const CCappFreeRectArrow& src);

protected:
    BOOL CreateBodyRgn(CRgn& rgn, const CRect& rcBody) override;
    BOOL CanPickBody(const CRect& rcBody, CPoint point) override;
};
