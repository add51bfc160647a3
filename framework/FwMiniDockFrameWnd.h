// The floating frame around undocked framework bars: the platform's floating frame holding an
// FwDockBar, so floating bars keep the framework's rows and title.
#pragma once

#include "framework/FwDockBar.h"
#include "platform/frame/MiniDockFrameWnd.h"

class FwMiniDockFrameWnd : public CMiniDockFrameWnd
{
    FX_DECLARE_DYNCREATE(FwMiniDockFrameWnd)

public:
    FwMiniDockFrameWnd();

    // The platform's frame; its close item carries the program's text when it has one.
    BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;
    // The window style for a bar's style: a dynamic bar's frame can be sized by its border.
    static DWORD FwFrameStyleFor(DWORD dwBarStyle);
    DWORD GetFrameStyle(DWORD dwBarStyle) const override { return FwFrameStyleFor(dwBarStyle); }
    // The frame shows the dock bar's title, which a single bar gives it.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    CDockBar* GetDockBar() override { return &m_wndFwDockBar; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    FwDockBar m_wndFwDockBar;
};
