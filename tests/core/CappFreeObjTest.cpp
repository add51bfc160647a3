// Free drawing objects: handles, hit tests, picking, dragging and normalising, sizes, the arrow
// head and the text font.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/CappCircleArrow.h"
#include "core/CappFreeCircle.h"
#include "core/CappFreeCloud.h"
#include "core/CappFreeLine.h"
#include "core/CappFreeLineArrow.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeRectArrow.h"
#include "core/CappFreeRound.h"
#include "core/CappFreeRoundArrow.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"
#include "platform/gdi/Font.h"
#include "tests/support/DibCanvas.h"

namespace
{

std::string Str(CPoint pt)
{
    return std::to_string(pt.x) + "," + std::to_string(pt.y);
}

std::string Str(const CRect& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

TEST(CappFreeObjTest, NewObjectsStartWithTheirDefaults)
{
    CCappFreeObj obj;
    EXPECT_EQ(0, obj.m_nKind);
    EXPECT_EQ(0, obj.m_nReserved1);
    EXPECT_EQ(0, obj.m_nReserved2);
    EXPECT_EQ(0, obj.m_nReserved3);
    EXPECT_EQ(0, obj.m_nReserved4);
    EXPECT_EQ(0, obj.m_nReserved5);
    EXPECT_EQ(0, obj.m_nReserved6);
    EXPECT_EQ(0xFFFFFFu, obj.m_crFill);
    EXPECT_EQ(1, obj.m_nLineWidth);
    EXPECT_EQ(5, obj.m_nTextFormat);
    EXPECT_EQ(-31, obj.m_nFontHeight);

    struct Case
    {
        const char* szName;
        std::unique_ptr<CCappFreeObj> pObj;
        int nKind;
        int nHandles;
    };
    Case cases[] = {
        {"line", std::make_unique<CCappFreeLine>(), 1, 2},
        {"rectangle", std::make_unique<CCappFreeRect>(), 2, 8},
        {"circle", std::make_unique<CCappFreeCircle>(), 3, 8},
        {"triangle", std::make_unique<CCappFreeTriangle>(), 4, 9},
        {"rounded box", std::make_unique<CCappFreeRound>(), 5, 8},
        {"cloud", std::make_unique<CCappFreeCloud>(), 6, 9},
        {"rectangle with pointer", std::make_unique<CCappFreeRectArrow>(), 7, 9},
        {"rounded box with pointer", std::make_unique<CCappFreeRoundArrow>(), 8, 9},
        {"circle with pointer", std::make_unique<CCappCircleArrow>(), 9, 9},
        {"line with arrow", std::make_unique<CCappFreeLineArrow>(), 10, 2},
        {"spline", std::make_unique<CCappFreeSpline>(), 11, 0},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nKind, c.pObj->m_nKind);
        EXPECT_EQ(c.nHandles, c.pObj->GetHandleCount());
    }
    EXPECT_EQ(-9999, CCappFreeCloud().m_ptTip.GetX());
    EXPECT_EQ(0, CCappFreeRect().m_nRectInt);
    EXPECT_EQ(0, CCappFreeRoundArrow().m_nRoundInt1);
    EXPECT_EQ(0, CCappFreeRoundArrow().m_nRoundInt2);
}

TEST(CappFreeObjTest, AssignmentCopiesAllButReservedFour)
{
    CCappFreeRect src;
    src.SetBoxRect(CRect(10, 20, 110, 220));
    src.m_nRectInt = 7;
    src.m_strText = "注";
    src.m_nReserved4 = 44;
    src.m_nReserved6 = 66;
    src.m_bSelected = 1;
    CCappFreeRect dst;
    dst = src;
    EXPECT_EQ("10,20,110,220", Str(dst.GetOutRect()));
    EXPECT_EQ(7, dst.m_nRectInt);
    EXPECT_EQ("注", dst.m_strText);
    EXPECT_EQ(0, dst.m_nReserved4);
    EXPECT_EQ(66, dst.m_nReserved6);
    EXPECT_EQ(1, dst.m_bSelected);

    CCappFreeSpline spline;
    spline.AddPoint(CPoint(1, 2));
    spline.AddPoint(CPoint(3, 4));
    CCappFreeSpline copy;
    copy.AddPoint(CPoint(9, 9));
    copy = spline;
    ASSERT_EQ(2, copy.GetHandleCount());
    EXPECT_EQ("3,4", Str(copy.GetHandlePoint(2)));
    spline.MoveHandleTo(2, CPoint(5, 5));
    EXPECT_EQ("3,4", Str(copy.GetHandlePoint(2))) << "the copy owns its own points";
}

TEST(CappFreeObjTest, BoxHandlesSitOnEdgeMiddlesAndCorners)
{
    CCappFreeRect rect;
    rect.SetBoxRect(CRect(100, 200, 300, 400));
    const char* const expected[] = {"",        "100,300", "200,400", "300,300", "200,200",
                                    "100,400", "300,400", "300,200", "100,200"};
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(expected[n], Str(rect.GetHandlePoint(n)));
        EXPECT_EQ(Str(CRect(rect.GetHandlePoint(n).x - 10, rect.GetHandlePoint(n).y - 10, rect.GetHandlePoint(n).x + 10,
                            rect.GetHandlePoint(n).y + 10)),
                  Str(rect.GetHandleRect(n)));
    }
    EXPECT_EQ("100,200,300,400", Str(rect.GetOutRect()));
    EXPECT_EQ("101,201,299,399", Str(rect.GetClientRect()));
    EXPECT_EQ("90,190,310,410", Str(rect.GetOutIineRect()));
    EXPECT_TRUE(CCappFreeCircle().GetClientRect().IsRectNull());
}

