#include "designer/cells/CelDisTypePg.h"

#include "designer/cells/SetCellStyleSh.h"
#include "designer/res/resource.h"

namespace
{
struct FlagBox
{
    int nID;
    int nBit;
};
const FlagBox kBoxes[] = {
    {IDC_CEL_DIS_COMPRESS, 0x02},
    {IDC_CEL_DIS_WRAP, 0x04},
    {IDC_CEL_DIS_SPECIAL, 0x08},
};
} // namespace

FX_IMPLEMENT_DYNAMIC(CCelDisTypePg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CCelDisTypePg, CPropertyPage)
FX_ON_COMMAND_RANGE(IDC_CEL_DIS_COMPRESS, IDC_CEL_DIS_SPECIAL, OnClickFlag)
FX_END_MESSAGE_MAP()

CCelDisTypePg::CCelDisTypePg() : CPropertyPage(IDD_CEL_DIS_TYPE)
{
}

BOOL CCelDisTypePg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet != nullptr) {
        for (const FlagBox& box : kBoxes) {
            ::CheckDlgButton(m_hWnd, box.nID, (pSheet->m_cell.m_nDisplay & box.nBit) ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    return TRUE;
}

void CCelDisTypePg::OnClickFlag(UINT nID)
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return;
    }
    for (const FlagBox& box : kBoxes) {
        if (static_cast<UINT>(box.nID) != nID) {
            continue;
        }
        if (::IsDlgButtonChecked(m_hWnd, box.nID) == BST_CHECKED) {
            pSheet->m_cell.m_nDisplay |= box.nBit;
        } else {
            pSheet->m_cell.m_nDisplay &= ~box.nBit;
        }
    }
}
