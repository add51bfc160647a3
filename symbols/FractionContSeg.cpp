#include "symbols/FractionContSeg.h"

CFractionContSeg::CFractionContSeg()
{
    OnInit();
}

CFractionContSeg::CFractionContSeg(const LOGFONT& lf, COLORREF cr)
    : CContentSegment(lf, cr)
{
    OnInit();
}

void CFractionContSeg::OnInit()
{
    m_strBase.Empty();
    m_strNumerator.Empty();
    m_strDenominator.Empty();
    m_dScale = 0.75;
}

short CFractionContSeg::IsKindOf()
{
    return SEG_FRACTION;
}

void CFractionContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut.Format("<F>%s;%s;%s%s</F>", m_strBase.GetString(), m_strNumerator.GetString(), m_strDenominator.GetString(),
                  GetFontData(lfBase, crBase).GetString());
}

void CFractionContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    if (strContent.IsEmpty())
        return;
    CStringArray fields;
    SplitFields(strContent, fields);
    INT_PTR n = fields.GetSize();
    if (n > 0)
        m_strBase = fields[0];
    if (n > 1)
        m_strNumerator = fields[1];
    if (n > 2)
        m_strDenominator = fields[2];
}

void CFractionContSeg::GetData(CString& strBase, CString& str1, CString& str2)
{
    strBase = m_strBase;
    str1 = m_strNumerator;
    str2 = m_strDenominator;
}

void CFractionContSeg::SetData(CString strBase, CString str1, CString str2)
{
    m_strBase = strBase;
    m_strNumerator = str1;
    m_strDenominator = str2;
}

void CFractionContSeg::SetData(CFractionContSeg* pSrc)
{
    if (pSrc != nullptr)
        SetData(pSrc->m_strBase, pSrc->m_strNumerator, pSrc->m_strDenominator);
}

int CFractionContSeg::operator=(const CFractionContSeg& src)
{
    m_strBase = src.m_strBase;
    m_strNumerator = src.m_strNumerator;
    m_strDenominator = src.m_strDenominator;
    m_dScale = src.m_dScale;
    CopyBase(src);
    return 1;
}
