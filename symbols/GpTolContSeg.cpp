#include "symbols/GpTolContSeg.h"

#include <algorithm>
#include <cstdlib>

#include "symbols/SegFont.h"
#include "symbols/SegPaint.h"
#include "symbols/SegTagField.h"

CGpTolContSeg::CGpTolContSeg()
{
    OnInit();
}

CGpTolContSeg::CGpTolContSeg(const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr)
{
    OnInit();
}

void CGpTolContSeg::OnInit()
{
    m_nMargin = 5;
    m_nType = 0;
    m_nZonePrefix = 0;
    m_nSpecialSymbol = 0;
    m_nDatumCode1 = 0;
    m_nDatumCode2 = 0;
    m_nDatumCode3 = 0;
    m_nGrade = -1;
    m_nBaseLength = -1;
    m_fTextScale = 0.6f;
}

short CGpTolContSeg::IsKindOf()
{
    return SEG_GPTOL;
}

namespace
{
using Seg = CGpTolContSeg;
const CSegTagField<Seg> kTagFields[] = {
    SegTagInt(&Seg::m_nType),          SegTagInt(&Seg::m_nZonePrefix), SegTagText(&Seg::m_strValue),
    SegTagInt(&Seg::m_nSpecialSymbol), SegTagText(&Seg::m_strDatum1),  SegTagInt(&Seg::m_nDatumCode1),
    SegTagText(&Seg::m_strDatum2),     SegTagInt(&Seg::m_nDatumCode2), SegTagText(&Seg::m_strDatum3),
    SegTagInt(&Seg::m_nDatumCode3),    SegTagInt(&Seg::m_nGrade),      SegTagInt(&Seg::m_nBaseLength),
};
} // namespace

void CGpTolContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut = WrapTag('G', JoinTagFields(*this, kTagFields), lfBase, crBase);
}

void CGpTolContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    ReadTagFields(*this, strContent, kTagFields);
}

void CGpTolContSeg::Set(CGpTolContSeg* pSrc)
{
    if (pSrc != nullptr)
        CopyTagFields(*this, *pSrc, kTagFields);
}

int CGpTolContSeg::operator=(const CGpTolContSeg& src)
{
    CopyTagFields(*this, src, kTagFields);
    m_fTextScale = src.m_fTextScale;
    CopyBase(src);
    return 1;
}

namespace
{
const char kDiameter[] = "Φ";

// The datums in order, up to the first empty one.
int DatumCount(const CGpTolContSeg& seg)
{
    if (seg.m_strDatum1.IsEmpty())
        return 0;
    if (seg.m_strDatum2.IsEmpty())
        return 1;
    return seg.m_strDatum3.IsEmpty() ? 2 : 3;
}

void Line(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}
} // namespace

int CGpTolContSeg::GetWidth(CDC* pDC)
{
    LOGFONT lfText = GetDrawFont();
    int c = abs((lfText.lfHeight * 5) / 4);
    int m = m_nMargin;
    lfText.lfWidth = SegMath::Trunc(((lfText.lfWidth * 5) / 4) * m_fTextScale);
    lfText.lfHeight = SegMath::Trunc(c * m_fTextScale);
    CSegFont font(lfText);

    int nWidth = c + 2;
    CString strValue = m_strValue;
    if (m_nZonePrefix == 2) {
        nWidth += c;
    } else if (m_nZonePrefix == 1) {
        nWidth += m;
        strValue = kDiameter + m_strValue;
    }
    nWidth += SegTextExtent(pDC, font, strValue).cx + 2 * m;
    if (m_nSpecialSymbol != 0)
        nWidth += c;
    const CString* datums[] = {&m_strDatum1, &m_strDatum2, &m_strDatum3};
    const int codes[] = {m_nDatumCode1, m_nDatumCode2, m_nDatumCode3};
    for (int i = 0; i < DatumCount(*this); i++) {
        nWidth += SegTextExtent(pDC, font, *datums[i]).cx + 2 * m;
        if (codes[i] != 0)
            nWidth += c;
    }
    return nWidth + 2;
}

void CGpTolContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    const double s = fScale;
    int m = SegMath::Round(m_nMargin * s);
    LOGFONT lfText = GetDrawFont();
    int H = abs(SegMath::Round(abs(lfText.lfHeight) * s * 1.25));
    lfText.lfWidth = abs(SegMath::Trunc(SegMath::Round(abs(lfText.lfWidth) * s * 1.25) * m_fTextScale));
    lfText.lfHeight = SegMath::Trunc(H * m_fTextScale);
    int p = std::max(H / 20, 1);
    int top = y + SegMath::Trunc(-4 * s);
    int yt = top + (H - lfText.lfHeight) / 2;
    CRect rcFrame(x + 2, top, x + 2 + SegMath::Trunc((m_nWidth - 4) * s), top + H);

    CSegFont font(lfText);
    CSegPaint paint(pDC, *this, nOpaque);
    paint.FillBack(rcFrame);
    CPen pen(PS_SOLID, p, paint.LineColor());
    CFxSelectGuard selPen(pDC, &pen);
    CFxSelectGuard selFont(pDC, &font);

    pDC->MoveTo(rcFrame.left, rcFrame.top);
    pDC->LineTo(rcFrame.right, rcFrame.top);
    pDC->LineTo(rcFrame.right, rcFrame.bottom);
    pDC->LineTo(rcFrame.left, rcFrame.bottom);
    pDC->LineTo(rcFrame.left, rcFrame.top);

    int xs = x + SegMath::Round(2 * s);
    DrawGpTolType(pDC, xs, top, H, p, m_nType);
    xs += H;
    Line(pDC, xs, top, xs, top + H);

    if (m_nZonePrefix == 2) {
        DrawPerTol(pDC, xs, top, H, p);
        xs += H;
    } else if (m_nZonePrefix == 1) {
        SegTextOut(pDC, font, xs + m, yt, kDiameter);
        xs += SegTextExtent(pDC, font, kDiameter).cx + m;
    }
    SegTextOut(pDC, font, xs + m, yt, m_strValue);
    xs += SegTextExtent(pDC, font, m_strValue).cx + 2 * m;
    if (m_nSpecialSymbol != 0) {
        DrawPostTol(pDC, xs, top, H, p, m_nSpecialSymbol);
        xs += H;
    }

    const CString* datums[] = {&m_strDatum1, &m_strDatum2, &m_strDatum3};
    const int codes[] = {m_nDatumCode1, m_nDatumCode2, m_nDatumCode3};
    for (int i = 0; i < DatumCount(*this); i++) {
        Line(pDC, xs, top, xs, top + H);
        SegTextOut(pDC, font, xs + m, yt, *datums[i]);
        xs += SegTextExtent(pDC, font, *datums[i]).cx + 2 * m;
        if (codes[i] != 0) {
            DrawPostBase(pDC, xs, top, H, p, codes[i]);
            xs += H;
        }
    }
}

void CGpTolContSeg::DrawGpTolType(CDC* pDC, int x, int y, int S, int p, int nType)
{
    int a = 3 * p;
    int L = x + a, R = x + S - a, T = y + a, Bt = y + S - a, Mx = x + S / 2, My = y + S / 2;
    CFxSelectGuard selBrush(pDC, NULL_BRUSH);
    switch (nType) {
    case 1: // straightness
        Line(pDC, L, My, R + p, My);
        break;
    case 2: { // flatness
        int k = SegMath::T30(S - 10 * p);
        pDC->MoveTo(L, y + S - 5 * p);
        pDC->LineTo(R - k, y + S - 5 * p);
        pDC->LineTo(R, y + 5 * p);
        pDC->LineTo(L + k, y + 5 * p);
        pDC->LineTo(L, y + S - 5 * p);
        break;
    }
    case 3: // circularity
        pDC->Ellipse(L, T, R, Bt);
        break;
    case 4: // cylindricity
        pDC->Ellipse(x + 6 * p, y + 6 * p, x + S - 6 * p, y + S - 6 * p);
        Line(pDC, L, Bt, x + 9 * p, T);
        Line(pDC, x + S - 9 * p, Bt, R, T);
        break;
    case 5:   // line profile
    case 6: { // surface profile
        int yMid = (y + 6 * p + y + S) / 2;
        pDC->Arc(L, y + 6 * p, R, y + S, R, yMid, L, yMid);
        if (nType == 6)
            Line(pDC, R, yMid, L - p, yMid);
        break;
    }
    case 7: { // parallelism
        int k = SegMath::T30(S - 6 * p);
        Line(pDC, x + 4 * p, Bt, x + 4 * p + k, T);
        Line(pDC, x + S - 4 * p - k, Bt, x + S - 4 * p, T);
        break;
    }
    case 8: // perpendicularity
        Line(pDC, L, Bt, R + p, Bt);
        Line(pDC, Mx, T, Mx, Bt);
        break;
    case 9: // angularity
        pDC->MoveTo(R, T);
        pDC->LineTo(L, Bt);
        pDC->LineTo(R + p, Bt);
        break;
    case 10: { // concentricity
        pDC->Ellipse(L, T, R, Bt);
        CRect rcIn(L + a, T + a, R - a, Bt - a);
        if (rcIn.Width() <= 0 || rcIn.Height() <= 0)
            rcIn.InflateRect(1, 1);
        pDC->Ellipse(rcIn.left, rcIn.top, rcIn.right, rcIn.bottom);
        break;
    }
    case 11: // symmetry
        Line(pDC, L, My, R + p, My);
        Line(pDC, x + 6 * p, My - a, R + p - a, My - a);
        Line(pDC, x + 6 * p, My + a, R + p - a, My + a);
        break;
    case 12: // position
        pDC->Ellipse(x + 6 * p, y + 6 * p, x + S - 6 * p, y + S - 6 * p);
        Line(pDC, L, My, R + p, My);
        Line(pDC, Mx, T, Mx, Bt + p);
        break;
    case 13: // circular runout
        DrawArrow(pDC, CPoint(x + 6 * p, y + S - 4 * p), S - 8 * p, p);
        break;
    case 14: { // total runout
        int k = SegMath::T30(S - 8 * p);
        DrawArrow(pDC, CPoint(L, y + S - 4 * p), S - 8 * p, p);
        DrawArrow(pDC, CPoint(R - k, y + S - 4 * p), S - 8 * p, p);
        Line(pDC, L, y + S - 4 * p, R - k, y + S - 4 * p);
        break;
    }
    default:
        break;
    }
}

