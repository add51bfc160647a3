// Command routing, command-UI updates, accelerators and menus of the MDI frame, through the small
// program of TestFrames.
#include <gtest/gtest.h>

#include "platform/frame/FrameIds.h"
#include "platform/win/CmdUI.h"
#include "tests/platform/TestFrames.h"
#include "tests/platform/res/fxtest_resource.h"

namespace
{
class FrameWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.InitInstance());
        m_pGridDoc = static_cast<CGridDoc*>(m_app.m_pGridTemplate->OpenDocumentFile(nullptr));
        ASSERT_NE(nullptr, m_pGridDoc);
        m_pGridDoc->SetModifiedFlag(FALSE);
        FxRouteLog().clear();
    }
    void TearDown() override { m_app.Shutdown(); }

    CMDIChildWnd* ActiveChild() const { return m_app.m_pMainFrame->MDIGetActive(); }

    CTestApp m_app;
    CGridDoc* m_pGridDoc = nullptr;
};

TEST_F(FrameWndTest, ACommandGoesViewDocumentTemplateChildFrameMainFrameApplicationFirstHandlerWins)
{
    struct Case
    {
        const char* szName;
        UINT nID;
        const char* szLog;
    };
    const Case cases[] = {
        {"everyone handles it: the view", ID_FXROUTE_VIEW, "view:5001;"},
        {"from the document on", ID_FXROUTE_DOC, "doc:5002;"},
        {"from the template on", ID_FXROUTE_TEMPLATE, "template:5003;"},
        {"from the child frame on", ID_FXROUTE_CHILD, "child:5004;"},
        {"main frame and application", ID_FXROUTE_MAIN, "main:5005;"},
        {"the application only", ID_FXROUTE_APP, "app:5006;"},
        {"nobody, and not handed to the child twice", ID_FXROUTE_NOBODY, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FxRouteLog().clear();
        // As a menu sends it: to the main frame, code 0, no control.
        m_app.m_pMainFrame->SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
        EXPECT_EQ(c.szLog, FxRouteLog());
    }
}

TEST_F(FrameWndTest, UpdateHandlersSetMenuItemsAndItemsWithoutAHandlerAreDisabled)
{
    struct Case
    {
        const char* szName;
        UINT nID;
        BOOL bAutoMenuEnable;
        BOOL bGrayed;
        BOOL bChecked;
        const char* szText;
    };
    const Case cases[] = {
        {"command handler, no update handler: enabled", ID_FXROUTE_VIEW, TRUE, FALSE, FALSE, "视图"},
        {"document's update handler disables", ID_FXROUTE_DOC, TRUE, TRUE, FALSE, "文档"},
        {"view's update handler checks", ID_FXROUTE_TEMPLATE, TRUE, FALSE, TRUE, "模板"},
        {"view's update handler sets the radio mark", ID_FXROUTE_CHILD, TRUE, FALSE, TRUE, "子框架"},
        {"view's update handler renames", ID_FXROUTE_MAIN, TRUE, FALSE, FALSE, "改名"},
        {"handled by the application only: enabled", ID_FXROUTE_APP, TRUE, FALSE, FALSE, "应用"},
        {"no handler: disabled", ID_FXROUTE_NOBODY, TRUE, TRUE, FALSE, "无人"},
        {"no handler, automatic disabling off", ID_FXROUTE_NOBODY, FALSE, FALSE, FALSE, "无人"},
    };
    CMDIChildWnd* pChild = ActiveChild();
    ASSERT_NE(nullptr, pChild);
    HMENU hMenu = ::GetMenu(m_app.m_pMainFrame->m_hWnd);
    ASSERT_EQ(pChild->m_hMenuShared, hMenu);
    HMENU hPopup = ::GetSubMenu(hMenu, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_app.m_pMainFrame->m_bAutoMenuEnable = c.bAutoMenuEnable;
        ::EnableMenuItem(hPopup, c.nID, MF_BYCOMMAND | MF_ENABLED);
        m_app.m_pMainFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 1);
        const UINT nState = ::GetMenuState(hPopup, c.nID, MF_BYCOMMAND);
        EXPECT_EQ(c.bGrayed, (nState & MF_GRAYED) != 0);
        EXPECT_EQ(c.bChecked, (nState & MF_CHECKED) != 0);
        char szText[32] = {};
        ::GetMenuStringA(hPopup, c.nID, szText, sizeof(szText), MF_BYCOMMAND);
        EXPECT_STREQ(c.szText, szText);
        // An update never runs the command.
        EXPECT_EQ("", FxRouteLog());
    }
}

// A bar with one button per command: on idle it asks the frame for each button's state.
class CButtonBar : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != FxGetIdleUpdateMessage()) {
            return CWnd::WindowProc(message, wParam, lParam);
        }
        CFrameWnd* pFrame = FxGetParentFrame(this);
        for (HWND hButton = ::GetWindow(m_hWnd, GW_CHILD); hButton != nullptr;
             hButton = ::GetWindow(hButton, GW_HWNDNEXT)) {
            CCmdUI state;
            state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hButton));
            state.m_pOther = CWnd::FromHandle(hButton);
            state.DoUpdate(pFrame, static_cast<BOOL>(wParam));
        }
        return 0;
    }
};

