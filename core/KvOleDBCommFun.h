// Static helpers that connect a session (through the connection dialog or from an initialisation
// string) and list the tables, procedures and columns of its database.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CColumnsInfo;
class CDataSource;
class CPtrList;
class CSession;
class CStringArray;

class VORNCARD_API CKvOleDBCommFun
{
public:
    CKvOleDBCommFun() {}
    CKvOleDBCommFun(const CKvOleDBCommFun&) {}
    CKvOleDBCommFun& operator=(const CKvOleDBCommFun&) { return *this; }
    virtual ~CKvOleDBCommFun() {}

    // Asks the user for the connection in the connection dialog; FALSE when cancelled or when
    // connecting fails. strName receives the database the session works in.
    static BOOL ConnectWithDataBase(CSession& session, CDataSource& source, CString& strName);
    static BOOL ConnectWithDataBase(CString strInit, CSession& session, CDataSource& source, CString& strName);

    // Names holding a blank are left out. nAllTypes 0 lists base tables only.
    static BOOL GetDBTables(CSession& session, int nAllTypes, CStringArray& names);
    static BOOL GetDBProcedures(CSession& session, CStringArray& names);
    static BOOL GetTableFields(CSession& session, CString strTable, CStringArray& names);
    // Appends a new CColumnsInfo per column; the caller deletes them.
    static BOOL GetTableFields(CSession& session, CString strTable, CPtrList& columns);
    // Matches exactly among tables of every type.
    static BOOL ExistTable(CSession& session, CString strTable);
    static BOOL GetFieldInfo(CSession& session, CString strTable, CString strField, CColumnsInfo& info);
};
