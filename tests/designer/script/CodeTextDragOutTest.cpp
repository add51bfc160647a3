// The range of text dragged out of a script view: which drop points lie on it, how it follows the
// drop's edits, and whether the drag changed the buffer.
#include <gtest/gtest.h>

#include "designer/script/CodeTextDragOut.h"
#include "designer/script/CodeUpdateContext.h"

// A drop on the dragged text itself is refused by the drop target. Its ends count: a move dropped
// at the start would insert before the range's start, which stays put, so the removal after the
// move would take the dropped copy with the original.
TEST(CodeTextDragOutTest, DropPointsOnTheDraggedTextIncludeBothEnds)
{
    CCodeTextDragOut drag;
    EXPECT_FALSE(drag.Contains(CPoint(3, 1))) << "no drag runs";
    drag.Begin(CPoint(4, 1), CPoint(2, 3));
    struct Case
    {
        const char* szName;
        CPoint pt;
        BOOL bInside;
    };
    const Case cases[] = {
        {"the start", {4, 1}, TRUE},
        {"just before the start", {3, 1}, FALSE},
        {"a line above", {9, 0}, FALSE},
        {"a middle line, far right", {80, 2}, TRUE},
        {"the last line, before the end", {1, 3}, TRUE},
        {"the end", {2, 3}, TRUE},
        {"just after the end", {3, 3}, FALSE},
        {"a line below", {0, 4}, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bInside, drag.Contains(c.pt));
    }
    EXPECT_FALSE(drag.End()) << "nothing was edited";
    EXPECT_FALSE(drag.Contains(CPoint(4, 1))) << "the drag is over";
}

// The drop edits the buffer before a move takes the dragged text out: the range must still name
// that text then.
TEST(CodeTextDragOutTest, TheRangeFollowsTheDropsEdits)
{
    struct Case
    {
        const char* szName;
        CCodeUpdateContext change;
        CPoint ptStart;
        CPoint ptEnd;
    };
    const Case cases[] = {
        {"text inserted before it on its line", {{0, 1}, {3, 1}, true}, {7, 1}, {2, 2}},
        {"lines inserted above it", {{0, 0}, {0, 2}, true}, {4, 3}, {2, 4}},
        {"text inserted after it", {{5, 2}, {9, 2}, true}, {4, 1}, {2, 2}},
        {"a line above it removed", {{0, 0}, {0, 1}, false}, {4, 0}, {2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCodeTextDragOut drag;
        drag.Begin(CPoint(4, 1), CPoint(2, 2));
        drag.FollowChange(c.change);
        CPoint ptStart;
        CPoint ptEnd;
        drag.GetRange(ptStart, ptEnd);
        EXPECT_EQ(c.ptStart, ptStart);
        EXPECT_EQ(c.ptEnd, ptEnd);
        EXPECT_TRUE(drag.End()) << "the drag changed the buffer";
    }
    // Changes outside a drag are not its own.
    CCodeTextDragOut idle;
    idle.FollowChange(CCodeUpdateContext(CPoint(0, 0), CPoint(0, 2), true));
    idle.Begin(CPoint(1, 0), CPoint(2, 0));
    EXPECT_FALSE(idle.End());
}
