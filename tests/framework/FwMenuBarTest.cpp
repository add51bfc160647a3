// The menu bar of the designer-like frame: titles and masks from the menu resources, the titles
// of the active document's menu, popups opened from the keyboard and switched by mouse and arrows,
// and the maximised child's buttons.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwMDIMenuBar.h"
#include "framework/FwMenuBarFeature.h"
#include "framework/FwTextButton.h"
#include "platform/frame/MDIChildWnd.h"
#include "platform/frame/DockBar.h"
#include "tests/framework/FwToolBarTestFrame.h"
#include "tests/support/FirewallCheck.h"
#include "tests/support/UiDriver.h"

namespace
{
class FwMenuBarTest : public ::testing::Test
{
protected:
    void TearDown() override { m_app.m_pMainWnd = nullptr; }
    CWinApp m_app{"FwMenuBarTest"};
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

std::vector<CString> VisibleTitles(const FwMenuBar& bar)
{
    std::vector<CString> titles;
    for (int i = 0; i < bar.GetButtonCount(); ++i) {
        const FwTextButton* pText = dynamic_cast<const FwTextButton*>(bar.GetButton(i));
        if (pText != nullptr && pText->m_nKind == FWBK_TEXT && (pText->m_dwStyle & FWBS_HIDDEN) == 0) {
            titles.push_back(pText->m_strText);
        }
    }
    return titles;
}

std::vector<CString> Titles(std::initializer_list<const char*> texts)
{
    std::vector<CString> titles;
    for (const char* psz : texts) {
        titles.emplace_back(psz);
    }
    return titles;
}

// A menu bar whose hit test fails while armed: the menu filter hook asks it where the mouse is.
class CFailingHitMenuBar : public FwMDIMenuBar
{
public:
    int ButtonFromPoint(int x, int y, LPRECT lpRect) const override
    {
        if (m_bFail) {
            throw std::runtime_error("hit test failed");
        }
        return FwMDIMenuBar::ButtonFromPoint(x, y, lpRect);
    }
    BOOL m_bFail = FALSE;
};

// Puts the cursor over the frame's empty client so the real mouse stays out of the way.
void ParkCursor(CFwTbFrame* pFrame)
{
    CRect rc;
    ::GetWindowRect(pFrame->m_hWndMDIClient, &rc);
    ::SetCursorPos(rc.right - 20, rc.bottom - 20);
}
} // namespace

TEST_F(FwMenuBarTest, MenusGiveTitlesAndMasksAndAMissingMenuTakesNoBit)
{
    struct MaskCase
    {
        const char* szName;
        std::vector<UINT> menus;
        int nTitles;
        std::vector<DWORD> masks;
    };
    const MaskCase cases[] = {
        {"the designer's three menus", {128, 131, 137}, 12, {1, 2, 4}},
        {"a missing menu in the middle", {128, 999, 137}, 7, {1, 0, 2}},
        {"only missing menus", {998, 999}, 0, {0, 0}},
    };
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FwMenuBar bar;
        FwMenuBarEntry* pEntries = bar.ParseMenus(static_cast<int>(c.menus.size()), c.menus.data());
        EXPECT_EQ(c.nTitles, static_cast<int>(bar.GetTitles().GetSize()));
        for (size_t i = 0; i < c.menus.size(); ++i) {
            EXPECT_EQ(c.masks[i], bar.GetMenuMask(c.menus[i]));
        }
        EXPECT_EQ(c.nTitles == 0, pEntries == nullptr);
        // Titles that share a text stay separate, with their own ids.
        for (int i = 0; i < c.nTitles; ++i) {
            EXPECT_EQ(FW_MENUBAR_FIRSTID + static_cast<UINT>(i), pEntries[i].nID);
        }
        if (pEntries != nullptr) {
            EXPECT_EQ(nullptr, pEntries[c.nTitles].pfnCreate);
        }
        delete[] pEntries;
    }
}

