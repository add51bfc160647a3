#include "framework/FwPersistentNodeOwner.h"

#include "framework/FwPersistentTreeNode.h"

FwPersistentNodeOwner::~FwPersistentNodeOwner()
{
    DeleteAll();
}

FwPersistentTreeNode* FwPersistentNodeOwner::CreateNode(CRuntimeClass* pClass)
{
    if (pClass == nullptr || !pClass->IsDerivedFrom(FX_RUNTIME_CLASS(FwPersistentTreeNode))) {
        return nullptr;
    }
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr) {
        return nullptr;
    }
    FwPersistentTreeNode* pNode = static_cast<FwPersistentTreeNode*>(pObject);
    m_nodes.AddTail(pNode);
    return pNode;
}

FwPersistentTreeNode* FwPersistentNodeOwner::AddChild(const CString& strName, FwPersistentTreeNode* pParent,
                                                      CRuntimeClass* pClass)
{
    FwPersistentTreeNode* pNode = CreateNode(pClass != nullptr ? pClass : FX_RUNTIME_CLASS(FwPersistentTreeNode));
    if (pNode == nullptr) {
        return nullptr;
    }
    if (pNode->Initialize(strName, pParent) != FwPtrOk) {
        DeleteNode(pNode);
        return nullptr;
    }
    return pNode;
}

BOOL FwPersistentNodeOwner::DeleteNode(FwPersistentTreeNode* pNode)
{
    POSITION pos = pNode != nullptr ? m_nodes.Find(pNode) : nullptr;
    if (pos == nullptr) {
        return FALSE;
    }
    m_nodes.RemoveAt(pos);
    delete pNode;
    return TRUE;
}

void FwPersistentNodeOwner::DeleteAll()
{
    while (!m_nodes.IsEmpty()) {
        delete static_cast<FwPersistentTreeNode*>(m_nodes.RemoveHead());
    }
}
