// What the two MDI children that host a bar floated into the main window share: their dock bar,
// sizing the bar to the child, closing by hiding the bar, and the bar's title on the child.
#pragma once

#include "framework/FwDockBar.h"

class CMDIChildWnd;

class FwControlBarHost
{
public:
    explicit FwControlBarHost(CMDIChildWnd* pHost);
    FwControlBarHost(const FwControlBarHost&) = delete;
    FwControlBarHost& operator=(const FwControlBarHost&) = delete;

    // Made in the main frame (whose bar list keeps it), then moved into the host. FALSE when it
    // can't be made.
    BOOL CreateDockBar();
    // The first bar of the dock bar; null when it holds none.
    CControlBar* GetBar() const;
    // The dock bar holds several bars (no single bar follows the host's size).
    BOOL IsMulti() const;

    void OnSize(int cx, int cy);
    // TRUE when the host was closed here: the bar is hidden and goes back where it came from,
    // and the emptied host goes.
    BOOL OnClose();
    void OnMove();
    void OnShowWindow();
    // The host takes the dock bar's title, which is its single bar's.
    void UpdateTitle();
    // A host whose bar was dragged away goes.
    void DestroyIfEmpty();

    FwDockBar m_wndDockBar;
    BOOL m_bCreating;

private:
    CMDIChildWnd* m_pHost;
};
