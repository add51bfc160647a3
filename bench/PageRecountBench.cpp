// Page recount time per detail row: a master template of 5 rows a page and a continuation of 3
// from page 2 on, rows of 1 to 4 lines, 1,000, 10,000 and 100,000 rows.
#include <cstdio>

#include "bench/BenchClock.h"
#include "core/CappMDData.h"
#include "core/CappMidRow.h"
#include "core/CardObj.h"
#include "tests/core/CardObjUtil.h"

namespace
{

void Measure(int nRows)
{
    CCardObj card;
    SetCardSheets(card, {{"M", 5, {"PartName"}, "MD", {"Op"}, "PG"}, {"N", 3, {"PartName"}, "MD", {"Op"}, "PG"}}, {2});
    CCappMDData* pMDData = card.m_CardData.GetMDData("MD");
    for (int i = 0; i < nRows; ++i) {
        pMDData->InsertRowData(-1, 0)->m_nLineCount = 1 + (i * 7) % 4;
    }
    card.AddNewPage(1, 0);
    const double dStart = BenchSeconds();
    int bChanged = 0;
    card.ReSetPageCount(bChanged, 1);
    const double dSeconds = BenchSeconds() - dStart;
    std::printf("%7d rows: %6d pages, %8.3f ms, %7.3f us per row\n", nRows, card.m_CardData.m_nPageCount,
                dSeconds * 1000.0, dSeconds * 1e6 / nRows);
}

} // namespace

int main()
{
    for (int nRows : {1000, 10000, 100000}) {
        Measure(nRows);
    }
    return 0;
}
