#include "symbols/CoarsenessContSeg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "symbols/SegFont.h"
#include "symbols/SegPaint.h"
#include "symbols/SegTagField.h"

CCoarsenessContSeg::CCoarsenessContSeg()
{
    OnInit();
}

CCoarsenessContSeg::CCoarsenessContSeg(const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr)
{
    OnInit();
}

void CCoarsenessContSeg::OnInit()
{
    m_nType = 0;
    m_nOption5 = 0;
    m_nOption7 = 0;
}

short CCoarsenessContSeg::IsKindOf()
{
    return SEG_COARSENESS;
}

namespace
{
using Seg = CCoarsenessContSeg;
const CSegTagField<Seg> kTagFields[] = {
    SegTagInt(&Seg::m_nType),     SegTagText(&Seg::m_strValue1), SegTagText(&Seg::m_strValue2),
    SegTagText(&Seg::m_strText3), SegTagText(&Seg::m_strText4),  SegTagInt(&Seg::m_nOption5),
    SegTagText(&Seg::m_strText6), SegTagInt(&Seg::m_nOption7),
};
} // namespace

void CCoarsenessContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut = WrapTag('C', JoinTagFields(*this, kTagFields), lfBase, crBase);
}

void CCoarsenessContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    ReadTagFields(*this, strContent, kTagFields);
}

void CCoarsenessContSeg::Set(CCoarsenessContSeg* pSrc)
{
    if (pSrc == nullptr)
        return;
    CopyTagFields(*this, *pSrc, kTagFields);
    if (m_nType == 0)
        m_nType = 2;
}

int CCoarsenessContSeg::operator=(const CCoarsenessContSeg& src)
{
    CopyTagFields(*this, src, kTagFields);
    CopyBase(src);
    return 1;
}

namespace
{
// Sizes of the symbol for one height: the unit f, the value font and the leg step g.
struct RoughMetrics
{
    int H;
    double f;
    int g;
    LOGFONT lfValue;
};

RoughMetrics Metrics(const CCoarsenessContSeg& seg, double dScale)
{
    RoughMetrics rm;
    const LOGFONT lf = seg.GetDrawFont();
    rm.H = SegMath::Round(abs(lf.lfHeight) * dScale * 1.5);
    rm.f = seg.m_strValue1.IsEmpty() ? rm.H * 0.04761905 : rm.H * 0.035714287;
    rm.g = SegMath::Round(10 * rm.f / sqrt(3.0));
    rm.lfValue = lf;
    strcpy(rm.lfValue.lfFaceName, "黑体");
    rm.lfValue.lfHeight = SegMath::Round(10 * rm.f);
    rm.lfValue.lfWidth = SegMath::Round(5 * rm.f);
    return rm;
}

// The wider of the two values.
int ValueWidth(CDC* pDC, CFont& font, const CCoarsenessContSeg& seg)
{
    return std::max(SegTextExtent(pDC, font, seg.m_strValue1).cx, SegTextExtent(pDC, font, seg.m_strValue2).cx);
}
} // namespace

int CCoarsenessContSeg::GetWidth(CDC* pDC)
{
    RoughMetrics rm = Metrics(*this, 1.0);
    CSegFont font(rm.lfValue);
    m_nWidth = std::max(2 * rm.g, ValueWidth(pDC, font, *this)) + rm.g;
    return m_nWidth;
}

void CCoarsenessContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    RoughMetrics rm = Metrics(*this, fScale);
    const double f = rm.f;
    const int g = rm.g;
    int top = y + SegMath::Trunc(-4 * static_cast<double>(fScale));
    CSegFont font(rm.lfValue);
    CSegPaint paint(pDC, *this, nOpaque);
    int r = x + std::max(2 * g, ValueWidth(pDC, font, *this)) + g;
    paint.FillBack(CRect(x, top, r, top + rm.H));

    CPen pen(PS_SOLID, std::max(SegMath::Round(0.7 * f), 1), paint.LineColor());
    CFxSelectGuard selPen(pDC, &pen);
    int Y0 = m_strValue1.IsEmpty() ? top : top + SegMath::Round(7 * f);
    int Ym = Y0 + SegMath::Round(11 * f);

    // The paint scope gives the caller's alignment back.
    pDC->SetTextAlign(TA_RIGHT | TA_TOP);
    SegTextOut(pDC, font, r - g, top + rm.H - SegMath::Round(20 * f), m_strValue2);
    SegTextOut(pDC, font, (2 * r - g) / 2, top + rm.H - SegMath::Round(28 * f), m_strValue1);

    pDC->MoveTo(r, Y0);
    pDC->LineTo(r - 2 * g, top + rm.H);
    pDC->LineTo(r - 3 * g, Ym);
    if (m_nType == 2 || m_nType == 0) {
        pDC->LineTo(r - g, Ym);
    } else if (m_nType == 3) {
        int d = SegMath::Round(3.3333333 * f);
        CFxSelectGuard selBrush(pDC, NULL_BRUSH);
        pDC->Ellipse(r - 2 * g - d, Ym, r - 2 * g + d, Ym + 2 * d);
    }
}

void CCoarsenessContSeg::DrawType(CDC* pDC, CPoint ptTop, int hh, int d, int nType)
{
    CPoint ptApex(ptTop.x - SegMath::Trunc((d + 1) * 0.5), ptTop.y + hh);
    CPoint ptShort(ptTop.x - SegMath::Round(d * 0.75), ptTop.y + SegMath::Round(hh * 0.665));
    pDC->MoveTo(ptTop.x, ptTop.y);
    pDC->LineTo(ptApex.x, ptApex.y);
    pDC->LineTo(ptShort.x, ptShort.y);
    if (nType == 2 || nType == 0) {
        pDC->LineTo(ptShort.x + SegMath::Round(d * 0.42), ptShort.y);
    } else if (nType == 3) {
        int nLeft = ptShort.x + SegMath::Round((d - 4) * 0.15);
        int nDiameter = SegMath::Round(d * 0.21);
        CFxSelectGuard selBrush(pDC, NULL_BRUSH);
        pDC->Ellipse(nLeft, ptShort.y, nLeft + nDiameter, ptShort.y + nDiameter);
    }
}
