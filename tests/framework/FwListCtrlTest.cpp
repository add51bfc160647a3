#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/FwListCtrl.h"
#include "framework/FwListTip.h"
#include "platform/base/Archive.h"
#include "platform/base/MemFile.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/ImageList.h"
#include "tests/framework/FwTestHost.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

namespace
{
// The selected indexes, ascending.
std::vector<int> Selection(const FwListCtrl& list)
{
    std::vector<int> selected;
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i >= 0; i = list.GetNextItem(i, LVNI_SELECTED)) {
        selected.push_back(i);
    }
    return selected;
}

void Fill(FwListCtrl& list, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        list.InsertItem(i, ("item " + std::to_string(i)).c_str());
    }
}

struct Marks
{
    int nFocus;
    int nDrop;
    std::vector<int> selected;
};

void SetMarks(FwListCtrl& list, const Marks& marks)
{
    list.ClearSelection();
    for (int n : marks.selected) {
        list.SelectItem(n, TRUE);
    }
    list.SetCaret(marks.nFocus);
    list.SetDropHilite(marks.nDrop);
}

void ExpectMarks(const FwListCtrl& list, const Marks& marks)
{
    EXPECT_EQ(marks.nFocus, list.GetFocusItem());
    EXPECT_EQ(marks.nDrop, list.GetDropHilite());
    EXPECT_EQ(marks.selected, Selection(list));
}

