// Modal dialog that enters the base text, superscript and subscript of a super/subscript.
#pragma once

#include "symbols/InputPartsDlg.h"

class GLYPHWORK_API CInputSupSubScriptDlg : public CInputPartsDlg
{
public:
    explicit CInputSupSubScriptDlg(CWnd* pParent = nullptr);

    void SetData(CString strBaseData, CString strSuperScript, CString strSubScript);

    CString m_strSubScript;
    CString m_strSuperScript;
};
