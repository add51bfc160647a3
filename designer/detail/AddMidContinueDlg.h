// Names a new continuation detail area and picks the area it continues.
#pragma once

#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"

class CAddMidContinueDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CAddMidContinueDlg)

public:
    explicit CAddMidContinueDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    CStringArray m_arrSrcName; // filled by the caller
    CString m_strSrcName;      // the chosen source, after OK
    CString m_strNewName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
