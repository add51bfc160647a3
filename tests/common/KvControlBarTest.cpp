// The sizing control bar on a real frame: its size per docking state, the row shared with its
// neighbours, an edge dragged with the mouse, the close button, and its sizes in the profile.
#include <gtest/gtest.h>

#include <vector>

#include "common/KvControlBar.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/StatusBar.h"
#include "platform/frame/WinApp.h"
#include "tests/support/UiDriver.h"

namespace
{
const UINT kBarA = 0x300;
const UINT kBarB = 0x301;
const UINT kBarC = 0x302;

class KvControlBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->CreateEx(0, nullptr, "浮动条", WS_OVERLAPPEDWINDOW, 30, 30, 640, 480, nullptr, nullptr));
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        const UINT ids[3] = {kBarA, kBarB, kBarC};
        const char* titles[3] = {"输出", "工作区", "属性"};
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(m_bars[i].Create(titles[i], m_pFrame, CSize(200, 100), TRUE, ids[i],
                                         WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
            m_bars[i].EnableDocking(CBRS_ALIGN_ANY);
        }
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hFrame);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornKvTestKey");
    }

    CDockBar* DockBar(UINT nID) const { return static_cast<CDockBar*>(m_pFrame->GetControlBar(nID)); }
    CRect InFrame(const CWnd& wnd) const
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, m_hFrame, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    // Docks a beside b in b's row.
    void DockBeside(CKvControlBar& a, CKvControlBar& b)
    {
        CRect rc;
        b.GetWindowRect(&rc);
        rc.OffsetRect(rc.Width() - 20, 0);
        m_pFrame->DockControlBar(&a, b.m_pDockBar, &rc);
        m_pFrame->RecalcLayout();
    }
    CSize Client() const
    {
        CRect rc;
        m_pFrame->GetClientRect(&rc);
        return rc.Size();
    }

    CFrameWnd* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CKvControlBar m_bars[3];
};

TEST_F(KvControlBarTest, EachStateHasItsOwnSize)
{
    CKvControlBar& bar = m_bars[0];
    struct StateCase
    {
        const char* szName;
        UINT nDockBarID; // 0: floating
        CSize CKvControlBar::*pSize;
    };
    const StateCase cases[] = {
        {"top", FX_IDW_DOCKBAR_TOP, &CKvControlBar::m_szHorz},
        {"left", FX_IDW_DOCKBAR_LEFT, &CKvControlBar::m_szVert},
        {"floating", 0, &CKvControlBar::m_szFloat},
        {"bottom", FX_IDW_DOCKBAR_BOTTOM, &CKvControlBar::m_szHorz},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (c.nDockBarID != 0) {
            m_pFrame->DockControlBar(&bar, c.nDockBarID);
        } else {
            m_pFrame->FloatControlBar(&bar, CPoint(200, 200));
        }
        m_pFrame->RecalcLayout();
        CRect rc;
        bar.GetWindowRect(&rc);
        EXPECT_EQ(bar.*c.pSize, rc.Size());
        EXPECT_EQ(c.nDockBarID == FX_IDW_DOCKBAR_TOP || c.nDockBarID == FX_IDW_DOCKBAR_BOTTOM, bar.IsHorzDocked());
        EXPECT_EQ(c.nDockBarID == FX_IDW_DOCKBAR_LEFT, bar.IsVertDocked());
    }
    // Alone in its row a docked bar takes the row's whole length; the thickness stays.
    EXPECT_EQ(Client().cx + 4, bar.m_szHorz.cx);
    EXPECT_EQ(100, bar.m_szHorz.cy);
    EXPECT_EQ(Client().cy, bar.m_szVert.cy);
    EXPECT_EQ(200, bar.m_szVert.cx);
    EXPECT_EQ(CSize(200, 100), bar.m_szFloat);
}

