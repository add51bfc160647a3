#include "symbols/FrameStrContSeg.h"

short CFrameStrContSeg::IsKindOf()
{
    return SEG_FRAME;
}

void CFrameStrContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut = "<R>" + m_strText + GetFontData(lfBase, crBase) + "</R>";
}

void CFrameStrContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    m_strText = strContent;
}
