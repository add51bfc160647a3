#include "symbols/InputPartsDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/NotationDlgFun.h"
#include "symbols/res/resource.h"

FX_BEGIN_MESSAGE_MAP(CInputPartsDlg, CDialog)
FX_ON_EN_CHANGE(IDC_BASETEXT, OnChangeBaseData)
FX_END_MESSAGE_MAP()

CInputPartsDlg::CInputPartsDlg(UINT nIDTemplate, char chLetter, int nIDLower, CString& strLower, int nIDUpper,
                               CString& strUpper, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_szLetter{chLetter, '\0'}, m_nIDLower(nIDLower), m_strLower(strLower),
      m_nIDUpper(nIDUpper), m_strUpper(strUpper)
{
}

void CInputPartsDlg::SetTexts(CString strBaseData, CString strUpper, CString strLower)
{
    m_strBaseData = strBaseData;
    m_strUpper = strUpper;
    m_strLower = strLower;
}

void CInputPartsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Text(pDX, IDC_BASETEXT, m_strBaseData);
    DDX_Text(pDX, m_nIDLower, m_strLower);
    DDX_Text(pDX, m_nIDUpper, m_strUpper);
}

BOOL CInputPartsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Setting an empty text tells nobody: the button's first state is set here.
    OnChangeBaseData();
    return TRUE;
}

void CInputPartsDlg::OnChangeBaseData()
{
    CNotationDlgFun::EnableOkWhileFilled(this, m_btnOK, IDC_BASETEXT);
}

void CInputPartsDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    // In the order of the edits, so the focus goes to the first one to mend.
    if (!CNotationDlgFun::CheckEdit(this, IDC_BASETEXT, m_strBaseData, m_szLetter) ||
        !CNotationDlgFun::CheckEdit(this, m_nIDUpper, m_strUpper, m_szLetter) ||
        !CNotationDlgFun::CheckEdit(this, m_nIDLower, m_strLower, m_szLetter)) {
        return;
    }
    EndDialog(IDOK);
}
