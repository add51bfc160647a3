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

struct SplitCase
{
    const char* szName;
    const char* szText;
    char chSep;
    BOOL bEmptyLast;
    int nPieces;
    const char* szJoined; // the pieces, each followed by "|"
};
const SplitCase splitCases[] = {
    {"empty field list has one empty field", "", ';', TRUE, 1, "|"},
    {"empty name list has no name", "", ';', FALSE, 0, ""},
    {"trailing delimiter starts an empty field", "a;", ';', TRUE, 2, "a||"},
    {"trailing delimiter ends the names", "a;", ';', FALSE, 1, "a|"},
    {"inner empty pieces are kept", "a;;b", ';', FALSE, 3, "a||b|"},
    {"lone delimiter", ";", ';', TRUE, 2, "||"},
    {"GBK trail byte equal to the delimiter is no delimiter", "\xD5\x7C|x", '|', FALSE, 2, "\xD5\x7C|x|"},
};

TEST(StringArrayTest, SplitGivesThePiecesBetweenDelimiters)
{
    for (const SplitCase& c : splitCases) {
        SCOPED_TRACE(c.szName);
        CStringArray a;
        a.Add("stale");
        a.Split(c.szText, c.chSep, c.bEmptyLast);
        ASSERT_EQ(c.nPieces, a.GetSize());
        CString strJoined;
        for (INT_PTR i = 0; i < a.GetSize(); ++i) {
            strJoined += a[i] + "|";
        }
        EXPECT_EQ(CString(c.szJoined), strJoined);
    }
}
} // namespace
