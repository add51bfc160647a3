#include "platform/base/ObList.h"

FX_IMPLEMENT_SERIAL(CObList, CObject, 0)

struct CObList::Node
{
    Node* pNext;
    Node* pPrev;
    CObject* data;
};

CObList::CObList(INT_PTR /*nBlockSize*/) : m_pHead(nullptr), m_pTail(nullptr), m_nCount(0)
{
}

CObList::~CObList()
{
    RemoveAll();
}

CObject*& CObList::GetHead()
{
    return m_pHead->data;
}

CObject* CObList::GetHead() const
{
    return m_pHead->data;
}

CObject*& CObList::GetTail()
{
    return m_pTail->data;
}

CObject* CObList::GetTail() const
{
    return m_pTail->data;
}

CObject* CObList::RemoveHead()
{
    CObject* pOb = m_pHead->data;
    RemoveAt(ToPos(m_pHead));
    return pOb;
}

CObject* CObList::RemoveTail()
{
    CObject* pOb = m_pTail->data;
    RemoveAt(ToPos(m_pTail));
    return pOb;
}

POSITION CObList::AddHead(CObject* newElement)
{
    Node* pNode = new Node{m_pHead, nullptr, newElement};
    if (m_pHead != nullptr) {
        m_pHead->pPrev = pNode;
    } else {
        m_pTail = pNode;
    }
    m_pHead = pNode;
    ++m_nCount;
    return ToPos(pNode);
}

POSITION CObList::AddTail(CObject* newElement)
{
    Node* pNode = new Node{nullptr, m_pTail, newElement};
    if (m_pTail != nullptr) {
        m_pTail->pNext = pNode;
    } else {
        m_pHead = pNode;
    }
    m_pTail = pNode;
    ++m_nCount;
    return ToPos(pNode);
}

// Adding a list to its head keeps the other list's order.
void CObList::AddHead(CObList* pNewList)
{
    for (Node* pNode = pNewList->m_pTail; pNode != nullptr; pNode = pNode->pPrev) {
        AddHead(pNode->data);
    }
}

void CObList::AddTail(CObList* pNewList)
{
    // Counted, so that adding a list to itself ends.
    Node* pNode = pNewList->m_pHead;
    for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pNext) {
        AddTail(pNode->data);
    }
}

void CObList::RemoveAll()
{
    Node* pNode = m_pHead;
    while (pNode != nullptr) {
        Node* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pHead = nullptr;
    m_pTail = nullptr;
    m_nCount = 0;
}

POSITION CObList::GetHeadPosition() const
{
    return ToPos(m_pHead);
}

POSITION CObList::GetTailPosition() const
{
    return ToPos(m_pTail);
}

CObject*& CObList::GetNext(POSITION& rPosition)
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPos(pNode->pNext);
    return pNode->data;
}

CObject* CObList::GetNext(POSITION& rPosition) const
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPos(pNode->pNext);
    return pNode->data;
}

CObject*& CObList::GetPrev(POSITION& rPosition)
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPos(pNode->pPrev);
    return pNode->data;
}

CObject* CObList::GetPrev(POSITION& rPosition) const
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPos(pNode->pPrev);
    return pNode->data;
}

CObject*& CObList::GetAt(POSITION position)
{
    return ToNode(position)->data;
}

CObject* CObList::GetAt(POSITION position) const
{
    return ToNode(position)->data;
}

void CObList::SetAt(POSITION pos, CObject* newElement)
{
    ToNode(pos)->data = newElement;
}

void CObList::RemoveAt(POSITION position)
{
    Node* pNode = ToNode(position);
    if (pNode->pPrev != nullptr) {
        pNode->pPrev->pNext = pNode->pNext;
    } else {
        m_pHead = pNode->pNext;
    }
    if (pNode->pNext != nullptr) {
        pNode->pNext->pPrev = pNode->pPrev;
    } else {
        m_pTail = pNode->pPrev;
    }
    delete pNode;
    --m_nCount;
}

POSITION CObList::InsertBefore(POSITION position, CObject* newElement)
{
    Node* pOld = ToNode(position);
    if (pOld == nullptr || pOld == m_pHead) {
        return AddHead(newElement);
    }
    Node* pNode = new Node{pOld, pOld->pPrev, newElement};
    pOld->pPrev->pNext = pNode;
    pOld->pPrev = pNode;
    ++m_nCount;
    return ToPos(pNode);
}

POSITION CObList::InsertAfter(POSITION position, CObject* newElement)
{
    Node* pOld = ToNode(position);
    if (pOld == nullptr || pOld == m_pTail) {
        return AddTail(newElement);
    }
    Node* pNode = new Node{pOld->pNext, pOld, newElement};
    pOld->pNext->pPrev = pNode;
    pOld->pNext = pNode;
    ++m_nCount;
    return ToPos(pNode);
}

POSITION CObList::Find(CObject* searchValue, POSITION startAfter) const
{
    Node* pNode = startAfter != nullptr ? ToNode(startAfter)->pNext : m_pHead;
    for (; pNode != nullptr; pNode = pNode->pNext) {
        if (pNode->data == searchValue) {
            return ToPos(pNode);
        }
    }
    return nullptr;
}

POSITION CObList::FindIndex(INT_PTR nIndex) const
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

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (Node* pNode = m_pHead; pNode != nullptr; pNode = pNode->pNext) {
            ar << pNode->data;
        }
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    while (nCount-- > 0) {
        CObject* pOb = nullptr;
        ar >> pOb;
        AddTail(pOb);
    }
}
