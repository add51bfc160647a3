#include "gridkit/GkGridCore.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
const int kDefaultColWidth = 64;
const int kDefaultHeaderWidth = 40;

struct GkRow
{
    // Sized lazily: a row nobody styled holds no cells, so thousands of plain rows stay cheap.
    std::vector<std::unique_ptr<CGkStyle>> cells;
    int cyPixel = 0; // 0: the default height
};
} // namespace

struct CGkGridCore::GkData
{
    // Index 0 is the heading row, so a row's header cell (and its attributes) moves with it.
    std::vector<GkRow> rows;
    std::vector<int> colWidths; // index 0 is the row-heading column
};

CGkGridCore::CGkGridCore()
    : m_pData(new GkData), m_cyDefaultRow(20), m_nCurRow(0), m_nCurCol(0), m_bSelection(FALSE), m_bModified(FALSE)
{
    m_pData->rows.resize(1);
    m_pData->colWidths.push_back(kDefaultHeaderWidth);
    m_styleStandard.SetControl(GK_CTRL_EDIT)
        .SetReadOnly(FALSE)
        .SetInterior(RGB(255, 255, 255))
        .SetTextColor(RGB(0, 0, 0))
        .SetFontFace("宋体")
        .SetFontSize(9)
        .SetFontWeight(FW_NORMAL);
    m_styleHeader.SetControl(GK_CTRL_STATIC).SetInterior(GetSysColor(COLOR_BTNFACE));
}

CGkGridCore::~CGkGridCore()
{
    delete m_pData;
}

UINT CGkGridCore::GetRowCount() const
{
    return static_cast<UINT>(m_pData->rows.size() - 1);
}

UINT CGkGridCore::GetColCount() const
{
    return static_cast<UINT>(m_pData->colWidths.size() - 1);
}

BOOL CGkGridCore::SetRowCount(UINT nRows)
{
    const UINT nCount = GetRowCount();
    if (nRows > nCount) {
        return InsertRows(nCount + 1, nRows - nCount);
    }
    if (nRows < nCount) {
        return RemoveRows(nRows + 1, nCount);
    }
    return TRUE;
}

BOOL CGkGridCore::SetColCount(UINT nCols)
{
    const UINT nCount = GetColCount();
    if (nCols > nCount) {
        return InsertCols(nCount + 1, nCols - nCount);
    }
    if (nCols < nCount) {
        return RemoveCols(nCols + 1, nCount);
    }
    return TRUE;
}

