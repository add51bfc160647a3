// The delete-control, cell-size and image-variable dialogs driven as the cell commands use them.
#include <gtest/gtest.h>

#include "core/CappCell.h"
#include "core/CappFreeRect.h"
#include "designer/cells/DelControlDlg.h"
#include "designer/freeobj/ImageVarFieldDlg.h"
#include "designer/cells/SetCellSizeDlg.h"
#include "designer/res/resource.h"
#include "tests/support/UiDriver.h"

TEST(DelControlDlgTest, ChoiceGivesTheCode)
{
    struct DelCase
    {
        const char* szName;
        int nClick; // 0: leave the default
        int nCode;
    };
    const DelCase cases[] = {
        {"default: everything", 0, 100},
        {"static texts", IDC_DEL_STATIC, 1},
        {"fields", IDC_DEL_FIELDS, 2},
    };
    for (const DelCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        ui.OnDialog(IDD_DEL_CONTROL, [&](CTestDlg& d) {
            EXPECT_EQ("删除控制", d.GetCaption());
            EXPECT_TRUE(d.IsChecked(IDC_DEL_ALL));
            if (c.nClick != 0) {
                d.Click(c.nClick);
            } else {
                EXPECT_TRUE(d.SavePicture("delete-control-dialog.png"));
            }
            d.Ok();
        });
        CDelControlDlg dlg;
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.nCode, dlg.m_nCode);
    }
}

TEST(SetCellSizeDlgTest, SizesOutsideTheLimitsAreRefused)
{
    struct SizeCase
    {
        const char* szName;
        const char* szHeight;
        const char* szWidth;
        const char* szBox; // nullptr: accepted
    };
    const SizeCase cases[] = {
        {"the largest height and smallest width are accepted", "300", "50", nullptr},
        {"height too large", "301", "100", "高度大小超出范围, 20~300!"},
        {"width too small", "100", "49", "宽度大小超出范围, 50~900!"},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        ui.OnDialog(IDD_SET_CELL_SIZE, [&](CTestDlg& d) {
            EXPECT_EQ("设置 Cell 大小", d.GetCaption());
            EXPECT_EQ("80", d.GetText(IDC_CELL_SIZE_HEIGHT));
            EXPECT_FALSE(d.IsEnabled(IDC_CELL_SIZE_MOVE_RIGHT));
            d.Click(IDC_CELL_SIZE_MOVE_BOTTOM);
            d.SetText(IDC_CELL_SIZE_HEIGHT, c.szHeight);
            d.SetText(IDC_CELL_SIZE_WIDTH, c.szWidth);
            if (&c == &cases[0]) {
                EXPECT_TRUE(d.SavePicture("cell-size-dialog.png"));
            }
            d.Ok();
            if (c.szBox == nullptr) {
                return;
            }
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
            ASSERT_EQ(1u, ui.GetBoxes().size());
            EXPECT_EQ(c.szBox, ui.GetBoxes()[0].strText);
            EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION), ui.GetBoxes()[0].nType & MB_ICONMASK);
            EXPECT_EQ(c.szHeight, d.GetText(IDC_CELL_SIZE_HEIGHT));
            d.Cancel();
        });
        CSetCellSizeDlg dlg;
        dlg.m_nHeight = 80;
        dlg.m_nWidth = 200;
        dlg.m_nMinHeight = 20;
        dlg.m_nMaxHeight = 300;
        dlg.m_nMinWidth = 50;
        dlg.m_nMaxWidth = 900;
        dlg.m_bMoveRightEnabled = 0;
        const INT_PTR nResult = dlg.DoModal();
        if (c.szBox == nullptr) {
            ASSERT_EQ(IDOK, nResult);
            EXPECT_EQ(300, dlg.m_nHeight);
            EXPECT_EQ(50, dlg.m_nWidth);
            EXPECT_EQ(0, dlg.m_bMoveBottom);
            EXPECT_EQ(1, dlg.m_bMoveRight);
        } else {
            EXPECT_EQ(IDCANCEL, nResult);
        }
    }
    EXPECT_EQ(static_cast<UINT>(IDB_CELL_SIZE_BOTH), CSetCellSizeDlg::PictureFor(TRUE, TRUE));
    EXPECT_EQ(static_cast<UINT>(IDB_CELL_SIZE_RIGHT), CSetCellSizeDlg::PictureFor(TRUE, FALSE));
    EXPECT_EQ(static_cast<UINT>(IDB_CELL_SIZE_BOTTOM), CSetCellSizeDlg::PictureFor(FALSE, TRUE));
    EXPECT_EQ(static_cast<UINT>(IDB_CELL_SIZE_NONE), CSetCellSizeDlg::PictureFor(FALSE, FALSE));
}

TEST(ImageVarFieldDlgTest, CellRoundTripAndFrameText)
{
    CCappCell cell;
    cell.m_strVarName = "图片";
    cell.m_nTextFormat = 0x01;
    cell.m_nDataPos = CCappCell::seatPage;
    CCappFreeRect frame;
    CTestUi ui;
    ui.OnDialog(IDD_IMAGE_VAR, [&](CTestDlg& d) {
        EXPECT_EQ("设置 ImageVar 字段的属性", d.GetCaption());
        EXPECT_EQ("图片", d.GetText(IDC_IMAGE_VAR_NAME));
        EXPECT_TRUE(d.IsChecked(IDC_IMAGE_VAR_PAGE));
        EXPECT_TRUE(d.IsChecked(IDC_IMAGE_VAR_AUTO));
        EXPECT_TRUE(d.IsChecked(IDC_IMAGE_VAR_TILE));
        EXPECT_NE(0, ::GetWindowLongA(d.Item(IDC_IMAGE_VAR_FRAME), GWL_STYLE) & WS_VISIBLE) << "shown with a frame";
        d.SetText(IDC_IMAGE_VAR_NAME, "零件图");
        d.Click(IDC_IMAGE_VAR_PAGE);
        d.Click(IDC_IMAGE_VAR_AUTO);
        d.Click(IDC_IMAGE_VAR_KEEP_RATIO);
        EXPECT_TRUE(d.SavePicture("image-var-dialog.png"));
        d.Ok();
    });
    CImageVarFieldDlg dlg;
    dlg.m_pFrameObj = &frame;
    dlg.LoadFromCell(cell);
    ASSERT_EQ(IDOK, dlg.DoModal());
    dlg.SaveToCell(cell);
    EXPECT_STREQ("零件图", cell.m_strVarName.GetString());
    EXPECT_EQ(0x02, cell.m_nTextFormat);
    EXPECT_EQ(CCappCell::seatHead, cell.m_nDataPos) << "page dependence cleared";
    EXPECT_EQ(CCappCell::kindImage, cell.m_nContentKind);
    EXPECT_EQ(2, cell.m_nDataType);
    EXPECT_STREQ("Image [零件图]", frame.m_strText.GetString());
}
