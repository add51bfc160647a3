#include "core/KvOleDBFun.h"

#include <vector>

#include "core/CappMsgFun.h"
#include "core/KvOleDBCommFun.h"
#include "core/KvOleHelper.h"
#include "core/KvSqlTextFun.h"
#include "platform/base/StringArray.h"
#include "platform/db/Command.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"
#include "platform/win/MsgBox.h"

namespace
{
const char szSource[] = "KvOleDBFun.cpp";

typedef CKvSqlTextFun Sql;

// A name or value that would change the statement is refused before any SQL is built.
BOOL Refuse(int nLine, LPCSTR pszWhat, LPCSTR pszValue)
{
    CString strMessage;
    strMessage.Format("%s不合法: %s", pszWhat, pszValue);
    CFxDbErrorRecords::SetOwn("42000", strMessage);
    CKvOleDBFun::ReportFailure(szSource, nLine, "");
    return FALSE;
}

// Checks a statement's parts before any SQL is built: the table (schema-qualified allowed), the
// other names and, when given, a type and a default (an empty default is none).
BOOL CheckParts(int nLine, const CString& strTable, std::initializer_list<const CString*> names,
                const CString* pType = nullptr, const CString* pDefault = nullptr)
{
    if (!Sql::IsValidName(strTable, TRUE))
        return Refuse(nLine, "表名", strTable);
    for (const CString* pName : names) {
        if (!Sql::IsValidName(*pName))
            return Refuse(nLine, "名称", *pName);
    }
    if (pType != nullptr && !Sql::IsValidType(*pType))
        return Refuse(nLine, "类型", *pType);
    if (pDefault != nullptr && !pDefault->IsEmpty() && !Sql::IsValidDefault(*pDefault))
        return Refuse(nLine, "缺省值", *pDefault);
    return TRUE;
}

// A provider-style value, quoted when it would otherwise end early or lose its blanks.
void AppendInit(CString& strInit, LPCSTR pszKey, LPCSTR pszValue)
{
    CString strValue(pszValue);
    int nLen = strValue.GetLength();
    strInit.AppendFormat(";%s=", pszKey);
    if (strValue.FindOneOf(";\"'") < 0 && (nLen == 0 || (strValue[0] != ' ' && strValue[nLen - 1] != ' '))) {
        strInit += strValue;
        return;
    }
    strValue.Replace("\"", "\"\"");
    strInit += '"';
    strInit += strValue;
    strInit += '"';
}

// PostgreSQL has procedures: the two the helpers call are created when missing. It drops a
// column's default with the column and takes explicit values in serial columns without a
// switch, so the identity procedure only checks that the table exists.
struct PgProcedure
{
    const char* szName;
    const char* szCreate;
};
const PgProcedure pgProcedures[] = {
    {"kvp_DelColDF", "CREATE OR REPLACE PROCEDURE \"kvp_DelColDF\"(tab text, col text) LANGUAGE plpgsql AS $$ "
                     "BEGIN EXECUTE format('ALTER TABLE %I ALTER COLUMN %I DROP DEFAULT', tab, col); END $$"},
    {"kvp_IDInsert", "CREATE OR REPLACE PROCEDURE \"kvp_IDInsert\"(tab text, arg text) LANGUAGE plpgsql AS $$ "
                     "BEGIN PERFORM format('%I', tab)::regclass; END $$"},
};

BOOL EnsurePgProcedure(CSession& session, LPCSTR pszName)
{
    for (const PgProcedure& proc : pgProcedures) {
        if (lstrcmpA(proc.szName, pszName) != 0)
            continue;
        CCommand cmd;
        cmd.AddParam(pszName);
        if (SUCCEEDED(cmd.Open(session, "SELECT 1 FROM pg_proc WHERE proname = ?")) && cmd.MoveFirst() == S_OK)
            return TRUE;
        return CKvOleDBFun::RunSQL(session, proc.szCreate, szSource, __LINE__);
    }
    return FALSE;
}

// Calls one of the system's procedures with two text arguments, as the engine calls procedures.
BOOL CallProcedure(CSession& session, LPCSTR pszName, const CString& strFirst, const CString& strSecond, int nLine)
{
    CString strSQL;
    if (Sql::GetEngine(session) == Sql::enginePostgreSQL) {
        if (!EnsurePgProcedure(session, pszName))
            return FALSE;
        strSQL.Format("CALL \"%s\"(%s,%s)", pszName, Sql::QuoteLiteral(strFirst).GetString(),
                      Sql::QuoteLiteral(strSecond).GetString());
    } else
        strSQL.Format("%s %s,%s", pszName, Sql::QuoteLiteral(strFirst).GetString(),
                      Sql::QuoteLiteral(strSecond).GetString());
    return CKvOleDBFun::RunSQL(session, strSQL, szSource, nLine);
}

struct SQLiteColumn
{
    CString strName;
    CString strType;
    BOOL bNotNull;
    BOOL bHasDefault;
    CString strDefault;
    long nKey;
};

// SQLite cannot change a column's type or default in place: the table is built anew with the
// change, its rows copied, and its indexes made again. Other table constraints (UNIQUE, CHECK,
// foreign keys) are not carried over. pszType null keeps the type; pszDefault null keeps the
// default, empty drops it.
BOOL RebuildSQLiteColumn(CSession& session, const CString& strTable, const CString& strColumn, LPCSTR pszType,
                         LPCSTR pszDefault, int nLine)
{
    std::vector<SQLiteColumn> columns;
    LPCSTR pszInfo = "SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(?)";
    CCommand info;
    info.AddParam(strTable);
    if (FAILED(info.Open(session, pszInfo))) {
        CKvOleDBFun::ReportFailure(szSource, nLine, pszInfo);
        return FALSE;
    }
    BOOL bFound = FALSE;
    while (info.MoveNext() == S_OK) {
        SQLiteColumn col{info.GetValueText(1),      info.GetValueText(2),
                         info.GetValueLong(3) != 0, info.GetStatus(4) == DBSTATUS_S_OK,
                         info.GetValueText(4),      info.GetValueLong(5)};
        if (col.strName.Compare(strColumn) == 0) {
            bFound = TRUE;
            if (pszType != nullptr)
                col.strType = pszType;
            if (pszDefault != nullptr) {
                col.bHasDefault = *pszDefault != '\0';
                col.strDefault = pszDefault;
            }
        }
        columns.push_back(col);
    }
    info.Close();
    if (!bFound) {
        CString strMessage;
        strMessage.Format("no such column: %s.%s", strTable.GetString(), strColumn.GetString());
        CFxDbErrorRecords::SetOwn("42S22", strMessage);
        CKvOleDBFun::ReportFailure(szSource, nLine, pszInfo);
        return FALSE;
    }

    CStringArray indexes;
    CCommand index;
    index.AddParam(strTable);
    if (SUCCEEDED(index.Open(session, "SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql "
                                      "IS NOT NULL"))) {
        while (index.MoveNext() == S_OK)
            indexes.Add(index.GetValueText(1));
    }
    index.Close();

    CString strTemp = Sql::QuoteName(Sql::engineSQLite, strTable + "_kvrebuild");
    CString strQuoted = Sql::QuoteName(Sql::engineSQLite, strTable);
    CString strDefs, strNames, strKeys;
    for (long nKey = 1;; ++nKey) {
        BOOL bMore = FALSE;
        for (const SQLiteColumn& col : columns) {
            if (col.nKey != nKey)
                continue;
            bMore = TRUE;
            strKeys += strKeys.IsEmpty() ? "" : ", ";
            strKeys += Sql::QuoteName(Sql::engineSQLite, col.strName);
        }
        if (!bMore)
            break;
    }
    for (const SQLiteColumn& col : columns) {
        CString strName = Sql::QuoteName(Sql::engineSQLite, col.strName);
        strNames += strNames.IsEmpty() ? "" : ", ";
        strNames += strName;
        strDefs += strDefs.IsEmpty() ? "" : ", ";
        strDefs += strName;
        if (!col.strType.IsEmpty())
            strDefs += " " + col.strType;
        if (col.bNotNull)
            strDefs += " NOT NULL";
        if (col.bHasDefault)
            strDefs += " DEFAULT " + col.strDefault;
    }
    if (!strKeys.IsEmpty())
        strDefs += ", PRIMARY KEY (" + strKeys + ")";

    CString strSQL;
    strSQL.Format("CREATE TABLE %s (%s)", strTemp.GetString(), strDefs.GetString());
    if (!CKvOleDBFun::RunSQL(session, strSQL, szSource, nLine))
        return FALSE;
    strSQL.Format("INSERT INTO %s (%s) SELECT %s FROM %s", strTemp.GetString(), strNames.GetString(),
                  strNames.GetString(), strQuoted.GetString());
    if (!CKvOleDBFun::RunSQL(session, strSQL, szSource, nLine)) {
        CKvOleDBFun::RunSQL_NoCheck(session, "DROP TABLE " + strTemp);
        return FALSE;
    }
    strSQL.Format("DROP TABLE %s", strQuoted.GetString());
    if (!CKvOleDBFun::RunSQL(session, strSQL, szSource, nLine))
        return FALSE;
    strSQL.Format("ALTER TABLE %s RENAME TO %s", strTemp.GetString(), strQuoted.GetString());
    if (!CKvOleDBFun::RunSQL(session, strSQL, szSource, nLine))
        return FALSE;
    for (int i = 0; i < indexes.GetSize(); ++i) {
        if (!CKvOleDBFun::RunSQL(session, indexes[i], szSource, nLine))
            return FALSE;
    }
    return TRUE;
}
} // namespace

