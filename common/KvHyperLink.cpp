#include "common/KvHyperLink.h"

#include <shellapi.h>

#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/win/MsgBox.h"

namespace
{
const UINT_PTR kToolId = 1;

struct ShellErrorText
{
    int nCode;
    const char* pszText;
};
const ShellErrorText kErrors[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

CString ReadClassCommand(LPCSTR pszExtension)
{
    char szValue[MAX_PATH + 1] = "";
    LONG cbValue = sizeof(szValue);
    if (RegQueryValueA(HKEY_CLASSES_ROOT, pszExtension, szValue, &cbValue) != ERROR_SUCCESS) {
        return CString();
    }
    CString strKey = CString(szValue) + "\\shell\\open\\command";
    char szCommand[MAX_PATH + 1] = "";
    LONG cbCommand = sizeof(szCommand);
    if (RegQueryValueA(HKEY_CLASSES_ROOT, strKey, szCommand, &cbCommand) != ERROR_SUCCESS) {
        return CString();
    }
    szCommand[MAX_PATH] = '\0';
    return CString(szCommand);
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvHyperLink, CStatic)

FX_BEGIN_MESSAGE_MAP(CKvHyperLink, CStatic)
FX_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
FX_ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
FX_END_MESSAGE_MAP()

CKvHyperLink::CKvHyperLink()
    : m_crLink(RGB(0, 0, 255)), m_crActive(RGB(0, 128, 128)), m_crVisited(RGB(128, 0, 128)), m_crHover(RGB(255, 0, 0)),
      m_hLinkCursor(nullptr), m_bActive(FALSE), m_bOver(FALSE), m_bVisited(FALSE),
      m_dwStyle(KVHL_UNDERLINE | KVHL_AUTOSIZE | KVHL_GETFOCUS)
{
}

CKvHyperLink::~CKvHyperLink()
{
    // A cursor handed in while the hand is off stays its giver's.
    if ((m_dwStyle & KVHL_NOHANDCURSOR) != 0) {
        m_hLinkCursor.Detach();
    }
    if (m_toolTip.m_hWnd != nullptr) {
        m_toolTip.DestroyWindow();
    }
}

BOOL CKvHyperLink::SubclassDlgItem(UINT nID, CWnd* pParent, const char* pszURL)
{
    m_strURL = pszURL != nullptr ? pszURL : "";
    return CStatic::SubclassDlgItem(nID, pParent);
}

void CKvHyperLink::PreSubclassWindow()
{
    // SS_NOTIFY so that the static reports clicks; WM_NCHITTEST brings the mouse in.
    ModifyStyle(0, SS_NOTIFY);
    CString strText;
    GetWindowText(strText);
    if (m_strURL.IsEmpty()) {
        m_strURL = strText;
    }
    if (strText.IsEmpty()) {
        CStatic::SetWindowText(m_strURL);
    }
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont != nullptr) {
        LOGFONTA lf = {};
        GetObjectA(hFont, sizeof(lf), &lf);
        lf.lfUnderline = (m_dwStyle & KVHL_UNDERLINE) != 0 ? TRUE : FALSE;
        m_font.DeleteObject();
        if (m_font.CreateFontIndirect(&lf)) {
            CStatic::SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
        }
        AdjustWindow();
    } else {
        m_dwStyle &= ~static_cast<DWORD>(KVHL_AUTOSIZE);
    }
    if ((m_dwStyle & KVHL_NOHANDCURSOR) == 0) {
        SetDefaultCursor();
    }
    CRect rc;
    GetClientRect(&rc);
    m_toolTip.Create(this);
    m_toolTip.AddTool(this, m_strURL, &rc, kToolId);
    CStatic::PreSubclassWindow();
}

void CKvHyperLink::SetDefaultCursor()
{
    if (m_hLinkCursor.IsValid()) {
        return;
    }
    char szWinDir[MAX_PATH] = "";
    GetWindowsDirectoryA(szWinDir, MAX_PATH);
    CString strPath = CString(szWinDir) + "\\winhlp32.exe";
    HMODULE hModule = LoadLibraryExA(strPath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule != nullptr) {
        HCURSOR hCursor = LoadCursorA(hModule, MAKEINTRESOURCEA(106));
        if (hCursor != nullptr) {
            m_hLinkCursor.Attach(CopyCursor(hCursor));
        }
        FreeLibrary(hModule);
    }
    if (!m_hLinkCursor.IsValid()) {
        // The system's own hand where the help program has none.
        m_hLinkCursor.Attach(CopyCursor(LoadCursorA(nullptr, IDC_HAND)));
    }
}

void CKvHyperLink::SetLinkCursor(HCURSOR hCursor)
{
    if (hCursor == nullptr) {
        SetDefaultCursor();
        return;
    }
    if ((m_dwStyle & KVHL_NOHANDCURSOR) != 0) {
        m_hLinkCursor.Detach();
    }
    m_hLinkCursor.Attach(hCursor);
}

void CKvHyperLink::SetURL(CString strURL)
{
    m_strURL = strURL;
    if (m_toolTip.m_hWnd != nullptr) {
        m_toolTip.UpdateTipText(strURL, this, kToolId);
    }
}

void CKvHyperLink::SetWindowText(const char* pszText)
{
    if (m_hWnd == nullptr) {
        return;
    }
    ShowWindow(SW_HIDE);
    CStatic::SetWindowText(pszText);
    AdjustWindow();
    ShowWindow(SW_SHOW);
}

void CKvHyperLink::SetFont(CFont* pFont)
{
    if (m_hWnd == nullptr || pFont == nullptr) {
        return;
    }
    ShowWindow(SW_HIDE);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), TRUE);
    AdjustWindow();
    ShowWindow(SW_SHOW);
}

