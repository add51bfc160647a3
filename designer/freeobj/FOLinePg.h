// The free-object sheet's "线" page: width, colour and the end points of a line.
#pragma once

#include "common/KvColorButton.h"
#include "platform/win/PropertyPage.h"

class CCappFreeObj;

class CFOLinePg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CFOLinePg)

public:
    CFOLinePg();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    int m_nWidth = 1;
    int m_nStartX = 0;
    int m_nStartY = 0;
    int m_nEndX = 0;
    int m_nEndY = 0;
    CKvColorButton m_btnColor;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    CCappFreeObj* WorkObj() const;

    FX_DECLARE_MESSAGE_MAP()
};
