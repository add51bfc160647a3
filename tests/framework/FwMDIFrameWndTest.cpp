// The framework's MDI frame replaying the designer's docking and layout saving.
#include <gtest/gtest.h>

#include <vector>

#include "framework/FwControlBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwControlBarInfo.h"
#include "framework/FwControlBarWorksheet.h"
#include "framework/FwDockState.h"
#include "framework/FwFrameWnd.h"
#include "framework/FwMDIFrameWnd.h"
#include "framework/FwMiniDockFrameWnd.h"
#include "framework/FwPersistentTreeNode.h"
#include "platform/base/Archive.h"
#include "platform/base/MemFile.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "platform/win/Menu.h"
#include "tests/framework/FwDesignerFrame.h"
#include "tests/framework/res/fwtest_resource.h"
#include "tests/support/UiDriver.h"

namespace
{
class FwMDIFrameWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwMDIFrameWndTest");
        m_app.SetRegistryKey("VornFwMDIFrameWndTest");
    }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwMDIFrameWndTest");
    }

    CWinApp m_app{"FwMDIFrameWndTest"};
};
} // namespace

TEST_F(FwMDIFrameWndTest, TheDesignersBarsDockHiddenThenShowWithTheirSizes)
{
    CDesignerFrame designer;
    ASSERT_TRUE(designer.Create());
    FwWorkbook* pFrame = designer.pFrame;
    // A second call makes no second set of dock bars.
    const INT_PTR nBars = pFrame->m_listControlBars.GetCount();
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_EQ(nBars, pFrame->m_listControlBars.GetCount());
    EXPECT_NE(nullptr, dynamic_cast<FwDockBar*>(pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM)));

    EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), designer.output.m_pDockBar);
    EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_LEFT), designer.workspace.m_pDockBar);
    EXPECT_FALSE(designer.output.IsVisible());
    EXPECT_FALSE(designer.workspace.IsVisible());
    EXPECT_FLOAT_EQ(0.75f, designer.output.m_fWidthFraction);
    EXPECT_EQ(130, designer.output.m_szHorz.cy);
    EXPECT_EQ(220, designer.workspace.m_szVert.cx);

    designer.ShowBoth();
    EXPECT_TRUE(designer.output.IsVisible());
    EXPECT_TRUE(designer.workspace.IsVisible());
    CRect rcOutput;
    designer.output.GetWindowRect(&rcOutput);
    EXPECT_EQ(130, rcOutput.Height());
    CRect rcWorkspace;
    designer.workspace.GetWindowRect(&rcWorkspace);
    EXPECT_EQ(220, rcWorkspace.Width());
    SaveWindowPicture(pFrame->m_hWnd, "fwmdiframe-docked.png");
}

TEST_F(FwMDIFrameWndTest, AFloatedWorkspaceComesBackFromTheProfile)
{
    CPoint ptFloat;
    {
        CDesignerFrame first;
        ASSERT_TRUE(first.Create());
        first.pFrame->ShowControlBar(&first.output, TRUE, FALSE);
        first.pFrame->ShowControlBar(&first.workspace, TRUE, FALSE);
        first.pFrame->FloatControlBar(&first.workspace, CPoint(320, 160));
        first.pFrame->RecalcLayout();
        first.pFrame->SaveBarState("DesignBarState");
        CRect rc;
        ::GetWindowRect(::GetParent(first.workspace.m_pDockBar->m_hWnd), &rc);
        ptFloat = rc.TopLeft();
        SaveWindowPicture(first.pFrame->m_hWnd, "fwmdiframe-floating.png");
    }
    EXPECT_GE(m_app.GetProfileInt("DesignBarState-Summary", "Bars", 0), 3U);

    CDesignerFrame second;
    ASSERT_TRUE(second.Create());
    second.pFrame->LoadBarState("DesignBarState");
    EXPECT_EQ(second.pFrame, m_app.m_pMainWnd);
    EXPECT_TRUE(second.output.IsVisible());
    EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), second.output.m_pDockBar);
    ASSERT_TRUE(second.workspace.IsFloating());
    CRect rcMini;
    ::GetWindowRect(::GetParent(second.workspace.m_pDockBar->m_hWnd), &rcMini);
    EXPECT_EQ(ptFloat, rcMini.TopLeft());

    // A truncated state: the summary counts sections that are not there.
    m_app.WriteProfileInt("Cut-Summary", "Bars", 9);
    second.pFrame->LoadBarState("Cut");
    EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), second.output.m_pDockBar);
    EXPECT_TRUE(second.workspace.IsFloating());
}

