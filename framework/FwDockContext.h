// The drag context of an FwControlBar: the platform's drag and docking toggle, keeping the bar's
// width fraction while it floats and giving it back when it docks again. Over a framework dock
// bar the drag shows the place the bar would take and drops it into the row under the cursor.
#pragma once

#include "platform/frame/DockContext.h"

class FwDockBar;

class FwDockContext : public CDockContext
{
public:
    explicit FwDockContext(CControlBar* pBar);

    void StartDrag(CPoint pt) override;
    void ToggleDocking() override;
    // Into a control-bar MDI child of the main frame and back; the plain frames have none, so
    // the bar stays where it is there.
    virtual void ToggleFloatInMain();

    // The fraction the bar had in its dock bar.
    float m_fMRUFraction;
    // Whether the bar floated before it was moved into the main window.
    BOOL m_bPrevFloating;
    // A bar size plus these is its floating frame's size.
    CSize m_sizeFrameExtra;
    CSize m_sizeScreen;

    // The feedback rectangle drawn last over a framework dock bar (screen).
    CRect m_rectFeedback;

protected:
    void EndDrag() override;
    void DrawFocusRect(BOOL bRemoveRect = FALSE) override;
    // Docked rectangles lose the framework's border on each side, the width a docked bar adds.
    void AdjustDragRects() override;
    // The framework dock bar the drag is over; null over none or over another kind.
    FwDockBar* GetOverFwDockBar();

    CPoint m_ptDragStart;

    // Keeps or gives back the fraction around a change between docked and floating.
    void NoteDockChange(BOOL bWasFloating);
};
