// The one page of the multi-cell style sheet: alignment, font, font height and text colour.
#pragma once

#include "platform/win/PropertyPage.h"

class CMultiTestPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CMultiTestPg)

public:
    CMultiTestPg();

    BOOL OnInitDialog() override;

protected:
    void OnClickAlign(UINT nID);
    void OnChooseFont();
    void StoreAlignment();
    void Refresh();

    FX_DECLARE_MESSAGE_MAP()
};
