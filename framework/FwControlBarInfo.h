// The saved state of one bar: the platform's record plus the sizes, styles, fraction and MDI-child
// placement of the framework's bars, in the profile, an archive or a settings tree.
#pragma once

#include <windows.h>

#include "platform/base/Size.h"
#include "platform/base/String.h"
#include "platform/frame/ControlBarInfo.h"
#include "platform/frame/DockState.h"

class FwControlBarInfoEx;
class FwControlBarManager;
class FwDockState;
class FwPersistentNodeOwner;
class FwPersistentTreeNode;

class FwControlBarInfo : public CControlBarInfo
{
public:
    explicit FwControlBarInfo(FwControlBarManager* pBarManager = nullptr);
    ~FwControlBarInfo() override;
    FwControlBarInfo(const FwControlBarInfo&) = delete;
    FwControlBarInfo& operator=(const FwControlBarInfo&) = delete;

    virtual BOOL LoadFromNode(FwPersistentTreeNode* pNode, FwDockState* pDockState);
    // FALSE when the platform part is missing or damaged; the added keys are then not read.
    BOOL LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState) override;
    // FALSE, writing nothing, for an empty docked dock bar or without a parent.
    virtual BOOL SaveToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pParent, int nIndex);
    BOOL SaveState(LPCSTR lpszProfileName, int nIndex) override;
    // The platform's values, then the added ones.
    void SaveValues(CBarInfoStore& store) override;
    BOOL LoadValues(CBarInfoStore& store, CDockState* pDockState) override;
    virtual BOOL LoadBaseFromNode(FwPersistentTreeNode* pNode, FwDockState* pDockState);
    virtual BOOL LoadAddedFromNode(FwPersistentTreeNode* pNode);
    virtual BOOL SaveBaseToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pNode);
    virtual BOOL SaveAddedToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pNode);

    // The empty dock bar along the frame's side that no form keeps.
    BOOL IsEmptyDockedDockBar() const;
    // Replaces the extension record (owned).
    void SetInfoEx(FwControlBarInfoEx* pInfoEx);

    CSize m_szHorzDock;
    CSize m_szVertDock;
    CSize m_szFloat;
    DWORD m_dwMRUDockingState;
    DWORD m_dwDockStyle;
    float m_fWidthFraction;
    DWORD m_dwStyle;
    DWORD m_dwExStyle;
    BOOL m_bPrevFloating;
    BOOL m_bMDIChild;
    WINDOWPLACEMENT m_wndPlacement;
    CString m_strClassName;
    CString m_strWindowName;
    UINT m_nResourceID;
    FwControlBarInfoEx* m_pInfoEx;
    DWORD m_dwTypeID;
    FwControlBarManager* m_pBarManager;

    // The fraction's stored text: millionths, truncated.
    static CString FractionToText(float fFraction);
    // Negative texts give 0.0.
    static float FractionFromText(const CString& strText);

protected:
    // The added fields and the extension record.
    void SerializeExtra(CArchive& ar, CDockState* pDockState) override;

private:
    void AskManagerForInfoEx();
    void SaveAddedValues(CBarInfoStore& store);
    void LoadAddedValues(CBarInfoStore& store);
};
