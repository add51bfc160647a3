// The grid window: a window part joined with the grid core. It draws the cells, scrolls the
// rows and columns past the fixed headings, moves the current cell by keys and mouse and edits
// the current cell in place (an edit or a drop-down list over it).
#pragma once

#include "gridkit/GkGridCore.h"
#include "gridkit/GridKitExport.h"
#include "platform/win/Wnd.h"

class CDC;
class CFont;

// The window class of grids, for dialog templates whose control a grid subclasses.
#define GK_GRID_CLASS "GkGridWnd"

// Registers the library's window classes; TRUE when they are there.
GK_API BOOL GkRegisterWindowClasses();
// The library's one initialisation entry, called once at program start. It registers the window
// classes; the three arguments are taken as callers pass them and change nothing yet.
GK_API BOOL GkInitLibrary(UINT nOptions, UINT nReserved1, UINT nReserved2);

class GK_API CGkGridWnd : public CWnd, public CGkGridCore
{
public:
    CGkGridWnd();
    ~CGkGridWnd() override;

    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Once after Create or SubclassDlgItem: scroll bars and the first layout.
    void InitGrid();

    // A cell control drawn with a bitmap from the resource chain; FALSE when it cannot be loaded.
    BOOL RegisterBitmapControl(WORD nControl, UINT nIDBitmap);
    BOOL RedrawCell(UINT nRow, UINT nCol);

    // Scrolling: the first data row and column shown after the headings.
    UINT GetTopRow() const { return m_nTopRow; }
    UINT GetLeftCol() const { return m_nLeftCol; }
    BOOL SetTopRow(UINT nRow);
    BOOL SetLeftCol(UINT nCol);
    void ScrollCellIntoView(UINT nRow, UINT nCol);

    // Client coordinates; FALSE when the cell is not in view.
    BOOL GetCellRect(UINT nRow, UINT nCol, CRect& rc) const;
    BOOL HitTestCell(CPoint pt, UINT& nRow, UINT& nCol) const;
    // Draws what the window shows, into any DC, rcClient its client area.
    void DrawGrid(CDC* pDC, const CRect& rcClient);

    // In-place editing of the current cell; FALSE for read-only cells and non-editing controls.
    BOOL BeginEdit(BOOL bDropDown = FALSE);
    // Commits or drops the editor's text; a changed value sets the modified state and tells
    // OnCellModified.
    void EndEdit(BOOL bCommit);
    BOOL IsEditing() const { return m_nEditControl != 0; }
    // Flips a two-state mark as a click does; FALSE for read-only cells and other controls.
    BOOL ToggleCheck(UINT nRow, UINT nCol);

    // Called by the editors.
    void OnEditorKey(UINT nChar);

    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;

protected:
    void OnLayoutChanging() override;
    void OnCellsChanged(const CGkRange* pRange) override;

    LRESULT OnVScroll(WPARAM wParam, LPARAM lParam);
    LRESULT OnHScroll(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    struct GkWndData;

    void MoveCurrentBy(int nRows, int nCols);
    void UpdateScrollBars();
    // The largest top row (left column) that still fills the view, for a view cyView (cxView) high
    // (wide) below (right of) the headings.
    UINT LastTopRow(int cyView) const;
    UINT LastLeftCol(int cxView) const;
    UINT FullRowsInView(int cyView) const;
    UINT FullColsInView(int cxView) const;
    CRect ClientRect() const;
    void DrawCell(CDC* pDC, UINT nRow, UINT nCol, const CRect& rcCell);
    // Numbers stand in for missing row headings: a heading column too narrow for the last row's
    // number is widened to hold it, so that no number shows cut to "...".
    void FitRowNumbers(CDC* pDC);
    CFont* FontFor(const CGkStyle& style, CDC* pDC);

    GkWndData* m_pWnd;
    UINT m_nTopRow;
    UINT m_nLeftCol;
    WORD m_nEditControl; // the control being edited, 0 when none
    BOOL m_bTracking;
    UINT m_nAnchorRow;
    UINT m_nAnchorCol;
    BOOL m_bInScrollUpdate;
};
