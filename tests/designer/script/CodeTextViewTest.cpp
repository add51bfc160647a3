// The script text view on a real window: caret commands over GBK text, mouse selection, scrolling,
// the drag-scroll timer, finding, copying, status indicators, drawing, printing, dragging text out
// and panes of a splitter.
#include <gtest/gtest.h>

#include <ole2.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "designer/script/CodeTextBuffer.h"
#include "designer/script/CodeTextView.h"
#include "designer/script/VbScriptColourFun.h"
#include "designer/res/resource.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/ole/OleDropTarget.h"
#include "platform/print/PrintInfo.h"
#include "platform/win/CmdUI.h"
#include "platform/frame/SplitterWnd.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/MetafileRecorder.h"
#include "tests/support/PngFile.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/support/PrinterLikeDC.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestClipboard.h"
#include "tests/support/UiDriver.h"
#include "tests/support/ViewTestApp.h"

namespace
{
// The text view with the VBScript parser, as the script window will colour it.
class CVbTestView : public CCodeTextView
{
public:
    using CCodeTextView::DragScroll;
    using CCodeTextView::GetFont;
    using CCodeTextView::GetMaxLineWidth;
    using CCodeTextView::GetVisibleColumns;
    CString m_strOutput;

protected:
    DWORD ColourLine(DWORD dwState, int nLine, char* pszDrawn, CodeTextBlock* pBlocks, int& nBlocks) override
    {
        std::string strCopy(LineText(nLine), static_cast<size_t>(LineLength(nLine)));
        return CVbScriptColourFun::ColourLine(dwState, pszDrawn != nullptr ? pszDrawn : strCopy.data(),
                                              LineLength(nLine), pBlocks, nBlocks);
    }
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->m_strOutput = m_strOutput;
        return CCodeTextView::OnPreparePrinting(pInfo);
    }
};

class CCodeViewApp : public CTestViewApp<CVbTestView>
{
public:
    CCodeViewApp() : CTestViewApp("CodeViewTest") {}
};

// Records what an update handler does to a status-bar pane.
class CRecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override { m_bEnabled = bOn; }
    void SetText(LPCSTR lpszText) override { m_strText = lpszText; }
    BOOL m_bEnabled = TRUE;
    CString m_strText;
};

const char kScript[] = "' 计算工时\r\n"
                       "Function WorkHours(n)\r\n"
                       "\tDim x, s\r\n"
                       "\tx = n * 1.5 + 0x1F\r\n"
                       "\ts = \"合计：\" & x\r\n"
                       "\tIf x > 100 Then x = 100 Rem 上限\r\n"
                       "\tWorkHours = x\r\n"
                       "End Function";

class CodeTextViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.Start());
        m_pView = m_app.m_pView;
        m_pView->AttachBuffer(&m_buffer);
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
    void Command(UINT nID) { m_pView->SendMessage(WM_COMMAND, nID, 0); }
    // The client point of a text position, nudged inside its character cell.
    CPoint PointOf(CPoint ptText, int dx = 1)
    {
        CPoint pt = m_pView->TextToPoint(ptText);
        pt.x += dx;
        pt.y += m_pView->GetLineHeight() / 2;
        return pt;
    }
    void Mouse(UINT nMsg, UINT nFlags, CPoint pt) { m_pView->SendMessage(nMsg, nFlags, MAKELPARAM(pt.x, pt.y)); }
    CString Selected()
    {
        CPoint ptStart;
        CPoint ptEnd;
        m_pView->GetSelection(ptStart, ptEnd);
        CString str;
        m_buffer.GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, str, "|");
        return str;
    }

    CCodeViewApp m_app;
    CVbTestView* m_pView = nullptr;
    CCodeTextBuffer m_buffer;
};

TEST_F(CodeTextViewTest, AcceleratorTable101IsInTheProgramAndDrivesTheView)
{
    HACCEL hAccel = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101));
    ASSERT_NE(nullptr, hAccel);
    ACCEL accels[64] = {};
    const int nCount = ::CopyAcceleratorTableA(hAccel, accels, 64);
    EXPECT_EQ(32, nCount);
    auto commandOf = [&](WORD wKey, BYTE fMods) {
        for (int i = 0; i < nCount; ++i) {
            if (accels[i].key == wKey && (accels[i].fVirt & ~FNOINVERT) == (FVIRTKEY | fMods)) {
                return static_cast<int>(accels[i].cmd);
            }
        }
        return -1;
    };
    EXPECT_EQ(37102, commandOf(VK_RIGHT, 0));
    EXPECT_EQ(37103, commandOf(VK_RIGHT, FSHIFT));
    EXPECT_EQ(37125, commandOf(VK_END, FCONTROL | FSHIFT));
    EXPECT_EQ(ID_EDIT_COPY, commandOf(VK_INSERT, FCONTROL));
    EXPECT_EQ(ID_EDIT_REPEAT, commandOf(VK_F3, 0));
    EXPECT_EQ(37126, commandOf(VK_F3, FSHIFT));

    // The view translates its keys through the table.
    Load("ab");
    MSG msg = {m_pView->m_hWnd, WM_KEYDOWN, VK_RIGHT, 0, 0, {0, 0}};
    EXPECT_TRUE(m_pView->PreTranslateMessage(&msg));
    EXPECT_EQ(CPoint(1, 0), m_pView->GetCursorPos());
}

