// Control bars docked on a real frame: the four sides, rows by rectangle, floating and docking
// again by dragging with the mouse, Ctrl keeping a bar floating, hidden bars keeping their place,
// and the layout kept in the profile and in an archive.
#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/MemFile.h"
#include "platform/frame/ControlBarInfo.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/DockContext.h"
#include "platform/frame/DockState.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MiniDockFrameWnd.h"
#include "platform/frame/WinApp.h"
#include "tests/platform/res/fxtest_resource.h"
#include "tests/support/UiDriver.h"

namespace
{
// A bar of a fixed length and a thickness of 28 pixels across its side.
class CTestBar : public CControlBar
{
public:
    explicit CTestBar(int nLength = 120) : m_nLength(nLength) {}
    BOOL Create(CFrameWnd* pFrame, UINT nID, DWORD dwAlign, LPCSTR pszTitle = "")
    {
        m_dwStyle = dwAlign | CBRS_GRIPPER;
        return CWnd::Create(nullptr, pszTitle, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, nID);
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? CSize(m_nLength, 28) : CSize(28, m_nLength); }
    int m_nLength;
};

const UINT kBarA = 0x100;
const UINT kBarB = 0x101;
const UINT kBarC = 0x102;
const UINT kBarD = 0x103;

class DockingTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = MakeFrame();
        ASSERT_NE(nullptr, m_pFrame);
        MakeBars(m_pFrame, m_bars);
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame)) {
            ::DestroyWindow(m_hFrame);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFxTestKey");
    }

    CFrameWnd* MakeFrame()
    {
        CFrameWnd* pFrame = new CFrameWnd;
        if (!pFrame->LoadFrame(IDR_FXTEST_MAIN)) {
            return nullptr;
        }
        pFrame->MoveWindow(20, 20, 640, 480);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_hFrame = pFrame->m_hWnd;
        return pFrame;
    }
    static void MakeBars(CFrameWnd* pFrame, CTestBar* bars)
    {
        const UINT ids[4] = {kBarA, kBarB, kBarC, kBarD};
        const char* titles[4] = {"甲", "乙", "丙", "丁"};
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(bars[i].Create(pFrame, ids[i], CBRS_TOP, titles[i]));
            bars[i].EnableDocking(CBRS_ALIGN_ANY);
        }
    }

    CDockBar* DockBar(UINT nID) const { return static_cast<CDockBar*>(m_pFrame->GetControlBar(nID)); }
    // The bar's rectangle in the frame's client coordinates.
    CRect InFrame(const CWnd& wnd) const
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, m_hFrame, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    CPoint ClientOrigin() const
    {
        CPoint pt(0, 0);
        ::ClientToScreen(m_hFrame, &pt);
        return pt;
    }
    // Presses the left button at ptGrab (bar client), moves through the screen points and
    // releases; the messages wait in the queue for the drag loop.
    static void Drag(CControlBar& bar, CPoint ptGrab, const std::vector<CPoint>& path, bool bCtrl = false)
    {
        HWND hBar = bar.m_hWnd;
        if (bCtrl) {
            ::PostMessageA(hBar, WM_KEYDOWN, VK_CONTROL, 0);
        }
        for (CPoint pt : path) {
            ::ScreenToClient(hBar, &pt);
            ::PostMessageA(hBar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        }
        ::PostMessageA(hBar, WM_LBUTTONUP, 0, 0);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptGrab.x, ptGrab.y));
    }
    // The ids in a dock bar's array: 0 for row ends, -id for placeholders.
    static std::vector<int> Layout(const CDockBar* pDockBar)
    {
        std::vector<int> ids;
        for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i) {
            void* p = pDockBar->m_arrBars[i];
            if (p == nullptr) {
                ids.push_back(0);
            } else if (CDockBar::IsPlaceholder(p)) {
                ids.push_back(-static_cast<int>(reinterpret_cast<UINT_PTR>(p)));
            } else {
                ids.push_back(static_cast<CControlBar*>(p)->GetDlgCtrlID());
            }
        }
        return ids;
    }

    CFrameWnd* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CTestBar m_bars[4];
};