void CGpTolContSeg::DrawArrow(CDC* pDC, CPoint ptStart, int nLength, int p)
{
    CPoint ptTip(ptStart.x + SegMath::T30(nLength), ptStart.y - nLength);
    Line(pDC, ptStart.x, ptStart.y, ptTip.x, ptTip.y);
    Line(pDC, ptTip.x, ptTip.y, ptTip.x - 5 * p, ptTip.y + 5 * p);
    Line(pDC, ptTip.x, ptTip.y, ptTip.x - p, ptTip.y + 6 * p);
}

void CGpTolContSeg::DrawPerTol(CDC* pDC, int x, int y, int S, int p)
{
    CFxSelectGuard selBrush(pDC, NULL_BRUSH);
    pDC->Rectangle(x + 3 * p, y + 4 * p, x + S - 3 * p, y + S - 4 * p);
}

void CGpTolContSeg::DrawPostTol(CDC* pDC, int x, int y, int S, int p, int nCode)
{
    CRect rc(x, y, x + S, y + S);
    const UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    CFxSelectGuard selBrush(pDC, NULL_BRUSH);
    switch (nCode) {
    case 1:
        pDC->DrawText(CString("(－)"), &rc, nFormat);
        break;
    case 2:
        pDC->DrawText(CString("(＋)"), &rc, nFormat);
        break;
    case 3: {
        // A triangle between the brackets, pointing at the opening one.
        CString strText = "(  )";
        pDC->DrawText(strText, &rc, nFormat);
        CSize size = pDC->GetTextExtent(strText);
        int L0 = x + (S - size.cx) / 2;
        int ym = y + S / 2;
        int ch = size.cy;
        int xTip = L0 + pDC->GetTextExtent("(", 1).cx - p;
        int xBase = L0 + pDC->GetTextExtent("(  ", 3).cx - 3 * p;
        pDC->MoveTo(xTip, ym);
        pDC->LineTo(xBase, ym - ch / 2 + 2 * p);
        pDC->LineTo(xBase, ym + ch / 2 - 2 * p);
        pDC->LineTo(xTip, ym);
        break;
    }
    case 4:
    case 5:
    case 6: {
        static const char* const letters[] = {"M", "P", "E"};
        pDC->Ellipse(x + 2 * p, y + 2 * p, x + S - 2 * p, y + S - 2 * p);
        pDC->DrawText(CString(letters[nCode - 4]), &rc, nFormat);
        break;
    }
    default:
        break;
    }
}

void CGpTolContSeg::DrawPostBase(CDC* pDC, int x, int y, int S, int p, int nCode)
{
    if (nCode != 0)
        DrawPostTol(pDC, x, y, S, p, nCode + 3);
}
