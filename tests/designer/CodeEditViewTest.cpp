// The script edit view on a real window: typing, overwrite, automatic indentation, Delete and
// Backspace over GBK text, block Tab and Shift+Tab, cut, paste, undo, redo, and the find and
// replace dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designer/CodeEditView.h"
#include "designer/CodeFindDlg.h"
#include "designer/CodeTextBuffer.h"
#include "designer/VbScriptColourFun.h"
#include "designer/res/resource.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/win/CmdUI.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

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

class CEditViewApp : public CWinApp
{
public:
    CEditViewApp() : CWinApp("CodeEditViewTest") {}
    ~CEditViewApp() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            m_pFrame->DestroyWindow();
        }
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    BOOL Start()
    {
        // A profile of its own, empty at the start of each test.
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornCodeEditTest");
        SetRegistryKey("VornCodeEditTest");
        m_pFrame = new CFrameWnd;
        if (!m_pFrame->CreateEx(0, nullptr, "脚本", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 480, 320, nullptr,
                                nullptr)) {
            delete m_pFrame;
            m_pFrame = nullptr;
            return FALSE;
        }
        m_pMainWnd = m_pFrame;
        m_pView = new CVbEditView;
        if (!m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, 10, 10),
                             m_pFrame, FX_IDW_PANE_FIRST)) {
            delete m_pView;
            m_pView = nullptr;
            return FALSE;
        }
        m_pFrame->SetActiveView(m_pView);
        m_pFrame->RecalcLayout();
        return TRUE;
    }

    CFrameWnd* m_pFrame = nullptr;
    CVbEditView* m_pView = nullptr;
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
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    Select(CPoint(0, 0), CPoint(4, 0));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(" = 1", Lines());
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
} // namespace
