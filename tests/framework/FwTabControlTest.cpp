// The trapezoid tab strip: activation and deletion rules, the messages its parent hears, the
// scroll buttons with their auto-repeat and states, Ctrl and Shift selection, fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Fw3DTab.h"
#include "framework/Fw3DTabControl.h"
#include "framework/FwTabControl.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

namespace
{
// Records the tab messages it is sent.
class CTabHost : public CWnd
{
public:
    struct Note
    {
        UINT nMsg;
        int nIndex;
    };
    BOOL CreateHost(int cx, int cy)
    {
        return CreateEx(0, nullptr, "tabs", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, cx, cy, nullptr, nullptr);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_FWTAB_ACTIVATED && message <= WM_FWTAB_ACTIVECLICKED) {
            m_notes.push_back({message, static_cast<int>(wParam)});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int Count(UINT nMsg) const
    {
        int n = 0;
        for (const Note& note : m_notes) {
            n += note.nMsg == nMsg ? 1 : 0;
        }
        return n;
    }
    std::vector<Note> m_notes;
};

// Holds Ctrl or Shift down for the control's GetKeyState while in scope.
class CKeyHeld
{
public:
    explicit CKeyHeld(int nVKey) : m_nVKey(nVKey)
    {
        ::GetKeyboardState(m_state);
        BYTE state[256];
        ::GetKeyboardState(state);
        state[nVKey] = 0x80;
        ::SetKeyboardState(state);
    }
    ~CKeyHeld() { ::SetKeyboardState(m_state); }
    CKeyHeld(const CKeyHeld&) = delete;
    CKeyHeld& operator=(const CKeyHeld&) = delete;

private:
    int m_nVKey;
    BYTE m_state[256] = {};
};

class FwTabControlTest : public testing::Test
{
protected:
    void Make(DWORD dwStyle, int cx, int nTabs)
    {
        ASSERT_TRUE(m_host.CreateHost(cx + 40, 120));
        ASSERT_TRUE(m_tabs.Create(dwStyle | WS_VISIBLE, CRect(0, 0, cx, 18), &m_host, 0xEA30));
        for (int i = 0; i < nTabs; ++i) {
            m_tabs.AddTab(("工序" + std::to_string(i + 1)).c_str(), nullptr, static_cast<DWORD>(i), 0);
        }
    }
    void TearDown() override
    {
        if (m_host.m_hWnd != nullptr) {
            m_host.DestroyWindow();
        }
    }
    CPoint TabCenter(int nIndex) const
    {
        POINT pts[4];
        m_tabs.GetTabPoints(nIndex, pts);
        return CPoint((pts[0].x + pts[3].x) / 2, (pts[0].y + pts[1].y) / 2);
    }
    // The release waits in the queue: a scroll button's press loop ends on it.
    void Click(CPoint pt)
    {
        ::PostMessageA(m_tabs.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        MSG msg = {};
        while (::PeekMessageA(&msg, m_tabs.m_hWnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE)) {
            ::DispatchMessageA(&msg);
        }
    }

    CTabHost m_host;
    FwTabControl m_tabs;
};

TEST_F(FwTabControlTest, DeletingTheActiveTabActivatesItsNeighbour)
{
    Make(0, 400, 4);
    m_tabs.ActivateTab(3);
    m_tabs.DeleteTab(3);
    EXPECT_TRUE(m_tabs.HasActiveTab());
    EXPECT_EQ(2, m_tabs.GetActiveIndex());
    m_tabs.ActivateTab(1);
    m_tabs.DeleteTab(1);
    EXPECT_EQ(1, m_tabs.GetActiveIndex());
    EXPECT_STREQ("工序3", m_tabs.GetTab(1)->m_strLabel);
    // A tab before the active one goes: the same tab stays active.
    m_tabs.DeleteTab(0);
    EXPECT_EQ(0, m_tabs.GetActiveIndex());
    EXPECT_STREQ("工序3", m_tabs.GetTab(0)->m_strLabel);
    m_tabs.DeleteTab(0);
    EXPECT_FALSE(m_tabs.HasActiveTab());
    EXPECT_EQ(0, m_tabs.GetTabCount());
}

TEST_F(FwTabControlTest, InsertingBeforeTheActiveTabKeepsItActive)
{
    Make(0, 400, 3);
    m_tabs.ActivateTab(1);
    m_tabs.InsertTab(0, "新", nullptr);
    EXPECT_EQ(2, m_tabs.GetActiveIndex());
    EXPECT_STREQ("工序2", m_tabs.GetTab(m_tabs.GetActiveIndex())->m_strLabel);
}

TEST_F(FwTabControlTest, ClicksTellTheParent)
{
    Make(0, 400, 3);
    Click(TabCenter(1));
    EXPECT_EQ(1, m_tabs.GetActiveIndex());
    ASSERT_FALSE(m_host.m_notes.empty());
    EXPECT_EQ(static_cast<UINT>(WM_FWTAB_ACTIVATED), m_host.m_notes.back().nMsg);
    EXPECT_EQ(1, m_host.m_notes.back().nIndex);
    // Again on the active tab.
    Click(TabCenter(1));
    EXPECT_EQ(static_cast<UINT>(WM_FWTAB_ACTIVECLICKED), m_host.m_notes.back().nMsg);
    // A double click on a tab reports it; on empty space tab 0.
    m_tabs.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(TabCenter(2).x, TabCenter(2).y));
    EXPECT_EQ(static_cast<UINT>(WM_FWTAB_DBLCLK), m_host.m_notes.back().nMsg);
    EXPECT_EQ(2, m_host.m_notes.back().nIndex);
    m_tabs.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(395, 8));
    EXPECT_EQ(static_cast<UINT>(WM_FWTAB_DBLCLK), m_host.m_notes.back().nMsg);
    EXPECT_EQ(0, m_host.m_notes.back().nIndex);
    m_tabs.ClearSelection();
    EXPECT_EQ(static_cast<UINT>(WM_FWTAB_SELCLEARED), m_host.m_notes.back().nMsg);
    EXPECT_FALSE(m_tabs.HasActiveTab());
}

TEST_F(FwTabControlTest, CtrlAndShiftSelectSeveralTabs)
{
    Make(0, 500, 5);
    m_tabs.ActivateTab(1);
    {
        CKeyHeld ctrl(VK_CONTROL);
        Click(TabCenter(3));
        EXPECT_TRUE(m_tabs.GetTab(3)->m_bSelected);
        EXPECT_TRUE(m_tabs.GetTab(1)->m_bSelected);
        EXPECT_TRUE(m_tabs.HasActiveTab());
        // Ctrl on the active tab: it toggles and the control has no active tab.
        Click(TabCenter(1));
        EXPECT_FALSE(m_tabs.HasActiveTab());
        EXPECT_FALSE(m_tabs.GetTab(1)->m_bSelected);
    }
    // A plain click activates and leaves only that tab selected.
    Click(TabCenter(1));
    EXPECT_TRUE(m_tabs.HasActiveTab());
    EXPECT_EQ(1, m_tabs.GetActiveIndex());
    EXPECT_FALSE(m_tabs.GetTab(3)->m_bSelected);
    {
        CKeyHeld shift(VK_SHIFT);
        Click(TabCenter(3));
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(i >= 1 && i <= 3, m_tabs.GetTab(i)->m_bSelected != FALSE) << i;
    }
    EXPECT_EQ(3, m_tabs.GetActiveIndex());
}

TEST_F(FwTabControlTest, AllTabsVisibleKeepOffsetZeroAndNextDisabled)
{
    Make(FWTCS_ALLBUTTONS, 500, 2);
    EXPECT_EQ(15u, m_tabs.m_dwButtons);
    EXPECT_EQ(0, m_tabs.m_nOffset);
    EXPECT_EQ(static_cast<DWORD>(15), m_tabs.m_dwDisabled);
    // Pressing a disabled button does nothing.
    Click(m_tabs.GetButtonRect(FwTabControl::buttonNext).CenterPoint());
    EXPECT_EQ(0, m_tabs.m_nOffset);
}

TEST_F(FwTabControlTest, ScrollButtonsRepeatWhileHeld)
{
    Make(FWTCS_PREVNEXT, 160, 12);
    EXPECT_EQ(6u, m_tabs.m_dwButtons);
    EXPECT_EQ(0u, m_tabs.m_dwDisabled & FwTabControl::buttonNext);
    EXPECT_NE(0u, m_tabs.m_dwDisabled & FwTabControl::buttonPrev);
    // The press steps once, then each repeat timer tick steps again until the button is up.
    for (int i = 0; i < 3; ++i) {
        ::PostMessageA(m_tabs.m_hWnd, WM_TIMER, FwTabControl::repeatTimer, 0);
    }
    ::PostMessageA(m_tabs.m_hWnd, WM_LBUTTONUP, 0, 0);
    const CPoint ptNext = m_tabs.GetButtonRect(FwTabControl::buttonNext).CenterPoint();
    m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptNext.x, ptNext.y));
    EXPECT_EQ(-40, m_tabs.m_nOffset);
    EXPECT_EQ(0, m_tabs.m_nPressed);
    EXPECT_EQ(0u, m_tabs.m_dwDisabled & FwTabControl::buttonPrev);
    // Previous steps back and stops at 0.
    for (int i = 0; i < 6; ++i) {
        ::PostMessageA(m_tabs.m_hWnd, WM_TIMER, FwTabControl::repeatTimer, 0);
    }
    ::PostMessageA(m_tabs.m_hWnd, WM_LBUTTONUP, 0, 0);
    const CPoint ptPrev = m_tabs.GetButtonRect(FwTabControl::buttonPrev).CenterPoint();
    m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPrev.x, ptPrev.y));
    EXPECT_EQ(0, m_tabs.m_nOffset);
    EXPECT_NE(0u, m_tabs.m_dwDisabled & FwTabControl::buttonPrev);
}