TEST(FwListCtrlModelTest, InsertingMovesTheMarksWithTheirItems)
{
    struct Case
    {
        const char* szName;
        int nInsertAt;
        Marks before;
        Marks after;
    };
    const Case cases[] = {
        {"before all three marks", 1, {2, 3, {2, 4}}, {3, 4, {3, 5}}},
        {"at the marked index", 2, {2, 2, {2}}, {3, 3, {3}}},
        {"after the marks", 5, {1, 2, {0, 1}}, {1, 2, {0, 1}}},
        {"at the front", 0, {0, 4, {4}}, {1, 5, {5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FwListCtrl list;
        Fill(list, 5);
        SetMarks(list, c.before);
        EXPECT_EQ(c.nInsertAt, list.InsertItem(c.nInsertAt, "new"));
        ExpectMarks(list, c.after);
        EXPECT_EQ(CString("new"), list.GetItemText(c.nInsertAt, 0));
    }
}

TEST(FwListCtrlModelTest, DeletingARangeMovesTheMarks)
{
    struct Case
    {
        const char* szName;
        int nFirst;
        int nCount;
        Marks before;
        Marks after;
    };
    const Case cases[] = {
        {"focus on the second item of the range goes before it", 2, 3, {3, -1, {3}}, {1, -1, {1}}},
        {"focus on the range's first item stays", 2, 3, {2, -1, {2}}, {2, -1, {2}}},
        {"marks after the range move down", 1, 2, {5, 6, {0, 4, 6}}, {3, 4, {0, 2, 4}}},
        {"drop mark on the first index stays", 2, 2, {0, 2, {0}}, {0, 2, {0}}},
        {"drop mark inside the range goes before it", 2, 2, {0, 3, {0}}, {0, 1, {0}}},
        {"selection inside the range is dropped, the caret reselected", 3, 2, {6, -1, {3, 4}}, {4, -1, {4}}},
        {"focus at the end with nothing after goes before", 5, 3, {5, -1, {5}}, {4, -1, {4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FwListCtrl list;
        Fill(list, 8);
        SetMarks(list, c.before);
        EXPECT_TRUE(list.DeleteItems(c.nFirst, c.nCount));
        EXPECT_EQ(8 - c.nCount, list.GetItemCount());
        ExpectMarks(list, c.after);
    }
    FwListCtrl list;
    Fill(list, 2);
    EXPECT_FALSE(list.DeleteItems(2, 1));
    EXPECT_FALSE(list.DeleteItem(-1));
}

TEST(FwListCtrlModelTest, SelectionStaysSortedAndBisectionAgreesWithTheLinearSearch)
{
    FwListCtrl list;
    Fill(list, 30);
    list.ClearSelection();
    const int order[] = {17, 3, 25, 9, 1, 12, 28, 5, 20};
    std::vector<int> expected;
    for (int n : order) {
        ASSERT_TRUE(list.SelectItem(n, TRUE));
        expected.push_back(n);
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(expected, Selection(list));
    }
    // Nine entries: found by bisection.
    for (int i = 0; i < 30; ++i) {
        const bool bExpected = std::find(expected.begin(), expected.end(), i) != expected.end();
        EXPECT_EQ(bExpected, list.IsSelected(i) != FALSE) << i;
    }
    list.InsertItem(10, "new");
    list.DeleteItem(0);
    EXPECT_EQ((std::vector<int>{0, 2, 4, 8, 12, 17, 20, 25, 28}), Selection(list)) << "after inserts and deletes";
    EXPECT_EQ(9, list.GetSelectedCount());
}

TEST(FwListCtrlModelTest, GetNextItemFollowsTheFlags)
{
    FwListCtrl list;
    Fill(list, 6);
    SetMarks(list, {3, 4, {1, 3}});
    list.SetItemState(5, LVIS_CUT, LVIS_CUT);
    struct Case
    {
        const char* szName;
        int nStart;
        UINT nFlags;
        int nExpected;
    };
    const Case cases[] = {
        {"next without a filter", 2, LVNI_ALL, 3},
        {"past the end", 5, LVNI_ALL, -1},
        {"previous", 2, LVNI_ABOVE, 1},
        {"previous of the first", 0, LVNI_ABOVE, -1},
        {"first selected", -1, LVNI_SELECTED, 1},
        {"next selected", 1, LVNI_SELECTED, 3},
        {"selected upward from the first item", 0, LVNI_SELECTED | LVNI_ABOVE, -1},
        {"selected upward", 4, LVNI_SELECTED | LVNI_ABOVE, 3},
        {"focused", -1, LVNI_FOCUSED, 3},
        {"drop-highlighted", -1, LVNI_DROPHILITED, 4},
        {"cut", 0, LVNI_CUT, 5},
        {"selected and focused", -1, LVNI_SELECTED | LVNI_FOCUSED, 3},
        {"downward with an unknown bit", 0, 0x1000, -1},
        {"downward bit", 0, LVNI_BELOW, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nExpected, list.GetNextItem(c.nStart, c.nFlags));
    }
}

class FwListCtrlWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost());
        CRect rc(0, 0, 300, 200);
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | FWLS_REPORT | FWLS_EDITLABELS | FWLS_NOLABELWRAP,
                                  rc, &m_host, 7));
        m_list.InsertColumn(0, "名称", LVCFMT_LEFT, 120);
        m_list.InsertColumn(1, "数量", LVCFMT_RIGHT, 80);
        Fill(m_list, 40);
        m_host.m_notes.clear();
    }
    void TearDown() override
    {
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }

    // The middle of the label of an item that is on screen.
    CPoint LabelPoint(int nItem)
    {
        CRect rc;
        m_list.SiteGetItemRect(nItem, 0, FwListSite::rectLabel, rc);
        return CPoint(rc.left + 4, (rc.top + rc.bottom) / 2);
    }
    void Click(UINT nDown, UINT nUp, CPoint pt)
    {
        m_list.SendMessage(nDown, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_list.SendMessage(nUp, 0, MAKELPARAM(pt.x, pt.y));
    }
    static void PressShift(bool bDown)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = bDown ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    CFwTestHost m_host;
    FwListCtrl m_list;
};

TEST_F(FwListCtrlWndTest, AClickOnTheCaretLabelEditsAfterTheTimerAndADoubleClickDoesNot)
{
    const CPoint pt = LabelPoint(2);
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, pt);
    EXPECT_EQ(2, m_list.GetCaret());
    EXPECT_FALSE(m_list.IsEditTimerArmed()) << "the first click only selects";

    // A double click: down, up (arms), double click (disarms), up.
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, pt);
    EXPECT_TRUE(m_list.IsEditTimerArmed());
    Click(WM_LBUTTONDBLCLK, WM_LBUTTONUP, pt);
    EXPECT_FALSE(m_list.IsEditTimerArmed());
    m_list.SendMessage(WM_TIMER, FW_LIST_EDIT_TIMER, 0);
    EXPECT_EQ(nullptr, m_list.GetEditControl());
    EXPECT_EQ(1, m_host.Count(NM_DBLCLK));

    // A single click on the caret's label: the timer message opens the editor.
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, pt);
    EXPECT_TRUE(m_list.IsEditTimerArmed());
    m_list.SendMessage(WM_TIMER, FW_LIST_EDIT_TIMER, 0);
    EXPECT_FALSE(m_list.IsEditTimerArmed()) << "one shot";
    CWnd* pEdit = m_list.GetEditControl();
    ASSERT_NE(nullptr, pEdit);
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_EQ(CString("item 2"), strText);
    EXPECT_EQ(1, m_host.Count(LVN_BEGINLABELEDITA));

    // Enter accepts when the parent does.
    m_host.m_answers[LVN_ENDLABELEDITA] = 1;
    pEdit->SetWindowText("改名");
    pEdit->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(nullptr, m_list.GetEditControl());
    EXPECT_EQ(CString("改名"), m_list.GetItemText(2, 0));
    EXPECT_EQ("改名", m_host.m_notes.back().strText);
}

