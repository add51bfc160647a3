#include "framework/FwControlBar.h"

#include <algorithm>

#include "framework/FwLoadTextOr.h"
#include "framework/FwControlBarInfo.h"
#include "framework/FwControlBarManager.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockContext.h"
#include "framework/FwMDIFrameWnd.h"
#include "framework/FwSystemColors.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MiniDockFrameWnd.h"
#include "platform/gdi/DC.h"
#include "platform/win/Menu.h"
#include "platform/win/ToolTipCtrl.h"

namespace
{
struct ChildRecord
{
    HWND hWnd;
    CRect rc;
};
} // namespace

// The gripper strip's widths and the caption buttons' tool texts.
class FwGripperMetrics
{
public:
    FwGripperMetrics()
        : m_strHide(FwLoadTextOr(20655, "Hide docked window")),
          m_strExpand(FwLoadTextOr(20657, "Expand docked window")),
          m_strContract(FwLoadTextOr(20658, "Contract docked window"))
    {
    }
    virtual ~FwGripperMetrics() = default;
    virtual int GetLeftStripWidth() const { return m_left[0] + m_left[1] + m_left[2] + m_left[3] + m_left[4]; }
    virtual int GetTopStripHeight() const { return m_top[0] + m_top[1] + m_top[2] + m_top[3] + m_top[4]; }

    // Margin, first bar, gap, second bar, margin.
    int m_left[5] = {4, 3, 1, 3, 6};
    int m_top[5] = {4, 3, 1, 3, 6};
    int m_nBorder = 3;
    CString m_strHide;
    CString m_strExpand;
    CString m_strContract;
};

FX_IMPLEMENT_DYNCREATE(FwControlBar, CControlBar)

CSize FwControlBar::s_sizeDefault(300, 180);

FwControlBar::FwControlBar()
    : m_szHorz(0, 0), m_szUnused(0, 0), m_szVert(0, 0), m_szFloat(0, 0), m_dwSavedDockStyle(0), m_fWidthFraction(1.0f),
      m_fSavedFraction(1.0f), m_dwExStyle(0), m_rcMargins(10, 10, 10, 10), m_pBarManager(nullptr),
      m_pGripper(new FwGripperMetrics), m_rcClose(0, 0, 0, 0), m_bClosePressed(FALSE), m_rcExpand(0, 0, 0, 0),
      m_bExpandPressed(FALSE), m_bExpandEnabled(TRUE), m_bContracted(TRUE), m_bDockedHorz(TRUE),
      m_pChildLayout(nullptr), m_hWndRepaint(nullptr), m_pToolTip(nullptr), m_nTipTool(-1)
{
}

FwControlBar::~FwControlBar()
{
    if (m_pToolTip != nullptr) {
        m_pToolTip->DestroyWindow();
        delete m_pToolTip;
    }
    FreeChildLayout();
    delete m_pGripper;
}

BOOL FwControlBar::Create(CWnd* pParentWnd, LPCSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                          CCreateContext* pContext)
{
    return Create(nullptr, lpszWindowName, dwExStyle, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID, pContext);
}

BOOL FwControlBar::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwExStyle, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_dwExStyle = dwExStyle;
    // The bar's own bits stay out of the window style (0x400000 would be a dialog frame there).
    if (!CWnd::Create(lpszClassName, lpszWindowName, (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPCHILDREN, rect,
                      pParentWnd, nID, pContext)) {
        return FALSE;
    }
    if ((m_dwExStyle & FWCBS_EX_PROPORTIONAL) != 0) {
        RecordChildLayout();
    }
    m_szHorz = s_sizeDefault;
    m_szVert = s_sizeDefault;
    m_szFloat = s_sizeDefault;
    return TRUE;
}

void FwControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr) {
        m_pDockContext = CreateDockContext();
    }
    if (m_hWnd != nullptr && ::GetWindow(m_hWnd, GW_OWNER) == nullptr) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(::GetParent(m_hWnd)));
    }
}

CDockContext* FwControlBar::CreateDockContext()
{
    return new FwDockContext(this);
}

