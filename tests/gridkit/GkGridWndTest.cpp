#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gridkit/GkGridWnd.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/win/Dialog.h"
#include "support/DibCanvas.h"
#include "support/PngFile.h"
#include "support/UiDriver.h"
#include "tests/gridkit/res/gktest_resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestClipboard.h"

namespace
{
// A grid that writes down its notices in the order they come.
class CNoticeGrid : public CGkGridWnd
{
public:
    std::vector<std::string> m_notices;

    void SetModified(BOOL bModified) override
    {
        m_notices.push_back(bModified ? "modified" : "saved");
        CGkGridWnd::SetModified(bModified);
    }

protected:
    void OnCurrentCellMoved(UINT nRow, UINT nCol) override { m_notices.push_back(Say("move", nRow, nCol)); }
    void OnCellModified(UINT nRow, UINT nCol) override { m_notices.push_back(Say("modify", nRow, nCol)); }
    void OnCellClicked(UINT nRow, UINT nCol) override { m_notices.push_back(Say("click", nRow, nCol)); }

    static std::string Say(const char* psz, UINT nRow, UINT nCol)
    {
        return std::string(psz) + " " + std::to_string(nRow) + "," + std::to_string(nCol);
    }
};

// The test dialog: one grid subclasses its control, the other is created beside it.
class GkGridWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
        ASSERT_TRUE(m_dlg.Create(IDD_GKTEST_GRIDS));
        ASSERT_TRUE(m_subclassed.SubclassDlgItem(IDC_GKTEST_GRID, &m_dlg));
        m_subclassed.InitGrid();
        CRect rc(380, 12, 730, 300);
        ASSERT_TRUE(m_created.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rc, &m_dlg, IDC_GKTEST_CREATED));
        m_created.InitGrid();
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    // Every control kind in one row each, and a read-only cell.
    static void FillKinds(CGkGridWnd& grid)
    {
        grid.SetRowCount(6);
        grid.SetColCount(3);
        grid.SetColWidth(1, 90);
        grid.SetCellValue(0, 1, "名称");
        grid.SetCellValue(0, 2, "排序方式");
        grid.SetCellValue(0, 3, "降序");
        CGkStyle drop;
        drop.SetControl(GK_CTRL_DROPLIST).SetChoiceList("自动\n整数\n浮点数").SetValue("自动");
        grid.ApplyStyle(CGkRange(1, 2, 6, 2), drop);
        CGkStyle check;
        check.SetControl(GK_CTRL_CHECK).SetValue("0");
        grid.ApplyStyle(CGkRange(1, 3, 6, 3), check);
        grid.SetCellValue(1, 1, "零件号");
        CGkStyle locked;
        locked.SetReadOnly(TRUE).SetValue("只读").SetInterior(RGB(230, 230, 230));
        grid.ApplyStyle(CGkRange(2, 1, 2, 3), locked);
    }

    static void Key(HWND hWnd, UINT nKey) { ::SendMessageA(hWnd, WM_KEYDOWN, nKey, 1); }
    static void Click(CGkGridWnd& grid, UINT nRow, UINT nCol)
    {
        CRect rc;
        ASSERT_TRUE(grid.GetCellRect(nRow, nCol, rc));
        const LPARAM lPoint = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        grid.SendMessage(WM_LBUTTONUP, 0, lPoint);
    }
    static HWND Editor(CGkGridWnd& grid, LPCSTR pszClass)
    {
        HWND hEditor = ::FindWindowExA(grid.m_hWnd, nullptr, pszClass, nullptr);
        // The dialog stays hidden, so the editor's own style tells whether it is shown.
        return hEditor != nullptr && (::GetWindowLongA(hEditor, GWL_STYLE) & WS_VISIBLE) != 0 ? hEditor : nullptr;
    }

    CDialog m_dlg;
    CNoticeGrid m_subclassed;
    CNoticeGrid m_created;
};
} // namespace

