// The page selector beside a card view: clicks page the card view once the selector has it,
// scrolling stays within the thumbnails, and the strip draws its pages and total; the sub-work
// frame holds a one-row, two-column splitter.
#include <gtest/gtest.h>

#include <string>

#include "core/CardObj.h"
#include "platform/frame/MDIFrameWnd.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"
#include "tests/work/CardViewTestHost.h"
#include "work/CappSelPageView.h"
#include "work/CellSubWorkFrame.h"
#include "work/res/resource.h"

namespace
{
constexpr COLORREF kTeal = RGB(0, 128, 128);

// A selector strip beside the card view, in the host's frame.
CCappSelPageView* CreateSelector(CWnd* pParent, int cy)
{
    auto* pSel = static_cast<CCappSelPageView*>(FX_RUNTIME_CLASS(CCappSelPageView)->CreateObject());
    if (!pSel->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 120, cy), pParent, 7)) {
        return nullptr;
    }
    pSel->OnInitialUpdate();
    return pSel;
}

void Click(CCappSelPageView& sel, int x, int y)
{
    sel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    sel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The middle of a page's thumbnail in client coordinates.
CPoint ThumbnailCentre(CCappSelPageView& sel, int nPage)
{
    const CRect rcSlot = sel.GetPageSlot(nPage);
    const int nScroll = ::GetScrollPos(sel.GetSafeHwnd(), SB_VERT);
    return CPoint(40, rcSlot.top + 20 - nScroll);
}

void Render(CCappSelPageView& sel, CTestDib& dib)
{
    sel.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dib.DC().GetSafeHdc()));
    sel.OnPrepareDC(&dib.DC(), nullptr);
    sel.OnDraw(&dib.DC());
}
} // namespace

TEST(CappSelPageViewTest, ClicksPageTheCardViewOnlyOnceTheSelectorHasIt)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    view.AddNewPage(1, 1);
    view.AddNewPage(1, 1);
    ASSERT_TRUE(view.SetCurPage(1, 1));
    CCappSelPageView* pSel = CreateSelector(host.m_pFrame, 400);
    ASSERT_NE(nullptr, pSel);

    // Not yet given its view: a click reaches nothing and changes nothing.
    pSel->SetPageInfo(3, 1);
    host.m_pFrame->m_notices.clear();
    const CPoint ptPage2 = ThumbnailCentre(*pSel, 2);
    Click(*pSel, ptPage2.x, ptPage2.y);
    EXPECT_EQ(1, pSel->GetCurPage());
    EXPECT_EQ(1, host.Card().m_nCurPage);
    EXPECT_TRUE(host.m_pFrame->PageNotices().empty());

    pSel->SetCardView(&view, 3, 1);
    const int nSlot = pSel->GetSlotHeight();
    const struct
    {
        const char* szName;
        CPoint pt;
        int nSelected; // the selector's current page afterwards
        bool bPaged;   // the card view was asked to show it
    } cases[] = {
        {"page 2's thumbnail", ptPage2, 2, true},
        {"page 3's caption", CPoint(40, CCappSelPageView::kTopMargin + 3 * nSlot - 15), 3, true},
        {"the current page again", CPoint(40, CCappSelPageView::kTopMargin + 2 * nSlot + 5), 3, false},
        {"below the last page", CPoint(40, CCappSelPageView::kTopMargin + 3 * nSlot + 5), 3, false},
        {"the header strip", CPoint(40, 5), 3, false},
        {"back to page 1", CPoint(40, CCappSelPageView::kTopMargin + 1), 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        host.m_pFrame->m_notices.clear();
        Click(*pSel, c.pt.x, c.pt.y);
        EXPECT_EQ(c.nSelected, pSel->GetCurPage());
        EXPECT_EQ(c.nSelected, host.Card().m_nCurPage);
        EXPECT_EQ(c.bPaged, !host.m_pFrame->PageNotices().empty());
    }
    // The card view's page notice, forwarded, moves the highlight.
    pSel->SendMessage(CCappSelPageView::msgPageChanged, 4, 3);
    EXPECT_EQ(4, pSel->GetPageCount());
    EXPECT_EQ(3, pSel->GetCurPage());
}

