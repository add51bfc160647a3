// Modal dialog of the special-character palette that asks for the name of a new character group.
#pragma once

#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"

class CInputGroupNameDlg : public CDialog
{
public:
    explicit CInputGroupNameDlg(CWnd* pParent = nullptr);

    CStringArray m_arrGroupName; // names the palette has already
    CString m_strGroupName;

    void SetGroupNames(CStringArray& arrNames);
    // Index of the first existing name equal to strName (byte comparison), -1 when none.
    int FindGroupName(CString strName);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnDestroy() override;

    FX_DECLARE_MESSAGE_MAP()
};
