// The multiple-document frame of the framework: dock bars of the framework's kind, docking with
// width fractions, bars floated into the main window as MDI children, showing bars with their
// floating frames, commands routed through an active bar window, and the docking layout in the
// profile.
#pragma once

#include <map>

#include "platform/base/PtrList.h"
#include "platform/base/Rect.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/win/Menu.h"

class FwControlBar;
class FwControlBarManager;
class FwDockBar;
class FwDockState;

// The frame's help request (wParam 0, lParam the help context; 0 asks the frame for one). A
// window that takes the request answers TRUE.
#ifndef WM_COMMANDHELP
#define WM_COMMANDHELP 0x0365
#endif

// The resource id and window style of the MDI child that hosts a bar floated into the main window.
#define FW_IDR_CONTROLBAR_MDICHILD 0x5022
#define FW_CONTROLBAR_MDICHILD_STYLE 0x42CFA000L
class FwMenuBar;
class FwWndPlugIn;

class FwMDIFrameWnd : public CMDIFrameWnd
{
    FX_DECLARE_DYNCREATE(FwMDIFrameWnd)

public:
    FwMDIFrameWnd();
    ~FwMDIFrameWnd() override;

    // With a menu bar the window gets no menu: the frame keeps the menu of nIDResource itself
    // and the menu bar shows it.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr,
                   CCreateContext* pContext = nullptr) override;
    // The frame menu for its current menu id, else the menu of that resource (loaded once, owned);
    // null when there is none.
    virtual HMENU GetMenuForID(UINT nMenuID);
    // The frame's own menu while a menu bar stands in for it; null without a menu bar.
    HMENU GetFrameMenu() const { return m_hMenuFrame.m_hMenu; }
    UINT GetCurrentMenuID() const { return m_nCurMenuID; }
    // An object that takes commands after the active child and before the frame; owned.
    virtual CWnd* CreateAuxWnd(CRuntimeClass* pClass);
    CWnd* GetAuxWnd() const { return m_pAuxWnd; }
    // The plug-in first; the menu key does nothing while the tool bars are being customised.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The plug-in goes before the window.
    BOOL DestroyWindow() override;

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

    virtual void LoadBarState(LPCSTR lpszProfileName);
    virtual void SaveBarState(LPCSTR lpszProfileName);
    virtual void ApplyDockState(FwDockState& state);
    virtual BOOL CollectDockState(FwDockState& state);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // Leaving print preview redraws the whole frame.
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;

    FwControlBarManager* GetToolBarManager() const { return m_pToolBarManager; }
    void SetToolBarManager(FwControlBarManager* pManager) { m_pToolBarManager = pManager; }

    // Bitmap menus: call before the window is created.
    void EnableBmpMenus(BOOL bBmpMenus, BOOL bSecond);
    // The menu bar is the owner's; set it before the window is created.
    FwMenuBar* GetMenuBar() const { return m_pMenuBar; }
    void SetMenuBar(FwMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }
    FwWndPlugIn* GetPlugIn() const { return m_pPlugIn; }
    // The menu-bar hooks the MDI children call: whether the frame uses a menu bar, showing the
    // titles of the menu for a resource id (0 or -1: the frame's own), and refreshing its buttons.
    virtual BOOL IsMenuBarEnabled() const { return m_pMenuBar != nullptr; }
    virtual void SetMenuBarMenu(UINT nMenuID);
    virtual void RefreshMenuBar();
    virtual void RefreshWindowMenu();

    // Opens the application's help at nContext; a frame without help file does nothing.
    virtual void OnHelpContext(DWORD nContext);

    // Class choices a derived frame may change before EnableDocking.
    CRuntimeClass* m_pDockBarClass;
    CRuntimeClass* m_pControlBarMDIChildClass;
    // Not owned.
    FwControlBarManager* m_pToolBarManager;
    // Not owned; set by the owner.
    FwMenuBar* m_pMenuBar;
    // Objects made for the frame while a layout is applied (CObject*), deleted with the frame.
    CPtrList m_listOwnedObjects;
    CPoint m_ptNextMDIChild;
    CRect m_rcSavedClient;
    // The menu-bar feature or the bitmap-menu plug-in; owned, gone before the window.
    FwWndPlugIn* m_pPlugIn;
    BOOL m_bBmpMenus;
    BOOL m_bBmpMenus2;
    UINT m_nIDHelp;
    UINT m_nCurMenuID;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Adds "Float In Main Window" to a bar's context menu (wParam the bar, lParam the CMenu).
    virtual void OnBarContextMenu(FwControlBar* pBar, CMenu* pMenu);
    virtual BOOL OnCommandHelp(LPARAM lParam);
    // The cascade place of the next bar floated into the main window, advanced.
    CPoint TakeNextMDIChildPoint();

    CWnd* m_pActiveBarWnd;
    // Loaded by LoadFrame when a menu bar is used; owned.
    CMenu m_hMenuFrame;
    // Resource id to menu loaded for the menu bar's titles.
    std::map<WORD, CMenu> m_mapMenus;
    CWnd* m_pAuxWnd;

    // A dialog's idle time lays out what waited while the tool bars are being customised.
    virtual void OnEnterIdle(UINT nWhy, HWND hWho);
    BOOL IsCustomizing() const;

    // The plug-in that fits the frame: the menu-bar feature, else the bitmap-menu plug-in.
    void CreatePlugIn();
    void DeletePlugIn();
    // The menu bar follows the active document's menu.
    void OnIdleUpdateCmdUI() override;
};
