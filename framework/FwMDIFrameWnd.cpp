#include "framework/FwMDIFrameWnd.h"

#include <algorithm>

#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwControlBar.h"
#include "framework/FwControlBarMDIChildWnd.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockContext.h"
#include "framework/FwDockState.h"
#include "framework/FwMDIChildWnd.h"
#include "framework/FwMDIMenuBar.h"
#include "framework/FwMenuBar.h"
#include "framework/FwMenuBarFeature.h"
#include "framework/FwMiniDockFrameWnd.h"
#include "framework/FwSystemColors.h"
#include "framework/FwToolBarManager.h"
#include "platform/doc/View.h"
#include "platform/frame/MDIChildWnd.h"
#include "platform/base/FxResMgr.h"
#include "platform/frame/WinApp.h"
#include "platform/win/Menu.h"

FX_IMPLEMENT_DYNCREATE(FwMDIFrameWnd, CMDIFrameWnd)

namespace
{
struct SideDef
{
    UINT nID;
    DWORD dwStyle;
};
// The sides a bar's alignment may find, in the platform's order.
const SideDef sideDefs[4] = {
    {FX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {FX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
    {FX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {FX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
};

// The cascade of bars floated into the main window.
const int kCascadeStart = 30;
const int kCascadeStepX = 20;
const int kCascadeStepY = 23;
const int kEdgeMargin = 30;
const UINT kFirstSystemCmd = 0xF000;
} // namespace

FwMDIFrameWnd::FwMDIFrameWnd()
    : m_pControlBarMDIChildClass(nullptr), m_ptNextMDIChild(kCascadeStart, kCascadeStart), m_rcSavedClient(0, 0, 0, 0),
      m_pActiveBarWnd(nullptr)
{
}

FwMDIFrameWnd::~FwMDIFrameWnd()
{
    // The plug-in goes before the menus it may show.
    DeletePlugIn();
    m_mapMenus.clear();
}

HMENU FwMDIFrameWnd::GetMenuForID(UINT nMenuID)
{
    if (HMENU hMenu = FwFrameBase::GetMenuForID(nMenuID)) {
        return hMenu;
    }
    // Integer resource ids are 16 bits.
    if (nMenuID == 0 || nMenuID > 0xFFFF) {
        return nullptr;
    }
    const WORD nKey = static_cast<WORD>(nMenuID);
    auto found = m_mapMenus.find(nKey);
    if (found != m_mapMenus.end()) {
        return found->second;
    }
    LPCSTR lpszName = MAKEINTRESOURCEA(nMenuID);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszName, RT_MENU);
    HMENU hMenu = hInst != nullptr ? ::LoadMenuA(hInst, lpszName) : nullptr;
    if (hMenu != nullptr) {
        m_mapMenus[nKey].Attach(hMenu);
    }
    return hMenu;
}

void FwMDIFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    if (m_pDockBarClass == nullptr) {
        m_pDockBarClass = FX_RUNTIME_CLASS(FwDockBar);
    }
    if (m_pControlBarMDIChildClass == nullptr) {
        m_pControlBarMDIChildClass = FX_RUNTIME_CLASS(FwControlBarMDIChildWnd);
    }
    if (m_pFloatingFrameClass == nullptr || m_pFloatingFrameClass == FX_RUNTIME_CLASS(CMiniDockFrameWnd)) {
        m_pFloatingFrameClass = FX_RUNTIME_CLASS(FwMiniDockFrameWnd);
    }
    CFrameWnd::EnableDocking(dwDockStyle);
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
        DockAtFraction(pBar, pDockBar, nRow, nCol, fPctWidth, nHeight);
    }
    if (pFw != nullptr) {
        pFw->OnAfterDock();
    }
}

void FwMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    CMDIFrameWnd::RecalcLayout(bNotify);
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    if (rcClient.Width() > 0 && rcClient.Height() > 0) {
        RepaintMovedBars();
    } else {
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    m_rcSavedClient = rcClient;
}

CDockBar* FwMDIFrameWnd::GetHostDockBar(CWnd* pHost)
{
    if (pHost == nullptr || pHost->m_hWnd == nullptr) {
        return nullptr;
    }
    CWnd* pWnd = CWnd::FromHandlePermanent(::GetDlgItem(pHost->m_hWnd, FX_IDW_DOCKBAR_FLOAT));
    return pWnd != nullptr && pWnd->IsKindOf(FX_RUNTIME_CLASS(CDockBar)) ? static_cast<CDockBar*>(pWnd) : nullptr;
}

BOOL FwMDIFrameWnd::IsFloatingInMain(const CControlBar* pBar)
{
    if (pBar == nullptr || pBar->m_pDockBar == nullptr || !pBar->m_pDockBar->m_bFloating) {
        return FALSE;
    }
    const FwDockBar* pDockBar = dynamic_cast<const FwDockBar*>(pBar->m_pDockBar);
    return pDockBar != nullptr && pDockBar->m_bMDIChild;
}

CPoint FwMDIFrameWnd::TakeNextMDIChildPoint()
{
    const CPoint pt = m_ptNextMDIChild;
    CRect rcClient;
    ::GetClientRect(m_hWndMDIClient, &rcClient);
    m_ptNextMDIChild.x += kCascadeStepX;
    m_ptNextMDIChild.y += kCascadeStepY;
    if (m_ptNextMDIChild.x > rcClient.right - kEdgeMargin) {
        m_ptNextMDIChild.x = kCascadeStart;
    }
    if (m_ptNextMDIChild.y > rcClient.bottom - kEdgeMargin) {
        m_ptNextMDIChild.y = kCascadeStart;
    }
    return pt;
}

CFrameWnd* FwMDIFrameWnd::CreateControlBarMDIChild(DWORD dwStyle)
{
    CRuntimeClass* pClass =
        m_pControlBarMDIChildClass != nullptr ? m_pControlBarMDIChildClass : FX_RUNTIME_CLASS(FwControlBarMDIChildWnd);
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CMDIChildWnd))) {
        delete pObject;
        return nullptr;
    }
    CMDIChildWnd* pHost = static_cast<CMDIChildWnd*>(pObject);
    if (!pHost->LoadFrame(FW_IDR_CONTROLBAR_MDICHILD, FW_CONTROLBAR_MDICHILD_STYLE, this, nullptr)) {
        if (pHost->m_hWnd == nullptr) {
            delete pHost;
        } else {
            pHost->DestroyWindow();
        }
        return nullptr;
    }
    CDockBar* pDockBar = GetHostDockBar(pHost);
    if (pDockBar == nullptr) {
        pHost->DestroyWindow();
        return nullptr;
    }
    // The host's dock bar lies along its left edge; the bar's own alignment follows the style.
    pDockBar->m_dwStyle = (pDockBar->m_dwStyle & ~CBRS_ALIGN_ANY) |
                          ((dwStyle & CBRS_ORIENT_HORZ) != 0 ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) |
                          (dwStyle & CBRS_FLOAT_MULTI);
    return pHost;
}

