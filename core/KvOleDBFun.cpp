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

// One token of SQLite's CREATE TABLE text: a word (name, keyword or number), a quoted
// name, a string literal or one punctuation character. Blanks and comments lie between tokens.
struct SqlToken
{
    int nStart;
    int nEnd;
    char chKind; // 'w' word, 'q' quoted name, 's' string, 'p' punctuation
};

BOOL IsWordByte(unsigned char ch)
{
    // Bytes from 0x80 up belong to GBK or UTF-8 characters, which SQLite takes in bare names.
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '$' ||
           ch >= 0x80;
}

// The tokens of strText in order; FALSE when a quote is never closed.
BOOL TokenizeSql(const CString& strText, std::vector<SqlToken>& tokens)
{
    const int nLen = strText.GetLength();
    int i = 0;
    while (i < nLen) {
        const unsigned char ch = static_cast<unsigned char>(strText[i]);
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f' || ch == '\v') {
            ++i;
        } else if (ch == '-' && i + 1 < nLen && strText[i + 1] == '-') {
            while (i < nLen && strText[i] != '\n')
                ++i;
        } else if (ch == '/' && i + 1 < nLen && strText[i + 1] == '*') {
            const int nClose = strText.Find("*/", i + 2);
            i = nClose < 0 ? nLen : nClose + 2;
        } else if (ch == '\'' || ch == '"' || ch == '`' || ch == '[') {
            const char chClose = ch == '[' ? ']' : static_cast<char>(ch);
            int j = i + 1;
            for (;;) {
                if (j >= nLen)
                    return FALSE;
                if (strText[j] == chClose) {
                    // A doubled quote stays inside; brackets have no escape.
                    if (ch != '[' && j + 1 < nLen && strText[j + 1] == chClose) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            tokens.push_back({i, j + 1, ch == '\'' ? 's' : 'q'});
            i = j + 1;
        } else if (IsWordByte(ch) || (ch == '.' && i + 1 < nLen && strText[i + 1] >= '0' && strText[i + 1] <= '9')) {
            const BOOL bNumber = (ch >= '0' && ch <= '9') || ch == '.';
            int j = i + 1;
            while (j < nLen) {
                const unsigned char c = static_cast<unsigned char>(strText[j]);
                const unsigned char cPrev = static_cast<unsigned char>(strText[j - 1]);
                if (IsWordByte(c) || (bNumber && c == '.') ||
                    (bNumber && (c == '+' || c == '-') && (cPrev == 'e' || cPrev == 'E'))) {
                    ++j;
                } else {
                    break;
                }
            }
            tokens.push_back({i, j, 'w'});
            i = j;
        } else {
            tokens.push_back({i, i + 1, 'p'});
            ++i;
        }
    }
    return TRUE;
}

CString TokenText(const CString& strText, const SqlToken& tok)
{
    return strText.Mid(tok.nStart, tok.nEnd - tok.nStart);
}

BOOL IsKeyword(const CString& strText, const SqlToken& tok, std::initializer_list<LPCSTR> words)
{
    if (tok.chKind != 'w')
        return FALSE;
    const CString strWord = TokenText(strText, tok);
    for (LPCSTR pszWord : words) {
        if (strWord.CompareNoCase(pszWord) == 0)
            return TRUE;
    }
    return FALSE;
}

BOOL IsPunct(const CString& strText, const SqlToken& tok, char ch)
{
    return tok.chKind == 'p' && strText[tok.nStart] == ch;
}

// The name a word or quoted-name token stands for.
CString UnquotedName(const CString& strText, const SqlToken& tok)
{
    CString strName = TokenText(strText, tok);
    if (tok.chKind != 'q')
        return strName;
    const char chOpen = strName[0];
    strName = strName.Mid(1, strName.GetLength() - 2);
    if (chOpen != '[') {
        const char szDouble[3] = {chOpen, chOpen, '\0'};
        const char szSingle[2] = {chOpen, '\0'};
        strName.Replace(szDouble, szSingle);
    }
    return strName;
}

// The index of the token closing the parenthesis opened at tokens[nOpen]; -1 when none does.
int MatchingParen(const CString& strText, const std::vector<SqlToken>& tokens, int nOpen)
{
    int nDepth = 0;
    for (int i = nOpen; i < static_cast<int>(tokens.size()); ++i) {
        if (IsPunct(strText, tokens[i], '('))
            ++nDepth;
        else if (IsPunct(strText, tokens[i], ')') && --nDepth == 0)
            return i;
    }
    return -1;
}

// The table's CREATE TABLE text with one column's type and default changed, every other part of
// the definition (constraints of the column and of the table, options after the list) as it
// stands. pszType null keeps the type; pszDefault null keeps the default, empty drops it. FALSE
// when the text can't be read or names no such column (strError says which).
BOOL RewriteColumnDefinition(const CString& strCreate, const CString& strNewTable, const CString& strColumn,
                             LPCSTR pszType, LPCSTR pszDefault, CString& strResult, CString& strError)
{
    std::vector<SqlToken> tokens;
    if (!TokenizeSql(strCreate, tokens)) {
        strError = "表定义中的引号不完整";
        return FALSE;
    }
    int nOpen = -1;
    for (int i = 0; i < static_cast<int>(tokens.size()) && nOpen < 0; ++i) {
        if (IsPunct(strCreate, tokens[i], '('))
            nOpen = i;
    }
    const int nClose = nOpen < 0 ? -1 : MatchingParen(strCreate, tokens, nOpen);
    if (nClose < 0) {
        strError = "表定义中没有完整的列表";
        return FALSE;
    }
    // The column list, element by element: commas outside parentheses part them.
    int nFirst = nOpen + 1;
    int nDepth = 0;
    for (int i = nOpen + 1; i <= nClose; ++i) {
        const SqlToken& tok = tokens[i];
        if (IsPunct(strCreate, tok, '(')) {
            ++nDepth;
            continue;
        }
        if (IsPunct(strCreate, tok, ')') && i != nClose) {
            --nDepth;
            continue;
        }
        if (i != nClose && !(nDepth == 0 && IsPunct(strCreate, tok, ',')))
            continue;
        const int nLast = i - 1;
        const BOOL bElement = nFirst <= nLast;
        const BOOL bConstraint =
            bElement && IsKeyword(strCreate, tokens[nFirst], {"CONSTRAINT", "PRIMARY", "UNIQUE", "CHECK", "FOREIGN"});
        if (bElement && !bConstraint && (tokens[nFirst].chKind == 'w' || tokens[nFirst].chKind == 'q') &&
            UnquotedName(strCreate, tokens[nFirst]).Compare(strColumn) == 0) {
            // The type: the words after the name up to the first constraint, with its "(n[,m])".
            int nTypeEnd = nFirst;
            int k = nFirst + 1;
            while (k <= nLast && tokens[k].chKind == 'w' &&
                   !IsKeyword(strCreate, tokens[k],
                              {"CONSTRAINT", "PRIMARY", "NOT", "NULL", "UNIQUE", "CHECK", "DEFAULT", "COLLATE",
                               "REFERENCES", "GENERATED", "AS"})) {
                nTypeEnd = k++;
            }
            if (nTypeEnd > nFirst && k <= nLast && IsPunct(strCreate, tokens[k], '(')) {
                const int nTypeClose = MatchingParen(strCreate, tokens, k);
                if (nTypeClose < 0 || nTypeClose > nLast) {
                    strError = "列类型不完整";
                    return FALSE;
                }
                nTypeEnd = nTypeClose;
                k = nTypeClose + 1;
            }
            // The default clause, with the constraint name in front of it when it has one.
            int nDefFirst = -1;
            int nDefLast = -1;
            if (pszDefault != nullptr) {
                int nLevel = 0;
                for (int d = k; d <= nLast && nDefFirst < 0; ++d) {
                    if (IsPunct(strCreate, tokens[d], '('))
                        ++nLevel;
                    else if (IsPunct(strCreate, tokens[d], ')'))
                        --nLevel;
                    else if (nLevel == 0 && IsKeyword(strCreate, tokens[d], {"DEFAULT"}))
                        nDefFirst = d;
                }
                if (nDefFirst >= 0) {
                    int v = nDefFirst + 1;
                    if (v <= nLast && IsPunct(strCreate, tokens[v], '(')) {
                        v = MatchingParen(strCreate, tokens, v);
                    } else if (v <= nLast &&
                               (IsPunct(strCreate, tokens[v], '+') || IsPunct(strCreate, tokens[v], '-'))) {
                        ++v;
                    } else if (v < nLast && tokens[v].chKind == 'w' && tokens[v + 1].chKind == 's' &&
                               tokens[v].nEnd == tokens[v + 1].nStart) {
                        ++v; // a blob literal X'..'
                    }
                    if (v < 0 || v > nLast) {
                        strError = "列的缺省值不完整";
                        return FALSE;
                    }
                    nDefLast = v;
                    if (nDefFirst - 2 >= k && IsKeyword(strCreate, tokens[nDefFirst - 2], {"CONSTRAINT"}))
                        nDefFirst -= 2;
                }
            }
            CString strNew = TokenText(strCreate, tokens[nFirst]);
            const CString strType =
                pszType != nullptr
                    ? CString(pszType)
                    : (nTypeEnd > nFirst
                           ? strCreate.Mid(tokens[nFirst + 1].nStart, tokens[nTypeEnd].nEnd - tokens[nFirst + 1].nStart)
                           : CString());
            if (!strType.IsEmpty())
                strNew += " " + strType;
            if (pszDefault != nullptr && *pszDefault != '\0')
                strNew += CString(" DEFAULT ") + pszDefault;
            // The rest keeps its own text, comments included, less the old default clause.
            const int nRestStart = tokens[nTypeEnd].nEnd;
            const int nRestEnd = tokens[i].nStart;
            CString strRest;
            if (nDefFirst >= 0) {
                strRest = strCreate.Mid(nRestStart, tokens[nDefFirst].nStart - nRestStart) +
                          strCreate.Mid(tokens[nDefLast].nEnd, nRestEnd - tokens[nDefLast].nEnd);
            } else {
                strRest = strCreate.Mid(nRestStart, nRestEnd - nRestStart);
            }
            if (!strRest.IsEmpty() && strRest[0] != ' ' && strRest[0] != '\t' && strRest[0] != '\n' &&
                strRest[0] != '\r')
                strNew += " ";
            strNew += strRest;
            const int nElemStart = tokens[nFirst].nStart;
            strResult = "CREATE TABLE " + strNewTable + " " +
                        strCreate.Mid(tokens[nOpen].nStart, nElemStart - tokens[nOpen].nStart) + strNew +
                        strCreate.Mid(nRestEnd);
            return TRUE;
        }
        nFirst = i + 1;
    }
    strError.Format("表中没有列%s", strColumn.GetString());
    return FALSE;
}

// Reports a refused rebuild the way failed statements are reported.
BOOL RefuseRebuild(int nLine, const CString& strTable, const CString& strColumn, const CString& strWhy)
{
    CString strMessage;
    strMessage.Format("无法修改表%s的列%s: %s。表未作任何改动。", strTable.GetString(), strColumn.GetString(),
                      strWhy.GetString());
    CFxDbErrorRecords::SetOwn("42000", strMessage);
    CKvOleDBFun::ReportFailure(szSource, nLine, "");
    return FALSE;
}

// A column name as the database keeps it, whatever it holds (quotes doubled, dots kept).
CString QuoteStoredName(const CString& strName)
{
    CString strQuoted = strName;
    strQuoted.Replace("\"", "\"\"");
    return "\"" + strQuoted + "\"";
}

// The first value of a one-value query as text; empty when there is none.
CString QueryText(CSession& session, LPCSTR pszSQL, const CString* pParam = nullptr)
{
    CCommand cmd;
    if (pParam != nullptr)
        cmd.AddParam(*pParam);
    if (FAILED(cmd.Open(session, pszSQL)) || cmd.MoveNext() != S_OK || cmd.GetStatus(1) != DBSTATUS_S_OK)
        return CString();
    return cmd.GetValueText(1);
}

// SQLite cannot change a column's type or default in place: the table is made anew from its own
// definition with only that column changed (its UNIQUE, CHECK and foreign-key constraints kept),
// its rows copied, and its indexes and triggers made again, all in one transaction. Foreign keys
// are off meanwhile, so dropping the old table deletes no rows that refer to it; they are checked
// before the change is kept. pszType null keeps the type; pszDefault null keeps the default,
// empty drops it. Any failure leaves the table as it was.
BOOL RebuildSQLiteColumn(CSession& session, const CString& strTable, const CString& strColumn, LPCSTR pszType,
                         LPCSTR pszDefault, int nLine)
{
    const CString strCreate =
        QueryText(session, "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?", &strTable);
    if (strCreate.IsEmpty()) {
        CString strMessage;
        strMessage.Format("no such table: %s", strTable.GetString());
        CFxDbErrorRecords::SetOwn("42S02", strMessage);
        CKvOleDBFun::ReportFailure(szSource, nLine, "");
        return FALSE;
    }
    const CString strTemp = Sql::QuoteName(Sql::engineSQLite, strTable + "_kvrebuild");
    const CString strQuoted = Sql::QuoteName(Sql::engineSQLite, strTable);
    CString strNewCreate;
    CString strError;
    if (!RewriteColumnDefinition(strCreate, strTemp, strColumn, pszType, pszDefault, strNewCreate, strError))
        return RefuseRebuild(nLine, strTable, strColumn, strError);

    // The stored columns (generated ones are left to the new definition).
    CString strNames;
    {
        CCommand info;
        info.AddParam(strTable);
        if (FAILED(info.Open(session, "SELECT name FROM pragma_table_info(?)"))) {
            CKvOleDBFun::ReportFailure(szSource, nLine, "pragma_table_info");
            return FALSE;
        }
        while (info.MoveNext() == S_OK) {
            strNames += strNames.IsEmpty() ? "" : ", ";
            strNames += QuoteStoredName(info.GetValueText(1));
        }
    }
    CStringArray objects;
    {
        CCommand objs;
        objs.AddParam(strTable);
        if (SUCCEEDED(objs.Open(session, "SELECT sql FROM sqlite_master WHERE type IN ('index', 'trigger') AND "
                                         "tbl_name = ? AND sql IS NOT NULL ORDER BY type"))) {
            while (objs.MoveNext() == S_OK)
                objects.Add(objs.GetValueText(1));
        }
    }

    const BOOL bForeignKeys = QueryText(session, "PRAGMA foreign_keys") == "1";
    if (bForeignKeys)
        CKvOleDBFun::RunSQL_NoCheck(session, "PRAGMA foreign_keys = OFF");
    CString strSQL;
    BOOL bOk = CKvOleDBFun::RunSQL(session, "BEGIN", szSource, nLine);
    if (bOk) {
        // The old rename leaves views and triggers of other tables alone: the table they name
        // is gone only until the new one takes its name.
        CKvOleDBFun::RunSQL_NoCheck(session, "PRAGMA legacy_alter_table = ON");
        bOk = CKvOleDBFun::RunSQL(session, strNewCreate, szSource, nLine);
        if (bOk) {
            strSQL.Format("INSERT INTO %s (%s) SELECT %s FROM %s", strTemp.GetString(), strNames.GetString(),
                          strNames.GetString(), strQuoted.GetString());
            bOk = CKvOleDBFun::RunSQL(session, strSQL, szSource, nLine);
        }
        if (bOk) {
            strSQL.Format("DROP TABLE %s", strQuoted.GetString());
            bOk = CKvOleDBFun::RunSQL(session, strSQL, szSource, nLine);
        }
        if (bOk) {
            strSQL.Format("ALTER TABLE %s RENAME TO %s", strTemp.GetString(), strQuoted.GetString());
            bOk = CKvOleDBFun::RunSQL(session, strSQL, szSource, nLine);
        }
        for (int i = 0; bOk && i < objects.GetSize(); ++i)
            bOk = CKvOleDBFun::RunSQL(session, objects[i], szSource, nLine);
        CKvOleDBFun::RunSQL_NoCheck(session, "PRAGMA legacy_alter_table = OFF");
        BOOL bBroken = FALSE;
        if (bOk && bForeignKeys) {
            CCommand check;
            bBroken = SUCCEEDED(check.Open(session, "PRAGMA foreign_key_check")) && check.MoveNext() == S_OK;
        }
        if (bOk && !bBroken)
            bOk = CKvOleDBFun::RunSQL(session, "COMMIT", szSource, nLine);
        if (!bOk || bBroken)
            CKvOleDBFun::RunSQL_NoCheck(session, "ROLLBACK");
        if (bBroken) {
            bOk = FALSE;
            RefuseRebuild(nLine, strTable, strColumn, "修改后的数据违反外键约束");
        }
    }
    if (bForeignKeys)
        CKvOleDBFun::RunSQL_NoCheck(session, "PRAGMA foreign_keys = ON");
    return bOk;
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