void CKvHyperLink::SetColors(COLORREF crLink, COLORREF crActive, COLORREF crVisited, COLORREF crHover)
{
    m_crLink = crLink;
    m_crActive = crActive;
    m_crVisited = crVisited;
    SetHoverColor(crHover);
}

void CKvHyperLink::SetHoverColor(COLORREF cr)
{
    m_crHover = cr == 0xFFFFFFFF ? GetSysColor(COLOR_HIGHLIGHT) : cr;
}

void CKvHyperLink::SetVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    if (m_hWnd != nullptr) {
        Invalidate();
    }
}

void CKvHyperLink::SwitchUnderline()
{
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont == nullptr) {
        return;
    }
    LOGFONTA lf = {};
    GetObjectA(hFont, sizeof(lf), &lf);
    const BYTE bWant = (m_dwStyle & KVHL_UNDERLINE) != 0 ? TRUE : FALSE;
    if (lf.lfUnderline == bWant) {
        return;
    }
    lf.lfUnderline = bWant;
    CFont fontNew;
    if (!fontNew.CreateFontIndirect(&lf)) {
        return;
    }
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(fontNew.GetSafeHandle()), FALSE);
    // The control now shows the new font: the old one can go.
    m_font.DeleteObject();
    m_font.Attach(fontNew.Detach());
}

BOOL CKvHyperLink::SetLinkStyle(DWORD dwStyle, BOOL bApply)
{
    m_dwStyle = dwStyle;
    if (bApply && m_hWnd != nullptr) {
        SwitchUnderline();
        AdjustWindow();
        Invalidate();
    }
    return TRUE;
}

BOOL CKvHyperLink::ModifyLinkStyle(DWORD dwRemove, DWORD dwAdd, BOOL bApply)
{
    if ((dwRemove & dwAdd) != 0) {
        return FALSE;
    }
    m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    if (bApply && m_hWnd != nullptr) {
        if (((dwRemove | dwAdd) & KVHL_UNDERLINE) != 0) {
            SwitchUnderline();
        }
        if ((dwAdd & KVHL_AUTOSIZE) != 0) {
            AdjustWindow();
        }
        if ((dwRemove & KVHL_HOVERCOLOR) != 0) {
            Invalidate();
        }
    }
    return TRUE;
}

void CKvHyperLink::AdjustWindow()
{
    if ((m_dwStyle & KVHL_AUTOSIZE) == 0 || m_hWnd == nullptr) {
        return;
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr) {
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<LPPOINT>(&rcWindow), 2);
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cxBorder = rcWindow.Width() - rcClient.Width();
    const int cyBorder = rcWindow.Height() - rcClient.Height();

    CString strText;
    GetWindowText(strText);
    CClientDC dc(m_hWnd);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(dc.GetSafeHdc(), hFont) : nullptr;
    const CSize size = dc.GetTextExtent(strText);
    if (hOld != nullptr) {
        ::SelectObject(dc.GetSafeHdc(), hOld);
    }
    const DWORD dwStyle = GetStyle();
    const int cx = size.cx + cxBorder;
    const int cy = size.cy + cyBorder;
    if ((dwStyle & SS_CENTERIMAGE) != 0) {
        rcWindow.DeflateRect(0, (rcWindow.Height() - cy) / 2);
    } else {
        rcWindow.bottom = rcWindow.top + cy;
    }
    const DWORD dwAlign = dwStyle & SS_TYPEMASK;
    if (dwAlign == SS_CENTER) {
        rcWindow.DeflateRect((rcWindow.Width() - cx) / 2, 0);
    } else if (dwAlign == SS_RIGHT) {
        rcWindow.left = rcWindow.right - cx;
    } else {
        rcWindow.right = rcWindow.left + cx;
    }
    MoveWindow(&rcWindow);
}

COLORREF CKvHyperLink::GetCurrentColor() const
{
    if (m_bOver && (m_dwStyle & KVHL_HOVERCOLOR) != 0) {
        return m_crHover;
    }
    if ((m_dwStyle & KVHL_NOACTIVECOLOR) != 0) {
        return m_bVisited ? m_crVisited : m_crLink;
    }
    if (m_bActive) {
        return m_crActive;
    }
    return m_bVisited ? m_crVisited : m_crLink;
}

