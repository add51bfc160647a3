#include "designer/cells/MultiTestPg.h"

#include <commdlg.h>

#include "core/CappDCHelper.h"
#include "designer/cells/CellStyleFun.h"
#include "designer/cells/MultiStyleSh.h"
#include "designer/res/resource.h"
#include "platform/gdi/ClientDC.h"

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
    CCellStyleFun::CheckAlignButtons(this, nFormat);
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
    pSheet->m_cell.m_nTextFormat = CCellStyleFun::AlignFromButtons(this);
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
    LOGFONTA lf;
    COLORREF crText = 0;
    int nFontHeight = 0;
    if (!CCellStyleFun::ChooseCellFont(m_hWnd, cell, lf, crText, nFontHeight)) {
        return;
    }
    cell.m_crText = crText;
    cell.m_lfFont = lf;
    cell.m_nFontHeight = nFontHeight;
    Refresh();
}
