// The cell style sheet's "文本" page: font, font height and the text and background colours.
#pragma once

#include "common/KvColorButton.h"
#include "platform/win/PropertyPage.h"

class CCelFontPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CCelFontPg)

public:
    CCelFontPg();

    BOOL OnInitDialog() override;

    CKvColorButton m_btnText;
    CKvColorButton m_btnBack;

protected:
    void OnChooseFont();
    void OnChangeHeight();
    LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    void Refresh();

    BOOL m_bFilling;

    FX_DECLARE_MESSAGE_MAP()
};
