// The framework's MDI child with a menu-bar frame: its menu id, and the menu bar switched as the
// child is activated, sized and clicked.
#include <gtest/gtest.h>

#include <vector>

#include "framework/FwControlBar.h"
#include "framework/FwMDIChildWnd.h"
#include "framework/FwMDIFrameWnd.h"
#include "platform/doc/DocTemplate.h"
#include "platform/doc/Document.h"
#include "platform/doc/MultiDocTemplate.h"
#include "platform/doc/View.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtest_resource.h"

namespace
{
class CChildDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CChildDoc)
};
FX_IMPLEMENT_DYNCREATE(CChildDoc, CDocument)

class CChildView : public CView
{
    FX_DECLARE_DYNCREATE(CChildView)

public:
    void OnDraw(CDC*) override {}
};
FX_IMPLEMENT_DYNCREATE(CChildView, CView)

// Records what the children ask of the menu bar.
class CMenuBarFrame : public FwMDIFrameWnd
{
public:
    BOOL IsMenuBarEnabled() const override { return m_bMenuBar; }
    void SetMenuBarMenu(UINT nMenuID) override { m_menus.push_back(nMenuID); }
    void RefreshMenuBar() override { ++m_nRefreshes; }
    BOOL m_bMenuBar = FALSE;
    std::vector<UINT> m_menus;
    int m_nRefreshes = 0;
};

class FwMDIChildWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CMenuBarFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW));
        m_pFrame->MoveWindow(0, 0, 640, 480);
        m_pFrame->ShowWindow(SW_SHOWNA);
        m_app.m_pMainWnd = m_pFrame;
    }
    void TearDown() override
    {
        if (::IsWindow(m_pFrame->m_hWnd)) {
            ::DestroyWindow(m_pFrame->m_hWnd);
        }
        m_app.m_pMainWnd = nullptr;
    }
    UINT LastMenu() const { return m_pFrame->m_menus.empty() ? 0 : m_pFrame->m_menus.back(); }

    CWinApp m_app{"FwMDIChildWndTest"};
    CMenuBarFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(FwMDIChildWndTest, TheMenuBarFollowsTheActiveChild)
{
    m_pFrame->m_bMenuBar = TRUE;
    CDocTemplate* pTemplate = new CMultiDocTemplate(IDR_FWTEST_CARD2, FX_RUNTIME_CLASS(CChildDoc),
                                                    FX_RUNTIME_CLASS(FwMDIChildWnd), FX_RUNTIME_CLASS(CChildView));
    m_app.AddDocTemplate(pTemplate);
    ASSERT_NE(nullptr, pTemplate->OpenDocumentFile(nullptr));
    FwMDIChildWnd* pCard = dynamic_cast<FwMDIChildWnd*>(m_pFrame->MDIGetActive());
    ASSERT_NE(nullptr, pCard);
    FwMDIChildWnd* pScript = new FwMDIChildWnd;
    ASSERT_TRUE(pScript->LoadFrame(IDR_FWTEST_SCRIPT));
    pScript->ShowWindow(SW_SHOW);

    struct ChildCase
    {
        const char* szName;
        FwMDIChildWnd* pChild;
        UINT nMenuID;
    };
    const ChildCase cases[] = {
        {"from its template", pCard, IDR_FWTEST_CARD2},
        {"from its resource id", pScript, IDR_FWTEST_SCRIPT},
    };
    for (const ChildCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_TRUE(c.pChild->m_bUseMenuBar);
        EXPECT_EQ(c.nMenuID, c.pChild->m_nMenuID);
        EXPECT_EQ(nullptr, c.pChild->m_hMenuShared);
        m_pFrame->MDIActivate(c.pChild);
        EXPECT_EQ(c.nMenuID, LastMenu());
    }

    // A click into a child takes the commands back from a bar window.
    CWnd barWnd;
    ASSERT_TRUE(barWnd.CreateEx(0, nullptr, "bar", WS_CHILD, 0, 0, 10, 10, m_pFrame->m_hWnd, nullptr));
    m_pFrame->SetActiveBarWnd(&barWnd);
    pCard->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_pFrame->m_hWnd), MAKELPARAM(HTCLIENT, 0));
    EXPECT_EQ(nullptr, m_pFrame->GetActiveBarWnd());
    EXPECT_EQ(static_cast<UINT>(IDR_FWTEST_CARD2), LastMenu());

    // Maximising moves the caption buttons: the menu bar is refreshed.
    const int nRefreshes = m_pFrame->m_nRefreshes;
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pCard->m_hWnd), 0);
    EXPECT_GT(m_pFrame->m_nRefreshes, nRefreshes);

    // The last child gone: the frame's own menu.
    pScript->SendMessage(WM_CLOSE);
    pCard->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, m_pFrame->MDIGetActive());
    EXPECT_EQ(static_cast<UINT>(-1), LastMenu());
    barWnd.DestroyWindow();
}

TEST_F(FwMDIChildWndTest, WithoutAMenuBarTheChildKeepsItsOwnMenu)
{
    FwMDIChildWnd* pChild = new FwMDIChildWnd;
    ASSERT_TRUE(pChild->LoadFrame(IDR_FWTEST_SCRIPT));
    pChild->ShowWindow(SW_SHOW);
    m_pFrame->MDIActivate(pChild);
    EXPECT_FALSE(pChild->m_bUseMenuBar);
    EXPECT_EQ(0u, pChild->m_nMenuID);
    EXPECT_EQ(static_cast<UINT>(IDR_FWTEST_SCRIPT), pChild->m_nIDHelp);
    EXPECT_TRUE(m_pFrame->m_menus.empty());
    EXPECT_EQ(0, m_pFrame->m_nRefreshes);
}

TEST_F(FwMDIChildWndTest, ASystemCommandNobodyTakesReachesTheActiveChild)
{
    FwMDIChildWnd* pChild = new FwMDIChildWnd;
    ASSERT_TRUE(pChild->LoadFrame(IDR_FWTEST_SCRIPT));
    pChild->ShowWindow(SW_SHOW);
    const HWND hChild = pChild->m_hWnd;
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(hChild), 0);
    EXPECT_TRUE(::IsZoomed(hChild));
    // As the menu bar sends the maximised child's "Restore".
    m_pFrame->SendMessage(WM_COMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(::IsZoomed(hChild));
    EXPECT_TRUE(::IsWindow(hChild));
}
