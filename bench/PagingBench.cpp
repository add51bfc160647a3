// Stepping through every page of a card's detail rows, as the report control's print and preview
// do (one page switch per page), against a baseline that copies the same values into the same
// cell ranges straight from an array. Both must grow linearly with the rows.
#include <cstdio>
#include <vector>

#include "bench/BenchStats.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"
#include "tests/core/CardObjUtil.h"

namespace
{

const int kRowsPerPage = 20;
const CardTemplate kCard = {"M", kRowsPerPage, {"PartName"}, "MD", {"Op", "Step", "Tool"}, "PG"};

// The text the first range of the area's first cell shows.
CString FirstRangeText(const CCappSheet& sheet)
{
    const auto* pArea = static_cast<const CCappMidData*>(sheet.m_MidDataList.GetHead());
    const auto* pCell = static_cast<const CCappCell*>(pArea->m_listMidCell.GetHead());
    return static_cast<const CCellDataItem*>(pCell->m_listCellData.GetHead())->m_strText;
}

struct PagedCard
{
    CCardObj card;
    int nPages = 0;

    explicit PagedCard(int nRows)
    {
        SetCardSheets(card, {kCard});
        AddRows(card, "MD", std::vector<int>(static_cast<size_t>(nRows), 1));
        card.AddNewPage(1, 0);
        int bChanged = 0;
        card.ReSetPageCount(bChanged, 1);
        nPages = card.m_CardData.m_nPageCount;
    }
};

// Every page once; FALSE when a page does not show its own first row.
bool StepAllPages(PagedCard& paged)
{
    for (int nPage = 1; nPage <= paged.nPages; ++nPage) {
        const CCappSheet* pSheet = paged.card.SetCurPage(nPage);
        CString strExpected;
        strExpected.Format("r%d", (nPage - 1) * kRowsPerPage);
        if (pSheet == nullptr || FirstRangeText(*pSheet) != strExpected) {
            return false;
        }
    }
    return true;
}

// The same values into the same ranges, page by page, from an array of the rows' values.
bool CopyAllPages(PagedCard& paged, const std::vector<CString>& values)
{
    const CCappSheet* pSheet = paged.card.GetSheetByPage(1, 0);
    const auto* pArea = static_cast<const CCappMidData*>(pSheet->m_MidDataList.GetHead());
    for (int nPage = 1; nPage <= paged.nPages; ++nPage) {
        POSITION posCell = pArea->m_listMidCell.GetHeadPosition();
        while (posCell != nullptr) {
            const auto* pCell = static_cast<const CCappCell*>(pArea->m_listMidCell.GetNext(posCell));
            size_t nRow = static_cast<size_t>((nPage - 1) * kRowsPerPage);
            POSITION posRange = pCell->m_listCellData.GetHeadPosition();
            while (posRange != nullptr) {
                auto* pRange = static_cast<CCellDataItem*>(pCell->m_listCellData.GetNext(posRange));
                pRange->m_strText = nRow < values.size() ? values[nRow] : CString();
                ++nRow;
            }
        }
        CString strExpected;
        strExpected.Format("r%d", (nPage - 1) * kRowsPerPage);
        if (FirstRangeText(*pSheet) != strExpected) {
            return false;
        }
    }
    return true;
}

} // namespace

int main()
{
    const int sizes[] = {2500, 5000, 10000, 20000, 40000};
    BenchGrowthLine growth;
    int rc = 0;
    for (int nRows : sizes) {
        PagedCard paged(nRows);
        std::vector<CString> values;
        for (int i = 0; i < nRows; ++i) {
            CString str;
            str.Format("r%d", i);
            values.push_back(str);
        }
        bool bPagingOk = true;
        bool bCopyOk = true;
        const BenchTimes paging = BenchRepeat(5, [&] { bPagingOk = bPagingOk && StepAllPages(paged); });
        const BenchTimes copy = BenchRepeat(5, [&] { bCopyOk = bCopyOk && CopyAllPages(paged, values); });
        if (!bPagingOk || !bCopyOk) {
            std::printf("%d rows: a page showed the wrong rows\n", nRows);
            rc = 1;
        }
        std::printf("%d rows, %d pages\n", nRows, paged.nPages);
        BenchPrintTimes("  page switches", nRows, paging);
        BenchPrintTimes("  baseline copy", nRows, copy);
        growth.Print(nRows, "paging", paging.dMedian, "baseline", copy.dMedian);
    }
    return rc;
}