TEST_F(FwListCtrlWndTest, LabelEditEndsAsTheParentAndTheKeysSay)
{
    // Refused at the start: no editor.
    m_host.m_answers[LVN_BEGINLABELEDITA] = 1;
    EXPECT_EQ(nullptr, m_list.EditLabel(1));
    EXPECT_EQ(nullptr, m_list.GetEditControl());
    m_host.m_answers.erase(LVN_BEGINLABELEDITA);

    // Escape: the parent hears a cancel and the text stays.
    CWnd* pEdit = m_list.EditLabel(1);
    ASSERT_NE(nullptr, pEdit);
    pEdit->SetWindowText("gone");
    pEdit->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ("(null)", m_host.m_notes.back().strText);
    EXPECT_EQ(CString("item 1"), m_list.GetItemText(1, 0));

    // Accepted by the user, refused by the parent.
    pEdit = m_list.EditLabel(1);
    ASSERT_NE(nullptr, pEdit);
    pEdit->SetWindowText("refused");
    m_list.SiteEndLabelEdit(TRUE);
    EXPECT_EQ("refused", m_host.m_notes.back().strText);
    EXPECT_EQ(CString("item 1"), m_list.GetItemText(1, 0));
}

TEST_F(FwListCtrlWndTest, FreshSubItemTextComesFromTheParentUnlessSetWithDiSetItem)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = 3;
    item.iSubItem = 1;
    item.pszText = const_cast<LPSTR>("12");
    EXPECT_TRUE(m_list.SetItem(&item));
    m_host.m_strDispText = "from parent";
    EXPECT_EQ(CString("from parent"), m_list.GetItemText(3, 1));
    EXPECT_EQ(1, m_host.Count(LVN_GETDISPINFOA));
    item.mask = LVIF_TEXT | LVIF_DI_SETITEM;
    EXPECT_TRUE(m_list.SetItem(&item));
    EXPECT_EQ(CString("12"), m_list.GetItemText(3, 1));
    EXPECT_EQ(1, m_host.Count(LVN_GETDISPINFOA));
}

TEST_F(FwListCtrlWndTest, WheelScrollsOneRowPerWholeNotch)
{
    ASSERT_TRUE(m_list.GetScrollBarsShown() & FWLS_SB_VERT);
    EXPECT_EQ(0, m_list.GetTopIndex());
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), 0);
    EXPECT_EQ(0, m_list.GetTopIndex());
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), 0);
    EXPECT_EQ(1, m_list.GetTopIndex());
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
    EXPECT_EQ(4, m_list.GetTopIndex());
    // Not past the top.
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(1200)), 0);
    EXPECT_EQ(0, m_list.GetTopIndex());
}

