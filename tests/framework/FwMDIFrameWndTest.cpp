// The framework's MDI frame replaying the designer's docking and layout saving.
#include <gtest/gtest.h>

#include "framework/FwControlBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwMDIFrameWnd.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtest_resource.h"
#include "tests/support/UiDriver.h"

namespace
{
const UINT kOutputBar = 0xE900;
const UINT kWorkspaceBar = 0xE901;

struct CDesignerFrame
{
    FwMDIFrameWnd* pFrame = nullptr;
    FwControlBar output;
    FwControlBar workspace;

    // The designer's start: both bars hidden until shown, output at the bottom, workspace left.
    BOOL Create()
    {
        pFrame = new FwMDIFrameWnd;
        if (!pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW)) {
            return FALSE;
        }
        pFrame->MoveWindow(0, 0, 640, 480);
        const DWORD dwStyle = CBRS_BOTTOM | CBRS_SIZE_DYNAMIC;
        if (!output.Create(pFrame, "输出", dwStyle, 0xF31, kOutputBar) ||
            !workspace.Create(pFrame, "工作区", dwStyle, 0xF31, kWorkspaceBar)) {
            return FALSE;
        }
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        output.EnableDocking(CBRS_ALIGN_ANY);
        workspace.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBarEx(&output, FX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.75f, 130);
        pFrame->DockControlBarEx(&workspace, FX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 220);
        pFrame->ShowWindow(SW_SHOWNA);
        pFrame->RecalcLayout();
        return TRUE;
    }
    ~CDesignerFrame()
    {
        if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd)) {
            ::DestroyWindow(pFrame->m_hWnd);
        }
    }
};

class FwMDIFrameWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwMDIFrameWndTest");
        m_app.SetRegistryKey("VornFwMDIFrameWndTest");
    }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwMDIFrameWndTest");
    }

    CWinApp m_app{"FwMDIFrameWndTest"};
};
} // namespace

TEST_F(FwMDIFrameWndTest, TheDesignersBarsDockHiddenThenShowWithTheirSizes)
{
    CDesignerFrame designer;
    ASSERT_TRUE(designer.Create());
    FwMDIFrameWnd* pFrame = designer.pFrame;
    // A second call makes no second set of dock bars.
    const INT_PTR nBars = pFrame->m_listControlBars.GetCount();
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_EQ(nBars, pFrame->m_listControlBars.GetCount());
    EXPECT_NE(nullptr, dynamic_cast<FwDockBar*>(pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM)));

    EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), designer.output.m_pDockBar);
    EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_LEFT), designer.workspace.m_pDockBar);
    EXPECT_FALSE(designer.output.IsVisible());
    EXPECT_FALSE(designer.workspace.IsVisible());
    EXPECT_FLOAT_EQ(0.75f, designer.output.m_fWidthFraction);
    EXPECT_EQ(130, designer.output.m_szHorz.cy);
    EXPECT_EQ(220, designer.workspace.m_szVert.cx);

    pFrame->ShowControlBar(&designer.output, TRUE, FALSE);
    pFrame->ShowControlBar(&designer.workspace, TRUE, FALSE);
    pFrame->RecalcLayout();
    EXPECT_TRUE(designer.output.IsVisible());
    EXPECT_TRUE(designer.workspace.IsVisible());
    CRect rcOutput;
    designer.output.GetWindowRect(&rcOutput);
    EXPECT_EQ(130, rcOutput.Height());
    CRect rcWorkspace;
    designer.workspace.GetWindowRect(&rcWorkspace);
    EXPECT_EQ(220, rcWorkspace.Width());
    SaveWindowPicture(pFrame->m_hWnd, "fwmdiframe-docked.png");
}

TEST_F(FwMDIFrameWndTest, AFloatedWorkspaceComesBackFromTheProfile)
{
    CPoint ptFloat;
    {
        CDesignerFrame first;
        ASSERT_TRUE(first.Create());
        first.pFrame->ShowControlBar(&first.output, TRUE, FALSE);
        first.pFrame->ShowControlBar(&first.workspace, TRUE, FALSE);
        first.pFrame->FloatControlBar(&first.workspace, CPoint(320, 160));
        first.pFrame->RecalcLayout();
        first.pFrame->SaveBarState("DesignBarState");
        CRect rc;
        ::GetWindowRect(::GetParent(first.workspace.m_pDockBar->m_hWnd), &rc);
        ptFloat = rc.TopLeft();
        SaveWindowPicture(first.pFrame->m_hWnd, "fwmdiframe-floating.png");
    }
    EXPECT_GE(m_app.GetProfileInt("DesignBarState-Summary", "Bars", 0), 3U);

    CDesignerFrame second;
    ASSERT_TRUE(second.Create());
    second.pFrame->LoadBarState("DesignBarState");
    EXPECT_EQ(second.pFrame, m_app.m_pMainWnd);
    EXPECT_TRUE(second.output.IsVisible());
    EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), second.output.m_pDockBar);
    ASSERT_TRUE(second.workspace.IsFloating());
    CRect rcMini;
    ::GetWindowRect(::GetParent(second.workspace.m_pDockBar->m_hWnd), &rcMini);
    EXPECT_EQ(ptFloat, rcMini.TopLeft());

    // A truncated state: the summary counts sections that are not there.
    m_app.WriteProfileInt("Cut-Summary", "Bars", 9);
    second.pFrame->LoadBarState("Cut");
    EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), second.output.m_pDockBar);
    EXPECT_TRUE(second.workspace.IsFloating());
}
