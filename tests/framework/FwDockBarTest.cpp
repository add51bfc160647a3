// Framework bars docked on a real frame: row fractions and their rounding, sizer moves with the
// minimum lengths, expand and contract, placement rules, floating by a drag and back, the
// floating frame's size, the dialog bar's idle update and the shared colours.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/FwControlBar.h"
#include "framework/FwDialogBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockContext.h"
#include "framework/FwFrameWnd.h"
#include "framework/FwMiniDockFrameWnd.h"
#include "framework/FwSystemColors.h"
#include "platform/frame/WinApp.h"
#include "platform/win/CmdUI.h"
#include "platform/win/Menu.h"
#include "platform/win/ToolTipCtrl.h"
#include "tests/framework/res/fwtest_resource.h"
#include "tests/framework/FwModalLoopHelp.h"
#include "tests/support/UiDriver.h"

namespace
{
// A frame that answers the update of one of the dialog bar's buttons.
class CTestFrame : public FwFrameWnd
{
public:
    void OnUpdateHandled(CCmdUI* pCmdUI)
    {
        ++m_nUpdates;
        pCmdUI->Enable(TRUE);
    }
    int m_nUpdates = 0;
    // What the status line was told: a text, or a string id when no text came.
    std::vector<CString> m_statusTexts;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETMESSAGESTRING) {
            CString strText;
            if (lParam != 0) {
                strText = reinterpret_cast<LPCSTR>(lParam);
            } else {
                strText.Format("#%u", static_cast<UINT>(wParam));
            }
            m_statusTexts.push_back(strText);
        }
        return FwFrameWnd::WindowProc(message, wParam, lParam);
    }
    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CTestFrame, FwFrameWnd)
FX_ON_UPDATE_COMMAND_UI(IDC_FWTEST_HANDLED, OnUpdateHandled)
FX_END_MESSAGE_MAP()

const UINT barIDs[4] = {0x200, 0x201, 0x202, 0x203};
const int barThickness = 100;

class FwDockBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CTestFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW));
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        for (int i = 0; i < 4; ++i) {
            const char* titles[4] = {"输出", "工作区", "属性", "查找"};
            ASSERT_TRUE(m_bars[i].Create(
                m_pFrame, titles[i], WS_VISIBLE | CBRS_BOTTOM | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS, 0xF31, barIDs[i]));
            m_bars[i].EnableDocking(CBRS_ALIGN_ANY);
            m_bars[i].m_szHorz.cy = barThickness;
        }
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame)) {
            ::DestroyWindow(m_hFrame);
        }
    }
    // Sizes the frame so its client area is cx wide, and lays it out.
    void SetClientWidth(int cx)
    {
        CRect rcWnd;
        CRect rcClient;
        m_pFrame->MoveWindow(10, 10, cx + 100, 500);
        m_pFrame->GetWindowRect(&rcWnd);
        m_pFrame->GetClientRect(&rcClient);
        m_pFrame->MoveWindow(10, 10, cx + rcWnd.Width() - rcClient.Width(), 500);
        m_pFrame->RecalcLayout();
    }
    FwDockBar* Bottom() const { return static_cast<FwDockBar*>(m_pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM)); }
    FwDockBar* Left() const { return static_cast<FwDockBar*>(m_pFrame->GetControlBar(FX_IDW_DOCKBAR_LEFT)); }
    // Docks the first n bars in one bottom row with the given fractions.
    void DockRow(const std::vector<float>& fractions)
    {
        for (size_t i = 0; i < fractions.size(); ++i) {
            m_pFrame->DockControlBarEx(&m_bars[i], FX_IDW_DOCKBAR_BOTTOM, 0, static_cast<int>(i), fractions[i], 0);
        }
        m_pFrame->RecalcLayout();
    }
    CRect InDockBar(const CWnd& wnd, const CWnd& dockBar) const
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, dockBar.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    // Ids in the dock bar's array, 0 for row ends.
    static std::vector<int> Layout(const CDockBar* pDockBar)
    {
        std::vector<int> ids;
        for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i) {
            void* p = pDockBar->m_arrBars[i];
            ids.push_back(p == nullptr ? 0 : static_cast<CControlBar*>(p)->GetDlgCtrlID());
        }
        return ids;
    }

    CTestFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    FwControlBar m_bars[4];
};

struct RowCase
{
    const char* szName;
    int nLength;
    std::vector<float> fractions;
    std::vector<int> lengths;
};

