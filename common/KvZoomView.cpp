#include "common/KvZoomView.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "common/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "platform/print/PrintInfo.h"

namespace
{
// The largest zoomed side: scroll ranges and viewport extents are ints, and GDI multiplies them.
// A huge drawing at a high level stops here instead of wrapping to a negative size.
const double kMaxDeviceSide = 0x3FFFFFFF;

int ZoomedSide(int nSide, float fLevel)
{
    const double f = static_cast<double>(nSide) * static_cast<double>(fLevel);
    if (!(f == f) || f <= 0.0) {
        return 0;
    }
    return static_cast<int>(std::min(f, kMaxDeviceSide));
}

HCURSOR LoadZoomCursor(UINT nID, UINT nDefaultID)
{
    const UINT nUse = nID != 0 ? nID : nDefaultID;
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nUse), MAKEINTRESOURCEA(12)); // RT_GROUP_CURSOR
    // Loaded cursors are shared resources: never destroyed.
    return hInst != nullptr ? ::LoadCursorA(hInst, MAKEINTRESOURCEA(nUse)) : nullptr;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvZoomView, CScrollView)

CKvZoomView::CKvZoomView()
    : m_hMoveCursor(nullptr), m_hMoveBeginCursor(nullptr), m_hZoomRectCursor(nullptr), m_nZoomState(stateNone),
      m_bRubberDrag(FALSE), m_nZoomMode(modeInitial), m_fZoomLevel(1.0f), m_fZoomMin(-1.0f), m_fZoomMax(-1.0f)
{
    m_nMapMode = MM_ANISOTROPIC;
    m_bCenter = TRUE;
}

CKvZoomView::~CKvZoomView() = default;

void CKvZoomView::SetZoomMinMax(float fMin, float fMax)
{
    m_fZoomMin = fMin;
    m_fZoomMax = fMax;
}

void CKvZoomView::SetZoomMinMaxPercent(int nMinPercent, int nMaxPercent)
{
    SetZoomMinMax(static_cast<float>(nMinPercent * 0.01), static_cast<float>(nMaxPercent * 0.01));
}

void CKvZoomView::SetScrollSizes(int, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    if (sizeTotal.cx == 0 && sizeTotal.cy == 0) {
        sizeTotal.cx = 1;
        sizeTotal.cy = 1;
    }
    m_nMapMode = MM_ANISOTROPIC;
    m_totalLog = sizeTotal;
    // MM_ANISOTROPIC at its default extents maps one logical unit to one pixel.
    m_totalDev = sizeTotal;
    m_sizeOrigDev = m_totalDev;
    m_sizePage = sizePage;
    m_sizeLine = sizeLine;
    ReCalcBars();
    ZoomLevelChanged();
}

void CKvZoomView::UpdateViewport(CPoint* pCenter)
{
    const CPoint ptCenter = pCenter != nullptr ? *pCenter : GetLogicalCenterPoint();
    m_totalDev = CSize(ZoomedSide(m_sizeOrigDev.cx, m_fZoomLevel), ZoomedSide(m_sizeOrigDev.cy, m_fZoomLevel));
    ReCalcBars();
    CenterOnLogicalPoint(ptCenter);
    ZoomLevelChanged();
}

void CKvZoomView::ReCalcBars()
{
    // The steps stay those given, whatever the level.
    m_pageDev = CSize(m_sizePage.cx, std::abs(m_sizePage.cy));
    m_lineDev = CSize(m_sizeLine.cx, std::abs(m_sizeLine.cy));
    if (m_pageDev.cx == 0) {
        m_pageDev.cx = m_totalDev.cx / 10;
    }
    if (m_pageDev.cy == 0) {
        m_pageDev.cy = m_totalDev.cy / 10;
    }
    if (m_lineDev.cx == 0) {
        m_lineDev.cx = m_pageDev.cx / 10;
    }
    if (m_lineDev.cy == 0) {
        m_lineDev.cy = m_pageDev.cy / 10;
    }
    if (m_hWnd == nullptr) {
        return;
    }
    CSize sizeClient;
    CSize sizeSb;
    if (!GetTrueClientSize(sizeClient, sizeSb)) {
        CRect rc;
        GetClientRect(&rc);
        if (!rc.IsRectEmpty()) {
            for (int nBar : {SB_HORZ, SB_VERT}) {
                if (HWND hCtl = GetScrollBarCtrl(nBar)) {
                    ::EnableScrollBar(hCtl, SB_CTL, ESB_DISABLE_BOTH);
                } else {
                    ::EnableScrollBar(m_hWnd, nBar, ESB_DISABLE_BOTH);
                }
            }
        }
        m_bInsideUpdate = FALSE;
        return;
    }
    UpdateBars();
    Invalidate(TRUE);
}

