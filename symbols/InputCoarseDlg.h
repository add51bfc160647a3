// Modal dialog "粗糙度" of the older form: one roughness value, kept as the segment's value 2.
#pragma once

#include "platform/win/ComboBox.h"
#include "platform/win/Dialog.h"
#include "symbols/CoarsenessContSeg.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CInputCoarseDlg : public CDialog
{
public:
    explicit CInputCoarseDlg(CWnd* pParent = nullptr);

    // Copies an existing segment to edit (type 0 becomes 2); nothing for null.
    void SetData(CCoarsenessContSeg* pSeg);
    // Writes the value into the segment's value 2; FALSE for null.
    int GetData(CCoarsenessContSeg* pSeg);

    CComboBox m_comboValue;
    CString m_strValue;
    CCoarsenessContSeg m_seg;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnSelChangeValue();

    FX_DECLARE_MESSAGE_MAP()
};
