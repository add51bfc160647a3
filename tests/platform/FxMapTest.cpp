#include <gtest/gtest.h>

#include <iterator>
#include <type_traits>

#include "platform/base/MapPtrToPtr.h"
#include "platform/base/MapStringToOb.h"
#include "platform/base/MapStringToPtr.h"
#include "platform/base/MapStringToString.h"
#include "platform/base/MapWordToPtr.h"

namespace
{
// Key and value number n as each map holds them; value 0 is the empty value operator[] adds.
template <class T> T Make(int n)
{
    if constexpr (std::is_same_v<T, CString>) {
        CString str;
        if (n != 0) {
            str.Format("k%d", n);
        }
        return str;
    } else if constexpr (std::is_pointer_v<T>) {
        return reinterpret_cast<T>(static_cast<INT_PTR>(16 * n));
    } else {
        return static_cast<T>(n);
    }
}

template <class MAP, class KEY, class VALUE> struct MapKind
{
    using Map = MAP;
    using Key = KEY;
    using Value = VALUE;
};

template <class KIND> class FxMapTest : public testing::Test
{
};
using MapKinds = testing::Types<MapKind<CMapStringToString, CString, CString>, MapKind<CMapStringToPtr, CString, void*>,
                                MapKind<CMapStringToOb, CString, CObject*>, MapKind<CMapPtrToPtr, void*, void*>,
                                MapKind<CMapWordToPtr, WORD, void*>>;
TYPED_TEST_SUITE(FxMapTest, MapKinds);

TYPED_TEST(FxMapTest, SetAtOverwritesAndRemoveKeyForgets)
{
    using Key = typename TypeParam::Key;
    using Value = typename TypeParam::Value;
    typename TypeParam::Map map;
    Value value = Make<Value>(9);
    EXPECT_FALSE(map.Lookup(Make<Key>(1), value));
    EXPECT_FALSE(map.RemoveKey(Make<Key>(1)));

    map.SetAt(Make<Key>(1), Make<Value>(1));
    map.SetAt(Make<Key>(2), Make<Value>(2));
    map.SetAt(Make<Key>(1), Make<Value>(3));
    EXPECT_EQ(2, map.GetCount());
    EXPECT_TRUE(map.Lookup(Make<Key>(1), value));
    EXPECT_TRUE(value == Make<Value>(3));

    EXPECT_TRUE(map[Make<Key>(4)] == Make<Value>(0)); // added, empty
    map[Make<Key>(2)] = Make<Value>(5);
    EXPECT_TRUE(map.Lookup(Make<Key>(2), value));
    EXPECT_TRUE(value == Make<Value>(5));
    EXPECT_EQ(3, map.GetCount());

    EXPECT_TRUE(map.RemoveKey(Make<Key>(1)));
    EXPECT_FALSE(map.Lookup(Make<Key>(1), value));
    EXPECT_FALSE(map.RemoveKey(Make<Key>(1)));
    EXPECT_EQ(2, map.GetCount());
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    map.SetAt(Make<Key>(1), Make<Value>(1)); // usable after RemoveAll
    EXPECT_EQ(1, map.GetCount());
}

// Enough keys to make the table grow several times on the way.
TYPED_TEST(FxMapTest, IterationVisitsEveryKeyOnceInInsertionOrder)
{
    using Key = typename TypeParam::Key;
    using Value = typename TypeParam::Value;
    const int nKeys = 300;
    typename TypeParam::Map map;
    for (int n = 1; n <= nKeys; ++n) {
        map.SetAt(Make<Key>(n), Make<Value>(n));
    }
    ASSERT_EQ(nKeys, map.GetCount());

    // Removing the key just visited must not disturb the walk.
    int nVisited = 0;
    bool bInOrder = true;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        Key key = Make<Key>(0);
        Value value = Make<Value>(0);
        map.GetNextAssoc(pos, key, value);
        ++nVisited;
        bInOrder = bInOrder && key == Make<Key>(nVisited) && value == Make<Value>(nVisited);
        if (nVisited % 2 == 0) {
            map.RemoveKey(key);
        }
    }
    EXPECT_EQ(nKeys, nVisited);
    EXPECT_TRUE(bInOrder);
    EXPECT_EQ(nKeys / 2, map.GetCount());
    for (int n = 1; n <= nKeys; ++n) {
        Value value = Make<Value>(0);
        EXPECT_EQ(n % 2 == 1, !!map.Lookup(Make<Key>(n), value)) << n;
    }
}

TEST(MapStringToStringTest, KeysMatchByteForByte)
{
    struct KeyCase
    {
        const char* szName;
        const char* szKey;
        const char* szValue;
    };
    const KeyCase keyCases[] = {
        {"lower case", "abc", "1"},
        {"upper case is another key", "ABC", "2"},
        {"empty key", "", "3"},
        {"trailing space is another key", "abc ", "4"},
        {"GBK text", "高度", "5"},
        {"GBK lead byte with 0x7C trail", "\xD5\x7C", "6"},
        {"GBK lead byte with 0x5C trail", "\xD5\x5C", "7"},
    };
    CMapStringToString map;
    for (const KeyCase& c : keyCases) {
        map[c.szKey] = c.szValue;
    }
    ASSERT_EQ(static_cast<INT_PTR>(std::size(keyCases)), map.GetCount());
    for (const KeyCase& c : keyCases) {
        SCOPED_TRACE(c.szName);
        CString strValue;
        EXPECT_TRUE(map.Lookup(CString(c.szKey), strValue));
        EXPECT_EQ(c.szValue, strValue);
    }
    CString strValue;
    EXPECT_FALSE(map.Lookup("Abc", strValue));
    EXPECT_TRUE(map.Lookup(nullptr, strValue)); // a null key reads as the empty one
    EXPECT_EQ("3", strValue);
}
} // namespace
