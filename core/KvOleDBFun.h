// Static helpers over a database session: connecting to SQL Server, running statements with a
// report of failures, and altering tables with names and values checked and quoted for the engine.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CDataSource;
class CSession;

class VORNCARD_API CKvOleDBFun
{
public:
    CKvOleDBFun() {}
    CKvOleDBFun(const CKvOleDBFun&) {}
    CKvOleDBFun& operator=(const CKvOleDBFun&) { return *this; }
    virtual ~CKvOleDBFun() {}

    // SQL Server through its provider, by user name and password or with integrated security.
    static BOOL ConnectWithDataBase(CSession& session, CString strUserID, CString strPassword, CString strServer,
                                    CString strDatabase, CDataSource& source, CString& strName);
    static BOOL ConnectWithDataBase(CSession& session, CString strServer, CString strDatabase, CDataSource& source,
                                    CString& strName);
    // The provider string both forms connect with; an empty user asks for integrated security.
    static CString MakeSqlServerInit(LPCSTR pszServer, LPCSTR pszDatabase, LPCSTR pszUserID, LPCSTR pszPassword);

    // Runs the statement; a failure is reported (ReportFailure) and gives FALSE.
    static BOOL RunSQL(CSession& session, CString strSQL, CString strSource, int nLine);
    static void RunSQL_NoCheck(CSession& session, CString strSQL);
    // TRUE when the query returns a row.
    static BOOL ExistRecord(CSession& session, CString strQuery);

    static BOOL DropTable(CSession& session, CString strTable);
    static BOOL TruncateTable(CSession& session, CString strTable);
    // strDefault is SQL text: a number, a '...' literal, NULL or a call such as getdate().
    static BOOL AlterTable_AddColumn(CSession& session, CString strTable, CString strColumn, CString strType,
                                     CString strDefault);
    static BOOL AlterTable_DelColumn(CSession& session, CString strTable, CString strColumn);
    static BOOL AlterTable_AlterColumn(CSession& session, CString strTable, CString strColumn, CString strType,
                                       CString strDefault);
    static BOOL AlterTable_AddDefault(CSession& session, CString strTable, CString strConstraint, CString strDefault,
                                      CString strColumn);
    static BOOL AlterTable_RenColumn(CSession& session, CString strTable, CString strColumn, CString strNewName);
    // Drops the column's default (stored procedure kvp_DelColDF where the engine has procedures).
    static BOOL AltrTable_DelDef(CSession& session, CString strTable, CString strColumn);
    static BOOL IDInsert(CSession& session, CString strTable, CString strSecond);

    // Shows the report of the statement that just failed: in a message box, and on the main
    // window's output bar (message 0x442) when there is a main window.
    static void ReportFailure(LPCSTR pszSource, int nLine, LPCSTR pszSQL);
};
