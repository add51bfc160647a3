#include <gtest/gtest.h>

#include <vector>

#include "KvTestHost.h"
#include "common/KvxSplitterWnd.h"
#include "common/KvySplitterWnd.h"
#include "support/UiDriver.h"
#include "tests/common/res/kvtest_resource.h"

namespace
{
// Records the bars' move reports.
class CSplitHost : public CKvTestHost
{
public:
    CSplitHost() : CKvTestHost(IDD_KVTEST_SPLIT) {}
    std::vector<std::pair<WPARAM, LPARAM>> m_moves;

protected:
    LRESULT OnSplitterMoved(WPARAM wParam, LPARAM lParam)
    {
        m_moves.emplace_back(wParam, lParam);
        return 0;
    }
    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CSplitHost, CKvTestHost)
FX_ON_MESSAGE(WM_KV_SPLITTER_MOVED, OnSplitterMoved)
FX_END_MESSAGE_MAP()

class KvxSplitterWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Open());
        ::GetClipCursor(&m_rcClipBefore);
        ASSERT_TRUE(m_barX.BindWithControl(&m_host, IDC_KVTEST_SP_BARX));
        ASSERT_TRUE(m_barY.BindWithControl(&m_host, IDC_KVTEST_SP_BARY));
    }

    RECT Child(int nId)
    {
        RECT rc{};
        HWND hWnd = ::GetDlgItem(m_host.m_hWnd, nId);
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(nullptr, m_host.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    // Queues the drag's messages (bar client coordinates), then presses: the bar's own loop
    // takes them from the queue.
    void Drag(CWnd& bar, const std::vector<MSG>& queued, int x = 2, int y = 2)
    {
        for (const MSG& msg : queued) {
            ::PostMessageA(msg.hwnd != nullptr ? msg.hwnd : bar.m_hWnd, msg.message, msg.wParam, msg.lParam);
        }
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }

    static MSG Move(int x, int y) { return MSG{nullptr, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y), 0, {}}; }
    static MSG Up(int x, int y) { return MSG{nullptr, WM_LBUTTONUP, 0, MAKELPARAM(x, y), 0, {}}; }
    static MSG Key(WPARAM vk) { return MSG{nullptr, WM_KEYDOWN, vk, 0, 0, {}}; }

    bool Unmoved(int nId, const RECT& rc)
    {
        const RECT rcNow = Child(nId);
        return ::EqualRect(&rc, &rcNow) != FALSE;
    }

    void ExpectClipReleased()
    {
        EXPECT_EQ(nullptr, ::GetCapture());
        RECT rc{};
        ::GetClipCursor(&rc);
        EXPECT_TRUE(::EqualRect(&rc, &m_rcClipBefore));
    }

    CSplitHost m_host;
    CKvxSplitterWnd m_barX;
    CKvySplitterWnd m_barY;
    RECT m_rcClipBefore{};
};
} // namespace

TEST_F(KvxSplitterWndTest, BindingAddsTheNotifyStyle)
{
    EXPECT_NE(0u, m_barX.GetStyle() & SS_NOTIFY);
    EXPECT_EQ(TRUE, m_barX.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_barX.m_hWnd), HTCLIENT));
}

TEST_F(KvxSplitterWndTest, DragMovesTheBarAndPanesKeepingTheirGaps)
{
    const RECT rcLeft = Child(IDC_KVTEST_SP_LEFT);
    const RECT rcBar = Child(IDC_KVTEST_SP_BARX);
    const RECT rcRight = Child(IDC_KVTEST_SP_RIGHT);
    const RECT rcBottom = Child(IDC_KVTEST_SP_BOTTOM);
    m_barX.AttachAsLeftPane(IDC_KVTEST_SP_LEFT, 1);
    m_barX.AttachAsRightPane(IDC_KVTEST_SP_RIGHT, 0);

    Drag(m_barX, {Move(10, 2), Move(22, 3), Up(22, 3)});

    const RECT rcBarNow = Child(IDC_KVTEST_SP_BARX);
    EXPECT_EQ(rcBar.left + 20, rcBarNow.left);
    EXPECT_EQ(rcBar.right - rcBar.left, rcBarNow.right - rcBarNow.left);
    // The stretching left pane keeps its left edge; the moving right pane keeps its width.
    const RECT rcLeftNow = Child(IDC_KVTEST_SP_LEFT);
    EXPECT_EQ(rcLeft.left, rcLeftNow.left);
    EXPECT_EQ(rcBar.left - rcLeft.right, rcBarNow.left - rcLeftNow.right);
    const RECT rcRightNow = Child(IDC_KVTEST_SP_RIGHT);
    EXPECT_EQ(rcRight.left - rcBar.right, rcRightNow.left - rcBarNow.right);
    EXPECT_EQ(rcRight.right - rcRight.left, rcRightNow.right - rcRightNow.left);
    EXPECT_TRUE(Unmoved(IDC_KVTEST_SP_BOTTOM, rcBottom));

    ASSERT_EQ(1u, m_host.m_moves.size());
    EXPECT_EQ(static_cast<WPARAM>(20), m_host.m_moves[0].first);
    EXPECT_EQ(static_cast<LPARAM>(IDC_KVTEST_SP_BARX), m_host.m_moves[0].second);
    ExpectClipReleased();
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "splitter-after-drag.png"));
}

