// The free-object sheet's "文本" page: the text's alignment, font and colour.
#pragma once

#include "platform/win/PropertyPage.h"

class CCappFreeObj;

class CFreeObjTextPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CFreeObjTextPg)

public:
    CFreeObjTextPg();

    BOOL OnInitDialog() override;

protected:
    void OnAlignChanged(UINT nID);
    void OnChooseFont();
    void ShowFont();
    CCappFreeObj* WorkObj() const;

    FX_DECLARE_MESSAGE_MAP()
};
