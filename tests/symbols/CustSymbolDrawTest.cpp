#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/Rect.h"
#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "support/PngFile.h"
#include "support/PrinterLikeDC.h"
#include "symbols/CustSymbol.h"
#include "symbols/VariableText.h"

namespace
{

struct WidthCase
{
    const char* szName;
    const char* szSymbol;
    const char* szArguments;
    long lHeight;
    BOOL bResult;
    long lWidth;
};

const WidthCase widthCases[] = {
    {"line 10 by 10 at height 10", "<L>0,0,10,10</L>", "", 10, TRUE, 12},
    {"line 10 by 10 at height 20", "<L>0,0,10,10</L>", "", 20, TRUE, 22},
    {"line 10 by 10 at height 5", "<L>0,0,10,10</L>", "", 5, TRUE, 7},
    {"line twice as wide as high", "<L>0,0,20,10</L>", "", 10, TRUE, 22},
    {"hidden origin widens the extent", "<L>10,0,20,10</L>", "", 10, TRUE, 22},
    {"circle around the origin", "<C>0,0,5</C>", "", 10, TRUE, 12},
    {"wide pen is refined to the height", "<L>0,0,10,10,000000,4</L>", "", 10, TRUE, 13},
    {"filled polygon", "<M>(0,0)(30,0)(30,10),000000,y</M>", "", 20, TRUE, 62},
    {"arc: a quarter", "<A>0,0,10,0,0,10</A>", "", 10, TRUE, 12},
    {"height 0", "<L>0,0,10,10</L>", "", 0, FALSE, -1},
    {"flat symbol has no scale", "<L>0,0,10,0</L>", "", 10, FALSE, -1},
    {"unreadable symbol", "<C>0,0,0</C>", "", 10, FALSE, -1},
};

} // namespace

TEST(CustSymbolDrawTest, QueryWidthGivesFixedWidths)
{
    CTestDib dib(10, 10);
    for (const WidthCase& c : widthCases) {
        SCOPED_TRACE(c.szName);
        long lWidth = -1;
        EXPECT_EQ(c.bResult, QueryWidth(c.szSymbol, c.szArguments, &dib.DC(), c.lHeight, lWidth));
        EXPECT_EQ(c.lWidth, lWidth);
    }
    long lWidth = -1;
    EXPECT_FALSE(QueryWidth("<L>0,0,10,10</L>", "", nullptr, 10, lWidth));
}

TEST(CustSymbolDrawTest, VariableTextWidthFollowsItsArgument)
{
    CTestDib dib(10, 10);
    const char* szSymbol = "<V>v,'i',0,0,10</V>";
    long lShort = 0;
    long lLong = 0;
    ASSERT_TRUE(QueryWidth(szSymbol, "", &dib.DC(), 20, lShort));
    ASSERT_TRUE(QueryWidth(szSymbol, "v = 'WWWWWWWW';  ", &dib.DC(), 20, lLong));
    EXPECT_GT(lLong, lShort * 4);
}

TEST(CustSymbolDrawTest, AreaCacheKeepsScaleBelowOne)
{
    CTestDib dib(10, 10);
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<L>0,0,100,100</L>"));
    CRect rc1;
    CRect rc2;
    double d1 = 0.0;
    double d2 = 0.0;
    ASSERT_TRUE(sym.QueryArea(&dib.DC(), 10, rc1, d1));
    CString strValue;
    ASSERT_TRUE(sym.m_mapAreaCache.Lookup("10", strValue));
    EXPECT_STREQ("0.100000;0;0;10;10", strValue);
    ASSERT_TRUE(sym.QueryArea(&dib.DC(), 10, rc2, d2));
    EXPECT_EQ(d1, d2);
    EXPECT_DOUBLE_EQ(0.1, d2);
    EXPECT_EQ(rc1, rc2);
    EXPECT_EQ(CRect(0, 0, 10, 10), rc2);
}

