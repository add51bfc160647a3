#include "framework/FwLevelTreeNode.h"

WORD FwLevelTreeNode::HiddenLevels() const
{
    // The plain links: the virtual ones come back here.
    const FwTreeNode* pNode = this;
    while (pNode->FwTreeNode::GetParent() != nullptr) {
        pNode = pNode->FwTreeNode::GetParent();
    }
    return pNode->GetHiddenLevels();
}

WORD FwLevelTreeNode::Depth() const
{
    WORD nDepth = 0;
    for (const FwTreeNode* pNode = m_pParent; pNode != nullptr; pNode = pNode->FwTreeNode::GetParent()) {
        ++nDepth;
    }
    return nDepth;
}

FwTreeNode* FwLevelTreeNode::GetParent() const
{
    const WORD nHidden = HiddenLevels();
    if (nHidden != 0 && Depth() == nHidden + 1 && m_pParent != nullptr) {
        return m_pParent->FwTreeNode::GetParent();
    }
    return m_pParent;
}

FwTreeNode* FwLevelTreeNode::GetFirstChild() const
{
    const WORD nHidden = HiddenLevels();
    if (nHidden != 0 && Depth() + 1 == nHidden) {
        for (FwTreeNode* pChild = m_pFirstChild; pChild != nullptr; pChild = pChild->FwTreeNode::GetNextSibling()) {
            if (pChild->FwTreeNode::GetFirstChild() != nullptr) {
                return pChild->FwTreeNode::GetFirstChild();
            }
        }
        return nullptr;
    }
    return m_pFirstChild;
}

FwTreeNode* FwLevelTreeNode::GetNextSibling() const
{
    const WORD nHidden = HiddenLevels();
    if (nHidden != 0 && m_pNextSibling == nullptr && Depth() == nHidden + 1) {
        for (FwTreeNode* pUncle = m_pParent->FwTreeNode::GetNextSibling(); pUncle != nullptr;
             pUncle = pUncle->FwTreeNode::GetNextSibling()) {
            if (pUncle->FwTreeNode::GetFirstChild() != nullptr) {
                return pUncle->FwTreeNode::GetFirstChild();
            }
        }
        return nullptr;
    }
    return m_pNextSibling;
}

FwTreeNode* FwLevelTreeNode::GetPrevSibling() const
{
    const WORD nHidden = HiddenLevels();
    if (nHidden != 0 && m_pPrevSibling == nullptr && Depth() == nHidden + 1) {
        for (FwTreeNode* pUncle = m_pParent->FwTreeNode::GetPrevSibling(); pUncle != nullptr;
             pUncle = pUncle->FwTreeNode::GetPrevSibling()) {
            if (pUncle->FwTreeNode::GetFirstChild() != nullptr) {
                FwTreeNode* pLast = pUncle->FwTreeNode::GetFirstChild();
                while (pLast->FwTreeNode::GetNextSibling() != nullptr) {
                    pLast = pLast->FwTreeNode::GetNextSibling();
                }
                return pLast;
            }
        }
        return nullptr;
    }
    return m_pPrevSibling;
}
