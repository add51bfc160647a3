// The New Toolbar dialog: the name of a user tool bar, never longer than a bar title may be.
#pragma once

#include "platform/base/String.h"
#include "platform/win/Dialog.h"

// The template and its name edit, provided by the program.
#define FW_IDD_NEWTOOLBAR 20511
#define FW_IDC_NEWTOOLBAR_NAME 43096
// The longest bar title, in bytes.
#define FW_BARNAME_MAX 128

class FwNewToolBarDlg : public CDialog
{
public:
    explicit FwNewToolBarDlg(CWnd* pParent = nullptr);

    // The text cut to FW_BARNAME_MAX bytes, never through a double-byte character.
    static CString CutName(const CString& strName);

    CString m_strName;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnNameChange();
};
