// The Toolbars dialog over the designer-like frame and the New Toolbar dialog's name limit.
#include <gtest/gtest.h>

#include <string>

#include "framework/FwNewToolBarDlg.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwToolBarsBase.h"
#include "framework/FwToolBarsDlg.h"
#include "framework/FwToolBarsPage.h"
#include "platform/win/CheckListBox.h"
#include "platform/win/PropertySheet.h"
#include "tests/framework/FwToolBarTestFrame.h"
#include "tests/support/UiDriver.h"

namespace
{
class FwToolBarsDlgTest : public ::testing::Test
{
protected:
    void TearDown() override { m_app.m_pMainWnd = nullptr; }
    CWinApp m_app{"FwToolBarsDlgTest"};
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

int ListIndex(const FwToolBarsBase& dlg, UINT nID)
{
    const std::vector<UINT>& ids = dlg.GetListIDs();
    for (size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == nID) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A press on the entry's check box, as the user makes it.
void ClickCheck(CTestDlg& dlg, int nIndex)
{
    HWND hList = dlg.Item(FW_IDC_TB_LIST);
    RECT rc = {};
    ::SendMessageA(hList, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&rc));
    const LPARAM lPoint = MAKELPARAM(rc.left + 6, (rc.top + rc.bottom) / 2);
    ::SendMessageA(hList, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ::SendMessageA(hList, WM_LBUTTONUP, 0, lPoint);
}
// A sibling page that records the style notifications it hears.
class CSiblingPage : public CPropertyPage
{
public:
    CSiblingPage() : CPropertyPage(3300) {}
    std::vector<WPARAM> m_codes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == FwToolBarsPage::GetStyleChangingMessage()) {
            m_codes.push_back(wParam);
            return 0;
        }
        return CPropertyPage::WindowProc(message, wParam, lParam);
    }
};
} // namespace

TEST_F(FwToolBarsDlgTest, NamesAreCutToTheLimitWithoutSplittingACharacter)
{
    struct CutCase
    {
        const char* szName;
        std::string strIn;
        size_t nOut;
    };
    const CutCase cases[] = {
        {"short names stay", "Mine", 4},
        {"exactly the limit", std::string(128, 'a'), 128},
        {"one over", std::string(129, 'a'), 128},
        {"far over", std::string(5000, 'b'), 128},
        {"a double-byte character across the limit goes whole", std::string(127, 'a') + "\xB9\xA4", 127},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nOut, static_cast<size_t>(FwNewToolBarDlg::CutName(CString(c.strIn.c_str())).GetLength()));
    }
}

