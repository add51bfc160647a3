// Doubly linked list of CObject pointers. The list never deletes the objects it holds.
#pragma once

#include "platform/base/FxList.h"
#include "platform/base/Object.h"

extern template class FX_API CFxList<CObject*, CObject*>;

class FX_API CObList : public CObject, public CFxList<CObject*, CObject*>
{
    FX_DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10) : CFxList(nBlockSize) {}

    // A CObList is also a CObject: these overloads pick the list meaning over the element one.
    using CFxList::AddHead;
    using CFxList::AddTail;
    void AddHead(CObList* pNewList) { CFxList::AddHead(static_cast<CFxList*>(pNewList)); }
    void AddTail(CObList* pNewList) { CFxList::AddTail(static_cast<CFxList*>(pNewList)); }

    // The count, then each object with its class tag. Loading appends to the list.
    void Serialize(CArchive& ar) override;
};