TEST_F(FwListCtrlWndTest, ColumnDividerDragKeepsTenPixelsAndCanBeCancelled)
{
    const int yHeader = 9;
    struct Case
    {
        const char* szName;
        int xRelease;
        UINT nEnd; // how the drag ends
        int nWidth;
    };
    const Case cases[] = {
        {"wider", 150, WM_LBUTTONUP, 150},
        {"narrower than ten pixels", 3, WM_LBUTTONUP, 10},
        {"escape leaves the width", 60, WM_KEYDOWN, 120},
        {"right button leaves the width", 60, WM_RBUTTONDOWN, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_list.SetColumnWidth(0, 120);
        m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, yHeader));
        m_list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.xRelease, yHeader));
        if (c.nEnd == WM_KEYDOWN) {
            m_list.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        } else {
            m_list.SendMessage(c.nEnd, 0, MAKELPARAM(c.xRelease, yHeader));
        }
        EXPECT_EQ(c.nWidth, m_list.GetColumnWidth(0));
        EXPECT_NE(m_list.GetSafeHwnd(), ::GetCapture());
    }
}

TEST_F(FwListCtrlWndTest, FitToWidthKeepsEveryColumnAtFivePixels)
{
    m_list.ModifyListExStyle(0, FWLS_EX_FITCOLUMNS);
    CRect rcRows;
    m_list.SiteGetRowsRect(rcRows);
    EXPECT_EQ(rcRows.Width(), m_list.GetColumnWidth(0) + m_list.GetColumnWidth(1)) << "the first column fills up";
    const int xDivider = m_list.GetColumnWidth(0);
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xDivider, 9));
    m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcRows.right + 40, 9));
    EXPECT_EQ(5, m_list.GetColumnWidth(1));
    EXPECT_GE(m_list.GetColumnWidth(0), 5);
}

TEST_F(FwListCtrlWndTest, TipShowsTheWholeTextOfACutOffCell)
{
    m_list.SetInfoTips(TRUE);
    m_list.SetItemText(1, 0, "一个很长很长的工序名称，远远超过列宽");
    m_host.ShowWindow(SW_SHOW);
    SetActiveWindow(m_host.GetSafeHwnd());
    ASSERT_NE(nullptr, GetActiveWindow());
    const CPoint ptLong = LabelPoint(1);
    m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptLong.x, ptLong.y));
    FwListTip* pTip = m_list.GetTip();
    EXPECT_EQ(1, pTip->GetItem());
    EXPECT_TRUE(pTip->IsWindowVisible());
    // A short text needs no tip; a click hides it.
    const CPoint ptShort = LabelPoint(2);
    m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptShort.x, ptShort.y));
    EXPECT_EQ(-1, pTip->GetItem());
    m_list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptLong.x, ptLong.y));
    EXPECT_EQ(1, pTip->GetItem());
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptShort.x, ptShort.y));
    EXPECT_FALSE(pTip->IsWindowVisible());
}

TEST_F(FwListCtrlWndTest, KeysMoveTheCaretAndShiftExtendsTheSelection)
{
    m_list.SetFocus();
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, LabelPoint(1));
    EXPECT_EQ(1, m_list.GetCaret());
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(2, m_list.GetCaret());
    EXPECT_EQ((std::vector<int>{2}), Selection(m_list));
    PressShift(true);
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    PressShift(false);
    EXPECT_EQ(4, m_list.GetCaret());
    EXPECT_EQ((std::vector<int>{2, 3, 4}), Selection(m_list));
    m_list.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ((std::vector<int>{3}), Selection(m_list));
    m_list.SendMessage(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(39, m_list.GetCaret());
    EXPECT_LE(m_list.GetTopIndex(), 39);
    EXPECT_GE(m_list.GetLastFullyVisible(), 39);
    m_list.SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(0, m_list.GetCaret());
    EXPECT_EQ(0, m_list.GetTopIndex());
    m_list.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(1, m_host.Count(NM_RETURN));
    EXPECT_EQ(static_cast<LRESULT>(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS),
              m_list.SendMessage(WM_GETDLGCODE, 0, 0));

    // Home on an empty list does nothing.
    m_list.DeleteAllItems();
    m_list.SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(-1, m_list.GetCaret());
}

