// The rectangle tracker driven by posted mouse messages: moving, resizing by handles, the minimum
// size, dragging out a new rectangle, and cancelling.
#include <gtest/gtest.h>

#include <vector>

#include "framework/FwRectTracker.h"
#include "tests/framework/FwModalLoopHelp.h"
#include "tests/framework/FwTestHost.h"

namespace
{
struct HitCase
{
    const char* szName;
    CPoint pt;
    int nHit;
};

struct TrackCase
{
    const char* szName;
    BOOL bRubberBand;
    BOOL bAllowInvert;
    CPoint ptPress;
    std::vector<CPoint> moves;
    // The message that ends the loop.
    UINT nEnd;
    BOOL bResult;
    CRect rcExpected;
};

const CRect rcStart(50, 50, 150, 120);

class FwRectTrackerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(320, 240));
        m_host.ShowWindow(SW_SHOWNA);
        m_host.UpdateWindow();
    }
    void TearDown() override { m_host.DestroyWindow(); }

    // Posts the moves and the ending message, then runs the tracker's loop.
    BOOL Run(FwRectTracker& tracker, const TrackCase& c)
    {
        for (const CPoint& pt : c.moves) {
            ::PostMessageA(m_host.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        }
        if (c.nEnd == WM_KEYDOWN) {
            ::PostMessageA(m_host.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        } else {
            ::PostMessageA(m_host.m_hWnd, c.nEnd, 0, 0);
        }
        return c.bRubberBand ? tracker.TrackRubberBand(&m_host, c.ptPress, c.bAllowInvert)
                             : tracker.Track(&m_host, c.ptPress, c.bAllowInvert);
    }

    CFwTestHost m_host;
};
} // namespace

TEST_F(FwRectTrackerTest, HitTestFindsHandlesInsideAndNothingOutside)
{
    const HitCase cases[] = {
        {"top-left corner", CPoint(51, 51), FwRectTracker::hitTopLeft},
        {"top-right corner", CPoint(148, 52), FwRectTracker::hitTopRight},
        {"bottom-right corner", CPoint(149, 119), FwRectTracker::hitBottomRight},
        {"bottom-left corner", CPoint(50, 118), FwRectTracker::hitBottomLeft},
        {"top edge's middle", CPoint(100, 52), FwRectTracker::hitTop},
        {"right edge's middle", CPoint(147, 85), FwRectTracker::hitRight},
        {"bottom edge's middle", CPoint(100, 118), FwRectTracker::hitBottom},
        {"left edge's middle", CPoint(52, 85), FwRectTracker::hitLeft},
        {"inside", CPoint(80, 100), FwRectTracker::hitMiddle},
        {"outside", CPoint(20, 20), FwRectTracker::hitNothing},
        {"just past the right edge", CPoint(150, 85), FwRectTracker::hitNothing},
    };
    const FwRectTracker tracker(&rcStart);
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nHit, tracker.HitTest(c.pt));
    }
}

