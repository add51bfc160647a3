// The cell tool of the sheet view: range selection and tracking with its marks, the cell-role
// tools, cell properties, adding and removing cells, the Delete key. The view hands it mouse input
// before the table-line tool; points are in sheet units. Each entry point returns TRUE when it took
// the message. It reaches the view only through CSheetToolHost.
#pragma once

#include "core/CappRange.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"

class CCappCell;
class CCappMidData;
class CSheetToolHost;
class CDC;

class CSheetViewAux
{
public:
    explicit CSheetViewAux(CSheetToolHost* pHost);
    CSheetViewAux(const CSheetViewAux&) = delete;
    CSheetViewAux& operator=(const CSheetViewAux&) = delete;

    // Edit modes of the cell tool: plain selection, tracking a selection and the three role tools;
    // mode 16 has a cursor but no command sets it.
    enum {
        modeSelect = 0,
        modeTracking = 11,
        modeStaticTool = 12,
        modeVariableTool = 13,
        modeImageTool = 15,
        modeCursorOnly = 16
    };
    // Cursor resources of the tool modes.
    enum { cursorStatic = 150, cursorVariable = 151, cursorImage = 153, cursorOther = 154 };

    BOOL OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point);
    // The Delete key; other keys are left to the view.
    BOOL OnKeyDown(UINT nChar);
    // The cursor of the current edit mode; FALSE leaves it to the next tool.
    BOOL OnSetCursor();

    // Selects the range at a point; (0, 0) clears the selection. A non-empty selection starts
    // tracking from it.
    void SelectAt(CPoint ptSheet);
    // A new non-empty selection starts tracking from it: mode 11, mouse captured.
    void BeginTracking();
    // Capture released, mode 0; the tracking range stays.
    void EndTracking();
    // The range under the point becomes the tracking range (none when it is the selection).
    void TrackTo(CPoint point);
    // Clears the tracking range and repaints what it marked.
    void ResetTracking();
    // The tracking, selection and drop-target marks, drawn on screen after the sheet.
    void DrawMarks(CDC* pDC);

    // Cell flows on the selection, or on a cell handed in (by name, or a floating variable's).
    void SetStaticText(CCappCell* pCell = nullptr);
    void SetCardVar(CCappCell* pCell = nullptr);
    void SetGraphVar(CCappCell* pCell = nullptr);
    // The selected cell's properties: the style of every cell in a tracked area, else the flow of
    // the cell's content kind. Nothing without a cell at the selection.
    void EditCellProperties();
    // One text style for every cell inside the selected area.
    void EditMultiStyle();
    // The pick of a card variable by name, then its flow.
    void EditCellByName();

    // The name a new card variable in the range is given: the text of the static head cell just
    // left of it, else just above it, without blanks, with "!" appended while the name is bound.
    // Empty when there is no such label.
    CString ProposeVarName(const CCappRange& range) const;
    // Every card and graphic variable name of the sheet, in list order.
    void GetAllCardVar(CStringArray& arrNames) const;

    // Adding a cell clears the line undo history: line edits before it cannot be undone.
    void AddCell(CCappCell* pCell, const CString& strMidName);
    // Removes and deletes the cell; with bWithFreeObj a cell bound to a free object goes with
    // its object through the free-object tool.
    void RemoveCell(CCappCell* pCell, BOOL bWithFreeObj);
    // The cell into the owner list of its (new) seat; clears the line undo history as adding does.
    void MoveCell(CCappCell* pCell, int nOldSeat, const CString& strOldMid, const CString& strNewMid);

    // Split, merge and the Delete key (SheetViewAuxEdit.cpp).
    // Merges the selected area into one: its cells go, then the lines inside it. The sheet is
    // asked first, so that a refused merge leaves every cell and line. Non-zero when merged.
    int MergeCells();
    // Removes the head, page and detail cells lying inside the range whose content kind is the
    // code, or all of them for code 100; the number removed.
    int RemoveCellsIn(int nCode, const CCappRange& range);
    // The Delete key: the delete-control dialog chooses which cells of the selected area go.
    void OnDeleteKey();
    // End of split, merge and the Delete key.

private:
    // The left button pressed in each mode it acts in, released and moved while tracking.
    void PressSelect(CPoint point);
    void PressRoleTool(int nTool, CPoint point);
    void ReleaseTracking();
    void MoveTracking(UINT nFlags, CPoint point);

    // The selection with the tracking range, the area the cell commands act on.
    CCappRange GetSelectedArea() const;
    // The selection's cell, null when it has none.
    CCappCell* GetSelectedCell() const;
    // The detail area holding the range's centre, its name in strMid; null when none.
    CCappMidData* GetRangeMid(const CCappRange& range, CString& strMid) const;
    // Repaints the selection and the cell's own area after an edit.
    void RepaintCell(const CCappCell* pCell);

    CSheetToolHost* m_pHost;
};