namespace
{
// The position of a host in its MDI client.
CPoint HostOrigin(const FwMDIFrameWnd* pFrame, HWND hHost)
{
    CRect rc;
    ::GetWindowRect(hHost, &rc);
    ::MapWindowPoints(nullptr, pFrame->m_hWndMDIClient, reinterpret_cast<POINT*>(&rc), 2);
    return rc.TopLeft();
}

HWND HostOf(const CControlBar& bar)
{
    return bar.m_pDockBar != nullptr ? ::GetParent(bar.m_pDockBar->m_hWnd) : nullptr;
}

// A bar window that takes one command and answers help requests when asked to.
class CCommandWnd : public CWnd
{
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override
    {
        if (nID == m_nCommand && pExtra == nullptr && pHandlerInfo == nullptr) {
            ++m_nHits;
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMANDHELP) {
            m_nHelpContext = static_cast<DWORD>(lParam);
            return m_bTakesHelp;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    UINT m_nCommand = 0;
    int m_nHits = 0;
    BOOL m_bTakesHelp = FALSE;
    DWORD m_nHelpContext = 0;
};

// A workbook that records the help it would open instead of opening it.
class CHelpWorkbook : public FwWorkbook
{
    FX_DECLARE_DYNCREATE(CHelpWorkbook)

public:
    void OnHelpContext(DWORD nContext) override { m_contexts.push_back(nContext); }
    std::vector<DWORD> m_contexts;
};
FX_IMPLEMENT_DYNCREATE(CHelpWorkbook, FwWorkbook)

BOOL MenuHas(HMENU hMenu, UINT nID, UINT nState)
{
    const UINT nGot = ::GetMenuState(hMenu, nID, MF_BYCOMMAND);
    return nGot != static_cast<UINT>(-1) && (nGot & nState) == nState;
}
} // namespace

TEST_F(FwMDIFrameWndTest, ABarFloatsIntoTheMainWindowAsAWorksheetAndBack)
{
    CDesignerFrame designer;
    ASSERT_TRUE(designer.Create());
    designer.ShowBoth();
    FwWorkbook* pFrame = designer.pFrame;
    const int nSheets = pFrame->GetWorksheetCount();

    CFrameWnd* pHost = pFrame->FloatControlBarInMDIChild(&designer.workspace, -1, -1, CBRS_ALIGN_TOP);
    ASSERT_NE(nullptr, pHost);
    EXPECT_TRUE(FwMDIFrameWnd::IsFloatingInMain(&designer.workspace));
    EXPECT_EQ(pHost->m_hWnd, HostOf(designer.workspace));
    EXPECT_EQ(pFrame->m_hWndMDIClient, ::GetParent(pHost->m_hWnd));
    // The workbook's hosts are worksheets, titled with their bar.
    EXPECT_TRUE(pHost->IsKindOf(FX_RUNTIME_CLASS(FwControlBarWorksheet)));
    EXPECT_EQ(nSheets + 1, pFrame->GetWorksheetCount());
    CString strTitle;
    pHost->GetWindowText(strTitle);
    EXPECT_EQ(CString("Project Workspace"), strTitle);
    EXPECT_TRUE(::IsWindowVisible(pHost->m_hWnd));
    // The bar fills its host.
    CRect rcHostClient;
    pHost->GetClientRect(&rcHostClient);
    CRect rcBar;
    designer.workspace.GetWindowRect(&rcBar);
    EXPECT_EQ(rcHostClient.Width(), rcBar.Width());
    EXPECT_EQ(rcHostClient.Height(), rcBar.Height());
    SaveWindowPicture(pFrame->m_hWnd, "fwmdiframe-floatinmain.png");

    // "Float In Main Window" again: back into the left dock bar with its width.
    const HWND hHost = pHost->m_hWnd;
    designer.workspace.SendMessage(WM_COMMAND, ID_FWCB_FLOATINMAIN, 0);
    EXPECT_FALSE(::IsWindow(hHost));
    EXPECT_FALSE(designer.workspace.IsFloating());
    EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_LEFT), designer.workspace.m_pDockBar);
    EXPECT_EQ(nSheets, pFrame->GetWorksheetCount());
    pFrame->RecalcLayout();
    designer.workspace.GetWindowRect(&rcBar);
    EXPECT_EQ(220, rcBar.Width());
    EXPECT_FLOAT_EQ(1.0f, designer.workspace.m_fWidthFraction);

