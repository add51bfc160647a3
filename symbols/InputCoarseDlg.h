// Modal dialog "粗糙度" of the older form: one roughness value, kept as the segment's value 2.
#pragma once

#include "platform/win/ComboBox.h"
#include "symbols/InputCoarseBaseDlg.h"

class GLYPHWORK_API CInputCoarseDlg : public CInputCoarseBaseDlg
{
public:
    explicit CInputCoarseDlg(CWnd* pParent = nullptr);

    // Writes the value into the segment's value 2; FALSE for null.
    int GetData(CCoarsenessContSeg* pSeg);

    CComboBox m_comboValue;
    CString m_strValue;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnSelChangeValue();

    FX_DECLARE_MESSAGE_MAP()
};
