// The small MDI program of TestFrames on screen: two children of the two document kinds, tiled,
// with their scroll views drawing grids; the picture goes to the test images to be looked at.
#include <gtest/gtest.h>

#include "platform/frame/FrameIds.h"
#include "tests/platform/TestFrames.h"
#include "tests/support/UiDriver.h"

namespace
{
TEST(FrameDemoTest, MdiFrameWithTwoChildrenShowsTheActiveChildsMenuAndBothGrids)
{
    CTestApp app;
    ASSERT_TRUE(app.InitInstance());
    CMDIFrameWnd* pMain = app.m_pMainFrame;
    pMain->MoveWindow(0, 0, 640, 480);
    CDocument* pGrid = app.m_pGridTemplate->OpenDocumentFile(nullptr);
    CDocument* pNote = app.m_pNoteTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pGrid);
    ASSERT_NE(nullptr, pNote);
    EXPECT_EQ(CString("网格1"), pGrid->GetTitle());
    pMain->ShowWindow(SW_SHOW);
    // As the window menu's command does it.
    pMain->SendMessage(WM_COMMAND, ID_WINDOW_TILE_VERT, 0);

    POSITION pos = pGrid->GetFirstViewPosition();
    CScrollView* pGridView = static_cast<CScrollView*>(pGrid->GetNextView(pos));
    pGridView->ScrollToPosition(CPoint(100, 50));
    EXPECT_EQ(CPoint(100, 50), pGridView->GetScrollPosition());

    CMDIChildWnd* pActive = pMain->MDIGetActive();
    ASSERT_NE(nullptr, pActive);
    EXPECT_EQ(pNote, pActive->GetActiveDocument());
    EXPECT_EQ(pActive->m_hMenuShared, ::GetMenu(pMain->m_hWnd));
    // The window menu lists both children.
    HMENU hWindowMenu = CMDIFrameWnd::FindWindowMenu(pActive->m_hMenuShared);
    ASSERT_NE(nullptr, hWindowMenu);
    EXPECT_NE(static_cast<UINT>(-1), ::GetMenuState(hWindowMenu, FX_IDM_FIRST_MDICHILD, MF_BYCOMMAND));
    EXPECT_NE(static_cast<UINT>(-1), ::GetMenuState(hWindowMenu, FX_IDM_FIRST_MDICHILD + 1, MF_BYCOMMAND));
    CRect rcGrid;
    CRect rcNote;
    pGridView->GetParentFrame()->GetWindowRect(&rcGrid);
    pActive->GetWindowRect(&rcNote);
    // Tiled side by side, the active one first.
    EXPECT_LE(rcNote.right, rcGrid.left + 1);
    CString strTitle;
    pActive->GetWindowText(strTitle);
    EXPECT_EQ(CString("便笺1"), strTitle);
    EXPECT_TRUE(SaveWindowPicture(pMain->m_hWnd, "frame-demo-mdi.png"));
    app.Shutdown();
}
} // namespace
