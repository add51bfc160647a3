#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "work/CompData.h"

namespace
{
int Sign(int n)
{
    return (n > 0) - (n < 0);
}

TEST(CompDataTest, SortsNamesInNaturalOrder)
{
    std::vector<CString> names = {"b", "a10", "a9x", "a", "a-1", "a9"};
    std::stable_sort(names.begin(), names.end(),
                     [](const CString& a, const CString& b) { return CCompData::CompStrData_Seg(a, b) < 0; });
    const char* const expected[] = {"a", "a-1", "a9", "a9x", "a10", "b"};
    ASSERT_EQ(std::size(expected), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(CString(expected[i]), names[i]) << "at " << i;
    }
}

TEST(CompDataTest, ComparesRunByRun)
{
    struct CompCase
    {
        const char* szName;
        const char* szA;
        const char* szB;
        int nSign;
    };
    const CompCase cases[] = {
        {"two empty texts", "", "", 0},
        {"10 after 9 by value", "page10", "page9", 1},
        {"name before name and digit", "a", "a1", -1},
        {"minus sign is a run of its own", "a-1", "a1", -1},
        {"decimal runs by value", "v1.5", "v1.25", 1},
        {"leading zeros compare by value", "x007", "x7", 0},
        {"letters by byte, case-sensitive", "B", "a", -1},
        {"Chinese after ASCII", "第1页", "A1", 1},
        {"Chinese numbers by value", "第10页", "第9页", 1},
        {"equal texts", "工序3-2", "工序3-2", 0},
    };
    for (const CompCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nSign, Sign(CCompData::CompStrData_Seg(c.szA, c.szB)));
        EXPECT_EQ(-c.nSign, Sign(CCompData::CompStrData_Seg(c.szB, c.szA)));
    }
}

TEST(CompDataTest, CutsRunsWithDoubleByteCharactersWhole)
{
    struct RunCase
    {
        const char* szName;
        const char* szText;
        std::vector<const char*> runs;
    };
    // "\xB0\x41" is one GBK character whose trail byte is the letter "A".
    const RunCase cases[] = {
        {"empty", "", {}},
        {"letters digits minus", "ab12-3", {"ab", "12", "-", "3"}},
        {"punctuation is class 0", "a_b", {"a", "_", "b"}},
        {"trail byte like a letter stays with its lead",
         "\xB0\x41"
         "AB",
         {"\xB0\x41", "AB"}},
        {"Chinese then digits", "第3页", {"第", "3", "页"}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CStringArray runs;
        runs.Add("stale");
        CCompData::ApartStrToArray_Seg(c.szText, runs);
        ASSERT_EQ(static_cast<INT_PTR>(c.runs.size()), runs.GetSize());
        for (size_t i = 0; i < c.runs.size(); ++i) {
            EXPECT_EQ(CString(c.runs[i]), runs[static_cast<INT_PTR>(i)]);
        }
    }
}

TEST(CompDataTest, NumberRunsAreRecognised)
{
    struct NumCase
    {
        const char* szName;
        const char* szText;
        BOOL bNumber;
    };
    const NumCase cases[] = {
        {"empty", "", FALSE},         {"integer", "10", TRUE},
        {"decimal", "1.25", TRUE},    {"leading zeros", "007", TRUE},
        {"zero point", "0.5", TRUE},  {"lone dot", ".", FALSE},
        {"two dots", "1.2.3", FALSE}, {"trailing dot reads back from %f", "12.", TRUE},
        {"letters", "ab", FALSE},
    };
    for (const NumCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bNumber, CCompData::IsNumber(c.szText));
    }
}
} // namespace