TEST(CappSelPageViewTest, ScrollingStaysWithinThePages)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappSelPageView* pSel = CreateSelector(host.m_pFrame, 300);
    ASSERT_NE(nullptr, pSel);
    pSel->SetCardView(host.m_pView, 10, 1);
    const HWND hSel = pSel->GetSafeHwnd();
    const int nLimit = pSel->GetScrollLimit(SB_VERT);
    ASSERT_GT(nLimit, 100);
    const struct
    {
        const char* szName;
        UINT nCode;
        int nPos;
    } cases[] = {
        {"line down", SB_LINEDOWN, 10},
        {"line down again", SB_LINEDOWN, 20},
        {"line up", SB_LINEUP, 10},
        {"to the bottom", SB_BOTTOM, nLimit},
        {"line down at the bottom", SB_LINEDOWN, nLimit},
        {"to the top", SB_TOP, 0},
        {"line up at the top", SB_LINEUP, 0},
        {"page down does nothing", SB_PAGEDOWN, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        pSel->SendMessage(WM_VSCROLL, c.nCode, 0);
        EXPECT_EQ(c.nPos, ::GetScrollPos(hSel, SB_VERT));
    }
    // Scrolled, a click picks the page under it in scrolled coordinates.
    pSel->SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    const CPoint ptPage9 = ThumbnailCentre(*pSel, 9);
    ASSERT_GT(ptPage9.y, CCappSelPageView::kHeaderHeight);
    Click(*pSel, ptPage9.x, ptPage9.y);
    EXPECT_EQ(9, pSel->GetCurPage());
}

TEST(CappSelPageViewTest, DrawsThumbnailsCaptionsAndTheTotal)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappSelPageView* pSel = CreateSelector(host.m_pFrame, 400);
    ASSERT_NE(nullptr, pSel);
    CRect rcClient;
    pSel->GetClientRect(&rcClient);
    const CRect rcHeader(0, 0, rcClient.Width(), CCappSelPageView::kHeaderHeight);
    const CRect rcBody(0, CCappSelPageView::kHeaderHeight, rcClient.Width(), rcClient.Height());

    // No pages: the background and the header with its total.
    {
        CTestDib dib(rcClient.Width(), rcClient.Height());
        Render(*pSel, dib);
        EXPECT_EQ(rcBody.Width() * rcBody.Height(), dib.CountInk(rcBody, RGB(255, 255, 255)));
        EXPECT_EQ(0, dib.CountInk(rcBody, kTeal));
        EXPECT_GT(dib.CountInk(rcHeader, ::GetSysColor(COLOR_BTNFACE)), 20);
        EXPECT_EQ(kTeal, dib.Pixel(60, 200));
    }
    pSel->SetCardView(host.m_pView, 4, 2);
    CTestDib dib(rcClient.Width(), rcClient.Height());
    Render(*pSel, dib);
    const std::string strPath = TestImagePath("page-selector-4-pages.png");
    ASSERT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height())) << strPath;
    const int nSlot = pSel->GetSlotHeight();
    const int nThumb = nSlot - 25;
    const int nLeft = CCappSelPageView::kLeftMargin;
    for (int nPage = 1; nPage <= 3; ++nPage) {
        SCOPED_TRACE(nPage);
        const int nTop = CCappSelPageView::kTopMargin + (nPage - 1) * nSlot;
        // The current page's thumbnail has its own frame colour.
        const COLORREF crCorner = dib.Pixel(nLeft, nTop);
        EXPECT_EQ(nPage == 2, crCorner == RGB(255, 160, 0)) << std::hex << crCorner;
        EXPECT_NE(kTeal, dib.Pixel(nLeft + 40, nTop + nThumb / 2));
        // A white caption under the thumbnail, on the background.
        const CRect rcCaption(nLeft, nTop + nThumb + 2, nLeft + 80, nTop + nThumb + 17);
        EXPECT_GT(dib.CountInk(rcCaption, kTeal), 10);
        EXPECT_EQ(0, dib.CountInk(CRect(nLeft + 80 + 2, nTop, rcClient.Width(), nTop + nThumb), kTeal));
    }
}

