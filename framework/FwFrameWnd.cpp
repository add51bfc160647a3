#include "framework/FwFrameWnd.h"

#include "framework/FwControlBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockState.h"
#include "framework/FwMiniDockFrameWnd.h"
#include "framework/FwSystemColors.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_DYNCREATE(FwFrameWnd, CFrameWnd)

namespace
{
struct SideDef
{
    UINT nID;
    DWORD dwStyle;
};
// The order the platform lays its dock bars in.
const SideDef sideDefs[4] = {
    {FX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {FX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
    {FX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {FX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
};
} // namespace

FwFrameWnd::FwFrameWnd() : m_pDockBarClass(FX_RUNTIME_CLASS(FwDockBar)), m_pMenuBar(nullptr)
{
    m_pFloatingFrameClass = FX_RUNTIME_CLASS(FwMiniDockFrameWnd);
}

FwFrameWnd::~FwFrameWnd()
{
    for (POSITION pos = m_listOwnedObjects.GetHeadPosition(); pos != nullptr;) {
        CObject* pObject = static_cast<CObject*>(m_listOwnedObjects.GetNext(pos));
        CWnd* pWnd = dynamic_cast<CWnd*>(pObject);
        // A bar still alive is unhooked by its own destruction before it goes.
        if (pWnd != nullptr && ::IsWindow(pWnd->m_hWnd)) {
            pWnd->DestroyWindow();
        }
        delete pObject;
    }
    m_listOwnedObjects.RemoveAll();
}

void FwFrameWnd::SaveBarState(LPCSTR lpszProfileName)
{
    FwDockState state;
    if (state.CollectFromFrame(this)) {
        state.CleanBarIDArrays();
        state.SaveState(lpszProfileName);
    }
}

void FwFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    FwDockState state;
    state.m_pCreatedBars = &m_listOwnedObjects;
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == nullptr) {
        pApp->m_pMainWnd = this;
    }
    state.LoadState(lpszProfileName);
    state.ApplyToFrame(this);
}

void FwFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const SideDef& def : sideDefs) {
        if ((dwDockStyle & def.dwStyle) == 0 || GetControlBar(def.nID) != nullptr) {
            continue;
        }
        CObject* pObject = m_pDockBarClass != nullptr ? m_pDockBarClass->CreateObject() : nullptr;
        if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CDockBar))) {
            delete pObject;
            continue;
        }
        CDockBar* pDockBar = static_cast<CDockBar*>(pObject);
        pDockBar->m_bAutoDelete = TRUE;
        // No border bits: the rows draw their own edges and sizers.
        if (!pDockBar->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | def.dwStyle, def.nID)) {
            delete pDockBar;
        }
    }
    // The platform's docking adds nothing now that the sides exist; it names the floating class.
    CFrameWnd::EnableDocking(dwDockStyle);
}

void FwFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nRow, int nColumn, float fFraction,
                                  int nLength)
{
    CControlBar* pFound = GetControlBar(nDockBarID);
    if (pBar == nullptr || pFound == nullptr || !pFound->IsKindOf(FX_RUNTIME_CLASS(FwDockBar))) {
        DockControlBar(pBar, nDockBarID);
        return;
    }
    FwDockBar* pDockBar = static_cast<FwDockBar*>(pFound);
    if (pBar->IsKindOf(FX_RUNTIME_CLASS(FwControlBar))) {
        FwControlBar* pFw = static_cast<FwControlBar*>(pBar);
        pFw->m_fWidthFraction = fFraction;
        if (nLength > 0) {
            if ((pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0) {
                pFw->m_szHorz.cy = nLength;
            } else {
                pFw->m_szVert.cx = nLength;
            }
        }
    }
    pDockBar->DockControlBarAt(pBar, nRow, nColumn, 0);
}

void FwFrameWnd::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
    // Bars moved by the layout are redrawn with their dock bar.
    for (const SideDef& def : sideDefs) {
        CControlBar* pFound = GetControlBar(def.nID);
        if (pFound != nullptr && pFound->IsKindOf(FX_RUNTIME_CLASS(FwDockBar))) {
            static_cast<FwDockBar*>(pFound)->RepaintMovedBars();
        }
    }
}

LRESULT FwFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOLORCHANGE) {
        FwGetSystemColors().UpdateSysColors();
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
