// The base of the per-bar extra state a bar manager keeps in a saved layout record.
#pragma once

#include <windows.h>

#include "platform/base/Object.h"

class CArchive;
class FwDockState;
class FwPersistentNodeOwner;
class FwPersistentTreeNode;

class FwControlBarInfoEx : public CObject
{
    FX_DECLARE_DYNCREATE(FwControlBarInfoEx)

public:
    FwControlBarInfoEx() = default;
    ~FwControlBarInfoEx() override = default;

    using CObject::Serialize;
    virtual void Serialize(CArchive&, FwDockState*) {}
    virtual BOOL LoadFromNode(FwPersistentTreeNode* pNode) { return pNode != nullptr; }
    virtual BOOL LoadState(LPCSTR, FwDockState*) { return FALSE; }
    virtual BOOL SaveToNode(FwPersistentNodeOwner*, FwPersistentTreeNode* pNode) { return pNode != nullptr; }
    virtual BOOL SaveState(LPCSTR) { return FALSE; }
};