    // From a floating frame into the main window and back to a floating frame.
    pFrame->FloatControlBar(&designer.output, CPoint(300, 200));
    ASSERT_NE(nullptr, pFrame->FloatControlBarInMDIChild(&designer.output, 40, 40, CBRS_ALIGN_TOP));
    EXPECT_TRUE(FwMDIFrameWnd::IsFloatingInMain(&designer.output));
    pFrame->ToggleFloatInMain(&designer.output);
    ASSERT_TRUE(designer.output.IsFloating());
    EXPECT_FALSE(FwMDIFrameWnd::IsFloatingInMain(&designer.output));
    CWnd* pMini = CWnd::FromHandlePermanent(HostOf(designer.output));
    ASSERT_NE(nullptr, pMini);
    EXPECT_TRUE(pMini->IsKindOf(FX_RUNTIME_CLASS(FwMiniDockFrameWnd)));
}

TEST_F(FwMDIFrameWndTest, ClosingTheHostHidesTheBarWhichFloatsInMainAgain)
{
    CDesignerFrame designer;
    ASSERT_TRUE(designer.Create());
    designer.ShowBoth();
    FwWorkbook* pFrame = designer.pFrame;
    CFrameWnd* pHost = pFrame->FloatControlBarInMDIChild(&designer.output, -1, -1, CBRS_ALIGN_TOP);
    ASSERT_NE(nullptr, pHost);
    const HWND hHost = pHost->m_hWnd;
    ::SendMessageA(hHost, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hHost));
    // The bar's window lives on, hidden, in its dock bar.
    ASSERT_TRUE(::IsWindow(designer.output.m_hWnd));
    EXPECT_FALSE(designer.output.IsVisible());
    EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), designer.output.m_pDockBar);

    pFrame->ShowControlBar(&designer.output, TRUE, FALSE);
    designer.output.SendMessage(WM_COMMAND, ID_FWCB_FLOATINMAIN, 0);
    EXPECT_TRUE(FwMDIFrameWnd::IsFloatingInMain(&designer.output));
    EXPECT_TRUE(::IsWindowVisible(HostOf(designer.output)));
}

TEST_F(FwMDIFrameWndTest, BarsFloatedIntoTheMainWindowCascadeAndWrapAtTheEdges)
{
    CDesignerFrame designer;
    ASSERT_TRUE(designer.Create());
    designer.ShowBoth();
    FwWorkbook* pFrame = designer.pFrame;
    CRect rcClient;
    ::GetClientRect(pFrame->m_hWndMDIClient, &rcClient);
    struct CascadeCase
    {
        const char* szName;
        CPoint ptNext;  // the cascade's next place before floating
        CPoint ptHost;  // where the host goes
        CPoint ptAfter; // the cascade's next place afterwards
    };
    const CascadeCase cases[] = {
        {"first place", CPoint(30, 30), CPoint(30, 30), CPoint(50, 53)},
        {"second place", CPoint(50, 53), CPoint(50, 53), CPoint(70, 76)},
        {"right edge wraps x", CPoint(rcClient.right - 40, 60), CPoint(rcClient.right - 40, 60), CPoint(30, 83)},
        {"bottom edge wraps y", CPoint(60, rcClient.bottom - 40), CPoint(60, rcClient.bottom - 40), CPoint(80, 30)},
    };
    for (const CascadeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        pFrame->m_ptNextMDIChild = c.ptNext;
        CFrameWnd* pHost = pFrame->FloatControlBarInMDIChild(&designer.workspace, -1, -1, CBRS_ALIGN_TOP);
        ASSERT_NE(nullptr, pHost);
        EXPECT_EQ(c.ptHost, HostOrigin(pFrame, pHost->m_hWnd));
        EXPECT_EQ(c.ptAfter, pFrame->m_ptNextMDIChild);
        pFrame->ToggleFloatInMain(&designer.workspace);
        EXPECT_FALSE(designer.workspace.IsFloating());
    }
    // A place given outside the client is pulled back in.
    CFrameWnd* pHost = pFrame->FloatControlBarInMDIChild(&designer.workspace, 5000, 5000, CBRS_ALIGN_TOP);
    ASSERT_NE(nullptr, pHost);
    EXPECT_EQ(CPoint(rcClient.right - 30, rcClient.bottom - 30), HostOrigin(pFrame, pHost->m_hWnd));
    // Alone in its host already: only the host moves.
    EXPECT_EQ(pHost, pFrame->FloatControlBarInMDIChild(&designer.workspace, 60, 70, CBRS_ALIGN_TOP));
    EXPECT_EQ(CPoint(60, 70), HostOrigin(pFrame, pHost->m_hWnd));
}

