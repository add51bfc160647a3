#include <gtest/gtest.h>

#include "platform/base/Time.h"

namespace
{
struct FieldCase
{
    const char* szName;
    SYSTEMTIME st; // year, month, day of week (ignored), day, hour, minute, second, ms
    int nDayOfWeek;
    const char* szFormatted; // "%Y-%m-%d %H:%M:%S"
};
const FieldCase fieldCases[] = {
    {"leap day afternoon", {2024, 2, 0, 29, 13, 5, 9, 0}, 5, "2024-02-29 13:05:09"},
    {"first second of a century", {2000, 1, 0, 1, 0, 0, 0, 0}, 7, "2000-01-01 00:00:00"},
    {"last second of a year", {2023, 12, 0, 31, 23, 59, 59, 0}, 1, "2023-12-31 23:59:59"},
    {"milliseconds dropped", {2010, 7, 0, 4, 8, 30, 0, 999}, 1, "2010-07-04 08:30:00"},
};

TEST(TimeTest, FieldsAndFormatMatchTheSystemTimeItWasBuiltFrom)
{
    for (const FieldCase& c : fieldCases) {
        SCOPED_TRACE(c.szName);
        CTime t(c.st);
        EXPECT_EQ(c.st.wYear, t.GetYear());
        EXPECT_EQ(c.st.wMonth, t.GetMonth());
        EXPECT_EQ(c.st.wDay, t.GetDay());
        EXPECT_EQ(c.st.wHour, t.GetHour());
        EXPECT_EQ(c.st.wMinute, t.GetMinute());
        EXPECT_EQ(c.st.wSecond, t.GetSecond());
        EXPECT_EQ(c.nDayOfWeek, t.GetDayOfWeek());
        EXPECT_EQ(c.szFormatted, t.Format("%Y-%m-%d %H:%M:%S"));
        EXPECT_TRUE(t == CTime(c.st.wYear, c.st.wMonth, c.st.wDay, c.st.wHour, c.st.wMinute, c.st.wSecond));
        EXPECT_TRUE(CTime(t.GetTime()) == t);
    }
}

TEST(TimeTest, FormatCopiesTextAndUnknownConversions)
{
    struct FormatCase
    {
        const char* szName;
        const char* szFormat;
        const char* szExpected;
    };
    const FormatCase formatCases[] = {
        {"GBK text between fields", "%Y年%m月%d日", "2024年02月29日"},
        {"percent sign", "100%%", "100%"},
        {"unknown conversion kept", "%q%Y", "%q2024"},
        {"trailing percent kept", "%H%", "13%"},
        {"two-digit year", "%y", "24"},
        {"empty format", "", ""},
        {"lead byte before a conversion is a byte of its own", "\xB0%Y",
         "\xB0"
         "2024"},
    };
    CTime t(2024, 2, 29, 13, 5, 9);
    for (const FormatCase& c : formatCases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.szExpected, t.Format(c.szFormat));
    }
    EXPECT_EQ("", t.Format(nullptr));
}

TEST(TimeTest, SpanArithmeticCrossesMonthEnd)
{
    CTime tJan(2024, 1, 31, 22, 30, 0);
    CTime tFeb = tJan + CTimeSpan(0, 3, 0, 15);
    EXPECT_EQ("2024-02-01 01:30:15", tFeb.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_TRUE(tFeb - CTimeSpan(0, 3, 0, 15) == tJan);

    // 2024 is a leap year: from Feb 28 to Mar 1 is two days.
    CTimeSpan span = CTime(2024, 3, 1, 6, 0, 0) - CTime(2024, 2, 28, 5, 59, 30);
    EXPECT_EQ(2, span.GetDays());
    EXPECT_EQ(0, span.GetHours());
    EXPECT_EQ(0, span.GetMinutes());
    EXPECT_EQ(30, span.GetSeconds());
    EXPECT_EQ(48 * 60, span.GetTotalMinutes());
    EXPECT_EQ(2 * 86400 + 30, span.GetTotalSeconds());
    EXPECT_TRUE(span == CTimeSpan(2, 0, 0, 30));
    EXPECT_TRUE(span > CTimeSpan(2, 0, 0, 29));

    CTime t = tJan;
    t += CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(2, t.GetMonth());
    EXPECT_TRUE(t > tJan && tJan < t && t != tJan && t >= tFeb);
    t -= CTimeSpan(32, 0, 0, 0);
    EXPECT_EQ("2023-12-31", t.Format("%Y-%m-%d"));
    EXPECT_TRUE(tJan - t == CTimeSpan(31, 0, 0, 0));
    EXPECT_TRUE(t - tJan < CTimeSpan());
}

TEST(TimeTest, OutOfRangeFieldsRollOverAndInvalidTimeHasNoFields)
{
    EXPECT_TRUE(CTime(2023, 13, 1, 0, 0, 0) == CTime(2024, 1, 1, 0, 0, 0));
    EXPECT_TRUE(CTime(2024, 2, 30, 0, 0, 0) == CTime(2024, 3, 1, 0, 0, 0));
    EXPECT_TRUE(CTime(2024, 3, 1, 0, 0, -1) == CTime(2024, 2, 29, 23, 59, 59));

    EXPECT_EQ(-1, CTime(1960, 1, 1, 0, 0, 0).GetTime());
    CTime tInvalid(static_cast<time_t>(-1));
    EXPECT_EQ(0, tInvalid.GetYear());
    EXPECT_EQ(0, tInvalid.GetDayOfWeek());
    EXPECT_EQ("", tInvalid.Format("%Y"));

    CTime tNow = CTime::GetCurrentTime();
    EXPECT_GE(tNow.GetYear(), 2024);
}
} // namespace
