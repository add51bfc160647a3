// The tab window: one child shown per tab, the shared scroll bars with each tab's saved state,
// the splitter box's limits, tab removal and the notifications passed on.
#include <gtest/gtest.h>

#include <vector>

#include "framework/FwTabControl.h"
#include "framework/FwTabWnd.h"
#include "tests/support/UiDriver.h"

namespace
{
class CPaneHost : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_FWTAB_ACTIVATED && message <= WM_FWTAB_ACTIVECLICKED) {
            m_msgs.push_back(message);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> m_msgs;
};

// A pane that counts the scroll messages the tab window passes on.
class CPane : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_HSCROLL || message == WM_VSCROLL) {
            ++m_nScrolls;
            return 0;
        }
        if (message == WM_ERASEBKGND) {
            CRect rc;
            GetClientRect(&rc);
            ::FillRect(reinterpret_cast<HDC>(wParam), &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
            ::TextOutA(reinterpret_cast<HDC>(wParam), 8, 8, m_szText, lstrlenA(m_szText));
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int m_nScrolls = 0;
    const char* m_szText = "";
};

class FwTabWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 420, 240, nullptr,
                                    nullptr));
        ASSERT_TRUE(m_tabWnd.Create(&m_host, WS_VISIBLE | FWTWS_ALLBUTTONS, 0x101));
        const char* labels[3] = {"输出", "查找", "调试"};
        for (int i = 0; i < 3; ++i) {
            m_panes[i].m_szText = labels[i];
            ASSERT_TRUE(m_panes[i].Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), &m_tabWnd, 0x200 + i));
            ASSERT_TRUE(m_tabWnd.AddTab(&m_panes[i], labels[i]));
        }
        m_tabWnd.SetTabScrollStyle(0, WS_HSCROLL | WS_VSCROLL);
        m_tabWnd.SetTabScrollStyle(2, WS_HSCROLL);
        m_tabWnd.MoveWindow(0, 0, 400, 200);
    }
    void TearDown() override { m_host.DestroyWindow(); }
    static void SetPos(HWND hBar, int nPos)
    {
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, nPos, 0};
        ::SetScrollInfo(hBar, SB_CTL, &si, TRUE);
    }
    static int GetPos(HWND hBar)
    {
        SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
        ::GetScrollInfo(hBar, SB_CTL, &si);
        return si.nPos;
    }

    CPaneHost m_host;
    FwTabWnd m_tabWnd;
    CPane m_panes[3];
};

