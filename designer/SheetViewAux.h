// The cell tool of the sheet view: range selection and tracking with its marks, the cell-role
// tools, cell properties, adding and removing cells. The view hands it mouse input before the
// table-line tool; points are in sheet units. Each entry point returns TRUE when it took the
// message.
#pragma once

#include "platform/base/Rect.h"

#include "platform/base/String.h"

class CCappCell;
class CCappSheetDefView;
class CDC;

class CSheetViewAux
{
public:
    explicit CSheetViewAux(CCappSheetDefView* pView);

    BOOL OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point);
    // The cursor of the current edit mode; FALSE leaves it to the next tool.
    BOOL OnSetCursor();
    // The Delete key on the selection.
    void OnDeleteKey();

    // A new non-empty selection starts tracking from it.
    void BeginTracking();
    void EndTracking();
    // Clears the tracking range and repaints what it marked.
    void ResetTracking();
    // The tracking, selection and drop-target marks, drawn on screen after the sheet.
    void DrawMarks(CDC* pDC);

    // Cell flows on the selection, or on a cell handed in (by name, or a floating variable's).
    void SetStaticText(CCappCell* pCell = nullptr);
    void SetCardVar(CCappCell* pCell = nullptr);
    void SetGraphVar(CCappCell* pCell = nullptr);

    // Adding a cell clears the line undo history: line edits before it cannot be undone.
    void AddCell(CCappCell* pCell, const CString& strMidName);
    // Removes and deletes the cell; with bWithFreeObj a cell bound to a free object goes with
    // its object through the free-object tool.
    void RemoveCell(CCappCell* pCell, BOOL bWithFreeObj);

private:
    CCappSheetDefView* m_pView;
};