TEST(CappFreeObjTest, HitTestTakesLeftAndTopEdgesAndTheLowestHandle)
{
    CCappFreeRect rect;
    rect.SetBoxRect(CRect(100, 200, 300, 400));
    struct Case
    {
        const char* szName;
        CPoint pt;
        int nHandle;
    };
    const Case cases[] = {
        {"left edge of handle 1", {90, 300}, 1},
        {"top edge of handle 1", {100, 290}, 1},
        {"right edge of handle 1 is outside", {110, 300}, 0},
        {"bottom edge of handle 1 is outside", {100, 310}, 0},
        {"inside handle 6", {305, 405}, 6},
        {"between handles", {200, 300}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nHandle, rect.HitTest(c.pt));
    }

    // A box 10 wide: the squares of handles 1, 3 and 4 overlap; the lowest number wins.
    CCappFreeRect narrow;
    narrow.SetBoxRect(CRect(0, 0, 10, 100));
    EXPECT_EQ(1, narrow.HitTest(CPoint(5, 50)));
    EXPECT_EQ(4, narrow.HitTest(CPoint(5, 0)));
}

TEST(CappFreeObjTest, LinePickingToleratesFiveUnits)
{
    struct Case
    {
        const char* szName;
        CPoint pt1;
        CPoint pt2;
        CPoint pt;
        BOOL bPicked;
    };
    const Case cases[] = {
        {"on a flat line", {0, 0}, {100, 0}, {50, 0}, TRUE},
        {"4 below a flat line", {0, 0}, {100, 0}, {50, 4}, TRUE},
        {"5 below a flat line", {0, 0}, {100, 0}, {50, 5}, FALSE},
        {"beyond the end", {0, 0}, {100, 0}, {101, 0}, FALSE},
        {"on a diagonal", {0, 0}, {100, 100}, {50, 52}, TRUE},
        {"vertical line through the second test", {10, 0}, {10, 100}, {13, 50}, TRUE},
        {"vertical line, 5 away", {10, 0}, {10, 100}, {15, 50}, FALSE},
        {"a single point is never picked", {10, 10}, {10, 10}, {10, 10}, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bPicked, CCappFreeObj::CanPickLine(c.pt1, c.pt2, c.pt));
    }
    EXPECT_TRUE(CCappFreeObj::CanPickRect(CRect(0, 0, 10, 10), CPoint(0, 0)));
    EXPECT_FALSE(CCappFreeObj::CanPickRect(CRect(0, 0, 10, 10), CPoint(10, 5)));
    EXPECT_TRUE(CCappFreeObj::CanPickCircle(CRect(0, 0, 100, 100), CPoint(50, 50)));
    EXPECT_FALSE(CCappFreeObj::CanPickCircle(CRect(0, 0, 100, 100), CPoint(5, 5)));
}

