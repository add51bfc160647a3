// The multiple-document frame of the framework: dock bars of the framework's kind, docking with
// width fractions, showing bars with their floating frames and the docking layout in the profile.
#pragma once

#include "platform/base/PtrList.h"
#include "platform/frame/MDIFrameWnd.h"

class FwControlBarManager;
class FwMenuBar;
class FwWndPlugIn;

class FwMDIFrameWnd : public CMDIFrameWnd
{
    FX_DECLARE_DYNCREATE(FwMDIFrameWnd)

public:
    FwMDIFrameWnd();
    ~FwMDIFrameWnd() override;

    // The four sides in the order top, bottom, left, right; a side that exists is kept.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar at row and column of dock bar nDockBarID (0: the first matching the bar's
    // alignment), asking for fPctWidth of its row and nHeight pixels across it (0 keeps its size).
    virtual void DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth, int nHeight);
    virtual void LoadBarState(LPCSTR lpszProfileName);
    virtual void SaveBarState(LPCSTR lpszProfileName);
    void RecalcLayout(BOOL bNotify = TRUE) override;

    FwControlBarManager* GetToolBarManager() const { return m_pToolBarManager; }
    void SetToolBarManager(FwControlBarManager* pManager) { m_pToolBarManager = pManager; }

    // Bitmap menus: call before the window is created.
    void EnableBmpMenus(BOOL bBmpMenus, BOOL bSecond);
    // The menu bar is the owner's; set it before the window is created.
    FwMenuBar* GetMenuBar() const { return m_pMenuBar; }
    void SetMenuBar(FwMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }
    FwWndPlugIn* GetPlugIn() const { return m_pPlugIn; }
    // Shows the titles of the menu for a resource id (0 or -1: the frame's own).
    virtual void SetMenuBarMenu(UINT nMenuID);

    // Class choices a derived frame may change before EnableDocking.
    CRuntimeClass* m_pDockBarClass;
    // Not owned.
    FwControlBarManager* m_pToolBarManager;
    // Objects made for the frame while a layout is applied (CObject*), deleted with the frame.
    CPtrList m_listOwnedObjects;
    FwMenuBar* m_pMenuBar;
    // The menu-bar feature or the bitmap-menu plug-in; owned, gone before the window.
    FwWndPlugIn* m_pPlugIn;
    BOOL m_bBmpMenus;
    BOOL m_bBmpMenus2;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The plug-in that fits the frame: the menu-bar feature, else the bitmap-menu plug-in.
    void CreatePlugIn();
    void DeletePlugIn();
    // The menu bar follows the active document's menu.
    void OnIdleUpdateCmdUI() override;
};
