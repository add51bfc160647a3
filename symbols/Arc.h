// Arc element of a custom symbol ("A"): centre at the origin, from the second point round to the
// direction of the third; filled, it is the sector.
#pragma once

#include "symbols/BasicObject.h"

class GLYPHWORK_API CArc : public CBasicObject
{
    FX_DECLARE_DYNCREATE(CArc)

public:
    BOOL SetSymbolString(CString strElem) override;
    BOOL QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea) override;
    BOOL Draw(CDC* pDC, CPoint ptOrigin, double dScale) override;

    BOOL m_bFilled = FALSE;
    CDoublePoint m_ptSecond;
    CDoublePoint m_ptThird;

private:
    // Start angle and signed sweep in radians, in symbol coordinates (y up).
    void GetSweep(double& dStart, double& dSweep) const;
};
