// The designer's editable grid: row operations, a modified flag, its own bitmap marks and cell
// events reported to a notify window.
#pragma once

#include "gridkit/GkGridWnd.h"

// To the notify window, wParam the row and lParam the column.
#define WM_DESIGNGRID_CELLMOVED 0x464
#define WM_DESIGNGRID_MODIFIED 0x465
#define WM_DESIGNGRID_CLICKED 0x466

// Cell controls the grid registers.
#define DESIGNGRID_MARK_OFF 0xF008
#define DESIGNGRID_MARK_ON 0xF009
#define DESIGNGRID_BITMAP 0xF00A
#define DESIGNGRID_BITMAP2 0xF00B

class CDesignGrid : public CGkGridWnd
{
public:
    CDesignGrid();

    // Once after the window exists and the library initialised it.
    void SetupGrid();

    // The new row's number.
    UINT AppendRow();
    // Row nRow when it exists; otherwise the rows of the first selected range (from its top, never
    // past the last row), or the current row without a selection. TRUE when a row went.
    BOOL DeleteRow(UINT nRow = 0);
    BOOL MoveUpRow();
    BOOL MoveDownRow();

    // A two-state mark of the grid's own controls.
    void SetMark(UINT nRow, UINT nCol, BOOL bChecked);
    BOOL IsMarkChecked(UINT nRow, UINT nCol) const;
    WORD GetCellControl(UINT nRow, UINT nCol) const;

    void SetModified(BOOL bModified) override;

    CWnd* m_pNotifyWnd;
    int m_nOption;
    int m_nModified;

protected:
    void OnCurrentCellMoved(UINT nRow, UINT nCol) override;
    void OnCellModified(UINT nRow, UINT nCol) override;
    void OnCellClicked(UINT nRow, UINT nCol) override;

private:
    void Notify(UINT nMessage, UINT nRow, UINT nCol);
};