TEST_F(FwDockBarTest, RowSharesItsLengthByFractions)
{
    const RowCase cases[] = {
        {"quarter and three quarters", 606, {0.25f, 0.75f}, {150, 450}},
        {"rounding carried to the last bar", 407, {0.25f, 0.75f}, {100, 301}},
        {"three bars, two sizers", 612, {0.5f, 0.25f, 0.25f}, {300, 150, 150}},
        {"fractions summing to two are halved", 406, {0.5f, 1.5f}, {100, 300}},
        {"a bar at 0 raised to 18 pixels", 606, {1.0f, 0.0f}, {582, 18}},
        {"a bar alone takes the whole row", 500, {0.75f}, {500}},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.szName);
        TearDown();
        SetUp();
        SetClientWidth(c.nLength);
        DockRow(c.fractions);
        FwDockBar* pDockBar = Bottom();
        ASSERT_EQ(c.nLength, pDockBar->GetRowLength());
        int x = 0;
        for (size_t i = 0; i < c.lengths.size(); ++i) {
            const CRect rc = InDockBar(m_bars[i], *pDockBar);
            EXPECT_EQ(x, rc.left) << i;
            EXPECT_EQ(c.lengths[i], rc.Width()) << i;
            // The row's sizer lies above the bars of a bottom dock bar.
            EXPECT_EQ(FwDockBar::sizerWidth, rc.top) << i;
            EXPECT_EQ(barThickness, rc.Height()) << i;
            x += c.lengths[i] + FwDockBar::sizerWidth;
        }
        EXPECT_FLOAT_EQ(18.0f / static_cast<float>(c.nLength), pDockBar->m_fMinFraction);
        // One sizer between each pair of neighbours and one along the row; one edge.
        EXPECT_EQ(c.lengths.size(), pDockBar->m_sizers.size());
        EXPECT_EQ(1u, pDockBar->m_edges.size());
        CRect rcDock;
        pDockBar->GetClientRect(&rcDock);
        EXPECT_EQ(barThickness + FwDockBar::sizerWidth + FwDockBar::edgeWidth, rcDock.Height());
    }
}

struct SizerCase
{
    const char* szName;
    int nLength;
    std::vector<float> fractions;
    int nDelta;
    std::vector<float> expected;
};

TEST_F(FwDockBarTest, SizerMoveSetsFractionsWithMinimums)
{
    const SizerCase cases[] = {
        {"+40 between two bars", 606, {0.25f, 0.75f}, 40, {190.0f / 600, 410.0f / 600}},
        {"-40 between two bars", 606, {0.25f, 0.75f}, -40, {110.0f / 600, 490.0f / 600}},
        {"the next bar keeps 18 pixels", 306, {0.5f, 0.5f}, 140, {282.0f / 300, 18.0f / 300}},
        {"no fraction below 0.05", 606, {0.5f, 0.5f}, 290, {582.0f / 600, 0.05f}},
        {"space taken from the following bars in turn",
         312,
         {0.5f, 0.25f, 0.25f},
         100,
         {250.0f / 300, 18.0f / 300, 32.0f / 300}},
        {"a negative move takes from the bars before",
         312,
         {0.25f, 0.25f, 0.5f},
         -100,
         {18.0f / 300, 132.0f / 300, 0.5f}},
    };
    for (const SizerCase& c : cases) {
        SCOPED_TRACE(c.szName);
        TearDown();
        SetUp();
        SetClientWidth(c.nLength);
        DockRow(c.fractions);
        FwDockBar* pDockBar = Bottom();
        ASSERT_GE(pDockBar->m_sizers.size(), 2u);
        ASSERT_TRUE(pDockBar->m_sizers[0].bBetweenBars);
        pDockBar->ApplySizerMove(0, c.nDelta);
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_NEAR(c.expected[i], m_bars[i].m_fWidthFraction, 1e-5f) << i;
        }
    }
}

TEST_F(FwDockBarTest, RowSizerChangesTheRowsThickness)
{
    SetClientWidth(400);
    DockRow({0.5f, 0.5f});
    FwDockBar* pDockBar = Bottom();
    const FwDockBar::Sizer& rowSizer = pDockBar->m_sizers.back();
    ASSERT_FALSE(rowSizer.bBetweenBars);
    // Up on a bottom dock bar: the row grows.
    pDockBar->ApplySizerMove(static_cast<int>(pDockBar->m_sizers.size()) - 1, -30);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(barThickness + 30, m_bars[0].m_szHorz.cy);
    EXPECT_EQ(barThickness + 30, InDockBar(m_bars[1], *pDockBar).Height());
}

