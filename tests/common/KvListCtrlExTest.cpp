#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KvTestHost.h"
#include "common/KvListCtrlEx.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/ImageList.h"
#include "support/UiDriver.h"
#include "tests/common/res/kvtest_resource.h"

namespace
{
class KvListCtrlExTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Open());
        ASSERT_TRUE(m_list.SubclassDlgItem(IDC_KVTEST_LISTEX, &m_host));
        const char* columns[] = {"名称", "数量", "长度", "时间"};
        for (int i = 0; i < 4; ++i) {
            m_list.InsertColumn(i, columns[i], LVCFMT_LEFT, 90);
        }
        // name, integer, decimal, time of day
        const char* rows[][4] = {{"乙", "10", "2.5", "23:00"},
                                 {"甲", "9", "10.25", "01:00"},
                                 {"丙", "100", "2.75", "09:00"},
                                 {"丁", "-3", "0.5", "07:59"}};
        for (int i = 0; i < 4; ++i) {
            m_list.InsertItem(i, rows[i][0]);
            for (int j = 1; j < 4; ++j) {
                m_list.SetItemText(i, j, rows[i][j]);
            }
            m_list.SetItemData(i, static_cast<DWORD_PTR>(100 + i));
        }
        BYTE types[] = {0, 2, 5, 6};
        ASSERT_TRUE(m_list.SetColumnTypes(types, 4));
        ASSERT_TRUE(m_list.SetBaseTime("08:00"));
        m_list.EnableSort(true);
    }

    std::string Column(int nCol)
    {
        std::string s;
        for (int i = 0; i < m_list.GetItemCount(); ++i) {
            s += static_cast<LPCSTR>(m_list.GetItemText(i, nCol));
            s += i + 1 < m_list.GetItemCount() ? "," : "";
        }
        return s;
    }

    std::string Headers()
    {
        std::string s;
        for (int i = 0;; ++i) {
            char sz[64] = {};
            LVCOLUMNA col{};
            col.mask = LVCF_TEXT;
            col.pszText = sz;
            col.cchTextMax = 64;
            if (m_list.SendMessage(LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col)) == 0) {
                break;
            }
            s += std::string(i > 0 ? "," : "") + sz;
        }
        return s;
    }

    CKvTestHost m_host{IDD_KVTEST_LISTEX};
    CKvListCtrlEx m_list;
};
} // namespace

TEST_F(KvListCtrlExTest, SortsEachColumnTypeAndReversesOnSecondClick)
{
    struct Case
    {
        int nCol;
        const char* pszAscending;
        const char* pszDescending;
    };
    const Case cases[] = {
        {1, "-3,9,10,100", "100,10,9,-3"},
        {2, "0.5,2.5,2.75,10.25", "10.25,2.75,2.5,0.5"},
        // From the base time 08:00 on: 07:59 and 01:00 belong to the next day.
        {3, "09:00,23:00,01:00,07:59", "07:59,01:00,23:00,09:00"},
    };
    for (const Case& c : cases) {
        m_list.SortColumn(c.nCol);
        EXPECT_EQ(c.pszAscending, Column(c.nCol)) << c.nCol;
        EXPECT_TRUE(m_list.IsAscending());
        m_list.SortColumn(c.nCol);
        EXPECT_EQ(c.pszDescending, Column(c.nCol)) << c.nCol;
        EXPECT_FALSE(m_list.IsAscending());
    }
    // Every item keeps its own data value.
    for (int i = 0; i < m_list.GetItemCount(); ++i) {
        const std::string name = static_cast<LPCSTR>(m_list.GetItemText(i, 0));
        const DWORD_PTR expected = name == "乙" ? 100 : name == "甲" ? 101 : name == "丙" ? 102 : 103;
        EXPECT_EQ(expected, m_list.GetItemData(i)) << name;
    }
}

