// A combo box; indexes and results follow Win32 (CB_ERR, CB_ERRSPACE).
#pragma once

#include "platform/win/Wnd.h"

class FX_API CComboBox : public CWnd
{
    FX_DECLARE_DYNAMIC(CComboBox)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    // Empties rString when the index is out of range.
    void GetLBText(int nIndex, CString& rString) const;
    int AddString(LPCSTR lpszString);
    int InsertString(int nIndex, LPCSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int FindString(int nStartAfter, LPCSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszString);
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    BOOL LimitText(int nMaxChars);
};
