// The zoom view: levels and limits, the zoom operations per mode, rubber-rectangle and click zoom,
// fitting on resize, panning, cursors, centring and the printer mapping.
#include <gtest/gtest.h>

#include <vector>

#include "common/KvZoomView.h"
#include "platform/gdi/DC.h"
#include "platform/print/PrintInfo.h"
#include "platform/frame/SplitterWnd.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"

namespace
{
struct OutOfRange
{
    int bTooSmall;
    float fLevel;
};

class CTestZoomView : public CKvZoomView
{
public:
    CTestZoomView() = default;
    void OnDraw(CDC* pDC) override
    {
        pDC->Rectangle(0, 0, m_totalLog.cx, m_totalLog.cy);
        pDC->MoveTo(0, 0);
        pDC->LineTo(m_totalLog.cx, m_totalLog.cy);
    }
    void ZoomOutOfRange(int bTooSmall, float fLevel) override { m_outOfRange.push_back({bTooSmall, fLevel}); }
    void ZoomLevelChanged() override { ++m_nLevelChanges; }
    void ZoomViewScroll() override { ++m_nScrolls; }

    using CKvZoomView::DrawRubberRect;
    using CKvZoomView::PersistRatio;
    CSize DeviceTotal() const { return m_totalDev; }
    HCURSOR ZoomRectCursor() const { return m_hZoomRectCursor; }
    HCURSOR MoveCursor() const { return m_hMoveCursor; }
    HCURSOR MoveBeginCursor() const { return m_hMoveBeginCursor; }
    const CRect& Rubber() const { return m_rectRubber; }
    // The derived views set the click-zoom states themselves.
    void SetState(UINT nState) { m_nZoomState = nState; }

    std::vector<OutOfRange> m_outOfRange;
    int m_nLevelChanges = 0;
    int m_nScrolls = 0;
};

// A printer DC as the mapping sees it: a page of the given pixels, drawing into a metafile.
class CPageDC : public CDC
{
public:
    CPageDC(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        Attach(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
        m_bPrinting = TRUE;
    }
    ~CPageDC() override { ::DeleteEnhMetaFile(::CloseEnhMetaFile(Detach())); }
    int GetDeviceCaps(int nIndex) const override
    {
        return nIndex == HORZRES ? m_cx : nIndex == VERTRES ? m_cy : CDC::GetDeviceCaps(nIndex);
    }

private:
    int m_cx;
    int m_cy;
};

class KvZoomViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wndParent.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 900, 700, nullptr, nullptr));
        m_pView = new CTestZoomView;
        ASSERT_TRUE(m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 399, 299), &m_wndParent, 1));
    }
    void TearDown() override { m_wndParent.DestroyWindow(); }

    // Free zoom with the derived views' limits, over a drawing of the given size.
    void FreeZoom(int cx, int cy)
    {
        m_pView->SetZoomMode(CKvZoomView::modeFree);
        m_pView->SetZoomMinMax(0.02f, 22.0f);
        m_pView->SetScrollSizes(MM_TEXT, CSize(cx, cy));
    }
    void Mouse(UINT nMessage, int x, int y, WPARAM wFlags = 0)
    {
        m_pView->SendMessage(nMessage, wFlags, MAKELPARAM(x, y));
    }

    CWnd m_wndParent;
    CTestZoomView* m_pView = nullptr;
};

