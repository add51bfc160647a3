#include <gtest/gtest.h>

#include "platform/base/FxBstr.h"
#include "platform/base/String.h"

namespace
{
// "刷" is D5 A2 and "諰" is D6 5C in GBK: a trail byte equal to '\\'.
const char kTrail5C[] = "\xD6\x5C";
const char kTrail7C[] = "\xD5\x7C";

TEST(StringTest, FindSkipsTrailBytes)
{
    CString s = CString("a") + kTrail5C + "\\b" + kTrail5C;
    EXPECT_EQ(3, s.Find('\\'));
    EXPECT_EQ(3, s.ReverseFind('\\'));
    EXPECT_EQ(-1, CString(kTrail5C).Find('\\'));
    EXPECT_EQ(-1, CString(kTrail5C).ReverseFind('\\'));
    EXPECT_EQ(-1, CString(kTrail7C).Find("|"));
    EXPECT_EQ(2, (CString(kTrail7C) + "|").FindOneOf("|,"));
    EXPECT_EQ(3, s.Find("\\b"));
    EXPECT_EQ(1, s.Find(kTrail5C, 1));
    EXPECT_EQ(5, s.Find(kTrail5C, 2));
}

// A pair is a lead byte 0x81-0xFE followed by a trail byte 0x40-0xFE other than 0x7F; any other
// byte is a character of its own, so a bad pair never swallows the delimiter after the lead byte.
TEST(StringTest, CharacterBoundariesFollowGbkLeadAndTrailRanges)
{
    struct CharCase
    {
        const char* szName;
        const char* szText;
        const char* szStarts; // offsets where characters start, as digits
        int nComma;           // Find(',')
    };
    const CharCase cases[] = {
        {"lead + valid trail 0xA1", "\xB0\xA1,", "02", 2},
        {"lead + lowest trail 0x40", "\xB0\x40,", "02", 2},
        {"lead + highest trail 0xFE", "\xB0\xFE,", "02", 2},
        {"lead + 0x7F", "\xB0\x7F,", "012", 2},
        {"lead + 0x3F", "\xB0?,", "012", 2},
        {"lead + 0xFF", "\xB0\xFF,", "012", 2},
        {"lead + the delimiter itself", "a\xB0,b,c", "012345", 2},
        {"lead at end of string", "a,\xB0", "012", 1},
        {"lone trail 0x80", "\x80,", "01", 1},
        {"lone trail 0x5C", "\x5C,", "01", 1},
    };
    for (const CharCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strStarts;
        for (LPCSTR p = c.szText; *p != '\0'; p += CString::CharLength(p)) {
            strStarts += static_cast<char>('0' + (p - c.szText));
        }
        EXPECT_EQ(c.szStarts, strStarts);
        CString strText = c.szText;
        EXPECT_EQ(c.nComma, strText.Find(','));
        EXPECT_EQ(c.nComma, strText.Find(","));
        EXPECT_EQ(c.nComma, strText.FindOneOf(","));
    }
}

// Each search goes on from where the last one ended; double-byte characters in between stay whole.
TEST(StringTest, FindNextLoopVisitsEveryDelimiterOnce)
{
    struct LoopCase
    {
        const char* szName;
        CString strText;
        const char* szFound; // offsets of '|', as digits
    };
    const LoopCase cases[] = {
        {"plain fields", "a|b||c", "134"},
        {"trail byte 0x7C between fields", CString("|") + kTrail7C + "|" + kTrail7C, "03"},
        {"delimiter after a bad pair", "\xB0\x7F|\xFF|", "24"},
        {"no delimiter", kTrail7C, ""},
    };
    for (const LoopCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strByChar;
        for (int nPos = c.strText.Find('|'); nPos >= 0; nPos = c.strText.Find('|', nPos + 1)) {
            strByChar += static_cast<char>('0' + nPos);
        }
        CString strBySub;
        for (int nPos = c.strText.Find("|"); nPos >= 0; nPos = c.strText.Find("|", nPos + 1)) {
            strBySub += static_cast<char>('0' + nPos);
        }
        EXPECT_EQ(c.szFound, strByChar);
        EXPECT_EQ(c.szFound, strBySub);
    }
}

TEST(StringTest, ReplaceAndRemoveKeepDoubleByteCharacters)
{
    CString s = CString(kTrail5C) + "\\";
    EXPECT_EQ(1, s.Replace('\\', '/'));
    EXPECT_EQ(CString(kTrail5C) + "/", s);
    CString t = CString(kTrail7C) + "|x|";
    EXPECT_EQ(2, t.Remove('|'));
    EXPECT_EQ(CString(kTrail7C) + "x", t);
    CString u = "a--b--";
    EXPECT_EQ(2, u.Replace("--", "+"));
    EXPECT_EQ("a+b+", u);
}

TEST(StringTest, FormatPinsTheFormatsInUse)
{
    struct FormatCase
    {
        const char* szName;
        CString strResult;
        const char* szExpected;
    };
    auto fmt = [](const char* f, auto... args) {
        CString s;
        s.Format(f, args...);
        return s;
    };
    const FormatCase cases[] = {
        {"int", fmt("%d|%5d|%-3d|", -12, 7, 4), "-12|    7|4  |"},
        {"string", fmt("[%s] %s", "ab", "\xCC\xE1\xCA\xBE"), "[ab] \xCC\xE1\xCA\xBE"},
        {"fixed", fmt("%f %.2f %.0f", 1.5, 3.14159, 2.5), "1.500000 3.14 2"},
        {"general", fmt("%g %g %.3g", 0.0001, 1e20, 2.0 / 3.0), "0.0001 1e+20 0.667"},
        {"hex and char", fmt("%x %X %c", 255, 255, 'Z'), "ff FF Z"},
        {"percent", fmt("%%.%df", 3), "%.3f"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szExpected, c.strResult);
    }
}

TEST(StringTest, SubstringsClampTheirRanges)
{
    CString s = "abcdef";
    EXPECT_EQ("cd", s.Mid(2, 2));
    EXPECT_EQ("ef", s.Mid(4));
    EXPECT_EQ("", s.Mid(10));
    EXPECT_EQ("abcdef", s.Left(99));
    EXPECT_EQ("", s.Left(-1));
    EXPECT_EQ("def", s.Right(3));
    EXPECT_EQ("abcdef", s.Right(99));
}

TEST(StringTest, TrimCaseAndCompareLeaveDoubleByteCharactersWhole)
{
    CString s = "  \t x y \r\n";
    s.TrimLeft();
    EXPECT_EQ("x y \r\n", s);
    s.TrimRight();
    EXPECT_EQ("x y", s);
    CString t = "xx" + CString(kTrail5C) + "xx";
    t.TrimLeft('x').TrimRight('x');
    EXPECT_EQ(CString(kTrail5C), t);
    CString u = CString("ab") + "\xC1\x61" + "c";
    u.MakeUpper();
    EXPECT_EQ(CString("AB") + "\xC1\x61" + "C", u);
    EXPECT_EQ(0, CString("Abc").CompareNoCase("aBC"));
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_NE(0, CString("\xC1\x61").CompareNoCase("\xC1\x41"));
}

TEST(StringTest, WideConversionsUseCodePage936)
{
    CString s(L"\x63D0\x793A"); // 提示
    EXPECT_STREQ("\xCC\xE1\xCA\xBE", s);
    CFxBstr bstr(s.AllocSysString());
    ASSERT_TRUE(bstr.IsValid());
    EXPECT_EQ(2u, SysStringLen(bstr));
    EXPECT_EQ(0x63D0, static_cast<BSTR>(bstr)[0]);
    CFxBstr empty(CString().AllocSysString());
    ASSERT_TRUE(empty.IsValid());
    EXPECT_EQ(0u, SysStringLen(empty));
}

TEST(StringTest, BufferReleaseAndEditsKeepTheLengthInStep)
{
    CString s;
    char* p = s.GetBuffer(10);
    strcpy(p, "hello");
    s.ReleaseBuffer();
    EXPECT_EQ(5, s.GetLength());
    s.Insert(0, "<");
    s.Insert(99, '>');
    EXPECT_EQ("<hello>", s);
    s.Delete(1, 4);
    EXPECT_EQ("<o>", s);
    s = s.Mid(1);
    EXPECT_EQ("o>", s);
    s = (LPCSTR)s + 1;
    EXPECT_EQ(">", s);
    CString r = CString("a") + kTrail5C + "b";
    r.MakeReverse();
    EXPECT_EQ(CString("b") + kTrail5C + "a", r);
}
} // namespace
