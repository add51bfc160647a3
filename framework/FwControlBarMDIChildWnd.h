// The MDI child that hosts a control bar floated into the main window ("Float In Main Window").
#pragma once

#include "framework/FwControlBarHostFrame.h"
#include "framework/FwMDIChildWnd.h"

class FwControlBarMDIChildWnd : public FwControlBarHostFrame<FwMDIChildWnd>
{
    FX_DECLARE_DYNCREATE(FwControlBarMDIChildWnd)
};