CFrameWnd* FwMDIFrameWnd::FloatControlBarInMDIChild(CControlBar* pBar, int x, int y, DWORD dwStyle)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || m_hWndMDIClient == nullptr) {
        return nullptr;
    }
    FwControlBar* pFw = dynamic_cast<FwControlBar*>(pBar);
    if (pFw != nullptr) {
        pFw->OnBeforeFloatInMain();
    }
    CPoint pt(x, y);
    if (x < 0 || y < 0) {
        pt = TakeNextMDIChildPoint();
    }
    CRect rcClient;
    ::GetClientRect(m_hWndMDIClient, &rcClient);
    pt.x = std::clamp<LONG>(pt.x, 0, std::max<LONG>(rcClient.right - kEdgeMargin, 0));
    pt.y = std::clamp<LONG>(pt.y, 0, std::max<LONG>(rcClient.bottom - kEdgeMargin, 0));

    const DWORD dwMatch = CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI;
    if (IsFloatingInMain(pBar) && pBar->m_pDockBar->GetDockedCount() == 1 &&
        (pBar->m_pDockBar->m_dwStyle & dwMatch) == (dwStyle & dwMatch)) {
        CWnd* pHost = CWnd::FromHandlePermanent(::GetParent(pBar->m_pDockBar->m_hWnd));
        CFrameWnd* pHostFrame = dynamic_cast<CFrameWnd*>(pHost);
        if (pHostFrame != nullptr) {
            ::SetWindowPos(pHostFrame->m_hWnd, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pHostFrame->RecalcLayout();
        }
        return pHostFrame;
    }

    // Where the bar comes from, so the way back finds its dock bar or floating place.
    if (pBar->m_pDockContext != nullptr && pBar->m_pDockBar != nullptr) {
        CDockContext* pContext = pBar->m_pDockContext;
        FwDockContext* pFwContext = dynamic_cast<FwDockContext*>(pContext);
        CRect rcBar;
        pBar->GetWindowRect(&rcBar);
        if (pBar->IsFloating() && !IsFloatingInMain(pBar)) {
            CRect rcFrame;
            ::GetWindowRect(::GetParent(pBar->m_pDockBar->m_hWnd), &rcFrame);
            pContext->m_ptMRUFloatPos = rcFrame.TopLeft();
            pContext->m_dwMRUFloatStyle = pBar->m_pDockBar->m_dwStyle & dwMatch;
            if (pFwContext != nullptr) {
                pFwContext->m_bPrevFloating = TRUE;
            }
        } else if (!pBar->IsFloating()) {
            pContext->m_uMRUDockID = static_cast<UINT>(pBar->m_pDockBar->GetDlgCtrlID());
            pContext->m_rectMRUDockPos = rcBar;
            ::MapWindowPoints(nullptr, pBar->m_pDockBar->m_hWnd, reinterpret_cast<POINT*>(&pContext->m_rectMRUDockPos),
                              2);
            if (pFwContext != nullptr) {
                pFwContext->m_bPrevFloating = FALSE;
            }
            if (pFw != nullptr) {
                pFw->m_fSavedFraction = pFw->m_fWidthFraction;
            }
        }
    }

    CFrameWnd* pHost = CreateControlBarMDIChild(dwStyle);
    if (pHost == nullptr) {
        return nullptr;
    }
    CDockBar* pDockBar = GetHostDockBar(pHost);
    pDockBar->DockControlBar(pBar);
    // The host's client is the bar's floating size.
    const CSize sizeBar = pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    CRect rcHost(0, 0, std::max<LONG>(sizeBar.cx, 40), std::max<LONG>(sizeBar.cy, 40));
    ::AdjustWindowRectEx(&rcHost, pHost->GetStyle(), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(pHost->m_hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(pHost->m_hWnd, nullptr, pt.x, pt.y, rcHost.Width(), rcHost.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    pHost->RecalcLayout();
    if ((pBar->GetStyle() & WS_VISIBLE) != 0) {
        pHost->ShowWindow(SW_SHOW);
    }
    RecalcLayout();
    if (pFw != nullptr) {
        pFw->OnAfterFloatInMain();
    }
    return pHost;
}

void FwMDIFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (!IsFloatingInMain(pBar)) {
        CFrameWnd::FloatControlBar(pBar, point, dwStyle);
        return;
    }
    // The platform's float only moves a bar's own floating frame; a host is not one.
    if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0) {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if ((dwStyle & CBRS_ORIENT_VERT) != 0) {
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
        }
    }
    CMiniDockFrameWnd* pMini = CreateFloatingFrame(dwStyle);
    if (pMini == nullptr) {
        return;
    }
    ::SetWindowPos(pMini->m_hWnd, nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pMini->GetDockBar()->DockControlBar(pBar);
    pMini->RecalcLayout();
    if ((pBar->GetStyle() & WS_VISIBLE) != 0) {
        pMini->ShowWindow(SW_SHOWNA);
    }
    RecalcLayout();
}

void FwMDIFrameWnd::ToggleFloatInMain(FwControlBar* pBar)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr) {
        return;
    }
    if (!IsFloatingInMain(pBar)) {
        FloatControlBarInMDIChild(pBar, -1, -1, CBRS_ALIGN_TOP | (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI));
        return;
    }
    HWND hHost = ::GetParent(pBar->m_pDockBar->m_hWnd);
    FwDockContext* pContext = dynamic_cast<FwDockContext*>(pBar->m_pDockContext);
    if (pContext != nullptr && pContext->m_bPrevFloating) {
        pBar->OnBeforeFloat();
        CPoint pt = pContext->m_ptMRUFloatPos;
        const DWORD dwStyle = pContext->m_dwMRUFloatStyle != 0 ? pContext->m_dwMRUFloatStyle : CBRS_ALIGN_TOP;
        FloatControlBar(pBar, pt, dwStyle);
        pContext->m_bPrevFloating = FALSE;
        pBar->OnAfterFloat();
    } else if (pBar->m_pDockContext != nullptr) {
        if ((pBar->m_dwDockStyle & CBRS_ALIGN_ANY) == 0) {
            // Docking is off: the bar can only go back to a floating frame.
            FloatControlBar(pBar, pBar->m_pDockContext->m_ptMRUFloatPos, CBRS_ALIGN_TOP);
        } else {
            pBar->m_pDockContext->ToggleDocking();
        }
    }
    // The host is left empty: it goes.
    CDockBar* pHostDockBar = ::IsWindow(hHost) ? GetHostDockBar(CWnd::FromHandlePermanent(hHost)) : nullptr;
    if (pHostDockBar != nullptr && pHostDockBar->GetDockedCount() == 0) {
        ::SendMessageA(m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hHost), 0);
    }
    RecalcLayout();
}

void FwMDIFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr) {
        return;
    }
    CFrameWnd::ShowControlBar(pBar, bShow, bDelay);
    if (FwDockBar* pDockBar = dynamic_cast<FwDockBar*>(pBar->m_pDockBar)) {
        pDockBar->OnBarVisibilityChanged(pBar);
    }
}

void FwMDIFrameWnd::SetActiveBarWnd(CWnd* pWnd)
{
    if (pWnd == m_pActiveBarWnd) {
        return;
    }
    if (m_pActiveBarWnd != nullptr) {
        ClearActiveBarWnd(pWnd == nullptr);
    }
    if (pWnd == nullptr) {
        return;
    }
    pWnd->SendMessage(WM_NCACTIVATE, TRUE);
    m_pActiveBarWnd = pWnd;
    // The MDI child's caption turns inactive while the bar window takes the commands.
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
    ::SendMessageA(m_hWndMDIClient, WM_NCACTIVATE, FALSE, 0);
    if (CFrameWnd* pBarFrame = dynamic_cast<CFrameWnd*>(pWnd)) {
        if (CView* pView = pBarFrame->GetActiveView()) {
            ::SetFocus(pView->m_hWnd);
        }
    }
    if (IsMenuBarEnabled()) {
        CFrameWnd* pBarFrame = dynamic_cast<CFrameWnd*>(pWnd);
        const UINT nID = pBarFrame != nullptr ? pBarFrame->GetResourceID() : 0;
        SetMenuBarMenu(nID != 0 ? nID : static_cast<UINT>(-1));
    } else {
        ::DrawMenuBar(m_hWnd);
    }
}

