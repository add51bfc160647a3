#include "tests/support/SymLibTestDb.h"

#include <gtest/gtest.h>

#include "platform/db/Command.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"

namespace
{
BOOL Run(CCommand& cmd, CSession& session, LPCSTR pszSQL)
{
    if (cmd.Open(session, pszSQL) == S_OK)
        return TRUE;
    ADD_FAILURE() << pszSQL << "\n" << CFxDbErrorRecords::GetText().GetString();
    return FALSE;
}
} // namespace

BOOL CreateSymLibTables(CSession& session, const char* szBlobType)
{
    CString strBlob;
    strBlob.Format("CREATE TABLE TN_SYS_CAPPBLOB (CN_ID INTEGER, CN_COMPRESSED SMALLINT, CN_BLOB %s)", szBlobType);
    const CString statements[] = {
        "DROP TABLE IF EXISTS TN_SYS_CUSTSYMBOL",
        "DROP TABLE IF EXISTS TN_SYS_CAPPBLOB",
        "CREATE TABLE TN_SYS_CUSTSYMBOL (CN_ID INTEGER, CN_NAME CHAR(40), CN_BLOBID INTEGER, CN_GUID CHAR(40), "
        "CN_ISFOLDER INTEGER, CN_PARENTID INTEGER)",
        strBlob,
    };
    for (const CString& strSQL : statements) {
        CCommand cmd;
        if (!Run(cmd, session, strSQL))
            return FALSE;
    }
    return TRUE;
}

BOOL AddSymLibRows(CSession& session, const SymLibRow* pRows, int nRows)
{
    for (int i = 0; i < nRows; ++i) {
        const SymLibRow& row = pRows[i];
        CCommand cmd;
        cmd.AddParam(static_cast<long>(row.nID));
        cmd.AddParam(row.szName);
        cmd.AddParam(static_cast<long>(row.nBlobID));
        cmd.AddParam(row.szGuid);
        cmd.AddParam(static_cast<long>(row.bFolder));
        cmd.AddParam(static_cast<long>(row.nParentID));
        if (!Run(cmd, session, "INSERT INTO TN_SYS_CUSTSYMBOL VALUES (?, ?, ?, ?, ?, ?)"))
            return FALSE;
    }
    return TRUE;
}

BOOL AddSymLibBlob(CSession& session, int nID, const void* pvBytes, int cbBytes, int bCompressed)
{
    CCommand cmd;
    cmd.AddParam(static_cast<long>(nID));
    cmd.AddParam(static_cast<long>(bCompressed));
    if (pvBytes == nullptr)
        cmd.AddParam(nullptr);
    else
        cmd.AddParam(pvBytes, cbBytes);
    return Run(cmd, session, "INSERT INTO TN_SYS_CAPPBLOB VALUES (?, ?, ?)");
}
