// The multiple-document frame of the framework: dock bars of the framework's kind, docking with
// width fractions, bars floated into the main window as MDI children, showing bars with their
// floating frames, commands routed through an active bar window, and the docking layout in the
// profile.
#pragma once

#include <map>

#include "framework/FwFrameBase.h"
#include "platform/base/Rect.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/win/Menu.h"

class FwControlBar;
class FwDockBar;

// The frame's help request (wParam 0, lParam the help context; 0 asks the frame for one). A
// window that takes the request answers TRUE.
#ifndef WM_COMMANDHELP
#define WM_COMMANDHELP 0x0365
#endif

// The resource id and window style of the MDI child that hosts a bar floated into the main window.
#define FW_IDR_CONTROLBAR_MDICHILD 0x5022
#define FW_CONTROLBAR_MDICHILD_STYLE 0x42CFA000L

class FwMDIFrameWnd : public FwFrameBase<CMDIFrameWnd>
{
    FX_DECLARE_DYNCREATE(FwMDIFrameWnd)

public:
    FwMDIFrameWnd();
    ~FwMDIFrameWnd() override;

    // The frame menu for its current menu id, else the menu of that resource (loaded once, owned);
    // null when there is none.
    HMENU GetMenuForID(UINT nMenuID) override;

    // The four sides in the order top, bottom, left, right; a side that exists is kept.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar at row and column of dock bar nDockBarID (0: the first matching the bar's
    // alignment), asking for fPctWidth of its row and nHeight pixels across it (0 keeps its size).
    virtual void DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth, int nHeight);
    // Floats pBar in an MDI child of this frame at (x, y) of the client (negative: the next place
    // of the cascade); the host, or null when it can't be made.
    virtual CFrameWnd* FloatControlBarInMDIChild(CControlBar* pBar, int x, int y, DWORD dwStyle);
    // Floats pBar in a floating frame at point (screen); a bar floating in the main window leaves
    // its host for a new floating frame.
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // An empty MDI child host for a floating dock bar of the given alignment (a loaded layout).
    virtual CFrameWnd* CreateControlBarMDIChild(DWORD dwStyle);
    // Into an MDI child and back: docked again, or floating again when it floated before.
    virtual void ToggleFloatInMain(FwControlBar* pBar);
    // The dock bar of a control-bar MDI child; null for another window.
    static CDockBar* GetHostDockBar(CWnd* pHost);
    // The bar sits in the dock bar of a control-bar MDI child.
    static BOOL IsFloatingInMain(const CControlBar* pBar);
    // With bDelay the bar shows or hides at the next idle layout.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);

    // A bar window that takes commands before the active MDI child; null: none.
    virtual void SetActiveBarWnd(CWnd* pWnd);
    virtual void ClearActiveBarWnd(BOOL bActivateMDIClient);
    CWnd* GetActiveBarWnd() const { return m_pActiveBarWnd; }
    CFrameWnd* GetActiveFrame() override;

    void RecalcLayout(BOOL bNotify = TRUE) override;
    // Leaving print preview redraws the whole frame.
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;

    // The menu-bar hooks the MDI children call: whether the frame uses a menu bar, showing the
    // titles of the menu for a resource id (0 or -1: the frame's own), and refreshing its buttons.
    virtual BOOL IsMenuBarEnabled() const { return m_pMenuBar != nullptr; }
    void SetMenuBarMenu(UINT nMenuID) override;
    virtual void RefreshMenuBar();
    virtual void RefreshWindowMenu();

    // Opens the application's help at nContext; a frame without help file does nothing.
    virtual void OnHelpContext(DWORD nContext);

    // A class choice a derived frame may change before EnableDocking.
    CRuntimeClass* m_pControlBarMDIChildClass;
    CPoint m_ptNextMDIChild;
    CRect m_rcSavedClient;

protected:
    // The bar window, else the active child, then the auxiliary window before the frame.
    BOOL RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    // A system command nobody takes goes to the active child.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The tool bars hear of the change too.
    void OnSysColorChange() override;
    // The bars' context menu, help requests and the bar window's caption state.
    BOOL OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The menu bar stands in for the window menu.
    void OnFrameCreated() override;
    // Adds "Float In Main Window" to a bar's context menu (wParam the bar, lParam the CMenu).
    virtual void OnBarContextMenu(FwControlBar* pBar, CMenu* pMenu);
    virtual BOOL OnCommandHelp(LPARAM lParam);
    // The cascade place of the next bar floated into the main window, advanced.
    CPoint TakeNextMDIChildPoint();

    CWnd* m_pActiveBarWnd;
    // Resource id to menu loaded for the menu bar's titles.
    std::map<WORD, CMenu> m_mapMenus;

    // The menu bar follows the active document's menu.
    void OnIdleUpdateCmdUI() override;
};
