#include <gtest/gtest.h>

#include "KvTestHost.h"
#include "common/KvColorProgessCtrl.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/DibCanvas.h"
#include "support/PngFile.h"

TEST(KvColorProgessCtrlTest, BarWidthAndPercentText)
{
    struct BarCase
    {
        const char* szName;
        int nPos;
        int nUpper;
        int cx;
        int nWidth;
        const char* szText;
    };
    const BarCase cases[] = {
        {"half", 50, 100, 200, 100, "50%"},     {"three quarters of 50..100", 75, 100, 200, 150, "75%"},
        {"truncated", 1, 3, 100, 33, "33%"},    {"rounded text", 2, 3, 100, 66, "67%"},
        {"no upper bound", 5, 0, 100, 0, "0%"},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nWidth, CKvColorProgessCtrl::BarWidth(c.nPos, c.nUpper, c.cx));
        EXPECT_EQ(CString(c.szText), CKvColorProgessCtrl::PercentText(c.nPos, c.nUpper));
    }
}

TEST(KvColorProgessCtrlTest, StoredValuesFollowTheSetters)
{
    CKvTestHost host(IDD_KVTEST_CONTROLS);
    ASSERT_TRUE(host.Open());
    CKvColorProgessCtrl bar;
    ASSERT_TRUE(bar.SubclassDlgItem(IDC_KVTEST_PROGRESS, &host));
    EXPECT_EQ(10, bar.m_nStep);
    EXPECT_EQ(RGB(255, 0, 0), bar.GetStartColor());
    bar.SetRange(50, 100);
    EXPECT_EQ(50, bar.GetStoredPos());
    bar.SetStep(30);
    bar.StepIt();
    EXPECT_EQ(80, bar.GetStoredPos());
    EXPECT_EQ(80, bar.GetPos());
    // Past the upper bound the stored position keeps counting.
    bar.StepIt();
    EXPECT_EQ(110, bar.GetStoredPos());
}

TEST(KvColorProgessCtrlTest, GradientUncoversUpToThePosition)
{
    CKvColorProgessCtrl bar;
    bar.m_nLower = 50;
    bar.m_nUpper = 100;
    bar.m_nPos = 75;
    bar.m_bShowPercent = TRUE;
    bar.SetBkColor(RGB(192, 192, 192));
    CTestDib dib(200, 16, RGB(1, 2, 3));
    bar.PaintTo(&dib.DC(), CRect(0, 0, 200, 16));
    // Red to blue: 255 steps of under one pixel, so the first pixel shows the second step.
    EXPECT_GE(GetRValue(dib.Pixel(0, 1)), 250);
    EXPECT_LE(GetBValue(dib.Pixel(0, 1)), 5);
    const COLORREF crMid = dib.Pixel(100, 1);
    EXPECT_LT(GetRValue(crMid), 140);
    EXPECT_GT(GetBValue(crMid), 115);
    EXPECT_EQ(RGB(192, 192, 192), dib.Pixel(160, 1));
    EXPECT_EQ(RGB(192, 192, 192), dib.Pixel(199, 15));
    EXPECT_NE(RGB(192, 192, 192), dib.Pixel(148, 1));
    // "75%" in white across the middle.
    EXPECT_GT(dib.CountInk({80, 0, 120, 16}, RGB(192, 192, 192)), 0);
    EXPECT_TRUE(SavePng(TestImagePath("color-progress-75.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
}

TEST(KvColorProgessCtrlTest, PositionAtABoundShowsOnlyTheFace)
{
    struct BoundCase
    {
        const char* szName;
        int nPos;
    };
    const BoundCase cases[] = {{"at the upper bound", 100}, {"at the lower bound", 0}, {"past the upper", 130}};
    for (const BoundCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CKvColorProgessCtrl bar;
        bar.m_nPos = c.nPos;
        bar.m_bShowPercent = TRUE;
        CTestDib dib(100, 10, RGB(1, 2, 3));
        bar.PaintTo(&dib.DC(), CRect(0, 0, 100, 10));
        EXPECT_EQ(0, dib.CountInk({0, 0, 100, 10}, GetSysColor(COLOR_BTNFACE)));
    }
}

TEST(KvColorProgessCtrlTest, EqualColoursPaintOneSolidBar)
{
    CKvColorProgessCtrl bar;
    bar.m_nPos = 40;
    bar.SetStartColor(RGB(0, 0, 200));
    bar.SetEndColor(RGB(0, 0, 200));
    bar.SetBkColor(RGB(192, 192, 192));
    CTestDib dib(100, 10, RGB(1, 2, 3));
    bar.PaintTo(&dib.DC(), CRect(0, 0, 100, 10));
    EXPECT_EQ(RGB(0, 0, 200), dib.Pixel(39, 5));
    EXPECT_EQ(RGB(192, 192, 192), dib.Pixel(40, 5));
}
