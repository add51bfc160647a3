#include "framework/FwMDIFrameWnd.h"

#include "framework/FwControlBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockState.h"
#include "framework/FwMiniDockFrameWnd.h"
#include "framework/FwSystemColors.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_DYNCREATE(FwMDIFrameWnd, CMDIFrameWnd)

namespace
{
struct SideDef
{
    UINT nID;
    DWORD dwStyle;
};
const SideDef sideDefs[4] = {
    {FX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {FX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
    {FX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {FX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
};
} // namespace

FwMDIFrameWnd::FwMDIFrameWnd() : m_pDockBarClass(nullptr), m_pToolBarManager(nullptr)
{
}

FwMDIFrameWnd::~FwMDIFrameWnd()
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

void FwMDIFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    if (m_pDockBarClass == nullptr) {
        m_pDockBarClass = FX_RUNTIME_CLASS(FwDockBar);
    }
    if (m_pFloatingFrameClass == nullptr || m_pFloatingFrameClass == FX_RUNTIME_CLASS(CMiniDockFrameWnd)) {
        m_pFloatingFrameClass = FX_RUNTIME_CLASS(FwMiniDockFrameWnd);
    }
    for (const SideDef& def : sideDefs) {
        if ((dwDockStyle & def.dwStyle) == 0 || GetControlBar(def.nID) != nullptr) {
            continue;
        }
        CObject* pObject = m_pDockBarClass->CreateObject();
        if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CDockBar))) {
            delete pObject;
            continue;
        }
        CDockBar* pDockBar = static_cast<CDockBar*>(pObject);
        pDockBar->m_bAutoDelete = TRUE;
        if (!pDockBar->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | def.dwStyle, def.nID)) {
            delete pDockBar;
        }
    }
    // The platform's docking adds nothing now that the sides exist; the floating class stays ours.
    CRuntimeClass* pFloating = m_pFloatingFrameClass;
    CFrameWnd::EnableDocking(dwDockStyle);
    m_pFloatingFrameClass = pFloating;
}

void FwMDIFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth,
                                     int nHeight)
{
    if (pBar == nullptr) {
        return;
    }
    FwControlBar* pFw = dynamic_cast<FwControlBar*>(pBar);
    if (pFw != nullptr) {
        pFw->OnBeforeDock();
    }
    CControlBar* pFound = nDockBarID != 0 ? GetControlBar(nDockBarID) : nullptr;
    if (pFound == nullptr) {
        for (const SideDef& def : sideDefs) {
            if ((pBar->GetBarStyle() & def.dwStyle) != 0 && GetControlBar(def.nID) != nullptr) {
                pFound = GetControlBar(def.nID);
                break;
            }
        }
    }
    FwDockBar* pDockBar = dynamic_cast<FwDockBar*>(pFound);
    if (pDockBar == nullptr) {
        DockControlBar(pBar, nDockBarID);
    } else {
        if (pFw != nullptr) {
            pFw->m_fWidthFraction = fPctWidth;
            if (nHeight > 0) {
                if ((pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0) {
                    pFw->m_szHorz.cy = nHeight;
                } else {
                    pFw->m_szVert.cx = nHeight;
                }
            }
        }
        pDockBar->DockControlBarAt(pBar, nRow, nCol, 0);
    }
    if (pFw != nullptr) {
        pFw->OnAfterDock();
    }
}

void FwMDIFrameWnd::SaveBarState(LPCSTR lpszProfileName)
{
    FwDockState state(m_pToolBarManager);
    if (state.CollectFromFrame(this)) {
        state.CleanBarIDArrays();
        state.SaveState(lpszProfileName);
    }
}

void FwMDIFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    FwDockState state(m_pToolBarManager);
    state.m_pCreatedBars = &m_listOwnedObjects;
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == nullptr) {
        pApp->m_pMainWnd = this;
    }
    state.LoadState(lpszProfileName);
    state.ApplyToFrame(this);
}

void FwMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    CMDIFrameWnd::RecalcLayout(bNotify);
    for (const SideDef& def : sideDefs) {
        FwDockBar* pDockBar = dynamic_cast<FwDockBar*>(GetControlBar(def.nID));
        if (pDockBar != nullptr) {
            pDockBar->RepaintMovedBars();
        }
    }
}

LRESULT FwMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOLORCHANGE) {
        FwGetSystemColors().UpdateSysColors();
    }
    return CMDIFrameWnd::WindowProc(message, wParam, lParam);
}
