#include "symbols/InputFractionDlg.h"

#include "symbols/res/resource.h"

CInputFractionDlg::CInputFractionDlg(CWnd* pParent)
    : CInputPartsDlg(IDD_INPUTFRACTION, 'F', IDC_DENOMINATOR, m_strDenominator, IDC_NUMERATOR, m_strNumerator, pParent)
{
}

void CInputFractionDlg::SetData(CString strBaseData, CString strNumerator, CString strDenominator)
{
    SetTexts(strBaseData, strNumerator, strDenominator);
}
