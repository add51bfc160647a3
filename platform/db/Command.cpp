#include "platform/db/Command.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <sqlext.h>

#include "platform/db/FxDbConnection.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/FxOdbcHandle.h"
#include "platform/db/Session.h"

namespace
{
enum ParamKind { paramText, paramNull, paramLong, paramBytes };

struct Param
{
    ParamKind kind;
    std::string bytes;
    SQLINTEGER nValue;
    SQLLEN nIndicator;
};

struct Column
{
    CString strName;
    DBTYPE wType;
};

struct Cell
{
    DBSTATUS nStatus;
    CString strText;
};

struct TypeMap
{
    SQLSMALLINT nSqlType;
    DBTYPE wType;
};

// What an OLE DB provider reports for the SQL types drivers give.
const TypeMap typeMap[] = {
    {SQL_CHAR, DBTYPE_STR},
    {SQL_VARCHAR, DBTYPE_STR},
    {SQL_LONGVARCHAR, DBTYPE_STR},
    {SQL_WCHAR, DBTYPE_WSTR},
    {SQL_WVARCHAR, DBTYPE_WSTR},
    {SQL_WLONGVARCHAR, DBTYPE_WSTR},
    {SQL_BINARY, DBTYPE_BYTES},
    {SQL_VARBINARY, DBTYPE_BYTES},
    {SQL_LONGVARBINARY, DBTYPE_BYTES},
    {SQL_BIT, DBTYPE_BOOL},
    {SQL_TINYINT, DBTYPE_UI1},
    {SQL_SMALLINT, DBTYPE_I2},
    {SQL_INTEGER, DBTYPE_I4},
    {SQL_BIGINT, DBTYPE_I8},
    {SQL_REAL, DBTYPE_R4},
    {SQL_FLOAT, DBTYPE_R8},
    {SQL_DOUBLE, DBTYPE_R8},
    {SQL_DECIMAL, DBTYPE_NUMERIC},
    {SQL_NUMERIC, DBTYPE_NUMERIC},
    {SQL_TYPE_DATE, DBTYPE_DBDATE},
    {SQL_TYPE_TIME, DBTYPE_DBTIME},
    {SQL_TYPE_TIMESTAMP, DBTYPE_DBTIMESTAMP},
    {SQL_DATE, DBTYPE_DBDATE},
    {SQL_TIME, DBTYPE_DBTIME},
    {SQL_TIMESTAMP, DBTYPE_DBTIMESTAMP},
    {SQL_GUID, DBTYPE_GUID},
};

DBTYPE TypeOf(SQLSMALLINT nSqlType)
{
    for (const TypeMap& map : typeMap) {
        if (map.nSqlType == nSqlType)
            return map.wType;
    }
    // Whatever else a driver invents still reads as text.
    return DBTYPE_STR;
}

// Text values come in pieces of this size; the last byte of each holds the driver's terminator.
const SQLLEN cbTextPiece = 4096;
} // namespace

struct CCommand::State
{
    CFxDbConnection* pConn = nullptr;
    CFxOdbcHandle hStmt;
    std::vector<Param> params;
    // The copy the open statement is bound to: the driver reads these buffers again when
    // MoveFirst runs the statement anew, whatever AddParam did since.
    std::vector<Param> bound;
    std::vector<Column> columns;
    std::vector<Cell> cells;
    bool bOnRow = false;
    bool bFetched = false;
    // Columns 1..nRead hold their cells; nStream is the column being read as a stream.
    DBORDINAL nRead = 0;
    DBORDINAL nStream = 0;
    bool bStreamEnd = false;

    HRESULT Fail(HRESULT hr)
    {
        CFxDbErrorRecords::Capture(SQL_HANDLE_STMT, hStmt);
        return hr;
    }

