#include "framework/FwDockState.h"

#include "framework/FwControlBar.h"
#include "framework/FwControlBarInfo.h"
#include "framework/FwControlBarManager.h"
#include "framework/FwDialogBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockContext.h"
#include "framework/FwMDIFrameWnd.h"
#include "framework/FwPersistentNodeOwner.h"
#include "framework/FwPersistentTreeNode.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MiniDockFrameWnd.h"

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

CControlBarInfo* FwDockState::CreateBarInfo()
{
    return CreateBarInfo(m_pBarManager);
}

BOOL FwDockState::KeepUnreadRecord(CControlBarInfo* pInfo)
{
    // Every counted record keeps its place in section order; naming no bar, applying drops it.
    pInfo->m_nBarID = 0;
    return TRUE;
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

BOOL FwDockState::CollectFromFrame(CFrameWnd* pFrame)
{
    if (pFrame == nullptr) {
        return FALSE;
    }
    Clear();
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        FwControlBar* pFwBar = dynamic_cast<FwControlBar*>(pBar);
        FwDockBar* pDockBar = dynamic_cast<FwDockBar*>(pBar);
        if ((pFwBar == nullptr && pDockBar == nullptr) || pBar->m_hWnd == nullptr) {
            continue;
        }
        FwControlBarInfo* pInfo = CreateBarInfo(m_pBarManager);
        if (pDockBar != nullptr) {
            pDockBar->FillBarInfo(pInfo);
        } else {
            pFwBar->FillBarInfo(pInfo);
        }
        m_arrBarInfo.Add(pInfo);
    }
    return TRUE;
}

BOOL FwDockState::ApplyToFrame(CFrameWnd* pFrame)
{
    if (pFrame == nullptr) {
        return FALSE;
    }
    ResolveBars(pFrame);
    // Dock bars take their bars first, so each bar's place is set in its new dock bar.
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
            FwControlBarInfo* pInfo = GetInfo(i);
            if (pInfo->m_pBar == nullptr || pInfo->m_bDockBar != (nPass == 0)) {
                continue;
            }
            // A framework bar takes its added state from the record itself.
            pInfo->m_pBar->SetBarInfo(pInfo, pFrame);
        }
    }
    FinishFloatingFrames(pFrame);
    pFrame->RecalcLayout();
    if (pFrame->IsKindOf(FX_RUNTIME_CLASS(FwMDIFrameWnd))) {
        RestoreMDIChildPlacements(pFrame);
        pFrame->DelayRecalcLayout();
    }
    return TRUE;
}

void FwDockState::RestoreMDIChildPlacements(CFrameWnd*)
{
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
        const FwControlBarInfo* pInfo = GetInfo(i);
        // Only a placement read whole (the length it carries) is applied.
        if (!pInfo->m_bMDIChild || pInfo->m_pBar == nullptr || pInfo->m_pBar->m_hWnd == nullptr ||
            pInfo->m_wndPlacement.length != sizeof(WINDOWPLACEMENT)) {
            continue;
        }
        ::SetWindowPlacement(::GetParent(pInfo->m_pBar->m_hWnd), &pInfo->m_wndPlacement);
    }
}

void FwDockState::ResolveBars(CFrameWnd* pFrame)
{
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize();) {
        FwControlBarInfo* pInfo = GetInfo(i);
        pInfo->m_pBar = nullptr;
        if (pInfo->m_nBarID == 0) {
            // A record that names no bar (a missing or damaged section) stands for nothing.
        } else if (pInfo->m_bFloating) {
            // Only a dock bar floats with a frame of its own; a floating plain bar sits in one.
            const DWORD dwAlign = pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
            FwMDIFrameWnd* pMDIFrame = dynamic_cast<FwMDIFrameWnd*>(pFrame);
            if (pInfo->m_bDockBar && pInfo->m_bMDIChild && pMDIFrame != nullptr) {
                // Floated in the main window: the host is an MDI child of the frame.
                CDockBar* pHostDockBar = FwMDIFrameWnd::GetHostDockBar(pMDIFrame->CreateControlBarMDIChild(dwAlign));
                if (pHostDockBar != nullptr) {
                    pInfo->m_pBar = pHostDockBar;
                    pInfo->m_pBar->m_pDockBar = nullptr;
                }
            } else if (pInfo->m_bDockBar) {
                CMiniDockFrameWnd* pMini = pFrame->CreateFloatingFrame(dwAlign);
                if (pMini != nullptr) {
                    pInfo->m_pBar = pMini->GetDockBar();
                    pInfo->m_pBar->m_pDockBar = nullptr;
                }
            }
        } else {
            CControlBar* pBar = pFrame->GetControlBar(pInfo->m_nBarID);
            // A stored dock bar never stands for a plain bar, nor the other way round.
            if (pBar != nullptr && pBar->IsDockBar() != pInfo->m_bDockBar) {
                pBar = nullptr;
            }
            if (pBar == nullptr && !pInfo->m_bDockBar && m_pBarManager != nullptr) {
                pBar = m_pBarManager->CreateBarFromInfo(pInfo);
            }
            if (pBar == nullptr && !pInfo->m_bDockBar && !pInfo->m_strClassName.IsEmpty()) {
                pBar = CreateBarFromClass(pInfo->m_strClassName, pFrame, pInfo);
            }
            pInfo->m_pBar = pBar;
        }
        if (pInfo->m_pBar == nullptr) {
            m_arrBarInfo.RemoveAt(i);
            delete pInfo;
            continue;
        }
        ++i;
    }
}