TEST(CustSymbolDrawTest, AreaCacheLookupRules)
{
    struct Case
    {
        const char* szName;
        const char* szValue; // null: no entry for the height
        BOOL bFound;
        double dScale;
        CRect rc;
    };
    const Case cases[] = {
        {"scale and four coordinates", "2.5;1;2;3;4", TRUE, 2.5, CRect(1, 2, 3, 4)},
        {"an empty last part reads 0", "2.5;1;2;3;", TRUE, 2.5, CRect(1, 2, 3, 0)},
        {"zero scale", "0.000000;1;2;3;4", FALSE, 0.0, CRect()},
        {"four parts", "2.5;1;2;3", FALSE, 0.0, CRect()},
        {"six parts", "2.5;1;2;3;4;5", FALSE, 0.0, CRect()},
        {"a trailing separator starts a sixth part", "2.5;1;2;3;4;", FALSE, 0.0, CRect()},
        {"no entry", nullptr, FALSE, 0.0, CRect()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCustSymbol sym;
        if (c.szValue != nullptr) {
            sym.m_mapAreaCache.SetAt("7", c.szValue);
        }
        CRect rc;
        double d = 0.0;
        EXPECT_EQ(c.bFound, sym.LookupCache(TRUE, sym.m_mapAreaCache, 7, rc, d));
        if (c.bFound) {
            EXPECT_DOUBLE_EQ(c.dScale, d);
            EXPECT_EQ(c.rc, rc);
        }
    }
}

TEST(CustSymbolDrawTest, SixtyFifthHeightEmptiesTheCache)
{
    CTestDib dib(10, 10);
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<L>0,0,10,10</L>"));
    CRect rc;
    double d = 0.0;
    for (long lHeight = 1; lHeight <= 64; ++lHeight) {
        ASSERT_TRUE(sym.QueryArea(&dib.DC(), lHeight, rc, d));
    }
    EXPECT_EQ(64, sym.m_mapAreaCache.GetCount());
    // A height already held is a hit and keeps the cache.
    ASSERT_TRUE(sym.QueryArea(&dib.DC(), 30, rc, d));
    EXPECT_EQ(64, sym.m_mapAreaCache.GetCount());
    ASSERT_TRUE(sym.QueryArea(&dib.DC(), 65, rc, d));
    EXPECT_EQ(1, sym.m_mapAreaCache.GetCount());
    CString strValue;
    EXPECT_TRUE(sym.m_mapAreaCache.Lookup("65", strValue));
}

TEST(CustSymbolDrawTest, PrintingNeverUsesTheCache)
{
    CTestDib dib(10, 10);
    dib.DC().m_bPrinting = TRUE;
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<L>0,0,10,10</L>"));
    sym.m_mapAreaCache.SetAt("10", "3.0;0;0;30;30");
    CRect rc;
    double d = 0.0;
    ASSERT_TRUE(sym.QueryArea(&dib.DC(), 10, rc, d));
    EXPECT_DOUBLE_EQ(1.0, d);
    EXPECT_EQ(CRect(0, 0, 10, 10), rc);
    ASSERT_TRUE(sym.QueryArea(&dib.DC(), 20, rc, d));
    EXPECT_EQ(1, sym.m_mapAreaCache.GetCount());
    EXPECT_TRUE(sym.Draw(&dib.DC(), CPoint(0, 10), 5L));
    EXPECT_EQ(1, sym.m_mapAreaCache.GetCount());
}

TEST(CustSymbolDrawTest, NewArgumentsDropCachedAreas)
{
    CTestDib dib(10, 10);
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<V>v,'i',0,0,10</V>"));
    CRect rcShort;
    CRect rcLong;
    double d = 0.0;
    ASSERT_TRUE(sym.QueryArea(&dib.DC(), 20, rcShort, d));
    sym.SetArgument("v = 'WWWWWWWW';  ");
    ASSERT_TRUE(sym.QueryArea(&dib.DC(), 20, rcLong, d));
    EXPECT_GT(rcLong.Width(), rcShort.Width() * 4);
}

// Measuring once kept a process-wide y direction that the first drawing turned over, so the
// same symbol measured differently before and after it.
TEST(CustSymbolDrawTest, MeasuringIsTheSameBeforeAndAfterDrawing)
{
    const char* aszSymbol[] = {
        "<A>0,0,10,0,-10,0</A><L>0,-10,0,10</L>",
        "<V>v,'Text',0,0,10,L,,000000,,30</V><L>0@v#RT,0@v#RT,20,-5</L>",
        "<T>'AB',0,0,10,R</T><C>5,-5,3</C>",
    };
    for (const char* szSymbol : aszSymbol) {
        SCOPED_TRACE(szSymbol);
        CTestDib dib(200, 200);
        long lBefore = 0;
        long lAfter = 0;
        ASSERT_TRUE(QueryWidth(szSymbol, "", &dib.DC(), 40, lBefore));
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString(szSymbol));
        long lSymBefore = 0;
        ASSERT_TRUE(sym.QueryWidth(&dib.DC(), 40, lSymBefore));
        ASSERT_TRUE(DrawSymbol(szSymbol, "", &dib.DC(), 40, CPoint(10, 100)));
        ASSERT_TRUE(sym.Draw(&dib.DC(), CPoint(10, 150), 40L));
        ASSERT_TRUE(QueryWidth(szSymbol, "", &dib.DC(), 40, lAfter));
        long lSymAfter = 0;
        ASSERT_TRUE(sym.QueryWidth(&dib.DC(), 40, lSymAfter));
        EXPECT_EQ(lBefore, lAfter);
        EXPECT_EQ(lSymBefore, lSymAfter);
        EXPECT_EQ(lBefore, lSymBefore);
        // A symbol told to measure y downwards for its own slot calls still measures in-line.
        sym.SetYDown(TRUE);
        long lYDown = 0;
        ASSERT_TRUE(sym.QueryWidth(&dib.DC(), 40, lYDown));
        EXPECT_EQ(lBefore, lYDown);
        EXPECT_TRUE(sym.m_bYDown);
    }
}