TEST(CappSelPageViewTest, TheSubWorkFrameSplitsIntoTwoColumns)
{
    CCardViewTestHost host;
    auto* pMain = new CMDIFrameWnd;
    ASSERT_TRUE(pMain->CreateEx(0, nullptr, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 900, 640, nullptr, nullptr));
    auto* pFrame = static_cast<CCellSubWorkFrame*>(FX_RUNTIME_CLASS(CCellSubWorkFrame)->CreateObject());
    ASSERT_TRUE(pFrame->LoadFrame(1, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, pMain));
    EXPECT_EQ(&pFrame->m_wndSplitter, CWnd::FromHandlePermanent(pFrame->GetDlgItem(FX_IDW_PANE_FIRST)->GetSafeHwnd()));
    EXPECT_EQ(1, pFrame->m_wndSplitter.GetRowCount());
    EXPECT_EQ(2, pFrame->m_wndSplitter.GetColumnCount());

    // As a host fills it: the selector left, the card view right.
    CSplitterWnd& split = pFrame->m_wndSplitter;
    ASSERT_TRUE(split.CreateView(0, 0, FX_RUNTIME_CLASS(CCappSelPageView), CSize(120, 0), nullptr));
    ASSERT_TRUE(split.CreateView(0, 1, FX_RUNTIME_CLASS(CCappCardView), CSize(0, 0), nullptr));
    auto* pSel = static_cast<CCappSelPageView*>(split.GetPane(0, 0));
    auto* pView = static_cast<CCappCardView*>(split.GetPane(0, 1));
    pView->m_pCappObj = &host.m_obj;
    pView->LoadCardObj("", "", &host.m_obj);
    pView->InitialUpdate();
    pView->AddNewPage(1, 1);
    pSel->OnInitialUpdate();
    pSel->SetCardView(pView, host.Card().m_CardData.m_nPageCount, host.Card().m_nCurPage);
    pMain->ShowWindow(SW_SHOW);
    ::MoveWindow(pFrame->GetSafeHwnd(), 0, 0, 860, 560, TRUE);
    split.RecalcLayout();
    pView->OnZoomViewAll();
    EXPECT_TRUE(SaveWindowPicture(pMain->GetSafeHwnd(), "sub-work-frame.png"));
    EXPECT_EQ(2, pSel->GetCurPage());

    pView->KillEditControl();
    pMain->DestroyWindow();
}

TEST(CappSelPageViewTest, TheHandShowsOverPagesThatCanBePicked)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappSelPageView* pSel = CreateSelector(host.m_pFrame, 400);
    ASSERT_NE(nullptr, pSel);
    pSel->SetCardView(host.m_pView, 3, 1);
    const HCURSOR hHand = ::LoadCursorA(::GetModuleHandleA("VornWork.dll"), MAKEINTRESOURCEA(IDC_SELPAGE_HAND));
    ASSERT_NE(nullptr, hHand);
    const struct
    {
        const char* szName;
        CPoint pt; // client coordinates
        UINT nHit;
        bool bHand;
    } cases[] = {
        {"another page", ThumbnailCentre(*pSel, 2), HTCLIENT, true},
        {"the current page", ThumbnailCentre(*pSel, 1), HTCLIENT, false},
        {"below the pages", CPoint(40, CCappSelPageView::kTopMargin + 3 * pSel->GetSlotHeight() + 5), HTCLIENT, false},
        {"the header strip", CPoint(40, 5), HTCLIENT, false},
        {"another page, on the scroll bar", ThumbnailCentre(*pSel, 2), HTVSCROLL, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        POINT ptScreen = c.pt;
        ::ClientToScreen(pSel->GetSafeHwnd(), &ptScreen);
        ASSERT_TRUE(::SetCursorPos(ptScreen.x, ptScreen.y));
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        const LRESULT lHandled = pSel->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(pSel->GetSafeHwnd()),
                                                   MAKELPARAM(c.nHit, WM_MOUSEMOVE));
        // Elsewhere the default handling answers, whatever it says.
        if (c.bHand) {
            EXPECT_NE(0, lHandled);
        }
        EXPECT_EQ(c.bHand, ::GetCursor() == hHand);
    }
}
