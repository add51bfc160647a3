// An owner-drawn multi-column list written on a plain child window: it keeps its own rows,
// columns, selection, focus and drop marks, draws everything itself and tells its parent what
// happens with the list-view notifications and records. The tree control is built on it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "framework/FwListColors.h"
#include "framework/FwListColumnResize.h"
#include "framework/FwListImageLists.h"
#include "framework/FwListItem.h"
#include "framework/FwListPaintContext.h"
#include "framework/FwListSelection.h"
#include "framework/FwListSite.h"
#include "platform/base/Point.h"
#include "platform/win/Wnd.h"

class CDC;
class CFont;
class CImageList;
class FwListEdit;
class FwListTip;

// The list's style word (list-view style bits).
#define FWLS_VIEWMASK 0x0003
#define FWLS_REPORT 0x0001
#define FWLS_SINGLESEL 0x0004
#define FWLS_SHOWSELALWAYS 0x0008
#define FWLS_SHAREIMAGELISTS 0x0040
#define FWLS_NOLABELWRAP 0x0080
#define FWLS_EDITLABELS 0x0200
#define FWLS_NOSCROLL 0x2000
#define FWLS_NOCOLUMNHEADER 0x4000
// Extended style word.
#define FWLS_EX_INFOTIP 0x00100000
#define FWLS_EX_HORZGRID 0x00400000
#define FWLS_EX_VERTGRID 0x00800000
#define FWLS_EX_FULLROWSELECT 0x02000000
#define FWLS_EX_FITCOLUMNS 0x04000000
#define FWLS_EX_KEEPWIDTHS 0x08000000
// The scroll bars shown.
#define FWLS_SB_HORZ 0x00100000
#define FWLS_SB_VERT 0x00200000

// Hit-test codes of the list.
#define FWLHT_NOWHERE 0x0001
#define FWLHT_ONICON 0x0002
#define FWLHT_ONLABEL 0x0004
#define FWLHT_INDENT 0x0008
#define FWLHT_RIGHTOFLABEL 0x0020
#define FWLHT_ONSTATEICON 0x0040
#define FWLHT_ABOVE 0x0100
#define FWLHT_BELOW 0x0200
#define FWLHT_TORIGHT 0x0400
#define FWLHT_TOLEFT 0x0800
#define FWLHT_HEADER 0x1000
#define FWLHT_DIVIDER 0x2000
#define FWLHT_ONITEM 0x4000

// The ids of the list's own children and its timer.
#define FW_IDW_HSCROLL 59904
#define FW_IDW_VSCROLL 59920
#define FW_LIST_EDIT_TIMER 1

class FwListCtrl : public CWnd, public FwListSite
{
public:
    FwListCtrl();
    ~FwListCtrl() override;

    // 1. Creation.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Takes the place of a dialog's control: its style plus WS_BORDER, its rectangle and id.
    virtual BOOL ReplaceDlgControl(CWnd* pParentWnd, UINT nID);

    // 2. Colours and fonts.
    virtual COLORREF GetBkColor() const;
    virtual COLORREF GetTextColor() const { return m_colors.crText; }
    virtual COLORREF GetTextBkColor() const { return m_colors.crTextBk; }
    virtual COLORREF GetDisabledTextColor() const { return m_colors.crDisabledText; }
    virtual void SetBkColor(COLORREF cr);
    virtual void SetTextColor(COLORREF cr) { m_colors.crText = cr; }
    virtual void SetTextBkColor(COLORREF cr) { m_colors.crTextBk = cr; }
    virtual CFont* GetItemFont() const;
    virtual void SetItemFont(CFont* pFont);
    virtual CFont* GetHeaderFont() const;
    virtual void SetHeaderFont(CFont* pFont);
    virtual void SetFollowSysColors(BOOL bFollow) { m_bFollowSysColors = bFollow; }
    virtual BOOL GetFollowSysColors() const { return m_bFollowSysColors; }

    // 3. Row geometry.
    virtual int GetTopIndex() const { return m_nFirstVisible; }
    virtual int GetLastFullyVisible();
    virtual int GetCountPerPage();
    // Rows that fit when the last row is at the bottom.
    virtual int GetCountPerPageFromEnd();
    virtual int GetRowDistance(int nFrom, int nTo);
    // The row under a vertical client offset below the header; -1 when none.
    virtual int GetRowAt(int y);
    virtual void InvalidateRow(int nItem);
    virtual void InvalidateRows(int nFirst, int nLast);
    virtual void Relayout();

