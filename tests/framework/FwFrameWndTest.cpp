// The framework's single-document frame: its menu with and without a menu bar, the plug-in it
// makes, "WM_FWGETMENU", the customising phase, closing, and commands through an auxiliary window.
#include <gtest/gtest.h>

#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwFrameWnd.h"
#include "framework/FwMenuBar.h"
#include "framework/FwMenuBarFeature.h"
#include "framework/FwToolBarManager.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtest_resource.h"
#include "tests/framework/res/fwtoolbar_resource.h"
#include "tests/support/UiDriver.h"

namespace
{
class FwFrameWndTest : public ::testing::Test
{
protected:
    void TearDown() override { m_app.m_pMainWnd = nullptr; }
    CWinApp m_app{"FwFrameWndTest"};
};

// The frame as an owner sets it up before LoadFrame; the owner deletes what it made.
class CSdiFrame : public FwFrameWnd
{
public:
    CSdiFrame(BOOL bMenuBar, BOOL bBmpMenus)
    {
        m_pManager = new FwToolBarManager(this, nullptr);
        SetToolBarManager(m_pManager);
        if (bMenuBar) {
            m_pOwnMenuBar = new FwMenuBar;
            SetMenuBar(m_pOwnMenuBar);
        }
        EnableBmpMenus(bBmpMenus, bBmpMenus);
    }
    ~CSdiFrame() override
    {
        delete m_pOwnMenuBar;
        delete m_pManager;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DESTROY) {
            s_bPlugInAtDestroy = GetPlugIn() != nullptr;
        }
        return FwFrameWnd::WindowProc(message, wParam, lParam);
    }

    FwToolBarManager* m_pManager = nullptr;
    FwMenuBar* m_pOwnMenuBar = nullptr;
    static BOOL s_bPlugInAtDestroy;
};
BOOL CSdiFrame::s_bPlugInAtDestroy = TRUE;

struct FrameHolder
{
    CSdiFrame* pFrame;
    FrameHolder(BOOL bMenuBar, BOOL bBmpMenus) : pFrame(new CSdiFrame(bMenuBar, bBmpMenus)) {}
    FrameHolder(const FrameHolder&) = delete;
    FrameHolder& operator=(const FrameHolder&) = delete;
    ~FrameHolder()
    {
        if (::IsWindow(pFrame->m_hWnd)) {
            pFrame->DestroyWindow();
        } else if (pFrame->m_hWnd == nullptr) {
            delete pFrame;
        }
    }
};

UINT MenuMessage()
{
    return ::RegisterWindowMessageA("WM_FWGETMENU");
}

class CSdiAuxTarget : public CWnd
{
    FX_DECLARE_DYNCREATE(CSdiAuxTarget)

public:
    BOOL OnCmdMsg(UINT nID, int nCode, void*, void*) override
    {
        if (nID != kAuxCommand) {
            return FALSE;
        }
        if (nCode == FX_CN_COMMAND) {
            ++s_nCalls;
        }
        return TRUE;
    }
    static const UINT kAuxCommand = 0x8F02;
    static int s_nCalls;
};
int CSdiAuxTarget::s_nCalls = 0;
FX_IMPLEMENT_DYNCREATE(CSdiAuxTarget, CWnd)
} // namespace

TEST_F(FwFrameWndTest, LoadFrameGivesTheMenuToTheWindowOrTheMenuBar)
{
    struct LoadCase
    {
        const char* szName;
        BOOL bMenuBar;
        BOOL bBmpMenus;
        UINT nID;
        BOOL bWindowMenu;
        BOOL bFrameMenu;
        const char* szPlugIn; // run-time class name, null: none
    };
    const LoadCase cases[] = {
        {"menu bar: the frame keeps the menu", TRUE, FALSE, IDR_FWTB_FRAME, FALSE, TRUE, "FwMenuBarFeature"},
        {"no menu bar: the window shows it", FALSE, FALSE, IDR_FWTB_FRAME, TRUE, FALSE, nullptr},
        {"bitmap menus without a menu bar", FALSE, TRUE, IDR_FWTB_FRAME, TRUE, FALSE, "FwBmpMenuPlugIn"},
        {"no menu resource of that id", FALSE, FALSE, IDR_FWTEST_CARD, FALSE, FALSE, nullptr},
        {"menu bar, no menu resource", TRUE, FALSE, IDR_FWTEST_CARD, FALSE, FALSE, "FwMenuBarFeature"},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FrameHolder holder(c.bMenuBar, c.bBmpMenus);
        CSdiFrame* pFrame = holder.pFrame;
        ASSERT_TRUE(pFrame->LoadFrame(c.nID, WS_OVERLAPPEDWINDOW));
        EXPECT_EQ(c.nID, pFrame->GetCurrentMenuID());
        EXPECT_EQ(c.nID, pFrame->m_nIDHelp);
        EXPECT_EQ(c.bWindowMenu, ::GetMenu(pFrame->m_hWnd) != nullptr);
        EXPECT_EQ(c.bFrameMenu, pFrame->GetFrameMenu() != nullptr);
        if (c.szPlugIn == nullptr) {
            EXPECT_EQ(nullptr, pFrame->GetPlugIn());
        } else {
            ASSERT_NE(nullptr, pFrame->GetPlugIn());
            EXPECT_STREQ(c.szPlugIn, pFrame->GetPlugIn()->GetRuntimeClass()->m_lpszClassName);
        }
        // Only the frame menu answers, and only for its own id.
        HMENU hPopup = reinterpret_cast<HMENU>(::SendMessageA(pFrame->m_hWnd, MenuMessage(), c.nID, 0));
        EXPECT_EQ(c.bFrameMenu, hPopup != nullptr);
        if (hPopup != nullptr) {
            EXPECT_EQ(0x8101U, ::GetMenuItemID(hPopup, 0));
        }
        EXPECT_EQ(0, ::SendMessageA(pFrame->m_hWnd, MenuMessage(), IDR_FWTB_CARD, 0));
        EXPECT_EQ(0, ::SendMessageA(pFrame->m_hWnd, MenuMessage(), c.nID, 9));
    }
}

