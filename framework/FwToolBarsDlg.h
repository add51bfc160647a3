// The Toolbars dialog of the customise phase: the frame's bars listed with their visibility,
// user bars renamed, created, reset and deleted, and the manager's three settings.
#pragma once

#include "framework/FwToolBarsBase.h"
#include "platform/win/Dialog.h"

class CWnd;
class FwToolBarManager;

class FwToolBarsDlg : public CDialog, public FwToolBarsBase
{
public:
    explicit FwToolBarsDlg(FwToolBarManager* pManager, CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnNew();
};
