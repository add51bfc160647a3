#include "platform/win/SpinButtonCtrl.h"

FX_IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const
{
    return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
}

int CSpinButtonCtrl::SetPos32(int nPos)
{
    return static_cast<int>(SendMessage(UDM_SETPOS32, 0, nPos));
}
