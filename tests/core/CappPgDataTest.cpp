// Page data: one value row per page, pages counted from 1.
#include <gtest/gtest.h>

#include <string>

#include "core/CappPgData.h"
#include "core/CappPgRow.h"
#include "tests/core/CardDataUtil.h"

namespace
{

// Page data with the variable "P" and one row per value.
void FillPages(CCappPgData& pg, std::initializer_list<const char*> values)
{
    AddCardVar(pg.m_listCardVar, pg.m_arrVarName, "P");
    for (const char* pszValue : values) {
        CCappPgRow* pRow = pg.InsertRowData(-1);
        static_cast<CCellFieldDataItem*>(pRow->m_listVarData.GetHead())->SetData(pszValue);
        pRow->m_nState = CCappMidRow::stateUnchanged;
    }
}

std::string Pages(const CCappPgData& pg)
{
    std::string strPages;
    for (int nPage = 1; nPage <= pg.GetRowCount(); ++nPage) {
        CString strValue;
        pg.GetVarData(nPage, "P", strValue);
        strPages += strValue.IsEmpty() ? "-" : strValue.GetString();
    }
    return strPages;
}

TEST(CappPgDataTest, InsertRowDataNeverShiftsPagesItDoesNotPrecede)
{
    struct Case
    {
        const char* szName;
        int nIndex;
        const char* szExpected;
    };
    const Case cases[] = {
        {"minus one appends", -1, "123-"},
        {"before the row at the index", 1, "1-23"},
        {"first", 0, "-123"},
        {"index at the row count appends", 3, "123-"},
        {"index beyond the rows appends", 7, "123-"},
        {"other negative index appends", -5, "123-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappPgData pg;
        FillPages(pg, {"1", "2", "3"});
        CCappPgRow* pRow = pg.InsertRowData(c.nIndex);
        EXPECT_EQ(c.szExpected, Pages(pg));
        EXPECT_EQ(CCappMidRow::stateNew, pRow->m_nState);
        EXPECT_EQ(1, pRow->m_listVarData.GetCount());
    }
}

TEST(CappPgDataTest, PagesCountFromOne)
{
    CCappPgData pg;
    FillPages(pg, {"1", "2"});
    CString strValue = "x";
    EXPECT_FALSE(pg.SetVarData(0, "P", strValue));
    EXPECT_EQ(nullptr, pg.GetVarDataItem(0, "P"));
    EXPECT_EQ(nullptr, pg.GetVarDataItem(0, 0));
    EXPECT_FALSE(pg.GetVarData(3, "P", strValue));
    EXPECT_FALSE(pg.SetVarData(3, "P", strValue));
    EXPECT_FALSE(pg.SetVarData(1, "nope", strValue));
    EXPECT_EQ(nullptr, pg.GetVarDataItem(1, 1));
    EXPECT_EQ(nullptr, pg.GetVarDataItem(1, -1));
    EXPECT_FALSE(pg.m_bModify);
}

TEST(CappPgDataTest, ReadingLeavesTheDataUnmodifiedWritingMarksPageAndData)
{
    CCappPgData pg;
    FillPages(pg, {"1", "2"});
    CString strValue;
    EXPECT_TRUE(pg.GetVarData(2, "P", strValue));
    EXPECT_STREQ("2", strValue);
    EXPECT_FALSE(pg.m_bModify);

    strValue = "zwei";
    EXPECT_TRUE(pg.SetVarData(2, "P", strValue));
    EXPECT_TRUE(pg.m_bModify);
    EXPECT_EQ(CCappMidRow::stateModified, pg.GetRow(2)->m_nState);
    EXPECT_EQ(CCappMidRow::stateUnchanged, pg.GetRow(1)->m_nState);
    EXPECT_EQ("1zwei", Pages(pg));
}

TEST(CappPgDataTest, DeletingKeepsOnlyLoadedRowsAsDeleted)
{
    CCappPgData pg;
    FillPages(pg, {"1", "2"});
    pg.InsertRowData(-1);
    EXPECT_TRUE(pg.DelRowData(3));
    EXPECT_TRUE(pg.m_listDeledRowData.IsEmpty());
    EXPECT_TRUE(pg.DelRowData(1));
    EXPECT_FALSE(pg.DelRowData(0));
    EXPECT_FALSE(pg.DelRowData(2));
    EXPECT_EQ("2", Pages(pg));
    ASSERT_EQ(1, pg.m_listDeledRowData.GetCount());
    EXPECT_EQ(CCappMidRow::stateDeleted, static_cast<CCappPgRow*>(pg.m_listDeledRowData.GetHead())->m_nState);
}

} // namespace
