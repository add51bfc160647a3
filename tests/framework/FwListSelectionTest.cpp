// The list's selected indexes: searched linearly while few and by bisection beyond, so every
// size on both sides of the switch must find, add and remove the same way.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "framework/FwListSelection.h"

namespace
{
std::vector<int> Items(const FwListSelection& selection)
{
    std::vector<int> items;
    for (int i = 0; i < selection.GetCount(); ++i) {
        items.push_back(selection.GetAt(i));
    }
    return items;
}
} // namespace

TEST(FwListSelectionTest, EverySizeFindsAddsAndRemovesLikeASortedSet)
{
    for (int nSize = 0; nSize <= 12; ++nSize) {
        SCOPED_TRACE("size " + std::to_string(nSize));
        // Even indexes, added in descending order so each lands in front.
        FwListSelection selection;
        std::set<int> expected;
        for (int i = nSize - 1; i >= 0; --i) {
            EXPECT_TRUE(selection.Add(2 * i));
            expected.insert(2 * i);
        }
        EXPECT_EQ(std::vector<int>(expected.begin(), expected.end()), Items(selection));
        for (int nItem = -1; nItem <= 2 * nSize + 1; ++nItem) {
            EXPECT_EQ(expected.count(nItem) != 0, selection.Contains(nItem) != FALSE) << "item " << nItem;
        }
        if (nSize > 0) {
            EXPECT_FALSE(selection.Add(0));
        }
        // An odd index goes between its neighbours; removing it restores the set.
        const int nOdd = 2 * (nSize / 2) + 1;
        EXPECT_TRUE(selection.Add(nOdd));
        const std::vector<int> withOdd = Items(selection);
        EXPECT_TRUE(std::is_sorted(withOdd.begin(), withOdd.end()));
        EXPECT_TRUE(selection.Contains(nOdd));
        EXPECT_TRUE(selection.Remove(nOdd));
        EXPECT_FALSE(selection.Remove(nOdd));
        EXPECT_EQ(std::vector<int>(expected.begin(), expected.end()), Items(selection));
    }
}

TEST(FwListSelectionTest, RowsInsertedAndDeletedMoveTheIndexes)
{
    struct Case
    {
        const char* szName;
        std::vector<int> before;
        int nInsertAt; // -1: none
        int nDeleteAt; // -1: none
        int nDeleteCount;
        std::vector<int> after;
    };
    const Case cases[] = {
        {"insert before all", {1, 3}, 0, -1, 0, {2, 4}},
        {"insert on a selected row", {1, 3}, 3, -1, 0, {1, 4}},
        {"insert after all", {1, 3}, 9, -1, 0, {1, 3}},
        {"delete a selected row", {1, 3, 5}, -1, 3, 1, {1, 4}},
        {"delete a range over two", {1, 3, 5, 8}, -1, 2, 4, {1, 4}},
        {"delete everything", {0, 1, 2}, -1, 0, 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FwListSelection selection;
        for (int nItem : c.before) {
            selection.Add(nItem);
        }
        if (c.nInsertAt >= 0) {
            selection.OnRowInserted(c.nInsertAt);
        }
        if (c.nDeleteAt >= 0) {
            selection.OnRowsDeleted(c.nDeleteAt, c.nDeleteCount);
        }
        EXPECT_EQ(c.after, Items(selection));
    }
}

TEST(FwListSelectionTest, NextAndPreviousSelectedAroundAnIndex)
{
    FwListSelection selection;
    for (int nItem : {2, 5, 9}) {
        selection.Add(nItem);
    }
    EXPECT_EQ(2, selection.GetNextAfter(-1));
    EXPECT_EQ(5, selection.GetNextAfter(2));
    EXPECT_EQ(-1, selection.GetNextAfter(9));
    EXPECT_EQ(5, selection.GetPrevBefore(9));
    EXPECT_EQ(-1, selection.GetPrevBefore(2));
    EXPECT_EQ(-1, selection.GetPrevBefore(-1));
}