TEST_F(KvControlBarTest, BarsInOneRowShareItsLength)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    DockBeside(m_bars[1], m_bars[0]);
    CKvControlBar& a = m_bars[0];
    CKvControlBar& b = m_bars[1];
    // Together they fill the row, overlapping by their 2-pixel borders.
    EXPECT_EQ(Client().cx + 2, (a.m_szHorz.cx - 2) + (b.m_szHorz.cx - 2));
    EXPECT_EQ(InFrame(a).right - 2, InFrame(b).left);

    // Five more pixels: one each per pass, the first bar first.
    const int nA = a.m_szHorz.cx;
    const int nB = b.m_szHorz.cx;
    ASSERT_TRUE(a.NegociateSpace(Client().cx + 2 + 5, TRUE));
    EXPECT_EQ(nA + 3, a.m_szHorz.cx);
    EXPECT_EQ(nB + 2, b.m_szHorz.cx);

    // Three bars whose minimum lengths exceed the row: the one being laid out moves to a row of its
    // own after the current one.
    DockBeside(m_bars[2], m_bars[1]);
    CDockBar* pTop = DockBar(FX_IDW_DOCKBAR_TOP);
    EXPECT_FALSE(a.NegociateSpace(60, TRUE));
    std::vector<void*> layout;
    for (INT_PTR i = 0; i < pTop->m_arrBars.GetSize(); ++i) {
        layout.push_back(pTop->m_arrBars[i]);
    }
    EXPECT_EQ((std::vector<void*>{nullptr, &m_bars[1], &m_bars[2], nullptr, &m_bars[0], nullptr}), layout);
}

TEST_F(KvControlBarTest, DraggingTheEdgeBetweenTwoBarsMovesItBy40Pixels)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    DockBeside(m_bars[1], m_bars[0]);
    CKvControlBar& a = m_bars[0];
    CKvControlBar& b = m_bars[1];
    const CRect rcA = InFrame(a);
    const CRect rcB = InFrame(b);
    const int nA = a.m_szHorz.cx;
    const int nB = b.m_szHorz.cx;
    // The right edge of the first bar and the left edge of the second can be dragged; the
    // bottom edges face the frame's client area.
    EXPECT_EQ(static_cast<DWORD>(SCBS_EDGERIGHT | SCBS_EDGEBOTTOM), a.m_dwSCBStyle & SCBS_EDGEALL);
    EXPECT_EQ(static_cast<DWORD>(SCBS_EDGELEFT | SCBS_EDGEBOTTOM), b.m_dwSCBStyle & SCBS_EDGEALL);

    CRect rcWnd;
    a.GetWindowRect(&rcWnd);
    CRect rcEdge;
    a.GetEdgeRect(rcWnd, HTRIGHT, rcEdge);
    const CPoint ptGrab = rcEdge.CenterPoint();
    EXPECT_EQ(static_cast<LRESULT>(HTRIGHT), a.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptGrab.x, ptGrab.y)));
    a.SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptGrab.x, ptGrab.y));
    ASSERT_TRUE(a.m_bTracking);
    CPoint ptMove(ptGrab.x + 40, ptGrab.y);
    ::ScreenToClient(a.m_hWnd, &ptMove);
    a.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptMove.x, ptMove.y));
    a.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptMove.x, ptMove.y));
    EXPECT_FALSE(a.m_bTracking);
    EXPECT_EQ(nA + 40, a.m_szHorz.cx);
    EXPECT_EQ(nB - 40, b.m_szHorz.cx);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(rcA.Width() + 40, InFrame(a).Width());
    EXPECT_EQ(rcB.left + 40, InFrame(b).left);
    EXPECT_EQ(rcB.right, InFrame(b).right);
}

