// Time to load a large card template (about 4 MB of ruling lines and cells), built in memory.
#include <cstdio>

#include "bench/BenchClock.h"
#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappSheet.h"
#include "tests/core/CardArchiveUtil.h"

namespace
{
// Lines are appended directly: adding them one by one through the sheet keeps them sorted,
// which is not what is measured here.
void BuildSheet(CCappSheet& sheet, int nLines, int nCells)
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
} // namespace

int main()
{
    const int nLines = 60000;
    const int nCells = 6000;
    Bytes bytes;
    {
        CCappSheet sheet;
        BuildSheet(sheet, nLines, nCells);
        bytes = StoreObject(sheet);
    }
    std::printf("template: %d lines, %d cells, %.2f MB\n", nLines, nCells,
                static_cast<double>(bytes.size()) / (1024.0 * 1024.0));

    for (int nRun = 1; nRun <= 3; ++nRun) {
        CCappSheet sheet;
        const double dStart = BenchSeconds();
        LoadObject(sheet, bytes);
        const double dElapsed = BenchSeconds() - dStart;
        std::printf("load %d: %.3f s (%d horizontal, %d vertical lines, %d cells)\n", nRun, dElapsed,
                    static_cast<int>(sheet.m_HCellLineList.GetCount()),
                    static_cast<int>(sheet.m_VCellLineList.GetCount()),
                    static_cast<int>(sheet.m_PageCellList.GetCount()));
    }
    return 0;
}
