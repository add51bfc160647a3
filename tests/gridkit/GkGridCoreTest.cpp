#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gridkit/GkGridCore.h"

namespace
{
// A grid of rows and columns with a value in every cell ("r1c2") and a user attribute on each
// row heading, so any shift of rows shows in the values.
class CTestCore : public CGkGridCore
{
public:
    CTestCore(UINT nRows, UINT nCols)
    {
        SetRowCount(nRows);
        SetColCount(nCols);
        for (UINT nRow = 1; nRow <= nRows; nRow++) {
            for (UINT nCol = 1; nCol <= nCols; nCol++) {
                CString str;
                str.Format("r%uc%u", nRow, nCol);
                SetCellValue(nRow, nCol, str);
            }
            CString strMark;
            strMark.Format("%u", nRow);
            CGkStyle style;
            style.SetUserAttribute(7, strMark);
            ApplyStyle(CGkRange(nRow, 0), style);
        }
    }

    // The first column's values, top to bottom, as one text.
    std::string Column1() const
    {
        std::string str;
        for (UINT nRow = 1; nRow <= GetRowCount(); nRow++) {
            str += std::string(GetCellValue(nRow, 1)) + " ";
        }
        return str;
    }

    std::vector<std::string> m_notices;

protected:
    void OnCurrentCellMoved(UINT nRow, UINT nCol) override { m_notices.push_back(Say("move", nRow, nCol)); }

    static std::string Say(const char* psz, UINT nRow, UINT nCol)
    {
        return std::string(psz) + " " + std::to_string(nRow) + "," + std::to_string(nCol);
    }
};
} // namespace

TEST(GkGridCoreTest, CountsLeaveTheHeadingsOut)
{
    CGkGridCore core;
    EXPECT_EQ(0u, core.GetRowCount());
    EXPECT_EQ(0u, core.GetColCount());
    EXPECT_TRUE(core.SetRowCount(3));
    EXPECT_TRUE(core.SetColCount(2));
    EXPECT_EQ(3u, core.GetRowCount());
    EXPECT_EQ(2u, core.GetColCount());
    // Headings are cells too: row 0 and column 0 take values.
    EXPECT_TRUE(core.SetCellValue(0, 2, "值"));
    EXPECT_TRUE(core.SetCellValue(3, 0, "行"));
    EXPECT_STREQ("值", core.GetCellValue(0, 2));
    EXPECT_STREQ("行", core.GetCellValue(3, 0));
    EXPECT_TRUE(core.SetRowCount(1));
    EXPECT_EQ(1u, core.GetRowCount());
    EXPECT_STREQ("值", core.GetCellValue(0, 2));
}

TEST(GkGridCoreTest, RowOperationsCarryValuesAndStylesWithTheirRows)
{
    struct RowCase
    {
        const char* szName;
        int nOp; // 0 insert, 1 remove, 2 move
        UINT nA, nB, nC;
        const char* szColumn1;
        UINT nMarkRow; // the row whose heading holds attribute "2" afterwards
    };
    const RowCase cases[] = {
        {"insert two before row 2", 0, 2, 2, 0, "r1c1   r2c1 r3c1 r4c1 ", 4},
        {"append after the last", 0, 5, 1, 0, "r1c1 r2c1 r3c1 r4c1  ", 2},
        {"remove rows 2 and 3", 1, 2, 3, 0, "r1c1 r4c1 ", 0},
        {"move row 2 down one", 2, 2, 2, 3, "r1c1 r3c1 r2c1 r4c1 ", 3},
        {"move row 4 up to the top", 2, 4, 4, 1, "r4c1 r1c1 r2c1 r3c1 ", 3},
        {"move a block of two down", 2, 1, 2, 3, "r3c1 r4c1 r1c1 r2c1 ", 4},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestCore core(4, 2);
        CGkStyle red;
        red.SetInterior(RGB(255, 0, 0));
        ASSERT_TRUE(core.ApplyStyle(CGkRange(2, 2), red));
        BOOL bDone = FALSE;
        if (c.nOp == 0) {
            bDone = core.InsertRows(c.nA, c.nB);
        } else if (c.nOp == 1) {
            bDone = core.RemoveRows(c.nA, c.nB);
        } else {
            bDone = core.MoveRows(c.nA, c.nB, c.nC);
        }
        ASSERT_TRUE(bDone);
        EXPECT_EQ(c.szColumn1, core.Column1());
        for (UINT nRow = 1; nRow <= core.GetRowCount(); nRow++) {
            CString strMark;
            CGkStyle style;
            core.GetCellStyle(nRow, 0, style);
            style.GetUserAttribute(7, strMark);
            core.GetCellStyle(nRow, 2, style);
            // The red interior and the heading's attribute both stay with the row of "r2c1".
            const bool bRowOfTwo = core.GetCellValue(nRow, 1) == "r2c1";
            EXPECT_EQ(bRowOfTwo, style.GetInterior() == RGB(255, 0, 0)) << "row " << nRow;
            EXPECT_EQ(bRowOfTwo, strMark == "2") << "row " << nRow;
            EXPECT_EQ(bRowOfTwo, nRow == c.nMarkRow) << "row " << nRow;
        }
    }
}

