// The menu side of the framework's MDI frame with a menu bar: the frame menu kept apart from the
// window, popups answered by "WM_FWGETMENU", the window menu following the menu bar, children of
// the framework switching the menu bar, the customising phase, closing, and the auxiliary window.
#include <gtest/gtest.h>

#include "framework/FwMDIChildWnd.h"
#include "framework/FwMDIMenuBar.h"
#include "framework/FwTextButton.h"
#include "framework/FwWndPlugIn.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/FwToolBarTestFrame.h"
#include "tests/support/UiDriver.h"

namespace
{
class FwMDIFrameWndMenuTest : public ::testing::Test
{
protected:
    void TearDown() override { m_app.m_pMainWnd = nullptr; }
    CWinApp m_app{"FwMDIFrameWndMenuTest"};
};

struct FrameHolder
{
    CFwTbFrame* pFrame = new CFwTbFrame;
    ~FrameHolder()
    {
        if (::IsWindow(pFrame->m_hWnd)) {
            pFrame->DestroyWindow();
        }
    }
};

UINT MenuMessage()
{
    return ::RegisterWindowMessageA("WM_FWGETMENU");
}

CString TitleTexts(const FwMenuBar& bar)
{
    CString strTitles;
    for (int i = 0; i < bar.GetButtonCount(); ++i) {
        const FwTextButton* pText = dynamic_cast<const FwTextButton*>(bar.GetButton(i));
        if (pText != nullptr && pText->m_nKind == FWBK_TEXT && (pText->m_dwStyle & FWBS_HIDDEN) == 0) {
            strTitles += pText->m_strText + "|";
        }
    }
    return strTitles;
}

BOOL MenuHasID(HMENU hMenu, UINT nID)
{
    for (int i = 0; hMenu != nullptr && i < ::GetMenuItemCount(hMenu); ++i) {
        if (::GetMenuItemID(hMenu, i) == nID) {
            return TRUE;
        }
    }
    return FALSE;
}

// A command target that takes one command, standing for a frame's helper window.
class CAuxTarget : public CWnd
{
    FX_DECLARE_DYNCREATE(CAuxTarget)

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
    static const UINT kAuxCommand = 0x8F01;
    static int s_nCalls;
};
int CAuxTarget::s_nCalls = 0;
FX_IMPLEMENT_DYNCREATE(CAuxTarget, CWnd)

// Records whether the plug-in was still there when the window began to go.
class CCloseProbeFrame : public CFwTbFrame
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DESTROY) {
            s_bPlugInAtDestroy = GetPlugIn() != nullptr;
        }
        return CFwTbFrame::WindowProc(message, wParam, lParam);
    }
    static BOOL s_bPlugInAtDestroy;
};
BOOL CCloseProbeFrame::s_bPlugInAtDestroy = TRUE;
} // namespace

TEST_F(FwMDIFrameWndMenuTest, LoadFrameKeepsTheFrameMenuOffTheWindow)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));
    EXPECT_EQ(static_cast<UINT>(IDR_FWTB_FRAME), pFrame->GetCurrentMenuID());
    EXPECT_EQ(static_cast<UINT>(IDR_FWTB_FRAME), pFrame->m_nIDHelp);
    HMENU hFrameMenu = pFrame->GetFrameMenu();
    ASSERT_TRUE(::IsMenu(hFrameMenu));
    EXPECT_EQ(3, ::GetMenuItemCount(hFrameMenu));
    EXPECT_EQ(hFrameMenu, pFrame->GetMenuForID(IDR_FWTB_FRAME));
    // A platform child's menu shown by MDI activation leaves the window again at idle.
    pFrame->Idle();
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));
}

TEST_F(FwMDIFrameWndMenuTest, GetMenuMessageAnswersThePopupOfAMenuAndPosition)
{
    struct PopupCase
    {
        const char* szName;
        UINT nMenuID;
        int nPos;
        UINT nFirstItem; // 0: no popup
    };
    const PopupCase cases[] = {
        {"the frame menu's first popup", IDR_FWTB_FRAME, 0, 0x8101},
        {"the frame menu's last popup", IDR_FWTB_FRAME, 2, 0x8106},
        {"a document menu's popup", IDR_FWTB_CARD, 1, 0x8202},
        {"another document menu", IDR_FWTB_SCRIPT, 1, 0x8206},
        {"a position past the end", IDR_FWTB_FRAME, 3, 0},
        {"a negative position", IDR_FWTB_CARD, -1, 0},
        {"no such menu", 999, 0, 0},
        {"id zero", 0, 0, 0},
    };
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    for (const PopupCase& c : cases) {
        SCOPED_TRACE(c.szName);
        HMENU hPopup = reinterpret_cast<HMENU>(::SendMessageA(pFrame->m_hWnd, MenuMessage(), c.nMenuID, c.nPos));
        if (c.nFirstItem == 0) {
            EXPECT_EQ(nullptr, hPopup);
        } else {
            ASSERT_NE(nullptr, hPopup);
            EXPECT_EQ(c.nFirstItem, ::GetMenuItemID(hPopup, 0));
        }
    }
    // A menu is loaded once and then kept.
    EXPECT_EQ(pFrame->GetMenuForID(IDR_FWTB_CARD), pFrame->GetMenuForID(IDR_FWTB_CARD));
}

