// Polyline element of a custom symbol ("M"); filled, it is the polygon of its vertices.
#pragma once

#include <vector>

#include "symbols/BasicObject.h"

class GLYPHWORK_API CMutiLine : public CBasicObject
{
    FX_DECLARE_DYNCREATE(CMutiLine)

public:
    BOOL SetSymbolString(CString strElem) override;
    BOOL QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea) override;
    BOOL Draw(CDC* pDC, CPoint ptOrigin, double dScale) override;

    BOOL m_bFilled = FALSE;
    std::vector<CDoublePoint> m_arrVertex;
};