TEST_F(FwDockBarTest, ExpandAndContract)
{
    const int nLength = 606;
    SetClientWidth(nLength);
    DockRow({0.25f, 0.75f});
    FwDockBar* pDockBar = Bottom();
    const float m = 18.0f / nLength;
    EXPECT_FALSE(pDockBar->IsBarExpanded(&m_bars[0]));

    pDockBar->ExpandBar(&m_bars[0], FwDockBar::expandBar);
    EXPECT_NEAR(1.0f - m, m_bars[0].m_fWidthFraction, 1e-6f);
    EXPECT_NEAR(m, m_bars[1].m_fWidthFraction, 1e-6f);
    EXPECT_TRUE(pDockBar->IsBarExpanded(&m_bars[0]));
    EXPECT_FALSE(pDockBar->IsBarExpanded(&m_bars[1]));
    m_bars[0].UpdateButtonStates(TRUE);
    EXPECT_FALSE(m_bars[0].m_bContracted);
    EXPECT_TRUE(m_bars[0].m_bExpandEnabled);

    pDockBar->ExpandBar(&m_bars[0], FwDockBar::contractBar);
    EXPECT_FLOAT_EQ(0.5f, m_bars[0].m_fWidthFraction);
    EXPECT_FLOAT_EQ(0.5f, m_bars[1].m_fWidthFraction);
    m_bars[0].UpdateButtonStates(TRUE);
    EXPECT_TRUE(m_bars[0].m_bContracted);

    // Alone in its row, a bar has nothing to expand over.
    m_pFrame->DockControlBarEx(&m_bars[2], FX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 150);
    m_pFrame->RecalcLayout();
    EXPECT_TRUE(Left()->IsBarAloneInRow(&m_bars[2]));
    m_bars[2].UpdateButtonStates(FALSE);
    EXPECT_FALSE(m_bars[2].m_bExpandEnabled);
}

TEST_F(FwDockBarTest, ExpandButtonClickExpandsTheBar)
{
    SetClientWidth(606);
    DockRow({0.5f, 0.5f});
    m_pFrame->ShowWindow(SW_SHOW);
    m_bars[0].UpdateWindow();
    ASSERT_FALSE(m_bars[0].m_rcExpand.IsRectEmpty());
    const CPoint pt = m_bars[0].m_rcExpand.CenterPoint();
    m_bars[0].SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(m_bars[0].m_bExpandPressed);
    m_bars[0].SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_FALSE(m_bars[0].m_bExpandPressed);
    EXPECT_NEAR(1.0f - 18.0f / 606, m_bars[0].m_fWidthFraction, 1e-6f);

    // The close button hides the bar through the frame.
    m_bars[1].UpdateWindow();
    const CPoint ptClose = m_bars[1].m_rcClose.CenterPoint();
    m_bars[1].SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClose.x, ptClose.y));
    m_bars[1].SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClose.x, ptClose.y));
    EXPECT_FALSE(m_bars[1].IsVisible());
}

TEST_F(FwDockBarTest, PlacementRules)
{
    SetClientWidth(600);
    FwDockBar* pDockBar = Bottom();
    const int a = static_cast<int>(barIDs[0]);
    const int b = static_cast<int>(barIDs[1]);
    const int c = static_cast<int>(barIDs[2]);
    const int d = static_cast<int>(barIDs[3]);
    pDockBar->DockControlBarAt(&m_bars[0], 0, 0);
    EXPECT_EQ((std::vector<int>{0, a, 0}), Layout(pDockBar));
    // Row 0, column 0: first in the first row.
    pDockBar->DockControlBarAt(&m_bars[1], 0, 0);
    EXPECT_EQ((std::vector<int>{0, b, a, 0}), Layout(pDockBar));
    // A new row in front of row 0.
    pDockBar->DockControlBarAt(&m_bars[2], 0, 0, FwDockBar::placeNewRow);
    EXPECT_EQ((std::vector<int>{0, c, 0, b, a, 0}), Layout(pDockBar));
    // Beyond the last row: a new last row; counted from the row's end: after the last bar.
    pDockBar->DockControlBarAt(&m_bars[3], 7, 0);
    EXPECT_EQ((std::vector<int>{0, c, 0, b, a, 0, d, 0}), Layout(pDockBar));
    pDockBar->DockControlBarAt(&m_bars[3], 1, 0, FwDockBar::placeFromRowEnd);
    EXPECT_EQ((std::vector<int>{0, c, 0, b, a, d, 0}), Layout(pDockBar));
    // A bar that wants a row of its own gets one between its neighbours.
    m_bars[0].m_dwExStyle |= FWCBS_EX_OWNROW;
    pDockBar->DockControlBarAt(&m_bars[0], 0, 1);
    EXPECT_EQ((std::vector<int>{0, c, 0, a, 0, b, d, 0}), Layout(pDockBar));
    // Others placed next to it are kept out of its row.
    pDockBar->DockControlBarAt(&m_bars[2], 0, 1);
    EXPECT_EQ((std::vector<int>{0, a, 0, c, 0, b, d, 0}), Layout(pDockBar));
}

