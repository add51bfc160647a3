#include "platform/win/CmdTarget.h"

#include "platform/win/CmdUI.h"

// The dispatcher casts each handler back to the type its map entry was checked against.
#pragma GCC diagnostic ignored "-Wcast-function-type"

FX_IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const FX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const FX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, FxSig_end, nullptr}};
    static const FX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const FX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const FX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const FX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID)
{
    const bool bCommand = nMessage == WM_COMMAND || nMessage == WM_NOTIFY;
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const FX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != FxSig_end; ++pEntry) {
            if (pEntry->nMessage != nMessage) {
                continue;
            }
            if (!bCommand) {
                return pEntry;
            }
            if (pEntry->nCode == nCode && nID >= pEntry->nID && nID <= pEntry->nLastID) {
                return pEntry;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    const bool bUpdate = nCode == FX_CN_UPDATE_COMMAND_UI;
    const UINT nMessage = pExtra != nullptr && !bUpdate ? WM_NOTIFY : WM_COMMAND;
    const FX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nMessage, static_cast<UINT>(nCode), nID);
    if (pEntry == nullptr) {
        return FALSE;
    }
    if (pHandlerInfo != nullptr) {
        return TRUE;
    }
    switch (pEntry->nSig) {
    case FxSig_vv:
        (this->*pEntry->pfn)();
        break;
    case FxSig_vRange:
        (this->*reinterpret_cast<void (CCmdTarget::*)(UINT)>(pEntry->pfn))(nID);
        break;
    case FxSig_vCmdUI: {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        if (pCmdUI == nullptr) {
            return FALSE;
        }
        pCmdUI->m_bContinueRouting = FALSE;
        (this->*reinterpret_cast<void (CCmdTarget::*)(CCmdUI*)>(pEntry->pfn))(pCmdUI);
        // The handler passed the update on: the next target gets it too.
        const BOOL bHandled = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        return bHandled;
    }
    case FxSig_vNotify: {
        FX_NOTIFY* pNotify = static_cast<FX_NOTIFY*>(pExtra);
        typedef void (CCmdTarget::*PfnNotify)(NMHDR*, LRESULT*);
        (this->*reinterpret_cast<PfnNotify>(pEntry->pfn))(pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    default:
        return FALSE;
    }
    return TRUE;
}
