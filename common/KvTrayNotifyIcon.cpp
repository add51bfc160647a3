#include "common/KvTrayNotifyIcon.h"

#include "common/KvTrayRessurectionWnd.h"
#include "common/KvTrayTimerWnd.h"
#include "platform/base/FxResMgr.h"
#include "platform/win/Menu.h"
#include "platform/win/Wnd.h"

FX_IMPLEMENT_DYNAMIC(CKvTrayNotifyIcon, CObject)

namespace
{
// The byte count of the whole characters of a GBK text that fit nMax bytes.
int FitGbk(LPCSTR psz, int nMax)
{
    int n = 0;
    while (psz[n] != '\0') {
        const unsigned char ch = static_cast<unsigned char>(psz[n]);
        const int nChar = (ch >= 0x81 && ch <= 0xFE && psz[n + 1] != '\0') ? 2 : 1;
        if (n + nChar > nMax) {
            break;
        }
        n += nChar;
    }
    return n;
}
} // namespace

CKvTrayNotifyIcon::CKvTrayNotifyIcon()
    : m_nid(), m_bEnabled(FALSE), m_bHidden(FALSE), m_pNotificationWnd(nullptr), m_pTimerWnd(nullptr),
      m_pResurrectionWnd(nullptr), m_bAnimated(FALSE)
{
}

CKvTrayNotifyIcon::~CKvTrayNotifyIcon()
{
    CloseTimerWnd();
    if (m_pResurrectionWnd != nullptr) {
        // The frame deletes itself as its window goes.
        m_pResurrectionWnd->SendMessage(WM_CLOSE);
        m_pResurrectionWnd = nullptr;
    }
    RemoveIcon();
}

BOOL CKvTrayNotifyIcon::Notify(DWORD dwMessage, UINT nFlags)
{
    m_nid.uFlags = nFlags;
    return Shell_NotifyIconA(dwMessage, &m_nid);
}

void CKvTrayNotifyIcon::SetTipField(LPCSTR lpszTooltip)
{
    // The first layout's field is 64 bytes, whatever size the headers give szTip.
    const int nMax = 63;
    const int nLen = lpszTooltip != nullptr ? FitGbk(lpszTooltip, nMax) : 0;
    memset(m_nid.szTip, 0, sizeof(m_nid.szTip));
    static_assert(sizeof(m_nid.szTip) >= 64, "the tooltip field holds 64 bytes");
    if (nLen > 0) {
        memcpy(m_nid.szTip, lpszTooltip, static_cast<size_t>(nLen));
    }
}

void CKvTrayNotifyIcon::CloseTimerWnd()
{
    if (m_pTimerWnd != nullptr) {
        m_pTimerWnd->SendMessage(WM_CLOSE);
        m_pTimerWnd = nullptr;
    }
}

BOOL CKvTrayNotifyIcon::Create(CWnd* pNotifyWnd, UINT nID, LPCSTR lpszTooltip, HICON hIcon, UINT nCallbackMessage)
{
    if (m_bEnabled || pNotifyWnd == nullptr) {
        return FALSE;
    }
    if (m_pResurrectionWnd == nullptr) {
        m_pResurrectionWnd = new CKvTrayRessurectionWnd(this);
        if (!m_pResurrectionWnd->CreateHidden()) {
            // No window, so no PostNcDestroy to free it.
            delete m_pResurrectionWnd;
            m_pResurrectionWnd = nullptr;
            return FALSE;
        }
    }
    m_pNotificationWnd = pNotifyWnd;
    m_nid = NOTIFYICONDATAA();
    m_nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_nid.hWnd = pNotifyWnd->GetSafeHwnd();
    m_nid.uID = nID;
    m_nid.uCallbackMessage = nCallbackMessage;
    m_nid.hIcon = hIcon;
    SetTipField(lpszTooltip);
    m_bHidden = FALSE;
    m_bEnabled = Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    return m_bEnabled;
}

BOOL CKvTrayNotifyIcon::StartAnimation(HICON* phIcons, int nNumIcons, DWORD dwDelay)
{
    CloseTimerWnd();
    CKvTrayTimerWnd* pTimerWnd = new CKvTrayTimerWnd(this, phIcons, nNumIcons, dwDelay);
    if (!pTimerWnd->CreateHidden()) {
        delete pTimerWnd;
        return FALSE;
    }
    m_pTimerWnd = pTimerWnd;
    return TRUE;
}

BOOL CKvTrayNotifyIcon::Create(CWnd* pNotifyWnd, UINT nID, LPCSTR lpszTooltip, HICON* phIcons, int nNumIcons,
                               DWORD dwDelay, UINT nCallbackMessage)
{
    // An animation needs a first icon to show.
    if (m_bEnabled || phIcons == nullptr || nNumIcons <= 0) {
        return FALSE;
    }
    if (!StartAnimation(phIcons, nNumIcons, dwDelay)) {
        return FALSE;
    }
    if (!Create(pNotifyWnd, nID, lpszTooltip, phIcons[0], nCallbackMessage)) {
        CloseTimerWnd();
        return FALSE;
    }
    m_bAnimated = TRUE;
    return TRUE;
}

