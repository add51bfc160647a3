#include "symedit/GlyphworkEditRow.h"

#include <algorithm>
#include <cstdlib>

#include "symbols/FractionContSeg.h"
#include "symbols/StringContSeg.h"

namespace
{
int ScaledWidth(int nWidth, float fScale)
{
    return static_cast<int>(static_cast<float>(nWidth) * fScale + 0.5f);
}
} // namespace

CGlyphworkEditRow::~CGlyphworkEditRow()
{
    DetachContSegList();
}

void CGlyphworkEditRow::DetachContSegList()
{
    POSITION pos = m_listSeg.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<CContentSegment*>(m_listSeg.GetNext(pos));
    m_listSeg.RemoveAll();
}

CContentSegment* CGlyphworkEditRow::GetSeg(int nIndex)
{
    POSITION pos = nIndex >= 0 ? m_listSeg.FindIndex(nIndex) : nullptr;
    return pos != nullptr ? static_cast<CContentSegment*>(m_listSeg.GetAt(pos)) : nullptr;
}

bool CGlyphworkEditRow::EndsWithEnter()
{
    return !m_listSeg.IsEmpty() && static_cast<CContentSegment*>(m_listSeg.GetTail())->IsKindOf() == SEG_ENTER;
}

int CGlyphworkEditRow::CalcWidth(CDC* pDC, float fScale)
{
    m_nWidth = 0;
    m_bFitsByNarrowing = 1;
    int nScaled = 0;
    POSITION pos = m_listSeg.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CContentSegment*>(m_listSeg.GetNext(pos));
        if (pSeg->m_nWidth == 0)
            pSeg->m_nWidth = pSeg->GetWidth(pDC);
        short nKind = pSeg->IsKindOf();
        if (nKind != SEG_TEXT && nKind != SEG_ENTER)
            m_bFitsByNarrowing = 0;
        m_nWidth += pSeg->m_nWidth;
        nScaled += ScaledWidth(pSeg->m_nWidth, fScale);
    }
    return nScaled;
}

int CGlyphworkEditRow::SetCharWidth(CDC* pDC, int nCharWidth, bool bAll, float fScale)
{
    m_nWidth = 0;
    int nScaled = 0;
    POSITION pos = m_listSeg.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CContentSegment*>(m_listSeg.GetNext(pos));
        short nKind = pSeg->IsKindOf();
        bool bNarrows = nKind == SEG_TEXT || nKind == SEG_FRACTION;
        if (bAll ? nKind != 8 : bNarrows)
            pSeg->m_lFont.lfWidth = nCharWidth;
        if (nKind == SEG_TEXT)
            pSeg->m_nWidth = pSeg->m_lFont.lfWidth * static_cast<CStringContSeg*>(pSeg)->m_strText.GetLength();
        else if (bAll || bNarrows)
            pSeg->m_nWidth = pSeg->GetWidth(pDC);
        m_nWidth += pSeg->m_nWidth;
        nScaled += ScaledWidth(pSeg->m_nWidth, fScale);
    }
    return nScaled;
}

void CGlyphworkEditRow::FitToWidth(CDC* pDC, int nLayoutWidth, float fScale, int nBaseHeight)
{
    m_bFitsByNarrowing = 1;
    m_nSparePixels = 0;
    int nChars = 0;
    POSITION pos = m_listSeg.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CContentSegment*>(m_listSeg.GetNext(pos));
        short nKind = pSeg->IsKindOf();
        if (nKind == SEG_TEXT) {
            nChars++;
        } else if (nKind == SEG_FRACTION) {
            auto* pFraction = static_cast<CFractionContSeg*>(pSeg);
            nChars += pFraction->m_strBase.GetLength() +
                      std::max(pFraction->m_strNumerator.GetLength(), pFraction->m_strDenominator.GetLength());
        }
        if (nKind != SEG_TEXT && nKind != SEG_ENTER)
            m_bFitsByNarrowing = 0;
    }
    if (m_listSeg.IsEmpty())
        m_nWidth = 0;
    if (nChars == 0)
        return;

    const int h = std::abs(nBaseHeight);
    const int nNormal = (h + 1) / 2;
    const int nLimit = static_cast<int>(static_cast<float>(nLayoutWidth) * fScale) - 2;
    int nScaled = SetCharWidth(pDC, nNormal, true, fScale);
    if (nScaled < nLimit)
        return;
    const int nMaxStep = nNormal / 2;
    int nStep = std::min((nScaled - nLimit) / nChars, nMaxStep);
    for (;;) {
        nScaled = SetCharWidth(pDC, nNormal - nStep, false, fScale);
        nStep++;
        if (nScaled <= nLimit) {
            m_nSparePixels = nLimit - nScaled;
            return;
        }
        if (nStep > nMaxStep)
            return;
    }
}

int CGlyphworkEditRow::GetFirstXPos(CDC* pDC, int nLayoutWidth, int nLeftMargin, int nAlign, float fScale)
{
    CalcWidth(pDC, fScale);
    int nFree = nLayoutWidth - m_nWidth;
    if (m_nSparePixels != 0 || nFree < 0)
        return nLeftMargin;
    if (nAlign & 0x1)
        return nLeftMargin + static_cast<int>(static_cast<float>(nFree) * fScale + 1.0f) / 2;
    if (nAlign & 0x2)
        return nLeftMargin + ScaledWidth(nFree, fScale);
    return nLeftMargin;
}

void CGlyphworkEditRow::Draw(CDC* pDC, int x, int y, float fScale)
{
    int nSpare = m_nSparePixels;
    POSITION pos = m_listSeg.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CContentSegment*>(m_listSeg.GetNext(pos));
        pSeg->Draw(pDC, x, y, fScale, 0);
        x += ScaledWidth(pSeg->m_nWidth, fScale);
        if (nSpare > 0) {
            x++;
            nSpare--;
        }
    }
}