    void ReadCell(SQLUSMALLINT nColumn, Cell& cell)
    {
        cell.nStatus = DBSTATUS_S_OK;
        cell.strText.Empty();
        char buffer[cbTextPiece];
        for (;;) {
            SQLLEN nIndicator = 0;
            SQLRETURN nRet = SQLGetData(hStmt, nColumn, SQL_C_CHAR, buffer, cbTextPiece, &nIndicator);
            if (nRet == SQL_NO_DATA)
                return;
            if (!SQL_SUCCEEDED(nRet)) {
                Fail(E_FAIL);
                cell.nStatus = DBSTATUS_E_UNAVAILABLE;
                cell.strText.Empty();
                return;
            }
            if (nIndicator == SQL_NULL_DATA) {
                cell.nStatus = DBSTATUS_S_ISNULL;
                return;
            }
            // A piece that did not fit says so with SQL_SUCCESS_WITH_INFO; it holds all but the
            // terminator's byte.
            bool bMore = nRet == SQL_SUCCESS_WITH_INFO && (nIndicator == SQL_NO_TOTAL || nIndicator >= cbTextPiece);
            SQLLEN cbPiece = bMore ? cbTextPiece - 1 : nIndicator;
            cell.strText += CString(buffer, static_cast<int>(cbPiece));
            if (!bMore)
                return;
        }
    }

    void ResetRow()
    {
        cells.assign(columns.size(), Cell{DBSTATUS_E_UNAVAILABLE, CString()});
        nRead = 0;
        nStream = 0;
        bStreamEnd = false;
    }

    bool BindParams()
    {
        bound = params;
        for (size_t i = 0; i < bound.size(); ++i) {
            Param& param = bound[i];
            SQLUSMALLINT nMarker = static_cast<SQLUSMALLINT>(i + 1);
            SQLRETURN nRet = SQL_SUCCESS;
            SQLULEN cbSize = param.bytes.empty() ? 1 : param.bytes.size();
            // Variable-length types whatever the size: the PostgreSQL driver would turn a long
            // binary into a large object instead of a bytea value.
            switch (param.kind) {
            case paramLong:
                param.nIndicator = 0;
                nRet = SQLBindParameter(hStmt, nMarker, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0, &param.nValue,
                                        0, &param.nIndicator);
                break;
            case paramNull:
                param.nIndicator = SQL_NULL_DATA;
                nRet = SQLBindParameter(hStmt, nMarker, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0, nullptr, 0,
                                        &param.nIndicator);
                break;
            case paramText:
            case paramBytes:
                param.nIndicator = static_cast<SQLLEN>(param.bytes.size());
                nRet = SQLBindParameter(hStmt, nMarker, SQL_PARAM_INPUT,
                                        param.kind == paramText ? SQL_C_CHAR : SQL_C_BINARY,
                                        param.kind == paramText ? SQL_VARCHAR : SQL_VARBINARY, cbSize, 0,
                                        param.bytes.data(), param.nIndicator, &param.nIndicator);
                break;
            }
            if (!SQL_SUCCEEDED(nRet))
                return false;
        }
        return true;
    }

    bool DescribeColumns()
    {
        columns.clear();
        SQLSMALLINT nColumns = 0;
        if (!SQL_SUCCEEDED(SQLNumResultCols(hStmt, &nColumns)))
            return false;
        for (SQLSMALLINT n = 1; n <= nColumns; ++n) {
            SQLCHAR szName[256] = {};
            SQLSMALLINT cchName = 0, nSqlType = 0, nDigits = 0, nNullable = 0;
            SQLULEN nSize = 0;
            if (!SQL_SUCCEEDED(SQLDescribeCol(hStmt, static_cast<SQLUSMALLINT>(n), szName, sizeof(szName), &cchName,
                                              &nSqlType, &nSize, &nDigits, &nNullable)))
                return false;
            columns.push_back({CString(reinterpret_cast<LPCSTR>(szName)), TypeOf(nSqlType)});
        }
        return true;
    }
};

CCommand::CCommand() : m_pState(new State)
{
}

CCommand::~CCommand()
{
    Close();
    delete m_pState;
}

void CCommand::AddParam(LPCSTR pszText)
{
    if (pszText == nullptr)
        m_pState->params.push_back({paramNull, std::string(), 0, 0});
    else
        m_pState->params.push_back({paramText, std::string(pszText), 0, 0});
}

