// Doubly linked list of CObject pointers. The list never deletes the objects it holds.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/Position.h"

class FX_API CObList : public CObject
{
    FX_DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10);
    ~CObList() override;
    CObList(const CObList&) = delete;
    CObList& operator=(const CObList&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    CObject*& GetHead();
    CObject* GetHead() const;
    CObject*& GetTail();
    CObject* GetTail() const;
    CObject* RemoveHead();
    CObject* RemoveTail();

    POSITION AddHead(CObject* newElement);
    POSITION AddTail(CObject* newElement);
    void AddHead(CObList* pNewList);
    void AddTail(CObList* pNewList);
    // Forgets every element; the objects themselves stay alive.
    void RemoveAll();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    CObject*& GetNext(POSITION& rPosition);
    CObject* GetNext(POSITION& rPosition) const;
    CObject*& GetPrev(POSITION& rPosition);
    CObject* GetPrev(POSITION& rPosition) const;

    CObject*& GetAt(POSITION position);
    CObject* GetAt(POSITION position) const;
    void SetAt(POSITION pos, CObject* newElement);
    void RemoveAt(POSITION position);

    POSITION InsertBefore(POSITION position, CObject* newElement);
    POSITION InsertAfter(POSITION position, CObject* newElement);

    // Compares pointers; starts after startAfter when given.
    POSITION Find(CObject* searchValue, POSITION startAfter = nullptr) const;
    // nullptr when nIndex is out of range.
    POSITION FindIndex(INT_PTR nIndex) const;

    // The count, then each object with its class tag. Loading appends to the list.
    void Serialize(CArchive& ar) override;

private:
    struct Node;
    static Node* ToNode(POSITION pos) { return reinterpret_cast<Node*>(pos); }
    static POSITION ToPos(Node* pNode) { return reinterpret_cast<POSITION>(pNode); }

    Node* m_pHead;
    Node* m_pTail;
    INT_PTR m_nCount;
};
