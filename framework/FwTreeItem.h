// One item of the framework's tree control: a tree node whose fields are kept in the layout of
// the tree-view item record, with its own handle in it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/FwLevelTreeNode.h"
#include "platform/base/String.h"

// Extra-state bits of a tree item.
#define FWTIS_INHERITED 0x100
#define FWTIS_HIDDEN 0x200

class FwTreeItem : public FwLevelTreeNode
{
public:
    FwTreeItem();

    BOOL IsExpanded() const override;
    BOOL SetExpanded(BOOL bExpanded) override;

    // The record as notifications carry it: text points at the item's own copy.
    const TVITEMA& GetRecord();
    HTREEITEM GetHandle() const { return reinterpret_cast<HTREEITEM>(const_cast<FwTreeItem*>(this)); }
    static FwTreeItem* FromHandle(HTREEITEM hItem) { return reinterpret_cast<FwTreeItem*>(hItem); }

    FwTreeItem* GetParentItem() const { return static_cast<FwTreeItem*>(GetParent()); }
    FwTreeItem* GetFirstChildItem() const { return static_cast<FwTreeItem*>(GetFirstChild()); }
    FwTreeItem* GetNextSiblingItem() const { return static_cast<FwTreeItem*>(GetNextSibling()); }
    FwTreeItem* GetPrevSiblingItem() const { return static_cast<FwTreeItem*>(GetPrevSibling()); }

    void SetText(LPCSTR pszText);

    TVITEMA m_item;
    CString m_strText;
    BOOL m_bCallbackText;
    UINT m_nExtraState;
    // A label holding the marker "\{HI}": the parts before and after it and the first part's width.
    BOOL m_bSplitLabel;
    CString m_strFirstPart;
    CString m_strSecondPart;
    int m_cxFirstPart;
};
