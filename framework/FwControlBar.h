// The framework's sizable docking bar: remembered sizes per docking state, an extended style for
// gripper, borders, margins and caption buttons, a context menu and a layout of its children.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "platform/base/PtrArray.h"
#include "platform/base/Rect.h"
#include "platform/frame/ControlBar.h"

struct CCreateContext;
class CMenu;
class CToolTipCtrl;
class FwControlBarInfo;
class FwControlBarManager;
class FwDockBar;
class FwGripperMetrics;

// Extended style bits of FwControlBar.
#define FWCBS_EX_CONTEXTMENU 0x0001L
#define FWCBS_EX_PROPORTIONAL 0x0002L
#define FWCBS_EX_FIXEDLENGTH 0x0004L
// Set by the dock bar while the bar lies in a row laid out at natural sizes.
#define FWCBS_EX_NATURALROW 0x0008L
#define FWCBS_EX_MARGINS 0x0010L
#define FWCBS_EX_FLOATINMAIN 0x0020L
#define FWCBS_EX_SINGLECHILD 0x0040L
#define FWCBS_EX_OWNROW 0x0080L
#define FWCBS_EX_FLAT 0x0100L
#define FWCBS_EX_GRIPPER 0x0200L
#define FWCBS_EX_CLOSEBUTTON 0x0400L
#define FWCBS_EX_EXPANDBUTTON 0x0800L

// Commands of the bar's context menu and the frame message that may add to it (wParam the bar,
// lParam the CMenu).
#define ID_FWCB_ALLOWDOCKING 0xA820
#define ID_FWCB_HIDE 0xA821
#define ID_FWCB_FLOATINMAIN 0xA822
#define WM_FWCB_CONTEXTMENU 0x38FF

// Tool ids of the caption buttons.
#define FWCB_TOOL_CLOSE 0x400
#define FWCB_TOOL_EXPAND 0x800

class FwControlBar : public CControlBar
{
    FX_DECLARE_DYNCREATE(FwControlBar)

public:
    FwControlBar();
    ~FwControlBar() override;

    BOOL Create(CWnd* pParentWnd, LPCSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwExStyle, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    // Stores the sides, makes the drag context and makes the parent the owner when there is none.
    void EnableDocking(DWORD dwDockStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;
    void DrawBorders(CDC* pDC, CRect& rect) override;

    // The area inside gripper and borders (or margins), client coordinates.
    virtual void GetInsideRect(CRect& rect);
    virtual CDockContext* CreateDockContext();
    virtual void SetExtendedStyle(DWORD dwExStyle, BOOL bRedraw = TRUE);
    void ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    DWORD GetExtendedStyle() const { return m_dwExStyle; }

    // Docking notifications: each before-hook forwards to the matching further hook by default.
    virtual void OnBeforeDock() { OnBarBeforeDock(); }
    virtual void OnAfterDock() {}
    virtual void OnBeforeFloat() { OnBarBeforeFloat(); }
    virtual void OnAfterFloat() {}
    virtual void OnBeforeFloatInMain() { OnBarBeforeFloatInMain(); }
    virtual void OnAfterFloatInMain() {}
    virtual void OnBarBeforeDock() {}
    virtual void OnBarBeforeFloat() {}
    virtual void OnBarBeforeFloatInMain() {}
    // Saved state: the dock state asks the bar to fill a record while it collects a layout and
    // gives the record back while it applies one.
    virtual void FillBarInfo(FwControlBarInfo* pInfo);
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;
    // Extra state of a derived bar: written last into the record; read back when the record has
    // an extension record.
    virtual void OnWriteBarState(FwControlBarInfo*) {}
    virtual void OnReadBarState(FwControlBarInfo*, CFrameWnd*) {}
    // Adds items to the context menu before it opens.
    virtual void OnContextMenuHook(CMenu*) {}
    virtual BOOL MayHide() { return TRUE; }
    virtual BOOL MayExpand() { return TRUE; }
    // The gripper strip's rectangle for a bar's client rectangle.
    virtual void AdjustRectForGripper(CRect& rect, BOOL bHorz);
    void DrawGripper(CDC* pDC, const CRect& rect) override;
    virtual void PlaceCloseButton(CRect& rcStrip, BOOL bHorz);
    virtual void DrawCloseButtonPushed(CDC* pDC);
    virtual void DrawCloseButtonNormal(CDC* pDC);
    virtual void PlaceExpandButton(CRect& rcStrip, BOOL bHorz);
    virtual void DrawExpandButtonPushed(CDC* pDC);
    virtual void DrawExpandButtonNormal(CDC* pDC);
    // Asks the dock bar whether the bar is alone in its row and whether it is expanded.
    virtual void UpdateButtonStates(BOOL bHorz);

    // The caption button under point with its tool text; -1 when none (only with CBRS_TOOLTIPS,
    // only while docked). A derived bar may name tools of its own (ids other than the caption
    // buttons').
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    // The bar's tool tip control (made on the first mouse move of a bar with CBRS_TOOLTIPS):
    // the tool OnToolHitTest gives for the mouse takes its rectangle and text (a tool of a derived
    // bar is added the first time it is hit).
    CToolTipCtrl* GetToolTip() const { return m_pToolTip; }
    void UpdateToolTip(CPoint point);
    // Docked at the top or bottom (gripper at the left).
    BOOL IsHorzDocked() const;
    FwDockBar* GetFwDockBar() const;
    // The child layout is recorded again (proportional layout keeps these shares).
    void RecordChildLayout();
    void FreeChildLayout();
    // The child layout of WM_SIZE for a client of cx x cy.
    void LayoutChildren(int cx, int cy);
    BOOL HasChildLayout() const { return m_pChildLayout != nullptr; }

    CSize m_szHorz;
    CSize m_szUnused;
    CSize m_szVert;
    CSize m_szFloat;
    DWORD m_dwSavedDockStyle;
    float m_fWidthFraction;
    float m_fSavedFraction;
    DWORD m_dwExStyle;
    CRect m_rcMargins;
    FwControlBarManager* m_pBarManager;
    FwGripperMetrics* m_pGripper;
    CRect m_rcClose;
    BOOL m_bClosePressed;
    CRect m_rcExpand;
    BOOL m_bExpandPressed;
    BOOL m_bExpandEnabled;
    BOOL m_bContracted;
    BOOL m_bDockedHorz;
    // Records of (window, rectangle); the first holds the bar's own client rectangle.
    CPtrArray* m_pChildLayout;
    HWND m_hWndRepaint;
    CToolTipCtrl* m_pToolTip;
    // The tool that last had an area (-1: none).
    INT_PTR m_nTipTool;

    // The size every bar starts with.
    static CSize s_sizeDefault;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    void OnDestroy() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnContextMenu(CPoint ptScreen);

public:
    // The context menu as it opens: "Allow Docking", "Hide", the hook's items and the frame's.
    BOOL BuildContextMenu(CMenu& menu);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnAllowDocking();
    void OnHideBar();
    void OnFloatInMain();
    // A floating bar outside a mini frame (a control-bar MDI child) only gets default handling.
    BOOL IsInForeignFloatFrame() const;
    BOOL IsDockedInBar() const;
    void RestorePressedButtons();
};
