// Modal dialog "粗糙度" that enters a surface-roughness symbol: its type (three pictures) and two
// values.
#pragma once

#include "platform/win/ComboBox.h"
#include "platform/win/Static.h"
#include "symbols/InputCoarseBaseDlg.h"

class GLYPHWORK_API CInputCoarseDlgEx : public CInputCoarseBaseDlg
{
public:
    explicit CInputCoarseDlgEx(CWnd* pParent = nullptr);

    // Writes value 1, value 2 and the type into the segment; FALSE for null.
    int GetData(CCoarsenessContSeg* pSeg);

    CComboBox m_comboValue2;
    CComboBox m_comboValue1;
    CStatic m_picType3;
    CStatic m_picType2;
    CStatic m_picType1;
    CString m_strValue1;
    CString m_strValue2;
    int m_nType; // 1, 2 or 3

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnType1();
    void OnType2();
    void OnType3();
    void OnSelChangeValue1();
    void OnSelChangeValue2();

    FX_DECLARE_MESSAGE_MAP()

private:
    // Shows the picture of the type (0 counts as 2) and hides the others.
    void ShowTypePicture(int nType);
};
