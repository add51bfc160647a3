#include <gtest/gtest.h>

#include "KvTestHost.h"
#include "common/KvTabCtrl.h"
#include "platform/base/FxIcon.h"
#include "platform/gdi/ImageList.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/PngFile.h"
#include "support/UiDriver.h"

namespace
{
class KvTabCtrlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Open());
        CWnd* pTab = m_host.GetDlgItem(IDC_KVTEST_TAB);
        ASSERT_NE(nullptr, pTab);
        ASSERT_TRUE(m_tab.Install(pTab));
        const char* names[] = {"常规", "字体", "边框", "对齐"};
        for (int i = 0; i < 4; ++i) {
            m_tab.InsertItem(i, names[i]);
        }
        m_tab.SetCurSel(0);
    }

    CKvTestHost m_host{IDD_KVTEST_CONTROLS};
    CKvTabCtrl m_tab;
};
} // namespace

TEST_F(KvTabCtrlTest, InstallMakesTheTabsOwnerDrawn)
{
    EXPECT_NE(0u, m_tab.GetStyle() & TCS_OWNERDRAWFIXED);
    EXPECT_EQ(&m_tab, CWnd::FromHandlePermanent(m_tab.m_hWnd));
    EXPECT_TRUE(m_tab.Install(&m_tab));
}

TEST_F(KvTabCtrlTest, ArrowsSkipDisabledTabs)
{
    ASSERT_TRUE(m_tab.EnableItem(1, FALSE));
    struct KeyCase
    {
        const char* szName;
        int nStart;
        UINT nKey;
        int nExpected;
    };
    const KeyCase cases[] = {
        {"right from 0 skips 1", 0, VK_RIGHT, 2},  {"left from 2 skips 1", 2, VK_LEFT, 0},
        {"left from 0 wraps to 3", 0, VK_LEFT, 3}, {"right from 3 wraps to 0", 3, VK_RIGHT, 0},
        {"down as right", 0, VK_DOWN, 2},          {"up as left", 3, VK_UP, 2},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_tab.SetCurSel(c.nStart);
        m_tab.SendMessage(WM_KEYDOWN, c.nKey);
        EXPECT_EQ(c.nExpected, m_tab.GetCurSel());
    }
}

TEST_F(KvTabCtrlTest, SelectingADisabledTabIsRedirectedOrRefused)
{
    ASSERT_TRUE(m_tab.EnableItem(2, FALSE));
    m_tab.SetCurSel(1);
    EXPECT_EQ(0, m_tab.SendMessage(TCM_SETCURSEL, 2));
    EXPECT_EQ(3, m_tab.GetCurSel());
    // A jump of two away from the first tab is not redirected.
    m_tab.SetCurSel(0);
    ASSERT_TRUE(m_tab.EnableItem(2, TRUE));
    ASSERT_TRUE(m_tab.EnableItem(3, FALSE));
    m_tab.SetCurSel(1);
    EXPECT_EQ(-1, m_tab.SendMessage(TCM_SETCURSEL, 3));
    EXPECT_EQ(1, m_tab.GetCurSel());
}

TEST_F(KvTabCtrlTest, ClickOnADisabledTabChangesNothing)
{
    m_host.Show();
    ASSERT_TRUE(m_tab.EnableItem(2, FALSE));
    CRect rc;
    ASSERT_TRUE(m_tab.GetItemRect(2, &rc));
    PostMouse(m_tab.m_hWnd, WM_LBUTTONDOWN, rc.CenterPoint().x, rc.CenterPoint().y, MK_LBUTTON);
    PostMouse(m_tab.m_hWnd, WM_LBUTTONUP, rc.CenterPoint().x, rc.CenterPoint().y);
    EXPECT_EQ(0, m_tab.GetCurSel());

    ASSERT_TRUE(m_tab.GetItemRect(3, &rc));
    PostMouse(m_tab.m_hWnd, WM_LBUTTONDOWN, rc.CenterPoint().x, rc.CenterPoint().y, MK_LBUTTON);
    PostMouse(m_tab.m_hWnd, WM_LBUTTONUP, rc.CenterPoint().x, rc.CenterPoint().y);
    EXPECT_EQ(3, m_tab.GetCurSel());
}

TEST_F(KvTabCtrlTest, EnableItemEdgeCases)
{
    EXPECT_FALSE(m_tab.IsItemEnabled(-1));
    EXPECT_FALSE(m_tab.IsItemEnabled(4));
    EXPECT_FALSE(m_tab.EnableItem(4, FALSE));

    // Disabling the selected tab moves the selection on first.
    EXPECT_TRUE(m_tab.EnableItem(0, FALSE));
    EXPECT_EQ(1, m_tab.GetCurSel());
    int nPos = -1;
    EXPECT_FALSE(m_tab.IsItemEnabled(0, &nPos));
    EXPECT_EQ(0, nPos);

    // Enabling twice leaves no entry behind.
    EXPECT_TRUE(m_tab.EnableItem(0, TRUE));
    EXPECT_TRUE(m_tab.EnableItem(0, TRUE));
    EXPECT_EQ(0, m_tab.GetDisabledArray().GetSize());

    // The only enabled tab cannot be disabled.
    m_tab.SetCurSel(3);
    EXPECT_TRUE(m_tab.EnableItem(0, FALSE));
    EXPECT_TRUE(m_tab.EnableItem(1, FALSE));
    EXPECT_TRUE(m_tab.EnableItem(2, FALSE));
    EXPECT_FALSE(m_tab.EnableItem(3, FALSE));
    EXPECT_TRUE(m_tab.IsItemEnabled(3));
    EXPECT_EQ(3, m_tab.GetCurSel());
}

TEST_F(KvTabCtrlTest, TabImagesComeFromBitmapsAndIcons)
{
    // Without an image list there is nowhere to put them.
    EXPECT_EQ(-1, m_tab.SetItemImage(0, IDB_KVTEST_HOT_NORMAL, static_cast<UINT>(-1)));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4));
    m_tab.SetImageList(images);
    EXPECT_EQ(0, m_tab.SetItemImage(0, IDB_KVTEST_HOT_NORMAL, static_cast<UINT>(-1)));
    EXPECT_EQ(-1, m_tab.SetItemImage(4, IDB_KVTEST_HOT_NORMAL, static_cast<UINT>(-1)));
    EXPECT_EQ(-1, m_tab.SetItemImage(1, 4999, static_cast<UINT>(-1)));
    CFxIcon icon(images.ExtractIcon(0));
    ASSERT_NE(nullptr, static_cast<HICON>(icon));
    EXPECT_EQ(1, m_tab.SetItemImage(1, icon));
    TCITEMA item = {};
    item.mask = TCIF_IMAGE;
    ASSERT_TRUE(m_tab.GetItem(1, &item));
    EXPECT_EQ(1, item.iImage);
    ASSERT_TRUE(m_tab.EnableItem(1, FALSE));
    m_tab.SetCurSel(2);
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "tab-images.png"));
    m_tab.SetImageList(nullptr);
}

TEST_F(KvTabCtrlTest, PictureWithDisabledTab)
{
    ASSERT_TRUE(m_tab.EnableItem(1, FALSE));
    m_tab.SetCurSel(2);
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "tab-disabled.png"));
}
