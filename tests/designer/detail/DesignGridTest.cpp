// The design grid's row operations, its modified flag, its marks and the messages it sends to
// its notify window.
#include <gtest/gtest.h>

#include <vector>

#include "designer/detail/DesignGrid.h"
#include "tests/support/UiDriver.h"

namespace
{
// Records the grid's messages as the dialogs that host it receive them.
class CNotifyWnd : public CWnd
{
public:
    struct Msg
    {
        UINT nMessage;
        WPARAM nRow;
        LPARAM nCol;
        bool operator==(const Msg& other) const
        {
            return nMessage == other.nMessage && nRow == other.nRow && nCol == other.nCol;
        }
    };
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_DESIGNGRID_CELLMOVED && message <= WM_DESIGNGRID_CLICKED) {
            m_msgs.push_back({message, wParam, lParam});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<Msg> m_msgs;
};

class DesignGridTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
        ASSERT_TRUE(m_wndNotify.CreateEx(0, nullptr, "notify", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr));
        ASSERT_TRUE(m_grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 380, 260), &m_wndNotify, 100));
        m_grid.InitGrid();
        m_grid.SetupGrid();
        m_grid.SetColCount(3);
    }
    void TearDown() override
    {
        if (m_wndNotify.m_hWnd != nullptr) {
            m_wndNotify.DestroyWindow();
        }
    }

    // One row per letter, the letter in column 1.
    void FillRows(const char* pszRows)
    {
        m_grid.SetRowCount(0);
        for (const char* p = pszRows; *p != '\0'; ++p) {
            const UINT nRow = m_grid.AppendRow();
            const char szValue[2] = {*p, '\0'};
            m_grid.SetCellValue(nRow, 1, szValue);
        }
        m_grid.m_nModified = 0;
    }
    CString Rows() const
    {
        CString strRows;
        for (UINT nRow = 1; nRow <= m_grid.GetRowCount(); ++nRow) {
            strRows += m_grid.GetCellValue(nRow, 1);
        }
        return strRows;
    }
    void ClickCell(UINT nRow, UINT nCol)
    {
        CRect rc;
        ASSERT_TRUE(m_grid.GetCellRect(nRow, nCol, rc));
        const LPARAM lPoint = MAKELPARAM(rc.left + 3, rc.top + 3);
        m_grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        m_grid.SendMessage(WM_LBUTTONUP, 0, lPoint);
    }

    CNotifyWnd m_wndNotify;
    CDesignGrid m_grid;
};
} // namespace

TEST_F(DesignGridTest, RowOperations)
{
    enum Op { opDelete, opUp, opDown, opAppend };
    struct RowCase
    {
        const char* szName;
        const char* szRows;
        UINT nCurRow; // 0: no current cell
        UINT nSelTop; // 0: no selection
        UINT nSelBottom;
        Op op;
        UINT nArg; // the row given to DeleteRow
        BOOL bResult;
        const char* szAfter;
    };
    const RowCase cases[] = {
        {"delete a named row", "abcd", 1, 0, 0, opDelete, 3, TRUE, "abd"},
        {"delete 0 takes the current row", "abcd", 2, 0, 0, opDelete, 0, TRUE, "acd"},
        {"delete out of range takes the current row", "abcd", 4, 0, 0, opDelete, 9, TRUE, "abc"},
        {"delete takes the selected rows", "abcde", 1, 2, 4, opDelete, 0, TRUE, "ae"},
        {"delete of a single-row selection", "abc", 3, 2, 2, opDelete, 0, TRUE, "ac"},
        {"delete with nothing to take", "", 0, 0, 0, opDelete, 0, FALSE, ""},
        {"up moves the current row", "abc", 3, 0, 0, opUp, 0, TRUE, "acb"},
        {"up on row 1 does nothing", "abc", 1, 0, 0, opUp, 0, FALSE, "abc"},
        {"up without a current row does nothing", "abc", 0, 0, 0, opUp, 0, FALSE, "abc"},
        {"down moves the current row", "abc", 1, 0, 0, opDown, 0, TRUE, "bac"},
        {"down on the last row does nothing", "abc", 3, 0, 0, opDown, 0, FALSE, "abc"},
        {"append adds after the last", "ab", 1, 0, 0, opAppend, 0, TRUE, "ab"},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FillRows(c.szRows);
        m_grid.ClearSelection();
        if (c.nCurRow > 0) {
            ASSERT_TRUE(m_grid.SetCurrentCell(c.nCurRow, 1));
        }
        if (c.nSelTop > 0) {
            ASSERT_TRUE(m_grid.SelectRange(CGkRange(c.nSelTop, 1, c.nSelBottom, 3)));
        }
        const UINT nRowsBefore = m_grid.GetRowCount();
        BOOL bResult = FALSE;
        switch (c.op) {
        case opDelete:
            bResult = m_grid.DeleteRow(c.nArg);
            break;
        case opUp:
            bResult = m_grid.MoveUpRow();
            break;
        case opDown:
            bResult = m_grid.MoveDownRow();
            break;
        case opAppend:
            bResult = m_grid.AppendRow() == nRowsBefore + 1;
            EXPECT_EQ(nRowsBefore + 1, m_grid.GetRowCount());
            break;
        }
        EXPECT_EQ(c.bResult, bResult);
        EXPECT_STREQ(c.szAfter, Rows());
        if (c.bResult) {
            EXPECT_EQ(1, m_grid.m_nModified);
        }
    }
}

