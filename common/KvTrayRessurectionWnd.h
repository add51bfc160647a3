// The hidden frame window that waits for the shell's "TaskbarCreated" broadcast and puts the
// tray icon back.
#pragma once

#include "platform/frame/FrameWnd.h"

class CKvTrayNotifyIcon;

class CKvTrayRessurectionWnd : public CFrameWnd
{
public:
    explicit CKvTrayRessurectionWnd(CKvTrayNotifyIcon* pTrayIcon);

    // Creates the never-shown window; it deletes itself when closed (WM_CLOSE).
    BOOL CreateHidden();
    // The registered message the shell broadcasts to top-level windows after re-creating the taskbar.
    static UINT GetTaskbarCreatedMessage();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CKvTrayNotifyIcon* m_pTrayIcon;
};
