#include "platform/win/CheckListBox.h"

#include <algorithm>

FX_IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

int CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    if (SetItemData(nIndex, nCheck != 0 ? 1 : 0) == LB_ERR) {
        return LB_ERR;
    }
    CRect rcItem;
    if (GetItemRect(nIndex, &rcItem) != LB_ERR) {
        InvalidateRect(&rcItem, FALSE);
    }
    return 0;
}

int CCheckListBox::GetCheck(int nIndex) const
{
    LRESULT nData = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(nIndex));
    if (nData == LB_ERR) {
        return LB_ERR;
    }
    return nData != 0 ? 1 : 0;
}

CRect CCheckListBox::CheckRect(const CRect& rcItem)
{
    const int nSize = std::min(13, rcItem.Height() - 2);
    const int nTop = rcItem.top + (rcItem.Height() - nSize) / 2;
    return CRect(rcItem.left + 2, nTop, rcItem.left + 2 + nSize, nTop + nSize);
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDis)
{
    if (lpDis == nullptr) {
        return;
    }
    HDC hDC = lpDis->hDC;
    CRect rcItem(lpDis->rcItem);
    if (static_cast<int>(lpDis->itemID) < 0) {
        if ((lpDis->itemState & ODS_FOCUS) != 0) {
            ::DrawFocusRect(hDC, &rcItem);
        }
        return;
    }
    const int nIndex = static_cast<int>(lpDis->itemID);
    const BOOL bSelected = (lpDis->itemState & ODS_SELECTED) != 0;
    const BOOL bDisabled = (lpDis->itemState & ODS_DISABLED) != 0 || !IsWindowEnabled();

    CRect rcCheck = CheckRect(rcItem);
    CRect rcText(rcCheck.right + 3, rcItem.top, rcItem.right, rcItem.bottom);
    ::FillRect(hDC, &rcItem, ::GetSysColorBrush(COLOR_WINDOW));
    ::FillRect(hDC, &rcText, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (lpDis->itemData != 0) {
        nState |= DFCS_CHECKED;
    }
    if (bDisabled) {
        nState |= DFCS_INACTIVE;
    }
    ::DrawFrameControl(hDC, &rcCheck, DFC_BUTTON, nState);

    CString strText;
    GetText(nIndex, strText);
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    const COLORREF crOld = ::SetTextColor(
        hDC, ::GetSysColor(bDisabled ? COLOR_GRAYTEXT : (bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT)));
    CRect rcLabel(rcText.left + 2, rcText.top, rcText.right, rcText.bottom);
    ::DrawTextA(hDC, strText, strText.GetLength(), &rcLabel, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetTextColor(hDC, crOld);
    ::SetBkMode(hDC, nOldMode);
    if ((lpDis->itemState & ODS_FOCUS) != 0) {
        ::DrawFocusRect(hDC, &rcText);
    }
}

void CCheckListBox::Toggle(int nIndex)
{
    const int nCheck = GetCheck(nIndex);
    if (nCheck != LB_ERR) {
        SetCheck(nIndex, nCheck == 0 ? 1 : 0);
    }
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    BOOL bOutside = TRUE;
    const int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
    CRect rcItem;
    if (!bOutside && GetItemRect(nIndex, &rcItem) != LB_ERR && point.x < CheckRect(rcItem).right + 2) {
        Toggle(nIndex);
    }
    CListBox::OnLButtonDown(nFlags, point);
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A fast second press on the box counts as a press too.
    OnLButtonDown(nFlags, point);
}

void CCheckListBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == ' ') {
        Toggle(GetCaretIndex());
        return;
    }
    CListBox::OnChar(nChar, nRepCnt, nFlags);
}
