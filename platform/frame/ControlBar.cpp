#include "platform/frame/ControlBar.h"

#include <algorithm>

#include "platform/frame/ControlBarInfo.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/DockContext.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MiniDockFrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/PaintDC.h"

namespace
{
// Width of a bar's border line pair and of the gripper strip.
const int kBorder2 = 2;
const int kGripper = 7;

void FillSolid(HDC hDC, const RECT& rc, COLORREF cr)
{
    const COLORREF crOld = ::SetBkColor(hDC, cr);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(hDC, crOld);
}

void Draw3dRect(HDC hDC, const RECT& rc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    FillSolid(hDC, RECT{rc.left, rc.top, rc.left + cx - 1, rc.top + 1}, crTopLeft);
    FillSolid(hDC, RECT{rc.left, rc.top, rc.left + 1, rc.top + cy - 1}, crTopLeft);
    FillSolid(hDC, RECT{rc.left + cx - 1, rc.top, rc.left + cx, rc.top + cy}, crBottomRight);
    FillSolid(hDC, RECT{rc.left, rc.top + cy - 1, rc.left + cx, rc.top + cy}, crBottomRight);
}
} // namespace

void FxRepositionWindow(FX_SIZEPARENTPARAMS* pLayout, HWND hWnd, LPCRECT lpRect)
{
    if (pLayout == nullptr || pLayout->hDWP == nullptr || hWnd == nullptr) {
        return;
    }
    // The layout's rectangle is in the parent's client coordinates; the bar's parent may differ.
    HWND hParent = ::GetParent(hWnd);
    CRect rcOld;
    ::GetWindowRect(hWnd, &rcOld);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rcOld), 2);
    if (rcOld == *lpRect) {
        return;
    }
    pLayout->hDWP =
        ::DeferWindowPos(pLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                         lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

FX_IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar()
    : m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(nullptr), m_pDockBar(nullptr), m_pDockContext(nullptr),
      m_nMRUWidth(32767), m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(2), m_cyBottomBorder(2),
      m_nStateFlags(0), m_bAutoDelete(FALSE)
{
}

CControlBar::~CControlBar()
{
    LeaveDockSite();
    if (m_pDockSite != nullptr) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = nullptr;
    }
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

void CControlBar::LeaveDockSite()
{
    if (m_pDockBar != nullptr) {
        CDockBar* pDockBar = m_pDockBar;
        m_pDockBar = nullptr;
        pDockBar->RemoveControlBar(this, -1, FALSE);
    }
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle != dwStyle) {
        m_dwStyle = dwStyle;
        if (m_hWnd != nullptr) {
            Invalidate();
            SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr) {
        m_pDockContext = new CDockContext(this);
    }
}

BOOL CControlBar::IsFloating() const
{
    return m_pDockBar != nullptr && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const
{
    if ((m_nStateFlags & delayHide) != 0) {
        return FALSE;
    }
    // The style, not IsWindowVisible: a bar of a hidden frame is still laid out as shown.
    return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    if (IsFloating()) {
        if (CWnd* pFrame = CWnd::FromHandlePermanent(::GetParent(m_pDockBar->m_hWnd))) {
            if (pFrame->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd))) {
                return static_cast<CFrameWnd*>(pFrame);
            }
        }
    }
    return m_pDockSite != nullptr ? m_pDockSite : FxGetParentFrame(this);
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible) {
        m_nStateFlags |= delayShow;
    } else if (!bShow && bVisible) {
        m_nStateFlags |= delayHide;
    }
}

