// The custom tool bar: rows, commands, hot tracking, customise drag and drop between bars, and
// its buttons in the saved layout (damaged "Buttons" values ignored).
#include <gtest/gtest.h>

#include <vector>

#include "framework/FwBarButton.h"
#include "framework/FwControlBarInfo.h"
#include "framework/FwCustomToolBarInfoEx.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/MemFile.h"
#include "platform/frame/DockBar.h"
#include "platform/gdi/FxSelectGuard.h"
#include "tests/framework/FwToolBarTestFrame.h"
#include "tests/support/UiDriver.h"

namespace
{
class FwCustomToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwCustomToolBarTest");
        m_app.SetRegistryKey("VornFwCustomToolBarTest");
    }
    void TearDown() override
    {
        SetKeys(FALSE, FALSE);
        m_app.m_pMainWnd = nullptr;
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwCustomToolBarTest");
    }
    // The thread's key state as GetKeyState reads it.
    static void SetKeys(BOOL bAlt, BOOL bCtrl)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_MENU] = bAlt ? 0x80 : 0;
        keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
    CWinApp m_app{"FwCustomToolBarTest"};
};

struct FrameHolder
{
    CFwTbFrame* pFrame = new CFwTbFrame;
    ~FrameHolder()
    {
        if (::IsWindow(pFrame->m_hWnd)) {
            pFrame->DestroyWindow();
        }
    }
};

LPARAM ClientPoint(const CPoint& pt)
{
    return MAKELPARAM(pt.x, pt.y);
}

CPoint ButtonCenter(FwCustomToolBar* pBar, int nIndex)
{
    CRect rc;
    pBar->GetButtonRect(nIndex, &rc);
    return rc.CenterPoint();
}

// A point of pTo's button as a client point of pFrom (drops are computed from screen points).
CPoint PointIn(FwCustomToolBar* pFrom, CWnd* pTo, CPoint ptTo)
{
    ::ClientToScreen(pTo->m_hWnd, &ptTo);
    ::ScreenToClient(pFrom->m_hWnd, &ptTo);
    return ptTo;
}

std::vector<int> WrappedButtons(const FwCustomToolBar& bar)
{
    std::vector<int> wrapped;
    for (int i = 0; i < bar.GetButtonCount(); ++i) {
        if ((bar.GetButtonStyle(i) & FWBS_WRAPPED) != 0) {
            wrapped.push_back(i);
        }
    }
    return wrapped;
}
} // namespace

TEST_F(FwCustomToolBarTest, RowsBreakAtTheLastSeparatorOrBeforeTheOverflowingButton)
{
    // No image table: 16 x 15 images, buttons 23 wide, separators 8.
    struct RowCase
    {
        const char* szName;
        std::vector<UINT> ids;
        int nWidth;
        std::vector<int> wrapped;
    };
    const RowCase cases[] = {
        {"everything fits in one row", {1, 2, 3, 4, 5}, 1000, {}},
        {"no separator: breaks before the button that overflows", {1, 2, 3, 4, 5}, 69, {2}},
        {"breaks at the last separator of the row", {1, 2, 0, 3, 4}, 80, {2}},
        {"the first button of a row stays, however wide", {1, 2, 3}, 10, {0, 1}},
        {"the row's two pixels of slack keep a button", {1, 2, 3}, 67, {}},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FwCustomToolBar bar;
        bar.SetButtons(c.ids.data(), static_cast<int>(c.ids.size()));
        const CRect insets = bar.GetInsets();
        bar.CalcDynamicLayout(c.nWidth + insets.left + insets.right, LM_COMMIT);
        EXPECT_EQ(c.wrapped, WrappedButtons(bar));
    }
}

