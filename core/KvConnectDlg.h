// Modal dialog that builds an initialisation string: a SQL Server (server, database, user and
// password, or integrated security without a user) or a SQLite database file, with a test button.
#pragma once

#include "core/VornCardExport.h"
#include "platform/win/Dialog.h"

class VORNCARD_API CKvConnectDlg : public CDialog
{
public:
    explicit CKvConnectDlg(CWnd* pParent = nullptr);

    // 0 a SQL Server, 1 a database file.
    int m_nKind;
    CString m_strServer;
    CString m_strDatabase;
    CString m_strUser;
    CString m_strPassword;
    // Set by OK.
    CString m_strInitString;

    // The string the fields give; empty without a server or file.
    CString MakeInitString() const;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnKindChanged();
    void OnTest();

    FX_DECLARE_MESSAGE_MAP()
};
