#include <gtest/gtest.h>

#include <string>

#include "platform/base/ObList.h"
#include "platform/base/PtrList.h"
#include "platform/base/StringList.h"

namespace
{
// Element number n as each list holds it; 0..9 so a list reads as a digit string.
CString Elem(CStringList*, int n)
{
    return CString(static_cast<char>('0' + n));
}
void* Elem(CPtrList*, int n)
{
    return reinterpret_cast<void*>(static_cast<INT_PTR>(0x1000 + 16 * n));
}
// The list only stores the pointers; it never reaches the objects.
CObject* Elem(CObList*, int n)
{
    return reinterpret_cast<CObject*>(static_cast<INT_PTR>(0x1000 + 16 * n));
}

template <class LIST> int Number(LIST& list, POSITION pos)
{
    for (int n = 0; n < 10; ++n) {
        if (list.GetAt(pos) == Elem(&list, n)) {
            return n;
        }
    }
    return -1;
}

// The digits head to tail, checked against the walk tail to head so both links agree.
template <class LIST> std::string Digits(LIST& list)
{
    std::string strForward;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos)) {
        strForward += static_cast<char>('0' + Number(list, pos));
    }
    std::string strBackward;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr; list.GetPrev(pos)) {
        strBackward.insert(strBackward.begin(), static_cast<char>('0' + Number(list, pos)));
    }
    EXPECT_EQ(strForward, strBackward);
    EXPECT_EQ(static_cast<INT_PTR>(strForward.size()), list.GetCount());
    return strForward;
}

template <class LIST> int IndexOf(LIST& list, POSITION target)
{
    int n = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos), ++n) {
        if (pos == target) {
            return n;
        }
    }
    return -1;
}

template <class LIST> void Fill(LIST& list, const char* szDigits)
{
    for (const char* p = szDigits; *p != 0; ++p) {
        list.AddTail(Elem(&list, *p - '0'));
    }
}

template <class LIST> class FxListTest : public testing::Test
{
};
using ListTypes = testing::Types<CStringList, CPtrList, CObList>;
TYPED_TEST_SUITE(FxListTest, ListTypes);

// Ops, a letter and a digit each: t/h AddTail/AddHead, b/a InsertBefore head/InsertAfter tail,
// B/A the same with a null position, T/H add the list to itself at tail/head, r/R RemoveHead/Tail.
struct BuildCase
{
    const char* szName;
    const char* szOps;
    const char* szExpected;
};
const BuildCase buildCases[] = {
    {"tail and head adds", "t1t2h0", "012"},          {"insert before head", "t1t2b0", "012"},
    {"insert after tail", "t0t1a2", "012"},           {"null positions on empty list", "B1A2B0", "012"},
    {"list added to its own tail", "t1t2T0", "1212"}, {"list added to its own head", "t1t2H0", "1212"},
    {"remove head and tail", "t0t1t2t3r0R0", "12"},   {"remove from empty list", "r0R0", ""},
};

TYPED_TEST(FxListTest, BuildsInOrder)
{
    for (const BuildCase& c : buildCases) {
        SCOPED_TRACE(c.szName);
        TypeParam list;
        for (const char* p = c.szOps; *p != 0; p += 2) {
            auto elem = Elem(&list, p[1] - '0');
            switch (*p) {
            case 't':
                list.AddTail(elem);
                break;
            case 'h':
                list.AddHead(elem);
                break;
            case 'b':
                list.InsertBefore(list.GetHeadPosition(), elem);
                break;
            case 'a':
                list.InsertAfter(list.GetTailPosition(), elem);
                break;
            case 'B':
                list.InsertBefore(nullptr, elem);
                break;
            case 'A':
                list.InsertAfter(nullptr, elem);
                break;
            case 'T':
                list.AddTail(&list);
                break;
            case 'H':
                list.AddHead(&list);
                break;
            case 'r':
                list.RemoveHead();
                break;
            case 'R':
                list.RemoveTail();
                break;
            }
        }
        EXPECT_EQ(c.szExpected, Digits(list));
        EXPECT_EQ(list.GetCount() == 0, !!list.IsEmpty());
    }
}

struct RemoveCase
{
    const char* szName;
    const char* szRemove;
    const char* szExpected;
};
const RemoveCase removeCases[] = {
    {"every other element", "024", "135"},
    {"head only", "0", "12345"},
    {"tail only", "5", "01234"},
    {"all", "012345", ""},
    {"none", "", "012345"},
};

TYPED_TEST(FxListTest, RemovesWhileIteratingFromSavedPosition)
{
    for (const RemoveCase& c : removeCases) {
        SCOPED_TRACE(c.szName);
        TypeParam list;
        Fill(list, "012345");
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            POSITION posCur = pos;
            int n = Number(list, posCur);
            list.GetNext(pos);
            if (std::string(c.szRemove).find(static_cast<char>('0' + n)) != std::string::npos) {
                list.RemoveAt(posCur);
            }
        }
        EXPECT_EQ(c.szExpected, Digits(list));
    }
}

struct FindCase
{
    const char* szName;
    int nValue;
    int nStartAfter; // index, -1 for none
    int nExpected;   // index, -1 for not found
};
const FindCase findCases[] = {
    {"first match from head", 1, -1, 0},
    {"search begins after the start", 1, 0, 2},
    {"no match after the last one", 1, 2, -1},
    {"start at tail", 3, 3, -1},
    {"missing value", 9, -1, -1},
};

TYPED_TEST(FxListTest, FindsFromStartPosition)
{
    TypeParam list;
    Fill(list, "1213");
    for (const FindCase& c : findCases) {
        SCOPED_TRACE(c.szName);
        POSITION posStart = c.nStartAfter < 0 ? nullptr : list.FindIndex(c.nStartAfter);
        EXPECT_EQ(c.nExpected, IndexOf(list, list.Find(Elem(&list, c.nValue), posStart)));
    }
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(nullptr, list.FindIndex(4));
    EXPECT_EQ(3, Number(list, list.FindIndex(3)));

    // GetNext and GetHead hand out the element itself.
    POSITION pos = list.GetHeadPosition();
    list.GetNext(pos) = Elem(&list, 7);
    list.SetAt(pos, Elem(&list, 8));
    list.GetTail() = Elem(&list, 9);
    EXPECT_EQ("7819", Digits(list));
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
}

TEST(StringListTest, FindComparesText)
{
    CStringList list;
    list.AddTail("Ab");
    list.AddTail(CString("ab"));
    char szKey[] = "ab";
    EXPECT_EQ(list.GetTailPosition(), list.Find(szKey));
    EXPECT_EQ(nullptr, list.Find("AB"));
    EXPECT_EQ("Ab", list.RemoveHead());
    EXPECT_EQ("ab", list.RemoveTail());
    EXPECT_EQ("", list.RemoveTail()); // empty list
}
} // namespace