TEST(CappFreeObjTest, KindsPickTheirOwnShape)
{
    CCappFreeRect rect;
    rect.SetBoxRect(CRect(0, 0, 100, 100));
    CCappFreeCircle circle;
    circle.SetBoxRect(CRect(0, 0, 100, 100));
    CCappFreeRound round;
    round.SetBoxRect(CRect(0, 0, 100, 100));
    CCappFreeTriangle triangle;
    triangle.SetBoxRect(CRect(0, 0, 100, 100));
    CCappCircleArrow pointer;
    pointer.SetBoxRect(CRect(0, 0, 100, 100));
    pointer.MoveHandleTo(9, CPoint(200, 50));
    CCappFreeCloud cloud;
    cloud.SetBoxRect(CRect(0, 0, 100, 100));
    CCappFreeLine line;
    line.MoveHandleTo(1, CPoint(0, 0));
    line.MoveHandleTo(2, CPoint(100, 0));
    CCappFreeSpline spline;
    for (CPoint pt : {CPoint(0, 0), CPoint(100, 0), CPoint(100, 100)}) {
        spline.AddPoint(pt);
    }
    struct Case
    {
        const char* szName;
        CCappFreeObj* pObj;
        CPoint pt;
        int bPicked;
    };
    const Case cases[] = {
        {"rectangle corner", &rect, {2, 2}, TRUE},
        {"circle leaves its corners", &circle, {2, 2}, FALSE},
        {"circle centre", &circle, {50, 50}, TRUE},
        {"rounded box leaves its corners", &round, {1, 1}, FALSE},
        {"rounded box edge middle", &round, {1, 50}, TRUE},
        {"triangle base corner", &triangle, {1, 99}, TRUE},
        {"triangle beside its apex", &triangle, {5, 5}, FALSE},
        {"triangle below its apex", &triangle, {50, 5}, TRUE},
        {"pointer body", &pointer, {50, 50}, TRUE},
        {"pointer near its tip", &pointer, {190, 50}, TRUE},
        {"beside the pointer", &pointer, {150, 5}, FALSE},
        {"cloud centre", &cloud, {50, 50}, TRUE},
        {"cloud has no pointer", &cloud, {150, 50}, FALSE},
        {"line", &line, {50, 3}, TRUE},
        {"spline second segment", &spline, {98, 50}, TRUE},
        {"spline inside its bend", &spline, {50, 50}, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bPicked, c.pObj->CanPick(c.pt));
    }
    EXPECT_FALSE(CCappFreeSpline().CanPick(CPoint(0, 0)));
}

