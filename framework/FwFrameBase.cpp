#include "framework/FwFrameBase.h"

#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwControlBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockState.h"
#include "framework/FwMenuBar.h"
#include "framework/FwMenuBarFeature.h"
#include "framework/FwSystemColors.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/frame/WinApp.h"

namespace
{
// The sides in the order the platform lays its dock bars in.
const UINT sideIDs[4] = {FX_IDW_DOCKBAR_TOP, FX_IDW_DOCKBAR_BOTTOM, FX_IDW_DOCKBAR_LEFT, FX_IDW_DOCKBAR_RIGHT};
// Workspace commands the frame claims without doing anything.
const UINT kFirstWorkspaceCmd = 0xA817;
const UINT kLastWorkspaceCmd = 0xA81F;
} // namespace

template <class TFrame>
FwFrameBase<TFrame>::FwFrameBase()
    : m_pDockBarClass(FX_RUNTIME_CLASS(FwDockBar)), m_pMenuBar(nullptr), m_pToolBarManager(nullptr), m_pPlugIn(nullptr),
      m_bBmpMenus(FALSE), m_bBmpMenus2(FALSE), m_nIDHelp(0), m_nCurMenuID(0), m_pAuxWnd(nullptr)
{
}

template <class TFrame> FwFrameBase<TFrame>::~FwFrameBase()
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

template <class TFrame>
BOOL FwFrameBase<TFrame>::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    m_nCurMenuID = nIDResource;
    // A table the owner loaded before stays.
    HACCEL hAccel = this->m_hAccelTable;
    // The platform gives the window a menu only when a menu resource of that id exists.
    if (!TFrame::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) {
        return FALSE;
    }
    if (hAccel != nullptr) {
        this->m_hAccelTable = hAccel;
    }
    if (m_pMenuBar != nullptr) {
        // The menu the platform gave the window becomes the frame menu: the window keeps none.
        if (HMENU hMenu = ::GetMenu(this->m_hWnd)) {
            ::SetMenu(this->m_hWnd, nullptr);
            m_hMenuFrame.DestroyMenu();
            m_hMenuFrame.Attach(hMenu);
        } else if (m_hMenuFrame.m_hMenu == nullptr && this->m_hMenuDefault != nullptr &&
                   ::IsMenu(this->m_hMenuDefault)) {
            m_hMenuFrame.Attach(this->m_hMenuDefault);
        }
        this->m_hMenuDefault = nullptr;
        SetMenuBarMenu(m_nCurMenuID);
    }
    return TRUE;
}

template <class TFrame> HMENU FwFrameBase<TFrame>::GetMenuForID(UINT nMenuID)
{
    return nMenuID == m_nCurMenuID ? m_hMenuFrame.m_hMenu : nullptr;
}

template <class TFrame> void FwFrameBase<TFrame>::SetMenuBarMenu(UINT nMenuID)
{
    if (FwMenuBarFeature* pFeature = dynamic_cast<FwMenuBarFeature*>(m_pPlugIn)) {
        pFeature->SwitchMenu(nMenuID);
    }
}

template <class TFrame> CWnd* FwFrameBase<TFrame>::CreateAuxWnd(CRuntimeClass* pClass)
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

template <class TFrame> void FwFrameBase<TFrame>::EnableBmpMenus(BOOL bBmpMenus, BOOL bSecond)
{
    m_bBmpMenus = bBmpMenus;
    m_bBmpMenus2 = bSecond;
}

template <class TFrame> void FwFrameBase<TFrame>::CreatePlugIn()
{
    DeletePlugIn();
    m_pPlugIn = FwCreateFramePlugIn(this, m_pMenuBar, m_bBmpMenus, m_pToolBarManager);
}

template <class TFrame> void FwFrameBase<TFrame>::DeletePlugIn()
{
    FwWndPlugIn* pPlugIn = m_pPlugIn;
    m_pPlugIn = nullptr;
    delete pPlugIn;
}

template <class TFrame> BOOL FwFrameBase<TFrame>::IsCustomizing() const
{
    return FwIsCustomizing(m_pToolBarManager);
}

template <class TFrame> BOOL FwFrameBase<TFrame>::PreTranslateMessage(MSG* pMsg)
{
    if (m_pPlugIn != nullptr && m_pPlugIn->IsAttached() && m_pPlugIn->PreTranslateMessage(pMsg)) {
        return TRUE;
    }
    if (pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == SC_KEYMENU && IsCustomizing()) {
        return TRUE;
    }
    return TFrame::PreTranslateMessage(pMsg);
}

template <class TFrame> BOOL FwFrameBase<TFrame>::DestroyWindow()
{
    DeletePlugIn();
    return TFrame::DestroyWindow();
}

template <class TFrame> void FwFrameBase<TFrame>::OnEnterIdle(UINT nWhy, HWND)
{
    if (nWhy == MSGF_DIALOGBOX && (this->m_nIdleFlags & TFrame::idleLayout) != 0) {
        this->RecalcLayout();
        this->UpdateWindow();
    }
}

