// A SQL statement run on a session, with its parameters and, when it returns rows, a dynamic
// accessor over the current row and a sequential stream over one long column.
#pragma once

#include "platform/base/String.h"

#include <oledb.h>
#include <oledberr.h>

class CSession;

class FX_API CCommand
{
public:
    CCommand();
    ~CCommand();
    CCommand(const CCommand&) = delete;
    CCommand& operator=(const CCommand&) = delete;

    // Values for the statement's "?" markers, in order: they travel beside the SQL text, so a
    // quote in a value can never change the statement. A null pszText is SQL NULL.
    void AddParam(LPCSTR pszText);
    void AddParam(long nValue);
    void AddParam(const void* pvBytes, int cbBytes);
    void ClearParams();

    // Prepares and runs the statement on the session with the parameters added; closes what was
    // open first. S_OK, or DB_E_ERRORSINCOMMAND / E_FAIL with the thread's error records set.
    HRESULT Open(const CSession& session, LPCSTR pszSQL);
    BOOL IsOpen() const;
    // The parameters stay for the next Open.
    void Close();

    // Columns count from 1, as OLE DB ordinals do. 0 columns for a statement without rows.
    DBORDINAL GetColumnCount() const;
    // Empty for a column that does not exist.
    CString GetColumnName(DBORDINAL nColumn) const;
    // The OLE DB type of the driver's SQL type; DBTYPE_EMPTY for a column that does not exist.
    DBTYPE GetColumnType(DBORDINAL nColumn) const;

    // S_OK on a row, DB_S_ENDOFROWSET past the last one (or for a statement without rows),
    // E_FAIL with the thread's error records. MoveFirst runs the statement again when rows
    // were already fetched: the driver's cursor only moves forward.
    HRESULT MoveFirst();
    HRESULT MoveNext();

    // The current row's values. A column is read from the driver when it, or a column after it,
    // is first asked for, columns in order, as drivers allow; so ask for a streamed column last.
    // DBSTATUS_S_OK, DBSTATUS_S_ISNULL, or DBSTATUS_E_UNAVAILABLE (no row, no such column, a
    // read that failed, a column already streamed).
    DBSTATUS GetStatus(DBORDINAL nColumn);
    // The value as the driver gives it as text; empty unless the status is DBSTATUS_S_OK.
    CString GetValueText(DBORDINAL nColumn);
    // The text's number; 0 when it starts with none.
    long GetValueLong(DBORDINAL nColumn);
    double GetValueDouble(DBORDINAL nColumn);

    // Reads the next bytes of a long binary or text column, like ISequentialStream::Read: fewer
    // than cb bytes (0 at the end) means the value is complete. S_FALSE with no bytes for a NULL
    // value, after which GetStatus gives DBSTATUS_S_ISNULL. E_UNEXPECTED when the column was
    // already read as a value, a later column was read before the stream ended, or there is no
    // row; E_FAIL when the driver fails.
    HRESULT ReadBlob(DBORDINAL nColumn, void* pv, ULONG cb, ULONG* pcbRead);

    // The OLE DB type an ODBC SQL type reads as; text for a type no table names.
    static DBTYPE TypeFromSql(short nSqlType);

private:
    struct State;
    // Reads the values of the columns up to nColumn not read yet.
    void ReadThrough(DBORDINAL nColumn);
    HRESULT Fetch();

    State* m_pState;
};
