// Time to load a large card template (about 4 MB of ruling lines and cells), built in memory.
#include <cstdio>

#include "bench/BenchClock.h"
#include "bench/BenchSheet.h"
#include "core/CappSheet.h"
#include "tests/core/CardArchiveUtil.h"

int main()
{
    const int nLines = 60000;
    const int nCells = 6000;
    Bytes bytes;
    {
        CCappSheet sheet;
        BuildBenchSheet(sheet, nLines, nCells);
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