void FwControlBar::SetExtendedStyle(DWORD dwExStyle, BOOL bRedraw)
{
    const DWORD dwOld = m_dwExStyle;
    if (IsFloating() && m_pDockBar->m_hWnd != nullptr) {
        HWND hFrame = ::GetParent(m_pDockBar->m_hWnd);
        LONG_PTR style = ::GetWindowLongPtrA(hFrame, GWL_STYLE);
        if ((dwExStyle & FWCBS_EX_FIXEDLENGTH) != 0) {
            style |= MFS_4THICKFRAME;
        } else {
            style = (style & ~static_cast<LONG_PTR>(MFS_4THICKFRAME)) | WS_THICKFRAME | MFS_THICKFRAME;
        }
        ::SetWindowLongPtrA(hFrame, GWL_STYLE, style);
        ::SetWindowPos(hFrame, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if ((dwOld & dwExStyle & FWCBS_EX_PROPORTIONAL) == 0) {
        if ((dwExStyle & FWCBS_EX_PROPORTIONAL) != 0) {
            RecordChildLayout();
        } else {
            FreeChildLayout();
        }
    }
    if (dwOld != dwExStyle && bRedraw && m_hWnd != nullptr) {
        // Size 0 x 0: the next layout gives the bar its size for the new style.
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOACTIVATE);
    }
    m_dwExStyle = dwExStyle;
}

void FwControlBar::ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetExtendedStyle((m_dwExStyle & ~dwRemove) | dwAdd, bRedraw);
}

CSize FwControlBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return bHorz ? m_szHorz : m_szVert;
}

CSize FwControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if ((dwMode & LM_COMMIT) != 0) {
        int n = nLength;
        if ((dwMode & LM_STRETCH) != 0) {
            n = static_cast<int>(static_cast<float>(nLength) * m_fWidthFraction);
        }
        const BOOL bLengthY = (dwMode & LM_LENGTHY) != 0;
        if ((dwMode & LM_HORZDOCK) != 0) {
            (bLengthY ? m_szHorz.cy : m_szHorz.cx) = n;
        } else if ((dwMode & LM_VERTDOCK) != 0) {
            (bLengthY ? m_szVert.cy : m_szVert.cx) = n;
        } else if (bLengthY) {
            m_szFloat.cy = n;
        } else {
            m_szFloat.cx = n;
            m_nMRUWidth = n;
        }
    }
    if ((dwMode & (LM_HORZDOCK | LM_VERTDOCK)) != 0) {
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    }
    return m_szFloat;
}

void FwControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

BOOL FwControlBar::IsHorzDocked() const
{
    return !IsFloating() && (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
}

BOOL FwControlBar::IsDockedInBar() const
{
    return m_pDockBar != nullptr && !IsFloating();
}

FwDockBar* FwControlBar::GetFwDockBar() const
{
    if (m_pDockBar == nullptr || !m_pDockBar->IsKindOf(FX_RUNTIME_CLASS(FwDockBar))) {
        return nullptr;
    }
    return static_cast<FwDockBar*>(m_pDockBar);
}

void FwControlBar::GetInsideRect(CRect& rect)
{
    GetClientRect(&rect);
    if ((m_dwExStyle & FWCBS_EX_GRIPPER) != 0 && !IsFloating()) {
        const int nBorder = m_pGripper->m_nBorder;
        if (IsHorzDocked()) {
            rect.left += m_pGripper->GetLeftStripWidth();
            rect.top += nBorder;
        } else {
            rect.top += m_pGripper->GetTopStripHeight();
            rect.left += nBorder;
        }
        rect.right -= nBorder;
        rect.bottom -= nBorder;
    } else if ((m_dwExStyle & FWCBS_EX_MARGINS) != 0) {
        rect.left += m_rcMargins.left;
        rect.top += m_rcMargins.top;
        rect.right -= m_rcMargins.right;
        rect.bottom -= m_rcMargins.bottom;
    }
}

void FwControlBar::RecordChildLayout()
{
    FreeChildLayout();
    if (m_hWnd == nullptr) {
        return;
    }
    m_pChildLayout = new CPtrArray;
    CRect rcClient;
    GetClientRect(&rcClient);
    m_pChildLayout->Add(new ChildRecord{m_hWnd, rcClient});
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CRect rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        m_pChildLayout->Add(new ChildRecord{hChild, rc});
    }
}

void FwControlBar::FreeChildLayout()
{
    if (m_pChildLayout == nullptr) {
        return;
    }
    for (INT_PTR i = 0; i < m_pChildLayout->GetSize(); ++i) {
        delete static_cast<ChildRecord*>(m_pChildLayout->GetAt(i));
    }
    delete m_pChildLayout;
    m_pChildLayout = nullptr;
}

void FwControlBar::OnSize(UINT nType, int cx, int cy)
{
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0) {
        LayoutChildren(cx, cy);
    }
    CControlBar::OnSize(nType, cx, cy);
}

