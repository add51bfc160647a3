// One data range of a cell: the rectangle of one grid row the cell fills, with the text shown
// there and the colours and font the value brings along.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"
#include "platform/base/Rect.h"

class VORNCARD_API CCellDataItem : public CObject
{
    FX_DECLARE_DYNAMIC(CCellDataItem)
public:
    // m_nFlags
    enum {
        flagOwnBack = 0x1,
        flagOwnText = 0x2,
        flagOwnFont = 0x4,
        flagInverted = 0x10,
    };

    CCellDataItem();
    CCellDataItem(const CCellDataItem& src);
    CCellDataItem& operator=(const CCellDataItem& src);

    CRect m_rect;
    CString m_strText;
    int m_nFlags;
    COLORREF m_crBack;
    COLORREF m_crText;
    LOGFONTA m_lfFont;
};
