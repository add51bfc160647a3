// The error records of the calling thread's last failed database call, as OLE DB keeps them per
// thread: every failure in the database classes replaces them.
#pragma once

#include "platform/base/String.h"

#include <sql.h>

class FX_API CFxDbErrorRecords
{
public:
    // Takes the diagnostic records of a handle whose call just failed.
    static void Capture(SQLSMALLINT nHandleType, SQLHANDLE hHandle);
    // A failure that never reached the driver (no connection, a provider we cannot translate).
    static void SetOwn(LPCSTR pszState, LPCSTR pszMessage);
    static void Clear();

    static int GetCount();
    // FALSE when there is no record nIndex (from 0).
    static BOOL GetRecord(int nIndex, CString& strState, long& nNativeError, CString& strMessage);
    // One line per record: "[SQLSTATE] message (native error)".
    static CString GetText();
};
