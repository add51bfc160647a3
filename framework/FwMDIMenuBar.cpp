#include "framework/FwMDIMenuBar.h"

#include "framework/FwSystemColors.h"
#include "framework/FwTextButton.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MDIChildWnd.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/gdi/DC.h"

FX_IMPLEMENT_DYNCREATE(FwMDIMenuBar, FwMenuBar)

namespace
{
// The system-menu icon of the maximised MDI child.
class FwMenuBarButton : public FwTextButton
{
public:
    FwMenuBarButton() : m_hIcon(nullptr) { m_nKind = FWBK_SYSMENU; }
    void Measure() override
    {
        m_cx = 16 + 4;
        m_cy = 16 + 4;
    }
    void Paint(CDC* pDC, FwButtonPaintCache*) override
    {
        pDC->FillSolidRect(0, 0, m_cx, m_cy, FwGetSystemColors().m_clrBtnFace);
        if (m_hIcon != nullptr) {
            ::DrawIconEx(pDC->GetSafeHdc(), 2, 2, m_hIcon, 16, 16, 0, nullptr, DI_NORMAL);
        }
    }
    BOOL OnPress() override;
    HICON m_hIcon;
};

// Minimise, restore and close of the maximised MDI child, side by side.
class FwMDICaptionButton : public FwBarButton
{
public:
    FwMDICaptionButton() : m_nPressed(-1), m_dwChildStyle(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
    {
        m_nKind = FWBK_CAPTION;
    }
    int PartWidth() const { return ::GetSystemMetrics(SM_CXSIZE) - 2; }
    void Measure() override
    {
        m_cx = 3 * PartWidth() + 2;
        m_cy = ::GetSystemMetrics(SM_CYSIZE) - 4;
    }
    void Paint(CDC* pDC, FwButtonPaintCache*) override
    {
        pDC->FillSolidRect(0, 0, m_cx, m_cy, FwGetSystemColors().m_clrBtnFace);
        const UINT parts[3] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
        const BOOL bNoMin = (m_dwChildStyle & WS_MINIMIZEBOX) == 0;
        for (int i = 0; i < 3; ++i) {
            CRect rc(i * PartWidth() + (i == 2 ? 2 : 0), 0, 0, m_cy);
            rc.right = rc.left + PartWidth();
            UINT nState = parts[i];
            if (i < 2 && bNoMin) {
                nState |= DFCS_INACTIVE;
            }
            if (i == m_nPressed) {
                nState |= DFCS_PUSHED;
            }
            pDC->DrawFrameControl(&rc, DFC_CAPTION, nState);
        }
    }
    int m_nPressed;
    DWORD m_dwChildStyle;
};

HWND ActiveMaximisedChild(CFrameWnd* pFrame, BOOL* pbMaximized)
{
    *pbMaximized = FALSE;
    CMDIFrameWnd* pMDI = dynamic_cast<CMDIFrameWnd*>(pFrame);
    if (pMDI == nullptr || pMDI->m_hWnd == nullptr) {
        return nullptr;
    }
    CMDIChildWnd* pChild = pMDI->MDIGetActive(pbMaximized);
    return pChild != nullptr ? pChild->m_hWnd : nullptr;
}
} // namespace

BOOL FwMenuBarButton::OnPress()
{
    FwMDIMenuBar* pBar = dynamic_cast<FwMDIMenuBar*>(m_pBar);
    BOOL bMax = FALSE;
    HWND hChild = pBar != nullptr ? ActiveMaximisedChild(pBar->m_pDockSite, &bMax) : nullptr;
    if (hChild == nullptr) {
        return TRUE;
    }
    HMENU hSys = ::GetSystemMenu(hChild, FALSE);
    if (hSys == nullptr) {
        return TRUE;
    }
    if (::GetMenuDefaultItem(hSys, FALSE, 0) == static_cast<UINT>(-1)) {
        ::SetMenuDefaultItem(hSys, SC_CLOSE, FALSE);
    }
    CRect rc = GetRect();
    ::MapWindowPoints(pBar->m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    const UINT nCmd = static_cast<UINT>(::TrackPopupMenu(hSys, TPM_LEFTALIGN | TPM_RETURNCMD, rc.left, rc.bottom, 0,
                                                         pBar->m_pDockSite->m_hWnd, nullptr));
    if (nCmd != 0) {
        ::PostMessageA(hChild, WM_SYSCOMMAND, nCmd, 0);
    }
    return TRUE;
}

FwMDIMenuBar::FwMDIMenuBar()
    : m_pIcon(new FwMenuBarButton), m_pCaption(new FwMDICaptionButton), m_bChildButtons(FALSE), m_hWndChild(nullptr),
      m_nPressedPart(-1)
{
    m_pIcon->SetUp(this);
    m_pCaption->SetUp(this);
}

FwMDIMenuBar::~FwMDIMenuBar()
{
    TakeOutChildButtons();
    delete m_pIcon;
    delete m_pCaption;
}

void FwMDIMenuBar::TakeOutChildButtons()
{
    for (int i = GetButtonCount() - 1; i >= 0; --i) {
        if (GetButton(i) == m_pIcon || GetButton(i) == m_pCaption) {
            m_arrButtons.RemoveAt(i);
        }
    }
}

void FwMDIMenuBar::PutBackChildButtons()
{
    TakeOutChildButtons();
    if (m_bChildButtons) {
        m_arrButtons.InsertAt(0, m_pIcon);
        m_arrButtons.Add(m_pCaption);
    }
}

BOOL FwMDIMenuBar::UpdateChildButtons()
{
    BOOL bMax = FALSE;
    HWND hChild = ActiveMaximisedChild(m_pDockSite, &bMax);
    const DWORD dwStyle = hChild != nullptr ? static_cast<DWORD>(::GetWindowLongPtrA(hChild, GWL_STYLE)) : 0;
    const BOOL bShow = hChild != nullptr && bMax && (dwStyle & WS_SYSMENU) != 0;
    FwMDICaptionButton* pCaption = static_cast<FwMDICaptionButton*>(m_pCaption);
    const DWORD dwBits = dwStyle & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    if (bShow == m_bChildButtons && (!bShow || (hChild == m_hWndChild && dwBits == pCaption->m_dwChildStyle))) {
        return FALSE;
    }
    m_bChildButtons = bShow;
    m_hWndChild = bShow ? hChild : nullptr;
    if (bShow) {
        HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hChild, WM_GETICON, ICON_SMALL, 0));
        if (hIcon == nullptr) {
            hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(hChild, GCLP_HICONSM));
        }
        static_cast<FwMenuBarButton*>(m_pIcon)->m_hIcon = hIcon;
        pCaption->m_dwChildStyle = dwBits;
    }
    PutBackChildButtons();
    m_nHot = -1;
    if (m_hWnd != nullptr) {
        Invalidate();
    }
    return TRUE;
}

