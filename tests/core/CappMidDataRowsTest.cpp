// Detail areas at run time: where a page ends, measuring rows, filling a page's data ranges,
// hidden repeated values and sub-areas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CappCardData.h"
#include "core/CappMDData.h"
#include "tests/core/CardDataUtil.h"
#include "tests/core/SheetDrawUtil.h"
#include "tests/support/DibCanvas.h"

namespace
{

// The data ranges' texts of the cell of that variable, top to bottom, "-" for an empty one.
std::vector<std::string> RangeTexts(const CCappMidData& mid, const char* pszVarName)
{
    std::vector<std::string> texts;
    const CCappCell* pCell = mid.GetCellByName(pszVarName);
    POSITION pos = pCell->m_listCellData.GetHeadPosition();
    while (pos != nullptr) {
        const CString& str = static_cast<const CCellDataItem*>(pCell->m_listCellData.GetNext(pos))->m_strText;
        texts.push_back(str.IsEmpty() ? "-" : str.GetString());
    }
    return texts;
}

// An area of nRows grid rows with one variable cell per name, bound to detail data of those names.
class CappMidDataRowsTest : public testing::Test
{
protected:
    void MakeArea(int nRows, const std::vector<const char*>& vars, const std::vector<std::vector<const char*>>& rows)
    {
        std::vector<int> rowPos;
        for (int r = 1; r <= nRows; ++r) {
            rowPos.push_back(r * 40);
        }
        std::vector<int> colPos;
        for (size_t c = 1; c < vars.size(); ++c) {
            colPos.push_back(static_cast<int>(c) * 600);
        }
        m_grid = MakeGridSheet(m_sheet, 2100, 2970, 50, 2, rowPos, colPos);
        m_pMid = AddMidArea(m_sheet, m_grid, "MD", 0, 0, nRows, static_cast<int>(vars.size()));
        for (size_t c = 0; c < vars.size(); ++c) {
            AddMidCell(m_sheet, m_grid, *m_pMid, 0, static_cast<int>(c), static_cast<int>(c) + 1, vars[c]);
        }
        FillMDData(m_md, vars, rows);
        m_md.m_pCardData = &m_cardData;
        m_pMid->m_pMDData = &m_md;
    }

    void SetLineCounts(const std::vector<int>& counts)
    {
        for (size_t i = 0; i < counts.size(); ++i) {
            m_md.GetRow(static_cast<int>(i))->m_nLineCount = counts[i];
        }
    }

