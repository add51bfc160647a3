#include "symbols/ToleranceContSeg.h"

CToleranceContSeg::CToleranceContSeg()
{
    OnInit();
}

CToleranceContSeg::CToleranceContSeg(const LOGFONT& lf, COLORREF cr)
    : CContentSegment(lf, cr)
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

void CToleranceContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut.Format("<T>%s;%s;%s;%d;%s%s</T>", m_strBase.GetString(), m_strUpper.GetString(),
                  m_strLower.GetString(), m_nSymbolFlag, m_strSymbol.GetString(),
                  GetFontData(lfBase, crBase).GetString());
}

void CToleranceContSeg::Set(CString strFields)
{
    if (strFields.IsEmpty())
        return;
    CStringArray fields;
    SplitFields(strFields, fields);
    INT_PTR n = fields.GetSize();
    if (n > 0)
        m_strBase = fields[0];
    if (n > 1)
        m_strUpper = fields[1];
    if (n > 2)
        m_strLower = fields[2];
    if (n > 3)
        m_nSymbolFlag = FieldToInt(fields[3]);
    if (n > 4)
        m_strSymbol = fields[4];
}

void CToleranceContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    Set(strContent);
}

void CToleranceContSeg::GetData(CString& strBase, CString& strSymbol, CString& strUpper, CString& strLower,
                                int& nFlag)
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
    m_strBase = src.m_strBase;
    m_strUpper = src.m_strUpper;
    m_strLower = src.m_strLower;
    m_nSymbolFlag = src.m_nSymbolFlag;
    m_strSymbol = src.m_strSymbol;
    m_dScale = src.m_dScale;
    CopyBase(src);
    return 1;
}