void FwControlBar::LayoutChildren(int cx, int cy)
{
    int x0 = 0;
    int y0 = 0;
    int w = cx;
    int h = cy;
    if ((m_dwExStyle & FWCBS_EX_GRIPPER) != 0) {
        const int nBorder = m_pGripper->m_nBorder;
        if (IsHorzDocked()) {
            x0 = m_pGripper->GetLeftStripWidth();
            y0 = nBorder;
            w = cx - nBorder - x0;
            h = cy - 2 * nBorder;
        } else {
            x0 = nBorder;
            y0 = m_pGripper->GetTopStripHeight();
            w = cx - 2 * nBorder;
            h = cy - nBorder - y0;
        }
    } else if ((m_dwExStyle & FWCBS_EX_MARGINS) != 0) {
        x0 = m_rcMargins.left;
        y0 = m_rcMargins.top;
        w = cx - m_rcMargins.left - m_rcMargins.right;
        h = cy - m_rcMargins.top - m_rcMargins.bottom;
    }
    w = std::max(w, 0);
    h = std::max(h, 0);

    if ((m_dwExStyle & FWCBS_EX_PROPORTIONAL) != 0 && m_pChildLayout != nullptr && m_pChildLayout->GetSize() > 0) {
        const CRect rc0 = static_cast<ChildRecord*>(m_pChildLayout->GetAt(0))->rc;
        const int w0 = rc0.Width();
        const int h0 = rc0.Height();
        if (w0 <= 0 || h0 <= 0) {
            // Recorded before the bar had a size (Create with an empty rectangle): there are no
            // shares to keep yet, and scaling by them would divide by zero. Record them now.
            RecordChildLayout();
            return;
        }
        const int dx = (m_dwExStyle & FWCBS_EX_MARGINS) != 0 ? m_rcMargins.left : 0;
        const int dy = (m_dwExStyle & FWCBS_EX_MARGINS) != 0 ? m_rcMargins.top : 0;
        FwDockBar* pFwDockBar = GetFwDockBar();
        const UINT nRedraw = pFwDockBar != nullptr && pFwDockBar->m_bInLayout ? SWP_NOREDRAW : 0;
        HDWP hDWP = ::BeginDeferWindowPos(static_cast<int>(m_pChildLayout->GetSize()));
        for (INT_PTR i = 1; i < m_pChildLayout->GetSize() && hDWP != nullptr; ++i) {
            const ChildRecord* pRec = static_cast<ChildRecord*>(m_pChildLayout->GetAt(i));
            if (!::IsWindow(pRec->hWnd)) {
                continue;
            }
            const int l = pRec->rc.left * w / w0 + x0 + dx;
            const int t = pRec->rc.top * h / h0 + y0 + dy;
            const int r = pRec->rc.right * w / w0 + x0 + dx;
            const int b = pRec->rc.bottom * h / h0 + y0 + dy;
            hDWP = ::DeferWindowPos(hDWP, pRec->hWnd, nullptr, l, t, r - l, b - t,
                                    SWP_NOZORDER | SWP_NOACTIVATE | nRedraw);
        }
        if (hDWP != nullptr) {
            ::EndDeferWindowPos(hDWP);
        }
        if (IsFloating()) {
            Invalidate();
        }
        return;
    }
    if ((m_dwExStyle & FWCBS_EX_SINGLECHILD) != 0 && !IsFloating()) {
        if (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD)) {
            ::SetWindowPos(hChild, nullptr, x0, y0, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void FwControlBar::DoPaint(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    DrawBorders(pDC, rc);
    if (m_hWndRepaint != nullptr) {
        ::RedrawWindow(m_hWndRepaint, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void FwControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const DWORD dwStyle = m_dwStyle;
    if ((dwStyle & CBRS_BORDER_ANY) == 0) {
        return;
    }
    FwSystemColors& colors = FwGetSystemColors();
    if ((m_dwExStyle & FWCBS_EX_FLAT) != 0) {
        rect.left += (dwStyle & CBRS_BORDER_LEFT) != 0 ? 1 : 0;
        rect.top += (dwStyle & CBRS_BORDER_TOP) != 0 ? 1 : 0;
        rect.right -= (dwStyle & CBRS_BORDER_RIGHT) != 0 ? 1 : 0;
        rect.bottom -= (dwStyle & CBRS_BORDER_BOTTOM) != 0 ? 1 : 0;
        if ((m_dwExStyle & FWCBS_EX_GRIPPER) != 0) {
            DrawGripper(pDC, rect);
        }
        return;
    }
    const COLORREF crLine = colors.m_clrBtnShadow;
    const BOOL bVertDocked = !IsFloating() && (dwStyle & CBRS_ORIENT_VERT) != 0;
    // On a bar docked at a side the top and bottom lines keep clear of the corners.
    const int nEndGap = bVertDocked ? 2 : 0;
    CRect rc(rect);
    if ((dwStyle & CBRS_BORDER_LEFT) != 0) {
        pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), crLine);
    }
    if ((dwStyle & CBRS_BORDER_TOP) != 0) {
        pDC->FillSolidRect(rc.left + nEndGap, rc.top, rc.Width() - 2 * nEndGap, 1, crLine);
    }
    if ((dwStyle & CBRS_BORDER_RIGHT) != 0) {
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), crLine);
    }
    if ((dwStyle & CBRS_BORDER_BOTTOM) != 0) {
        pDC->FillSolidRect(rc.left + nEndGap, rc.bottom - 1, rc.Width() - 2 * nEndGap, 1, crLine);
    }
    if ((dwStyle & CBRS_BORDER_3D) != 0) {
        const COLORREF crHi = colors.m_clrBtnHilite;
        if ((dwStyle & CBRS_BORDER_LEFT) != 0) {
            pDC->FillSolidRect(rc.left + 1, rc.top, 1, rc.Height(), crHi);
        }
        if ((dwStyle & CBRS_BORDER_TOP) != 0) {
            pDC->FillSolidRect(rc.left + nEndGap, rc.top + 1, rc.Width() - 2 * nEndGap, 1, crHi);
        }
        if ((dwStyle & CBRS_BORDER_RIGHT) != 0) {
            pDC->FillSolidRect(rc.right - 2, rc.top, 1, rc.Height(), crHi);
        }
        if ((dwStyle & CBRS_BORDER_BOTTOM) != 0) {
            pDC->FillSolidRect(rc.left + nEndGap, rc.bottom - 2, rc.Width() - 2 * nEndGap, 1, crHi);
        }
    }
    rect.left += (dwStyle & CBRS_BORDER_LEFT) != 0 ? colors.m_cxBorder2 : 0;
    rect.top += (dwStyle & CBRS_BORDER_TOP) != 0 ? colors.m_cyBorder2 : 0;
    rect.right -= (dwStyle & CBRS_BORDER_RIGHT) != 0 ? colors.m_cxBorder2 : 0;
    rect.bottom -= (dwStyle & CBRS_BORDER_BOTTOM) != 0 ? colors.m_cyBorder2 : 0;
}

void FwControlBar::AdjustRectForGripper(CRect& rect, BOOL bHorz)
{
    rect.DeflateRect(1, 1);
    const int nBorder = m_pGripper->m_nBorder;
    if (bHorz) {
        rect.right = rect.left + m_pGripper->GetLeftStripWidth();
        rect.top += nBorder;
        rect.bottom -= nBorder;
    } else {
        rect.bottom = rect.top + m_pGripper->GetTopStripHeight();
        rect.left += nBorder;
        rect.right -= nBorder;
    }
}

void FwControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if (!IsDockedInBar()) {
        return;
    }
    const BOOL bHorz = IsHorzDocked();
    UpdateButtonStates(bHorz);
    CRect rcStrip(rect);
    AdjustRectForGripper(rcStrip, bHorz);
    m_rcClose.SetRectEmpty();
    m_rcExpand.SetRectEmpty();
    if ((m_dwExStyle & FWCBS_EX_CLOSEBUTTON) != 0) {
        PlaceCloseButton(rcStrip, bHorz);
        if (m_bClosePressed) {
            DrawCloseButtonPushed(pDC);
        } else {
            DrawCloseButtonNormal(pDC);
        }
    }
    if ((m_dwExStyle & FWCBS_EX_EXPANDBUTTON) != 0) {
        PlaceExpandButton(rcStrip, bHorz);
        if (m_bExpandPressed) {
            DrawExpandButtonPushed(pDC);
        } else {
            DrawExpandButtonNormal(pDC);
        }
    }
    FwSystemColors& colors = FwGetSystemColors();
    for (int nAt : {4, 8}) {
        if (bHorz) {
            pDC->Draw3dRect(rcStrip.left + nAt, rcStrip.top, 3, rcStrip.Height(), colors.m_clrBtnHilite,
                            colors.m_clrBtnShadow);
        } else {
            pDC->Draw3dRect(rcStrip.left, rcStrip.top + nAt, rcStrip.Width(), 3, colors.m_clrBtnHilite,
                            colors.m_clrBtnShadow);
        }
    }
}

