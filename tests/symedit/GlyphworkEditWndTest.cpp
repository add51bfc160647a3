// The special edit as a real window: typing, keys, selection, clipboard, undo, Enter, mouse and the
// messages its parent receives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditHost.h"
#include "SongFont.h"
#include "common/KvClipboard.h"
#include "platform/gdi/ClientDC.h"
#include "support/DibCanvas.h"
#include "support/PngFile.h"
#include "symbols/StringContSeg.h"
#include "symedit/GlyphworkEdit.h"
#include "symedit/GlyphworkEditRow.h"

namespace
{
// Rows as "ab\n|cd": text segments as their text, a line break as "\n", other kinds as "<kind>".
std::string Rows(CGlyphworkEdit& edit)
{
    std::string s;
    POSITION posRow = edit.m_listEditRow.GetHeadPosition();
    for (int nRow = 0; posRow != nullptr; nRow++) {
        auto* pRow = static_cast<CGlyphworkEditRow*>(edit.m_listEditRow.GetNext(posRow));
        if (nRow > 0)
            s += "|";
        POSITION pos = pRow->m_listSeg.GetHeadPosition();
        while (pos != nullptr) {
            auto* pSeg = static_cast<CContentSegment*>(pRow->m_listSeg.GetNext(pos));
            if (pSeg->IsKindOf() == SEG_TEXT)
                s += static_cast<const char*>(static_cast<CStringContSeg*>(pSeg)->m_strText);
            else if (pSeg->IsKindOf() == SEG_ENTER)
                s += "\n";
            else
                s += "<" + std::to_string(pSeg->IsKindOf()) + ">";
        }
    }
    return s;
}

std::string Caret(CGlyphworkEdit& edit)
{
    return std::to_string(edit.m_nCaretRow) + "," + std::to_string(edit.m_nCaretCol);
}

class GlyphworkEditSession : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 0, 0, 420, 200, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr)
            m_pEdit->DestroyWindow(); // deletes the edit
        m_host.DestroyWindow();
    }

    // An edit one row high over a cell at (10, 10), caret at the start of its last row.
    CGlyphworkEdit& Open(const char* pszText, DWORD dwStyle, UINT nFormat = 0, int cx = 300)
    {
        m_pEdit = new CGlyphworkEdit;
        m_pEdit->SetTextData(SongFont(-16), pszText, static_cast<int>(nFormat), 0, 1.0f, RGB(0, 0, 0));
        m_pEdit->SetLineStyle(0, 0);
        CRect rcWnd(10, 10, 10 + cx, 34);
        EXPECT_TRUE(
            m_pEdit->CreateEdit(&m_host, static_cast<int>(dwStyle), rcWnd, CRect(0, 0, cx, 24), 100, CPoint(-1, -1)));
        m_host.Take();
        return *m_pEdit;
    }
    void Key(UINT nKey) { m_pEdit->SendMessage(WM_KEYDOWN, nKey, 1); }
    void Keys(const std::vector<UINT>& keys)
    {
        for (UINT nKey : keys)
            Key(nKey);
    }
    void Type(const char* psz)
    {
        for (; *psz != '\0'; psz++)
            m_pEdit->SendMessage(WM_CHAR, static_cast<BYTE>(*psz), 1);
    }
    void CtrlChar(char chLetter)
    {
        CHeldKeys ctrl({VK_CONTROL});
        m_pEdit->SendMessage(WM_CHAR, static_cast<WPARAM>(chLetter - '@'), 1);
    }
    CString Data()
    {
        CString s;
        m_pEdit->GetData(s);
        return s;
    }
    CString Selection()
    {
        CString s;
        m_pEdit->GetSelData(s);
        return s;
    }
    // The pixel x of the caret before the given column of row 0.
    int XOfColumn(int nCol)
    {
        CClientDC dc(m_pEdit->GetSafeHwnd());
        int x = 0;
        m_pEdit->GetCaretPosX(&dc, 0, nCol, x);
        return x;
    }
    void Mouse(UINT message, UINT nFlags, int x, int y) { m_pEdit->SendMessage(message, nFlags, MAKELPARAM(x, y)); }

    CEditHost m_host;
    CGlyphworkEdit* m_pEdit = nullptr;
};