TEST(GkGridCoreTest, OutsideTheGridIsRefusedAndNothingChanges)
{
    struct BadCase
    {
        const char* szName;
        BOOL (*pfn)(CGkGridCore& core);
    };
    const BadCase cases[] = {
        {"style past the last row", [](CGkGridCore& g) { return g.ApplyStyle(CGkRange(3, 1, 5, 1), CGkStyle()); }},
        {"style past the last column", [](CGkGridCore& g) { return g.ApplyStyle(CGkRange(1, 1, 1, 3), CGkStyle()); }},
        {"style range upside down", [](CGkGridCore& g) { return g.ApplyStyle(CGkRange(3, 1, 1, 1), CGkStyle()); }},
        {"value past the last row", [](CGkGridCore& g) { return g.SetCellValue(5, 1, "x"); }},
        {"value at a huge row", [](CGkGridCore& g) { return g.SetCellValue(0xFFFFFFFF, 1, "x"); }},
        {"insert beyond the end", [](CGkGridCore& g) { return g.InsertRows(6, 1); }},
        {"insert before the headings", [](CGkGridCore& g) { return g.InsertRows(0, 1); }},
        {"remove the heading row", [](CGkGridCore& g) { return g.RemoveRows(0, 1); }},
        {"remove past the last row", [](CGkGridCore& g) { return g.RemoveRows(3, 5); }},
        {"move past the last row", [](CGkGridCore& g) { return g.MoveRows(3, 4, 4); }},
        {"move from beyond", [](CGkGridCore& g) { return g.MoveRows(5, 5, 1); }},
        {"remove a missing column", [](CGkGridCore& g) { return g.RemoveCols(2, 3); }},
        {"height of a missing row", [](CGkGridCore& g) { return g.SetRowHeight(5, 30); }},
        {"width of a missing column", [](CGkGridCore& g) { return g.SetColWidth(3, 30); }},
        {"current cell on a heading", [](CGkGridCore& g) { return g.SetCurrentCell(0, 1); }},
        {"current cell past the end", [](CGkGridCore& g) { return g.SetCurrentCell(5, 1); }},
        {"select past the end", [](CGkGridCore& g) { return g.SelectRange(CGkRange(1, 1, 5, 2)); }},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestCore core(4, 2);
        const std::string strBefore = core.Column1();
        EXPECT_FALSE(c.pfn(core));
        EXPECT_EQ(4u, core.GetRowCount());
        EXPECT_EQ(2u, core.GetColCount());
        EXPECT_EQ(strBefore, core.Column1());
        EXPECT_TRUE(core.m_notices.empty());
    }
}