TEST_F(FwToolBarsDlgTest, TheMenuBarStaysCheckedAndANewBarIsCreatedByName)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    pFrame->Idle();
    FwToolBarManager* pManager = pFrame->m_pManager;

    CTestUi ui;
    const std::string strLong(300, 'n');
    ui.OnDialog(FW_IDD_TOOLBARS, [&](CTestDlg& dlg) {
        FwToolBarsDlg* pDlg = static_cast<FwToolBarsDlg*>(dlg.GetDialog());
        EXPECT_TRUE(pManager->IsCustomizeMode());
        // Six bars with titles, by control id; the menu bar last.
        EXPECT_EQ(6U, pDlg->GetListIDs().size());
        const int nMenu = ListIndex(*pDlg, FW_IDW_MENUBAR);
        const int nEdit = ListIndex(*pDlg, 0xE806);
        ASSERT_GE(nMenu, 0);
        ASSERT_GE(nEdit, 0);
        CCheckListBox* pList = static_cast<CCheckListBox*>(CWnd::FromHandlePermanent(dlg.Item(FW_IDC_TB_LIST)));
        ASSERT_NE(nullptr, pList);
        EXPECT_EQ(1, pList->GetCheck(nMenu));
        ClickCheck(dlg, nMenu);
        EXPECT_EQ(1, pList->GetCheck(nMenu));
        EXPECT_TRUE(pFrame->GetMenuBar()->IsVisible());
        // Another bar hides and comes back.
        ClickCheck(dlg, nEdit);
        EXPECT_EQ(0, pList->GetCheck(nEdit));
        EXPECT_FALSE(pFrame->Bar(0xE806)->IsVisible());
        ClickCheck(dlg, nEdit);
        EXPECT_TRUE(pFrame->Bar(0xE806)->IsVisible());
        // A default bar: the name cannot be edited and the button resets.
        pList->SetCurSel(nEdit);
        dlg.GetDialog()->SendMessage(WM_COMMAND, MAKEWPARAM(FW_IDC_TB_LIST, LBN_SELCHANGE),
                                     reinterpret_cast<LPARAM>(dlg.Item(FW_IDC_TB_LIST)));
        EXPECT_FALSE(dlg.IsEnabled(FW_IDC_TB_NAME));
        EXPECT_STREQ("&Reset", dlg.GetText(FW_IDC_TB_RESET));
        pFrame->Bar(0xE806)->RemoveButton(0, FALSE);
        dlg.Click(FW_IDC_TB_RESET);
        EXPECT_EQ(10, pFrame->Bar(0xE806)->GetButtonCount());
        dlg.SavePicture("fwtoolbars-dialog.png");
        dlg.Click(FW_IDC_TB_NEW);
    });
    ui.OnDialog(FW_IDD_NEWTOOLBAR, [&](CTestDlg& dlg) {
        EXPECT_FALSE(dlg.IsEnabled(IDOK));
        dlg.SetText(FW_IDC_NEWTOOLBAR_NAME, strLong.c_str());
        EXPECT_EQ(128, dlg.GetText(FW_IDC_NEWTOOLBAR_NAME).GetLength());
        EXPECT_TRUE(dlg.IsEnabled(IDOK));
        dlg.SetText(FW_IDC_NEWTOOLBAR_NAME, "Shapes 2");
        dlg.Ok();
    });
    FwToolBarsDlg dlg(pManager, pFrame);
    EXPECT_EQ(FW_IDC_TB_CUSTOMIZE, dlg.DoModal());
    EXPECT_FALSE(pManager->IsCustomizeMode());

    FwCustomToolBar* pNew = pFrame->Bar(0xE820);
    ASSERT_NE(nullptr, pNew);
    CString strTitle;
    pNew->GetWindowText(strTitle);
    EXPECT_STREQ("Shapes 2", strTitle);
    EXPECT_TRUE(pNew->IsFloating());

    // The new bar is a user bar: renamed (cut to the limit) and deleted from the dialog.
    ui.OnDialog(FW_IDD_TOOLBARS, [&](CTestDlg& dlg) {
        FwToolBarsDlg* pDlg = static_cast<FwToolBarsDlg*>(dlg.GetDialog());
        const int nUser = ListIndex(*pDlg, 0xE820);
        ASSERT_GE(nUser, 0);
        CCheckListBox* pList = static_cast<CCheckListBox*>(CWnd::FromHandlePermanent(dlg.Item(FW_IDC_TB_LIST)));
        pList->SetCurSel(nUser);
        dlg.GetDialog()->SendMessage(WM_COMMAND, MAKEWPARAM(FW_IDC_TB_LIST, LBN_SELCHANGE),
                                     reinterpret_cast<LPARAM>(dlg.Item(FW_IDC_TB_LIST)));
        EXPECT_TRUE(dlg.IsEnabled(FW_IDC_TB_NAME));
        EXPECT_STREQ("&Delete", dlg.GetText(FW_IDC_TB_RESET));
        dlg.SetText(FW_IDC_TB_NAME, strLong.c_str());
        EXPECT_EQ(128, dlg.GetText(FW_IDC_TB_NAME).GetLength());
        dlg.GetDialog()->SendMessage(WM_COMMAND, MAKEWPARAM(FW_IDC_TB_NAME, EN_KILLFOCUS),
                                     reinterpret_cast<LPARAM>(dlg.Item(FW_IDC_TB_NAME)));
        CString strRenamed;
        pFrame->Bar(0xE820)->GetWindowText(strRenamed);
        EXPECT_EQ(128, strRenamed.GetLength());
        // Deleting an entry selects the one that takes its place.
        pList->SetCurSel(nUser);
        dlg.Click(FW_IDC_TB_RESET);
        EXPECT_EQ(-1, ListIndex(*pDlg, 0xE820));
        EXPECT_EQ(nUser, pList->GetCurSel());
        dlg.Ok();
    });
    EXPECT_EQ(IDOK, FwToolBarsDlg(pManager, pFrame).DoModal());
    EXPECT_EQ(nullptr, pFrame->Bar(0xE820));
}

TEST_F(FwToolBarsDlgTest, ThePageTellsItsSiblingsOfStyleChangesAndCreatesBars)
{
    FrameHolder holder;
    CFwTbFrame* pFrame = holder.pFrame;
    ASSERT_TRUE(pFrame->Create());
    FwToolBarManager* pManager = pFrame->m_pManager;
    FwToolBarsPage page(pManager);
    CSiblingPage sibling;
    CPropertySheet sheet("Customize", pFrame);
    sheet.AddPage(&page);
    sheet.AddPage(&sibling);
    ASSERT_TRUE(sheet.Create(pFrame));
    sheet.SetActivePage(1);
    sheet.SetActivePage(0);
    ASSERT_NE(nullptr, page.m_hWnd);
    EXPECT_EQ(6U, page.GetListIDs().size());
    EXPECT_TRUE(pManager->IsCustomizeMode());

    // Cool look off: the setting goes through and the sibling hears code 2; large buttons code 1.
    ::SendMessageA(::GetDlgItem(page.m_hWnd, FW_IDC_TB_COOLLOOK), BM_CLICK, 0, 0);
    EXPECT_FALSE(pManager->IsCoolLook());
    ::SendMessageA(::GetDlgItem(page.m_hWnd, FW_IDC_TB_LARGE), BM_CLICK, 0, 0);
    EXPECT_TRUE(pManager->IsLargeButtons());
    EXPECT_EQ(std::vector<WPARAM>({2, 1}), sibling.m_codes);

    // New only creates the bar; the page lists it from the manager's notification.
    CTestUi ui;
    ui.OnDialog(FW_IDD_NEWTOOLBAR, [](CTestDlg& dlg) {
        dlg.SetText(FW_IDC_NEWTOOLBAR_NAME, "Page bar");
        dlg.Ok();
    });
    ::SendMessageA(::GetDlgItem(page.m_hWnd, FW_IDC_TB_NEW), BM_CLICK, 0, 0);
    ASSERT_NE(nullptr, pFrame->Bar(0xE820));
    EXPECT_GE(ListIndex(page, 0xE820), 0);
    EXPECT_NE(nullptr, page.m_hWnd);
    sheet.DestroyWindow();
}
