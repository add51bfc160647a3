// A tree control with the programming interface and notifications of the tree-view control,
// built on the framework's list: the items whose ancestors are all expanded are mirrored as
// list rows in display order, each row's data holding its tree item.
#pragma once

#include "framework/FwListCtrl.h"
#include "framework/FwTreeItem.h"
#include "framework/FwTreeStyles.h"

class CBitmap;
class FwColumnTextMap;

// The tree's own style word (tree-view style bits).
#define FWTS_HASBUTTONS 0x0001
#define FWTS_HASLINES 0x0002
#define FWTS_LINESATROOT 0x0004
#define FWTS_EDITLABELS 0x0008
#define FWTS_DISABLEDRAGDROP 0x0010
#define FWTS_SHOWSELALWAYS 0x0020
// Its extended word.
#define FWTS_EX_MULTISELECT 0x00100000
#define FWTS_EX_WRAPLABELS 0x00200000
#define FWTS_EX_HEADER 0x00400000
#define FWTS_EX_INFOTIP 0x00800000
// Behaviour flags.
#define FWTB_MULTISELECT 0x10
#define FWTB_WRAPLABELS 0x20
#define FWTB_HEADER 0x40
#define FWTB_INFOTIP 0x80

// The tree's own codes of GetNextItem and insertion.
#define FWTGN_FIRSTSELECTED 32
#define FWTGN_NEXTSELECTED 33
#define FWTGN_PREVSELECTED 34
#define FWTI_SORTDESCENDING (reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(0xFFFF0010)))

// A paint pass of the tree adds the item and its depth.
struct FwTreePaintContext : FwListPaintContext
{
    FwTreeItem* pTreeItem = nullptr;
    int nLevel = 0;
};

class FwTreeCtrl : public FwListCtrl
{
public:
    FwTreeCtrl();
    ~FwTreeCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // List operations the tree takes over.
    using FwListCtrl::DeleteItem;
    using FwListCtrl::EnsureVisible;
    using FwListCtrl::GetItemData;
    using FwListCtrl::GetItemState;
    using FwListCtrl::GetItemText;
    using FwListCtrl::GetNextItem;
    using FwListCtrl::InsertItem;
    using FwListCtrl::SelectItem;
    using FwListCtrl::SetItemState;
    using FwListCtrl::SetItemText;
    BOOL SetItem(const LVITEMA* pItem, BOOL bRedraw = TRUE) override;
    BOOL GetItem(LVITEMA* pItem, BOOL bCopyText = TRUE, BOOL bAskParent = TRUE) override;
    BOOL DeleteAllItems() override;
    CImageList* SetImageList(CImageList* pImageList, int nWhich) override;
    void SetLabelsWrap(BOOL bWrap) override;
    void SetInfoTips(BOOL bTips) override;
    void SetMultiSelect(BOOL bMulti) override;
    void SetHeaderShown(BOOL bShown) override;
    FwListPaintContext* CreatePaintContext() override;
    int MeasureRow(int nItem, CDC* pDC) override;
    int GetRowIndent(int nItem) override;
    void DrawCell(FwListPaintContext& ctx) override;
    void OnKeyLeftRight(UINT nChar, BOOL bShift, BOOL bCtrl) override;
    void OnKeyBack() override;
    void OnKeyPlusMinus(UINT nChar) override;
    BOOL NotifyBeginLabelEdit(int nItem, int nCol) override;
    BOOL NotifyEndLabelEdit(int nItem, int nCol, LPSTR pszText) override;
    void NotifyDeleteItem(int nItem) override;
    BOOL NotifyGetDispInfo(LVITEMA* pItem) override;
    void NotifyKeyDown(UINT nChar, UINT nFlags) override;
    void NotifyBeginDrag(int nItem, BOOL bRight) override;
    void TakeStyles(DWORD& dwStyle, DWORD& dwExStyle) override;
    BOOL OnSelChanging(int nOld, int nNew, int nAction) override;
    void OnSelChanged(int nOld, int nNew, int nAction) override;