namespace
{
// The next square button in the strip; the strip shrinks past it and a 2-pixel gap.
CRect PlaceButton(CRect& rcStrip, BOOL bHorz)
{
    CRect rc;
    if (bHorz) {
        const int n = rcStrip.Width() - 6;
        rc.SetRect(rcStrip.left + 2, rcStrip.top, rcStrip.left + 2 + n, rcStrip.top + n);
        rcStrip.top = rc.bottom + 2;
    } else {
        const int n = rcStrip.Height() - 6;
        rc.SetRect(rcStrip.right - n, rcStrip.top + 2, rcStrip.right, rcStrip.top + 2 + n);
        rcStrip.right = rc.left - 2;
    }
    return rc;
}
} // namespace

void FwControlBar::PlaceCloseButton(CRect& rcStrip, BOOL bHorz)
{
    m_rcClose = PlaceButton(rcStrip, bHorz);
}

void FwControlBar::PlaceExpandButton(CRect& rcStrip, BOOL bHorz)
{
    m_rcExpand = PlaceButton(rcStrip, bHorz);
    m_bDockedHorz = bHorz;
}

void FwControlBar::DrawCloseButtonPushed(CDC* pDC)
{
    CRect rc(m_rcClose);
    pDC->DrawFrameControl(&rc, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED);
}

