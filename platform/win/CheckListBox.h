// An owner-drawn list box (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) with a check box before each entry.
// The check state lives in the entry's item data, so callers leave the item data alone.
#pragma once

#include "platform/win/ListBox.h"

class FX_API CCheckListBox : public CListBox
{
    FX_DECLARE_DYNAMIC(CCheckListBox)

public:
    // Redraws the entry; LB_ERR for an index out of range.
    int SetCheck(int nIndex, int nCheck);
    // 1 checked, 0 unchecked, LB_ERR for an index out of range.
    int GetCheck(int nIndex) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // A press on an entry's box, or the space bar on the entry with the caret, flips its check.
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;

private:
    // The check box of an entry whose rectangle is rcItem.
    static CRect CheckRect(const CRect& rcItem);
    void Toggle(int nIndex);
};
