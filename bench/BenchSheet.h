// A large template sheet built in memory for the template benchmarks.
#pragma once

#include <cmath>
#include <vector>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappSheet.h"

// Lines are appended directly: adding them one by one through the sheet keeps them sorted,
// which is not what is measured.
inline void BuildBenchSheet(CCappSheet& sheet, int nLines, int nCells)
{
    sheet.NewSheetDef(2970, 2100, 2, 100, 100, 100, 100, "A4");
    for (int i = 0; i < nLines; ++i) {
        auto* pLine = new CCappLine;
        pLine->m_nType = (i % 2 == 0) ? CCappLine::typeHCell : CCappLine::typeVCell;
        pLine->m_nID = sheet.GetNewLineID();
        pLine->m_nPos = i % 1800;
        pLine->m_nStartID = 0;
        pLine->m_nEndID = 10000;
        (i % 2 == 0 ? sheet.m_HCellLineList : sheet.m_VCellLineList).AddTail(pLine);
    }
    for (int i = 0; i < nCells; ++i) {
        auto* pCell = new CCappCell;
        pCell->m_nCellID = sheet.GetNewCellID();
        pCell->m_strText = "工序内容";
        pCell->m_nTopLineID = 1;
        pCell->m_nLeftLineID = 2;
        pCell->m_nRightLineID = 4;
        pCell->m_nBottomLineID = 3;
        sheet.m_PageCellList.AddTail(pCell);
    }
}

// A card as a planner draws one: an A4 page ruled into a grid of about nCells cells, each
// between its own grid lines, with varied texts, three font sizes and some variable cells.
inline void BuildBenchGridSheet(CCappSheet& sheet, int nCells)
{
    static const char* const texts[] = {"序号", "工序内容", "机械加工工序卡片", "Φ20H7",    "车外圆至尺寸",
                                        "检验", "A",        "CA6140",           "三爪卡盘", "0.5"};
    const int nCols = static_cast<int>(std::lround(std::sqrt(nCells / 1.4)));
    const int nRows = (nCells + nCols - 1) / nCols;
    sheet.NewSheetDef(2100, 2970, 4, 100, 100, 100, 100, "A4");
    // Full-length grid lines at even steps, the frame's first and last line around them.
    auto gridLines = [&sheet](UINT nType, int nCount, int nLength) {
        std::vector<int> ids = {CCappSheet::kFrameFirstID};
        for (int i = 1; i < nCount; ++i) {
            ids.push_back(sheet
                              .AddCellLineBySpace(nType, -1, i * nLength / nCount, CCappSheet::kFrameFirstID,
                                                  CCappSheet::kFrameLastID, 0)
                              ->m_nID);
        }
        ids.push_back(CCappSheet::kFrameLastID);
        return ids;
    };
    const std::vector<int> rows = gridLines(CCappLine::typeHCell, nRows, 2770);
    const std::vector<int> cols = gridLines(CCappLine::typeVCell, nCols, 1900);
    const int nHeights[] = {-31, -35, -50};
    for (int i = 0; i < nCells; ++i) {
        const int r = i / nCols;
        const int c = i % nCols;
        auto* pCell = new CCappCell;
        pCell->m_nCellID = sheet.GetNewCellID();
        pCell->m_nTopLineID = rows[r];
        pCell->m_nBottomLineID = rows[r + 1];
        pCell->m_nLeftLineID = cols[c];
        pCell->m_nRightLineID = cols[c + 1];
        pCell->m_nFontHeight = nHeights[i % 3];
        if (i % 9 == 4) {
            pCell->m_nContentKind = CCappCell::kindVariable;
            pCell->m_strVarName.Format("VAR%d", i);
        } else {
            pCell->m_nContentKind = CCappCell::kindStatic;
            pCell->m_strText = texts[(i * 7) % 10];
            if (i % 4 == 1) {
                pCell->m_strText.AppendFormat(" %d", i);
            }
        }
        sheet.m_HeadCellList.AddTail(pCell);
    }
}
