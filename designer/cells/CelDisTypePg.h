// The cell style sheet's page of display flags: compressed, word wrap, drawn by the special edit.
#pragma once

#include "platform/win/PropertyPage.h"

class CCelDisTypePg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CCelDisTypePg)

public:
    CCelDisTypePg();

    BOOL OnInitDialog() override;

protected:
    void OnClickFlag(UINT nID);

    FX_DECLARE_MESSAGE_MAP()
};