TEST_F(FwDockBarTest, FloatsByDragIntoFramedWindowAndDocksBack)
{
    SetClientWidth(606);
    DockRow({0.25f, 0.75f});
    m_pFrame->ShowWindow(SW_SHOW);
    FwControlBar& bar = m_bars[1];
    // Ctrl keeps the bar from docking: it floats where it is dropped.
    CRect rcBar;
    bar.GetWindowRect(&rcBar);
    const CPoint ptGrab(200, 50);
    CPoint ptScreen(ptGrab);
    ::ClientToScreen(bar.m_hWnd, &ptScreen);
    ::PostMessageA(bar.m_hWnd, WM_KEYDOWN, VK_CONTROL, 0);
    for (int dy : {-40, -120, -200}) {
        CPoint pt(ptScreen.x, ptScreen.y + dy);
        ::ScreenToClient(bar.m_hWnd, &pt);
        ::PostMessageA(bar.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(pt.x, pt.y));
    }
    // Docked drag rectangles are the docked sizes less the framework border on each side.
    const CSize szBorder(2 * FwGetSystemColors().m_cxBorder2, 2 * FwGetSystemColors().m_cyBorder2);
    CSize szHorz = bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
    szHorz -= szBorder;
    CSize szVert = bar.CalcDynamicLayout(0, LM_VERTDOCK);
    szVert -= szBorder;
    CActionWnd action;
    ASSERT_TRUE(action.CreateHidden());
    CSize szDragHorz;
    CSize szDragVert;
    action.m_fnAction = [&]() {
        szDragHorz = bar.m_pDockContext->m_rectDragHorz.Size();
        szDragVert = bar.m_pDockContext->m_rectDragVert.Size();
    };
    ::PostMessageA(action.m_hWnd, WM_APP, 0, 0);
    ::PostMessageA(bar.m_hWnd, WM_LBUTTONUP, 0, 0);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptGrab.x, ptGrab.y));
    ::PostMessageA(bar.m_hWnd, WM_KEYUP, VK_CONTROL, 0);
    action.DestroyWindow();
    EXPECT_EQ(szHorz, szDragHorz);
    EXPECT_EQ(szVert, szDragVert);

    ASSERT_TRUE(bar.IsFloating());
    // The drag's hint in the status line, then its idle text (0xE001) again.
    EXPECT_EQ((std::vector<CString>{"Press the Ctrl key to prevent docking.", "#57345"}), m_pFrame->m_statusTexts);
    CWnd* pFloat = CWnd::FromHandlePermanent(::GetParent(bar.m_pDockBar->m_hWnd));
    ASSERT_NE(nullptr, pFloat);
    ASSERT_TRUE(pFloat->IsKindOf(FX_RUNTIME_CLASS(FwMiniDockFrameWnd)));
    EXPECT_TRUE(bar.m_pDockBar->IsKindOf(FX_RUNTIME_CLASS(FwDockBar)));
    // The floating frame is sized to its bar and carries its title.
    CRect rcClient;
    pFloat->GetClientRect(&rcClient);
    EXPECT_EQ(bar.m_szFloat, rcClient.Size());
    char szTitle[64] = {};
    ::GetWindowTextA(pFloat->m_hWnd, szTitle, sizeof(szTitle));
    EXPECT_STREQ("工作区", szTitle);
    // The bar left alone in the row takes it all; the floating bar kept its fraction.
    m_pFrame->RecalcLayout();
    EXPECT_FLOAT_EQ(0.75f, bar.m_fSavedFraction);
    EXPECT_EQ(606, InDockBar(m_bars[0], *Bottom()).Width());
    // On the virtual screen for the picture: the drop point may lie off it.
    ::SetWindowPos(pFloat->m_hWnd, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(SaveWindowPicture(pFloat->m_hWnd, "fwbars-floating-frame.png"));

    // Docking back by a double click returns the fraction and the place.
    bar.m_pDockContext->ToggleDocking();
    m_pFrame->RecalcLayout();
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(Bottom(), bar.m_pDockBar);
    EXPECT_FLOAT_EQ(0.75f, bar.m_fWidthFraction);
    EXPECT_EQ(450, InDockBar(bar, *Bottom()).Width());
}

TEST_F(FwDockBarTest, ClosingTheFloatingFrameHidesItsBars)
{
    SetClientWidth(500);
    DockRow({1.0f});
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->FloatControlBar(&m_bars[0], CPoint(100, 100), CBRS_ALIGN_TOP);
    ASSERT_TRUE(m_bars[0].IsFloating());
    HWND hFloat = ::GetParent(m_bars[0].m_pDockBar->m_hWnd);
    ::SendMessageA(hFloat, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(hFloat));
    EXPECT_FALSE(m_bars[0].IsVisible());
    m_pFrame->ShowControlBar(&m_bars[0], TRUE, FALSE);
    EXPECT_TRUE(::IsWindowVisible(hFloat));
}

