#include "framework/FwMiniDockFrameWnd.h"

#include "platform/frame/DockContext.h"

FX_IMPLEMENT_DYNCREATE(FwMiniDockFrameWnd, CMiniDockFrameWnd)

namespace
{
const int maxTitle = 260;
} // namespace

FwMiniDockFrameWnd::FwMiniDockFrameWnd() : m_wndFwDockBar(TRUE, FALSE)
{
}

DWORD FwMiniDockFrameWnd::FwFrameStyleFor(DWORD dwBarStyle)
{
    // 0x80C83300: popup, caption, system menu, snapping to its bars; a bar without a dynamic
    // size only moves. The sizing border is what lets Windows size a dynamic bar's frame.
    if ((dwBarStyle & CBRS_SIZE_DYNAMIC) != 0) {
        return 0x80C83300 | WS_THICKFRAME;
    }
    return 0x80C83B00;
}

BOOL FwMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    HWND hOwner = pParent != nullptr ? pParent->m_hWnd : nullptr;
    if (!CreateEx(WS_EX_TOOLWINDOW, nullptr, "", FwFrameStyleFor(dwBarStyle), 0, 0, 0, 0, hOwner, nullptr)) {
        return FALSE;
    }
    if (HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        ::DeleteMenu(hSysMenu, SC_SIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_MINIMIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_MAXIMIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_RESTORE, MF_BYCOMMAND);
        char szClose[128] = {};
        if (::LoadStringA(::GetModuleHandleA(nullptr), 0xF011, szClose, sizeof(szClose)) > 0) {
            ::DeleteMenu(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
            ::AppendMenuA(hSysMenu, MF_STRING, SC_CLOSE, szClose);
        }
    }
    const BOOL bVert = (dwBarStyle & CBRS_ORIENT_VERT) != 0 && (dwBarStyle & CBRS_ORIENT_HORZ) == 0;
    const DWORD dwDockStyle =
        WS_CHILD | WS_VISIBLE | (bVert ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP) | (dwBarStyle & CBRS_FLOAT_MULTI);
    if (!m_wndFwDockBar.Create(this, dwDockStyle, FX_IDW_DOCKBAR_FLOAT)) {
        return FALSE;
    }
    CWnd* pOwner = CWnd::FromHandlePermanent(hOwner);
    if (pOwner != nullptr && pOwner->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd))) {
        m_wndFwDockBar.m_pDockSite = static_cast<CFrameWnd*>(pOwner);
        m_wndFwDockBar.m_pDockSite->AddControlBar(&m_wndFwDockBar);
    }
    return TRUE;
}

void FwMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == nullptr) {
        return;
    }
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    CMiniDockFrameWnd::RecalcLayout(bNotify);
    // A dock bar of one bar carries that bar's title; the frame shows the dock bar's.
    if (CControlBar* pBar = GetSingleFwBar()) {
        char szTitle[maxTitle + 1] = {};
        ::GetWindowTextA(pBar->m_hWnd, szTitle, sizeof(szTitle));
        ::SetWindowTextA(m_wndFwDockBar.m_hWnd, szTitle);
    }
    char szText[maxTitle + 1] = {};
    ::GetWindowTextA(m_wndFwDockBar.m_hWnd, szText, sizeof(szText));
    char szOld[maxTitle + 1] = {};
    ::GetWindowTextA(m_hWnd, szOld, sizeof(szOld));
    if (lstrcmpA(szOld, szText) != 0) {
        ::SetWindowTextA(m_hWnd, szText);
    }
}

CControlBar* FwMiniDockFrameWnd::GetSingleFwBar() const
{
    if (m_wndFwDockBar.GetDockedCount() != 1) {
        return nullptr;
    }
    for (INT_PTR i = 0; i < m_wndFwDockBar.m_arrBars.GetSize(); ++i) {
        if (CControlBar* pBar = m_wndFwDockBar.GetDockedControlBar(static_cast<int>(i))) {
            return pBar;
        }
    }
    return nullptr;
}

LRESULT FwMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    switch (message) {
    case WM_NCLBUTTONDOWN: {
        ::BringWindowToTop(m_hWnd);
        CControlBar* pBar = GetSingleFwBar();
        if (wParam == HTCAPTION) {
            if (HWND hTop = ::GetAncestor(::GetWindow(m_hWnd, GW_OWNER), GA_ROOT)) {
                ::SetActiveWindow(hTop);
            }
            if (pBar != nullptr && pBar->m_pDockContext != nullptr) {
                pBar->m_pDockContext->StartDrag(pt);
                return 0;
            }
        } else if (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT && pBar != nullptr && pBar->m_pDockContext != nullptr) {
            pBar->m_pDockContext->StartResize(static_cast<int>(wParam), pt);
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCAPTION) {
            CControlBar* pBar = GetSingleFwBar();
            if (pBar != nullptr && pBar->m_pDockContext != nullptr) {
                pBar->m_pDockContext->ToggleDocking();
                return 0;
            }
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_LBUTTONDOWN) {
            ::BringWindowToTop(m_hWnd);
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    default:
        break;
    }
    return CMiniDockFrameWnd::WindowProc(message, wParam, lParam);
}
