// Modal dialog that enters the base text, numerator and denominator of a fraction.
#pragma once

#include "platform/win/Button.h"
#include "platform/win/Dialog.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CInputFractionDlg : public CDialog
{
public:
    explicit CInputFractionDlg(CWnd* pParent = nullptr);

    void SetData(CString strBaseData, CString strNumerator, CString strDenominator);

    CButton m_btnOK; // enabled only while the base text is not empty
    CString m_strBaseData;
    CString m_strDenominator;
    CString m_strNumerator;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChangeBaseData();

    FX_DECLARE_MESSAGE_MAP()
};
