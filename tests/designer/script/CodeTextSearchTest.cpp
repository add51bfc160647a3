// Finding text in a script's lines where the search wraps round the end of the text.
#include <gtest/gtest.h>

#include "designer/script/CodeTextBuffer.h"
#include "designer/script/CodeTextSearch.h"

// A repeated search starts after the match going down and at its start going up: wrapping must
// come back round to the same match when it is the only one, and must find a match lying across
// the start point.
TEST(CodeTextSearchTest, WrappingComesBackRoundToTheStart)
{
    CCodeTextBuffer buffer;
    ASSERT_TRUE(buffer.SetAllText("x = 1\r\nabc = x\r\nend"));
    struct Case
    {
        const char* szName;
        const char* szWhat;
        CPoint ptStart;
        DWORD dwFlags;
        BOOL bWrap;
        BOOL bFound;
        CPoint ptFound;
    };
    const Case cases[] = {
        {"down: a match at the start is found", "abc", {0, 1}, 0, FALSE, TRUE, {0, 1}},
        {"down after the only match: none without wrap", "abc", {3, 1}, 0, FALSE, FALSE, {0, 0}},
        {"down after the only match: wraps to it", "abc", {3, 1}, 0, TRUE, TRUE, {0, 1}},
        {"down: a match across the start is found by wrapping", "abc", {1, 1}, 0, TRUE, TRUE, {0, 1}},
        {"down: wraps to a line above", "1", {0, 2}, 0, TRUE, TRUE, {4, 0}},
        {"up from the only match's start: none without wrap", "abc", {0, 1}, FIND_DIRECTION_UP, FALSE, FALSE, {0, 0}},
        {"up from the only match's start: wraps to it", "abc", {0, 1}, FIND_DIRECTION_UP, TRUE, TRUE, {0, 1}},
        {"up: a match ending at the start is found", "abc", {3, 1}, FIND_DIRECTION_UP, FALSE, TRUE, {0, 1}},
        {"up: a match across the start is found by wrapping", "abc", {2, 1}, FIND_DIRECTION_UP, TRUE, TRUE, {0, 1}},
        {"up: wraps to a line below", "end", {0, 0}, FIND_DIRECTION_UP, TRUE, TRUE, {0, 2}},
        {"the nearer of two matches going up", "x", {5, 2}, FIND_DIRECTION_UP, FALSE, TRUE, {6, 1}},
        {"a start past the text is clamped", "end", {99, 99}, FIND_DIRECTION_UP, FALSE, TRUE, {0, 2}},
        {"nothing to find", "zz", {0, 0}, 0, TRUE, FALSE, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CPoint ptFound(-1, -1);
        EXPECT_EQ(c.bFound, CCodeTextSearch::Find(&buffer, c.szWhat, c.ptStart, c.dwFlags, c.bWrap, ptFound));
        if (c.bFound) {
            EXPECT_EQ(c.ptFound, ptFound);
        }
    }
    CPoint ptFound;
    EXPECT_FALSE(CCodeTextSearch::Find(nullptr, "x", CPoint(0, 0), 0, TRUE, ptFound)) << "no buffer";
    EXPECT_FALSE(CCodeTextSearch::Find(&buffer, "", CPoint(0, 0), 0, TRUE, ptFound)) << "no text";
}
