#include "platform/win/Wnd.h"

#include <unordered_map>

#include "platform/base/Firewall.h"
#include "platform/base/FxResMgr.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxTempMap.h"
#include "platform/win/Menu.h"
#include "platform/win/MsgBox.h"

// The dispatchers cast each handler back to the type its map entry was checked against.
#pragma GCC diagnostic ignored "-Wcast-function-type"

namespace
{
// The objects that own windows (the temporary wrappers of the others are in CFxTempMap). The
// suite runs its windows on one thread.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// Windows whose object let go while another subclass sat above our procedure: our procedure stays
// in their chain and passes their messages on to the procedure it had replaced.
std::unordered_map<HWND, WNDPROC>& OrphanProcs()
{
    static std::unordered_map<HWND, WNDPROC> map;
    return map;
}

// The message being handled, for Default(); saved and restored around nested dispatch. A handler
// without a result answers what Default answered, so a base handler passes the result on too.
struct CurrentMsg
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool bDefaulted;
    LRESULT lDefault;
};
CurrentMsg g_currentMsg = {0, 0, 0, false, 0};

// The object that CreateEx is creating a window for, taken by the CBT hook at HCBT_CREATEWND.
CWnd* g_pWndInit = nullptr;
HHOOK g_hCbtHook = nullptr;

void RegisterPlainClass()
{
    static bool bRegistered = false;
    if (bRegistered) {
        return;
    }
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = FxWndProc;
    wc.hInstance = FX_MODULE_INSTANCE();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = FX_WND_CLASS;
    bRegistered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The control that a message to its parent is about, for reflection; null when none.
HWND ChildOfMessage(HWND hParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* pDis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return pDis != nullptr && pDis->CtlType != ODT_MENU ? pDis->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* pMis = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return pMis != nullptr && pMis->CtlType != ODT_MENU ? ::GetDlgItem(hParent, static_cast<int>(pMis->CtlID))
                                                            : nullptr;
    }
    case WM_DELETEITEM:
        return lParam != 0 ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_COMPAREITEM:
        return lParam != 0 ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        (void)wParam;
        return nullptr;
    }
}
} // namespace

LRESULT CALLBACK FxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = nullptr;
    const LRESULT lResult = FxCallbackEntry("window procedure", 0, [&]() -> LRESULT {
        pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd == nullptr) {
            auto& orphans = OrphanProcs();
            auto it = orphans.find(hWnd);
            if (it == orphans.end()) {
                return ::DefWindowProcA(hWnd, message, wParam, lParam);
            }
            const WNDPROC pfnSuper = it->second;
            if (message == WM_NCDESTROY) {
                orphans.erase(it);
            }
            return ::CallWindowProcA(pfnSuper, hWnd, message, wParam, lParam);
        }
        const LRESULT lAnswer = pWnd->DispatchToObject(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            pWnd->UnhookWindow();
            pWnd->PostNcDestroy();
        }
        return lAnswer;
    });
    // A window on its way out must not stay mapped to its object, even when its handler threw.
    if (message == WM_NCDESTROY && pWnd != nullptr && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        pWnd->UnhookWindow();
    }
    return lResult;
}

LRESULT CALLBACK FxCbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    FxCallbackEntry("window creation hook", FALSE, [&]() -> BOOL {
        if (nCode == HCBT_CREATEWND && g_pWndInit != nullptr) {
            CWnd* pWnd = g_pWndInit;
            g_pWndInit = nullptr;
            pWnd->HookWindow(reinterpret_cast<HWND>(wParam));
        }
        return TRUE;
    });
    return CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
}

FX_IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

// Every virtual handler is listed here once, so a derived class only overrides it; the base
// handlers pass the message on unchanged, as if no entry had taken it.
FX_BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
FX_ON_WM_CREATE()
FX_ON_WM_DESTROY()
FX_ON_WM_CLOSE()
FX_ON_WM_PAINT()
FX_ON_WM_SIZE()
FX_ON_WM_TIMER()
FX_ON_WM_SETFOCUS()
FX_ON_WM_KILLFOCUS()
FX_ON_WM_KEYDOWN()
FX_ON_WM_KEYUP()
FX_ON_WM_CHAR()
FX_ON_WM_ERASEBKGND()
FX_ON_WM_LBUTTONDOWN()
FX_ON_WM_LBUTTONUP()
FX_ON_WM_LBUTTONDBLCLK()
FX_ON_WM_RBUTTONDOWN()
FX_ON_WM_RBUTTONUP()
FX_ON_WM_MOUSEMOVE()
FX_ON_WM_DRAWITEM()
FX_ON_WM_MEASUREITEM()
FX_END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_bOwnsWindow(FALSE)
{
}

