// The cell style sheet's "扩展属性" page: input and editing options of a card variable.
#pragma once

#include "platform/win/PropertyPage.h"

class CCelExtPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CCelExtPg)

public:
    CCelExtPg();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

protected:
    void OnClickFrame();
    FX_DECLARE_MESSAGE_MAP()
};
