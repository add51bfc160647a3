#include "platform/db/FxDbCatalog.h"

#include <cstdlib>

#include <sqlext.h>

#include "platform/base/PtrList.h"
#include "platform/base/StringArray.h"
#include "platform/db/ColumnsInfo.h"
#include "platform/db/Command.h"
#include "platform/db/FxDbConnection.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/FxOdbcHandle.h"
#include "platform/db/Session.h"

namespace
{
// Catalog values are names, type names and defaults: a longer value is cut here.
const SQLLEN cbCatalogValue = 1024;

// One catalog result set, read column by column as text.
class CatalogRows
{
public:
    HRESULT Alloc(const CSession& session)
    {
        CFxDbConnection* pConn = session.GetConnection();
        if (pConn == nullptr) {
            CFxDbErrorRecords::SetOwn("08003", "The session is not open");
            return E_FAIL;
        }
        if (!SQL_SUCCEEDED(m_hStmt.Alloc(SQL_HANDLE_STMT, pConn->GetHandle()))) {
            CFxDbErrorRecords::Capture(SQL_HANDLE_DBC, pConn->GetHandle());
            return E_FAIL;
        }
        return S_OK;
    }

    SQLHANDLE Handle() const { return m_hStmt; }

    HRESULT Check(SQLRETURN nRet)
    {
        if (SQL_SUCCEEDED(nRet))
            return S_OK;
        CFxDbErrorRecords::Capture(SQL_HANDLE_STMT, m_hStmt);
        return E_FAIL;
    }

    // S_OK on a row, S_FALSE past the last.
    HRESULT Next()
    {
        SQLRETURN nRet = SQLFetch(m_hStmt);
        if (nRet == SQL_NO_DATA)
            return S_FALSE;
        return Check(nRet);
    }

    // Empty, and bNull set, for NULL.
    CString Text(SQLUSMALLINT nColumn, BOOL* pbNull = nullptr)
    {
        char buffer[cbCatalogValue] = {};
        SQLLEN nIndicator = 0;
        SQLRETURN nRet = SQLGetData(m_hStmt, nColumn, SQL_C_CHAR, buffer, cbCatalogValue, &nIndicator);
        BOOL bNull = !SQL_SUCCEEDED(nRet) || nIndicator == SQL_NULL_DATA;
        if (pbNull != nullptr)
            *pbNull = bNull;
        return bNull ? CString() : CString(buffer);
    }

    long Number(SQLUSMALLINT nColumn) { return std::strtol(Text(nColumn), nullptr, 10); }

private:
    CFxOdbcHandle m_hStmt;
};

// Catalog arguments are patterns: "_" and "%" in a real name must match only themselves.
CString EscapePattern(SQLHANDLE hDbc, LPCSTR pszName)
{
    char szEscape[8] = {};
    SQLSMALLINT cb = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(hDbc, SQL_SEARCH_PATTERN_ESCAPE, szEscape, sizeof(szEscape), &cb)) ||
        szEscape[0] == '\0')
        return CString(pszName);
    CString strOut;
    for (LPCSTR p = pszName; *p != '\0';) {
        int n = CString::CharLength(p);
        if (n == 1 && (*p == '_' || *p == '%' || *p == szEscape[0]))
            strOut += szEscape;
        strOut += CString(p, n);
        p += n;
    }
    return strOut;
}

HRESULT AppendNames(CatalogRows& rows, SQLUSMALLINT nColumn, CStringArray& names)
{
    HRESULT hr = S_OK;
    while ((hr = rows.Next()) == S_OK)
        names.Add(rows.Text(nColumn));
    return FAILED(hr) ? hr : S_OK;
}

CString ConnectionInfo(const CSession& session, SQLUSMALLINT nInfo)
{
    CFxDbConnection* pConn = session.GetConnection();
    if (pConn == nullptr)
        return CString();
    char szValue[512] = {};
    SQLSMALLINT cb = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(pConn->GetHandle(), nInfo, szValue, sizeof(szValue), &cb)))
        return CString();
    return CString(szValue);
}
} // namespace

HRESULT CFxDbCatalog::GetTables(const CSession& session, BOOL bAllTypes, CStringArray& names)
{
    CatalogRows rows;
    HRESULT hr = rows.Alloc(session);
    if (FAILED(hr))
        return hr;
    SQLCHAR szTable[] = "TABLE";
    hr = rows.Check(SQLTables(rows.Handle(), nullptr, 0, nullptr, 0, nullptr, 0, bAllTypes ? nullptr : szTable,
                              bAllTypes ? 0 : SQL_NTS));
    if (FAILED(hr))
        return hr;
    return AppendNames(rows, 3, names);
}

HRESULT CFxDbCatalog::GetProcedures(const CSession& session, CStringArray& names)
{
    CatalogRows rows;
    HRESULT hr = rows.Alloc(session);
    if (FAILED(hr))
        return hr;
    hr = rows.Check(SQLProcedures(rows.Handle(), nullptr, 0, nullptr, 0, nullptr, 0));
    if (FAILED(hr))
        return hr;
    return AppendNames(rows, 3, names);
}

HRESULT CFxDbCatalog::GetColumns(const CSession& session, LPCSTR pszTable, CPtrList& columns)
{
    CatalogRows rows;
    HRESULT hr = rows.Alloc(session);
    if (FAILED(hr))
        return hr;
    CString strPattern = EscapePattern(session.GetConnection()->GetHandle(), pszTable);
    hr = rows.Check(SQLColumns(rows.Handle(), nullptr, 0, nullptr, 0,
                               reinterpret_cast<SQLCHAR*>(strPattern.GetBuffer()), SQL_NTS, nullptr, 0));
    if (FAILED(hr))
        return hr;
    // The result set's columns, read in order as drivers require.
    while ((hr = rows.Next()) == S_OK) {
        CColumnsInfo info;
        info.m_strTableCatalog = rows.Text(1);
        info.m_strTableSchema = rows.Text(2);
        info.m_strTableName = rows.Text(3);
        info.m_strColumnName = rows.Text(4);
        info.m_nDataType = CCommand::TypeFromSql(static_cast<short>(rows.Number(5)));
        info.m_strTypeName = rows.Text(6);
        info.m_nColumnSize = rows.Number(7);
        info.m_nNumericScale = rows.Number(9);
        info.m_bIsNullable = rows.Number(11) != SQL_NO_NULLS;
        BOOL bNoDefault = TRUE;
        info.m_strColumnDefault = rows.Text(13, &bNoDefault);
        // The SQLite driver gives the text "NULL" for a column without a default, which means
        // the same as having none.
        if (info.m_strColumnDefault.CompareNoCase("NULL") == 0)
            info.m_strColumnDefault.Empty();
        info.m_bColumnHasDefault = !bNoDefault && !info.m_strColumnDefault.IsEmpty();
        info.m_nOrdinalPosition = rows.Number(17);
        // A driver without an escape character matched a pattern.
        if (info.m_strTableName.Compare(pszTable) == 0)
            columns.AddTail(new CColumnsInfo(info));
    }
    return FAILED(hr) ? hr : S_OK;
}

CString CFxDbCatalog::GetDbmsName(const CSession& session)
{
    return ConnectionInfo(session, SQL_DBMS_NAME);
}

CString CFxDbCatalog::GetCatalogName(const CSession& session)
{
    return ConnectionInfo(session, SQL_DATABASE_NAME);
}
