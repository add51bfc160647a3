// The card filling library's own one-value input dialog: the base input dialog's members and
// checks, on a value without its trailing blanks, with this library's message texts.
#pragma once

#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"
#include "platform/win/Edit.h"
#include "platform/win/Static.h"
#include "work/VornWorkExport.h"

class VORNWORK_API CCappInDataDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CCappInDataDlg)

public:
    explicit CCappInDataDlg(CWnd* pParent = nullptr);

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
    void RefuseValue(const CString& strText);
    static CString LoadMessage(UINT nID);
};