TEST_F(KvListCtrlExTest, HeaderClickSortsOnlyWhenEnabled)
{
    HWND hHeader = m_list.GetDragHeader().m_hWnd;
    ASSERT_NE(nullptr, hHeader);
    RECT rc{};
    Header_GetItemRect(hHeader, 1, &rc);
    const int x = (rc.left + rc.right) / 2;
    const int y = (rc.top + rc.bottom) / 2;
    m_list.EnableSort(false);
    ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_EQ("10,9,100,-3", Column(1));
    m_list.EnableSort(true);
    ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_EQ("-3,9,10,100", Column(1));
    EXPECT_EQ(1, m_list.GetSortColumn());
}

// Equal values compare as 0 in every type, so that the sort is the same both ways.
TEST_F(KvListCtrlExTest, EqualValuesCompareEqual)
{
    struct Case
    {
        int nType;
        const char* pszA;
        const char* pszB;
        int nExpected;
    };
    const Case cases[] = {
        {0, "abc", "abc", 0},
        {0, "abc", "ABC", 1},
        {1, "abc", "ABC", 0},
        {2, "12", "12", 0},
        {2, "-5", "3", -1},
        {3, "2024-01-02", "2024-01-02", 0},
        {3, "2024-01-02", "2024-01-01", 1},
        {3, "bad", "2024-01-01", 0},
        {5, "2.5", "2.50", 0},
        {5, "2.4", "2.5", -1},
        {4, "1", "2", 0},
        {6, "01:00", "01:00", 0},
        {6, "01:00", "23:00", 1},
        {6, "bad", "23:00", 0},
    };
    double dBase = 0;
    {
        CKvListCtrlEx probe;
        ASSERT_TRUE(probe.SetBaseTime("08:00"));
    }
    dBase = 8.0 / 24.0;
    for (const Case& c : cases) {
        EXPECT_EQ(c.nExpected, CKvListCtrlEx::CompareValues(c.nType, c.pszA, c.pszB, dBase, true))
            << c.nType << " " << c.pszA << " " << c.pszB;
    }
}

TEST_F(KvListCtrlExTest, SettersRefuseBadValues)
{
    BYTE bad[] = {0, 7};
    EXPECT_FALSE(m_list.SetColumnTypes(bad, 2));
    // No types left: header clicks do not sort.
    m_list.SortColumn(1);
    EXPECT_EQ("10,9,100,-3", Column(1));
    EXPECT_FALSE(m_list.SetBaseTime("不是时间"));

    EXPECT_EQ(0, m_list.SetHighlightType(2));
    EXPECT_EQ(2, m_list.SetHighlightType(3));
    EXPECT_EQ(2, m_list.GetHighlightType());
    EXPECT_NE(0u, m_list.GetStyle() & LVS_OWNERDRAWFIXED);
    EXPECT_TRUE(m_list.EnableSort(false));
    EXPECT_FALSE(m_list.EnableHeaderDrag(true));
    EXPECT_TRUE(m_list.EnableHeaderDrag(false));
}

TEST_F(KvListCtrlExTest, TypeFourLeavesTheOrder)
{
    BYTE types[] = {4, 4, 4, 4};
    ASSERT_TRUE(m_list.SetColumnTypes(types, 4));
    m_list.SortColumn(1);
    EXPECT_EQ("10,9,100,-3", Column(1));
}

TEST_F(KvListCtrlExTest, ClickOnStateIconTogglesTheCheck)
{
    CImageList states;
    states.Create(16, 16, ILC_COLOR24, 2, 0);
    states.Add(::LoadIconA(nullptr, IDI_APPLICATION));
    states.Add(::LoadIconA(nullptr, IDI_ASTERISK));
    m_list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(states.GetSafeHandle()));
    m_list.SetItemState(1, INDEXTOSTATEIMAGEMASK(3), LVIS_STATEIMAGEMASK);

    RECT rcItem{};
    rcItem.left = LVIR_BOUNDS;
    m_list.SendMessage(LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rcItem));
    POINT pt{-1, (rcItem.top + rcItem.bottom) / 2};
    for (int x = rcItem.left; x < rcItem.left + 40 && pt.x < 0; ++x) {
        LVHITTESTINFO hit{};
        hit.pt = {x, pt.y};
        if (m_list.SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == 1 &&
            (hit.flags & LVHT_ONITEMSTATEICON) != 0) {
            pt.x = x;
        }
    }
    ASSERT_GE(pt.x, 0);
    auto state = [&]() { return (m_list.SendMessage(LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK) >> 12) & 0xF; };
    const UINT expected[] = {1, 2, 1};
    for (UINT nExpected : expected) {
        m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(nExpected, static_cast<UINT>(state()));
    }
    m_list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, 0);
}

