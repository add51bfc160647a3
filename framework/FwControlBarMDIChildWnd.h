// The MDI child that hosts a control bar floated into the main window ("Float In Main Window").
#pragma once

#include "framework/FwMDIChildWnd.h"
#include "framework/FwControlBarHost.h"

class FwControlBarMDIChildWnd : public FwMDIChildWnd
{
    FX_DECLARE_DYNCREATE(FwControlBarMDIChildWnd)

public:
    FwControlBarMDIChildWnd();

    void RecalcLayout(BOOL bNotify = TRUE) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    FwControlBarHost m_host;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnIdleUpdateCmdUI() override;
};
