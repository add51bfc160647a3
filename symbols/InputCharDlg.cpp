#include "symbols/InputCharDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/res/resource.h"

CInputCharDlg::CInputCharDlg(CWnd* pParent) : CDialog(IDD_INPUTCHAR, pParent)
{
}

void CInputCharDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CHAR_TEXT, m_strChar);
    DDV_MaxChars(pDX, m_strChar, 2);
}
