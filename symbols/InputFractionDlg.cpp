#include "symbols/InputFractionDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/res/resource.h"

FX_BEGIN_MESSAGE_MAP(CInputFractionDlg, CDialog)
FX_ON_EN_CHANGE(IDC_BASETEXT, OnChangeBaseData)
FX_END_MESSAGE_MAP()

CInputFractionDlg::CInputFractionDlg(CWnd* pParent) : CDialog(IDD_INPUTFRACTION, pParent)
{
}

void CInputFractionDlg::SetData(CString strBaseData, CString strNumerator, CString strDenominator)
{
    m_strBaseData = strBaseData;
    m_strNumerator = strNumerator;
    m_strDenominator = strDenominator;
}

void CInputFractionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Text(pDX, IDC_BASETEXT, m_strBaseData);
    DDX_Text(pDX, IDC_DENOMINATOR, m_strDenominator);
    DDX_Text(pDX, IDC_NUMERATOR, m_strNumerator);
}

BOOL CInputFractionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Setting an empty text tells nobody: the button's first state is set here.
    OnChangeBaseData();
    return TRUE;
}

void CInputFractionDlg::OnChangeBaseData()
{
    if (m_btnOK.m_hWnd != nullptr) {
        CString strBase;
        GetDlgItemText(IDC_BASETEXT, strBase);
        m_btnOK.EnableWindow(!strBase.IsEmpty());
    }
}