// Stretching panes on both sides: the near pane keeps its left edge, the far one its right edge.
TEST_F(KvxSplitterWndTest, StretchingPanesOnBothSidesKeepTheirOuterEdges)
{
    const RECT rcLeft = Child(IDC_KVTEST_SP_LEFT);
    const RECT rcBar = Child(IDC_KVTEST_SP_BARX);
    const RECT rcRight = Child(IDC_KVTEST_SP_RIGHT);
    m_barX.AttachAsLeftPane(IDC_KVTEST_SP_LEFT, 1);
    m_barX.AttachAsRightPane(IDC_KVTEST_SP_RIGHT, 1);

    Drag(m_barX, {Move(-28, 2), Up(-28, 2)});

    const RECT rcBarNow = Child(IDC_KVTEST_SP_BARX);
    const RECT rcLeftNow = Child(IDC_KVTEST_SP_LEFT);
    const RECT rcRightNow = Child(IDC_KVTEST_SP_RIGHT);
    EXPECT_EQ(rcBar.left - 30, rcBarNow.left);
    EXPECT_EQ(rcLeft.left, rcLeftNow.left);
    EXPECT_EQ(rcLeft.right - 30, rcLeftNow.right);
    EXPECT_EQ(rcRight.left - 30, rcRightNow.left);
    EXPECT_EQ(rcRight.right, rcRightNow.right);
    ASSERT_EQ(1u, m_host.m_moves.size());
    EXPECT_EQ(static_cast<WPARAM>(-30), m_host.m_moves[0].first);
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "splitter-both-stretch.png"));
}

TEST_F(KvxSplitterWndTest, HorizontalBarMovesTopAndBottomPanes)
{
    const RECT rcBar = Child(IDC_KVTEST_SP_BARY);
    const RECT rcBottom = Child(IDC_KVTEST_SP_BOTTOM);
    const RECT rcTop = Child(IDC_KVTEST_SP_LEFT);
    m_barY.AttachAsTopPane(IDC_KVTEST_SP_LEFT, 1);
    m_barY.AttachAsTopPane(IDC_KVTEST_SP_RIGHT, 1);
    m_barY.AttachAsBottomPane(IDC_KVTEST_SP_BOTTOM, 1);

    Drag(m_barY, {Move(5, -10), Up(5, -10)});

    EXPECT_EQ(rcBar.top - 12, Child(IDC_KVTEST_SP_BARY).top);
    EXPECT_EQ(rcTop.bottom - 12, Child(IDC_KVTEST_SP_LEFT).bottom);
    EXPECT_EQ(rcTop.top, Child(IDC_KVTEST_SP_LEFT).top);
    EXPECT_EQ(rcBottom.top - 12, Child(IDC_KVTEST_SP_BOTTOM).top);
    EXPECT_EQ(rcBottom.bottom, Child(IDC_KVTEST_SP_BOTTOM).bottom);
    ASSERT_EQ(1u, m_host.m_moves.size());
    EXPECT_EQ(static_cast<WPARAM>(-12), m_host.m_moves[0].first);
    EXPECT_EQ(static_cast<LPARAM>(IDC_KVTEST_SP_BARY), m_host.m_moves[0].second);
}

TEST_F(KvxSplitterWndTest, ClickWithoutMovingSendsNothing)
{
    const RECT rcBar = Child(IDC_KVTEST_SP_BARX);
    Drag(m_barX, {Up(2, 2)});
    EXPECT_TRUE(m_host.m_moves.empty());
    EXPECT_TRUE(Unmoved(IDC_KVTEST_SP_BARX, rcBar));
    ExpectClipReleased();
}

TEST_F(KvxSplitterWndTest, StretchingPaneKeepsTheMinimumWidth)
{
    m_barX.AttachAsLeftPane(IDC_KVTEST_SP_LEFT, 1);
    RECT rcClip{};
    ASSERT_TRUE(m_barX.GetMouseClipRect(&rcClip, CPoint(2, 2)));
    RECT rcBarScreen{};
    ::GetWindowRect(m_barX.m_hWnd, &rcBarScreen);
    EXPECT_EQ(rcBarScreen.top, rcClip.top);
    EXPECT_EQ(rcBarScreen.bottom, rcClip.bottom);

    Drag(m_barX, {Move(-500, 2), Up(-500, 2)});
    // The bar stops 10 pixels right of the stretching pane's left edge.
    EXPECT_EQ(10, Child(IDC_KVTEST_SP_BARX).left - Child(IDC_KVTEST_SP_LEFT).left);
}

// The confinement ends however the drag ends; Esc and a lost capture keep the last offset.
TEST_F(KvxSplitterWndTest, EscapeAndLostCaptureEndTheDragAndFreeTheCursor)
{
    const RECT rcBar = Child(IDC_KVTEST_SP_BARX);
    Drag(m_barX, {Move(9, 2), Key(VK_ESCAPE)});
    EXPECT_EQ(rcBar.left + 7, Child(IDC_KVTEST_SP_BARX).left);
    ExpectClipReleased();

    Drag(m_barX, {Move(7, 2), MSG{nullptr, WM_CANCELMODE, 0, 0, 0, {}}, Move(30, 2)});
    EXPECT_EQ(rcBar.left + 12, Child(IDC_KVTEST_SP_BARX).left);
    ExpectClipReleased();
    ASSERT_EQ(2u, m_host.m_moves.size());
    EXPECT_EQ(static_cast<WPARAM>(5), m_host.m_moves[1].first);
    PumpTestMessages();
}

TEST_F(KvxSplitterWndTest, NoRoomMeansNoDrag)
{
    m_barX.SetMinWidth(1000, 1000);
    RECT rcClip{};
    EXPECT_FALSE(m_barX.GetMouseClipRect(&rcClip, CPoint(2, 2)));
    Drag(m_barX, {Move(20, 2), Up(20, 2)});
    PumpTestMessages();
    EXPECT_TRUE(m_host.m_moves.empty());
    ExpectClipReleased();
}
