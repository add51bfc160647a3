// A large template sheet built in memory for the template benchmarks.
#pragma once

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