void FwControlBar::DrawCloseButtonNormal(CDC* pDC)
{
    CRect rc(m_rcClose);
    pDC->DrawFrameControl(&rc, DFC_CAPTION, DFCS_CAPTIONCLOSE);
}

namespace
{
UINT ExpandArrowState(BOOL bHorz, BOOL bContracted, BOOL bEnabled, BOOL bPushed)
{
    UINT nState =
        bHorz ? (bContracted ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT) : (bContracted ? DFCS_SCROLLDOWN : DFCS_SCROLLUP);
    nState |= bEnabled ? 0 : DFCS_INACTIVE;
    nState |= bPushed ? DFCS_PUSHED : 0;
    return nState;
}
} // namespace

void FwControlBar::DrawExpandButtonPushed(CDC* pDC)
{
    CRect rc(m_rcExpand.left - 1, m_rcExpand.top - 1, m_rcExpand.right, m_rcExpand.bottom);
    pDC->DrawFrameControl(&rc, DFC_SCROLL, ExpandArrowState(m_bDockedHorz, m_bContracted, m_bExpandEnabled, TRUE));
}

void FwControlBar::DrawExpandButtonNormal(CDC* pDC)
{
    CRect rc(m_rcExpand.left - 1, m_rcExpand.top - 1, m_rcExpand.right, m_rcExpand.bottom);
    pDC->DrawFrameControl(&rc, DFC_SCROLL, ExpandArrowState(m_bDockedHorz, m_bContracted, m_bExpandEnabled, FALSE));
}

void FwControlBar::UpdateButtonStates(BOOL bHorz)
{
    m_bDockedHorz = bHorz;
    if (FwDockBar* pDockBar = GetFwDockBar()) {
        m_bExpandEnabled = !pDockBar->IsBarAloneInRow(this);
        m_bContracted = !pDockBar->IsBarExpanded(this);
    }
}

INT_PTR FwControlBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    if ((m_dwStyle & CBRS_TOOLTIPS) == 0 || !IsDockedInBar()) {
        return -1;
    }
    const CString* pText = nullptr;
    INT_PTR nHit = -1;
    CRect rc;
    if ((m_dwExStyle & FWCBS_EX_CLOSEBUTTON) != 0 && m_rcClose.PtInRect(point)) {
        nHit = FWCB_TOOL_CLOSE;
        rc = m_rcClose;
        pText = &m_pGripper->m_strHide;
    } else if ((m_dwExStyle & FWCBS_EX_EXPANDBUTTON) != 0 && m_rcExpand.PtInRect(point)) {
        nHit = FWCB_TOOL_EXPAND;
        rc = m_rcExpand;
        pText = m_bContracted ? &m_pGripper->m_strExpand : &m_pGripper->m_strContract;
    }
    if (nHit >= 0 && pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(nHit);
        pTI->rect = rc;
        // The caller frees the copy with free(), as tool texts handed out are.
        pTI->lpszText = _strdup(static_cast<LPCSTR>(*pText));
    }
    return nHit;
}