void FwMDIFrameWnd::ClearActiveBarWnd(BOOL bActivateMDIClient)
{
    if (m_pActiveBarWnd == nullptr) {
        return;
    }
    CWnd* pOld = m_pActiveBarWnd;
    m_pActiveBarWnd = nullptr;
    if (::IsWindow(pOld->m_hWnd)) {
        pOld->SendMessage(WM_NCACTIVATE, FALSE);
    }
    ::SetFocus(nullptr);
    if (bActivateMDIClient) {
        ::SendMessageA(m_hWndMDIClient, WM_NCACTIVATE, TRUE, 0);
    }
}

CFrameWnd* FwMDIFrameWnd::GetActiveFrame()
{
    if (CFrameWnd* pBarFrame = dynamic_cast<CFrameWnd*>(m_pActiveBarWnd)) {
        return pBarFrame;
    }
    return CMDIFrameWnd::GetActiveFrame();
}

BOOL FwMDIFrameWnd::RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    // The bar window stands in for the active MDI child.
    CWnd* pFirst = m_pActiveBarWnd != nullptr ? m_pActiveBarWnd : MDIGetActive();
    if (pFirst != nullptr && pFirst->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    if (m_pAuxWnd != nullptr && m_pAuxWnd->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    return CFrameWnd::RouteCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL FwMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    // A system command nobody takes (the maximised child's system menu shown in a menu bar) goes
    // to the frame procedure, which hands it to the active child.
    if (lParam == 0 && nID >= kFirstSystemCmd && nID < FX_IDM_FIRST_MDICHILD) {
        if (!OnCmdMsg(nID, FX_CN_COMMAND, nullptr, nullptr)) {
            DefWindowProc(WM_COMMAND, wParam, lParam);
        }
        return TRUE;
    }
    return FwFrameBase::OnCommand(wParam, lParam);
}

void FwMDIFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    CMDIFrameWnd::OnSetPreviewMode(bPreview, pState);
    if (!bPreview) {
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void FwMDIFrameWnd::RefreshMenuBar()
{
    // A maximised child's buttons come and go with the child's state.
    if (FwMDIMenuBar* pMDIBar = dynamic_cast<FwMDIMenuBar*>(m_pMenuBar)) {
        if (pMDIBar->UpdateChildButtons()) {
            DelayRecalcLayout();
        }
    }
}

void FwMDIFrameWnd::RefreshWindowMenu()
{
    if (m_pMenuBar == nullptr || m_hWndMDIClient == nullptr) {
        return;
    }
    const UINT nShown = m_pMenuBar->GetShownMenu();
    HMENU hMenu = GetMenuForID(nShown != 0 ? nShown : m_nCurMenuID);
    HMENU hWindowMenu = hMenu != nullptr ? FindWindowMenu(hMenu) : nullptr;
    if (hWindowMenu != nullptr) {
        // The frame menu stays none: only the list of children moves to this popup.
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(hWindowMenu));
        // The client lists its children in the new popup only when asked to refresh.
        ::SendMessageA(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

void FwMDIFrameWnd::OnBarContextMenu(FwControlBar* pBar, CMenu* pMenu)
{
    if (pBar == nullptr || pMenu == nullptr) {
        return;
    }
    const BOOL bInMain = IsFloatingInMain(pBar);
    if (bInMain) {
        pMenu->EnableMenuItem(ID_FWCB_ALLOWDOCKING, MF_BYCOMMAND | MF_GRAYED);
    }
    if ((pBar->GetExtendedStyle() & FWCBS_EX_FLOATINMAIN) != 0) {
        CString strText;
        if (!strText.LoadString(ID_FWCB_FLOATINMAIN)) {
            strText = "Float In Main Window";
        }
        pMenu->AppendMenu(MF_SEPARATOR);
        pMenu->AppendMenu(MF_STRING | (bInMain ? MF_CHECKED : 0), ID_FWCB_FLOATINMAIN, strText);
    }
}

void FwMDIFrameWnd::OnHelpContext(DWORD nContext)
{
    // The program's help file sits beside it with the extension .hlp.
    char szPath[MAX_PATH] = {};
    const DWORD nLen = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    if (nLen == 0 || nLen >= MAX_PATH) {
        return;
    }
    char* pDot = strrchr(szPath, '.');
    if (pDot != nullptr && pDot + 4 < szPath + MAX_PATH) {
        lstrcpyA(pDot, ".hlp");
    }
    ::WinHelpA(m_hWnd, szPath, HELP_CONTEXT, nContext);
}

BOOL FwMDIFrameWnd::OnCommandHelp(LPARAM lParam)
{
    DWORD nContext = static_cast<DWORD>(lParam);
    if (nContext == 0 && GetResourceID() != 0) {
        nContext = GetResourceID() + 0x10000;
    }
    CWnd* pFirst = m_pActiveBarWnd != nullptr ? m_pActiveBarWnd : MDIGetActive();
    if (pFirst != nullptr && pFirst->m_hWnd != nullptr &&
        pFirst->SendMessage(WM_COMMANDHELP, 0, static_cast<LPARAM>(nContext)) != 0) {
        return TRUE;
    }
    if (nContext != 0) {
        OnHelpContext(nContext);
    }
    return TRUE;
}

void FwMDIFrameWnd::SetMenuBarMenu(UINT nMenuID)
{
    FwMenuBarFeature* pFeature = dynamic_cast<FwMenuBarFeature*>(m_pPlugIn);
    if (m_pMenuBar == nullptr || pFeature == nullptr) {
        return;
    }
    if (nMenuID != 0 && nMenuID != static_cast<UINT>(-1)) {
        pFeature->SwitchMenu(nMenuID);
    } else {
        pFeature->SwitchMenu(m_nCurMenuID != 0 ? m_nCurMenuID : GetResourceID());
        // No child is active any more: a maximised child's buttons leave the bar.
        FwMDIMenuBar* pMDIBar = dynamic_cast<FwMDIMenuBar*>(m_pMenuBar);
        if (pMDIBar != nullptr && pMDIBar->m_hWnd != nullptr && pMDIBar->UpdateChildButtons()) {
            pMDIBar->Invalidate();
            RecalcLayout();
        }
    }
    RefreshWindowMenu();
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
    // A child of the framework switches the menu bar as it is activated, a bar window as it is
    // set; only a platform child needs the menu chosen here.
    const FwMDIChildWnd* pFwChild = dynamic_cast<const FwMDIChildWnd*>(pChild);
    if (m_pActiveBarWnd != nullptr || (pFwChild != nullptr && pFwChild->UsesMenuBar())) {
        RefreshMenuBar();
        return;
    }
    UINT nMenuID = pChild != nullptr ? pChild->GetResourceID() : GetResourceID();
    if (m_pMenuBar->GetMenuMask(nMenuID) == 0) {
        nMenuID = GetResourceID();
    }
    if (nMenuID != m_pMenuBar->GetShownMenu()) {
        SetMenuBarMenu(nMenuID);
    }
    RefreshMenuBar();
}

void FwMDIFrameWnd::OnSysColorChange()
{
    FwFrameBase::OnSysColorChange();
    // The bars are children and hear of the change only from here.
    if (FwToolBarManager* pManager = dynamic_cast<FwToolBarManager*>(m_pToolBarManager)) {
        CPtrArray bars;
        pManager->GetToolBars(bars);
        for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
            ::SendMessageA(static_cast<FwCustomToolBar*>(bars[i])->m_hWnd, WM_SYSCOLORCHANGE, 0, 0);
        }
    }
}

void FwMDIFrameWnd::OnFrameCreated()
{
    if (m_pMenuBar != nullptr) {
        ::SetMenu(m_hWnd, nullptr);
    }
}

BOOL FwMDIFrameWnd::OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_FWCB_CONTEXTMENU:
        // Only the framework's bars send it, with themselves.
        OnBarContextMenu(reinterpret_cast<FwControlBar*>(wParam), reinterpret_cast<CMenu*>(lParam));
        *pResult = 0;
        return TRUE;
    case WM_COMMANDHELP:
        *pResult = OnCommandHelp(lParam);
        return TRUE;
    case WM_ACTIVATEAPP:
        if (m_pActiveBarWnd != nullptr) {
            ::PostMessageA(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
            ::PostMessageA(m_hWndMDIClient, WM_NCACTIVATE, FALSE, 0);
        }
        break;
    case WM_DESTROY:
        m_pActiveBarWnd = nullptr;
        break;
    default:
        break;
    }
    return FALSE;
}
