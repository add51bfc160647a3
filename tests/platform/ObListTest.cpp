#include <gtest/gtest.h>

#include "TestItems.h"
#include "platform/base/ObList.h"

namespace
{
CString Names(const CObList& list)
{
    CString s;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const CObject* pOb = list.GetNext(pos);
        s.AppendFormat("%d;", pOb != nullptr ? static_cast<const CTestItemB*>(pOb)->m_n : 0);
    }
    return s;
}

TEST(ObListTest, InsertFindAndRemoveKeepOrderAndPositions)
{
    CTestItemB items[6] = {CTestItemB(1), CTestItemB(2), CTestItemB(3), CTestItemB(4), CTestItemB(5), CTestItemB(6)};
    CObList list;
    POSITION pos2 = list.AddTail(&items[1]);
    list.AddHead(&items[0]);
    POSITION pos4 = list.AddTail(&items[3]);
    list.InsertBefore(pos4, &items[2]);
    list.InsertAfter(pos4, &items[4]);
    list.InsertBefore(list.GetHeadPosition(), &items[5]);
    EXPECT_EQ("6;1;2;3;4;5;", Names(list));
    EXPECT_EQ(6, list.GetCount());

    EXPECT_EQ(pos2, list.Find(&items[1]));
    EXPECT_EQ(nullptr, list.Find(&items[1], pos2));
    EXPECT_EQ(pos4, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(6));
    EXPECT_EQ(nullptr, list.FindIndex(-1));

    list.RemoveAt(pos2);
    EXPECT_EQ(&items[5], list.RemoveHead());
    EXPECT_EQ(&items[4], list.RemoveTail());
    EXPECT_EQ("1;3;4;", Names(list));
    list.SetAt(list.GetHeadPosition(), nullptr);
    list.GetTail() = &items[5];
    EXPECT_EQ("0;3;6;", Names(list));

    // Walking backwards.
    CString strBack;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;) {
        CObject* pOb = list.GetPrev(pos);
        strBack.AppendFormat("%d;", pOb != nullptr ? static_cast<CTestItemB*>(pOb)->m_n : 0);
    }
    EXPECT_EQ("6;3;0;", strBack);

    // A list added to itself doubles once.
    list.AddTail(&list);
    EXPECT_EQ("0;3;6;0;3;6;", Names(list));
    CObList other;
    other.AddTail(&items[0]);
    other.AddTail(&items[1]);
    list.AddHead(&other);
    EXPECT_EQ(8, list.GetCount());
    EXPECT_EQ(&items[0], list.GetHead());

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.GetTailPosition());
    list.AddTail(&items[2]);
    EXPECT_EQ("3;", Names(list));
}
} // namespace
