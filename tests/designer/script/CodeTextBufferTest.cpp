// The script text buffer as tables: inserts and deletes across lines, undo grouping and its limit,
// the modified flag, CR LF joining and what the views hear.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designer/script/CodeTextBuffer.h"

namespace
{
// The lines joined with '|', to compare a whole buffer at once.
std::string Lines(const CCodeTextBuffer& buf)
{
    std::string str;
    for (int i = 0; i < buf.LineCount(); ++i) {
        if (i > 0) {
            str += '|';
        }
        str.append(buf.LineText(i), static_cast<size_t>(buf.LineLength(i)));
    }
    return str;
}

std::string AllText(const CCodeTextBuffer& buf)
{
    CString str;
    buf.GetAllText(str);
    return std::string(str, static_cast<size_t>(str.GetLength()));
}

TEST(CodeTextBufferTest, SetAllTextSplitsAtCrLfOnly)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szLines;
        int nLines;
    };
    const Case cases[] = {
        {"empty text is one empty line", "", "", 1},
        {"a final CR LF makes an empty last line", "x\r\n", "x|", 2},
        {"two separators, three lines", "a\r\n\r\nb", "a||b", 3},
        {"a lone LF stays in its line", "a\nb", "a\nb", 1},
        {"a final lone CR is dropped", "a\r\nb\r", "a|b", 2},
        {"GBK text is kept byte for byte", "注释\r\n'说明", "注释|'说明", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCodeTextBuffer buf;
        ASSERT_TRUE(buf.SetAllText(c.szText));
        EXPECT_EQ(c.nLines, buf.LineCount());
        EXPECT_EQ(c.szLines, Lines(buf));
        EXPECT_FALSE(buf.IsModified());
        EXPECT_FALSE(buf.CanUndo());
    }
}

TEST(CodeTextBufferTest, GetAllTextJoinsWithCrLfAndRoundTrips)
{
    const char* const texts[] = {"a\r\n\r\nb", "", "x\r\n", "Dim x\r\n\t'注释\r\nEnd Sub"};
    for (const char* szText : texts) {
        SCOPED_TRACE(szText);
        CCodeTextBuffer buf;
        buf.SetAllText(szText);
        EXPECT_EQ(szText, AllText(buf));
    }
}

