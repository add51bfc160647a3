// The tool-bar manager driving a designer-like frame: default bars and the menu bar created and
// docked, the settings, user bars and the profile.
#include <gtest/gtest.h>

#include "framework/FwControlBarInfo.h"
#include "framework/FwPersistentNodeOwner.h"
#include "platform/frame/DockBar.h"
#include "framework/FwPersistentTreeNode.h"
#include "tests/framework/FwToolBarTestFrame.h"
#include "tests/support/UiDriver.h"

namespace
{
class FwToolBarManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwToolBarManagerTest");
        m_app.SetRegistryKey("VornFwToolBarManagerTest");
    }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwToolBarManagerTest");
    }
    CWinApp m_app{"FwToolBarManagerTest"};
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
} // namespace

TEST_F(FwToolBarManagerTest, TheDesignersBarsAreCreatedAndDockedInTheirRows)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    pFrame->Idle();

    struct BarCase
    {
        const char* szName;
        UINT nID;
        UINT nDockBar;
        int nButtons;
    };
    const BarCase cases[] = {
        {"standard", 0xE800, FX_IDW_DOCKBAR_TOP, 21}, {"edit", 0xE806, FX_IDW_DOCKBAR_TOP, 10},
        {"view", 0xE804, FX_IDW_DOCKBAR_TOP, 6},      {"draw", 0xE805, FX_IDW_DOCKBAR_LEFT, 10},
        {"shapes", 0xE807, FX_IDW_DOCKBAR_LEFT, 18},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FwCustomToolBar* pBar = pFrame->Bar(c.nID);
        ASSERT_NE(nullptr, pBar);
        EXPECT_EQ(c.nButtons, pBar->GetButtonCount());
        EXPECT_EQ(pFrame->GetControlBar(c.nDockBar), static_cast<CControlBar*>(pBar->m_pDockBar));
        EXPECT_EQ(static_cast<DWORD>(FWCBS_EX_FLAT | FWCBS_EX_GRIPPER),
                  pBar->GetExtendedStyle() & (FWCBS_EX_FLAT | FWCBS_EX_GRIPPER));
        EXPECT_TRUE(pBar->IsWindowVisible());
        EXPECT_EQ(pFrame->m_pManager->GetBmpMgr(), pBar->GetBmpMgr());
    }

    // The menu bar alone and full width in the first top row.
    FwMenuBar* pMenuBar = pFrame->GetMenuBar();
    ASSERT_NE(nullptr, pMenuBar->m_hWnd);
    EXPECT_EQ(FW_IDW_MENUBAR, static_cast<UINT>(pMenuBar->GetDlgCtrlID()));
    EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_TOP), static_cast<CControlBar*>(pMenuBar->m_pDockBar));
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    const CRect rcMenu = pFrame->BarRect(FW_IDW_MENUBAR);
    EXPECT_GE(rcMenu.Width(), rcClient.Width() - 4);
    // The three top bars in the next row, left to right.
    const CRect rcStd = pFrame->BarRect(0xE800);
    const CRect rcEdit = pFrame->BarRect(0xE806);
    const CRect rcView = pFrame->BarRect(0xE804);
    EXPECT_GE(rcStd.top, rcMenu.bottom);
    EXPECT_EQ(rcStd.top, rcEdit.top);
    EXPECT_EQ(rcStd.top, rcView.top);
    EXPECT_LT(rcStd.left, rcEdit.left);
    EXPECT_LT(rcEdit.left, rcView.left);
    // Draw above shapes at the left, in one column.
    const CRect rcDraw = pFrame->BarRect(0xE805);
    const CRect rcShapes = pFrame->BarRect(0xE807);
    EXPECT_EQ(rcDraw.left, rcShapes.left);
    EXPECT_LT(rcDraw.top, rcShapes.top);
    EXPECT_GT(rcDraw.Height(), rcDraw.Width());

    // Record types of the saved layout.
    EXPECT_EQ(static_cast<DWORD>(FW_BARTYPE_MENUBAR), pFrame->m_pManager->GetBarTypeID(pMenuBar));
    EXPECT_EQ(static_cast<DWORD>(FW_BARTYPE_TOOLBAR), pFrame->m_pManager->GetBarTypeID(pFrame->Bar(0xE800)));
    EXPECT_EQ(0U, pFrame->m_pManager->GetBarTypeID(pFrame->GetControlBar(FX_IDW_DOCKBAR_TOP)));
    SaveWindowPicture(pFrame->m_hWnd, "fwtoolbar-frame.png");
}

TEST_F(FwToolBarManagerTest, LargeButtonsResizeEveryBarAndBack)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create(900, 560));
    FwCustomToolBar* pBar = pFrame->Bar(0xE800);
    CRect rcButton;
    pBar->GetButtonRect(0, &rcButton);
    EXPECT_EQ(CSize(23, 22), rcButton.Size());

    pFrame->m_pManager->EnableLargeButtons(TRUE);
    pFrame->Idle();
    pBar->GetButtonRect(0, &rcButton);
    EXPECT_EQ(CSize(31, 30), rcButton.Size());
    EXPECT_EQ(CSize(24, 23), pFrame->m_pManager->GetBmpMgr()->GetImageSize());
    SaveWindowPicture(pFrame->m_hWnd, "fwtoolbar-frame-large.png");

    pFrame->m_pManager->EnableLargeButtons(FALSE);
    pFrame->Idle();
    pBar->GetButtonRect(0, &rcButton);
    EXPECT_EQ(CSize(23, 22), rcButton.Size());
}

