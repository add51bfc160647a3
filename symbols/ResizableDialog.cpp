#include "symbols/ResizableDialog.h"

#include "platform/base/FxRegKey.h"
#include "platform/gdi/PaintDC.h"

namespace
{
// The program's profile, as the framework keeps it for a program registered under "Vorn":
// HKCU "Software\Vorn\<program>\<section>".
CString ProfileKeyPath(const CString& strSection)
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    CString strProgram(szPath);
    strProgram = strProgram.Mid(strProgram.ReverseFind('\\') + 1);
    int nDot = strProgram.ReverseFind('.');
    if (nDot > 0)
        strProgram = strProgram.Left(nDot);
    return CString("Software\\Vorn\\") + strProgram + "\\" + strSection;
}

int GetProfileInt(const CString& strSection, LPCSTR pszEntry)
{
    CFxRegKey key;
    if (key.OpenForRead(HKEY_CURRENT_USER, ProfileKeyPath(strSection)) != ERROR_SUCCESS)
        return 0;
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD cbData = sizeof(dwValue);
    if (RegQueryValueExA(key, pszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &cbData) !=
            ERROR_SUCCESS ||
        dwType != REG_DWORD)
        return 0;
    return static_cast<int>(dwValue);
}

void WriteProfileInt(const CString& strSection, LPCSTR pszEntry, int nValue)
{
    CFxRegKey key;
    if (key.Create(HKEY_CURRENT_USER, ProfileKeyPath(strSection), KEY_WRITE) != ERROR_SUCCESS)
        return;
    DWORD dwValue = static_cast<DWORD>(nValue);
    RegSetValueExA(key, pszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
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
