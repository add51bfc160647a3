// The docking layout of a frame with the framework's added bar state, kept in the profile, an
// archive or a settings tree.
#pragma once

#include <windows.h>

#include "platform/frame/ControlBarInfo.h"
#include "platform/frame/DockState.h"

class CFrameWnd;
class CPtrList;
class FwControlBarInfo;
class FwControlBarManager;
class FwPersistentNodeOwner;
class FwPersistentTreeNode;

class FwDockState : public CDockState
{
    FX_DECLARE_SERIAL(FwDockState)

public:
    explicit FwDockState(FwControlBarManager* pBarManager = nullptr);
    ~FwDockState() override = default;

    // Writes child "DockState" of the parent; FALSE without a parent or when that child can't be
    // made (one is there already).
    virtual BOOL SaveToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pParent);
    // FALSE when the parent has no child "DockState".
    virtual BOOL LoadFromNode(FwPersistentTreeNode* pParent);
    // One record per framework bar and dock bar of the frame, in its bar-list order; other bars
    // are left out. FALSE only without a frame.
    virtual BOOL CollectFromFrame(CFrameWnd* pFrame);
    // Bars the frame lacks are made again or dropped; floating frames are made and placed.
    virtual BOOL ApplyToFrame(CFrameWnd* pFrame);
    virtual FwControlBarInfo* CreateBarInfo(FwControlBarManager* pBarManager);
    CControlBarInfo* CreateBarInfo() override;
    // A profile record whose section is missing or damaged stays, naming no bar (id 0).
    BOOL KeepUnreadRecord(CControlBarInfo* pInfo) override;
    // Records that name no bar, or whose bar can't be found or made, are dropped.
    virtual void ResolveBars(CFrameWnd* pFrame);
    // Places and shows the floating frames; every bar that sits in a framework dock bar joins
    // its list of moved bars, redrawn at its next paint.
    virtual void FinishFloatingFrames(CFrameWnd* pFrame);
    // The saved placements of the bars' MDI-child hosts.
    virtual void RestoreMDIChildPlacements(CFrameWnd* pFrame);
    // Made from the stored class name; null when the class is unknown or not creatable.
    virtual CControlBar* CreateBarFromClass(const CString& strClassName, CFrameWnd* pFrame, FwControlBarInfo* pInfo);

    // Before a profile save: drops stale placeholders and repeated ids from the dock bars' rows.
    void CleanBarIDArrays();

    FwControlBarInfo* GetInfo(INT_PTR nIndex) const;

    FwControlBarManager* m_pBarManager;
    CPtrList* m_pCreatedBars;

private:
    // FALSE when the record's floating frame is gone (or was removed for holding nothing).
    BOOL FinishFloatingFrame(FwControlBarInfo* pInfo);
};
