// The splitter window: panes laid out in rows and columns, the bar dragged with the mouse
// (closing a pane up and splitting it again), and the shared scroll bars handing their scrolling
// to a pane of their row.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/Object.h"
#include "platform/doc/View.h"
#include "platform/frame/FrameWnd.h"
#include "platform/gdi/DC.h"
#include "platform/frame/SplitterWnd.h"
#include "tests/support/UiDriver.h"

namespace
{
// A pane that fills itself with a colour by its id and counts the scrolling it is handed.
class CSplitPaneView : public CView
{
    FX_DECLARE_DYNCREATE(CSplitPaneView)

public:
    void OnDraw(CDC* pDC) override
    {
        CRect rc;
        GetClientRect(&rc);
        const int nOffset = GetDlgCtrlID() - FX_IDW_PANE_FIRST;
        const COLORREF crFill[] = {RGB(255, 255, 255), RGB(220, 235, 255), RGB(255, 240, 210)};
        pDC->FillSolidRect(&rc, crFill[(nOffset / 16 + nOffset % 16) % 3]);
        CString strName;
        strName.Format("pane %d,%d", nOffset / 16, nOffset % 16);
        pDC->TextOut(4, 4, strName);
    }
    LRESULT OnVScrollMsg(WPARAM wParam, LPARAM lParam)
    {
        ++m_nVScrolls;
        m_wLastCode = wParam;
        m_hLastBar = reinterpret_cast<HWND>(lParam);
        return 0;
    }

    int m_nVScrolls = 0;
    WPARAM m_wLastCode = 0;
    HWND m_hLastBar = nullptr;

    FX_DECLARE_MESSAGE_MAP()
};

FX_IMPLEMENT_DYNCREATE(CSplitPaneView, CView)

FX_BEGIN_MESSAGE_MAP(CSplitPaneView, CView)
FX_ON_MESSAGE(WM_VSCROLL, OnVScrollMsg)
FX_END_MESSAGE_MAP()

class SplitterWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // A frame deletes itself with its window.
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->CreateEx(0, nullptr, "分割", WS_POPUP, 0, 0, 300, 220, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            m_pFrame->DestroyWindow();
        }
    }

    void Make(int nRows, int nCols, DWORD dwBars, CSize sizeInit)
    {
        ASSERT_TRUE(m_splitter.CreateStatic(m_pFrame, nRows, nCols, WS_CHILD | WS_VISIBLE | dwBars));
        for (int row = 0; row < nRows; ++row) {
            for (int col = 0; col < nCols; ++col) {
                m_splitter.SetRowInfo(row, row == 0 ? sizeInit.cy : 0, 20);
                m_splitter.SetColumnInfo(col, col == 0 ? sizeInit.cx : 0, 20);
                ASSERT_TRUE(m_splitter.CreateView(row, col, FX_RUNTIME_CLASS(CSplitPaneView), sizeInit, nullptr));
            }
        }
        m_splitter.MoveWindow(0, 0, 300, 220);
    }
    CRect PaneRect(int row, int col)
    {
        CRect rc;
        CWnd* pPane = m_splitter.GetPane(row, col);
        pPane->GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, m_splitter.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    void Drag(CPoint ptFrom, CPoint ptTo)
    {
        m_splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptFrom.x, ptFrom.y));
        m_splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptTo.x, ptTo.y));
        m_splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTo.x, ptTo.y));
    }

    CFrameWnd* m_pFrame = nullptr;
    CSplitterWnd m_splitter;
};
} // namespace

TEST_F(SplitterWndTest, LaysOutPanesWithTheirIdsAndSharedBars)
{
    Make(2, 2, WS_VSCROLL | WS_HSCROLL, CSize(120, 80));
    const int cxBar = ::GetSystemMetrics(SM_CXVSCROLL);
    const int cyBar = ::GetSystemMetrics(SM_CYHSCROLL);
    const int nBar = CSplitterWnd::nBarWidth;
    struct PaneCase
    {
        const char* szName;
        int row;
        int col;
        CRect rc;
    };
    const PaneCase cases[] = {
        {"top left: the wanted sizes", 0, 0, CRect(0, 0, 120, 80)},
        {"top right: what is left beside the bar", 0, 1, CRect(120 + nBar, 0, 300 - cxBar, 80)},
        {"bottom left", 1, 0, CRect(0, 80 + nBar, 120, 220 - cyBar)},
        {"bottom right", 1, 1, CRect(120 + nBar, 80 + nBar, 300 - cxBar, 220 - cyBar)},
    };
    for (const PaneCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CWnd* pPane = m_splitter.GetPane(c.row, c.col);
        ASSERT_NE(nullptr, pPane);
        EXPECT_EQ(FX_IDW_PANE_FIRST + c.row * 16 + c.col, pPane->GetDlgCtrlID());
        EXPECT_EQ(c.rc, PaneRect(c.row, c.col));
        int row = -1;
        int col = -1;
        EXPECT_TRUE(m_splitter.IsChildPane(pPane, &row, &col));
        EXPECT_EQ(c.row, row);
        EXPECT_EQ(c.col, col);
        EXPECT_TRUE(m_splitter.IsPaneShown(c.row, c.col));
    }
    EXPECT_FALSE(m_splitter.IsChildPane(m_pFrame, nullptr, nullptr));
    EXPECT_EQ(nullptr, m_splitter.GetPane(2, 0));

    // Panes of one row share the vertical bar, panes of one column the horizontal one.
    HWND hVert0 = m_splitter.GetScrollBarCtrl(m_splitter.GetPane(0, 0), SB_VERT);
    ASSERT_NE(nullptr, hVert0);
    EXPECT_EQ(hVert0, m_splitter.GetScrollBarCtrl(m_splitter.GetPane(0, 1), SB_VERT));
    EXPECT_NE(hVert0, m_splitter.GetScrollBarCtrl(m_splitter.GetPane(1, 0), SB_VERT));
    HWND hHorz1 = m_splitter.GetScrollBarCtrl(m_splitter.GetPane(0, 1), SB_HORZ);
    ASSERT_NE(nullptr, hHorz1);
    EXPECT_EQ(hHorz1, m_splitter.GetScrollBarCtrl(m_splitter.GetPane(1, 1), SB_HORZ));
    EXPECT_EQ(nullptr, m_splitter.GetScrollBarCtrl(m_pFrame, SB_VERT));
    EXPECT_EQ(0, m_splitter.GetStyle() & (WS_VSCROLL | WS_HSCROLL));

    m_pFrame->ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(SaveWindowPicture(m_pFrame->m_hWnd, "splitter-2x2.png"));
}

