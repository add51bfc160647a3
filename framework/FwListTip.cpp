#include "framework/FwListTip.h"

#include "framework/FwListSite.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"

namespace
{
const char tipClassName[] = "FwListTip";

void RegisterTipClass()
{
    static bool bRegistered = false;
    if (bRegistered) {
        return;
    }
    WNDCLASSA wc = {};
    wc.style = CS_SAVEBITS | CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = FxWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = tipClassName;
    bRegistered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
} // namespace

FwListTip::FwListTip(FwListSite* pSite) : m_pSite(pSite), m_nItem(-1), m_nSubItem(-1), m_bHasCapture(FALSE)
{
}

BOOL FwListTip::EnsureCreated()
{
    if (m_hWnd != nullptr) {
        return TRUE;
    }
    RegisterTipClass();
    CWnd* pList = m_pSite->SiteGetWnd();
    return CWnd::CreateEx(WS_EX_TOOLWINDOW, tipClassName, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                          pList != nullptr ? pList->GetSafeHwnd() : nullptr, nullptr);
}

void FwListTip::ShowFor(int nItem, int nCol)
{
    if (nItem == m_nItem && nCol == m_nSubItem) {
        return;
    }
    Hide();
    CWnd* pList = m_pSite->SiteGetWnd();
    CRect rcText;
    if (nItem < 0 || pList == nullptr || GetActiveWindow() == nullptr ||
        !m_pSite->SiteGetItemRect(nItem, nCol, FwListSite::rectText, rcText)) {
        return;
    }
    const CString strText = m_pSite->SiteGetItemText(nItem, nCol);
    CFont* pFont = m_pSite->SiteGetItemFont();
    CSize size;
    {
        CClientDC dc(pList->GetSafeHwnd());
        CFxSelectGuard guard(&dc, pFont);
        size = dc.GetTextExtent(strText);
    }
    if (size.cx <= rcText.Width() || !EnsureCreated()) {
        return;
    }
    CRect rc(rcText.left, rcText.top, rcText.left + size.cx + 4, rcText.bottom);
    rc.InflateRect(2, 0, 2, 2);
    m_pSite->SiteClientToScreen(rc);
    const int cxScreen = GetSystemMetrics(SM_CXSCREEN);
    if (rc.right > cxScreen) {
        rc.OffsetRect(cxScreen - rc.right, 0);
    }
    if (rc.left < 0) {
        rc.OffsetRect(-rc.left, 0);
    }
    m_nItem = nItem;
    m_nSubItem = nCol;
    m_strText = strText;
    m_rc = rc;
    SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void FwListTip::Hide()
{
    if (m_hWnd != nullptr && IsWindowVisible()) {
        ShowWindow(SW_HIDE);
    }
    if (m_bHasCapture) {
        m_pSite->SiteSetCapture(FALSE);
        m_bHasCapture = FALSE;
    }
    m_nItem = -1;
    m_nSubItem = -1;
    m_rc.SetRectEmpty();
}

void FwListTip::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rc;
    GetClientRect(&rc);
    const BOOL bSelected = m_pSite->SiteIsSelected(m_nItem);
    dc.FillSolidRect(&rc, bSelected ? m_pSite->SiteGetSelColor() : m_pSite->SiteGetTipColor());
    dc.SetTextColor(bSelected ? m_pSite->SiteGetSelTextColor() : m_pSite->SiteGetTipTextColor());
    dc.SetBkMode(TRANSPARENT);
    CFont* pFont = m_pSite->SiteGetItemFont();
    CFxSelectGuard guard(&dc, pFont);
    rc.left += 2;
    dc.DrawText(m_strText, &rc, DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
}