CString CKvOleDBFun::MakeSqlServerInit(LPCSTR pszServer, LPCSTR pszDatabase, LPCSTR pszUserID, LPCSTR pszPassword)
{
    CString strInit = "Provider=SQLOLEDB.1;Persist Security Info=False";
    if (pszUserID == nullptr || *pszUserID == '\0')
        strInit += ";Integrated Security=SSPI";
    else {
        AppendInit(strInit, "User ID", pszUserID);
        AppendInit(strInit, "Password", pszPassword != nullptr ? pszPassword : "");
    }
    AppendInit(strInit, "Initial Catalog", pszDatabase);
    AppendInit(strInit, "Data Source", pszServer);
    return strInit;
}

namespace
{
BOOL ConnectSqlServer(CSession& session, const CString& strInit, CDataSource& source, CString& strName)
{
    if (CKvOleDBCommFun::ConnectWithDataBase(strInit, session, source, strName))
        return TRUE;
    // Only a session that would not open on an open data source is told.
    if (source.IsOpen())
        FxMessageBox(CCappMsgFun::FindMainWindow(nullptr), "Couldn't create session on data source", nullptr, MB_OK);
    return FALSE;
}
} // namespace

BOOL CKvOleDBFun::ConnectWithDataBase(CSession& session, CString strUserID, CString strPassword, CString strServer,
                                      CString strDatabase, CDataSource& source, CString& strName)
{
    return ConnectSqlServer(session, MakeSqlServerInit(strServer, strDatabase, strUserID, strPassword), source,
                            strName);
}

