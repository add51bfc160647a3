#include "framework/FwRectTracker.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/WindowDC.h"
#include "platform/win/Wnd.h"

namespace
{
BOOL MovesLeft(int nHandle)
{
    return nHandle == FwRectTracker::hitTopLeft || nHandle == FwRectTracker::hitBottomLeft ||
           nHandle == FwRectTracker::hitLeft;
}

BOOL MovesRight(int nHandle)
{
    return nHandle == FwRectTracker::hitTopRight || nHandle == FwRectTracker::hitBottomRight ||
           nHandle == FwRectTracker::hitRight;
}

BOOL MovesTop(int nHandle)
{
    return nHandle == FwRectTracker::hitTopLeft || nHandle == FwRectTracker::hitTopRight ||
           nHandle == FwRectTracker::hitTop;
}

BOOL MovesBottom(int nHandle)
{
    return nHandle == FwRectTracker::hitBottomLeft || nHandle == FwRectTracker::hitBottomRight ||
           nHandle == FwRectTracker::hitBottom;
}
} // namespace

FwRectTracker::FwRectTracker() : FwRectTracker(nullptr)
{
}

FwRectTracker::FwRectTracker(LPCRECT lpSrcRect)
    : m_rect(0, 0, 0, 0), m_sizeMin(::GetSystemMetrics(SM_CXDRAG) * 2, ::GetSystemMetrics(SM_CYDRAG) * 2),
      m_nHandleSize(7), m_sizeDrag(1, 1), m_rectStart(0, 0, 0, 0), m_ptStart(0, 0), m_rectLast(0, 0, 0, 0),
      m_bErase(FALSE)
{
    if (lpSrcRect != nullptr) {
        m_rect = *lpSrcRect;
    }
}

int FwRectTracker::HitTest(CPoint point) const
{
    CRect rc(m_rect);
    rc.NormalizeRect();
    const int h = m_nHandleSize;
    const int xMid = rc.left + rc.Width() / 2;
    const int yMid = rc.top + rc.Height() / 2;
    // Handle squares inside the rectangle, in the order of TrackerHit.
    const CRect handles[8] = {
        CRect(rc.left, rc.top, rc.left + h, rc.top + h),
        CRect(rc.right - h, rc.top, rc.right, rc.top + h),
        CRect(rc.right - h, rc.bottom - h, rc.right, rc.bottom),
        CRect(rc.left, rc.bottom - h, rc.left + h, rc.bottom),
        CRect(xMid - h / 2, rc.top, xMid - h / 2 + h, rc.top + h),
        CRect(rc.right - h, yMid - h / 2, rc.right, yMid - h / 2 + h),
        CRect(xMid - h / 2, rc.bottom - h, xMid - h / 2 + h, rc.bottom),
        CRect(rc.left, yMid - h / 2, rc.left + h, yMid - h / 2 + h),
    };
    for (int i = 0; i < 8; ++i) {
        if (handles[i].PtInRect(point)) {
            return i;
        }
    }
    return rc.PtInRect(point) ? hitMiddle : hitNothing;
}

BOOL FwRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    const int nHit = HitTest(point);
    if (nHit == hitNothing) {
        return FALSE;
    }
    return TrackHandle(nHit, pWnd, point, bAllowInvert);
}

BOOL FwRectTracker::TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    m_rect.SetRect(point.x, point.y, point.x, point.y);
    return TrackHandle(hitBottomRight, pWnd, point, bAllowInvert);
}

void FwRectTracker::MoveHandle(int nHandle, CPoint point)
{
    const int dx = point.x - m_ptStart.x;
    const int dy = point.y - m_ptStart.y;
    m_rect = m_rectStart;
    if (nHandle == hitMiddle) {
        m_rect.OffsetRect(dx, dy);
        return;
    }
    m_rect.left += MovesLeft(nHandle) ? dx : 0;
    m_rect.right += MovesRight(nHandle) ? dx : 0;
    m_rect.top += MovesTop(nHandle) ? dy : 0;
    m_rect.bottom += MovesBottom(nHandle) ? dy : 0;
}

BOOL FwRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr || ::GetCapture() != nullptr) {
        return FALSE;
    }
    HWND hWnd = pWnd->m_hWnd;
    m_rectStart = m_rect;
    m_ptStart = point;
    m_bErase = FALSE;
    ::SetCapture(hWnd);
    // The drag rectangle crosses every window: drawn on the desktop in screen coordinates.
    CWindowDC dc(::GetDesktopWindow());
    auto toScreen = [hWnd](CRect rc) {
        rc.NormalizeRect();
        ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    };
    CRect rcShown = toScreen(m_rect);
    DrawTrackerRect(&rcShown, &dc);
    BOOL bDone = FALSE;
    BOOL bCancel = FALSE;
    while (!bDone && ::GetCapture() == hWnd) {
        MSG msg = {};
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot <= 0) {
            // WM_QUIT belongs to the program's loop.
            if (bGot == 0) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            }
            bCancel = TRUE;
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE: {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            if (msg.hwnd != hWnd) {
                ::MapWindowPoints(msg.hwnd, hWnd, &pt, 1);
            }
            MoveHandle(nHandle, pt);
            if (nHandle != hitMiddle && !bAllowInvert) {
                // A moved edge stops at the minimum size instead of crossing the other one.
                if (m_rect.Width() < m_sizeMin.cx) {
                    if (MovesLeft(nHandle)) {
                        m_rect.left = m_rect.right - m_sizeMin.cx;
                    } else {
                        m_rect.right = m_rect.left + m_sizeMin.cx;
                    }
                }
                if (m_rect.Height() < m_sizeMin.cy) {
                    if (MovesTop(nHandle)) {
                        m_rect.top = m_rect.bottom - m_sizeMin.cy;
                    } else {
                        m_rect.bottom = m_rect.top + m_sizeMin.cy;
                    }
                }
            }
            rcShown = toScreen(m_rect);
            DrawTrackerRect(&rcShown, &dc);
            break;
        }
        case WM_LBUTTONUP:
            bDone = TRUE;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) {
                bCancel = TRUE;
                bDone = TRUE;
            }
            break;
        case WM_RBUTTONDOWN:
            bCancel = TRUE;
            bDone = TRUE;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (!bDone) {
        // Capture taken away: as a cancel.
        bCancel = TRUE;
    }
    DrawTrackerRect(nullptr, &dc);
    if (::GetCapture() == hWnd) {
        ::ReleaseCapture();
    }
    if (bCancel) {
        m_rect = m_rectStart;
        return FALSE;
    }
    if (!bAllowInvert) {
        m_rect.NormalizeRect();
    }
    return TRUE;
}

void FwRectTracker::DrawTrackerRect(LPCRECT lpRect, CDC* pDC)
{
    // Inverting the last rectangle again erases it.
    const CSize sizeNone(0, 0);
    if (lpRect == nullptr) {
        if (m_bErase) {
            pDC->DrawDragRect(nullptr, sizeNone, &m_rectLast, m_sizeDrag);
        }
        m_bErase = FALSE;
        return;
    }
    pDC->DrawDragRect(lpRect, m_sizeDrag, m_bErase ? &m_rectLast : nullptr, m_sizeDrag);
    m_rectLast = *lpRect;
    m_bErase = TRUE;
}
