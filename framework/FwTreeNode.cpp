#include "framework/FwTreeNode.h"

FwTreeNode* const FwTreeNode::InsertFirst = nullptr;
FwTreeNode* const FwTreeNode::InsertLast = reinterpret_cast<FwTreeNode*>(static_cast<INT_PTR>(1));

FwTreeNode::FwTreeNode()
    : m_pParent(nullptr), m_pNextSibling(nullptr), m_pPrevSibling(nullptr), m_pFirstChild(nullptr), m_nHiddenLevels(0)
{
}

FwTreeNode::~FwTreeNode()
{
    DeleteAllChildren();
    Unlink();
}

FwTreeNode* FwTreeNode::GetParent() const
{
    return m_pParent;
}

FwTreeNode* FwTreeNode::GetNextSibling() const
{
    return m_pNextSibling;
}

FwTreeNode* FwTreeNode::GetPrevSibling() const
{
    return m_pPrevSibling;
}

FwTreeNode* FwTreeNode::GetFirstChild() const
{
    return m_pFirstChild;
}

int FwTreeNode::GetNodeKind() const
{
    return 0;
}

BOOL FwTreeNode::IsExpanded() const
{
    return FALSE;
}

BOOL FwTreeNode::SetExpanded(BOOL)
{
    return FALSE;
}

WORD FwTreeNode::GetLevel() const
{
    WORD nLevel = 0;
    for (const FwTreeNode* pNode = GetParent(); pNode != nullptr; pNode = pNode->GetParent()) {
        ++nLevel;
    }
    return nLevel;
}

FwTreeNode* FwTreeNode::GetRoot() const
{
    const FwTreeNode* pNode = this;
    while (pNode->GetParent() != nullptr) {
        pNode = pNode->GetParent();
    }
    return const_cast<FwTreeNode*>(pNode);
}

FwTreeNode* FwTreeNode::GetLastSibling() const
{
    const FwTreeNode* pNode = this;
    while (pNode->GetNextSibling() != nullptr) {
        pNode = pNode->GetNextSibling();
    }
    return const_cast<FwTreeNode*>(pNode);
}

FwTreeNode* FwTreeNode::GetLastChild() const
{
    FwTreeNode* pChild = GetFirstChild();
    return pChild != nullptr ? pChild->GetLastSibling() : nullptr;
}

FwTreeNode* FwTreeNode::GetDeepestFirstChild() const
{
    FwTreeNode* pNode = GetFirstChild();
    while (pNode != nullptr && pNode->GetFirstChild() != nullptr) {
        pNode = pNode->GetFirstChild();
    }
    return pNode;
}

FwTreeNode* FwTreeNode::GetLastDescendant() const
{
    FwTreeNode* pNode = GetLastChild();
    while (pNode != nullptr && pNode->GetLastChild() != nullptr) {
        pNode = pNode->GetLastChild();
    }
    return pNode;
}

FwTreeNode* FwTreeNode::GetNextInOrder() const
{
    if (GetFirstChild() != nullptr) {
        return GetFirstChild();
    }
    for (const FwTreeNode* pNode = this; pNode != nullptr; pNode = pNode->GetParent()) {
        if (pNode->GetNextSibling() != nullptr) {
            return pNode->GetNextSibling();
        }
    }
    return nullptr;
}

FwTreeNode* FwTreeNode::GetPrevInOrder() const
{
    FwTreeNode* pPrev = GetPrevSibling();
    if (pPrev != nullptr) {
        FwTreeNode* pLast = pPrev->GetLastDescendant();
        return pLast != nullptr ? pLast : pPrev;
    }
    return GetParent();
}

BOOL FwTreeNode::IsDescendantOf(const FwTreeNode* pNode) const
{
    // The plain links only: every node met is one the tree holds, so nothing needs probing.
    for (const FwTreeNode* pUp = pNode != nullptr ? pNode->m_pParent : nullptr; pUp != nullptr; pUp = pUp->m_pParent) {
        if (pUp == this) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL FwTreeNode::InsertChild(FwTreeNode* pNode, FwTreeNode* pAfter)
{
    if (pNode == nullptr || pNode == this) {
        return FALSE;
    }
    if (m_pFirstChild == nullptr) {
        pNode->Unlink();
        pNode->m_pParent = this;
        m_pFirstChild = pNode;
        return TRUE;
    }
    FwTreeNode* pPrev = nullptr;
    if (pAfter == InsertLast) {
        pPrev = m_pFirstChild->GetLastSibling();
    } else if (pAfter != InsertFirst) {
        if (pAfter->m_pParent != this || pAfter == pNode) {
            return FALSE;
        }
        pPrev = pAfter;
    }
    pNode->Unlink();
    pNode->m_pParent = this;
    if (pPrev == nullptr) {
        pNode->m_pNextSibling = m_pFirstChild;
        m_pFirstChild->m_pPrevSibling = pNode;
        m_pFirstChild = pNode;
    } else {
        pNode->m_pPrevSibling = pPrev;
        pNode->m_pNextSibling = pPrev->m_pNextSibling;
        if (pPrev->m_pNextSibling != nullptr) {
            pPrev->m_pNextSibling->m_pPrevSibling = pNode;
        }
        pPrev->m_pNextSibling = pNode;
    }
    return TRUE;
}

void FwTreeNode::Unlink()
{
    if (m_pPrevSibling != nullptr) {
        m_pPrevSibling->m_pNextSibling = m_pNextSibling;
    }
    if (m_pNextSibling != nullptr) {
        m_pNextSibling->m_pPrevSibling = m_pPrevSibling;
    }
    if (m_pParent != nullptr && m_pParent->m_pFirstChild == this) {
        m_pParent->m_pFirstChild = m_pNextSibling;
    }
    m_pParent = nullptr;
    m_pNextSibling = nullptr;
    m_pPrevSibling = nullptr;
}

void FwTreeNode::DeleteAllChildren()
{
    // Plain links: this also runs from the destructor, where the derived navigation is gone.
    while (m_pFirstChild != nullptr) {
        FwTreeNode* pLeaf = m_pFirstChild;
        while (pLeaf->m_pFirstChild != nullptr) {
            pLeaf = pLeaf->m_pFirstChild;
        }
        pLeaf->Unlink();
        delete pLeaf;
    }
}
