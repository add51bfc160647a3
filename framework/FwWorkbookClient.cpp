#include "framework/FwWorkbookClient.h"

FX_IMPLEMENT_DYNCREATE(FwWorkbookClient, CWnd)

FwWorkbookClient::FwWorkbookClient() : m_rcInsets(0, 0, 0, 0)
{
}

void FwWorkbookClient::CalcWindowRect(LPRECT lpRect) const
{
    lpRect->left += m_rcInsets.left;
    lpRect->top += m_rcInsets.top;
    lpRect->right -= m_rcInsets.right;
    lpRect->bottom -= m_rcInsets.bottom;
}

LRESULT FwWorkbookClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_MDISETMENU && message != WM_FWWORKBOOK_REFRESHTABS) {
        return CWnd::WindowProc(message, wParam, lParam);
    }
    const WPARAM kNone = static_cast<WPARAM>(-1);
    LRESULT lResult = 0;
    if (wParam != kNone || lParam != static_cast<LPARAM>(-1)) {
        lResult = CWnd::WindowProc(WM_MDISETMENU, wParam, lParam);
    }
    ::SendMessageA(::GetParent(m_hWnd), WM_FWWORKBOOK_ACTIVETABCHANGED, 0, 0);
    return lResult;
}
