// The page setup sheet's page "页面大小": the paper list, width and height in millimetres and the
// orientation.
#pragma once

#include "platform/win/PropertyPage.h"

class CSetSheetStyleSh;

class CSheetSizePg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CSheetSizePg)

public:
    CSheetSizePg();

    struct Paper
    {
        const char* pszName;
        double dWidth; // millimetres, upright; 0 keeps the current size
        double dHeight;
    };
    // The fixed papers in the order of the list's data (the list shows them sorted).
    static const Paper s_aPapers[22];

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    CSetSheetStyleSh* m_pStyleSh;
    double m_dWidth;
    double m_dHeight;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

private:
    void ChoosePaper();
    void SetOrientation(BOOL bLandscape);
    void SizesTyped();
    // FALSE when an edit holds no number.
    BOOL ReadSizes();
    void ShowSizes();
    void WriteBack();
    BOOL SelectPaper(LPCSTR lpszName);

    // Set while the page itself writes the edits: that is no typing.
    BOOL m_bShowing;
};
