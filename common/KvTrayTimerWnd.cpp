#include "common/KvTrayTimerWnd.h"

#include "common/KvTrayNotifyIcon.h"

namespace
{
const UINT_PTR kAnimationTimer = 1;
}

CKvTrayTimerWnd::CKvTrayTimerWnd(CKvTrayNotifyIcon* pTrayIcon, const HICON* phIcons, int nNumIcons, DWORD dwDelay)
    : m_pTrayIcon(pTrayIcon), m_icons(phIcons, phIcons + (nNumIcons > 0 ? nNumIcons : 0)), m_dwDelay(dwDelay),
      m_nTimerID(0), m_nCurrentIconIndex(0)
{
}

BOOL CKvTrayTimerWnd::CreateHidden()
{
    return CreateEx(0, nullptr, "CKvTrayNotifyIcon Animation Notification Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
}

HICON CKvTrayTimerWnd::GetCurrentIcon() const
{
    return m_icons.empty() ? nullptr : m_icons[static_cast<size_t>(m_nCurrentIconIndex)];
}

int CKvTrayTimerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_nTimerID = SetTimer(kAnimationTimer, m_dwDelay);
    return 0;
}

void CKvTrayTimerWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAnimationTimer || m_icons.empty()) {
        CFrameWnd::OnTimer(nIDEvent);
        return;
    }
    m_nCurrentIconIndex = (m_nCurrentIconIndex + 1) % static_cast<int>(m_icons.size());
    m_pTrayIcon->m_nid.hIcon = m_icons[static_cast<size_t>(m_nCurrentIconIndex)];
    m_pTrayIcon->Notify(NIM_MODIFY, NIF_ICON);
}

void CKvTrayTimerWnd::OnDestroy()
{
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    CFrameWnd::OnDestroy();
}
