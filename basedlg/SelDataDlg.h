// The modal dialog that picks one value from a combo box, a plain list or, when editable, a typed one.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"

class VORNBASECLS_API CSelDataDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CSelDataDlg)

public:
    explicit CSelDataDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    CStringArray m_arrItems;
    CStringArray m_arrForbidden;
    CString m_strForbiddenMsg;
    CString m_strValue;
    int m_nSpare;
    CString m_strTitle;
    CString m_strSelItem;
    BOOL m_bEmptyAllowed;
    // Combo box 1078 (typed values) instead of the drop-down list 1077.
    BOOL m_bEditable;
    CWnd* m_pCombo;
    CString m_strPrompt;

protected:
    void OnOK() override;
};
