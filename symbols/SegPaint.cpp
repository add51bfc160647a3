#include "symbols/SegPaint.h"

#include <cmath>

#include "symbols/ContentSegment.h"

int SegMath::T30(int v)
{
    return static_cast<int>(tan(3.14159265358979323846 / 6) * v);
}

LOGFONT SegMath::ScaleFont(const LOGFONT& lf, double dScale)
{
    LOGFONT lfScaled = lf;
    lfScaled.lfHeight = Trunc(lf.lfHeight * dScale);
    lfScaled.lfWidth = Trunc(lf.lfWidth * dScale);
    return lfScaled;
}

CSegPaint::CSegPaint(CDC* pDC, const CContentSegment& seg, int nOpaque)
    : m_savedDC(pDC), m_pDC(pDC), m_bSelected(seg.m_bSelected != 0), m_bOpaque(nOpaque != 0)
{
    pDC->SetTextColor(seg.m_crColor);
    m_crBack = pDC->GetBkColor();
    m_crText = pDC->GetTextColor();
    if (m_bSelected) {
        pDC->SetBkMode(OPAQUE);
        pDC->SetBkColor(RGB(0, 0, 0));
        pDC->SetTextColor(m_crBack);
    } else if (m_bOpaque) {
        pDC->SetBkMode(OPAQUE);
        pDC->SetBkColor(m_crBack);
    } else {
        pDC->SetBkMode(TRANSPARENT);
    }
}

void CSegPaint::FillBack(const RECT& rc) const
{
    if (m_bSelected)
        m_pDC->FillSolidRect(&rc, RGB(0, 0, 0));
    else if (m_bOpaque)
        m_pDC->FillSolidRect(&rc, m_crBack);
}

CSize SegTextExtent(CDC* pDC, CFont& font, const CString& str)
{
    if (str.IsEmpty())
        return CSize(0, 0);
    CFxSelectGuard sel(pDC, &font);
    return pDC->GetTextExtent(str);
}

void SegTextOut(CDC* pDC, CFont& font, int x, int y, const CString& str)
{
    if (str.IsEmpty())
        return;
    CFxSelectGuard sel(pDC, &font);
    pDC->TextOut(x, y, str);
}
