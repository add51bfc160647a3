#include "framework/FwMDIFrameWnd.h"

#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwControlBar.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockState.h"
#include "framework/FwMenuBar.h"
#include "framework/FwMiniDockFrameWnd.h"
#include "framework/FwSystemColors.h"
#include "framework/FwToolBarManager.h"
#include "platform/frame/MDIChildWnd.h"
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

FwMDIFrameWnd::FwMDIFrameWnd()
    : m_pDockBarClass(nullptr), m_pToolBarManager(nullptr), m_pMenuBar(nullptr), m_pPlugIn(nullptr), m_bBmpMenus(FALSE),
      m_bBmpMenus2(FALSE)
{
}

FwMDIFrameWnd::~FwMDIFrameWnd()
{
    DeletePlugIn();
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

void FwMDIFrameWnd::EnableBmpMenus(BOOL bBmpMenus, BOOL bSecond)
{
    m_bBmpMenus = bBmpMenus;
    m_bBmpMenus2 = bSecond;
}

void FwMDIFrameWnd::CreatePlugIn()
{
    DeletePlugIn();
    FwBmpMenuPlugIn* pPlugIn = nullptr;
    if (m_pMenuBar != nullptr) {
        pPlugIn = new FwMenuBarFeature(m_pMenuBar);
    } else if (m_bBmpMenus) {
        pPlugIn = new FwBmpMenuPlugIn(TRUE);
    }
    if (pPlugIn == nullptr) {
        return;
    }
    pPlugIn->Attach(this);
    FwToolBarManager* pManager = dynamic_cast<FwToolBarManager*>(m_pToolBarManager);
    if (m_bBmpMenus && pManager != nullptr) {
        pPlugIn->SetBmpMgr(pManager->GetBmpMgr());
    }
    m_pPlugIn = pPlugIn;
}

void FwMDIFrameWnd::DeletePlugIn()
{
    FwWndPlugIn* pPlugIn = m_pPlugIn;
    m_pPlugIn = nullptr;
    delete pPlugIn;
}

void FwMDIFrameWnd::SetMenuBarMenu(UINT nMenuID)
{
    FwMenuBarFeature* pFeature = dynamic_cast<FwMenuBarFeature*>(m_pPlugIn);
    if (m_pMenuBar == nullptr || pFeature == nullptr) {
        return;
    }
    if (nMenuID == 0 || nMenuID == static_cast<UINT>(-1)) {
        nMenuID = GetResourceID();
    }
    pFeature->SwitchMenu(nMenuID);
}

void FwMDIFrameWnd::OnIdleUpdateCmdUI()
{
    CMDIFrameWnd::OnIdleUpdateCmdUI();
    if (m_pMenuBar == nullptr || m_pMenuBar->m_hWnd == nullptr) {
        return;
    }
    // The menu bar stands in for the window menu, which MDI activation would bring back.
    if (::GetMenu(m_hWnd) != nullptr) {
        ::SetMenu(m_hWnd, nullptr);
    }
    CMDIChildWnd* pChild = MDIGetActive();
    UINT nMenuID = pChild != nullptr ? pChild->GetResourceID() : GetResourceID();
    if (m_pMenuBar->GetMenuMask(nMenuID) == 0) {
        nMenuID = GetResourceID();
    }
    if (nMenuID != m_pMenuBar->GetShownMenu()) {
        SetMenuBarMenu(nMenuID);
    }
    if (FwMDIMenuBar* pMDIBar = dynamic_cast<FwMDIMenuBar*>(m_pMenuBar)) {
        if (pMDIBar->UpdateChildButtons()) {
            DelayRecalcLayout();
        }
    }
}

LRESULT FwMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOLORCHANGE) {
        FwGetSystemColors().UpdateSysColors();
        // The bars are children and hear of the change only from here.
        if (FwToolBarManager* pManager = dynamic_cast<FwToolBarManager*>(m_pToolBarManager)) {
            CPtrArray bars;
            pManager->GetToolBars(bars);
            for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
                ::SendMessageA(static_cast<FwCustomToolBar*>(bars[i])->m_hWnd, WM_SYSCOLORCHANGE, 0, 0);
            }
        }
    }
    // The plug-in sees every message first and may answer it.
    if (m_pPlugIn != nullptr && m_pPlugIn->IsAttached()) {
        LRESULT lResult = 0;
        if (m_pPlugIn->OfferMessage(message, wParam, lParam, &lResult)) {
            return lResult;
        }
    }
    switch (message) {
    case WM_CREATE: {
        const LRESULT lResult = CMDIFrameWnd::WindowProc(message, wParam, lParam);
        if (lResult != -1) {
            CreatePlugIn();
            if (m_pMenuBar != nullptr) {
                ::SetMenu(m_hWnd, nullptr);
            }
        }
        return lResult;
    }
    case WM_DESTROY:
        DeletePlugIn();
        break;
    case WM_INITMENUPOPUP: {
        const LRESULT lResult = CMDIFrameWnd::WindowProc(message, wParam, lParam);
        FwBmpMenuPlugIn* pBmp = dynamic_cast<FwBmpMenuPlugIn*>(m_pPlugIn);
        if (m_bBmpMenus && pBmp != nullptr && HIWORD(lParam) == 0) {
            pBmp->ConvertPopup(reinterpret_cast<HMENU>(wParam));
        }
        return lResult;
    }
    default:
        break;
    }
    return CMDIFrameWnd::WindowProc(message, wParam, lParam);
}
