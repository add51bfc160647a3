#include <gtest/gtest.h>

#include "KvTestHost.h"
#include "common/KvColorBar.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/PngFile.h"
#include "support/SysDlgDriver.h"
#include "support/UiDriver.h"

namespace
{
const UINT kBarId = 500;
// The red, green and blue boxes of the fully opened colour dialog.
const int kColorRed = 706;
const int kColorGreen = 707;
const int kColorBlue = 708;

class KvColorBarTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_host.Open()); }

    void CreateBar(BOOL bOtherButton)
    {
        ASSERT_TRUE(m_bar.Create(WS_VISIBLE | WS_TABSTOP, 220, 7, &m_host, kBarId, TRUE, bOtherButton));
    }

    void Key(UINT nKey) { m_bar.SendMessage(WM_KEYDOWN, nKey, 0); }

    CKvTestHost m_host{IDD_KVTEST_CONTROLS};
    CKvColorBar m_bar;
};
} // namespace

TEST_F(KvColorBarTest, GridHoldsTheTwentyStandardColoursInOrder)
{
    CreateBar(TRUE);
    EXPECT_EQ(RGB(0, 0, 0), m_bar.GetCellColor(0, 0));
    EXPECT_EQ(RGB(128, 0, 0), m_bar.GetCellColor(1, 0));
    EXPECT_EQ(RGB(192, 192, 192), m_bar.GetCellColor(3, 1));
    EXPECT_EQ(RGB(255, 0, 0), m_bar.GetCellColor(1, 3));
    EXPECT_EQ(RGB(255, 255, 255), m_bar.GetCellColor(3, 4));
}

TEST_F(KvColorBarTest, SizeFollowsCellsMarginsAndOtherButton)
{
    CreateBar(TRUE);
    RECT rcCell = {0, 0, 10, 10};
    MapDialogRect(m_host.m_hWnd, &rcCell);
    // Margin 2 and 1 for the focus frame; 4 columns, 5 rows; the strip of the "其它..." button.
    const int cx = rcCell.right * 4 + (3 + 4) * 2 - 2;
    const int cy = rcCell.bottom * 5 + (3 + 5) * 2 - 2 + rcCell.bottom + 2 + 6;
    CRect rc;
    m_bar.GetWindowRect(&rc);
    EXPECT_EQ(cx, rc.Width());
    EXPECT_EQ(cy, rc.Height());
    ASSERT_NE(nullptr, m_bar.GetOtherButton());
    EXPECT_EQ(KV_ID_OTHERCOLOR, m_bar.GetOtherButton()->GetDlgCtrlID());
    CString strText;
    m_bar.GetOtherButton()->GetWindowText(strText);
    EXPECT_EQ(CString("其它..."), strText);
}

TEST_F(KvColorBarTest, ArrowsWalkTheGridAndWrap)
{
    CreateBar(FALSE);
    struct KeyCase
    {
        const char* szName;
        int nStartCol;
        int nStartRow;
        UINT nKey;
        int nCol;
        int nRow;
    };
    const KeyCase cases[] = {
        {"left within a row", 2, 1, VK_LEFT, 1, 1},
        {"left wraps to the row above", 0, 2, VK_LEFT, 3, 1},
        {"left from the first cell to the last", 0, 0, VK_LEFT, 3, 4},
        {"right within a row", 1, 1, VK_RIGHT, 2, 1},
        {"right wraps to the next row", 3, 1, VK_RIGHT, 0, 2},
        {"right from the last cell to the first", 3, 4, VK_RIGHT, 0, 0},
        {"up", 2, 2, VK_UP, 2, 1},
        {"up from the top row to the bottom", 2, 0, VK_UP, 2, 4},
        {"down", 2, 2, VK_DOWN, 2, 3},
        {"down from the bottom row to the top", 1, 4, VK_DOWN, 1, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_bar.SelectColor(m_bar.GetCellColor(c.nStartCol, c.nStartRow));
        ASSERT_EQ(c.nStartCol, m_bar.GetSelCol());
        Key(c.nKey);
        EXPECT_EQ(c.nCol, m_bar.GetSelCol());
        EXPECT_EQ(c.nRow, m_bar.GetSelRow());
    }
}

TEST_F(KvColorBarTest, ArrowsReachTheCustomCellOnceShown)
{
    CreateBar(TRUE);
    m_bar.SelectColor(RGB(1, 2, 3));
    ASSERT_TRUE(m_bar.IsCustomShown());
    struct KeyCase
    {
        const char* szName;
        int nStartCol;
        int nStartRow;
        UINT nKey;
        int nCol;
        int nRow;
    };
    const KeyCase cases[] = {
        {"left from the first cell", 0, 0, VK_LEFT, 3, 5},
        {"right from the last cell", 3, 4, VK_RIGHT, 3, 5},
        {"down from the bottom of its column", 3, 4, VK_DOWN, 3, 5},
        {"up from the top of its column", 3, 0, VK_UP, 3, 5},
        {"down in another column wraps", 1, 4, VK_DOWN, 1, 0},
        {"custom: left to the last cell", 3, 5, VK_LEFT, 3, 4},
        {"custom: right to the first cell", 3, 5, VK_RIGHT, 0, 0},
        {"custom: up to the bottom row", 3, 5, VK_UP, 3, 4},
        {"custom: down to the top row", 3, 5, VK_DOWN, 3, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_bar.SelectColor(c.nStartRow == 5 ? RGB(1, 2, 3) : m_bar.GetCellColor(c.nStartCol, c.nStartRow));
        ASSERT_EQ(c.nStartRow, m_bar.GetSelRow());
        Key(c.nKey);
        EXPECT_EQ(c.nCol, m_bar.GetSelCol());
        EXPECT_EQ(c.nRow, m_bar.GetSelRow());
    }
}

TEST_F(KvColorBarTest, EnterTellsTheParentTheCellsColour)
{
    CreateBar(TRUE);
    m_bar.SetFocus();
    m_bar.SelectColor(RGB(0, 0, 0));
    m_host.m_colors.clear();
    Key(VK_RIGHT);
    Key(VK_DOWN);
    m_host.m_colors.clear();
    Key(VK_RETURN);
    ASSERT_EQ(1u, m_host.m_colors.size());
    EXPECT_EQ(kBarId, m_host.m_colors[0].first);
    EXPECT_EQ(m_bar.GetCellColor(1, 1), m_host.m_colors[0].second);
    EXPECT_EQ(RGB(128, 0, 128), m_host.m_colors[0].second);
}

TEST_F(KvColorBarTest, ClickOnACellChoosesIt)
{
    CreateBar(TRUE);
    const CRect rc = m_bar.GetCellRect(2, 3);
    m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 2, rc.top + 2));
    EXPECT_EQ(2, m_bar.GetSelCol());
    EXPECT_EQ(3, m_bar.GetSelRow());
    ASSERT_FALSE(m_host.m_colors.empty());
    EXPECT_EQ(RGB(0, 255, 0), m_host.m_colors.back().second);
}