TEST_F(FwMenuBarTest, TheActiveDocumentsMenuDecidesTheTitles)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    FwMDIMenuBar* pBar = pFrame->m_pMDIMenuBar;
    // Before idle every menu's titles show; the frame's own menu wins at idle.
    EXPECT_EQ(12U, VisibleTitles(*pBar).size());
    pFrame->Idle();
    EXPECT_EQ(Titles({"&File", "&View", "&Help"}), VisibleTitles(*pBar));
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));

    CMDIChildWnd* pCard = new CMDIChildWnd;
    ASSERT_TRUE(pCard->LoadFrame(IDR_FWTB_CARD, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, pFrame));
    pFrame->MDIActivate(pCard);
    pFrame->Idle();
    EXPECT_EQ(IDR_FWTB_CARD, pBar->GetShownMenu());
    EXPECT_EQ(Titles({"&File", "&Edit", "&Insert", "&Window", "&Help"}), VisibleTitles(*pBar));
    EXPECT_FALSE(pBar->HasChildButtons());

    // Maximised: the child's icon first and its caption buttons last.
    const int nButtons = pBar->GetButtonCount();
    ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pCard->m_hWnd), 0);
    pFrame->Idle();
    EXPECT_TRUE(pBar->HasChildButtons());
    ASSERT_EQ(nButtons + 2, pBar->GetButtonCount());
    EXPECT_EQ(FWBK_SYSMENU, pBar->GetButton(0)->m_nKind);
    EXPECT_EQ(FWBK_CAPTION, pBar->GetButton(pBar->GetButtonCount() - 1)->m_nKind);
    SaveWindowPicture(pFrame->m_hWnd, "fwmenubar-maximised.png");

    // The caption's close part closes the child.
    const CRect rcCaption = pBar->GetButton(pBar->GetButtonCount() - 1)->GetRect();
    const CPoint ptClose(rcCaption.right - 4, rcCaption.top + rcCaption.Height() / 2);
    EXPECT_EQ(2, pBar->CaptionPartFromPoint(ptClose));
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClose.x, ptClose.y));
    pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClose.x, ptClose.y));
    PumpTestMessages();
    pFrame->Idle();
    EXPECT_EQ(nullptr, pFrame->MDIGetActive());
    EXPECT_FALSE(pBar->HasChildButtons());
    EXPECT_EQ(nButtons, pBar->GetButtonCount());
    EXPECT_EQ(Titles({"&File", "&View", "&Help"}), VisibleTitles(*pBar));

    // A mask of 0 hides every title.
    pBar->ShowMenu(0, TRUE);
    EXPECT_TRUE(VisibleTitles(*pBar).empty());
}

TEST_F(FwMenuBarTest, AltAndAMnemonicOpenATitleAndTheChosenCommandArrives)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    pFrame->Idle();
    ParkCursor(pFrame);
    FwMDIMenuBar* pBar = pFrame->m_pMDIMenuBar;
    const int nView = pBar->FindMnemonic('V');
    ASSERT_GE(nView, 0);

    // Alt+V: the View popup opens; its owner-drawn "&Status Bar" answers the letter s.
    pFrame->m_script = {{{WM_CHAR, 's', 0, nullptr}}};
    pFrame->SendMessage(WM_SYSCHAR, 'v', 0x20000000);
    PumpTestMessages();
    ASSERT_EQ(1U, pFrame->m_popups.size());
    EXPECT_EQ(pBar->GetTitlePopup(nView), pFrame->m_popups[0]);
    EXPECT_EQ(std::vector<UINT>{0x8400}, pFrame->m_commands);
    EXPECT_EQ(0U, pBar->GetButtonStyle(nView) & FWBS_PRESSED);

    // A letter that no title has is left to the frame.
    EXPECT_EQ(-1, pBar->FindMnemonic('q'));
    // Alt alone: a menu opens (the first title), closed again with Escape.
    pFrame->m_popups.clear();
    pFrame->m_script = {{{WM_KEYDOWN, VK_ESCAPE, 0, nullptr}}};
    pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    PumpTestMessages();
    EXPECT_EQ(1U, pFrame->m_popups.size() + static_cast<size_t>(pFrame->m_nSystemMenus));
}

