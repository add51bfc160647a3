#include "platform/frame/DockContext.h"

#include <algorithm>

#include "platform/frame/DockBar.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MiniDockFrameWnd.h"

namespace
{
// The 8 x 8 checkerboard the floating drag rectangle is drawn with.
HBRUSH CreateHalftoneBrush()
{
    WORD pattern[8] = {};
    for (int i = 0; i < 8; ++i) {
        pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
    }
    HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH hBrush = hBitmap != nullptr ? ::CreatePatternBrush(hBitmap) : nullptr;
    if (hBitmap != nullptr) {
        ::DeleteObject(hBitmap);
    }
    return hBrush;
}

// Inverts a frame of the given thickness around rc.
void InvertFrame(HDC hDC, const RECT& rc, SIZE size, HBRUSH hBrush)
{
    if (hDC == nullptr || rc.right <= rc.left || rc.bottom <= rc.top) {
        return;
    }
    HGDIOBJ hOld = ::SelectObject(hDC, hBrush != nullptr ? hBrush : ::GetStockObject(GRAY_BRUSH));
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    ::PatBlt(hDC, rc.left, rc.top, cx - size.cx, size.cy, PATINVERT);
    ::PatBlt(hDC, rc.left + size.cx, rc.bottom - size.cy, cx - size.cx, size.cy, PATINVERT);
    ::PatBlt(hDC, rc.left, rc.top + size.cy, size.cx, cy - size.cy, PATINVERT);
    ::PatBlt(hDC, rc.right - size.cx, rc.top, size.cx, cy - size.cy, PATINVERT);
    ::SelectObject(hDC, hOld);
}

// The borders a floating frame adds around its bars.
CRect FloatingFrameBorders(DWORD dwBarStyle)
{
    CRect rc(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rc, CMiniDockFrameWnd::FrameStyleFor(dwBarStyle), FALSE, WS_EX_TOOLWINDOW);
    return rc;
}

// Moves rect so that pt lies on or inside it.
void KeepPointInside(CRect& rect, CPoint pt)
{
    const int dx = pt.x < rect.left ? pt.x - rect.left : (pt.x > rect.right ? pt.x - rect.right : 0);
    const int dy = pt.y < rect.top ? pt.y - rect.top : (pt.y > rect.bottom ? pt.y - rect.bottom : 0);
    rect.OffsetRect(dx, dy);
}
} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(nullptr), m_dwDockStyle(0), m_dwOverDockStyle(0), m_dwStyle(0), m_bFlip(FALSE),
      m_bForceFrame(FALSE), m_bDragging(FALSE), m_nHitTest(0), m_uMRUDockID(0), m_dwMRUFloatStyle(0),
      m_bDitherLast(FALSE), m_bLocked(FALSE), m_hDC(nullptr), m_nResizeLength(0), m_dwResizeMode(0)
{
}

CDockContext::~CDockContext()
{
    if (m_hDC != nullptr || m_bLocked) {
        CancelLoop();
    }
}

void CDockContext::StartDrag(CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr || m_pBar->m_hWnd == nullptr) {
        return;
    }
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    m_bDragging = TRUE;
    m_dwOverDockStyle = 0;
    m_ptLast = pt;

    CRect rect;
    m_pBar->GetWindowRect(&rect);
    CSize sizeHorz;
    CSize sizeVert;
    CSize sizeFloat;
    const DWORD dwBarStyle = m_pBar->m_dwStyle;
    if ((dwBarStyle & CBRS_SIZE_DYNAMIC) != 0) {
        sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    } else if ((dwBarStyle & CBRS_SIZE_FIXED) != 0) {
        sizeHorz = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
        sizeVert = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
        sizeFloat = sizeHorz;
    } else {
        sizeHorz = m_pBar->CalcFixedLayout(FALSE, TRUE);
        sizeVert = m_pBar->CalcFixedLayout(FALSE, FALSE);
        sizeFloat = (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || m_pBar->IsFloating() ? sizeHorz : sizeVert;
    }
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    if (m_pBar->IsFloating()) {
        // The frame the bar floats in is what moves.
        ::GetWindowRect(::GetParent(m_pBar->m_pDockBar->m_hWnd), &m_rectFrameDragHorz);
    } else {
        const CRect rcBorders = FloatingFrameBorders(dwBarStyle);
        m_rectFrameDragHorz = CRect(rect.TopLeft(), sizeFloat);
        m_rectFrameDragHorz.InflateRect(-rcBorders.left, -rcBorders.top, rcBorders.right, rcBorders.bottom);
    }
    m_rectFrameDragVert = m_rectFrameDragHorz;
    AdjustDragRects();
    KeepPointInside(m_rectDragHorz, pt);
    KeepPointInside(m_rectDragVert, pt);
    KeepPointInside(m_rectFrameDragHorz, pt);
    KeepPointInside(m_rectFrameDragVert, pt);

    InitLoop();
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
    Track();
}

