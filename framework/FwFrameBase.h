// What the framework's single- and multiple-document frames share over their platform frame: the
// plug-in (menu bar or bitmap menus), the frame menu a menu bar stands in for, an auxiliary
// command window, the framework's dock bars, the docking layout in the profile, the bars a loaded
// layout made, and the frame held still while its tool bars are being customised.
#pragma once

#include "platform/win/Menu.h"
#include "platform/base/PtrList.h"
#include "platform/frame/FrameWnd.h"

class FwControlBarManager;
class FwDockState;
class FwMenuBar;
class FwWndPlugIn;

template <class TFrame> class FwFrameBase : public TFrame
{
public:
    FwFrameBase();
    // Deletes the plug-in, the auxiliary window, the frame menu and the bars a loaded layout made.
    ~FwFrameBase() override;
    FwFrameBase(const FwFrameBase&) = delete;
    FwFrameBase& operator=(const FwFrameBase&) = delete;

    // With a menu bar the window gets no menu: the frame keeps the menu of nIDResource itself
    // and the menu bar shows it.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr,
                   CCreateContext* pContext = nullptr) override;
    // The frame menu for the frame's current menu id; null otherwise.
    virtual HMENU GetMenuForID(UINT nMenuID);
    // The frame's own menu while a menu bar stands in for it; null without a menu bar.
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
    // The menu bar is the owner's; set it before the window is created.
    FwMenuBar* GetMenuBar() const { return m_pMenuBar; }
    void SetMenuBar(FwMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }
    // Shows the titles of the menu for a resource id in the menu bar.
    virtual void SetMenuBarMenu(UINT nMenuID);

    // The docking layout in the profile (FwDockState's profile form), with the tool-bar
    // manager's extension records; bars a loaded layout names that the frame lacks are made
    // again and belong to the frame.
    virtual void LoadBarState(LPCSTR lpszProfileName);
    virtual void SaveBarState(LPCSTR lpszProfileName);
    virtual void ApplyDockState(FwDockState& state);
    virtual BOOL CollectDockState(FwDockState& state);
    // Bars moved by the layout are redrawn with their dock bar.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The class of the dock bars EnableDocking makes; a derived frame may change it before.
    CRuntimeClass* m_pDockBarClass;
    // Objects made for the frame while a layout is applied (CObject*), deleted with the frame.
    CPtrList m_listOwnedObjects;
    // Not owned; set by the owner.
    FwMenuBar* m_pMenuBar;
    // Not owned.
    FwControlBarManager* m_pToolBarManager;
    // The menu-bar feature or the bitmap-menu plug-in; owned, gone before the window.
    FwWndPlugIn* m_pPlugIn;
    BOOL m_bBmpMenus;
    BOOL m_bBmpMenus2;
    UINT m_nIDHelp;
    UINT m_nCurMenuID;

protected:
    // A dock bar of m_pDockBarClass, with no border bits: the rows draw their own edges.
    CDockBar* CreateDockBar(UINT nID, DWORD dwSideStyle) override;
    // Workspace commands the frame claims without doing anything.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // A dialog's idle time lays out what waited while the tool bars are being customised.
    virtual void OnEnterIdle(UINT nWhy, HWND hWho);
    // The shared colours follow the system's.
    virtual void OnSysColorChange();
    // A message of the derived frame's own, after the plug-in and the menu bar had their turn;
    // TRUE with *pResult when it is answered.
    virtual BOOL OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window is made and its plug-in in place.
    virtual void OnFrameCreated() {}
    BOOL IsCustomizing() const;
    // The plug-in that fits the frame: the menu-bar feature, else the bitmap-menu plug-in.
    void CreatePlugIn();
    void DeletePlugIn();
    // Sets the bar's fraction of its row and its length across (0 keeps it), then docks it at
    // row and column of the dock bar.
    // The bars the layout moved, redrawn by their dock bars.
    void RepaintMovedBars();
    static void DockAtFraction(CControlBar* pBar, CDockBar* pDockBar, int nRow, int nColumn, float fFraction,
                               int nLength);

    // Loaded by LoadFrame when a menu bar is used; owned.
    CMenu m_hMenuFrame;
    CWnd* m_pAuxWnd;
};
