// A frame made from one resource id, its layout of bars and pane, status prompts, modal state.
#include <gtest/gtest.h>

#include "platform/frame/FrameWnd.h"
#include "tests/platform/res/fxtest_resource.h"

namespace
{
// A bar docked along one edge: answers the layout message by taking its strip off the rectangle.
class CEdgeBar : public CWnd
{
public:
    explicit CEdgeBar(bool bTop, int nSize) : m_bTop(bTop), m_nSize(nSize) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != FxGetSizeParentMessage()) {
            return CWnd::WindowProc(message, wParam, lParam);
        }
        RECT& rc = reinterpret_cast<FX_SIZEPARENTPARAMS*>(lParam)->rect;
        if (m_bTop) {
            MoveWindow(rc.left, rc.top, rc.right - rc.left, m_nSize);
            rc.top += m_nSize;
        } else {
            MoveWindow(rc.left, rc.bottom - m_nSize, rc.right - rc.left, m_nSize);
            rc.bottom -= m_nSize;
        }
        return 0;
    }

private:
    bool m_bTop;
    int m_nSize;
};

class FrameLayoutTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FXTEST_MAIN));
        m_hFrame = m_pFrame->m_hWnd;
    }
    // The frame deletes itself with its window.
    void TearDown() override { ::DestroyWindow(m_hFrame); }

    CRect ChildRect(const CWnd& wnd) const
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, m_hFrame, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    CFrameWnd* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

TEST_F(FrameLayoutTest, OneResourceIdGivesTitleMenuAcceleratorsAndIcon)
{
    CString strTitle;
    m_pFrame->GetWindowText(strTitle);
    EXPECT_EQ(CString("框架测试"), strTitle);
    HMENU hMenu = ::GetMenu(m_hFrame);
    ASSERT_NE(nullptr, hMenu);
    char szText[16] = {};
    ::GetMenuStringA(hMenu, 0, szText, sizeof(szText), MF_BYPOSITION);
    EXPECT_STREQ("文件", szText);
    EXPECT_NE(nullptr, m_pFrame->m_hAccelTable);
    EXPECT_NE(0, m_pFrame->SendMessage(WM_GETICON, ICON_BIG, 0));
}

TEST_F(FrameLayoutTest, BarsTakeTheirStripsAndThePaneGetsTheRest)
{
    m_pFrame->MoveWindow(0, 0, 400, 300);
    CEdgeBar barTop(true, 24);
    CEdgeBar barStatus(false, 18);
    CWnd wndPane;
    ASSERT_TRUE(barTop.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 1, 1), m_pFrame, 1));
    ASSERT_TRUE(barStatus.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 1, 1), m_pFrame, FX_IDW_STATUS_BAR));
    ASSERT_TRUE(wndPane.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 1, 1), m_pFrame, FX_IDW_PANE_FIRST));
    m_pFrame->RecalcLayout();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    EXPECT_EQ(CRect(0, 0, rcClient.right, 24), ChildRect(barTop));
    EXPECT_EQ(CRect(0, rcClient.bottom - 18, rcClient.right, rcClient.bottom), ChildRect(barStatus));
    EXPECT_EQ(CRect(0, 24, rcClient.right, rcClient.bottom - 18), ChildRect(wndPane));

    // A resize lays out again.
    m_pFrame->MoveWindow(0, 0, 500, 350);
    m_pFrame->GetClientRect(&rcClient);
    EXPECT_EQ(CRect(0, 24, rcClient.right, rcClient.bottom - 18), ChildRect(wndPane));

    // Status prompts: a command's prompt while its item is selected, the idle message after.
    m_pFrame->SetMessageText("正在保存");
    CString strStatus;
    barStatus.GetWindowText(strStatus);
    EXPECT_EQ(CString("正在保存"), strStatus);
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FXROUTE_VIEW, MF_STRING),
                          reinterpret_cast<LPARAM>(::GetMenu(m_hFrame)));
    barStatus.GetWindowText(strStatus);
    EXPECT_EQ(CString("显示视图的命令"), strStatus);
    m_pFrame->SendMessage(WM_EXITMENULOOP, 0, 0);
    barStatus.GetWindowText(strStatus);
    EXPECT_EQ(m_pFrame->m_strIdleMessage, strStatus);

    barTop.DestroyWindow();
    barStatus.DestroyWindow();
    wndPane.DestroyWindow();
}

TEST_F(FrameLayoutTest, ModalStateDisablesTheFrameUntilTheLastEnd)
{
    m_pFrame->BeginModalState();
    m_pFrame->BeginModalState();
    EXPECT_TRUE(m_pFrame->InModalState());
    EXPECT_FALSE(m_pFrame->IsWindowEnabled());
    m_pFrame->EndModalState();
    EXPECT_FALSE(m_pFrame->IsWindowEnabled());
    m_pFrame->EndModalState();
    EXPECT_TRUE(m_pFrame->IsWindowEnabled());
    EXPECT_FALSE(m_pFrame->InModalState());
}
} // namespace
