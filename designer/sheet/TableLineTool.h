// The table-line tool of the sheet view: draws, deletes, moves, cuts, extends and merges the ruled
// lines of a template. The view hands it mouse input after the cell tool; points are in sheet
// units. Each entry point returns TRUE when it took the message.
#pragma once

#include "platform/base/Rect.h"

class CCappLine;
class CSheetToolHost;
class CDC;

class CTableLineTool
{
public:
    explicit CTableLineTool(CSheetToolHost* pHost);
    virtual ~CTableLineTool();
    CTableLineTool(const CTableLineTool&) = delete;
    CTableLineTool& operator=(const CTableLineTool&) = delete;

    // Edit modes of the view that belong to this tool.
    enum {
        modeSelect = 0,
        modeMoveVert = 1,
        modeMoveHorz = 2,
        modeDraw = 3,
        modeDrawing = 4,
        modeDelete = 5,
        modeOverLine = 6,
        modeCut = 7,
        modeExtend = 8,
        modeExtending = 9,
        modeMove = 10,
        modeMerge = 17,
    };
    // Directions of the rubber line: a horizontal line drawn from a vertical one, a vertical line
    // from a horizontal one; while extending, the end being moved.
    enum {
        dirExtendHorzStart = 1,
        dirExtendHorzEnd = 2,
        dirExtendVertStart = 3,
        dirExtendVertEnd = 4,
        dirDrawHorz = 5,
        dirDrawVert = 6,
    };
    // The ways TrackSnap may look from the anchor.
    enum { snapBackwards = 1, snapForwards = 2, snapBoth = 3 };

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

    // Another window took the mouse, or Escape: a drag in progress ends without an edit, its marks
    // erased, the capture and the cursor clip released.
    void CancelDrag();
    void OnCaptureChanged(HWND hWndNew);
    // Erases what the tool shows and forgets its lines; the commands call it when they change the
    // edit mode.
    void ResetState();

    // The properties dialog for the view's selected line; 1 after the dialog, 0 without a line.
    int EditLineProperties();
    // The band a line may be moved in, in sheet units along its moving axis (y for horizontal and
    // left-hand outline lines, x for vertical ones); FALSE without the lines that bound it.
    BOOL GetMoveLimits(const CCappLine* pLine, int& nMin, int& nMax) const;

    BOOL IsNavigateOn() const { return m_bNavigate; }
    void SetNavigate(BOOL bOn) { m_bNavigate = bOn; }
    BOOL IsDragging() const { return m_bDragging; }

private:
    // The left button pressed in each mode, and released in each mode that drags.
    void PressOverLine();
    void PressMove(UINT nFlags, CPoint point);
    void PressDraw(CPoint point);
    void PressDelete();
    void PressCut();
    void PressExtend(CPoint point);
    void PressMerge();
    void ReleaseMove();
    void ReleaseDrawing(CPoint point);
    void ReleaseExtending(CPoint point);
    // While drawing or extending: the rubber line follows the point to the line it would end on,
    // which becomes the target.
    void SnapRubber(UINT nFlags, CPoint point);
    // Snaps the rubber line from the anchor to a parallel line and redraws it; 0 while the left
    // button is up.
    int TrackSnap(UINT nFlags, CPoint point, int nDirection, int nAllowed, CCappLine*& pTarget);
    void BeginMove(CPoint point);
    void EndMove();
    void TrackMove(CPoint point);
    // Confines the cursor to the band of the move limits; FreeCursor lifts it.
    void ClipToLimits(const CCappLine* pLine);
    void FreeCursor();

    void HoverSelect(UINT nFlags, CPoint point);
    BOOL HoverMove(UINT nFlags, CPoint point);
    void HoverDraw(CPoint point);
    void HoverDelete(CPoint point);
    void HoverCut(CPoint point);
    void HoverExtend(CPoint point);
    void HoverMerge(CPoint point);
    // TRUE when a line was added.
    BOOL EndDrawing(BOOL bAdd);
    // A drawn line that ends on no line is not made: the user is told in the tips pane.
    void TellNoLine();
    void EndExtending(BOOL bReach);

    // Marks drawn in R2_NOTXORPEN: drawing one twice erases it.
    void XorGuide(const CCappLine* pGuide);
    void XorTracker(CPoint point, BOOL bHorz);
    void XorRubber(CPoint ptFrom, CPoint ptTo);
    void XorMarker(CPoint point);
    void EraseRubber();
    void EraseMarker();
    void EraseGuide();
    // The red line of the delete tool, drawn over the line or back in its own pen.
    void DrawLineColored(const CCappLine* pLine, BOOL bRed);
    static void SetToolCursor(UINT nID);

    CSheetToolHost* m_pHost;
    CCappLine* m_pGuideLine;
    CCappLine* m_pStartLine;
    CCappLine* m_pTargetLine;
    CPoint m_ptLast;
    CPoint m_ptAnchor;
    CPoint m_ptMarker;
    BOOL m_bDragging;
    int m_nDirection;

    BOOL m_bNavigate;
    BOOL m_bGuideShown;
    BOOL m_bRubberShown;
    BOOL m_bTrackerShown;
    BOOL m_bTrackerHorz;
    BOOL m_bHaveAnchor;
    BOOL m_bCursorClipped;
    // The moving line's band, sheet units.
    int m_nMoveMin;
    int m_nMoveMax;
};