TEST_F(GkGridWndTest, DialogHostsACreatedAndASubclassedGrid)
{
    for (CNoticeGrid* pGrid : {&m_subclassed, &m_created}) {
        FillKinds(*pGrid);
        EXPECT_EQ(6u, pGrid->GetRowCount());
        EXPECT_EQ(3u, pGrid->GetColCount());
        EXPECT_EQ(m_dlg.m_hWnd, ::GetParent(pGrid->m_hWnd));
        EXPECT_STREQ("排序方式", pGrid->GetCellValue(0, 2));
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(m_dlg.GetDlgItem(IDC_GKTEST_GRID)->m_hWnd), &m_subclassed);
    EXPECT_EQ(IDC_GKTEST_CREATED, m_created.GetDlgCtrlID());
    // Row operations through the window keep the cells with their rows.
    ASSERT_TRUE(m_created.MoveRows(1, 1, 3));
    EXPECT_STREQ("零件号", m_created.GetCellValue(3, 1));
    EXPECT_STREQ("只读", m_created.GetCellValue(1, 1));
    EXPECT_TRUE(SaveWindowPicture(m_dlg.m_hWnd, "gridkit-dialog.png"));
}

TEST_F(GkGridWndTest, DropDownCellIsEditedByKeys)
{
    FillKinds(m_created);
    ASSERT_TRUE(m_created.SetCurrentCell(1, 2));
    Key(m_created.m_hWnd, VK_F2);
    HWND hCombo = Editor(m_created, "ComboBox");
    ASSERT_NE(nullptr, hCombo);
    EXPECT_EQ(3, ::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0)); // the cell's value is chosen
    Key(hCombo, VK_DOWN);
    Key(hCombo, VK_RETURN);
    EXPECT_EQ(nullptr, Editor(m_created, "ComboBox"));
    EXPECT_STREQ("整数", m_created.GetCellValue(1, 2));
    EXPECT_EQ((std::vector<std::string>{"move 1,2", "modified", "modify 1,2"}), m_created.m_notices);
    EXPECT_TRUE(m_created.IsModified());

    // Escape drops the choice; choosing the same value again tells nothing.
    m_created.m_notices.clear();
    Key(m_created.m_hWnd, VK_F4);
    hCombo = Editor(m_created, "ComboBox");
    ASSERT_NE(nullptr, hCombo);
    Key(hCombo, VK_DOWN);
    Key(hCombo, VK_ESCAPE);
    EXPECT_STREQ("整数", m_created.GetCellValue(1, 2));
    Key(m_created.m_hWnd, VK_F2);
    Key(Editor(m_created, "ComboBox"), VK_RETURN);
    EXPECT_TRUE(m_created.m_notices.empty());
}

TEST_F(GkGridWndTest, DropDownWithoutChoicesShowsAnEmptyList)
{
    struct ChoiceCase
    {
        const char* szName;
        const char* szChoices;
        int nItems;
    };
    const ChoiceCase cases[] = {
        {"no choices", "", 0},
        {"a trailing line feed adds no item", "甲\n乙\n", 2},
        {"GBK items", "表头\n页面\n表中", 3},
    };
    FillKinds(m_created);
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CGkStyle drop;
        drop.SetControl(GK_CTRL_DROPLIST).SetChoiceList(c.szChoices).SetValue("原值");
        ASSERT_TRUE(m_created.ApplyStyle(CGkRange(4, 2), drop));
        m_created.SetCurrentCell(4, 2);
        m_created.m_notices.clear();
        Key(m_created.m_hWnd, VK_F4);
        HWND hCombo = Editor(m_created, "ComboBox");
        ASSERT_NE(nullptr, hCombo);
        EXPECT_EQ(c.nItems, ::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(CB_ERR, ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0)); // the value is no choice
        Key(hCombo, VK_RETURN);
        // Nothing chosen keeps the value.
        EXPECT_STREQ("原值", m_created.GetCellValue(4, 2));
        EXPECT_TRUE(m_created.m_notices.empty());
    }
}