TEST(CodeTextBufferTest, InsertAndDeleteAcrossLines)
{
    struct Case
    {
        const char* szName;
        const char* szStart;
        bool bInsert;
        int nLine, nChar;     // insert position, or delete start
        const char* szInsert; // insert text
        int nEndLine, nEndChar;
        const char* szLines;
    };
    const Case cases[] = {
        {"CR, CR LF and CR end pieces; a lone LF does not", "", true, 0, 0, "a\r\nb\rc\nd", 2, 3, "a|b|c\nd"},
        {"insert inside a line keeps the tail", "abcd", true, 0, 2, "XY", 0, 4, "abXYcd"},
        {"a break inside a line splits it", "abcd", true, 0, 2, "\r\n", 1, 0, "ab|cd"},
        {"several lines into the middle", "1|2", true, 0, 1, "a\r\nb\r\nc", 2, 1, "1a|b|c|2"},
        {"delete within one line", "abcdef", false, 0, 1, nullptr, 0, 4, "aef"},
        {"delete joins the rest of line 1 onto line 0", "abc|def", false, 0, 2, nullptr, 1, 1, "abef"},
        {"delete over three lines", "ab|cd|ef|gh", false, 0, 1, nullptr, 2, 1, "af|gh"},
        {"delete a whole line with its break", "ab|cd|ef", false, 1, 0, nullptr, 2, 0, "ab|ef"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCodeTextBuffer buf;
        std::string strStart = c.szStart;
        for (size_t n = strStart.find('|'); n != std::string::npos; n = strStart.find('|')) {
            strStart.replace(n, 1, "\r\n");
        }
        buf.SetAllText(strStart.c_str());
        if (c.bInsert) {
            int nEndLine = -1;
            int nEndChar = -1;
            ASSERT_TRUE(buf.InsertWithUndo(nullptr, c.nLine, c.nChar, c.szInsert, nEndLine, nEndChar, CE_ACTION_PASTE));
            EXPECT_EQ(c.nEndLine, nEndLine);
            EXPECT_EQ(c.nEndChar, nEndChar);
        } else {
            ASSERT_TRUE(buf.DeleteWithUndo(nullptr, c.nLine, c.nChar, c.nEndLine, c.nEndChar, CE_ACTION_DELETE));
        }
        EXPECT_EQ(c.szLines, Lines(buf));
        EXPECT_TRUE(buf.IsModified());
        // One undo restores the text and the unmodified state.
        CPoint ptCaret;
        ASSERT_TRUE(buf.Undo(ptCaret));
        EXPECT_EQ(strStart, AllText(buf));
        EXPECT_FALSE(buf.IsModified());
        ASSERT_TRUE(buf.Redo(ptCaret));
        EXPECT_EQ(c.szLines, Lines(buf));
        EXPECT_TRUE(buf.IsModified());
    }
}

TEST(CodeTextBufferTest, GetTextRangeUsesTheSeparator)
{
    CCodeTextBuffer buf;
    buf.SetAllText("abc\r\ndef\r\nghi");
    CString str;
    buf.GetTextRange(0, 1, 2, 2, str);
    EXPECT_STREQ("bc\r\ndef\r\ngh", str);
    buf.GetTextRange(0, 1, 2, 2, str, "|");
    EXPECT_STREQ("bc|def|gh", str);
    buf.GetTextRange(1, 1, 1, 3, str);
    EXPECT_STREQ("ef", str);
}

// Typing as the edit view does it: each byte its own call, a group that merges with the one
// before unless the byte is a blank.
void Type(CCodeTextBuffer& buf, int nLine, int& nChar, const char* pszText)
{
    for (const char* p = pszText; *p != '\0'; ++p) {
        buf.OpenUndoGroup(*p != ' ');
        const char sz[2] = {*p, '\0'};
        int nEndLine = 0;
        buf.InsertWithUndo(nullptr, nLine, nChar, sz, nEndLine, nChar, CE_ACTION_TYPING);
        buf.CloseUndoGroup(nullptr);
    }
}

TEST(CodeTextBufferTest, TypedDimXUndoesInTwoSteps)
{
    CCodeTextBuffer buf;
    buf.InitEmpty();
    int nChar = 0;
    Type(buf, 0, nChar, "Dim x");
    EXPECT_EQ("Dim x", Lines(buf));
    EXPECT_EQ(5, buf.UndoStepCount());

    CPoint ptCaret;
    ASSERT_TRUE(buf.Undo(ptCaret));
    EXPECT_EQ("Dim", Lines(buf));
    EXPECT_EQ(CPoint(3, 0), ptCaret);
    EXPECT_TRUE(buf.IsModified());
    ASSERT_TRUE(buf.Undo(ptCaret));
    EXPECT_EQ("", Lines(buf));
    EXPECT_EQ(CPoint(0, 0), ptCaret);
    EXPECT_FALSE(buf.IsModified());
    EXPECT_FALSE(buf.CanUndo());

    ASSERT_TRUE(buf.Redo(ptCaret));
    EXPECT_EQ("Dim", Lines(buf));
    ASSERT_TRUE(buf.Redo(ptCaret));
    EXPECT_EQ("Dim x", Lines(buf));
    EXPECT_EQ(CPoint(5, 0), ptCaret);
    EXPECT_FALSE(buf.CanRedo());
}

TEST(CodeTextBufferTest, OneCharacterTextsUndoAndRedoTheSameCharacter)
{
    CCodeTextBuffer buf;
    buf.SetAllText("ab");
    int nEndLine = 0;
    int nEndChar = 0;
    buf.InsertWithUndo(nullptr, 0, 1, "\xFE", nEndLine, nEndChar, CE_ACTION_TYPING);
    buf.DeleteWithUndo(nullptr, 0, 0, 0, 1, CE_ACTION_BACKSPACE);
    EXPECT_EQ("\xFE"
              "b",
              Lines(buf));
    CPoint ptCaret;
    buf.Undo(ptCaret);
    buf.Undo(ptCaret);
    EXPECT_EQ("ab", Lines(buf));
    buf.Redo(ptCaret);
    buf.Redo(ptCaret);
    EXPECT_EQ("\xFE"
              "b",
              Lines(buf));
}

TEST(CodeTextBufferTest, TheLimitDropsTheOldestWholeGroupAndKeepsTheTextModified)
{
    CCodeTextBuffer buf;
    buf.InitEmpty();
    // A first group of three records, then one-record groups up to the limit.
    buf.OpenUndoGroup(FALSE);
    int nEndLine = 0;
    int nChar = 0;
    for (const char* psz : {"a", "b", "c"}) {
        buf.InsertWithUndo(nullptr, 0, nChar, psz, nEndLine, nChar, CE_ACTION_TYPING);
    }
    buf.CloseUndoGroup(nullptr);
    while (buf.UndoStepCount() < 1024) {
        buf.InsertWithUndo(nullptr, 0, nChar, "x", nEndLine, nChar, CE_ACTION_TYPING);
    }
    ASSERT_EQ(1024, buf.UndoStepCount());
    // The 1025th record drops the first group, all three records of it.
    buf.InsertWithUndo(nullptr, 0, nChar, "y", nEndLine, nChar, CE_ACTION_TYPING);
    EXPECT_EQ(1022, buf.UndoStepCount());

    CPoint ptCaret;
    int nUndone = 0;
    while (buf.Undo(ptCaret)) {
        ++nUndone;
    }
    EXPECT_EQ(1022, nUndone);
    // The text still holds "abc", which was never stored: it must stay modified.
    EXPECT_EQ("abc", Lines(buf));
    EXPECT_TRUE(buf.IsModified());
}

TEST(CodeTextBufferTest, AnEditAfterUndoingPastTheSavedStateNeverCountsAsUnmodified)
{
    CCodeTextBuffer buf;
    buf.InitEmpty();
    int nEndLine = 0;
    int nEndChar = 0;
    CPoint ptCaret;
    buf.InsertWithUndo(nullptr, 0, 0, "a", nEndLine, nEndChar);
    buf.Undo(ptCaret);
    EXPECT_FALSE(buf.IsModified());
    // Redo is gone; a second edit reaches the same undo position with other text.
    buf.InsertWithUndo(nullptr, 0, 0, "b", nEndLine, nEndChar);
    buf.InsertWithUndo(nullptr, 0, 1, "c", nEndLine, nEndChar);
    buf.Undo(ptCaret);
    EXPECT_EQ("b", Lines(buf));
    EXPECT_TRUE(buf.IsModified());
    buf.Undo(ptCaret);
    EXPECT_EQ("", Lines(buf));
    EXPECT_FALSE(buf.IsModified());
}

TEST(CodeTextBufferTest, SetAllTextDropsTheOldHistory)
{
    CCodeTextBuffer buf;
    buf.SetAllText("abc");
    int nEndLine = 0;
    int nEndChar = 0;
    buf.InsertWithUndo(nullptr, 0, 3, "def", nEndLine, nEndChar);
    CPoint ptCaret;
    buf.Undo(ptCaret);
    buf.SetAllText("x");
    // Neither undo nor a stale redo touches the new text.
    EXPECT_FALSE(buf.Undo(ptCaret));
    EXPECT_FALSE(buf.Redo(ptCaret));
    EXPECT_EQ("x", Lines(buf));
}

TEST(CodeTextBufferTest, ANoEditBufferRefusesEditsAndRecordsNothing)
{
    CCodeTextBuffer buf;
    buf.SetAllText("abc");
    buf.SetNoEdit(TRUE);
    int nEndLine = 0;
    int nEndChar = 0;
    EXPECT_FALSE(buf.InsertWithUndo(nullptr, 0, 0, "x", nEndLine, nEndChar));
    EXPECT_FALSE(buf.DeleteWithUndo(nullptr, 0, 0, 0, 1));
    EXPECT_EQ("abc", Lines(buf));
    EXPECT_EQ(0, buf.UndoStepCount());
    EXPECT_FALSE(buf.IsModified());
}

TEST(CodeTextBufferTest, UpdateContextsMovePointsWithTheirText)
{
    struct Case
    {
        const char* szName;
        bool bInsert;
        CPoint ptStart, ptEnd, ptIn, ptOut;
    };
    const Case cases[] = {
        {"insert: a line above stays", true, {2, 3}, {1, 5}, {9, 1}, {9, 1}},
        {"insert: a later line moves down", true, {2, 3}, {1, 5}, {4, 7}, {4, 9}},
        {"insert: at the start stays", true, {2, 3}, {1, 5}, {2, 3}, {2, 3}},
        {"insert: after the start moves with the tail", true, {2, 3}, {1, 5}, {6, 3}, {5, 5}},
        {"delete: above stays", false, {2, 3}, {4, 5}, {9, 1}, {9, 1}},
        {"delete: below moves up", false, {2, 3}, {4, 5}, {1, 8}, {1, 6}},
        {"delete: after the end joins the start line", false, {2, 3}, {4, 5}, {7, 5}, {5, 3}},
        {"delete: inside goes to the start", false, {2, 3}, {4, 5}, {1, 4}, {2, 3}},
        {"delete: on the start line after it goes to it", false, {2, 3}, {4, 5}, {8, 3}, {2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const CCodeUpdateContext context(c.ptStart, c.ptEnd, c.bInsert);
        CPoint pt = c.ptIn;
        context.RecalcPoint(pt);
        EXPECT_EQ(c.ptOut, pt);
    }
}

TEST(CodeTextBufferTest, DescribeActionLoadsTheStringsOfKnownKinds)
{
    CCodeTextBuffer buf;
    CString str;
    EXPECT_TRUE(buf.DescribeAction(CE_ACTION_TYPING, str));
    EXPECT_STREQ("键入", str);
    EXPECT_TRUE(buf.DescribeAction(CE_ACTION_DELETE, str));
    EXPECT_STREQ("删除", str);
    EXPECT_FALSE(buf.DescribeAction(11, str));
    EXPECT_FALSE(buf.DescribeAction(-1, str));
}
} // namespace
