// The dock state collected from a real frame and applied to a fresh one.
#include <gtest/gtest.h>

#include <vector>

#include "framework/FwControlBar.h"
#include "framework/FwControlBarInfo.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockState.h"
#include "framework/FwFrameWnd.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtest_resource.h"
#include "tests/support/UiDriver.h"

namespace
{
const UINT kOutputBar = 0xE900;
const UINT kWorkspaceBar = 0xE901;

struct CTestLayout
{
    FwFrameWnd* pFrame = nullptr;
    FwControlBar output;
    FwControlBar workspace;

    BOOL Create()
    {
        pFrame = new FwFrameWnd;
        if (!pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW)) {
            return FALSE;
        }
        pFrame->MoveWindow(0, 0, 640, 480);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        const DWORD dwStyle = WS_VISIBLE | CBRS_BOTTOM | CBRS_SIZE_DYNAMIC;
        if (!output.Create(pFrame, "输出", dwStyle, 0xF31, kOutputBar) ||
            !workspace.Create(pFrame, "工作区", dwStyle, 0xF31, kWorkspaceBar)) {
            return FALSE;
        }
        output.EnableDocking(CBRS_ALIGN_ANY);
        workspace.EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    ~CTestLayout()
    {
        if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd)) {
            ::DestroyWindow(pFrame->m_hWnd);
        }
    }
    CDockBar* DockBar(UINT nID) const { return static_cast<CDockBar*>(pFrame->GetControlBar(nID)); }
    int CountInDockBars(const CControlBar& bar) const
    {
        int n = 0;
        for (UINT nID : {FX_IDW_DOCKBAR_TOP, FX_IDW_DOCKBAR_LEFT, FX_IDW_DOCKBAR_RIGHT, FX_IDW_DOCKBAR_BOTTOM}) {
            const CDockBar* pDockBar = DockBar(nID);
            for (INT_PTR i = 0; pDockBar != nullptr && i < pDockBar->m_arrBars.GetSize(); ++i) {
                n += pDockBar->m_arrBars[i] == &bar ? 1 : 0;
            }
        }
        return n;
    }
};

class FwDockStateFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwDockStateFrameTest");
        m_app.SetRegistryKey("VornFwDockStateFrameTest");
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwDockStateFrameTest"); }

    CWinApp m_app{"FwDockStateFrameTest"};
};
} // namespace