TEST_F(GkGridWndTest, ClickTogglesTheMarkAndNoticesComeInOrder)
{
    FillKinds(m_subclassed);
    ASSERT_TRUE(m_subclassed.SetCurrentCell(1, 1));
    m_subclassed.m_notices.clear();
    Click(m_subclassed, 3, 3);
    EXPECT_STREQ("1", m_subclassed.GetCellValue(3, 3));
    EXPECT_EQ((std::vector<std::string>{"move 3,3", "modified", "modify 3,3", "click 3,3"}), m_subclassed.m_notices);
    m_subclassed.m_notices.clear();
    Click(m_subclassed, 3, 3);
    EXPECT_STREQ("0", m_subclassed.GetCellValue(3, 3));
    EXPECT_EQ((std::vector<std::string>{"modified", "modify 3,3", "click 3,3"}), m_subclassed.m_notices);
    // The space key marks as a click does.
    m_subclassed.m_notices.clear();
    Key(m_subclassed.m_hWnd, VK_SPACE);
    EXPECT_STREQ("1", m_subclassed.GetCellValue(3, 3));
    EXPECT_EQ((std::vector<std::string>{"modified", "modify 3,3"}), m_subclassed.m_notices);
    // A click on plain text only moves and tells of the click.
    m_subclassed.m_notices.clear();
    Click(m_subclassed, 4, 1);
    EXPECT_EQ((std::vector<std::string>{"move 4,1", "click 4,1"}), m_subclassed.m_notices);
    EXPECT_EQ(nullptr, Editor(m_subclassed, "Edit"));
}

TEST_F(GkGridWndTest, ReadOnlyCellsRefuseEdits)
{
    FillKinds(m_created);
    struct LockedCase
    {
        const char* szName;
        UINT nCol;
        void (*pfn)(CGkGridWnd& grid);
    };
    const LockedCase cases[] = {
        {"F2 on text", 1, [](CGkGridWnd& g) { Key(g.m_hWnd, VK_F2); }},
        {"typing on text", 1, [](CGkGridWnd& g) { g.SendMessage(WM_CHAR, 'x', 1); }},
        {"F4 on a drop-down", 2, [](CGkGridWnd& g) { Key(g.m_hWnd, VK_F4); }},
        {"click on a drop-down", 2, [](CGkGridWnd& g) { Click(g, 2, 2); }},
        {"click on a mark", 3, [](CGkGridWnd& g) { Click(g, 2, 3); }},
        {"space on a mark", 3, [](CGkGridWnd& g) { Key(g.m_hWnd, VK_SPACE); }},
    };
    for (const LockedCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_created.SetCurrentCell(2, c.nCol);
        m_created.m_notices.clear();
        c.pfn(m_created);
        EXPECT_FALSE(m_created.IsEditing());
        EXPECT_EQ(nullptr, Editor(m_created, "Edit"));
        EXPECT_EQ(nullptr, Editor(m_created, "ComboBox"));
        EXPECT_STREQ("只读", m_created.GetCellValue(2, c.nCol));
        for (const std::string& str : m_created.m_notices) {
            EXPECT_EQ(0u, str.find("click")) << str;
        }
    }
    EXPECT_FALSE(m_created.IsModified());
    // The caller still writes it.
    EXPECT_TRUE(m_created.SetCellValue(2, 1, "改"));
    EXPECT_STREQ("改", m_created.GetCellValue(2, 1));
}

TEST_F(GkGridWndTest, TypingEditsTextInPlace)
{
    FillKinds(m_created);
    m_created.SetCurrentCell(3, 1);
    m_created.m_notices.clear();
    m_created.SendMessage(WM_CHAR, 'A', 1);
    HWND hEdit = Editor(m_created, "Edit");
    ASSERT_NE(nullptr, hEdit);
    ::SendMessageA(hEdit, WM_CHAR, 'B', 1);
    char szText[16] = "";
    ::GetWindowTextA(hEdit, szText, sizeof(szText));
    EXPECT_STREQ("AB", szText);
    Key(hEdit, VK_DOWN); // commits and moves on
    EXPECT_STREQ("AB", m_created.GetCellValue(3, 1));
    EXPECT_EQ((std::vector<std::string>{"modified", "modify 3,1", "move 4,1"}), m_created.m_notices);

    // Escape keeps the old text; a GBK text goes in and comes out whole.
    Key(m_created.m_hWnd, VK_F2);
    hEdit = Editor(m_created, "Edit");
    ASSERT_NE(nullptr, hEdit);
    ::SetWindowTextA(hEdit, "丢弃");
    Key(hEdit, VK_ESCAPE);
    EXPECT_STREQ("", m_created.GetCellValue(4, 1));
    Key(m_created.m_hWnd, VK_F2);
    ::SetWindowTextA(Editor(m_created, "Edit"), "工序卡");
    Key(Editor(m_created, "Edit"), VK_RETURN);
    EXPECT_STREQ("工序卡", m_created.GetCellValue(4, 1));
}

