// The script edit view on a real window: typing, overwrite, automatic indentation, Delete and
// Backspace over GBK text, block Tab and Shift+Tab, cut, paste, undo, redo, the find and replace
// dialogs, and text dropped into the view or drag-moved inside it.
#include <gtest/gtest.h>

#include <ole2.h>

#include <string>
#include <vector>

#include "designer/script/CodeEditView.h"
#include "designer/script/CodeFindDlg.h"
#include "designer/script/CodeTextBuffer.h"
#include "designer/script/VbScriptColourFun.h"
#include "designer/res/resource.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/ole/OleDataSource.h"
#include "platform/win/CmdUI.h"
#include "platform/frame/SplitterWnd.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/TestClipboard.h"
#include "tests/support/UiDriver.h"
#include "tests/support/ViewTestApp.h"

namespace
{
class CVbEditView : public CCodeEditView
{
protected:
    DWORD ColourLine(DWORD dwState, int nLine, char* pszDrawn, CodeTextBlock* pBlocks, int& nBlocks) override
    {
        std::string strCopy(LineText(nLine), static_cast<size_t>(LineLength(nLine)));
        return CVbScriptColourFun::ColourLine(dwState, pszDrawn != nullptr ? pszDrawn : strCopy.data(),
                                              LineLength(nLine), pBlocks, nBlocks);
    }
};

class CEditViewApp : public CTestViewApp<CVbEditView>
{
public:
    CEditViewApp() : CTestViewApp("CodeEditViewTest") {}

    BOOL Start()
    {
        // A profile of its own, empty at the start of each test.
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornCodeEditTest");
        SetRegistryKey("VornCodeEditTest");
        return CTestViewApp::Start();
    }
};

class CRecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override { m_bEnabled = bOn; }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    BOOL m_bEnabled = TRUE;
    int m_nCheck = -1;
};

class CodeEditViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.Start());
        m_pView = m_app.m_pView;
        m_pView->AttachBuffer(&m_buffer);
        Load("");
    }
    void TearDown() override
    {
        if (m_pView != nullptr && ::IsWindow(m_pView->m_hWnd)) {
            m_pView->DetachBuffer();
        }
    }

    void Load(const char* pszText)
    {
        m_buffer.Clear();
        m_buffer.SetAllText(pszText);
    }
    // Lines joined with "|".
    std::string Lines()
    {
        std::string str;
        for (int i = 0; i < m_buffer.LineCount(); ++i) {
            if (i > 0) {
                str += '|';
            }
            str.append(m_buffer.LineText(i), static_cast<size_t>(m_buffer.LineLength(i)));
        }
        return str;
    }
    void Command(UINT nID) { m_pView->SendMessage(WM_COMMAND, nID, 0); }
    // Each byte as its own character message, as a double-byte character arrives.
    void Type(const char* pszText)
    {
        for (const char* p = pszText; *p != '\0'; ++p) {
            m_pView->SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 0);
        }
    }
    void Key(UINT nVk)
    {
        MSG msg = {m_pView->m_hWnd, WM_KEYDOWN, nVk, 0, 0, {0, 0}};
        EXPECT_TRUE(m_pView->PreTranslateMessage(&msg)) << nVk;
    }
    void Caret(CPoint pt)
    {
        m_pView->SetCursorPos(pt);
        m_pView->SetAnchorPos(pt);
        m_pView->SetSelection(pt, pt);
    }
    void Select(CPoint ptFrom, CPoint ptTo)
    {
        m_pView->SetAnchorPos(ptFrom);
        m_pView->SetCursorPos(ptTo);
        m_pView->SetSelection(ptFrom, ptTo);
    }
    CString Selected()
    {
        CPoint ptStart;
        CPoint ptEnd;
        m_pView->GetSelection(ptStart, ptEnd);
        CString str;
        m_buffer.GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, str, "|");
        return str;
    }
    BOOL Undo()
    {
        const BOOL bCan = m_buffer.CanUndo();
        Command(ID_EDIT_UNDO);
        return bCan;
    }

    CEditViewApp m_app;
    CVbEditView* m_pView = nullptr;
    CCodeTextBuffer m_buffer;
};

TEST_F(CodeEditViewTest, TypingUndoesInRunsThatEachBlankStarts)
{
    Type("Dim x");
    EXPECT_EQ("Dim x", Lines());
    EXPECT_EQ(CPoint(5, 0), m_pView->GetCursorPos());
    EXPECT_TRUE(m_buffer.IsModified());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("Dim", Lines());
    EXPECT_EQ(CPoint(3, 0), m_pView->GetCursorPos());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("", Lines());
    EXPECT_FALSE(m_buffer.IsModified());
    Command(ID_EDIT_REDO);
    EXPECT_EQ("Dim", Lines());
    Command(ID_EDIT_REDO);
    EXPECT_EQ("Dim x", Lines());

    // A double-byte character arrives as two messages and goes in whole; typing over a selection
    // replaces it; control characters other than Enter are ignored.
    Load("a = b");
    Caret(CPoint(5, 0));
    Type("注\t\x08");
    EXPECT_EQ("a = b注", Lines());
    EXPECT_EQ(CPoint(7, 0), m_pView->GetCursorPos());
    Select(CPoint(0, 0), CPoint(1, 0));
    Type("xy");
    EXPECT_EQ("xy = b注", Lines());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("a = b注", Lines());

    // A lead byte that no trail byte follows is dropped; the key after it still counts.
    Load("");
    Type("\xD7\rz");
    EXPECT_EQ("|z", Lines());
}