TEST(CappFreeObjTest, DraggingRecentresAndNormalisingMapsTheHandle)
{
    struct Case
    {
        const char* szName;
        int nHandle;
        CPoint pt;
        const char* szDragged; // left,top,right,bottom as the edges stand after the drag
        int nHandleAfter;
        const char* szAfter;
    };
    const Case cases[] = {
        {"right middle past the left edge", 3, {50, 0}, "100,200,50,400", 1, "50,200,100,400"},
        {"left middle past the right edge", 1, {350, 0}, "350,200,300,400", 3, "300,200,350,400"},
        {"bottom middle above the top", 2, {0, 150}, "100,200,300,150", 4, "100,150,300,200"},
        {"right-bottom corner past both", 6, {50, 150}, "100,200,50,150", 8, "50,150,100,200"},
        {"left-bottom corner past the right", 5, {350, 450}, "350,200,300,450", 6, "300,200,350,450"},
        {"right-top corner below the bottom", 7, {320, 450}, "100,450,320,400", 6, "100,400,320,450"},
        {"a plain move keeps the handle", 4, {0, 100}, "100,100,300,400", 4, "100,100,300,400"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappFreeRect rect;
        rect.SetBoxRect(CRect(100, 200, 300, 400));
        rect.MoveHandleTo(c.nHandle, c.pt);
        EXPECT_EQ(c.szDragged,
                  Str(CRect(rect.m_ptLeft.GetX(), rect.m_ptTop.GetY(), rect.m_ptRight.GetX(), rect.m_ptBottom.GetY())));
        // The middles of the neighbouring edges follow.
        EXPECT_EQ((rect.m_ptLeft.GetX() + rect.m_ptRight.GetX()) / 2, rect.m_ptTop.GetX());
        EXPECT_EQ((rect.m_ptTop.GetY() + rect.m_ptBottom.GetY()) / 2, rect.m_ptLeft.GetY());
        int nOut = -1;
        rect.AdjustPoint(c.nHandle, nOut);
        EXPECT_EQ(c.nHandleAfter, nOut);
        EXPECT_EQ(c.szAfter,
                  Str(CRect(rect.m_ptLeft.GetX(), rect.m_ptTop.GetY(), rect.m_ptRight.GetX(), rect.m_ptBottom.GetY())));
        EXPECT_EQ(c.pt.x == 0 ? rect.GetHandlePoint(nOut).x : c.pt.x, rect.GetHandlePoint(nOut).x)
            << "the mapped handle is where the mouse is";
    }
}

TEST(CappFreeObjTest, PointerKindsNormaliseTooAndKeepDraggingTheSameEdge)
{
    // Mapping the handle without exchanging the edges would hand the next drag the fixed edge.
    CCappFreeRectArrow pointer;
    pointer.SetBoxRect(CRect(100, 200, 300, 400));
    pointer.MoveHandleTo(3, CPoint(50, 0));
    int nHandle = 0;
    pointer.AdjustPoint(3, nHandle);
    ASSERT_EQ(1, nHandle);
    pointer.MoveHandleTo(nHandle, CPoint(40, 0));
    EXPECT_EQ("40,200,100,400", Str(pointer.GetOutRect()));
    pointer.AdjustPoint(9, nHandle);
    EXPECT_EQ(9, nHandle);
}

TEST(CappFreeObjTest, MovingMovesEveryPoint)
{
    const CPoint ptOffset(5, -7);
    CCappFreeLine line;
    line.MoveHandleTo(1, CPoint(0, 0));
    line.MoveHandleTo(2, CPoint(10, 10));
    line.MoveObj(ptOffset);
    EXPECT_EQ("5,-7,15,3", Str(line.GetOutRect()));

    CCappFreeTriangle triangle;
    triangle.SetBoxRect(CRect(0, 0, 100, 100));
    triangle.MoveHandleTo(9, CPoint(20, 999));
    triangle.MoveObj(ptOffset);
    EXPECT_EQ("5,-7,105,93", Str(triangle.GetOutRect()));
    EXPECT_EQ("25,-7", Str(triangle.GetHandlePoint(9)));

    CCappFreeCloud cloud;
    cloud.SetBoxRect(CRect(0, 0, 100, 100));
    cloud.MoveObj(ptOffset);
    EXPECT_EQ(-9999, cloud.m_ptTip.GetX()) << "no tip stays no tip";
    cloud.MoveHandleTo(9, CPoint(200, 50));
    cloud.MoveObj(ptOffset);
    EXPECT_EQ("205,43", Str(cloud.GetHandlePoint(9)));
    EXPECT_EQ("10,-14,110,86", Str(cloud.GetOutRect()));
    EXPECT_EQ("0,-24,215,96", Str(cloud.GetOutIineRect()));

    CCappFreeSpline spline;
    spline.AddPoint(CPoint(1, 1));
    spline.MoveObj(ptOffset);
    EXPECT_EQ("6,-6", Str(spline.GetHandlePoint(1)));
}

TEST(CappFreeObjTest, TriangleApexKeepsItsPlaceAlongTheTop)
{
    CCappFreeTriangle triangle;
    triangle.SetBoxRect(CRect(0, 0, 100, 100));
    EXPECT_EQ("50,0", Str(triangle.GetHandlePoint(9)));
    triangle.MoveHandleTo(9, CPoint(25, 60));
    EXPECT_EQ("25,0", Str(triangle.GetHandlePoint(9))) << "the apex stays on the top edge";
    triangle.MoveHandleTo(3, CPoint(200, 0));
    EXPECT_EQ("50,0", Str(triangle.GetHandlePoint(9))) << "a quarter of the width still";
    triangle.MoveHandleTo(2, CPoint(0, -50));
    int nHandle = 0;
    triangle.AdjustPoint(2, nHandle);
    EXPECT_EQ(4, nHandle);
    EXPECT_EQ("0,-50,200,0", Str(triangle.GetOutRect()));
    EXPECT_EQ("50,-50", Str(triangle.GetHandlePoint(9)));
}

TEST(CappFreeObjTest, SetSizeMeasuresFromTheLeftTopCorner)
{
    struct Case
    {
        const char* szName;
        int cx;
        int cy;
        const char* szRect;
    };
    const Case cases[] = {
        {"both sides", 50, 60, "100,200,150,260"},
        {"width below 1 keeps the width", 0, 60, "100,200,300,260"},
        {"height below 1 keeps the height", 50, -3, "100,200,150,400"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappFreeRect rect;
        rect.SetBoxRect(CRect(100, 200, 300, 400));
        rect.SetSize(c.cx, c.cy);
        EXPECT_EQ(c.szRect, Str(rect.GetOutRect()));
        CCappFreeCircle circle;
        circle.SetBoxRect(CRect(100, 200, 300, 400));
        circle.SetSize(c.cx, c.cy);
        EXPECT_EQ(c.szRect, Str(circle.GetOutRect()));
    }
    CCappFreeRectArrow pointer;
    pointer.SetBoxRect(CRect(100, 200, 300, 400));
    pointer.SetSize(10, 10);
    EXPECT_EQ("100,200,300,400", Str(pointer.GetOutRect())) << "other kinds ignore it";
}

TEST(CappFreeObjTest, ArrowHeadWingsFollowTheLine)
{
    struct Case
    {
        const char* szName;
        CPoint ptStart;
        CPoint ptEnd;
        const char* szWing1;
        const char* szWing2;
    };
    const Case cases[] = {
        {"to the right", {0, 0}, {100, 0}, "91,-2", "91,2"},
        {"to the left", {100, 0}, {0, 0}, "9,2", "9,-2"},
        {"straight down, symmetric", {0, 0}, {0, 100}, "2,91", "-2,91"},
        // The wings stay behind the end: the head is not turned backwards.
        {"straight up, symmetric", {0, 100}, {0, 0}, "-2,9", "2,9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappFreeLineArrow arrow;
        arrow.MoveHandleTo(1, c.ptStart);
        arrow.MoveHandleTo(2, c.ptEnd);
        arrow.CalcArrow();
        EXPECT_EQ(c.szWing1, Str(arrow.m_ptWing1.pt()));
        EXPECT_EQ(c.szWing2, Str(arrow.m_ptWing2.pt()));
    }
}

TEST(CappFreeObjTest, HandleCursorsFollowTheHandleDirection)
{
    const HCURSOR hWE = ::LoadCursorA(nullptr, IDC_SIZEWE);
    const HCURSOR hNS = ::LoadCursorA(nullptr, IDC_SIZENS);
    const HCURSOR hNESW = ::LoadCursorA(nullptr, IDC_SIZENESW);
    const HCURSOR hNWSE = ::LoadCursorA(nullptr, IDC_SIZENWSE);
    const HCURSOR hAll = ::LoadCursorA(nullptr, IDC_SIZEALL);
    CCappFreeRect rect;
    const HCURSOR box[] = {hNWSE, hWE, hNS, hWE, hNS, hNESW, hNWSE, hNESW, hNWSE};
    for (int n = 0; n <= 8; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(box[n], rect.GetHandleCursor(n));
    }
    const HCURSOR hOwn = rect.GetHandleCursor(9);
    EXPECT_NE(nullptr, hOwn) << "the library's own cursor";
    EXPECT_NE(hAll, hOwn);
    CCappFreeRound round;
    EXPECT_EQ(hAll, round.GetHandleCursor(0));
    EXPECT_EQ(hAll, round.GetHandleCursor(9));
    EXPECT_EQ(hWE, round.GetHandleCursor(1));
    EXPECT_EQ(hNWSE, CCappFreeLine().GetHandleCursor(1));
    EXPECT_EQ(hNWSE, CCappFreeLineArrow().GetHandleCursor(2));
    EXPECT_EQ(hNWSE, CCappFreeSpline().GetHandleCursor(5));
}

TEST(CappFreeObjTest, FontHeightMovesAwayFromZeroWhenTheDcWouldScaleItToAFraction)
{
    struct Case
    {
        const char* szName;
        int nFontHeight;
        int cxWindow;
        int cxViewport;
        int nHeight;
    };
    const Case cases[] = {
        {"one to one keeps it", -31, 1, 1, -31},
        {"a fraction: one more below zero", -31, 254, 96, -32},
        {"an exact multiple keeps it", -48, 254, 96, -48},
        {"positive heights grow", 31, 254, 96, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestDib dib(4, 4);
        dib.DC().SetMapMode(MM_ANISOTROPIC);
        dib.DC().SetWindowExt(c.cxWindow, c.cxWindow);
        dib.DC().SetViewportExt(c.cxViewport, c.cxViewport);
        CCappFreeRect rect;
        rect.m_nFontHeight = c.nFontHeight;
        CFont font;
        rect.CreateCellFont(&dib.DC(), &font);
        ASSERT_NE(nullptr, font.GetSafeHandle());
        LOGFONTA lf = {};
        font.GetLogFont(&lf);
        EXPECT_EQ(c.nHeight, lf.lfHeight);
        EXPECT_EQ(c.nHeight, rect.m_lfFont.lfHeight) << "the height is kept";
    }
}

} // namespace
