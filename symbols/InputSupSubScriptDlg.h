// Modal dialog that enters the base text, superscript and subscript of a super/subscript.
#pragma once

#include "platform/win/Button.h"
#include "platform/win/Dialog.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CInputSupSubScriptDlg : public CDialog
{
public:
    explicit CInputSupSubScriptDlg(CWnd* pParent = nullptr);

    void SetData(CString strBaseData, CString strSuperScript, CString strSubScript);

    CButton m_btnOK; // enabled only while the base text is not empty
    CString m_strBaseData;
    CString m_strSubScript;
    CString m_strSuperScript;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChangeBaseData();

    FX_DECLARE_MESSAGE_MAP()
};