void FwMDIMenuBar::ResetMenu(BOOL bNoLayout)
{
    TakeOutChildButtons();
    FwMenuBar::ResetMenu(TRUE);
    PutBackChildButtons();
    if (!bNoLayout && m_hWnd != nullptr) {
        if (CFrameWnd* pFrame = GetDockingFrame()) {
            pFrame->RecalcLayout();
        }
        Invalidate();
    }
}

void FwMDIMenuBar::RemoveAllButtons()
{
    TakeOutChildButtons();
    FwMenuBar::RemoveAllButtons();
    PutBackChildButtons();
}

void FwMDIMenuBar::SaveButtons(FwCustomToolBarInfoEx* pInfoEx)
{
    TakeOutChildButtons();
    FwMenuBar::SaveButtons(pInfoEx);
    PutBackChildButtons();
}

void FwMDIMenuBar::RestoreButtons(const FwCustomToolBarInfoEx* pInfoEx)
{
    TakeOutChildButtons();
    FwMenuBar::RestoreButtons(pInfoEx);
    PutBackChildButtons();
}

CSize FwMDIMenuBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    const CSize size = FwMenuBar::CalcDynamicLayout(nLength, dwMode);
    if (m_bChildButtons && GetButtonCount() > 1 && (dwMode & LM_HORZDOCK) != 0) {
        const FwBarButton* pBefore = GetButton(GetButtonCount() - 2);
        const int xRight = static_cast<int>(size.cx) - GetInsets().right - m_pCaption->m_cx;
        if (pBefore->m_y == m_pCaption->m_y && xRight > m_pCaption->m_x) {
            m_pCaption->SetPos(xRight, m_pCaption->m_y);
        }
    }
    return size;
}

int FwMDIMenuBar::CaptionPartFromPoint(CPoint point) const
{
    if (!m_bChildButtons || !m_pCaption->GetRect().PtInRect(point)) {
        return -1;
    }
    const int nPart = (point.x - m_pCaption->m_x) / static_cast<FwMDICaptionButton*>(m_pCaption)->PartWidth();
    return std::min(nPart, 2);
}

void FwMDIMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nPart = CaptionPartFromPoint(point);
    if (nPart >= 0) {
        FwMDICaptionButton* pCaption = static_cast<FwMDICaptionButton*>(m_pCaption);
        if (nPart < 2 && (pCaption->m_dwChildStyle & WS_MINIMIZEBOX) == 0) {
            return;
        }
        m_nPressedPart = nPart;
        pCaption->m_nPressed = nPart;
        ::SetCapture(m_hWnd);
        pCaption->Invalidate();
        return;
    }
    FwMenuBar::OnLButtonDown(nFlags, point);
}

void FwMDIMenuBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nPressedPart < 0) {
        FwMenuBar::OnLButtonUp(nFlags, point);
        return;
    }
    const int nPart = m_nPressedPart;
    m_nPressedPart = -1;
    FwMDICaptionButton* pCaption = static_cast<FwMDICaptionButton*>(m_pCaption);
    pCaption->m_nPressed = -1;
    pCaption->Invalidate();
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    if (CaptionPartFromPoint(point) != nPart || m_hWndChild == nullptr) {
        return;
    }
    const UINT commands[3] = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
    CPoint ptScreen(point);
    ::ClientToScreen(m_hWnd, &ptScreen);
    ::PostMessageA(m_hWndChild, WM_SYSCOMMAND, commands[nPart], MAKELPARAM(ptScreen.x, ptScreen.y));
}