void CCommand::AddParam(long nValue)
{
    m_pState->params.push_back({paramLong, std::string(), static_cast<SQLINTEGER>(nValue), 0});
}

void CCommand::AddParam(const void* pvBytes, int cbBytes)
{
    std::string bytes(static_cast<const char*>(pvBytes), static_cast<size_t>(cbBytes));
    m_pState->params.push_back({paramBytes, bytes, 0, 0});
}

void CCommand::ClearParams()
{
    m_pState->params.clear();
}

HRESULT CCommand::Open(const CSession& session, LPCSTR pszSQL)
{
    Close();
    State& st = *m_pState;
    if (session.GetConnection() == nullptr) {
        CFxDbErrorRecords::SetOwn("08003", "The session is not open");
        return E_FAIL;
    }
    st.pConn = session.GetConnection();
    st.pConn->AddRef();
    if (!SQL_SUCCEEDED(st.hStmt.Alloc(SQL_HANDLE_STMT, st.pConn->GetHandle()))) {
        CFxDbErrorRecords::Capture(SQL_HANDLE_DBC, st.pConn->GetHandle());
        Close();
        return E_FAIL;
    }
    CString strSQL(pszSQL);
    HRESULT hr = S_OK;
    if (!SQL_SUCCEEDED(SQLPrepare(st.hStmt, reinterpret_cast<SQLCHAR*>(strSQL.GetBuffer()), SQL_NTS)))
        hr = st.Fail(DB_E_ERRORSINCOMMAND);
    else if (!st.BindParams())
        hr = st.Fail(E_FAIL);
    else {
        // A searched UPDATE or DELETE that touches no row answers SQL_NO_DATA: still a success.
        SQLRETURN nRet = SQLExecute(st.hStmt);
        if (!SQL_SUCCEEDED(nRet) && nRet != SQL_NO_DATA)
            hr = st.Fail(DB_E_ERRORSINCOMMAND);
        else if (!st.DescribeColumns())
            hr = st.Fail(E_FAIL);
    }
    if (FAILED(hr)) {
        Close();
        return hr;
    }
    st.ResetRow();
    return S_OK;
}

BOOL CCommand::IsOpen() const
{
    return m_pState->hStmt.IsValid();
}

void CCommand::Close()
{
    State& st = *m_pState;
    st.hStmt.Free();
    st.bound.clear();
    st.columns.clear();
    st.cells.clear();
    st.bOnRow = false;
    st.bFetched = false;
    st.nRead = 0;
    st.nStream = 0;
    st.bStreamEnd = false;
    if (st.pConn != nullptr) {
        st.pConn->Release();
        st.pConn = nullptr;
    }
}

DBORDINAL CCommand::GetColumnCount() const
{
    return m_pState->columns.size();
}

CString CCommand::GetColumnName(DBORDINAL nColumn) const
{
    if (nColumn < 1 || nColumn > m_pState->columns.size())
        return CString();
    return m_pState->columns[nColumn - 1].strName;
}

DBTYPE CCommand::GetColumnType(DBORDINAL nColumn) const
{
    if (nColumn < 1 || nColumn > m_pState->columns.size())
        return DBTYPE_EMPTY;
    return m_pState->columns[nColumn - 1].wType;
}

HRESULT CCommand::Fetch()
{
    State& st = *m_pState;
    st.ResetRow();
    st.bOnRow = false;
    if (!st.hStmt.IsValid() || st.columns.empty())
        return DB_S_ENDOFROWSET;
    st.bFetched = true;
    SQLRETURN nRet = SQLFetch(st.hStmt);
    if (nRet == SQL_NO_DATA)
        return DB_S_ENDOFROWSET;
    if (!SQL_SUCCEEDED(nRet))
        return st.Fail(E_FAIL);
    st.bOnRow = true;
    return S_OK;
}

HRESULT CCommand::MoveFirst()
{
    State& st = *m_pState;
    if (st.bFetched && st.hStmt.IsValid()) {
        SQLFreeStmt(st.hStmt, SQL_CLOSE);
        st.bFetched = false;
        st.bOnRow = false;
        SQLRETURN nRet = SQLExecute(st.hStmt);
        if (!SQL_SUCCEEDED(nRet) && nRet != SQL_NO_DATA)
            return st.Fail(E_FAIL);
    }
    return Fetch();
}

