// One data range of a cell: the rectangle of one grid row the cell fills, with the text shown
// there and the colours and font the value brings along.
#pragma once

#include "core/CappContextFont.h"
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

    // The range's own font scaled for the context (null: "PRINT" on a printer, "WIN" on screen);
    // null when the range has no font of its own (flagOwnFont clear).
    CFont* GetDrawLoginFont(CDC* pDC, LPCSTR pszContext = nullptr);

    CRect m_rect;
    CString m_strText;
    int m_nFlags;
    COLORREF m_crBack;
    COLORREF m_crText;
    LOGFONTA m_lfFont;
    // Run time only: the scaled font of the last context; never copied.
    CCappContextFont m_drawFont;
};
