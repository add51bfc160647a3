// Detail data: rows and their states, values with inheritance, block exchange and moves, the
// locked row and the page-begin table.
#include <functional>

#include <gtest/gtest.h>

#include "core/CappMDData.h"
#include "tests/core/CardDataUtil.h"

namespace
{

struct RowPageCase
{
    const char* szName;
    int nRow;
    int nPage;
};

TEST(CappMDDataTest, InsertRowDataPlacesNewRows)
{
    struct Case
    {
        const char* szName;
        int nIndex;
        const char* szExpected;
    };
    const Case cases[] = {
        {"before the row at the index", 1, "A - B C"},
        {"first", 0, "- A B C"},
        {"minus one appends", -1, "A B C -"},
        {"index beyond the rows appends", 5, "A B C -"},
        {"index at the row count appends", 3, "A B C -"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappMDData md;
        FillLetters(md, "ABC");
        const int nNextID = md.m_nNewRowID;
        CCappMidRow* pRow = md.InsertRowData(c.nIndex, 0);
        EXPECT_EQ(c.szExpected, Column(md, "V"));
        EXPECT_EQ(CCappMidRow::stateNew, pRow->m_nState);
        EXPECT_EQ(nNextID, pRow->m_nRowID);
        EXPECT_EQ(1, pRow->m_listVarData.GetCount());
    }
    CCappMDData md;
    EXPECT_EQ(42, md.InsertRowData(-1, 42)->m_nRowID) << "a given row id is kept";
}

TEST(CappMDDataTest, DeletingKeepsOnlyLoadedRowsAsDeleted)
{
    CCappMDData md;
    FillLetters(md, "ABC");
    md.InsertRowData(1, 0);
    EXPECT_TRUE(md.DelRowData(1)) << "a new row is destroyed";
    EXPECT_TRUE(md.m_listDeledRowData.IsEmpty());
    EXPECT_FALSE(md.DelRowData(3));
    EXPECT_FALSE(md.DelRowData(-1));
    md.InsertRowData(0, 0);
    md.DelAllRowData();
    EXPECT_EQ(0, md.GetRowCount());
    ASSERT_EQ(3, md.m_listDeledRowData.GetCount());
    POSITION pos = md.m_listDeledRowData.GetHeadPosition();
    while (pos != nullptr) {
        EXPECT_EQ(CCappMidRow::stateDeleted, static_cast<CCappMidRow*>(md.m_listDeledRowData.GetNext(pos))->m_nState);
    }
}

TEST(CappMDDataTest, GetVarDataInheritsFromRowsAbove)
{
    struct Case
    {
        const char* szName;
        BOOL bInheritFlag;
        int nMode;
        int nRow;
        const char* szVar;
        BOOL bResult;
        const char* szExpected;
    };
    const Case cases[] = {
        {"mode 2 walks up to row 0", FALSE, CCappMDData::inheritAlways, 3, "V", TRUE, "X"},
        {"mode 0 never inherits", TRUE, CCappMDData::inheritNever, 3, "V", TRUE, ""},
        {"mode 1 follows the definition", TRUE, CCappMDData::inheritByDefinition, 3, "V", TRUE, "X"},
        {"mode 1 without the flag", FALSE, CCappMDData::inheritByDefinition, 3, "V", TRUE, ""},
        {"mode 1 stops at the nearest value", TRUE, CCappMDData::inheritByDefinition, 5, "V", TRUE, "Y"},
        {"own value wins", FALSE, CCappMDData::inheritAlways, 4, "V", TRUE, "Y"},
        {"row past the end inherits the last value", FALSE, CCappMDData::inheritAlways, 1000000000, "V", TRUE, "Y"},
        {"unknown name", FALSE, CCappMDData::inheritAlways, 3, "W", FALSE, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappMDData md;
        FillMDData(md, {"V"}, {{"X"}, {""}, {""}, {""}, {"Y"}, {""}});
        static_cast<CCappCardVarItem*>(md.m_listCardVar.GetHead())->m_bInherit = c.bInheritFlag;
        CString strValue = "stale";
        EXPECT_EQ(c.bResult, md.GetVarData(c.nRow, c.szVar, strValue, c.nMode));
        EXPECT_STREQ(c.szExpected, strValue);
    }
}

TEST(CappMDDataTest, SetVarDataNormalisesAndMarksTheRow)
{
    CCappMDData md;
    FillMDData(md, {"S"}, {{"a"}});
    CCappCardVarItem* pReal =
        AddCardVar(md.m_listCardVar, md.m_arrVarName, "R", CCappCardVarItem::kindTyped, CCappCardVarItem::typeReal);
    pReal->m_nPrecision = 2;
    AddCardVar(md.m_listCardVar, md.m_arrVarName, "F", CCappCardVarItem::kindFile);
    md.ResertDataList();
    EXPECT_FALSE(md.m_bModify);

    CString strValue = "3.14159";
    EXPECT_TRUE(md.SetVarData(0, "R", strValue));
    EXPECT_STREQ("3.14", strValue) << "the caller sees the stored value";
    EXPECT_STREQ("3.14", md.GetVarDataItem(0, "R")->GetData());
    EXPECT_EQ(CCappMidRow::stateModified, md.GetRow(0)->m_nState);
    EXPECT_TRUE(md.m_bModify);

    strValue = "x";
    EXPECT_FALSE(md.SetVarData(1, "S", strValue)) << "no such row";
    EXPECT_FALSE(md.SetVarData(0, "nope", strValue));
    strValue = "C:\\a.txt";
    EXPECT_FALSE(md.SetVarData(0, "F", strValue)) << "a file variable needs the card file";
    EXPECT_STREQ("", md.GetVarDataItem(0, "F")->GetData());

    // A value whose definition is missing (a record read without definitions) is kept as given.
    md.DetachList("m_listCardVar");
    strValue = "kept";
    EXPECT_TRUE(md.SetVarData(0, "S", strValue));
    EXPECT_STREQ("kept", md.GetVarDataItem(0, "S")->GetData());
}

TEST(CappMDDataTest, ResertDataListAlignsNamesAndValuesWithDefinitions)
{
    CCappMDData md;
    FillMDData(md, {"A", "B", "C"}, {{"a1", "b1", "c1"}, {"a2", "b2", "c2"}});
    // Definitions now C, X, A: B goes, X is new.
    md.DetachList("m_listCardVar");
    CStringArray arrUnused;
    for (const char* pszName : {"C", "X", "A"}) {
        AddCardVar(md.m_listCardVar, arrUnused, pszName);
    }
    md.ResertDataList();
    ASSERT_EQ(3, md.m_arrVarName.GetSize());
    EXPECT_STREQ("C", md.m_arrVarName[0]);
    EXPECT_STREQ("X", md.m_arrVarName[1]);
    EXPECT_STREQ("A", md.m_arrVarName[2]);
    EXPECT_EQ("c1 c2", Column(md, "C"));
    EXPECT_EQ("- -", Column(md, "X"));
    EXPECT_EQ("a1 a2", Column(md, "A"));
    EXPECT_EQ(3, md.GetRow(1)->m_listVarData.GetCount());
}

TEST(CappMDDataTest, InheritPrvDataFillsAndRemembersEmptyInheritingValues)
{
    CCappMDData md;
    FillMDData(md, {"P", "Q", "R"}, {{"p", "q", "r"}, {"", "", "own"}});
    for (int i : {0, 2}) {
        md.GetCardVarItemByIndex(i)->m_bInherit = TRUE;
    }
    CCappMidRow* pPrev = md.GetRow(0);
    CCappMidRow* pRow = md.GetRow(1);
    md.SetInheritPrvData(pPrev, pRow);
    EXPECT_STREQ("p", md.GetVarDataItem(1, "P")->GetData());
    EXPECT_STREQ("", md.GetVarDataItem(1, "Q")->GetData()) << "Q does not inherit";
    EXPECT_STREQ("own", md.GetVarDataItem(1, "R")->GetData());
    EXPECT_STREQ("P\n", pRow->m_strInheritNames);
    EXPECT_EQ(CCappMidRow::stateModified, pRow->m_nState);

    md.DelInheritPrvData(pRow);
    EXPECT_STREQ("", md.GetVarDataItem(1, "P")->GetData());
    EXPECT_STREQ("own", md.GetVarDataItem(1, "R")->GetData());

    CCappMidRow* pNone = nullptr;
    md.SetInheritPrvData(pNone, pRow);
    EXPECT_STREQ("", md.GetVarDataItem(1, "P")->GetData()) << "no row above, nothing inherited";
}

// Rows are looked up through an index of their places that must follow every change of the
// list, also when it was used just before the change.
TEST(CappMDDataTest, RowLookUpFollowsEveryChangeOfTheRows)
{
    struct Case
    {
        const char* szName;
        std::function<void(CCappMDData&)> change;
        const char* szExpected;
    };
    const Case cases[] = {
        {"insert first", [](CCappMDData& md) { md.InsertRowData(0, 0); }, "- A B C D"},
        {"append", [](CCappMDData& md) { md.InsertRowData(-1, 0); }, "A B C D -"},
        {"delete in the middle", [](CCappMDData& md) { md.DelRowData(1); }, "A C D"},
        {"delete then insert keeps the count",
         [](CCappMDData& md) {
             md.DelRowData(2);
             md.InsertRowData(1, 0);
         },
         "A - B D"},
        {"exchange", [](CCappMDData& md) { md.ExchangeRow(0, 3, 1, 1); }, "D B C A"},
        {"move", [](CCappMDData& md) { md.MoveRow(0, 2, 4); }, "C D A B"},
        {"delete all, then one new",
         [](CCappMDData& md) {
             md.DelAllRowData();
             md.InsertRowData(-1, 0);
         },
         "-"},
        {"detach the rows", [](CCappMDData& md) { md.DetachList("m_listRowData"); }, ""},
        {"rows added to the list directly",
         [](CCappMDData& md) {
             CCappMDData other;
             FillLetters(other, "EF");
             while (!other.m_listRowData.IsEmpty()) {
                 md.m_listRowData.AddHead(other.m_listRowData.RemoveTail());
             }
         },
         "E F A B C D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappMDData md;
        FillLetters(md, "ABCD");
        ASSERT_EQ("A B C D", Column(md, "V"));
        c.change(md);
        EXPECT_EQ(c.szExpected, Column(md, "V"));
        EXPECT_EQ(nullptr, md.GetRow(md.GetRowCount()));
        EXPECT_EQ(nullptr, md.GetRow(-1));
    }
}

TEST(CappMDDataTest, ExchangeRowSwapsBlocks)
{
    struct Case
    {
        const char* szName;
        int nStart1, nStart2, nCount1, nCount2;
        BOOL bResult;
        const char* szExpected;
    };
    const Case cases[] = {
        {"blocks given in reverse order", 4, 1, 2, 2, TRUE, "A E F D B C"},
        {"blocks of different sizes", 0, 3, 1, 3, TRUE, "D E F B C A"},
        {"adjacent single rows", 2, 3, 1, 1, TRUE, "A B D C E F"},
        {"first block reaches into the second", 1, 2, 2, 1, FALSE, "A B C D E F"},
        {"second block runs past the end", 0, 4, 1, 3, FALSE, "A B C D E F"},
        {"negative start", -1, 3, 1, 1, FALSE, "A B C D E F"},
        {"negative start after the swap", 3, -2, 1, 1, FALSE, "A B C D E F"},
        {"count of zero", 0, 3, 0, 1, FALSE, "A B C D E F"},
        {"negative count", 0, 3, 1, -2, FALSE, "A B C D E F"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappMDData md;
        FillLetters(md, "ABCDEF");
        EXPECT_EQ(c.bResult, md.ExchangeRow(c.nStart1, c.nStart2, c.nCount1, c.nCount2));
        EXPECT_EQ(c.szExpected, Column(md, "V"));
    }
}

TEST(CappMDDataTest, MoveRowMovesABlock)
{
    struct Case
    {
        const char* szName;
        int nStart, nCount, nTarget;
        BOOL bResult;
        const char* szExpected;
    };
    const Case cases[] = {
        {"down", 0, 2, 4, TRUE, "C D A B E"},
        {"up", 3, 2, 0, TRUE, "D E A B C"},
        {"to the end", 0, 2, 5, TRUE, "C D E A B"},
        {"target just behind the block", 0, 2, 2, FALSE, "A B C D E"},
        {"target inside the block", 1, 3, 2, FALSE, "A B C D E"},
        {"block past the end", 4, 2, 0, FALSE, "A B C D E"},
        {"target past the end", 0, 1, 6, FALSE, "A B C D E"},
        {"negative start", -1, 2, 4, FALSE, "A B C D E"},
        {"count of zero", 2, 0, 0, FALSE, "A B C D E"},
        {"negative count", 2, -1, 0, FALSE, "A B C D E"},
        {"negative target", 2, 1, -1, FALSE, "A B C D E"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappMDData md;
        FillLetters(md, "ABCDE");
        EXPECT_EQ(c.bResult, md.MoveRow(c.nStart, c.nCount, c.nTarget));
        EXPECT_EQ(c.szExpected, Column(md, "V"));
    }
}

TEST(CappMDDataTest, LockedRowKeepsItsDistanceToEdits)
{
    struct Case
    {
        const char* szName;
        std::vector<std::vector<const char*>> rows;
        int nLocked;
        int nEditIndex;
        int nAction;
        int nCount;
        BOOL bResult;
        const char* szExpected;
    };
    const int kIns = CCappMDData::lockRowsInserted;
    const int kDel = CCappMDData::lockRowsDeleted;
    const Case cases[] = {
        {"rows inserted above add empty rows before it", {{"A"}, {"B"}, {"L"}}, 2, 0, kIns, 2, TRUE, "A B - - L"},
        {"rows inserted below change nothing", {{"A"}, {"L"}, {"C"}}, 1, 2, kIns, 1, TRUE, "A L C"},
        {"rows deleted above take exactly that many empty rows",
         {{"A"}, {""}, {""}, {"L"}},
         3,
         0,
         kDel,
         1,
         TRUE,
         "A - L"},
        {"empty rows between values are found", {{"A"}, {""}, {"B"}, {""}, {"L"}}, 4, 0, kDel, 2, TRUE, "A B L"},
        {"too few empty rows", {{"A"}, {""}, {"B"}, {"L"}}, 3, 0, kDel, 2, FALSE, "A B L"},
        {"the edit row itself is not deleted", {{""}, {"L"}}, 1, 0, kDel, 1, FALSE, "- L"},
        {"deleting below the locked row", {{"L"}, {"B"}}, 0, 1, kDel, 1, FALSE, "L B"},
        {"an empty locked row is never deleted", {{"A"}, {""}, {""}}, 2, 0, kDel, 2, FALSE, "A -"},
        {"count of zero", {{"A"}, {"B"}, {"L"}}, 2, 0, kIns, 0, FALSE, "A B L"},
        {"negative count", {{"A"}, {""}, {"L"}}, 2, 0, kDel, -1, FALSE, "A - L"},
        {"unknown action", {{"A"}, {""}, {"L"}}, 2, 0, 7, 1, FALSE, "A - L"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappMDData md;
        FillMDData(md, {"V"}, c.rows);
        md.m_nLockRowID = md.GetRow(c.nLocked)->m_nRowID;
        EXPECT_EQ(c.bResult, md.LockRowCorrespondAction(c.nEditIndex, c.nAction, c.nCount));
        EXPECT_EQ(c.szExpected, Column(md, "V"));
        EXPECT_GE(md.RowIDToRowIndex(md.m_nLockRowID, FALSE), 0) << "the locked row is still there";
    }
    CCappMDData md;
    FillLetters(md, "AB");
    EXPECT_FALSE(md.LockRowCorrespondAction(0, kIns, 1)) << "no row is locked";
    EXPECT_EQ("A B", Column(md, "V"));
}

TEST(CappMDDataTest, RowIdsAndFindRowIndex)
{
    CCappMDData md;
    FillMDData(md, {"K", "V"}, {{"k1", "a"}, {"k2", "b"}, {"k3", "b"}});
    EXPECT_EQ(2, md.RowIDToRowIndex(1, TRUE));
    EXPECT_EQ(1, md.RowIDToRowIndex(2, FALSE));
    EXPECT_EQ(-1, md.RowIDToRowIndex(9, FALSE));
    EXPECT_EQ(-1, md.RowIDToRowIndex(9, TRUE));
    EXPECT_EQ(1, md.FindRowIndex("V", "b"));
    EXPECT_EQ(-1, md.FindRowIndex("V", "c"));
    EXPECT_EQ(-1, md.FindRowIndex("W", "a")) << "unknown variable";
}

TEST(CappMDDataTest, PageBeginTable)
{
    CCappMDData md;
    int nRow = 0;
    int nOffset = 0;
    EXPECT_FALSE(md.GetPageBegDataRowIndex(1, nRow, nOffset));
    EXPECT_EQ(-1, nRow);
    EXPECT_EQ(0, md.GetPageByRowIndex(3)) << "empty table";
    EXPECT_FALSE(md.SetPageBegDataRowIndex(0, 0, 0)) << "pages count from 1";

    EXPECT_TRUE(md.SetPageBegDataRowIndex(3, 20, 0));
    EXPECT_EQ(3, md.GetPageBegDataRowIndexSize());
    EXPECT_TRUE(md.GetPageBegDataRowIndex(2, nRow, nOffset));
    EXPECT_EQ(-1, nRow) << "pages below are grown unset";
    EXPECT_EQ(-1, nOffset);
    md.SetPageBegDataRowIndex(1, 0, 0);
    md.SetPageBegDataRowIndex(2, 10, 0);

    const RowPageCase cases[] = {
        {"first row", 0, 1},
        {"inside page 2", 15, 2},
        {"beyond the last begin", 25, 3},
        {"negative row", -1, 0},
    };
    for (const RowPageCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nPage, md.GetPageByRowIndex(c.nRow));
    }

    md.SetPageBegDataRowIndexSize(5);
    EXPECT_EQ(3, md.GetPageBegDataRowIndexSize()) << "never grows";
    md.SetPageBegDataRowIndexSize(1);
    EXPECT_EQ(1, md.GetPageBegDataRowIndexSize());
    EXPECT_FALSE(md.GetPageBegDataRowIndex(2, nRow, nOffset));
}

TEST(CappMDDataTest, RowPageInfoGivesThePageOfTheRowsFirstLine)
{
    CCappMDData md;
    int nFirst = 9;
    int nSecond = 9;
    EXPECT_TRUE(md.GetRowPageInfo(4, nFirst, nSecond));
    EXPECT_EQ(0, nFirst);
    EXPECT_EQ(0, nSecond);

    // Page 1 rows 0..; page 2 continues row 3 (offset 2); page 3 begins at row 6.
    md.SetPageBegDataRowIndex(1, 0, 0);
    md.SetPageBegDataRowIndex(2, 3, 2);
    md.SetPageBegDataRowIndex(3, 6, 0);
    const RowPageCase cases[] = {
        {"row on page 1", 1, 1},       {"row begun on page 1, continued on page 2", 3, 1},
        {"row inside page 2", 5, 2},   {"first row of page 3", 6, 3},
        {"row past the table", 40, 3},
    };
    for (const RowPageCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_TRUE(md.GetRowPageInfo(c.nRow, nFirst, nSecond));
        EXPECT_EQ(c.nPage, nFirst);
        EXPECT_EQ(0, nSecond);
    }
}

TEST(CappMDDataTest, AssignmentCopiesRowsDeeplyButNotTheRunTimeState)
{
    CCappMDData src;
    src.m_strName = "表中";
    src.m_nID = 4;
    FillMDData(src, {"V"}, {{"a"}, {"b"}});
    src.DelRowData(0);
    src.SetPageBegDataRowIndex(1, 0, 0);
    src.m_nLockRowID = 2;
    src.m_bModify = TRUE;

    CCappMDData dst;
    FillLetters(dst, "CDE");
    EXPECT_EQ(1, dst = src);
    EXPECT_STREQ("表中", dst.m_strName);
    EXPECT_EQ(4, dst.m_nID);
    EXPECT_EQ("b", Column(dst, "V"));
    EXPECT_EQ(1, dst.m_listDeledRowData.GetCount());
    EXPECT_EQ(1, dst.m_listCardVar.GetCount());
    EXPECT_NE(src.GetRow(0), dst.GetRow(0));
    EXPECT_EQ(0, dst.GetPageBegDataRowIndexSize());
    EXPECT_EQ(0, dst.m_nLockRowID);
    EXPECT_FALSE(dst.m_bModify);

    src.GetVarDataItem(0, "V")->SetData("changed");
    EXPECT_EQ("b", Column(dst, "V"));
}

TEST(CappMDDataTest, EmptyRowsAndEmptyRowFlag)
{
    CCappMDData md;
    FillMDData(md, {"A", "B"}, {{"  ", ""}, {"", "x"}});
    EXPECT_TRUE(md.IsEmptyRow(0)) << "trailing blanks do not count";
    EXPECT_FALSE(md.IsEmptyRow(1));
    EXPECT_FALSE(md.IsEmptyRow(2)) << "no such row";

    CCappMidRow* pRow = md.GetRow(1);
    pRow->SetEmptyRow(0);
    EXPECT_EQ(CCappMidRow::stateUnchanged, pRow->m_nState);
    pRow->SetEmptyRow(1);
    EXPECT_EQ(CCappMidRow::stateModified, pRow->m_nState);
    pRow->EmptyRow();
    EXPECT_TRUE(md.IsEmptyRow(1));
}

} // namespace
