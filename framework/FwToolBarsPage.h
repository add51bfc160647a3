// The Toolbars page for a customise property sheet: no Close, Customize or Help; New only creates.
#pragma once

#include "framework/FwToolBarsBase.h"
#include "platform/win/PropertyPage.h"

class FwToolBarManager;

class FwToolBarsPage : public CPropertyPage, public FwToolBarsBase
{
public:
    explicit FwToolBarsPage(FwToolBarManager* pManager);

    // The registered "WM_TOOLBARSTYLECHANGING" the page sends its sibling pages.
    static UINT GetStyleChangingMessage();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSettingChanged(UINT nCheckID) override;
};
