#include "platform/frame/ReBar.h"

#include <commctrl.h>

#include "platform/frame/FrameWnd.h"

FX_IMPLEMENT_DYNAMIC(CReBar, CControlBar)

CReBar::CReBar()
{
    SetBorders(0, 0, 0, 0);
}

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    // The frame's layout places the control; its own edge stays off.
    m_dwStyle = dwStyle & CBRS_ALL & ~CBRS_BORDER_ANY;
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS |
                             CCS_NOPARENTALIGN | CCS_NODIVIDER | CCS_NORESIZE;
    return CWnd::Create(REBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CReBar::AddBar(CControlBar* pBar, DWORD dwBandStyle)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || m_hWnd == nullptr) {
        return FALSE;
    }
    const CSize size = pBar->CalcFixedLayout(FALSE, TRUE);
    // The band's window is laid out by the control from now on, not by the frame.
    if (pBar->m_pDockSite != nullptr) {
        pBar->m_pDockSite->RemoveControlBar(pBar);
        pBar->m_pDockSite = nullptr;
    }
    ::SetParent(pBar->m_hWnd, m_hWnd);
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.fStyle = dwBandStyle;
    band.hwndChild = pBar->m_hWnd;
    band.cxMinChild = static_cast<UINT>(size.cx);
    band.cyMinChild = static_cast<UINT>(size.cy);
    band.cx = static_cast<UINT>(size.cx);
    return SendMessage(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)) != 0;
}

int CReBar::GetBandCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, RB_GETBANDCOUNT, 0, 0));
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const int cyBar = m_hWnd != nullptr ? static_cast<int>(SendMessage(RB_GETBARHEIGHT)) : 0;
    CSize size(bStretch && bHorz ? 32767 : 0, cyBar);
    CRect rc(0, 0, 0, 0);
    CalcInsideRect(rc, bHorz);
    size.cy -= rc.Height();
    return size;
}

BOOL CReBar::OnEraseBkgnd(CDC*)
{
    // The control paints its own background and bands.
    return static_cast<BOOL>(Default());
}

void CReBar::OnPaint()
{
    Default();
}
