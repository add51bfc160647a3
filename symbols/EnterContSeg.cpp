#include "symbols/EnterContSeg.h"

short CEnterContSeg::IsKindOf()
{
    return SEG_ENTER;
}

void CEnterContSeg::GetData(CString& strOut, LOGFONT&, COLORREF)
{
    strOut = "\n";
}

int CEnterContSeg::operator=(const CEnterContSeg& src)
{
    m_bSelected = src.m_bSelected;
    m_nWidth = src.m_nWidth;
    return 1;
}
