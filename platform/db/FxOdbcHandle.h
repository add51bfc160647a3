// Owns one ODBC handle (environment, connection or statement) and frees it once.
#pragma once

// The ODBC headers need the Windows ones first.
#include "platform/base/FxExport.h"

#include <sql.h>

class FX_API CFxOdbcHandle
{
public:
    CFxOdbcHandle();
    ~CFxOdbcHandle();
    CFxOdbcHandle(const CFxOdbcHandle&) = delete;
    CFxOdbcHandle& operator=(const CFxOdbcHandle&) = delete;

    operator SQLHANDLE() const { return m_hHandle; }
    SQLSMALLINT GetType() const { return m_nType; }
    BOOL IsValid() const { return m_hHandle != SQL_NULL_HANDLE; }
    // SQLAllocHandle's result. Frees any held handle first; on failure nothing is held.
    SQLRETURN Alloc(SQLSMALLINT nType, SQLHANDLE hParent);
    // A connection is disconnected before it is freed.
    void Free();

private:
    SQLHANDLE m_hHandle;
    SQLSMALLINT m_nType;
};
