// The sheet-definition window: a worksheet of the designer's workbook holding one view, two
// rulers along its top and left edges and the link to the template's script window.
#pragma once

#include "designer/sheet/HRulerBar.h"
#include "designer/sheet/VRulerBar.h"
#include "framework/FwWorksheet.h"

class CCappSheetDefView;
class CDesignShellLink;

class CCappSheetDefChildFrame : public FwWorksheet
{
    FX_DECLARE_DYNCREATE(CCappSheetDefChildFrame)

public:
    CCappSheetDefChildFrame();
    ~CCappSheetDefChildFrame() override;

    // The frame's active view when it is a sheet-definition view, else its first such child.
    CCappSheetDefView* GetSheetDefView() const;
    // The visible rulers take the view's frame rectangle as their scale.
    void UpdateRulers();
    // The shell that made this window; null in a window made without one, which then has no
    // script window, recent files or output bar to reach.
    CDesignShellLink* GetShellLink() const { return m_pShell; }
    void SetShellLink(CDesignShellLink* pShell) { m_pShell = pShell; }
    // The template's script window, or null; the window may close on its own at any time.
    CFrameWnd* GetScriptWindow() const;
    // Runs the data simulator's export on the template and its data file. FALSE, after telling
    // the user, when the template was never saved or the simulator cannot be loaded; FALSE
    // silently without a work directory or data folder.
    BOOL RunSimulator();

    CHRulerBar m_wndHRuler;
    CVRulerBar m_wndVRuler;
    BOOL m_bRulerScaled;
    // The simulator's module, "VornSimulator.dll".
    CString m_strSimulatorDll;

protected:
    CDesignShellLink* m_pShell;

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    void OnViewRulers();
    void OnUpdateViewRulers(CCmdUI* pCmdUI);
    void OnScriptEdit();
    void OnSimulate();
    void OnFrameSave();
    FX_DECLARE_MESSAGE_MAP()
};
