// The index-field dialog: the items it is given, the rows it adds, the checks on OK and the items
// it rebuilds in row order.
#include <gtest/gtest.h>

#include <vector>

#include "core/CellIndexItem.h"
#include "designer/detail/MidIndexDlg.h"
#include "designer/res/resource.h"
#include "tests/support/UiDriver.h"

namespace
{
struct ItemDef
{
    const char* szVar;
    int nStep;
    const char* szInit;
};

CString Items(const CObList& list)
{
    CString strItems;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        const CCellIndexItem* pItem = static_cast<const CCellIndexItem*>(list.GetNext(pos));
        strItems.AppendFormat("%d:%s,%d,%s;", pItem->m_nOrder, pItem->m_strVarName.GetString(), pItem->m_nStep,
                              pItem->m_strInitValue.GetString());
    }
    return strItems;
}

class MidIndexDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
        m_dlg.m_arrVarName.Add("工序号");
        m_dlg.m_arrVarName.Add("序号");
        CObList list;
        for (const ItemDef& d : {ItemDef{"工序号", 5, "10"}, ItemDef{"序号", 1, "1"}}) {
            CCellIndexItem* pItem = new CCellIndexItem;
            pItem->m_strVarName = d.szVar;
            pItem->m_nStep = d.nStep;
            pItem->m_strInitValue = d.szInit;
            pItem->m_nOrder = static_cast<int>(list.GetCount());
            list.AddTail(pItem);
        }
        m_dlg.SetIndexList(list);
        // The dialog keeps copies: the caller's items are its own to free.
        while (!list.IsEmpty()) {
            delete list.RemoveHead();
        }
    }

    CMidIndexDlg m_dlg;
    CTestUi m_ui;
};
} // namespace

TEST_F(MidIndexDlgTest, RowsAreShownEditedAndWrittenBackInRowOrder)
{
    struct EditCase
    {
        const char* szName;
        std::vector<int> buttons; // pressed with row 2 current
        const char* szStep;       // typed into the last row's step
        const char* szItems;
    };
    const EditCase cases[] = {
        {"unchanged", {}, nullptr, "0:工序号,5,10;1:序号,1,1;"},
        {"moved up: orders follow positions", {IDC_ROW_UP}, nullptr, "0:序号,1,1;1:工序号,5,10;"},
        {"step typed 3a is 3", {}, "3a", "0:工序号,5,10;1:序号,3,1;"},
        {"step typed a is 0", {}, "a", "0:工序号,5,10;1:序号,0,1;"},
        {"deleted", {IDC_ROW_DELETE}, nullptr, "0:工序号,5,10;"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CMidIndexDlg dlg;
        dlg.m_arrVarName.Copy(m_dlg.m_arrVarName);
        dlg.SetIndexList(m_dlg.m_listIndex);
        m_ui.OnDialog(IDD_MID_INDEX, [&](CTestDlg& d) {
            CDesignGrid& grid = dlg.m_grid;
            ASSERT_EQ(2u, grid.GetRowCount());
            EXPECT_STREQ("变量名", grid.GetCellValue(0, 1));
            EXPECT_STREQ("工序号", grid.GetCellValue(1, 1));
            EXPECT_STREQ("5", grid.GetCellValue(1, 2));
            EXPECT_STREQ("10", grid.GetCellValue(1, 3));
            ASSERT_TRUE(grid.SetCurrentCell(2, 1));
            for (int nID : c.buttons) {
                d.Click(nID);
            }
            if (c.szStep != nullptr) {
                grid.SetCellValue(grid.GetRowCount(), 2, c.szStep);
            }
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ(c.szItems, Items(dlg.m_listIndex));
    }
}

TEST_F(MidIndexDlgTest, EmptyCellsKeepTheDialogOpen)
{
    struct CheckCase
    {
        const char* szName;
        UINT nCol;
        const char* szBox;
    };
    const CheckCase cases[] = {
        {"new row without a name", 0, "字段名不能为空"},
        {"empty step", 2, "步长不能为空"},
        {"empty initial value", 3, "初始值不能为空"},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CMidIndexDlg dlg;
        dlg.m_arrVarName.Copy(m_dlg.m_arrVarName);
        dlg.SetIndexList(m_dlg.m_listIndex);
        m_ui.OnDialog(IDD_MID_INDEX, [&](CTestDlg& d) {
            CDesignGrid& grid = dlg.m_grid;
            if (c.nCol == 0) {
                d.Click(IDC_ROW_ADD);
                ASSERT_EQ(3u, grid.GetRowCount());
                CGkStyle style;
                ASSERT_TRUE(grid.GetCellStyle(3, 1, style));
                EXPECT_EQ(GK_CTRL_DROPLIST, style.GetControl());
                EXPECT_STREQ("工序号\n序号", style.GetChoiceList());
                EXPECT_STREQ("1", grid.GetCellValue(3, 2));
                EXPECT_STREQ("1", grid.GetCellValue(3, 3));
                EXPECT_TRUE(d.SavePicture("mid-index-dialog.png"));
            } else {
                grid.SetCellValue(2, c.nCol, "");
            }
            d.Ok();
            EXPECT_EQ(-1, dlg.GetModalResult());
            d.Cancel();
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        const std::vector<CString> boxes = m_ui.TakeBoxTexts();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_STREQ(c.szBox, boxes[0]);
        // Cancel leaves the items as they were given.
        EXPECT_STREQ("0:工序号,5,10;1:序号,1,1;", Items(dlg.m_listIndex));
    }
}