TEST_F(FwDockStateFrameTest, TheSavedLayoutComesBackInAFreshFrame)
{
    CPoint ptFloat;
    {
        CTestLayout first;
        ASSERT_TRUE(first.Create());
        first.pFrame->DockControlBarEx(&first.output, FX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.75f, 130);
        first.pFrame->DockControlBarEx(&first.workspace, FX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 220);
        first.pFrame->RecalcLayout();
        first.pFrame->FloatControlBar(&first.workspace, CPoint(300, 200));
        first.output.m_szFloat = CSize(333, 111);
        first.pFrame->ShowWindow(SW_SHOWNA);
        first.pFrame->RecalcLayout();
        SaveWindowPicture(first.pFrame->m_hWnd, "fwdockstate-saved.png");

        FwDockState state;
        EXPECT_FALSE(state.CollectFromFrame(nullptr));
        ASSERT_TRUE(state.CollectFromFrame(first.pFrame));
        const FwControlBarInfo* pOutput = nullptr;
        for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
            if (state.GetInfo(i)->m_nBarID == kOutputBar) {
                pOutput = state.GetInfo(i);
            }
        }
        ASSERT_NE(nullptr, pOutput);
        EXPECT_FLOAT_EQ(0.75f, pOutput->m_fWidthFraction);
        EXPECT_EQ(CSize(333, 111), pOutput->m_szFloat);
        EXPECT_EQ(CString("FwControlBar"), pOutput->m_strClassName);
        EXPECT_EQ(CString("输出"), pOutput->m_strWindowName);
        state.CleanBarIDArrays();
        state.SaveState("DesignBarState");
        ::GetWindowRect(::GetParent(first.workspace.m_pDockBar->m_hWnd), reinterpret_cast<RECT*>(&ptFloat));
    }
    EXPECT_GT(m_app.GetProfileInt("DesignBarState-Summary", "Bars", 0), 2U);

    CTestLayout second;
    ASSERT_TRUE(second.Create());
    second.pFrame->DockControlBar(&second.output, FX_IDW_DOCKBAR_TOP);
    second.pFrame->DockControlBar(&second.workspace, FX_IDW_DOCKBAR_TOP);
    second.pFrame->ShowWindow(SW_SHOWNA);
    second.pFrame->RecalcLayout();
    FwDockState loaded;
    loaded.LoadState("DesignBarState");
    ASSERT_TRUE(loaded.ApplyToFrame(second.pFrame));

    EXPECT_EQ(second.DockBar(FX_IDW_DOCKBAR_BOTTOM), second.output.m_pDockBar);
    EXPECT_EQ(1, second.CountInDockBars(second.output));
    EXPECT_FLOAT_EQ(0.75f, second.output.m_fWidthFraction);
    EXPECT_EQ(CSize(333, 111), second.output.m_szFloat);
    ASSERT_TRUE(second.workspace.IsFloating());
    EXPECT_EQ(0, second.CountInDockBars(second.workspace));
    CRect rcMini;
    ::GetWindowRect(::GetParent(second.workspace.m_pDockBar->m_hWnd), &rcMini);
    EXPECT_EQ(ptFloat, rcMini.TopLeft());
    EXPECT_TRUE(::IsWindowVisible(::GetParent(second.workspace.m_pDockBar->m_hWnd)));
    SaveWindowPicture(second.pFrame->m_hWnd, "fwdockstate-loaded.png");

    // A damaged state changes nothing and never docks a bar twice.
    m_app.WriteProfileInt("Bad-Summary", "Bars", 3);
    m_app.WriteProfileInt("Bad-Bar0", "BarID", static_cast<int>(kOutputBar));
    m_app.WriteProfileInt("Bad-Bar1", "BarID", FX_IDW_DOCKBAR_BOTTOM);
    m_app.WriteProfileInt("Bad-Bar1", "Bars", 4);
    m_app.WriteProfileInt("Bad-Bar1", "Bar#0", static_cast<int>(kOutputBar));
    m_app.WriteProfileInt("Bad-Bar1", "Bar#1", static_cast<int>(kOutputBar));
    m_app.WriteProfileInt("Bad-Bar1", "Bar#2", 0);
    m_app.WriteProfileInt("Bad-Bar1", "Bar#3", static_cast<int>(kOutputBar));
    FwDockState bad;
    bad.LoadState("Bad");
    ASSERT_TRUE(bad.ApplyToFrame(second.pFrame));
    EXPECT_EQ(1, second.CountInDockBars(second.output));
}