void CKvZoomView::SetZoomLevel(float fLevel)
{
    // A limit of -1 is no limit on its side.
    const bool bTooSmall = m_fZoomMin != -1.0f && fLevel < m_fZoomMin;
    const bool bTooLarge = m_fZoomMax != -1.0f && fLevel > m_fZoomMax;
    if (bTooSmall || bTooLarge) {
        ZoomOutOfRange(bTooSmall ? 1 : 0, fLevel);
        return;
    }
    m_fZoomLevel = fLevel;
    UpdateViewport(nullptr);
}

void CKvZoomView::ZoomLevelChanged()
{
}

void CKvZoomView::ZoomViewScroll()
{
}

void CKvZoomView::ZoomOutOfRange(int, float)
{
}

void CKvZoomView::ZoomIn(CPoint*, float fFactor)
{
    if (m_nZoomMode == modeFree) {
        SetZoomLevel(m_fZoomLevel * fFactor);
    }
}

void CKvZoomView::ZoomOut(CPoint*, float fFactor)
{
    if (m_nZoomMode == modeFree) {
        SetZoomLevel(m_fZoomLevel / fFactor);
    }
}

void CKvZoomView::ZoomOriginal(CPoint* pPoint)
{
    ZoomPercentByFloat(1.0f, pPoint);
}

void CKvZoomView::ZoomPercent(int nPercent, CPoint* pPoint)
{
    ZoomPercentByFloat(static_cast<float>(nPercent * 0.01), pPoint);
}

void CKvZoomView::ZoomPercentByFloat(float fLevel, CPoint* pPoint)
{
    // Set directly: only SetZoomLevel tests the limits.
    if (m_nZoomMode == modeFree) {
        m_fZoomLevel = fLevel;
        UpdateViewport(pPoint);
    }
}

void CKvZoomView::ZoomIn(CRect& rect)
{
    if (rect.Width() <= 0 || rect.Height() <= 0 || m_nZoomMode != modeFree) {
        return;
    }
    CRect rcNorm = rect;
    rcNorm.NormalizeRect();
    CPoint ptCenter((rcNorm.left + rcNorm.right) / 2, (rcNorm.top + rcNorm.bottom) / 2);
    CRect rcClient;
    GetClientRect(&rcClient);
    const float fx = static_cast<float>(rcClient.right + 1) / static_cast<float>(rcNorm.Width());
    const float fy = static_cast<float>(rcClient.bottom + 1) / static_cast<float>(rcNorm.Height());
    SetZoomLevel(fx < fy ? fx : fy);
    // Centred even when the level was refused.
    UpdateViewport(&ptCenter);
}

void CKvZoomView::ZoomFit()
{
    if (m_nZoomMode != modeFit) {
        return;
    }
    CSize sizeSb;
    GetTrueClientSize(m_totalDev, sizeSb);
    CPoint ptOffset;
    PersistRatio(m_totalLog, m_totalDev, ptOffset);
    if (m_sizeOrigDev.cx != 0) {
        SetZoomLevel(static_cast<float>(m_totalDev.cx) / static_cast<float>(m_sizeOrigDev.cx));
    }
    UpdateBars();
    Invalidate(TRUE);
    ZoomLevelChanged();
}

