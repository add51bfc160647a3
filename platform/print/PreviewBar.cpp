#include "platform/print/PreviewBar.h"

#include "platform/frame/FrameWnd.h"
#include "platform/print/FxResource.h"
#include "platform/res/resource.h"

namespace
{
struct ButtonDef
{
    UINT nID;
    int cx;
};
const ButtonDef buttonDefs[] = {
    {FX_ID_PREVIEW_PRINT, 64},  {FX_ID_PREVIEW_NEXT, 64},    {FX_ID_PREVIEW_PREV, 64},  {FX_ID_PREVIEW_NUMPAGE, 72},
    {FX_ID_PREVIEW_ZOOMIN, 64}, {FX_ID_PREVIEW_ZOOMOUT, 64}, {FX_ID_PREVIEW_CLOSE, 64},
};

// A button's caption: its command string after the prompt ("prompt\ncaption").
CString CaptionOf(UINT nID)
{
    const CString str = FxLoadFxString(nID);
    const int nBreak = str.Find('\n');
    return nBreak >= 0 ? str.Mid(nBreak + 1) : str;
}
} // namespace

CPreviewBar::CPreviewBar() : m_hWndTarget(nullptr), m_hFont(nullptr)
{
}

BOOL CPreviewBar::Create(CFrameWnd* pFrame, HWND hWndTarget)
{
    m_hWndTarget = hWndTarget;
    if (!CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, kHeight), pFrame,
                      FX_IDW_PREVIEW_BAR)) {
        return FALSE;
    }
    m_hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    int x = 4;
    for (const ButtonDef& def : buttonDefs) {
        HWND hButton = ::CreateWindowExA(0, "BUTTON", CaptionOf(def.nID), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 3,
                                         def.cx, kHeight - 6, m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(def.nID)), nullptr, nullptr);
        ::SendMessageA(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
        x += def.cx + 4;
    }
    return TRUE;
}

void CPreviewBar::EnableButton(UINT nID, BOOL bEnable)
{
    if (HWND hButton = ::GetDlgItem(m_hWnd, static_cast<int>(nID))) {
        ::EnableWindow(hButton, bEnable);
    }
}

void CPreviewBar::SetButtonText(UINT nID, LPCSTR lpszText)
{
    ::SetDlgItemTextA(m_hWnd, static_cast<int>(nID), lpszText);
}

LRESULT CPreviewBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == FxGetSizeParentMessage()) {
        // A hidden bar takes no room.
        if (IsWindowVisible()) {
            RECT& rc = reinterpret_cast<FX_SIZEPARENTPARAMS*>(lParam)->rect;
            MoveWindow(rc.left, rc.top, rc.right - rc.left, kHeight);
            rc.top += kHeight;
        }
        return 0;
    }
    if (message == WM_ERASEBKGND) {
        RECT rc;
        ::GetClientRect(m_hWnd, &rc);
        ::FillRect(reinterpret_cast<HDC>(wParam), &rc, ::GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CPreviewBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The preview may close on this command and take this bar with it: nothing here runs after.
    ::SendMessageA(m_hWndTarget, WM_COMMAND, wParam, lParam);
    return TRUE;
}

void CPreviewBar::Close()
{
    ShowWindow(SW_HIDE);
    PostMessage(WM_CLOSE);
}

void CPreviewBar::PostNcDestroy()
{
    delete this;
}
