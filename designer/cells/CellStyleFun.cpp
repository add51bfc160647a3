#include "designer/cells/CellStyleFun.h"

#include <commdlg.h>

#include "core/CappCell.h"
#include "core/CappDCHelper.h"
#include "designer/res/resource.h"
#include "platform/win/Wnd.h"

namespace
{
int RoundHalfAway(double d)
{
    return static_cast<int>(d < 0 ? d - 0.5 : d + 0.5);
}
} // namespace

void CCellStyleFun::CheckAlignButtons(CWnd* pPage, int nFormat)
{
    pPage->CheckRadioButton(IDC_CEL_TEXT_LEFT, IDC_CEL_TEXT_HCENTER,
                            (nFormat & 0x01)   ? IDC_CEL_TEXT_HCENTER
                            : (nFormat & 0x02) ? IDC_CEL_TEXT_RIGHT
                                               : IDC_CEL_TEXT_LEFT);
    pPage->CheckRadioButton(IDC_CEL_TEXT_TOP, IDC_CEL_TEXT_VCENTER,
                            (nFormat & 0x04)   ? IDC_CEL_TEXT_VCENTER
                            : (nFormat & 0x08) ? IDC_CEL_TEXT_BOTTOM
                                               : IDC_CEL_TEXT_TOP);
}

int CCellStyleFun::AlignFromButtons(CWnd* pPage)
{
    int nFormat = 0x20;
    if (pPage->IsDlgButtonChecked(IDC_CEL_TEXT_HCENTER) == BST_CHECKED) {
        nFormat |= 0x01;
    } else if (pPage->IsDlgButtonChecked(IDC_CEL_TEXT_RIGHT) == BST_CHECKED) {
        nFormat |= 0x02;
    }
    if (pPage->IsDlgButtonChecked(IDC_CEL_TEXT_VCENTER) == BST_CHECKED) {
        nFormat |= 0x04;
    } else if (pPage->IsDlgButtonChecked(IDC_CEL_TEXT_BOTTOM) == BST_CHECKED) {
        nFormat |= 0x08;
    }
    return nFormat;
}

BOOL CCellStyleFun::ChooseCellFont(HWND hOwner, const CCappCell& cell, LOGFONTA& lf, COLORREF& crText, int& nFontHeight)
{
    const double dDots = CCappDCHelper::GetScreenDotPerTMM();
    lf = cell.m_lfFont;
    lf.lfHeight = RoundHalfAway(cell.m_nFontHeight * dDots);
    CCappDCHelper::UseDrawnFamily(lf);
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = hOwner;
    cf.lpLogFont = &lf;
    // Vertical faces ("@" names) draw a cell's text turned on its side.
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS;
    cf.rgbColors = cell.m_crText;
    if (!::ChooseFontA(&cf)) {
        return FALSE;
    }
    crText = cf.rgbColors;
    nFontHeight = dDots > 0 ? RoundHalfAway(lf.lfHeight / dDots) : cell.m_nFontHeight;
    return TRUE;
}
