// The cell style sheet's "格式" page: alignment and the rotation of the text, typed or set on the
// angle dial.
#pragma once

#include "designer/cells/TextAngleCtrl.h"
#include "platform/win/PropertyPage.h"

class CCelTextPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CCelTextPg)

public:
    CCelTextPg();

    BOOL OnInitDialog() override;

    CTextAngleCtrl m_picker;

protected:
    void OnClickAlign(UINT nID);
    void OnChangeAngle();
    LRESULT OnAngleChanged(WPARAM wParam, LPARAM lParam);

    // Rewrites the cell's text format from the radios: single line plus the two alignments.
    void StoreAlignment();

    // Set while the page writes the angle edit itself, so that its change notice writes nothing.
    BOOL m_bFillingAngle;

    FX_DECLARE_MESSAGE_MAP()
};