    // 4. Columns.
    virtual int InsertColumn(int nCol, const FwListColumn& column, BOOL bRedraw = TRUE);
    virtual int InsertColumn(int nCol, LPCSTR pszText, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    virtual int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
    virtual BOOL DeleteColumn(int nCol);
    virtual void DeleteAllColumns();
    virtual BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const;
    virtual BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn);
    virtual BOOL SetColumnWidth(int nCol, int cx);
    virtual int GetColumnWidth(int nCol) const;
    virtual BOOL SetColumnText(int nCol, LPCSTR pszText);
    virtual int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    virtual FwListColumn* GetColumnAt(int nCol) const;
    virtual int GetColumnLeft(int nCol) const;

    // 5. Items.
    virtual int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    virtual int InsertItem(const LVITEMA* pItem);
    int InsertItem(int nItem, LPCSTR pszText, int nImage = 0);
    virtual BOOL SetItem(const LVITEMA* pItem, BOOL bRedraw = TRUE);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR pszText, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam);
    // bAskParent: callback fields are asked with LVN_GETDISPINFO, else answered -1.
    virtual BOOL GetItem(LVITEMA* pItem, BOOL bCopyText = TRUE, BOOL bAskParent = TRUE);
    virtual BOOL SetItemExtraState(int nItem, UINT nExtraState);
    virtual UINT GetItemExtraState(int nItem) const;
    virtual BOOL SetItemText(int nItem, int nSubItem, LPCSTR pszText);
    virtual int GetItemText(int nItem, int nSubItem, LPSTR pszBuffer, int nMax);
    CString GetItemText(int nItem, int nSubItem);
    virtual BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    virtual UINT GetItemState(int nItem, UINT nMask) const;
    virtual BOOL SetItemData(int nItem, LPARAM lParam);
    virtual LPARAM GetItemData(int nItem) const;
    virtual FwListItem* GetRow(int nItem) const;
    virtual BOOL DeleteItem(int nItem);
    virtual BOOL DeleteItems(int nFirst, int nCount);
    virtual BOOL DeleteAllItems();
    virtual int GetNextItem(int nStart, UINT nFlags) const;
    virtual int GetCaret() const { return m_nFocus; }
    virtual int GetAnchor() const { return m_nAnchor; }
    virtual int GetFocusItem() const { return m_nFocus; }
    virtual BOOL SelectItem(int nItem, BOOL bSelect);
    virtual BOOL SelectRange(int nFirst, int nLast, BOOL bSelect);
    // Deselects every item but nExcept (-1: all).
    virtual void ClearSelection(int nExcept = -1);
    virtual BOOL SetCaret(int nItem);
    virtual BOOL SetDropHilite(int nItem);
    virtual int GetDropHilite() const { return m_nDropHilite; }
    virtual int GetSelectedCount() const { return m_selection.GetCount(); }
    // Whether the index is in the sorted selection.
    BOOL IsSelected(int nItem) const;

    // 6. Image lists: 0 normal, 1 small, 2 state.
    virtual CImageList* SetImageList(CImageList* pImageList, int nWhich);
    virtual CImageList* GetImageList(int nWhich) const;
    // Puts a copy of pSource in slot nWhich (through SetImageList): the list is written into a
    // memory archive and read back, so the copy shares nothing with the source. The copy is the
    // list's own and goes with the window, even when replaced or when image lists are shared.
    // FALSE, and the slot unchanged, when the source cannot be written or read back.
    virtual BOOL SetImageListCopy(const CImageList* pSource, int nWhich);

    // 7. Hit testing, scrolling, label editing.
    virtual int HitTest(CPoint pt, UINT* pFlags = nullptr, int* pnCol = nullptr);
    virtual BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    virtual void ScrollHorz(int nCode, int nPos);
    virtual void ScrollVert(int nCode, int nPos);
    virtual CWnd* EditLabel(int nItem, int nCol = 0);
    virtual CWnd* GetEditControl() const;
    virtual void CancelEditLabel();

    // 8. Styles.
    virtual DWORD GetListStyle() const { return m_dwStyle; }
    virtual void SetListStyle(DWORD dwStyle);
    virtual DWORD GetListExStyle() const { return m_dwExStyle; }
    virtual void SetListExStyle(DWORD dwExStyle);
    virtual void ModifyListStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    virtual void ModifyListExStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    virtual void SetLabelsWrap(BOOL bWrap);
    virtual BOOL GetLabelsWrap() const { return (m_dwStyle & FWLS_NOLABELWRAP) == 0; }
    virtual void SetInfoTips(BOOL bTips);
    virtual BOOL GetInfoTips() const { return (m_dwExStyle & FWLS_EX_INFOTIP) != 0; }
    virtual void SetMultiSelect(BOOL bMulti);
    virtual BOOL GetMultiSelect() const { return (m_dwStyle & FWLS_SINGLESEL) == 0; }
    virtual void SetHeaderShown(BOOL bShown);
    virtual BOOL GetHeaderShown() const { return (m_dwStyle & FWLS_NOCOLUMNHEADER) == 0; }
    DWORD GetScrollBarsShown() const { return m_dwScrollBars; }

    // 9. Layout and painting steps.
    virtual FwListPaintContext* CreatePaintContext();
    virtual int MeasureRow(int nItem, CDC* pDC);
    virtual void LayoutRow(int nItem, FwListItem* pRow, const CRect& rcRow, CDC* pDC);
    // Pixels the item's column-0 content starts right of the cell's left edge.
    virtual int GetRowIndent(int nItem);
    // Everything but the scroll bars into pDC, whose client area is rcPaint.
    virtual void PaintTo(CDC* pDC, const CRect& rcPaint, const CRect& rcClip);
    virtual void DrawHeader(FwListPaintContext& ctx, const CRect& rcHeader);
    virtual void DrawRow(FwListPaintContext& ctx, const CRect& rcRow);
    virtual void DrawCell(FwListPaintContext& ctx);
    virtual void ChooseCellColors(FwListPaintContext& ctx);
    virtual void DrawGridLines(FwListPaintContext& ctx, const CRect& rcRow);
    virtual void UpdateScrollBars();
    virtual int GetTotalColumnWidth() const;
    virtual int GetHeaderHeight() const;

    // 10. Key actions.
    virtual void OnKeyUpDown(UINT nChar, BOOL bShift, BOOL bCtrl);
    virtual void OnKeyHomeEnd(UINT nChar, BOOL bShift, BOOL bCtrl);
    virtual void OnKeyPage(UINT nChar, BOOL bShift, BOOL bCtrl);
    virtual void OnKeySpace(BOOL bShift, BOOL bCtrl);
    virtual void OnKeyReturn();
    virtual void OnKeyF2();
    virtual void OnKeyTab(BOOL bShift);
    virtual void OnKeyEscape();
    virtual void OnKeyLeftRight(UINT nChar, BOOL bShift, BOOL bCtrl);
    virtual void OnKeyBack();
    virtual void OnKeyPlusMinus(UINT nChar);

    // 11. Notifications.
    virtual LRESULT SendNotify(NMHDR* pHdr);
    virtual CWnd* GetNotifyWnd() const;
    virtual LRESULT NotifyMouse(int nCode);
    virtual BOOL NotifyBeginLabelEdit(int nItem, int nCol);
    virtual BOOL NotifyEndLabelEdit(int nItem, int nCol, LPSTR pszText);
    virtual void NotifyDeleteItem(int nItem);
    virtual void NotifyInsertItem(int nItem);
    virtual BOOL NotifyGetDispInfo(LVITEMA* pItem);
    virtual void NotifyKeyDown(UINT nChar, UINT nFlags);
    virtual void NotifyBeginDrag(int nItem, BOOL bRight);
    virtual void NotifyColumnClick(int nCol);
    virtual void NotifySetDispInfo(const LVITEMA* pItem);

    // 12. Creation hook and the mouse decision.
    virtual void TakeStyles(DWORD& dwStyle, DWORD& dwExStyle);
    // Whether a press on the item with the hit flags selects and whether it may start an edit.
    virtual BOOL ClickSelects(int nItem, UINT nHitFlags, CPoint pt, BOOL& bMayEdit);
    // Around every selection change made by the mouse or keys; the list never vetoes.
    virtual BOOL OnSelChanging(int nOld, int nNew, int nAction);
    virtual void OnSelChanged(int nOld, int nNew, int nAction);

    // FwListSite.
    CWnd* SiteGetWnd() override { return this; }
    BOOL SiteLabelsWrap() const override { return (m_dwStyle & FWLS_NOLABELWRAP) == 0; }
    void SiteEndLabelEdit(BOOL bAccept) override;
    int SiteGetSubItem(int nCol) const override;
    int SiteGetHorzOffset(int* pnPartner) const override;
    void SiteGetRowsRect(CRect& rc) const override;
    BOOL SiteGetItemRect(int nItem, int nCol, int nPart, CRect& rc) const override;
    CString SiteGetItemText(int nItem, int nCol) override;
    void SiteClientToScreen(CRect& rc) const override;
    void SiteSetCapture(BOOL bCapture) override;
    BOOL SiteIsSelected(int nItem) const override { return IsSelected(nItem); }
    COLORREF SiteGetSelTextColor() const override { return m_colors.crSelText; }
    COLORREF SiteGetSelColor() const override { return m_colors.crSel; }
    COLORREF SiteGetTipTextColor() const override { return m_colors.crTipText; }
    COLORREF SiteGetTipColor() const override { return m_colors.crTip; }
    CFont* SiteGetItemFont() const override { return GetItemFont(); }

    // For the tip window.
    int GetEditItem() const { return m_nEditItem; }
    BOOL IsEditTimerArmed() const { return m_nEditTimer != 0; }
    FwListTip* GetTip() const { return m_pTip; }
    int GetHorzOffset() const { return m_nHorzOffset; }

    // Window messages.
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;

