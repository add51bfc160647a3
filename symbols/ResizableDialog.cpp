#include "symbols/ResizableDialog.h"

#include "platform/frame/WinApp.h"
#include "platform/gdi/PaintDC.h"

namespace
{
// The size is kept in the application's profile; without an application nothing is kept.
int GetProfileInt(const CString& strSection, LPCSTR pszEntry)
{
    CWinApp* pApp = FxGetApp();
    return pApp != nullptr ? static_cast<int>(pApp->GetProfileInt(strSection, pszEntry, 0)) : 0;
}

void WriteProfileInt(const CString& strSection, LPCSTR pszEntry, int nValue)
{
    if (CWinApp* pApp = FxGetApp()) {
        pApp->WriteProfileInt(strSection, pszEntry, nValue);
    }
}
} // namespace

FX_BEGIN_MESSAGE_MAP(ResizableDialog, CDialog)
FX_ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
FX_ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
FX_END_MESSAGE_MAP()

ResizableDialog::ResizableDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_nIDDialog(nIDTemplate)
{
}

void ResizableDialog::AddAnchor(UINT nID, UINT nFlags)
{
    if (nFlags == 0)
        return;
    m_arrAnchor.Add(MAKELONG(LOWORD(nID), LOWORD(nFlags)));
}

CString ResizableDialog::GetProfileSection() const
{
    CString strSection;
    strSection.Format("%x", m_nIDDialog);
    return strSection;
}

BOOL ResizableDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The template's size is the smallest the dialog may get.
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    m_cxMinTrack = rcWindow.Width();
    m_cyMinTrack = rcWindow.Height();
    // The size event of the window's creation came before the dialog was bound to this object:
    // take its size here, so that restoring the saved size below already moves the controls.
    CRect rcClient;
    GetClientRect(&rcClient);
    m_cxLast = rcClient.Width();
    m_cyLast = rcClient.Height();
    m_bSized = 1;
    if (m_bSaveSize) {
        int cx = GetProfileInt(GetProfileSection(), "CX");
        int cy = GetProfileInt(GetProfileSection(), "CY");
        if (cx != 0 && cy != 0)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

void ResizableDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED)
        return;
    int dx = cx - m_cxLast;
    int dy = cy - m_cyLast;
    // The first size event only tells the starting size: the controls are where the template put them.
    if (m_bSized) {
        for (INT_PTR i = 0; i < m_arrAnchor.GetSize(); ++i) {
            UINT nFlags = HIWORD(m_arrAnchor[i]);
            HWND hCtrl = ::GetDlgItem(m_hWnd, LOWORD(m_arrAnchor[i]));
            if (hCtrl == nullptr)
                continue;
            RECT rc = {};
            ::GetWindowRect(hCtrl, &rc);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
            if (nFlags & anchorStretchRight)
                rc.right += dx;
            else if (nFlags & anchorMoveRight) {
                rc.left += dx;
                rc.right += dx;
            }
            if (nFlags & anchorStretchDown)
                rc.bottom += dy;
            else if (nFlags & anchorMoveDown) {
                rc.top += dy;
                rc.bottom += dy;
            }
            ::MoveWindow(hCtrl, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, FALSE);
            ::InvalidateRect(hCtrl, nullptr, TRUE);
        }
    }
    m_bSized = 1;
    m_cxLast = cx;
    m_cyLast = cy;
    InvalidateRect(&m_rcGrip);
    // The grip moves with the corner: the old square must be painted over as well.
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcGrip = CRect(rcClient.right - GetSystemMetrics(SM_CXHSCROLL), rcClient.bottom - GetSystemMetrics(SM_CYVSCROLL),
                     rcClient.right, rcClient.bottom);
    InvalidateRect(&m_rcGrip);
}

void ResizableDialog::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!m_bSizeGrip)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcGrip = CRect(rcClient.right - GetSystemMetrics(SM_CXHSCROLL), rcClient.bottom - GetSystemMetrics(SM_CYVSCROLL),
                     rcClient.right, rcClient.bottom);
    RECT rcGrip = m_rcGrip;
    DrawFrameControl(dc.GetSafeHdc(), &rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

LRESULT ResizableDialog::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    MINMAXINFO* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    if (m_bMinSize && m_cxMinTrack != 0 && pInfo != nullptr) {
        pInfo->ptMinTrackSize.x = m_cxMinTrack;
        pInfo->ptMinTrackSize.y = m_cyMinTrack;
    }
    return 0;
}

LRESULT ResizableDialog::OnNcHitTest(WPARAM, LPARAM lParam)
{
    if (m_bSizeGrip) {
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::ScreenToClient(m_hWnd, &pt);
        if (m_rcGrip.PtInRect(pt))
            return HTBOTTOMRIGHT;
    }
    return Default();
}

void ResizableDialog::OnDestroy()
{
    if (m_bSaveSize) {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        WriteProfileInt(GetProfileSection(), "CX", rcWindow.Width());
        WriteProfileInt(GetProfileSection(), "CY", rcWindow.Height());
    }
    CDialog::OnDestroy();
}