TEST_F(FwDockBarTest, ContextMenuOffersDockingAndHide)
{
    SetClientWidth(500);
    DockRow({1.0f});
    CMenu menu;
    ASSERT_TRUE(m_bars[0].BuildContextMenu(menu));
    EXPECT_EQ(2, ::GetMenuItemCount(menu));
    EXPECT_NE(0u, menu.GetMenuState(ID_FWCB_ALLOWDOCKING, MF_BYCOMMAND) & MF_CHECKED);

    // Allow Docking off floats the bar and allows no side; on again restores exactly the sides.
    m_bars[0].m_dwDockStyle = CBRS_ALIGN_BOTTOM | CBRS_ALIGN_LEFT;
    m_bars[0].SendMessage(WM_COMMAND, ID_FWCB_ALLOWDOCKING, 0);
    EXPECT_TRUE(m_bars[0].IsFloating());
    EXPECT_EQ(0u, m_bars[0].m_dwDockStyle & CBRS_ALIGN_ANY);
    m_bars[0].SendMessage(WM_COMMAND, ID_FWCB_ALLOWDOCKING, 0);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_BOTTOM | CBRS_ALIGN_LEFT), m_bars[0].m_dwDockStyle & CBRS_ALIGN_ANY);

    m_bars[0].SendMessage(WM_COMMAND, ID_FWCB_HIDE, 0);
    EXPECT_FALSE(m_bars[0].IsVisible());
}

TEST_F(FwDockBarTest, DockedRowsPicture)
{
    SetClientWidth(640);
    DockRow({0.4f, 0.6f});
    m_bars[1].SetWindowText("工作区");
    m_pFrame->DockControlBarEx(&m_bars[2], FX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 160);
    m_pFrame->DockControlBarEx(&m_bars[3], FX_IDW_DOCKBAR_BOTTOM, 1, 0, 1.0f, 60);
    m_pFrame->RecalcLayout();
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->UpdateWindow();
    // The gripper strip at the left of a bottom bar: 17 pixels, with both caption buttons.
    CRect rcIn;
    m_bars[0].GetInsideRect(rcIn);
    CRect rcClient;
    m_bars[0].GetClientRect(&rcClient);
    EXPECT_EQ(17, rcIn.left);
    EXPECT_EQ(3, rcIn.top);
    EXPECT_EQ(rcClient.bottom - 3, rcIn.bottom);
    EXPECT_EQ(m_bars[0].m_rcClose.Width(), m_bars[0].m_rcClose.Height());
    EXPECT_LT(m_bars[0].m_rcClose.bottom, m_bars[0].m_rcExpand.top);
    // Tool tips for the caption buttons, only while docked.
    TOOLINFOA ti = {};
    EXPECT_EQ(FWCB_TOOL_CLOSE, m_bars[0].OnToolHitTest(m_bars[0].m_rcClose.CenterPoint(), &ti));
    EXPECT_STREQ("Hide docked window", ti.lpszText);
    free(ti.lpszText);
    EXPECT_TRUE(SaveWindowPicture(m_hFrame, "fwbars-docked-rows.png"));
}

TEST_F(FwDockBarTest, DialogBarControlsUpdateOnIdle)
{
    FwDialogBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, IDD_FWTEST_DLGBAR, WS_VISIBLE | CBRS_TOP, 0, 0x300));
    EXPECT_EQ(static_cast<UINT>(IDD_FWTEST_DLGBAR), bar.GetResourceID());
    EXPECT_EQ(0x300, bar.GetDlgCtrlID());
    EXPECT_GT(bar.m_szHorz.cx, 0);
    EXPECT_EQ(bar.m_szHorz, bar.m_szFloat);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBarEx(&bar, FX_IDW_DOCKBAR_TOP, 0, 0, 1.0f, 0);
    SetClientWidth(500);
    bar.SendMessage(FxGetIdleUpdateMessage(), TRUE, 0);
    EXPECT_GT(m_pFrame->m_nUpdates, 0);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(bar.m_hWnd, IDC_FWTEST_HANDLED)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(bar.m_hWnd, IDC_FWTEST_UNHANDLED)));
}

TEST_F(FwDockBarTest, SystemColourChangeRefreshesSharedColours)
{
    FwSystemColors& colors = FwGetSystemColors();
    colors.m_clrBtnFace = RGB(1, 2, 3);
    colors.m_clrBtnShadow = RGB(4, 5, 6);
    m_pFrame->SendMessage(WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), colors.m_clrBtnFace);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), colors.m_clrBtnShadow);
}

TEST_F(FwDockBarTest, ProportionalLayoutCreatedWithoutSizeDoesNotDivideByZero)
{
    FwControlBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, "比例", WS_VISIBLE | CBRS_TOP, FWCBS_EX_PROPORTIONAL, 0x310));
    HWND hChild = ::CreateWindowExA(0, "STATIC", "x", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, bar.m_hWnd, nullptr,
                                    nullptr, nullptr);
    ASSERT_TRUE(bar.HasChildLayout());
    // The shares are taken at the first real size, then kept.
    bar.MoveWindow(0, 0, 200, 100);
    bar.RecordChildLayout();
    bar.MoveWindow(0, 0, 400, 200);
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    EXPECT_EQ(100, rc.Width());
    EXPECT_EQ(40, rc.Height());
}
} // namespace

