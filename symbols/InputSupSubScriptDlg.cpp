#include "symbols/InputSupSubScriptDlg.h"

#include "symbols/res/resource.h"

CInputSupSubScriptDlg::CInputSupSubScriptDlg(CWnd* pParent)
    : CInputPartsDlg(IDD_INPUTSUPSUBSCRIPT, 'S', IDC_SUBSCRIPT, m_strSubScript, IDC_SUPERSCRIPT, m_strSuperScript,
                     pParent)
{
}

void CInputSupSubScriptDlg::SetData(CString strBaseData, CString strSuperScript, CString strSubScript)
{
    SetTexts(strBaseData, strSuperScript, strSubScript);
}