BOOL FwControlBar::IsInForeignFloatFrame() const
{
    if (!IsFloating()) {
        return FALSE;
    }
    CWnd* pFrame = CWnd::FromHandlePermanent(::GetParent(m_pDockBar->m_hWnd));
    return pFrame == nullptr || !pFrame->IsKindOf(FX_RUNTIME_CLASS(CMiniDockFrameWnd));
}

void FwControlBar::RestorePressedButtons()
{
    if (!m_bClosePressed && !m_bExpandPressed) {
        return;
    }
    m_bClosePressed = FALSE;
    m_bExpandPressed = FALSE;
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    Invalidate();
}

void FwControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsDockedInBar()) {
        if ((m_dwExStyle & FWCBS_EX_CLOSEBUTTON) != 0 && m_rcClose.PtInRect(point) && MayHide()) {
            m_bClosePressed = TRUE;
            InvalidateRect(&m_rcClose);
            ::SetCapture(m_hWnd);
            return;
        }
        if ((m_dwExStyle & FWCBS_EX_EXPANDBUTTON) != 0 && m_rcExpand.PtInRect(point) && MayExpand()) {
            m_bExpandPressed = TRUE;
            CRect rc(m_rcExpand.left - 1, m_rcExpand.top - 1, m_rcExpand.right, m_rcExpand.bottom);
            InvalidateRect(&rc);
            ::SetCapture(m_hWnd);
            return;
        }
    }
    RestorePressedButtons();
    if (IsInForeignFloatFrame()) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}

void FwControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    const BOOL bClose = m_bClosePressed && m_rcClose.PtInRect(point);
    const BOOL bExpand = m_bExpandPressed && m_bExpandEnabled && m_rcExpand.PtInRect(point);
    if (!m_bClosePressed && !m_bExpandPressed) {
        CControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    RestorePressedButtons();
    if (bClose) {
        CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : FxGetParentFrame(this);
        if (pFrame != nullptr) {
            pFrame->ShowControlBar(this, FALSE, FALSE);
        }
    } else if (bExpand) {
        if (FwDockBar* pDockBar = GetFwDockBar()) {
            pDockBar->ExpandBar(this, m_bContracted ? FwDockBar::expandBar : FwDockBar::contractBar);
        }
    }
}

void FwControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsDockedInBar() && (((m_dwExStyle & FWCBS_EX_CLOSEBUTTON) != 0 && m_rcClose.PtInRect(point)) ||
                            ((m_dwExStyle & FWCBS_EX_EXPANDBUTTON) != 0 && m_rcExpand.PtInRect(point)))) {
        return;
    }
    if (IsInForeignFloatFrame()) {
        CWnd::OnLButtonDblClk(nFlags, point);
        return;
    }
    CControlBar::OnLButtonDblClk(nFlags, point);
}

BOOL FwControlBar::BuildContextMenu(CMenu& menu)
{
    if (!menu.CreatePopupMenu()) {
        return FALSE;
    }
    const BOOL bAllowed = (m_dwDockStyle & CBRS_ALIGN_ANY) != 0;
    menu.AppendMenu(MF_STRING | (bAllowed ? MF_CHECKED : 0), ID_FWCB_ALLOWDOCKING,
                    FwLoadTextOr(ID_FWCB_ALLOWDOCKING, "Allow Docking"));
    menu.AppendMenu(MF_STRING, ID_FWCB_HIDE, FwLoadTextOr(ID_FWCB_HIDE, "Hide"));
    OnContextMenuHook(&menu);
    // The drag context learns its dock site only when a drag starts: the bar's own is the same.
    CFrameWnd* pSite = m_pDockContext != nullptr ? m_pDockContext->m_pDockSite : nullptr;
    if (pSite == nullptr) {
        pSite = m_pDockSite;
    }
    if (pSite != nullptr && pSite->m_hWnd != nullptr) {
        pSite->SendMessage(WM_FWCB_CONTEXTMENU, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&menu));
    }
    return TRUE;
}

void FwControlBar::OnContextMenu(CPoint ptScreen)
{
    CMenu menu;
    if (!BuildContextMenu(menu)) {
        return;
    }
    if (ptScreen.x == -1 && ptScreen.y == -1) {
        // From the keyboard: a quarter across the bar, 10 pixels down.
        CRect rc;
        GetClientRect(&rc);
        ptScreen = CPoint(rc.Width() / 4, 10);
        ::ClientToScreen(m_hWnd, &ptScreen);
    }
    ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, 0, m_hWnd, nullptr);
}