namespace
{
// One Chinese character as each kind of input gives it to a window.
enum TypingKind { imeChar, unicodeChar, bytePairs };

void TypeChinese(HWND hWnd, TypingKind kind, LPCSTR pszGbkChar, LPCWSTR pszUtf16Char)
{
    const BYTE chLead = static_cast<BYTE>(pszGbkChar[0]);
    const BYTE chTrail = static_cast<BYTE>(pszGbkChar[1]);
    switch (kind) {
    case imeChar:
        // The input method gives the whole character, lead byte high, to an ANSI window.
        ::PostMessageA(hWnd, WM_IME_CHAR, static_cast<WPARAM>((chLead << 8) | chTrail), 1);
        break;
    case unicodeChar:
        ::PostMessageW(hWnd, WM_CHAR, static_cast<WPARAM>(pszUtf16Char[0]), 1);
        break;
    case bytePairs:
        ::PostMessageA(hWnd, WM_CHAR, chLead, 1);
        ::PostMessageA(hWnd, WM_CHAR, chTrail, 1);
        break;
    }
    // Wine's modal dialog loop takes messages as UTF-16, the framework's own loop as GBK bytes.
    if (kind == unicodeChar) {
        PumpTestMessagesW();
    } else {
        PumpTestMessages();
    }
}
} // namespace

TEST_F(GkGridWndTest, ChineseTypedIntoATextCellStaysWhole)
{
    FillKinds(m_created);
    // 齿轮轴 in GBK and in UTF-16, character by character.
    const char* const gbk[] = {"\xB3\xDD", "\xC2\xD6", "\xD6\xE1"};
    const wchar_t* const utf16[] = {L"\u9F7F", L"\u8F6E", L"\u8F74"};
    struct TypingCase
    {
        const char* szName;
        TypingKind kind;
        BOOL bF2First; // F2 opens the editor, else the first character does
    };
    const TypingCase cases[] = {
        {"input method, typed over the cell", imeChar, FALSE},
        {"UTF-16 characters of a Unicode loop, typed over the cell", unicodeChar, FALSE},
        {"GBK byte pairs of an ANSI loop, typed over the cell", bytePairs, FALSE},
        {"input method after F2", imeChar, TRUE},
        {"UTF-16 characters after F2", unicodeChar, TRUE},
        {"GBK byte pairs after F2", bytePairs, TRUE},
    };
    UINT nRow = 3;
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_created.SetCurrentCell(nRow, 1);
        HWND hTarget = m_created.m_hWnd;
        if (c.bF2First) {
            m_created.SetCellValue(nRow, 1, "旧值");
            Key(m_created.m_hWnd, VK_F2);
            hTarget = Editor(m_created, "Edit");
            ASSERT_NE(nullptr, hTarget);
        }
        for (int i = 0; i < 3; ++i) {
            TypeChinese(hTarget, c.kind, gbk[i], utf16[i]);
            // From the first character on, the keys go to the editor that has the focus.
            hTarget = Editor(m_created, "Edit");
            ASSERT_NE(nullptr, hTarget) << i;
        }
        char szText[32] = "";
        ::GetWindowTextA(hTarget, szText, sizeof(szText));
        EXPECT_STREQ("齿轮轴", szText);
        Key(hTarget, VK_RETURN);
        EXPECT_STREQ("齿轮轴", m_created.GetCellValue(nRow, 1));
        ++nRow;
        if (nRow > 6) {
            nRow = 3;
        }
    }
    // A Latin letter after a character still types as itself.
    m_created.SetCurrentCell(6, 1);
    TypeChinese(m_created.m_hWnd, bytePairs, gbk[0], utf16[0]);
    HWND hEdit = Editor(m_created, "Edit");
    ASSERT_NE(nullptr, hEdit);
    ::PostMessageA(hEdit, WM_CHAR, 'M', 1);
    ::PostMessageW(hEdit, WM_CHAR, L'8', 1);
    PumpTestMessagesW();
    char szText[32] = "";
    ::GetWindowTextA(hEdit, szText, sizeof(szText));
    EXPECT_STREQ("齿M8", szText);
    Key(hEdit, VK_ESCAPE);
}

