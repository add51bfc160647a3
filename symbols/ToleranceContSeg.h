// A dimension with its deviations and, optionally, its fit code ("20H7(+0.021 / 0)").
#pragma once

#include "symbols/ContentSegment.h"

class GLYPHWORK_API CToleranceContSeg : public CContentSegment
{
public:
    CToleranceContSeg();
    CToleranceContSeg(const LOGFONT& lf, COLORREF cr);

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // Fields in tag order: base;upper;lower;symbol flag;symbol, then the font tag.
    virtual void SetData(CString strContent);
    virtual int operator=(const CToleranceContSeg& src);

    void OnInit();
    void GetData(CString& strBase, CString& strSymbol, CString& strUpper, CString& strLower, int& nFlag);
    void Set(CString strBase, CString strSymbol, CString strUpper, CString strLower, int nFlag);
    void Set(CToleranceContSeg* pSrc);
    // The five fields from a ";" list in tag order, without a font tag.
    void Set(CString strFields);

    CString m_strBase;
    CString m_strUpper;
    CString m_strLower;
    // Non-zero: the fit code is shown before the bracketed deviations.
    int m_nSymbolFlag;
    CString m_strSymbol;
    double m_dScale;
};