TEST_F(FwFrameWndTest, CustomisingSwallowsTheMenuKeyAndHoldsTheFrame)
{
    FrameHolder holder(TRUE, TRUE);
    CSdiFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_FWTB_FRAME, WS_OVERLAPPEDWINDOW));
    pFrame->MoveWindow(0, 0, 400, 300);
    pFrame->ShowWindow(SW_SHOWNA);
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    const LPARAM lCaption = MAKELPARAM(rcWindow.left + rcWindow.Width() / 2, rcWindow.top + 5);
    struct PhaseCase
    {
        const char* szName;
        BOOL bCustomizing;
    };
    const PhaseCase cases[] = {{"normal", FALSE}, {"customising", TRUE}};
    for (const PhaseCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (c.bCustomizing) {
            pFrame->m_pManager->BeginCustomize();
        }
        MSG msg = {};
        msg.hwnd = pFrame->m_hWnd;
        msg.message = WM_SYSCOMMAND;
        msg.wParam = SC_KEYMENU;
        EXPECT_EQ(c.bCustomizing, pFrame->PreTranslateMessage(&msg));
        EXPECT_EQ(c.bCustomizing, ::SendMessageA(pFrame->m_hWnd, WM_NCHITTEST, 0, lCaption) == HTERROR);
        pFrame->DelayRecalcLayout();
        ::SendMessageA(pFrame->m_hWnd, WM_ENTERIDLE, MSGF_DIALOGBOX, 0);
        EXPECT_EQ(c.bCustomizing, (pFrame->m_nIdleFlags & CFrameWnd::idleLayout) == 0);
        if (c.bCustomizing) {
            pFrame->m_pManager->EndCustomize();
            pFrame->EnableWindow(TRUE);
        }
    }
}

TEST_F(FwFrameWndTest, ClosingDeletesThePlugInBeforeTheWindowGoes)
{
    CSdiFrame* pFrame = new CSdiFrame(TRUE, TRUE);
    ASSERT_TRUE(pFrame->LoadFrame(IDR_FWTB_FRAME, WS_OVERLAPPEDWINDOW));
    ASSERT_NE(nullptr, pFrame->GetPlugIn());
    CSdiFrame::s_bPlugInAtDestroy = TRUE;
    HWND hFrame = pFrame->m_hWnd;
    ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(CSdiFrame::s_bPlugInAtDestroy);
}

TEST_F(FwFrameWndTest, CommandsReachTheOwnOrTheTopLevelAuxiliaryWindow)
{
    FrameHolder top(FALSE, FALSE);
    ASSERT_TRUE(top.pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW));
    FrameHolder inner(FALSE, FALSE);
    ASSERT_TRUE(inner.pFrame->LoadFrame(IDR_FWTEST_CARD, WS_CHILD, top.pFrame));
    struct RouteCase
    {
        const char* szName;
        CSdiFrame* pTarget;
    };
    const RouteCase cases[] = {{"the frame's own", top.pFrame}, {"a frame inside it", inner.pFrame}};
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_FALSE(c.pTarget->OnCmdMsg(CSdiAuxTarget::kAuxCommand, FX_CN_COMMAND, nullptr, nullptr));
    }
    ASSERT_NE(nullptr, top.pFrame->CreateAuxWnd(FX_RUNTIME_CLASS(CSdiAuxTarget)));
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CSdiAuxTarget::s_nCalls = 0;
        EXPECT_TRUE(c.pTarget->OnCmdMsg(CSdiAuxTarget::kAuxCommand, FX_CN_COMMAND, nullptr, nullptr));
        EXPECT_EQ(1, CSdiAuxTarget::s_nCalls);
    }
}

TEST_F(FwFrameWndTest, TheMenuBarShowsTheFrameMenuAndOpensItsPopups)
{
    FrameHolder holder(TRUE, TRUE);
    CSdiFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_FWTB_FRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN));
    pFrame->MoveWindow(0, 0, 420, 240);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    ASSERT_TRUE(pFrame->m_pManager->SetMenuBarMenus(1, IDR_FWTB_FRAME));
    pFrame->m_pManager->CreateDefaultToolBars();
    pFrame->ShowWindow(SW_SHOWNA);
    pFrame->RecalcLayout();
    pFrame->UpdateWindow();
    FwMenuBar* pBar = pFrame->m_pOwnMenuBar;
    ASSERT_NE(nullptr, pBar->m_hWnd);
    EXPECT_EQ(3, static_cast<int>(pBar->GetTitles().GetSize()));
    // The popups come from the frame's own menu, not from a copy the bar loads.
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(::GetSubMenu(pFrame->GetFrameMenu(), i), pBar->GetTitlePopup(i));
    }
    SaveWindowPicture(pFrame->m_hWnd, "fwframe-menubar.png");
}