TEST(CustSymbolDrawTest, AnchorsFollowTheVariableText)
{
    CTestDib dib(10, 10);
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<V>v,'WW',0,0,10,M</V><L>0@v#RM,0@v#RT,3@v#R,0@v#RB</L>"));
    long lWidth = 0;
    ASSERT_TRUE(sym.QueryWidth(&dib.DC(), 20, lWidth));
    // Relations use the value area of the latest measurement.
    sym.UpdateRelativedPostion();
    auto* pV = static_cast<CVariableText*>(sym.m_listVText.GetHead());
    auto* pLine = static_cast<CBasicObject*>(sym.m_listLine.GetHead());
    ASSERT_FALSE(pV->m_rcValue.IsEmpty());
    double w = pV->m_rcValue.Width() / 2.0;
    double h = pV->m_rcValue.Height() / 2.0;
    // y up: the top anchor lies above the origin, the bottom one below.
    EXPECT_NEAR(w, pLine->m_ptOrigin.x, 1e-9);
    EXPECT_NEAR(h, pLine->m_ptOrigin.y, 1e-9);
    auto* pRel = static_cast<CBasicObject::CPointRelation*>(pLine->m_listRelation.GetTail());
    EXPECT_NEAR(-h, pRel->m_pPoint->y, 1e-9);
    EXPECT_NEAR(w + 3.0, pRel->m_pPoint->x, 1e-9);
    EXPECT_EQ(CBasicObject::CPointRelation::stateApplied, pRel->m_nState);
    // Applying relations again does not move the points further.
    sym.UpdateRelativedPostion();
    sym.UpdateRelativedPostion();
    EXPECT_NEAR(w + 3.0, pRel->m_pPoint->x, 1e-9);
}

