// Data-file lines and words, and deviation texts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "symbols/GlyphworkFun.h"

namespace
{
std::vector<std::string> Lines(const CString& strText, int* pnLast = nullptr)
{
    std::vector<std::string> lines;
    long nPos = 0;
    CString strLine;
    while (CGlyphworkFun::GetLine(strText, nPos, strLine))
        lines.emplace_back(strLine.GetString());
    if (pnLast != nullptr)
        *pnLast = nPos;
    return lines;
}

// A file in a folder of its own for this test.
class GlyphworkFunFile : public testing::Test
{
protected:
    CString Path() const { return m_folder.PathOf("Gptol.dat"); }
    void WriteFile(const std::string& data)
    {
        FILE* f = fopen(Path(), "wb");
        ASSERT_NE(nullptr, f);
        fwrite(data.data(), 1, data.size(), f);
        fclose(f);
    }
    CTestTempFolder m_folder;
};
} // namespace

TEST(GlyphworkFun, GetLine)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        std::vector<std::string> lines;
    } cases[] = {
        {"three lines", "a1,2\r\nb 3\r\nc\t4\n", {"a1,2", "b3", "c4"}},
        {"empty lines skipped", "x\r\n\r\n\n\ry\n", {"x", "y"}},
        {"unterminated last line kept", "a b", {"ab"}},
        {"unterminated after lines", "1\n2", {"1", "2"}},
        {"blank-only tail", "1\n   \t", {"1"}},
        {"blank line is an empty line", "  \n1\n", {"", "1"}},
        {"empty", "", {}},
        {"GBK kept whole", "公差|\xB9\x7C\n", {"公差|\xB9\x7C"}},
        {"lone lead byte ends at the line end", "a\xB9\nb\n", {"a\xB9", "b"}},
        {"lone lead byte at the very end", "a\xB9", {"a\xB9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        int nLast = -1;
        EXPECT_EQ(c.lines, Lines(c.szText, &nLast));
        EXPECT_EQ(static_cast<int>(strlen(c.szText)), nLast);
    }
}

TEST(GlyphworkFun, GetLineBounds)
{
    CString strLine = "stale";
    long nPos = 5;
    EXPECT_FALSE(CGlyphworkFun::GetLine("abc", nPos, strLine));
    EXPECT_STREQ("", strLine);
    nPos = -3;
    EXPECT_FALSE(CGlyphworkFun::GetLine("abc", nPos, strLine));

    // A line longer than 800 bytes is cut to 800, never on half a GBK character.
    std::string longLine(799, 'x');
    longLine += "中中";
    longLine += "\nnext\n";
    auto lines = Lines(longLine.c_str());
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(std::string(799, 'x'), lines[0]);
    EXPECT_EQ("next", lines[1]);
    std::string exact(1000, 'y');
    lines = Lines(exact.c_str());
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(800u, lines[0].size());
}

TEST(GlyphworkFun, GetWordFromStr)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        std::vector<std::string> words;
    } cases[] = {
        {"comma and bar", "1,2|3", {"1", "2", "3"}},
        {"empty words", "a,,b|", {"a", "", "b"}},
        {"trailing separator", "a,", {"a"}},
        {"GBK trail byte is no bar", "\xB9\x7C,x", {"\xB9\x7C", "x"}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::vector<std::string> words;
        int nPos = 0;
        CString strWord;
        while (CGlyphworkFun::GetWordFromStr(c.szText, nPos, strWord) && words.size() < 20)
            words.emplace_back(strWord.GetString());
        EXPECT_EQ(c.words, words);
    }
    int nPos = -1;
    CString strWord;
    EXPECT_FALSE(CGlyphworkFun::GetWordFromStr("a,b", nPos, strWord));
    nPos = 99;
    EXPECT_FALSE(CGlyphworkFun::GetWordFromStr("a,b", nPos, strWord));
}

TEST(GlyphworkFun, NumberTexts)
{
    struct Case
    {
        double dValue;
        const char* szText;
    } cases[] = {
        {0.0, "0"}, {-0.0, "0"}, {0.5, "+0.5"}, {-0.025, "-0.025"}, {12.0, "+12"}, {-3.0, "-3"}, {0.021, "+0.021"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szText);
        EXPECT_STREQ(c.szText, CGlyphworkFun::FormatFloat(c.dValue));
    }
    CString str = "100";
    CGlyphworkFun::ProceFloatStr(str);
    EXPECT_STREQ("1", str);
    str = "2.500..";
    CGlyphworkFun::ProceFloatStr(str);
    // Zeros first, then points: zeros before the points stay.
    EXPECT_STREQ("2.500", str);

    str = " a \tb  c ";
    CGlyphworkFun::Compress_Space(str);
    EXPECT_STREQ("a\tbc", str);
}

TEST(GlyphworkFun, InstanceAnswersLikeTheStaticHelpers)
{
    // Static members only, but callers may still hold an instance and call through it.
    CGlyphworkFun* pFun = new CGlyphworkFun;
    EXPECT_STREQ("+0.5", pFun->FormatFloat(0.5).GetString());
    CString strText = "1.500";
    pFun->ProceFloatStr(strText);
    EXPECT_STREQ("1.5", strText.GetString());
    delete pFun;
}

TEST_F(GlyphworkFunFile, ReadData)
{
    std::string data("8,1\r\n\0x\xB9\x7C", 9);
    WriteFile(data);
    CString strData = "old";
    EXPECT_EQ(9u, CGlyphworkFun::ReadData(Path(), strData));
    ASSERT_EQ(9, strData.GetLength());
    EXPECT_EQ(0, memcmp(data.data(), strData.GetString(), 9));

    WriteFile("");
    EXPECT_EQ(0u, CGlyphworkFun::ReadData(Path(), strData));
    EXPECT_TRUE(strData.IsEmpty());

    strData = "old";
    EXPECT_EQ(0u, CGlyphworkFun::ReadData(m_folder.PathOf("missing.dat"), strData));
    EXPECT_TRUE(strData.IsEmpty());
}