TEST_F(FwMDIFrameWndTest, TheContextMenuOffersFloatInMainWindow)
{
    CDesignerFrame designer;
    ASSERT_TRUE(designer.Create());
    designer.ShowBoth();
    {
        CMenu menu;
        ASSERT_TRUE(designer.output.BuildContextMenu(menu));
        EXPECT_TRUE(MenuHas(menu, ID_FWCB_FLOATINMAIN, 0));
        EXPECT_FALSE(MenuHas(menu, ID_FWCB_FLOATINMAIN, MF_CHECKED));
        EXPECT_FALSE(MenuHas(menu, ID_FWCB_ALLOWDOCKING, MF_GRAYED));
    }
    designer.pFrame->FloatControlBarInMDIChild(&designer.output, -1, -1, CBRS_ALIGN_TOP);
    {
        CMenu menu;
        ASSERT_TRUE(designer.output.BuildContextMenu(menu));
        EXPECT_TRUE(MenuHas(menu, ID_FWCB_FLOATINMAIN, MF_CHECKED));
        EXPECT_TRUE(MenuHas(menu, ID_FWCB_ALLOWDOCKING, MF_GRAYED));
    }
    // Without the extended bit the entry is not offered.
    designer.workspace.ModifyExtendedStyle(FWCBS_EX_FLOATINMAIN, 0, FALSE);
    CMenu menu;
    ASSERT_TRUE(designer.workspace.BuildContextMenu(menu));
    EXPECT_EQ(static_cast<UINT>(-1), ::GetMenuState(menu, ID_FWCB_FLOATINMAIN, MF_BYCOMMAND));
}

TEST_F(FwMDIFrameWndTest, ADelayedHideWaitsForTheIdleLayout)
{
    CDesignerFrame designer;
    ASSERT_TRUE(designer.Create());
    designer.ShowBoth();
    FwWorkbook* pFrame = designer.pFrame;
    pFrame->ShowControlBar(&designer.output, FALSE, TRUE);
    // Still on screen, but already counted as hidden.
    EXPECT_TRUE((designer.output.GetStyle() & WS_VISIBLE) != 0);
    EXPECT_FALSE(designer.output.IsVisible());
    pFrame->SendMessage(FxGetIdleUpdateMessage(), TRUE, 0);
    EXPECT_FALSE((designer.output.GetStyle() & WS_VISIBLE) != 0);

    // A floating bar's frame follows its bar, delayed too.
    pFrame->FloatControlBar(&designer.workspace, CPoint(200, 200));
    const HWND hMini = HostOf(designer.workspace);
    pFrame->ShowControlBar(&designer.workspace, FALSE, TRUE);
    EXPECT_TRUE(::IsWindowVisible(hMini));
    pFrame->SendMessage(FxGetIdleUpdateMessage(), TRUE, 0);
    EXPECT_FALSE(::IsWindowVisible(hMini));
    pFrame->ShowControlBar(&designer.workspace, TRUE, FALSE);
    EXPECT_TRUE(::IsWindowVisible(hMini));
}