TEST_F(CodeTextViewTest, CaretStepsOverWholeCharacters)
{
    struct Case
    {
        const char* szName;
        CPoint ptFrom;
        UINT nCommand;
        CPoint ptTo;
    };
    // Line 0: quote, two Chinese characters (bytes 1-4), a, b; line 1: "x 注 y".
    const Case cases[] = {
        {"right over the quote", {0, 0}, ID_EDIT_CHAR_RIGHT, {1, 0}},
        {"right over 注", {1, 0}, ID_EDIT_CHAR_RIGHT, {3, 0}},
        {"right over 释", {3, 0}, ID_EDIT_CHAR_RIGHT, {5, 0}},
        {"right at the end goes to the next line", {7, 0}, ID_EDIT_CHAR_RIGHT, {0, 1}},
        {"left over 释", {5, 0}, ID_EDIT_CHAR_LEFT, {3, 0}},
        {"left over 注", {3, 0}, ID_EDIT_CHAR_LEFT, {1, 0}},
        {"left at column 0 goes to the line above", {0, 1}, ID_EDIT_CHAR_LEFT, {7, 0}},
        {"left at the start stays", {0, 0}, ID_EDIT_CHAR_LEFT, {0, 0}},
        {"shift+right at the end of the text stays", {6, 1}, ID_EDIT_EXT_CHAR_RIGHT, {6, 1}},
        {"word right over Chinese and letters", {1, 0}, ID_EDIT_WORD_RIGHT, {5, 0}},
        {"word left back over Chinese and the quote", {5, 0}, ID_EDIT_WORD_LEFT, {0, 0}},
        {"word right over x and blank", {0, 1}, ID_EDIT_WORD_RIGHT, {2, 1}},
        {"word right over 注 and blank", {2, 1}, ID_EDIT_WORD_RIGHT, {5, 1}},
        {"down keeps the column", {5, 0}, ID_EDIT_LINE_DOWN, {5, 1}},
        {"down to the middle of 注 stops before it", {3, 0}, ID_EDIT_LINE_DOWN, {2, 1}},
        {"end of line", {1, 0}, ID_EDIT_LINE_END, {7, 0}},
        {"end of text", {1, 0}, ID_EDIT_TEXT_END, {6, 1}},
        {"start of text", {3, 1}, ID_EDIT_TEXT_BEGIN, {0, 0}},
    };
    Load("'注释ab\r\nx 注 y");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->SetCursorPos(c.ptFrom);
        m_pView->SetAnchorPos(c.ptFrom);
        m_pView->SetSelection(c.ptFrom, c.ptFrom);
        Command(c.nCommand);
        EXPECT_EQ(c.ptTo, m_pView->GetCursorPos());
    }
}

TEST_F(CodeTextViewTest, SelectionCommandsAndColumns)
{
    Load("\tab\r\n    x\r\nlonger line\r\nab");
    // A tab then a and b: 6 columns; after the tab, column 4.
    EXPECT_EQ(4, m_pView->CharToColumn(0, 1));
    EXPECT_EQ(6, m_pView->CharToColumn(0, 3));

    // Shift+Right twice selects from the anchor; a plain Left goes to the selection's start.
    m_pView->SetCursorPos(CPoint(0, 2));
    m_pView->SetAnchorPos(CPoint(0, 2));
    Command(ID_EDIT_EXT_CHAR_RIGHT);
    Command(ID_EDIT_EXT_CHAR_RIGHT);
    EXPECT_STREQ("lo", Selected());
    Command(ID_EDIT_CHAR_LEFT);
    EXPECT_EQ(CPoint(0, 2), m_pView->GetCursorPos());
    EXPECT_FALSE(m_pView->IsSelection());

    // Up to a shorter line and down again returns to the first column.
    m_pView->SetCursorPos(CPoint(9, 2));
    Command(ID_EDIT_LINE_DOWN);
    EXPECT_EQ(CPoint(2, 3), m_pView->GetCursorPos());
    Command(ID_EDIT_LINE_UP);
    EXPECT_EQ(CPoint(9, 2), m_pView->GetCursorPos());

    // Home: first non-blank, then column 0.
    m_pView->SetCursorPos(CPoint(5, 1));
    Command(ID_EDIT_HOME);
    EXPECT_EQ(CPoint(4, 1), m_pView->GetCursorPos());
    Command(ID_EDIT_HOME);
    EXPECT_EQ(CPoint(0, 1), m_pView->GetCursorPos());

    Command(ID_EDIT_SELECT_ALL);
    EXPECT_STREQ("\tab|    x|longer line|ab", Selected());
}

