// Sheets painted into a rectangle of any DC: the picture fills the target in device pixels
// whatever the DC's mapping, also for targets narrower than 1000 units, and the DC comes back.
#include <gtest/gtest.h>

#include <string>

#include "core/CardObj.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/work/CardViewTestHost.h"
#include "work/CappSheetHelper.h"

TEST(CappSheetHelperTest, PaintSheetToDCFillsTheTargetWhateverTheMapping)
{
    const struct
    {
        const char* szName;
        int nMapMode;
        CSize szWindowExt; // for MM_ANISOTROPIC
        CSize szViewportExt;
        CPoint ptViewportOrg;
        CRect rcTarget;   // the DC's logical units
        CRect rcExpected; // device pixels
    } cases[] = {
        {"pixels, 800 wide", MM_TEXT, {}, {}, {0, 0}, {40, 30, 840, 590}, {40, 30, 840, 590}},
        {"pixels, a thumbnail", MM_TEXT, {}, {}, {0, 0}, {10, 20, 130, 105}, {10, 20, 130, 105}},
        {"pixels, the viewport origin moved", MM_TEXT, {}, {}, {100, 50}, {0, 0, 400, 300}, {100, 50, 500, 350}},
        {"two logical units a pixel", MM_ANISOTROPIC, {2, 2}, {1, 1}, {0, 0}, {80, 60, 1680, 1180}, {40, 30, 840, 590}},
        {"tenths of a millimetre at 96 dpi",
         MM_ANISOTROPIC,
         {254, 254},
         {96, 96},
         {0, 0},
         {0, 0, 1270, 635},
         {0, 0, 480, 240}},
    };
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappSheet* pSheet = host.Card().GetCurSheet();
    ASSERT_NE(nullptr, pSheet);
    bool bSaved = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestDib dib(900, 650);
        CDC& dc = dib.DC();
        dc.SetMapMode(c.nMapMode);
        if (c.nMapMode == MM_ANISOTROPIC) {
            dc.SetWindowExt(c.szWindowExt.cx, c.szWindowExt.cy);
            dc.SetViewportExt(c.szViewportExt.cx, c.szViewportExt.cy);
        }
        dc.SetViewportOrg(c.ptViewportOrg.x, c.ptViewportOrg.y);
        EXPECT_EQ(1, CCappSheetHelper::PaintSheetToDC(&dc, c.rcTarget, pSheet, "", 0));

        const CRect rcInk = dib.InkBounds(CRect(0, 0, dib.Width(), dib.Height()));
        ASSERT_FALSE(rcInk.IsRectEmpty());
        EXPECT_GE(rcInk.left, c.rcExpected.left - 1);
        EXPECT_GE(rcInk.top, c.rcExpected.top - 1);
        EXPECT_LE(rcInk.right, c.rcExpected.right + 1);
        EXPECT_LE(rcInk.bottom, c.rcExpected.bottom + 1);
        // The card's frame spans most of its page.
        EXPECT_GT(rcInk.Width(), c.rcExpected.Width() * 8 / 10);
        EXPECT_GT(rcInk.Height(), c.rcExpected.Height() * 7 / 10);
        // The caller's mapping is back.
        EXPECT_EQ(c.nMapMode, dc.GetMapMode());
        POINT ptOrg = {-1, -1};
        ::GetViewportOrgEx(dc.GetSafeHdc(), &ptOrg);
        EXPECT_EQ(c.ptViewportOrg, CPoint(ptOrg));
        if (!bSaved) {
            const std::string strPath = TestImagePath("sheet-painted-800x560.png");
            EXPECT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height())) << strPath;
            bSaved = true;
        }
    }
}

TEST(CappSheetHelperTest, NothingIsPaintedWithoutADCOrSheetOrIntoAnEmptyTarget)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappSheet* pSheet = host.Card().GetCurSheet();
    ASSERT_NE(nullptr, pSheet);
    CTestDib dib(200, 200);
    const CRect rcAll(0, 0, 200, 200);
    EXPECT_EQ(0, CCappSheetHelper::PaintSheetToDC(nullptr, rcAll, pSheet, "", 0));
    EXPECT_EQ(0, CCappSheetHelper::PaintSheetToDC(&dib.DC(), rcAll, nullptr, "", 0));
    EXPECT_EQ(0, CCappSheetHelper::PrintSheetMetric(nullptr, pSheet, "", nullptr, nullptr, 0));
    EXPECT_EQ(0, CCappSheetHelper::PrintSheetMetric(&dib.DC(), nullptr, "", nullptr, nullptr, 0));
    EXPECT_EQ(1, CCappSheetHelper::PaintSheetToDC(&dib.DC(), CRect(50, 50, 50, 120), pSheet, "", 0));
    EXPECT_EQ(0, dib.CountInk(rcAll));
}