BOOL CKvOleDBFun::ConnectWithDataBase(CSession& session, CString strServer, CString strDatabase, CDataSource& source,
                                      CString& strName)
{
    return ConnectSqlServer(session, MakeSqlServerInit(strServer, strDatabase, "", ""), source, strName);
}

void CKvOleDBFun::ReportFailure(LPCSTR pszSource, int nLine, LPCSTR pszSQL)
{
    CString strReport = CKvOleHelper::GenerateErrorString(pszSource, nLine, pszSQL);
    CCappMsgFun::ShowText(nullptr, strReport);
    FxMessageBox(CCappMsgFun::FindMainWindow(nullptr), strReport, "系统提示", MB_OK | MB_ICONWARNING);
}

BOOL CKvOleDBFun::RunSQL(CSession& session, CString strSQL, CString strSource, int nLine)
{
    CCommand cmd;
    if (FAILED(cmd.Open(session, strSQL))) {
        ReportFailure(strSource, nLine, strSQL);
        return FALSE;
    }
    return TRUE;
}

void CKvOleDBFun::RunSQL_NoCheck(CSession& session, CString strSQL)
{
    CCommand cmd;
    cmd.Open(session, strSQL);
}

BOOL CKvOleDBFun::ExistRecord(CSession& session, CString strQuery)
{
    CString strSQL;
    strSQL.Format("SELECT NULL WHERE EXISTS ( %s )", strQuery.GetString());
    CCommand cmd;
    if (FAILED(cmd.Open(session, strSQL))) {
        ReportFailure(szSource, __LINE__, strSQL);
        return FALSE;
    }
    return cmd.MoveFirst() == S_OK;
}

