#include "designer/detail/AddMidContinueDlg.h"

#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

FX_IMPLEMENT_DYNAMIC(CAddMidContinueDlg, CDialog)

CAddMidContinueDlg::CAddMidContinueDlg(CWnd* pParentWnd) : CDialog(IDD_ADD_MID_CONTINUE, pParentWnd)
{
}

BOOL CAddMidContinueDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int i = 0; i < m_arrSrcName.GetSize(); ++i) {
        ::SendDlgItemMessageA(m_hWnd, IDC_CONTINUE_SOURCE, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_arrSrcName[i])));
    }
    return TRUE;
}

void CAddMidContinueDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CONTINUE_NAME, m_strNewName);
}

void CAddMidContinueDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    GetDlgItemText(IDC_CONTINUE_SOURCE, m_strSrcName);
    UINT nIDText = 0;
    if (m_strSrcName.IsEmpty()) {
        nIDText = IDS_CONTINUE_NO_SOURCE;
    } else if (m_strNewName.IsEmpty()) {
        nIDText = IDS_CONTINUE_NO_NAME;
    }
    if (nIDText != 0) {
        CString strText;
        strText.LoadString(nIDText);
        MessageBox(strText, nullptr, MB_OK | MB_ICONWARNING);
        return;
    }
    CDialog::OnOK();
}