TEST_F(KvControlBarTest, TheCloseButtonHidesTheBarWhichKeepsItsPlaceAndSizes)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    CKvControlBar& bar = m_bars[0];
    const CSize szVert = bar.m_szVert;
    CRect rcWnd;
    bar.GetWindowRect(&rcWnd);
    CRect rcBtn = bar.m_biHide.GetRect();
    rcBtn.OffsetRect(rcWnd.left, rcWnd.top);
    const CPoint pt = rcBtn.CenterPoint();
    ASSERT_EQ(static_cast<LRESULT>(HTCLOSE), bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    bar.SendMessage(WM_NCLBUTTONUP, HTCLOSE, MAKELPARAM(pt.x, pt.y));
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_LE(0, DockBar(FX_IDW_DOCKBAR_LEFT)->FindBar(&bar));
    EXPECT_EQ(szVert, bar.m_szVert);

    // Floating, the bar shows no close button and leaves its edges to the floating frame.
    m_pFrame->FloatControlBar(&m_bars[1], CPoint(300, 300));
    m_pFrame->RecalcLayout();
    CKvControlBar& floating = m_bars[1];
    floating.GetWindowRect(&rcWnd);
    rcBtn = floating.m_biHide.GetRect();
    rcBtn.OffsetRect(rcWnd.left, rcWnd.top);
    const CPoint ptFloat = rcBtn.CenterPoint();
    EXPECT_NE(static_cast<LRESULT>(HTCLOSE), floating.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptFloat.x, ptFloat.y)));
    const LRESULT nEdgeHit = floating.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWnd.right - 1, rcWnd.top + 20));
    EXPECT_TRUE(nEdgeHit < HTLEFT || nEdgeHit > HTBOTTOMRIGHT);
}

TEST_F(KvControlBarTest, SizesComeBackFromTheProfileRaisedToTheMinimum)
{
    CWinApp app("KvControlBarTest");
    app.SetRegistryKey("VornKvTestKey");
    CKvControlBar& bar = m_bars[0];
    bar.m_szHorz = CSize(300, 120);
    bar.m_szVert = CSize(150, 400);
    bar.m_szFloat = CSize(250, 180);
    CKvControlBar::GlobalSaveState("Bars");
    CString strSection;
    strSection.Format("Bars-SCBar-%d", kBarA);
    EXPECT_EQ(120u, app.GetProfileInt(strSection, "sizeHorzCY", 0));

    bar.m_szHorz = bar.m_szVert = bar.m_szFloat = CSize(50, 50);
    CKvControlBar::GlobalLoadState("Bars");
    EXPECT_EQ(CSize(300, 120), bar.m_szHorz);
    EXPECT_EQ(CSize(150, 400), bar.m_szVert);
    EXPECT_EQ(CSize(250, 180), bar.m_szFloat);

    struct MinCase
    {
        const char* szKey;
        int nStored;
        int nLoaded;
        LONG CSize::*pSide;
        CSize CKvControlBar::*pSize;
    };
    const MinCase cases[] = {
        {"sizeHorzCY", 10, 32, &CSize::cy, &CKvControlBar::m_szHorz},
        {"sizeHorzCX", 10, 33, &CSize::cx, &CKvControlBar::m_szHorz},
        {"sizeVertCX", -7, 33, &CSize::cx, &CKvControlBar::m_szVert},
        {"sizeFloatCY", 31, 32, &CSize::cy, &CKvControlBar::m_szFloat},
        {"sizeFloatCX", 34, 34, &CSize::cx, &CKvControlBar::m_szFloat},
    };
    for (const MinCase& c : cases) {
        SCOPED_TRACE(c.szKey);
        app.WriteProfileInt(strSection, c.szKey, c.nStored);
        bar.LoadState("Bars");
        EXPECT_EQ(c.nLoaded, (bar.*c.pSize).*c.pSide);
    }
}

TEST_F(KvControlBarTest, FrameWithToolStatusAndSizingBarsLooksRight)
{
    CStatusBar status;
    ASSERT_TRUE(status.Create(m_pFrame));
    const UINT panes[] = {ID_SEPARATOR};
    ASSERT_TRUE(status.SetIndicators(panes, 1));
    status.SetPaneText(0, "就绪");
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_LEFT);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_BOTTOM);
    m_pFrame->RecalcLayout();
    DockBeside(m_bars[2], m_bars[1]);
    m_pFrame->RecalcLayout();
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->RecalcLayout();
    EXPECT_TRUE(SaveWindowPicture(m_hFrame, "kv-control-bars.png"));
}
} // namespace
