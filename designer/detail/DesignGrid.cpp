#include "designer/detail/DesignGrid.h"

#include <algorithm>

#include "designer/res/resource.h"

namespace
{
const int cyDesignRow = 20;
} // namespace

CDesignGrid::CDesignGrid() : m_pNotifyWnd(nullptr), m_nOption(1), m_nModified(0)
{
}

void CDesignGrid::SetupGrid()
{
    CString strFace;
    if (!strFace.LoadString(IDS_OUTPUT_FONT_FACE)) {
        strFace = "宋体";
    }
    GetStandardStyle().SetFontFace(strFace).SetFontSize(9);
    GetHeaderStyle().SetFontFace(strFace).SetFontSize(9).SetFontWeight(FW_NORMAL);
    SetDefaultRowHeight(cyDesignRow);
    RegisterBitmapControl(DESIGNGRID_MARK_OFF, IDB_GRID_MARK_OFF);
    RegisterBitmapControl(DESIGNGRID_MARK_ON, IDB_GRID_MARK_ON);
    RegisterBitmapControl(DESIGNGRID_BITMAP, IDB_GRID_BITMAP);
    RegisterBitmapControl(DESIGNGRID_BITMAP2, IDB_GRID_BITMAP2);
}

UINT CDesignGrid::AppendRow()
{
    const UINT nRow = GetRowCount() + 1;
    InsertRows(nRow);
    m_nModified = 1;
    return nRow;
}

BOOL CDesignGrid::DeleteRow(UINT nRow)
{
    // An editor left open would write into whichever row takes the deleted one's place.
    if (IsEditing()) {
        EndEdit(FALSE);
    }
    const UINT nRows = GetRowCount();
    m_nModified = 1;
    if (nRow >= 1 && nRow <= nRows) {
        return RemoveRows(nRow, nRow);
    }
    CGkRange range;
    if (GetFirstSelectedRange(range) && range.IsOrdered() && range.m_nTop >= 1 && range.m_nTop <= nRows) {
        // As many rows as the selection spans, from its top, cut at the last row.
        const UINT nLast = std::min<UINT>(nRows, range.m_nTop + range.GetHeight() - 1);
        ClearSelection();
        return RemoveRows(range.m_nTop, nLast);
    }
    UINT nCurRow = 0;
    UINT nCurCol = 0;
    if (GetCurrentCell(nCurRow, nCurCol) && nCurRow >= 1 && nCurRow <= nRows) {
        return RemoveRows(nCurRow, nCurRow);
    }
    return FALSE;
}

BOOL CDesignGrid::MoveUpRow()
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (!GetCurrentCell(nRow, nCol) || nRow <= 1 || nRow > GetRowCount()) {
        return FALSE;
    }
    m_nModified = 1;
    return MoveRows(nRow, nRow, nRow - 1);
}

BOOL CDesignGrid::MoveDownRow()
{
    UINT nRow = 0;
    UINT nCol = 0;
    if (!GetCurrentCell(nRow, nCol) || nRow < 1 || nRow >= GetRowCount()) {
        return FALSE;
    }
    m_nModified = 1;
    return MoveRows(nRow, nRow, nRow + 1);
}

void CDesignGrid::SetMark(UINT nRow, UINT nCol, BOOL bChecked)
{
    CGkStyle style;
    ApplyStyle(CGkRange(nRow, nCol), style.SetControl(bChecked ? DESIGNGRID_MARK_ON : DESIGNGRID_MARK_OFF));
}

BOOL CDesignGrid::IsMarkChecked(UINT nRow, UINT nCol) const
{
    return GetCellControl(nRow, nCol) == DESIGNGRID_MARK_ON;
}

WORD CDesignGrid::GetCellControl(UINT nRow, UINT nCol) const
{
    CGkStyle style;
    return GetCellStyle(nRow, nCol, style) ? style.GetControl() : 0;
}

void CDesignGrid::SetModified(BOOL bModified)
{
    m_nModified = 1;
    CGkGridWnd::SetModified(bModified);
}

void CDesignGrid::OnCurrentCellMoved(UINT nRow, UINT nCol)
{
    CGkGridWnd::OnCurrentCellMoved(nRow, nCol);
    Notify(WM_DESIGNGRID_CELLMOVED, nRow, nCol);
}

void CDesignGrid::OnCellModified(UINT nRow, UINT nCol)
{
    m_nModified = 1;
    CGkGridWnd::OnCellModified(nRow, nCol);
    Notify(WM_DESIGNGRID_MODIFIED, nRow, nCol);
}

void CDesignGrid::OnCellClicked(UINT nRow, UINT nCol)
{
    CGkGridWnd::OnCellClicked(nRow, nCol);
    const WORD nControl = GetCellControl(nRow, nCol);
    if (nRow != 0 && nCol != 0 && (nControl == DESIGNGRID_MARK_OFF || nControl == DESIGNGRID_MARK_ON)) {
        SetMark(nRow, nCol, nControl == DESIGNGRID_MARK_OFF);
        m_nModified = 1;
        RedrawCell(nRow, nCol);
    }
    Notify(WM_DESIGNGRID_CLICKED, nRow, nCol);
}

void CDesignGrid::Notify(UINT nMessage, UINT nRow, UINT nCol)
{
    if (m_pNotifyWnd != nullptr && m_pNotifyWnd->m_hWnd != nullptr) {
        m_pNotifyWnd->SendMessage(nMessage, nRow, nCol);
    }
}
