// Popup menus: the chosen command is routed through the frame, owner-drawn items reach the
// owner, the system menu is there.
#include <gtest/gtest.h>

#include "platform/win/Menu.h"
#include "tests/platform/TestFrames.h"
#include "tests/platform/res/fxtest_resource.h"

namespace
{
// The keys that pick item nItem (from 1) of the popup about to open (the menu loop reads them;
// disabled items are stepped on too).
void QueueItemChoice(HWND hOwner, int nItem)
{
    for (int i = 0; i < nItem; ++i) {
        PostMessageA(hOwner, WM_KEYDOWN, VK_DOWN, 0);
    }
    PostMessageA(hOwner, WM_KEYDOWN, VK_RETURN, 0);
}

class MenuTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.InitInstance());
        ASSERT_NE(nullptr, m_app.m_pGridTemplate->OpenDocumentFile(nullptr));
        m_app.m_pMainFrame->ShowWindow(SW_SHOW);
        FxRouteLog().clear();
    }
    void TearDown() override { m_app.Shutdown(); }

    CTestApp m_app;
};

TEST_F(MenuTest, APopupsCommandIsRoutedThroughTheFrame)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    // The document disables its item as the popup opens; the next one is chosen.
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_FXROUTE_DOC, "文档"));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_FXROUTE_CHILD, "子框架"));
    QueueItemChoice(m_app.m_pMainFrame->m_hWnd, 2);
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, m_app.m_pMainFrame));
    PumpTestMessages();
    EXPECT_NE(0u, menu.GetMenuState(ID_FXROUTE_DOC, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ("child:5004;", FxRouteLog());
}

// Counts the owner-draw messages of menu items it owns.
class COwnerDrawWnd : public CWnd
{
public:
    int m_nMeasured = 0;
    int m_nDrawn = 0;
    ULONG_PTR m_nItemData = 0;
    void OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMis) override
    {
        if (lpMis->CtlType == ODT_MENU) {
            ++m_nMeasured;
            m_nItemData = lpMis->itemData;
            lpMis->itemWidth = 80;
            lpMis->itemHeight = 20;
        }
    }
    void OnDrawItem(int, LPDRAWITEMSTRUCT lpDis) override
    {
        if (lpDis->CtlType == ODT_MENU) {
            ++m_nDrawn;
        }
    }
};

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheOwner)
{
    COwnerDrawWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_OWNERDRAW, 7001, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(42))));
    QueueItemChoice(owner.m_hWnd, 1);
    EXPECT_EQ(7001, menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, &owner));
    EXPECT_EQ(1, owner.m_nMeasured);
    EXPECT_LE(1, owner.m_nDrawn);
    EXPECT_EQ(42u, owner.m_nItemData);
}

TEST_F(MenuTest, TheSystemMenuIsLeftToTheSystemOnPopupUpdates)
{
    CMenu* pSysMenu = m_app.m_pMainFrame->GetSystemMenu(FALSE);
    ASSERT_NE(nullptr, pSysMenu);
    ASSERT_LT(0, pSysMenu->GetMenuItemCount());
    EXPECT_EQ(0u, pSysMenu->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    // No command handler has SC_CLOSE, yet the item stays enabled: system menus are not updated.
    m_app.m_pMainFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pSysMenu->m_hMenu), MAKELPARAM(0, 1));
    EXPECT_EQ(0u, pSysMenu->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
}
} // namespace
