// The base of a frame's bar manager: keeps the frame and answers the dock-state hooks with nothing
// of its own; the tool-bar manager overrides them.
#pragma once

#include <windows.h>

#include "platform/base/Object.h"

class CControlBar;
class CFrameWnd;
class FwControlBarInfo;
class FwControlBarInfoEx;
class FwPersistentNodeOwner;
class FwPersistentTreeNode;

class FwControlBarManager : public CObject
{
    FX_DECLARE_DYNCREATE(FwControlBarManager)

public:
    FwControlBarManager();
    ~FwControlBarManager() override = default;

    virtual BOOL LoadStateFromNode(FwPersistentTreeNode* pParent) { return pParent != nullptr; }
    virtual void LoadState(LPCSTR) {}
    virtual BOOL SaveStateToNode(FwPersistentNodeOwner*, FwPersistentTreeNode* pParent) { return pParent != nullptr; }
    virtual void SaveState(LPCSTR) {}
    virtual DWORD GetBarTypeID(CControlBar*) { return 0; }
    // The extension record for a record of the given type id; owned by the record.
    virtual FwControlBarInfoEx* CreateBarInfo(FwControlBarInfo*) { return nullptr; }
    // A bar the frame lacks, made again from its record; owned by the frame.
    virtual CControlBar* CreateBarFromInfo(FwControlBarInfo*) { return nullptr; }

    CFrameWnd* m_pFrameWnd;
};
