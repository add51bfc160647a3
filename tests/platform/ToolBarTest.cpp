// The tool bar on a real frame: buttons from a bitmap strip and a command list, the style and
// state bits, wrapping per side, idle updates from the frame's handlers, clicks, tool tips and
// fly-by prompts.
#include <gtest/gtest.h>

#include "platform/frame/StatusBar.h"
#include "platform/frame/ToolBar.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "tests/platform/BarTestFrame.h"
#include "tests/platform/res/fxtest_resource.h"
#include "tests/support/MessagePump.h"

#include <commctrl.h>

namespace
{
const UINT buttons[] = {ID_FXBAR_OPEN, ID_FXBAR_SAVE, ID_SEPARATOR, ID_FXBAR_BOLD, ID_FXBAR_NOBODY};

// A strip of four 16 x 15 images in plain colours.
HBITMAP MakeStrip()
{
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 64, 15);
    {
        CFxSelectGuard select(&dc, &bitmap);
        const COLORREF colours[4] = {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 200), RGB(200, 150, 0)};
        for (int i = 0; i < 4; ++i) {
            const RECT rc = {i * 16 + 2, 2, i * 16 + 14, 13};
            CBrush brush;
            brush.CreateSolidBrush(colours[i]);
            dc.FillRect(&rc, &brush);
        }
    }
    // The caller owns the strip.
    return static_cast<HBITMAP>(bitmap.Detach());
}

class ToolBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CBarTestFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FXTEST_MAIN));
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->MoveWindow(20, 20, 500, 300);
        ASSERT_TRUE(m_status.Create(m_pFrame));
        const UINT panes[] = {ID_SEPARATOR};
        ASSERT_TRUE(m_status.SetIndicators(panes, 1));
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));
        ASSERT_TRUE(m_bar.SetBitmap(MakeStrip()));
        ASSERT_TRUE(m_bar.SetButtons(buttons, static_cast<int>(std::size(buttons))));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_bar);
        m_pFrame->RecalcLayout();
    }
    void TearDown() override { ::DestroyWindow(m_hFrame); }

    CBarTestFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CStatusBar m_status;
    CToolBar m_bar;
};

TEST_F(ToolBarTest, CommandListGivesButtonsAndSeparators)
{
    ASSERT_EQ(5, m_bar.GetCount());
    EXPECT_EQ(ID_FXBAR_SAVE, m_bar.GetItemID(1));
    EXPECT_EQ(static_cast<UINT>(ID_SEPARATOR), m_bar.GetItemID(2));
    EXPECT_EQ(3, m_bar.CommandToIndex(ID_FXBAR_BOLD));
    EXPECT_EQ(-1, m_bar.CommandToIndex(0x7777));
    UINT nID = 0;
    UINT nStyle = 0;
    int iImage = 0;
    m_bar.GetButtonInfo(3, nID, nStyle, iImage);
    EXPECT_EQ(ID_FXBAR_BOLD, nID);
    // Images follow the buttons, not the separators.
    EXPECT_EQ(2, iImage);
    EXPECT_EQ(static_cast<UINT>(TBBS_SEPARATOR), m_bar.GetButtonStyle(2) & 0xFFFF);
    EXPECT_EQ(0u, m_bar.GetButtonStyle(0));
}

