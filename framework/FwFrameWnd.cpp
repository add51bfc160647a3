#include "framework/FwFrameWnd.h"

#include "framework/FwDockBar.h"
#include "framework/FwMDIFrameWnd.h"
#include "framework/FwMiniDockFrameWnd.h"

FX_IMPLEMENT_DYNCREATE(FwFrameWnd, CFrameWnd)

FwFrameWnd::FwFrameWnd()
{
    m_pFloatingFrameClass = FX_RUNTIME_CLASS(FwMiniDockFrameWnd);
}

BOOL FwFrameWnd::RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    CWnd* pAux = m_pAuxWnd;
    if (pAux == nullptr && m_hWnd != nullptr) {
        HWND hTop = ::GetAncestor(m_hWnd, GA_ROOT);
        CWnd* pTop = hTop != m_hWnd ? CWnd::FromHandlePermanent(hTop) : nullptr;
        if (const FwMDIFrameWnd* pMDI = dynamic_cast<const FwMDIFrameWnd*>(pTop)) {
            pAux = pMDI->GetAuxWnd();
        } else if (const FwFrameWnd* pSDI = dynamic_cast<const FwFrameWnd*>(pTop)) {
            pAux = pSDI->GetAuxWnd();
        }
    }
    if (pAux != nullptr && pAux->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    return CFrameWnd::RouteCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void FwFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nRow, int nColumn, float fFraction,
                                  int nLength)
{
    CControlBar* pFound = GetControlBar(nDockBarID);
    if (pBar == nullptr || pFound == nullptr || !pFound->IsKindOf(FX_RUNTIME_CLASS(FwDockBar))) {
        DockControlBar(pBar, nDockBarID);
        return;
    }
    DockAtFraction(pBar, static_cast<CDockBar*>(pFound), nRow, nColumn, fFraction, nLength);
}