template <class TFrame> BOOL FwFrameBase<TFrame>::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (lParam == 0 && nID >= kFirstWorkspaceCmd && nID <= kLastWorkspaceCmd) {
        return TRUE;
    }
    return TFrame::OnCommand(wParam, lParam);
}

template <class TFrame> CDockBar* FwFrameBase<TFrame>::CreateDockBar(UINT nID, DWORD dwSideStyle)
{
    CObject* pObject = m_pDockBarClass != nullptr ? m_pDockBarClass->CreateObject() : nullptr;
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CDockBar))) {
        delete pObject;
        return nullptr;
    }
    CDockBar* pDockBar = static_cast<CDockBar*>(pObject);
    pDockBar->m_bAutoDelete = TRUE;
    const DWORD dwAlign = dwSideStyle & CBRS_ALIGN_ANY;
    if (!pDockBar->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | dwAlign, nID)) {
        delete pDockBar;
        return nullptr;
    }
    return pDockBar;
}

template <class TFrame>
void FwFrameBase<TFrame>::DockAtFraction(CControlBar* pBar, CDockBar* pDockBar, int nRow, int nColumn, float fFraction,
                                         int nLength)
{
    if (FwControlBar* pFw = dynamic_cast<FwControlBar*>(pBar)) {
        pFw->m_fWidthFraction = fFraction;
        if (nLength > 0) {
            if ((pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0) {
                pFw->m_szHorz.cy = nLength;
            } else {
                pFw->m_szVert.cx = nLength;
            }
        }
    }
    static_cast<FwDockBar*>(pDockBar)->DockControlBarAt(pBar, nRow, nColumn, 0);
}

template <class TFrame> void FwFrameBase<TFrame>::SaveBarState(LPCSTR lpszProfileName)
{
    FwDockState state(m_pToolBarManager);
    if (CollectDockState(state)) {
        state.CleanBarIDArrays();
        state.SaveState(lpszProfileName);
    }
}

template <class TFrame> void FwFrameBase<TFrame>::LoadBarState(LPCSTR lpszProfileName)
{
    FwDockState state(m_pToolBarManager);
    state.m_pCreatedBars = &m_listOwnedObjects;
    CWinApp* pApp = FxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == nullptr) {
        pApp->m_pMainWnd = this;
    }
    state.LoadState(lpszProfileName);
    ApplyDockState(state);
}

template <class TFrame> void FwFrameBase<TFrame>::ApplyDockState(FwDockState& state)
{
    state.ApplyToFrame(this);
}

template <class TFrame> BOOL FwFrameBase<TFrame>::CollectDockState(FwDockState& state)
{
    return state.CollectFromFrame(this);
}

template <class TFrame> void FwFrameBase<TFrame>::RecalcLayout(BOOL bNotify)
{
    TFrame::RecalcLayout(bNotify);
    RepaintMovedBars();
}

template <class TFrame> void FwFrameBase<TFrame>::RepaintMovedBars()
{
    for (UINT nID : sideIDs) {
        if (FwDockBar* pDockBar = dynamic_cast<FwDockBar*>(this->GetControlBar(nID))) {
            pDockBar->RepaintMovedBars();
        }
    }
}

template <class TFrame> void FwFrameBase<TFrame>::OnSysColorChange()
{
    FwGetSystemColors().UpdateSysColors();
}

template <class TFrame> BOOL FwFrameBase<TFrame>::OnFrameMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

template <class TFrame> LRESULT FwFrameBase<TFrame>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOLORCHANGE) {
        OnSysColorChange();
    }
    // The plug-in sees every message first and may answer it.
    LRESULT lResult = 0;
    if (m_pPlugIn != nullptr && m_pPlugIn->IsAttached() && m_pPlugIn->OfferMessage(message, wParam, lParam, &lResult)) {
        return lResult;
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
    if (OnFrameMessage(message, wParam, lParam, &lResult)) {
        return lResult;
    }
    switch (message) {
    case WM_CREATE:
        lResult = TFrame::WindowProc(message, wParam, lParam);
        if (lResult != -1) {
            CreatePlugIn();
            OnFrameCreated();
        }
        return lResult;
    case WM_DESTROY:
        DeletePlugIn();
        break;
    case WM_INITMENUPOPUP: {
        lResult = TFrame::WindowProc(message, wParam, lParam);
        FwBmpMenuPlugIn* pBmp = dynamic_cast<FwBmpMenuPlugIn*>(m_pPlugIn);
        if (m_bBmpMenus && pBmp != nullptr && HIWORD(lParam) == 0) {
            pBmp->ConvertPopup(reinterpret_cast<HMENU>(wParam));
        }
        return lResult;
    }
    default:
        break;
    }
    return TFrame::WindowProc(message, wParam, lParam);
}

template class FwFrameBase<CFrameWnd>;
template class FwFrameBase<CMDIFrameWnd>;