TEST_F(FwMDIFrameWndTest, CommandsAndHelpGoThroughTheActiveBarWindow)
{
    CDesignerFrame designer(FX_RUNTIME_CLASS(CHelpWorkbook));
    ASSERT_TRUE(designer.Create());
    CHelpWorkbook* pFrame = static_cast<CHelpWorkbook*>(designer.pFrame);
    const UINT kCommand = 0x8123;
    CCommandWnd barWnd;
    ASSERT_TRUE(barWnd.CreateEx(0, nullptr, "bar", WS_CHILD, 0, 0, 10, 10, pFrame->m_hWnd, nullptr));
    barWnd.m_nCommand = kCommand;

    pFrame->SendMessage(WM_COMMAND, kCommand, 0);
    EXPECT_EQ(0, barWnd.m_nHits);
    pFrame->SetActiveBarWnd(&barWnd);
    EXPECT_EQ(&barWnd, pFrame->GetActiveBarWnd());
    pFrame->SendMessage(WM_COMMAND, kCommand, 0);
    EXPECT_EQ(1, barWnd.m_nHits);
    // The workspace commands are claimed before anyone sees them.
    barWnd.m_nCommand = 0xA818;
    pFrame->SendMessage(WM_COMMAND, 0xA818, 0);
    EXPECT_EQ(1, barWnd.m_nHits);

    struct HelpCase
    {
        const char* szName;
        BOOL bActiveBar;
        BOOL bTakesHelp;
        LPARAM lContext;
        DWORD nAsked;   // what the bar window was asked with (0: not asked)
        size_t nOpened; // help openings of the frame so far
    };
    const HelpCase cases[] = {
        {"bar window takes it", TRUE, TRUE, 77, 77, 0},
        {"bar window declines", TRUE, FALSE, 78, 78, 1},
        {"no context: the frame's id", TRUE, FALSE, 0, IDR_FWTEST_CARD + 0x10000, 2},
        {"no bar window", FALSE, TRUE, 79, 0, 3},
    };
    for (const HelpCase& c : cases) {
        SCOPED_TRACE(c.szName);
        pFrame->SetActiveBarWnd(c.bActiveBar ? &barWnd : nullptr);
        barWnd.m_bTakesHelp = c.bTakesHelp;
        barWnd.m_nHelpContext = 0;
        pFrame->SendMessage(WM_COMMANDHELP, 0, c.lContext);
        EXPECT_EQ(c.nAsked, barWnd.m_nHelpContext);
        EXPECT_EQ(c.nOpened, pFrame->m_contexts.size());
    }
    EXPECT_EQ(nullptr, pFrame->GetActiveBarWnd());
    EXPECT_EQ(static_cast<CFrameWnd*>(pFrame), pFrame->GetActiveFrame());
    barWnd.DestroyWindow();
}

