// A control bar holding the common rebar control: other bars (a dialog bar) become its bands and
// it takes the height of its rows.
#pragma once

#include "platform/frame/ControlBar.h"

class FX_API CReBar : public CControlBar
{
    FX_DECLARE_DYNAMIC(CReBar)

public:
    CReBar();

    // dwCtrlStyle: the control's RBS_ styles; dwStyle: the window and bar styles (CBRS_TOP...).
    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID);
    // Puts the bar's window into a new last band, as large as the bar's own fixed layout;
    // dwBandStyle: RBBS_ styles. FALSE when the control refuses the band.
    BOOL AddBar(CControlBar* pBar, DWORD dwBandStyle);
    int GetBandCount() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

protected:
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnPaint() override;
};