    CCappSheet m_sheet;
    SheetGrid m_grid;
    CCappMidData* m_pMid = nullptr;
    CCappMDData m_md;
    CCappCardData m_cardData;
};

TEST_F(CappMidDataRowsTest, PageEndsWhereTheRowsFillTheGridRows)
{
    struct Case
    {
        const char* szName;
        std::vector<int> lineCounts;
        int nRowsPerPage;
        int nStart;
        int nShown;
        BOOL bFilled;
        int nLast;
        int nRest;
    };
    const Case cases[] = {
        {"4, 3, 3 in 10 end exactly: the next page starts at row 3", {4, 3, 3, 2}, 10, 0, 0, TRUE, 3, 0},
        {"4, 3, 4 in 10 leave 3 lines of the third row", {4, 3, 4, 2}, 10, 0, 0, TRUE, 2, 3},
        {"lines shown come off the start row only", {4, 3, 3, 2, 5}, 10, 0, 2, TRUE, 4, 0},
        {"a start row further down", {1, 4, 3, 3}, 10, 1, 0, TRUE, 4, 0},
        {"the data ends before the page", {2, 2}, 10, 0, 0, FALSE, 1, 0},
        {"no grid rows on a page", {4, 3}, 0, 0, 0, FALSE, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappMidData mid;
        CCappMDData md;
        FillMDData(md, {"V"}, std::vector<std::vector<const char*>>(c.lineCounts.size(), {""}));
        for (size_t i = 0; i < c.lineCounts.size(); ++i) {
            md.GetRow(static_cast<int>(i))->m_nLineCount = c.lineCounts[i];
        }
        mid.m_pMDData = &md;
        mid.m_nRowsPerPage = c.nRowsPerPage;
        int nLast = 99;
        int nRest = 99;
        EXPECT_EQ(c.bFilled, mid.SetRowDataUseRowCount(nullptr, c.nStart, c.nShown, nLast, nRest));
        EXPECT_EQ(c.nLast, nLast);
        EXPECT_EQ(c.nRest, nRest);
    }
}

TEST_F(CappMidDataRowsTest, KeyAndHiddenColumnBlankTheRepeatedValue)
{
    struct Case
    {
        const char* szName;
        const char* szHideInfo;
        std::vector<std::string> b;
    };
    const Case cases[] = {
        {"hiding on", "1$@$A$@$B", {"b1", "-", "b3", "-"}},
        {"no hidden names", "1$@$A$@$", {"b1", "b2", "b3", "-"}},
        {"an empty key hides nothing", "1$@$C$@$B", {"b1", "b2", "b3", "-"}},
    };
    MakeArea(4, {"A", "B", "C"}, {{"x", "b1", ""}, {"x", "b2", ""}, {"y", "b3", ""}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pMid->m_strHideInfo = c.szHideInfo;
        m_pMid->SetHideDataInfo();
        ASSERT_TRUE(m_pMid->UpdateMidCellData(nullptr, 0, 0));
        EXPECT_EQ(c.b, RangeTexts(*m_pMid, "B"));
        EXPECT_EQ((std::vector<std::string>{"x", "x", "y", "-"}), RangeTexts(*m_pMid, "A"));
    }
}

TEST_F(CappMidDataRowsTest, MeasuringCountsTheLaidOutLinesOfTheTallestValue)
{
    struct Case
    {
        const char* szName;
        const char* szA;
        const char* szB;
        int nMarkFlags;
        int nLines;
        BOOL bChanged;
    };
    const Case cases[] = {
        {"values on one line keep 1", "12", "34", 0, 1, FALSE},
        {"the taller of two values", "1\n2", "1\n2\n3", 0, 3, TRUE},
        {"an inverted cell is not measured", "1\n2", "1\n2\n3", CCappCell::markInvert, 1, FALSE},
    };
    MakeArea(6, {"A", "B"}, {{"", ""}});
    CTestDib dib(10, 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strA = c.szA;
        CString strB = c.szB;
        m_md.SetVarData(0, "A", strA);
        m_md.SetVarData(0, "B", strB);
        POSITION pos = m_pMid->m_listMidCell.GetHeadPosition();
        while (pos != nullptr) {
            static_cast<CCappCell*>(m_pMid->m_listMidCell.GetNext(pos))->m_nMarkFlags = c.nMarkFlags;
        }
        CCappMidRow* pRow = m_md.GetRow(0);
        pRow->m_nLineCount = 1;
        BOOL bChanged = -1;
        EXPECT_EQ(c.nLines, m_pMid->SetUseRowCount(&dib.DC(), pRow, bChanged, TRUE));
        EXPECT_EQ(c.bChanged, bChanged);
    }
}

TEST_F(CappMidDataRowsTest, TallRowsSpreadOverTheGridRowsFromTheFirstLineShown)
{
    MakeArea(5, {"A"}, {{"a0\na1\na2\na3"}, {"b0\nb1"}});
    CTestDib dib(10, 10);
    for (int nRow = 0; nRow < 2; ++nRow) {
        CCappMidRow* pRow = m_md.GetRow(nRow);
        BOOL bChanged = FALSE;
        m_pMid->SetUseRowCount(&dib.DC(), pRow, bChanged, TRUE);
    }
    ASSERT_TRUE(m_pMid->UpdateMidCellData(&dib.DC(), 0, 2));
    // Each line's markup, its line break included.
    EXPECT_EQ((std::vector<std::string>{"a2\n", "a3", "b0\n", "b1", "-"}), RangeTexts(*m_pMid, "A"));
    EXPECT_EQ(0, m_pMid->m_nPageStartRow);
    EXPECT_EQ(2, m_pMid->m_nFirstLine);
}

// Values of more than 49 lines stay laid out between measuring and filling: each row its own.
TEST_F(CappMidDataRowsTest, TallValuesOfOneVariableKeepTheirOwnLines)
{
    std::string strA;
    std::string strB;
    for (int i = 0; i < 55; ++i) {
        strA += (i > 0 ? "\n" : "") + ("a" + std::to_string(i));
        strB += (i > 0 ? "\n" : "") + ("b" + std::to_string(i));
    }
    MakeArea(120, {"T"}, {{strA.c_str()}, {strB.c_str()}});
    CTestDib dib(10, 10);
    for (int nRow = 0; nRow < 2; ++nRow) {
        CCappMidRow* pRow = m_md.GetRow(nRow);
        BOOL bChanged = FALSE;
        EXPECT_EQ(55, m_pMid->SetUseRowCount(&dib.DC(), pRow, bChanged, TRUE));
    }
    EXPECT_EQ(2, m_cardData.m_EditCache.GetCount());
    ASSERT_TRUE(m_pMid->UpdateMidCellData(&dib.DC(), 0, 0));
    const std::vector<std::string> texts = RangeTexts(*m_pMid, "T");
    EXPECT_EQ("a0\n", texts[0]);
    EXPECT_EQ("a54", texts[54]);
    EXPECT_EQ("b0\n", texts[55]);
    EXPECT_EQ("-", texts[110]);
}

TEST_F(CappMidDataRowsTest, GridRowsOfThePageNameTheirDataRowAndLine)
{
    struct Case
    {
        const char* szName;
        int nGridRow;
        int nDataRow;
        int nLine;
        BOOL bBeyond;
    };
    const Case cases[] = {
        {"first grid row: the first line shown", 0, 0, 2, FALSE},
        {"last line of the start row", 1, 0, 3, FALSE},
        {"next row from its line 0", 2, 1, 0, FALSE},
        {"past the data", 5, 3, 0, TRUE},
    };
    MakeArea(6, {"A"}, {{"1"}, {"2"}});
    SetLineCounts({4, 2});
    ASSERT_TRUE(m_pMid->UpdateMidCellData(nullptr, 0, 2));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        int nDataRow = -9;
        int nLine = -9;
        BOOL bBeyond = -1;
        CString strOut;
        EXPECT_TRUE(m_pMid->GetMDCellInfoIndex(c.nGridRow, nDataRow, nLine, bBeyond, strOut));
        EXPECT_EQ(c.nDataRow, nDataRow);
        EXPECT_EQ(c.nLine, nLine);
        EXPECT_EQ(c.bBeyond, bBeyond);
    }
    m_pMid->m_pMDData = nullptr;
    int nDataRow = 0;
    int nLine = 0;
    BOOL bBeyond = FALSE;
    CString strOut;
    EXPECT_FALSE(m_pMid->GetMDCellInfoIndex(0, nDataRow, nLine, bBeyond, strOut));
    EXPECT_STREQ("当前卡片格式有问题，见意不要继续使用！（当前表中不存在数据对象）", strOut);
}

TEST_F(CappMidDataRowsTest, MissingDataRangeStopsTheFilling)
{
    MakeArea(2, {"A"}, {{"1"}, {"2"}, {"3"}});
    m_pMid->m_nRowsPerPage = 3;
    EXPECT_FALSE(m_pMid->UpdateMidCellData(nullptr, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), RangeTexts(*m_pMid, "A"));
}

TEST(CappMidDataSubAreaTest, IndexesFindTheirSubArea)
{
    CCappMidData mid;
    mid.m_strName = "MD";
    mid.m_nRowsPerPage = 20;
    struct Case
    {
        const char* szName;
        int nIndex;
        BOOL bBegin;
        const char* szArea;
        int nFirst;
        int nLast;
    };
    const Case cases[] = {
        {"index 0 is the area's own", 0, TRUE, "MD", 0, 4},
        {"inside the first sub-area", 3, FALSE, "S1", 2, 4},
        {"start of the second", 5, TRUE, "S2", 5, 19},
        {"past the last start", 12, FALSE, "S2", 5, 19},
    };
    mid.m_arrSubName.Add("S1");
    mid.m_arrSubName.Add("S2");
    mid.m_arrSubStart.Add(2);
    mid.m_arrSubStart.Add(5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bBegin, mid.IsMDBeginIndex(c.nIndex));
        EXPECT_STREQ(c.szArea, mid.GetMDNameByDataIndex(c.nIndex));
        CString strName;
        int nFirst = 0;
        int nLast = 0;
        if (c.nIndex > 0) {
            EXPECT_TRUE(mid.GetSubMDInfo(c.nIndex, strName, nFirst, nLast));
            EXPECT_EQ(c.nFirst, nFirst);
            EXPECT_EQ(c.nLast, nLast);
        }
    }
    CCappMidData plain;
    CString strName = "x";
    int nFirst = 0;
    int nLast = 0;
    EXPECT_FALSE(plain.GetSubMDInfo(3, strName, nFirst, nLast));
    EXPECT_TRUE(strName.IsEmpty());
    EXPECT_EQ(-1, nFirst);
    EXPECT_EQ(-1, nLast);
}

} // namespace