TEST_F(DockingTest, EachSideTakesItsBarAlongTheFramesEdge)
{
    struct SideCase
    {
        const char* szName;
        UINT nDockBarID;
        int nBar;
    };
    const SideCase cases[] = {
        {"top", FX_IDW_DOCKBAR_TOP, 0},
        {"bottom", FX_IDW_DOCKBAR_BOTTOM, 1},
        {"left", FX_IDW_DOCKBAR_LEFT, 2},
        {"right", FX_IDW_DOCKBAR_RIGHT, 3},
    };
    for (const SideCase& c : cases) {
        m_pFrame->DockControlBar(&m_bars[c.nBar], c.nDockBarID);
    }
    m_pFrame->RecalcLayout();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    for (const SideCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestBar& bar = m_bars[c.nBar];
        EXPECT_EQ(DockBar(c.nDockBarID), bar.m_pDockBar);
        EXPECT_EQ(DockBar(c.nDockBarID)->m_hWnd, ::GetParent(bar.m_hWnd));
        EXPECT_FALSE(bar.IsFloating());
        const CRect rcDock = InFrame(*DockBar(c.nDockBarID));
        const CRect rcBar = InFrame(bar);
        switch (c.nDockBarID) {
        case FX_IDW_DOCKBAR_TOP:
            EXPECT_EQ(CRect(0, 0, rcClient.right, 28), rcDock);
            EXPECT_EQ(28, rcBar.Height());
            EXPECT_EQ(120, rcBar.Width());
            break;
        case FX_IDW_DOCKBAR_BOTTOM:
            EXPECT_EQ(CRect(0, rcClient.bottom - 28, rcClient.right, rcClient.bottom), rcDock);
            EXPECT_EQ(rcClient.bottom, rcBar.bottom);
            break;
        case FX_IDW_DOCKBAR_LEFT:
            // Between the top and bottom dock bars.
            EXPECT_EQ(CRect(0, 28, 28, rcClient.bottom - 28), rcDock);
            EXPECT_EQ(CSize(28, 120), rcBar.Size());
            break;
        default:
            EXPECT_EQ(CRect(rcClient.right - 28, 28, rcClient.right, rcClient.bottom - 28), rcDock);
            EXPECT_EQ(rcClient.right, rcBar.right);
            break;
        }
    }
    // The gripper side follows the dock bar: vertical bars are aligned left or right.
    EXPECT_NE(0, m_bars[2].GetBarStyle() & CBRS_ALIGN_LEFT);
    EXPECT_NE(0, m_bars[3].GetBarStyle() & CBRS_ALIGN_RIGHT);
}

TEST_F(DockingTest, ARectangleBesideADockedBarJoinsItsRowAnotherBelowStartsANewRow)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    const CPoint ptOrg = ClientOrigin();
    // Beside A in its row, 300 pixels in.
    const CRect rcBeside(ptOrg.x + 300, ptOrg.y + 2, ptOrg.x + 420, ptOrg.y + 30);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_TOP, &rcBeside);
    m_pFrame->RecalcLayout();
    // Below the first row: a second row.
    const CRect rcBelow(ptOrg.x + 10, ptOrg.y + 40, ptOrg.x + 130, ptOrg.y + 68);
    m_pFrame->DockControlBar(&m_bars[2], FX_IDW_DOCKBAR_TOP, &rcBelow);
    m_pFrame->RecalcLayout();
    // In front of A in the first row.
    const CRect rcFront(ptOrg.x - 50, ptOrg.y + 2, ptOrg.x + 70, ptOrg.y + 30);
    m_pFrame->DockControlBar(&m_bars[3], FX_IDW_DOCKBAR_TOP, &rcFront);
    m_pFrame->RecalcLayout();

    EXPECT_EQ((std::vector<int>{0, static_cast<int>(kBarD), static_cast<int>(kBarA), static_cast<int>(kBarB), 0,
                                static_cast<int>(kBarC), 0}),
              Layout(DockBar(FX_IDW_DOCKBAR_TOP)));
    const CRect rcD = InFrame(m_bars[3]);
    const CRect rcA = InFrame(m_bars[0]);
    const CRect rcB = InFrame(m_bars[1]);
    const CRect rcC = InFrame(m_bars[2]);
    EXPECT_EQ(rcD.top, rcA.top);
    EXPECT_EQ(rcA.top, rcB.top);
    // Neighbours overlap by their borders; B stays where it was dropped.
    EXPECT_EQ(rcD.right - 2, rcA.left);
    EXPECT_EQ(300, rcB.left);
    EXPECT_EQ(rcA.bottom - 2, rcC.top);
    // Two rows overlapping by 2 pixels and the dock bar's bottom border.
    EXPECT_EQ(28 + 26 + 2 - 2, InFrame(*DockBar(FX_IDW_DOCKBAR_TOP)).Height());
}