namespace
{
// Where a bar lands for a drop at a point, relative to the rows a (0.5) b (0.5) over c.
struct DropCase
{
    const char* szName;
    // 0: row 0, 1: row 1; the point's y relative to that row's band: -1 above it, 0 inside,
    // 1 below it.
    int nRow;
    int nBand;
    int x;
    std::vector<char> layout;
};
} // namespace

TEST_F(FwDockBarTest, InsertByPointFollowsTheRowUnderThePoint)
{
    const DropCase cases[] = {
        {"row 0 left part: after the bar it lies on", 0, 0, 10, {'a', 'd', 'b', 0, 'c'}},
        {"row 0 past the last bar", 0, 0, 500, {'a', 'b', 'd', 0, 'c'}},
        {"above row 0: a new first row", 0, -1, 10, {'d', 0, 'a', 'b', 0, 'c'}},
        {"row 1", 1, 0, 10, {'a', 'b', 0, 'c', 'd'}},
        {"between the rows: a new row in front of row 1", 1, -1, 10, {'a', 'b', 0, 'd', 0, 'c'}},
        {"below every row: a new last row", 1, 1, 10, {'a', 'b', 0, 'c', 0, 'd'}},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.szName);
        TearDown();
        SetUp();
        SetClientWidth(606);
        DockRow({0.5f, 0.5f});
        m_pFrame->DockControlBarEx(&m_bars[2], FX_IDW_DOCKBAR_BOTTOM, 1, 0, 1.0f, 0);
        m_pFrame->RecalcLayout();
        FwDockBar* pDockBar = Bottom();
        const CRect rcRow = InDockBar(m_bars[c.nRow == 0 ? 0 : 2], *pDockBar);
        const int y = c.nBand < 0 ? rcRow.top - 3 : (c.nBand > 0 ? rcRow.bottom + 1 : rcRow.CenterPoint().y);
        pDockBar->m_bLayoutChanged = FALSE;
        pDockBar->DockControlBarAtPoint(&m_bars[3], CPoint(c.x, y));
        std::vector<int> expected = {0};
        for (char ch : c.layout) {
            expected.push_back(ch == 0 ? 0 : static_cast<int>(barIDs[ch - 'a']));
        }
        expected.push_back(0);
        EXPECT_EQ(expected, Layout(pDockBar));
        EXPECT_EQ(c.nBand > 0, pDockBar->m_bLayoutChanged != FALSE);
    }
}

struct FeedbackCase
{
    const char* szName;
    // The point's x in row 0, or -1 for a point below every row.
    int x;
    DWORD dwExStyle;
    CRect rcExpected; // dock-bar client coordinates; empty: the drag rectangle itself
};

