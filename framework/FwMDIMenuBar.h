// The MDI form of the menu bar: the maximised child's system-menu icon first, its caption buttons
// last.
#pragma once

#include <windows.h>

#include "framework/FwMenuBar.h"

class FwBarButton;
class FwCustomToolBarInfoEx;

class FwMDIMenuBar : public FwMenuBar
{
    FX_DECLARE_DYNCREATE(FwMDIMenuBar)

public:
    FwMDIMenuBar();
    ~FwMDIMenuBar() override;

    // Shows or hides the icon and caption buttons for the active MDI child; TRUE when they changed.
    virtual BOOL UpdateChildButtons();
    BOOL HasChildButtons() const { return m_bChildButtons; }
    void ResetMenu(BOOL bNoLayout) override;
    void RemoveAllButtons() override;
    void SaveButtons(FwCustomToolBarInfoEx* pInfoEx) override;
    void RestoreButtons(const FwCustomToolBarInfoEx* pInfoEx) override;
    // Presses a caption part at a client point: 0 minimise, 1 restore, 2 close; -1 none.
    int CaptionPartFromPoint(CPoint point) const;
    // The caption buttons keep to the right end of the bar's first row.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void TakeOutChildButtons();
    void PutBackChildButtons();

    FwBarButton* m_pIcon;
    FwBarButton* m_pCaption;
    BOOL m_bChildButtons;
    HWND m_hWndChild;
    int m_nPressedPart;
};