namespace
{
// The "<profile>-Bar%d" section of the first saved record with that bar id (and MDI-child flag).
CString FindBarSection(CWinApp& app, LPCSTR lpszProfile, UINT nBarID, int nMDIChild = -1)
{
    CString strSummary;
    strSummary.Format("%s-Summary", lpszProfile);
    const int nBars = static_cast<int>(app.GetProfileInt(strSummary, "Bars", 0));
    for (int i = 0; i < nBars; ++i) {
        CString strSection;
        strSection.Format("%s-Bar%d", lpszProfile, i);
        if (app.GetProfileInt(strSection, "BarID", 0) == nBarID &&
            (nMDIChild < 0 || static_cast<int>(app.GetProfileInt(strSection, "MDIChild", 0)) == nMDIChild)) {
            return strSection;
        }
    }
    return CString();
}

int RowSizerOf(const FwDockBar* pDockBar)
{
    for (size_t i = 0; i < pDockBar->m_sizers.size(); ++i) {
        if (!pDockBar->m_sizers[i].bBetweenBars) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The same records, field by field, as far as both forms keep them.
void ExpectSameRecords(const FwDockState& a, const FwDockState& b, BOOL bNames)
{
    ASSERT_EQ(a.m_arrBarInfo.GetSize(), b.m_arrBarInfo.GetSize());
    for (INT_PTR i = 0; i < a.m_arrBarInfo.GetSize(); ++i) {
        SCOPED_TRACE(static_cast<int>(i));
        const FwControlBarInfo* pA = a.GetInfo(i);
        const FwControlBarInfo* pB = b.GetInfo(i);
        EXPECT_EQ(pA->m_nBarID, pB->m_nBarID);
        EXPECT_EQ(pA->m_bVisible, pB->m_bVisible);
        EXPECT_EQ(pA->m_bFloating, pB->m_bFloating);
        EXPECT_EQ(pA->m_szHorzDock, pB->m_szHorzDock);
        EXPECT_EQ(pA->m_szVertDock, pB->m_szVertDock);
        EXPECT_EQ(pA->m_szFloat, pB->m_szFloat);
        EXPECT_FLOAT_EQ(pA->m_fWidthFraction, pB->m_fWidthFraction);
        EXPECT_EQ(pA->m_dwStyle, pB->m_dwStyle);
        EXPECT_EQ(pA->m_dwExStyle, pB->m_dwExStyle);
        EXPECT_EQ(pA->m_dwDockStyle, pB->m_dwDockStyle);
        EXPECT_EQ(pA->m_bMDIChild, pB->m_bMDIChild);
        ASSERT_EQ(pA->m_arrBarID.GetSize(), pB->m_arrBarID.GetSize());
        for (INT_PTR n = 0; n < pA->m_arrBarID.GetSize(); ++n) {
            EXPECT_EQ(pA->m_arrBarID[n], pB->m_arrBarID[n]);
        }
        if (bNames) {
            EXPECT_EQ(pA->m_strClassName, pB->m_strClassName);
            EXPECT_EQ(pA->m_strWindowName, pB->m_strWindowName);
        }
    }
}
} // namespace

TEST_F(FwMDIFrameWndTest, TheWholeLayoutRoundTripsThroughProfileArchiveAndTree)
{
    CPoint ptFloat;
    int nOutputHeight = 0;
    // A bar alone in its row takes the whole row, whatever it asked for.
    float fOutput = 0.0f;
    {
        CDesignerFrame first;
        ASSERT_TRUE(first.Create());
        first.ShowBoth();
        first.pFrame->FloatControlBar(&first.workspace, CPoint(320, 160));
        first.pFrame->RecalcLayout();
        // The output bar's row sizer dragged by +40: a bottom row's sizer lies above it.
        FwDockBar* pBottom = static_cast<FwDockBar*>(first.pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM));
        const int nSizer = RowSizerOf(pBottom);
        ASSERT_GE(nSizer, 0);
        pBottom->ApplySizerMove(nSizer, 40);
        first.pFrame->RecalcLayout();
        CRect rcOutput;
        first.output.GetWindowRect(&rcOutput);
        nOutputHeight = rcOutput.Height();
        EXPECT_EQ(90, nOutputHeight);
        CRect rcMini;
        ::GetWindowRect(HostOf(first.workspace), &rcMini);
        ptFloat = rcMini.TopLeft();
        fOutput = first.output.m_fWidthFraction;
        first.pFrame->SaveBarState("DesignBarState");
    }

    // The designer's keys and values.
    const int nBars = static_cast<int>(m_app.GetProfileInt("DesignBarState-Summary", "Bars", 0));
    EXPECT_GE(nBars, 4);
    const CString strOutput = FindBarSection(m_app, "DesignBarState", kOutputBar);
    const CString strWorkspace = FindBarSection(m_app, "DesignBarState", kWorkspaceBar);
    ASSERT_FALSE(strOutput.IsEmpty());
    ASSERT_FALSE(strWorkspace.IsEmpty());
    struct KeyCase
    {
        const char* szName;
        const CString* pSection;
        const char* szKey;
        const char* szText; // a string value, or null for the integer below
        UINT nValue;
    };
    const CString strOutputPct = FwControlBarInfo::FractionToText(fOutput);
    const KeyCase keys[] = {
        {"output fraction", &strOutput, "PctWidth", strOutputPct, 0},
        {"output row height", &strOutput, "MRUHorzDockCY", nullptr, 90},
        {"output class", &strOutput, "ClassName", "FwControlBar", 0},
        {"output title", &strOutput, "WindowName", "Output Window", 0},
        {"output docking style", &strOutput, "DockingStyle", nullptr, CBRS_ALIGN_ANY},
        {"output not in an MDI child", &strOutput, "MDIChild", nullptr, 0},
        {"workspace fraction", &strWorkspace, "PctWidth", "1000000", 0},
        {"workspace width", &strWorkspace, "MRUVertDockCX", nullptr, 220},
        {"workspace title", &strWorkspace, "WindowName", "Project Workspace", 0},
    };
    for (const KeyCase& k : keys) {
        SCOPED_TRACE(k.szName);
        if (k.szText != nullptr) {
            EXPECT_EQ(CString(k.szText), m_app.GetProfileString(*k.pSection, k.szKey, ""));
        } else {
            EXPECT_EQ(k.nValue, m_app.GetProfileInt(*k.pSection, k.szKey, 12345));
        }
    }
    EXPECT_EQ(kDesignerBarExStyle,
              m_app.GetProfileInt(strOutput, "ExStyle", 0) & ~static_cast<UINT>(FWCBS_EX_NATURALROW));

    CDesignerFrame second;
    ASSERT_TRUE(second.Create());
    second.pFrame->LoadBarState("DesignBarState");
    second.pFrame->RecalcLayout();
    EXPECT_TRUE(second.output.IsVisible());
    EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), second.output.m_pDockBar);
    CRect rcOutput;
    second.output.GetWindowRect(&rcOutput);
    EXPECT_EQ(nOutputHeight, rcOutput.Height());
    EXPECT_FLOAT_EQ(fOutput, second.output.m_fWidthFraction);
    ASSERT_TRUE(second.workspace.IsFloating());
    CRect rcMini;
    ::GetWindowRect(HostOf(second.workspace), &rcMini);
    EXPECT_EQ(ptFloat, rcMini.TopLeft());
    SaveWindowPicture(second.pFrame->m_hWnd, "fwmdiframe-restored.png");

    // The same layout through the archive and the tree.
    FwDockState collected;
    ASSERT_TRUE(collected.CollectFromFrame(second.pFrame));
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        collected.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    FwDockState fromArchive;
    {
        CArchive ar(&file, CArchive::load);
        fromArchive.Serialize(ar);
    }
    ExpectSameRecords(collected, fromArchive, FALSE);

    FwPersistentTreeNode root;
    ASSERT_EQ(FwPtrOk, root.Initialize("Root", nullptr));
    ASSERT_TRUE(collected.SaveToNode(&root.GetNodeOwner(), &root));
    FwDockState fromTree;
    ASSERT_TRUE(fromTree.LoadFromNode(&root));
    // The tree leaves out the empty dock bars along the sides, as the profile does.
    FwDockState kept;
    for (INT_PTR i = 0; i < collected.m_arrBarInfo.GetSize(); ++i) {
        if (!collected.GetInfo(i)->IsEmptyDockedDockBar()) {
            FwControlBarInfo* pCopy = new FwControlBarInfo;
            FwPersistentTreeNode one;
            ASSERT_EQ(FwPtrOk, one.Initialize("One", nullptr));
            ASSERT_TRUE(collected.GetInfo(i)->SaveToNode(&one.GetNodeOwner(), &one, 0));
            ASSERT_TRUE(pCopy->LoadFromNode(one.FindChild("Bar-0"), &kept));
            kept.m_arrBarInfo.Add(pCopy);
        }
    }
    ExpectSameRecords(kept, fromTree, TRUE);
}