TEST_F(FwCustomToolBarTest, AClickSendsTheCommandOnlyWhenReleasedOverTheButton)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    FwCustomToolBar* pBar = pFrame->Bar(0xE806);
    const CPoint pt = ButtonCenter(pBar, 1);

    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(pt));
    EXPECT_NE(0U, pBar->GetButtonStyle(1) & FWBS_PRESSED);
    pBar->SendMessage(WM_LBUTTONUP, 0, ClientPoint(pt));
    EXPECT_EQ(0U, pBar->GetButtonStyle(1) & FWBS_PRESSED);
    ASSERT_EQ(1U, pFrame->m_commands.size());
    EXPECT_EQ(0x8202U, pFrame->m_commands[0]);
    EXPECT_FALSE(pFrame->m_pManager->m_pCommandSource->bRunning);

    // Released elsewhere: no command; a disabled button takes no press.
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(pt));
    pBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(CPoint(pt.x, pt.y + 200)));
    EXPECT_EQ(0U, pBar->GetButtonStyle(1) & FWBS_PRESSED);
    pBar->SendMessage(WM_LBUTTONUP, 0, ClientPoint(CPoint(pt.x, pt.y + 200)));
    pBar->SetButtonStyle(1, pBar->GetButtonStyle(1) | FWBS_DISABLED);
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(pt));
    pBar->SendMessage(WM_LBUTTONUP, 0, ClientPoint(pt));
    EXPECT_EQ(1U, pFrame->m_commands.size());

    // The idle update disables buttons without a handler unless they keep enabled.
    pFrame->m_bAutoMenuEnable = TRUE;
    pBar->SetButtonStyle(2, pBar->GetButtonStyle(2) | FWBS_KEEPENABLED);
    pFrame->Idle();
    EXPECT_NE(0U, pBar->GetButtonStyle(0) & FWBS_DISABLED);
    EXPECT_EQ(0U, pBar->GetButtonStyle(2) & FWBS_DISABLED);
}

TEST_F(FwCustomToolBarTest, TheHotMarkFollowsTheMouseAndTheTimerTakesItAway)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    ::SetForegroundWindow(pFrame->m_hWnd);
    FwCustomToolBar* pBar = pFrame->Bar(0xE806);
    pBar->SetButtonStyle(4, pBar->GetButtonStyle(4) | FWBS_DISABLED);

    struct HotCase
    {
        const char* szName;
        int nButton;
        int nHot;
    };
    const HotCase cases[] = {
        {"an enabled button turns hot", 0, 0}, {"the next one takes the mark", 1, 1},
        {"a separator is never hot", 3, -1},   {"a disabled button is never hot", 4, -1},
        {"and back on a button", 2, 2},
    };
    for (const HotCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CRect rc;
        pBar->GetButtonRect(c.nButton, &rc);
        pBar->SendMessage(WM_MOUSEMOVE, 0, ClientPoint(rc.CenterPoint()));
        EXPECT_EQ(c.nHot, pBar->GetHotButton());
        for (int i = 0; i < pBar->GetButtonCount(); ++i) {
            EXPECT_EQ(i == c.nHot, (pBar->GetButtonStyle(i) & FWBS_HOT) != 0) << i;
        }
    }
    SaveWindowPicture(pBar->m_hWnd, "fwtoolbar-hot.png");
    // The cursor is elsewhere: the next tick drops the mark.
    ::SetCursorPos(700, 400);
    pBar->SendMessage(WM_TIMER, FW_HOTTIMER_ID, 0);
    EXPECT_EQ(-1, pBar->GetHotButton());
    EXPECT_EQ(0U, pBar->GetButtonStyle(2) & FWBS_HOT);
}

