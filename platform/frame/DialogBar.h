// A control bar made from a dialog template: its controls' commands go to the frame the bar
// belongs to, so the frame's message map handles them.
#pragma once

#include "platform/base/Size.h"
#include "platform/frame/ControlBar.h"

class FX_API CDialogBar : public CControlBar
{
    FX_DECLARE_DYNAMIC(CDialogBar)

public:
    CDialogBar();
    ~CDialogBar() override;

    // The template comes from whichever loaded module holds it; nStyle gives the bar's alignment
    // (CBRS_TOP...); the window is a visible child with the id nID.
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

    // The template's size, across the whole side when stretched.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // The window's size as the template made it.
    CSize m_sizeDefault;
};
