// The card code information's text form.
#include <gtest/gtest.h>

#include "core/CardCodeItem.h"

TEST(CardCodeItemTest, TextFormRoundTrips)
{
    CCardCodeItem item;
    item.m_strCode = "C1";
    item.m_nCodeNumber = 3;
    item.m_arrCardName.Add("a");
    item.m_arrCardName.Add("b");
    item.m_arrSubFileData.Add("kept aside");
    EXPECT_STREQ("1.0<,>C1<,>3<,>a\nb<,>", item.SaveToString().GetString());

    CCardCodeItem loaded;
    loaded.m_arrSubFileName.Add("stale");
    loaded.m_arrSubFileData.Add("stale");
    EXPECT_TRUE(loaded.LoadFromString(item.SaveToString()));
    EXPECT_STREQ("1.0", loaded.m_strVersion.GetString());
    EXPECT_STREQ("C1", loaded.m_strCode.GetString());
    EXPECT_EQ(3, loaded.m_nCodeNumber);
    ASSERT_EQ(2, loaded.m_arrCardName.GetSize());
    EXPECT_STREQ("b", loaded.m_arrCardName[1].GetString());
    EXPECT_EQ(0, loaded.m_arrSubFileName.GetSize());
    EXPECT_EQ(0, loaded.m_arrSubFileData.GetSize());
    EXPECT_STREQ("a", loaded.GetCardName(5).GetString());
}

TEST(CardCodeItemTest, ElementsSplitAtTheirDelimiter)
{
    CString strList = "x<,>y";
    CString strItem;
    EXPECT_TRUE(CCardCodeItem::GetElementItem(strList, strItem, "<,>"));
    EXPECT_STREQ("x", strItem.GetString());
    EXPECT_TRUE(CCardCodeItem::GetElementItem(strList, strItem, "<,>"));
    EXPECT_STREQ("y", strItem.GetString());
    EXPECT_STREQ("", strList.GetString());
    EXPECT_FALSE(CCardCodeItem::GetElementItem(strList, strItem, "<,>"));

    CStringArray arr;
    CCardCodeItem::StringToStringArray("a\n\nb", arr);
    ASSERT_EQ(3, arr.GetSize());
    EXPECT_STREQ("", arr[1].GetString());
    EXPECT_STREQ("a\n\nb", CCardCodeItem::StringArrayToString(arr).GetString());
    CCardCodeItem::StringToStringArray("", arr);
    EXPECT_EQ(0, arr.GetSize());
}
