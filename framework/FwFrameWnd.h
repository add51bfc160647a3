// The single-document frame of the framework: dock bars of the framework's kind on its sides,
// docking with width fractions, floating frames of the framework's kind, and the shared colours
// refreshed on a system colour change.
#pragma once

#include "platform/base/PtrList.h"
#include "platform/frame/FrameWnd.h"

class FwMenuBar;

class FwFrameWnd : public CFrameWnd
{
    FX_DECLARE_DYNCREATE(FwFrameWnd)

public:
    FwFrameWnd();
    // Deletes the bars a loaded layout made.
    ~FwFrameWnd() override;

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

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