TEST_F(CodeTextViewTest, MouseSelectsCharactersWordsAndLines)
{
    Load("Dim 注释ab = x_1\r\nsecond line\r\nlast");
    const int nCx = m_pView->GetCharWidth();

    // A click in the right half of 注 lands after it, in the left half before it; never inside.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(CPoint(4, 0), nCx + nCx / 2 + 1));
    Mouse(WM_LBUTTONUP, 0, PointOf(CPoint(4, 0), nCx + nCx / 2 + 1));
    EXPECT_EQ(CPoint(6, 0), m_pView->GetCursorPos());
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(CPoint(4, 0), nCx / 2 - 1));
    Mouse(WM_LBUTTONUP, 0, PointOf(CPoint(4, 0), nCx / 2 - 1));
    EXPECT_EQ(CPoint(4, 0), m_pView->GetCursorPos());

    // Dragging from 'D' to after "Dim".
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(CPoint(0, 0), 0));
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, PointOf(CPoint(3, 0), 0));
    Mouse(WM_LBUTTONUP, 0, PointOf(CPoint(3, 0), 0));
    EXPECT_STREQ("Dim", Selected());

    // Ctrl+click selects the word under the point; a double click too.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, PointOf(CPoint(13, 0)));
    Mouse(WM_LBUTTONUP, MK_CONTROL, PointOf(CPoint(13, 0)));
    EXPECT_STREQ("x_1", Selected());
    Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, PointOf(CPoint(2, 1)));
    Mouse(WM_LBUTTONUP, 0, PointOf(CPoint(2, 1)));
    EXPECT_STREQ("second", Selected());

    // A click in the margin selects the line with its break; on the last line, to its end.
    const CPoint ptMargin1(5, PointOf(CPoint(0, 1)).y);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, ptMargin1);
    Mouse(WM_LBUTTONUP, 0, ptMargin1);
    EXPECT_STREQ("second line|", Selected());
    const CPoint ptMargin2(5, PointOf(CPoint(0, 2)).y);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, ptMargin2);
    Mouse(WM_LBUTTONUP, 0, ptMargin2);
    EXPECT_STREQ("last", Selected());
    // Dragging in the margin from line 0 over line 1 selects both whole lines.
    const CPoint ptMargin0(5, PointOf(CPoint(0, 0)).y);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, ptMargin0);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, ptMargin1);
    Mouse(WM_LBUTTONUP, 0, ptMargin1);
    EXPECT_STREQ("Dim 注释ab = x_1|second line|", Selected());

    // A click inside the selection without moving only places the caret.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(CPoint(1, 1), 0));
    Mouse(WM_LBUTTONUP, 0, PointOf(CPoint(1, 1), 0));
    EXPECT_FALSE(m_pView->IsSelection());
    EXPECT_EQ(CPoint(1, 1), m_pView->GetCursorPos());
}

std::string ManyLines(int nLines)
{
    std::string str;
    for (int i = 0; i < nLines; ++i) {
        if (i > 0) {
            str += "\r\n";
        }
        str += "Dim v" + std::to_string(i) + " ' 第" + std::to_string(i + 1) + "行";
    }
    return str;
}

int ScrollPos(HWND hWnd, int nBar)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS;
    ::GetScrollInfo(hWnd, nBar, &si);
    return si.nPos;
}

TEST_F(CodeTextViewTest, ScrollsByLinesPagesAndTheDragTimer)
{
    const std::string strText = ManyLines(120);
    Load(strText.c_str());
    const int nVisible = m_pView->GetVisibleLines();
    ASSERT_GT(nVisible, 3);
    ASSERT_LT(nVisible, 120);

    m_pView->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(1, m_pView->GetTopLine());
    m_pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(nVisible, m_pView->GetTopLine());
    EXPECT_EQ(nVisible, ScrollPos(m_pView->m_hWnd, SB_VERT));
    m_pView->SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(120 - nVisible, m_pView->GetTopLine());
    m_pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(0, m_pView->GetTopLine());
    Command(ID_EDIT_SCROLL_DOWN);
    EXPECT_EQ(1, m_pView->GetTopLine());
    Command(ID_EDIT_SCROLL_UP);
    Command(ID_EDIT_SCROLL_UP);
    EXPECT_EQ(0, m_pView->GetTopLine());

    // Moving the caret to the end of the text brings it into view.
    Command(ID_EDIT_TEXT_END);
    EXPECT_EQ(120 - nVisible, m_pView->GetTopLine());
    Command(ID_EDIT_TEXT_BEGIN);
    EXPECT_EQ(0, m_pView->GetTopLine());

    // Holding the mouse below the window: 1 line within a line height, 3 beyond it.
    CRect rc;
    m_pView->GetClientRect(&rc);
    const int nCy = m_pView->GetLineHeight();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(CPoint(0, 0)));
    m_pView->DragScroll(CPoint(40, rc.bottom + nCy / 2));
    EXPECT_EQ(1, m_pView->GetTopLine());
    m_pView->DragScroll(CPoint(40, rc.bottom + 2 * nCy));
    EXPECT_EQ(4, m_pView->GetTopLine());
    // The selection follows to the line under the cursor.
    EXPECT_EQ(4 + nVisible + 2, m_pView->GetCursorPos().y);
    m_pView->DragScroll(CPoint(40, rc.top - 2 * nCy));
    EXPECT_EQ(1, m_pView->GetTopLine());
    Mouse(WM_LBUTTONUP, 0, PointOf(CPoint(0, 1)));
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(CodeTextViewTest, ScrollsSidewaysByColumnsPagesAndTheThumb)
{
    const std::string strLong(300, 'x');
    Load(("a\r\n" + strLong + "\r\nb").c_str());
    const int nColumns = m_pView->GetVisibleColumns();
    const int nWidest = m_pView->GetMaxLineWidth();
    ASSERT_GT(nColumns, 3);
    ASSERT_LT(nColumns, nWidest);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_PAGE | SIF_RANGE;
    ASSERT_TRUE(::GetScrollInfo(m_pView->m_hWnd, SB_HORZ, &si));
    EXPECT_EQ(nWidest - 1, si.nMax);
    EXPECT_EQ(static_cast<UINT>(nColumns), si.nPage);

    const struct
    {
        const char* szName;
        WPARAM wCode;
        int nExpected;
    } steps[] = {
        {"left at the start stays", SB_LINELEFT, 0},
        {"column right", SB_LINERIGHT, 1},
        {"page right", SB_PAGERIGHT, nColumns},
        {"other codes move nothing", SB_ENDSCROLL, nColumns},
        {"thumb outside a drag keeps its place", MAKEWPARAM(SB_THUMBPOSITION, 7), nColumns},
        {"right end", SB_RIGHT, nWidest - nColumns},
        {"page left", SB_PAGELEFT, nWidest - nColumns - (nColumns - 1)},
        {"column left", SB_LINELEFT, nWidest - 2 * nColumns},
        {"left end", SB_LEFT, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.szName);
        m_pView->SendMessage(WM_HSCROLL, step.wCode, 0);
        EXPECT_EQ(step.nExpected, m_pView->GetFirstColumn());
        EXPECT_EQ(step.nExpected, ScrollPos(m_pView->m_hWnd, SB_HORZ));
    }
}

