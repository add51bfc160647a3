#include "framework/FwMDIChildWnd.h"

#include "framework/FwMDIFrameWnd.h"
#include "platform/doc/DocTemplate.h"
#include "platform/doc/MultiDocTemplate.h"
#include "platform/frame/CreateContext.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/win/Menu.h"

FX_IMPLEMENT_DYNCREATE(FwMDIChildWnd, CMDIChildWnd)

namespace
{
// The menu id that means the frame's own menu.
const UINT kFrameMenu = static_cast<UINT>(-1);
} // namespace

FwMDIChildWnd::FwMDIChildWnd() : m_nMenuID(0), m_bUseMenuBar(FALSE), m_hMenuAlt(nullptr), m_nIDHelp(0)
{
}

FwMDIFrameWnd* FwMDIChildWnd::GetFwMDIFrame() const
{
    return dynamic_cast<FwMDIFrameWnd*>(GetMDIFrame());
}

BOOL FwMDIChildWnd::UsesMenuBar() const
{
    const FwMDIFrameWnd* pFrame = GetFwMDIFrame();
    return m_bUseMenuBar && pFrame != nullptr && pFrame->IsMenuBarEnabled();
}

BOOL FwMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CWnd* pMain = FxGetMainWnd();
    const FwMDIFrameWnd* pMenuBarFrame = dynamic_cast<FwMDIFrameWnd*>(pParentWnd != nullptr ? pParentWnd : pMain);
    if (pMenuBarFrame != nullptr && !pMenuBarFrame->IsMenuBarEnabled()) {
        pMenuBarFrame = nullptr;
    }
    CDocTemplate* pTemplate = pContext != nullptr ? pContext->m_pNewDocTemplate : nullptr;
    if (pTemplate != nullptr && pTemplate->IsKindOf(FX_RUNTIME_CLASS(CMultiDocTemplate))) {
        if (pMenuBarFrame != nullptr) {
            m_nMenuID = pTemplate->GetResourceID();
            m_bUseMenuBar = TRUE;
        }
    } else if (nIDResource != 0 && pMenuBarFrame != nullptr) {
        m_nMenuID = nIDResource;
        m_bUseMenuBar = TRUE;
    }
    if (!CMDIChildWnd::LoadFrame(nIDResource, dwDefaultStyle | WS_CHILD, pParentWnd, pContext)) {
        return FALSE;
    }
    // The menu bar shows the child's menu by id: the window's own menu is not swapped in.
    if (m_bUseMenuBar && m_hMenuShared != nullptr) {
        // The platform may have shown it on the frame already: the frame must not keep a dead menu.
        CMDIFrameWnd* pMDIFrame = GetMDIFrame();
        if (pMDIFrame != nullptr && ::GetMenu(pMDIFrame->m_hWnd) == m_hMenuShared) {
            ::SetMenu(pMDIFrame->m_hWnd, nullptr);
        }
        // Destroyed as this scope ends.
        CMenu menuShared;
        menuShared.Attach(m_hMenuShared);
        m_hMenuShared = nullptr;
    }
    return TRUE;
}

void FwMDIChildWnd::OnUpdateFrameMenu(BOOL, CWnd*, HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    if (FwMDIFrameWnd* pFrame = GetFwMDIFrame()) {
        if (pFrame->IsMenuBarEnabled()) {
            pFrame->RefreshWindowMenu();
        }
    }
}

void FwMDIChildWnd::OnUpdateFrameTitle(BOOL)
{
}

LRESULT FwMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    FwMDIFrameWnd* pFrame = GetFwMDIFrame();
    switch (message) {
    case WM_MDIACTIVATE: {
        const LRESULT lResult = CMDIChildWnd::WindowProc(message, wParam, lParam);
        HWND hActivated = reinterpret_cast<HWND>(lParam);
        const BOOL bActivate = hActivated == m_hWnd;
        OnUpdateFrameMenu(bActivate, CWnd::FromHandlePermanent(hActivated), nullptr);
        if (pFrame != nullptr && UsesMenuBar()) {
            if (bActivate) {
                pFrame->SetMenuBarMenu(m_nMenuID);
            } else if (hActivated == nullptr) {
                pFrame->SetMenuBarMenu(kFrameMenu);
            }
        }
        return lResult;
    }
    case WM_SIZE:
        if ((wParam == SIZE_RESTORED || wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) && pFrame != nullptr &&
            pFrame->IsMenuBarEnabled()) {
            // A maximised child's caption buttons move into the menu bar.
            pFrame->RefreshMenuBar();
        }
        break;
    case WM_MOUSEACTIVATE: {
        if (pFrame != nullptr) {
            pFrame->ClearActiveBarWnd(FALSE);
        }
        const LRESULT lResult = CMDIChildWnd::WindowProc(message, wParam, lParam);
        if (pFrame != nullptr && UsesMenuBar()) {
            pFrame->SetMenuBarMenu(m_nMenuID);
        }
        return lResult;
    }
    case WM_CHILDACTIVATE:
        if (pFrame != nullptr) {
            pFrame->ClearActiveBarWnd(FALSE);
        }
        break;
    default:
        break;
    }
    return CMDIChildWnd::WindowProc(message, wParam, lParam);
}