TEST_F(FwCustomToolBarTest, AltDragMovesCtrlCopiesAndEmptySpaceMakesAUserBar)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    FwCustomToolBar* pStd = pFrame->Bar(0xE800);
    FwCustomToolBar* pEdit = pFrame->Bar(0xE806);
    const int nStd = pStd->GetButtonCount();
    const int nEdit = pEdit->GetButtonCount();

    // Alt-drag the first button onto the edit bar's second button: moved there.
    SetKeys(TRUE, FALSE);
    pStd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(ButtonCenter(pStd, 0)));
    EXPECT_EQ(0, pStd->GetSelectedButton());
    CPoint ptDrop = PointIn(pStd, pEdit, ButtonCenter(pEdit, 1));
    pStd->SendMessage(WM_LBUTTONUP, 0, ClientPoint(ptDrop));
    EXPECT_EQ(nStd - 1, pStd->GetButtonCount());
    EXPECT_NE(0x8101U, pStd->GetButtonID(0));
    ASSERT_EQ(nEdit + 1, pEdit->GetButtonCount());
    EXPECT_EQ(0x8101U, pEdit->GetButtonID(1));
    EXPECT_EQ(-1, pStd->GetSelectedButton());

    // Ctrl+Alt: copied, the source keeps it.
    SetKeys(TRUE, TRUE);
    pStd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(ButtonCenter(pStd, 0)));
    const UINT nCopied = pStd->GetButtonID(0);
    ptDrop = PointIn(pStd, pEdit, ButtonCenter(pEdit, 0));
    pStd->SendMessage(WM_LBUTTONUP, 0, ClientPoint(ptDrop));
    EXPECT_EQ(nStd - 1, pStd->GetButtonCount());
    EXPECT_EQ(nCopied, pEdit->GetButtonID(0));

    // Ctrl+Alt onto empty space: a new user bar "ToolBar1" holds the copy.
    CRect rcClient;
    ::GetWindowRect(pFrame->m_hWndMDIClient, &rcClient);
    CPoint ptEmpty = rcClient.CenterPoint();
    ::ScreenToClient(pStd->m_hWnd, &ptEmpty);
    pStd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(ButtonCenter(pStd, 1)));
    const UINT nNew = pStd->GetButtonID(1);
    pStd->SendMessage(WM_LBUTTONUP, 0, ClientPoint(ptEmpty));
    FwCustomToolBar* pUser = pFrame->Bar(0xE820);
    ASSERT_NE(nullptr, pUser);
    CString strTitle;
    pUser->GetWindowText(strTitle);
    EXPECT_STREQ("ToolBar1", strTitle);
    ASSERT_EQ(1, pUser->GetButtonCount());
    EXPECT_EQ(nNew, pUser->GetButtonID(0));
    EXPECT_TRUE(pUser->IsFloating());
    EXPECT_EQ(nStd - 1, pStd->GetButtonCount());
    pFrame->Idle();
    HWND hMini = ::GetParent(pUser->m_pDockBar->m_hWnd);
    ::RedrawWindow(hMini, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    CRect rcBar;
    pUser->GetWindowRect(&rcBar);
    EXPECT_TRUE(pUser->IsWindowVisible());
    EXPECT_GE(rcBar.Width(), 23);
    EXPECT_GE(rcBar.Height(), 22);
    SaveWindowPicture(pFrame->m_hWnd, "fwtoolbar-userbar.png");

    // Alt-drag its only button out: the user bar goes.
    SetKeys(TRUE, FALSE);
    CPoint ptOut = rcClient.TopLeft() + CSize(40, 200);
    ::ScreenToClient(pUser->m_hWnd, &ptOut);
    pUser->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(ButtonCenter(pUser, 0)));
    pUser->SendMessage(WM_LBUTTONUP, 0, ClientPoint(ptOut));
    PumpTestMessages();
    EXPECT_EQ(nullptr, pFrame->Bar(0xE820));
    SetKeys(FALSE, FALSE);

    // A default bar emptied stays.
    while (pEdit->GetButtonCount() > 0) {
        pEdit->RemoveButton(0, FALSE);
    }
    PumpTestMessages();
    EXPECT_EQ(pEdit, pFrame->Bar(0xE806));
}

TEST_F(FwCustomToolBarTest, RemovingAButtonDropsTheSeparatorsItLeavesAtTheEdgesOrDoubled)
{
    struct RemoveCase
    {
        const char* szName;
        std::vector<UINT> ids;
        int nRemove;
        std::vector<UINT> left;
    };
    const RemoveCase cases[] = {
        {"first before a separator", {1, 0, 2}, 0, {2}},
        {"last after a separator", {1, 0, 2}, 2, {1}},
        {"between two separators", {1, 0, 2, 0, 3}, 2, {1, 0, 3}},
        {"a plain middle button", {1, 2, 3}, 1, {1, 3}},
    };
    for (const RemoveCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FwCustomToolBar bar;
        bar.SetButtons(c.ids.data(), static_cast<int>(c.ids.size()));
        EXPECT_TRUE(bar.RemoveButton(c.nRemove, TRUE));
        std::vector<UINT> left;
        for (int i = 0; i < bar.GetButtonCount(); ++i) {
            left.push_back(bar.GetButtonID(i));
        }
        EXPECT_EQ(c.left, left);
    }
}

namespace
{
class CSpecialButton : public FwBarButton
{
};
FwBarButton* MakeSpecial()
{
    return new CSpecialButton;
}
FwBarButton* MakeNothing()
{
    return nullptr;
}
const FwButtonMapEntry specialButtons[] = {
    {&MakeSpecial, 0x8301, 0x4},
    {&MakeNothing, 0x8302, 0},
    {nullptr, 0, 0},
};
} // namespace

