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
    if (!CMiniDockFrameWnd::Create(pParent, dwBarStyle)) {
        return FALSE;
    }
    char szClose[128] = {};
    HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (hSysMenu != nullptr && ::LoadStringA(::GetModuleHandleA(nullptr), 0xF011, szClose, sizeof(szClose)) > 0) {
        ::DeleteMenu(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
        ::AppendMenuA(hSysMenu, MF_STRING, SC_CLOSE, szClose);
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
    if (CControlBar* pBar = GetSingleBar()) {
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

LRESULT FwMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCLBUTTONDOWN:
        // Any press brings the frame up; a caption press also activates the program's window,
        // then the platform starts the drag or the resize.
        ::BringWindowToTop(m_hWnd);
        if (wParam == HTCAPTION) {
            if (HWND hTop = ::GetAncestor(::GetWindow(m_hWnd, GW_OWNER), GA_ROOT)) {
                ::SetActiveWindow(hTop);
            }
        }
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_LBUTTONDOWN) {
            ::BringWindowToTop(m_hWnd);
        }
        break;
    default:
        break;
    }
    return CMiniDockFrameWnd::WindowProc(message, wParam, lParam);
}
