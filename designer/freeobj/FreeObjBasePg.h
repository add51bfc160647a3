// The free-object sheet's "基本" page: width, colour, text, transparency and the position of the
// box kinds.
#pragma once

#include "common/KvColorButton.h"
#include "platform/win/PropertyPage.h"

class CCappFreeObj;

class CFreeObjBasePg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CFreeObjBasePg)

public:
    CFreeObjBasePg();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    int m_nWidth = 1;
    CString m_strText;
    int m_bTransparent = 0;
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nRight = 0;
    int m_nBottom = 0;
    // Set by the caller: the text and its label are hidden.
    int m_bHideText = 0;
    CKvColorButton m_btnColor;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    CCappFreeObj* WorkObj() const;

    FX_DECLARE_MESSAGE_MAP()
};