TEST_F(FwMDIFrameWndTest, ABarFloatingInTheMainWindowComesBackWithItsPlacement)
{
    CRect rcHost;
    {
        CDesignerFrame first;
        ASSERT_TRUE(first.Create());
        first.ShowBoth();
        CFrameWnd* pHost = first.pFrame->FloatControlBarInMDIChild(&first.output, 60, 40, CBRS_ALIGN_TOP);
        ASSERT_NE(nullptr, pHost);
        pHost->MoveWindow(60, 40, 320, 160);
        first.pFrame->RecalcLayout();
        ::GetWindowRect(pHost->m_hWnd, &rcHost);
        ::MapWindowPoints(nullptr, first.pFrame->m_hWndMDIClient, reinterpret_cast<POINT*>(&rcHost), 2);
        first.pFrame->SaveBarState("DesignBarState");
    }
    const CString strHost = FindBarSection(m_app, "DesignBarState", FX_IDW_DOCKBAR_FLOAT, 1);
    ASSERT_FALSE(strHost.IsEmpty());
    CByteArray placement;
    ASSERT_TRUE(m_app.GetProfileBinary(strHost, "MDIChildWindowPlacement", placement));
    EXPECT_EQ(44, placement.GetSize());

    {
        CDesignerFrame second;
        ASSERT_TRUE(second.Create());
        second.pFrame->LoadBarState("DesignBarState");
        ASSERT_TRUE(FwMDIFrameWnd::IsFloatingInMain(&second.output));
        const HWND hHost = HostOf(second.output);
        CRect rc;
        ::GetWindowRect(hHost, &rc);
        ::MapWindowPoints(nullptr, second.pFrame->m_hWndMDIClient, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(rcHost, rc);
        CString strTitle;
        CWnd::FromHandlePermanent(hHost)->GetWindowText(strTitle);
        EXPECT_EQ(CString("Output Window"), strTitle);
        EXPECT_EQ(1, second.pFrame->GetWorksheetCount());
        EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_LEFT), second.workspace.m_pDockBar);
        SaveWindowPicture(second.pFrame->m_hWnd, "fwmdiframe-mdifloat-restored.png");
        // "Float In Main Window" takes it home to the bottom.
        second.pFrame->ToggleFloatInMain(&second.output);
        EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), second.output.m_pDockBar);
        EXPECT_FALSE(::IsWindow(hHost));
    }

    // A host's record that also lists the workspace, docked at the left: it is docked once.
    CString strIds;
    const int nIds = static_cast<int>(m_app.GetProfileInt(strHost, "Bars", 0));
    ASSERT_GE(nIds, 1);
    CString strKey;
    strKey.Format("Bar#%d", nIds);
    m_app.WriteProfileInt(strHost, strKey, static_cast<int>(kWorkspaceBar));
    m_app.WriteProfileInt(strHost, "Bars", nIds + 1);
    {
        CDesignerFrame twice;
        ASSERT_TRUE(twice.Create());
        twice.pFrame->LoadBarState("DesignBarState");
        ASSERT_NE(nullptr, twice.workspace.m_pDockBar);
        int nListed = 0;
        for (POSITION pos = twice.pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
            CControlBar* pBar = static_cast<CControlBar*>(twice.pFrame->m_listControlBars.GetNext(pos));
            if (pBar->IsDockBar()) {
                const CDockBar* pDockBar = static_cast<CDockBar*>(pBar);
                nListed += pDockBar->FindBar(&twice.workspace) >= 0 ? 1 : 0;
            }
        }
        EXPECT_EQ(1, nListed);
        EXPECT_TRUE(FwMDIFrameWnd::IsFloatingInMain(&twice.output));
    }

    // A placement of the wrong size is not used; the bar still floats in the main window.
    const BYTE shortPlacement[10] = {44};
    m_app.WriteProfileBinary(strHost, "MDIChildWindowPlacement", shortPlacement, sizeof(shortPlacement));
    CDesignerFrame third;
    ASSERT_TRUE(third.Create());
    third.pFrame->LoadBarState("DesignBarState");
    ASSERT_TRUE(FwMDIFrameWnd::IsFloatingInMain(&third.output));
    CRect rc;
    ::GetWindowRect(HostOf(third.output), &rc);
    ::MapWindowPoints(nullptr, third.pFrame->m_hWndMDIClient, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_NE(rcHost, rc);
}

