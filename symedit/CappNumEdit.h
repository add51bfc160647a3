// One-line editor of numeric card cells; its static entries draw numeric cell text.
#pragma once

#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "symedit/MarkwellExport.h"

class CDC;

class MARKWELL_API CCappNumEdit
{
public:
    // nFlags bit 0x2: make the font height positive and narrow the font to fit rect.
    static void DrawData(CDC* pDC, CRect rect, CString strText, LOGFONT font, UINT nFormat, int nFlags,
                         COLORREF crColor);
    // Narrows the character width until the text fits the rectangle's width, measured on the DC.
    static void GetTextAutoSize(CDC* pDC, CRect rect, CString strText, LOGFONT& font);
};
