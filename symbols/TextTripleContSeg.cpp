#include "symbols/TextTripleContSeg.h"

#include <algorithm>
#include <cstdlib>

#include "symbols/SegFont.h"
#include "symbols/SegPaint.h"

int CTextTripleContSeg::GetWidth(CDC* pDC)
{
    LOGFONT lf = GetDrawFont();
    CSegFont font(lf);
    CSegFont fontPart(SegMath::ScaleFont(lf, PartScale()));
    return SegTextExtent(pDC, font, m_strBase).cx +
           std::max(SegTextExtent(pDC, fontPart, PartText(0)).cx, SegTextExtent(pDC, fontPart, PartText(1)).cx);
}

void CTextTripleContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    LOGFONT lf = SegMath::ScaleFont(GetDrawFont(), fScale);
    LOGFONT lfPart = SegMath::ScaleFont(lf, PartScale());
    CSegFont font(lf);
    CSegFont fontPart(lfPart);
    CSegPaint paint(pDC, *this, nOpaque);
    SegTextOut(pDC, font, x, y, m_strBase);
    int x2 = x + SegTextExtent(pDC, font, m_strBase).cx;
    DrawParts(pDC, fontPart, x2, y, abs(lf.lfHeight), abs(lfPart.lfHeight), paint.LineColor());
}

void CTextTripleContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut = WrapTag(m_chTag, m_strBase + ";" + PartText(0) + ";" + PartText(1), lfBase, crBase);
}

void CTextTripleContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    CString* const apText[] = {&m_strBase, &PartText(0), &PartText(1)};
    ReadTagFields(strContent, apText, nullptr, 3);
}

void CTextTripleContSeg::GetData(CString& strBase, CString& str1, CString& str2)
{
    strBase = m_strBase;
    str1 = PartText(0);
    str2 = PartText(1);
}

void CTextTripleContSeg::SetData(CString strBase, CString str1, CString str2)
{
    m_strBase = strBase;
    PartText(0) = str1;
    PartText(1) = str2;
}

void CTextTripleContSeg::CopyTexts(CTextTripleContSeg* pSrc)
{
    if (pSrc != nullptr)
        SetData(pSrc->m_strBase, pSrc->PartText(0), pSrc->PartText(1));
}
