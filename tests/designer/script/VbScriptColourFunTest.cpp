// The VBScript line parser as a table of lines and the coloured runs they give.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designer/script/VbScriptColourFun.h"

namespace
{
// One letter per colour class.
char ClassLetter(int nClass)
{
    switch (nClass) {
    case COLOUR_NORMALTEXT:
        return 'n';
    case COLOUR_KEYWORD:
        return 'k';
    case COLOUR_COMMENT:
        return 'c';
    case COLOUR_NUMBER:
        return '9';
    case COLOUR_STRING:
        return 's';
    case COLOUR_PREPROCESSOR:
        return 'p';
    default:
        return '?';
    }
}

// The class of every byte of the line, one letter each, from the blocks.
std::string ColourOf(const char* pszLine, DWORD dwStateIn, DWORD* pdwStateOut = nullptr,
                     std::string* pstrDrawn = nullptr)
{
    std::string strLine = pszLine;
    const int nLength = static_cast<int>(strLine.size());
    std::vector<CodeTextBlock> blocks(strLine.size() * 3 + 1);
    int nBlocks = 0;
    const DWORD dwState = CVbScriptColourFun::ColourLine(dwStateIn, strLine.data(), nLength, blocks.data(), nBlocks);
    if (pdwStateOut != nullptr) {
        *pdwStateOut = dwState;
    }
    if (pstrDrawn != nullptr) {
        *pstrDrawn = strLine;
    }
    std::string strRuns(strLine.size(), 'n');
    for (int i = 0; i < nBlocks; ++i) {
        EXPECT_TRUE(i == 0 || blocks[i - 1].nCharPos <= blocks[i].nCharPos) << "positions fall at block " << i;
        const int nEnd = i + 1 < nBlocks ? blocks[i + 1].nCharPos : nLength;
        for (int n = blocks[i].nCharPos; n < nEnd && n < nLength; ++n) {
            strRuns[static_cast<size_t>(n)] = ClassLetter(blocks[i].nColourClass);
        }
    }
    return strRuns;
}

TEST(VbScriptColourFunTest, ColoursRunsOfOneLine)
{
    struct Case
    {
        const char* szName;
        const char* szLine;
        const char* szRuns;
        DWORD dwStateOut;
    };
    const Case cases[] = {
        {"keyword, name, comment", "Dim x ' note", "kkknnncccccc", 0},
        {"numbers: integer, decimal, hex; a plus sign splits 3e+4", "x = 1.5 + 0x1F - 3e+4", "nnnn999nnn9999nnn99n9",
         0},
        {"0x1G and 12ab are no numbers", "0x1G 12ab", "nnnnnnnnn", 0},
        {"a string, then text", "s = \"a'b\" & t", "nnnnsssssnnnn", 0},
        {"a string left open colours to the line's end only", "s = \"abc", "nnnnssss", 0},
        {"a doubled quote ends and reopens", "\"a\"\"b\"", "ssssss", 0},
        {"a backslash keeps the string open", "\"a\\\"b\" x", "ssssssnn", 0},
        {"Rem as a word starts a comment", "x = 1 Rem note", "nnnn9ncccccccc", 0},
        {"Remove is a name", "Remove x", "nnnnnnnn", 0},
        {"Rem right after a name is no comment", "xRem y", "nnnnnn", 0},
        {"a dotted name is no keyword", "obj.End If", "nnnnnnnnkk", 0},
        {"keywords in any case", "end if", "kkknkk", 0},
        {"block comment runs on", "/* a", "cccc", PS_BLOCKCOMMENT},
        {"a directive at the line's start", "  #If x", "nnpkkpp", 0},
        {"Chinese text is plain and breaks words", "Dim变量", "kkknnnn", 0},
        {"a GBK trail byte 0x5C at the end carries nothing", "x = \"\xD5\x5C", "nnnnsss", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        DWORD dwState = 0xFF;
        EXPECT_EQ(c.szRuns, ColourOf(c.szLine, 0, &dwState));
        EXPECT_EQ(c.dwStateOut, dwState);
    }
}

TEST(VbScriptColourFunTest, StatesCarryBlockCommentsAndBackslashedLines)
{
    struct Case
    {
        const char* szName;
        DWORD dwIn;
        const char* szLine;
        const char* szRuns;
        DWORD dwOut;
    };
    const Case cases[] = {
        {"inside a block comment", PS_BLOCKCOMMENT, "a b", "ccc", PS_BLOCKCOMMENT},
        {"a block comment ends", PS_BLOCKCOMMENT, "a */ Dim", "ccccnkkk", 0},
        {"an empty line keeps only the block comment", PS_BLOCKCOMMENT | PS_STRING, "", "", PS_BLOCKCOMMENT},
        {"an open string is closed at the line end", PS_STRING, "ab", "ss", 0},
        {"a line ending in a backslash carries the string", 0, "\"ab\\", "ssss", PS_STRING},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        DWORD dwState = 0xFF;
        EXPECT_EQ(c.szRuns, ColourOf(c.szLine, c.dwIn, &dwState));
        EXPECT_EQ(c.dwOut, dwState);
    }
}

TEST(VbScriptColourFunTest, StateOnlyParsingAgreesWithDrawing)
{
    const char* const lines[] = {"/* a", "b */ x", "Rem y", "\"s\\", "x"};
    for (const char* pszLine : lines) {
        SCOPED_TRACE(pszLine);
        for (DWORD dwIn : {DWORD(0), DWORD(PS_BLOCKCOMMENT)}) {
            std::string strLine = pszLine;
            int nBlocks = 0;
            const DWORD dwStateOnly = CVbScriptColourFun::ColourLine(
                dwIn, strLine.data(), static_cast<int>(strLine.size()), nullptr, nBlocks);
            DWORD dwDrawn = 0;
            ColourOf(pszLine, dwIn, &dwDrawn);
            EXPECT_EQ(dwDrawn, dwStateOnly);
        }
    }
}

TEST(VbScriptColourFunTest, KeywordsAreReSpelledInTheDrawnCopyOnly)
{
    std::string strDrawn;
    const char* const pszStored = "end if: redim a: dim b";
    ColourOf(pszStored, 0, nullptr, &strDrawn);
    EXPECT_EQ("End If: ReDim a: Dim b", strDrawn);
    EXPECT_STREQ("end if: redim a: dim b", pszStored);
}

TEST(VbScriptColourFunTest, MatchesTheWholeKeywordListAndNumberRules)
{
    std::string strList = CVbScriptColourFun::KeywordList();
    EXPECT_EQ(' ', strList.front());
    EXPECT_EQ(' ', strList.back());
    int nWords = 0;
    for (size_t nAt = 1; nAt < strList.size();) {
        const size_t nEnd = strList.find(' ', nAt);
        std::string strWord = strList.substr(nAt, nEnd - nAt);
        std::string strUpper = strWord;
        for (char& ch : strUpper) {
            ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
        }
        EXPECT_TRUE(CVbScriptColourFun::MatchKeyword(strUpper.data(), static_cast<int>(strUpper.size()))) << strWord;
        EXPECT_EQ(strWord, strUpper);
        ++nWords;
        nAt = nEnd + 1;
    }
    EXPECT_EQ(41, nWords);

    struct Case
    {
        const char* szWord;
        bool bKeyword;
        bool bNumber;
    };
    const Case cases[] = {
        {"Dim", true, false},    {"Dimx", false, false}, {"im", false, false},   {"12", false, true},
        {"1.5e+3", false, true}, {"3E", false, true},    {"12ab", false, false}, {"0x", false, false},
        {"0xff", false, true},   {"x1", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szWord);
        std::string str = c.szWord;
        EXPECT_EQ(c.bKeyword, CVbScriptColourFun::MatchKeyword(str.data(), static_cast<int>(str.size())));
        EXPECT_EQ(c.bNumber, CVbScriptColourFun::MatchNumber(str.data(), static_cast<int>(str.size())));
    }
    // A word far longer than any keyword is refused without copying it anywhere.
    std::string strLong(5000, 'a');
    EXPECT_FALSE(CVbScriptColourFun::MatchKeyword(strLong.data(), static_cast<int>(strLong.size())));
}
} // namespace
