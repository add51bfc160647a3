// One paint pass's state of the framework's list; the tree makes a larger one through the list's
// factory.
#pragma once

#include <windows.h>

#include "framework/FwListItem.h"
#include "platform/base/Rect.h"

class CDC;

struct FwListPaintContext
{
    virtual ~FwListPaintContext() = default;
    CDC* pDC = nullptr;
    int nView = 0;
    int nItem = -1;
    FwListItem* pItem = nullptr;
    FwListSubItem* pSubItem = nullptr;
    int nSubItem = 0;
    int nColumn = 0;
    FwListColumn* pColumn = nullptr;
    CRect rcCell;
    CRect rcIcon;
    CRect rcLabel;
    CRect rcStateIcon;
    CRect rcClip;
    LPCSTR pszText = nullptr;
    int nTextLen = 0;
    COLORREF crText = 0;
    COLORREF crBack = 0;
    BOOL bSelected = FALSE;
    BOOL bFocused = FALSE;
};
