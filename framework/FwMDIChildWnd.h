// The framework's MDI child frame: works with an FwMDIFrameWnd that shows a menu bar in place of
// the window menu, switching the menu bar to this child's menu while it is active.
#pragma once

#include "platform/frame/MDIChildWnd.h"

class FwMDIFrameWnd;

class FwMDIChildWnd : public CMDIChildWnd
{
    FX_DECLARE_DYNCREATE(FwMDIChildWnd)

public:
    FwMDIChildWnd();

    // With a menu-bar frame the child's menu id is its template's (or nIDResource) and the frame's
    // menu bar shows it; otherwise the child keeps the shared menu of the platform's MDI child.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr,
                   CCreateContext* pContext = nullptr) override;

    // Called as the child is activated or deactivated; a menu-bar frame refreshes its window menu.
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    // Called when the title may have changed (a host takes its bar's title here).
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    // The frame of this child when it is one of the framework's; null otherwise.
    FwMDIFrameWnd* GetFwMDIFrame() const;
    BOOL UsesMenuBar() const;

    UINT m_nMenuID;
    BOOL m_bUseMenuBar;
    HMENU m_hMenuAlt;
    UINT m_nIDHelp;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
