// Small card records: the current and the old form of the card information record.
#include <gtest/gtest.h>

#include "core/CardInfoItem.h"
#include "core/PageItem.h"
#include "tests/core/CardArchiveUtil.h"

TEST(CardInfoItemTest, CurrentRecordRoundTrips)
{
    CCardInfoItem item;
    item.m_nFirst = 1;
    item.m_nSecond = 2;
    item.m_strTextA = "A";
    item.m_strTextB = "B";
    item.m_nThird = 3;
    const Bytes bytes = StoreObject(item);
    CCardInfoItem loaded;
    LoadObject(loaded, bytes);
    EXPECT_EQ(100, loaded.m_nFormat);
    EXPECT_EQ(1, loaded.m_nFirst);
    EXPECT_EQ(2, loaded.m_nSecond);
    EXPECT_STREQ("A", loaded.m_strTextA.GetString());
    EXPECT_STREQ("B", loaded.m_strTextB.GetString());
    EXPECT_EQ(3, loaded.m_nThird);
}

TEST(CardInfoItemTest, OldRecordHoldsTheSecondIntAndTextB)
{
    CCardInfoItem loaded;
    loaded.m_nFirst = 9;
    loaded.m_strTextA = "default";
    loaded.m_nThird = 7;
    LoadObject(loaded, ByteWriter().Int(5).Int(42).Str("old").Get());
    EXPECT_EQ(0, loaded.m_nFormat);
    EXPECT_EQ(0, loaded.m_nFirst);
    EXPECT_EQ(42, loaded.m_nSecond);
    EXPECT_STREQ("old", loaded.m_strTextB.GetString());
    EXPECT_STREQ("default", loaded.m_strTextA.GetString());
    EXPECT_EQ(7, loaded.m_nThird);

    CPageItem page;
    EXPECT_EQ(-1, page.m_nPage);
    page.m_nPage = 4;
    CPageItem pageLoaded;
    LoadObject(pageLoaded, StoreObject(page));
    EXPECT_EQ(4, pageLoaded.m_nPage);
}
