// The saved title and buttons (command id, extra bytes) of a custom tool bar.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/FwControlBarInfoEx.h"
#include "platform/base/PtrArray.h"
#include "platform/base/String.h"

class FwCustomToolBarInfoEx : public FwControlBarInfoEx
{
    FX_DECLARE_DYNCREATE(FwCustomToolBarInfoEx)

public:
    struct ButtonRecord
    {
        UINT nID;
        std::vector<BYTE> extra;
    };

    FwCustomToolBarInfoEx() = default;
    ~FwCustomToolBarInfoEx() override;
    FwCustomToolBarInfoEx(const FwCustomToolBarInfoEx&) = delete;
    FwCustomToolBarInfoEx& operator=(const FwCustomToolBarInfoEx&) = delete;

    void Serialize(CArchive& ar, FwDockState* pDockState) override;
    BOOL LoadFromNode(FwPersistentTreeNode* pNode) override;
    BOOL LoadState(LPCSTR lpszSection, FwDockState* pDockState) override;
    BOOL SaveToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pNode) override;
    BOOL SaveState(LPCSTR lpszSection) override;

    void AddButton(UINT nID, const BYTE* pExtra, int nExtra);
    void RemoveAllButtons();
    int GetButtonCount() const { return static_cast<int>(m_arrButtons.GetSize()); }
    const ButtonRecord* GetButton(int nIndex) const { return static_cast<const ButtonRecord*>(m_arrButtons[nIndex]); }
    // The "Buttons" bytes; FALSE (records unchanged) when a record runs past the end.
    BOOL ReadButtonBytes(const BYTE* pData, UINT nCount);
    void WriteButtonBytes(std::vector<BYTE>& bytes) const;

    CString m_strTitle;
    CPtrArray m_arrButtons;
    // FALSE when the stored buttons were damaged: the bar keeps the buttons it has.
    BOOL m_bButtonsValid = TRUE;
};