TEST_F(FwToolBarManagerTest, SettingsChangeOnlyWhenTheyDiffer)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    FwToolBarManager* pManager = pFrame->m_pManager;
    FwCustomToolBar* pBar = pFrame->Bar(0xE806);

    // The same value again: nothing happens, not even a layout request.
    pFrame->m_nIdleFlags = 0;
    EXPECT_FALSE(pManager->EnableCoolLook(TRUE, 0x300));
    EXPECT_EQ(0U, pFrame->m_nIdleFlags);

    EXPECT_TRUE(pManager->EnableCoolLook(FALSE, 0x300));
    EXPECT_EQ(0U, pBar->GetExtendedStyle() & 0x300);
    EXPECT_NE(0U, pFrame->m_nIdleFlags);
    pManager->EnableToolTips(FALSE);
    EXPECT_EQ(0U, pBar->GetBarStyle() & CBRS_TOOLTIPS);
    EXPECT_EQ(0U, pManager->GetBarStyle() & CBRS_TOOLTIPS);

    pManager->SaveState("Designer");
    EXPECT_EQ(0U, m_app.GetProfileInt("Designer-ToolBarManager", "CoolLook", 7));
    EXPECT_EQ(0U, m_app.GetProfileInt("Designer-ToolBarManager", "ToolTips", 7));
    EXPECT_EQ(0U, m_app.GetProfileInt("Designer-ToolBarManager", "LargeButtons", 7));

    // Loading with nothing stored keeps the settings.
    pManager->LoadState("Nothing");
    EXPECT_FALSE(pManager->IsCoolLook());
    EXPECT_FALSE(pManager->IsToolTips());

    m_app.WriteProfileInt("Designer-ToolBarManager", "CoolLook", 1);
    m_app.WriteProfileInt("Designer-ToolBarManager", "ToolTips", 1);
    pManager->LoadState("Designer");
    EXPECT_TRUE(pManager->IsCoolLook());
    EXPECT_EQ(0x300U, pBar->GetExtendedStyle() & 0x300);
    EXPECT_NE(0U, pBar->GetBarStyle() & CBRS_TOOLTIPS);

    // Settings nodes: without a "ToolBarMgr" child the cool look comes on.
    pManager->EnableCoolLook(FALSE, 0x300);
    FwPersistentNodeOwner owner;
    FwPersistentTreeNode* pRoot = owner.AddChild("Root", nullptr);
    ASSERT_NE(nullptr, pRoot);
    EXPECT_FALSE(pManager->LoadStateFromNode(pRoot));
    EXPECT_TRUE(pManager->IsCoolLook());
    pManager->EnableLargeButtons(TRUE);
    EXPECT_TRUE(pManager->SaveStateToNode(&owner, pRoot));
    pManager->EnableLargeButtons(FALSE);
    EXPECT_TRUE(pManager->LoadStateFromNode(pRoot));
    EXPECT_TRUE(pManager->IsLargeButtons());
}

TEST_F(FwToolBarManagerTest, UserBarsTakeTheFirstFreeIdUntilNoneIsLeft)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    FwToolBarManager* pManager = pFrame->m_pManager;

    FwCustomToolBar* pFirst = pManager->CreateUserToolBar(nullptr);
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(0xE820, pFirst->GetDlgCtrlID());
    CString strTitle;
    pFirst->GetWindowText(strTitle);
    EXPECT_STREQ("ToolBar1", strTitle);
    EXPECT_EQ(0, pFirst->GetButtonCount());
    FwCustomToolBar* pNamed = pManager->CreateUserToolBar("Mine");
    ASSERT_NE(nullptr, pNamed);
    EXPECT_EQ(0xE821, pNamed->GetDlgCtrlID());
    pNamed->GetWindowText(strTitle);
    EXPECT_STREQ("Mine", strTitle);

    // 0xE820 to 0xE8FE are the user bars' (the menu bar holds 0xE8FF): 223 in all.
    int nMade = 2;
    while (pManager->CreateUserToolBar(nullptr) != nullptr && nMade < 300) {
        ++nMade;
    }
    EXPECT_EQ(0xE8FF - 0xE820, nMade);
    EXPECT_EQ(nullptr, pManager->CreateUserToolBar("One too many"));
    EXPECT_EQ(pFrame->Bar(FW_IDW_MENUBAR), pFrame->GetMenuBar());
}

TEST_F(FwToolBarManagerTest, AnUnknownDockBehindIdDocksBehindTheLastDefinition)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = new CFwTbFrame;
    holder.pFrame = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_FWTB_FRAME, WS_OVERLAPPEDWINDOW));
    pFrame->MoveWindow(0, 0, 760, 420);
    FwToolBarManager* pManager = pFrame->m_pManager;
    ASSERT_TRUE(pManager->AddToolBarResource(MAKEINTRESOURCEA(IDR_FWTB_MAIN), nullptr));
    pManager->AddDefaultToolBar(0xE800, "A", 6, FwTbViewButtons(), CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_TOP, 0, TRUE, TRUE);
    pManager->AddDefaultToolBar(0xE801, "B", 6, FwTbViewButtons(), CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_TOP, 0xE9AA, TRUE,
                                FALSE);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pManager->CreateDefaultToolBars();
    pFrame->ShowWindow(SW_SHOWNA);
    pFrame->RecalcLayout();
    // No menu bar: the frame's menu bar was given no menus, so only the tool bars exist.
    ASSERT_NE(nullptr, pFrame->Bar(0xE801));
    EXPECT_FALSE(pFrame->Bar(0xE801)->IsVisible());
    int nButtons = 0;
    const UINT* pButtons = nullptr;
    EXPECT_TRUE(pManager->GetDefaultToolBar(0xE801, nButtons, pButtons));
    EXPECT_EQ(6, nButtons);
    EXPECT_EQ(FwTbViewButtons(), pButtons);
    EXPECT_FALSE(pManager->GetDefaultToolBar(0xE8AA, nButtons, pButtons));
}