TEST_F(CodeTextViewTest, SearchTextFindsByCaseWordAndDirection)
{
    struct Case
    {
        const char* szName;
        const char* szWhat;
        CPoint ptStart;
        DWORD dwFlags;
        BOOL bWrap;
        BOOL bFound;
        CPoint ptFound;
    };
    // Line 1: 0x81 0x41 is one character whose trail byte is 'A'.
    Load("Dim x\r\n\x81\x41"
         "b dim\r\nDimension");
    const Case cases[] = {
        {"without case DIM finds Dim", "DIM", {0, 0}, 0, FALSE, TRUE, {0, 0}},
        {"with case DIM is not there", "DIM", {0, 0}, FIND_MATCH_CASE, TRUE, FALSE, {0, 0}},
        {"with case dim", "dim", {0, 0}, FIND_MATCH_CASE, FALSE, TRUE, {4, 1}},
        {"whole word: Di is not inside Dim", "Di", {0, 0}, FIND_WHOLE_WORD, TRUE, FALSE, {0, 0}},
        {"whole word skips Dimension", "dim", {1, 0}, FIND_WHOLE_WORD, FALSE, TRUE, {4, 1}},
        {"upwards finds the last match before the start", "dim", {3, 2}, FIND_DIRECTION_UP, FALSE, TRUE, {0, 2}},
        {"upwards from line 1", "dim", {4, 1}, FIND_DIRECTION_UP, FALSE, TRUE, {0, 0}},
        {"no wrap stops at the end", "Dim x", {1, 0}, 0, FALSE, FALSE, {0, 0}},
        {"wrap goes on from the start", "Dim x", {1, 0}, 0, TRUE, TRUE, {0, 0}},
        {"a trail byte is no letter", "ab", {0, 0}, 0, TRUE, FALSE, {0, 0}},
        {"the whole character is found",
         "\x81\x41"
         "B",
         {0, 0},
         0,
         FALSE,
         TRUE,
         {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CPoint ptFound(-1, -1);
        EXPECT_EQ(c.bFound, m_pView->SearchText(c.szWhat, c.ptStart, c.dwFlags, c.bWrap, ptFound));
        if (c.bFound) {
            EXPECT_EQ(c.ptFound, ptFound);
        }
    }
}

TEST_F(CodeTextViewTest, FindNextSelectsAndReportsWhatIsMissing)
{
    Load("a = 1\r\nb = a\r\nc");
    CRecordingCmdUI ui;
    ui.m_nID = ID_EDIT_REPEAT;
    ui.DoUpdate(m_pView, FALSE);
    EXPECT_FALSE(ui.m_bEnabled);

    m_pView->SetLastSearch("a", 0);
    ui.DoUpdate(m_pView, FALSE);
    EXPECT_TRUE(ui.m_bEnabled);
    m_pView->SetCursorPos(CPoint(1, 0));
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(CPoint(5, 1), m_pView->GetCursorPos());
    EXPECT_STREQ("a", Selected());
    // Shift+F3 searches back from the match to the one before.
    Command(ID_EDIT_FIND_PREVIOUS);
    EXPECT_EQ(CPoint(1, 0), m_pView->GetCursorPos());

    CTestUi boxes;
    m_pView->SetLastSearch("zz", 0);
    Command(ID_EDIT_REPEAT);
    ASSERT_EQ(1u, boxes.GetBoxes().size());
    EXPECT_STREQ("找不到“zz”。", boxes.GetBoxes()[0].strText);
    EXPECT_EQ(CPoint(1, 0), m_pView->GetCursorPos());
}

TEST_F(CodeTextViewTest, CopyPutsTheSelectionOnTheClipboardWithCrLf)
{
    Load("Dim 注释\r\nx = 1");
    CRecordingCmdUI ui;
    ui.m_nID = ID_EDIT_COPY;
    ui.DoUpdate(m_pView, FALSE);
    EXPECT_FALSE(ui.m_bEnabled);

    m_pView->SetSelection(CPoint(4, 0), CPoint(1, 1));
    ui.DoUpdate(m_pView, FALSE);
    EXPECT_TRUE(ui.m_bEnabled);
    Command(ID_EDIT_COPY);
    std::string strClip;
    ASSERT_TRUE(TestReadClipboardText(strClip));
    EXPECT_EQ("注释\r\nx", strClip);
}

TEST_F(CodeTextViewTest, StatusIndicatorsShowPositionAndLineEnds)
{
    Load("ab\r\ncd");
    m_pView->SetCursorPos(CPoint(1, 1));
    CRecordingCmdUI pos;
    pos.m_nID = ID_INDICATOR_POSITION;
    pos.DoUpdate(m_pView, FALSE);
    EXPECT_STREQ("Ln 2, Col 2", pos.m_strText);
    CRecordingCmdUI crlf;
    crlf.m_nID = ID_INDICATOR_CRLF;
    crlf.DoUpdate(m_pView, FALSE);
    EXPECT_TRUE(crlf.m_bEnabled);
    EXPECT_STREQ("DOS", crlf.m_strText);
    m_pView->DetachBuffer();
    crlf.DoUpdate(m_pView, FALSE);
    EXPECT_FALSE(crlf.m_bEnabled);
}

TEST_F(CodeTextViewTest, DrawsColouredTextLineNumbersAndTheSelection)
{
    Load(kScript);
    m_pView->SetFocus();
    m_pView->SetCursorPos(CPoint(5, 2));
    m_pView->SetSelection(CPoint(1, 1), CPoint(18, 1));
    CRect rc;
    m_pView->GetClientRect(&rc);
    CTestDib dib(rc.Width(), rc.Height());
    m_pView->OnDraw(&dib.DC());
    SavePng(TestImagePath("code-view-vbscript.png").c_str(), dib.Bits(), dib.Width(), dib.Height());

    const int nCy = m_pView->GetLineHeight();
    auto lineRect = [&](int nLine, int nCol1, int nCol2) {
        const CPoint pt1 = m_pView->TextToPoint(CPoint(m_pView->ColumnToChar(nLine, nCol1), nLine));
        return CRect(pt1.x, pt1.y, pt1.x + (nCol2 - nCol1) * m_pView->GetCharWidth(), pt1.y + nCy);
    };
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    // Line 1: "Function" in keyword blue outside the selection... its first letter is not selected.
    EXPECT_GT(dib.CountInk(lineRect(1, 0, 1), crWindow), 0);
    // Text is smoothed: a pixel counts by its hue, compared with the wanted colour's.
    auto hueOf = [](COLORREF cr) {
        const int r = GetRValue(cr);
        const int g = GetGValue(cr);
        const int b = GetBValue(cr);
        if (r > g + 60 && b > g + 60) {
            return 'm';
        }
        if (b > r + 60 && b > g + 60) {
            return 'b';
        }
        if (r > g + 60 && r > b + 60) {
            return 'r';
        }
        if (g > r + 40 && g > b + 40) {
            return 'g';
        }
        if (abs(r - g) < 12 && abs(g - b) < 12) {
            return r < 40 ? 'k' : (r > 220 ? 'w' : 'y');
        }
        return '?';
    };
    auto countColour = [&](const CRect& rcArea, COLORREF cr) {
        int n = 0;
        for (int y = rcArea.top; y < rcArea.bottom; ++y) {
            for (int x = rcArea.left; x < rcArea.right; ++x) {
                n += hueOf(dib.Pixel(x, y)) == hueOf(cr) ? 1 : 0;
            }
        }
        return n;
    };
    EXPECT_GT(countColour(lineRect(1, 0, 1), RGB(0, 0, 255)), 0) << "keyword F";
    // The selection is black behind white text.
    EXPECT_GT(countColour(lineRect(1, 2, 8), RGB(0, 0, 0)), 0);
    EXPECT_GT(countColour(lineRect(1, 2, 8), RGB(255, 255, 255)), 0);
    // The comment on line 0 is green; the number 1.5 on line 3 magenta; the string on line 4 red.
    EXPECT_GT(countColour(lineRect(0, 0, 8), RGB(0, 128, 0)), 0);
    EXPECT_GT(countColour(lineRect(3, 12, 15), RGB(255, 0, 255)), 0);
    EXPECT_GT(countColour(lineRect(4, 9, 14), RGB(255, 0, 0)), 0);
    // The caret's line number is red, the others grey.
    const CRect rcMargin2(0, 2 * nCy, m_pView->GetMarginWidth(), 3 * nCy);
    const CRect rcMargin3(0, 3 * nCy, m_pView->GetMarginWidth(), 4 * nCy);
    EXPECT_GT(countColour(rcMargin2, RGB(255, 0, 0)), 0);
    EXPECT_EQ(0, countColour(rcMargin3, RGB(255, 0, 0)));
    EXPECT_GT(countColour(rcMargin3, RGB(129, 129, 129)), 0);
}

// The script window's font, 宋体 at 14 pixels of any pitch, goes into fixed character cells: a
// face the system maps to a proportional font gives way to a fixed-pitch one, so that every
// letter fills its cell and "Dim n" shows without gaps.
TEST_F(CodeTextViewTest, TextFillsItsFixedCellsWhateverFontTheFaceMapsTo)
{
    LOGFONTA lf = {};
    lf.lfHeight = 14;
    lf.lfCharSet = GB2312_CHARSET;
    lstrcpynA(lf.lfFaceName, "宋体", LF_FACESIZE);
    m_pView->SetFont(lf);
    Load("Dim n\r\nWWWWWW\r\niiiiii");
    {
        CClientDC dc(m_pView->m_hWnd);
        CFxSelectGuard guard(&dc, m_pView->GetFont());
        for (const char* psz : {"i", "m", "W", " ", "n"}) {
            SCOPED_TRACE(psz);
            EXPECT_EQ(m_pView->GetCharWidth(), dc.GetTextExtent(psz, 1).cx);
        }
    }
    CRect rc;
    m_pView->GetClientRect(&rc);
    CTestDib dib(rc.Width(), rc.Height());
    m_pView->OnDraw(&dib.DC());
    SavePng(TestImagePath("code-view-fixed-cells.png").c_str(), dib.Bits(), dib.Width(), dib.Height());
}

TEST_F(CodeTextViewTest, KeywordsAreReSpelledOnScreenButNotInTheText)
{
    Load("end if");
    CRect rc;
    m_pView->GetClientRect(&rc);
    CTestDib dib(rc.Width(), rc.Height());
    m_pView->OnDraw(&dib.DC());
    CString strText;
    m_buffer.GetAllText(strText);
    EXPECT_STREQ("end if", strText);
    EXPECT_FALSE(m_buffer.IsModified());
    EXPECT_FALSE(m_buffer.CanUndo());
}

TEST_F(CodeTextViewTest, ParseStatesFollowEditsOfEarlierLines)
{
    Load("x\r\ny\r\nz");
    EXPECT_EQ(0u, m_pView->GetParseState(2));
    int nEndLine = 0;
    int nEndChar = 0;
    m_buffer.InsertWithUndo(nullptr, 0, 0, "/* ", nEndLine, nEndChar);
    EXPECT_EQ(static_cast<DWORD>(PS_BLOCKCOMMENT), m_pView->GetParseState(2));
    CPoint ptCaret;
    m_buffer.Undo(ptCaret);
    EXPECT_EQ(0u, m_pView->GetParseState(2));
}

std::string Utf16ToGbk(const std::wstring& str)
{
    char sz[256] = {};
    ::WideCharToMultiByte(936, 0, str.c_str(), -1, sz, sizeof(sz), nullptr, nullptr);
    return sz;
}

TEST_F(CodeTextViewTest, PrintsA120LineScriptWithCentredPageFooters)
{
    const std::string strText = ManyLines(120);
    Load(strText.c_str());

    // Recorded on a 600-dpi A4 stand-in: each page's footer, centred between the margins.
    CTestMetafile emf;
    CPrinterLikeDC dc(emf.DC());
    CPrintInfo info;
    m_pView->OnBeginPrinting(&dc, &info);
    const int nPages = m_pView->GetPrintPageCount();
    ASSERT_GE(nPages, 2);
    EXPECT_EQ(static_cast<UINT>(nPages), info.GetMaxPage());
    for (int nPage = 1; nPage <= nPages + 1; ++nPage) {
        info.m_nCurPage = static_cast<UINT>(nPage);
        m_pView->OnPrepareDC(&dc, &info);
        EXPECT_EQ(nPage <= nPages, info.m_bContinuePrinting != FALSE);
        if (info.m_bContinuePrinting) {
            m_pView->OnPrint(&dc, &info);
        }
    }
    m_pView->OnEndPrinting(&dc, &info);

    const int nMargin = ::MulDiv(1000, CPrinterLikeDC::kDpi, 2540);
    const int nAreaLeft = nMargin;
    const int nAreaRight = dc.GetDeviceCaps(HORZRES) - nMargin;
    int nFooters = 0;
    int nLinesPrinted = 0;
    for (const EmfTextCall& call : emf.TextCalls()) {
        const std::string strCall = Utf16ToGbk(call.text);
        if (strCall.rfind("Page ", 0) != 0) {
            ++nLinesPrinted;
            continue;
        }
        ++nFooters;
        EXPECT_EQ("Page " + std::to_string(nFooters) + "/" + std::to_string(nPages), strCall);
        // Measure the footer as the drawing did, with the same font on the reference screen.
        LOGFONTA lf = {};
        memcpy(&lf, &call.font, offsetof(LOGFONTA, lfFaceName));
        ::WideCharToMultiByte(936, 0, call.font.lfFaceName, -1, lf.lfFaceName, LF_FACESIZE, nullptr, nullptr);
        CFont font;
        font.CreateFontIndirect(&lf);
        CTestDib measure(8, 8);
        CFxSelectGuard guard(&measure.DC(), &font);
        const CSize size = measure.DC().GetTextExtent(strCall.c_str(), static_cast<int>(strCall.size()));
        const int nLeftGap = call.ptReference.x - nAreaLeft;
        const int nRightGap = nAreaRight - (call.ptReference.x + size.cx);
        EXPECT_NEAR(nLeftGap, nRightGap, 3) << strCall;
    }
    EXPECT_EQ(nPages, nFooters);
    EXPECT_EQ(120, nLinesPrinted);

    // The whole loop on Wine's PostScript printer, to a file.
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    ASSERT_TRUE(SelectTestPrinter(&m_app));
    CTestTempFolder temp;
    m_pView->m_strOutput = temp.PathOf("script.ps");
    CTestUi ui;
    m_app.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
    const std::string strPs = ReadWholeFile(m_pView->m_strOutput);
    ASSERT_FALSE(strPs.empty());
    int nPsPages = 0;
    for (size_t nAt = strPs.find("%%Page: "); nAt != std::string::npos; nAt = strPs.find("%%Page: ", nAt + 1)) {
        ++nPsPages;
    }
    EXPECT_GE(nPsPages, 2);
    EXPECT_TRUE(ui.GetBoxes().empty());
    const std::string strKept = TestImagePath("code-view-print.ps");
    ::CopyFileA(m_pView->m_strOutput, strKept.c_str(), FALSE);
    RenderPostScript(strKept.c_str(), TestImagePath("code-view-print-%d.png").c_str());
}
} // namespace

namespace
{
// OLE (not only COM) for the drag loop and drop registration.
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

// A window outside the view that takes drops and keeps what came.
class CTextDropTarget : public COleDropTarget
{
public:
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) override { return m_dwAnswer; }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) override { return m_dwAnswer; }
    BOOL OnDrop(CWnd*, COleDataObject* pData, DROPEFFECT dropEffect, CPoint) override
    {
        m_dwDropped = dropEffect;
        return pData->GetText(m_strDropped);
    }
    DROPEFFECT m_dwAnswer = DROPEFFECT_MOVE;
    DROPEFFECT m_dwDropped = DROPEFFECT_NONE;
    CString m_strDropped;
};

