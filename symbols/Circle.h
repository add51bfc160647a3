// Circle element of a custom symbol ("C"), outlined or filled.
#pragma once

#include "symbols/BasicObject.h"

class GLYPHWORK_API CCircle : public CBasicObject
{
    FX_DECLARE_DYNCREATE(CCircle)

public:
    BOOL SetSymbolString(CString strElem) override;
    BOOL QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea) override;
    BOOL Draw(CDC* pDC, CPoint ptOrigin, double dScale) override;

    BOOL m_bFilled = FALSE;
    double m_dRadius = 0.0;
};
