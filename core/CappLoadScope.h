// The objects one load of the card model has read, so that no object is owned twice.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/base/FxExport.h"

class CObject;

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