TEST_F(GkGridWndTest, ChinesePastedIntoTheEditorStaysWhole)
{
    FillKinds(m_created);
    m_created.SetCurrentCell(3, 1);
    m_created.SetCellValue(3, 1, "零件");
    Key(m_created.m_hWnd, VK_F2);
    HWND hEdit = Editor(m_created, "Edit");
    ASSERT_NE(nullptr, hEdit);
    ASSERT_TRUE(TestPutClipboardText(m_dlg.m_hWnd, "齿轮轴"));
    // The paste command, over the selected old text.
    ::SendMessageA(hEdit, WM_PASTE, 0, 0);
    char szText[32] = "";
    ::GetWindowTextA(hEdit, szText, sizeof(szText));
    EXPECT_STREQ("齿轮轴", szText);
    // Ctrl+V as a Unicode loop hands it on, at the end of the text.
    ::PostMessageW(hEdit, WM_CHAR, 0x16, 1);
    PumpTestMessagesW();
    ::GetWindowTextA(hEdit, szText, sizeof(szText));
    EXPECT_STREQ("齿轮轴齿轮轴", szText);
    Key(hEdit, VK_RETURN);
    EXPECT_STREQ("齿轮轴齿轮轴", m_created.GetCellValue(3, 1));
}

TEST_F(GkGridWndTest, HeadingsSelectRowsAndDragsSelectRanges)
{
    FillKinds(m_created);
    CGkRange range;
    EXPECT_FALSE(m_created.GetFirstSelectedRange(range));
    Click(m_created, 3, 0);
    ASSERT_TRUE(m_created.GetFirstSelectedRange(range));
    EXPECT_EQ(CGkRange(3, 1, 3, 3), range);
    UINT nRow = 0;
    UINT nCol = 0;
    ASSERT_TRUE(m_created.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(3u, nRow);

    CRect rcFrom;
    CRect rcTo;
    ASSERT_TRUE(m_created.GetCellRect(1, 1, rcFrom));
    ASSERT_TRUE(m_created.GetCellRect(4, 2, rcTo));
    m_created.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcFrom.CenterPoint().x, rcFrom.CenterPoint().y));
    m_created.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rcTo.CenterPoint().x, rcTo.CenterPoint().y));
    m_created.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcTo.CenterPoint().x, rcTo.CenterPoint().y));
    ASSERT_TRUE(m_created.GetFirstSelectedRange(range));
    EXPECT_EQ(CGkRange(1, 1, 4, 2), range);
    Click(m_created, 5, 1);
    EXPECT_FALSE(m_created.GetFirstSelectedRange(range));
}

