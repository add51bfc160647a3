#include "platform/frame/StatusBar.h"

#include <algorithm>
#include <vector>

#include <commctrl.h>

#include "platform/frame/FrameWnd.h"
#include "platform/win/CmdUI.h"

namespace
{
// Updates one pane from its command's update handler: disabled panes show no text.
class CStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        const UINT nOld = pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        const UINT nNew = bOn ? (nOld & ~SBPS_DISABLED) : (nOld | SBPS_DISABLED);
        if (nNew != nOld) {
            pBar->SetPaneStyle(static_cast<int>(m_nIndex), nNew);
        }
    }
    void SetCheck(int nCheck) override
    {
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        const UINT nOld = pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        const UINT nNew = nCheck != 0 ? (nOld | SBPS_POPOUT) : (nOld & ~SBPS_POPOUT);
        if (nNew != nOld) {
            pBar->SetPaneStyle(static_cast<int>(m_nIndex), nNew);
        }
    }
    void SetText(LPCSTR lpszText) override
    {
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        if (pBar->GetPaneText(static_cast<int>(m_nIndex)) != CString(lpszText != nullptr ? lpszText : "")) {
            pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText);
        }
    }
};

// The key a lock indicator follows; 0 for other panes.
int LockKeyOf(UINT nID)
{
    switch (nID) {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

// Space around a pane's text, inside its borders.
const int kPaneMargin = 8;
} // namespace

FX_IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

CStatusBar::CStatusBar()
{
    SetBorders(0, 0, 0, 0);
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    // The control draws its own edges.
    m_dwStyle = dwStyle & CBRS_ALL & ~CBRS_BORDER_ANY;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    const DWORD dwWndStyle =
        (dwStyle & ~CBRS_ALL) | WS_CHILD | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CStatusBar::TextWidth(LPCSTR lpszText) const
{
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    SIZE size = {};
    ::GetTextExtentPoint32A(hDC, lpszText, static_cast<int>(strlen(lpszText)), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 0 || nIDCount > 255) {
        return FALSE;
    }
    m_arrIDs.RemoveAll();
    m_arrStyles.RemoveAll();
    m_arrWidths.RemoveAll();
    m_arrTexts.RemoveAll();
    BOOL bOK = TRUE;
    for (int i = 0; i < nIDCount && lpIDArray != nullptr; ++i) {
        const UINT nID = lpIDArray[i];
        CString strText;
        if (nID != ID_SEPARATOR && !strText.LoadString(nID)) {
            bOK = FALSE;
        }
        m_arrIDs.Add(nID);
        m_arrStyles.Add(i == 0 && nID == ID_SEPARATOR ? (SBPS_NOBORDERS | SBPS_STRETCH) : SBPS_NORMAL);
        m_arrWidths.Add(static_cast<DWORD>(nID == ID_SEPARATOR ? 0 : TextWidth(strText)));
        m_arrTexts.Add(strText);
    }
    UpdateParts();
    for (int i = 0; i < GetCount(); ++i) {
        ShowPaneText(i);
    }
    return bOK;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_arrIDs[i] == nIDFind) {
            return i;
        }
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrIDs[nIndex] : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    SendMessage(SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    nID = GetItemID(nIndex);
    nStyle = GetPaneStyle(nIndex);
    cxWidth = nIndex >= 0 && nIndex < GetCount() ? static_cast<int>(m_arrWidths[nIndex]) : 0;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= GetCount()) {
        return;
    }
    m_arrIDs[nIndex] = nID;
    m_arrStyles[nIndex] = nStyle;
    m_arrWidths[nIndex] = static_cast<DWORD>(std::max(cxWidth, 0));
    UpdateParts();
    ShowPaneText(nIndex);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrStyles[nIndex] : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount() || m_arrStyles[nIndex] == nStyle) {
        return;
    }
    m_arrStyles[nIndex] = nStyle;
    ShowPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrTexts[nIndex] : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= GetCount()) {
        return FALSE;
    }
    m_arrTexts[nIndex] = lpszNewText != nullptr ? lpszNewText : "";
    ShowPaneText(nIndex);
    if (bUpdate) {
        UpdateWindow();
    }
    return TRUE;
}