TEST_F(GlyphworkEditSession, TypedAsciiAndGbkCharactersBecomeOneSegmentEach)
{
    Open("", 0);
    Type("a<");
    EXPECT_EQ("changed changed", m_host.Take());
    Type("\xD6"); // the lead byte alone inserts nothing
    EXPECT_EQ("a<", Rows(*m_pEdit));
    EXPECT_EQ("", m_host.Take());
    Type("\xD0");
    Type("\xCE\xC4");
    EXPECT_EQ("a<中文", Rows(*m_pEdit));
    auto* pRow = static_cast<CGlyphworkEditRow*>(m_pEdit->m_listEditRow.GetHead());
    EXPECT_EQ(4, static_cast<int>(pRow->m_listSeg.GetCount()));
    EXPECT_EQ("changed changed", m_host.Take());
    EXPECT_EQ("0,4", Caret(*m_pEdit));
    EXPECT_TRUE(m_pEdit->IsModify());
    EXPECT_EQ(CString("a<中文"), Data());
    Type("\b");
    EXPECT_EQ("a<中", Rows(*m_pEdit));
    EXPECT_EQ("changed", m_host.Take());
}

TEST_F(GlyphworkEditSession, KeysThatEndTheEditNotifyTheParent)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        DWORD dwStyle;
        std::vector<UINT> keys;
        const char* szNotes;
        const char* szRows;
    };
    const Case cases[] = {
        {"tab, esc, page keys", "ab", 0, {VK_TAB, VK_ESCAPE, VK_PRIOR, VK_NEXT}, "end:9 end:27 end:33 end:34", "ab"},
        {"left at the start", "ab", 0, {VK_LEFT}, "end:37", "ab"},
        {"right at the end", "ab", 0, {VK_END, VK_RIGHT}, "end:39", "ab"},
        {"up on the first row, down on the last", "ab", 0, {VK_UP, VK_DOWN}, "end:38 end:40", "ab"},
        {"enter without the style bit", "ab", 0, {VK_RETURN}, "end:13", "ab"},
        {"enter with the style bit breaks the row", "ab", 0x4, {VK_END, VK_RETURN}, "changed", "ab\n|"},
        {"read-only: arrows end the edit",
         "ab",
         0x80,
         {VK_RIGHT, VK_LEFT, VK_UP, VK_DOWN},
         "end:39 end:37 end:38 end:40",
         "ab"},
        {"read-only: enter ends the edit", "ab", 0x84, {VK_RETURN}, "end:13", "ab"},
        {"read-only: home, end and delete do nothing", "ab", 0x80, {VK_HOME, VK_END, VK_DELETE}, "", "ab"},
        {"F4", "ab", 0, {VK_F4}, "F4", "ab"},
        {"F2 sends the double-click message", "ab", 0, {VK_F2}, "dblclk", "ab"},
        {"other keys send nothing", "ab", 0, {'A', VK_F5}, "", "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Open(c.szText, c.dwStyle);
        m_pEdit->SetLButtonDBClikMsg(kDBClickMsg);
        for (UINT nKey : c.keys)
            Key(nKey);
        EXPECT_EQ(c.szNotes, m_host.Take());
        EXPECT_EQ(c.szRows, Rows(*m_pEdit));
        m_pEdit->DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(GlyphworkEditSession, CtrlDownRunsTheDoubleClickAction)
{
    Open("ab", 0);
    m_pEdit->SetLButtonDBClikMsg(kDBClickMsg);
    CHeldKeys ctrl({VK_CONTROL});
    Key(VK_DOWN);
    EXPECT_EQ("dblclk", m_host.Take());
}

TEST_F(GlyphworkEditSession, ReadOnlySwallowsCharactersAndRefusesChanges)
{
    Open("ab", 0x80);
    Type("xy\b");
    CtrlChar('V');
    CtrlChar('A');
    m_pEdit->Paste("z");
    EXPECT_EQ("ab", Rows(*m_pEdit));
    EXPECT_EQ("", m_host.Take());
    EXPECT_FALSE(m_pEdit->IsModify());
    EXPECT_FALSE(m_pEdit->CanCut() || m_pEdit->CanPaste() || m_pEdit->CanSelectAll() || m_pEdit->CanUndoEx());
}

TEST_F(GlyphworkEditSession, ShiftArrowsSelectSegments)
{
    struct Case
    {
        const char* szName;
        std::vector<UINT> shifted; // after Home
        const char* szSelection;
    };
    const Case cases[] = {
        {"three right, one left", {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT}, "ab"},
        {"end", {VK_END}, "abcde"},
        {"right then back over it", {VK_RIGHT, VK_LEFT}, ""},
        {"shift+left at the start does nothing", {VK_LEFT}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Open("abcde", 0);
        Key(VK_HOME);
        {
            CHeldKeys shift({VK_SHIFT});
            for (UINT nKey : c.shifted)
                Key(nKey);
        }
        EXPECT_EQ(CString(c.szSelection), Selection());
        EXPECT_EQ("", m_host.Take()) << "moving and selecting notify nothing";
        // Selected segments and only they carry the flag.
        int nFlagged = 0;
        auto* pRow = static_cast<CGlyphworkEditRow*>(m_pEdit->m_listEditRow.GetHead());
        for (POSITION pos = pRow->m_listSeg.GetHeadPosition(); pos != nullptr;)
            nFlagged += static_cast<CContentSegment*>(pRow->m_listSeg.GetNext(pos))->m_bSelected;
        EXPECT_EQ(CString(c.szSelection).GetLength(), nFlagged);
        m_pEdit->DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(GlyphworkEditSession, LeftWithASelectionAtTheStartOnlyRemovesIt)
{
    Open("abc", 0);
    {
        CHeldKeys shift({VK_SHIFT});
        Key(VK_RIGHT);
    }
    Key(VK_HOME);
    EXPECT_EQ(CString(""), Selection());
    Key(VK_LEFT);
    EXPECT_EQ("end:37", m_host.Take());
}

TEST_F(GlyphworkEditSession, ClipboardCutCopyPasteAndUndoRedo)
{
    Open("abcde", 0);
    Keys({VK_HOME, VK_RIGHT});
    {
        CHeldKeys shift({VK_SHIFT});
        Keys({VK_RIGHT, VK_RIGHT});
    }
    ASSERT_EQ(CString("bc"), Selection());
    CtrlChar('C');
    CString strClip;
    ASSERT_TRUE(CKvClipboard::GetText(strClip, nullptr));
    EXPECT_EQ(CString("bc"), strClip);
    EXPECT_EQ("", m_host.Take());

    CtrlChar('X');
    EXPECT_EQ("ade", Rows(*m_pEdit));
    EXPECT_EQ("changed", m_host.Take());
    Key(VK_END);
    CtrlChar('V');
    EXPECT_EQ("adebc", Rows(*m_pEdit));
    EXPECT_EQ("changed", m_host.Take());

    CtrlChar('Z');
    EXPECT_EQ("ade", Rows(*m_pEdit));
    EXPECT_EQ("changed changed", m_host.Take()) << "the deletion and the undo each notify";
    CtrlChar('Z');
    EXPECT_EQ("abcde", Rows(*m_pEdit));
    EXPECT_FALSE(m_pEdit->CanUndoEx());
    CtrlChar('Y');
    EXPECT_EQ("ade", Rows(*m_pEdit));
    CtrlChar('Y');
    EXPECT_EQ("adebc", Rows(*m_pEdit));
    EXPECT_FALSE(m_pEdit->CanRedo());
    m_host.Take();

    // An empty clipboard text holds only its zero: Ctrl+V does nothing.
    ASSERT_TRUE(CKvClipboard::SetText("", nullptr));
    CtrlChar('V');
    EXPECT_EQ("adebc", Rows(*m_pEdit));
    EXPECT_EQ("", m_host.Take());
}

TEST_F(GlyphworkEditSession, UndoOfAnInsertionRemovesExactlyItsSegmentsAndANewEditDropsRedo)
{
    Open("ab", 0);
    m_pEdit->Paste("xyz");
    EXPECT_EQ("xyzab", Rows(*m_pEdit));
    m_pEdit->Paste("q");
    m_pEdit->OnUndo();
    m_pEdit->OnUndo();
    EXPECT_EQ("ab", Rows(*m_pEdit));
    m_pEdit->OnRedo();
    EXPECT_EQ("xyzab", Rows(*m_pEdit));
    EXPECT_EQ("0,3", Caret(*m_pEdit)) << "after the redone insertion";
    EXPECT_TRUE(m_pEdit->CanRedo());
    m_pEdit->OnUndo();
    Type("w");
    EXPECT_EQ("wab", Rows(*m_pEdit));
    EXPECT_FALSE(m_pEdit->CanRedo()) << "the undone records are gone";
    m_pEdit->OnUndo();
    EXPECT_EQ("ab", Rows(*m_pEdit));
    EXPECT_FALSE(m_pEdit->CanUndoEx());
}

TEST_F(GlyphworkEditSession, TypingOverASelectionReplacesIt)
{
    Open("abc", 0);
    Key(VK_HOME);
    {
        CHeldKeys shift({VK_SHIFT});
        Keys({VK_RIGHT, VK_RIGHT});
    }
    Type("x");
    EXPECT_EQ("xc", Rows(*m_pEdit));
    EXPECT_EQ("changed changed", m_host.Take()) << "deletion, then insertion";
}

TEST_F(GlyphworkEditSession, EnterBreaksRowsWhereTheCaretStands)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        std::vector<UINT> keys; // before Enter
        const char* szRows;
        const char* szCaret;
    };
    const Case cases[] = {
        {"at the end of the last row", "ab", {VK_END}, "ab\n|", "1,0"},
        {"before the last character", "ab", {VK_HOME, VK_RIGHT}, "a\n|b", "1,0"},
        {"before a closing line break", "ab\ncd", {VK_UP, VK_END}, "ab\n|\n|cd", "1,0"},
        {"at the start", "ab", {VK_HOME}, "\n|ab", "1,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Open(c.szText, 0x4);
        Keys(c.keys);
        Key(VK_RETURN);
        EXPECT_EQ(c.szRows, Rows(*m_pEdit));
        EXPECT_EQ(c.szCaret, Caret(*m_pEdit));
        EXPECT_EQ("changed", m_host.Take());
        m_pEdit->OnUndo();
        CString strData;
        m_pEdit->GetData(strData);
        EXPECT_EQ(CString(c.szText), strData) << "undo takes the line break out again";
        m_pEdit->DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(GlyphworkEditSession, WindowGrowsWithRowsAndShrinksBackToItsCell)
{
    Open("ab", 0x14);
    CRect rc;
    m_pEdit->GetWindowRect(&rc);
    const int nCell = rc.Height();
    Keys({VK_END, VK_RETURN});
    m_pEdit->GetWindowRect(&rc);
    EXPECT_EQ(2 * m_pEdit->m_nRowHeight, rc.Height());
    Type("\b");
    m_pEdit->GetWindowRect(&rc);
    EXPECT_EQ(nCell, rc.Height());
}

TEST_F(GlyphworkEditSession, BackspaceAtARowStartJoinsTheRows)
{
    Open("ab\ncd", 0);
    EXPECT_EQ("1,0", Caret(*m_pEdit));
    Type("\b");
    EXPECT_EQ("abcd", Rows(*m_pEdit));
    EXPECT_EQ("0,2", Caret(*m_pEdit));
}

TEST_F(GlyphworkEditSession, MouseDragSelectsAndClicksPlaceTheCaretBeforeACharacter)
{
    Open("abcde", 0);
    const int y = 8;
    // A click in the right half of "c" puts the caret before it.
    const int xInC = XOfColumn(3) - 1;
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, xInC, y);
    Mouse(WM_LBUTTONUP, 0, xInC, y);
    EXPECT_EQ("0,2", Caret(*m_pEdit));
    EXPECT_EQ(CString(""), Selection());

    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, XOfColumn(1) + 1, y);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, XOfColumn(4) + 1, y);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, XOfColumn(3) + 1, y); // back over "d"
    Mouse(WM_LBUTTONUP, 0, XOfColumn(3) + 1, y);
    EXPECT_EQ(CString("bc"), Selection());
    EXPECT_EQ(::GetCapture(), nullptr) << "the capture ends with the button";

    // Right of the text: the row's end.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 280, y);
    Mouse(WM_LBUTTONUP, 0, 280, y);
    EXPECT_EQ("0,5", Caret(*m_pEdit));
    EXPECT_EQ("", m_host.Take());

    m_pEdit->SetLButtonDBClikMsg(kDBClickMsg);
    Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, XOfColumn(1), y);
    EXPECT_EQ("dblclk", m_host.Take());
}

TEST_F(GlyphworkEditSession, PastingOverASelectionInAFullRowKeepsTheSelection)
{
    // Without breaking or fitting, a row can grow past the layout width.
    Open("abcdefghijklmnop", 0, 0, 40);
    Key(VK_HOME);
    {
        CHeldKeys shift({VK_SHIFT});
        Key(VK_RIGHT);
    }
    m_host.Take();
    m_pEdit->Paste("x");
    EXPECT_EQ("abcdefghijklmnop", Rows(*m_pEdit));
    EXPECT_EQ(CString("a"), Selection());
    EXPECT_EQ("", m_host.Take());
}

TEST_F(GlyphworkEditSession, EveryHostMenuItemSendsItsMessage)
{
    Open("ab", 0);
    for (UINT i = 0; i < 60; i++)
        ASSERT_TRUE(m_pEdit->AppendMenuItem("item", 0x700 + i));
    m_pEdit->RunCommand(CCappBaseCtrl::idFirstMenuItem);
    m_pEdit->RunCommand(CCappBaseCtrl::idFirstMenuItem + 51);
    m_pEdit->RunCommand(CCappBaseCtrl::idFirstMenuItem + 59);
    m_pEdit->RunCommand(CCappBaseCtrl::idFirstMenuItem + 60);
    EXPECT_EQ("1792 1843 1851", m_host.Take());
}

TEST_F(GlyphworkEditSession, SelectAllAndDeleteEmptyTheText)
{
    Open("ab\ncd", 0);
    CtrlChar('A');
    EXPECT_EQ(CString("ab\ncd"), Selection());
    Key(VK_DELETE);
    EXPECT_EQ("", Rows(*m_pEdit));
    EXPECT_EQ("changed", m_host.Take());
    m_pEdit->OnUndo();
    EXPECT_EQ("ab\n|cd", Rows(*m_pEdit));
}

TEST_F(GlyphworkEditSession, ArrowsHomeAndEndMoveTheCaretAcrossRows)
{
    struct Case
    {
        const char* szName;
        std::vector<UINT> keys;
        const char* szCaret;
    };
    // Rows "abcdefg\n", "ab\n", "xyz"; the caret starts at the start of the third.
    const Case cases[] = {
        {"home on the third row stays on it", {VK_RIGHT, VK_RIGHT, VK_HOME}, "2,0"},
        {"end stops before the line break", {VK_UP, VK_END}, "1,2"},
        {"left at a row start goes to the end of the one before", {VK_LEFT}, "1,2"},
        {"right before a line break goes to the next row", {VK_UP, VK_END, VK_RIGHT}, "2,0"},
        {"up from column 5 onto a shorter row lands at its end",
         {VK_UP, VK_UP, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN},
         "1,2"},
        {"down keeps the column where the row reaches", {VK_UP, VK_UP, VK_RIGHT, VK_DOWN}, "1,1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Open("abcdefg\nab\nxyz", 0);
        Keys(c.keys);
        EXPECT_EQ(c.szCaret, Caret(*m_pEdit));
        EXPECT_EQ("", m_host.Take());
        m_pEdit->DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(GlyphworkEditSession, RowsBrokenByWidthCarryTheCaretAlong)
{
    Open("", 0, CGlyphworkEdit::formatBreakByWidth, 60);
    Type("abcdefghijkl");
    ASSERT_GT(m_pEdit->GetRowCount(), 1);
    auto* pLast = static_cast<CGlyphworkEditRow*>(m_pEdit->m_listEditRow.GetTail());
    EXPECT_EQ(std::to_string(m_pEdit->GetRowCount() - 1) + "," + std::to_string(pLast->GetSegCount()), Caret(*m_pEdit))
        << Rows(*m_pEdit);
    EXPECT_EQ(CString("abcdefghijkl"), Data());
    // Typing at the start of the text pushes the rows' ends on; the caret stays behind the new character.
    Keys({VK_UP, VK_UP, VK_UP, VK_HOME});
    Type("x");
    EXPECT_EQ("0,1", Caret(*m_pEdit));
    EXPECT_EQ(CString("xabcdefghijkl"), Data());
}

TEST_F(GlyphworkEditSession, ModificationsAreUndoneAndRedone)
{
    Open("a<F>;1;2</F>b", 0);
    Keys({VK_HOME, VK_RIGHT});
    CGlyphworkEdit parser;
    parser.m_lfFont = SongFont(-16);
    {
        CClientDC dc(nullptr);
        parser.TransStringToContSegList(&dc, "<F>;3;4</F>");
    }
    CObList list;
    list.AddTail(static_cast<CGlyphworkEditRow*>(m_pEdit->m_listEditRow.GetHead())->GetSeg(1));
    list.AddTail(parser.m_listContSeg.GetHead());
    m_pEdit->SaveUndoInfo(CGlyphworkEdit::undoModify, list);
    m_pEdit->ModifyContSeg(static_cast<CContentSegment*>(parser.m_listContSeg.GetHead()));
    EXPECT_EQ(CString("a<F>;3;4</F>b"), Data());
    EXPECT_EQ("changed", m_host.Take());
    m_pEdit->OnUndo();
    EXPECT_EQ(CString("a<F>;1;2</F>b"), Data());
    EXPECT_EQ("changed changed", m_host.Take());
    m_pEdit->OnRedo();
    EXPECT_EQ(CString("a<F>;3;4</F>b"), Data());
}

TEST_F(GlyphworkEditSession, WithTheMinimumRowLimitTheWindowKeepsItsSize)
{
    Open("ab\ncd", 0x10);
    m_pEdit->LimitMinRow(2);
    CRect rcBefore;
    m_pEdit->GetWindowRect(&rcBefore);
    Type("\b");
    ASSERT_EQ(1, m_pEdit->GetRowCount());
    CRect rcAfter;
    m_pEdit->GetWindowRect(&rcAfter);
    EXPECT_EQ(rcBefore.Height(), rcAfter.Height());
}

TEST_F(GlyphworkEditSession, TheOneStepConstructorPutsTheCaretAtTheClick)
{
    CRect rcWnd(10, 10, 310, 34);
    CRect rcText(0, 0, 300, 24);
    m_pEdit = new CGlyphworkEdit(&m_host, rcWnd, SongFont(-16), 100, "abcdef", 0, 0, 0, RGB(0, 0, 0), rcText, 0, 0, 0,
                                 1.0f, CPoint(-1, -1));
    ASSERT_TRUE(m_pEdit->IsCreateed());
    const int x = XOfColumn(4) + 1;
    m_pEdit->DestroyWindow();
    m_pEdit = new CGlyphworkEdit(&m_host, rcWnd, SongFont(-16), 100, "abcdef", 0, 0, 0, RGB(0, 0, 0), rcText, 0, 0, 0,
                                 1.0f, CPoint(x, 5));
    EXPECT_EQ("0,4", Caret(*m_pEdit));
    EXPECT_EQ(::GetFocus(), m_pEdit->GetSafeHwnd());
}

TEST_F(GlyphworkEditSession, ScrollBarMovesByRowsWithinItsRange)
{
    m_pEdit = new CGlyphworkEdit;
    m_pEdit->SetTextData(SongFont(-16), "1\n2\n3\n4\n5", 0, 0, 1.0f, RGB(0, 0, 0));
    m_pEdit->SetLineStyle(0, 0);
    // Rows 24 pixels high, a text area of two rows.
    ASSERT_TRUE(m_pEdit->CreateEdit(&m_host, 0x12, CRect(10, 10, 210, 58), CRect(0, 0, 200, 48), 100, CPoint(-1, -1)));
    const int nPitch = m_pEdit->m_nRowHeight;
    int nMin = 0;
    int nMax = 0;
    ::GetScrollRange(m_pEdit->GetSafeHwnd(), SB_VERT, &nMin, &nMax);
    EXPECT_EQ(3, nMax);
    struct Step
    {
        const char* szName;
        WORD nCode;
        int nPos;
    };
    const Step steps[] = {
        {"line down", SB_LINEDOWN, 1},  {"page down", SB_PAGEDOWN, 2}, {"line down to the end", SB_LINEDOWN, 3},
        {"no further", SB_LINEDOWN, 3}, {"page up", SB_PAGEUP, 2},     {"line up", SB_LINEUP, 1},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.szName);
        m_pEdit->SendMessage(WM_VSCROLL, st.nCode, 0);
        EXPECT_EQ(st.nPos, ::GetScrollPos(m_pEdit->GetSafeHwnd(), SB_VERT));
        EXPECT_EQ(st.nPos * nPitch, m_pEdit->m_nScrollOffset);
    }
}

TEST_F(GlyphworkEditSession, PictureOfTheEditOverACellWithNotation)
{
    // Text, a tolerance, a fraction and a super/subscript; "20" selected, the caret after it.
    Open("<ALIGN>4</ALIGN>Φ20<T>+0.1;-0.2</T> <F>1;2</F>长<S>2;3</S>", 0);
    Keys({VK_HOME, VK_RIGHT});
    {
        CHeldKeys shift({VK_SHIFT});
        Keys({VK_RIGHT, VK_RIGHT});
    }
    m_pEdit->SetFocus();
    m_pEdit->UpdateWindow();
    CRect rc;
    m_pEdit->GetClientRect(&rc);
    CTestDib dib(rc.Width() + 20, rc.Height() + 20, RGB(230, 230, 230));
    {
        // The cell around the edit, then what the edit shows, then the caret where the system has it.
        CClientDC dcEdit(m_pEdit->GetSafeHwnd());
        dib.DC().FillSolidRect(0, 9, rc.Width() + 20, 1, RGB(0, 0, 0));
        dib.DC().FillSolidRect(0, rc.Height() + 10, rc.Width() + 20, 1, RGB(0, 0, 0));
        dib.DC().BitBlt(10, 10, rc.Width(), rc.Height(), &dcEdit, 0, 0, SRCCOPY);
        POINT ptCaret = {};
        ASSERT_TRUE(::GetCaretPos(&ptCaret));
        dib.DC().FillSolidRect(10 + ptCaret.x, 10 + ptCaret.y, 1, 16, RGB(0, 0, 0));
        EXPECT_EQ(m_pEdit->m_nCaretX, ptCaret.x);
    }
    SavePng(TestImagePath("glyphwork-edit-session.png").c_str(), dib.Bits(), dib.Width(), dib.Height());
    EXPECT_GT(dib.CountInk(CRect(10, 10, 10 + rc.Width(), 10 + rc.Height()), RGB(255, 255, 255)), 100);
}
} // namespace
