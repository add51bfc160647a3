// Doubly linked list behind the typed lists (CObList, CStringList, CPtrList); code uses those, not this.
// Each typed list instantiates it once, in VornFx, and its header declares that instantiation
// extern and exported, so other libraries call the one copy.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/Position.h"

// A POSITION is the address of a node; it stays valid until that node is removed, so a caller may
// remove the element it just stepped over with GetNext and go on from the saved position.
template <class TYPE, class ARG_TYPE> class CFxList
{
public:
    // Nodes are allocated one by one; nBlockSize is accepted for callers and ignored.
    explicit CFxList(INT_PTR nBlockSize = 10);
    ~CFxList();
    CFxList(const CFxList&) = delete;
    CFxList& operator=(const CFxList&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // The list must not be empty.
    TYPE& GetHead() { return m_pHead->data; }
    const TYPE& GetHead() const { return m_pHead->data; }
    TYPE& GetTail() { return m_pTail->data; }
    const TYPE& GetTail() const { return m_pTail->data; }
    // An empty list gives an empty element.
    TYPE RemoveHead();
    TYPE RemoveTail();

    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    // Keeps the other list's order; a list may be added to itself.
    void AddHead(CFxList* pNewList);
    void AddTail(CFxList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return ToPos(m_pHead); }
    POSITION GetTailPosition() const { return ToPos(m_pTail); }
    // Return the element at rPosition and move rPosition on (null past the end).
    TYPE& GetNext(POSITION& rPosition);
    const TYPE& GetNext(POSITION& rPosition) const;
    TYPE& GetPrev(POSITION& rPosition);
    const TYPE& GetPrev(POSITION& rPosition) const;

    TYPE& GetAt(POSITION position) { return ToNode(position)->data; }
    const TYPE& GetAt(POSITION position) const { return ToNode(position)->data; }
    void SetAt(POSITION position, ARG_TYPE newElement) { ToNode(position)->data = newElement; }
    void RemoveAt(POSITION position);
    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // Searches from the element after startAfter, or from the head when it is null.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    // Null when nIndex is outside 0..GetCount()-1.
    POSITION FindIndex(INT_PTR nIndex) const;
    // Grows with every insertion and removal (not SetAt), so that an index of positions kept
    // beside the list can tell that it went stale.
    INT_PTR GetChangeCount() const { return m_nChanges; }

private:
    struct Node
    {
        Node* pNext;
        Node* pPrev;
        TYPE data;
    };

    static Node* ToNode(POSITION position) { return reinterpret_cast<Node*>(position); }
    static POSITION ToPos(Node* pNode) { return reinterpret_cast<POSITION>(pNode); }
    Node* Link(Node* pPrev, Node* pNext, ARG_TYPE newElement);

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
    INT_PTR m_nChanges = 0;
};

template <class TYPE, class ARG_TYPE> CFxList<TYPE, ARG_TYPE>::CFxList(INT_PTR /*nBlockSize*/)
{
}

template <class TYPE, class ARG_TYPE> CFxList<TYPE, ARG_TYPE>::~CFxList()
{
    RemoveAll();
}

// The node is built before any link changes: newElement may be an element of this list.
template <class TYPE, class ARG_TYPE>
typename CFxList<TYPE, ARG_TYPE>::Node* CFxList<TYPE, ARG_TYPE>::Link(Node* pPrev, Node* pNext, ARG_TYPE newElement)
{
    Node* pNode = new Node{pNext, pPrev, TYPE(newElement)};
    (pPrev != nullptr ? pPrev->pNext : m_pHead) = pNode;
    (pNext != nullptr ? pNext->pPrev : m_pTail) = pNode;
    ++m_nCount;
    ++m_nChanges;
    return pNode;
}

template <class TYPE, class ARG_TYPE> TYPE CFxList<TYPE, ARG_TYPE>::RemoveHead()
{
    if (m_pHead == nullptr) {
        return TYPE();
    }
    TYPE old = m_pHead->data;
    RemoveAt(ToPos(m_pHead));
    return old;
}

template <class TYPE, class ARG_TYPE> TYPE CFxList<TYPE, ARG_TYPE>::RemoveTail()
{
    if (m_pTail == nullptr) {
        return TYPE();
    }
    TYPE old = m_pTail->data;
    RemoveAt(ToPos(m_pTail));
    return old;
}

template <class TYPE, class ARG_TYPE> POSITION CFxList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    return ToPos(Link(nullptr, m_pHead, newElement));
}

template <class TYPE, class ARG_TYPE> POSITION CFxList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    return ToPos(Link(m_pTail, nullptr, newElement));
}

// Both walk a count taken first, so adding a list to itself ends.
template <class TYPE, class ARG_TYPE> void CFxList<TYPE, ARG_TYPE>::AddHead(CFxList* pNewList)
{
    if (pNewList == nullptr) {
        return;
    }
    Node* pNode = pNewList->m_pTail;
    for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pPrev) {
        AddHead(pNode->data);
    }
}

template <class TYPE, class ARG_TYPE> void CFxList<TYPE, ARG_TYPE>::AddTail(CFxList* pNewList)
{
    if (pNewList == nullptr) {
        return;
    }
    Node* pNode = pNewList->m_pHead;
    for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pNext) {
        AddTail(pNode->data);
    }
}

template <class TYPE, class ARG_TYPE> void CFxList<TYPE, ARG_TYPE>::RemoveAll()
{
    while (m_pHead != nullptr) {
        Node* pNext = m_pHead->pNext;
        delete m_pHead;
        m_pHead = pNext;
    }
    m_pTail = nullptr;
    m_nCount = 0;
    ++m_nChanges;
}

template <class TYPE, class ARG_TYPE> TYPE& CFxList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition)
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPos(pNode->pNext);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE> const TYPE& CFxList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition) const
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPos(pNode->pNext);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE> TYPE& CFxList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition)
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPos(pNode->pPrev);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE> const TYPE& CFxList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition) const
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPos(pNode->pPrev);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE> void CFxList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    Node* pNode = ToNode(position);
    if (pNode == nullptr) {
        return;
    }
    (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pHead) = pNode->pNext;
    (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pTail) = pNode->pPrev;
    delete pNode;
    --m_nCount;
    ++m_nChanges;
}

template <class TYPE, class ARG_TYPE>
POSITION CFxList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == nullptr) {
        return AddHead(newElement);
    }
    Node* pNode = ToNode(position);
    return ToPos(Link(pNode->pPrev, pNode, newElement));
}

template <class TYPE, class ARG_TYPE>
POSITION CFxList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == nullptr) {
        return AddTail(newElement);
    }
    Node* pNode = ToNode(position);
    return ToPos(Link(pNode, pNode->pNext, newElement));
}

template <class TYPE, class ARG_TYPE>
POSITION CFxList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    Node* pNode = startAfter != nullptr ? ToNode(startAfter)->pNext : m_pHead;
    for (; pNode != nullptr; pNode = pNode->pNext) {
        if (pNode->data == searchValue) {
            return ToPos(pNode);
        }
    }
    return nullptr;
}

template <class TYPE, class ARG_TYPE> POSITION CFxList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount) {
        return nullptr;
    }
    Node* pNode = m_pHead;
    while (nIndex-- > 0) {
        pNode = pNode->pNext;
    }
    return ToPos(pNode);
}