TEST_F(KvColorBarTest, CustomColourNarrowsTheOtherButtonOnce)
{
    CreateBar(TRUE);
    CRect rcBefore;
    m_bar.GetOtherButton()->GetWindowRect(&rcBefore);
    RECT rcCell = {0, 0, 10, 10};
    MapDialogRect(m_host.m_hWnd, &rcCell);

    m_bar.SelectColor(RGB(10, 20, 30));
    CRect rcOnce;
    m_bar.GetOtherButton()->GetWindowRect(&rcOnce);
    EXPECT_EQ(rcBefore.Width() - rcCell.right - 2, rcOnce.Width());
    EXPECT_EQ(RGB(10, 20, 30), m_bar.GetColor());
    EXPECT_EQ(5, m_bar.GetSelRow());

    m_bar.SelectColor(RGB(40, 50, 60));
    CRect rcTwice;
    m_bar.GetOtherButton()->GetWindowRect(&rcTwice);
    EXPECT_EQ(rcOnce.Width(), rcTwice.Width());
    EXPECT_EQ(RGB(40, 50, 60), m_bar.GetColor());
}

TEST_F(KvColorBarTest, UnknownColourWithoutOtherButtonLeavesTheSelection)
{
    CreateBar(FALSE);
    m_bar.SelectColor(RGB(0, 128, 0));
    m_bar.SelectColor(RGB(1, 2, 3));
    EXPECT_FALSE(m_bar.IsCustomShown());
    EXPECT_EQ(RGB(0, 128, 0), m_bar.GetColor());
}

TEST_F(KvColorBarTest, PictureWithCustomCell)
{
    CreateBar(TRUE);
    m_bar.SelectColor(RGB(250, 128, 20));
    m_bar.SetFocus();
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "color-bar.png"));
}

// "其它..." opens the system's colour dialog on the bar's colour: cancelled, the bar keeps its
// colour and tells nobody; accepted, the colour typed there becomes the bar's custom colour.
TEST_F(KvColorBarTest, OtherButtonTakesTheColourDialogsChoice)
{
    CreateBar(TRUE);
    m_bar.SelectColor(RGB(255, 0, 0));
    const size_t nToldBefore = m_host.m_colors.size();
    const HWND hOther = m_bar.GetOtherButton()->GetSafeHwnd();
    CTestSysDialogs dialogs;
    dialogs.OnDialog([](CTestSysDlg& d) {
        EXPECT_STREQ("255", d.GetText(kColorRed));
        EXPECT_STREQ("0", d.GetText(kColorGreen));
        d.SetText(kColorRed, "10");
        d.Cancel();
    });
    ::SendMessageA(hOther, BM_CLICK, 0, 0);
    EXPECT_EQ(1, dialogs.GetDialogsOpened());
    EXPECT_EQ(RGB(255, 0, 0), m_bar.GetColor());
    EXPECT_EQ(nToldBefore, m_host.m_colors.size());

    dialogs.OnDialog([](CTestSysDlg& d) {
        d.SetText(kColorRed, "10");
        d.SetText(kColorGreen, "20");
        d.SetText(kColorBlue, "30");
        d.Ok();
    });
    ::SendMessageA(hOther, BM_CLICK, 0, 0);
    EXPECT_EQ(2, dialogs.GetDialogsOpened());
    EXPECT_EQ(RGB(10, 20, 30), m_bar.GetColor());
    EXPECT_TRUE(m_bar.IsCustomShown());
    ASSERT_EQ(nToldBefore + 1, m_host.m_colors.size());
    EXPECT_EQ(RGB(10, 20, 30), m_host.m_colors.back().second);
}
