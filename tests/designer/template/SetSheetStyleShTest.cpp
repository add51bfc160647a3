// The page setup sheet driven as the user drives it: papers, orientation, typed sizes stored as
// whole millimetres times 10, margins, and the preview's shape.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "designer/template/SetSheetStyleSh.h"
#include "designer/res/resource.h"
#include "tests/support/UiDriver.h"

namespace
{

std::string Text(HWND hPage, int nID)
{
    char sz[128] = {};
    ::GetDlgItemTextA(hPage, nID, sz, sizeof sz);
    return sz;
}

void ChoosePaper(HWND hPage, const char* pszName)
{
    HWND hList = ::GetDlgItem(hPage, IDC_SHEET_PAPER);
    const LRESULT nIndex =
        ::SendMessageA(hList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszName));
    ASSERT_NE(CB_ERR, nIndex) << pszName;
    ::SendMessageA(hList, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(IDC_SHEET_PAPER, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

void Click(HWND hPage, int nID)
{
    ::SendMessageA(::GetDlgItem(hPage, nID), BM_CLICK, 0, 0);
}

// As typed: WM_SETTEXT makes the edit tell EN_CHANGE.
void Type(HWND hPage, int nID, const char* pszText)
{
    ::SetDlgItemTextA(hPage, nID, pszText);
}

} // namespace

TEST(SetSheetStyleShTest, SizePageFollowsPapersOrientationAndTypedSizes)
{
    struct Case
    {
        const char* szName;
        int nWidth; // stored before the sheet opens
        int nHeight;
        const char* szPaper;
        std::function<void(HWND)> fnDrive;
        const char* szWidthShown;
        const char* szHeightShown;
        BOOL bLandscape;
        int nWidthAfter;
        int nHeightAfter;
        const char* szPaperAfter;
    };
    const std::vector<Case> cases = {
        {"A4 without a size opens upright", 0, 0, "A4", [](HWND) {}, "210", "297", FALSE, 2100, 2970, "A4"},
        {"A3 while landscape stays upright, landscape again turns it", 0, 0, "A4",
         [](HWND h) {
             Click(h, IDC_SHEET_LANDSCAPE);
             ChoosePaper(h, "A3");
             EXPECT_EQ("297", Text(h, IDC_SHEET_WIDTH));
             EXPECT_EQ("420", Text(h, IDC_SHEET_HEIGHT));
             Click(h, IDC_SHEET_LANDSCAPE);
         },
         "420", "297", TRUE, 4200, 2970, "A3"},
        {"typed width keeps whole millimetres", 2100, 2970, "A4", [](HWND h) { Type(h, IDC_SHEET_WIDTH, "215.9"); },
         "215.9", "297", FALSE, 2150, 2970, "自定义大小"},
        {"letter Small keeps the sizes", 2100, 2970, "A4", [](HWND h) { ChoosePaper(h, "letter Small"); }, "210", "297",
         FALSE, 2100, 2970, "letter Small"},
        {"Tabloid is 431.7 high", 2100, 2970, "A4", [](HWND h) { ChoosePaper(h, "Tabloid"); }, "279.4", "431.7", FALSE,
         2790, 4310, "Tabloid"},
        {"stored landscape size of an unknown paper", 2970, 2100, "Foo", [](HWND) {}, "297", "210", TRUE, 2970, 2100,
         ""},
        {"portrait turns a landscape size", 2970, 2100, "A4", [](HWND h) { Click(h, IDC_SHEET_PORTRAIT); }, "210",
         "297", FALSE, 2100, 2970, "A4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CSetSheetStyleSh sheet("设置页面尺寸");
        sheet.m_nPageWidth = c.nWidth;
        sheet.m_nPageHeight = c.nHeight;
        sheet.m_strPaperName = c.szPaper;
        ASSERT_TRUE(sheet.Create());
        HWND hPage = sheet.m_pageSize.m_hWnd;
        ASSERT_NE(nullptr, hPage);
        c.fnDrive(hPage);
        EXPECT_EQ(c.szWidthShown, Text(hPage, IDC_SHEET_WIDTH));
        EXPECT_EQ(c.szHeightShown, Text(hPage, IDC_SHEET_HEIGHT));
        EXPECT_EQ(c.bLandscape, ::IsDlgButtonChecked(hPage, IDC_SHEET_LANDSCAPE) == BST_CHECKED);
        EXPECT_EQ(!c.bLandscape, ::IsDlgButtonChecked(hPage, IDC_SHEET_PORTRAIT) == BST_CHECKED);
        EXPECT_EQ(c.szPaperAfter, Text(hPage, IDC_SHEET_PAPER));
        if (c.bLandscape && c.nWidth == 0) {
            EXPECT_TRUE(SaveWindowPicture(sheet.m_hWnd, "designer-page-setup-size.png"));
        }
        sheet.SendMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
        EXPECT_EQ(c.nWidthAfter, sheet.m_nPageWidth);
        EXPECT_EQ(c.nHeightAfter, sheet.m_nPageHeight);
        EXPECT_STREQ(c.szPaperAfter, sheet.m_strPaperName);
        sheet.DestroyWindow();
    }
}

TEST(SetSheetStyleShTest, MarginPageShowsMillimetresAndStoresWholeOnes)
{
    CSetSheetStyleSh sheet("新表格");
    sheet.m_nPageWidth = 2100;
    sheet.m_nPageHeight = 2970;
    ASSERT_TRUE(sheet.Create());
    sheet.SetActivePage(1);
    HWND hPage = sheet.m_pageSide.m_hWnd;
    ASSERT_NE(nullptr, hPage);
    // The constructor's defaults.
    EXPECT_EQ("10", Text(hPage, IDC_SIDE_TOP));
    EXPECT_EQ("8", Text(hPage, IDC_SIDE_LEFT));
    EXPECT_EQ("10", Text(hPage, IDC_SIDE_RIGHT));
    EXPECT_EQ("8", Text(hPage, IDC_SIDE_BOTTOM));
    EXPECT_EQ("2", Text(hPage, IDC_SIDE_FRAME_WIDTH));

    Type(hPage, IDC_SIDE_TOP, "12.7");
    EXPECT_EQ(120, sheet.m_nTop);
    Type(hPage, IDC_SIDE_LEFT, "25");
    EXPECT_EQ(250, sheet.m_nLeft);
    // The frame width has no change handler: it is taken on OK.
    Type(hPage, IDC_SIDE_FRAME_WIDTH, "5");
    EXPECT_EQ(2, sheet.m_nFrameWidth);
    EXPECT_TRUE(SaveWindowPicture(sheet.m_hWnd, "designer-page-setup-margins.png"));
    sheet.SendMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_EQ(5, sheet.m_nFrameWidth);
    EXPECT_EQ(120, sheet.m_nTop);
    EXPECT_EQ(80, sheet.m_nBottom);
    sheet.DestroyWindow();

    // Text that is no number keeps the sheet open on OK, with the values as they were.
    CSetSheetStyleSh bad("新表格");
    bad.m_nPageWidth = 2100;
    bad.m_nPageHeight = 2970;
    ASSERT_TRUE(bad.Create());
    bad.SetActivePage(1);
    Type(bad.m_pageSide.m_hWnd, IDC_SIDE_RIGHT, "abc");
    CTestUi ui;
    bad.SendMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_EQ(1U, ui.GetBoxes().size());
    EXPECT_EQ(100, bad.m_nRight);
    EXPECT_TRUE(::IsWindow(bad.m_hWnd));
    bad.DestroyWindow();
}

TEST(SetSheetStyleShTest, PreviewKeepsTheAreasProportionsAndIsEmptyWithoutOne)
{
    struct Case
    {
        const char* szName;
        int nWidth;
        int nHeight;
        int nMargin; // all four
        BOOL bShape;
        CRect rcShape;
    };
    const Case cases[] = {
        {"upright A4 fills the width", 2100, 2970, 0, TRUE, CRect(0, 29, 100, 170)},
        {"landscape A4 fills the width", 2970, 2100, 0, TRUE, CRect(0, 65, 100, 135)},
        {"tall strip fills the height", 1000, 3000, 0, TRUE, CRect(17, 0, 83, 200)},
        {"margins larger than the paper", 2100, 2970, 1500, FALSE, CRect()},
        {"margins as wide as the paper", 2000, 2970, 1000, FALSE, CRect()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CSetSheetStyleSh sheet("x");
        sheet.m_nPageWidth = c.nWidth;
        sheet.m_nPageHeight = c.nHeight;
        sheet.m_nTop = sheet.m_nLeft = sheet.m_nRight = sheet.m_nBottom = c.nMargin;
        CRect rcShape(0, 0, 0, 0);
        EXPECT_EQ(c.bShape, sheet.GetPreviewShape(CRect(0, 0, 100, 200), rcShape));
        if (c.bShape) {
            EXPECT_EQ(c.rcShape, rcShape);
        }
    }
}

TEST(SetSheetStyleShTest, MillimetreTextConvertsBothWays)
{
    struct Case
    {
        const char* szText;
        BOOL bNumber;
        int nTenths;
    };
    const Case cases[] = {
        {"215.9", TRUE, 2150}, {" 297 ", TRUE, 2970}, {"0.9", TRUE, 0},  {"-3.5", TRUE, -30},
        {"", FALSE, 0},        {"12a", FALSE, 0},     {"1e9", FALSE, 0}, {"nan", FALSE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szText);
        double dMm = 0;
        EXPECT_EQ(c.bNumber, SheetParseMm(c.szText, dMm));
        if (c.bNumber) {
            EXPECT_EQ(c.nTenths, SheetTenthsFromMm(dMm));
        }
    }
    EXPECT_STREQ("279.4", SheetMmText(2794));
    EXPECT_STREQ("8", SheetMmText(80));
}
