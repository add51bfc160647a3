// The cell style sheet's page for a static cell: its text and text direction.
#pragma once

#include "platform/win/PropertyPage.h"

class CCelStaticPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CCelStaticPg)

public:
    CCelStaticPg();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

protected:
    void OnSelchangeDirection();
    void StoreDirection();

    FX_DECLARE_MESSAGE_MAP()
};
