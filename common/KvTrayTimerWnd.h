// The hidden frame window that steps a tray icon's animation on its timer.
#pragma once

#include <vector>

#include "platform/frame/FrameWnd.h"

class CKvTrayNotifyIcon;

class CKvTrayTimerWnd : public CFrameWnd
{
public:
    // Keeps its own copy of the icon handles; the caller keeps owning the icons.
    CKvTrayTimerWnd(CKvTrayNotifyIcon* pTrayIcon, const HICON* phIcons, int nNumIcons, DWORD dwDelay);

    // Creates the never-shown window; it deletes itself when closed (WM_CLOSE).
    BOOL CreateHidden();
    HICON GetCurrentIcon() const;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnDestroy() override;

private:
    CKvTrayNotifyIcon* m_pTrayIcon;
    std::vector<HICON> m_icons;
    DWORD m_dwDelay;
    UINT_PTR m_nTimerID;
    int m_nCurrentIconIndex;
};
