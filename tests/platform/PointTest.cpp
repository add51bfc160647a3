#include <gtest/gtest.h>

#include "platform/base/Point.h"

namespace
{
TEST(PointTest, PointMinusPointIsTheSizeBetweenThem)
{
    CPoint pt(10, 20);
    pt += CSize(1, 2);
    EXPECT_EQ(CPoint(11, 22), pt);
    pt -= CPoint(1, 2);
    EXPECT_EQ(CPoint(10, 20), pt);
    EXPECT_EQ(CPoint(13, 24), pt + CSize(3, 4));
    EXPECT_EQ(CPoint(7, 16), pt - CSize(3, 4));
    // Point minus point is the distance between them.
    CSize d = CPoint(5, 9) - pt;
    EXPECT_EQ(CSize(-5, -11), d);
    EXPECT_EQ(CPoint(-10, -20), -pt);
    pt.Offset(POINT{1, 1});
    EXPECT_NE(CPoint(10, 20), pt);
    POINT raw = pt; // usable wherever Win32 wants a POINT
    EXPECT_EQ(11, raw.x);
}

TEST(SizeTest, AddsSubtractsAndNegatesEachComponent)
{
    CSize sz(3, 4);
    sz += CSize(1, 1);
    EXPECT_EQ(CSize(4, 5), sz);
    sz -= CSize(4, 5);
    EXPECT_EQ(CSize(0, 0), sz);
    EXPECT_EQ(CSize(-2, 1), -CSize(2, -1));
    EXPECT_EQ(CSize(5, 7), CSize(2, 3) + CSize(3, 4));
    EXPECT_TRUE(CSize(1, 2) != CSize(1, 3));
}
} // namespace