TEST_F(SplitterWndTest, DraggingTheBarResizesClosesAndSplitsAgain)
{
    Make(2, 1, 0, CSize(0, 100));
    const int nBar = CSplitterWnd::nBarWidth;
    const int nAvail = 220 - nBar;
    struct DragCase
    {
        const char* szName;
        int yTo; // where the bar's top edge is dragged
        int cyTop;
        bool bTopShown;
        bool bBottomShown;
    };
    // Each drag starts from where the last one left the bar (minimum 20 on both panes).
    const DragCase cases[] = {
        {"down to 150", 150, 150, true, true},
        {"up to 30", 30, 30, true, true},
        {"below the top pane's minimum: it closes up", 10, 0, false, true},
        {"out of the top again: split", 90, 90, true, true},
        {"past the bottom pane's minimum: it closes up", nAvail - 5, nAvail, true, false},
        {"back up: split", 120, 120, true, true},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.szName);
        const CRect rcBar = m_splitter.GetSplitterRect(FALSE);
        ASSERT_EQ(nBar, rcBar.Height());
        // Grabbed in the middle of the bar: the grab offset is kept.
        Drag(CPoint(50, rcBar.top + 3), CPoint(50, c.yTo + 3));
        int cyTop = -1;
        int cyMin = -1;
        m_splitter.GetRowInfo(0, cyTop, cyMin);
        EXPECT_EQ(c.cyTop, cyTop);
        EXPECT_EQ(20, cyMin);
        EXPECT_EQ(c.bTopShown, m_splitter.IsPaneShown(0, 0) == TRUE);
        EXPECT_EQ(c.bBottomShown, m_splitter.IsPaneShown(1, 0) == TRUE);
        EXPECT_EQ(c.bTopShown, (m_splitter.GetPane(0, 0)->GetStyle() & WS_VISIBLE) != 0);
        EXPECT_EQ(c.bBottomShown, (m_splitter.GetPane(1, 0)->GetStyle() & WS_VISIBLE) != 0);
        if (c.bBottomShown) {
            EXPECT_EQ(CRect(0, cyTop + nBar, 300, 220), PaneRect(1, 0));
        }
        EXPECT_EQ(nullptr, ::GetCapture());
    }

    // A closed-up pane stays closed when the window grows.
    Drag(CPoint(50, m_splitter.GetSplitterRect(FALSE).top + 1), CPoint(50, 219));
    ASSERT_FALSE(m_splitter.IsPaneShown(1, 0));
    m_splitter.MoveWindow(0, 0, 300, 400);
    EXPECT_FALSE(m_splitter.IsPaneShown(1, 0));

    // A click beside the bar grabs nothing.
    Drag(CPoint(50, 5), CPoint(50, 60));
    EXPECT_FALSE(m_splitter.IsPaneShown(1, 0));
}

TEST_F(SplitterWndTest, SharedBarScrollsTheFocusedPaneOfItsRow)
{
    Make(1, 2, WS_VSCROLL, CSize(140, 0));
    auto* pLeft = static_cast<CSplitPaneView*>(m_splitter.GetPane(0, 0));
    auto* pRight = static_cast<CSplitPaneView*>(m_splitter.GetPane(0, 1));
    HWND hBar = m_splitter.GetScrollBarCtrl(pLeft, SB_VERT);
    ASSERT_NE(nullptr, hBar);
    EXPECT_EQ(nullptr, m_splitter.GetScrollBarCtrl(pLeft, SB_HORZ));

    // Without a focused pane the first shown pane of the row takes it.
    m_splitter.SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(hBar));
    EXPECT_EQ(1, pLeft->m_nVScrolls);
    EXPECT_EQ(static_cast<WPARAM>(SB_LINEDOWN), pLeft->m_wLastCode);
    EXPECT_EQ(hBar, pLeft->m_hLastBar);
    EXPECT_EQ(0, pRight->m_nVScrolls);

    m_pFrame->ShowWindow(SW_SHOWNA);
    pRight->SetFocus();
    m_splitter.SendMessage(WM_VSCROLL, SB_PAGEUP, reinterpret_cast<LPARAM>(hBar));
    EXPECT_EQ(1, pRight->m_nVScrolls);
    EXPECT_EQ(static_cast<WPARAM>(SB_PAGEUP), pRight->m_wLastCode);
    EXPECT_EQ(1, pLeft->m_nVScrolls);

    // A message from no shared bar goes nowhere.
    m_splitter.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(1, pLeft->m_nVScrolls);
    EXPECT_EQ(1, pRight->m_nVScrolls);
}