TEST_F(FwMDIFrameWndMenuTest, FrameworkChildrenSwitchTheMenuBarAndItsWindowMenu)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    m_app.m_pMainWnd = pFrame;
    FwMDIMenuBar* pBar = pFrame->m_pMDIMenuBar;
    pFrame->SetMenuBarMenu(static_cast<UINT>(-1));
    EXPECT_EQ(CString("&File|&View|&Help|"), TitleTexts(*pBar));

    FwMDIChildWnd* pCard = new FwMDIChildWnd;
    ASSERT_TRUE(pCard->LoadFrame(IDR_FWTB_CARD, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, pFrame));
    pFrame->MDIActivate(pCard);
    // No idle pass: the child's activation switched the bar.
    EXPECT_EQ(static_cast<UINT>(IDR_FWTB_CARD), pBar->GetShownMenu());
    EXPECT_EQ(CString("&File|&Edit|&Insert|&Window|&Help|"), TitleTexts(*pBar));
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));
    // The shown menu has its window popup (the MDI client is given it).
    HMENU hWindow = CMDIFrameWnd::FindWindowMenu(pFrame->GetMenuForID(IDR_FWTB_CARD));
    ASSERT_NE(nullptr, hWindow);
    EXPECT_TRUE(MenuHasID(hWindow, ID_WINDOW_CASCADE));

    FwMDIChildWnd* pScript = new FwMDIChildWnd;
    ASSERT_TRUE(pScript->LoadFrame(IDR_FWTB_SCRIPT, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, pFrame));
    pFrame->MDIActivate(pScript);
    EXPECT_EQ(static_cast<UINT>(IDR_FWTB_SCRIPT), pBar->GetShownMenu());
    EXPECT_EQ(CString("&File|&Script|&Window|&Help|"), TitleTexts(*pBar));
    // Idle keeps the child's choice.
    pFrame->Idle();
    EXPECT_EQ(static_cast<UINT>(IDR_FWTB_SCRIPT), pBar->GetShownMenu());
    SaveWindowPicture(pFrame->m_hWnd, "fwmdiframe-script-menu.png");

    // The last child gone: the frame's own titles.
    ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(pScript->m_hWnd), 0);
    ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(pCard->m_hWnd), 0);
    EXPECT_EQ(nullptr, pFrame->MDIGetActive());
    EXPECT_EQ(static_cast<UINT>(IDR_FWTB_FRAME), pBar->GetShownMenu());
    EXPECT_EQ(CString("&File|&View|&Help|"), TitleTexts(*pBar));
}

TEST_F(FwMDIFrameWndMenuTest, CustomisingSwallowsTheMenuKeyAndHoldsTheFrame)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
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
        const LRESULT lHit = ::SendMessageA(pFrame->m_hWnd, WM_NCHITTEST, 0, lCaption);
        EXPECT_EQ(c.bCustomizing, lHit == HTERROR);
        // A layout that waited is done when a dialog idles, only while customising.
        pFrame->DelayRecalcLayout();
        ::SendMessageA(pFrame->m_hWnd, WM_ENTERIDLE, MSGF_DIALOGBOX, 0);
        EXPECT_EQ(c.bCustomizing, (pFrame->m_nIdleFlags & CFrameWnd::idleLayout) == 0);
        if (c.bCustomizing) {
            pFrame->m_pManager->EndCustomize();
            // The manager disables the frame for the dialog it expects to be modal.
            pFrame->EnableWindow(TRUE);
        }
    }
}

TEST_F(FwMDIFrameWndMenuTest, ClosingDeletesThePlugInBeforeTheWindowGoes)
{
    CCloseProbeFrame* pFrame = new CCloseProbeFrame;
    ASSERT_TRUE(pFrame->Create());
    ASSERT_NE(nullptr, pFrame->GetPlugIn());
    CCloseProbeFrame::s_bPlugInAtDestroy = TRUE;
    HWND hFrame = pFrame->m_hWnd;
    ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(CCloseProbeFrame::s_bPlugInAtDestroy);
}

TEST_F(FwMDIFrameWndMenuTest, TheAuxiliaryWindowTakesCommandsAfterTheChild)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    EXPECT_FALSE(pFrame->OnCmdMsg(CAuxTarget::kAuxCommand, FX_CN_COMMAND, nullptr, nullptr));
    CWnd* pAux = pFrame->CreateAuxWnd(FX_RUNTIME_CLASS(CAuxTarget));
    ASSERT_NE(nullptr, pAux);
    // Asked again, the frame keeps the one it has.
    EXPECT_EQ(pAux, pFrame->CreateAuxWnd(FX_RUNTIME_CLASS(CAuxTarget)));
    CAuxTarget::s_nCalls = 0;
    EXPECT_TRUE(pFrame->OnCmdMsg(CAuxTarget::kAuxCommand, FX_CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(1, CAuxTarget::s_nCalls);
    // A class that is no window gives none.
    FrameHolder other;
    ASSERT_TRUE(other.pFrame->Create());
    EXPECT_EQ(nullptr, other.pFrame->CreateAuxWnd(FX_RUNTIME_CLASS(CObject)));
}
