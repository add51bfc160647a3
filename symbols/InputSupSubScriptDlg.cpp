#include "symbols/InputSupSubScriptDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/res/resource.h"

FX_BEGIN_MESSAGE_MAP(CInputSupSubScriptDlg, CDialog)
FX_ON_EN_CHANGE(IDC_BASETEXT, OnChangeBaseData)
FX_END_MESSAGE_MAP()

CInputSupSubScriptDlg::CInputSupSubScriptDlg(CWnd* pParent) : CDialog(IDD_INPUTSUPSUBSCRIPT, pParent)
{
}

void CInputSupSubScriptDlg::SetData(CString strBaseData, CString strSuperScript, CString strSubScript)
{
    m_strBaseData = strBaseData;
    m_strSuperScript = strSuperScript;
    m_strSubScript = strSubScript;
}

void CInputSupSubScriptDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Text(pDX, IDC_BASETEXT, m_strBaseData);
    DDX_Text(pDX, IDC_SUBSCRIPT, m_strSubScript);
    DDX_Text(pDX, IDC_SUPERSCRIPT, m_strSuperScript);
}

BOOL CInputSupSubScriptDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Setting an empty text tells nobody: the button's first state is set here.
    OnChangeBaseData();
    return TRUE;
}

void CInputSupSubScriptDlg::OnChangeBaseData()
{
    if (m_btnOK.m_hWnd != nullptr) {
        CString strBase;
        GetDlgItemText(IDC_BASETEXT, strBase);
        m_btnOK.EnableWindow(!strBase.IsEmpty());
    }
}
