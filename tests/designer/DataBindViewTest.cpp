// The sheet view's data-binding command end to end, on a copy of the bundled process-card template
// and of the bundled SQLite database: wizard, save, reload.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/CappSheet.h"
#include "core/CardDataRelItem.h"
#include "core/res/resource.h"
#include "designer/CappSheetDefChildFrame.h"
#include "designer/CappSheetDefView.h"
#include "designer/DataBindDlg.h"
#include "designer/MainFrame.h"
#include "designer/VornDesignApp.h"
#include "designer/res/resource.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/RowSetTestDriver.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
class DataBindViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_strPath = m_temp.PathOf("Card.znt");
        ASSERT_TRUE(::CopyFileA(DesignSampleWorkDir() + "\\Template\\ProcessCard.znt", m_strPath, FALSE));
        m_strDb = m_temp.PathOf("SymbolLib.db");
        ASSERT_TRUE(::CopyFileA(DesignSampleWorkDir() + "\\SymbolLib.db", m_strDb, FALSE));
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_strCmdLine = "";
        m_app.m_nCmdShow = SW_SHOWNA;
        ASSERT_TRUE(DesignStartApp(m_app));
        m_pMain = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pMain);
        m_pMain->MoveWindow(0, 0, 900, 640);
        m_pMain->OpenTemplate(m_strPath);
        DesignPumpMessages();
        for (int i = 0; i < m_pMain->GetWorksheetCount() && m_pView == nullptr; ++i) {
            auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pMain->GetWorksheet(i));
            CCappSheetDefView* pView = pChild != nullptr ? pChild->GetSheetDefView() : nullptr;
            if (pView != nullptr && pView->GetPath() == m_strPath) {
                m_pView = pView;
            }
        }
        ASSERT_NE(nullptr, m_pView);
        ASSERT_TRUE(m_pView->IsTemplateLoaded());
    }
    void TearDown() override
    {
        if (m_pView != nullptr) {
            m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        }
        if (m_pMain != nullptr && ::IsWindow(m_pMain->m_hWnd)) {
            m_pMain->DestroyWindow();
        }
        m_app.m_pMainWnd = nullptr;
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        DesignPumpMessages();
    }
    void Command(UINT nID) { m_pView->SendMessage(WM_COMMAND, nID, 0); }
    CDataBindDlg* BindDialog(CTestDlg& d) { return static_cast<CDataBindDlg*>(d.GetDialog()); }
    void PressHeadButton(CDataBindDlg& dlg)
    {
        CRect rc;
        dlg.m_list.GetItemRect(0, &rc);
        const LPARAM lParam = MAKELPARAM(rc.left + 4, rc.CenterPoint().y);
        dlg.m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        dlg.m_list.SendMessage(WM_LBUTTONUP, 0, lParam);
        HWND hButton = ::GetDlgItem(dlg.m_list.m_hWnd, IDC_PROPLIST_BUTTON);
        ASSERT_NE(nullptr, hButton);
        ::SendMessageA(hButton, BM_CLICK, 0, 0);
    }
    int CountKind(int nKind)
    {
        int nCount = 0;
        const CObList& list = m_pView->m_pSheet->m_CardDataRel.m_listRelItem;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            nCount += static_cast<const CCardDataRelItem*>(list.GetNext(pos))->m_nKind == nKind ? 1 : 0;
        }
        return nCount;
    }

    CTestTempFolder m_temp;
    CString m_strPath;
    CString m_strDb;
    CVornDesignApp m_app;
    CMainFrame* m_pMain = nullptr;
    CCappSheetDefView* m_pView = nullptr;
};
} // namespace

TEST_F(DataBindViewTest, HeadBindingThroughTheWizardSurvivesSaveAndReload)
{
    ASSERT_EQ(0, CountKind(0));
    const int nBefore = m_pView->m_pSheet->m_CardDataRel.m_listRelItem.GetCount();
    const CString strInit = "Driver={SQLite3};Database={" + m_strDb + "}";
    {
        CTestUi ui;
        CRowSetTestDriver driver;
        ui.OnDialog(IDD_KVCONNECT, [&](CTestDlg& d) {
            d.Click(IDC_CONN_FILE);
            d.SetText(IDC_CONN_SERVERNAME, m_strDb);
            d.Ok();
        });
        ui.OnDialog(IDD_DATA_BIND, [&](CTestDlg& d) {
            CDataBindDlg& dlg = *BindDialog(d);
            EXPECT_STREQ("表头", dlg.m_list.GetItem(0)->m_strName);
            EXPECT_EQ(0u, dlg.m_list.GetItemData(0));
            driver.Start({
                [&](CRowSetSheet& sh) {
                    CTestDlg page(sh.GetPage(0));
                    page.Click(IDC_ROWSET_CHOOSE);
                    EXPECT_STREQ(strInit, page.GetText(IDC_ROWSET_CONNECT));
                    CRowSetTestDriver::Press(sh, PSBTN_NEXT);
                },
                [&](CRowSetSheet& sh) {
                    CTestDlg(sh.GetPage(1)).SetText(IDC_ROWSET_SQL, "  select a from t  ");
                    CRowSetTestDriver::Press(sh, PSBTN_NEXT);
                },
                [&](CRowSetSheet& sh) { CRowSetTestDriver::Press(sh, PSBTN_FINISH); },
            });
            PressHeadButton(dlg);
            EXPECT_TRUE(driver.IsDone());
            EXPECT_NE(0u, dlg.m_list.GetItemData(0));
            d.Ok();
        });
        Command(ID_SHEET_DATA_BINDING);
        EXPECT_TRUE(ui.GetBoxes().empty());
    }
    EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());

    ASSERT_TRUE(m_pView->SaveTemplate(CCappSheetDefView::saveModeSave));
    ASSERT_TRUE(m_pView->LoadTemplate(m_strPath, FALSE));
    EXPECT_EQ(nBefore + 1, m_pView->m_pSheet->m_CardDataRel.m_listRelItem.GetCount());
    ASSERT_EQ(1, CountKind(0));
    const CCardDataRelItem* pRel = m_pView->m_pSheet->m_CardDataRel.GetRelItem(0, "");
    ASSERT_NE(nullptr, pRel);
    EXPECT_STREQ(strInit, pRel->m_strConnect);
    EXPECT_STREQ("select a from t", pRel->m_strSQL);

    // The reloaded binding shows on the head row, and its wizard starts from what it holds.
    CTestUi ui;
    CRowSetTestDriver driver;
    ui.OnDialog(IDD_DATA_BIND, [&](CTestDlg& d) {
        CDataBindDlg& dlg = *BindDialog(d);
        EXPECT_EQ(reinterpret_cast<DWORD_PTR>(pRel), dlg.m_list.GetItemData(0));
        driver.Start({
            [&](CRowSetSheet& sh) {
                EXPECT_EQ(pRel, sh.m_pRelItem);
                EXPECT_STREQ(strInit, CTestDlg(sh.GetPage(0)).GetText(IDC_ROWSET_CONNECT));
                CRowSetTestDriver::Press(sh, PSBTN_CANCEL);
            },
        });
        PressHeadButton(dlg);
        EXPECT_TRUE(driver.IsDone());
        d.Ok();
    });
    Command(ID_SHEET_DATA_BINDING);
    EXPECT_EQ(1, CountKind(0));
    EXPECT_EQ(CCappSheetDefView::saveStateSaved, m_pView->GetSaveState()) << "nothing changed";
}
