// One owner-drawn item of a bitmap menu: its command, text (accelerator after a tab) and mnemonic.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"

class FwBmpMenuItemInfo : public CObject
{
    FX_DECLARE_DYNAMIC(FwBmpMenuItemInfo)

public:
    FwBmpMenuItemInfo(UINT nID, const CString& strText);

    UINT m_nID;
    CString m_strText;
    // The lower-cased character after the first "&", 0 when none.
    char m_chMnemonic;
};