TEST_F(DockingTest, DraggingFloatsABarDraggingItBackDocksItAndCtrlKeepsItFloating)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    const CPoint ptOrg = ClientOrigin();

    // Into the middle of the frame: away from every dock bar.
    Drag(m_bars[0], CPoint(20, 10), {CPoint(ptOrg.x + 100, ptOrg.y + 100), CPoint(ptOrg.x + 300, ptOrg.y + 220)});
    ASSERT_TRUE(m_bars[0].IsFloating());
    CWnd* pMini = CWnd::FromHandlePermanent(::GetParent(::GetParent(m_bars[0].m_hWnd)));
    ASSERT_NE(nullptr, pMini);
    EXPECT_TRUE(pMini->IsKindOf(FX_RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_TRUE(pMini->IsWindowVisible());
    CRect rcMini;
    pMini->GetWindowRect(&rcMini);
    // The frame keeps the cursor where the bar was grabbed.
    EXPECT_TRUE(rcMini.PtInRect(CPoint(ptOrg.x + 300, ptOrg.y + 220)));
    CString strTitle;
    pMini->GetWindowText(strTitle);
    EXPECT_EQ(CString("甲"), strTitle);
    // The first row keeps a placeholder where A was.
    EXPECT_EQ((std::vector<int>{0, -static_cast<int>(kBarA), 0, static_cast<int>(kBarB), 0}),
              Layout(DockBar(FX_IDW_DOCKBAR_TOP)));
    EXPECT_EQ(m_pFrame->m_hWnd, ::GetWindow(pMini->m_hWnd, GW_OWNER));

    // With Ctrl held, a drag over the left side keeps it floating: only the frame moves.
    CRect rcBar;
    m_bars[0].GetWindowRect(&rcBar);
    Drag(m_bars[0], CPoint(20, 10), {CPoint(ptOrg.x + 10, ptOrg.y + 200)}, true);
    EXPECT_TRUE(m_bars[0].IsFloating());
    EXPECT_EQ(nullptr, m_bars[0].m_pDockBar->m_pDockBar);

    // Without it, dropped over the top edge 400 pixels in, it docks again, in the first row
    // that shows: B's (the row of its placeholder takes no room while it is empty).
    m_bars[0].GetWindowRect(&rcBar);
    Drag(m_bars[0], CPoint(20, 10), {CPoint(rcBar.left + 20, ptOrg.y + 150), CPoint(ptOrg.x + 400 + 20, ptOrg.y + 10)});
    EXPECT_FALSE(m_bars[0].IsFloating());
    EXPECT_EQ(DockBar(FX_IDW_DOCKBAR_TOP), m_bars[0].m_pDockBar);
    EXPECT_EQ(FX_IDW_DOCKBAR_TOP, m_bars[0].m_pDockContext->m_uMRUDockID);
    EXPECT_EQ((std::vector<int>{0, static_cast<int>(kBarB), static_cast<int>(kBarA), 0}),
              Layout(DockBar(FX_IDW_DOCKBAR_TOP)));
    EXPECT_EQ(400, InFrame(m_bars[0]).left);
    // The emptied floating frame went with its last bar.
    EXPECT_FALSE(::IsWindow(pMini->m_hWnd));
}

TEST_F(DockingTest, DoubleClickTogglesBetweenTheRowPlaceAndTheLastFloatingPlace)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_LEFT);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    m_pFrame->FloatControlBar(&m_bars[0], CPoint(300, 200));
    ASSERT_TRUE(m_bars[0].IsFloating());
    CRect rcMini;
    ::GetWindowRect(::GetParent(m_bars[0].m_pDockBar->m_hWnd), &rcMini);
    EXPECT_EQ(CPoint(300, 200), rcMini.TopLeft());
    m_bars[0].SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(DockBar(FX_IDW_DOCKBAR_LEFT), m_bars[0].m_pDockBar);
    // Back in the row it left, before B.
    EXPECT_EQ((std::vector<int>{0, static_cast<int>(kBarA), 0, static_cast<int>(kBarB), 0}),
              Layout(DockBar(FX_IDW_DOCKBAR_LEFT)));
}

