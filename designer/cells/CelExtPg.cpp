#include "designer/cells/CelExtPg.h"

#include "designer/freeobj/FreeObjSh.h"
#include "designer/cells/SetCellStyleSh.h"
#include "designer/res/resource.h"

namespace
{
const int kNotEditable = 0x80;
const int kSoftBreak = 0x04;
const int kMultiLine = 0x10;

UINT Check(int bOn)
{
    return bOn ? BST_CHECKED : BST_UNCHECKED;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CCelExtPg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CCelExtPg, CPropertyPage)
FX_ON_BN_CLICKED(IDC_CEL_EXT_FRAME, OnClickFrame)
FX_END_MESSAGE_MAP()

CCelExtPg::CCelExtPg() : CPropertyPage(IDD_CEL_EXT)
{
}

BOOL CCelExtPg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet == nullptr) {
        return TRUE;
    }
    const CCappCell& cell = pSheet->m_cell;
    ::CheckDlgButton(m_hWnd, IDC_CEL_EXT_EDIT, Check((cell.m_nEditFlags & kNotEditable) == 0));
    ::CheckDlgButton(m_hWnd, IDC_CEL_EXT_SOFT_BREAK, Check(cell.m_nEditFlags & kSoftBreak));
    ::CheckDlgButton(m_hWnd, IDC_CEL_EXT_MULTI_LINE, Check(cell.m_nEditFlags & kMultiLine));
    ::CheckDlgButton(m_hWnd, IDC_CEL_EXT_INPUT, Check(cell.m_bAllowInput));
    ::CheckDlgButton(m_hWnd, IDC_CEL_EXT_INHERIT, Check(cell.m_bInheritPrev));
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_CEL_EXT_FRAME), pSheet->m_pFrameObj != nullptr ? SW_SHOW : SW_HIDE);
    return TRUE;
}

BOOL CCelExtPg::OnApply()
{
    CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this);
    if (pSheet != nullptr) {
        CCappCell& cell = pSheet->m_cell;
        auto setBit = [&cell](int nBit, bool bOn) {
            cell.m_nEditFlags = bOn ? (cell.m_nEditFlags | nBit) : (cell.m_nEditFlags & ~nBit);
        };
        setBit(kNotEditable, IsDlgButtonChecked(IDC_CEL_EXT_EDIT) != BST_CHECKED);
        setBit(kSoftBreak, IsDlgButtonChecked(IDC_CEL_EXT_SOFT_BREAK) == BST_CHECKED);
        setBit(kMultiLine, IsDlgButtonChecked(IDC_CEL_EXT_MULTI_LINE) == BST_CHECKED);
        cell.m_bAllowInput = IsDlgButtonChecked(IDC_CEL_EXT_INPUT) == BST_CHECKED ? 1 : 0;
        cell.m_bInheritPrev = IsDlgButtonChecked(IDC_CEL_EXT_INHERIT) == BST_CHECKED ? 1 : 0;
    }
    return CPropertyPage::OnApply();
}

void CCelExtPg::OnClickFrame()
{
    // The frame is the template's own object: a change stays even when the cell sheet is cancelled.
    if (CSetCellStyleSh* pSheet = CSetCellStyleSh::FromPage(this)) {
        CFreeObjSh::EditFrameObj(this, pSheet->m_pFrameObj);
    }
}
