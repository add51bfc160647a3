// A combo box; indexes and results follow Win32 (CB_ERR, CB_ERRSPACE).
#pragma once

#include "platform/win/Wnd.h"

class FX_API CComboBox : public CWnd
{
    FX_DECLARE_DYNAMIC(CComboBox)

public:
    int GetCurSel() const;
    // Empties rString when the index is out of range.
    void GetLBText(int nIndex, CString& rString) const;
};
