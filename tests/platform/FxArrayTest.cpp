#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "platform/base/ByteArray.h"
#include "platform/base/DWordArray.h"
#include "platform/base/ObArray.h"
#include "platform/base/PtrArray.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"
#include "platform/base/WordArray.h"

namespace
{
// Element number n (0..9) as each array holds it; 0 is the zero element new slots get.
template <class T> T Elem(int n)
{
    if constexpr (std::is_same_v<T, CString>) {
        return n == 0 ? CString() : CString(static_cast<char>('0' + n));
    } else if constexpr (std::is_pointer_v<T>) {
        return reinterpret_cast<T>(static_cast<INT_PTR>(16 * n));
    } else {
        return static_cast<T>(n);
    }
}

template <class ARRAY> std::string Digits(const ARRAY& a)
{
    using T = std::remove_cv_t<std::remove_pointer_t<decltype(a.GetData())>>;
    std::string str;
    for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        char ch = '?';
        for (int n = 0; n < 10; ++n) {
            if (a[i] == Elem<T>(n)) {
                ch = static_cast<char>('0' + n);
            }
        }
        str += ch;
    }
    EXPECT_EQ(static_cast<INT_PTR>(str.size()) - 1, a.GetUpperBound());
    return str;
}

template <class ARRAY> class FxArrayTest : public testing::Test
{
};
// CStringArray shares the template: its strings are moved and emptied, not copied as bytes.
using ArrayTypes = testing::Types<CDWordArray, CUIntArray, CByteArray, CWordArray, CPtrArray, CObArray, CStringArray>;
TYPED_TEST_SUITE(FxArrayTest, ArrayTypes);

// One step: a Add(v), i InsertAt(index, v, count), r RemoveAt(index, count), g SetAtGrow(index, v),
// s SetSize(count), p Append(itself), I InsertAt(index, itself).
struct Step
{
    char cOp;
    INT_PTR nIndex;
    int nValue;
    INT_PTR nCount;
};
struct ArrayCase
{
    const char* szName;
    Step steps[4];
    const char* szExpected;
};
const ArrayCase arrayCases[] = {
    {"adds in order", {{'a', 0, 1, 0}, {'a', 0, 2, 0}, {'a', 0, 3, 0}}, "123"},
    {"insert several in the middle", {{'a', 0, 1, 0}, {'a', 0, 2, 0}, {'i', 1, 7, 2}}, "1772"},
    {"insert past the end zero-fills", {{'a', 0, 1, 0}, {'i', 3, 5, 1}}, "1005"},
    {"remove clamps the count", {{'a', 0, 1, 0}, {'a', 0, 2, 0}, {'a', 0, 3, 0}, {'r', 1, 0, 99}}, "1"},
    {"remove out of range is ignored", {{'a', 0, 1, 0}, {'r', 5, 0, 1}, {'r', -1, 0, 1}}, "1"},
    {"set at grow", {{'a', 0, 1, 0}, {'g', 3, 4, 0}}, "1004"},
    {"shrink then grow gives zeros", {{'a', 0, 1, 0}, {'a', 0, 2, 0}, {'s', 0, 0, 1}, {'s', 0, 0, 3}}, "100"},
    {"append itself", {{'a', 0, 1, 0}, {'a', 0, 2, 0}, {'p', 0, 0, 0}}, "1212"},
    {"insert itself in the middle", {{'a', 0, 1, 0}, {'a', 0, 2, 0}, {'I', 1, 0, 0}}, "1122"},
};

TYPED_TEST(FxArrayTest, EditsKeepOrder)
{
    using T = std::remove_pointer_t<decltype(TypeParam().GetData())>;
    for (const ArrayCase& c : arrayCases) {
        SCOPED_TRACE(c.szName);
        TypeParam a;
        for (const Step& s : c.steps) {
            switch (s.cOp) {
            case 'a':
                a.Add(Elem<T>(s.nValue));
                break;
            case 'i':
                a.InsertAt(s.nIndex, Elem<T>(s.nValue), s.nCount);
                break;
            case 'r':
                a.RemoveAt(s.nIndex, s.nCount);
                break;
            case 'g':
                a.SetAtGrow(s.nIndex, Elem<T>(s.nValue));
                break;
            case 's':
                a.SetSize(s.nCount);
                break;
            case 'p':
                a.Append(a);
                break;
            case 'I':
                a.InsertAt(s.nIndex, &a);
                break;
            }
        }
        EXPECT_EQ(c.szExpected, Digits(a));
    }
}

TYPED_TEST(FxArrayTest, CopiesAreIndependent)
{
    using T = std::remove_pointer_t<decltype(TypeParam().GetData())>;
    TypeParam a;
    for (int n = 1; n <= 9; ++n) {
        a.Add(Elem<T>(n)); // grows past the first allocation
    }
    TypeParam b;
    b.Copy(a);
    TypeParam c(a);
    a.ElementAt(0) = Elem<T>(0);
    a[1] = Elem<T>(0);
    a.SetAt(2, Elem<T>(0));
    a.GetData()[3] = Elem<T>(0);
    EXPECT_EQ("000056789", Digits(a));
    EXPECT_EQ("123456789", Digits(b));
    EXPECT_EQ("123456789", Digits(c));
    EXPECT_EQ(9, b.Append(TypeParam())); // the index the appended part starts at
    EXPECT_EQ(9, b.Append(c));
    EXPECT_EQ(18, b.GetSize());
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(nullptr, a.GetData());
}
} // namespace