TEST_F(KvZoomViewTest, ZoomInAndOutStopAtTheLimitsAndReportTheRefusedLevel)
{
    enum Op { zoomIn, zoomOut };
    struct Case
    {
        const char* szName;
        UINT nMode;
        float fMin;
        float fMax;
        float fStart;
        Op op;
        float fLevel;
        int nOutOfRange; // -1: not called; else its bTooSmall
        float fAsked;
    };
    const Case cases[] = {
        {"in within the limits", 2, 0.02f, 22.0f, 1.0f, zoomIn, 1.25f, -1, 0},
        {"out within the limits", 2, 0.02f, 22.0f, 1.0f, zoomOut, 0.8f, -1, 0},
        {"in at 20 asks 25: too large", 2, 0.02f, 22.0f, 20.0f, zoomIn, 20.0f, 0, 25.0f},
        {"out at 0.02 asks 0.016: too small", 2, 0.02f, 22.0f, 0.02f, zoomOut, 0.02f, 1, 0.016f},
        {"no limits at all", 2, -1.0f, -1.0f, 40.0f, zoomIn, 50.0f, -1, 0},
        {"no minimum beside a maximum", 2, -1.0f, 22.0f, 0.001f, zoomOut, 0.0008f, -1, 0},
        {"no maximum beside a minimum", 2, 0.02f, -1.0f, 100.0f, zoomIn, 125.0f, -1, 0},
        {"initial mode: nothing", 0, 0.02f, 22.0f, 1.0f, zoomIn, 1.0f, -1, 0},
        {"fit mode: nothing", 3, 0.02f, 22.0f, 1.0f, zoomOut, 1.0f, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->SetScrollSizes(MM_TEXT, CSize(300, 200));
        m_pView->SetZoomMode(CKvZoomView::modeFree);
        m_pView->ZoomPercentByFloat(c.fStart);
        m_pView->SetZoomMode(c.nMode);
        m_pView->SetZoomMinMax(c.fMin, c.fMax);
        m_pView->m_outOfRange.clear();
        if (c.op == zoomIn) {
            m_pView->ZoomIn(nullptr, 1.25f);
        } else {
            m_pView->ZoomOut(nullptr, 1.25f);
        }
        EXPECT_FLOAT_EQ(c.fLevel, m_pView->GetZoomLevel());
        if (c.nOutOfRange < 0) {
            EXPECT_TRUE(m_pView->m_outOfRange.empty());
        } else {
            ASSERT_EQ(1u, m_pView->m_outOfRange.size());
            EXPECT_EQ(c.nOutOfRange, m_pView->m_outOfRange[0].bTooSmall);
            EXPECT_FLOAT_EQ(c.fAsked, m_pView->m_outOfRange[0].fLevel);
        }
    }
}

TEST_F(KvZoomViewTest, PercentOriginalAndFloatSetTheLevelWithoutTheLimits)
{
    struct Case
    {
        const char* szName;
        UINT nMode;
        int nPercent; // -1: ZoomOriginal; -2: ZoomPercentByFloat(3.5)
        float fLevel;
        CSize sizeDevice;
    };
    const Case cases[] = {
        {"5000 percent passes the maximum of 22", 2, 5000, 50.0f, CSize(15000, 10000)},
        {"50 percent", 2, 50, 0.5f, CSize(150, 100)},
        {"original size", 2, -1, 1.0f, CSize(300, 200)},
        {"a float level", 2, -2, 3.5f, CSize(1050, 700)},
        {"fit mode ignores it", 3, 50, 1.0f, CSize(300, 200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FreeZoom(300, 200);
        m_pView->ZoomOriginal();
        m_pView->SetZoomMode(c.nMode);
        m_pView->m_outOfRange.clear();
        if (c.nPercent == -1) {
            m_pView->ZoomOriginal();
        } else if (c.nPercent == -2) {
            m_pView->ZoomPercentByFloat(3.5f);
        } else {
            m_pView->ZoomPercent(c.nPercent);
        }
        EXPECT_FLOAT_EQ(c.fLevel, m_pView->GetZoomLevel());
        EXPECT_EQ(c.sizeDevice, m_pView->DeviceTotal());
        EXPECT_TRUE(m_pView->m_outOfRange.empty());
    }
}

TEST_F(KvZoomViewTest, SettingTheSizeKeepsTheLevelButShowsTheDrawingAtOne)
{
    FreeZoom(300, 200);
    m_pView->ZoomPercent(200);
    m_pView->SetScrollSizes(MM_TEXT, CSize(400, 100));
    EXPECT_FLOAT_EQ(2.0f, m_pView->GetZoomLevel());
    EXPECT_EQ(CSize(400, 100), m_pView->DeviceTotal());
    m_pView->SetScrollSizes(MM_TEXT, CSize(0, 0));
    EXPECT_EQ(CSize(1, 1), m_pView->GetTotalSize());
    m_pView->SetScrollSizes(MM_TEXT, CSize(0, 5));
    EXPECT_EQ(CSize(0, 5), m_pView->GetTotalSize());
}

TEST_F(KvZoomViewTest, AHugeDrawingAtTheUpperLimitIsClampedNotWrapped)
{
    m_pView->SetZoomMode(CKvZoomView::modeFree);
    m_pView->SetScrollSizes(MM_TEXT, CSize(400000000, 300000000));
    m_pView->ZoomPercent(2200);
    const CSize sizeDevice = m_pView->DeviceTotal();
    EXPECT_GT(sizeDevice.cx, 0);
    EXPECT_GT(sizeDevice.cy, 0);
    EXPECT_LE(sizeDevice.cx, 0x3FFFFFFF);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE;
    ASSERT_TRUE(::GetScrollInfo(m_pView->m_hWnd, SB_HORZ, &si));
    EXPECT_GT(si.nMax, 0);
}

TEST_F(KvZoomViewTest, ADraggedRubberRectangleZoomsToFitItAndCentresIt)
{
    // The drawing (300 x 200) is centred in the 399 x 299 client: logical (0, 0) is client (49, 49).
    struct Case
    {
        const char* szName;
        POINT ptDown; // logical
        POINT ptUp;
        bool bMove;
        float fLevel;
        POINT ptCentre;
    };
    const Case cases[] = {
        {"100 x 50 down and right", {100, 50}, {200, 100}, true, 4.0f, {150, 75}},
        {"the same dragged up and left", {200, 100}, {100, 50}, true, 4.0f, {150, 75}},
        {"200 x 40: the width decides", {50, 100}, {250, 140}, true, 2.0f, {150, 120}},
        {"a click without a drag", {100, 50}, {100, 50}, false, 1.0f, {150, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FreeZoom(300, 200);
        m_pView->ZoomOriginal();
        m_pView->BeginZoomRect();
        EXPECT_EQ(3u, m_pView->GetZoomState());
        Mouse(WM_LBUTTONDOWN, c.ptDown.x + 49, c.ptDown.y + 49, MK_LBUTTON);
        if (c.bMove) {
            Mouse(WM_MOUSEMOVE, (c.ptDown.x + c.ptUp.x) / 2 + 49, (c.ptDown.y + c.ptUp.y) / 2 + 49, MK_LBUTTON);
            Mouse(WM_MOUSEMOVE, c.ptUp.x + 49, c.ptUp.y + 49, MK_LBUTTON);
            EXPECT_EQ(CRect(c.ptDown, c.ptUp), m_pView->Rubber());
        }
        Mouse(WM_LBUTTONUP, c.ptUp.x + 49, c.ptUp.y + 49);
        EXPECT_EQ(0u, m_pView->GetZoomState());
        EXPECT_FLOAT_EQ(c.fLevel, m_pView->GetZoomLevel());
        const CPoint ptCentre = m_pView->GetLogicalCenterPoint();
        EXPECT_NEAR(c.ptCentre.x, ptCentre.x, 1);
        EXPECT_NEAR(c.ptCentre.y, ptCentre.y, 1);
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST_F(KvZoomViewTest, ClickZoomStepsOnceAboutTheWindowCentreThenEnds)
{
    FreeZoom(300, 200);
    m_pView->SetState(CKvZoomView::stateZoomIn);
    Mouse(WM_LBUTTONDOWN, 60, 60, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 60, 60);
    EXPECT_FLOAT_EQ(1.25f, m_pView->GetZoomLevel());
    EXPECT_EQ(0u, m_pView->GetZoomState());
    m_pView->SetState(CKvZoomView::stateZoomOut);
    Mouse(WM_LBUTTONUP, 60, 60);
    EXPECT_FLOAT_EQ(1.0f, m_pView->GetZoomLevel());
    const CPoint ptCentre = m_pView->GetLogicalCenterPoint();
    EXPECT_NEAR(150, ptCentre.x, 1);
    EXPECT_NEAR(100, ptCentre.y, 1);
}

TEST_F(KvZoomViewTest, TheRubberRectangleDrawnTwiceRestoresThePicture)
{
    CTestDib dib(120, 90);
    CDC* pDC = &dib.DC();
    pDC->FillSolidRect(0, 0, 120, 90, RGB(200, 220, 240));
    pDC->FillSolidRect(30, 20, 40, 40, RGB(10, 120, 60));
    // RGB only: GDI's fills leave an alpha byte behind.
    auto pixels = [&dib]() {
        ::GdiFlush();
        std::vector<DWORD> bits(dib.Bits(), dib.Bits() + 120 * 90);
        for (DWORD& dw : bits) {
            dw &= 0xFFFFFF;
        }
        return bits;
    };
    const std::vector<DWORD> before = pixels();
    CRect rc(10, 10, 100, 70);
    m_pView->DrawRubberRect(pDC, rc);
    const std::vector<DWORD> drawn = pixels();
    EXPECT_NE(before, drawn);
    // The frame only: the inside keeps its colours.
    EXPECT_EQ(before[45 * 120 + 50], drawn[45 * 120 + 50]);
    SavePng(TestImagePath("zoomview-rubber.png").c_str(), drawn.data(), 120, 90);
    m_pView->DrawRubberRect(pDC, rc);
    EXPECT_EQ(before, pixels());
}

TEST_F(KvZoomViewTest, FitModeRefitsOnEveryResize)
{
    struct Case
    {
        const char* szName;
        int cx;
        int cy;
        float fLevel;
        CSize sizeDevice;
    };
    // A 2:1 drawing of 1000 x 500.
    const Case cases[] = {
        {"400 x 300: the width decides", 400, 300, 0.4f, CSize(400, 200)},
        {"800 x 300: the height decides", 800, 300, 0.6f, CSize(600, 300)},
        {"600 x 300: exactly the ratio", 600, 300, 0.6f, CSize(600, 300)},
    };
    m_pView->SetZoomMode(CKvZoomView::modeFit);
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 500));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->MoveWindow(0, 0, c.cx, c.cy);
        EXPECT_FLOAT_EQ(c.fLevel, m_pView->GetZoomLevel());
        EXPECT_EQ(c.sizeDevice, m_pView->DeviceTotal());
        EXPECT_FALSE(m_pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    }
}

TEST_F(KvZoomViewTest, PrintingFitsTheDrawingToThePageKeepingItsRatio)
{
    struct Case
    {
        const char* szName;
        CSize sizeDrawing;
        CSize sizeViewport;
        POINT ptOrigin;
    };
    const Case cases[] = {
        {"2:1 on 4800 x 6600 sits on the bottom", CSize(2000, 1000), CSize(4800, 2400), {0, 4200}},
        {"1:2 is as tall as the page", CSize(1000, 2000), CSize(3300, 6600), {1500, 0}},
        {"the page's own ratio fills it", CSize(480, 660), CSize(4800, 6600), {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FreeZoom(c.sizeDrawing.cx, c.sizeDrawing.cy);
        m_pView->ZoomPercent(300);
        CPageDC dc(4800, 6600);
        CPrintInfo info;
        m_pView->OnPrepareDC(&dc, &info);
        EXPECT_EQ(MM_ANISOTROPIC, ::GetMapMode(dc.m_hDC));
        SIZE size = {};
        ::GetWindowExtEx(dc.m_hDC, &size);
        EXPECT_EQ(c.sizeDrawing, CSize(size));
        ::GetViewportExtEx(dc.m_hDC, &size);
        EXPECT_EQ(c.sizeViewport, CSize(size));
        POINT pt = {};
        ::GetViewportOrgEx(dc.m_hDC, &pt);
        EXPECT_EQ(CPoint(c.ptOrigin), CPoint(pt));
    }
}

TEST_F(KvZoomViewTest, ScreenMappingCentresSmallDrawingsAndPinsModeOne)
{
    struct Case
    {
        const char* szName;
        UINT nMode;
        CSize sizeDrawing;
        POINT ptScroll;
        POINT ptOrigin;
    };
    const Case cases[] = {
        {"small drawing centred", 2, CSize(199, 99), {0, 0}, {100, 100}},
        {"large drawing scrolled", 2, CSize(2000, 1500), {300, 200}, {-300, -200}},
        {"mode 1 ignores the scroll position", 1, CSize(2000, 1500), {300, 200}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FreeZoom(c.sizeDrawing.cx, c.sizeDrawing.cy);
        m_pView->ZoomOriginal();
        m_pView->SetZoomMode(c.nMode);
        m_pView->ScrollToPosition(c.ptScroll);
        CRect rc;
        m_pView->GetClientRect(&rc);
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        m_pView->OnPrepareDC(&dc);
        POINT pt = {};
        ::GetViewportOrgEx(dc.m_hDC, &pt);
        if (c.sizeDrawing.cx < rc.Width()) {
            EXPECT_EQ((rc.Width() - c.sizeDrawing.cx) / 2, pt.x);
            EXPECT_EQ((rc.Height() - c.sizeDrawing.cy) / 2, pt.y);
        } else {
            EXPECT_EQ(CPoint(c.ptOrigin), CPoint(pt));
        }
    }
}

TEST_F(KvZoomViewTest, HandPanningFollowsTheMouseWithinTheScrollLimits)
{
    FreeZoom(2000, 1500);
    m_pView->ZoomOriginal();
    m_pView->ScrollToPosition(CPoint(0, 0));
    m_pView->SetZoomMove(TRUE);
    EXPECT_EQ(4u, m_pView->GetZoomState());
    struct Step
    {
        const char* szName;
        POINT ptTo;
        POINT ptScroll;
    };
    const Step steps[] = {
        {"drag up and left moves the view down and right", {80, 70}, {20, 30}},
        {"back to where it started", {100, 100}, {0, 0}},
        {"past the start stops at zero", {150, 160}, {0, 0}},
    };
    m_pView->m_nScrolls = 0;
    POINT ptFrom = {100, 100};
    Mouse(WM_LBUTTONDOWN, ptFrom.x, ptFrom.y, MK_LBUTTON);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.szName);
        Mouse(WM_MOUSEMOVE, s.ptTo.x, s.ptTo.y, MK_LBUTTON);
        EXPECT_EQ(s.ptScroll.x, ::GetScrollPos(m_pView->m_hWnd, SB_HORZ));
        EXPECT_EQ(s.ptScroll.y, ::GetScrollPos(m_pView->m_hWnd, SB_VERT));
    }
    // Two moves scrolled; the clamped one did not.
    EXPECT_EQ(2, m_pView->m_nScrolls);
    Mouse(WM_LBUTTONUP, 150, 160);
    EXPECT_EQ(4u, m_pView->GetZoomState());
    m_pView->SetZoomMove(FALSE);
    EXPECT_EQ(0u, m_pView->GetZoomState());
}

TEST_F(KvZoomViewTest, EachStateShowsItsCursor)
{
    m_pView->SetZoomMoveCursorID(0);
    m_pView->SetZoomMoveCursorBeginID(0);
    m_pView->SetZoomRectCursorID(0);
    ASSERT_NE(nullptr, m_pView->MoveCursor());
    ASSERT_NE(nullptr, m_pView->MoveBeginCursor());
    ASSERT_NE(nullptr, m_pView->ZoomRectCursor());
    EXPECT_NE(m_pView->MoveCursor(), m_pView->ZoomRectCursor());

    m_pView->BeginZoomRect();
    EXPECT_TRUE(m_pView->OnSetCursor(nullptr, HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(m_pView->ZoomRectCursor(), ::GetCursor());
    m_pView->SetZoomMove(TRUE);
    EXPECT_TRUE(m_pView->OnSetCursor(nullptr, HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(m_pView->MoveCursor(), ::GetCursor());
    m_pView->EndZoomRect();
    EXPECT_EQ(0u, m_pView->GetZoomState());
}
TEST_F(KvZoomViewTest, HandPanningMovesTheScrollBarsASplitterSharesWithTheView)
{
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(&m_wndParent, 1, 1, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL));
    splitter.MoveWindow(0, 0, 420, 320);
    CTestZoomView* pPane = new CTestZoomView;
    ASSERT_TRUE(pPane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &splitter,
                              static_cast<UINT>(splitter.IdFromRowCol(0, 0))));
    splitter.RecalcLayout();
    const HWND hVert = splitter.GetScrollBarCtrl(pPane, SB_VERT);
    const HWND hHorz = splitter.GetScrollBarCtrl(pPane, SB_HORZ);
    ASSERT_NE(nullptr, hVert);
    ASSERT_NE(nullptr, hHorz);
    pPane->SetZoomMode(CKvZoomView::modeFree);
    pPane->SetZoomMinMax(0.02f, 22.0f);
    pPane->SetScrollSizes(MM_TEXT, CSize(2000, 1500));
    pPane->ZoomOriginal();
    pPane->ScrollToPosition(CPoint(0, 0));
    // The shared controls scroll the pane; it grows no bars of its own.
    EXPECT_EQ(0u, pPane->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_TRUE(::IsWindowEnabled(hVert));
    EXPECT_TRUE(::IsWindowEnabled(hHorz));

    struct Step
    {
        const char* szName;
        BOOL bVertEnabled;
        POINT ptFrom;
        POINT ptTo;
        POINT ptScroll; // expected positions of the shared controls
        int nScrolls;   // ZoomViewScroll calls so far
    };
    const Step steps[] = {
        {"drag up and left", TRUE, {100, 100}, {60, 70}, {40, 30}, 1},
        {"a disabled bar stays", FALSE, {100, 100}, {90, 50}, {50, 30}, 2},
        {"back to the start", TRUE, {0, 0}, {50, 30}, {0, 0}, 3},
    };
    pPane->m_nScrolls = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.szName);
        ::EnableWindow(hVert, s.bVertEnabled);
        pPane->DoScroll(s.ptFrom, s.ptTo, 1.0f);
        EXPECT_EQ(s.ptScroll.x, ::GetScrollPos(hHorz, SB_CTL));
        EXPECT_EQ(s.ptScroll.y, ::GetScrollPos(hVert, SB_CTL));
        EXPECT_EQ(s.nScrolls, pPane->m_nScrolls);
        // The drawing follows the shared positions.
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        pPane->OnPrepareDC(&dc);
        POINT pt = {};
        ::GetViewportOrgEx(dc.m_hDC, &pt);
        EXPECT_EQ(CPoint(-s.ptScroll.x, -s.ptScroll.y), CPoint(pt));
    }

    // The splitter hands its bar's scrolling to the pane.
    const int nLine = pPane->GetDeviceLine().cy;
    ASSERT_GT(nLine, 0);
    splitter.SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(hVert));
    EXPECT_EQ(nLine, ::GetScrollPos(hVert, SB_CTL));
    EXPECT_EQ(nLine, pPane->GetScrollPosition().y);
}
} // namespace