TEST_F(FwMenuBarTest, ArrowsAndTheMouseSwitchBetweenTitlesWhileAPopupIsOpen)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    pFrame->Idle();
    ParkCursor(pFrame);
    FwMDIMenuBar* pBar = pFrame->m_pMDIMenuBar;
    const int nFile = pBar->FindMnemonic('f');
    const int nView = pBar->FindMnemonic('v');
    const int nHelp = pBar->FindMnemonic('h');

    struct SwitchCase
    {
        const char* szName;
        UINT nKey;
        int nExpected;
    };
    const SwitchCase cases[] = {
        {"right moves to the next title", VK_RIGHT, nView},
        {"left wraps from the first to the last", VK_LEFT, nHelp},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.szName);
        pFrame->m_popups.clear();
        pFrame->m_script = {{{WM_KEYDOWN, c.nKey, 0, nullptr}}, {{WM_KEYDOWN, VK_ESCAPE, 0, nullptr}}};
        pFrame->SendMessage(WM_SYSCHAR, 'f', 0x20000000);
        PumpTestMessages();
        ASSERT_EQ(2U, pFrame->m_popups.size());
        EXPECT_EQ(pBar->GetTitlePopup(nFile), pFrame->m_popups[0]);
        EXPECT_EQ(pBar->GetTitlePopup(c.nExpected), pFrame->m_popups[1]);
    }

    // The mouse over another title while File is open: Help opens in its place.
    pFrame->m_popups.clear();
    CRect rcHelp;
    pBar->GetButtonRect(nHelp, &rcHelp);
    pFrame->m_script = {{{WM_MOUSEMOVE, 0, MAKELPARAM(rcHelp.CenterPoint().x, rcHelp.CenterPoint().y), pBar->m_hWnd}},
                        {{WM_KEYDOWN, VK_ESCAPE, 0, nullptr}}};
    pBar->TrackTitle(nFile, FALSE);
    PumpTestMessages();
    ASSERT_EQ(2U, pFrame->m_popups.size());
    EXPECT_EQ(pBar->GetTitlePopup(nFile), pFrame->m_popups[0]);
    EXPECT_EQ(pBar->GetTitlePopup(nHelp), pFrame->m_popups[1]);
    EXPECT_EQ(-1, pBar->GetTrackingTitle());
}

TEST_F(FwMenuBarTest, AnOpenBitmapMenuShowsTheButtonImages)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    pFrame->Idle();
    ParkCursor(pFrame);
    FwMDIMenuBar* pBar = pFrame->m_pMDIMenuBar;
    pFrame->m_pszMenuPicture = "fwmenubar-bitmap-menu.png";
    pFrame->m_script = {{{WM_KEYDOWN, VK_DOWN, 0, nullptr}}};
    pFrame->SendMessage(WM_SYSCHAR, 'v', 0x20000000);
    PumpTestMessages();
    EXPECT_EQ(nullptr, pFrame->m_pszMenuPicture);

    // Every command item of the popup became owner-drawn by the frame's plug-in.
    HMENU hView = pBar->GetTitlePopup(pBar->FindMnemonic('v'));
    FwBmpMenuPlugIn* pPlugIn = dynamic_cast<FwBmpMenuPlugIn*>(pFrame->GetPlugIn());
    ASSERT_NE(nullptr, pPlugIn);
    EXPECT_EQ(pFrame->m_pManager->GetBmpMgr(), pPlugIn->GetBmpMgr());
    EXPECT_EQ(3, pPlugIn->GetItemCount(hView));
    EXPECT_NE(0U, ::GetMenuState(hView, 0x8104, MF_BYCOMMAND) & MF_OWNERDRAW);

    // Large buttons keep the small strips for the menus.
    pFrame->m_pManager->EnableLargeButtons(TRUE);
    HBITMAP hStrip = nullptr;
    int nIndex = -1;
    EXPECT_TRUE(pFrame->m_pManager->GetBmpMgr()->GetImage(0x8104, hStrip, nIndex, TRUE));
    EXPECT_NE(nullptr, hStrip);
    pFrame->Idle();
    pFrame->m_pszMenuPicture = "fwmenubar-bitmap-menu-large.png";
    pFrame->m_popups.clear();
    pFrame->m_script.clear();
    pFrame->SendMessage(WM_SYSCHAR, 'f', 0x20000000);
    PumpTestMessages();
}

TEST_F(FwMenuBarTest, AFloatingMenuBarHasNoCloseBox)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    FwMDIMenuBar* pBar = pFrame->m_pMDIMenuBar;
    pFrame->FloatControlBar(pBar, CPoint(200, 200), CBRS_ALIGN_TOP);
    pFrame->Idle();
    ASSERT_TRUE(pBar->IsFloating());
    HWND hMini = ::GetParent(pBar->m_pDockBar->m_hWnd);
    EXPECT_EQ(0, ::GetWindowLongPtrA(hMini, GWL_STYLE) & WS_SYSMENU);
    // Floating, it lays its titles out in rows of its own.
    EXPECT_EQ(Titles({"&File", "&View", "&Help"}), VisibleTitles(*pBar));
    ::RedrawWindow(hMini, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    SaveWindowPicture(pFrame->m_hWnd, "fwmenubar-floating.png");
}