TEST_F(DockingTest, AHiddenBarKeepsItsPlaceAndADelayedHideWaitsForIdle)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    const CPoint ptOrg = ClientOrigin();
    const CRect rcBeside(ptOrg.x + 130, ptOrg.y, ptOrg.x + 250, ptOrg.y + 28);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_TOP, &rcBeside);
    m_pFrame->RecalcLayout();
    const std::vector<int> before = Layout(DockBar(FX_IDW_DOCKBAR_TOP));

    m_pFrame->ShowControlBar(&m_bars[0], FALSE, FALSE);
    EXPECT_FALSE(m_bars[0].IsVisible());
    EXPECT_EQ(before, Layout(DockBar(FX_IDW_DOCKBAR_TOP)));
    EXPECT_EQ(1, DockBar(FX_IDW_DOCKBAR_TOP)->GetDockedVisibleCount());
    EXPECT_EQ(2, DockBar(FX_IDW_DOCKBAR_TOP)->GetDockedCount());
    m_pFrame->ShowControlBar(&m_bars[0], TRUE, FALSE);
    EXPECT_EQ(before, Layout(DockBar(FX_IDW_DOCKBAR_TOP)));
    EXPECT_TRUE(m_bars[0].IsVisible());

    // Delayed: still shown until the next idle lays the frame out.
    CWinApp app("DockingTest");
    app.m_pMainWnd = m_pFrame;
    m_pFrame->ShowControlBar(&m_bars[1], FALSE, TRUE);
    EXPECT_FALSE(m_bars[1].IsVisible());
    EXPECT_TRUE((m_bars[1].GetStyle() & WS_VISIBLE) != 0);
    app.OnIdle(0);
    EXPECT_FALSE((m_bars[1].GetStyle() & WS_VISIBLE) != 0);
    app.m_pMainWnd = nullptr;
}

TEST_F(DockingTest, TheLayoutSavedInTheProfileComesBackInAFreshFrame)
{
    CWinApp app("DockingTest");
    app.SetRegistryKey("VornFxTestKey");
    const CPoint ptOrg = ClientOrigin();
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    const CRect rcBeside(ptOrg.x + 250, ptOrg.y, ptOrg.x + 370, ptOrg.y + 28);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_TOP, &rcBeside);
    m_pFrame->DockControlBar(&m_bars[2], FX_IDW_DOCKBAR_LEFT);
    m_pFrame->DockControlBar(&m_bars[3], FX_IDW_DOCKBAR_RIGHT);
    m_pFrame->RecalcLayout();
    m_pFrame->FloatControlBar(&m_bars[3], CPoint(350, 260));
    m_pFrame->ShowControlBar(&m_bars[2], FALSE, FALSE);
    const std::vector<int> top = Layout(DockBar(FX_IDW_DOCKBAR_TOP));
    const std::vector<int> left = Layout(DockBar(FX_IDW_DOCKBAR_LEFT));
    const CRect rcB = InFrame(m_bars[1]);
    m_pFrame->SaveBarState("Layout");
    EXPECT_EQ(CString(""), app.GetProfileString("Layout-Bar99", "BarID", ""));
    const int nSaved = static_cast<int>(app.GetProfileInt("Layout-Summary", "Bars", 0));
    // Four bars, the top, left and right dock bars and the floating one; the empty bottom one is not kept.
    EXPECT_EQ(8, nSaved);

    // A fresh frame with every bar docked at the top.
    ::DestroyWindow(m_hFrame);
    CTestBar bars[4];
    m_pFrame = MakeFrame();
    ASSERT_NE(nullptr, m_pFrame);
    MakeBars(m_pFrame, bars);
    for (CTestBar& bar : bars) {
        m_pFrame->DockControlBar(&bar, FX_IDW_DOCKBAR_TOP);
    }
    m_pFrame->RecalcLayout();
    m_pFrame->LoadBarState("Layout");

    EXPECT_EQ(top, Layout(DockBar(FX_IDW_DOCKBAR_TOP)));
    EXPECT_EQ(left, Layout(DockBar(FX_IDW_DOCKBAR_LEFT)));
    EXPECT_EQ(rcB, InFrame(bars[1]));
    EXPECT_FALSE((bars[2].GetStyle() & WS_VISIBLE) != 0);
    ASSERT_TRUE(bars[3].IsFloating());
    CRect rcMini;
    ::GetWindowRect(::GetParent(bars[3].m_pDockBar->m_hWnd), &rcMini);
    EXPECT_EQ(CPoint(350, 260), rcMini.TopLeft());
    EXPECT_TRUE(::IsWindowVisible(::GetParent(bars[3].m_pDockBar->m_hWnd)));
    ::DestroyWindow(m_hFrame);
}

