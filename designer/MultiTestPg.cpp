#include "designer/MultiTestPg.h"

#include <commdlg.h>

#include "core/CappDCHelper.h"
#include "designer/MultiStyleSh.h"
#include "designer/res/resource.h"
#include "platform/gdi/ClientDC.h"

namespace
{
int RoundHalfAway(double d)
{
    return static_cast<int>(d < 0 ? d - 0.5 : d + 0.5);
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CMultiTestPg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CMultiTestPg, CPropertyPage)
FX_ON_COMMAND_RANGE(IDC_CEL_TEXT_LEFT, IDC_CEL_TEXT_VCENTER, OnClickAlign)
FX_ON_BN_CLICKED(IDC_MULTI_CHOOSE, OnChooseFont)
FX_END_MESSAGE_MAP()

CMultiTestPg::CMultiTestPg() : CPropertyPage(IDD_MULTI_TEXT)
{
}

BOOL CMultiTestPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CMultiStyleSh* pSheet = CMultiStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return TRUE;
    }
    const int nFormat = pSheet->m_cell.m_nTextFormat;
    CheckRadioButton(IDC_CEL_TEXT_LEFT, IDC_CEL_TEXT_HCENTER,
                     (nFormat & 0x01)   ? IDC_CEL_TEXT_HCENTER
                     : (nFormat & 0x02) ? IDC_CEL_TEXT_RIGHT
                                        : IDC_CEL_TEXT_LEFT);
    CheckRadioButton(IDC_CEL_TEXT_TOP, IDC_CEL_TEXT_VCENTER,
                     (nFormat & 0x04)   ? IDC_CEL_TEXT_VCENTER
                     : (nFormat & 0x08) ? IDC_CEL_TEXT_BOTTOM
                                        : IDC_CEL_TEXT_TOP);
    StoreAlignment();
    Refresh();
    return TRUE;
}

void CMultiTestPg::StoreAlignment()
{
    CMultiStyleSh* pSheet = CMultiStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    int nFormat = 0x20;
    if (IsDlgButtonChecked(IDC_CEL_TEXT_HCENTER) == BST_CHECKED) {
        nFormat |= 0x01;
    } else if (IsDlgButtonChecked(IDC_CEL_TEXT_RIGHT) == BST_CHECKED) {
        nFormat |= 0x02;
    }
    if (IsDlgButtonChecked(IDC_CEL_TEXT_VCENTER) == BST_CHECKED) {
        nFormat |= 0x04;
    } else if (IsDlgButtonChecked(IDC_CEL_TEXT_BOTTOM) == BST_CHECKED) {
        nFormat |= 0x08;
    }
    pSheet->m_cell.m_nTextFormat = nFormat;
}

void CMultiTestPg::OnClickAlign(UINT /*nID*/)
{
    StoreAlignment();
}

void CMultiTestPg::Refresh()
{
    CMultiStyleSh* pSheet = CMultiStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    SetDlgItemText(IDC_MULTI_FACE, pSheet->m_cell.m_lfFont.lfFaceName);
    CClientDC dcScreen(nullptr);
    const int nDpi = dcScreen.m_hDC != nullptr ? dcScreen.GetDeviceCaps(LOGPIXELSY) : 96;
    ::SetDlgItemInt(m_hWnd, IDC_MULTI_SIZE, static_cast<UINT>(-::MulDiv(pSheet->m_cell.m_nFontHeight, 72, nDpi)), TRUE);
}

void CMultiTestPg::OnChooseFont()
{
    CMultiStyleSh* pSheet = CMultiStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    CCappCell& cell = pSheet->m_cell;
    const double dDots = CCappDCHelper::GetScreenDotPerTMM();
    LOGFONTA lf = cell.m_lfFont;
    lf.lfHeight = RoundHalfAway(cell.m_nFontHeight * dDots);
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = m_hWnd;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = cell.m_crText;
    if (!::ChooseFontA(&cf)) {
        return;
    }
    cell.m_crText = cf.rgbColors;
    cell.m_lfFont = lf;
    cell.m_nFontHeight = dDots > 0 ? RoundHalfAway(lf.lfHeight / dDots) : cell.m_nFontHeight;
    Refresh();
}
