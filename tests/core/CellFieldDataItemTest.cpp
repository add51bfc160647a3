#include <gtest/gtest.h>

#include "core/CellFieldDataItem.h"
#include "tests/core/CardArchiveUtil.h"

namespace
{

// A value keeps no list of its own unless its archive held nested values; either way it writes
// back the bytes it was read from.
TEST(CellFieldDataItemTest, NestedValuesAreKeptOnlyWhenStoredAndWrittenBack)
{
    struct Case
    {
        const char* szName;
        Bytes bytes;
        int nNested; // -1: no list at all
    };
    const Case cases[] = {
        {"no nested values", ByteWriter().Str("a").Str("b").Count(0).Get(), -1},
        {"one nested value",
         ByteWriter().Str("a").Str("").Count(1).NewClass("CCellFieldDataItem").Str("n").Str("t").Count(0).Get(), 1},
        {"two nested values, the second by class reference",
         ByteWriter()
             .Str("a")
             .Str("")
             .Count(2)
             .NewClass("CCellFieldDataItem")
             .Str("n1")
             .Str("")
             .Count(0)
             .ClassRef(1)
             .Str("n2")
             .Str("")
             .Count(0)
             .Get(),
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCellFieldDataItem item;
        LoadObject(item, c.bytes);
        EXPECT_STREQ("a", item.GetData());
        if (c.nNested < 0) {
            EXPECT_EQ(nullptr, item.m_pListData);
        } else {
            ASSERT_NE(nullptr, item.m_pListData);
            EXPECT_EQ(c.nNested, item.m_pListData->GetCount());
        }
        EXPECT_EQ(c.bytes, StoreObject(item));
        // Reading an archive without nested values over one with them drops the old ones.
        LoadObject(item, cases[0].bytes);
        EXPECT_EQ(nullptr, item.m_pListData);
        EXPECT_STREQ("b", item.m_strText2);
    }
}

// A copy takes the texts and display attributes, never the nested values.
TEST(CellFieldDataItemTest, CopyLeavesTheNestedValuesBehind)
{
    CCellFieldDataItem item;
    LoadObject(item,
               ByteWriter().Str("a").Str("").Count(1).NewClass("CCellFieldDataItem").Str("n").Str("").Count(0).Get());
    item.m_nDisp2 = 7;
    const CCellFieldDataItem copy(item);
    EXPECT_STREQ("a", copy.GetData());
    EXPECT_EQ(7, copy.m_nDisp2);
    EXPECT_EQ(nullptr, copy.m_pListData);
}

} // namespace
