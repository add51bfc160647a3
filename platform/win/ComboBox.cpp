#include "platform/win/ComboBox.h"

FX_IMPLEMENT_DYNAMIC(CComboBox, CWnd)

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int nLength = static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
    if (nLength == CB_ERR) {
        rString.Empty();
        return;
    }
    SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(rString.GetBuffer(nLength + 1)));
    rString.ReleaseBuffer();
}