TEST_F(DesignGridTest, MovedRowKeepsBeingCurrent)
{
    FillRows("abc");
    ASSERT_TRUE(m_grid.SetCurrentCell(3, 1));
    ASSERT_TRUE(m_grid.MoveUpRow());
    ASSERT_TRUE(m_grid.MoveUpRow());
    EXPECT_STREQ("cab", Rows());
    EXPECT_FALSE(m_grid.MoveUpRow());
}

TEST_F(DesignGridTest, ClickFlipsTheMarkAndTellsTheNotifyWindow)
{
    FillRows("ab");
    m_grid.SetMark(1, 3, FALSE);
    m_grid.SetMark(2, 3, TRUE);
    m_grid.m_pNotifyWnd = &m_wndNotify;
    m_wndNotify.m_msgs.clear();

    ClickCell(1, 3);
    EXPECT_TRUE(m_grid.IsMarkChecked(1, 3));
    EXPECT_EQ(DESIGNGRID_MARK_ON, m_grid.GetCellControl(1, 3));
    EXPECT_EQ(1, m_grid.m_nModified);
    ClickCell(2, 3);
    EXPECT_FALSE(m_grid.IsMarkChecked(2, 3));
    // A plain cell is not changed by a click.
    ClickCell(1, 1);
    EXPECT_STREQ("a", m_grid.GetCellValue(1, 1));
    EXPECT_NE(DESIGNGRID_MARK_ON, m_grid.GetCellControl(1, 1));

    const std::vector<CNotifyWnd::Msg> expected = {
        {WM_DESIGNGRID_CELLMOVED, 1, 3}, {WM_DESIGNGRID_CLICKED, 1, 3},   {WM_DESIGNGRID_CELLMOVED, 2, 3},
        {WM_DESIGNGRID_CLICKED, 2, 3},   {WM_DESIGNGRID_CELLMOVED, 1, 1}, {WM_DESIGNGRID_CLICKED, 1, 1},
    };
    EXPECT_EQ(expected, m_wndNotify.m_msgs);
}

TEST_F(DesignGridTest, ModifiedCellSetsTheFlagBeforeTellingTheNotifyWindow)
{
    FillRows("a");
    CGkStyle style;
    m_grid.ApplyStyle(CGkRange(1, 2), style.SetControl(GK_CTRL_CHECK));
    m_grid.m_pNotifyWnd = &m_wndNotify;
    m_wndNotify.m_msgs.clear();
    ASSERT_TRUE(m_grid.ToggleCheck(1, 2));
    EXPECT_EQ(1, m_grid.m_nModified);
    EXPECT_TRUE(m_grid.IsModified());
    const std::vector<CNotifyWnd::Msg> expected = {{WM_DESIGNGRID_MODIFIED, 1, 2}};
    EXPECT_EQ(expected, m_wndNotify.m_msgs);

    // Without a notify window nothing is sent, and the flag is still kept.
    m_grid.m_pNotifyWnd = nullptr;
    m_grid.m_nModified = 0;
    m_wndNotify.m_msgs.clear();
    ASSERT_TRUE(m_grid.ToggleCheck(1, 2));
    EXPECT_EQ(1, m_grid.m_nModified);
    EXPECT_TRUE(m_wndNotify.m_msgs.empty());
}

TEST_F(DesignGridTest, SetupRegistersTheMarksAndTheStandardFont)
{
    EXPECT_EQ(20, m_grid.GetDefaultRowHeight());
    EXPECT_STREQ("宋体", m_grid.GetStandardStyle().GetFontFace());
    EXPECT_EQ(9, m_grid.GetStandardStyle().GetFontSize());
    // Each mark's bitmap is in the resources: registering fails without it.
    const struct
    {
        WORD nControl;
        UINT nIDBitmap;
    } marks[] = {
        {DESIGNGRID_MARK_OFF, 157}, {DESIGNGRID_MARK_ON, 155}, {DESIGNGRID_BITMAP, 2}, {DESIGNGRID_BITMAP2, 158}};
    for (const auto& m : marks) {
        SCOPED_TRACE(m.nIDBitmap);
        EXPECT_TRUE(m_grid.RegisterBitmapControl(m.nControl, m.nIDBitmap));
    }
    EXPECT_FALSE(m_grid.RegisterBitmapControl(0xF0FF, 4321));
}
