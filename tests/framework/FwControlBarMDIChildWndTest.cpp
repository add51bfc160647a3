// The MDI child that hosts a bar floated into a plain framework MDI frame: the bar fills it,
// follows its size and place, and a host left without its bar goes.
#include <gtest/gtest.h>

#include "framework/FwControlBar.h"
#include "framework/FwControlBarMDIChildWnd.h"
#include "framework/FwMDIFrameWnd.h"
#include "platform/frame/DockContext.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtest_resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/UiDriver.h"

namespace
{
const UINT kBar = 0xE910;

class FwControlBarMDIChildWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new FwMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW));
        m_pFrame->MoveWindow(0, 0, 640, 480);
        m_pFrame->ShowWindow(SW_SHOWNA);
        m_app.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_bar.Create(m_pFrame, "Properties", WS_VISIBLE | CBRS_BOTTOM | CBRS_SIZE_DYNAMIC, 0xF31, kBar));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBarEx(&m_bar, FX_IDW_DOCKBAR_BOTTOM, 0, 0, 1.0f, 100);
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (::IsWindow(m_bar.m_hWnd)) {
            m_bar.DestroyWindow();
        }
        if (::IsWindow(m_pFrame->m_hWnd)) {
            ::DestroyWindow(m_pFrame->m_hWnd);
        }
        m_app.m_pMainWnd = nullptr;
    }
    CWinApp m_app{"FwControlBarMDIChildWndTest"};
    FwMDIFrameWnd* m_pFrame = nullptr;
    FwControlBar m_bar;
};
} // namespace

TEST_F(FwControlBarMDIChildWndTest, TheBarFillsItsHostAndFollowsItsSizeAndPlace)
{
    CFrameWnd* pHost = m_pFrame->FloatControlBarInMDIChild(&m_bar, 20, 20, CBRS_ALIGN_TOP);
    ASSERT_NE(nullptr, pHost);
    ASSERT_TRUE(pHost->IsKindOf(FX_RUNTIME_CLASS(FwControlBarMDIChildWnd)));
    EXPECT_EQ(0, ::GetWindowLongA(pHost->m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(static_cast<UINT>(FW_IDR_CONTROLBAR_MDICHILD), pHost->GetResourceID());
    CString strTitle;
    pHost->GetWindowText(strTitle);
    EXPECT_EQ(CString("Properties"), strTitle);

    struct SizeCase
    {
        const char* szName;
        CRect rcHost; // in the MDI client
    };
    const SizeCase cases[] = {
        {"wide", CRect(10, 10, 410, 160)},
        {"tall", CRect(50, 30, 250, 330)},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        pHost->MoveWindow(c.rcHost.left, c.rcHost.top, c.rcHost.Width(), c.rcHost.Height());
        CRect rcClient;
        pHost->GetClientRect(&rcClient);
        CRect rcBar;
        m_bar.GetWindowRect(&rcBar);
        EXPECT_EQ(rcClient.Size(), rcBar.Size());
        EXPECT_EQ(rcClient.Size(), m_bar.m_szFloat);
        // The host's place is where the bar last floated.
        CRect rcScreen;
        pHost->GetWindowRect(&rcScreen);
        EXPECT_EQ(rcScreen.TopLeft(), m_bar.m_pDockContext->m_ptMRUFloatPos);
    }
    SaveWindowPicture(m_pFrame->m_hWnd, "fwmdichild-host.png");
}

TEST_F(FwControlBarMDIChildWndTest, AHostLeftWithoutItsBarGoesAtIdle)
{
    CFrameWnd* pHost = m_pFrame->FloatControlBarInMDIChild(&m_bar, -1, -1, CBRS_ALIGN_TOP);
    ASSERT_NE(nullptr, pHost);
    const HWND hHost = pHost->m_hWnd;
    // Docked somewhere else directly, as a drag would.
    m_pFrame->DockControlBar(&m_bar, FX_IDW_DOCKBAR_TOP);
    EXPECT_TRUE(::IsWindow(hHost));
    m_pFrame->SendMessage(FxGetIdleUpdateMessage(), TRUE, 0);
    PumpTestMessages();
    EXPECT_FALSE(::IsWindow(hHost));
    EXPECT_EQ(m_pFrame->GetControlBar(FX_IDW_DOCKBAR_TOP), m_bar.m_pDockBar);
    EXPECT_TRUE(::IsWindowVisible(m_bar.m_hWnd));
}
