#include "platform/db/FxDbConnection.h"

#include <sqlext.h>

#include "platform/db/FxDbErrorRecords.h"

CFxDbConnection::CFxDbConnection() : m_nRefs(1)
{
}

CFxDbConnection::~CFxDbConnection() = default;

CFxDbConnection* CFxDbConnection::Connect(LPCSTR pszOdbc)
{
    CFxDbConnection* pConn = new CFxDbConnection;
    SQLRETURN nRet = pConn->m_hEnv.Alloc(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    if (SQL_SUCCEEDED(nRet)) {
        nRet = SQLSetEnvAttr(pConn->m_hEnv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        if (!SQL_SUCCEEDED(nRet))
            CFxDbErrorRecords::Capture(SQL_HANDLE_ENV, pConn->m_hEnv);
    } else {
        CFxDbErrorRecords::SetOwn("HY001", "No ODBC environment could be had");
    }
    if (SQL_SUCCEEDED(nRet)) {
        nRet = pConn->m_hDbc.Alloc(SQL_HANDLE_DBC, pConn->m_hEnv);
        if (!SQL_SUCCEEDED(nRet))
            CFxDbErrorRecords::Capture(SQL_HANDLE_ENV, pConn->m_hEnv);
    }
    if (SQL_SUCCEEDED(nRet)) {
        // The plain entry point: the ...A forms are stubs under Wine.
        CString strOdbc(pszOdbc);
        nRet = SQLDriverConnect(pConn->m_hDbc, nullptr, reinterpret_cast<SQLCHAR*>(strOdbc.GetBuffer()), SQL_NTS,
                                nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
        if (!SQL_SUCCEEDED(nRet))
            CFxDbErrorRecords::Capture(SQL_HANDLE_DBC, pConn->m_hDbc);
    }
    if (!SQL_SUCCEEDED(nRet)) {
        pConn->Release();
        return nullptr;
    }
    return pConn;
}

void CFxDbConnection::AddRef()
{
    InterlockedIncrement(&m_nRefs);
}

void CFxDbConnection::Release()
{
    if (InterlockedDecrement(&m_nRefs) == 0)
        delete this;
}