TEST_F(ToolBarTest, StyleWordsCarryTheStateBitsBothWays)
{
    struct BitCase
    {
        const char* szName;
        UINT nBit;
        BYTE fsState; // what the control holds
    };
    const BitCase cases[] = {
        {"checked", TBBS_CHECKED, TBSTATE_CHECKED | TBSTATE_ENABLED},
        {"pressed", TBBS_PRESSED, TBSTATE_PRESSED | TBSTATE_ENABLED},
        {"disabled", TBBS_DISABLED, 0},
        {"hidden", TBBS_HIDDEN, TBSTATE_HIDDEN | TBSTATE_ENABLED},
        {"indeterminate", TBBS_INDETERMINATE, TBSTATE_INDETERMINATE | TBSTATE_ENABLED},
        {"wrapped", TBBS_WRAPPED, TBSTATE_WRAP | TBSTATE_ENABLED},
    };
    for (const BitCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_bar.SetButtonStyle(0, TBBS_BUTTON | c.nBit);
        EXPECT_EQ(c.nBit, m_bar.GetButtonStyle(0));
        TBBUTTON button = {};
        m_bar.SendMessage(TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(c.fsState, button.fsState);
    }
}

TEST_F(ToolBarTest, LayoutWrapsPerSide)
{
    // Four buttons of 23 and a separator of 8 in one row; borders of 2 around them and the top
    // dock side's 2-pixel line below.
    const CSize sizeHorz = m_bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(CSize(4 * 23 + 8 + 4, 22 + 6), sizeHorz);
    for (int i = 0; i < m_bar.GetCount(); ++i) {
        EXPECT_EQ(0u, m_bar.GetButtonStyle(i) & TBBS_WRAPPED);
    }
    // Docked on a side: one button per row.
    const CSize sizeVert = m_bar.CalcFixedLayout(FALSE, FALSE);
    EXPECT_EQ(23 + 4, sizeVert.cx);
    EXPECT_NE(0u, m_bar.GetButtonStyle(0) & TBBS_WRAPPED);
    // Floating at a width of two buttons: the row breaks at the separator, two buttons a row.
    const CSize sizeFloat = m_bar.CalcDynamicLayout(2 * 23, LM_HORZ | LM_COMMIT);
    EXPECT_EQ(2 * 23 + 4, sizeFloat.cx);
    EXPECT_EQ(2 * 23, m_bar.m_nMRUWidth);
    EXPECT_EQ(0u, m_bar.GetButtonStyle(1) & TBBS_WRAPPED);
    EXPECT_NE(0u, m_bar.GetButtonStyle(2) & TBBS_WRAPPED);
    // The docked bar takes its row's height in the top dock bar.
    m_pFrame->RecalcLayout();
    CRect rc;
    m_bar.GetWindowRect(&rc);
    EXPECT_EQ(sizeHorz, rc.Size());
}

TEST_F(ToolBarTest, IdleUpdatesButtonsFromTheFramesHandlersAndClicksReachTheFrame)
{
    CWinApp app("ToolBarTest");
    app.m_pMainWnd = m_pFrame;
    app.OnIdle(0);
    struct StateCase
    {
        const char* szName;
        UINT nID;
        UINT nExpected;
    };
    const StateCase cases[] = {
        {"command handler: enabled", ID_FXBAR_OPEN, 0},
        {"update handler disables", ID_FXBAR_SAVE, TBBS_DISABLED},
        {"update handler checks", ID_FXBAR_BOLD, TBBS_CHECKBOX | TBBS_CHECKED},
        {"no handler: disabled", ID_FXBAR_NOBODY, TBBS_DISABLED},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nExpected, m_bar.GetButtonStyle(m_bar.CommandToIndex(c.nID)));
    }
    m_pFrame->m_bBold = FALSE;
    app.OnIdle(0);
    EXPECT_EQ(static_cast<UINT>(TBBS_CHECKBOX), m_bar.GetButtonStyle(m_bar.CommandToIndex(ID_FXBAR_BOLD)));

    // A click on the first button: the command goes to the frame.
    CRect rcItem;
    m_bar.GetItemRect(0, &rcItem);
    const CPoint pt = rcItem.CenterPoint();
    m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpTestMessages();
    EXPECT_EQ(1, m_pFrame->m_nOpened);
    app.m_pMainWnd = nullptr;
}

TEST_F(ToolBarTest, ToolTipsAndFlyByTextComeFromTheCommandsStrings)
{
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = m_bar.m_hWnd;
    info.hdr.idFrom = ID_FXBAR_SAVE;
    info.hdr.code = TTN_GETDISPINFOA;
    m_pFrame->SendMessage(WM_NOTIFY, ID_FXBAR_SAVE, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ("保存", info.lpszText);

    NMTBHOTITEM hot = {};
    hot.hdr.hwndFrom = m_bar.m_hWnd;
    hot.hdr.idFrom = static_cast<UINT_PTR>(m_bar.GetDlgCtrlID());
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = ID_FXBAR_OPEN;
    m_pFrame->SendMessage(WM_NOTIFY, hot.hdr.idFrom, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(CString("打开一个文件"), m_status.GetPaneText(0));
    hot.dwFlags = HICF_LEAVING;
    m_pFrame->SendMessage(WM_NOTIFY, hot.hdr.idFrom, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(m_pFrame->m_strIdleMessage, m_status.GetPaneText(0));
}
} // namespace
