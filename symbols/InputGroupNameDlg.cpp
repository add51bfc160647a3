#include "symbols/InputGroupNameDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/res/resource.h"

FX_BEGIN_MESSAGE_MAP(CInputGroupNameDlg, CDialog)
FX_ON_WM_DESTROY()
FX_END_MESSAGE_MAP()

CInputGroupNameDlg::CInputGroupNameDlg(CWnd* pParent) : CDialog(IDD_INPUTGROUPNAME, pParent)
{
}

void CInputGroupNameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_GROUP_NAME, m_strGroupName);
}

void CInputGroupNameDlg::SetGroupNames(CStringArray& arrNames)
{
    m_arrGroupName.Copy(arrNames);
}

int CInputGroupNameDlg::FindGroupName(CString strName)
{
    for (INT_PTR i = 0; i < m_arrGroupName.GetSize(); ++i) {
        if (m_arrGroupName.GetAt(i) == strName) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CInputGroupNameDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    m_strGroupName.Trim();
    if (m_strGroupName.IsEmpty()) {
        MessageBox("请输入组名！", "警告", MB_OK | MB_ICONWARNING);
        return;
    }
    if (FindGroupName(m_strGroupName) >= 0) {
        CString strText;
        strText.Format("组名 %s 已经存在！", static_cast<LPCSTR>(m_strGroupName));
        MessageBox(strText, "警告", MB_OK | MB_ICONWARNING);
        return;
    }
    EndDialog(IDOK);
}

void CInputGroupNameDlg::OnDestroy()
{
    m_arrGroupName.RemoveAll();
    CDialog::OnDestroy();
}
