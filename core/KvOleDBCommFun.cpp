#include "core/KvOleDBCommFun.h"

#include "core/KvConnectDlg.h"
#include "core/KvOleDBFun.h"
#include "platform/base/PtrList.h"
#include "platform/base/StringArray.h"
#include "platform/db/ColumnsInfo.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbCatalog.h"
#include "platform/db/Session.h"

namespace
{
const char szSource[] = "KvOleDBCommFun.cpp";

void KeepNamesWithoutBlank(const CStringArray& all, CStringArray& names)
{
    for (int i = 0; i < all.GetSize(); ++i) {
        if (all[i].Find(' ') < 0)
            names.Add(all[i]);
    }
}

// The columns of a table, reported when the listing fails; the caller deletes the records.
BOOL ListColumns(CSession& session, const CString& strTable, CPtrList& columns, int nLine)
{
    if (FAILED(CFxDbCatalog::GetColumns(session, strTable, columns))) {
        CKvOleDBFun::ReportFailure(szSource, nLine, "");
        return FALSE;
    }
    return TRUE;
}

void DeleteColumns(CPtrList& columns)
{
    POSITION pos = columns.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<CColumnsInfo*>(columns.GetNext(pos));
    columns.RemoveAll();
}
} // namespace

BOOL CKvOleDBCommFun::ConnectWithDataBase(CSession& session, CDataSource& source, CString& strName)
{
    session.Close();
    source.Close();
    strName.Empty();
    CKvConnectDlg dlg;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    return ConnectWithDataBase(dlg.m_strInitString, session, source, strName);
}

BOOL CKvOleDBCommFun::ConnectWithDataBase(CString strInit, CSession& session, CDataSource& source, CString& strName)
{
    session.Close();
    source.Close();
    strName.Empty();
    if (FAILED(source.OpenFromInitializationString(strInit)))
        return FALSE;
    // The data source stays open when only the session fails: callers tell the two apart.
    if (FAILED(session.Open(source)))
        return FALSE;
    strName = CFxDbCatalog::GetCatalogName(session);
    return TRUE;
}

BOOL CKvOleDBCommFun::GetDBTables(CSession& session, int nAllTypes, CStringArray& names)
{
    CStringArray all;
    if (FAILED(CFxDbCatalog::GetTables(session, nAllTypes != 0, all)))
        return FALSE;
    KeepNamesWithoutBlank(all, names);
    return TRUE;
}

BOOL CKvOleDBCommFun::GetDBProcedures(CSession& session, CStringArray& names)
{
    CStringArray all;
    if (FAILED(CFxDbCatalog::GetProcedures(session, all)))
        return FALSE;
    KeepNamesWithoutBlank(all, names);
    return TRUE;
}

BOOL CKvOleDBCommFun::GetTableFields(CSession& session, CString strTable, CStringArray& names)
{
    CPtrList columns;
    if (!ListColumns(session, strTable, columns, __LINE__))
        return FALSE;
    POSITION pos = columns.GetHeadPosition();
    while (pos != nullptr)
        names.Add(static_cast<CColumnsInfo*>(columns.GetNext(pos))->m_strColumnName);
    DeleteColumns(columns);
    return TRUE;
}

BOOL CKvOleDBCommFun::GetTableFields(CSession& session, CString strTable, CPtrList& columns)
{
    return ListColumns(session, strTable, columns, __LINE__);
}

BOOL CKvOleDBCommFun::ExistTable(CSession& session, CString strTable)
{
    CStringArray names;
    if (FAILED(CFxDbCatalog::GetTables(session, TRUE, names)))
        return FALSE;
    for (int i = 0; i < names.GetSize(); ++i) {
        if (names[i].Compare(strTable) == 0)
            return TRUE;
    }
    return FALSE;
}

BOOL CKvOleDBCommFun::GetFieldInfo(CSession& session, CString strTable, CString strField, CColumnsInfo& info)
{
    CPtrList columns;
    if (!ListColumns(session, strTable, columns, __LINE__))
        return FALSE;
    BOOL bFound = FALSE;
    POSITION pos = columns.GetHeadPosition();
    while (pos != nullptr && !bFound) {
        const CColumnsInfo* pColumn = static_cast<CColumnsInfo*>(columns.GetNext(pos));
        if (pColumn->m_strColumnName.Compare(strField) == 0) {
            info = *pColumn;
            bFound = TRUE;
        }
    }
    DeleteColumns(columns);
    return bFound;
}
