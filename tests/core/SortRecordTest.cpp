// Detail row sorter: key set-up, the four comparisons in both directions, several keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SortRecord.h"
#include "platform/base/StringArray.h"

namespace
{

struct Key
{
    UINT nColumn;
    UINT nDirection;
    UINT nType;
};

// The first column of the rows in sorted order, joined by blanks.
std::string SortFirstColumn(const std::vector<std::vector<const char*>>& rows, const std::vector<Key>& keys)
{
    std::vector<CStringArray> table(rows.size());
    CPtrArray arrTable;
    for (size_t i = 0; i < rows.size(); ++i) {
        for (const char* pszValue : rows[i]) {
            table[i].Add(pszValue);
        }
        arrTable.Add(&table[i]);
    }
    CUIntArray arrKeys;
    CUIntArray arrDirections;
    CUIntArray arrTypes;
    for (const Key& key : keys) {
        arrKeys.Add(key.nColumn);
        arrDirections.Add(key.nDirection);
        arrTypes.Add(key.nType);
    }
    CSortRecord sorter;
    CUIntArray arrOrder;
    if (!sorter.SetSortKeys(arrKeys, arrDirections, arrTypes) || !sorter.SortRecords(arrTable, arrOrder)) {
        return "failed";
    }
    std::string strResult;
    for (INT_PTR i = 0; i < arrOrder.GetSize(); ++i) {
        if (i > 0) {
            strResult += ' ';
        }
        strResult += table[arrOrder[i]].GetAt(0).GetString();
    }
    return strResult;
}

TEST(SortRecordTest, EachTypeSortsBothWays)
{
    struct Case
    {
        const char* szName;
        std::vector<const char*> values;
        UINT nType;
        const char* szUp;   // direction 1
        const char* szDown; // direction 0
    };
    const UINT kNatural = 9;
    const Case cases[] = {
        {"integers by value, greater first",
         {"9", "10", "-3", "0"},
         CSortRecord::typeInteger,
         "10 9 0 -3",
         "-3 0 9 10"},
        {"integers read with atol", {"7", "12abc", "x"}, CSortRecord::typeInteger, "12abc 7 x", "x 7 12abc"},
        {"reals by value",
         {"2.5", "10.25", "-0.5", "2.25"},
         CSortRecord::typeReal,
         "10.25 2.5 2.25 -0.5",
         "-0.5 2.25 2.5 10.25"},
        {"text ascending", {"b", "c", "a"}, CSortRecord::typeText, "a b c", "c b a"},
        {"text by bytes: 10 before 9", {"9", "10"}, CSortRecord::typeText, "10 9", "9 10"},
        {"GBK text in its code order", {"张", "王", "李", "A"}, CSortRecord::typeText, "A 李 王 张", "张 王 李 A"},
        {"natural order", {"item10", "item2", "item1"}, kNatural, "item1 item2 item10", "item10 item2 item1"},
        {"natural decimals", {"v1.5", "v1.25", "v1"}, kNatural, "v1 v1.25 v1.5", "v1.5 v1.25 v1"},
        {"natural versions part by part",
         {"1.2.10", "1.2.9", "1.10.0"},
         kNatural,
         "1.2.9 1.2.10 1.10.0",
         "1.10.0 1.2.10 1.2.9"},
        {"natural with Chinese", {"第10页", "第9页", "附1"}, kNatural, "第9页 第10页 附1", "附1 第10页 第9页"},
        {"natural shorter text first", {"ab", "a"}, kNatural, "a ab", "ab a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::vector<std::vector<const char*>> rows;
        for (const char* pszValue : c.values) {
            rows.push_back({pszValue});
        }
        EXPECT_EQ(c.szUp, SortFirstColumn(rows, {{0, 1, c.nType}}));
        EXPECT_EQ(c.szDown, SortFirstColumn(rows, {{0, 0, c.nType}}));
    }
}

TEST(SortRecordTest, LaterKeysOrderRowsEqualOnEarlierOnes)
{
    // Name, group, amount.
    const std::vector<std::vector<const char*>> rows = {
        {"r1", "B", "5"}, {"r2", "A", "1"}, {"r3", "B", "2"}, {"r4", "A", "3"}, {"r5", "B", "5.5"}, {"r6", "A", "4"},
    };
    struct Case
    {
        const char* szName;
        std::vector<Key> keys;
        const char* szExpected;
    };
    const Case cases[] = {
        {"group ascending then amount greater first", {{1, 1, 3}, {2, 1, 2}}, "r6 r4 r2 r5 r1 r3"},
        {"group descending then amount smaller first", {{1, 0, 3}, {2, 0, 2}}, "r3 r1 r5 r2 r4 r6"},
        {"amount as integer ties 5 and 5.5, the name decides", {{2, 1, 1}, {0, 1, 3}}, "r1 r5 r6 r4 r3 r2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.szExpected, SortFirstColumn(rows, c.keys));
    }
}

TEST(SortRecordTest, KeySetUpAndEdgeCases)
{
    CSortRecord sorter;
    CUIntArray arrKeys;
    CUIntArray arrDirections;
    CUIntArray arrTypes;
    EXPECT_FALSE(sorter.SetSortKeys(arrKeys, arrDirections, arrTypes)) << "no keys";
    CPtrArray arrTable;
    CUIntArray arrOrder;
    CStringArray row;
    row.Add("only");
    arrTable.Add(&row);
    EXPECT_FALSE(sorter.SortRecords(arrTable, arrOrder)) << "no keys set";

    arrKeys.Add(0);
    EXPECT_TRUE(sorter.SetSortKeys(arrKeys, arrDirections, arrTypes));
    EXPECT_TRUE(sorter.SortRecords(arrTable, arrOrder));
    ASSERT_EQ(1, arrOrder.GetSize());
    EXPECT_EQ(0u, arrOrder[0]) << "one row";

    CPtrArray arrEmpty;
    EXPECT_FALSE(sorter.SortRecords(arrEmpty, arrOrder));

    // A key past a row's values and a null row read as empty text.
    CStringArray shortRow;
    CStringArray longRow;
    longRow.Add("z");
    longRow.Add("second");
    CPtrArray arrRagged;
    arrRagged.Add(&longRow);
    arrRagged.Add(&shortRow);
    arrRagged.Add(nullptr);
    arrKeys.SetAt(0, 1);
    ASSERT_TRUE(sorter.SetSortKeys(arrKeys, arrDirections, arrTypes));
    ASSERT_TRUE(sorter.SortRecords(arrRagged, arrOrder));
    ASSERT_EQ(3, arrOrder.GetSize());
    EXPECT_EQ(0u, arrOrder[2]) << "empty texts first, \"second\" last";
}

TEST(SortRecordTest, MissingDirectionsAndTypesDefaultToAscendingText)
{
    CStringArray rows[3];
    const char* const values[] = {"b", "c", "a"};
    CPtrArray arrTable;
    for (int i = 0; i < 3; ++i) {
        rows[i].Add(values[i]);
        rows[i].Add(values[2 - i]);
        arrTable.Add(&rows[i]);
    }
    CUIntArray arrKeys;
    arrKeys.Add(1);
    arrKeys.Add(0);
    CUIntArray arrDirections;
    arrDirections.Add(0);
    CUIntArray arrTypes;
    CSortRecord sorter;
    ASSERT_TRUE(sorter.SetSortKeys(arrKeys, arrDirections, arrTypes));
    CUIntArray arrOrder;
    ASSERT_TRUE(sorter.SortRecords(arrTable, arrOrder));
    // Column 1 holds a, c, b: text with direction 0 gives c, b, a, i.e. rows 1, 2, 0.
    ASSERT_EQ(3, arrOrder.GetSize());
    EXPECT_EQ(1u, arrOrder[0]);
    EXPECT_EQ(2u, arrOrder[1]);
    EXPECT_EQ(0u, arrOrder[2]);
}

} // namespace
