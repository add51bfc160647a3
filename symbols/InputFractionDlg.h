// Modal dialog that enters the base text, numerator and denominator of a fraction.
#pragma once

#include "symbols/InputPartsDlg.h"

class GLYPHWORK_API CInputFractionDlg : public CInputPartsDlg
{
public:
    explicit CInputFractionDlg(CWnd* pParent = nullptr);

    void SetData(CString strBaseData, CString strNumerator, CString strDenominator);

    CString m_strDenominator;
    CString m_strNumerator;
};
