// Owned object lists of the card model in the framework's object-list form, read defensively:
// every element must be of the expected class, and no object may be owned twice (see CCappLoadScope).
#pragma once

#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"

// Writes the count and the objects, or frees the list and reads it again. Loading throws
// CArchiveException when an element is null, of another class, or an object read before.
// pClass null is a list none of our classes is written into: loading refuses any element before
// it is created, since a foreign class could neither be written back nor free what it read.
void CappSerializeList(CArchive& ar, CObList& list, const CRuntimeClass* pClass);

// Deletes every object of the list and empties it.
void CappFreeList(CObList& list);

// The row table the detail data and the page data keep after their own head fields: the variable
// names, the rows of pRowClass, then the card variables. Loaded records of a version other than
// pszVersion end with the rows.
void CappSerializeRowTable(CArchive& ar, const CString& strVersion, LPCSTR pszVersion, CStringArray& arrVarName,
                           CObList& listRows, const CRuntimeClass* pRowClass, CObList& listCardVar);

// Loads through fnLoad into an emptied object; a load that throws leaves it empty again.
template <class LoadFn, class EmptyFn> void CappLoadOrEmpty(LoadFn fnLoad, EmptyFn fnEmpty)
{
    fnEmpty();
    try {
        fnLoad();
    } catch (...) {
        fnEmpty();
        throw;
    }
}