CControlBar* FwDockState::CreateBarFromClass(const CString& strClassName, CFrameWnd* pFrame, FwControlBarInfo* pInfo)
{
    const CRuntimeClass* pClass = CRuntimeClass::FromName(strClassName);
    if (pClass == nullptr || pClass->m_pfnCreateObject == nullptr) {
        return nullptr;
    }
    CObject* pObject = pClass->CreateObject();
    FwControlBar* pBar = dynamic_cast<FwControlBar*>(pObject);
    if (pBar == nullptr) {
        delete pObject;
        return nullptr;
    }
    const DWORD dwStyle = pInfo->m_dwStyle != 0 ? pInfo->m_dwStyle : (WS_CHILD | CBRS_BOTTOM);
    // A dialog bar is made from its template again; one without a numbered template cannot be.
    FwDialogBar* pDialogBar = dynamic_cast<FwDialogBar*>(pBar);
    const BOOL bCreated =
        pDialogBar != nullptr
            ? pInfo->m_nResourceID != 0 &&
                  pDialogBar->Create(pFrame, pInfo->m_nResourceID, dwStyle, pInfo->m_dwExStyle, pInfo->m_nBarID)
            : pBar->Create(pFrame, pInfo->m_strWindowName, dwStyle | WS_CHILD, pInfo->m_dwExStyle, pInfo->m_nBarID);
    if (!bCreated) {
        delete pBar;
        return nullptr;
    }
    if (m_pCreatedBars != nullptr) {
        m_pCreatedBars->AddTail(pBar);
    }
    pBar->SetWindowText(pInfo->m_strWindowName);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}

void FwDockState::FinishFloatingFrames(CFrameWnd*)
{
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
        FwControlBarInfo* pInfo = GetInfo(i);
        CControlBar* pBar = pInfo->m_pBar;
        if (pBar == nullptr) {
            continue;
        }
        FwControlBar* pFwBar = dynamic_cast<FwControlBar*>(pBar);
        if (pFwBar != nullptr) {
            pFwBar->SetExtendedStyle(pInfo->m_dwExStyle, FALSE);
        }
        if (pInfo->m_bFloating && !FinishFloatingFrame(pInfo)) {
            continue;
        }
        // Its dock bar redraws it whole at its next paint: the layout moved it without redrawing.
        FwDockBar* pFwDockBar = dynamic_cast<FwDockBar*>(pBar->m_pDockBar);
        if (pFwDockBar != nullptr) {
            pFwDockBar->ForgetMovedBar(pBar);
            pFwDockBar->m_arrMoved.Add(pBar);
        }
    }
}

BOOL FwDockState::FinishFloatingFrame(FwControlBarInfo* pInfo)
{
    CDockBar* pDockBar = static_cast<CDockBar*>(pInfo->m_pBar);
    CWnd* pMini = CWnd::FromHandlePermanent(::GetParent(pDockBar->m_hWnd));
    if (pMini == nullptr) {
        return FALSE;
    }
    // The stored point is where the frame's dock bar (its client area) starts on the screen; the
    // frame's own rectangle is grown around it from its current styles.
    CRect rcFrame(pInfo->m_pointPos, CSize(10, 10));
    ::AdjustWindowRectEx(&rcFrame, static_cast<DWORD>(::GetWindowLongA(pMini->m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(pMini->m_hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(pMini->m_hWnd, nullptr, rcFrame.left, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pDockBar->GetDockedVisibleCount() > 0) {
        CFrameWnd* pMiniFrame = dynamic_cast<CFrameWnd*>(pMini);
        if (pMiniFrame != nullptr) {
            pMiniFrame->RecalcLayout();
        }
        pMini->ShowWindow(SW_SHOWNA);
    } else if (pDockBar->GetDockedCount() == 0) {
        // Nothing came back into it: no empty floating frame is left behind.
        pMini->DestroyWindow();
        pInfo->m_pBar = nullptr;
        return FALSE;
    }
    return TRUE;
}