CWnd::~CWnd()
{
    if (m_hWnd == nullptr) {
        return;
    }
    HWND hWnd = m_hWnd;
    const bool bOwned = FromHandlePermanent(hWnd) == this && m_bOwnsWindow;
    // Unhook first: the derived part is gone, messages sent while the window dies must not reach it.
    UnhookWindow();
    if (bOwned && ::IsWindow(hWnd)) {
        ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr) {
        return nullptr;
    }
    auto& map = PermanentMap();
    auto it = map.find(hWnd);
    return it != map.end() ? it->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (CWnd* pWnd = FromHandlePermanent(hWnd)) {
        return pWnd;
    }
    // A temporary neither owns nor subclasses the window: its destructor leaves the window alone.
    return CFxTempMap<CWnd, HWND>::Lookup(hWnd, [](CWnd* p, HWND h) { p->m_hWnd = h; });
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr) {
        return FALSE;
    }
    m_hWnd = hWnd;
    m_bOwnsWindow = TRUE;
    PermanentMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && FromHandlePermanent(hWnd) == this) {
        PermanentMap().erase(hWnd);
    }
    m_hWnd = nullptr;
    m_bOwnsWindow = FALSE;
    return hWnd;
}

BOOL CWnd::HookWindow(HWND hWnd)
{
    if (!Attach(hWnd)) {
        return FALSE;
    }
    // Our procedure may still sit below another subclass: take its place there again rather than
    // going on top, which would make the other subclass call back into us for ever.
    auto& orphans = OrphanProcs();
    auto it = orphans.find(hWnd);
    if (it != orphans.end()) {
        m_pfnSuper = it->second;
        orphans.erase(it);
        return TRUE;
    }
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    if (pfnOld != FxWndProc) {
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FxWndProc));
        m_pfnSuper = pfnOld;
    } else {
        m_pfnSuper = nullptr;
    }
    return TRUE;
}

void CWnd::UnhookWindow()
{
    if (m_hWnd == nullptr) {
        return;
    }
    if (m_pfnSuper != nullptr) {
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == FxWndProc) {
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        } else if (::IsWindow(m_hWnd)) {
            // Another subclass calls our procedure: it must still reach the window's own.
            OrphanProcs()[m_hWnd] = m_pfnSuper;
        }
    }
    m_pfnSuper = nullptr;
    Detach();
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || !::IsWindow(hWnd)) {
        return FALSE;
    }
    if (!HookWindow(hWnd)) {
        return FALSE;
    }
    // Destroying a dialog's control from the wrapper's destructor would notify the dialog while
    // the dialog object's derived part (whose member the wrapper is) is already gone.
    m_bOwnsWindow = FALSE;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr) {
        return FALSE;
    }
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    UnhookWindow();
    return hWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    if (lpszClassName == nullptr) {
        RegisterPlainClass();
        lpszClassName = FX_WND_CLASS;
        hInst = FX_MODULE_INSTANCE();
    }
    // The hook hands the new window to this object before WM_NCCREATE, so no message is missed.
    CWnd* pOldInit = g_pWndInit;
    HHOOK hOldHook = g_hCbtHook;
    g_pWndInit = this;
    g_hCbtHook = SetWindowsHookExA(WH_CBT, FxCbtHook, nullptr, GetCurrentThreadId());
    HWND hWnd = CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent,
                                nIDorHMenu, hInst, lpParam);
    if (g_hCbtHook != nullptr) {
        UnhookWindowsHookEx(g_hCbtHook);
    }
    g_hCbtHook = hOldHook;
    g_pWndInit = pOldInit;
    if (hWnd != nullptr && hWnd != m_hWnd) {
        // Created but never bound (the hook could not be set): nobody would own it.
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return hWnd != nullptr;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, LPVOID lpParam)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    ::SetWindowTextA(m_hWnd, lpszString != nullptr ? lpszString : "");
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLength = ::GetWindowTextLengthA(m_hWnd);
    if (nLength <= 0) {
        rString.Empty();
        return;
    }
    ::GetWindowTextA(m_hWnd, rString.GetBuffer(nLength + 1), nLength + 1);
    rString.ReleaseBuffer();
}

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString)
{
    ::SetDlgItemTextA(m_hWnd, nID, lpszString != nullptr ? lpszString : "");
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    if (hItem == nullptr) {
        return 0;
    }
    int nLength = ::GetWindowTextLengthA(hItem);
    if (nLength > 0) {
        ::GetWindowTextA(hItem, rString.GetBuffer(nLength + 1), nLength + 1);
        rString.ReleaseBuffer();
    }
    return rString.GetLength();
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                 bRepaint);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = GetStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle) {
        return FALSE;
    }
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags != 0) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return FxMessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