TEST_F(FwDockBarTest, FeedbackRectangleIsTheShareTheBarWouldTake)
{
    SetClientWidth(606);
    DockRow({0.5f, 0.5f});
    FwDockBar* pDockBar = Bottom();
    const CRect rcRow = InDockBar(m_bars[0], *pDockBar);
    const int nRowLength = 606;
    CRect rcDock;
    pDockBar->GetClientRect(&rcDock);
    // Three bars at 1/3 each: 594 pixels to share, the last bar takes the rounding.
    const FeedbackCase cases[] = {
        {"joins row 0 at its end", 500, 0xF31, CRect(408, rcRow.top, 606, rcRow.bottom)},
        {"joins row 0 in the middle", 10, 0xF31, CRect(204, rcRow.top, 402, rcRow.bottom)},
        {"a new last row takes the whole length at the frame's edge", -1, 0xF31,
         CRect(0, rcDock.bottom - 40, nRowLength, rcDock.bottom)},
        {"a fixed-length bar keeps the drag rectangle", 500, 0xF31 | FWCBS_EX_FIXEDLENGTH, CRect()},
    };
    FwControlBar& bar = m_bars[3];
    bar.m_fWidthFraction = 0.5f;
    CRect rcDrag(0, 0, 120, 40);
    ::MapWindowPoints(pDockBar->m_hWnd, nullptr, reinterpret_cast<POINT*>(&rcDrag), 2);
    for (const FeedbackCase& c : cases) {
        SCOPED_TRACE(c.szName);
        bar.m_dwExStyle = c.dwExStyle;
        CPoint pt(c.x < 0 ? 10 : c.x, c.x < 0 ? rcRow.bottom + 1 : rcRow.CenterPoint().y);
        ::ClientToScreen(pDockBar->m_hWnd, &pt);
        CRect rc = pDockBar->GetDockingFeedbackRect(&bar, rcDrag, pt);
        if (c.rcExpected.IsRectEmpty()) {
            EXPECT_EQ(rcDrag, rc);
            continue;
        }
        ::MapWindowPoints(nullptr, pDockBar->m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(c.rcExpected.TopLeft(), rc.TopLeft());
        EXPECT_EQ(c.rcExpected.BottomRight(), rc.BottomRight());
    }
}

TEST_F(FwDockBarTest, DragShowsTheRowShareAndDropsIntoTheRowUnderTheCursor)
{
    SetClientWidth(606);
    DockRow({0.5f, 0.5f});
    m_pFrame->DockControlBarEx(&m_bars[2], FX_IDW_DOCKBAR_BOTTOM, 1, 0, 1.0f, 0);
    m_pFrame->RecalcLayout();
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->UpdateWindow();
    FwDockBar* pDockBar = Bottom();
    FwControlBar& bar = m_bars[2];
    FwDockContext* pContext = static_cast<FwDockContext*>(bar.m_pDockContext);

    CRect rcB;
    m_bars[1].GetWindowRect(&rcB);
    const CPoint ptGrab(200, 50);
    CPoint ptScreen(ptGrab);
    ::ClientToScreen(bar.m_hWnd, &ptScreen);
    const CPoint ptDrop(rcB.left + 60, rcB.CenterPoint().y);
    CActionWnd action;
    ASSERT_TRUE(action.CreateHidden());
    CRect rcShown;
    action.m_fnAction = [&]() {
        rcShown = pContext->m_rectFeedback;
        CRect rcFrame;
        m_pFrame->GetWindowRect(&rcFrame);
        SaveScreenPicture(rcFrame, "fwbars-dock-feedback.png");
    };
    for (int i = 1; i <= 4; ++i) {
        CPoint pt(ptScreen.x + (ptDrop.x - ptScreen.x) * i / 4, ptScreen.y + (ptDrop.y - ptScreen.y) * i / 4);
        ::ScreenToClient(bar.m_hWnd, &pt);
        ::PostMessageA(bar.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    ::PostMessageA(action.m_hWnd, WM_APP, 0, 0);
    ::PostMessageA(bar.m_hWnd, WM_LBUTTONUP, 0, 0);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptGrab.x, ptGrab.y));
    action.DestroyWindow();

    EXPECT_EQ(
        (std::vector<int>{0, static_cast<int>(barIDs[0]), static_cast<int>(barIDs[1]), static_cast<int>(barIDs[2]), 0}),
        Layout(pDockBar));
    EXPECT_EQ(static_cast<UINT>(FX_IDW_DOCKBAR_BOTTOM), pContext->m_uMRUDockID);
    // Fractions 0.5, 0.5 and 1.0 share 594 pixels as 1/4, 1/4 and 1/2.
    CRect rcLanded;
    bar.GetWindowRect(&rcLanded);
    EXPECT_EQ(296, rcLanded.Width());
    EXPECT_EQ(rcLanded.left, rcShown.left);
    EXPECT_EQ(rcLanded.Width(), rcShown.Width());
    EXPECT_EQ(barThickness, rcShown.Height());
}

namespace
{
struct TipCase
{
    const char* szName;
    BOOL bExpandFirst;
    BOOL bFloat;
    // The button the mouse moves onto: FWCB_TOOL_CLOSE or FWCB_TOOL_EXPAND.
    UINT nButton;
    const char* szText; // null: no tool has an area
};

CRect ToolRect(CToolTipCtrl* pTip, CWnd* pWnd, UINT_PTR nTool)
{
    TTTOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = pWnd->m_hWnd;
    ti.uId = nTool;
    pTip->SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti));
    return CRect(ti.rect);
}
} // namespace

TEST_F(FwDockBarTest, CaptionButtonTipsFollowTheMouse)
{
    const TipCase cases[] = {
        {"close button", FALSE, FALSE, FWCB_TOOL_CLOSE, "Hide docked window"},
        {"expand button of a contracted bar", FALSE, FALSE, FWCB_TOOL_EXPAND, "Expand docked window"},
        {"expand button of an expanded bar", TRUE, FALSE, FWCB_TOOL_EXPAND, "Contract docked window"},
        {"a floating bar has no button tips", FALSE, TRUE, FWCB_TOOL_CLOSE, nullptr},
    };
    for (const TipCase& c : cases) {
        SCOPED_TRACE(c.szName);
        TearDown();
        SetUp();
        SetClientWidth(606);
        DockRow({0.5f, 0.5f});
        m_pFrame->ShowWindow(SW_SHOW);
        FwControlBar& bar = m_bars[0];
        if (c.bExpandFirst) {
            Bottom()->ExpandBar(&bar, FwDockBar::expandBar);
            m_pFrame->RecalcLayout();
        }
        bar.UpdateWindow();
        const CRect rcButton = c.nButton == FWCB_TOOL_CLOSE ? bar.m_rcClose : bar.m_rcExpand;
        ASSERT_FALSE(rcButton.IsRectEmpty());
        if (c.bFloat) {
            m_pFrame->FloatControlBar(&bar, CPoint(100, 100), CBRS_ALIGN_TOP);
        }
        const CPoint pt = rcButton.CenterPoint();
        bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        CToolTipCtrl* pTip = bar.GetToolTip();
        ASSERT_NE(nullptr, pTip);
        EXPECT_EQ(2, pTip->GetToolCount());
        const UINT nOther = c.nButton == FWCB_TOOL_CLOSE ? FWCB_TOOL_EXPAND : FWCB_TOOL_CLOSE;
        EXPECT_TRUE(ToolRect(pTip, &bar, nOther).IsRectEmpty());
        if (c.szText == nullptr) {
            EXPECT_TRUE(ToolRect(pTip, &bar, c.nButton).IsRectEmpty());
            continue;
        }
        EXPECT_TRUE(rcButton == ToolRect(pTip, &bar, c.nButton));
        EXPECT_EQ(CString(c.szText), pTip->GetText(&bar, c.nButton));
        // Off the buttons no tool has an area.
        bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(200, 50));
        EXPECT_TRUE(ToolRect(pTip, &bar, c.nButton).IsRectEmpty());
    }
}

