// A bar of stacked folder buttons: the open folder shows a scrollable column of icon items or a
// child window; item clicks and folder changes go to the owner as WM_KV_OUTBAR_NOTIFY.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/Point.h"
#include "platform/base/PtrArray.h"
#include "platform/base/Rect.h"
#include "platform/base/Size.h"
#include "platform/base/String.h"
#include "platform/gdi/Pen.h"
#include "platform/win/Wnd.h"

class CDC;
class CImageList;

// To the owner (the parent when there is none): wParam KV_OBN_ITEMCLICK with lParam the item
// index, or KV_OBN_FOLDERCHANGE with lParam the folder index.
#define WM_KV_OUTBAR_NOTIFY 0x433
#define KV_OBN_ITEMCLICK 1
#define KV_OBN_FOLDERCHANGE 3

// Flag bit: the last clicked item stays drawn as selected.
#define KV_OBF_SELHIGHLIGHT 8

class KVCOMM_API CKvOutBarCtrl : public CWnd
{
    FX_DECLARE_DYNCREATE(CKvOutBarCtrl)

public:
    // What HitTestEx found.
    enum { htNothing = -1, htFolder = 0, htItem = 1, htUpScroll = 2, htDownScroll = 3 };
    // Parts of an item for GetItemSize.
    enum { ipIcon = 1, ipLabel = 2, ipBoth = 3 };

    CKvOutBarCtrl();
    ~CKvOutBarCtrl() override;
    CKvOutBarCtrl(const CKvOutBarCtrl&) = delete;
    CKvOutBarCtrl& operator=(const CKvOutBarCtrl&) = delete;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwFlags = 15);
    DWORD GetFlag() const { return m_dwFlags; }
    void ModifyFlag(const DWORD& dwRemove, const DWORD& dwAdd, UINT nRedraw = 0);

    int AddFolder(const char* pszName, DWORD dwData);
    int AddFolderBar(const char* pszName, CWnd* pChild, DWORD dwData = 0);
    int InsertItem(int nFolder, int nIndex, const char* pszText, int nImage, DWORD dwData);
    void SetFolderText(int nFolder, const char* pszText);
    void SetItemText(int nItem, const char* pszText);
    void SetSelFolder(int nFolder);
    int GetSelFolder() const { return m_nSelFolder; }
    int GetFolderCount() const { return static_cast<int>(m_arFolder.GetSize()); }
    int GetItemCount() const;
    void RemoveFolder(int nFolder);
    void RemoveItem(int nItem);
    // Removes the folder or item that the last press on the bar hit.
    void KvRemoveitem();

    // Items of the open folder.
    bool IsValidItem(int nItem) const;
    DWORD GetItemData(int nItem) const;
    void SetItemData(int nItem, DWORD dwData);
    int GetItemImage(int nItem) const;
    void SetItemImage(int nItem, int nImage);
    CString GetItemText(int nItem) const;

    // A negative folder index means the open folder.
    CWnd* GetFolderChild(int nFolder = -1) const;
    DWORD GetFolderData(int nFolder = -1) const;

    // The bar's list, used by folders without their own; the bar does not own lists.
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const { return m_pImageList; }
    CImageList* SetFolderImageList(int nFolder, CImageList* pImageList);
    CImageList* GetFolderImageList(int nFolder) const;

    int GetCountPerPage() const { return 0; }
    void KvSetDragItem(int bDrag) { m_bDragItem = bDrag; }

    // Geometry, in client coordinates.
    BOOL GetFolderRect(int nFolder, CRect& rect) const;
    void GetInsideRect(CRect& rect) const;
    void GetItemRect(int nFolder, int nItem, CRect& rect);
    void GetIconRect(int nFolder, int nItem, CRect& rect);
    void GetLabelRect(int nFolder, int nItem, CRect& rect);
    CSize GetItemSize(int nFolder, int nItem, int nPart);
    void GetVisibleRange(int nFolder, int& nFirst, int& nLast);
    // The band that marks a drop before item nPosition (after the last one when it is the count):
    // 0 before the first item, 1 between two items, 2 after the last.
    int GetDragItemRect(int nPosition, CRect& rect);
    int HitTestEx(const CPoint& point, int& nIndex);
    // The first visible item of the open folder, and whether each scroll arrow is shown.
    int GetFirstItem() const { return m_nFirstItem; }
    BOOL IsUpArrowShown() const { return m_bUpArrow; }
    BOOL IsDownArrowShown() const { return m_bDownArrow; }
    int GetLastClicked() const { return m_nLastSel; }

    void DrawFolder(CDC* pDC, int nFolder, CRect rect, bool bPressed);
    void PaintItems(CDC* pDC, int nFolder, CRect rect);
    void DrawItem(CDC* pDC, int nFolder, CRect rect, int nItem, bool bOnlyImage);
    // Erases the drop mark at position nFrom and draws it at nTo; -1 is no position.
    void DrawDragArrow(CDC* pDC, int nFrom, int nTo);
    void HighlightFolder(int nFolder);
    void HighlightItem(int nItem, bool bPressed);
    void KvDrawFloderTest(CDC* pDC, CString strText, CRect rect);

    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;

protected:
    struct CBarFolder;

    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

    // The folder the items and inside area belong to: the selected one, held within range.
    int OpenFolder() const;
    CBarFolder* Folder(int nFolder) const;
    CImageList* ImageListOf(int nFolder) const;
    CSize Spacing(int nFolder) const;
    void UpdateArrows();
    void GetArrowRect(BOOL bDown, CRect& rect) const;
    void DrawArrow(CDC* pDC, BOOL bDown, BOOL bPushed);
    void DrawHighlightFrame(CDC* pDC, int nItem, bool bPressed, bool bErase);
    CWnd* NotifyTarget() const;
    void MoveChildren();
    void TrackFolder(int nFolder);
    void TrackArrow(int nHit);
    void TrackItem(int nItem);
    // Drop position for a point while dragging nFrom; -1 when a release there changes nothing.
    int DropPosition(int nFrom, const CPoint& point);
    void MoveItem(int nFrom, int nTo);

    int m_bDragItem;
    int m_nLayout;
    COLORREF m_crBackground;
    COLORREF m_crFrame;
    COLORREF m_crText;
    COLORREF m_cr3DFace;
    COLORREF m_cr3DLight;
    COLORREF m_crHighlight;
    COLORREF m_cr3DShadow;
    COLORREF m_crDarkShadow;
    int m_nFolderHeight;
    int m_nLabelGap;
    CSize m_szLargeSpacing;
    CSize m_szSmallSpacing;
    DWORD m_dwFlags;
    CPtrArray m_arFolder;
    int m_nSelFolder;
    int m_nFirstItem;
    int m_nHighlightFolder;
    int m_nHighlightItem;
    bool m_bHighlightPressed;
    int m_nLastSel;
    BOOL m_bUpArrow;
    BOOL m_bDownArrow;
    BOOL m_bUpPressed;
    BOOL m_bDownPressed;
    CImageList* m_pImageList;
    CPen m_penBlack;
    // What the last press hit, for KvRemoveitem.
    int m_nLastHit;
    int m_nLastHitIndex;
};
