#include "designer/cells/DelControlDlg.h"

#include "designer/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CDelControlDlg, CDialog)

CDelControlDlg::CDelControlDlg(CWnd* pParentWnd) : CDialog(IDD_DEL_CONTROL, pParentWnd), m_nCode(deleteAll)
{
}

BOOL CDelControlDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::CheckDlgButton(m_hWnd, IDC_DEL_ALL, BST_CHECKED);
    return TRUE;
}

void CDelControlDlg::OnOK()
{
    if (IsDlgButtonChecked(IDC_DEL_ALL) == BST_CHECKED) {
        m_nCode = deleteAll;
    } else if (IsDlgButtonChecked(IDC_DEL_STATIC) == BST_CHECKED) {
        m_nCode = deleteStatic;
    } else {
        m_nCode = deleteFields;
    }
    CDialog::OnOK();
}
