#include "framework/FwDockState.h"

#include "framework/FwControlBarInfo.h"
#include "framework/FwPersistentTreeNode.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_SERIAL(FwDockState, CDockState, 0)

namespace
{
// Placeholder of a hidden bar in a dock bar's row.
const DWORD kPlaceholder = 0x10000;
} // namespace

FwDockState::FwDockState(FwControlBarManager* pBarManager) : m_pBarManager(pBarManager), m_pCreatedBars(nullptr)
{
}

FwControlBarInfo* FwDockState::GetInfo(INT_PTR nIndex) const
{
    return static_cast<FwControlBarInfo*>(m_arrBarInfo[nIndex]);
}

FwControlBarInfo* FwDockState::CreateBarInfo(FwControlBarManager* pBarManager)
{
    return new FwControlBarInfo(pBarManager);
}

void FwDockState::SaveState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return;
    }
    int nIndex = 0;
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
        if (GetInfo(i)->SaveState(lpszProfileName, nIndex)) {
            ++nIndex;
        }
    }
    CString strSection;
    strSection.Format("%s-Summary", lpszProfileName);
    const CSize sizeScreen = GetScreenSize();
    pApp->WriteProfileInt(strSection, "Bars", nIndex);
    pApp->WriteProfileInt(strSection, "ScreenCX", sizeScreen.cx);
    pApp->WriteProfileInt(strSection, "ScreenCY", sizeScreen.cy);
}

void FwDockState::LoadState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return;
    }
    CString strSection;
    strSection.Format("%s-Summary", lpszProfileName);
    const int nBars = static_cast<int>(pApp->GetProfileInt(strSection, "Bars", 0));
    const int cx = static_cast<int>(pApp->GetProfileInt(strSection, "ScreenCX", 0));
    const int cy = static_cast<int>(pApp->GetProfileInt(strSection, "ScreenCY", 0));
    SetScreenSize(CSize(cx, cy));
    // An impossible count means a damaged state: none of it is trusted.
    if (nBars < 0 || nBars > kMaxBars) {
        return;
    }
    for (int i = 0; i < nBars; ++i) {
        FwControlBarInfo* pInfo = CreateBarInfo(m_pBarManager);
        if (pInfo->LoadState(lpszProfileName, i, this)) {
            m_arrBarInfo.Add(pInfo);
        } else {
            delete pInfo;
        }
    }
}

BOOL FwDockState::SaveToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pParent)
{
    if (pOwner == nullptr || pParent == nullptr) {
        return FALSE;
    }
    FwPersistentTreeNode* pNode = pOwner->AddChild("DockState", pParent);
    if (pNode == nullptr) {
        return FALSE;
    }
    int nIndex = 0;
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
        if (GetInfo(i)->SaveToNode(&pNode->GetNodeOwner(), pNode, nIndex)) {
            ++nIndex;
        }
    }
    const CSize sizeScreen = GetScreenSize();
    pNode->SetInt("Bars", nIndex, TRUE);
    pNode->SetInt("ScreenCX", sizeScreen.cx, TRUE);
    pNode->SetInt("ScreenCY", sizeScreen.cy, TRUE);
    return TRUE;
}

BOOL FwDockState::LoadFromNode(FwPersistentTreeNode* pParent)
{
    if (pParent == nullptr) {
        return FALSE;
    }
    FwPersistentTreeNode* pNode = pParent->FindChild("DockState");
    if (pNode == nullptr) {
        return FALSE;
    }
    int nBars = 0;
    int cx = 0;
    int cy = 0;
    pNode->GetInt("Bars", nBars, 0);
    pNode->GetInt("ScreenCX", cx, 0);
    pNode->GetInt("ScreenCY", cy, 0);
    SetScreenSize(CSize(cx, cy));
    if (nBars > kMaxBars) {
        nBars = kMaxBars;
    }
    for (int i = 0; i < nBars; ++i) {
        CString strName;
        strName.Format("Bar-%d", i);
        FwPersistentTreeNode* pBarNode = pNode->FindChild(strName);
        if (pBarNode == nullptr) {
            continue;
        }
        FwControlBarInfo* pInfo = CreateBarInfo(m_pBarManager);
        if (pInfo->LoadFromNode(pBarNode, this)) {
            m_arrBarInfo.Add(pInfo);
        } else {
            delete pInfo;
        }
    }
    return TRUE;
}

void FwDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_dwVersion;
        if (m_dwVersion > 1) {
            const CSize sizeScreen = GetScreenSize();
            ar << static_cast<int>(sizeScreen.cx) << static_cast<int>(sizeScreen.cy);
        }
        ar << static_cast<WORD>(m_arrBarInfo.GetSize());
        for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
            GetInfo(i)->Serialize(ar, this);
        }
        return;
    }
    Clear();
    ar >> m_dwVersion;
    if (m_dwVersion > 1) {
        int cx = 0;
        int cy = 0;
        ar >> cx >> cy;
        SetScreenSize(CSize(cx, cy));
    }
    WORD wCount = 0;
    ar >> wCount;
    if (wCount > kMaxBars) {
        m_dwVersion = 2;
        CArchiveException::Throw(CArchiveException::badIndex);
    }
    for (WORD i = 0; i < wCount; ++i) {
        FwControlBarInfo* pInfo = CreateBarInfo(m_pBarManager);
        try {
            pInfo->Serialize(ar, this);
        } catch (...) {
            // The records read so far stay; the broken one goes.
            delete pInfo;
            m_dwVersion = 2;
            throw;
        }
        m_arrBarInfo.Add(pInfo);
    }
    m_dwVersion = 2;
}

void FwDockState::CleanBarIDArrays()
{
    const INT_PTR nInfos = m_arrBarInfo.GetSize();
    // A hidden bar's placeholder survives only in the dock bar it last docked to.
    for (INT_PTR a = 0; a < nInfos; ++a) {
        const FwControlBarInfo* pA = GetInfo(a);
        for (INT_PTR b = 0; b < nInfos; ++b) {
            FwControlBarInfo* pB = GetInfo(b);
            if (b == a || pA->m_uMRUDockID == pB->m_nBarID) {
                continue;
            }
            const DWORD dwPlaceholder = pA->m_nBarID + kPlaceholder;
            for (INT_PTR i = 0; i + 1 < pB->m_arrBarID.GetSize(); ++i) {
                if (pB->m_arrBarID[i] == dwPlaceholder) {
                    pB->m_arrBarID[i] = 0;
                }
            }
        }
    }
    for (INT_PTR n = 0; n < nInfos; ++n) {
        CDWordArray& ids = GetInfo(n)->m_arrBarID;
        // Each id once per dock bar: its first place wins.
        for (INT_PTR i = 0; i + 1 < ids.GetSize(); ++i) {
            if (ids[i] == 0) {
                continue;
            }
            for (INT_PTR j = i + 1; j < ids.GetSize(); ++j) {
                if (ids[j] == ids[i]) {
                    ids[j] = 0;
                }
            }
        }
        INT_PTR nSize = ids.GetSize();
        while (nSize > 0 && ids[nSize - 1] == 0) {
            --nSize;
        }
        ids.SetSize(nSize);
        if (nSize > 0) {
            ids.Add(0);
        }
    }
}