LRESULT CWnd::DispatchToObject(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMsg saved = g_currentMsg;
    g_currentMsg = {message, wParam, lParam, false, 0};
    struct Restore
    {
        CurrentMsg saved;
        ~Restore() { g_currentMsg = saved; }
    } restore{saved};
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) {
        lResult = DefWindowProc(message, wParam, lParam);
    }
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr) {
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    LRESULT lResult = DefWindowProc(g_currentMsg.message, g_currentMsg.wParam, g_currentMsg.lParam);
    g_currentMsg.bDefaulted = true;
    g_currentMsg.lDefault = lResult;
    return lResult;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = FromHandlePermanent(hWnd)) {
            if (pWnd->PreTranslateMessage(pMsg)) {
                return TRUE;
            }
        }
        if (hWnd == hWndStop) {
            break;
        }
    }
    return FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *pResult = 0;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        return OnNotify(wParam, lParam, pResult);
    }
    if (HWND hChild = ChildOfMessage(m_hWnd, message, wParam, lParam)) {
        CWnd* pChild = FromHandlePermanent(hChild);
        if (pChild != nullptr && pChild != this && pChild->OnChildNotify(message, wParam, lParam, pResult)) {
            return TRUE;
        }
    }

    const FX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), message, 0, 0);
    if (pEntry == nullptr) {
        return FALSE;
    }
    g_currentMsg.bDefaulted = false;
    LRESULT lResult = 0;
    switch (pEntry->nSig) {
    case FxSig_vv:
        (this->*reinterpret_cast<void (CWnd::*)()>(pEntry->pfn))();
        break;
    case FxSig_iCreate:
        lResult = (this->*reinterpret_cast<int (CWnd::*)(LPCREATESTRUCT)>(pEntry->pfn))(
            reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case FxSig_vwii:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, int, int)>(pEntry->pfn))(
            static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        break;
    case FxSig_vTimer:
        (this->*reinterpret_cast<void (CWnd::*)(UINT_PTR)>(pEntry->pfn))(static_cast<UINT_PTR>(wParam));
        break;
    case FxSig_vHwnd:
        (this->*reinterpret_cast<void (CWnd::*)(CWnd*)>(pEntry->pfn))(FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case FxSig_vwww:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, UINT, UINT)>(pEntry->pfn))(static_cast<UINT>(wParam),
                                                                                 LOWORD(lParam), HIWORD(lParam));
        break;
    case FxSig_vwp:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, CPoint)>(pEntry->pfn))(
            static_cast<UINT>(wParam), CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        break;
    case FxSig_bDC:
        lResult = (this->*reinterpret_cast<BOOL (CWnd::*)(CDC*)>(pEntry->pfn))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        break;
    case FxSig_vDis:
        (this->*reinterpret_cast<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pEntry->pfn))(
            static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case FxSig_vMis:
        (this->*reinterpret_cast<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(pEntry->pfn))(
            static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case FxSig_lwl:
        lResult = (this->*reinterpret_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pEntry->pfn))(wParam, lParam);
        break;
    default:
        return FALSE;
    }
    const bool bHandlerAnswers =
        pEntry->nSig == FxSig_iCreate || pEntry->nSig == FxSig_bDC || pEntry->nSig == FxSig_lwl;
    if (!bHandlerAnswers && g_currentMsg.bDefaulted) {
        lResult = g_currentMsg.lDefault;
    }
    *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hCtl = reinterpret_cast<HWND>(lParam);
    if (hCtl != nullptr) {
        CWnd* pChild = FromHandlePermanent(hCtl);
        if (pChild != nullptr && pChild != this && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) {
            return TRUE;
        }
    }
    // Without a control the code tells a menu (0) from an accelerator (1): both are the same
    // command. From a control it is the notification (CBN_SELCHANGE is 1 too).
    return OnCmdMsg(LOWORD(wParam), hCtl != nullptr ? HIWORD(wParam) : 0);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR == nullptr) {
        return FALSE;
    }
    CWnd* pChild = FromHandlePermanent(pNMHDR->hwndFrom);
    if (pChild != nullptr && pChild != this && pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult)) {
        return TRUE;
    }
    FX_NOTIFY notify = {pNMHDR, pResult};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), static_cast<int>(pNMHDR->code), &notify);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::PostNcDestroy()
{
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT)
{
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT)
{
    Default();
}
