#include "platform/win/ToolTipCtrl.h"

#include <commctrl.h>

FX_IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace
{
TTTOOLINFOA MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOA ti = {};
    // The size comctl32 of every version accepts: without the reserved pointer of version 6.
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    ti.uId = nIDTool;
    return ti;
}
} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX icc = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRect, UINT_PTR nIDTool)
{
    if (pWnd == nullptr) {
        return FALSE;
    }
    TTTOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
    // The owner relays its mouse messages (RelayEvent): a tooltip that subclassed the window
    // would outlive an object that unsubclasses it.
    ti.uFlags = 0;
    if (lpRect != nullptr) {
        ti.rect = *lpRect;
    } else {
        pWnd->GetClientRect(&ti.rect);
    }
    ti.lpszText = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

CString CToolTipCtrl::GetText(CWnd* pWnd, UINT_PTR nIDTool) const
{
    char szText[1024] = "";
    TTTOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
    ti.lpszText = szText;
    SendMessage(TTM_GETTEXTA, sizeof(szText), reinterpret_cast<LPARAM>(&ti));
    return CString(szText);
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

void CToolTipCtrl::RelayEvent(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == nullptr || message < WM_MOUSEFIRST || message > WM_MOUSELAST) {
        return;
    }
    const DWORD dwPos = GetMessagePos();
    MSG msg = {hWnd,
               message,
               wParam,
               lParam,
               static_cast<DWORD>(GetMessageTime()),
               {static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos))}};
    RelayEvent(&msg);
}
