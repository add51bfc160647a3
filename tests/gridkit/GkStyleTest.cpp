#include <gtest/gtest.h>

#include "gridkit/GkStyle.h"

TEST(GkStyleTest, OverlayTakesOnlyTheFieldsSet)
{
    CGkStyle base;
    base.SetValue("底").SetInterior(RGB(1, 2, 3)).SetFontFace("宋体").SetUserAttribute(1, "a");
    CGkStyle top;
    top.SetInterior(RGB(9, 9, 9)).SetReadOnly(TRUE).SetUserAttribute(2, "b").SetUserAttribute(1, "c");
    base.Overlay(top);
    EXPECT_STREQ("底", base.GetValue());
    EXPECT_EQ(RGB(9, 9, 9), base.GetInterior());
    EXPECT_TRUE(base.GetReadOnly());
    EXPECT_STREQ("宋体", base.GetFontFace());
    CString str;
    EXPECT_TRUE(base.GetUserAttribute(1, str));
    EXPECT_STREQ("c", str);
    EXPECT_TRUE(base.GetUserAttribute(2, str));
    EXPECT_STREQ("b", str);
    EXPECT_FALSE(base.GetUserAttribute(3, str));
    EXPECT_TRUE(str.IsEmpty());
}
