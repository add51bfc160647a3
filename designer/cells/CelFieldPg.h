// The cell style sheet's page for a card variable: name, data type, length, number format, data
// position and the page-number field.
#pragma once

#include "platform/win/PropertyPage.h"

class CCelFieldPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CCelFieldPg)

public:
    CCelFieldPg();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnApply() override;

    // Reads the page and refuses a name the template already uses ("当前变量名已使用！"): FALSE then.
    BOOL CheckVarName();

protected:
    void OnSelchangeType();
    void OnSelchangeFieldKind();
    void OnFormatPick();

    void DoDataExchange(CDataExchange* pDX) override;
    void ApplyTypeRules();
    void SetPosRadios();
    void ReadPage();

    // Only for the range check of the length edit.
    int m_nLengthCheck;

    FX_DECLARE_MESSAGE_MAP()
};
