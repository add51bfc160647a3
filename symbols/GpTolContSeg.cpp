#include "symbols/GpTolContSeg.h"

CGpTolContSeg::CGpTolContSeg()
{
    OnInit();
}

CGpTolContSeg::CGpTolContSeg(const LOGFONT& lf, COLORREF cr)
    : CContentSegment(lf, cr)
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

void CGpTolContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut.Format("<G>%d;%d;%s;%d;%s;%d;%s;%d;%s;%d;%d;%d%s</G>", m_nType, m_nZonePrefix, m_strValue.GetString(),
                  m_nSpecialSymbol, m_strDatum1.GetString(), m_nDatumCode1, m_strDatum2.GetString(), m_nDatumCode2,
                  m_strDatum3.GetString(), m_nDatumCode3, m_nGrade, m_nBaseLength,
                  GetFontData(lfBase, crBase).GetString());
}

void CGpTolContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    if (strContent.IsEmpty())
        return;
    CStringArray f;
    SplitFields(strContent, f);
    INT_PTR n = f.GetSize();
    int* const ints[] = {&m_nType, &m_nZonePrefix, nullptr, &m_nSpecialSymbol, nullptr, &m_nDatumCode1,
                         nullptr, &m_nDatumCode2, nullptr, &m_nDatumCode3, &m_nGrade, &m_nBaseLength};
    CString* const texts[] = {nullptr, nullptr, &m_strValue, nullptr, &m_strDatum1, nullptr,
                              &m_strDatum2, nullptr, &m_strDatum3, nullptr, nullptr, nullptr};
    for (INT_PTR i = 0; i < n && i < 12; i++) {
        if (ints[i] != nullptr)
            *ints[i] = FieldToInt(f[i]);
        else
            *texts[i] = f[i];
    }
}

void CGpTolContSeg::CopyFields(const CGpTolContSeg& src)
{
    m_nType = src.m_nType;
    m_nZonePrefix = src.m_nZonePrefix;
    m_strValue = src.m_strValue;
    m_nSpecialSymbol = src.m_nSpecialSymbol;
    m_strDatum1 = src.m_strDatum1;
    m_nDatumCode1 = src.m_nDatumCode1;
    m_strDatum2 = src.m_strDatum2;
    m_nDatumCode2 = src.m_nDatumCode2;
    m_strDatum3 = src.m_strDatum3;
    m_nDatumCode3 = src.m_nDatumCode3;
    m_nGrade = src.m_nGrade;
    m_nBaseLength = src.m_nBaseLength;
}

void CGpTolContSeg::Set(CGpTolContSeg* pSrc)
{
    if (pSrc != nullptr)
        CopyFields(*pSrc);
}

int CGpTolContSeg::operator=(const CGpTolContSeg& src)
{
    CopyFields(src);
    m_fTextScale = src.m_fTextScale;
    CopyBase(src);
    return 1;
}
