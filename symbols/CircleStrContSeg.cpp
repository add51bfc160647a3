#include "symbols/CircleStrContSeg.h"

#include "symbols/SegFont.h"
#include "symbols/SegPaint.h"

short CCircleStrContSeg::IsKindOf()
{
    return SEG_CIRCLE;
}

void CCircleStrContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut = WrapTag('E', m_strText, lfBase, crBase);
}

void CCircleStrContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    if (strContent.IsEmpty()) {
        m_strText.Empty();
        return;
    }
    m_strText = strContent.Left(CString::CharLength(strContent));
}

int CCircleStrContSeg::GetWidth(CDC* pDC)
{
    CSegFont font(GetDrawFont());
    // As wide as the character is high, so the circle is round.
    return SegTextExtent(pDC, font, m_strText).cy + 4;
}

void CCircleStrContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    CSegFont font(SegMath::ScaleFont(GetDrawFont(), fScale));
    CSegPaint paint(pDC, *this, nOpaque);
    int t = SegMath::Trunc(2 * fScale);
    CSize size = SegTextExtent(pDC, font, m_strText);
    int c = size.cy;
    SegTextOut(pDC, font, x + t + (c - size.cx) / 2, y + t, m_strText);
    CPen pen(PS_SOLID, 1, paint.LineColor());
    CFxSelectGuard selPen(pDC, &pen);
    CFxSelectGuard selBrush(pDC, NULL_BRUSH);
    pDC->Ellipse(x + t - 1, y + t - 1, x + t + c + 1, y + t + c + 1);
}
