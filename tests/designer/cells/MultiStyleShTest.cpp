// The multi-cell style sheet: one cell's style shown and kept, then applied to several cells
// without touching their texts, variables or display flags.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "core/CappCell.h"
#include "designer/cells/MultiStyleSh.h"
#include "designer/res/resource.h"
#include "tests/support/DrivenSheet.h"
#include "tests/support/UiDriver.h"

namespace
{
class CDrivenMultiSheet : public CTestDrivenSheet<CMultiStyleSh, CDrivenMultiSheet>
{
public:
    explicit CDrivenMultiSheet(Drive fnDrive) : CTestDrivenSheet("属性设置") { SetDrive(std::move(fnDrive)); }
};
} // namespace

TEST(MultiStyleShTest, FormatShownKeptOrRewrittenByTheRadios)
{
    struct FormatCase
    {
        const char* szName;
        int nFormat;
        int nHorizontal;
        int nVertical;
        int nClick; // 0: OK unchanged
        int nAfter;
    };
    const FormatCase cases[] = {
        {"0x25 shows centre twice and stays", 0x25, IDC_CEL_TEXT_HCENTER, IDC_CEL_TEXT_VCENTER, 0, 0x25},
        {"right and bottom", 0x2A, IDC_CEL_TEXT_RIGHT, IDC_CEL_TEXT_BOTTOM, 0, 0x2A},
        {"left drops the other bits", 0x35, IDC_CEL_TEXT_HCENTER, IDC_CEL_TEXT_VCENTER, IDC_CEL_TEXT_LEFT, 0x24},
        {"no bits: left and top", 0, IDC_CEL_TEXT_LEFT, IDC_CEL_TEXT_TOP, 0, 0x20},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCell first;
        first.m_nTextFormat = c.nFormat;
        first.m_nFontHeight = -50;
        CTestUi ui;
        CDrivenMultiSheet sheet([&](CDrivenMultiSheet& sh) {
            CTestDlg page(&sh.m_page);
            EXPECT_TRUE(page.IsChecked(c.nHorizontal));
            EXPECT_TRUE(page.IsChecked(c.nVertical));
            EXPECT_STREQ(first.m_lfFont.lfFaceName, page.GetText(IDC_MULTI_FACE).GetString());
            if (c.nClick != 0) {
                page.Click(c.nClick);
            }
            if (&c == &cases[0]) {
                EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "multi-style-sheet.png"));
            }
            sh.PressButton(IDOK);
        });
        sheet.LoadStyleFromCell(first);
        ASSERT_EQ(IDOK, sheet.DoModal());
        EXPECT_EQ(c.nAfter, sheet.m_cell.m_nTextFormat);
    }
}

TEST(MultiStyleShTest, ApplyGivesEveryCellTheStyleAndLeavesTheRest)
{
    CCappCell first;
    first.m_nTextFormat = 0x2A;
    first.m_nFontHeight = -45;
    first.m_crText = 0x0000FF;
    first.m_lfFont.lfEscapement = 450;
    std::strcpy(first.m_lfFont.lfFaceName, "黑体");
    CMultiStyleSh sheet("属性设置");
    sheet.LoadStyleFromCell(first);

    CCappCell cells[3];
    for (int i = 0; i < 3; ++i) {
        cells[i].m_strText.Format("文本%d", i);
        cells[i].m_strVarName.Format("V%d", i);
        cells[i].m_nDisplay = 0x04 * i;
        sheet.ApplyStyleToCell(cells[i]);
    }
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(0x2A, cells[i].m_nTextFormat);
        EXPECT_EQ(-45, cells[i].m_nFontHeight);
        EXPECT_EQ(0x0000FFu, cells[i].m_crText);
        EXPECT_EQ(450, cells[i].m_lfFont.lfEscapement);
        EXPECT_STREQ("黑体", cells[i].m_lfFont.lfFaceName);
        CString strText;
        strText.Format("文本%d", i);
        EXPECT_STREQ(strText.GetString(), cells[i].m_strText.GetString());
        CString strVar;
        strVar.Format("V%d", i);
        EXPECT_STREQ(strVar.GetString(), cells[i].m_strVarName.GetString());
        EXPECT_EQ(0x04 * i, cells[i].m_nDisplay);
    }
}