// A pane made by the splitter from its class; all panes show one buffer.
class CSplitCodeView : public CVbTestView
{
    FX_DECLARE_DYNCREATE(CSplitCodeView)

public:
    static CCodeTextBuffer* s_pBuffer;

protected:
    CCodeTextBuffer* GetTextBuffer() override { return s_pBuffer; }
};

CCodeTextBuffer* CSplitCodeView::s_pBuffer = nullptr;

FX_IMPLEMENT_DYNCREATE(CSplitCodeView, CVbTestView)

std::string NumberedLines(int nLines)
{
    std::string str;
    for (int i = 0; i < nLines; ++i) {
        str += (i > 0 ? "\r\n" : "") + std::string("\tx = x + ") + std::to_string(i) + " ' 第" + std::to_string(i) +
               "行 and some more words to make the line wider than the pane";
    }
    return str;
}
} // namespace

// Without a target that takes a move, the text view offers copy only and never changes its text.
TEST_F(CodeTextViewTest, DragsTheSelectionOutAsText)
{
    COleScope ole;
    ASSERT_TRUE(SUCCEEDED(ole.m_hr));
    CWnd target;
    ASSERT_TRUE(
        target.CreateEx(WS_EX_TOPMOST, nullptr, "drop", WS_POPUP | WS_VISIBLE, 500, 40, 120, 80, nullptr, nullptr));
    CTextDropTarget dropTarget;
    ASSERT_TRUE(dropTarget.Register(&target));
    ASSERT_TRUE(::SetCursorPos(540, 70));

    struct DragCase
    {
        const char* szName;
        DROPEFFECT dwAnswer;
        DROPEFFECT dwDropped;
        const char* szDropped;
    };
    const DragCase cases[] = {
        {"a copy is taken", DROPEFFECT_COPY, DROPEFFECT_COPY, "WorkHours(n)\r\n\tDim"},
        {"a move is not offered", DROPEFFECT_MOVE, DROPEFFECT_NONE, ""},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Load(kScript);
        m_pView->SetAnchorPos(CPoint(9, 1));
        m_pView->SetCursorPos(CPoint(4, 2));
        m_pView->SetSelection(CPoint(9, 1), CPoint(4, 2));
        dropTarget.m_dwAnswer = c.dwAnswer;
        dropTarget.m_dwDropped = DROPEFFECT_NONE;
        dropTarget.m_strDropped.Empty();
        // Button down inside the selection, then the first move starts the drag; no button is
        // held, so the drag loop drops at once where the cursor is.
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(CPoint(12, 1)));
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, PointOf(CPoint(13, 1)));
        EXPECT_FALSE(m_pView->IsDraggingOut());
        EXPECT_EQ(c.dwDropped, dropTarget.m_dwDropped);
        EXPECT_STREQ(c.szDropped, dropTarget.m_strDropped);
        CString strAll;
        m_buffer.GetAllText(strAll);
        EXPECT_STREQ(kScript, strAll);
        EXPECT_FALSE(m_buffer.CanUndo());
        EXPECT_STREQ("WorkHours(n)|\tDim", Selected());
        // The button-up after the drag places nothing.
        Mouse(WM_LBUTTONUP, 0, PointOf(CPoint(13, 1)));
        EXPECT_STREQ("WorkHours(n)|\tDim", Selected());
    }
    dropTarget.Revoke();
}