TEST_F(FwRectTrackerTest, TrackingFollowsTheMouseUntilReleaseOrCancel)
{
    const TrackCase cases[] = {
        {"moved by the inside",
         FALSE,
         FALSE,
         {100, 80},
         {{110, 90}, {130, 100}},
         WM_LBUTTONUP,
         TRUE,
         {80, 70, 180, 140}},
        {"bottom-right handle", FALSE, FALSE, {147, 117}, {{200, 160}}, WM_LBUTTONUP, TRUE, {50, 50, 203, 163}},
        {"left handle", FALSE, FALSE, {52, 85}, {{20, 300}}, WM_LBUTTONUP, TRUE, {18, 50, 150, 120}},
        {"left handle stops at the minimum width",
         FALSE,
         FALSE,
         {52, 85},
         {{300, 85}},
         WM_LBUTTONUP,
         TRUE,
         {130, 50, 150, 120}},
        {"top handle stops at the minimum height",
         FALSE,
         FALSE,
         {100, 52},
         {{100, 200}},
         WM_LBUTTONUP,
         TRUE,
         {50, 100, 150, 120}},
        {"Escape puts the rectangle back", FALSE, FALSE, {100, 80}, {{130, 100}}, WM_KEYDOWN, FALSE, rcStart},
        {"a right press puts it back", FALSE, FALSE, {147, 117}, {{200, 160}}, WM_RBUTTONDOWN, FALSE, rcStart},
        {"a press outside tracks nothing", FALSE, FALSE, {20, 20}, {}, WM_NULL, FALSE, rcStart},
        {"rubber band", TRUE, TRUE, {10, 10}, {{40, 30}, {90, 60}}, WM_LBUTTONUP, TRUE, {10, 10, 90, 60}},
        {"rubber band up and left stays inverted",
         TRUE,
         TRUE,
         {90, 60},
         {{10, 10}},
         WM_LBUTTONUP,
         TRUE,
         {90, 60, 10, 10}},
        {"rubber band without inversion keeps the minimum",
         TRUE,
         FALSE,
         {90, 60},
         {{10, 10}},
         WM_LBUTTONUP,
         TRUE,
         {90, 60, 110, 80}},
    };
    for (const TrackCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FwRectTracker tracker(&rcStart);
        tracker.m_sizeMin = CSize(20, 20);
        EXPECT_EQ(c.bResult, Run(tracker, c));
        EXPECT_EQ(c.rcExpected.TopLeft(), tracker.m_rect.TopLeft());
        EXPECT_EQ(c.rcExpected.BottomRight(), tracker.m_rect.BottomRight());
        EXPECT_EQ(nullptr, ::GetCapture());
        // Nothing of the case is left for the next one.
        MSG msg = {};
        while (::PeekMessageA(&msg, m_host.m_hWnd, 0, 0, PM_REMOVE)) {
        }
    }
}

TEST_F(FwRectTrackerTest, DragRectangleShowsWhileTrackingAndGoesAfter)
{
    FwRectTracker tracker(&rcStart);
    tracker.m_sizeDrag = CSize(2, 2);
    CActionWnd action;
    ASSERT_TRUE(action.CreateHidden());
    CRect rcHost;
    m_host.GetWindowRect(&rcHost);
    COLORREF crInside = CLR_INVALID;
    COLORREF crFrame = CLR_INVALID;
    action.m_fnAction = [&]() {
        EXPECT_TRUE(SaveScreenPicture(rcHost, "fwrecttracker-dragging.png"));
        CWindowDC dc(nullptr);
        CPoint ptFrame(130, 70);
        CPoint ptInside(160, 120);
        ::ClientToScreen(m_host.m_hWnd, &ptFrame);
        ::ClientToScreen(m_host.m_hWnd, &ptInside);
        crFrame = ::GetPixel(dc.m_hDC, ptFrame.x, ptFrame.y);
        crInside = ::GetPixel(dc.m_hDC, ptInside.x, ptInside.y);
    };
    ::PostMessageA(m_host.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(180, 100));
    ::PostMessageA(action.m_hWnd, WM_APP, 0, 0);
    ::PostMessageA(m_host.m_hWnd, WM_LBUTTONUP, 0, 0);
    ASSERT_TRUE(tracker.Track(&m_host, CPoint(100, 80), FALSE));
    action.DestroyWindow();
    // Moved by (80, 20): its frame inverts the window's colour where it runs, not inside it.
    EXPECT_TRUE(CRect(130, 70, 230, 140) == tracker.m_rect);
    EXPECT_NE(crInside, crFrame);
    CWindowDC dc(nullptr);
    CPoint ptFrame(130, 70);
    ::ClientToScreen(m_host.m_hWnd, &ptFrame);
    EXPECT_EQ(crInside, ::GetPixel(dc.m_hDC, ptFrame.x, ptFrame.y));
}