namespace
{

// Own colours, white background: black line along the bottom, red upper half of a circle, blue
// filled triangle, and a green circle flooded with yellow.
const char kSample[] = "<L>0,0,40,0</L><A>20,20,30,20,10,20,FF0000</A><M>(30,0)(40,0)(40,10),0000FF,y</M>"
                       "<C>5,30,4,00FF00</C><F>5,30,FFFF00,00FF00</F><H>40,40</H>";

void PrepareOwnColours(CCustSymbol& sym)
{
    sym.SetTransparent(FALSE);
    sym.SetSelected(FALSE);
    sym.SetCharMode(0, FALSE);
    sym.SetBackroundColor(RGB(255, 255, 255));
}

} // namespace

TEST(CustSymbolDrawTest, DrawsLineArcAndFilledAreas)
{
    CTestDib dib(120, 110, RGB(200, 200, 200));
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString(kSample));
    PrepareOwnColours(sym);
    // Line height 80, lower left end at (10, 90): scale 2, symbol y 0 on row 90, y 40 on row 10,
    // x 0 on column 11.
    ASSERT_TRUE(sym.Draw(&dib.DC(), CPoint(10, 90), 80L));
    SavePng(TestImagePath("custsymbol-sample.png").c_str(), dib.Bits(), dib.Width(), dib.Height());

    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(51, 90));       // line
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(51, 30));     // top of the arc
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(51, 70)); // no lower half
    EXPECT_EQ(RGB(0, 0, 255), dib.Pixel(87, 86));     // inside the triangle
    EXPECT_EQ(RGB(255, 255, 0), dib.Pixel(21, 30));   // flooded inside the circle
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(21, 50)); // the flood stayed inside
    EXPECT_EQ(RGB(200, 200, 200), dib.Pixel(5, 50));  // outside the symbol
    EXPECT_EQ(RGB(200, 200, 200), dib.Pixel(100, 50));
    CRect rcInk = dib.InkBounds(CRect(0, 0, 120, 110), RGB(200, 200, 200));
    EXPECT_EQ(CRect(10, 11, 92, 91), rcInk)
        << rcInk.left << "," << rcInk.top << "," << rcInk.right << "," << rcInk.bottom;
}

namespace
{

// A red cap on top of an open box: symbol y grows upwards, so the cap must be drawn above the
// box's bottom line whatever way the context's y runs.
const char kCapped[] = "<M>(0,16)(20,16)(20,20)(0,20),FF0000,y</M><L>0,0,0,20</L><L>0,0,20,0</L>";

CRect ColourBounds(const CTestDib& dib, COLORREF cr)
{
    CRect rc;
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x) {
            if (dib.Pixel(x, y) != cr) {
                continue;
            }
            if (rc.IsRectEmpty()) {
                rc.SetRect(x, y, x + 1, y + 1);
            } else {
                rc.UnionRect(&rc, CRect(x, y, x + 1, y + 1));
            }
        }
    }
    return rc;
}

void MapShiftedYDown(CDC& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, 1);
    dc.SetWindowOrg(100, 200);
}

void MapYUp(CDC& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, -1);
    dc.SetWindowOrg(100, 0);
    dc.SetViewportOrg(0, 100);
}

// The card's print mapping: a tenth of a millimetre per unit at 600 dpi, the printable area's
// corner at the window origin.
void MapTenthMmAt600Dpi(CDC& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(254, 254);
    dc.SetViewportExt(CPrinterLikeDC::kDpi, CPrinterLikeDC::kDpi);
    dc.SetWindowOrg(42, 42);
}

} // namespace

