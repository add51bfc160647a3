#include "symbols/FractionContSeg.h"

#include <algorithm>

#include "symbols/SegPaint.h"

CFractionContSeg::CFractionContSeg() : CTextTripleContSeg('F')
{
    OnInit();
}

CFractionContSeg::CFractionContSeg(const LOGFONT& lf, COLORREF cr) : CTextTripleContSeg('F', lf, cr)
{
    OnInit();
}

void CFractionContSeg::OnInit()
{
    SetData(CString(), CString(), CString());
    m_dScale = 0.75;
}

short CFractionContSeg::IsKindOf()
{
    return SEG_FRACTION;
}

void CFractionContSeg::SetData(CFractionContSeg* pSrc)
{
    CopyTexts(pSrc);
}

int CFractionContSeg::operator=(const CFractionContSeg& src)
{
    SetData(src.m_strBase, src.m_strNumerator, src.m_strDenominator);
    m_dScale = src.m_dScale;
    CopyBase(src);
    return 1;
}

CString& CFractionContSeg::PartText(int nPart)
{
    return nPart == 0 ? m_strNumerator : m_strDenominator;
}

double CFractionContSeg::PartScale() const
{
    return m_dScale;
}

void CFractionContSeg::DrawParts(CDC* pDC, CFont& fontPart, int x, int y, int hFont, int hPart, COLORREF crLine)
{
    int cxNum = SegTextExtent(pDC, fontPart, m_strNumerator).cx;
    int cxDen = SegTextExtent(pDC, fontPart, m_strDenominator).cx;
    int w = std::max(cxNum, cxDen);
    SegTextOut(pDC, fontPart, x + (w - cxNum) / 2, y - (hPart - hFont / 2), m_strNumerator);
    SegTextOut(pDC, fontPart, x + (w - cxDen) / 2, y + hPart - 3, m_strDenominator);
    CPen pen(PS_SOLID, 1, crLine);
    CFxSelectGuard sel(pDC, &pen);
    pDC->MoveTo(x, y + hPart - 3);
    pDC->LineTo(x + w, y + hPart - 3);
}