TEST_F(CodeEditViewTest, EnterKeepsTheIndentOfTheLineAbove)
{
    Type("    dim a");
    Type("\rb");
    EXPECT_EQ("    dim a|    b", Lines());
    EXPECT_EQ(CPoint(5, 1), m_pView->GetCursorPos());

    // Undo takes the indent first, then the line break.
    Load("    x");
    Caret(CPoint(5, 0));
    Type("\r");
    EXPECT_EQ("    x|    ", Lines());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("    x|", Lines());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("    x", Lines());

    // Enter over a selection replaces it; in overwrite mode it only moves to the next line, but
    // on the last line it still breaks (with no indent in overwrite mode).
    Load("\tab\r\ncd");
    Select(CPoint(2, 0), CPoint(3, 0));
    Type("\r");
    EXPECT_EQ("\ta|\t|cd", Lines());
    Command(ID_EDIT_SWITCH_OVRMODE);
    Caret(CPoint(1, 0));
    Type("\r");
    EXPECT_EQ("\ta|\t|cd", Lines());
    EXPECT_EQ(CPoint(0, 1), m_pView->GetCursorPos());
    Caret(CPoint(1, 2));
    Type("\r");
    EXPECT_EQ("\ta|\t|c|d", Lines());
}

TEST_F(CodeEditViewTest, DeleteAndBackspaceTakeWholeCharacters)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        CPoint ptCaret;
        UINT nCommand;
        const char* szLines;
        CPoint ptAfter;
    };
    const Case cases[] = {
        {"Delete takes a double-byte character whole", "a注b", CPoint(1, 0), ID_EDIT_DELETE, "ab", CPoint(1, 0)},
        {"Delete at a line end joins the next line", "ab\r\ncd", CPoint(2, 0), ID_EDIT_DELETE, "abcd", CPoint(2, 0)},
        {"Delete at the end of the text does nothing", "ab", CPoint(2, 0), ID_EDIT_DELETE, "ab", CPoint(2, 0)},
        {"Backspace takes a double-byte character whole", "a注b", CPoint(3, 0), ID_EDIT_DELETE_BACK, "ab",
         CPoint(1, 0)},
        {"Backspace at column 0 joins onto the line above", "ab\r\ncd", CPoint(0, 1), ID_EDIT_DELETE_BACK, "abcd",
         CPoint(2, 0)},
        {"Backspace at the start of the text does nothing", "ab", CPoint(0, 0), ID_EDIT_DELETE_BACK, "ab",
         CPoint(0, 0)},
        {"Backspace before an ASCII byte", "注@", CPoint(2, 0), ID_EDIT_DELETE_BACK, "@", CPoint(0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Load(c.szText);
        Caret(c.ptCaret);
        Command(c.nCommand);
        EXPECT_EQ(c.szLines, Lines());
        EXPECT_EQ(c.ptAfter, m_pView->GetCursorPos());
        if (std::string(c.szLines) != c.szText) {
            ASSERT_TRUE(Undo());
            CString strAll;
            m_buffer.GetAllText(strAll);
            EXPECT_STREQ(c.szText, strAll);
        }
    }

    // With a selection both keys delete it, and the keys reach the commands through the table.
    Load("abc\r\ndef");
    Select(CPoint(1, 0), CPoint(1, 1));
    Key(VK_BACK);
    EXPECT_EQ("aef", Lines());
    Key(VK_DELETE);
    EXPECT_EQ("af", Lines());
}

TEST_F(CodeEditViewTest, OverwriteReplacesWholeCharactersAndAppendsAtTheLineEnd)
{
    CRecordingCmdUI ui;
    ui.m_nID = ID_EDIT_SWITCH_OVRMODE;
    ui.DoUpdate(m_pView, FALSE);
    EXPECT_EQ(0, ui.m_nCheck);
    Key(VK_INSERT);
    EXPECT_TRUE(m_pView->GetOverwriteMode());
    ui.DoUpdate(m_pView, FALSE);
    EXPECT_EQ(1, ui.m_nCheck);
    CRecordingCmdUI ovr;
    ovr.m_nID = ID_INDICATOR_OVR;
    ovr.DoUpdate(m_pView, FALSE);
    EXPECT_TRUE(ovr.m_bEnabled);

    Load("注释ab");
    m_pView->SetOverwriteMode(TRUE);
    Caret(CPoint(0, 0));
    Type("x");
    EXPECT_EQ("x释ab", Lines());
    Type("字");
    EXPECT_EQ("x字ab", Lines());
    Caret(CPoint(3, 0));
    Type("你cd");
    EXPECT_EQ("x字你cd", Lines());
    EXPECT_EQ(CPoint(7, 0), m_pView->GetCursorPos());

    // A new text sets insert mode again.
    Load("q");
    EXPECT_FALSE(m_pView->GetOverwriteMode());
}

TEST_F(CodeEditViewTest, TabAndShiftTabIndentBlocksAndMoveBetweenStops)
{
    Load("abc\r\nb\r\nc\r\nd");
    Select(CPoint(2, 0), CPoint(0, 3));
    Key(VK_TAB);
    EXPECT_EQ("\tabc|\tb|\tc|d", Lines());
    EXPECT_STREQ("\tabc|\tb|\tc|", Selected());
    // One undo step for the block.
    ASSERT_TRUE(Undo());
    EXPECT_EQ("abc|b|c|d", Lines());

    Load("  \tx\r\n      y\r\n\tz\r\n\r\n w");
    Select(CPoint(0, 0), CPoint(2, 4));
    Command(ID_EDIT_UNTAB);
    EXPECT_EQ("x|  y|z||w", Lines());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("  \tx|      y|\tz|| w", Lines());

    // Without a block: Tab inserts a tab over the selection; Shift+Tab only moves the caret.
    Load("abcdef");
    Select(CPoint(1, 0), CPoint(3, 0));
    Command(ID_EDIT_TAB);
    EXPECT_EQ("a\tdef", Lines());
    EXPECT_EQ(CPoint(2, 0), m_pView->GetCursorPos());
    struct Case
    {
        int nFrom;
        int nTo;
    };
    const Case untabs[] = {{6, 4}, {4, 0}, {0, 0}, {3, 0}};
    for (const Case& c : untabs) {
        Load("abcdefgh");
        Caret(CPoint(c.nFrom, 0));
        Command(ID_EDIT_UNTAB);
        EXPECT_EQ(CPoint(c.nTo, 0), m_pView->GetCursorPos()) << c.nFrom;
        EXPECT_EQ("abcdefgh", Lines());
    }
    // Overwrite mode: Tab moves to the next stop, stopping after a tab byte.
    Load("abcdefgh\r\na\tbcdef");
    m_pView->SetOverwriteMode(TRUE);
    Caret(CPoint(1, 0));
    Command(ID_EDIT_TAB);
    EXPECT_EQ(CPoint(4, 0), m_pView->GetCursorPos());
    Caret(CPoint(0, 1));
    Command(ID_EDIT_TAB);
    EXPECT_EQ(CPoint(2, 1), m_pView->GetCursorPos());
    EXPECT_EQ("abcdefgh|a\tbcdef", Lines());
}

TEST_F(CodeEditViewTest, CutPasteUndoAndRedo)
{
    Load("Dim 注释\r\nx = 1");
    CRecordingCmdUI cut;
    cut.m_nID = ID_EDIT_CUT;
    cut.DoUpdate(m_pView, FALSE);
    EXPECT_FALSE(cut.m_bEnabled);
    Select(CPoint(4, 0), CPoint(1, 1));
    cut.DoUpdate(m_pView, FALSE);
    EXPECT_TRUE(cut.m_bEnabled);
    Command(ID_EDIT_CUT);
    EXPECT_EQ("Dim  = 1", Lines());
    EXPECT_EQ(CPoint(4, 0), m_pView->GetCursorPos());

    Caret(CPoint(8, 0));
    CRecordingCmdUI paste;
    paste.m_nID = ID_EDIT_PASTE;
    paste.DoUpdate(m_pView, FALSE);
    EXPECT_TRUE(paste.m_bEnabled);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ("Dim  = 1注释|x", Lines());
    EXPECT_EQ(CPoint(1, 1), m_pView->GetCursorPos());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("Dim  = 1", Lines());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("Dim 注释|x = 1", Lines());
    EXPECT_FALSE(m_buffer.IsModified());
    Command(ID_EDIT_REDO);
    EXPECT_EQ("Dim  = 1", Lines());

    // Paste with nothing on the clipboard still deletes the selection.
    ASSERT_TRUE(TestPutClipboardText(nullptr, nullptr));
    Select(CPoint(0, 0), CPoint(4, 0));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(" = 1", Lines());

    // With no selection either it changes nothing, and the Enter before it is not replayed
    // (the caret's line would take the indent of the line above).
    Load("    a\r\nb");
    Caret(CPoint(1, 1));
    Type("\r");
    ASSERT_EQ("    a|b|", Lines());
    Caret(CPoint(1, 1));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ("    a|b|", Lines());
    EXPECT_EQ(CPoint(1, 1), m_pView->GetCursorPos());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("    a|b", Lines());
}

TEST_F(CodeEditViewTest, NothingChangesWithoutAnEditableBuffer)
{
    Load("ab\r\ncd");
    m_buffer.SetNoEdit(TRUE);
    Caret(CPoint(1, 0));
    Type("x\r");
    const UINT commands[] = {ID_EDIT_DELETE, ID_EDIT_DELETE_BACK, ID_EDIT_TAB, ID_EDIT_PASTE, ID_EDIT_CUT};
    for (UINT nID : commands) {
        Command(nID);
    }
    EXPECT_EQ("ab|cd", Lines());
    EXPECT_FALSE(m_pView->CanEdit());
    CRecordingCmdUI read;
    read.m_nID = ID_INDICATOR_READ;
    read.DoUpdate(m_pView, FALSE);
    EXPECT_TRUE(read.m_bEnabled);
    CRecordingCmdUI undo;
    undo.m_nID = ID_EDIT_UNDO;
    undo.DoUpdate(m_pView, FALSE);
    EXPECT_FALSE(undo.m_bEnabled);

    m_pView->DetachBuffer();
    EXPECT_FALSE(m_pView->CanEdit());
    Type("x");
    Command(ID_EDIT_DELETE);
    m_pView->AttachBuffer(&m_buffer);
}

TEST_F(CodeEditViewTest, FindDialogSearchesWithCaseWordAndWrap)
{
    Load("Dim x\r\nDim y\r\nDIMENSION");
    struct Case
    {
        const char* szName;
        const char* szFind;
        BOOL bMatchCase;
        BOOL bWholeWord;
        CPoint ptCaret;
        CPoint ptSelEnd; // (-1, -1): nothing found
    };
    const Case cases[] = {
        {"case off finds Dim for DIM", "DIM", FALSE, FALSE, CPoint(0, 0), CPoint(3, 0)},
        {"case on skips to DIM", "DIM", TRUE, FALSE, CPoint(0, 0), CPoint(3, 2)},
        {"whole word Di matches nothing", "Di", FALSE, TRUE, CPoint(0, 0), CPoint(-1, -1)},
        {"whole word Dim skips DIMENSION and wraps", "dim", FALSE, TRUE, CPoint(2, 1), CPoint(3, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Caret(c.ptCaret);
        CTestUi ui;
        bool bOpened = false;
        ui.OnDialog(IDD_EDIT_FIND, [&](CTestDlg& dlg) {
            bOpened = true;
            dlg.SetText(IDC_EDIT_TEXT, c.szFind);
            if (dlg.IsChecked(IDC_EDIT_MATCH_CASE) != c.bMatchCase) {
                dlg.Click(IDC_EDIT_MATCH_CASE);
            }
            if (dlg.IsChecked(IDC_EDIT_WHOLE_WORD) != c.bWholeWord) {
                dlg.Click(IDC_EDIT_WHOLE_WORD);
            }
            dlg.Ok();
            if (c.ptSelEnd.x < 0) {
                // Not found: the dialog stays open and says so.
                EXPECT_TRUE(::IsWindow(dlg.GetHwnd()));
                dlg.Cancel();
            }
        });
        Command(ID_EDIT_FIND);
        EXPECT_TRUE(bOpened);
        if (c.ptSelEnd.x < 0) {
            ASSERT_EQ(1u, ui.GetBoxes().size());
            EXPECT_STREQ("找不到“Di”。", ui.GetBoxes()[0].strText);
            EXPECT_EQ(c.ptCaret, m_pView->GetCursorPos());
        } else {
            EXPECT_TRUE(ui.GetBoxes().empty());
            EXPECT_EQ(c.ptSelEnd, m_pView->GetCursorPos());
        }
    }

    // The last search is what F3 repeats; it wraps past the end.
    Caret(CPoint(0, 2));
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(CPoint(3, 0), m_pView->GetCursorPos());
    // The dialog opens with the last search and keeps its button off for an empty text.
    CTestUi ui;
    ui.OnDialog(IDD_EDIT_FIND, [&](CTestDlg& dlg) {
        // The selected match on one line replaces the last search's text.
        EXPECT_STREQ("Dim", dlg.GetText(IDC_EDIT_TEXT));
        EXPECT_TRUE(dlg.IsChecked(IDC_EDIT_WHOLE_WORD));
        EXPECT_TRUE(dlg.IsChecked(IDC_EDIT_DIRECTION_DOWN));
        EXPECT_TRUE(dlg.IsEnabled(IDOK));
        dlg.SetText(IDC_EDIT_TEXT, "");
        EXPECT_FALSE(dlg.IsEnabled(IDOK));
        dlg.SetText(IDC_EDIT_TEXT, "y");
        dlg.SavePicture("code-edit-find-dialog.png");
        dlg.Cancel();
    });
    Command(ID_EDIT_FIND);
    CWinApp* pApp = FxGetApp();
    EXPECT_STREQ("y", pApp->GetProfileString("CodeEdit\\Find", "FindWhat", ""));
    EXPECT_EQ(1u, pApp->GetProfileInt("CodeEdit\\Find", "WholeWord", 0));
}

TEST_F(CodeEditViewTest, ReplaceDialogReplacesOnceAllAndWithinASelection)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        CPoint ptSelFrom, ptSelTo; // equal: no selection
        const char* szFind;
        const char* szWith;
        int nButton;
        int nClicks;
        const char* szLines;
    };
    const Case cases[] = {
        {"replace all with a longer text holding the find text stops", "a a a", CPoint(0, 0), CPoint(0, 0), "a", "aa",
         IDC_EDIT_REPLACE_ALL, 1, "aa aa aa"},
        {"replace finds first, then replaces one at a time", "x1 x2 x3", CPoint(0, 0), CPoint(0, 0), "x", "yy",
         IDC_EDIT_REPLACE, 3, "yy1 yy2 x3"},
        {"replace all within a one-line selection keeps the block end", "ab ab ab ab", CPoint(3, 0), CPoint(8, 0), "ab",
         "xyz", IDC_EDIT_REPLACE_ALL, 1, "ab xyz xyz ab"},
        {"shrinking replacements within a selection", "abc abc abc abc", CPoint(4, 0), CPoint(11, 0), "abc", "q",
         IDC_EDIT_REPLACE_ALL, 1, "abc q q abc"},
        {"replace all over lines", "Dim a\r\ndim b", CPoint(0, 0), CPoint(0, 0), "DIM", "Private", IDC_EDIT_REPLACE_ALL,
         1, "Private a|Private b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Load(c.szText);
        if (c.ptSelFrom != c.ptSelTo) {
            Select(c.ptSelFrom, c.ptSelTo);
        } else {
            Caret(c.ptSelFrom);
        }
        CTestUi ui;
        ui.OnDialog(IDD_EDIT_REPLACE, [&](CTestDlg& dlg) {
            EXPECT_EQ(c.ptSelFrom != c.ptSelTo, dlg.IsEnabled(IDC_EDIT_SCOPE_SELECTION) != FALSE);
            EXPECT_EQ(c.ptSelFrom != c.ptSelTo, dlg.IsChecked(IDC_EDIT_SCOPE_SELECTION) != FALSE);
            dlg.SetText(IDC_EDIT_TEXT, c.szFind);
            dlg.SetText(IDC_EDIT_REPLACE_WITH, c.szWith);
            for (int i = 0; i < c.nClicks; ++i) {
                dlg.Click(c.nButton);
            }
            dlg.Cancel();
        });
        Command(ID_EDIT_REPLACE);
        EXPECT_EQ(c.szLines, Lines());
    }

    // One replace-all is one undo step per replacement; the selection comes back after the dialog.
    Load("ab ab ab ab");
    Select(CPoint(3, 0), CPoint(9, 0));
    CTestUi ui;
    ui.OnDialog(IDD_EDIT_REPLACE, [&](CTestDlg& dlg) {
        EXPECT_TRUE(dlg.IsEnabled(IDC_EDIT_SKIP));
        dlg.SetText(IDC_EDIT_TEXT, "");
        EXPECT_FALSE(dlg.IsEnabled(IDC_EDIT_SKIP));
        EXPECT_FALSE(dlg.IsEnabled(IDC_EDIT_REPLACE_ALL));
        dlg.SetText(IDC_EDIT_TEXT, "ab");
        dlg.SetText(IDC_EDIT_REPLACE_WITH, "abab");
        dlg.Click(IDC_EDIT_REPLACE_ALL);
        dlg.SavePicture("code-edit-replace-dialog.png");
        dlg.Cancel();
    });
    Command(ID_EDIT_REPLACE);
    EXPECT_EQ("ab abab abab ab", Lines());
    EXPECT_STREQ("abab abab ", Selected());
    ASSERT_TRUE(Undo());
    ASSERT_TRUE(Undo());
    EXPECT_EQ("ab ab ab ab", Lines());
    EXPECT_STREQ("abab", FxGetApp()->GetProfileString("CodeEdit\\Replace", "ReplaceWith", ""));
}

TEST_F(CodeEditViewTest, DrawsTheEditedScript)
{
    Load("' 计算工时\r\nFunction WorkHours(n)\r\n\tDim x\r\nEnd Function");
    m_pView->SetFocus();
    Caret(CPoint(6, 2));
    Type(", s\r");
    Type("x = n * 1.5 ' 小时");
    Select(CPoint(0, 1), CPoint(8, 1));
    EXPECT_EQ("' 计算工时|Function WorkHours(n)|\tDim x, s|\tx = n * 1.5 ' 小时|End Function", Lines());
    CRect rc;
    m_pView->GetClientRect(&rc);
    CTestDib dib(rc.Width(), rc.Height());
    m_pView->OnDraw(&dib.DC());
    SavePng(TestImagePath("code-edit-view.png").c_str(), dib.Bits(), dib.Width(), dib.Height());
    EXPECT_GT(dib.CountInk(CRect(m_pView->GetMarginWidth(), 3 * m_pView->GetLineHeight(), rc.right,
                                 4 * m_pView->GetLineHeight()),
                           ::GetSysColor(COLOR_WINDOW)),
              0);
}
// OLE is up before the view is made (it registers its drop target then) and until it is gone.
class COleScope
{
public:
    COleScope() : m_hr(::OleInitialize(nullptr)) {}
    ~COleScope()
    {
        if (SUCCEEDED(m_hr)) {
            ::OleUninitialize();
        }
    }
    HRESULT m_hr;
};

class CodeEditViewDropTest : public CodeEditViewTest
{
protected:
    void TearDown() override
    {
        CodeEditViewTest::TearDown();
        // The frame deletes itself; the view revokes its target while OLE is still up.
        if (m_app.m_pFrame != nullptr && ::IsWindow(m_app.m_pFrame->m_hWnd)) {
            m_app.m_pFrame->DestroyWindow();
        }
        m_app.m_pFrame = nullptr;
    }

    // The client point inside the character cell of a text position.
    CPoint PointOf(CPoint ptText)
    {
        CPoint pt = m_pView->TextToPoint(ptText);
        return CPoint(pt.x + 1, pt.y + m_pView->GetLineHeight() / 2);
    }
    void Mouse(UINT nMsg, UINT nFlags, CPoint pt) { m_pView->SendMessage(nMsg, nFlags, MAKELPARAM(pt.x, pt.y)); }
    // Data as a drag from elsewhere offers it; owned by the wrapper.
    void Offer(COleDataObject& data, const char* pszText)
    {
        COleDataSource* pSource = new COleDataSource;
        if (pszText != nullptr) {
            pSource->CacheText(pszText, static_cast<int>(strlen(pszText)));
        } else {
            // Only UTF-16 text: not something the view takes.
            HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
            pSource->CacheGlobalData(CF_UNICODETEXT, h);
        }
        data.Attach(pSource);
    }
    CPoint CaretPoint()
    {
        POINT pt = {};
        ::GetCaretPos(&pt);
        return CPoint(pt.x, pt.y);
    }

    COleScope m_ole;
};

TEST_F(CodeEditViewDropTest, DropTargetAnswersAndShowsItsIndicator)
{
    ASSERT_TRUE(SUCCEEDED(m_ole.m_hr));
    struct AnswerCase
    {
        const char* szName;
        const char* szOffered; // null: no CF_TEXT
        BOOL bReadOnly;
        DWORD dwKeys;
        DROPEFFECT dwEnter;
        DROPEFFECT dwOver;
        bool bShownAfterOver;
    };
    const AnswerCase cases[] = {
        {"text: move", "x", FALSE, MK_LBUTTON, DROPEFFECT_MOVE, DROPEFFECT_MOVE, true},
        {"text with Ctrl: copy", "x", FALSE, MK_LBUTTON | MK_CONTROL, DROPEFFECT_COPY, DROPEFFECT_COPY, true},
        {"no CF_TEXT: refused", nullptr, FALSE, MK_LBUTTON, DROPEFFECT_NONE, DROPEFFECT_NONE, false},
        {"read-only: entered, then refused", "x", TRUE, MK_LBUTTON, DROPEFFECT_MOVE, DROPEFFECT_NONE, false},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Load("Dim a, b\r\n\tx = 注释");
        m_buffer.SetNoEdit(c.bReadOnly);
        m_pView->SetFocus();
        Caret(CPoint(2, 0));
        COleDataObject data;
        Offer(data, c.szOffered);
        EXPECT_EQ(c.dwEnter, m_pView->OnDragEnter(&data, c.dwKeys, PointOf(CPoint(4, 0))));
        EXPECT_EQ(c.dwOver, m_pView->OnDragOver(&data, c.dwKeys, PointOf(CPoint(3, 1))));
        EXPECT_EQ(c.bShownAfterOver, m_pView->IsDropMarkShown() == TRUE);
        if (c.bShownAfterOver) {
            // The indicator is the caret, at the text position under the mouse.
            EXPECT_EQ(CPoint(3, 1), m_pView->GetDropPos());
            EXPECT_EQ(m_pView->TextToPoint(CPoint(3, 1)), CaretPoint());
        }
        m_pView->OnDragLeave();
        EXPECT_FALSE(m_pView->IsDropMarkShown());
        // The caret is back where it was.
        EXPECT_EQ(CPoint(2, 0), m_pView->GetCursorPos());
        EXPECT_EQ(m_pView->TextToPoint(CPoint(2, 0)), CaretPoint());
        m_buffer.SetNoEdit(FALSE);
    }

    // The indicator as the user sees it: a thin caret between "x" and " =" on the second line.
    Load("Function WorkHours(n)\r\n\tx = n * 1.5 ' 小时\r\nEnd Function");
    m_pView->SetFocus();
    Caret(CPoint(0, 0));
    COleDataObject data;
    Offer(data, "Dim a");
    m_pView->OnDragEnter(&data, MK_LBUTTON, PointOf(CPoint(2, 1)));
    ASSERT_TRUE(m_pView->IsDropMarkShown());
    EXPECT_TRUE(SaveWindowPicture(m_app.m_pFrame->m_hWnd, "code-edit-drop-indicator.png"));
    m_pView->OnDragLeave();
}

TEST_F(CodeEditViewDropTest, DroppedTextIsInsertedSelectedAndUndoneInOneStep)
{
    struct DropCase
    {
        const char* szName;
        const char* szText;
        const char* szOffered;
        CPoint ptAt;
        const char* szLines;
        const char* szSelected;
    };
    const DropCase cases[] = {
        {"into a line", "Dim a\r\nb = 1", "x, ", CPoint(4, 0), "Dim x, a|b = 1", "x, "},
        {"lines into a line", "Dim a\r\nb = 1", "c\r\nd", CPoint(1, 1), "Dim a|bc|d = 1", "c|d"},
        {"at the end of a line", "Dim a\r\nb = 1", "' 注释", CPoint(5, 1), "Dim a|b = 1' 注释", "' 注释"},
        {"after a double-byte character", "注释", "x", CPoint(2, 0), "注x释", "x"},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Load(c.szText);
        COleDataObject data;
        Offer(data, c.szOffered);
        m_pView->OnDragOver(&data, MK_LBUTTON, PointOf(c.ptAt));
        EXPECT_TRUE(m_pView->OnDrop(&data, DROPEFFECT_MOVE, PointOf(c.ptAt)));
        EXPECT_FALSE(m_pView->IsDropMarkShown());
        EXPECT_EQ(c.szLines, Lines());
        EXPECT_STREQ(c.szSelected, Selected());
        ASSERT_TRUE(Undo());
        EXPECT_STREQ(c.szText, [&] {
            CString str;
            m_buffer.GetAllText(str);
            return str;
        }());
        EXPECT_FALSE(m_buffer.CanUndo());
        EXPECT_FALSE(m_buffer.IsModified());
    }

    // A read-only text and data without CF_TEXT take nothing.
    Load("Dim a");
    COleDataObject data;
    Offer(data, "x");
    m_buffer.SetNoEdit(TRUE);
    EXPECT_FALSE(m_pView->OnDrop(&data, DROPEFFECT_COPY, PointOf(CPoint(1, 0))));
    m_buffer.SetNoEdit(FALSE);
    COleDataObject noText;
    Offer(noText, nullptr);
    EXPECT_FALSE(m_pView->OnDrop(&noText, DROPEFFECT_COPY, PointOf(CPoint(1, 0))));
    EXPECT_EQ("Dim a", Lines());
    EXPECT_FALSE(m_buffer.CanUndo());
}

TEST_F(CodeEditViewDropTest, DraggingNearAnEdgeScrolls)
{
    std::string strText;
    for (int i = 0; i < 80; ++i) {
        strText += (i > 0 ? "\r\n" : "") + std::string(120, 'a' + static_cast<char>(i % 26));
    }
    Load(strText.c_str());
    CRect rc;
    m_pView->GetClientRect(&rc);
    const int xMargin = m_pView->GetMarginWidth();
    struct ScrollCase
    {
        const char* szName;
        CPoint pt;
        int nLineStep;
        int nColumnStep;
    };
    const ScrollCase cases[] = {
        {"near the top: a line up", CPoint(rc.Width() / 2, 2), -1, 0},
        {"near the bottom: a line down", CPoint(rc.Width() / 2, rc.bottom - 3), 1, 0},
        {"near the margin: a column left", CPoint(xMargin + 2, rc.Height() / 2), 0, -1},
        {"near the right edge: a column right", CPoint(rc.right - 2, rc.Height() / 2), 0, 1},
        {"a corner: both", CPoint(rc.right - 2, 1), -1, 1},
        {"inside: nothing", CPoint(rc.Width() / 2, rc.Height() / 2), 0, 0},
    };
    COleDataObject data;
    Offer(data, "x");
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->ScrollToTopLine(10);
        m_pView->ScrollToColumn(6);
        EXPECT_EQ(DROPEFFECT_MOVE, m_pView->OnDragEnter(&data, MK_LBUTTON, c.pt));
        const DROPEFFECT dwEffect = m_pView->OnDragScroll(MK_LBUTTON, c.pt);
        const bool bScrolls = c.nLineStep != 0 || c.nColumnStep != 0;
        EXPECT_EQ(bScrolls ? DROPEFFECT_SCROLL | DROPEFFECT_MOVE : DROPEFFECT_NONE, dwEffect);
        EXPECT_EQ(10 + c.nLineStep, m_pView->GetTopLine());
        EXPECT_EQ(6 + c.nColumnStep, m_pView->GetFirstColumn());
        // The indicator is shown again after the scroll.
        EXPECT_TRUE(m_pView->IsDropMarkShown());
        m_pView->OnDragLeave();
    }
    // At the start of the text there is nothing to scroll to.
    m_pView->ScrollToTopLine(0);
    m_pView->ScrollToColumn(0);
    EXPECT_EQ(DROPEFFECT_NONE, m_pView->OnDragScroll(MK_LBUTTON, CPoint(xMargin + 1, 1)));
}

// The real drag loop: the button goes down in the selection, the first move starts the drag, and
// with no button held the loop drops at once where the cursor was put.
TEST_F(CodeEditViewDropTest, DragMovingASelectionAndOneUndoRestoresTheText)
{
    ASSERT_TRUE(SUCCEEDED(m_ole.m_hr));
    struct MoveCase
    {
        const char* szName;
        const char* szText;
        CPoint ptSelFrom;
        CPoint ptSelTo;
        CPoint ptDrop;
        const char* szLines;
        const char* szSelected;
    };
    const MoveCase cases[] = {
        {"to the end of a later line", "Dim a, b\r\nx = 1", CPoint(0, 0), CPoint(4, 0), CPoint(5, 1), "a, b|x = 1Dim ",
         "Dim "},
        {"to an earlier line", "x = 1\r\nDim a", CPoint(4, 1), CPoint(5, 1), CPoint(0, 0), "ax = 1|Dim ", "a"},
        {"later on the same line", "a b c", CPoint(0, 0), CPoint(2, 0), CPoint(5, 0), "b ca ", "a "},
        {"double-byte text over lines", "' 注释ab\r\nc", CPoint(2, 0), CPoint(6, 0), CPoint(1, 1), "' ab|c注释",
         "注释"},
        {"lines to the end", "Dim a\r\nDim b\r\nx", CPoint(0, 0), CPoint(0, 1), CPoint(1, 2), "Dim b|xDim a|",
         "Dim a|"},
        {"inside itself: nothing changes", "Dim a, b", CPoint(0, 0), CPoint(5, 0), CPoint(2, 0), "Dim a, b", ""},
        {"onto its own end: nothing changes", "Dim a, b", CPoint(0, 0), CPoint(5, 0), CPoint(5, 0), "Dim a, b", ""},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Load(c.szText);
        m_pView->SetFocus();
        Select(c.ptSelFrom, c.ptSelTo);
        POINT ptScreen = PointOf(c.ptDrop);
        ::ClientToScreen(m_pView->m_hWnd, &ptScreen);
        ASSERT_TRUE(::SetCursorPos(ptScreen.x, ptScreen.y));
        const CPoint ptGrab = PointOf(c.ptSelFrom);
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, ptGrab);
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, CPoint(ptGrab.x + 1, ptGrab.y));
        EXPECT_EQ(c.szLines, Lines());
        EXPECT_STREQ(c.szSelected, Selected());
        const bool bMoved = strcmp(c.szLines, c.szText) != 0;
        EXPECT_EQ(bMoved, m_buffer.CanUndo() == TRUE);
        if (bMoved) {
            ASSERT_TRUE(Undo());
            EXPECT_EQ(std::string(c.szText), [&] {
                CString str;
                m_buffer.GetAllText(str);
                return std::string(static_cast<LPCSTR>(str));
            }());
            EXPECT_FALSE(m_buffer.CanUndo());
            EXPECT_FALSE(m_buffer.IsModified());
            // Redo moves it again in one step.
            Command(ID_EDIT_REDO);
            EXPECT_EQ(c.szLines, Lines());
        }
    }
}
// A pane of a split script window; all panes edit one buffer.
class CSplitEditView : public CVbEditView
{
    FX_DECLARE_DYNCREATE(CSplitEditView)

public:
    static CCodeTextBuffer* s_pBuffer;

protected:
    CCodeTextBuffer* GetTextBuffer() override { return s_pBuffer; }
};

