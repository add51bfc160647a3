// The split dialog on a 1000-wide, 600-high area: exact and equal lengths, and every syntax error
// refused with "语法错误!" while the dialog keeps the typed text.
#include <gtest/gtest.h>

#include <vector>

#include "designer/cells/SplitCellDlg.h"
#include "designer/res/resource.h"
#include "tests/support/UiDriver.h"

namespace
{
std::vector<UINT> Values(const CUIntArray& arr)
{
    std::vector<UINT> values;
    for (int i = 0; i < arr.GetSize(); ++i) {
        values.push_back(arr.GetAt(i));
    }
    return values;
}
} // namespace

TEST(SplitCellDlgTest, ColumnTextsGiveWidthsOrAreRefused)
{
    struct SplitCase
    {
        const char* szName;
        const char* szCols;
        bool bEqual;
        bool bValid;
        std::vector<UINT> widths;
    };
    const SplitCase cases[] = {
        {"count times length, then one", "3*60,80", false, true, {60, 60, 60, 80}},
        {"blanks around the star", "3 * 60,80", false, true, {60, 60, 60, 80}},
        {"a final comma is ignored", "60,80,", false, true, {60, 80}},
        {"blanks around the whole text are trimmed", " 60,80 ", false, true, {60, 80}},
        {"empty: no column lines", "", false, true, {}},
        {"equal 3 over 1000: the last part takes the rest", "3", true, true, {333, 333}},
        {"equal 1: no lines", "1", true, true, {}},
        {"lengths past the width split nothing and are left out", "600,300,200,50", false, true, {600, 300, 200}},
        {"a huge count stops at the width", "999999999*1", false, true, std::vector<UINT>(1000, 1u)},
        {"more equal parts than units: no lines", "999999999", true, true, {}},
        {"a blank after the comma", "60, 80", false, false, {}},
        {"an empty item", "60,,80", false, false, {}},
        {"zero", "0", false, false, {}},
        {"no length after the star", "3*", false, false, {}},
        {"no count before the star", "*60", false, false, {}},
        {"a leading zero", "060", false, false, {}},
        {"a plus sign", "+5", false, false, {}},
        {"a decimal point", "5.0", false, false, {}},
        {"equal needs one number", "3*2", true, false, {}},
        {"a lone comma", ",", false, false, {}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        ui.OnDialog(IDD_SPLIT_CELL, [&](CTestDlg& d) {
            EXPECT_EQ("拆分单元格", d.GetCaption());
            EXPECT_TRUE(d.IsChecked(IDC_SPLIT_COLS_EQUAL));
            EXPECT_TRUE(d.IsChecked(IDC_SPLIT_ROWS_EQUAL));
            if (!c.bEqual) {
                d.Click(IDC_SPLIT_COLS_EQUAL);
                EXPECT_FALSE(d.IsEnabled(IDC_SPLIT_COLS_EQUAL_LABEL));
            }
            d.SetText(IDC_SPLIT_COLS, c.szCols);
            if (&c == &cases[0]) {
                EXPECT_TRUE(d.SavePicture("split-cell-dialog.png"));
            }
            d.Ok();
            if (c.bValid) {
                EXPECT_EQ(IDOK, d.GetDialog()->GetModalResult());
                return;
            }
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult()) << "kept open";
            EXPECT_EQ(std::vector<CString>{"语法错误!"}, ui.TakeBoxTexts());
            EXPECT_EQ(c.szCols, d.GetText(IDC_SPLIT_COLS));
            d.Cancel();
        });
        CSplitCellDlg dlg;
        dlg.m_nLeft = 100;
        dlg.m_nRight = 1100;
        dlg.m_nTop = 0;
        dlg.m_nBottom = 600;
        const INT_PTR nResult = dlg.DoModal();
        EXPECT_EQ(c.bValid ? IDOK : IDCANCEL, nResult);
        if (c.bValid) {
            EXPECT_EQ(c.widths, Values(dlg.m_arrColWidths));
            EXPECT_TRUE(Values(dlg.m_arrRowHeights).empty());
        }
    }
}

TEST(SplitCellDlgTest, RowsAndDisabledDirections)
{
    CTestUi ui;
    ui.OnDialog(IDD_SPLIT_CELL, [&](CTestDlg& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_SPLIT_COLS));
        EXPECT_FALSE(d.IsEnabled(IDC_SPLIT_COLS_EQUAL));
        EXPECT_TRUE(d.IsEnabled(IDC_SPLIT_ROWS));
        // A click on the label toggles its check.
        ::SendMessageA(d.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_SPLIT_ROWS_EQUAL_LABEL, STN_CLICKED),
                       reinterpret_cast<LPARAM>(d.Item(IDC_SPLIT_ROWS_EQUAL_LABEL)));
        EXPECT_FALSE(d.IsChecked(IDC_SPLIT_ROWS_EQUAL));
        d.SetText(IDC_SPLIT_ROWS, "2*100,50");
        d.Ok();
    });
    CSplitCellDlg dlg;
    dlg.m_nRight = 1000;
    dlg.m_nBottom = 600;
    dlg.m_bColsEnabled = 0;
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<UINT>{100, 100, 50}), Values(dlg.m_arrRowHeights));
    EXPECT_TRUE(Values(dlg.m_arrColWidths).empty());
}