    // 1. Extra state and tree-item records.
    virtual BOOL SetTreeItemExtraState(HTREEITEM hItem, UINT nExtraState);
    virtual BOOL GetTreeItem(TVITEMA* pItem);
    virtual UINT GetTreeItemExtraState(HTREEITEM hItem) const;
    // 2. Column texts.
    virtual void CreateColumnTexts(BOOL bCreate);
    virtual BOOL HasColumnTexts() const { return m_pColumnTexts != nullptr; }
    virtual BOOL SetColumnText(HTREEITEM hItem, int nCol, LPCSTR pszText);
    virtual BOOL SetLabelText(HTREEITEM hItem, LPCSTR pszText);
    // 3. Sorted insertion's order: case-insensitive multibyte comparison of the texts.
    virtual int CompareItems(FwTreeItem* pItem1, FwTreeItem* pItem2);
    // 4. Tree styles.
    virtual void GetTreeStyles(DWORD& dwStyle, DWORD& dwExStyle) const;
    virtual void SetTreeStyles(DWORD dwStyle, DWORD dwExStyle);
    virtual DWORD GetTreeStyle() const { return m_styles.GetStyle(); }
    virtual void SetTreeStyle(DWORD dwStyle);
    virtual DWORD GetTreeExStyle() const { return m_styles.GetExStyle(); }
    virtual void SetTreeExStyle(DWORD dwExStyle);
    virtual void ModifyTreeStyle(DWORD dwRemove, DWORD dwAdd);
    virtual void ModifyTreeExStyle(DWORD dwRemove, DWORD dwAdd);
    virtual void ModifyTreeStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwExRemove, DWORD dwExAdd);
    // 5.
    virtual void InvalidateItem(HTREEITEM hItem);
    // 6. Drawing steps.
    virtual CString GetLabelParts(FwTreeItem* pItem, CDC* pDC);
    virtual void DrawLines(FwTreePaintContext& ctx);
    virtual void DrawButton(FwTreePaintContext& ctx, const CRect& rcButton);
    virtual void DrawDottedHorzLine(CDC* pDC, int x1, int x2, int y, int nRowTop);
    virtual void DrawDottedVertLine(CDC* pDC, int x, int y1, int y2, int nRowTop);
    // 7. Notifications.
    virtual BOOL NotifyTreeGetDispInfo(FwTreeItem* pItem, UINT nMask, TVITEMA& answer);
    virtual void NotifyItemExpanded(FwTreeItem* pItem, UINT nCode);
    virtual BOOL NotifyItemExpanding(FwTreeItem* pItem, UINT nCode);
    virtual void NotifyTreeSetDispInfo(FwTreeItem* pItem, LPCSTR pszText);
    // 8. Drag images; each makes a new object the caller owns and answers FALSE on failure.
    // The item's label (its first line) in the item font and text colour on the background
    // colour, 2 pixels of background left and right.
    virtual BOOL CreateLabelBitmap(HTREEITEM hItem, CBitmap& bitmap);
    // One image the size of the bitmap; pixels of crMask are transparent.
    virtual BOOL CreateImageListFromBitmap(CBitmap* pBitmap, COLORREF crMask, CImageList& imageList);
    // One image the size of the icon.
    virtual BOOL CreateImageListFromIcon(HICON hIcon, CImageList& imageList);
    // One image: nImage2 of pList2 drawn over nImage1 of pList1 at (dx, dy).
    virtual BOOL MergeImageLists(const CImageList* pList1, int nImage1, const CImageList* pList2, int nImage2, int dx,
                                 int dy, CImageList& merged);
    // 9. Deleting, buttons and the item factory.
    virtual void DeleteOneItem(FwTreeItem* pItem);
    virtual BOOL GetButtonRect(FwTreeItem* pItem, const CRect& rcRow, CRect& rcButton);
    virtual void NotifyTreeDeleteItem(FwTreeItem* pItem);
    virtual FwTreeItem* CreateTreeItem();

    // The tree-view interface.
    HTREEITEM InsertItem(LPCSTR pszText, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR pszText, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(const TVINSERTSTRUCTA* pInsert);
    BOOL DeleteItem(HTREEITEM hItem);
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode);
    HTREEITEM GetChildItem(HTREEITEM hItem) { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetFirstVisibleItem() { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
    HTREEITEM GetSelectedItem() { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() { return GetNextItem(nullptr, TVGN_DROPHILITE); }
    HTREEITEM GetRootItem() { return GetNextItem(nullptr, TVGN_ROOT); }
    BOOL ItemHasChildren(HTREEITEM hItem);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage);
    CString GetItemText(HTREEITEM hItem, int nCol = 0);
    BOOL SetItemText(HTREEITEM hItem, int nCol, LPCSTR pszText);
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask);
    LPARAM GetItemData(HTREEITEM hItem);
    BOOL Expand(HTREEITEM hItem, UINT nCode, BOOL bRedraw = TRUE);
    BOOL Select(HTREEITEM hItem, UINT nCode);
    BOOL SelectItem(HTREEITEM hItem);
    BOOL SelectDropTarget(HTREEITEM hItem, BOOL bExpandParents = TRUE);
    BOOL EnsureVisible(HTREEITEM hItem, BOOL bWithParent = FALSE);
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr);
    int GetIndent() const { return m_nIndent; }
    void SetIndent(int nIndent);

    // The list row of an item, -1 when it has none; the item of a row.
    int FindRow(const FwTreeItem* pItem) const;
    FwTreeItem* ItemOfRow(int nRow) const;
    FwTreeItem* GetRootTreeItem() const { return m_pRoot; }

    void OnDestroy() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;

protected:
    FwTreeItem* Resolve(HTREEITEM hItem) const;
    // Whether every ancestor up to the root is expanded and none hides the item.
    BOOL IsShown(const FwTreeItem* pItem) const;
    // The item's depth below the hidden root (top-level items: 1).
    int LevelOf(const FwTreeItem* pItem) const;
    int LineColumn(const FwTreeItem* pItem) const;
    BOOL HasChildrenIndicator(FwTreeItem* pItem);
    // Inserts rows for the shown descendants of pItem from row nRow on; the rows inserted.
    int InsertChildRows(FwTreeItem* pItem, int nRow);
    void InsertRowFor(FwTreeItem* pItem);
    void RemoveDescendantRows(FwTreeItem* pItem);
    void ResetRoot();
    LRESULT SendTreeNotify(UINT nCode, FwTreeItem* pOld, FwTreeItem* pNew, UINT nAction, CPoint pt = CPoint());
    BOOL SelectCaret(FwTreeItem* pItem, UINT nAction);
    CString TextOf(FwTreeItem* pItem);

    FwTreeItem* m_pRoot;
    FwColumnTextMap* m_pColumnTexts;
    int m_nIndent;
    FwTreeStyles m_styles;
};
