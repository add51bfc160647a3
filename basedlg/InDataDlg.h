// The modal dialog in which the user types one value, checked on OK for emptiness, forbidden
// values, integer or real syntax and a lower bound.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"
#include "platform/win/Edit.h"
#include "platform/win/Static.h"

class VORNBASECLS_API CInDataDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CInDataDlg)

public:
    explicit CInDataDlg(CWnd* pParent = nullptr);

    void SetData(CString strCaption, CString strPrompt, CString strValue, int nDataType, int bEmptyAllowed,
                 float fMinimum);
    BOOL OnInitDialog() override;

    CString m_strCaption;
    UINT m_nIconID;
    BOOL m_bEmptyAllowed;
    float m_fMinimum;
    CStringArray m_arrForbidden;
    CString m_strForbiddenMsg;
    // 1 any text, 2 integer, 3 real.
    int m_nDataType;
    CEdit m_edit;
    CStatic m_iconStatic;
    CString m_strPrompt;
    CString m_strValue;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    // Exclamation box, then the edit gets the focus with its whole text selected.
    void RefuseValue(LPCSTR pszText);
};
