#include "designer/cells/CelStaticPg.h"

#include "designer/cells/SetCellStyleSh.h"
#include "designer/res/resource.h"

namespace
{
const char kHorizontal[] = "水平";
const char kVertical[] = "垂直";
} // namespace

FX_IMPLEMENT_DYNAMIC(CCelStaticPg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CCelStaticPg, CPropertyPage)
FX_ON_CBN_SELCHANGE(IDC_CEL_STATIC_DIR, OnSelchangeDirection)
FX_END_MESSAGE_MAP()

CCelStaticPg::CCelStaticPg() : CPropertyPage(IDD_CEL_STATIC)
{
}

BOOL CCelStaticPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return TRUE;
    }
    const CCappCell& cell = pSheet->m_cell;
    SetDlgItemText(IDC_CEL_STATIC_TEXT, cell.m_strText);
    HWND hList = ::GetDlgItem(m_hWnd, IDC_CEL_STATIC_DIR);
    ::SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kHorizontal));
    ::SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kVertical));
    LPCSTR pszDir = cell.m_nTextDir == 1 ? kHorizontal : cell.m_nTextDir == 2 ? kVertical : nullptr;
    LRESULT nIndex = pszDir != nullptr ? ::SendMessageA(hList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                        reinterpret_cast<LPARAM>(pszDir))
                                       : 0;
    ::SendMessageA(hList, CB_SETCURSEL, static_cast<WPARAM>(nIndex == CB_ERR ? 0 : nIndex), 0);
    return TRUE;
}

void CCelStaticPg::StoreDirection()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    const CString strDir = CSetCellStyleSh::GetComboSelText(this, IDC_CEL_STATIC_DIR);
    if (strDir == kHorizontal) {
        pSheet->m_cell.m_nTextDir = 1;
    } else if (strDir == kVertical) {
        pSheet->m_cell.m_nTextDir = 2;
    }
}

void CCelStaticPg::OnSelchangeDirection()
{
    StoreDirection();
}

BOOL CCelStaticPg::OnApply()
{
    StoreDirection();
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet != nullptr) {
        GetDlgItemText(IDC_CEL_STATIC_TEXT, pSheet->m_cell.m_strText);
    }
    return CPropertyPage::OnApply();
}
