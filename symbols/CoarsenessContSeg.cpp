#include "symbols/CoarsenessContSeg.h"

CCoarsenessContSeg::CCoarsenessContSeg()
{
    OnInit();
}

CCoarsenessContSeg::CCoarsenessContSeg(const LOGFONT& lf, COLORREF cr)
    : CContentSegment(lf, cr)
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

void CCoarsenessContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut.Format("<C>%d;%s;%s;%s;%s;%d;%s;%d%s</C>", m_nType, m_strValue1.GetString(), m_strValue2.GetString(),
                  m_strText3.GetString(), m_strText4.GetString(), m_nOption5, m_strText6.GetString(), m_nOption7,
                  GetFontData(lfBase, crBase).GetString());
}

void CCoarsenessContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    if (strContent.IsEmpty())
        return;
    CStringArray f;
    SplitFields(strContent, f);
    INT_PTR n = f.GetSize();
    int* const ints[] = {&m_nType, nullptr, nullptr, nullptr, nullptr, &m_nOption5, nullptr, &m_nOption7};
    CString* const texts[] = {nullptr, &m_strValue1, &m_strValue2, &m_strText3, &m_strText4, nullptr, &m_strText6,
                              nullptr};
    for (INT_PTR i = 0; i < n && i < 8; i++) {
        if (ints[i] != nullptr)
            *ints[i] = FieldToInt(f[i]);
        else
            *texts[i] = f[i];
    }
}

void CCoarsenessContSeg::CopyFields(const CCoarsenessContSeg& src)
{
    m_nType = src.m_nType;
    m_strValue1 = src.m_strValue1;
    m_strValue2 = src.m_strValue2;
    m_strText3 = src.m_strText3;
    m_strText4 = src.m_strText4;
    m_nOption5 = src.m_nOption5;
    m_strText6 = src.m_strText6;
    m_nOption7 = src.m_nOption7;
}

void CCoarsenessContSeg::Set(CCoarsenessContSeg* pSrc)
{
    if (pSrc == nullptr)
        return;
    CopyFields(*pSrc);
    if (m_nType == 0)
        m_nType = 2;
}

int CCoarsenessContSeg::operator=(const CCoarsenessContSeg& src)
{
    CopyFields(src);
    CopyBase(src);
    return 1;
}