TEST_F(FwMDIFrameWndTest, AFrameWithoutMDIChildrenFloatsAnMDIChildsBarInAFrameOfItsOwn)
{
    {
        CDesignerFrame first;
        ASSERT_TRUE(first.Create());
        first.ShowBoth();
        ASSERT_NE(nullptr, first.pFrame->FloatControlBarInMDIChild(&first.output, 40, 40, CBRS_ALIGN_TOP));
        first.pFrame->SaveBarState("DesignBarState");
    }
    FwFrameWnd* pFrame = new FwFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW));
    pFrame->MoveWindow(0, 0, 640, 480);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    FwControlBar output;
    FwControlBar workspace;
    const DWORD dwStyle = WS_VISIBLE | CBRS_BOTTOM | CBRS_SIZE_DYNAMIC;
    ASSERT_TRUE(output.Create(pFrame, "Output Window", dwStyle, kDesignerBarExStyle, kOutputBar));
    ASSERT_TRUE(workspace.Create(pFrame, "Project Workspace", dwStyle, kDesignerBarExStyle, kWorkspaceBar));
    output.EnableDocking(CBRS_ALIGN_ANY);
    workspace.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBarEx(&output, FX_IDW_DOCKBAR_BOTTOM, 0, 0, 1.0f, 100);
    pFrame->DockControlBarEx(&workspace, FX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 100);

    FwDockState state;
    state.LoadState("DesignBarState");
    EXPECT_TRUE(state.ApplyToFrame(pFrame));
    ASSERT_TRUE(output.IsFloating());
    CWnd* pMini = CWnd::FromHandlePermanent(HostOf(output));
    ASSERT_NE(nullptr, pMini);
    EXPECT_TRUE(pMini->IsKindOf(FX_RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_LEFT), workspace.m_pDockBar);
    output.DestroyWindow();
    workspace.DestroyWindow();
    ::DestroyWindow(pFrame->m_hWnd);
}
