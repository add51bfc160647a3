// The colour bar as a pop-up under a colour button: it holds the mouse, follows it, and closes
// on a choice, a click outside, a loss of focus or Esc.
#pragma once

#include "common/KvColorBar.h"

class CKvColorButton;

class KVCOMM_API CKvPopupColorBar : public CKvColorBar
{
    FX_DECLARE_DYNAMIC(CKvPopupColorBar)

public:
    CKvPopupColorBar();

    // Placed under the button rectangle (screen coordinates), above it or right-aligned to it
    // where the screen ends. FALSE when the window is not created.
    virtual BOOL CreatePopup(DWORD dwStyle, const RECT* pButtonRect, CWnd* pParentWnd, BOOL bOtherButton,
                             LPVOID lpParam = nullptr);
    // Releases the mouse and destroys the window.
    void Close();
    void Reset() override;

    CKvColorButton* m_pOwnerButton;
    BOOL m_bShown;

    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKillFocus(CWnd* pNewWnd) override;

    // Where the pop-up goes for a button rectangle, in a screen of cxScreen by cyScreen.
    static CPoint PlacePopup(const RECT& rcButton, CSize size, int cxScreen, int cyScreen);

protected:
    void NotifyParent() override;
    void SelectCell(int nCol, int nRow, int nHow) override;
    UINT GetClassStyle() const override;
    void PostNcDestroy() override;
    void OnOtherButton() override;
    void OnOtherKillFocus(CWnd* pNewWnd) override;
    BOOL OnOtherKeyDown(UINT nChar) override;

private:
    BOOL m_bClosing;
};
