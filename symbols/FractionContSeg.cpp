#include "symbols/FractionContSeg.h"

#include <algorithm>
#include <cstdlib>

#include "symbols/SegPaint.h"

CFractionContSeg::CFractionContSeg()
{
    OnInit();
}

CFractionContSeg::CFractionContSeg(const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr)
{
    OnInit();
}

void CFractionContSeg::OnInit()
{
    m_strBase.Empty();
    m_strNumerator.Empty();
    m_strDenominator.Empty();
    m_dScale = 0.75;
}

short CFractionContSeg::IsKindOf()
{
    return SEG_FRACTION;
}

void CFractionContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    WriteTextTriple('F', m_strBase, m_strNumerator, m_strDenominator, strOut, lfBase, crBase);
}

void CFractionContSeg::SetData(CString strContent)
{
    ReadTextTriple(strContent, m_strBase, m_strNumerator, m_strDenominator);
}

void CFractionContSeg::GetData(CString& strBase, CString& str1, CString& str2)
{
    strBase = m_strBase;
    str1 = m_strNumerator;
    str2 = m_strDenominator;
}

void CFractionContSeg::SetData(CString strBase, CString str1, CString str2)
{
    m_strBase = strBase;
    m_strNumerator = str1;
    m_strDenominator = str2;
}

void CFractionContSeg::SetData(CFractionContSeg* pSrc)
{
    if (pSrc != nullptr)
        SetData(pSrc->m_strBase, pSrc->m_strNumerator, pSrc->m_strDenominator);
}

int CFractionContSeg::operator=(const CFractionContSeg& src)
{
    m_strBase = src.m_strBase;
    m_strNumerator = src.m_strNumerator;
    m_strDenominator = src.m_strDenominator;
    m_dScale = src.m_dScale;
    CopyBase(src);
    return 1;
}

int CFractionContSeg::GetWidth(CDC* pDC)
{
    return GetTextTripleWidth(pDC, m_dScale, m_strBase, m_strNumerator, m_strDenominator);
}

void CFractionContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    LOGFONT lf = SegMath::ScaleFont(GetDrawFont(), fScale);
    LOGFONT lfPart = SegMath::ScaleFont(lf, m_dScale);
    CSegFont font(lf);
    CSegFont fontPart(lfPart);
    CSegPaint paint(pDC, *this, nOpaque);
    SegTextOut(pDC, font, x, y, m_strBase);
    int x2 = x + SegTextExtent(pDC, font, m_strBase).cx;
    int cxNum = SegTextExtent(pDC, fontPart, m_strNumerator).cx;
    int cxDen = SegTextExtent(pDC, fontPart, m_strDenominator).cx;
    int w = std::max(cxNum, cxDen);
    int hF = abs(lf.lfHeight);
    int hP = abs(lfPart.lfHeight);
    SegTextOut(pDC, fontPart, x2 + (w - cxNum) / 2, y - (hP - hF / 2), m_strNumerator);
    SegTextOut(pDC, fontPart, x2 + (w - cxDen) / 2, y + hP - 3, m_strDenominator);
    CPen pen(PS_SOLID, 1, paint.LineColor());
    CFxSelectGuard sel(pDC, &pen);
    pDC->MoveTo(x2, y + hP - 3);
    pDC->LineTo(x2 + w, y + hP - 3);
}