BOOL CKvOleDBFun::DropTable(CSession& session, CString strTable)
{
    if (!CheckParts(__LINE__, strTable, {}))
        return FALSE;
    CString strSQL;
    strSQL.Format("DROP TABLE %s", Sql::QuoteName(Sql::GetEngine(session), strTable).GetString());
    return RunSQL(session, strSQL, szSource, __LINE__);
}

BOOL CKvOleDBFun::TruncateTable(CSession& session, CString strTable)
{
    if (!CheckParts(__LINE__, strTable, {}))
        return FALSE;
    Sql::Engine engine = Sql::GetEngine(session);
    // SQLite has no TRUNCATE; its unconditioned DELETE empties the table as fast.
    LPCSTR pszFormat = engine == Sql::engineSQLite ? "DELETE FROM %s" : "TRUNCATE TABLE %s ";
    CString strSQL;
    strSQL.Format(pszFormat, Sql::QuoteName(engine, strTable).GetString());
    return RunSQL(session, strSQL, szSource, __LINE__);
}

BOOL CKvOleDBFun::AlterTable_AddColumn(CSession& session, CString strTable, CString strColumn, CString strType,
                                       CString strDefault)
{
    if (!CheckParts(__LINE__, strTable, {&strColumn}, &strType, &strDefault))
        return FALSE;
    Sql::Engine engine = Sql::GetEngine(session);
    CString strQTable = Sql::QuoteName(engine, strTable);
    CString strQColumn = Sql::QuoteName(engine, strColumn);
    CString strClause = strDefault.IsEmpty() ? CString() : "DEFAULT " + strDefault;
    CString strSQL;
    strSQL.Format("ALTER TABLE %s ADD %s %s %s", strQTable.GetString(), strQColumn.GetString(), strType.GetString(),
                  strClause.GetString());
    if (!RunSQL(session, strSQL, szSource, __LINE__))
        return FALSE;
    if (strDefault.IsEmpty())
        return TRUE;
    strSQL.Format("UPDATE %s SET %s = %s ", strQTable.GetString(), strQColumn.GetString(), strDefault.GetString());
    return RunSQL(session, strSQL, szSource, __LINE__);
}

BOOL CKvOleDBFun::AlterTable_DelColumn(CSession& session, CString strTable, CString strColumn)
{
    if (!CheckParts(__LINE__, strTable, {&strColumn}))
        return FALSE;
    Sql::Engine engine = Sql::GetEngine(session);
    // SQLite drops a column with its default; elsewhere the default goes first.
    if (engine != Sql::engineSQLite)
        AltrTable_DelDef(session, strTable, strColumn);
    CString strSQL;
    strSQL.Format("ALTER TABLE %s DROP COLUMN %s ", Sql::QuoteName(engine, strTable).GetString(),
                  Sql::QuoteName(engine, strColumn).GetString());
    return RunSQL(session, strSQL, szSource, __LINE__);
}

BOOL CKvOleDBFun::AlterTable_AlterColumn(CSession& session, CString strTable, CString strColumn, CString strType,
                                         CString strDefault)
{
    if (!CheckParts(__LINE__, strTable, {&strColumn}, &strType, &strDefault))
        return FALSE;
    Sql::Engine engine = Sql::GetEngine(session);
    CString strQTable = Sql::QuoteName(engine, strTable);
    CString strQColumn = Sql::QuoteName(engine, strColumn);
    CString strSQL;
    if (engine == Sql::engineSQLite) {
        // One rebuild gives the new type and default together.
        if (!RebuildSQLiteColumn(session, strTable, strColumn, strType, strDefault, __LINE__))
            return FALSE;
    } else {
        AltrTable_DelDef(session, strTable, strColumn);
        LPCSTR pszFormat = engine == Sql::enginePostgreSQL ? "ALTER TABLE %s ALTER COLUMN %s TYPE %s "
                                                           : "ALTER TABLE %s ALTER COLUMN %s %s ";
        strSQL.Format(pszFormat, strQTable.GetString(), strQColumn.GetString(), strType.GetString());
        if (!RunSQL(session, strSQL, szSource, __LINE__))
            return FALSE;
        if (!strDefault.IsEmpty()) {
            CString strConstraint;
            strConstraint.Format("DF_%s_%s", strTable.GetString(), strColumn.GetString());
            strConstraint.Replace('.', '_');
            AlterTable_AddDefault(session, strTable, strConstraint, strDefault, strColumn);
        }
    }
    if (strDefault.IsEmpty())
        return TRUE;
    strSQL.Format("UPDATE %s SET %s = %s WHERE %s is null", strQTable.GetString(), strQColumn.GetString(),
                  strDefault.GetString(), strQColumn.GetString());
    return RunSQL(session, strSQL, szSource, __LINE__);
}

