// Text element of a custom symbol ("T"): a quoted text at a point, in its own font and angle.
#pragma once

#include "symbols/BasicObject.h"

class GLYPHWORK_API CText : public CBasicObject
{
    FX_DECLARE_DYNCREATE(CText)

public:
    CText();

    BOOL SetSymbolString(CString strElem) override;
    BOOL QueryAreaAppr(CDC* pDC, CDoubleRect& rcArea, double dScale) override;
    BOOL QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea) override;
    BOOL Draw(CDC* pDC, CPoint ptOrigin, double dScale) override;

    CString m_strText;
    int m_nAlign = TA_LEFT;
    LOGFONTA m_lf;
    BOOL m_bTransparent = FALSE;
    COLORREF m_crBack = 0;

protected:
    // Reads the part after the tag's own prefix: quoted text, then the fields.
    BOOL ReadTextBody(const CString& strBody);
    // Box of the text at a scale around the position (0, 0), unrotated: x from the alignment,
    // y from 0 to the text height in the direction the y flag gives. FALSE for a text too small.
    BOOL MeasureText(CDC* pDC, double dScale, CDoubleRect& rcBox);
    // Extent at a scale relative to the drawing origin, the text's rotation applied.
    BOOL GetTextArea(CDC* pDC, double dScale, CDoubleRect& rcArea, CDoubleRect* prcBox);
};
