// An up-down control.
#pragma once

#include "platform/win/Wnd.h"
#include <commctrl.h>

class FX_API CSpinButtonCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CSpinButtonCtrl)

public:
    void SetRange32(int nLower, int nUpper);
    int GetPos32(LPBOOL lpbError = nullptr) const;
    int SetPos32(int nPos);
};