TEST_F(CodeTextViewTest, PanesOfASplitterScrollTogether)
{
    const std::string strText = NumberedLines(60);
    Load(strText.c_str());
    CSplitCodeView::s_pBuffer = &m_buffer;
    // The frame deletes itself with its window; the splitter's window goes with it.
    CSplitterWnd splitter;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->CreateEx(0, nullptr, "脚本 - 分割", WS_OVERLAPPEDWINDOW, 0, 0, 560, 400, nullptr, nullptr));
    ASSERT_TRUE(splitter.CreateStatic(pFrame, 2, 2, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            ASSERT_TRUE(splitter.CreateView(row, col, FX_RUNTIME_CLASS(CSplitCodeView), CSize(260, 150), nullptr));
        }
    }
    pFrame->RecalcLayout();
    auto pane = [&](int row, int col) { return static_cast<CSplitCodeView*>(splitter.GetPane(row, col)); };
    // Inside a splitter a pane has no bars of its own.
    EXPECT_EQ(0, pane(0, 0)->GetStyle() & (WS_VSCROLL | WS_HSCROLL));

    // The first pane scrolls before the others are updated; each new pane starts where its
    // siblings are: the line of the pane at the left of its row, the column of the top pane.
    pane(0, 0)->OnInitialUpdate();
    pane(0, 0)->ScrollToTopLine(12);
    pane(0, 0)->ScrollToColumn(5);
    pane(0, 1)->OnInitialUpdate();
    EXPECT_EQ(12, pane(0, 1)->GetTopLine());
    EXPECT_EQ(0, pane(0, 1)->GetFirstColumn());
    pane(1, 0)->OnInitialUpdate();
    EXPECT_EQ(0, pane(1, 0)->GetTopLine());
    EXPECT_EQ(5, pane(1, 0)->GetFirstColumn());
    pane(1, 1)->OnInitialUpdate();

    struct ScrollCase
    {
        const char* szName;
        int row;
        int col;
        bool bColumn; // scroll sideways, else to a line
        int nTo;
        int nTop[2][2];
        int nFirstCol[2][2];
    };
    const ScrollCase cases[] = {
        {"a line: the panes of its row follow", 1, 1, false, 30, {{12, 12}, {30, 30}}, {{5, 0}, {5, 0}}},
        {"a column: the panes of its column follow", 0, 1, true, 7, {{12, 12}, {30, 30}}, {{5, 7}, {5, 7}}},
        {"the top left pane", 0, 0, false, 3, {{3, 3}, {30, 30}}, {{5, 7}, {5, 7}}},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (c.bColumn) {
            pane(c.row, c.col)->ScrollToColumn(c.nTo);
        } else {
            pane(c.row, c.col)->ScrollToTopLine(c.nTo);
        }
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 2; ++col) {
                EXPECT_EQ(c.nTop[row][col], pane(row, col)->GetTopLine()) << row << "," << col;
                EXPECT_EQ(c.nFirstCol[row][col], pane(row, col)->GetFirstColumn()) << row << "," << col;
            }
        }
    }

    // The shared bar of a row shows its line; the splitter hands the bar's scrolling to a pane
    // of the row and the row follows.
    HWND hBar = splitter.GetScrollBarCtrl(pane(1, 0), SB_VERT);
    ASSERT_NE(nullptr, hBar);
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    ASSERT_TRUE(::GetScrollInfo(hBar, SB_CTL, &si));
    EXPECT_EQ(30, si.nPos);
    EXPECT_EQ(59, si.nMax);
    EXPECT_TRUE(::IsWindowEnabled(hBar));
    splitter.SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(hBar));
    EXPECT_EQ(31, pane(1, 0)->GetTopLine());
    EXPECT_EQ(31, pane(1, 1)->GetTopLine());
    EXPECT_EQ(3, pane(0, 0)->GetTopLine());

    pFrame->ShowWindow(SW_SHOWNA);
    pane(0, 0)->SetFocus();
    pane(0, 0)->SetCursorPos(CPoint(8, 5));
    pane(0, 0)->SetSelection(CPoint(1, 4), CPoint(8, 5));
    EXPECT_TRUE(SaveWindowPicture(pFrame->m_hWnd, "code-view-split-panes.png"));

    // A text that fits leaves the shared bars disabled.
    Load("Dim a");
    HWND hHorz = splitter.GetScrollBarCtrl(pane(0, 0), SB_HORZ);
    EXPECT_FALSE(::IsWindowEnabled(hBar));
    EXPECT_FALSE(::IsWindowEnabled(hHorz));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            pane(row, col)->DetachBuffer();
        }
    }
    pFrame->DestroyWindow();
    CSplitCodeView::s_pBuffer = nullptr;
}
