#include "platform/frame/MDIFrameWnd.h"

#include "platform/frame/MDIChildWnd.h"

FX_IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

FX_BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
FX_ON_COMMAND_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnWindowCommand)
FX_END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr)
{
}

HMENU CMDIFrameWnd::FindWindowMenu(HMENU hMenuBar)
{
    const int nCount = hMenuBar != nullptr ? ::GetMenuItemCount(hMenuBar) : 0;
    for (int i = nCount - 1; i >= 0; --i) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        const int nItems = hPopup != nullptr ? ::GetMenuItemCount(hPopup) : 0;
        for (int j = 0; j < nItems; ++j) {
            const UINT nID = ::GetMenuItemID(hPopup, j);
            if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_TILE_VERT) {
                return hPopup;
            }
        }
    }
    return nullptr;
}

int CMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // The client exists before the frame's own creation code runs: children go into it.
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = FindWindowMenu(::GetMenu(m_hWnd));
    ccs.idFirstChild = FX_IDM_FIRST_MDICHILD;
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                        WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                                        m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(FX_IDW_PANE_FIRST)),
                                        GetModuleHandleA(nullptr), &ccs);
    if (m_hWndMDIClient == nullptr) {
        return -1;
    }
    return CFrameWnd::OnCreate(lpCreateStruct);
}

void CMDIFrameWnd::OnDestroy()
{
    // The frame destroys the menu it shows: give it back its own, the children destroy theirs.
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault) {
        ::SetMenu(m_hWnd, m_hMenuDefault);
    }
    CFrameWnd::OnDestroy();
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    if (pWndActivate != nullptr) {
        ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
    }
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hChild = m_hWndMDIClient != nullptr
                      ? reinterpret_cast<HWND>(
                            ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)))
                      : nullptr;
    if (pbMaximized != nullptr) {
        *pbMaximized = bMaximized;
    }
    CWnd* pWnd = CWnd::FromHandlePermanent(hChild);
    return pWnd != nullptr && pWnd->IsKindOf(FX_RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(pWnd)
                                                                             : nullptr;
}

void CMDIFrameWnd::MDICascade()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(nType), 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

void CMDIFrameWnd::MDISetMenu(HMENU hMenu, HMENU hWindowMenu)
{
    HMENU hBar = hMenu != nullptr ? hMenu : m_hMenuDefault;
    if (hWindowMenu == nullptr) {
        hWindowMenu = FindWindowMenu(hBar);
    }
    ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hBar),
                   reinterpret_cast<LPARAM>(hWindowMenu));
    ::DrawMenuBar(m_hWnd);
}

void CMDIFrameWnd::OnWindowCommand(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        break;
    case ID_WINDOW_CASCADE:
        MDICascade();
        break;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        break;
    default:
        MDITile(MDITILE_VERTICAL);
        break;
    }
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != nullptr ? static_cast<CFrameWnd*>(pChild) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != nullptr ? pChild->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) {
        return FALSE;
    }
    // The active child's table first, so a child's key wins over the same key of the frame.
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && pChild->m_hAccelTable != nullptr &&
        ::TranslateAcceleratorA(m_hWnd, pChild->m_hAccelTable, pMsg)) {
        return TRUE;
    }
    if (pChild != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg)) {
        return TRUE;
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CFrameWnd::OnCommand(wParam, lParam)) {
        return TRUE;
    }
    // The active child was already asked through the routing: only the window list's entries go
    // on to the default frame procedure, which would hand any other command to the child again.
    return lParam == 0 && LOWORD(wParam) < FX_IDM_FIRST_MDICHILD;
}

BOOL CMDIFrameWnd::RouteCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    return CFrameWnd::RouteCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
