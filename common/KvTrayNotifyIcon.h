// One icon in the notification area of the taskbar: tooltip, optional animation, pop-up menu on
// right click, default command on double click, and re-added when the taskbar is re-created.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "common/KvCommLibExport.h"
#include "platform/base/Object.h"
#include "platform/base/String.h"

class CWnd;
class CKvTrayTimerWnd;
class CKvTrayRessurectionWnd;

class KVCOMM_API CKvTrayNotifyIcon : public CObject
{
    FX_DECLARE_DYNAMIC(CKvTrayNotifyIcon)

public:
    CKvTrayNotifyIcon();
    // Closes the animation and resurrection windows and removes the icon.
    ~CKvTrayNotifyIcon() override;
    CKvTrayNotifyIcon(const CKvTrayNotifyIcon&) = delete;
    CKvTrayNotifyIcon& operator=(const CKvTrayNotifyIcon&) = delete;

    // Tooltips longer than the notification data holds (63 bytes) are cut at a whole character.
    BOOL Create(CWnd* pNotifyWnd, UINT nID, LPCSTR lpszTooltip, HICON hIcon, UINT nCallbackMessage);
    // Animated: steps through the icons every dwDelay milliseconds; FALSE without icons.
    BOOL Create(CWnd* pNotifyWnd, UINT nID, LPCSTR lpszTooltip, HICON* phIcons, int nNumIcons, DWORD dwDelay,
                UINT nCallbackMessage);

    void HideIcon();
    void ShowIcon();
    void RemoveIcon();
    void MoveToExtremeRight();

    // The setters answer FALSE while the icon is not in the notification area.
    BOOL SetTooltipText(LPCSTR lpszTooltipText);
    BOOL SetTooltipText(UINT nID);
    CString GetTooltipText() const;

    BOOL SetIcon(HICON hIcon);
    BOOL SetIcon(LPCSTR lpszIconName);
    BOOL SetIcon(UINT nIDResource);
    BOOL SetStandardIcon(LPCSTR lpszIconName);
    BOOL SetStandardIcon(UINT nIDResource);
    BOOL SetIcon(HICON* phIcons, int nNumIcons, DWORD dwDelay);
    HICON GetIcon() const;

    BOOL SetNotificationWnd(CWnd* pNotifyWnd);
    CWnd* GetNotificationWnd() const { return m_pNotificationWnd; }

    BOOL UsingAnimatedIcon() const { return m_bAnimated; }
    BOOL IsShowing() const { return !m_bHidden; }
    BOOL IsHidden() const { return m_bHidden; }

    // For the notification window's handler of the callback message: the pop-up of the menu
    // resource with the icon's id on a right click, its first command on a double click.
    virtual LRESULT OnTrayNotification(WPARAM wID, LPARAM lEvent);

protected:
    friend class CKvTrayTimerWnd;
    friend class CKvTrayRessurectionWnd;

    // The platform's first layout of the data (64-byte tooltip), which every shell accepts.
    NOTIFYICONDATAA m_nid;
    BOOL m_bEnabled;
    BOOL m_bHidden;
    CWnd* m_pNotificationWnd;
    CKvTrayTimerWnd* m_pTimerWnd;
    CKvTrayRessurectionWnd* m_pResurrectionWnd;
    BOOL m_bAnimated;

private:
    BOOL Notify(DWORD dwMessage, UINT nFlags);
    void SetTipField(LPCSTR lpszTooltip);
    void CloseTimerWnd();
    BOOL StartAnimation(HICON* phIcons, int nNumIcons, DWORD dwDelay);
};
