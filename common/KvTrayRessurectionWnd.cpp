#include "common/KvTrayRessurectionWnd.h"

#include "common/KvTrayNotifyIcon.h"

namespace
{
// Registered when the library loads, before any window of ours can receive it.
const UINT g_nTaskbarCreatedMsg = RegisterWindowMessageA("TaskbarCreated");
} // namespace

CKvTrayRessurectionWnd::CKvTrayRessurectionWnd(CKvTrayNotifyIcon* pTrayIcon) : m_pTrayIcon(pTrayIcon)
{
}

BOOL CKvTrayRessurectionWnd::CreateHidden()
{
    return CreateEx(0, nullptr, "CKvTrayNotifyIcon Resurrection Notification Window", WS_OVERLAPPEDWINDOW,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
}

UINT CKvTrayRessurectionWnd::GetTaskbarCreatedMessage()
{
    return g_nTaskbarCreatedMsg;
}

LRESULT CKvTrayRessurectionWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == g_nTaskbarCreatedMsg && g_nTaskbarCreatedMsg != 0) {
        // The new taskbar knows no icons: a shown icon goes back (a hidden one stays away).
        if (m_pTrayIcon != nullptr && m_pTrayIcon->m_bEnabled && !m_pTrayIcon->m_bHidden) {
            m_pTrayIcon->HideIcon();
            m_pTrayIcon->ShowIcon();
        }
        return 0;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
