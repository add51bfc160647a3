// A tree-view control; items are HTREEITEM handles the control owns, results follow Win32.
#pragma once

#include "platform/win/Wnd.h"
#include <commctrl.h>

class FX_API CTreeCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CTreeCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Null on failure.
    HTREEITEM InsertItem(LPCSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    UINT GetCount() const;

    // Navigation: null when there is no such item.
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem() const;
    BOOL SelectItem(HTREEITEM hItem);

    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    // TRUE when the item has children or says it has (I_CHILDRENCALLBACK counts).
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    // nCode: TVE_EXPAND, TVE_COLLAPSE, TVE_TOGGLE...; FALSE when nothing changed (no children).
    BOOL Expand(HTREEITEM hItem, UINT nCode);
};