BOOL FwControlBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0) {
        switch (LOWORD(wParam)) {
        case ID_FWCB_ALLOWDOCKING:
            OnAllowDocking();
            return TRUE;
        case ID_FWCB_HIDE:
            OnHideBar();
            return TRUE;
        case ID_FWCB_FLOATINMAIN:
            OnFloatInMain();
            return TRUE;
        default:
            break;
        }
    }
    return CControlBar::OnCommand(wParam, lParam);
}

void FwControlBar::OnAllowDocking()
{
    if ((m_dwDockStyle & CBRS_ALIGN_ANY) != 0) {
        m_dwSavedDockStyle = m_dwDockStyle & CBRS_ALIGN_ANY;
        if (IsDockedInBar() && m_pDockContext != nullptr) {
            m_pDockContext->ToggleDocking();
        }
        m_dwDockStyle &= ~CBRS_ALIGN_ANY;
        if (m_pDockContext != nullptr) {
            m_pDockContext->m_dwDockStyle = m_dwDockStyle;
        }
    } else {
        m_dwDockStyle |= m_dwSavedDockStyle;
        if (m_pDockContext != nullptr) {
            m_pDockContext->m_dwDockStyle = m_dwDockStyle;
        }
    }
}

void FwControlBar::OnHideBar()
{
    CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : FxGetParentFrame(this);
    if (pFrame != nullptr) {
        pFrame->ShowControlBar(this, FALSE, FALSE);
    }
}

void FwControlBar::OnFloatInMain()
{
    // Floating in the main window needs the MDI frame's control-bar children; other frames
    // answer through the drag context.
    if (FwMDIFrameWnd* pMDIFrame = dynamic_cast<FwMDIFrameWnd*>(m_pDockSite)) {
        pMDIFrame->ToggleFloatInMain(this);
    } else if (m_pDockContext != nullptr) {
        static_cast<FwDockContext*>(m_pDockContext)->ToggleFloatInMain();
    }
}

BOOL FwControlBar::OnEraseBkgnd(CDC* pDC)
{
    if ((m_dwExStyle & FWCBS_EX_MARGINS) != 0) {
        CRect rcClip;
        pDC->GetClipBox(&rcClip);
        CRect rcIn;
        GetInsideRect(rcIn);
        const COLORREF cr = FwGetSystemColors().m_clrBtnFace;
        pDC->FillSolidRect(rcClip.left, rcClip.top, rcClip.Width(), rcIn.top - rcClip.top, cr);
        pDC->FillSolidRect(rcClip.left, rcIn.bottom, rcClip.Width(), rcClip.bottom - rcIn.bottom, cr);
        pDC->FillSolidRect(rcClip.left, rcIn.top, rcIn.left - rcClip.left, rcIn.Height(), cr);
        pDC->FillSolidRect(rcIn.right, rcIn.top, rcClip.right - rcIn.right, rcIn.Height(), cr);
    }
    return CControlBar::OnEraseBkgnd(pDC);
}

void FwControlBar::OnDestroy()
{
    if (FwDockBar* pDockBar = GetFwDockBar()) {
        pDockBar->ForgetMovedBar(this);
    }
    FreeChildLayout();
    if (m_pToolTip != nullptr) {
        m_pToolTip->DestroyWindow();
        delete m_pToolTip;
        m_pToolTip = nullptr;
        m_nTipTool = -1;
    }
    CFrameWnd* pFrame = GetDockingFrame();
    CControlBar::OnDestroy();
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr) {
        pFrame->DelayRecalcLayout();
    }
}

