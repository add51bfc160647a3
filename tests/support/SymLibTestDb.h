// Builds a custom-symbol library database (folders, symbols and their blobs) for tests.
#pragma once

#include "platform/base/String.h"

class CSession;

struct SymLibRow
{
    int nID;
    const char* szName;
    int nBlobID;
    const char* szGuid;
    int bFolder;
    int nParentID;
};

// Drops and creates TN_SYS_CUSTSYMBOL and TN_SYS_CAPPBLOB; szBlobType is the engine's long binary
// type. FALSE, with a test failure, when a statement fails.
BOOL CreateSymLibTables(CSession& session, const char* szBlobType);
BOOL AddSymLibRows(CSession& session, const SymLibRow* pRows, int nRows);
// A null pvBytes stores NULL.
BOOL AddSymLibBlob(CSession& session, int nID, const void* pvBytes, int cbBytes, int bCompressed = 0);
inline BOOL AddSymLibBlob(CSession& session, int nID, const char* pszText)
{
    return AddSymLibBlob(session, nID, pszText, lstrlenA(pszText));
}
