// A connection to a database, opened from an initialisation string, for sessions to be opened on.
#pragma once

#include "platform/base/String.h"

class CFxDbConnection;

class FX_API CDataSource
{
public:
    CDataSource();
    ~CDataSource();
    CDataSource(const CDataSource&) = delete;
    CDataSource& operator=(const CDataSource&) = delete;

    // A provider-style string ("Provider=SQLOLEDB.1;Data Source=...;Initial Catalog=...") or an
    // ODBC connection string. Closes what was open first. S_OK, or E_FAIL with the thread's error
    // records telling why.
    HRESULT OpenFromInitializationString(LPCSTR pszInit);
    BOOL IsOpen() const { return m_pConn != nullptr; }
    // The string it was opened with, without the password unless asked for. E_FAIL when closed.
    HRESULT GetInitializationString(CString& strInit, BOOL bIncludePassword = FALSE) const;
    // Sessions opened on it stay usable.
    void Close();

    // For the session classes: the shared connection, nullptr when closed.
    CFxDbConnection* GetConnection() const { return m_pConn; }

private:
    CFxDbConnection* m_pConn;
    CString m_strInit;
};