void CKvTrayNotifyIcon::HideIcon()
{
    if (m_bEnabled && !m_bHidden) {
        Notify(NIM_DELETE, NIF_ICON);
        m_bHidden = TRUE;
    }
}

void CKvTrayNotifyIcon::ShowIcon()
{
    if (m_bEnabled && m_bHidden) {
        Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
        m_bHidden = FALSE;
    }
}

void CKvTrayNotifyIcon::MoveToExtremeRight()
{
    // Added again, the icon goes last.
    HideIcon();
    ShowIcon();
}

void CKvTrayNotifyIcon::RemoveIcon()
{
    if (m_bEnabled) {
        Notify(NIM_DELETE, 0);
        m_bEnabled = FALSE;
    }
}

BOOL CKvTrayNotifyIcon::SetTooltipText(LPCSTR lpszTooltipText)
{
    if (!m_bEnabled) {
        return FALSE;
    }
    SetTipField(lpszTooltipText);
    return Notify(NIM_MODIFY, NIF_TIP);
}

BOOL CKvTrayNotifyIcon::SetTooltipText(UINT nID)
{
    CString strText;
    if (!m_bEnabled || !strText.LoadString(nID)) {
        return FALSE;
    }
    return SetTooltipText(strText);
}

CString CKvTrayNotifyIcon::GetTooltipText() const
{
    return m_bEnabled ? CString(m_nid.szTip) : CString();
}

BOOL CKvTrayNotifyIcon::SetIcon(HICON hIcon)
{
    if (!m_bEnabled) {
        return FALSE;
    }
    CloseTimerWnd();
    m_bAnimated = FALSE;
    m_nid.hIcon = hIcon;
    return Notify(NIM_MODIFY, NIF_ICON);
}

BOOL CKvTrayNotifyIcon::SetIcon(LPCSTR lpszIconName)
{
    if (!m_bEnabled) {
        return FALSE;
    }
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszIconName, MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    HICON hIcon = hInst != nullptr ? LoadIconA(hInst, lpszIconName) : nullptr;
    return hIcon != nullptr && SetIcon(hIcon);
}

BOOL CKvTrayNotifyIcon::SetIcon(UINT nIDResource)
{
    return SetIcon(MAKEINTRESOURCEA(nIDResource));
}

BOOL CKvTrayNotifyIcon::SetStandardIcon(LPCSTR lpszIconName)
{
    if (!m_bEnabled) {
        return FALSE;
    }
    HICON hIcon = LoadIconA(nullptr, lpszIconName);
    return hIcon != nullptr && SetIcon(hIcon);
}

BOOL CKvTrayNotifyIcon::SetStandardIcon(UINT nIDResource)
{
    return SetStandardIcon(MAKEINTRESOURCEA(nIDResource));
}

BOOL CKvTrayNotifyIcon::SetIcon(HICON* phIcons, int nNumIcons, DWORD dwDelay)
{
    if (!m_bEnabled || phIcons == nullptr || nNumIcons <= 0) {
        return FALSE;
    }
    if (!SetIcon(phIcons[0]) || !StartAnimation(phIcons, nNumIcons, dwDelay)) {
        return FALSE;
    }
    m_bAnimated = TRUE;
    return TRUE;
}

HICON CKvTrayNotifyIcon::GetIcon() const
{
    if (!m_bEnabled) {
        return nullptr;
    }
    if (m_bAnimated && m_pTimerWnd != nullptr) {
        return m_pTimerWnd->GetCurrentIcon();
    }
    return m_nid.hIcon;
}

BOOL CKvTrayNotifyIcon::SetNotificationWnd(CWnd* pNotifyWnd)
{
    if (!m_bEnabled || pNotifyWnd == nullptr || !pNotifyWnd->IsWindow()) {
        return FALSE;
    }
    m_pNotificationWnd = pNotifyWnd;
    m_nid.hWnd = pNotifyWnd->GetSafeHwnd();
    return Notify(NIM_MODIFY, 0);
}

LRESULT CKvTrayNotifyIcon::OnTrayNotification(WPARAM wID, LPARAM lEvent)
{
    if (wID != m_nid.uID || m_pNotificationWnd == nullptr) {
        return 0;
    }
    CMenu menu;
    if (!menu.LoadMenu(m_nid.uID)) {
        return 0;
    }
    CMenu* pSubMenu = menu.GetSubMenu(0);
    if (pSubMenu == nullptr) {
        return 0;
    }
    if (lEvent == WM_RBUTTONUP) {
        SetMenuDefaultItem(*pSubMenu, 0, TRUE);
        POINT pt = {};
        GetCursorPos(&pt);
        ::SetForegroundWindow(m_nid.hWnd);
        ::TrackPopupMenu(*pSubMenu, 0, pt.x, pt.y, 0, m_nid.hWnd, nullptr);
        // Lets the menu close when the user clicks elsewhere (the shell's documented trick).
        ::PostMessageA(m_nid.hWnd, WM_NULL, 0, 0);
    } else if (lEvent == WM_LBUTTONDBLCLK) {
        m_pNotificationWnd->SendMessage(WM_COMMAND, pSubMenu->GetMenuItemID(0), 0);
    }
    return 1;
}
