// The options page "其它": automatic variable names and zoomed printing, kept in the profile.
#pragma once

#include "platform/win/PropertyPage.h"

class CSetOtherPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CSetOtherPg)

public:
    CSetOtherPg();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    int m_nAutoVarName;
    int m_nZoomPrint;
};
