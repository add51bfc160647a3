// The records of the framework's list control: one row, one sub-item, one column.
#pragma once

#include <vector>

#include "platform/base/Rect.h"
#include "platform/base/String.h"

struct FwListSubItem
{
    CString strText;
    // The parent supplies the text (LVN_GETDISPINFO); a new sub-item starts so.
    BOOL bCallback = TRUE;
    CRect rcItem;
};

struct FwListItem
{
    FwListItem() = default;
    ~FwListItem();
    FwListItem(const FwListItem&) = delete;
    FwListItem& operator=(const FwListItem&) = delete;

    CString strText;
    BOOL bCallbackText = FALSE;
    // State bits other than focused, selected and drop-highlighted.
    UINT nState = 0;
    // -1: the parent supplies it.
    int iImage = 0;
    LPARAM lParam = 0;
    // -1: not measured yet.
    int nHeight = -1;
    UINT nExtraState = 0;
    CRect rcIcon;
    CRect rcLabel;
    CRect rcStateIcon;
    CRect rcBounds;
    // Sub-item n is element n - 1; owned.
    std::vector<FwListSubItem*> subItems;
};

struct FwListColumn
{
    UINT nMask = 0;
    int nFormat = 0;
    int nWidth = 0;
    CString strText;
    int nSubItem = 0;
};