TEST(CustSymbolDrawTest, DrawsUprightInTheLineAboveThePointInEveryMapping)
{
    struct MappingCase
    {
        const char* szName;
        void (*pfnMap)(CDC&);
        bool bPrinter;
        CPoint ptLeft;
        long lHeight;
        CRect rcLine; // device pixels the line covers; the symbol starts one pixel in
    };
    const MappingCase cases[] = {
        {"MM_TEXT", nullptr, false, CPoint(10, 60), 40, CRect(10, 20, 52, 61)},
        {"anisotropic 1:1, y down, moved origin", MapShiftedYDown, false, CPoint(110, 260), 40, CRect(10, 20, 52, 61)},
        {"anisotropic 1:1, y up: the line runs from y to y + height", MapYUp, false, CPoint(110, 40), 40,
         CRect(10, 20, 52, 61)},
        // (50 - 42) * 600 / 254 = 18.9; (150 - 42) * 600 / 254 = 255.1; 50 units are 118 pixels.
        {"tenth millimetre at 600 dpi", MapTenthMmAt600Dpi, true, CPoint(50, 150), 50, CRect(19, 137, 139, 256)},
    };
    for (const MappingCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestDib dib(300, 300);
        CPrinterLikeDC printer(dib.DC().m_hDC);
        CDC* pDC = c.bPrinter ? static_cast<CDC*>(&printer) : &dib.DC();
        if (c.pfnMap != nullptr) {
            c.pfnMap(*pDC);
        }
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString(kCapped));
        sym.SetTransparent(TRUE);
        sym.SetCharMode(0, FALSE);
        ASSERT_TRUE(sym.Draw(pDC, c.ptLeft, c.lHeight));
        CString strPng;
        strPng.Format("custsymbol-mapping-%d.png", static_cast<int>(&c - cases));
        SavePng(TestImagePath(strPng).c_str(), dib.Bits(), dib.Width(), dib.Height());

        CRect rcInk = dib.InkBounds(CRect(0, 0, 300, 300));
        CRect rcRed = ColourBounds(dib, RGB(255, 0, 0));
        EXPECT_NEAR(c.rcLine.left + 1, rcInk.left, 1);
        EXPECT_NEAR(c.rcLine.top, rcInk.top, 1);
        EXPECT_NEAR(c.rcLine.bottom, rcInk.bottom, 1);
        EXPECT_NEAR(c.rcLine.right, rcInk.right, 2);
        // Upright: the cap is the top fifth of the line, the bottom line below it.
        int nFifth = c.rcLine.Height() / 5;
        EXPECT_NEAR(c.rcLine.top, rcRed.top, 1);
        EXPECT_NEAR(c.rcLine.top + nFifth, rcRed.bottom, 2);
        EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(rcInk.CenterPoint().x, rcInk.bottom - 1));
    }
}

TEST(CustSymbolDrawTest, ColourModes)
{
    struct ModeCase
    {
        const char* szName;
        BOOL bTransparent;
        BOOL bSelected;
        BOOL bCharMode;
        COLORREF crLine;
        COLORREF crBack;
    };
    const ModeCase modeCases[] = {
        {"new symbol: selected, character colour 0", FALSE, TRUE, TRUE, RGB(255, 255, 255), RGB(0, 0, 0)},
        {"own colours", FALSE, FALSE, FALSE, RGB(255, 0, 0), RGB(255, 255, 255)},
        {"character mode", FALSE, FALSE, TRUE, RGB(0, 0, 128), RGB(255, 255, 255)},
        {"selected own colours", FALSE, TRUE, FALSE, RGB(0, 255, 255), RGB(0, 0, 0)},
        {"transparent is never inverted", TRUE, TRUE, FALSE, RGB(255, 0, 0), RGB(200, 200, 200)},
    };
    for (const ModeCase& c : modeCases) {
        SCOPED_TRACE(c.szName);
        CTestDib dib(60, 60, RGB(200, 200, 200));
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString("<L>0,5,20,5,FF0000</L><H>20,20</H>"));
        if (c.bCharMode) {
            sym.SetCharMode(RGB(0, 0, 128), TRUE);
        } else {
            sym.SetCharMode(RGB(0, 0, 128), FALSE);
        }
        if (!c.bSelected || c.bTransparent) {
            sym.SetSelected(c.bSelected);
        }
        if (c.bTransparent) {
            sym.SetTransparent(TRUE);
            EXPECT_FALSE(sym.SetSelected(TRUE));
            EXPECT_FALSE(sym.SetBackroundColor(RGB(1, 1, 1)));
        }
        if (c.szName[0] == 'n') {
            CCustSymbol fresh;
            ASSERT_TRUE(fresh.SetSymbolString("<L>0,5,20,5,FF0000</L><H>20,20</H>"));
            ASSERT_TRUE(fresh.Draw(&dib.DC(), CPoint(10, 50), 40L));
        } else {
            ASSERT_TRUE(sym.Draw(&dib.DC(), CPoint(10, 50), 40L));
        }
        // Symbol y 5 is row 40; y 15 is row 20 (background only).
        EXPECT_EQ(c.crLine, dib.Pixel(30, 40));
        EXPECT_EQ(c.crBack, dib.Pixel(30, 20));
    }
}