void CControlBar::ApplyDelayShow(HDWP* phDWP)
{
    const UINT nFlags = m_nStateFlags & (delayHide | delayShow);
    if (nFlags == 0 || m_hWnd == nullptr) {
        return;
    }
    m_nStateFlags &= ~(delayHide | delayShow);
    const UINT nSwp = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                      ((nFlags & delayShow) != 0 ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (phDWP != nullptr && *phDWP != nullptr) {
        *phDWP = ::DeferWindowPos(*phDWP, m_hWnd, nullptr, 0, 0, 0, 0, nSwp);
    } else {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, nSwp);
    }
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = bStretch && bHorz ? 32767 : 0;
    size.cy = bStretch && !bHorz ? 32767 : 0;
    CRect rc(0, 0, 0, 0);
    CalcInsideRect(rc, bHorz);
    // The inside rectangle of an empty client gives the borders as negative sizes.
    size.cx = std::max<LONG>(size.cx, -rc.Width());
    size.cy = std::max<LONG>(size.cy, -rc.Height());
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    const DWORD dwStyle = m_dwStyle;
    if ((dwStyle & CBRS_BORDER_LEFT) != 0) {
        rect.left += kBorder2;
    }
    if ((dwStyle & CBRS_BORDER_TOP) != 0) {
        rect.top += kBorder2;
    }
    if ((dwStyle & CBRS_BORDER_RIGHT) != 0) {
        rect.right -= kBorder2;
    }
    if ((dwStyle & CBRS_BORDER_BOTTOM) != 0) {
        rect.bottom -= kBorder2;
    }
    rect.left += m_cxLeftBorder;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
    // The gripper strip runs across the bar's start, only while docked.
    if ((dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER) {
        if (bHorz) {
            rect.left += kGripper;
        } else {
            rect.top += kGripper;
        }
    }
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    DrawBorders(pDC, rc);
    DrawGripper(pDC, rc);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const DWORD dwStyle = m_dwStyle;
    if ((dwStyle & CBRS_BORDER_ANY) == 0) {
        return;
    }
    HDC hDC = pDC->m_hDC;
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // A shadow line outside, a highlight line inside: the bar looks set into the frame.
    if ((dwStyle & CBRS_BORDER_LEFT) != 0) {
        FillSolid(hDC, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, crShadow);
        FillSolid(hDC, RECT{rect.left + 1, rect.top, rect.left + 2, rect.bottom}, crHilite);
        rect.left += kBorder2;
    }
    if ((dwStyle & CBRS_BORDER_TOP) != 0) {
        FillSolid(hDC, RECT{rect.left, rect.top, rect.right, rect.top + 1}, crShadow);
        FillSolid(hDC, RECT{rect.left, rect.top + 1, rect.right, rect.top + 2}, crHilite);
        rect.top += kBorder2;
    }
    if ((dwStyle & CBRS_BORDER_RIGHT) != 0) {
        FillSolid(hDC, RECT{rect.right - 2, rect.top, rect.right - 1, rect.bottom}, crShadow);
        FillSolid(hDC, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, crHilite);
        rect.right -= kBorder2;
    }
    if ((dwStyle & CBRS_BORDER_BOTTOM) != 0) {
        FillSolid(hDC, RECT{rect.left, rect.bottom - 2, rect.right, rect.bottom - 1}, crShadow);
        FillSolid(hDC, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, crHilite);
        rect.bottom -= kBorder2;
    }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER) {
        return;
    }
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    // One raised bar 3 pixels thick along the bar's start.
    if (bHorz) {
        Draw3dRect(pDC->m_hDC, RECT{rect.left + 2, rect.top + 2, rect.left + 5, rect.bottom - 2}, crHilite, crShadow);
    } else {
        Draw3dRect(pDC->m_hDC, RECT{rect.left + 2, rect.top + 2, rect.right - 2, rect.top + 5}, crHilite, crShadow);
    }
}

void CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
    pInfo->m_bVisible = IsVisible();
    pInfo->m_nMRUWidth = m_nMRUWidth;
    pInfo->m_bFloating = FALSE;
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bDockBar = FALSE;
    if (m_pDockBar != nullptr) {
        CRect rc;
        GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, m_pDockBar->m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        pInfo->m_pointPos = rc.TopLeft();
    }
    if (m_pDockContext != nullptr) {
        pInfo->m_bDocking = TRUE;
        pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*)
{
    m_nMRUWidth = pInfo->m_nMRUWidth;
    if (pInfo->m_bDocking && m_pDockContext != nullptr) {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    m_nStateFlags &= ~(delayHide | delayShow);
    UINT nFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    // Only a bar in a dock bar has a stored place: its left-to-right order in its row.
    if (m_pDockBar == nullptr || (pInfo->m_pointPos.x == -1 && pInfo->m_pointPos.y == -1)) {
        nFlags |= SWP_NOMOVE;
    }
    ::SetWindowPos(m_hWnd, nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, nFlags);
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == FxGetSizeParentMessage()) {
        OnSizeParent(reinterpret_cast<FX_SIZEPARENTPARAMS*>(lParam));
        return 0;
    }
    if (message == FxGetIdleUpdateMessage()) {
        // Commands of the bar's items are routed by the frame that owns the bar.
        CFrameWnd* pTarget = m_pDockSite != nullptr ? m_pDockSite : FxGetParentFrame(this);
        if (pTarget != nullptr && (GetStyle() & WS_VISIBLE) != 0) {
            OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
        }
        return 0;
    }
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        // Commands of the bar's own child controls belong to the frame, not to the bar or its
        // dock bar.
        if (!IsDockBar() || lParam == 0) {
            break;
        }
        if (CFrameWnd* pFrame = m_pDockSite) {
            return pFrame->SendMessage(message, wParam, lParam);
        }
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CControlBar::OnSizeParent(FX_SIZEPARENTPARAMS* pLayout)
{
    ApplyDelayShow(pLayout->hDWP != nullptr ? &pLayout->hDWP : nullptr);
    const DWORD dwStyle = m_dwStyle;
    // A bar whose show is still pending counts as visible: it is shown within this batch.
    if (!IsVisible() || (dwStyle & CBRS_ALIGN_ANY) == 0) {
        return;
    }
    CRect rc(pLayout->rect);
    const CSize sizeAvail = rc.Size();
    if (IsDockBar()) {
        CDockBar* pDockBar = static_cast<CDockBar*>(this);
        pDockBar->m_bLayoutQuery = pLayout->hDWP == nullptr;
        pDockBar->m_rectLayout = pLayout->rect;
    }
    DWORD dwMode = pLayout->bStretch ? LM_STRETCH : 0;
    if ((dwStyle & CBRS_SIZE_DYNAMIC) != 0 && (dwStyle & CBRS_FLOATING) != 0) {
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    } else if ((dwStyle & CBRS_ORIENT_HORZ) != 0) {
        dwMode |= LM_HORZ | LM_HORZDOCK;
    } else {
        dwMode |= LM_VERTDOCK;
    }
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::min(size.cx, sizeAvail.cx);
    size.cy = std::min(size.cy, sizeAvail.cy);
    if ((dwStyle & CBRS_ORIENT_HORZ) != 0) {
        pLayout->sizeTotal.cy += size.cy;
        pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, size.cx);
        if ((dwStyle & CBRS_ALIGN_TOP) != 0) {
            pLayout->rect.top += size.cy;
        } else {
            rc.top = rc.bottom - size.cy;
            pLayout->rect.bottom -= size.cy;
        }
    } else {
        pLayout->sizeTotal.cx += size.cx;
        pLayout->sizeTotal.cy = std::max(pLayout->sizeTotal.cy, size.cy);
        if ((dwStyle & CBRS_ALIGN_LEFT) != 0) {
            pLayout->rect.left += size.cx;
        } else {
            rc.left = rc.right - size.cx;
            pLayout->rect.right -= size.cx;
        }
    }
    rc.right = rc.left + size.cx;
    rc.bottom = rc.top + size.cy;
    FxRepositionWindow(pLayout, m_hWnd, &rc);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    // A bar made directly in a frame joins its list; a floating frame registers its own dock bar
    // with the main frame instead.
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (m_pDockSite == nullptr && pParent != nullptr && pParent->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd)) &&
        !pParent->IsKindOf(FX_RUNTIME_CLASS(CMiniDockFrameWnd))) {
        m_pDockSite = static_cast<CFrameWnd*>(pParent);
        m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    LeaveDockSite();
    if (m_pDockSite != nullptr) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

void CControlBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    FillSolid(pDC->m_hDC, rc, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    // A bar in a dock bar is dragged from anywhere that is not one of its items.
    if (m_pDockBar != nullptr && m_pDockContext != nullptr) {
        CPoint pt(point);
        ::ClientToScreen(m_hWnd, &pt);
        m_pDockContext->StartDrag(pt);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockBar != nullptr && m_pDockContext != nullptr) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete) {
        delete this;
    }
}