TEST_F(GkGridWndTest, KeysAndScrollBarsKeepTheCurrentCellInView)
{
    m_created.SetColCount(10);
    m_created.SetRowCount(5000);
    m_created.SetCurrentCell(1, 1);
    Key(m_created.m_hWnd, VK_NEXT);
    UINT nRow = 0;
    UINT nCol = 0;
    ASSERT_TRUE(m_created.GetCurrentCell(nRow, nCol));
    EXPECT_GT(nRow, 5u);
    EXPECT_GT(m_created.GetTopRow(), 1u);
    CRect rc;
    EXPECT_TRUE(m_created.GetCellRect(nRow, nCol, rc));
    for (int i = 0; i < 9; i++) {
        Key(m_created.m_hWnd, VK_RIGHT);
    }
    ASSERT_TRUE(m_created.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(10u, nCol);
    EXPECT_GT(m_created.GetLeftCol(), 1u);
    EXPECT_TRUE(m_created.GetCellRect(nRow, nCol, rc));

    m_created.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    const UINT nLastTop = m_created.GetTopRow();
    EXPECT_GT(nLastTop, 4980u);
    EXPECT_TRUE(m_created.GetCellRect(5000, 10, rc)); // the last row shows whole
    CRect rcClient;
    m_created.GetClientRect(&rcClient);
    EXPECT_LE(rc.bottom, rcClient.bottom);
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    ::GetScrollInfo(m_created.m_hWnd, SB_VERT, &si);
    EXPECT_EQ(5000, si.nMax);
    EXPECT_EQ(static_cast<int>(nLastTop), si.nPos);
    m_created.SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(nLastTop - 1, m_created.GetTopRow());
    m_created.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(nLastTop - 4, m_created.GetTopRow());
    Key(m_created.m_hWnd, VK_HOME);
    ASSERT_TRUE(m_created.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(1u, nCol);
    EXPECT_EQ(1u, m_created.GetLeftCol());

    // Removing rows under the view pulls the view back.
    m_created.SetRowCount(3);
    EXPECT_EQ(1u, m_created.GetTopRow());
}

TEST_F(GkGridWndTest, DrawsHeadingsControlsColoursAndChineseFonts)
{
    CNoticeGrid& grid = m_created;
    FillKinds(grid);
    ASSERT_TRUE(grid.RegisterBitmapControl(0xF011, IDB_GKTEST_MARK));
    EXPECT_FALSE(grid.RegisterBitmapControl(0xF012, 9999));
    grid.SetRowCount(7);
    grid.GetHeaderStyle().SetFontFace("黑体").SetFontWeight(FW_BOLD).SetTextColor(RGB(0, 0, 255));
    CGkStyle bitmap;
    bitmap.SetControl(0xF011);
    grid.ApplyStyle(CGkRange(3, 3), bitmap);
    CGkStyle colour;
    colour.SetInterior(RGB(0x9B, 0xE1, 0xB7)).SetValue("新增行");
    grid.ApplyStyle(CGkRange(4, 1), colour);
    CGkStyle big;
    big.SetFontFace("宋体").SetFontSize(14).SetFontWeight(FW_BOLD).SetValue("工艺卡").SetTextColor(RGB(200, 0, 0));
    grid.ApplyStyle(CGkRange(5, 1), big);
    grid.SetRowHeight(5, 30);
    grid.SetCellValue(1, 3, "1");
    grid.SetCurrentCell(6, 1);

    CRect rc;
    grid.GetClientRect(&rc);
    CTestDib dib(rc.Width(), rc.Height());
    grid.DrawGrid(&dib.DC(), rc);
    EXPECT_TRUE(SavePng(TestImagePath("gridkit-kinds.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));

    CRect rcCell;
    ASSERT_TRUE(grid.GetCellRect(4, 1, rcCell));
    EXPECT_EQ(RGB(0x9B, 0xE1, 0xB7), dib.Pixel(rcCell.right - 4, rcCell.top + 2));
    ASSERT_TRUE(grid.GetCellRect(3, 3, rcCell));
    EXPECT_EQ(RGB(0, 160, 0), dib.Pixel(rcCell.CenterPoint().x, rcCell.CenterPoint().y));
    ASSERT_TRUE(grid.GetCellRect(0, 2, rcCell));
    EXPECT_GT(dib.CountInk(rcCell, GetSysColor(COLOR_BTNFACE)), 20); // heading text
    ASSERT_TRUE(grid.GetCellRect(5, 1, rcCell));
    EXPECT_EQ(30, rcCell.Height());
    EXPECT_GT(dib.CountInk(rcCell), 40);
    // The current cell's frame.
    ASSERT_TRUE(grid.GetCellRect(6, 1, rcCell));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(rcCell.left + 1, rcCell.CenterPoint().y));

    // The window paints the same picture on screen.
    EXPECT_TRUE(SaveWindowPicture(m_dlg.m_hWnd, "gridkit-window.png"));
}