TEST(CustSymbolDrawTest, RecordsTheDrawingCalls)
{
    CTestMetafile emf;
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString(kSample));
    PrepareOwnColours(sym);
    ASSERT_TRUE(sym.Draw(&emf.DC(), CPoint(10, 90), 80L));
    std::vector<DWORD> arrType;
    for (const EmfRecord& rec : emf.Records()) {
        arrType.push_back(rec.iType);
    }
    // Drawn in list order: arcs, circles, lines, polylines, then plain elements.
    const DWORD aExpected[] = {EMR_SAVEDC,   EMR_SETMAPMODE, EMR_RECTANGLE, EMR_POLYLINE16,   EMR_ELLIPSE,
                               EMR_MOVETOEX, EMR_LINETO,     EMR_POLYGON16, EMR_EXTFLOODFILL, EMR_RESTOREDC};
    size_t nAt = 0;
    for (DWORD dwType : aExpected) {
        while (nAt < arrType.size() && arrType[nAt] != dwType) {
            ++nAt;
        }
        EXPECT_LT(nAt, arrType.size()) << "record " << dwType << " missing or out of order\n" << emf.Dump();
    }
    const EMRSETMAPMODE* pMap = reinterpret_cast<const EMRSETMAPMODE*>(emf.Find(EMR_SETMAPMODE)[0]->data.data());
    EXPECT_EQ(static_cast<DWORD>(MM_ANISOTROPIC), pMap->iMode);
    const EMRSETVIEWPORTEXTEX* pExt =
        reinterpret_cast<const EMRSETVIEWPORTEXTEX*>(emf.Find(EMR_SETVIEWPORTEXTEX)[0]->data.data());
    EXPECT_EQ(1000, pExt->szlExtent.cx);
    EXPECT_EQ(-1000, pExt->szlExtent.cy);
    const EMRLINETO* pLineTo = reinterpret_cast<const EMRLINETO*>(emf.Find(EMR_LINETO)[0]->data.data());
    EXPECT_EQ(91, pLineTo->ptl.x);
    EXPECT_EQ(-90, pLineTo->ptl.y);
    const EMREXTFLOODFILL* pFlood =
        reinterpret_cast<const EMREXTFLOODFILL*>(emf.Find(EMR_EXTFLOODFILL)[0]->data.data());
    // Flood fills are made in device units.
    EXPECT_EQ(21, pFlood->ptlStart.x);
    EXPECT_EQ(30, pFlood->ptlStart.y);
    EXPECT_EQ(RGB(0, 255, 0), pFlood->crColor);
    EXPECT_EQ(static_cast<DWORD>(FLOODFILLBORDER), pFlood->iMode);
}

TEST(CustSymbolDrawTest, TransparentSymbolDrawsNoBackground)
{
    CTestMetafile emf;
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<L>0,0,10,10</L>"));
    sym.SetTransparent(TRUE);
    ASSERT_TRUE(sym.Draw(&emf.DC(), CPoint(0, 20), 20L));
    EXPECT_TRUE(emf.Find(EMR_RECTANGLE).empty()) << emf.Dump();
    EXPECT_FALSE(sym.m_bInverted);
    EXPECT_FALSE(static_cast<CBasicObject*>(sym.m_listLine.GetHead())->m_bInverted);
}