TEST_F(FwTabControlTest, ActivatingScrollsTheTabIntoView)
{
    Make(FWTCS_ALLBUTTONS, 200, 12);
    m_tabs.ActivateTab(11);
    POINT pts[4];
    m_tabs.GetTabPoints(11, pts);
    CRect rcClient;
    m_tabs.GetClientRect(&rcClient);
    // The last tab meets the right edge; next and last are disabled there.
    EXPECT_EQ(rcClient.right, pts[3].x);
    EXPECT_NE(0u, m_tabs.m_dwDisabled & FwTabControl::buttonLast);
    Click(m_tabs.GetButtonRect(FwTabControl::buttonFirst).CenterPoint());
    EXPECT_EQ(0, m_tabs.m_nOffset);
}

TEST_F(FwTabControlTest, SetFontRejectsUnknownKind)
{
    Make(0, 300, 2);
    LOGFONTA lfOld = {};
    m_tabs.GetTabFont(FwTabControl::fontActive)->GetLogFont(&lfOld);
    CFont font;
    font.CreateFont(20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    EXPECT_FALSE(m_tabs.SetTabFont(&font, 3));
    EXPECT_FALSE(m_tabs.SetTabFont(nullptr, 1));
    EXPECT_TRUE(m_tabs.SetTabFont(&font, FwTabControl::fontSelected));
    LOGFONTA lf = {};
    m_tabs.GetTabFont(FwTabControl::fontSelected)->GetLogFont(&lf);
    EXPECT_EQ(20, lf.lfHeight);
    m_tabs.GetTabFont(FwTabControl::fontActive)->GetLogFont(&lf);
    EXPECT_EQ(lfOld.lfHeight, lf.lfHeight);
    EXPECT_STREQ("Arial Narrow", lf.lfFaceName);
}

TEST_F(FwTabControlTest, Picture)
{
    Make(FWTCS_ALLBUTTONS, 360, 8);
    m_tabs.ActivateTab(2);
    m_tabs.SelectTab(4);
    CRect rc;
    m_tabs.GetClientRect(&rc);
    CTestDib dib(rc.Width(), rc.Height(), ::GetSysColor(COLOR_BTNFACE));
    m_tabs.PaintTo(&dib.DC(), rc);
    // The active tab is filled in the window colour, an unselected one in the button face.
    const CPoint ptActive = TabCenter(2);
    POINT pts[4];
    m_tabs.GetTabPoints(2, pts);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), dib.Pixel(pts[0].x + 5, 2));
    // The base line runs left of the active tab and stays open above it.
    const CRect rcFirst = m_tabs.GetButtonRect(FwTabControl::buttonLast);
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(rcFirst.right + 2, 0));
    EXPECT_NE(RGB(0, 0, 0), dib.Pixel(ptActive.x, 0));
    EXPECT_TRUE(SavePng(TestImagePath("fwbars-tab-control.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
    m_host.ShowWindow(SW_SHOW);
    m_host.UpdateWindow();
    // Let the newly shown window reach the screen before it is read back.
    PumpTestMessages();
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "fwbars-tab-control-window.png"));
}
} // namespace

