// A list box; indexes and results follow Win32 (LB_ERR, LB_ERRSPACE).
#pragma once

#include "platform/win/Wnd.h"

class FX_API CListBox : public CWnd
{
    FX_DECLARE_DYNAMIC(CListBox)

public:
    int AddString(LPCSTR lpszItem);
    void ResetContent();
    int GetCount() const;
    // LB_ERR when nothing is selected (single-selection list boxes only).
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    // Empties rString when the index is out of range.
    void GetText(int nIndex, CString& rString) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int GetItemRect(int nIndex, LPRECT lpRect) const;
    // The item nearest the client point; bOutside is set when the point lies beyond the items.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
    int GetCaretIndex() const;

    // Called for an owner-drawn list box when its parent receives WM_DRAWITEM for it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
