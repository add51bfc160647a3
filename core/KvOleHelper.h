// Names and text of OLE DB value types, and the Chinese report of a failed SQL statement.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

#include <wtypes.h>

class VORNCARD_API CKvOleHelper
{
public:
    CKvOleHelper() {}
    CKvOleHelper(const CKvOleHelper&) {}
    CKvOleHelper& operator=(const CKvOleHelper&) { return *this; }
    virtual ~CKvOleHelper() {}

    static CString CrackStrVariant(VARTYPE vt);
    // A short SQL-like name ("int", "double", "char"...); empty for the rest.
    static CString CrackStrVariant_S(VARTYPE vt);
    // The value at pData, of type vt, as text; empty for a null pointer or a type without a form.
    static CString strVariant(VARTYPE vt, void* pData);
    // The report of the statement that just failed, from the calling thread's database error
    // records (the database layer keeps them per thread, not on the failing object).
    static CString GenerateErrorString(LPCSTR pszSource, int nLine, LPCSTR pszSQL);
};