void FwControlBar::UpdateToolTip(CPoint point)
{
    if ((m_dwStyle & CBRS_TOOLTIPS) == 0 || m_hWnd == nullptr) {
        return;
    }
    if (m_pToolTip == nullptr) {
        m_pToolTip = new CToolTipCtrl;
        const CRect rcNone(0, 0, 0, 0);
        if (!m_pToolTip->Create(this) || !m_pToolTip->AddTool(this, "", &rcNone, FWCB_TOOL_CLOSE) ||
            !m_pToolTip->AddTool(this, "", &rcNone, FWCB_TOOL_EXPAND)) {
            m_pToolTip->DestroyWindow();
            delete m_pToolTip;
            m_pToolTip = nullptr;
            return;
        }
    }
    TOOLINFOA ti = {};
    const INT_PTR nHit = OnToolHitTest(point, &ti);
    if (nHit >= 0) {
        TTTOOLINFOA find = {};
        find.cbSize = TTTOOLINFOA_V2_SIZE;
        find.hwnd = m_hWnd;
        find.uId = static_cast<UINT_PTR>(nHit);
        if (m_pToolTip->SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&find)) == 0) {
            const CRect rcNone(0, 0, 0, 0);
            m_pToolTip->AddTool(this, "", &rcNone, static_cast<UINT_PTR>(nHit));
        }
    }
    // The tool under the mouse gets its rectangle and text; the caption buttons and the tool that
    // had the mouse before get no area.
    for (INT_PTR nTool :
         {static_cast<INT_PTR>(FWCB_TOOL_CLOSE), static_cast<INT_PTR>(FWCB_TOOL_EXPAND), m_nTipTool, nHit}) {
        if (nTool < 0) {
            continue;
        }
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = m_hWnd;
        info.uId = static_cast<UINT_PTR>(nTool);
        if (nTool == nHit) {
            info.rect = ti.rect;
            m_pToolTip->UpdateTipText(ti.lpszText, this, info.uId);
        }
        m_pToolTip->SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
    }
    m_nTipTool = nHit;
    free(ti.lpszText);
}

LRESULT FwControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && (m_dwStyle & CBRS_TOOLTIPS) != 0) {
        if (message == WM_MOUSEMOVE) {
            UpdateToolTip(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        }
        if (m_pToolTip != nullptr) {
            m_pToolTip->RelayEvent(m_hWnd, message, wParam, lParam);
        }
    }
    if (message == WM_CONTEXTMENU) {
        if ((m_dwExStyle & FWCBS_EX_CONTEXTMENU) == 0) {
            return CControlBar::WindowProc(message, wParam, lParam);
        }
        OnContextMenu(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return 0;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}

void FwControlBar::FillBarInfo(FwControlBarInfo* pInfo)
{
    if (pInfo == nullptr) {
        return;
    }
    CControlBar::GetBarInfo(pInfo);
    // Only the low word: the dock state keeps id | 0x10000 for placeholders.
    pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID()) & 0xFFFF;
    pInfo->m_szVertDock = m_szVert;
    pInfo->m_szFloat = m_szFloat;
    pInfo->m_szHorzDock = m_szHorz;
    pInfo->m_dwMRUDockingState = m_dwSavedDockStyle;
    pInfo->m_dwDockStyle = m_dwDockStyle;
    pInfo->m_fWidthFraction = m_fWidthFraction;
    pInfo->m_dwStyle = m_dwStyle;
    pInfo->m_dwExStyle = m_dwExStyle;
    if (m_pBarManager != nullptr) {
        pInfo->m_dwTypeID = m_pBarManager->GetBarTypeID(this);
    }
    if (const FwDockContext* pContext = dynamic_cast<FwDockContext*>(m_pDockContext)) {
        pInfo->m_bPrevFloating = pContext->m_bPrevFloating;
    }
    pInfo->m_strClassName = GetRuntimeClass()->m_lpszClassName;
    if (m_hWnd != nullptr) {
        GetWindowText(pInfo->m_strWindowName);
    }
    OnWriteBarState(pInfo);
}

void FwControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    FwControlBarInfo* pFwInfo = dynamic_cast<FwControlBarInfo*>(pInfo);
    if (pFwInfo != nullptr) {
        m_nMRUWidth = pFwInfo->m_nMRUWidth;
        m_szFloat = pFwInfo->m_szFloat;
        m_szHorz = pFwInfo->m_szHorzDock;
        m_szVert = pFwInfo->m_szVertDock;
        m_fWidthFraction = pFwInfo->m_fWidthFraction;
        // A record that never held a style (an old profile) leaves the bar's own.
        if (pFwInfo->m_dwStyle != 0) {
            SetBarStyle(pFwInfo->m_dwStyle);
        }
        if (FwDockContext* pContext = dynamic_cast<FwDockContext*>(m_pDockContext)) {
            pContext->m_bPrevFloating = pFwInfo->m_bPrevFloating;
        }
        if (pFwInfo->m_pInfoEx != nullptr) {
            OnReadBarState(pFwInfo, pFrameWnd);
        }
    }
    // The most recent places, then shown or hidden at the stored place without resizing.
    CControlBar::SetBarInfo(pInfo, pFrameWnd);
}