// Special buttons come from the manager's map, or from the bar's own when it has no manager; an
// id the map cannot make gets no button, any other id a standard one.
TEST_F(FwCustomToolBarTest, SpecialButtonsComeFromTheManagersOrTheBarsOwnMap)
{
    const struct
    {
        UINT nID;
        BOOL bInserted;
        BOOL bSpecial;
        DWORD dwStyle;
    } cases[] = {
        {0x8301, TRUE, TRUE, 0x4},
        {0x8302, FALSE, FALSE, 0},
        {0x8303, TRUE, FALSE, 0},
    };
    FrameHolder holder;
    ASSERT_TRUE(holder.pFrame->Create());
    holder.pFrame->m_pManager->m_pButtonMap = specialButtons;
    FwCustomToolBar* pManaged = holder.pFrame->Bar(0xE804);
    ASSERT_NE(nullptr, pManaged);
    FwCustomToolBar own;
    own.m_pOwnButtonMap = specialButtons;
    for (FwCustomToolBar* pBar : {pManaged, &own}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << (pBar == &own ? "own map " : "manager's map ") << std::hex << c.nID);
            const int nBefore = pBar->GetButtonCount();
            EXPECT_EQ(c.bInserted, pBar->InsertButton(0, c.nID, FALSE, TRUE));
            ASSERT_EQ(nBefore + (c.bInserted ? 1 : 0), pBar->GetButtonCount());
            if (c.bInserted) {
                EXPECT_EQ(c.nID, pBar->GetButtonID(0));
                EXPECT_EQ(c.bSpecial, dynamic_cast<CSpecialButton*>(pBar->GetButton(0)) != nullptr);
                EXPECT_EQ(c.dwStyle, pBar->GetButtonStyle(0) & 0x4);
            }
        }
    }
    // A managed bar ignores a map of its own.
    pManaged->m_pOwnButtonMap = specialButtons;
    holder.pFrame->m_pManager->m_pButtonMap = nullptr;
    ASSERT_TRUE(pManaged->InsertButton(0, 0x8301, FALSE, TRUE));
    EXPECT_EQ(nullptr, dynamic_cast<CSpecialButton*>(pManaged->GetButton(0)));
}

