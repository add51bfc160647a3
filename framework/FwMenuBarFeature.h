// The frame's plug-in when it has a menu bar: bitmap menus plus keyboard access to the bar. Also
// what both framework frames share of their plug-in.
#pragma once

#include <windows.h>

#include "framework/FwBmpMenuPlugIn.h"
#include "platform/base/Rect.h"

class CWnd;
class FwControlBarManager;
class FwMenuBar;
class FwWndPlugIn;

class FwMenuBarFeature : public FwBmpMenuPlugIn
{
    FX_DECLARE_DYNAMIC(FwMenuBarFeature)

public:
    explicit FwMenuBarFeature(FwMenuBar* pMenuBar);

    void SetMenuBar(FwMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }
    FwMenuBar* GetMenuBar() const { return m_pMenuBar; }
    // Shows the titles of a menu and lays the frame out again; FALSE when the bar has no such menu.
    BOOL SwitchMenu(UINT nMenuID);
    // Tracks the frame's system menu at its caption icon and sends the chosen command. While it is
    // open a click on the icon closes it and a double click there sends the menu's default command.
    void TrackSystemMenu();
    // The frame's caption icon (screen): the window less its sizing border, one caption button high.
    CRect GetCaptionIconRect() const;

protected:
    BOOL OnPlugInMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The system menu's filter: TRUE for a press or double click on the caption icon, taken here.
    BOOL FilterSystemMenuMessage(const MSG* pMsg);
    static LRESULT CALLBACK SystemMenuFilterProc(int nCode, WPARAM wParam, LPARAM lParam);

    FwMenuBar* m_pMenuBar;
    BOOL m_bIconDoubleClicked;
    static FwMenuBarFeature* s_pSystemMenuFeature;
    static HHOOK s_hSystemMenuHook;
};

// The plug-in that fits a frame: the menu-bar feature with a menu bar, else the bitmap-menu
// plug-in with bitmap menus on, attached and given the tool-bar manager's images when bitmap menus
// are on; null when neither applies.
FwWndPlugIn* FwCreateFramePlugIn(CWnd* pFrame, FwMenuBar* pMenuBar, BOOL bBmpMenus, FwControlBarManager* pManager);
// Whether the frame's tool-bar manager is in its customising mode.
BOOL FwIsCustomizing(const FwControlBarManager* pManager);