BOOL CKvOleDBFun::AlterTable_AddDefault(CSession& session, CString strTable, CString strConstraint, CString strDefault,
                                        CString strColumn)
{
    if (!CheckParts(__LINE__, strTable, {&strConstraint, &strColumn}, nullptr, &strDefault))
        return FALSE;
    if (strDefault.IsEmpty())
        return Refuse(__LINE__, "缺省值", strDefault);
    Sql::Engine engine = Sql::GetEngine(session);
    if (engine == Sql::engineSQLite)
        return RebuildSQLiteColumn(session, strTable, strColumn, nullptr, strDefault, __LINE__);
    CString strSQL;
    // PostgreSQL keeps a default on the column, not as a named constraint.
    if (engine == Sql::enginePostgreSQL)
        strSQL.Format("ALTER TABLE %s ALTER COLUMN %s SET DEFAULT %s", Sql::QuoteName(engine, strTable).GetString(),
                      Sql::QuoteName(engine, strColumn).GetString(), strDefault.GetString());
    else
        strSQL.Format("ALTER TABLE %s ADD CONSTRAINT %s DEFAULT %s FOR %s ",
                      Sql::QuoteName(engine, strTable).GetString(), Sql::QuoteName(engine, strConstraint).GetString(),
                      strDefault.GetString(), Sql::QuoteName(engine, strColumn).GetString());
    return RunSQL(session, strSQL, szSource, __LINE__);
}

BOOL CKvOleDBFun::AlterTable_RenColumn(CSession& session, CString strTable, CString strColumn, CString strNewName)
{
    if (!CheckParts(__LINE__, strTable, {&strColumn, &strNewName}))
        return FALSE;
    Sql::Engine engine = Sql::GetEngine(session);
    CString strSQL;
    if (engine == Sql::engineSqlServer || engine == Sql::engineOther)
        strSQL.Format("sp_rename %s,%s,'COLUMN'", Sql::QuoteLiteral(strTable + "." + strColumn).GetString(),
                      Sql::QuoteLiteral(strNewName).GetString());
    else
        strSQL.Format("ALTER TABLE %s RENAME COLUMN %s TO %s", Sql::QuoteName(engine, strTable).GetString(),
                      Sql::QuoteName(engine, strColumn).GetString(), Sql::QuoteName(engine, strNewName).GetString());
    return RunSQL(session, strSQL, szSource, __LINE__);
}

BOOL CKvOleDBFun::AltrTable_DelDef(CSession& session, CString strTable, CString strColumn)
{
    if (!CheckParts(__LINE__, strTable, {&strColumn}))
        return FALSE;
    if (Sql::GetEngine(session) == Sql::engineSQLite)
        return RebuildSQLiteColumn(session, strTable, strColumn, nullptr, "", __LINE__);
    return CallProcedure(session, "kvp_DelColDF", strTable, strColumn, __LINE__);
}

BOOL CKvOleDBFun::IDInsert(CSession& session, CString strTable, CString strSecond)
{
    if (!CheckParts(__LINE__, strTable, {}))
        return FALSE;
    // SQLite has no procedures, and takes explicit values in its row id columns anyway.
    if (Sql::GetEngine(session) == Sql::engineSQLite)
        return TRUE;
    return CallProcedure(session, "kvp_IDInsert", strTable, strSecond, __LINE__);
}
