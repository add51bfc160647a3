#include "platform/db/FxOdbcHandle.h"

CFxOdbcHandle::CFxOdbcHandle() : m_hHandle(SQL_NULL_HANDLE), m_nType(0)
{
}

CFxOdbcHandle::~CFxOdbcHandle()
{
    Free();
}

SQLRETURN CFxOdbcHandle::Alloc(SQLSMALLINT nType, SQLHANDLE hParent)
{
    Free();
    SQLHANDLE hNew = SQL_NULL_HANDLE;
    SQLRETURN nRet = SQLAllocHandle(nType, hParent, &hNew);
    if (SQL_SUCCEEDED(nRet)) {
        m_hHandle = hNew;
        m_nType = nType;
    }
    return nRet;
}

void CFxOdbcHandle::Free()
{
    if (m_hHandle == SQL_NULL_HANDLE)
        return;
    // Freeing a connection that is still connected fails and would leak it.
    if (m_nType == SQL_HANDLE_DBC)
        SQLDisconnect(m_hHandle);
    SQLFreeHandle(m_nType, m_hHandle);
    m_hHandle = SQL_NULL_HANDLE;
    m_nType = 0;
}
