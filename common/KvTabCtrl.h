// A tab control, typically a property sheet's tab strip, drawn by us, whose tabs can be disabled:
// a disabled tab is grey and can be reached neither by the mouse nor by the keyboard.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/DWordArray.h"
#include "platform/win/TabCtrl.h"

class CPropertySheet;

class KVCOMM_API CKvTabCtrl : public CTabCtrl
{
    FX_DECLARE_DYNAMIC(CKvTabCtrl)

public:
    CKvTabCtrl();

    BOOL Install(CWnd* pTab);
    BOOL Install(CPropertySheet* pSheet);

    BOOL EnableItem(int nIndex, BOOL bEnable);
    // Out-of-range indices count as disabled; pArrayPos receives a disabled tab's entry.
    BOOL IsItemEnabled(int nIndex, int* pArrayPos = nullptr) const;
    // A mask id of -1: the bitmap is its own mask. The new image's index, -1 on failure.
    int SetItemImage(int nIndex, UINT nBitmapId, UINT nMaskId);
    int SetItemImage(int nIndex, HICON hIcon);
    const CDWordArray& GetDisabledArray() const { return m_arrDisabled; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnDestroy() override;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnSelchanging(NMHDR* pNMHDR, LRESULT* pResult);
    void SetCurrentTab(int nIndex);
    BOOL SendKillActive(int nPage);
    int FindNextEnabled(int nStart, BOOL bForward) const;

    CDWordArray m_arrDisabled;
    NMHDR m_nmhdr;
};