void CStatusBar::ShowPaneText(int nIndex)
{
    const UINT nStyle = m_arrStyles[nIndex];
    const WPARAM wType = static_cast<WPARAM>(nIndex) | (nStyle & (SBPS_NOBORDERS | SBPS_POPOUT | SBPS_OWNERDRAW));
    LPCSTR lpszText = (nStyle & SBPS_DISABLED) != 0 ? "" : static_cast<LPCSTR>(m_arrTexts[nIndex]);
    CWnd::DefWindowProc(SB_SETTEXTA, wType, reinterpret_cast<LPARAM>(lpszText));
}

void CStatusBar::UpdateParts()
{
    const int nCount = GetCount();
    if (m_hWnd == nullptr || nCount == 0) {
        return;
    }
    CRect rc;
    GetClientRect(&rc);
    int cxFixed = 0;
    for (int i = 0; i < nCount; ++i) {
        if ((m_arrStyles[i] & SBPS_STRETCH) == 0) {
            cxFixed += static_cast<int>(m_arrWidths[i]) + kPaneMargin;
        }
    }
    std::vector<int> rights(static_cast<size_t>(nCount));
    int x = 0;
    for (int i = 0; i < nCount; ++i) {
        const int cx = (m_arrStyles[i] & SBPS_STRETCH) != 0 ? std::max(0, static_cast<int>(rc.Width()) - cxFixed)
                                                            : static_cast<int>(m_arrWidths[i]) + kPaneMargin;
        x += cx;
        rights[static_cast<size_t>(i)] = x;
    }
    CWnd::DefWindowProc(SB_SETPARTS, static_cast<WPARAM>(nCount), reinterpret_cast<LPARAM>(rights.data()));
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    int cyText = 16;
    if (m_hWnd != nullptr) {
        HDC hDC = ::GetDC(m_hWnd);
        HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        TEXTMETRICA tm = {};
        ::GetTextMetricsA(hDC, &tm);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(m_hWnd, hDC);
        cyText = tm.tmHeight;
    }
    CSize size(bStretch && bHorz ? 32767 : 0, cyText + 8);
    if (!bStretch) {
        for (INT_PTR i = 0; i < m_arrWidths.GetSize(); ++i) {
            size.cx += static_cast<LONG>(m_arrWidths[i]) + kPaneMargin;
        }
    }
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    for (int i = 0; i < GetCount(); ++i) {
        state.m_nID = m_arrIDs[i];
        if (state.m_nID == ID_SEPARATOR) {
            continue;
        }
        state.m_nIndex = static_cast<UINT>(i);
        // A pane whose command has no handler stays as it is, except the lock indicators,
        // which show while their key is locked.
        if (!state.DoUpdate(pTarget, FALSE)) {
            if (const int nKey = LockKeyOf(state.m_nID)) {
                state.Enable((::GetKeyState(nKey) & 1) != 0);
            }
        }
    }
}

void CStatusBar::OnPaint()
{
    Default();
}

BOOL CStatusBar::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CStatusBar::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CStatusBar::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

LRESULT CStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        // The frame's message text is the first pane's.
        if (GetCount() > 0) {
            SetPaneText(0, reinterpret_cast<LPCSTR>(lParam), FALSE);
            return TRUE;
        }
        break;
    case WM_GETTEXTLENGTH:
        if (GetCount() > 0) {
            return m_arrTexts[0].GetLength();
        }
        break;
    case WM_GETTEXT:
        if (GetCount() > 0 && wParam > 0) {
            LPSTR psz = reinterpret_cast<LPSTR>(lParam);
            const int nMax = static_cast<int>(wParam) - 1;
            const int nLen = std::min(nMax, m_arrTexts[0].GetLength());
            memcpy(psz, static_cast<LPCSTR>(m_arrTexts[0]), static_cast<size_t>(nLen));
            psz[nLen] = '\0';
            return nLen;
        }
        break;
    case WM_SIZE: {
        const LRESULT lResult = CControlBar::WindowProc(message, wParam, lParam);
        UpdateParts();
        return lResult;
    }
    default:
        break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}