CCodeTextBuffer* CSplitEditView::s_pBuffer = nullptr;

FX_IMPLEMENT_DYNCREATE(CSplitEditView, CVbEditView)

// A drag that ends without changing the text must not replay the edit before it: after an Enter
// the line above would be indented into the text again.
TEST_F(CodeEditViewDropTest, ARefusedDragLeavesTheEditBeforeItAlone)
{
    Load("    a\r\nb");
    m_pView->SetFocus();
    Caret(CPoint(1, 1));
    Type("\r");
    ASSERT_EQ("    a|b|", Lines());
    Select(CPoint(0, 1), CPoint(1, 1));
    POINT ptScreen = PointOf(CPoint(1, 1));
    ::ClientToScreen(m_pView->m_hWnd, &ptScreen);
    ASSERT_TRUE(::SetCursorPos(ptScreen.x, ptScreen.y));
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(CPoint(0, 1)));
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, PointOf(CPoint(0, 1)));
    EXPECT_EQ("    a|b|", Lines());
    EXPECT_EQ(CPoint(1, 1), m_pView->GetCursorPos());
    // One undo still takes the Enter away.
    ASSERT_TRUE(Undo());
    EXPECT_EQ("    a|b", Lines());
}

// Between two panes of one text: a drop inside the dragged range (seen from the other pane)
// changes nothing; elsewhere the text moves and one undo restores it.
TEST_F(CodeEditViewDropTest, DragMovingBetweenPanesOfOneText)
{
    m_app.m_pFrame->ShowWindow(SW_HIDE);
    Load("Dim a, b\r\nx = 1\r\ny = 2");
    CSplitEditView::s_pBuffer = &m_buffer;
    CSplitterWnd splitter;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(
        pFrame->CreateEx(WS_EX_TOPMOST, nullptr, "脚本", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
    ASSERT_TRUE(splitter.CreateStatic(pFrame, 2, 1));
    ASSERT_TRUE(splitter.CreateView(0, 0, FX_RUNTIME_CLASS(CSplitEditView), CSize(0, 140), nullptr));
    ASSERT_TRUE(splitter.CreateView(1, 0, FX_RUNTIME_CLASS(CSplitEditView), CSize(0, 140), nullptr));
    pFrame->RecalcLayout();
    auto* pTop = static_cast<CSplitEditView*>(splitter.GetPane(0, 0));
    auto* pBottom = static_cast<CSplitEditView*>(splitter.GetPane(1, 0));
    pTop->OnInitialUpdate();
    pBottom->OnInitialUpdate();
    ASSERT_TRUE(pBottom->IsWindowVisible());

    struct PaneCase
    {
        const char* szName;
        CPoint ptDrop; // in the bottom pane
        const char* szText;
    };
    const PaneCase cases[] = {
        {"inside the dragged range", CPoint(2, 0), "Dim a, b\r\nx = 1\r\ny = 2"},
        {"at the end of the last line", CPoint(5, 2), "a, b\r\nx = 1\r\ny = 2Dim "},
    };
    for (const PaneCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_buffer.SetAllText("Dim a, b\r\nx = 1\r\ny = 2");
        pTop->SetFocus();
        pTop->SetAnchorPos(CPoint(0, 0));
        pTop->SetCursorPos(CPoint(4, 0));
        pTop->SetSelection(CPoint(0, 0), CPoint(4, 0));
        CPoint pt = pBottom->TextToPoint(c.ptDrop);
        POINT ptScreen = {pt.x + 1, pt.y + pBottom->GetLineHeight() / 2};
        ::ClientToScreen(pBottom->m_hWnd, &ptScreen);
        ASSERT_TRUE(::SetCursorPos(ptScreen.x, ptScreen.y));
        const CPoint ptGrab = pTop->TextToPoint(CPoint(1, 0)) + CPoint(1, pTop->GetLineHeight() / 2);
        pTop->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptGrab.x, ptGrab.y));
        pTop->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptGrab.x + 1, ptGrab.y));
        CString strText;
        m_buffer.GetAllText(strText);
        EXPECT_STREQ(c.szText, strText);
        if (m_buffer.CanUndo()) {
            CPoint ptCaret;
            ASSERT_TRUE(m_buffer.Undo(ptCaret));
            m_buffer.GetAllText(strText);
            EXPECT_STREQ("Dim a, b\r\nx = 1\r\ny = 2", strText);
            EXPECT_FALSE(m_buffer.CanUndo());
        }
    }
    pTop->DetachBuffer();
    pBottom->DetachBuffer();
    pFrame->DestroyWindow();
    CSplitEditView::s_pBuffer = nullptr;
}
} // namespace
