// A dialog bar along a frame's top edge, alone or as the band of a rebar: its size comes from its
// template, the frame's layout puts it above the pane, and its controls' commands reach the frame.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "platform/frame/DialogBar.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/ReBar.h"
#include "tests/platform/BarTestFrame.h"
#include "tests/platform/res/fxtest_resource.h"

namespace
{
class DialogBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CBarTestFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FXTEST_MAIN));
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->MoveWindow(20, 20, 500, 300);
        ASSERT_TRUE(m_pane.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_hFrame,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(FX_IDW_PANE_FIRST))));
    }
    // The frame deletes itself with its window.
    void TearDown() override { ::DestroyWindow(m_hFrame); }

    CRect ChildRect(HWND hWnd) const
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(nullptr, m_hFrame, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    CBarTestFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CWnd m_pane;
    CDialogBar m_dlgBar;
    CReBar m_reBar;
};
} // namespace

TEST_F(DialogBarTest, TheBarLiesAboveThePaneAndItsControlsCommandTheFrame)
{
    struct BarCase
    {
        const char* szName;
        bool bInReBar;
    };
    const BarCase cases[] = {
        {"the bar in the frame", false},
        {"the bar as a rebar band", true},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ASSERT_TRUE(m_dlgBar.Create(m_pFrame, IDD_FXTEST_BAR, CBRS_ALIGN_TOP, FX_IDW_DIALOGBAR));
        HWND hTop = m_dlgBar.m_hWnd;
        if (c.bInReBar) {
            ASSERT_TRUE(m_reBar.Create(m_pFrame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_TOP, FX_IDW_REBAR));
            ASSERT_TRUE(m_reBar.AddBar(&m_dlgBar, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP));
            EXPECT_EQ(1, m_reBar.GetBandCount());
            EXPECT_EQ(m_reBar.m_hWnd, ::GetParent(m_dlgBar.m_hWnd));
            EXPECT_EQ(nullptr, m_dlgBar.m_pDockSite);
            hTop = m_reBar.m_hWnd;
        } else {
            EXPECT_EQ(m_pFrame, m_dlgBar.m_pDockSite);
        }
        m_pFrame->RecalcLayout();

        // As high as the template (or the band around it), across the frame, the pane below.
        CRect rcClient;
        m_pFrame->GetClientRect(&rcClient);
        const CRect rcTop = ChildRect(hTop);
        const CRect rcBar = ChildRect(m_dlgBar.m_hWnd);
        const CRect rcPane = ChildRect(m_pane.m_hWnd);
        EXPECT_GT(rcBar.Height(), 0);
        EXPECT_GE(rcTop.Height(), rcBar.Height());
        EXPECT_EQ(0, rcTop.top);
        EXPECT_EQ(rcClient.Width(), rcTop.Width());
        EXPECT_EQ(rcTop.bottom, rcPane.top);
        EXPECT_EQ(rcClient.bottom, rcPane.bottom);

        const int nBefore = m_pFrame->m_nOpened;
        ::SendMessageA(::GetDlgItem(m_dlgBar.m_hWnd, ID_FXBAR_OPEN), BM_CLICK, 0, 0);
        EXPECT_EQ(nBefore + 1, m_pFrame->m_nOpened);

        m_dlgBar.DestroyWindow();
        if (c.bInReBar) {
            m_reBar.DestroyWindow();
        }
    }
}
