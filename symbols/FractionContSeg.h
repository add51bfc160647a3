// A base text with a fraction after it (numerator over denominator).
#pragma once

#include "symbols/ContentSegment.h"

class GLYPHWORK_API CFractionContSeg : public CContentSegment
{
public:
    CFractionContSeg();
    CFractionContSeg(const LOGFONT& lf, COLORREF cr);

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // Fields in tag order: base;numerator;denominator, then the font tag.
    virtual void SetData(CString strContent);
    virtual int operator=(const CFractionContSeg& src);

    void OnInit();
    void GetData(CString& strBase, CString& str1, CString& str2);
    void SetData(CString strBase, CString str1, CString str2);
    // Copies the three texts only.
    void SetData(CFractionContSeg* pSrc);

    CString m_strBase;
    CString m_strNumerator;
    CString m_strDenominator;
    double m_dScale;
};