void CDockContext::InitLoop()
{
    m_bDitherLast = FALSE;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    // The drag rectangle crosses every window: draw on the desktop with the screen held still.
    HWND hDesktop = ::GetDesktopWindow();
    m_bLocked = ::LockWindowUpdate(hDesktop);
    m_hDC = ::GetDCEx(hDesktop, nullptr, DCX_WINDOW | DCX_CACHE | (m_bLocked ? DCX_LOCKWINDOWUPDATE : 0));
    ::SetCapture(m_pBar->m_hWnd);
}

void CDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    if (::GetCapture() == m_pBar->m_hWnd) {
        ::ReleaseCapture();
    }
    if (m_hDC != nullptr) {
        ::ReleaseDC(::GetDesktopWindow(), m_hDC);
        m_hDC = nullptr;
    }
    if (m_bLocked) {
        ::LockWindowUpdate(nullptr);
        m_bLocked = FALSE;
    }
    m_bDragging = FALSE;
}

BOOL CDockContext::Track()
{
    HWND hBar = m_pBar->m_hWnd;
    while (::GetCapture() == hBar) {
        MSG msg = {};
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot <= 0) {
            // WM_QUIT belongs to the program's loop.
            if (bGot == 0) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            }
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            if (m_bDragging) {
                EndDrag();
            } else {
                EndResize();
            }
            return TRUE;
        case WM_MOUSEMOVE: {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(msg.hwnd, &pt);
            if (m_bDragging) {
                Move(pt);
            } else {
                Stretch(pt);
            }
            break;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_ESCAPE) {
                if (msg.message == WM_KEYDOWN) {
                    CancelLoop();
                    return FALSE;
                }
                break;
            }
            if (m_bDragging) {
                OnKey(static_cast<int>(msg.wParam), msg.message == WM_KEYDOWN);
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    CancelLoop();
    return FALSE;
}

void CDockContext::Move(CPoint pt)
{
    const CPoint ptOffset(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL) {
        m_bForceFrame = bDown;
    } else if (nChar == VK_SHIFT) {
        m_bFlip = bDown;
    } else {
        return;
    }
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

BOOL CDockContext::IsHorzDrag() const
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || m_dwStyle == 0;
    return m_bFlip ? !bHorz : bHorz;
}

DWORD CDockContext::CanDock()
{
    const BOOL bHorz = IsHorzDrag();
    DWORD dwDock = 0;
    if (bHorz && (m_dwDockStyle & CBRS_ORIENT_HORZ) != 0) {
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    } else if (!bHorz && (m_dwDockStyle & CBRS_ORIENT_VERT) != 0) {
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    }
    // Without Shift the other orientation is tried too: a bar turns as it nears a side.
    if (dwDock == 0 && !m_bFlip) {
        if (bHorz && (m_dwDockStyle & CBRS_ORIENT_VERT) != 0) {
            dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
        } else if (!bHorz && (m_dwDockStyle & CBRS_ORIENT_HORZ) != 0) {
            dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
        }
    }
    return dwDock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CDockBar* pDockBar = nullptr;
    if ((dwOverDockStyle & CBRS_ORIENT_HORZ) != 0) {
        m_pDockSite->CanDock(m_rectDragHorz, dwOverDockStyle, &pDockBar);
    } else if ((dwOverDockStyle & CBRS_ORIENT_VERT) != 0) {
        m_pDockSite->CanDock(m_rectDragVert, dwOverDockStyle, &pDockBar);
    }
    return pDockBar;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    CRect rect;
    CSize size(0, 0);
    BOOL bDither = FALSE;
    if (!bRemoveRect) {
        if (!m_bDragging) {
            rect = m_rectActualSize;
            size = CSize(3, 3);
            bDither = TRUE;
        } else if ((m_dwOverDockStyle & CBRS_ORIENT_HORZ) != 0) {
            rect = m_rectDragHorz;
            size = CSize(1, 1);
        } else if ((m_dwOverDockStyle & CBRS_ORIENT_VERT) != 0) {
            rect = m_rectDragVert;
            size = CSize(1, 1);
        } else {
            rect = m_bFlip ? m_rectFrameDragVert : m_rectFrameDragHorz;
            size = CSize(3, 3);
            bDither = TRUE;
        }
    }
    if (rect == m_rectLast && size == m_sizeLast && bDither == m_bDitherLast) {
        return;
    }
    HBRUSH hHalftone = CreateHalftoneBrush();
    // Inverting the old rectangle again erases it.
    InvertFrame(m_hDC, m_rectLast, m_sizeLast, m_bDitherLast ? hHalftone : nullptr);
    InvertFrame(m_hDC, rect, size, bDither ? hHalftone : nullptr);
    if (hHalftone != nullptr) {
        ::DeleteObject(hHalftone);
    }
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = bDither;
}

void CDockContext::EndDrag()
{
    CancelLoop();
    if (m_dwOverDockStyle != 0) {
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        if (pDockBar != nullptr) {
            const CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) != 0 ? m_rectDragVert : m_rectDragHorz;
            m_uMRUDockID = static_cast<UINT>(pDockBar->GetDlgCtrlID());
            m_rectMRUDockPos = rect;
            ::MapWindowPoints(nullptr, pDockBar->m_hWnd, reinterpret_cast<POINT*>(&m_rectMRUDockPos), 2);
            m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
            m_pDockSite->RecalcLayout();
            return;
        }
    }
    const BOOL bHorz = (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0 || IsHorzDrag();
    m_dwMRUFloatStyle = (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos = bHorz ? m_rectFrameDragHorz.TopLeft() : m_rectFrameDragVert.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr) {
        return;
    }
    if (m_pBar->IsFloating()) {
        if ((m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY) == 0) {
            return;
        }
        CDockBar* pDockBar = nullptr;
        CRect rect = m_rectMRUDockPos;
        if (m_uMRUDockID != 0) {
            CControlBar* pFound = m_pDockSite->GetControlBar(m_uMRUDockID);
            if (pFound != nullptr && pFound->IsDockBar()) {
                pDockBar = static_cast<CDockBar*>(pFound);
                ::MapWindowPoints(pDockBar->m_hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
            }
        }
        m_pDockSite->ReDockControlBar(m_pBar, pDockBar, pDockBar != nullptr ? &rect : nullptr);
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint pt = m_ptMRUFloatPos;
    DWORD dwStyle = m_dwMRUFloatStyle;
    if (dwStyle == 0) {
        // Never floated: where the bar is now.
        CRect rc;
        m_pBar->GetWindowRect(&rc);
        pt = rc.TopLeft();
        dwStyle = CBRS_ALIGN_TOP | (m_pBar->m_dwDockStyle & CBRS_FLOAT_MULTI);
    }
    m_pDockSite->FloatControlBar(m_pBar, pt, dwStyle);
}

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr || !m_pBar->IsFloating()) {
        return;
    }
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    m_ptLast = pt;
    HWND hFrame = ::GetParent(m_pBar->m_pDockBar->m_hWnd);
    CRect rcFrame;
    ::GetWindowRect(hFrame, &rcFrame);
    CRect rcBar;
    m_pBar->GetWindowRect(&rcBar);
    m_rectFrameBorders.SetRect(rcBar.left - rcFrame.left, rcBar.top - rcFrame.top, rcFrame.right - rcBar.right,
                               rcFrame.bottom - rcBar.bottom);
    m_rectRequestedSize = rcFrame;
    m_rectActualSize = rcFrame;
    m_nResizeLength = rcBar.Width();
    m_dwResizeMode = LM_HORZ;
    InitLoop();
    DrawFocusRect();
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    const int dx = pt.x - m_ptLast.x;
    const int dy = pt.y - m_ptLast.y;
    m_ptLast = pt;
    const BOOL bLeft = m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT;
    const BOOL bRight = m_nHitTest == HTRIGHT || m_nHitTest == HTTOPRIGHT || m_nHitTest == HTBOTTOMRIGHT;
    const BOOL bTop = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
    const BOOL bBottom = m_nHitTest == HTBOTTOM || m_nHitTest == HTBOTTOMLEFT || m_nHitTest == HTBOTTOMRIGHT;
    m_rectRequestedSize.left += bLeft ? dx : 0;
    m_rectRequestedSize.right += bRight ? dx : 0;
    m_rectRequestedSize.top += bTop ? dy : 0;
    m_rectRequestedSize.bottom += bBottom ? dy : 0;
    // A side edge asks for a width, the top and bottom edges for a height; the bar answers with
    // the size it can take.
    const BOOL bLengthY = (bTop || bBottom) && !bLeft && !bRight;
    m_dwResizeMode = LM_HORZ | (bLengthY ? LM_LENGTHY : 0);
    m_nResizeLength = bLengthY ? m_rectRequestedSize.Height() - m_rectFrameBorders.top - m_rectFrameBorders.bottom
                               : m_rectRequestedSize.Width() - m_rectFrameBorders.left - m_rectFrameBorders.right;
    m_nResizeLength = std::max(m_nResizeLength, 0);
    const CSize size = m_pBar->CalcDynamicLayout(m_nResizeLength, m_dwResizeMode);
    const int cx = size.cx + m_rectFrameBorders.left + m_rectFrameBorders.right;
    const int cy = size.cy + m_rectFrameBorders.top + m_rectFrameBorders.bottom;
    // The edge opposite the dragged one stays where it is.
    const int x = bLeft ? m_rectRequestedSize.right - cx : m_rectRequestedSize.left;
    const int y = bTop ? m_rectRequestedSize.bottom - cy : m_rectRequestedSize.top;
    m_rectActualSize.SetRect(x, y, x + cx, y + cy);
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    if (!m_pBar->IsFloating()) {
        return;
    }
    m_pBar->CalcDynamicLayout(m_nResizeLength, m_dwResizeMode | LM_COMMIT);
    CWnd* pFrame = CWnd::FromHandlePermanent(::GetParent(m_pBar->m_pDockBar->m_hWnd));
    if (pFrame != nullptr && pFrame->IsKindOf(FX_RUNTIME_CLASS(CMiniDockFrameWnd))) {
        CMiniDockFrameWnd* pMini = static_cast<CMiniDockFrameWnd*>(pFrame);
        pMini->RecalcLayout();
        ::SetWindowPos(pMini->m_hWnd, nullptr, m_rectActualSize.left, m_rectActualSize.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