namespace
{
TEST(Fw3DTabControlTest, ClicksActivateShownTabsAndPaintsThroughABitmap)
{
    CTabHost host;
    ASSERT_TRUE(host.CreateHost(320, 120));
    Fw3DTabControl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE | FW3DTCS_EDGETOP | FW3DTCS_EDGELEFT | FW3DTCS_EDGERIGHT | FW3DTCS_EDGEBOTTOM,
                            CRect(0, 0, 300, 80), &host, 0x300));
    for (const char* psz : {"模板", "数据", "脚本"}) {
        tabs.AddTab(psz, nullptr);
    }
    CString strLabel;
    BOOL bSelected = FALSE;
    CWnd* pWnd = nullptr;
    DWORD dw1 = 0;
    DWORD dw2 = 0;
    ASSERT_TRUE(tabs.GetTabInfo(1, strLabel, bSelected, pWnd, dw1, dw2));
    EXPECT_STREQ("数据", strLabel);
    EXPECT_FALSE(tabs.GetTabInfo(3, strLabel, bSelected, pWnd, dw1, dw2));

    CPoint pt = tabs.GetTabRect(1).CenterPoint();
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(1, tabs.GetActiveIndex());
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(static_cast<UINT>(WM_FWTAB_ACTIVECLICKED), host.m_notes.back().nMsg);
    pt = tabs.GetTabRect(2).CenterPoint();
    tabs.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(static_cast<UINT>(WM_FWTAB_DBLCLK), host.m_notes.back().nMsg);
    EXPECT_EQ(2, host.m_notes.back().nIndex);
    // A hidden tab is not hit; the ones after it close up.
    static_cast<Fw3DTab*>(tabs.GetTab(0))->m_bShown = FALSE;
    EXPECT_EQ(1, tabs.HitTest(CPoint(6, 10)));

    CTestDib dib(300, 80);
    tabs.PaintTo(&dib.DC(), CRect(0, 0, 300, 80));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(150, 79));
    EXPECT_TRUE(SavePng(TestImagePath("fwbars-3d-tab-control.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
    host.DestroyWindow();
}
} // namespace
