#include "symbols/DlgFrameStr.h"

#include "platform/win/DataExchange.h"
#include "symbols/res/resource.h"

CDlgFrameStr::CDlgFrameStr(CWnd* pParent) : CDialog(IDD_FRAMESTR, pParent), m_strTitle("加框字符串")
{
}

void CDlgFrameStr::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FRAMESTR_TEXT, m_strText);
}

BOOL CDlgFrameStr::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    return TRUE;
}
