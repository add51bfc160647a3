// A base text with a fraction after it (numerator over denominator).
#pragma once

#include "symbols/TextTripleContSeg.h"

class GLYPHWORK_API CFractionContSeg : public CTextTripleContSeg
{
public:
    CFractionContSeg();
    CFractionContSeg(const LOGFONT& lf, COLORREF cr);
    using CTextTripleContSeg::SetData;

    short IsKindOf() override;
    using CObject::IsKindOf;
    virtual int operator=(const CFractionContSeg& src);

    void OnInit();
    // Copies the three texts only.
    void SetData(CFractionContSeg* pSrc);

    // The parts in tag order, after the base.
    CString m_strNumerator;
    CString m_strDenominator;
    double m_dScale;

protected:
    CString& PartText(int nPart) override;
    double PartScale() const override;
    void DrawParts(CDC* pDC, CFont& fontPart, int x, int y, int hFont, int hPart, COLORREF crLine) override;
};
