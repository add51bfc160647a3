// Straight line element of a custom symbol ("L").
#pragma once

#include "symbols/BasicObject.h"

class GLYPHWORK_API CLine : public CBasicObject
{
    FX_DECLARE_DYNCREATE(CLine)

public:
    BOOL SetSymbolString(CString strElem) override;
    BOOL QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea) override;
    BOOL Draw(CDC* pDC, CPoint ptOrigin, double dScale) override;

    CDoublePoint m_ptEnd;
};