namespace
{
// The client area's top-left corner of a window, on the screen.
CPoint ClientOrigin(HWND hWnd)
{
    POINT pt = {0, 0};
    ::ClientToScreen(hWnd, &pt);
    return CPoint(pt);
}

BOOL InMovedBars(const CDockBar* pDockBar, const CControlBar& bar)
{
    const FwDockBar* pFwDockBar = dynamic_cast<const FwDockBar*>(pDockBar);
    for (INT_PTR i = 0; pFwDockBar != nullptr && i < pFwDockBar->m_arrMoved.GetSize(); ++i) {
        if (pFwDockBar->m_arrMoved[i] == &bar) {
            return TRUE;
        }
    }
    return FALSE;
}

// Paints a dock bar now: its paint redraws and forgets the bars it moved.
void PaintNow(const CDockBar* pDockBar)
{
    ::RedrawWindow(pDockBar->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
} // namespace

TEST_F(FwDockStateFrameTest, AFloatingBarComesBackWithItsFrameGrownAroundTheStoredPoint)
{
    CPoint ptClient;
    {
        CTestLayout first;
        ASSERT_TRUE(first.Create());
        first.pFrame->DockControlBarEx(&first.output, FX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.75f, 130);
        first.pFrame->DockControlBarEx(&first.workspace, FX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 220);
        first.pFrame->ShowWindow(SW_SHOWNA);
        first.pFrame->RecalcLayout();
        first.pFrame->FloatControlBar(&first.workspace, CPoint(260, 180));
        const HWND hMini = ::GetParent(first.workspace.m_pDockBar->m_hWnd);
        ptClient = ClientOrigin(hMini);
        CRect rcMini;
        ::GetWindowRect(hMini, &rcMini);
        // The floating frame has a caption and border, so the two corners differ.
        ASSERT_NE(rcMini.TopLeft(), ptClient);

        FwDockState state;
        ASSERT_TRUE(state.CollectFromFrame(first.pFrame));
        const FwControlBarInfo* pFloating = nullptr;
        for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
            if (state.GetInfo(i)->m_bFloating && state.GetInfo(i)->m_bDockBar) {
                pFloating = state.GetInfo(i);
            }
        }
        ASSERT_NE(nullptr, pFloating);
        // The point stored is where the frame's client area starts.
        EXPECT_EQ(ptClient, pFloating->m_pointPos);
        state.CleanBarIDArrays();
        state.SaveState("FloatBarState");
    }

    CTestLayout second;
    ASSERT_TRUE(second.Create());
    second.pFrame->DockControlBar(&second.output, FX_IDW_DOCKBAR_TOP);
    second.pFrame->DockControlBar(&second.workspace, FX_IDW_DOCKBAR_TOP);
    second.pFrame->ShowWindow(SW_SHOWNA);
    second.pFrame->RecalcLayout();
    FwDockState loaded;
    loaded.LoadState("FloatBarState");
    ASSERT_TRUE(loaded.ApplyToFrame(second.pFrame));
    ASSERT_TRUE(second.workspace.IsFloating());
    const HWND hMini = ::GetParent(second.workspace.m_pDockBar->m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(hMini));
    // The frame's rectangle is the one a 10 x 10 client area at the stored point has.
    CRect rcExpected(ptClient, CSize(10, 10));
    ::AdjustWindowRectEx(&rcExpected, static_cast<DWORD>(::GetWindowLongA(hMini, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(hMini, GWL_EXSTYLE)));
    CRect rcMini;
    ::GetWindowRect(hMini, &rcMini);
    EXPECT_EQ(rcExpected.TopLeft(), rcMini.TopLeft());
    EXPECT_EQ(ptClient, ClientOrigin(hMini));
    SaveWindowPicture(hMini, "fwdockstate-floating-restored.png");

    // Finishing the frames hands every bar to its dock bar's moved list; the next paint redraws
    // them and empties it.
    CDockBar* pFloatDockBar = second.workspace.m_pDockBar;
    CDockBar* pBottom = second.DockBar(FX_IDW_DOCKBAR_BOTTOM);
    ASSERT_EQ(pBottom, second.output.m_pDockBar);
    PaintNow(pFloatDockBar);
    PaintNow(pBottom);
    ASSERT_FALSE(InMovedBars(pFloatDockBar, second.workspace));
    ASSERT_FALSE(InMovedBars(pBottom, second.output));
    loaded.FinishFloatingFrames(second.pFrame);
    EXPECT_TRUE(InMovedBars(pFloatDockBar, second.workspace));
    EXPECT_TRUE(InMovedBars(pBottom, second.output));
    PaintNow(pFloatDockBar);
    EXPECT_FALSE(InMovedBars(pFloatDockBar, second.workspace));
}

TEST_F(FwDockStateFrameTest, ProfileLoadingKeepsEveryCountedRecordAndApplyingDropsTheEmptyOnes)
{
    CTestLayout layout;
    ASSERT_TRUE(layout.Create());
    layout.pFrame->DockControlBar(&layout.output, FX_IDW_DOCKBAR_BOTTOM);
    layout.pFrame->DockControlBar(&layout.workspace, FX_IDW_DOCKBAR_LEFT);
    layout.pFrame->ShowWindow(SW_SHOWNA);
    layout.pFrame->RecalcLayout();
    // Three counted records: a whole one, a missing section and a damaged id count.
    m_app.WriteProfileInt("Gaps-Summary", "Bars", 3);
    m_app.WriteProfileInt("Gaps-Bar0", "BarID", static_cast<int>(kOutputBar));
    m_app.WriteProfileInt("Gaps-Bar0", "Visible", 0);
    m_app.WriteProfileInt("Gaps-Bar2", "BarID", FX_IDW_DOCKBAR_LEFT);
    m_app.WriteProfileInt("Gaps-Bar2", "Floating", 1);
    m_app.WriteProfileInt("Gaps-Bar2", "Bars", -4);
    FwDockState state;
    state.LoadState("Gaps");
    ASSERT_EQ(3, state.m_arrBarInfo.GetSize());
    EXPECT_EQ(kOutputBar, state.GetInfo(0)->m_nBarID);
    EXPECT_EQ(0U, state.GetInfo(1)->m_nBarID);
    EXPECT_EQ(0U, state.GetInfo(2)->m_nBarID);

    ASSERT_TRUE(state.ApplyToFrame(layout.pFrame));
    ASSERT_EQ(1, state.m_arrBarInfo.GetSize());
    EXPECT_FALSE(layout.output.IsVisible());
    EXPECT_EQ(layout.DockBar(FX_IDW_DOCKBAR_LEFT), layout.workspace.m_pDockBar);
    EXPECT_EQ(1, layout.CountInDockBars(layout.workspace));
}
