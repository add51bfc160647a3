// A rectangle the user drags out, moves or resizes with the mouse: tracked on the desktop window,
// where it is drawn as a drag rectangle while the mouse moves.
#pragma once

#include <windows.h>

#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/base/Size.h"

class CDC;
class CWnd;

class FwRectTracker
{
public:
    // The parts of the rectangle a press can take.
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    FwRectTracker();
    explicit FwRectTracker(LPCRECT lpSrcRect);
    virtual ~FwRectTracker() = default;

    // The part of m_rect under point (client coordinates of the tracking window): a handle square
    // at a corner or an edge's middle, the inside, or nothing.
    int HitTest(CPoint point) const;
    // Moves or resizes m_rect by the part under point until the left button is released (TRUE);
    // a right press, Escape or lost capture cancel (FALSE, m_rect as it was).
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE);
    // Drags out a new m_rect from point.
    BOOL TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert = TRUE);
    // Draws lpRect (screen) as a drag rectangle on pDC, erasing the one drawn before.
    virtual void DrawTrackerRect(LPCRECT lpRect, CDC* pDC);

    // Client coordinates of the tracking window.
    CRect m_rect;
    // A resized rectangle keeps at least this size (inverted ones only with bAllowInvert).
    CSize m_sizeMin;
    int m_nHandleSize;
    // The frame thickness of the drag rectangle.
    CSize m_sizeDrag;

protected:
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, BOOL bAllowInvert);
    // m_rect for the mouse at point, from the rectangle and press point at the start.
    void MoveHandle(int nHandle, CPoint point);

    CRect m_rectStart;
    CPoint m_ptStart;
    CRect m_rectLast;
    BOOL m_bErase;
};
