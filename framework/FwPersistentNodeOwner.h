// Owns the settings nodes created through it and deletes them when it goes.
#pragma once

#include <windows.h>

#include "platform/base/Object.h"
#include "platform/base/PtrList.h"
#include "platform/base/String.h"

class FwPersistentTreeNode;

class FwPersistentNodeOwner
{
public:
    FwPersistentNodeOwner() = default;
    virtual ~FwPersistentNodeOwner();
    FwPersistentNodeOwner(const FwPersistentNodeOwner&) = delete;
    FwPersistentNodeOwner& operator=(const FwPersistentNodeOwner&) = delete;

    // Null when the class can't be created or is no settings node.
    FwPersistentTreeNode* CreateNode(CRuntimeClass* pClass);
    // A node initialised with the name and parent; null (nothing kept) when initialising fails.
    FwPersistentTreeNode* AddChild(const CString& strName, FwPersistentTreeNode* pParent,
                                   CRuntimeClass* pClass = nullptr);
    BOOL DeleteNode(FwPersistentTreeNode* pNode);
    void DeleteAll();

private:
    CPtrList m_nodes;
};
