// Free rounded box with a pointer toward its tip.
#pragma once

#include "core/CappFreePointerBox.h"

class VORNCARD_API CCappFreeRoundArrow : public CCappFreePointerBox
{
    FX_DECLARE_SERIAL(CCappFreeRoundArrow)
public:
    CCappFreeRoundArrow();
    CCappFreeRoundArrow& operator=(const CCappFreeRoundArrow& src);

    // Copied, not stored.
    int m_nRoundInt1 = 0;
    int m_nRoundInt2 = 0;

protected:
    // Corners rounded by a quarter of the shorter side.
    BOOL CreateBodyRgn(CRgn& rgn, const CRect& rcBody) override;
    BOOL CanPickBody(const CRect& rcBody, CPoint point) override;
};