TEST_F(KvListCtrlExTest, DragColumnMovesDefinitionAndTexts)
{
    m_list.DragColumn(2, 0);
    EXPECT_EQ("长度,名称,数量,时间", Headers());
    EXPECT_EQ("2.5,10.25,2.75,0.5", Column(0));
    EXPECT_EQ("乙,甲,丙,丁", Column(1));
    m_list.DragColumn(0, 4);
    EXPECT_EQ("名称,数量,时间,长度", Headers());
    EXPECT_EQ("乙,甲,丙,丁", Column(0));
    EXPECT_EQ("2.5,10.25,2.75,0.5", Column(3));
}

TEST_F(KvListCtrlExTest, HeaderDragDropsOnTheColumnUnderThePointer)
{
    m_list.EnableHeaderDrag(true);
    HWND hHeader = m_list.GetDragHeader().m_hWnd;
    RECT rc1{};
    Header_GetItemRect(hHeader, 1, &rc1);
    const int y = (rc1.top + rc1.bottom) / 2;
    auto drag = [&](int xFrom, int xTo) {
        ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xFrom, y));
        ::SendMessageA(hHeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(xFrom + 1, y));
        ::SendMessageA(hHeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(xTo, y));
        ::SendMessageA(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(xTo, y));
    };
    // On itself, or just right of it: nothing.
    drag(rc1.left + 10, rc1.left + 20);
    EXPECT_EQ("名称,数量,长度,时间", Headers());
    RECT rc2{};
    Header_GetItemRect(hHeader, 2, &rc2);
    drag(rc1.left + 10, rc2.left + 10);
    EXPECT_EQ("名称,数量,长度,时间", Headers());
    EXPECT_EQ(nullptr, ::GetCapture());
    // Column 1 dropped right of all columns.
    drag(rc1.left + 10, 2000);
    EXPECT_EQ("名称,长度,时间,数量", Headers());
    EXPECT_EQ("10,9,100,-3", Column(3));
}

TEST_F(KvListCtrlExTest, HighlightTypesCoverLabelColumnsOrRow)
{
    m_host.Show();
    m_list.SetFocus();
    m_list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SendMessage(LVM_SETCOLUMNWIDTH, 3, 40);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    RECT rcBounds{};
    rcBounds.left = LVIR_BOUNDS;
    m_list.SendMessage(LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rcBounds));
    RECT rcClient{};
    m_list.GetClientRect(&rcClient);
    const int y = (rcBounds.top + rcBounds.bottom) / 2;
    struct Case
    {
        int nType;
        bool bSecondColumn;
        bool bRightStrip;
        const char* pszPicture;
    };
    const Case cases[] = {{0, false, false, "list-highlight-label.png"},
                          {1, true, false, "list-highlight-columns.png"},
                          {2, true, true, "list-highlight-row.png"}};
    for (const Case& c : cases) {
        m_list.SetHighlightType(c.nType);
        if (c.nType == 0) {
            // The label type is drawn by the list itself unless owner-drawn; draw it ours.
            m_list.ModifyStyle(0, LVS_OWNERDRAWFIXED);
        }
        m_list.Invalidate(TRUE);
        m_list.UpdateWindow();
        CClientDC dc(m_list.m_hWnd);
        const COLORREF crSecond = ::GetPixel(dc.m_hDC, 90 + 60, y);
        const COLORREF crStrip = ::GetPixel(dc.m_hDC, rcClient.right - 3, y);
        const COLORREF crLabel = ::GetPixel(dc.m_hDC, 3, y);
        EXPECT_EQ(crHighlight, crLabel) << c.nType;
        EXPECT_EQ(c.bSecondColumn, crSecond == crHighlight) << c.nType;
        EXPECT_EQ(c.bRightStrip, crStrip == crHighlight) << c.nType;
        EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, c.pszPicture));
    }
}