protected:
    FX_DECLARE_MESSAGE_MAP()

protected:
    LRESULT OnHScrollMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnVScrollMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseWheelMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursorMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCodeMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysKeyDownMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChangeMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnEnableMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnCancelModeMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChangedMsg(WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Selection as a click or key makes it (the rule of the mouse and the keys).
    void ClickSelect(int nItem, BOOL bShift, BOOL bCtrl, int nAction);
    // Ends a running label edit (accepting it) and hides the tip: the list is changing.
    void ListChanging();
    void EnsureRowHeight(int nItem, CDC* pDC);
    int RowHeight(int nItem);
    void ShowScrollBar(CWnd& bar, UINT nId, BOOL bHorz, BOOL bShow);
    void EndColumnResize(BOOL bApply, int x);
    // Widens the first column by what the columns miss of the client width.
    void FitColumns();
    void SizeEditor();
    void DisarmEditTimer();
    CRect GetRowsRect() const;
    CRect RowRect(int nItem);

    std::vector<FwListItem*> m_rows;
    std::vector<FwListColumn*> m_columns;
    FwListSelection m_selection;
    int m_nFocus;
    int m_nDropHilite;
    int m_nCaretColumn;
    int m_nEditCandidate;
    int m_nEditItem;
    int m_nEditColumn;
    int m_nAnchor;
    int m_nFirstVisible;
    int m_nHorzOffset;
    int m_nDefaultRowHeight;
    DWORD m_dwStyle;
    DWORD m_dwExStyle;
    DWORD m_dwScrollBars;
    UINT m_nCallbackMask;
    FwListColors m_colors;
    BOOL m_bFollowSysColors;
    CFont* m_pItemFont;
    CFont* m_pHeaderFont;
    FwListImageLists m_imageLists;
    char* m_pszTextBuffer;
    CString m_strSavedLabel;
    UINT_PTR m_nEditTimer;
    CPoint m_ptPress;
    BOOL m_bDragging;
    BOOL m_bPressedOnItem;
    int m_nWheelDelta;
    FwListTip* m_pTip;
    FwListEdit* m_pEdit;
    CWnd m_wndHScroll;
    CWnd m_wndVScroll;
    FwListColumnResize m_columnResize;
    // Label edit may start on button up: the press was on the caret item's label.
    BOOL m_bPressOnCaretLabel;
};
