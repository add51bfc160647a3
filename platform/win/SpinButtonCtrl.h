// An up-down control.
#pragma once

#include "platform/win/Wnd.h"
#include <commctrl.h>

class FX_API CSpinButtonCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CSpinButtonCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange32(int& nLower, int& nUpper) const;
    int GetPos32(LPBOOL lpbError = nullptr) const;
    int SetPos32(int nPos);
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    int SetBase(int nBase);
    BOOL SetAccel(int nAccel, UDACCEL* pAccel);
};
