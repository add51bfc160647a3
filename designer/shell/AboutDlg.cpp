#include "designer/shell/AboutDlg.h"

#include "designer/res/resource.h"

CAboutDlg::CAboutDlg(CWnd* pParentWnd) : CDialog(IDD_ABOUTBOX, pParentWnd)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The maker publishes no web address or mail box: the template keeps both links empty and
    // hidden rather than show made-up ones.
    m_linkWeb.SubclassDlgItem(IDC_ABOUT_WEB, this);
    m_linkMail.SubclassDlgItem(IDC_ABOUT_MAIL, this);
    return TRUE;
}
