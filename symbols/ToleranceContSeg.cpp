#include "symbols/ToleranceContSeg.h"

#include <algorithm>
#include <cstdlib>

#include "symbols/SegFont.h"
#include "symbols/SegPaint.h"
#include "symbols/SegTagField.h"

CToleranceContSeg::CToleranceContSeg()
{
    OnInit();
}

CToleranceContSeg::CToleranceContSeg(const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr)
{
    OnInit();
}

void CToleranceContSeg::OnInit()
{
    m_strBase.Empty();
    m_strUpper.Empty();
    m_strLower.Empty();
    m_strSymbol.Empty();
    m_nSymbolFlag = 0;
    m_dScale = 0.6;
}

short CToleranceContSeg::IsKindOf()
{
    return SEG_TOLERANCE;
}

namespace
{
using Seg = CToleranceContSeg;
const CSegTagField<Seg> kTagFields[] = {
    SegTagText(&Seg::m_strBase),    SegTagText(&Seg::m_strUpper),  SegTagText(&Seg::m_strLower),
    SegTagInt(&Seg::m_nSymbolFlag), SegTagText(&Seg::m_strSymbol),
};
} // namespace

void CToleranceContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut = WrapTag('T', JoinTagFields(*this, kTagFields), lfBase, crBase);
}

void CToleranceContSeg::Set(CString strFields)
{
    ReadTagFields(*this, strFields, kTagFields);
}

void CToleranceContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    Set(strContent);
}

void CToleranceContSeg::GetData(CString& strBase, CString& strSymbol, CString& strUpper, CString& strLower, int& nFlag)
{
    strBase = m_strBase;
    strSymbol = m_strSymbol;
    strUpper = m_strUpper;
    strLower = m_strLower;
    nFlag = m_nSymbolFlag;
}

void CToleranceContSeg::Set(CString strBase, CString strSymbol, CString strUpper, CString strLower, int nFlag)
{
    m_strBase = strBase;
    m_strSymbol = strSymbol;
    m_strUpper = strUpper;
    m_strLower = strLower;
    m_nSymbolFlag = nFlag;
}

void CToleranceContSeg::Set(CToleranceContSeg* pSrc)
{
    if (pSrc != nullptr)
        Set(pSrc->m_strBase, pSrc->m_strSymbol, pSrc->m_strUpper, pSrc->m_strLower, pSrc->m_nSymbolFlag);
}

int CToleranceContSeg::operator=(const CToleranceContSeg& src)
{
    CopyTagFields(*this, src, kTagFields);
    m_dScale = src.m_dScale;
    CopyBase(src);
    return 1;
}

int CToleranceContSeg::GetWidth(CDC* pDC)
{
    CSegFont font(GetDrawFont());
    CSegFont fontDev(SegMath::ScaleFont(GetDrawFont(), m_dScale));
    int nWidth = SegTextExtent(pDC, font, m_strBase).cx;
    if (m_nSymbolFlag != 0)
        nWidth += SegTextExtent(pDC, font, m_strSymbol).cx + SegTextExtent(pDC, font, "()").cx;
    return nWidth + std::max(SegTextExtent(pDC, fontDev, m_strUpper).cx, SegTextExtent(pDC, fontDev, m_strLower).cx);
}

void CToleranceContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    LOGFONT lf = SegMath::ScaleFont(GetDrawFont(), fScale);
    LOGFONT lfDev = SegMath::ScaleFont(lf, m_dScale);
    CSegFont font(lf);
    CSegFont fontDev(lfDev);
    CSegPaint paint(pDC, *this, nOpaque);
    int y1 = y + SegMath::Trunc(2 * fScale);
    SegTextOut(pDC, font, x, y1, m_strBase);
    x += SegTextExtent(pDC, font, m_strBase).cx;
    if (m_nSymbolFlag != 0) {
        SegTextOut(pDC, font, x, y1, m_strSymbol);
        x += SegTextExtent(pDC, font, m_strSymbol).cx;
        SegTextOut(pDC, font, x, y1, "(");
        x += SegTextExtent(pDC, font, "(").cx;
    }
    int hF = abs(lf.lfHeight);
    int hD = abs(lfDev.lfHeight);
    SegTextOut(pDC, fontDev, x, y1 + hF - 2 * hD, m_strUpper);
    SegTextOut(pDC, fontDev, x, y1 + hF - hD, m_strLower);
    x += std::max(SegTextExtent(pDC, fontDev, m_strUpper).cx, SegTextExtent(pDC, fontDev, m_strLower).cx);
    if (m_nSymbolFlag != 0)
        SegTextOut(pDC, font, x, y1, ")");
}
