#include "symbols/StringContSeg.h"

short CStringContSeg::IsKindOf()
{
    return SEG_TEXT;
}

void CStringContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    CString strFont = GetFontData(lfBase, crBase);
    if (strFont.IsEmpty())
        strOut = m_strText;
    else
        strOut = "<A>" + m_strText + strFont + "</A>";
}

void CStringContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    m_strText = strContent;
}

int CStringContSeg::operator=(const CStringContSeg& src)
{
    m_strText = src.m_strText;
    CopyBase(src);
    return 1;
}
