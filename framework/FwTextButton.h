// A title button of the menu bar: its text, menu and position, and its mnemonic.
#pragma once

#include <windows.h>

#include "framework/FwBarButton.h"
#include "platform/base/String.h"

class CDC;
class FwButtonPaintCache;

class FwTextButton : public FwBarButton
{
public:
    FwTextButton();
    static FwBarButton* CreateObject() { return new FwTextButton; }

    void Measure() override;
    void Paint(CDC* pDC, FwButtonPaintCache* pCache) override;
    BOOL OnPress() override;
    virtual char GetMnemonic() const { return m_chMnemonic; }
    void SetText(const CString& strText);

    CString m_strText;
    UINT m_nMenuID;
    int m_nPos;
    DWORD m_dwMask;
    char m_chMnemonic;
};