TEST(GkGridCoreTest, StylesComposeStandardThenHeadingsThenCell)
{
    CGkGridCore core;
    core.SetRowCount(3);
    core.SetColCount(3);
    core.GetStandardStyle().SetFontFace("黑体");
    core.GetHeaderStyle().SetFontWeight(FW_BOLD).SetTextColor(RGB(255, 0, 0));
    CGkStyle choices;
    choices.SetControl(GK_CTRL_DROPLIST).SetChoiceList("甲\n乙").SetInterior(RGB(0, 255, 0));
    ASSERT_TRUE(core.ApplyStyle(CGkRange(1, 1, 2, 2), choices));
    CGkStyle readOnly;
    readOnly.SetReadOnly(TRUE).SetValue("甲");
    ASSERT_TRUE(core.ApplyStyle(CGkRange(2, 2), readOnly));

    CGkStyle style;
    ASSERT_TRUE(core.GetCellStyle(2, 2, style));
    EXPECT_EQ(GK_CTRL_DROPLIST, style.GetControl());
    EXPECT_STREQ("甲\n乙", style.GetChoiceList());
    EXPECT_EQ(RGB(0, 255, 0), style.GetInterior());
    EXPECT_TRUE(style.GetReadOnly());
    EXPECT_STREQ("甲", style.GetValue());
    EXPECT_STREQ("黑体", style.GetFontFace());
    EXPECT_EQ(FW_NORMAL, style.GetFontWeight());

    ASSERT_TRUE(core.GetCellStyle(3, 3, style));
    EXPECT_EQ(GK_CTRL_EDIT, style.GetControl());
    EXPECT_FALSE(style.GetReadOnly());
    EXPECT_EQ(9, style.GetFontSize());

    ASSERT_TRUE(core.GetCellStyle(0, 1, style));
    EXPECT_EQ(GK_CTRL_STATIC, style.GetControl());
    EXPECT_EQ(FW_BOLD, style.GetFontWeight());
    EXPECT_EQ(RGB(255, 0, 0), style.GetTextColor());
    EXPECT_STREQ("黑体", style.GetFontFace());
    EXPECT_FALSE(core.GetCellStyle(4, 1, style));
}

TEST(GkGridCoreTest, CurrentCellFollowsItsRow)
{
    CTestCore core(5, 2);
    ASSERT_TRUE(core.SetCurrentCell(2, 2));
    ASSERT_TRUE(core.SetCurrentCell(2, 2)); // no move, no notice
    EXPECT_EQ(std::vector<std::string>{"move 2,2"}, core.m_notices);
    UINT nRow = 0;
    UINT nCol = 0;

    core.MoveRows(2, 2, 3);
    core.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(3u, nRow);
    core.InsertRows(1, 2);
    core.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(5u, nRow);
    EXPECT_STREQ("r2c1", core.GetCellValue(nRow, 1));
    core.MoveRows(1, 2, 6);
    core.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(3u, nRow);
    EXPECT_STREQ("r2c1", core.GetCellValue(nRow, 1));

    // Removing the current row leaves the current cell on the row that takes its place, or on
    // the new last row.
    core.RemoveRows(3, 3);
    core.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(3u, nRow);
    core.RemoveRows(2, core.GetRowCount());
    core.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(1u, nRow);
    core.RemoveRows(1, 1);
    EXPECT_FALSE(core.GetCurrentCell(nRow, nCol));
    // Structural changes move the cell without telling: only moves by the user or the caller do.
    EXPECT_EQ(1u, core.m_notices.size());
}

TEST(GkGridCoreTest, ColumnsInsertAndRemoveWithTheirCells)
{
    CTestCore core(2, 3);
    ASSERT_TRUE(core.InsertCols(2, 2));
    EXPECT_EQ(5u, core.GetColCount());
    EXPECT_STREQ("r1c1", core.GetCellValue(1, 1));
    EXPECT_STREQ("", core.GetCellValue(1, 2));
    EXPECT_STREQ("r1c2", core.GetCellValue(1, 4));
    EXPECT_TRUE(core.SetCellValue(2, 5, "末"));
    ASSERT_TRUE(core.RemoveCols(1, 3));
    EXPECT_EQ(2u, core.GetColCount());
    EXPECT_STREQ("r1c2", core.GetCellValue(1, 1));
    EXPECT_STREQ("末", core.GetCellValue(2, 2));
    ASSERT_TRUE(core.SetColWidth(0, 20));
    EXPECT_EQ(20, core.GetColWidth(0));
    core.SetDefaultRowHeight(24);
    ASSERT_TRUE(core.SetRowHeight(2, 40));
    EXPECT_EQ(24, core.GetRowHeight(1));
    EXPECT_EQ(40, core.GetRowHeight(2));
}
