#include "symbols/FrameStrContSeg.h"

#include "symbols/SegFont.h"
#include "symbols/SegPaint.h"

short CFrameStrContSeg::IsKindOf()
{
    return SEG_FRAME;
}

void CFrameStrContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut = WrapTag('R', m_strText, lfBase, crBase);
}

int CFrameStrContSeg::GetWidth(CDC* pDC)
{
    CSegFont font(GetDrawFont());
    return SegTextExtent(pDC, font, m_strText).cx + 4;
}

void CFrameStrContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    LOGFONT lf = SegMath::ScaleFont(GetDrawFont(), fScale);
    CSegFont font(lf);
    CSegPaint paint(pDC, *this, nOpaque);
    int t = SegMath::Trunc(2 * fScale);
    SegTextOut(pDC, font, x + 3, y + t, m_strText);
    CPen pen(PS_SOLID, 1, paint.LineColor());
    CFxSelectGuard selPen(pDC, &pen);
    CFxSelectGuard selBrush(pDC, NULL_BRUSH);
    // The width measured last, as the layout keeps it.
    pDC->Rectangle(x + 1, y + t - 1, x + SegMath::Trunc(m_nWidth * fScale), y + t + abs(lf.lfHeight) + 1);
}
