#include "framework/FwFrameWnd.h"

#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwControlBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockState.h"
#include "framework/FwMDIFrameWnd.h"
#include "framework/FwMenuBar.h"
#include "framework/FwMiniDockFrameWnd.h"
#include "framework/FwSystemColors.h"
#include "framework/FwToolBarManager.h"
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
// Workspace commands the frame claims without doing anything.
const UINT kFirstWorkspaceCmd = 0xA817;
const UINT kLastWorkspaceCmd = 0xA81F;
} // namespace

FwFrameWnd::FwFrameWnd()
    : m_pDockBarClass(FX_RUNTIME_CLASS(FwDockBar)), m_pMenuBar(nullptr), m_pToolBarManager(nullptr), m_pPlugIn(nullptr),
      m_bBmpMenus(FALSE), m_bBmpMenus2(FALSE), m_nIDHelp(0), m_nCurMenuID(0), m_pAuxWnd(nullptr)
{
    m_pFloatingFrameClass = FX_RUNTIME_CLASS(FwMiniDockFrameWnd);
}

FwFrameWnd::~FwFrameWnd()
{
    DeletePlugIn();
    if (m_pAuxWnd != nullptr) {
        if (::IsWindow(m_pAuxWnd->m_hWnd)) {
            m_pAuxWnd->DestroyWindow();
        }
        delete m_pAuxWnd;
        m_pAuxWnd = nullptr;
    }
    m_hMenuFrame.DestroyMenu();
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

BOOL FwFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    m_nCurMenuID = nIDResource;
    HACCEL hAccel = m_hAccelTable;
    // The platform gives the window a menu only when a menu resource of that id exists.
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) {
        return FALSE;
    }
    if (hAccel != nullptr) {
        m_hAccelTable = hAccel;
    }
    if (m_pMenuBar != nullptr) {
        HMENU hMenu = ::GetMenu(m_hWnd);
        if (hMenu != nullptr) {
            ::SetMenu(m_hWnd, nullptr);
        } else if (m_hMenuDefault != nullptr && ::IsMenu(m_hMenuDefault)) {
            hMenu = m_hMenuDefault;
        }
        m_hMenuFrame.DestroyMenu();
        m_hMenuFrame.Attach(hMenu);
        m_hMenuDefault = nullptr;
        if (FwMenuBarFeature* pFeature = dynamic_cast<FwMenuBarFeature*>(m_pPlugIn)) {
            pFeature->SwitchMenu(m_nCurMenuID);
        }
    }
    return TRUE;
}

HMENU FwFrameWnd::GetMenuForID(UINT nMenuID)
{
    return nMenuID == m_nCurMenuID ? m_hMenuFrame.m_hMenu : nullptr;
}

CWnd* FwFrameWnd::CreateAuxWnd(CRuntimeClass* pClass)
{
    if (m_pAuxWnd != nullptr || pClass == nullptr) {
        return m_pAuxWnd;
    }
    CObject* pObject = pClass->CreateObject();
    m_pAuxWnd = dynamic_cast<CWnd*>(pObject);
    if (m_pAuxWnd == nullptr) {
        delete pObject;
    }
    return m_pAuxWnd;
}

void FwFrameWnd::EnableBmpMenus(BOOL bBmpMenus, BOOL bSecond)
{
    m_bBmpMenus = bBmpMenus;
    m_bBmpMenus2 = bSecond;
}

void FwFrameWnd::CreatePlugIn()
{
    DeletePlugIn();
    m_pPlugIn = FwCreateFramePlugIn(this, m_pMenuBar, m_bBmpMenus, m_pToolBarManager);
}

void FwFrameWnd::DeletePlugIn()
{
    FwWndPlugIn* pPlugIn = m_pPlugIn;
    m_pPlugIn = nullptr;
    delete pPlugIn;
}

BOOL FwFrameWnd::IsCustomizing() const
{
    return FwIsCustomizing(m_pToolBarManager);
}

BOOL FwFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pPlugIn != nullptr && m_pPlugIn->IsAttached() && m_pPlugIn->PreTranslateMessage(pMsg)) {
        return TRUE;
    }
    if (pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == SC_KEYMENU && IsCustomizing()) {
        return TRUE;
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL FwFrameWnd::DestroyWindow()
{
    DeletePlugIn();
    return CFrameWnd::DestroyWindow();
}

void FwFrameWnd::OnEnterIdle(UINT nWhy, HWND)
{
    if (nWhy == MSGF_DIALOGBOX && (m_nIdleFlags & idleLayout) != 0) {
        RecalcLayout();
        UpdateWindow();
    }
}

BOOL FwFrameWnd::RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    // The frame's own auxiliary window, else its top-level frame's.
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

BOOL FwFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (lParam == 0 && nID >= kFirstWorkspaceCmd && nID <= kLastWorkspaceCmd) {
        return TRUE;
    }
    return CFrameWnd::OnCommand(wParam, lParam);
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
    // The plug-in sees every message first and may answer it.
    if (m_pPlugIn != nullptr && m_pPlugIn->IsAttached()) {
        LRESULT lResult = 0;
        if (m_pPlugIn->OfferMessage(message, wParam, lParam, &lResult)) {
            return lResult;
        }
    }
    if (message == FwMenuBar::GetMenuMessage()) {
        HMENU hMenu = GetMenuForID(static_cast<UINT>(wParam));
        return reinterpret_cast<LRESULT>(hMenu != nullptr ? ::GetSubMenu(hMenu, static_cast<int>(lParam)) : nullptr);
    }
    if (IsCustomizing()) {
        if (message == WM_NCHITTEST) {
            // The frame can't be moved or sized while its tool bars are being customised.
            return HTERROR;
        }
        if (message == WM_ENTERIDLE) {
            OnEnterIdle(static_cast<UINT>(wParam), reinterpret_cast<HWND>(lParam));
        }
    }
    switch (message) {
    case WM_CREATE: {
        const LRESULT lResult = CFrameWnd::WindowProc(message, wParam, lParam);
        if (lResult != -1) {
            CreatePlugIn();
        }
        return lResult;
    }
    case WM_DESTROY:
        DeletePlugIn();
        break;
    case WM_INITMENUPOPUP: {
        const LRESULT lResult = CFrameWnd::WindowProc(message, wParam, lParam);
        FwBmpMenuPlugIn* pBmp = dynamic_cast<FwBmpMenuPlugIn*>(m_pPlugIn);
        if (m_bBmpMenus && pBmp != nullptr && HIWORD(lParam) == 0) {
            pBmp->ConvertPopup(reinterpret_cast<HMENU>(wParam));
        }
        return lResult;
    }
    default:
        break;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
