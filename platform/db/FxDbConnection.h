// One ODBC environment and connection, shared by a data source and the sessions opened on it:
// a session keeps working after its data source is closed, as OLE DB sessions do.
#pragma once

#include "platform/db/FxOdbcHandle.h"

class FX_API CFxDbConnection
{
public:
    // Connects with an ODBC connection string, never prompting. nullptr on failure, with the
    // driver's error records kept for the thread. The caller holds the one reference.
    static CFxDbConnection* Connect(LPCSTR pszOdbc);

    CFxDbConnection(const CFxDbConnection&) = delete;
    CFxDbConnection& operator=(const CFxDbConnection&) = delete;

    SQLHANDLE GetHandle() const { return m_hDbc; }
    void AddRef();
    // Disconnects and frees with the last reference.
    void Release();

private:
    CFxDbConnection();
    ~CFxDbConnection();

    LONG m_nRefs;
    // Declared in this order so that the connection goes before its environment.
    CFxOdbcHandle m_hEnv;
    CFxOdbcHandle m_hDbc;
};
