// What a connected database holds, through the ODBC catalog functions, and which engine it is.
#pragma once

#include "platform/base/String.h"

class CSession;
class CStringArray;
class CPtrList;

class FX_API CFxDbCatalog
{
public:
    CFxDbCatalog() = delete;

    // Appends table names in the driver's order: base tables only, or with bAllTypes every kind
    // the driver lists (views, system tables). S_OK, or E_FAIL with the thread's error records.
    static HRESULT GetTables(const CSession& session, BOOL bAllTypes, CStringArray& names);
    static HRESULT GetProcedures(const CSession& session, CStringArray& names);
    // Appends a new CColumnsInfo per column of the table named exactly (no pattern matching, case
    // kept); the caller owns and deletes them.
    static HRESULT GetColumns(const CSession& session, LPCSTR pszTable, CPtrList& columns);

    // The engine's own name ("SQLite", "PostgreSQL", "Microsoft SQL Server"); empty when closed.
    static CString GetDbmsName(const CSession& session);
    // The database the session works in (for a file database, what the driver calls it).
    static CString GetCatalogName(const CSession& session);
};
