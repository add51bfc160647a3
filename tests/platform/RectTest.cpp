#include <gtest/gtest.h>

#include "platform/base/Rect.h"

namespace
{
TEST(RectTest, CornersAreReferencesIntoTheRectangle)
{
    CRect rc(10, 20, 110, 70);
    EXPECT_EQ(100, rc.Width());
    EXPECT_EQ(50, rc.Height());
    EXPECT_EQ(CSize(100, 50), rc.Size());
    EXPECT_EQ(CPoint(60, 45), rc.CenterPoint());
    // The corners are references into the rectangle.
    rc.TopLeft() = CPoint(0, 0);
    rc.BottomRight() += CSize(10, 10);
    EXPECT_EQ(CRect(0, 0, 120, 80), rc);
    EXPECT_EQ(CRect(5, 5, 8, 9), CRect(CPoint(5, 5), CSize(3, 4)));
    EXPECT_EQ(CRect(5, 5, 8, 9), CRect(CPoint(5, 5), CPoint(8, 9)));
}

TEST(RectTest, HitTestTakesTopLeftEdgesButNotBottomRight)
{
    struct Case
    {
        const char* szName;
        CRect rc;
        POINT pt;
        BOOL bEmpty;
        BOOL bNull;
        BOOL bHit;
    };
    const Case cases[] = {
        {"inside", CRect(0, 0, 10, 10), {5, 5}, FALSE, FALSE, TRUE},
        {"top-left edge is inside", CRect(0, 0, 10, 10), {0, 0}, FALSE, FALSE, TRUE},
        {"right edge is outside", CRect(0, 0, 10, 10), {10, 5}, FALSE, FALSE, FALSE},
        {"bottom edge is outside", CRect(0, 0, 10, 10), {5, 10}, FALSE, FALSE, FALSE},
        {"zero width", CRect(3, 3, 3, 9), {3, 4}, TRUE, FALSE, FALSE},
        {"inverted", CRect(10, 10, 0, 0), {5, 5}, TRUE, FALSE, FALSE},
        {"all zero", CRect(), {0, 0}, TRUE, TRUE, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bEmpty, c.rc.IsRectEmpty());
        EXPECT_EQ(c.bNull, c.rc.IsRectNull());
        EXPECT_EQ(c.bHit, c.rc.PtInRect(c.pt));
    }
}

TEST(RectTest, DeflateUndoesInflateAndNormalizeOrdersTheEdges)
{
    CRect rc(10, 10, 20, 20);
    rc.InflateRect(2, 3);
    EXPECT_EQ(CRect(8, 7, 22, 23), rc);
    rc.DeflateRect(2, 3);
    EXPECT_EQ(CRect(10, 10, 20, 20), rc);
    rc.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(9, 8, 23, 24), rc);
    rc.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(10, 10, 20, 20), rc);
    rc.OffsetRect(-10, 5);
    EXPECT_EQ(CRect(0, 15, 10, 25), rc);
    rc += CPoint(1, 1);
    rc -= CSize(0, 2);
    EXPECT_EQ(CRect(1, 14, 11, 24), rc);
    EXPECT_EQ(CRect(2, 16, 12, 26), rc + CSize(1, 2));
    rc.MoveToXY(0, 0);
    EXPECT_EQ(CRect(0, 0, 10, 10), rc);

    CRect inverted(20, 30, 10, 5);
    inverted.NormalizeRect();
    EXPECT_EQ(CRect(10, 5, 20, 30), inverted);
}

TEST(RectTest, IntersectionSkipsTouchingEdgesAndUnionSkipsEmpty)
{
    struct Case
    {
        const char* szName;
        CRect rc1;
        CRect rc2;
        BOOL bIntersects;
        CRect rcAnd;
        CRect rcOr;
    };
    const Case cases[] = {
        {"overlap", CRect(0, 0, 10, 10), CRect(5, 5, 15, 15), TRUE, CRect(5, 5, 10, 10), CRect(0, 0, 15, 15)},
        {"touching edges do not intersect", CRect(0, 0, 10, 10), CRect(10, 0, 20, 10), FALSE, CRect(),
         CRect(0, 0, 20, 10)},
        {"disjoint", CRect(0, 0, 5, 5), CRect(8, 8, 9, 9), FALSE, CRect(), CRect(0, 0, 9, 9)},
        {"empty one is ignored by union", CRect(0, 0, 5, 5), CRect(100, 100, 100, 100), FALSE, CRect(),
         CRect(0, 0, 5, 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CRect rcAnd(1, 1, 2, 2);
        EXPECT_EQ(c.bIntersects, rcAnd.IntersectRect(c.rc1, c.rc2));
        EXPECT_EQ(c.rcAnd, rcAnd);
        CRect rcOr;
        rcOr.UnionRect(c.rc1, c.rc2);
        EXPECT_EQ(c.rcOr, rcOr);
        EXPECT_EQ(c.rcAnd, c.rc1 & c.rc2);
        EXPECT_EQ(c.rcOr, c.rc1 | c.rc2);
        // In place: the rectangle is both a source and the destination.
        CRect rcSelf = c.rc1;
        rcSelf &= c.rc2;
        EXPECT_EQ(c.rcAnd, rcSelf);
        rcSelf = c.rc1;
        rcSelf |= c.rc2;
        EXPECT_EQ(c.rcOr, rcSelf);
    }
}

TEST(RectTest, CopiesCompareEqualToTheRawRect)
{
    CRect rc;
    rc.SetRect(1, 2, 3, 4);
    RECT raw = {1, 2, 3, 4};
    EXPECT_TRUE(rc == raw);
    EXPECT_TRUE(rc.EqualRect(&raw));
    CRect copy;
    copy.CopyRect(rc);
    EXPECT_EQ(rc, copy);
    copy.SetRectEmpty();
    EXPECT_TRUE(copy.IsRectNull());
    EXPECT_NE(rc, copy);
    LPCRECT prc = rc; // passes straight to Win32 functions
    EXPECT_EQ(3, prc->right);
}
} // namespace
