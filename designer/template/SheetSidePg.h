// The page setup sheet's page "页边距": the four frame margins in millimetres and the frame width
// in tenths of a millimetre.
#pragma once

#include "platform/win/PropertyPage.h"

class CSetSheetStyleSh;

class CSheetSidePg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CSheetSidePg)

public:
    CSheetSidePg();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    CSetSheetStyleSh* m_pStyleSh;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

private:
    // FALSE when an edit holds no number; the values read so far are written all the same.
    BOOL WriteBack(BOOL bTell);

    BOOL m_bShowing;
};