BOOL CKvHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_CTLCOLORSTATIC) {
        HDC hDC = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(hDC, GetCurrentColor());
        ::SetBkMode(hDC, TRANSPARENT);
        if (pResult != nullptr) {
            *pResult = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        return TRUE;
    }
    return CStatic::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CKvHyperLink::OnSetCursor(WPARAM, LPARAM)
{
    if (m_hLinkCursor != nullptr) {
        ::SetCursor(m_hLinkCursor);
        return TRUE;
    }
    return Default();
}

LRESULT CKvHyperLink::OnNcHitTest(WPARAM, LPARAM)
{
    return HTCLIENT;
}

BOOL CKvHyperLink::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.m_hWnd != nullptr) {
        m_toolTip.RelayEvent(pMsg);
    }
    return CStatic::PreTranslateMessage(pMsg);
}

void CKvHyperLink::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bOver) {
        m_bOver = TRUE;
        Invalidate();
        ::SetCapture(m_hWnd);
        return;
    }
    CRect rc;
    GetClientRect(&rc);
    if (!rc.PtInRect(point)) {
        m_bOver = FALSE;
        ::ReleaseCapture();
        Invalidate();
        return;
    }
    CStatic::OnMouseMove(nFlags, point);
}

void CKvHyperLink::OnLButtonDown(UINT nFlags, CPoint point)
{
    if ((m_dwStyle & KVHL_GETFOCUS) != 0) {
        SetFocus();
    }
    if ((m_dwStyle & KVHL_DOWNCLICK) != 0) {
        FollowLink();
    }
    m_bActive = TRUE;
    CStatic::OnLButtonDown(nFlags, point);
}

void CKvHyperLink::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bActive && (m_dwStyle & KVHL_DOWNCLICK) == 0) {
        FollowLink();
    }
    CStatic::OnLButtonUp(nFlags, point);
}

void CKvHyperLink::OnSetFocus(CWnd* pOldWnd)
{
    m_bActive = TRUE;
    Invalidate();
    CStatic::OnSetFocus(pOldWnd);
}

void CKvHyperLink::OnKillFocus(CWnd* pNewWnd)
{
    m_bActive = FALSE;
    m_bOver = FALSE;
    Invalidate();
    CStatic::OnKillFocus(pNewWnd);
}

void CKvHyperLink::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE) {
        FollowLink();
        return;
    }
    CStatic::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKvHyperLink::FollowLink()
{
    const INT_PTR nResult = reinterpret_cast<INT_PTR>(GotoURL(m_strURL, SW_SHOW));
    if (nResult > HINSTANCE_ERROR) {
        SetVisited(TRUE);
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    ReportError(static_cast<int>(nResult));
}

CString CKvHyperLink::BuildBrowserCommand(const CString& strClassCommand, const CString& strURL)
{
    CString strCommand = strClassCommand;
    int nPos = strCommand.Find("\"%1\"");
    if (nPos < 0) {
        nPos = strCommand.Find("%1");
    }
    if (nPos >= 0) {
        strCommand = strCommand.Left(nPos);
    }
    // The target is one argument: quoted, and with no quote of its own to end the quoting.
    CString strTarget = strURL;
    strTarget.Remove('"');
    strCommand.TrimRight();
    return strCommand + " \"" + strTarget + "\"";
}

HINSTANCE CKvHyperLink::GotoURL(LPCSTR pszURL, int nShowCmd)
{
    const CString strURL = pszURL != nullptr ? pszURL : "";
    HINSTANCE hResult = ShellExecuteA(nullptr, "open", strURL, nullptr, nullptr, nShowCmd);
    if (reinterpret_cast<INT_PTR>(hResult) > HINSTANCE_ERROR) {
        return hResult;
    }
    const CString strClassCommand = ReadClassCommand(".htm");
    if (strClassCommand.IsEmpty()) {
        return hResult;
    }
    const CString strCommand = BuildBrowserCommand(strClassCommand, strURL);
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(WinExec(strCommand, static_cast<UINT>(nShowCmd))));
}

CString CKvHyperLink::ErrorText(int nError)
{
    CString strText = "Can't open link:\n\n";
    for (const ShellErrorText& e : kErrors) {
        if (e.nCode == nError) {
            return strText + e.pszText;
        }
    }
    CString strUnknown;
    strUnknown.Format("Unknown Error (%d) occurred.", nError);
    return strText + strUnknown;
}

void CKvHyperLink::ReportError(int nError)
{
    FxMessageBox(m_hWnd, ErrorText(nError), nullptr, MB_ICONEXCLAMATION | MB_OK);
}

LRESULT CKvHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_toolTip.m_hWnd != nullptr) {
        m_toolTip.RelayEvent(m_hWnd, message, wParam, lParam);
    }
    return CStatic::WindowProc(message, wParam, lParam);
}
