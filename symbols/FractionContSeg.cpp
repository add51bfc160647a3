#include "symbols/FractionContSeg.h"

#include <algorithm>
#include <cstdlib>

#include "symbols/SegPaint.h"

CFractionContSeg::CFractionContSeg()
{
    OnInit();
}

CFractionContSeg::CFractionContSeg(const LOGFONT& lf, COLORREF cr)
    : CContentSegment(lf, cr)
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
    strOut.Format("<F>%s;%s;%s%s</F>", m_strBase.GetString(), m_strNumerator.GetString(), m_strDenominator.GetString(),
                  GetFontData(lfBase, crBase).GetString());
}

void CFractionContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    if (strContent.IsEmpty())
        return;
    CStringArray fields;
    SplitFields(strContent, fields);
    INT_PTR n = fields.GetSize();
    if (n > 0)
        m_strBase = fields[0];
    if (n > 1)
        m_strNumerator = fields[1];
    if (n > 2)
        m_strDenominator = fields[2];
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
    CSegFont font(m_lFont);
    CSegFont fontPart(SegMath::ScaleFont(m_lFont, m_dScale));
    return SegTextExtent(pDC, font, m_strBase).cx + std::max(SegTextExtent(pDC, fontPart, m_strNumerator).cx,
                                                             SegTextExtent(pDC, fontPart, m_strDenominator).cx);
}

void CFractionContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    LOGFONT lf = SegMath::ScaleFont(m_lFont, fScale);
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
    CSegSelect sel(pDC, &pen);
    pDC->MoveTo(x2, y + hP - 3);
    pDC->LineTo(x2 + w, y + hP - 3);
}
