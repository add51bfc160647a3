// The single-document frame of the framework: dock bars of the framework's kind on its sides,
// docking with width fractions, floating frames of the framework's kind, the shared colours
// refreshed on a system colour change, a tool-bar manager, a menu bar or bitmap menus through a
// plug-in, and commands offered to an auxiliary window first.
#pragma once

#include "framework/FwFrameBase.h"
#include "platform/frame/FrameWnd.h"
#include "platform/win/Menu.h"

class FwFrameWnd : public FwFrameBase<CFrameWnd>
{
    FX_DECLARE_DYNCREATE(FwFrameWnd)

public:
    FwFrameWnd();

    // Docks pBar into the dock bar nDockBarID at row and column, asking for fFraction of its row
    // and nLength pixels across it (0 keeps its size).
    void DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nRow, int nColumn, float fFraction, int nLength);

protected:
    // The frame's own auxiliary window, else its top-level frame's, before the frame.
    BOOL RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
};
