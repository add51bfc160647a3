#include <gtest/gtest.h>

#include "common/KvValMap.h"

namespace
{
CString Listing(const CKvValMap& map)
{
    CString strList;
    CString strName;
    double dValue = 0.0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        map.GetNextAssoc(pos, strName, dValue);
        strList.AppendFormat("%s=%g;", strName.GetString(), dValue);
    }
    return strList;
}

TEST(KvValMapTest, KeepsInsertionOrderThroughReplaceAndRemove)
{
    CKvValMap map;
    EXPECT_EQ(nullptr, map.GetStartPosition());
    map.SetAt("b", 1.0);
    map.SetAt("a", 2.0);
    map.SetAt("c", 3.0);
    map.SetAt("a", 5.0); // replaced in place
    EXPECT_EQ(CString("b=1;a=5;c=3;"), Listing(map));
    EXPECT_TRUE(map.RemoveKey("b"));
    EXPECT_FALSE(map.RemoveKey("b"));
    double dValue = 0.0;
    EXPECT_TRUE(map.Lookup("c", dValue)); // still found after the entries moved
    EXPECT_EQ(3.0, dValue);
    EXPECT_FALSE(map.Lookup("A", dValue)); // names match exactly
    CKvValMap copy(map);
    map.RemoveAll();
    EXPECT_EQ(0, map.GetCount());
    EXPECT_EQ(CString("a=5;c=3;"), Listing(copy));
}
} // namespace