TEST(CustSymbolDrawTest, DrawingRefusals)
{
    CTestDib dib(50, 50);
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<L>0,0,10,10</L>"));
    EXPECT_FALSE(sym.Draw(nullptr, CPoint(0, 20), 20L));
    EXPECT_FALSE(sym.Draw(&dib.DC(), CPoint(0, 20), 0L));
    EXPECT_FALSE(sym.Draw(&dib.DC(), CPoint(0, 20), 1000000L));
    EXPECT_FALSE(sym.Draw(&dib.DC(), CPoint(5000, 5000), 20L));
    EXPECT_FALSE(sym.Draw(&dib.DC(), CPoint(0, 0), 0.0));
    EXPECT_FALSE(DrawSymbol("<C>0,0,0</C>", "", &dib.DC(), 20, CPoint(0, 20)));
    EXPECT_EQ(0, dib.CountInk(CRect(0, 0, 50, 50)));
}

// Text turned by its angle stays inside the area the symbol measures.
TEST(CustSymbolDrawTest, RotatedTextStaysInsideItsArea)
{
    const int anAngle[] = {0, 30, 90, 135, 180, 270};
    const char* aszAlign[] = {"L", "M", "R"};
    CTestDib dibAll(540, 420);
    int nCase = 0;
    for (int nAngle : anAngle) {
        for (const char* szAlign : aszAlign) {
            SCOPED_TRACE(testing::Message() << nAngle << " " << szAlign);
            CString strSymbol;
            strSymbol.Format("<T>'HHg',0,0,10,%s,,000000,,%d</T><P>0,0,FF0000</P>", szAlign, nAngle);
            CCustSymbol sym;
            ASSERT_TRUE(sym.SetSymbolString(strSymbol));
            sym.SetTransparent(TRUE);
            sym.SetCharMode(0, FALSE);
            CRect rcArea;
            double dScale = 0.0;
            CTestDib dib(200, 200);
            ASSERT_TRUE(sym.QueryArea(&dib.DC(), 40, rcArea, dScale));
            ASSERT_TRUE(sym.Draw(&dib.DC(), CPoint(40, 140), 40L));
            // The area on the device: its left at x + 1, its top row one line above the point.
            CRect rcDevice(41, 100, 41 + rcArea.Width(), 100 + rcArea.Height());
            CRect rcInk = dib.InkBounds(CRect(0, 0, 200, 200));
            ASSERT_FALSE(rcInk.IsRectEmpty());
            rcDevice.InflateRect(1, 1);
            CRect rcCommon;
            rcCommon.IntersectRect(&rcInk, &rcDevice);
            EXPECT_EQ(rcInk, rcCommon) << "ink " << rcInk.left << "," << rcInk.top << "," << rcInk.right << ","
                                       << rcInk.bottom << " area " << rcDevice.left << "," << rcDevice.top << ","
                                       << rcDevice.right << "," << rcDevice.bottom;
            int x = 20 + (nCase % 3) * 180;
            int y = 60 + (nCase / 3) * 70;
            sym.Draw(&dibAll.DC(), CPoint(x, y), 40L);
            ++nCase;
        }
    }
    SavePng(TestImagePath("custsymbol-rotated-text.png").c_str(), dibAll.Bits(), dibAll.Width(), dibAll.Height());
}

