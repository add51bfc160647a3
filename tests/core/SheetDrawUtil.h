// Sheets to draw in tests and benchmarks: ruled grids, cells between grid lines, a detail area
// with one data range per grid row.
#pragma once

#include <vector>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CellDataItem.h"

// Line ids of a grid: the frame line ids first and last.
struct SheetGrid
{
    std::vector<int> rows; // horizontal
    std::vector<int> cols; // vertical
};

// A sheet of paper cx by cy with the frame at the margins and full-length grid lines at the given
// offsets from the frame.
inline SheetGrid MakeGridSheet(CCappSheet& sheet, int cx, int cy, int nMargin, int nFrameWidth,
                               const std::vector<int>& rowPos, const std::vector<int>& colPos)
{
    sheet.NewSheetDef(cx, cy, nFrameWidth, nMargin, nMargin, nMargin, nMargin, "A4");
    SheetGrid grid;
    grid.rows.push_back(CCappSheet::kFrameFirstID);
    grid.cols.push_back(CCappSheet::kFrameFirstID);
    for (int nPos : rowPos) {
        grid.rows.push_back(sheet
                                .AddCellLineBySpace(CCappLine::typeHCell, -1, nPos, CCappSheet::kFrameFirstID,
                                                    CCappSheet::kFrameLastID, 0)
                                ->m_nID);
    }
    for (int nPos : colPos) {
        grid.cols.push_back(sheet
                                .AddCellLineBySpace(CCappLine::typeVCell, -1, nPos, CCappSheet::kFrameFirstID,
                                                    CCappSheet::kFrameLastID, 0)
                                ->m_nID);
    }
    grid.rows.push_back(CCappSheet::kFrameLastID);
    grid.cols.push_back(CCappSheet::kFrameLastID);
    return grid;
}

// A cell between four line ids, appended to the list.
inline CCappCell* AddLineCell(CObList& list, int nTopID, int nLeftID, int nRightID, int nBottomID, int nKind,
                              const char* pszText, const char* pszVarName = "")
{
    auto* pCell = new CCappCell;
    pCell->m_nContentKind = nKind;
    pCell->m_strText = pszText;
    pCell->m_strVarName = pszVarName;
    pCell->m_nTopLineID = nTopID;
    pCell->m_nLeftLineID = nLeftID;
    pCell->m_nRightLineID = nRightID;
    pCell->m_nBottomLineID = nBottomID;
    list.AddTail(pCell);
    return pCell;
}

// A cell between grid rows r0..r1 and columns c0..c1 (line indexes), appended to the list.
inline CCappCell* AddGridCell(CObList& list, const SheetGrid& grid, int r0, int c0, int r1, int c1, int nKind,
                              const char* pszText, const char* pszVarName = "")
{
    return AddLineCell(list, grid.rows[r0], grid.cols[c0], grid.cols[c1], grid.rows[r1], nKind, pszText, pszVarName);
}

// A detail area over grid rows r0..r1 and columns c0..c1, shown nRows to a page; its cells are
// added with AddMidCell.
inline CCappMidData* AddMidArea(CCappSheet& sheet, const SheetGrid& grid, const char* pszName, int r0, int c0, int r1,
                                int c1)
{
    auto* pMid = new CCappMidData;
    pMid->m_strName = pszName;
    pMid->AddSeatItem(grid.rows[r0], grid.cols[c0], grid.cols[c1], grid.rows[r1]);
    pMid->m_nRowsPerPage = r1 - r0;
    sheet.m_MidDataList.AddTail(pMid);
    return pMid;
}

// A variable cell of the area in columns c0..c1 with one data range per grid row of the area.
inline CCappCell* AddMidCell(const CCappSheet& sheet, const SheetGrid& grid, CCappMidData& mid, int r0, int c0, int c1,
                             const char* pszVarName)
{
    CCappCell* pCell =
        AddGridCell(mid.m_listMidCell, grid, r0, c0, r0 + 1, c1, CCappCell::kindVariable, "", pszVarName);
    pCell->m_nDataPos = CCappCell::seatMidData;
    for (int r = r0; r < r0 + mid.m_nRowsPerPage; ++r) {
        auto* pRange = new CCellDataItem;
        sheet.GetRectSpace(grid.rows[r], grid.cols[c0], grid.cols[c1], grid.rows[r + 1], pRange->m_rect);
        pCell->m_listCellData.AddTail(pRange);
    }
    return pCell;
}