void CKvZoomView::PersistRatio(const CSize& sizeLogical, CSize& sizeDevice, CPoint& ptOffset)
{
    if (sizeLogical.cy == 0 || sizeDevice.cy == 0) {
        return;
    }
    const double rL = static_cast<double>(sizeLogical.cx) / sizeLogical.cy;
    const double rD = static_cast<double>(sizeDevice.cx) / sizeDevice.cy;
    if (rL > rD) {
        const int cyNew = static_cast<int>(sizeDevice.cx / rL);
        ptOffset = CPoint(0, sizeDevice.cy - cyNew);
        sizeDevice.cy = cyNew;
    } else if (rL < rD) {
        const int cxNew = static_cast<int>(sizeDevice.cy * rL);
        ptOffset = CPoint(sizeDevice.cx - cxNew, 0);
        sizeDevice.cx = cxNew;
    }
}

void CKvZoomView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(m_totalLog);
    CPoint ptOrg;
    if (!pDC->IsPrinting()) {
        pDC->SetViewportExt(m_totalDev);
        if (m_nZoomMode != modeFixed) {
            ptOrg = CPoint(-GetScrollPos(SB_HORZ), -GetScrollPos(SB_VERT));
        }
        if (m_bCenter) {
            CRect rc;
            GetClientRect(&rc);
            if (m_totalDev.cx < rc.Width()) {
                ptOrg.x = (rc.Width() - m_totalDev.cx) / 2;
            }
            if (m_totalDev.cy < rc.Height()) {
                ptOrg.y = (rc.Height() - m_totalDev.cy) / 2;
            }
        }
    } else {
        CSize sizePage(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        PersistRatio(m_totalLog, sizePage, ptOrg);
        pDC->SetViewportExt(sizePage);
    }
    pDC->SetViewportOrg(ptOrg);
    CView::OnPrepareDC(pDC, pInfo);
}

BOOL CKvZoomView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CKvZoomView::ViewDPtoLP(POINT* pPoints, int nCount)
{
    CClientDC dc(m_hWnd);
    OnPrepareDC(&dc, nullptr);
    dc.DPtoLP(pPoints, nCount);
}

void CKvZoomView::ViewLPtoDP(POINT* pPoints, int nCount)
{
    CClientDC dc(m_hWnd);
    OnPrepareDC(&dc, nullptr);
    dc.LPtoDP(pPoints, nCount);
}

