#include <gtest/gtest.h>

#include "platform/base/StringArray.h"

namespace
{
CString Join(const CStringArray& a)
{
    CString s;
    for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        s += a[i] + ";";
    }
    return s;
}

TEST(StringArrayTest, InsertRemoveAndGrowKeepOrderAndCopiesIndependent)
{
    CStringArray a;
    a.Add("a");
    a.Add("c");
    a.InsertAt(1, "b");
    a.InsertAt(0, "x", 2);
    EXPECT_EQ("x;x;a;b;c;", Join(a));
    a.RemoveAt(0, 2);
    EXPECT_EQ("a;b;c;", Join(a));
    a.SetAtGrow(4, "e");
    EXPECT_EQ("a;b;c;;e;", Join(a));
    a.RemoveAt(3, 99);
    EXPECT_EQ("a;b;c;", Join(a));
    a.Add(a[0]); // an element of itself survives the growth
    EXPECT_EQ("a;b;c;a;", Join(a));
    CStringArray b(a);
    a.RemoveAll();
    EXPECT_EQ(0, a.GetSize());
    EXPECT_EQ(4, b.GetSize());
}
} // namespace
