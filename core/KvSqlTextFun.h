// Builds SQL text safely for the engine a session reaches: checked, quoted names and literals.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CSession;

class VORNCARD_API CKvSqlTextFun
{
public:
    enum Engine { engineOther, engineSqlServer, engineSQLite, enginePostgreSQL };

    CKvSqlTextFun() = delete;

    static Engine GetEngine(const CSession& session);

    // A name of letters (GBK characters count), digits and "_", not starting with a digit; with
    // bDotted also "schema.name" of such parts.
    static BOOL IsValidName(LPCSTR pszName, BOOL bDotted = FALSE);
    // A column type: a name, optionally with "(n)" or "(n,m)" or "(max)", and more words
    // ("double precision").
    static BOOL IsValidType(LPCSTR pszType);
    // A default value: a number, a '...' literal (quotes doubled inside), NULL, or a call without
    // arguments such as getdate().
    static BOOL IsValidDefault(LPCSTR pszDefault);

    // The name quoted for the engine ([name] on SQL Server, "name" elsewhere), part by part.
    static CString QuoteName(Engine engine, LPCSTR pszName);
    // A '...' literal with its quotes doubled.
    static CString QuoteLiteral(LPCSTR pszText);
};