TEST_F(FwListCtrlWndTest, ReportViewWithGridLinesIsPainted)
{
    m_list.ModifyListExStyle(0, FWLS_EX_HORZGRID | FWLS_EX_VERTGRID | FWLS_EX_FULLROWSELECT);
    m_list.ModifyListStyle(0, FWLS_SHOWSELALWAYS);
    m_list.InsertColumn(2, "备注", LVCFMT_LEFT, 160);
    for (int i = 0; i < 40; ++i) {
        m_list.SetItemText(i, 1, std::to_string(i * 3).c_str());
        m_list.SetItemText(i, 2, i % 2 ? "加工" : "检验");
    }
    m_list.ClearSelection();
    m_list.SelectItem(2, TRUE);
    m_list.SetCaret(2);
    EXPECT_EQ(static_cast<DWORD>(FWLS_SB_HORZ | FWLS_SB_VERT), m_list.GetScrollBarsShown());

    CRect rcClient;
    m_list.GetClientRect(&rcClient);
    CTestDib dib(rcClient.Width(), rcClient.Height());
    m_list.PaintTo(&dib.DC(), rcClient, rcClient);
    const COLORREF crGrid = GetSysColor(COLOR_BTNSHADOW);
    // The vertical grid line at the first column's edge, below the header.
    EXPECT_EQ(crGrid, dib.Pixel(119, 30));
    EXPECT_EQ(crGrid, dib.Pixel(199, 60));
    // A horizontal line under a row of the second column.
    int nGridRows = 0;
    for (int y = 19; y < rcClient.Height(); ++y) {
        nGridRows += dib.Pixel(150, y) == crGrid ? 1 : 0;
    }
    EXPECT_GT(nGridRows, 5);
    // The selected row is drawn across in the selection colour.
    CRect rcRow;
    m_list.SiteGetItemRect(2, 2, FwListSite::rectCell, rcRow);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), dib.Pixel(rcRow.right - 3, rcRow.top + 2));
    EXPECT_TRUE(SavePng(TestImagePath("fwlist-report-grid-dib.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));

    // Both scroll bars: the corner square between them is the button face.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), dib.Pixel(rcClient.right - 4, rcClient.bottom - 4));
    m_host.ShowWindow(SW_SHOW);
    EXPECT_TRUE(SaveWindowPicture(m_host.GetSafeHwnd(), "fwlist-report-grid.png"));
}
// Pixels of the list's client area as the screen shows them, over the rows of column 0's edge.
std::vector<COLORREF> BarPixels(FwListCtrl& list, int x)
{
    CClientDC dc(list.GetSafeHwnd());
    std::vector<COLORREF> pixels;
    for (int y = 40; y < 48; ++y) {
        for (int xEach = x - 1; xEach < x + 1; ++xEach) {
            pixels.push_back(GetPixel(dc.m_hDC, xEach, y));
        }
    }
    return pixels;
}

int CountChanged(const std::vector<COLORREF>& before, const std::vector<COLORREF>& after)
{
    int nChanged = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        nChanged += before[i] != after[i] ? 1 : 0;
    }
    return nChanged;
}

TEST_F(FwListCtrlWndTest, ResizeBarIsAHalftoneDragFrameThatFollowsThePointer)
{
    m_host.ShowWindow(SW_SHOW);
    m_host.UpdateWindow();
    m_list.UpdateWindow();
    const std::vector<COLORREF> at120 = BarPixels(m_list, 120);
    const std::vector<COLORREF> at150 = BarPixels(m_list, 150);
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 9));
    // Half the bar's pixels are inverted: a checker, not a solid bar.
    EXPECT_EQ(8, CountChanged(at120, BarPixels(m_list, 120)));
    EXPECT_EQ(0, CountChanged(at150, BarPixels(m_list, 150)));
    m_list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 9));
    EXPECT_EQ(0, CountChanged(at120, BarPixels(m_list, 120))) << "the bar left behind is erased";
    EXPECT_EQ(8, CountChanged(at150, BarPixels(m_list, 150)));
    m_list.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(0, CountChanged(at150, BarPixels(m_list, 150))) << "cancelling erases the bar";
    EXPECT_EQ(120, m_list.GetColumnWidth(0));
}

