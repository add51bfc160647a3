#include "symbols/InputDataDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/res/resource.h"

CInputDataDlg::CInputDataDlg(CWnd* pParent) : CDialog(IDD_INPUTDATA, pParent), m_bNameEditable(true)
{
}

void CInputDataDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DATA_NAME, m_strName);
    DDX_Text(pDX, IDC_DATA_VALUE, m_strValue);
}

void CInputDataDlg::ReplaceXMLCode(CString& strText)
{
    strText.Trim();
    // "&" first, or the entities written after it would be escaped again.
    strText.Replace("&", "&amp;");
    strText.Replace("<", "&lt;");
    strText.Replace(">", "&gt;");
    strText.Replace("'", "&apos;");
    strText.Replace("\"", "&quot;");
    strText.Remove('#');
}

BOOL CInputDataDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_bNameEditable) {
        return TRUE;
    }
    // By id, not through GetDlgItem's plain wrapper: a template from another resource module may
    // lack a control.
    SendDlgItemMessage(IDC_DATA_NAME, EM_SETREADONLY, TRUE);
    GotoDlgCtrl(GetDlgItem(IDC_DATA_VALUE));
    SendDlgItemMessage(IDC_DATA_VALUE, EM_SETSEL, 0, 0);
    SendDlgItemMessage(IDC_DATA_VALUE, EM_SCROLLCARET);
    // The focus was set here, not by the dialog manager.
    return FALSE;
}

void CInputDataDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    ReplaceXMLCode(m_strName);
    ReplaceXMLCode(m_strValue);
    if (m_strName.IsEmpty()) {
        MessageBox("名称或值不能为空!（或名称只有非法符号）", "提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(IDC_DATA_NAME));
        return;
    }
    UpdateData(FALSE);
    EndDialog(IDOK);
}
