// The status bar on a real frame: panes from an id list, the frame's prompts in the first pane,
// idle updates of the indicators, and its place under the dock bars.
#include <gtest/gtest.h>

#include "platform/frame/DockBar.h"
#include "platform/frame/StatusBar.h"
#include "platform/frame/WinApp.h"
#include "tests/platform/BarTestFrame.h"
#include "tests/platform/res/fxtest_resource.h"

#include <commctrl.h>

namespace
{
const UINT indicators[] = {ID_SEPARATOR, ID_FXBAR_PAGE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

class StatusBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CBarTestFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FXTEST_MAIN));
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->MoveWindow(20, 20, 500, 300);
        ASSERT_TRUE(m_status.Create(m_pFrame));
        ASSERT_TRUE(m_status.SetIndicators(indicators, static_cast<int>(std::size(indicators))));
        m_pFrame->RecalcLayout();
    }
    void TearDown() override { ::DestroyWindow(m_hFrame); }

    CBarTestFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CStatusBar m_status;
};

TEST_F(StatusBarTest, PanesTakeTheirTextsFromTheIdsStrings)
{
    ASSERT_EQ(4, m_status.GetCount());
    EXPECT_EQ(2, m_status.CommandToIndex(ID_INDICATOR_CAPS));
    EXPECT_EQ(CString("第 999 页"), m_status.GetPaneText(1));
    EXPECT_EQ(CString("大写"), m_status.GetPaneText(2));
    EXPECT_EQ(static_cast<UINT>(SBPS_NOBORDERS | SBPS_STRETCH), m_status.GetPaneStyle(0));
    // The fixed panes sit at the right; the first takes the rest.
    CRect rcClient;
    m_status.GetClientRect(&rcClient);
    CRect rcFirst;
    CRect rcLast;
    m_status.GetItemRect(0, &rcFirst);
    m_status.GetItemRect(3, &rcLast);
    EXPECT_GT(rcFirst.Width(), rcClient.Width() / 2);
    EXPECT_GE(rcLast.right, rcClient.right - 2);
    // An id without a string still makes its pane, and says so.
    const UINT unknown[] = {ID_SEPARATOR, 0x7777};
    EXPECT_FALSE(m_status.SetIndicators(unknown, 2));
    EXPECT_EQ(2, m_status.GetCount());
}

TEST_F(StatusBarTest, FramePromptsGoToTheFirstPane)
{
    m_pFrame->SetMessageText("正在打开");
    EXPECT_EQ(CString("正在打开"), m_status.GetPaneText(0));
    char szText[64] = {};
    m_status.SendMessage(SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(szText));
    EXPECT_STREQ("正在打开", szText);
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, ID_FXBAR_SAVE);
    EXPECT_EQ(CString("保存当前文件"), m_status.GetPaneText(0));
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, 0);
    EXPECT_EQ(m_pFrame->m_strIdleMessage, m_status.GetPaneText(0));
}

TEST_F(StatusBarTest, IdleUpdatesPanesAndLockIndicatorsFollowTheKeys)
{
    CWinApp app("StatusBarTest");
    app.m_pMainWnd = m_pFrame;
    app.OnIdle(0);
    EXPECT_EQ(CString("第 3 页"), m_status.GetPaneText(1));
    const BOOL bCaps = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    EXPECT_EQ(bCaps, (m_status.GetPaneStyle(2) & SBPS_DISABLED) == 0);
    // A disabled pane keeps its text but shows none.
    m_status.SetPaneStyle(1, m_status.GetPaneStyle(1) | SBPS_DISABLED);
    char szText[64] = {};
    m_status.SendMessage(SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(szText));
    EXPECT_STREQ("", szText);
    EXPECT_EQ(CString("第 3 页"), m_status.GetPaneText(1));
    app.m_pMainWnd = nullptr;
}

TEST_F(StatusBarTest, TheStatusBarMadeFirstRunsUnderTheBottomDockBar)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->RecalcLayout();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    CRect rcStatus;
    m_status.GetWindowRect(&rcStatus);
    ::MapWindowPoints(nullptr, m_hFrame, reinterpret_cast<POINT*>(&rcStatus), 2);
    EXPECT_EQ(rcClient.bottom, rcStatus.bottom);
    EXPECT_EQ(rcClient.Width(), rcStatus.Width());
    CRect rcBottom;
    m_pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM)->GetWindowRect(&rcBottom);
    ::MapWindowPoints(nullptr, m_hFrame, reinterpret_cast<POINT*>(&rcBottom), 2);
    EXPECT_EQ(rcStatus.top, rcBottom.bottom);
}
} // namespace
