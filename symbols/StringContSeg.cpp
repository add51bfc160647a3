#include "symbols/StringContSeg.h"

#include "symbols/SegFont.h"
#include "symbols/SegPaint.h"

short CStringContSeg::IsKindOf()
{
    return SEG_TEXT;
}

void CStringContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    CString strFont = GetFontData(lfBase, crBase);
    if (strFont.IsEmpty())
        strOut = m_strText;
    else
        strOut = "<A>" + m_strText + strFont + "</A>";
}

void CStringContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    m_strText = strContent;
}

int CStringContSeg::operator=(const CStringContSeg& src)
{
    m_strText = src.m_strText;
    CopyBase(src);
    return 1;
}

int CStringContSeg::GetWidth(CDC* pDC)
{
    CSegFont font(GetDrawFont());
    return SegTextExtent(pDC, font, m_strText).cx;
}

void CStringContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    CSegFont font(SegMath::ScaleFont(GetDrawFont(), fScale));
    CSegPaint paint(pDC, *this, nOpaque);
    SegTextOut(pDC, font, x, y + SegMath::Trunc(2 * fScale), m_strText);
}