namespace
{
struct SizerDragCase
{
    const char* szName;
    std::vector<int> moves; // x in the dock bar
    UINT nEnd;
    float fFirst;
    float fSecond;
};
} // namespace

TEST_F(FwDockBarTest, SizerDragLoopMovesTheSizerOrCancels)
{
    const SizerDragCase cases[] = {
        {"+40 and released", {173, 193}, WM_LBUTTONUP, 190.0f / 600, 410.0f / 600},
        {"Escape cancels", {193}, WM_KEYDOWN, 0.25f, 0.75f},
        {"a right press cancels", {193}, WM_RBUTTONDOWN, 0.25f, 0.75f},
        {"past the next bar it stops 24 pixels short, its fraction at 0.05", {900}, WM_LBUTTONUP, 576.0f / 600, 0.05f},
        {"before the first bar it stops 24 pixels in", {-300}, WM_LBUTTONUP, 0.05f, 576.0f / 600},
    };
    for (const SizerDragCase& c : cases) {
        SCOPED_TRACE(c.szName);
        TearDown();
        SetUp();
        SetClientWidth(606);
        DockRow({0.25f, 0.75f});
        m_pFrame->ShowWindow(SW_SHOW);
        FwDockBar* pDockBar = Bottom();
        ASSERT_TRUE(pDockBar->m_sizers[0].bBetweenBars);
        const CPoint ptPress = pDockBar->m_sizers[0].rc.CenterPoint();
        ASSERT_EQ(153, ptPress.x);
        for (int x : c.moves) {
            ::PostMessageA(pDockBar->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, ptPress.y));
        }
        ::PostMessageA(pDockBar->m_hWnd, c.nEnd, c.nEnd == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
        pDockBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_NEAR(c.fFirst, m_bars[0].m_fWidthFraction, 1e-5f);
        EXPECT_NEAR(c.fSecond, m_bars[1].m_fWidthFraction, 1e-5f);
    }
}

TEST_F(FwDockBarTest, FloatingFrameOfADynamicBarResizesByItsBorder)
{
    SetClientWidth(500);
    DockRow({1.0f});
    m_pFrame->ShowWindow(SW_SHOW);
    FwControlBar& bar = m_bars[0];
    m_pFrame->FloatControlBar(&bar, CPoint(40, 40), CBRS_ALIGN_TOP);
    ASSERT_TRUE(bar.IsFloating());
    HWND hFloat = ::GetParent(bar.m_pDockBar->m_hWnd);
    EXPECT_NE(0, ::GetWindowLongPtrA(hFloat, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(0u, FwMiniDockFrameWnd::FwFrameStyleFor(CBRS_SIZE_FIXED) & WS_THICKFRAME);
    CRect rcBefore;
    ::GetWindowRect(hFloat, &rcBefore);
    const int cxBefore = bar.m_szFloat.cx;
    // Drag the right border 60 pixels out.
    const CPoint ptEdge(rcBefore.right - 2, rcBefore.CenterPoint().y);
    for (int dx : {30, 60}) {
        CPoint pt(ptEdge.x + dx, ptEdge.y);
        ::ScreenToClient(bar.m_hWnd, &pt);
        ::PostMessageA(bar.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    ::PostMessageA(bar.m_hWnd, WM_LBUTTONUP, 0, 0);
    ::SendMessageA(hFloat, WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptEdge.x, ptEdge.y));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(cxBefore + 60, bar.m_szFloat.cx);
    CRect rcAfter;
    ::GetWindowRect(hFloat, &rcAfter);
    EXPECT_EQ(rcBefore.left, rcAfter.left);
    EXPECT_EQ(rcBefore.Width() + 60, rcAfter.Width());
    CRect rcClient;
    ::GetClientRect(hFloat, &rcClient);
    EXPECT_EQ(bar.m_szFloat.cx, rcClient.Width());
}
