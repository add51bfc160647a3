#include "common/KvPopupColorBar.h"

#include "common/KvColorButton.h"

FX_IMPLEMENT_DYNAMIC(CKvPopupColorBar, CKvColorBar)

CKvPopupColorBar::CKvPopupColorBar() : m_pOwnerButton(nullptr), m_bShown(FALSE), m_bClosing(FALSE)
{
}

UINT CKvPopupColorBar::GetClassStyle() const
{
    return CS_SAVEBITS;
}

void CKvPopupColorBar::Reset()
{
    CKvColorBar::Reset();
    m_bShown = FALSE;
    m_bClosing = FALSE;
}

CPoint CKvPopupColorBar::PlacePopup(const RECT& rcButton, CSize size, int cxScreen, int cyScreen)
{
    CPoint pt(rcButton.left, rcButton.bottom);
    if (pt.y + size.cy > cyScreen) {
        pt.y = rcButton.top - size.cy;
    }
    if (pt.x + size.cx > cxScreen) {
        pt.x = rcButton.right - size.cx;
    }
    return pt;
}

BOOL CKvPopupColorBar::CreatePopup(DWORD dwStyle, const RECT* pButtonRect, CWnd* pParentWnd, BOOL bOtherButton,
                                   LPVOID lpParam)
{
    if (pButtonRect == nullptr) {
        return FALSE;
    }
    m_bOtherButton = bOtherButton;
    CreatePalette();
    const DWORD dwPopupStyle = dwStyle | WS_POPUP | KV_CBS_BORDER;
    CalcMetrics(pParentWnd, dwPopupStyle);
    CPoint pt = PlacePopup(*pButtonRect, GetWindowSize(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (!Create(dwPopupStyle, pt.x, pt.y, pParentWnd, 0, FALSE, bOtherButton, lpParam)) {
        return FALSE;
    }
    SetFocus();
    m_bTrack = TRUE;
    ::SetCapture(m_hWnd);
    m_bShown = TRUE;
    return TRUE;
}

void CKvPopupColorBar::Close()
{
    if (m_bClosing || m_hWnd == nullptr) {
        return;
    }
    // Releasing the mouse and destroying move the focus, which would close us again.
    m_bClosing = TRUE;
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    DestroyWindow();
}

void CKvPopupColorBar::PostNcDestroy()
{
    m_bShown = FALSE;
    m_bClosing = FALSE;
    CKvColorBar::PostNcDestroy();
}

void CKvPopupColorBar::NotifyParent()
{
    if (m_pOwnerButton != nullptr && m_pOwnerButton->m_hWnd != nullptr) {
        m_pOwnerButton->SendMessage(KV_WM_COLORCHANGE, 0, static_cast<LPARAM>(GetColor()));
    }
}

void CKvPopupColorBar::SelectCell(int nCol, int nRow, int nHow)
{
    if (nHow != 2) {
        InvalidateCell(m_nSelCol, m_nSelRow);
        m_nSelCol = nCol;
        m_nSelRow = nRow;
        InvalidateCell(m_nSelCol, m_nSelRow);
        return;
    }
    m_nSelCol = nCol;
    m_nSelRow = nRow;
    NotifyParent();
    Close();
}

void CKvPopupColorBar::OnOtherButton()
{
    if (m_pOwnerButton != nullptr && m_pOwnerButton->m_hWnd != nullptr) {
        m_pOwnerButton->PostMessage(KV_WM_CUSTOMCOLOR);
    }
    Close();
}

void CKvPopupColorBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.PtInRect(point)) {
        if (m_pOtherButton != nullptr && m_pOtherButton->m_hWnd != nullptr) {
            CRect rcOther;
            m_pOtherButton->GetWindowRect(&rcOther);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rcOther), 2);
            if (rcOther.PtInRect(point)) {
                // The mouse is ours: the button would never see the click.
                OnOtherButton();
                return;
            }
        }
        CKvColorBar::OnLButtonDown(nFlags, point);
        return;
    }
    POINT ptScreen = point;
    ::ClientToScreen(m_hWnd, &ptScreen);
    if (m_pOwnerButton != nullptr && m_pOwnerButton->m_hWnd != nullptr) {
        CRect rcOwner;
        m_pOwnerButton->GetWindowRect(&rcOwner);
        if (rcOwner.PtInRect(ptScreen)) {
            return;
        }
    }
    Close();
    HWND hUnder = ::WindowFromPoint(ptScreen);
    if (hUnder != nullptr) {
        POINT ptClient = ptScreen;
        ::ScreenToClient(hUnder, &ptClient);
        ::PostMessageA(hUnder, WM_LBUTTONDOWN, static_cast<WPARAM>(nFlags), MAKELPARAM(ptClient.x, ptClient.y));
    }
}

void CKvPopupColorBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE) {
        Close();
        return;
    }
    if (nChar == VK_TAB) {
        if (m_pOtherButton != nullptr) {
            m_pOtherButton->SetFocus();
        }
        return;
    }
    CKvColorBar::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKvPopupColorBar::OnKillFocus(CWnd* pNewWnd)
{
    CKvColorBar::OnKillFocus(pNewWnd);
    const HWND hNew = pNewWnd != nullptr ? pNewWnd->m_hWnd : nullptr;
    if (m_pOtherButton != nullptr && hNew == m_pOtherButton->m_hWnd && hNew != nullptr) {
        return;
    }
    Close();
}

void CKvPopupColorBar::OnOtherKillFocus(CWnd* pNewWnd)
{
    const HWND hNew = pNewWnd != nullptr ? pNewWnd->m_hWnd : nullptr;
    if (hNew != m_hWnd) {
        Close();
    }
}

BOOL CKvPopupColorBar::OnOtherKeyDown(UINT nChar)
{
    switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_TAB:
        SetFocus();
        return TRUE;
    case VK_ESCAPE:
        Close();
        return TRUE;
    default:
        return FALSE;
    }
}