// While the frame's own system menu is open, a press on the caption icon closes it and a double
// click there sends the menu's default command; a double click elsewhere sends nothing.
TEST_F(FwMenuBarTest, TheCaptionIconClosesTheSystemMenuOrSendsItsDefaultCommand)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    pFrame->Idle();
    ParkCursor(pFrame);
    FwMenuBarFeature* pFeature = dynamic_cast<FwMenuBarFeature*>(pFrame->GetPlugIn());
    ASSERT_NE(nullptr, pFeature);
    HMENU hSys = ::GetSystemMenu(pFrame->m_hWnd, FALSE);
    ASSERT_NE(nullptr, hSys);
    ASSERT_TRUE(::SetMenuDefaultItem(hSys, SC_MINIMIZE, FALSE));
    const CPoint ptIcon = pFeature->GetCaptionIconRect().CenterPoint();
    // A click elsewhere is a client-area click: posted non-client clicks off the icon would reach
    // the frame's default handling (moving or maximising it) rather than the menu loop.
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    const CPoint ptClient = rcClient.CenterPoint();

    const struct
    {
        const char* szName;
        UINT nMessage;
        WPARAM wHit;
        CPoint pt;
        int nCancelModes;
        BOOL bMinimised;
    } cases[] = {
        {"a double click elsewhere sends nothing", WM_LBUTTONDBLCLK, MK_LBUTTON, ptClient, 0, FALSE},
        {"a press on the icon closes it", WM_NCLBUTTONDOWN, HTSYSMENU, ptIcon, 1, FALSE},
        {"a double click on the icon sends the default", WM_NCLBUTTONDBLCLK, HTSYSMENU, ptIcon, 1, TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        pFrame->m_nSystemMenus = 0;
        pFrame->m_nCancelModes = 0;
        pFrame->m_popups.clear();
        // The Escape closes the menu only when the icon did not.
        pFrame->m_script = {
            {{c.nMessage, c.wHit, MAKELPARAM(c.pt.x, c.pt.y), nullptr}, {WM_KEYDOWN, VK_ESCAPE, 0, nullptr}}};
        pFrame->SendMessage(WM_SYSCHAR, ' ', 0x20000000);
        PumpTestMessages();
        EXPECT_EQ(1U, pFrame->m_popups.size() + static_cast<size_t>(pFrame->m_nSystemMenus));
        EXPECT_EQ(c.nCancelModes, pFrame->m_nCancelModes);
        EXPECT_EQ(c.bMinimised, ::IsIconic(pFrame->m_hWnd) != FALSE);
        pFrame->ShowWindow(SW_RESTORE);
    }
}

// A throw inside the menu filter hook stops at the hook: the menu goes on and closes normally,
// and the test listener fails the test that was running, naming the hook.
TEST_F(FwMenuBarTest, AThrowInTheMenuFilterHookFailsTheRunningTest)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    auto* pBar = new CFailingHitMenuBar;
    delete pFrame->m_pMDIMenuBar;
    pFrame->m_pMDIMenuBar = pBar;
    pFrame->SetMenuBar(pBar);
    ASSERT_TRUE(pFrame->Create());
    pFrame->Idle();
    ParkCursor(pFrame);
    const int nFile = pBar->FindMnemonic('f');
    const int nHelp = pBar->FindMnemonic('h');
    CRect rcHelp;
    pBar->GetButtonRect(nHelp, &rcHelp);
    pFrame->m_script = {{{WM_MOUSEMOVE, 0, MAKELPARAM(rcHelp.CenterPoint().x, rcHelp.CenterPoint().y), pBar->m_hWnd},
                         {WM_KEYDOWN, VK_ESCAPE, 0, nullptr}}};
    pBar->m_bFail = TRUE;
    pBar->TrackTitle(nFile, FALSE);
    PumpTestMessages();
    pBar->m_bFail = FALSE;
    // The failed hit test took nothing: Help never opened, Escape closed File.
    ASSERT_EQ(1U, pFrame->m_popups.size());
    EXPECT_EQ(pBar->GetTitlePopup(nFile), pFrame->m_popups[0]);
    EXPECT_EQ(-1, pBar->GetTrackingTitle());
    EXPECT_NONFATAL_FAILURE(ExpectNoSwallowedExceptions(), "FwMenuBar::MsgFilterProc: hit test failed");
}
