#include "designer/shell/AboutDlg.h"

#include "designer/res/resource.h"

CAboutDlg::CAboutDlg(CWnd* pParentWnd) : CDialog(IDD_ABOUTBOX, pParentWnd)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_linkWeb.SubclassDlgItem(IDC_ABOUT_WEB, this, "https://vorn.example.org");
    m_linkMail.SubclassDlgItem(IDC_ABOUT_MAIL, this, "mailto:support@vorn.example.org");
    return TRUE;
}
