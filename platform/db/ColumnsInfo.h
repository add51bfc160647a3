// One row of a table's column listing, as the catalog gives it; callers copy and keep it.
#pragma once

#include "platform/base/String.h"

#include <oledb.h>

class CColumnsInfo
{
public:
    CString m_strTableCatalog;
    CString m_strTableSchema;
    CString m_strTableName;
    CString m_strColumnName;
    // From 1, in the table's order.
    long m_nOrdinalPosition = 0;
    // The OLE DB type of the column's SQL type, and the engine's own name for it.
    DBTYPE m_nDataType = DBTYPE_EMPTY;
    CString m_strTypeName;
    // Characters or digits, as the driver reports the size.
    long m_nColumnSize = 0;
    long m_nNumericScale = 0;
    BOOL m_bIsNullable = TRUE;
    BOOL m_bColumnHasDefault = FALSE;
    // The default as the driver shows it: SQL text, or a text default without its quotes.
    CString m_strColumnDefault;
};