TEST_F(FwTabWndTest, SwitchingTabsShowsOneChildAndKeepsScrollPositions)
{
    m_tabWnd.ActivateTab(0);
    EXPECT_EQ(&m_panes[0], m_tabWnd.GetActiveWnd());
    EXPECT_TRUE(m_panes[0].GetStyle() & WS_VISIBLE);
    HWND hHorz = m_tabWnd.GetScrollBarCtrl(0);
    HWND hVert = m_tabWnd.GetScrollBarCtrl(1);
    ASSERT_NE(nullptr, hHorz);
    ASSERT_NE(nullptr, hVert);
    SetPos(hHorz, 30);
    SetPos(hVert, 55);

    // A tab with no scroll style hides both shared bars.
    m_tabWnd.ActivateTab(1);
    EXPECT_FALSE(m_panes[0].GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(m_panes[1].GetStyle() & WS_VISIBLE);
    EXPECT_EQ(nullptr, m_tabWnd.GetScrollBarCtrl(0));
    EXPECT_FALSE(::GetWindowLongA(hHorz, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(::GetWindowLongA(hVert, GWL_STYLE) & WS_VISIBLE);

    // Another tab with its own position, then back: each gets its own again.
    m_tabWnd.ActivateTab(2);
    EXPECT_EQ(0, GetPos(hHorz));
    SetPos(hHorz, 80);
    m_tabWnd.ActivateTab(&m_panes[0]);
    EXPECT_EQ(30, GetPos(hHorz));
    EXPECT_EQ(55, GetPos(hVert));
    m_tabWnd.ActivateTab(2);
    EXPECT_EQ(80, GetPos(hHorz));
    EXPECT_EQ(nullptr, m_tabWnd.GetScrollBarCtrl(1));
    EXPECT_EQ(nullptr, m_tabWnd.GetScrollBarCtrl(5));
}

TEST_F(FwTabWndTest, ChildFillsTheInsideAndScrollMessagesReachIt)
{
    m_tabWnd.ActivateTab(0);
    CRect rcIn;
    m_tabWnd.GetInsideRect(rcIn);
    CRect rcClient;
    m_tabWnd.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.bottom - ::GetSystemMetrics(SM_CYHSCROLL), rcIn.bottom);
    EXPECT_EQ(rcClient.right - ::GetSystemMetrics(SM_CXVSCROLL), rcIn.right);
    CRect rcPane;
    m_panes[0].GetWindowRect(&rcPane);
    ::MapWindowPoints(nullptr, m_tabWnd.m_hWnd, reinterpret_cast<POINT*>(&rcPane), 2);
    EXPECT_EQ(rcIn, rcPane);
    m_tabWnd.SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    m_tabWnd.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(2, m_panes[0].m_nScrolls);
    // The tab strip left of the splitter box, the horizontal bar right of it.
    const CRect rcSplit = m_tabWnd.GetSplitterRect();
    EXPECT_EQ(5, rcSplit.Width());
    CRect rcTabs;
    m_tabWnd.GetTabControl()->GetWindowRect(&rcTabs);
    EXPECT_EQ(m_tabWnd.m_nTabStripWidth, rcTabs.Width());
}

TEST_F(FwTabWndTest, RemovingTheActiveTabLeavesNoActiveWindow)
{
    m_tabWnd.ActivateTab(1);
    m_tabWnd.RemoveTab(1);
    EXPECT_EQ(nullptr, m_tabWnd.GetActiveWnd());
    EXPECT_EQ(2, m_tabWnd.GetTabControl()->GetTabCount());
    EXPECT_EQ(2u, m_tabWnd.m_scrollStyles.size());
    EXPECT_EQ(static_cast<DWORD>(WS_HSCROLL), m_tabWnd.GetTabScrollStyle(1));
}

TEST_F(FwTabWndTest, NarrowWindowKeepsTabStripWidthZero)
{
    m_tabWnd.ActivateTab(0);
    m_tabWnd.MoveWindow(0, 0, 50, 100);
    EXPECT_EQ(0, m_tabWnd.m_nTabStripWidth);
}

TEST_F(FwTabWndTest, ActivationIsPassedOnButDoubleClicksAreNot)
{
    m_host.m_msgs.clear();
    FwTabControl* pTabs = static_cast<FwTabControl*>(m_tabWnd.GetTabControl());
    pTabs->ActivateTab(2);
    EXPECT_EQ(&m_panes[2], m_tabWnd.GetActiveWnd());
    ASSERT_EQ(1u, m_host.m_msgs.size());
    EXPECT_EQ(static_cast<UINT>(WM_FWTAB_ACTIVATED), m_host.m_msgs[0]);
    pTabs->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_EQ(1u, m_host.m_msgs.size());
}

TEST_F(FwTabWndTest, FontsArePassedToTheTabControl)
{
    CFont* pActive = m_tabWnd.GetActiveTabFont();
    ASSERT_NE(nullptr, pActive);
    LOGFONTA lf = {};
    pActive->GetLogFont(&lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    lf.lfHeight = 16;
    lstrcpyA(lf.lfFaceName, "SimSun");
    CFont font;
    font.CreateFontIndirect(&lf);
    EXPECT_TRUE(m_tabWnd.SetInactiveTabFont(&font));
    LOGFONTA lfNew = {};
    m_tabWnd.GetInactiveTabFont()->GetLogFont(&lfNew);
    EXPECT_EQ(16, lfNew.lfHeight);
    EXPECT_STREQ("SimSun", lfNew.lfFaceName);
}

TEST_F(FwTabWndTest, Picture)
{
    m_tabWnd.ActivateTab(0);
    SetPos(m_tabWnd.GetScrollBarCtrl(0), 40);
    m_host.ShowWindow(SW_SHOW);
    m_host.UpdateWindow();
    EXPECT_TRUE(SaveWindowPicture(m_tabWnd.m_hWnd, "fwbars-tab-window.png"));
}
} // namespace

namespace
{
struct SplitterCase
{
    const char* szName;
    int dx;
    int nExpected;
};
} // namespace

TEST_F(FwTabWndTest, SplitterDragSetsTheTabStripWidthWithinTheWindow)
{
    m_tabWnd.ActivateTab(0);
    const int nStart = 150;
    CRect rcIn;
    m_tabWnd.GetInsideRect(rcIn);
    // The width follows the mouse less one pixel, as the box has always been dragged; the
    // scroll bar keeps 60 pixels.
    const SplitterCase cases[] = {
        {"right by 40", 40, nStart + 40 - 1},
        {"left by 30", -30, nStart - 30 - 1},
        {"far left stops at 0", -1000, 0},
        {"far right leaves the scroll bar its room", 1000, rcIn.right - 60},
    };
    for (const SplitterCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_tabWnd.m_nTabStripWidth = nStart;
        m_tabWnd.RecalcLayout();
        const CRect rcSplit = m_tabWnd.GetSplitterRect();
        ASSERT_FALSE(rcSplit.IsRectEmpty());
        const CPoint ptPress(rcSplit.left + 2, rcSplit.CenterPoint().y);
        m_tabWnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
        EXPECT_EQ(m_tabWnd.m_hWnd, ::GetCapture());
        for (int i = 1; i <= 2; ++i) {
            const int x = ptPress.x + c.dx * i / 2;
            m_tabWnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, ptPress.y));
        }
        m_tabWnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptPress.x + c.dx, ptPress.y));
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(c.nExpected, m_tabWnd.m_nTabStripWidth);
        // The tab strip ends at the splitter box, the scroll bar starts after it.
        CRect rcTabs;
        m_tabWnd.GetTabControl()->GetWindowRect(&rcTabs);
        EXPECT_EQ(m_tabWnd.m_nTabStripWidth, rcTabs.Width());
        CRect rcBar;
        ::GetWindowRect(m_tabWnd.GetScrollBarCtrl(0), &rcBar);
        ::MapWindowPoints(nullptr, m_tabWnd.m_hWnd, reinterpret_cast<POINT*>(&rcBar), 2);
        EXPECT_EQ(m_tabWnd.GetSplitterRect().right, rcBar.left);
    }
}