CPoint CKvZoomView::GetLogicalCenterPoint()
{
    CRect rc;
    GetClientRect(&rc);
    POINT pt = {(rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2};
    ViewDPtoLP(&pt, 1);
    return CPoint(pt);
}

void CKvZoomView::ClientToDevice(CPoint& pt)
{
    pt.x += GetScrollPos(SB_HORZ);
    pt.y += GetScrollPos(SB_VERT);
}

void CKvZoomView::CenterOnLogicalPoint(CPoint pt)
{
    // The scroll view centres on a client point: the point as the window shows it now.
    POINT ptClient = pt;
    ViewLPtoDP(&ptClient, 1);
    CenterOnPoint(CPoint(ptClient));
}

void CKvZoomView::BeginZoomRect()
{
    m_nZoomState = stateZoomRect;
}

void CKvZoomView::EndZoomRect()
{
    m_bRubberDrag = FALSE;
    ::ReleaseCapture();
    m_nZoomState = stateNone;
    OnSetCursor(nullptr, HTCLIENT, 0);
}

void CKvZoomView::SetZoomMove(BOOL bOn)
{
    m_nZoomState = bOn ? stateMove : stateNone;
}

BOOL CKvZoomView::IsScrollBarUsable(int nBar) const
{
    // A bar shared with a splitter counts while it is enabled; else the view's own style says.
    if (HWND hCtl = GetScrollBarCtrl(nBar)) {
        return ::IsWindowEnabled(hCtl);
    }
    return (GetStyle() & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
}

void CKvZoomView::DoScroll(CPoint ptFrom, CPoint ptTo, float fFactor)
{
    const bool bVert = IsScrollBarUsable(SB_VERT) != FALSE;
    const bool bHorz = IsScrollBarUsable(SB_HORZ) != FALSE;
    if (!bVert && !bHorz) {
        return;
    }
    if (fFactor == 0.0f) {
        fFactor = 1.0f;
    }
    bool bMoved = false;
    if (bVert) {
        const int nOld = GetScrollPos(SB_VERT);
        const int nNew = std::clamp(static_cast<int>((ptFrom.y - ptTo.y + nOld) * fFactor), 0, GetScrollLimit(SB_VERT));
        if (nNew != nOld) {
            SetScrollPos(SB_VERT, nNew, TRUE);
            ::ScrollWindowEx(m_hWnd, 0, nOld - nNew, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
            bMoved = true;
        }
    }
    if (bHorz) {
        const int nOld = GetScrollPos(SB_HORZ);
        const int nNew = std::clamp(static_cast<int>((ptFrom.x - ptTo.x + nOld) * fFactor), 0, GetScrollLimit(SB_HORZ));
        if (nNew != nOld) {
            SetScrollPos(SB_HORZ, nNew, TRUE);
            ::ScrollWindowEx(m_hWnd, nOld - nNew, 0, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
            bMoved = true;
        }
    }
    // Callers rely on this: without a horizontal bar an unmoved view still reports a scroll.
    if (bHorz && !bMoved) {
        return;
    }
    UpdateWindow();
    ZoomViewScroll();
}

void CKvZoomView::SetZoomMoveCursorID(UINT nID)
{
    m_hMoveCursor = LoadZoomCursor(nID, IDC_KV_ZOOM_MOVE);
}

void CKvZoomView::SetZoomMoveCursorBeginID(UINT nID)
{
    m_hMoveBeginCursor = LoadZoomCursor(nID, IDC_KV_ZOOM_MOVEBEGIN);
}

void CKvZoomView::SetZoomRectCursorID(UINT nID)
{
    m_hZoomRectCursor = LoadZoomCursor(nID, IDC_KV_ZOOM_RECT);
}

CPoint CKvZoomView::ClientToLogical(CPoint pt)
{
    CClientDC dc(m_hWnd);
    OnPrepareDC(&dc, nullptr);
    POINT ptLog = pt;
    dc.DPtoLP(&ptLog, 1);
    return CPoint(ptLog);
}

void CKvZoomView::OnSize(UINT nType, int cx, int cy)
{
    // Fitted before the scroll view recalculates its bars.
    if (m_nZoomMode == modeFit) {
        ZoomFit();
    }
    CScrollView::OnSize(nType, cx, cy);
}

void CKvZoomView::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nZoomState == stateZoomRect) {
        const CPoint ptLog = ClientToLogical(point);
        m_bRubberDrag = TRUE;
        ::SetCapture(m_hWnd);
        OnSetCursor(nullptr, HTCLIENT, 0);
        m_rectRubber = CRect(ptLog, ptLog);
    } else if (m_nZoomState == stateMove) {
        m_ptMoveAnchor = point;
    }
    CScrollView::OnLButtonDown(nFlags, point);
}

void CKvZoomView::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nZoomState == stateZoomRect && m_bRubberDrag) {
        const CPoint ptLog = ClientToLogical(point);
        CClientDC dc(m_hWnd);
        OnPrepareDC(&dc, nullptr);
        DrawRubberRect(&dc, m_rectRubber);
        m_rectRubber.right = ptLog.x;
        m_rectRubber.bottom = ptLog.y;
        DrawRubberRect(&dc, m_rectRubber);
    } else if (m_nZoomState == stateMove && (nFlags & MK_LBUTTON) != 0) {
        DoScroll(m_ptMoveAnchor, point, 1.0f);
        m_ptMoveAnchor = point;
    }
    CScrollView::OnMouseMove(nFlags, point);
}

void CKvZoomView::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nZoomState == stateZoomIn || m_nZoomState == stateZoomOut) {
        CPoint ptLog = ClientToLogical(point);
        if (m_nZoomState == stateZoomIn) {
            ZoomIn(&ptLog, 1.25f);
        } else {
            ZoomOut(&ptLog, 1.25f);
        }
        m_nZoomState = stateNone;
        OnSetCursor(nullptr, HTCLIENT, 0);
    } else if (m_nZoomState == stateZoomRect) {
        if (m_bRubberDrag) {
            m_bRubberDrag = FALSE;
            ::ReleaseCapture();
            const CPoint ptLog = ClientToLogical(point);
            {
                // The rectangle on screen is erased before its corner moves, so no line is left.
                CClientDC dc(m_hWnd);
                OnPrepareDC(&dc, nullptr);
                DrawRubberRect(&dc, m_rectRubber);
            }
            m_rectRubber.right = ptLog.x;
            m_rectRubber.bottom = ptLog.y;
            CRect rect = m_rectRubber;
            rect.NormalizeRect();
            ZoomIn(rect);
        }
        m_nZoomState = stateNone;
    }
    CScrollView::OnLButtonUp(nFlags, point);
}

