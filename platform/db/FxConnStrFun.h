// The one place where initialisation strings become ODBC connection strings.
#pragma once

#include "platform/base/String.h"

class FX_API CFxConnStrFun
{
public:
    // A provider-style string ("Provider=SQLOLEDB.1;Data Source=srv;Initial Catalog=db;...") becomes
    // the matching ODBC connection string; a string without a provider is taken as an ODBC
    // connection string already. A SQLite database path is given to the driver as it must see it
    // (a Unix path under Wine). Empty when the provider has no ODBC counterpart here.
    static CString ToOdbc(LPCSTR pszInit);
    // The string without its password pairs ("Password", "PWD"); the other pairs as written.
    static CString WithoutPassword(LPCSTR pszInit);
    // The path a driver running on the host needs for a Windows path: under Wine the Unix path
    // (UTF-8), on Windows the path unchanged.
    static CString ToDriverPath(LPCSTR pszPath);
};
