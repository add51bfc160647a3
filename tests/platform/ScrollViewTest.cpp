// Scroll positions, steps, limits and centring of the scroll view, in MM_TEXT and a scaled mode.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/doc/ScrollView.h"
#include "platform/gdi/DC.h"
#include "platform/frame/SplitterWnd.h"

namespace
{
class CPlainScrollView : public CScrollView
{
public:
    void OnDraw(CDC*) override {}
};

class ScrollViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wndParent.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
        m_pView = new CPlainScrollView;
        ASSERT_TRUE(m_pView->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 200, 100), &m_wndParent, 1));
    }
    void TearDown() override { m_wndParent.DestroyWindow(); }

    POINT DevicePos() const
    {
        return {::GetScrollPos(m_pView->m_hWnd, SB_HORZ), ::GetScrollPos(m_pView->m_hWnd, SB_VERT)};
    }

    CWnd m_wndParent;
    CPlainScrollView* m_pView = nullptr;
};

enum Action {
    scrollTo,
    lineDown,
    lineRight,
    pageDown,
    pageRight,
    centreOn, // ptArg: offset from the client's middle, in pixels
};

struct ScrollCase
{
    const char* szName;
    int nMapMode;
    SIZE sizePage; // sizeDefault when 0
    Action action;
    POINT ptArg;
    POINT ptExpected; // logical
};

TEST_F(ScrollViewTest, PositionsStepsAndCentringInTextAndMetricModes)
{
    // Total 1000 x 2000 logical units, start at (300, 400) down the drawing. In MM_LOMETRIC y grows
    // upward, so a position down the drawing is negative; a pixel there is about 2.6 units.
    const SIZE sizeTotal = {1000, 2000};
    const SIZE sizeLine = {10, 20};
    const ScrollCase cases[] = {
        {"text: scroll to a position", MM_TEXT, {150, 80}, scrollTo, {500, 900}, {500, 900}},
        {"text: before the start stops at zero", MM_TEXT, {150, 80}, scrollTo, {-5, -50}, {0, 0}},
        {"text: a line down", MM_TEXT, {150, 80}, lineDown, {}, {300, 420}},
        {"text: a line right", MM_TEXT, {150, 80}, lineRight, {}, {310, 400}},
        {"text: a page down", MM_TEXT, {150, 80}, pageDown, {}, {300, 480}},
        {"text: a page right", MM_TEXT, {150, 80}, pageRight, {}, {450, 400}},
        {"text: default page is a tenth of the total", MM_TEXT, {0, 0}, pageDown, {}, {300, 600}},
        {"text: centre on a point", MM_TEXT, {150, 80}, centreOn, {30, -40}, {330, 360}},
        {"metric: scroll to a position", MM_LOMETRIC, {150, 80}, scrollTo, {500, -900}, {500, -900}},
        {"metric: a line down", MM_LOMETRIC, {150, 80}, lineDown, {}, {300, -420}},
        {"metric: a page right", MM_LOMETRIC, {150, 80}, pageRight, {}, {450, -400}},
        {"metric: default page is a tenth of the total", MM_LOMETRIC, {0, 0}, pageDown, {}, {300, -600}},
        {"metric: centre on a point", MM_LOMETRIC, {150, 80}, centreOn, {0, 0}, {300, -400}},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.szName);
        const int nTolerance = c.nMapMode == MM_TEXT ? 0 : 4;
        const SIZE sizePage = c.sizePage.cx == 0 ? CScrollView::sizeDefault : c.sizePage;
        m_pView->SetScrollSizes(c.nMapMode, sizeTotal, sizePage, sizeLine);
        m_pView->ScrollToPosition(CPoint(300, c.nMapMode == MM_TEXT ? 400 : -400));
        CRect rcClient;
        m_pView->GetClientRect(&rcClient);
        switch (c.action) {
        case scrollTo:
            m_pView->ScrollToPosition(c.ptArg);
            break;
        case lineDown:
            m_pView->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
            break;
        case lineRight:
            m_pView->SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
            break;
        case pageDown:
            m_pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
            break;
        case pageRight:
            m_pView->SendMessage(WM_HSCROLL, SB_PAGEDOWN, 0);
            break;
        case centreOn:
            m_pView->CenterOnPoint(CPoint(rcClient.Width() / 2 + c.ptArg.x, rcClient.Height() / 2 + c.ptArg.y));
            break;
        }
        const CPoint pt = m_pView->GetScrollPosition();
        EXPECT_NEAR(c.ptExpected.x, pt.x, nTolerance);
        EXPECT_NEAR(c.ptExpected.y, pt.y, nTolerance);
    }
}

