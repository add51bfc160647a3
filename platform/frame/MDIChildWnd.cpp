#include "platform/frame/MDIChildWnd.h"

#include "platform/doc/View.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr)
{
}

CMDIChildWnd::~CMDIChildWnd()
{
    if (m_hMenuShared != nullptr) {
        ::DestroyMenu(m_hMenuShared);
    }
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr) {
        pParentWnd = FxGetMainWnd();
    }
    if (pParentWnd == nullptr || !pParentWnd->IsKindOf(FX_RUNTIME_CLASS(CMDIFrameWnd))) {
        return FALSE;
    }
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle | WS_CHILD, pParentWnd, pContext)) {
        return FALSE;
    }
    // The child's menu is shown by the MDI frame while the child is active.
    m_hMenuShared = m_hMenuDefault;
    m_hMenuDefault = nullptr;
    if (MDIGetActiveSelf()) {
        GetMDIFrame()->MDISetMenu(m_hMenuShared, nullptr);
    }
    return TRUE;
}

BOOL CMDIChildWnd::CreateFrame(DWORD dwStyle, CWnd* pParentWnd, HMENU, CCreateContext* pContext)
{
    CMDIFrameWnd* pFrame = static_cast<CMDIFrameWnd*>(pParentWnd);
    // A new child keeps the active child's maximised state: Wine's client restores a maximised
    // child when another is created, and the new one would open normal-sized.
    BOOL bMaximized = FALSE;
    pFrame->MDIGetActive(&bMaximized);
    if (bMaximized) {
        dwStyle |= WS_MAXIMIZE;
    }
    return CreateEx(WS_EX_MDICHILD, nullptr, m_strTitle, dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, pFrame->m_hWndMDIClient, nullptr, pContext);
}

CCreateContext* CMDIChildWnd::ContextOf(LPCREATESTRUCT lpcs) const
{
    // An MDI child's creation parameters arrive wrapped in the client's MDICREATESTRUCT.
    if (lpcs == nullptr || lpcs->lpCreateParams == nullptr) {
        return nullptr;
    }
    const MDICREATESTRUCTA* pMcs = static_cast<const MDICREATESTRUCTA*>(lpcs->lpCreateParams);
    return reinterpret_cast<CCreateContext*>(pMcs->lParam);
}

void CMDIChildWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CFrameWnd::InitialUpdateFrame(pDoc, FALSE);
    if (bMakeVisible) {
        ShowWindow((GetStyle() & WS_MAXIMIZE) != 0 ? SW_SHOWMAXIMIZED : SW_SHOW);
        UpdateWindow();
    }
}

BOOL CMDIChildWnd::DestroyWindow()
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (m_hWnd == nullptr || pFrame == nullptr) {
        return CFrameWnd::DestroyWindow();
    }
    ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hClient = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    CWnd* pFrame = CWnd::FromHandlePermanent(hClient != nullptr ? ::GetParent(hClient) : nullptr);
    return pFrame != nullptr && pFrame->IsKindOf(FX_RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(pFrame)
                                                                                 : nullptr;
}

BOOL CMDIChildWnd::MDIGetActiveSelf() const
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pFrame != nullptr && pFrame->MDIGetActive() == this;
}

void CMDIChildWnd::MDIActivate()
{
    if (CMDIFrameWnd* pFrame = GetMDIFrame()) {
        pFrame->MDIActivate(this);
    }
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_MDIACTIVATE) {
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    const LRESULT lResult = CFrameWnd::WindowProc(message, wParam, lParam);
    HWND hActivated = reinterpret_cast<HWND>(lParam);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr) {
        // The activated child shows its menu; when the last one goes, the frame's own returns.
        if (hActivated == m_hWnd) {
            pFrame->MDISetMenu(m_hMenuShared, nullptr);
        } else if (hActivated == nullptr) {
            pFrame->MDISetMenu(nullptr, nullptr);
        }
    }
    if (hActivated == m_hWnd && m_pViewActive != nullptr) {
        m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
    return lResult;
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    // The client needs the size for its maximise and minimise handling.
    Default();
    CFrameWnd::OnSize(nType, cx, cy);
}
