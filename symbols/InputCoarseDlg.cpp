#include "symbols/InputCoarseDlg.h"

#include "platform/win/DataExchange.h"
#include "symbols/NotationDlgFun.h"
#include "symbols/res/resource.h"

FX_BEGIN_MESSAGE_MAP(CInputCoarseDlg, CInputCoarseBaseDlg)
FX_ON_CBN_SELCHANGE(IDC_COARSE_COMBO, OnSelChangeValue)
FX_END_MESSAGE_MAP()

CInputCoarseDlg::CInputCoarseDlg(CWnd* pParent) : CInputCoarseBaseDlg(IDD_INPUTCOARSE, pParent)
{
}

int CInputCoarseDlg::GetData(CCoarsenessContSeg* pSeg)
{
    if (pSeg == nullptr) {
        return FALSE;
    }
    pSeg->m_strValue2 = m_seg.m_strValue2;
    return TRUE;
}

void CInputCoarseDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COARSE_COMBO, m_comboValue);
    DDX_Text(pDX, IDC_COARSE_VALUE, m_strValue);
}

BOOL CInputCoarseDlg::OnInitDialog()
{
    m_strValue = m_seg.m_strValue2;
    return CDialog::OnInitDialog();
}

void CInputCoarseDlg::OnSelChangeValue()
{
    CNotationDlgFun::TakeComboChoice(this, m_comboValue, IDC_COARSE_VALUE, m_strValue);
}

void CInputCoarseDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    if (!CheckValue(IDC_COARSE_VALUE, m_strValue)) {
        return;
    }
    m_seg.m_strValue2 = m_strValue;
    EndDialog(IDOK);
}
