// The framework's tool bar: its own buttons in rows that wrap at separators, painted from the
// shared image table with a flat look and hot tracking, commands sent to the frame, buttons
// dragged, copied and dropped between bars, and its buttons kept in the saved layout.
#pragma once

#include <windows.h>

#include "framework/FwControlBar.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/PtrArray.h"
#include "platform/base/String.h"

class FwBarButton;
class FwBmpMgr;
class FwButtonPaintCache;
class FwCustomToolBarInfoEx;
class FwToolBarManager;

// A special button by command id: a table of them ends with an entry whose creation function is
// null. A creation function that makes no button leaves the id without a button.
struct FwButtonMapEntry
{
    FwBarButton* (*pfnCreate)();
    UINT nID;
    DWORD dwStyle;
};

// The hot-tracking timer.
#define FW_HOTTIMER_ID 0xE002

class FwCustomToolBar : public FwControlBar
{
    FX_DECLARE_DYNCREATE(FwCustomToolBar)

public:
    FwCustomToolBar();
    ~FwCustomToolBar() override;

    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID, LPCSTR lpszTitle);
    virtual BOOL Create(DWORD dwExStyle, CWnd* pParent, DWORD dwStyle, UINT nID, LPCSTR lpszTitle);
    using FwControlBar::Create;

    // Takes a reference to the table and lets go of the old one.
    void SetBmpMgr(FwBmpMgr* pBmpMgr);
    FwBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }
    FwToolBarManager* GetManager() const;
    // Forgets the widest button and re-measures every button from the image table.
    void ApplyButtonSize();

    virtual void SetButtons(const UINT* pIDs, int nCount);
    virtual BOOL InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoRedraw);
    // Also drops a separator left first, last or doubled; a user bar left empty is destroyed.
    virtual BOOL RemoveButton(int nIndex, BOOL bNoRedraw);
    virtual void RemoveAllButtons();
    virtual FwBarButton* CreateButton(UINT nID);
    virtual FwBarButton* CreateSeparator();
    int GetButtonCount() const { return static_cast<int>(m_arrButtons.GetSize()); }
    FwBarButton* GetButton(int nIndex) const;
    UINT GetButtonID(int nIndex) const;
    void GetButtonRect(int nIndex, LPRECT lpRect) const;
    int FindButton(FwBarButton* pButton) const;
    int CommandToIndex(UINT nID) const;
    // Index of the button under the client point, -1 for none or a separator.
    virtual int ButtonFromPoint(int x, int y, LPRECT lpRect) const;
    // A command button under the point is a tool of its own: its id is the command's, its text
    // the tip of the command's string ("hint\ntip"); elsewhere the caption buttons' tools.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    void SetButtonStyle(int nIndex, DWORD dwStyle);
    DWORD GetButtonStyle(int nIndex) const;
    void NotifyButtons(UINT nID, int nCode, const DWORD* pData, BOOL bAllBars);
    void SetButtonMode(int nMode);

    void SetCustomizeMode(BOOL bMode);
    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
    void SelectButton(int nIndex, BOOL bRedraw);
    void ClearSelection(BOOL bRedraw);
    int GetSelectedButton() const { return m_nSelected; }
    int GetHotButton() const { return m_nHot; }

    virtual BOOL IsCoolLook() const { return (m_dwExStyle & FWCBS_EX_FLAT) != 0; }
    virtual BOOL IsCopyDrag() const { return ::GetKeyState(VK_CONTROL) < 0; }
    virtual BOOL AcceptsDrop() const { return TRUE; }
    // Drops button nIndex at a screen point: moved or copied onto the bar there, onto a new user bar
    // (bCopy) or removed where no bar is. TRUE when anything changed.
    virtual BOOL DropButton(int nIndex, CPoint ptScreen, BOOL bCopy);
    virtual HFONT GetBarFont() const { return m_hFont; }
    virtual HFONT GetMenuFont() const { return m_hFont; }
    int GetWidestButton() const { return m_nWidest; }
    // The bar's inside insets (gripper and borders) for its current docking.
    CRect GetInsets() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;
    void DrawGripper(CDC* pDC, const CRect& rect) override;
    // The buttons go into the record's extension as "Buttons".
    void OnWriteBarState(FwControlBarInfo* pInfo) override;
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;
    virtual void SaveButtons(FwCustomToolBarInfoEx* pInfoEx);
    virtual void RestoreButtons(const FwCustomToolBarInfoEx* pInfoEx);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Row gap base: a wrapped row adds (2 x this) / 3 pixels.
    int m_nRowGapBase;
    // Special buttons of a bar without a manager (the manager's map stands for them otherwise).
    const FwButtonMapEntry* m_pOwnButtonMap;
    BOOL m_bKeepButtons;

    static UINT GetNoDelayHideMessage();

protected:
    struct Row;
    // Lays the buttons out in rows of at most nWidth (+2) pixels; the extent of the result.
    CSize LayoutRows(int nWidth, BOOL bCommit);
    CSize LayoutForLength(int nLength, BOOL bLengthIsHeight, BOOL bCommit);
    void Remeasure();
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnDestroy() override;
    void SetHot(int nIndex);
    // Fly-by: the status bar shows the hint of the command button under the mouse (enabled or
    // not), and the idle text once the mouse has left it.
    void UpdateFlyBy(int nIndex);
    void InvalidateButton(int nIndex);
    // Sends the button's command (or the drop-down notification) to the frame.
    virtual void SendButtonCommand(int nIndex);
    // The window the bar's commands go to.
    HWND GetCommandTarget() const;
    void Notify(LPARAM lCode);
    BOOL IsUserBar() const;
    // Index at which a drop at a client point lands.
    int DropIndexAt(CPoint point) const;
    static FwCustomToolBar* BarAtScreenPoint(CPoint ptScreen);
    FwButtonPaintCache* GetPaintCache();

    CPtrArray m_arrButtons;
    CFxComPtr<FwBmpMgr> m_pBmpMgr;
    int m_nSelected;
    int m_nHot;
    // The button whose hint the status bar shows, -1 for none.
    int m_nFlyBy;
    int m_nFocus;
    BOOL m_bCustomizeMode;
    FwButtonPaintCache* m_pOwnPaintCache;
    int m_nButtonMode;
    int m_nWidest;
    HFONT m_hFont;
    // Mouse tracking: the pressed button, or the button being dragged.
    int m_nTracked;
    BOOL m_bTrackOver;
    int m_nDragged;
    BOOL m_bDragCopy;
    BOOL m_bDragOutsideCustomize;
    // Rows of the last layout.
    int m_nRowsLaidOut;
};
