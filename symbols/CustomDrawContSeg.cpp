#include "symbols/CustomDrawContSeg.h"

#include <cstdlib>

#include "symbols/SegFont.h"
#include "symbols/SegPaint.h"

namespace
{
// The markup of a symbol the library lacks; the segment shows this text instead.
const char kMissing[] = "???";
} // namespace

CCustomDrawContSeg::CCustomDrawContSeg()
{
    m_CustSymbol.SetSymbolString("");
}

CCustomDrawContSeg::CCustomDrawContSeg(const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr)
{
    m_CustSymbol.SetSymbolString("");
}

short CCustomDrawContSeg::IsKindOf()
{
    return SEG_CUSTOM;
}

void CCustomDrawContSeg::GetData(CString& strOut, LOGFONT&, COLORREF)
{
    if (m_strArgument.IsEmpty())
        strOut = "<P>" + m_strGuid + "</P>";
    else
        strOut = "<P>" + m_strGuid + "?" + m_strArgument + "</P>";
}

void CCustomDrawContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    m_strSymbol = strContent;
    m_CustSymbol.SetSymbolString(m_strSymbol);
}

int CCustomDrawContSeg::operator=(const CCustomDrawContSeg& src)
{
    m_strGuid = src.m_strGuid;
    m_strSymbol = src.m_strSymbol;
    m_strArgument = src.m_strArgument;
    m_CustSymbol = src.m_CustSymbol;
    return 1;
}

void CCustomDrawContSeg::ResetSymbol(CDC* pDC)
{
    m_CustSymbol.SetSymbolString(m_strSymbol);
    m_CustSymbol.SetArgument(m_strArgument);
    m_CustSymbol.SetCharMode(m_crColor, TRUE);
    long lWidth = 0;
    if (pDC != nullptr && m_CustSymbol.QueryWidth(pDC, abs(GetDrawFont().lfHeight), lWidth))
        m_nWidth = lWidth;
}

BOOL CCustomDrawContSeg::Edit(CString& strArguments)
{
    CString strEdited = m_strArgument;
    BOOL bOk = m_CustSymbol.QueryArgUI(m_strGuid, strEdited);
    if (bOk) {
        m_strArgument = strEdited;
        m_CustSymbol.SetArgument(m_strArgument);
    }
    strArguments = m_strArgument;
    return bOk;
}

int CCustomDrawContSeg::GetWidth(CDC* pDC)
{
    // A missing symbol takes the room of the text it shows.
    if (m_strSymbol == kMissing) {
        CSegFont font(GetDrawFont());
        return SegTextExtent(pDC, font, kMissing).cx;
    }
    long lWidth = 0;
    if (!m_CustSymbol.QueryWidth(pDC, abs(GetDrawFont().lfHeight), lWidth))
        return 0;
    return lWidth;
}

void CCustomDrawContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    CFxSavedDC savedDC(pDC);
    pDC->SetTextColor(m_crColor);
    if (m_strSymbol == kMissing) {
        CSegFont font(SegMath::ScaleFont(GetDrawFont(), fScale));
        SegTextOut(pDC, font, x, y, kMissing);
        return;
    }
    ResetSymbol(pDC);
    if (m_bSelected) {
        m_CustSymbol.SetTransparent(FALSE);
        m_CustSymbol.SetSelected(TRUE);
    } else if (nOpaque) {
        m_CustSymbol.SetTransparent(FALSE);
        m_CustSymbol.SetSelected(FALSE);
    } else {
        m_CustSymbol.SetTransparent(TRUE);
    }
    m_CustSymbol.SetBackroundColor(RGB(255, 255, 255));
    int s = SegMath::Trunc(abs(GetDrawFont().lfHeight) * static_cast<double>(fScale));
    m_CustSymbol.Draw(pDC, CPoint(x, y + s), static_cast<long>(s));
}
