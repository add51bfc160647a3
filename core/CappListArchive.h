// Owned object lists of the card model in the framework's object-list form, read defensively:
// every element must be of the expected class, and no object may be owned twice.
#pragma once

#include <vector>

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

// While one is alive on the thread, every object a list reads is checked against all objects
// read before in the same load, across lists: a damaged archive can refer back to an object that
// another list already owns, which would be freed twice. Nested scopes share the outer one.
class CCappLoadScope
{
public:
    CCappLoadScope();
    ~CCappLoadScope();
    CCappLoadScope(const CCappLoadScope&) = delete;
    CCappLoadScope& operator=(const CCappLoadScope&) = delete;

    // Takes an object read into a list; FALSE when a list owns it already, or when it is an
    // object still being read (a reference to an ancestor). No scope: always TRUE.
    static BOOL Claim(const CObject* pObject);
    static BOOL IsActive();

    // Marks an object with lists of its own as being read, for the time of its Serialize.
    class COpen
    {
    public:
        explicit COpen(const CObject* pObject);
        ~COpen();
        COpen(const COpen&) = delete;
        COpen& operator=(const COpen&) = delete;

    private:
        const CObject* m_pObject;
    };

private:
    BOOL Own(const CObject* pObject);

    // Open addressing, a power of two of slots, null for free ones: a set node per object read
    // would cost a template as much fresh memory again as its cells.
    std::vector<const CObject*> m_owned;
    size_t m_nOwned;
    // Objects being read, the innermost last; as deep as the lists nest.
    std::vector<const CObject*> m_open;
    CCappLoadScope* m_pOuter;
};