TEST_F(ScrollViewTest, ScrollingStopsWhereTheDrawingsEndMeetsTheClientsEdge)
{
    const int modes[] = {MM_TEXT, MM_LOMETRIC, MM_LOENGLISH};
    for (int nMode : modes) {
        SCOPED_TRACE(nMode);
        m_pView->SetScrollSizes(nMode, CSize(1000, 2000));
        m_pView->ScrollToPosition(CPoint(100000, nMode == MM_TEXT ? 100000 : -100000));
        CRect rcClient;
        m_pView->GetClientRect(&rcClient);
        const CSize total = m_pView->GetDeviceTotal();
        EXPECT_EQ(total.cx, DevicePos().x + rcClient.Width());
        EXPECT_EQ(total.cy, DevicePos().y + rcClient.Height());
        EXPECT_EQ(DevicePos().y, m_pView->GetScrollLimit(SB_VERT));
        m_pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
        EXPECT_EQ(0, DevicePos().y);
    }
}

TEST_F(ScrollViewTest, BarsShowOnlyWhenTheDrawingIsLargerThanTheClient)
{
    struct Case
    {
        const char* szName;
        SIZE sizeTotal;
        BOOL bHorz;
        BOOL bVert;
    };
    const Case cases[] = {
        {"fits", {150, 80}, FALSE, FALSE},
        {"too wide", {500, 50}, TRUE, FALSE},
        {"too tall", {100, 500}, FALSE, TRUE},
        // Only the height is too large, but its bar leaves too little width: both show.
        {"tall and nearly too wide", {195, 500}, TRUE, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->SetScrollSizes(MM_TEXT, c.sizeTotal);
        EXPECT_EQ(c.bHorz, (m_pView->GetStyle() & WS_HSCROLL) != 0);
        EXPECT_EQ(c.bVert, (m_pView->GetStyle() & WS_VSCROLL) != 0);
        CSize size;
        CSize sizeSb;
        EXPECT_TRUE(m_pView->GetTrueClientSize(size, sizeSb));
        EXPECT_EQ(200, size.cx);
        EXPECT_EQ(100, size.cy);
    }
}
TEST_F(ScrollViewTest, ASplitterPaneScrollsThroughTheBarItSharesAndItsOwnOther)
{
    // The row's vertical bar is the splitter's; the horizontal one stays the pane's own.
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(&m_wndParent, 1, 1, WS_CHILD | WS_VISIBLE | WS_VSCROLL));
    splitter.MoveWindow(0, 0, 260, 160);
    CPlainScrollView* pPane = new CPlainScrollView;
    ASSERT_TRUE(pPane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &splitter,
                              static_cast<UINT>(splitter.IdFromRowCol(0, 0))));
    splitter.RecalcLayout();
    const HWND hVert = splitter.GetScrollBarCtrl(pPane, SB_VERT);
    ASSERT_NE(nullptr, hVert);
    EXPECT_EQ(hVert, pPane->GetScrollBarCtrl(SB_VERT));
    EXPECT_EQ(nullptr, pPane->GetScrollBarCtrl(SB_HORZ));

    pPane->SetScrollSizes(MM_TEXT, CSize(1000, 2000), CSize(150, 80), CSize(10, 20));
    EXPECT_EQ(static_cast<DWORD>(WS_HSCROLL), pPane->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_TRUE(::IsWindowEnabled(hVert));
    CRect rcClient;
    pPane->GetClientRect(&rcClient);
    EXPECT_EQ(2000 - rcClient.Height(), pPane->GetScrollLimit(SB_VERT));

    pPane->ScrollToPosition(CPoint(300, 400));
    EXPECT_EQ(400, ::GetScrollPos(hVert, SB_CTL));
    EXPECT_EQ(300, ::GetScrollPos(pPane->m_hWnd, SB_HORZ));
    EXPECT_EQ(CPoint(300, 400), pPane->GetScrollPosition());
    // The splitter hands its bar's scrolling to the pane; the pane's own bar scrolls as ever.
    splitter.SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(hVert));
    pPane->SendMessage(WM_HSCROLL, SB_PAGERIGHT, 0);
    EXPECT_EQ(CPoint(450, 420), pPane->GetScrollPosition());
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    pPane->OnPrepareDC(&dc);
    POINT ptOrg = {};
    ::GetViewportOrgEx(dc.m_hDC, &ptOrg);
    EXPECT_EQ(CPoint(-450, -420), CPoint(ptOrg));

    // A drawing that fits needs no scrolling: the shared bar is disabled, never hidden.
    pPane->SetScrollSizes(MM_TEXT, CSize(50, 40));
    EXPECT_FALSE(::IsWindowEnabled(hVert));
    EXPECT_EQ(0u, pPane->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(CPoint(0, 0), pPane->GetScrollPosition());
}
} // namespace