HRESULT CCommand::MoveNext()
{
    return Fetch();
}

void CCommand::ReadThrough(DBORDINAL nColumn)
{
    State& st = *m_pState;
    if (!st.bOnRow)
        return;
    for (DBORDINAL n = st.nRead + 1; n <= nColumn && n <= st.columns.size(); ++n) {
        st.ReadCell(static_cast<SQLUSMALLINT>(n), st.cells[n - 1]);
        st.nRead = n;
    }
}

DBSTATUS CCommand::GetStatus(DBORDINAL nColumn)
{
    State& st = *m_pState;
    if (!st.bOnRow || nColumn < 1 || nColumn > st.columns.size())
        return DBSTATUS_E_UNAVAILABLE;
    ReadThrough(nColumn);
    return st.cells[nColumn - 1].nStatus;
}

CString CCommand::GetValueText(DBORDINAL nColumn)
{
    if (GetStatus(nColumn) != DBSTATUS_S_OK || nColumn == m_pState->nStream)
        return CString();
    return m_pState->cells[nColumn - 1].strText;
}

long CCommand::GetValueLong(DBORDINAL nColumn)
{
    return std::strtol(GetValueText(nColumn), nullptr, 10);
}

double CCommand::GetValueDouble(DBORDINAL nColumn)
{
    return std::strtod(GetValueText(nColumn), nullptr);
}

DBTYPE CCommand::TypeFromSql(short nSqlType)
{
    return TypeOf(nSqlType);
}

HRESULT CCommand::ReadBlob(DBORDINAL nColumn, void* pv, ULONG cb, ULONG* pcbRead)
{
    State& st = *m_pState;
    if (pcbRead != nullptr)
        *pcbRead = 0;
    // Drivers hand out a row's columns in order only: a stream cut short by a later column's
    // read cannot go on, and must not look complete.
    bool bPassed = nColumn <= st.nRead && (nColumn != st.nStream || (st.nRead > st.nStream && !st.bStreamEnd));
    if (!st.bOnRow || nColumn < 1 || nColumn > st.columns.size() || bPassed) {
        CFxDbErrorRecords::SetOwn("07009", "The column is not on a row or was already read");
        return E_UNEXPECTED;
    }
    Cell& cell = st.cells[nColumn - 1];
    if (nColumn != st.nStream) {
        ReadThrough(nColumn - 1);
        st.nStream = nColumn;
        st.nRead = nColumn;
        st.bStreamEnd = false;
        cell.nStatus = DBSTATUS_S_OK;
    }
    if (st.bStreamEnd)
        return cell.nStatus == DBSTATUS_S_ISNULL ? S_FALSE : S_OK;
    SQLLEN nIndicator = 0;
    SQLRETURN nRet = SQLGetData(st.hStmt, static_cast<SQLUSMALLINT>(nColumn), SQL_C_BINARY, pv, static_cast<SQLLEN>(cb),
                                &nIndicator);
    if (nRet == SQL_NO_DATA) {
        st.bStreamEnd = true;
        return S_OK;
    }
    if (!SQL_SUCCEEDED(nRet)) {
        cell.nStatus = DBSTATUS_E_UNAVAILABLE;
        st.bStreamEnd = true;
        return st.Fail(E_FAIL);
    }
    if (nIndicator == SQL_NULL_DATA) {
        cell.nStatus = DBSTATUS_S_ISNULL;
        st.bStreamEnd = true;
        return S_FALSE;
    }
    // Binary pieces carry no terminator: a piece that did not fit filled the whole buffer.
    bool bMore = nRet == SQL_SUCCESS_WITH_INFO && (nIndicator == SQL_NO_TOTAL || nIndicator > static_cast<SQLLEN>(cb));
    ULONG cbPiece = bMore ? cb : static_cast<ULONG>(nIndicator);
    if (!bMore)
        st.bStreamEnd = true;
    if (pcbRead != nullptr)
        *pcbRead = cbPiece;
    return S_OK;
}
