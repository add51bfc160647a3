// What the sheet view's mouse tools may ask of the window they work in: the sheet, the window and
// a DC mapped to sheet units, repaints, the change mark, the mouse capture, the edit mode, the
// selected table line and cell ranges, the cell drag, the shell and the floating variables. The
// view implements it; the tools reach it through nothing else.
#pragma once

#include <windows.h>

class CCappFreeObj;
class CCappLine;
class CCappRange;
class CCappSheet;
class CDesignShellLink;
class CDC;
class CRect;
class CWnd;

class CSheetToolHost
{
public:
    virtual CCappSheet* GetSheet() const = 0;
    // The window the tools draw in, ask questions over and capture the mouse for.
    virtual CWnd* GetToolWnd() = 0;
    // A DC of that window mapped to sheet units.
    virtual void PrepareToolDC(CDC* pDC) = 0;

    // Repaints a rectangle in sheet units, a table line, or everything.
    virtual void RepaintSheetRect(const CRect& rcSheet) = 0;
    virtual void RepaintLine(const CCappLine* pLine) = 0;
    virtual void RepaintAll() = 0;
    // Every edit of the sheet calls this: a saved template becomes changed.
    virtual void MarkChanged() = 0;

    virtual void CaptureMouse() = 0;
    virtual BOOL HasMouseCapture() = 0;

    // The edit mode the view's commands armed; the tool whose mode it is moves it on.
    virtual int GetEditMode() const = 0;
    virtual void SetEditMode(int nMode) = 0;

    // The table line shown selected (in red), or null.
    virtual CCappLine* GetSelectedLine() const = 0;
    virtual void SelectLine(CCappLine* pLine) = 0;
    virtual void ClearHighlightLine() = 0;
    // Drops the cell selection.
    virtual void ResetSelection() = 0;
    // The selected cell range, the range tracked from it and a cell drag's drop target; the cell
    // tool moves the first two, the view's commands act on them.
    virtual const CCappRange& GetSelRange() const = 0;
    virtual void SetSelRange(const CCappRange& range) = 0;
    virtual const CCappRange& GetTrackRange() const = 0;
    virtual void SetTrackRange(const CCappRange& range) = 0;
    virtual const CCappRange& GetDropRange() const = 0;
    // An OLE drag of the selected cell, run to its end; FALSE when none started.
    virtual BOOL StartCellDrag() = 0;
    // The floating variable bound to the cell id, or null; deleting one takes its cell along.
    virtual CCappFreeObj* FindFreeObjOfCell(int nCellID) const = 0;
    virtual void DeleteFreeObj(CCappFreeObj* pObj) = 0;
    // The designer's shell, or null while the window has none.
    virtual CDesignShellLink* GetShellLink() const = 0;
    // The page setup command (the frame lines stand for the page).
    virtual BOOL SetupPage() = 0;
    // A line in the tips pane of the designer's output bar.
    virtual void ReportTip(LPCSTR lpszText) = 0;

protected:
    ~CSheetToolHost() = default;
};