// Markup damaged or extreme in every way is measured and drawn, or refused, and stays bounded.
TEST(CustSymbolDrawTest, DamagedAndExtremeSymbolsStayBounded)
{
    CTestDib dib(100, 100);
    CString strSample = kSample;
    strSample += "<V>v,'值',1@v#R,2,12,M,B,000000,,30</V><T>'x',0,0,8,R,I,FF0000,,-45</T>";
    for (int n = 0; n <= strSample.GetLength(); n += 3) {
        CString strCut = strSample.Left(n) + strSample.Mid(n + 2);
        long lWidth = 0;
        QueryWidth(strCut, "v = 'w';  ", &dib.DC(), 30, lWidth);
        DrawSymbol(strCut, "v = 'w';  ", &dib.DC(), 30, CPoint(5, 60));
    }
    const char* aszExtreme[] = {
        "<L>0,0,1e9,1</L>",
        "<L>-1e9,-1e9,1e9,1e9,000000,2147483647</L>",
        "<L>0,0,1,1,000000,2147483647,y</L>",
        "<M>(0,0)(1e9,0)(1e9,1),000000,y</M>",
        "<C>0,0,2147483647</C>",
        "<C>1e9,0,1</C><L>0,0,0,1</L>",
        "<A>0,0,1e9,0,0,1e9,000000,y</A>",
        "<A>0,0,1e-9,0,0,1e-9</A>",
        "<T>'a',0,0,2147483647</T>",
        "<T>'a',0,0,-12</T>",
        "<T>'a',0,0,12</T><L>0,0,0,1e-9</L>",
        "<V>v,'a',1e9@v#RT,1e9@v#RT,12</V><V>w,'b',0@v#R,0@v#T,12</V><L>0@w#LB,0@w#LB,5,5</L>",
        "<V>v,'a',0@w#R,0,12</V><V>w,'b',0@v#R,0,12</V>",
        "<F>0,0,FF0000,00FF00</F><P>1e9,1e9</P>",
    };
    for (const char* sz : aszExtreme) {
        SCOPED_TRACE(sz);
        CCustSymbol sym;
        sym.SetSymbolString(sz);
        for (int i = 0; i < 3; ++i) {
            long lWidth = 0;
            sym.QueryWidth(&dib.DC(), 50, lWidth);
            EXPECT_GE(lWidth, 0);
            EXPECT_LT(lWidth, 0x7FFFFFFF);
            sym.Draw(&dib.DC(), CPoint(10, 60), 50L);
        }
        long lWidth = 0;
        QueryWidth(sz, "", &dib.DC(), 32767, lWidth);
    }
}

// Slot calls on a context whose y runs downwards, as asked with SetYDown: texts turn the other
// way round and stay inside the extent measured with the same direction.
TEST(CustSymbolDrawTest, YDownSlotDrawingStaysInsideItsExtent)
{
    const int anAngle[] = {0, 90};
    for (int nAngle : anAngle) {
        SCOPED_TRACE(nAngle);
        CString strSymbol;
        strSymbol.Format("<T>'HHg',0,0,20,L,,000000,,%d</T><A>0,0,10,0,0,10,FF0000</A>", nAngle);
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString(strSymbol));
        sym.SetTransparent(TRUE);
        sym.SetCharMode(0, FALSE);
        sym.SetYDown(TRUE);
        CTestDib dib(200, 200);
        CDoubleRect rcArea;
        ASSERT_TRUE(sym.QueryAreaAppr(&dib.DC(), rcArea, 1.0));
        ASSERT_TRUE(sym.Draw(&dib.DC(), CPoint(100, 100), 1.0));
        CRect rcInk = dib.InkBounds(CRect(0, 0, 200, 200));
        CRect rcExpected(
            100 + static_cast<int>(std::floor(rcArea.left)) - 1, 100 + static_cast<int>(std::floor(rcArea.top)) - 1,
            100 + static_cast<int>(std::ceil(rcArea.right)) + 1, 100 + static_cast<int>(std::ceil(rcArea.bottom)) + 1);
        CRect rcCommon;
        rcCommon.IntersectRect(&rcInk, &rcExpected);
        EXPECT_EQ(rcInk, rcCommon) << "ink " << rcInk.left << "," << rcInk.top << "," << rcInk.right << ","
                                   << rcInk.bottom;
        // Turned half round with its alignment mirrored, the text still runs right of its point.
        if (nAngle == 0) {
            EXPECT_GE(rcInk.left, 99);
            EXPECT_GT(rcInk.Width(), 30);
        }
    }
}
