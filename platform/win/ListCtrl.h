// A list-view control (report, icon or list views); results follow Win32 (-1 for failure).
#pragma once

#include "platform/win/Wnd.h"
#include <commctrl.h>

class FX_API CListCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CListCtrl)

public:
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle);

    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    int GetColumnWidth(int nCol) const;

    int GetItemCount() const;
    int InsertItem(int nItem, LPCSTR lpszItem);
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    // The next item after nItem (-1: from the start) with the LVNI_ flags; -1 when none.
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
};
