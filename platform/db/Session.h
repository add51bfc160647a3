// A session on an open data source: what commands run on.
#pragma once

#include "platform/base/String.h"

class CDataSource;
class CFxDbConnection;

class FX_API CSession
{
public:
    CSession();
    ~CSession();
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // Closes what was open first. S_OK, or E_FAIL when the data source is not open.
    HRESULT Open(const CDataSource& source);
    BOOL IsOpen() const { return m_pConn != nullptr; }
    void Close();

    // For the command class: the shared connection, nullptr when closed.
    CFxDbConnection* GetConnection() const { return m_pConn; }

private:
    CFxDbConnection* m_pConn;
};
