// Detail rows sorted per second: 10,000 rows by one and by three keys, in each comparison type.
#include <cstdio>
#include <vector>

#include "bench/BenchClock.h"
#include "core/SortRecord.h"
#include "platform/base/StringArray.h"

namespace
{
// Rows of a process card: operation number, name with a number inside, hours, a small group.
std::vector<CStringArray> MakeRows(int nRows)
{
    std::vector<CStringArray> rows(static_cast<size_t>(nRows));
    unsigned nSeed = 12345;
    auto fnNext = [&nSeed] {
        nSeed = nSeed * 1103515245u + 12345u;
        return (nSeed >> 8) % 100000u;
    };
    for (CStringArray& row : rows) {
        CString strValue;
        strValue.Format("%u", fnNext() % 5000);
        row.Add(strValue);
        strValue.Format("工序%u车削", fnNext() % 2000);
        row.Add(strValue);
        strValue.Format("%.2f", static_cast<double>(fnNext()) / 100.0);
        row.Add(strValue);
        strValue.Format("组%u", fnNext() % 10);
        row.Add(strValue);
    }
    return rows;
}

void Measure(const char* szWhat, std::vector<CStringArray>& rows, std::initializer_list<UINT> keys,
             std::initializer_list<UINT> types)
{
    CPtrArray arrTable;
    for (CStringArray& row : rows) {
        arrTable.Add(&row);
    }
    CUIntArray arrKeys;
    CUIntArray arrDirections;
    CUIntArray arrTypes;
    for (UINT nKey : keys) {
        arrKeys.Add(nKey);
        arrDirections.Add(1);
    }
    for (UINT nType : types) {
        arrTypes.Add(nType);
    }
    const int nRuns = 20;
    CUIntArray arrOrder;
    double dStart = BenchSeconds();
    for (int i = 0; i < nRuns; ++i) {
        CSortRecord sorter;
        sorter.SetSortKeys(arrKeys, arrDirections, arrTypes);
        sorter.SortRecords(arrTable, arrOrder);
    }
    double dElapsed = (BenchSeconds() - dStart) / nRuns;
    std::printf("%-48s %8.2f ms per sort of %d rows\n", szWhat, dElapsed * 1000.0, static_cast<int>(rows.size()));
}
} // namespace

int main()
{
    std::vector<CStringArray> rows = MakeRows(10000);
    Measure("integer key", rows, {0}, {CSortRecord::typeInteger});
    Measure("real key", rows, {2}, {CSortRecord::typeReal});
    Measure("GBK text key", rows, {1}, {CSortRecord::typeText});
    Measure("natural key", rows, {1}, {0});
    Measure("three keys: group text, natural name, real", rows, {3, 1, 2},
            {CSortRecord::typeText, 0, CSortRecord::typeReal});
    return 0;
}
