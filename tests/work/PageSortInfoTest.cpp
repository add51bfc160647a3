#include <gtest/gtest.h>

#include "work/PageSortInfo.h"

namespace
{
TEST(PageSortInfoTest, TextFormRoundTrips)
{
    CPageSortInfo info;
    EXPECT_EQ(CString(""), info.GetSortInfo());
    info.AddNewItem(3, "工序卡", 1);
    info.AddNewItem(1, "首页\xD6\x5C", 0);
    info.AddNewItem(-2, "", 7);
    CString strText = info.GetSortInfo();
    EXPECT_EQ(CString("3\n工序卡\n1\n1\n首页\xD6\x5C\n0\n-2\n\n7\n"), strText);

    CPageSortInfo loaded;
    loaded.AddNewItem(9, "stale", 9);
    loaded.LoadDataByString(strText);
    EXPECT_EQ(3, loaded.GetPageCount());
    EXPECT_EQ(info.GetSortInfo(), loaded.GetSortInfo());

    CString strEmpty;
    loaded.LoadDataByString(strEmpty);
    EXPECT_EQ(0, loaded.GetPageCount());
}

TEST(PageSortInfoTest, IncompleteLastItemIsDropped)
{
    struct LoadCase
    {
        const char* szName;
        const char* szText;
        int nCount;
    };
    const LoadCase cases[] = {
        {"no final line feed", "1\na\n2", 1},
        {"name without second number", "1\na\n2\n4\nb\n", 1},
        {"number only", "5", 0},
        {"non-numbers read as 0", "x\na\ny\n", 1},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CPageSortInfo info;
        CString strText = c.szText;
        info.LoadDataByString(strText);
        EXPECT_EQ(c.nCount, info.GetPageCount());
    }
}

TEST(PageSortInfoTest, PagesAreFoundByOrderAndByName)
{
    CPageSortInfo info;
    info.AddNewItem(10, "a", 1);
    info.AddNewItem(20, "b", 1);
    info.AddNewItem(30, "a", 2);
    EXPECT_EQ(1, info.GetPageOrder("a", 1));
    EXPECT_EQ(3, info.GetPageOrder("a", 2));
    EXPECT_EQ(0, info.GetPageOrder("A", 1));
    EXPECT_EQ(0, info.GetPageOrder("c", 1));

    int nFirst = -1;
    CString strName = "untouched";
    int nSecond = -1;
    EXPECT_FALSE(info.GetItemInfoByPageOrder(0, nFirst, strName, nSecond));
    EXPECT_FALSE(info.GetItemInfoByPageOrder(4, nFirst, strName, nSecond));
    EXPECT_EQ(-1, nFirst);
    EXPECT_EQ(CString("untouched"), strName);
    EXPECT_TRUE(info.GetItemInfoByPageOrder(2, nFirst, strName, nSecond));
    EXPECT_EQ(20, nFirst);
    EXPECT_EQ(CString("b"), strName);
    EXPECT_EQ(1, nSecond);
}

TEST(PageSortInfoTest, AssignmentCopiesTheItems)
{
    CPageSortInfo info;
    info.AddNewItem(1, "a", 2);
    info.AddNewItem(3, "b", 4);
    CPageSortInfo copy;
    copy.AddNewItem(9, "old", 9);
    copy = info;
    info.DetachList();
    EXPECT_EQ(0, info.GetPageCount());
    EXPECT_EQ(CString("1\na\n2\n3\nb\n4\n"), copy.GetSortInfo());
    copy = copy;
    EXPECT_EQ(2, copy.GetPageCount());
}
} // namespace