// Three sixteen-pixel squares of different colours on magenta, the mask colour.
void MakeSquares(CImageList& images)
{
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0));
    CClientDC dcScreen(nullptr);
    for (COLORREF cr : {RGB(230, 180, 40), RGB(60, 120, 200), RGB(40, 160, 80)}) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dcScreen, 16, 16));
        CDC dcMem;
        ASSERT_TRUE(dcMem.CreateCompatibleDC(&dcScreen));
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        CRect rcAll(0, 0, 16, 16);
        dcMem.FillSolidRect(&rcAll, RGB(255, 0, 255));
        CRect rc(2, 3, 14, 13);
        dcMem.FillSolidRect(&rc, cr);
        dcMem.SelectObject(pOld);
        EXPECT_GE(images.Add(&bitmap, RGB(255, 0, 255)), 0);
    }
}

TEST_F(FwListCtrlWndTest, ImageListCopyIsWrittenToAMemoryArchiveAndReadBack)
{
    CImageList source;
    MakeSquares(source);
    ASSERT_TRUE(m_list.SetImageListCopy(&source, 1));
    CImageList* pCopy = m_list.GetImageList(1);
    ASSERT_NE(nullptr, pCopy);
    EXPECT_NE(&source, pCopy);
    EXPECT_NE(source.GetSafeHandle(), pCopy->GetSafeHandle());
    source.DeleteImageList(); // the copy shares nothing with it
    EXPECT_EQ(3, pCopy->GetImageCount());
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(pCopy->GetIconSize(cx, cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    // The second image: its square in its colour, the mask around it left alone.
    CTestDib dib(16, 16);
    ASSERT_TRUE(pCopy->Draw(&dib.DC(), 1, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(RGB(60, 120, 200), dib.Pixel(8, 8));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(0, 0));

    // Nothing to copy: the slot keeps its list.
    CImageList empty;
    EXPECT_FALSE(m_list.SetImageListCopy(&empty, 1));
    EXPECT_FALSE(m_list.SetImageListCopy(nullptr, 1));
    EXPECT_EQ(pCopy, m_list.GetImageList(1));
    // The copy goes with the window even when image lists are shared.
    m_list.ModifyListStyle(0, FWLS_SHAREIMAGELISTS);
    m_list.DestroyWindow();
    EXPECT_EQ(nullptr, m_list.GetImageList(1));
}

TEST(FwListCtrlImageListTest, ADamagedImageListStreamIsRefused)
{
    CImageList source;
    MakeSquares(source);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ASSERT_TRUE(source.Write(&ar));
        ar.Close();
    }
    const ULONGLONG nWhole = file.GetLength();
    ASSERT_GT(nWhole, 16 * 16 * 3u);
    std::vector<BYTE> bytes(static_cast<size_t>(nWhole));
    file.SeekToBegin();
    ASSERT_EQ(nWhole, file.Read(bytes.data(), static_cast<UINT>(nWhole)));
    struct Case
    {
        const char* szName;
        ULONGLONG nLength;
        BOOL bRead;
    };
    const Case cases[] = {
        {"whole", nWhole, TRUE},
        {"header only", 28, FALSE},
        {"cut in the bitmap", nWhole / 2, FALSE},
        {"empty", 0, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CMemFile part;
        part.Write(bytes.data(), static_cast<UINT>(c.nLength));
        part.SeekToBegin();
        CArchive ar(&part, CArchive::load);
        CImageList copy;
        EXPECT_EQ(c.bRead, copy.Read(&ar));
        EXPECT_EQ(c.bRead ? 3 : 0, copy.GetImageCount());
    }
}
} // namespace
