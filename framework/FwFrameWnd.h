// The single-document frame of the framework: dock bars of the framework's kind on its sides,
// docking with width fractions, floating frames of the framework's kind, the shared colours
// refreshed on a system colour change, a tool-bar manager, a menu bar or bitmap menus through a
// plug-in, and commands offered to an auxiliary window first.
#pragma once

#include "platform/base/PtrList.h"
#include "platform/frame/FrameWnd.h"
#include "platform/win/Menu.h"

class FwControlBarManager;
class FwMenuBar;
class FwWndPlugIn;

class FwFrameWnd : public CFrameWnd
{
    FX_DECLARE_DYNCREATE(FwFrameWnd)

public:
    FwFrameWnd();
    // Deletes the bars a loaded layout made, the frame menu and the auxiliary window.
    ~FwFrameWnd() override;

    // With a menu bar the window gets no menu: the frame keeps the menu of nIDResource itself.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr,
                   CCreateContext* pContext = nullptr) override;
    // Only the frame menu, for the frame's current menu id; null otherwise.
    virtual HMENU GetMenuForID(UINT nMenuID);
    HMENU GetFrameMenu() const { return m_hMenuFrame.m_hMenu; }
    UINT GetCurrentMenuID() const { return m_nCurMenuID; }
    // An object that takes commands before the frame; owned.
    virtual CWnd* CreateAuxWnd(CRuntimeClass* pClass);
    CWnd* GetAuxWnd() const { return m_pAuxWnd; }
    // The plug-in first; the menu key does nothing while the tool bars are being customised.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The plug-in goes before the window.
    BOOL DestroyWindow() override;

    FwControlBarManager* GetToolBarManager() const { return m_pToolBarManager; }
    void SetToolBarManager(FwControlBarManager* pManager) { m_pToolBarManager = pManager; }
    // Bitmap menus: call before the window is created.
    void EnableBmpMenus(BOOL bBmpMenus, BOOL bSecond);
    FwWndPlugIn* GetPlugIn() const { return m_pPlugIn; }

    // Creates FwDockBar objects for the sides asked (by dock bar class), floating frames by the
    // floating frame class.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar into the dock bar nDockBarID at row and column, asking for fFraction of its row
    // and nLength pixels across it (0 keeps its size).
    void DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nRow, int nColumn, float fFraction, int nLength);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The docking layout in the profile (FwDockState's profile form); bars a loaded layout names
    // that the frame lacks are made again and belong to the frame.
    virtual void LoadBarState(LPCSTR lpszProfileName);
    virtual void SaveBarState(LPCSTR lpszProfileName);

    // The menu bar is the owner's; the tool-bar manager creates and docks it.
    FwMenuBar* GetMenuBar() const { return m_pMenuBar; }
    void SetMenuBar(FwMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }

    // Class choices a derived frame may change before EnableDocking.
    CRuntimeClass* m_pDockBarClass;
    // Bars made while a layout was applied.
    CPtrList m_listOwnedObjects;
    FwMenuBar* m_pMenuBar;
    // Not owned.
    FwControlBarManager* m_pToolBarManager;
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
    virtual void OnEnterIdle(UINT nWhy, HWND hWho);
    BOOL IsCustomizing() const;
    void CreatePlugIn();
    void DeletePlugIn();

    // Loaded by LoadFrame when a menu bar is used; owned.
    CMenu m_hMenuFrame;
    CWnd* m_pAuxWnd;
};
