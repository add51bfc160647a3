#include "symbols/CircleStrContSeg.h"

short CCircleStrContSeg::IsKindOf()
{
    return SEG_CIRCLE;
}

void CCircleStrContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    strOut = "<E>" + m_strText + GetFontData(lfBase, crBase) + "</E>";
}

void CCircleStrContSeg::SetData(CString strContent)
{
    CContentSegment::SetData(strContent);
    if (strContent.IsEmpty()) {
        m_strText.Empty();
        return;
    }
    // Left() stops at the end, so a lone lead byte at the end stays one byte.
    m_strText = strContent.Left(static_cast<BYTE>(strContent[0]) >= 0x80 ? 2 : 1);
}
