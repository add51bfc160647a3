#include <gtest/gtest.h>

#include "core/CappDCHelper.h"
#include "core/CappMetricDC.h"
#include "support/DibCanvas.h"
#include "support/PrinterLikeDC.h"

namespace
{
// The screen under test runs at 96 dpi; the printer-like DC at 600.
TEST(CappDCHelperTest, ScreenDotsPerTenthMillimetre)
{
    double dX = -1;
    double dY = -1;
    ASSERT_EQ(1, CCappDCHelper::GetScreenDotPerTMM(dX, dY));
    EXPECT_DOUBLE_EQ(96 / 254.0, dX);
    EXPECT_DOUBLE_EQ(96 / 254.0, dY);
    EXPECT_DOUBLE_EQ(96 / 254.0, CCappDCHelper::GetScreenDotPerTMM());
}

TEST(CappDCHelperTest, TextHeightsRoundHalfAwayFromZero)
{
    CTestDib dib(4, 4);
    CPrinterLikeDC printer(dib.DC().m_hDC);
    struct Case
    {
        const char* szName;
        bool bPrinter;
        int nTenthMM;
        int nDevice; // GetTextHeightInDevice
        int nBack;   // GetTextHeightInTMM of nDevice
    };
    const Case cases[] = {
        {"3.5 mm on the printer", true, 35, 83, 35},
        {"negative on the printer", true, -35, -83, -35},
        {"zero", true, 0, 0, 0},
        {"3.5 mm on the screen", false, 35, 13, 34},
        {"negative on the screen", false, -35, -13, -34},
        {"below half a dot on the screen", false, 1, 0, 0},
        {"minus below half a dot", false, -1, 0, 0},
        {"5 mm on the screen", false, 50, 19, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CDC* pDC = c.bPrinter ? &printer : nullptr;
        EXPECT_EQ(c.nDevice, CCappDCHelper::GetTextHeightInDevice(pDC, c.nTenthMM));
        EXPECT_EQ(c.nBack, CCappDCHelper::GetTextHeightInTMM(pDC, c.nDevice));
    }
    // A screen DC given explicitly answers as the null one does.
    EXPECT_EQ(13, CCappDCHelper::GetTextHeightInDevice(&dib.DC(), 35));
    // A DC without a handle has no resolution: the height is kept, never divided by zero.
    CDC dcEmpty;
    EXPECT_EQ(35, CCappDCHelper::GetTextHeightInTMM(&dcEmpty, 35));
    EXPECT_EQ(35, CCappDCHelper::GetTextHeightInDevice(&dcEmpty, 35));
}

TEST(CappDCHelperTest, LengthsAndPenWidthsGoThroughTheMapping)
{
    CTestDib dib(4, 4);
    CPrinterLikeDC printer(dib.DC().m_hDC);
    CDC* pDC = &printer;
    CCappMetricDC metric(pDC, nullptr);
    ASSERT_EQ(&metric, pDC);

    int n = 1000;
    ASSERT_EQ(1, CCappDCHelper::LogicLengthToDeviceLength(pDC, n));
    EXPECT_EQ(2362, n);
    ASSERT_EQ(1, CCappDCHelper::DeviceLengthToLogicLength(pDC, n));
    EXPECT_EQ(1000, n);
    n = 77;
    ASSERT_EQ(1, CCappDCHelper::LogicLengthToDeviceLength(nullptr, n)) << "display context, unmapped";
    EXPECT_EQ(77, n);
    CDC dcEmpty;
    EXPECT_EQ(0, CCappDCHelper::LogicLengthToDeviceLength(&dcEmpty, n));
    EXPECT_EQ(77, n);

    struct Case
    {
        const char* szName;
        bool bNullDC;
        int nWidth;
        int nResult;
        int nWidthAfter;
    };
    const Case cases[] = {
        {"0.3 mm at 600 dpi", false, 3, 1, 7},      {"1 mm at 600 dpi", false, 10, 1, 24},
        {"zero width is refused", false, 0, 0, 0},  {"negative width is refused", false, -5, 0, -5},
        {"null context is refused", true, 5, 0, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        int nWidth = c.nWidth;
        EXPECT_EQ(c.nResult, CCappDCHelper::GetPenWidth(c.bNullDC ? nullptr : pDC, nWidth));
        EXPECT_EQ(c.nWidthAfter, nWidth);
    }

    // On the 96-dpi screen a tenth of a millimetre maps below one dot: the pen stays 1 wide.
    CDC* pScreen = &dib.DC();
    CCappMetricDC metricScreen(pScreen, nullptr);
    int nWidth = 1;
    EXPECT_EQ(1, CCappDCHelper::GetPenWidth(pScreen, nWidth));
    EXPECT_EQ(1, nWidth);
}

TEST(CappDCHelperTest, PixelsAndTenthsThroughHimetric)
{
    CTestDib dib(4, 4);
    CPrinterLikeDC printer(dib.DC().m_hDC, 300); // 600 x 300 dpi
    struct Case
    {
        const char* szName;
        bool bPrinter;
        int nPixels;
        int nTenthMM;
    };
    const Case cases[] = {
        {"one inch on the screen", false, 96, 254},
        {"truncated after himetric", false, 10, 26},
        {"negative truncates toward zero", false, -10, -26},
        {"one inch on the printer", true, 600, 254},
        {"one dot on the printer", true, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CDC* pDC = c.bPrinter ? &printer : nullptr;
        int n = c.nPixels;
        CCappDCHelper::PixToTenthMM(pDC, n);
        EXPECT_EQ(c.nTenthMM, n);
    }
    int n = 254;
    CCappDCHelper::TenthMMToPix(nullptr, n);
    EXPECT_EQ(96, n);

    // Points use each axis, rectangles the horizontal one for every edge.
    CPoint pt(600, 600);
    CCappDCHelper::PixToTenthMM(&printer, pt);
    EXPECT_EQ(CPoint(254, 508), pt);
    CCappDCHelper::TenthMMToPix(&printer, pt);
    EXPECT_EQ(CPoint(600, 600), pt);
    CRect rc(0, 600, 1200, 1200);
    CCappDCHelper::PixToTenthMM(&printer, rc);
    EXPECT_EQ(CRect(0, 254, 508, 508), rc);
    CCappDCHelper::TenthMMToPix(&printer, rc);
    EXPECT_EQ(CRect(0, 600, 1200, 1200), rc);
}

// A DC without handles has neither a mapping nor a resolution: every conversion leaves its
// value as it was.
TEST(CappDCHelperTest, ContextWithoutHandleLeavesValuesAlone)
{
    CDC dcEmpty;
    int n = 123;
    EXPECT_EQ(0, CCappDCHelper::LogicLengthToDeviceLength(&dcEmpty, n));
    EXPECT_EQ(0, CCappDCHelper::DeviceLengthToLogicLength(&dcEmpty, n));
    EXPECT_EQ(0, CCappDCHelper::GetPenWidth(&dcEmpty, n));
    CCappDCHelper::PixToTenthMM(&dcEmpty, n);
    CCappDCHelper::TenthMMToPix(&dcEmpty, n);
    EXPECT_EQ(123, n);
    CPoint pt(7, -8);
    CCappDCHelper::PixToTenthMM(&dcEmpty, pt);
    CCappDCHelper::TenthMMToPix(&dcEmpty, pt);
    EXPECT_EQ(CPoint(7, -8), pt);
    CRect rc(1, 2, 300, 400);
    CCappDCHelper::PixToTenthMM(&dcEmpty, rc);
    CCappDCHelper::TenthMMToPix(&dcEmpty, rc);
    EXPECT_EQ(CRect(1, 2, 300, 400), rc);
}
} // namespace
