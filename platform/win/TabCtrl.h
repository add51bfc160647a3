// A tab control; owner-drawn tabs override DrawItem.
#pragma once

#include "platform/win/Wnd.h"

#include <commctrl.h>

class FX_API CTabCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CTabCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const;
    // -1 when no tab is selected.
    int GetCurSel() const;
    // The previous selection, -1 when there was none or the index is refused.
    int SetCurSel(int nItem);
    BOOL GetItem(int nItem, TCITEMA* pItem) const;
    BOOL SetItem(int nItem, TCITEMA* pItem);
    LONG InsertItem(int nItem, LPCSTR lpszItem, int nImage = -1);
    BOOL DeleteAllItems();
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    int HitTest(TCHITTESTINFO* pHitTestInfo) const;
    HIMAGELIST GetImageList() const;
    HIMAGELIST SetImageList(HIMAGELIST hImageList);

    // Called for an owner-drawn tab when the parent receives WM_DRAWITEM for it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
