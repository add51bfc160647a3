#include "work/RowOrderDlg.h"

#include "work/res/resource.h"

CRowOrderDlg::CRowOrderDlg(CWnd* pParent)
    : CDialog(IDD_ROWORDER, pParent), m_nStart(startFromCurrent), m_nRange(rangeToEnd)
{
}

BOOL CRowOrderDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckRadioButton(IDC_ROWORDER_FROMTOP, IDC_ROWORDER_FROMCUR, IDC_ROWORDER_FROMCUR);
    CheckRadioButton(IDC_ROWORDER_GROUP, IDC_ROWORDER_TOEND, IDC_ROWORDER_TOEND);
    return TRUE;
}

void CRowOrderDlg::OnOK()
{
    if (IsDlgButtonChecked(IDC_ROWORDER_FROMCUR)) {
        m_nStart = startFromCurrent;
    } else if (IsDlgButtonChecked(IDC_ROWORDER_FROMTOP)) {
        m_nStart = startFromTop;
    }
    m_nRange = IsDlgButtonChecked(IDC_ROWORDER_GROUP) ? rangeParentGroup : rangeToEnd;
    CDialog::OnOK();
}
