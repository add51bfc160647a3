#include "core/KvConnectDlg.h"

#include "core/KvOleDBFun.h"
#include "core/res/resource.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/win/DataExchange.h"

namespace
{
// Fields a database file has no use for.
const int serverOnlyIds[] = {IDC_CONN_DATABASE, IDC_CONN_USER, IDC_CONN_PASSWORD};
} // namespace

FX_BEGIN_MESSAGE_MAP(CKvConnectDlg, CDialog)
FX_ON_BN_CLICKED(IDC_CONN_SERVER, OnKindChanged)
FX_ON_BN_CLICKED(IDC_CONN_FILE, OnKindChanged)
FX_ON_BN_CLICKED(IDC_CONN_TEST, OnTest)
FX_END_MESSAGE_MAP()

CKvConnectDlg::CKvConnectDlg(CWnd* pParent) : CDialog(IDD_KVCONNECT, pParent), m_nKind(0)
{
}

void CKvConnectDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_CONN_SERVER, m_nKind);
    DDX_Text(pDX, IDC_CONN_SERVERNAME, m_strServer);
    DDX_Text(pDX, IDC_CONN_DATABASE, m_strDatabase);
    DDX_Text(pDX, IDC_CONN_USER, m_strUser);
    DDX_Text(pDX, IDC_CONN_PASSWORD, m_strPassword);
}

BOOL CKvConnectDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    OnKindChanged();
    return TRUE;
}

CString CKvConnectDlg::MakeInitString() const
{
    CString strServer = m_strServer;
    strServer.Trim();
    if (strServer.IsEmpty())
        return CString();
    if (m_nKind == 0)
        return CKvOleDBFun::MakeSqlServerInit(strServer, m_strDatabase, m_strUser, m_strPassword);
    // ODBC braces the path, so a ";" in a folder name cannot end it.
    strServer.Replace("}", "}}");
    return "Driver={SQLite3};Database={" + strServer + "}";
}

void CKvConnectDlg::OnKindChanged()
{
    BOOL bServer = IsDlgButtonChecked(IDC_CONN_SERVER) == BST_CHECKED;
    SetDlgItemText(IDC_CONN_SERVERNAME_LABEL, bServer ? "服务器(&N):" : "数据库文件(&N):");
    for (int nID : serverOnlyIds)
        GetDlgItem(nID)->EnableWindow(bServer);
}

void CKvConnectDlg::OnTest()
{
    if (!UpdateData(TRUE))
        return;
    CString strInit = MakeInitString();
    if (strInit.IsEmpty()) {
        MessageBox("请输入服务器或数据库文件。", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    CDataSource source;
    if (SUCCEEDED(source.OpenFromInitializationString(strInit))) {
        MessageBox("测试连接成功。", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    MessageBox("测试连接失败:\r\n" + CFxDbErrorRecords::GetText(), "提示", MB_OK | MB_ICONWARNING);
}

void CKvConnectDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_strInitString = MakeInitString();
    if (m_strInitString.IsEmpty()) {
        MessageBox("请输入服务器或数据库文件。", "提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(IDC_CONN_SERVERNAME));
        return;
    }
    EndDialog(IDOK);
}
