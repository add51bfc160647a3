// The grid without its window: rows and columns of styled cells, their sizes, the current cell,
// the selection, and the notices a derived grid overrides. Row 0 holds the column headings and
// column 0 the row headings; the counts leave both out.
#pragma once

#include "gridkit/GkRange.h"
#include "gridkit/GkStyle.h"
#include "gridkit/GridKitExport.h"

class GK_API CGkGridCore
{
public:
    CGkGridCore();
    virtual ~CGkGridCore();
    CGkGridCore(const CGkGridCore&) = delete;
    CGkGridCore& operator=(const CGkGridCore&) = delete;

    // Dimensions. Every call that names a row or column outside the grid does nothing and answers
    // FALSE.
    UINT GetRowCount() const;
    UINT GetColCount() const;
    BOOL SetRowCount(UINT nRows);
    BOOL SetColCount(UINT nCols);
    // nCount empty rows before nRow (1 to the row count + 1).
    BOOL InsertRows(UINT nRow, UINT nCount = 1);
    BOOL RemoveRows(UINT nFromRow, UINT nToRow);
    // Rows nFromRow to nToRow, with their values and styles, are taken out and put back so that
    // the first of them becomes row nDestRow; the current cell goes with its row.
    BOOL MoveRows(UINT nFromRow, UINT nToRow, UINT nDestRow);
    BOOL InsertCols(UINT nCol, UINT nCount = 1);
    BOOL RemoveCols(UINT nFromCol, UINT nToCol);
    BOOL SetColWidth(UINT nCol, int cxPixel);
    int GetColWidth(UINT nCol) const;
    void SetDefaultRowHeight(int cyPixel);
    int GetDefaultRowHeight() const { return m_cyDefaultRow; }
    // 0 gives the row the default height back.
    BOOL SetRowHeight(UINT nRow, int cyPixel);
    int GetRowHeight(UINT nRow) const;

    // Cells. A style applied to a range is laid over what each cell has; a range reaching past
    // the grid changes nothing.
    BOOL SetCellValue(UINT nRow, UINT nCol, LPCSTR pszValue);
    BOOL ApplyStyle(const CGkRange& range, const CGkStyle& style);
    CString GetCellValue(UINT nRow, UINT nCol) const;
    // The standard style, then the heading style for row 0 and column 0, then the cell's own.
    BOOL GetCellStyle(UINT nRow, UINT nCol, CGkStyle& style) const;
    // Layers under every cell; change them before the grid is drawn, or redraw after.
    CGkStyle& GetStandardStyle() { return m_styleStandard; }
    CGkStyle& GetHeaderStyle() { return m_styleHeader; }

    // The current cell lies in the data area (rows and columns from 1); FALSE when there is none.
    BOOL GetCurrentCell(UINT& nRow, UINT& nCol) const;
    // Moves it and tells OnCurrentCellMoved when it changed.
    BOOL SetCurrentCell(UINT nRow, UINT nCol);
    BOOL GetFirstSelectedRange(CGkRange& range) const;
    BOOL SelectRange(const CGkRange& range);
    void ClearSelection();

    BOOL IsModified() const { return m_bModified; }
    // The grid sets it when the user changes a cell; derived grids hook it.
    virtual void SetModified(BOOL bModified);

protected:
    // Notices for derived grids.
    virtual void OnCurrentCellMoved(UINT nRow, UINT nCol);
    virtual void OnCellModified(UINT nRow, UINT nCol);
    virtual void OnCellClicked(UINT nRow, UINT nCol);
    // For the window part: before rows or columns are inserted, removed or moved; then the cells
    // whose look changed, or (null) the layout as a whole.
    virtual void OnLayoutChanging();
    virtual void OnCellsChanged(const CGkRange* pRange);

    BOOL IsValidCell(UINT nRow, UINT nCol) const;
    BOOL IsValidRange(const CGkRange& range) const;
    // The cell's own style, null when it has none.
    const CGkStyle* FindCellStyle(UINT nRow, UINT nCol) const;

private:
    struct GkData;
    GkData* m_pData;
    CGkStyle m_styleStandard;
    CGkStyle m_styleHeader;
    int m_cyDefaultRow;
    UINT m_nCurRow;
    UINT m_nCurCol;
    BOOL m_bSelection;
    CGkRange m_rangeSel;
    BOOL m_bModified;
};