BOOL CGkGridCore::InsertRows(UINT nRow, UINT nCount)
{
    if (nRow < 1 || nRow > GetRowCount() + 1 || nCount == 0) {
        return FALSE;
    }
    OnLayoutChanging();
    auto& rows = m_pData->rows;
    std::vector<GkRow> added(nCount);
    rows.insert(rows.begin() + nRow, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    if (m_nCurRow >= nRow) {
        m_nCurRow += nCount;
    }
    if (m_bSelection) {
        ClearSelection();
    }
    OnCellsChanged(nullptr);
    return TRUE;
}

BOOL CGkGridCore::RemoveRows(UINT nFromRow, UINT nToRow)
{
    if (nFromRow < 1 || nFromRow > nToRow || nToRow > GetRowCount()) {
        return FALSE;
    }
    OnLayoutChanging();
    auto& rows = m_pData->rows;
    rows.erase(rows.begin() + nFromRow, rows.begin() + nToRow + 1);
    const UINT nRemoved = nToRow - nFromRow + 1;
    if (m_nCurRow > nToRow) {
        m_nCurRow -= nRemoved;
    } else if (m_nCurRow >= nFromRow) {
        m_nCurRow = std::min(nFromRow, GetRowCount());
    }
    if (m_nCurRow == 0) {
        m_nCurCol = 0;
    }
    ClearSelection();
    OnCellsChanged(nullptr);
    return TRUE;
}

BOOL CGkGridCore::MoveRows(UINT nFromRow, UINT nToRow, UINT nDestRow)
{
    const UINT nCount = GetRowCount();
    if (nFromRow < 1 || nFromRow > nToRow || nToRow > nCount || nDestRow < 1 ||
        nDestRow + (nToRow - nFromRow) > nCount) {
        return FALSE;
    }
    OnLayoutChanging();
    auto& rows = m_pData->rows;
    std::vector<GkRow> moved(std::make_move_iterator(rows.begin() + nFromRow),
                             std::make_move_iterator(rows.begin() + nToRow + 1));
    rows.erase(rows.begin() + nFromRow, rows.begin() + nToRow + 1);
    rows.insert(rows.begin() + nDestRow, std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
    // Where the current row went: inside the block it keeps its offset, outside it shifts.
    if (m_nCurRow >= nFromRow && m_nCurRow <= nToRow) {
        m_nCurRow = nDestRow + (m_nCurRow - nFromRow);
    } else if (m_nCurRow != 0) {
        UINT nRow = m_nCurRow > nToRow ? m_nCurRow - static_cast<UINT>(moved.size()) : m_nCurRow;
        if (nRow >= nDestRow) {
            nRow += static_cast<UINT>(moved.size());
        }
        m_nCurRow = nRow;
    }
    ClearSelection();
    OnCellsChanged(nullptr);
    return TRUE;
}

BOOL CGkGridCore::InsertCols(UINT nCol, UINT nCount)
{
    if (nCol < 1 || nCol > GetColCount() + 1 || nCount == 0) {
        return FALSE;
    }
    OnLayoutChanging();
    m_pData->colWidths.insert(m_pData->colWidths.begin() + nCol, nCount, kDefaultColWidth);
    for (GkRow& row : m_pData->rows) {
        if (row.cells.size() > nCol) {
            std::vector<std::unique_ptr<CGkStyle>> added(nCount);
            row.cells.insert(row.cells.begin() + nCol, std::make_move_iterator(added.begin()),
                             std::make_move_iterator(added.end()));
        }
    }
    if (m_nCurCol >= nCol) {
        m_nCurCol += nCount;
    }
    ClearSelection();
    OnCellsChanged(nullptr);
    return TRUE;
}

BOOL CGkGridCore::RemoveCols(UINT nFromCol, UINT nToCol)
{
    if (nFromCol < 1 || nFromCol > nToCol || nToCol > GetColCount()) {
        return FALSE;
    }
    OnLayoutChanging();
    auto& widths = m_pData->colWidths;
    widths.erase(widths.begin() + nFromCol, widths.begin() + nToCol + 1);
    for (GkRow& row : m_pData->rows) {
        if (row.cells.size() > nFromCol) {
            const size_t nEnd = std::min<size_t>(row.cells.size(), nToCol + 1);
            row.cells.erase(row.cells.begin() + nFromCol, row.cells.begin() + static_cast<ptrdiff_t>(nEnd));
        }
    }
    const UINT nRemoved = nToCol - nFromCol + 1;
    if (m_nCurCol > nToCol) {
        m_nCurCol -= nRemoved;
    } else if (m_nCurCol >= nFromCol) {
        m_nCurCol = std::min(nFromCol, GetColCount());
    }
    if (m_nCurCol == 0) {
        m_nCurRow = 0;
    }
    ClearSelection();
    OnCellsChanged(nullptr);
    return TRUE;
}

BOOL CGkGridCore::SetColWidth(UINT nCol, int cxPixel)
{
    if (nCol > GetColCount() || cxPixel < 0) {
        return FALSE;
    }
    m_pData->colWidths[nCol] = cxPixel;
    OnCellsChanged(nullptr);
    return TRUE;
}

int CGkGridCore::GetColWidth(UINT nCol) const
{
    return nCol <= GetColCount() ? m_pData->colWidths[nCol] : 0;
}

void CGkGridCore::SetDefaultRowHeight(int cyPixel)
{
    if (cyPixel > 0) {
        m_cyDefaultRow = cyPixel;
        OnCellsChanged(nullptr);
    }
}

BOOL CGkGridCore::SetRowHeight(UINT nRow, int cyPixel)
{
    if (nRow > GetRowCount() || cyPixel < 0) {
        return FALSE;
    }
    m_pData->rows[nRow].cyPixel = cyPixel;
    OnCellsChanged(nullptr);
    return TRUE;
}

int CGkGridCore::GetRowHeight(UINT nRow) const
{
    if (nRow > GetRowCount()) {
        return 0;
    }
    const int cy = m_pData->rows[nRow].cyPixel;
    return cy > 0 ? cy : m_cyDefaultRow;
}

BOOL CGkGridCore::SetCellValue(UINT nRow, UINT nCol, LPCSTR pszValue)
{
    CGkStyle style;
    style.SetValue(pszValue);
    return ApplyStyle(CGkRange(nRow, nCol), style);
}

BOOL CGkGridCore::ApplyStyle(const CGkRange& range, const CGkStyle& style)
{
    if (!IsValidRange(range)) {
        return FALSE;
    }
    for (UINT nRow = range.m_nTop; nRow <= range.m_nBottom; nRow++) {
        auto& cells = m_pData->rows[nRow].cells;
        if (cells.size() <= range.m_nRight) {
            cells.resize(GetColCount() + 1);
        }
        for (UINT nCol = range.m_nLeft; nCol <= range.m_nRight; nCol++) {
            if (!cells[nCol]) {
                cells[nCol] = std::make_unique<CGkStyle>();
            }
            cells[nCol]->Overlay(style);
        }
    }
    OnCellsChanged(&range);
    return TRUE;
}

CString CGkGridCore::GetCellValue(UINT nRow, UINT nCol) const
{
    const CGkStyle* pStyle = FindCellStyle(nRow, nCol);
    return pStyle != nullptr ? pStyle->GetValue() : CString();
}

BOOL CGkGridCore::GetCellStyle(UINT nRow, UINT nCol, CGkStyle& style) const
{
    if (!IsValidCell(nRow, nCol)) {
        return FALSE;
    }
    style = m_styleStandard;
    if (nRow == 0 || nCol == 0) {
        style.Overlay(m_styleHeader);
    }
    if (const CGkStyle* pStyle = FindCellStyle(nRow, nCol)) {
        style.Overlay(*pStyle);
    }
    return TRUE;
}

BOOL CGkGridCore::GetCurrentCell(UINT& nRow, UINT& nCol) const
{
    nRow = m_nCurRow;
    nCol = m_nCurCol;
    return m_nCurRow != 0 && m_nCurCol != 0;
}

BOOL CGkGridCore::SetCurrentCell(UINT nRow, UINT nCol)
{
    if (nRow < 1 || nCol < 1 || !IsValidCell(nRow, nCol)) {
        return FALSE;
    }
    if (nRow == m_nCurRow && nCol == m_nCurCol) {
        return TRUE;
    }
    if (m_nCurRow != 0 && IsValidCell(m_nCurRow, m_nCurCol)) {
        const CGkRange rangeOld(m_nCurRow, m_nCurCol);
        OnCellsChanged(&rangeOld);
    }
    m_nCurRow = nRow;
    m_nCurCol = nCol;
    const CGkRange rangeNew(nRow, nCol);
    OnCellsChanged(&rangeNew);
    OnCurrentCellMoved(nRow, nCol);
    return TRUE;
}

BOOL CGkGridCore::GetFirstSelectedRange(CGkRange& range) const
{
    if (!m_bSelection) {
        return FALSE;
    }
    range = m_rangeSel;
    return TRUE;
}

BOOL CGkGridCore::SelectRange(const CGkRange& range)
{
    if (!IsValidRange(range) || range.m_nTop == 0 || range.m_nLeft == 0) {
        return FALSE;
    }
    ClearSelection();
    m_bSelection = TRUE;
    m_rangeSel = range;
    OnCellsChanged(&m_rangeSel);
    return TRUE;
}

void CGkGridCore::ClearSelection()
{
    if (!m_bSelection) {
        return;
    }
    m_bSelection = FALSE;
    if (IsValidRange(m_rangeSel)) {
        OnCellsChanged(&m_rangeSel);
    }
}

void CGkGridCore::SetModified(BOOL bModified)
{
    m_bModified = bModified;
}

void CGkGridCore::OnCurrentCellMoved(UINT, UINT)
{
}

void CGkGridCore::OnCellModified(UINT, UINT)
{
}

void CGkGridCore::OnCellClicked(UINT, UINT)
{
}

void CGkGridCore::OnLayoutChanging()
{
}

void CGkGridCore::OnCellsChanged(const CGkRange*)
{
}

BOOL CGkGridCore::IsValidCell(UINT nRow, UINT nCol) const
{
    return nRow <= GetRowCount() && nCol <= GetColCount();
}

BOOL CGkGridCore::IsValidRange(const CGkRange& range) const
{
    return range.IsOrdered() && IsValidCell(range.m_nBottom, range.m_nRight);
}

const CGkStyle* CGkGridCore::FindCellStyle(UINT nRow, UINT nCol) const
{
    if (!IsValidCell(nRow, nCol)) {
        return nullptr;
    }
    const auto& cells = m_pData->rows[nRow].cells;
    return nCol < cells.size() ? cells[nCol].get() : nullptr;
}
