#include "KvTestHost.h"

#include "common/KvColorBar.h"
#include "platform/win/Button.h"

FX_BEGIN_MESSAGE_MAP(CKvTestHost, CDialog)
FX_ON_MESSAGE(KV_WM_COLORCHANGE, OnColorChange)
FX_END_MESSAGE_MAP()

CKvTestHost::CKvTestHost(UINT nIDTemplate) : CDialog(nIDTemplate)
{
}

CKvTestHost::~CKvTestHost()
{
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
}

BOOL CKvTestHost::Open()
{
    return Create(m_lpszTemplateName);
}

void CKvTestHost::Show(int x, int y)
{
    ::SetWindowPos(m_hWnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetActiveWindow(m_hWnd);
    ::SetForegroundWindow(m_hWnd);
    UpdateWindow();
    PumpTestMessages();
}

BOOL CKvTestHost::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        ++m_clicks[LOWORD(wParam)];
    }
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CKvTestHost::OnColorChange(WPARAM wParam, LPARAM lParam)
{
    m_colors.emplace_back(wParam, static_cast<COLORREF>(lParam));
    return 0;
}

POINT ToScreen(HWND hWnd, int x, int y)
{
    POINT pt = {x, y};
    ClientToScreen(hWnd, &pt);
    return pt;
}

void PostMouse(HWND hWnd, UINT message, int x, int y, WPARAM wKeys)
{
    POINT pt = ToScreen(hWnd, x, y);
    SetCursorPos(pt.x, pt.y);
    PostMessageA(hWnd, message, wKeys, MAKELPARAM(x, y));
    PumpTestMessages();
}

void DrawButtonState(CButton& button, CTestDib& dib, int x, int y, UINT nState, UINT nAction)
{
    RECT rc = {};
    button.GetClientRect(&rc);
    CTestDib item(rc.right, rc.bottom, RGB(255, 255, 255));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(button.GetDlgCtrlID());
    dis.itemAction = nAction;
    dis.itemState = nState;
    dis.hwndItem = button.m_hWnd;
    dis.hDC = item.DC().GetSafeHdc();
    dis.rcItem = rc;
    button.DrawItem(&dis);
    dib.DC().BitBlt(x, y, rc.right, rc.bottom, &item.DC(), 0, 0, SRCCOPY);
}