TEST_F(DockingTest, ADamagedProfileStateIsIgnoredAndAMissingBarLeavesNoEmptyRow)
{
    CWinApp app("DockingTest");
    app.SetRegistryKey("VornFxTestKey");
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    const std::vector<int> before = Layout(DockBar(FX_IDW_DOCKBAR_TOP));

    struct DamageCase
    {
        const char* szName;
        int nBars;        // "Bars" of the summary
        int nSectionBars; // "Bars" of the top dock bar's section (-2: no section at all)
    };
    const DamageCase cases[] = {
        {"absurd summary count", 0x7FFFFFFF, 2},
        {"negative summary count", -5, 2},
        {"more records than sections", 40, -2},
        {"absurd id count", 1, 0x40000000},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.szName);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFxTestKey");
        app.WriteProfileInt("Bad-Summary", "Bars", c.nBars);
        if (c.nSectionBars != -2) {
            app.WriteProfileInt("Bad-Bar0", "BarID", FX_IDW_DOCKBAR_TOP);
            app.WriteProfileInt("Bad-Bar0", "Bars", c.nSectionBars);
            app.WriteProfileInt("Bad-Bar0", "Bar#0", static_cast<int>(kBarB));
            app.WriteProfileInt("Bad-Bar0", "Bar#1", 0);
        }
        m_pFrame->LoadBarState("Bad");
        EXPECT_EQ(before, Layout(DockBar(FX_IDW_DOCKBAR_TOP)));
    }

    // A row naming a bar the frame no longer has: that row is dropped, not kept empty.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFxTestKey");
    app.WriteProfileInt("Gone-Summary", "Bars", 1);
    app.WriteProfileInt("Gone-Bar0", "BarID", FX_IDW_DOCKBAR_TOP);
    const int ids[] = {0x7777, 0, static_cast<int>(kBarB), static_cast<int>(kBarA), 0, 0x7778 | 0x10000, 0};
    app.WriteProfileInt("Gone-Bar0", "Bars", static_cast<int>(std::size(ids)));
    for (size_t i = 0; i < std::size(ids); ++i) {
        CString strKey;
        strKey.Format("Bar#%d", static_cast<int>(i));
        app.WriteProfileInt("Gone-Bar0", strKey, ids[i]);
    }
    m_pFrame->LoadBarState("Gone");
    EXPECT_EQ((std::vector<int>{0, static_cast<int>(kBarB), static_cast<int>(kBarA), 0}),
              Layout(DockBar(FX_IDW_DOCKBAR_TOP)));
}

TEST_F(DockingTest, ArchiveStateRoundTripsAndEveryTruncationThrowsWithoutLeaks)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    m_pFrame->FloatControlBar(&m_bars[1], CPoint(200, 150));
    CDockState state;
    m_pFrame->GetDockState(state);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        state.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));

    CDockState loaded;
    {
        CMemFile in(bytes.data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&in, CArchive::load);
        loaded.Serialize(ar);
    }
    ASSERT_EQ(state.m_arrBarInfo.GetSize(), loaded.m_arrBarInfo.GetSize());
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        const CControlBarInfo* a = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        const CControlBarInfo* b = static_cast<CControlBarInfo*>(loaded.m_arrBarInfo[i]);
        EXPECT_EQ(a->m_nBarID, b->m_nBarID);
        EXPECT_EQ(a->m_bFloating, b->m_bFloating);
        EXPECT_EQ(a->m_pointPos, b->m_pointPos);
        EXPECT_EQ(a->m_arrBarID.GetSize(), b->m_arrBarID.GetSize());
    }
    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        CDockState partial;
        CMemFile in(bytes.data(), static_cast<UINT>(n));
        CArchive ar(&in, CArchive::load);
        bool bThrown = false;
        try {
            partial.Serialize(ar);
        } catch (CArchiveException* e) {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown);
        EXPECT_LE(partial.m_arrBarInfo.GetSize(), state.m_arrBarInfo.GetSize());
        // Whatever was read is applied without harm.
        m_pFrame->SetDockState(partial);
    }
}

TEST_F(DockingTest, FrameWithDockedAndFloatingBarsLooksRight)
{
    m_pFrame->DockControlBar(&m_bars[0], FX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    const CPoint ptOrg = ClientOrigin();
    const CRect rcBeside(ptOrg.x + 200, ptOrg.y, ptOrg.x + 320, ptOrg.y + 28);
    m_pFrame->DockControlBar(&m_bars[1], FX_IDW_DOCKBAR_TOP, &rcBeside);
    m_pFrame->DockControlBar(&m_bars[2], FX_IDW_DOCKBAR_LEFT);
    m_pFrame->DockControlBar(&m_bars[3], FX_IDW_DOCKBAR_BOTTOM);
    m_pFrame->RecalcLayout();
    m_pFrame->FloatControlBar(&m_bars[3], CPoint(ptOrg.x + 300, ptOrg.y + 250));
    m_pFrame->ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(SaveWindowPicture(m_hFrame, "docking-frame.png"));
}
} // namespace