void CKvZoomView::OnRButtonDown(UINT nFlags, CPoint point)
{
    CScrollView::OnRButtonDown(nFlags, point);
}

void CKvZoomView::OnRButtonUp(UINT nFlags, CPoint point)
{
    CScrollView::OnRButtonUp(nFlags, point);
}

BOOL CKvZoomView::OnSetCursor(CWnd*, UINT nHitTest, UINT nMessage)
{
    const LPARAM lDefault = MAKELPARAM(nHitTest, nMessage);
    if (nHitTest != HTCLIENT) {
        return static_cast<BOOL>(DefWindowProc(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_hWnd), lDefault));
    }
    if (m_nZoomState == stateZoomRect) {
        ::SetCursor(m_hZoomRectCursor);
        return TRUE;
    }
    if (m_nZoomState == stateMove) {
        if (::GetAsyncKeyState(VK_LBUTTON) != 0 && m_hMoveBeginCursor != nullptr) {
            ::SetCursor(m_hMoveBeginCursor);
        } else if (m_hMoveCursor != nullptr) {
            ::SetCursor(m_hMoveCursor);
        }
        return TRUE;
    }
    return static_cast<BOOL>(DefWindowProc(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_hWnd), lDefault));
}

void CKvZoomView::DrawRubberRect(CDC* pDC, CRect& rect)
{
    CFxSavedDC saved(pDC);
    pDC->SetROP2(R2_NOTXORPEN);
    CPen pen(PS_DOT, 0, RGB(0, 0, 0));
    CFxSelectGuard guard(pDC, &pen);
    pDC->Rectangle(&rect);
}

namespace
{
// The wheel: with Ctrl it zooms (where the zoom mode lets it), with Shift or without a vertical
// bar it scrolls sideways, else up or down by the system's lines per notch.
void TurnWheel(CKvZoomView& view, WPARAM wParam)
{
    const int nDelta = GET_WHEEL_DELTA_WPARAM(wParam);
    // A fine-grained wheel sends less than a notch: it still moves one step.
    int nSteps = nDelta / WHEEL_DELTA;
    if (nSteps == 0 && nDelta != 0) {
        nSteps = nDelta > 0 ? 1 : -1;
    }
    const UINT nKeys = GET_KEYSTATE_WPARAM(wParam);
    if ((nKeys & MK_CONTROL) != 0) {
        for (int i = 0; i < std::abs(nSteps); ++i) {
            if (nSteps > 0) {
                view.ZoomIn();
            } else {
                view.ZoomOut();
            }
        }
        return;
    }
    UINT nLines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
    if (nLines == 0) {
        return;
    }
    const BOOL bSideways = (nKeys & MK_SHIFT) != 0 || view.GetScrollLimit(SB_VERT) <= 0;
    const UINT nMessage = bSideways ? WM_HSCROLL : WM_VSCROLL;
    const BOOL bPages = nLines == WHEEL_PAGESCROLL;
    const UINT nCode = bPages ? (nSteps > 0 ? SB_PAGEUP : SB_PAGEDOWN) : (nSteps > 0 ? SB_LINEUP : SB_LINEDOWN);
    const int nCount = std::abs(nSteps) * (bPages ? 1 : static_cast<int>(nLines));
    // Through the window's own scroll messages, so a view that follows its scrolling (rulers)
    // sees the wheel as it sees the bars.
    for (int i = 0; i < nCount; ++i) {
        view.SendMessage(nMessage, MAKEWPARAM(nCode, 0), 0);
    }
}
} // namespace

LRESULT CKvZoomView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETCURSOR) {
        return OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    }
    if (message == WM_MOUSEWHEEL) {
        TurnWheel(*this, wParam);
        return 0;
    }
    return CScrollView::WindowProc(message, wParam, lParam);
}
