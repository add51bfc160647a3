// Drags a control bar between dock bars and floating frames, and resizes a floating bar from its
// frame's edge. The drag rectangle is drawn inverted on the desktop while window updates are
// locked; Ctrl keeps the bar floating, Shift flips its orientation.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/base/FxExport.h"

class CControlBar;
class CDockBar;
class CFrameWnd;

class FX_API CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // Runs the drag loop until the button is released (docks or floats the bar) or the drag is
    // cancelled (right button, Escape, capture lost). pt is in screen coordinates.
    virtual void StartDrag(CPoint pt);
    // Floating: back to the dock bar and place it came from; docked: floats where it last floated.
    virtual void ToggleDocking();
    // Runs the resize loop of a floating bar's frame edge (nHitTest HTLEFT..HTBOTTOMRIGHT).
    virtual void StartResize(int nHitTest, CPoint pt);

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;
    DWORD m_dwOverDockStyle;
    DWORD m_dwStyle;
    BOOL m_bFlip;
    BOOL m_bForceFrame;
    BOOL m_bDragging;
    int m_nHitTest;

    // Where the bar docked last (dock bar id, rectangle in its client coordinates) and floated
    // last (frame style and top-left corner on the screen).
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;

    // The drag rectangles (screen): docked horizontally and vertically, and as a floating frame.
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;

protected:
    void InitLoop();
    void CancelLoop();
    // The message loop of a drag or resize; TRUE when it ended with the button released.
    BOOL Track();
    void Move(CPoint pt);
    void Stretch(CPoint pt);
    void OnKey(int nChar, BOOL bDown);
    // Virtual so that a framework's context can dock by its own rules and draw its own feedback.
    virtual void EndDrag();
    void EndResize();
    virtual void DrawFocusRect(BOOL bRemoveRect = FALSE);
    // Called once a drag has sized its rectangles, before they are placed under the cursor.
    virtual void AdjustDragRects() {}
    DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle);
    BOOL IsHorzDrag() const;

    CPoint m_ptLast;
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bDitherLast;
    BOOL m_bLocked;
    HDC m_hDC;
    // Resizing: the frame rectangle asked for and the one the bar gives.
    CRect m_rectRequestedSize;
    CRect m_rectActualSize;
    CRect m_rectFrameBorders;
    int m_nResizeLength;
    DWORD m_dwResizeMode;
};