TEST_F(FrameWndTest, IdleUpdatesEnableAndCheckBarButtons)
{
    CButtonBar bar;
    ASSERT_TRUE(bar.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 300, 30), m_app.m_pMainFrame, 1));
    const UINT ids[] = {ID_FXROUTE_VIEW, ID_FXROUTE_DOC, ID_FXROUTE_TEMPLATE, ID_FXROUTE_NOBODY};
    HWND hButtons[4] = {};
    for (int i = 0; i < 4; ++i) {
        hButtons[i] =
            CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, i * 60, 0, 50, 20, bar.m_hWnd,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ids[i])), GetModuleHandleA(nullptr), nullptr);
    }
    EXPECT_TRUE(m_app.OnIdle(0));
    EXPECT_TRUE(IsWindowEnabled(hButtons[0]));
    EXPECT_FALSE(IsWindowEnabled(hButtons[1]));
    EXPECT_TRUE(IsWindowEnabled(hButtons[2]));
    EXPECT_EQ(BST_CHECKED, SendMessageA(hButtons[2], BM_GETCHECK, 0, 0));
    EXPECT_FALSE(IsWindowEnabled(hButtons[3]));
    EXPECT_EQ("", FxRouteLog());
    // With automatic disabling off, a button without a handler keeps its state.
    m_app.m_pMainFrame->m_bAutoMenuEnable = FALSE;
    EnableWindow(hButtons[3], TRUE);
    m_app.OnIdle(0);
    EXPECT_TRUE(IsWindowEnabled(hButtons[3]));
    bar.DestroyWindow();
}

TEST_F(FrameWndTest, AcceleratorsReachTheActiveChildFirst)
{
    CDocument* pNote = m_app.m_pNoteTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pNote);
    CMDIChildWnd* pNoteChild = ActiveChild();
    CMDIChildWnd* pGridChild = nullptr;
    POSITION pos = m_pGridDoc->GetFirstViewPosition();
    pGridChild = static_cast<CMDIChildWnd*>(m_pGridDoc->GetNextView(pos)->GetParentFrame());
    ASSERT_NE(pNoteChild, pGridChild);

    struct Case
    {
        const char* szName;
        CMDIChildWnd* pActive;
        const char* szLog;
    };
    const Case cases[] = {
        {"grid child has its own F5", pGridChild, "accel:5101;"},
        {"note child has none: the frame's F5", pNoteChild, "accel:5102;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        c.pActive->MDIActivate();
        ASSERT_EQ(c.pActive, ActiveChild());
        FxRouteLog().clear();
        // The key reaches the focused view inside the child; the loop offers it before dispatch.
        MSG msg = {};
        msg.hwnd = c.pActive->GetActiveView() != nullptr ? c.pActive->GetActiveView()->m_hWnd : c.pActive->m_hWnd;
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_F5;
        msg.lParam = 1;
        EXPECT_TRUE(m_app.PreTranslateMessage(&msg));
        EXPECT_EQ(c.szLog, FxRouteLog());
    }
}

TEST_F(FrameWndTest, ActivationSwapsTheChildsMenuInAndTheFramesBackWhenTheLastCloses)
{
    HWND hMain = m_app.m_pMainFrame->m_hWnd;
    CMDIChildWnd* pGridChild = ActiveChild();
    ASSERT_NE(nullptr, pGridChild);
    EXPECT_EQ(pGridChild->m_hMenuShared, ::GetMenu(hMain));

    CDocument* pNote = m_app.m_pNoteTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pNote);
    CMDIChildWnd* pNoteChild = ActiveChild();
    ASSERT_NE(pGridChild, pNoteChild);
    EXPECT_EQ(pNoteChild->m_hMenuShared, ::GetMenu(hMain));
    EXPECT_EQ(pNote, m_app.m_pMainFrame->GetActiveDocument());

    pGridChild->MDIActivate();
    EXPECT_EQ(pGridChild->m_hMenuShared, ::GetMenu(hMain));
    EXPECT_EQ(m_pGridDoc, m_app.m_pMainFrame->GetActiveDocument());
    EXPECT_EQ(pGridChild, m_app.m_pMainFrame->GetActiveFrame());

    m_app.CloseAllDocuments();
    EXPECT_EQ(nullptr, ActiveChild());
    EXPECT_EQ(m_app.m_pMainFrame->GetDefaultMenu(), ::GetMenu(hMain));
    EXPECT_EQ(m_app.m_pMainFrame, m_app.m_pMainFrame->GetActiveFrame());
}

TEST_F(FrameWndTest, ClosingTheFrameFromAViewsHandlerWaitsUntilTheHandlerReturns)
{
    CMDIChildWnd* pChild = ActiveChild();
    ASSERT_NE(nullptr, pChild);
    HWND hChild = pChild->m_hWnd;
    CGridView* pView = static_cast<CGridView*>(pChild->GetActiveView());
    ASSERT_NE(nullptr, pView);
    m_app.m_pMainFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FXROUTE_CLOSE, 0), 0);
    EXPECT_TRUE(pView->m_bFrameAliveAfterClose);
    // The close was posted when the command left; it runs from the queue.
    PumpTestMessages();
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(nullptr, ActiveChild());
}
TEST_F(FrameWndTest, TheDocumentsCloseCommandTakesItsFrameAndViewOnceTheCommandHasLeft)
{
    CMDIChildWnd* pChild = ActiveChild();
    ASSERT_NE(nullptr, pChild);
    HWND hChild = pChild->m_hWnd;
    m_app.m_pMainFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_CLOSE, 0), 0);
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(nullptr, ActiveChild());
    EXPECT_EQ(nullptr, m_app.m_pGridTemplate->GetFirstDocPosition());
}
} // namespace