TEST_F(FwCustomToolBarTest, AUserBarAndItsButtonComeBackWithTheLayout)
{
    {
        FrameHolder holder;
        CFwTbFrame* pFrame = holder.pFrame;
        ASSERT_TRUE(pFrame->Create());
        FwCustomToolBar* pUser = pFrame->m_pManager->CreateUserToolBar("Mine");
        ASSERT_NE(nullptr, pUser);
        pUser->InsertButton(0, 0x8301, FALSE, TRUE);
        pUser->InsertButton(1, 0, TRUE, TRUE);
        pUser->InsertButton(2, 0x8302, FALSE, TRUE);
        pFrame->DockControlBar(pUser, FX_IDW_DOCKBAR_BOTTOM);
        pFrame->Bar(0xE804)->RemoveButton(0, FALSE);
        pFrame->RecalcLayout();
        pFrame->SaveBarState("Tb");
    }
    // The profile form: id, count byte, extra bytes; no header.
    CByteArray bytes;
    BOOL bFound = FALSE;
    for (int i = 0; i < 20 && !bFound; ++i) {
        CString strSection;
        strSection.Format("Tb-Bar%d", i);
        if (m_app.GetProfileString(strSection, "Title", "") == "Mine") {
            bFound = m_app.GetProfileBinary(strSection, "Buttons", bytes);
        }
    }
    ASSERT_TRUE(bFound);
    const std::vector<BYTE> expected = {0x01, 0x83, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x83, 0, 0, 0};
    EXPECT_EQ(expected, std::vector<BYTE>(bytes.GetData(), bytes.GetData() + bytes.GetSize()));

    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    pFrame->LoadBarState("Tb");
    FwCustomToolBar* pUser = pFrame->Bar(0xE820);
    ASSERT_NE(nullptr, pUser);
    CString strTitle;
    pUser->GetWindowText(strTitle);
    EXPECT_STREQ("Mine", strTitle);
    ASSERT_EQ(3, pUser->GetButtonCount());
    EXPECT_EQ(0x8301U, pUser->GetButtonID(0));
    EXPECT_EQ(0x8302U, pUser->GetButtonID(2));
    EXPECT_EQ(static_cast<CControlBar*>(pUser->m_pDockBar), pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(5, pFrame->Bar(0xE804)->GetButtonCount());
    EXPECT_EQ(pFrame->GetMenuBar(), pFrame->Bar(FW_IDW_MENUBAR));
    EXPECT_GT(pFrame->GetMenuBar()->GetButtonCount(), 0);
}

TEST_F(FwCustomToolBarTest, StoredButtonsNeverRunPastTheValueAndDamageIsIgnored)
{
    struct BytesCase
    {
        const char* szName;
        std::vector<BYTE> bytes;
        BOOL bValid;
        std::vector<UINT> ids;
    };
    const BytesCase cases[] = {
        {"empty value: no buttons", {}, TRUE, {}},
        {"two records, one with extra bytes", {1, 0, 0, 0, 2, 0xAA, 0xBB, 0, 0, 0, 0, 0}, TRUE, {1, 0}},
        {"an id cut short", {1, 0, 0, 0, 0, 2, 0}, FALSE, {9}},
        {"a count byte past the end", {1, 0, 0, 0, 200, 1, 2}, FALSE, {9}},
        {"a count byte missing", {1, 0, 0, 0}, FALSE, {9}},
    };
    for (const BytesCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FwCustomToolBarInfoEx info;
        info.AddButton(9, nullptr, 0);
        EXPECT_EQ(c.bValid, info.ReadButtonBytes(c.bytes.data(), static_cast<UINT>(c.bytes.size())));
        std::vector<UINT> ids;
        for (int i = 0; i < info.GetButtonCount(); ++i) {
            ids.push_back(info.GetButton(i)->nID);
        }
        EXPECT_EQ(c.ids, ids);

        // Through the profile: a damaged value leaves the bar's buttons as they are.
        m_app.WriteProfileBinary("Damage", "Buttons", c.bytes.data(), static_cast<UINT>(c.bytes.size()));
        FwCustomToolBarInfoEx loaded;
        EXPECT_EQ(c.bValid, loaded.LoadState("Damage", nullptr));
        FwCustomToolBar bar;
        const UINT kept[2] = {7, 8};
        bar.SetButtons(kept, 2);
        bar.RestoreButtons(&loaded);
        EXPECT_EQ(c.bValid ? static_cast<int>(c.ids.size()) : 2, bar.GetButtonCount());
    }
}

TEST_F(FwCustomToolBarTest, TheArchiveFormRoundTripsAndEveryTruncationThrows)
{
    FwCustomToolBarInfoEx info;
    info.m_strTitle = "工具";
    const BYTE extra[2] = {5, 6};
    info.AddButton(0x8101, extra, 2);
    info.AddButton(0, nullptr, 0);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        info.Serialize(ar, nullptr);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    {
        FwCustomToolBarInfoEx loaded;
        CMemFile in(bytes.data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&in, CArchive::load);
        loaded.Serialize(ar, nullptr);
        EXPECT_STREQ("工具", loaded.m_strTitle);
        ASSERT_EQ(2, loaded.GetButtonCount());
        EXPECT_EQ(0x8101U, loaded.GetButton(0)->nID);
        EXPECT_EQ(std::vector<BYTE>({5, 6}), loaded.GetButton(0)->extra);
    }
    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        FwCustomToolBarInfoEx partial;
        CMemFile in(bytes.data(), static_cast<UINT>(n));
        CArchive ar(&in, CArchive::load);
        bool bThrown = false;
        try {
            partial.Serialize(ar, nullptr);
        } catch (CArchiveException* e) {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown);
    }
    // A count far beyond the data ends in the archive's exception, not in a huge allocation.
    std::vector<BYTE> huge = {0, 0xFF, 0xFF, 0xFF, 0x7F};
    CMemFile in(huge.data(), static_cast<UINT>(huge.size()));
    CArchive ar(&in, CArchive::load);
    FwCustomToolBarInfoEx partial;
    EXPECT_THROW(
        {
            try {
                partial.Serialize(ar, nullptr);
            } catch (CArchiveException* e) {
                e->Delete();
                throw 1;
            }
        },
        int);
}

TEST_F(FwCustomToolBarTest, ASystemColourChangeReachesTheButtonImages)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    auto cornerColour = [pFrame]() {
        HBITMAP hStrip = nullptr;
        int nIndex = -1;
        pFrame->m_pManager->GetBmpMgr()->GetImage(0x8101, hStrip, nIndex, TRUE);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CFxSelectGuard guard(&dc, CBitmap::FromHandle(hStrip));
        return ::GetPixel(dc.GetSafeHdc(), 0, 0);
    };
    const int nElement = COLOR_BTNFACE;
    const COLORREF crSaved = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF crNew = RGB(200, 230, 210);
    ::SetSysColors(1, &nElement, &crNew);
    pFrame->SendMessage(WM_SYSCOLORCHANGE, 0, 0);
    const COLORREF crSeen = cornerColour();
    ::SetSysColors(1, &nElement, &crSaved);
    pFrame->SendMessage(WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(crNew, crSeen);
    EXPECT_EQ(crSaved, cornerColour());
}
