#include "framework/FwControlBarHost.h"

#include "framework/FwControlBar.h"
#include "framework/FwMDIFrameWnd.h"
#include "platform/frame/DockContext.h"
#include "platform/frame/MDIChildWnd.h"
#include "platform/frame/WinApp.h"

namespace
{
// The host's dock bar: child, visible, aligned left.
const DWORD kDockBarStyle = 0x50001000;
const int kMaxTitle = 260;
} // namespace

FwControlBarHost::FwControlBarHost(CMDIChildWnd* pHost) : m_wndDockBar(TRUE, TRUE), m_bCreating(FALSE), m_pHost(pHost)
{
}

BOOL FwControlBarHost::CreateDockBar()
{
    CMDIFrameWnd* pFrame = m_pHost->GetMDIFrame();
    if (pFrame == nullptr) {
        return FALSE;
    }
    m_bCreating = TRUE;
    BOOL bMade = m_wndDockBar.Create(pFrame, kDockBarStyle, FX_IDW_DOCKBAR_FLOAT);
    if (bMade) {
        ::SetParent(m_wndDockBar.m_hWnd, m_pHost->m_hWnd);
    }
    m_bCreating = FALSE;
    return bMade;
}

CControlBar* FwControlBarHost::GetBar() const
{
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i) {
        if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(static_cast<int>(i))) {
            return pBar;
        }
    }
    return nullptr;
}

BOOL FwControlBarHost::IsMulti() const
{
    return (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) != 0;
}

void FwControlBarHost::OnSize(int cx, int cy)
{
    if (m_wndDockBar.m_hWnd == nullptr || IsMulti()) {
        return;
    }
    CControlBar* pBar = GetBar();
    if (pBar == nullptr || !pBar->IsVisible()) {
        return;
    }
    // The bar fills the client: its floating size follows the host.
    pBar->CalcDynamicLayout(cx, LM_MRUWIDTH | LM_COMMIT);
    pBar->CalcDynamicLayout(cy, LM_MRUWIDTH | LM_LENGTHY | LM_COMMIT);
}

BOOL FwControlBarHost::OnClose()
{
    if (IsMulti()) {
        return FALSE;
    }
    CControlBar* pBar = GetBar();
    FwMDIFrameWnd* pFrame = dynamic_cast<FwMDIFrameWnd*>(m_pHost->GetMDIFrame());
    FwControlBar* pFwBar = dynamic_cast<FwControlBar*>(pBar);
    if (pFwBar != nullptr && pFrame != nullptr) {
        // Destroying the host would take the bar's window with it: the bar is hidden and goes
        // back to its dock bar, and the emptied host is destroyed there.
        pFrame->ShowControlBar(pFwBar, FALSE, FALSE);
        pFrame->ToggleFloatInMain(pFwBar);
        return TRUE;
    }
    if (pBar == nullptr && pFrame != nullptr) {
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_pHost->m_hWnd), 0);
        return TRUE;
    }
    return FALSE;
}

void FwControlBarHost::OnMove()
{
    if (IsMulti()) {
        return;
    }
    CControlBar* pBar = GetBar();
    if (pBar != nullptr && pBar->m_pDockContext != nullptr) {
        CRect rc;
        m_pHost->GetWindowRect(&rc);
        pBar->m_pDockContext->m_ptMRUFloatPos = rc.TopLeft();
    }
}

void FwControlBarHost::OnShowWindow()
{
    CWnd* pMain = FxGetMainWnd();
    CMDIFrameWnd* pFrame = dynamic_cast<CMDIFrameWnd*>(pMain);
    if (pFrame != nullptr && pFrame->m_hWndMDIClient != nullptr) {
        ::PostMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

void FwControlBarHost::UpdateTitle()
{
    if (m_bCreating || m_wndDockBar.m_hWnd == nullptr) {
        return;
    }
    if (m_wndDockBar.GetDockedCount() == 1) {
        if (CControlBar* pBar = GetBar()) {
            char szBar[kMaxTitle + 1] = {};
            ::GetWindowTextA(pBar->m_hWnd, szBar, sizeof(szBar));
            ::SetWindowTextA(m_wndDockBar.m_hWnd, szBar);
        }
    }
    char szText[kMaxTitle + 1] = {};
    ::GetWindowTextA(m_wndDockBar.m_hWnd, szText, sizeof(szText));
    char szOld[kMaxTitle + 1] = {};
    ::GetWindowTextA(m_pHost->m_hWnd, szOld, sizeof(szOld));
    if (lstrcmpA(szOld, szText) != 0) {
        ::SetWindowTextA(m_pHost->m_hWnd, szText);
    }
}

void FwControlBarHost::DestroyIfEmpty()
{
    if (m_bCreating || m_wndDockBar.m_hWnd == nullptr || m_wndDockBar.GetDockedCount() > 0) {
        return;
    }
    if (CMDIFrameWnd* pFrame = m_pHost->GetMDIFrame()) {
        ::PostMessageA(pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_pHost->m_hWnd), 0);
    }
}
