#include <gtest/gtest.h>

#include "common/KvPropertySheet.h"
#include "platform/gdi/Font.h"
#include "platform/win/PropertyPage.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/UiDriver.h"

namespace
{
class CTestPage : public CPropertyPage
{
public:
    explicit CTestPage(UINT nID) : CPropertyPage(nID) {}
    BOOL OnKillActive() override { return m_bLetGo; }
    BOOL m_bLetGo = TRUE;
};

class KvPropertySheetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (CTestPage* pPage : {&m_page1, &m_page2, &m_page3, &m_page4}) {
            m_sheet.AddPage(pPage);
        }
        ASSERT_TRUE(m_sheet.Create());
    }
    void TearDown() override
    {
        if (m_sheet.m_hWnd != nullptr) {
            m_sheet.DestroyWindow();
        }
    }

    CTestPage m_page1{IDD_KVTEST_PAGE1};
    CTestPage m_page2{IDD_KVTEST_PAGE2};
    CTestPage m_page3{IDD_KVTEST_PAGE3};
    CTestPage m_page4{IDD_KVTEST_PAGE4};
    CKvPropertySheet m_sheet{"单元格样式"};
};
} // namespace

TEST_F(KvPropertySheetTest, SheetInstallsItsTabControl)
{
    CWnd* pTab = m_sheet.GetTabControl();
    ASSERT_NE(nullptr, pTab);
    EXPECT_EQ(&m_sheet.GetKvTabCtrl(), CWnd::FromHandlePermanent(pTab->m_hWnd));
    EXPECT_NE(0u, pTab->GetStyle() & TCS_OWNERDRAWFIXED);
    EXPECT_EQ(4, m_sheet.GetKvTabCtrl().GetItemCount());
    EXPECT_EQ(0, m_sheet.GetActiveIndex());
    EXPECT_EQ(&m_page1, m_sheet.GetActivePage());
}

TEST_F(KvPropertySheetTest, ArrowsSkipADisabledPage)
{
    ASSERT_TRUE(m_sheet.EnableTabItem(1, FALSE));
    EXPECT_FALSE(m_sheet.IsItemEnabled(1));
    m_sheet.GetKvTabCtrl().SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(2, m_sheet.GetKvTabCtrl().GetCurSel());
    EXPECT_EQ(2, m_sheet.GetActiveIndex());
    m_sheet.GetKvTabCtrl().SendMessage(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(0, m_sheet.GetActiveIndex());
}

TEST_F(KvPropertySheetTest, PageThatRefusesToBeLeftKeepsTheSelection)
{
    m_page1.m_bLetGo = FALSE;
    m_sheet.GetKvTabCtrl().SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(0, m_sheet.GetKvTabCtrl().GetCurSel());
    EXPECT_EQ(0, m_sheet.GetActiveIndex());
    m_page1.m_bLetGo = TRUE;
}

TEST_F(KvPropertySheetTest, ButtonsAndLabelFont)
{
    m_sheet.ShowButton(IDHELP, SW_HIDE);
    HWND hHelp = ::GetDlgItem(m_sheet.m_hWnd, IDHELP);
    if (hHelp != nullptr) {
        EXPECT_FALSE(::IsWindowVisible(hHelp));
    }
    CFont font;
    ASSERT_TRUE(font.CreateFont(-14, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体"));
    m_sheet.SetLabelFont(&font);
    EXPECT_EQ(font.GetSafeHandle(), reinterpret_cast<HGDIOBJ>(m_sheet.GetKvTabCtrl().SendMessage(WM_GETFONT)));
    ASSERT_TRUE(m_sheet.EnableTabItem(3, FALSE));
    EXPECT_TRUE(SaveWindowPicture(m_sheet.m_hWnd, "property-sheet.png"));
    m_sheet.SetLabelFont(nullptr);
}
