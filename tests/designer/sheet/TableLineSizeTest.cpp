// The cell-size command on the range between H4, V2, H3b and V1 (width 400, height 100): the
// dialog's limits come from the move limits of the right and bottom lines; the chosen edges move,
// each move one undo step.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/CappLine.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/res/resource.h"
#include "tests/designer/sheet/TableLineTestSheet.h"
#include "tests/support/UiDriver.h"

TEST_F(CTableLineToolTest, CellSizeMovesTheChosenEdgesWithinTheirLimits)
{
    using namespace line_sheet;
    struct SizeCase
    {
        const char* szName;
        const char* pszWidth;
        const char* pszHeight;
        BOOL bMoveLeft;                   // untick "移动右边"
        BOOL bMoveTop;                    // untick "移动下边"
        const char* pszRefusal;           // null: accepted
        int nLeft, nTop, nRight, nBottom; // positions after
        int nUndoSteps;
    };
    const SizeCase cases[] = {
        {"move the right edge", "450", "100", FALSE, FALSE, nullptr, 300, 300, 750, 400, 1},
        {"move the left edge", "450", "100", TRUE, FALSE, nullptr, 250, 300, 700, 400, 1},
        {"move the bottom edge", "400", "150", FALSE, FALSE, nullptr, 300, 300, 700, 450, 1},
        {"move the top edge and the right edge", "480", "150", FALSE, TRUE, nullptr, 300, 250, 780, 400, 2},
        {"width past the right line's band is refused", "596", "100", FALSE, FALSE, "宽度大小超出范围, 1~595!", 300,
         300, 700, 400, 0},
        {"height past the bottom line's band is refused", "400", "396", FALSE, FALSE, "高度大小超出范围, 1~395!", 300,
         300, 700, 400, 0},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ResetTool();
        EXPECT_FALSE(Update(ID_SHEET_CELL_SIZE).m_bEnabled) << "nothing selected";
        Hover(500, 350);
        Press(500, 350);
        Release(500, 350);
        ASSERT_TRUE(Update(ID_SHEET_CELL_SIZE).m_bEnabled);
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        const Bytes before = GridBytes();
        const int nUndoIndex = m_pSheet->m_DefUndo.GetCurIndex();

        CTestUi ui;
        ui.OnDialog(IDD_SET_CELL_SIZE, [&](CTestDlg& d) {
            EXPECT_EQ(CString("400"), d.GetText(IDC_CELL_SIZE_WIDTH));
            EXPECT_EQ(CString("100"), d.GetText(IDC_CELL_SIZE_HEIGHT));
            EXPECT_TRUE(d.IsChecked(IDC_CELL_SIZE_MOVE_RIGHT));
            EXPECT_TRUE(d.IsChecked(IDC_CELL_SIZE_MOVE_BOTTOM));
            d.SetText(IDC_CELL_SIZE_WIDTH, c.pszWidth);
            d.SetText(IDC_CELL_SIZE_HEIGHT, c.pszHeight);
            if (c.bMoveLeft) {
                d.Click(IDC_CELL_SIZE_MOVE_RIGHT);
            }
            if (c.bMoveTop) {
                d.Click(IDC_CELL_SIZE_MOVE_BOTTOM);
            }
            d.Ok();
            if (c.pszRefusal != nullptr) {
                EXPECT_TRUE(::IsWindow(d.GetHwnd()));
                d.Cancel();
            }
        });
        Command(ID_SHEET_CELL_SIZE);
        EXPECT_EQ(1, ui.GetDialogsOpened());
        if (c.pszRefusal != nullptr) {
            ASSERT_EQ(1u, ui.GetBoxes().size());
            EXPECT_EQ(CString(c.pszRefusal), ui.GetBoxes()[0].strText);
        } else {
            EXPECT_TRUE(ui.GetBoxes().empty());
        }
        EXPECT_EQ(c.nLeft, Line(keyV1)->m_nPos);
        EXPECT_EQ(c.nTop, Line(keyH4)->m_nPos);
        EXPECT_EQ(c.nRight, Line(keyV2)->m_nPos);
        EXPECT_EQ(c.nBottom, Line(keyH3b)->m_nPos);
        EXPECT_EQ(nUndoIndex + c.nUndoSteps, m_pSheet->m_DefUndo.GetCurIndex());
        EXPECT_EQ(c.nUndoSteps > 0 ? CCappSheetDefView::saveStateChanged : CCappSheetDefView::saveStateSaved,
                  m_pView->GetSaveState());
        if (c.nUndoSteps > 0) {
            EXPECT_EQ(c.nRight - c.nLeft, m_pView->m_rangeSel.m_rect.Width()) << "the selection follows its lines";
        }
        for (int i = 0; i < c.nUndoSteps; ++i) {
            Command(ID_SHEET_UNDO);
        }
        EXPECT_EQ(before, GridBytes());
    }
}
