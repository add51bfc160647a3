// The table-line tool of the sheet view: draws, deletes, moves, cuts, extends and merges the ruled
// lines of a template. The view hands it mouse input after the cell tool; points are in sheet
// units. Each entry point returns TRUE when it took the message.
#pragma once

#include "platform/base/Rect.h"

class CCappSheetDefView;

class CTableLineTool
{
public:
    explicit CTableLineTool(CCappSheetDefView* pView);

    BOOL OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnRButtonDown(UINT nFlags, CPoint point);
    // The cursor of the current edit mode; FALSE leaves it to the zoom view.
    BOOL OnSetCursor();
    // Deleting (mode 5) with a line shown in red, or cutting (mode 7) with a line or a crossing
    // picked: a right click then does not end the tool.
    BOOL HasPendingLine() const;

private:
    CCappSheetDefView* m_pView;
};
