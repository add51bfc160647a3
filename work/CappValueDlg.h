// The one-value input dialog the base and card filling libraries share: its members, the icon
// and the checks on OK (emptiness, forbidden values, integer or real syntax, lower bound). Each
// library's dialog gives its template and control ids and the texts of its refusals.
#pragma once

#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"
#include "platform/win/Edit.h"
#include "platform/win/Static.h"
#include "work/VornWorkExport.h"

class VORNWORK_API CCappValueDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CCappValueDlg)

public:
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
    // The template's edit, prompt and icon controls.
    struct Controls
    {
        UINT nEditID;
        UINT nPromptID;
        UINT nIconID;
    };
    // The refusals, each a format: the value (%s) or the lower bound (%d, %f); msgEmpty has none.
    enum Message { msgEmpty, msgNotInt, msgTooBig, msgMinInt, msgNotFloat, msgTooLong, msgMinFloat };

    // bTrimRight drops the value's trailing blanks before it is checked.
    CCappValueDlg(UINT nIDTemplate, const Controls& controls, BOOL bTrimRight, CWnd* pParent);

    virtual CString GetMessageText(Message nMessage) const = 0;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    // Information box, then the edit gets the focus.
    void RefuseEntry(const CString& strText);
    // Exclamation box, then the edit gets the focus with its whole text selected.
    void RefuseValue(const CString& strText);
    // RefuseValue with the message's format filled with the typed value.
    void RefuseValueAs(Message nMessage);
    // The typed value against the data type and the minimum; FALSE once it has been refused.
    BOOL CheckInteger();
    BOOL CheckReal();

    Controls m_controls;
    BOOL m_bTrimRight;
};
