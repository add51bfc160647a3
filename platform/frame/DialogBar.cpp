#include "platform/frame/DialogBar.h"

#include "platform/base/FxResMgr.h"
#include "platform/frame/FrameWnd.h"

namespace
{
// The dialog manager's procedure for the bar: the bar's own object is hooked right after
// creation and sees every later message first.
INT_PTR CALLBACK BarDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

CDialogBar::CDialogBar() : m_sizeDefault(0, 0)
{
}

CDialogBar::~CDialogBar()
{
}

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
{
    if (pParentWnd == nullptr || m_hWnd != nullptr) {
        return FALSE;
    }
    LPCSTR lpszTemplate = MAKEINTRESOURCEA(nIDTemplate);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszTemplate, MAKEINTRESOURCEA(5)); // RT_DIALOG
    if (hInst == nullptr) {
        return FALSE;
    }
    m_dwStyle = nStyle & CBRS_ALL;
    HWND hWnd = ::CreateDialogParamA(hInst, lpszTemplate, pParentWnd->m_hWnd, BarDlgProc, 0);
    if (hWnd == nullptr) {
        return FALSE;
    }
    if (!SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    m_bOwnsWindow = TRUE;
    ::SetWindowLongPtrA(hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    CRect rc;
    GetWindowRect(&rc);
    m_sizeDefault = rc.Size();
    // Made outside WM_CREATE: join the frame's bar list here.
    if (auto* pFrame = dynamic_cast<CFrameWnd*>(pParentWnd)) {
        m_pDockSite = pFrame;
        pFrame->AddControlBar(this);
    }
    ::ShowWindow(hWnd, SW_SHOWNA);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch) {
        return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
    }
    return m_sizeDefault;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The controls keep the state their owner gives them.
}

LRESULT CDialogBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam != 0) {
        // A control's notification belongs to the frame above the bar (a rebar may sit between).
        if (CFrameWnd* pFrame = FxGetParentFrame(this)) {
            return pFrame->SendMessage(message, wParam, lParam);
        }
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}
