// The sheet view's data-binding command end to end, on a copy of the bundled process-card template
// and of the bundled SQLite database: wizard, save, reload.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/CappSheet.h"
#include "core/CardDataRelItem.h"
#include "core/res/resource.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/detail/DataBindDlg.h"
#include "designer/shell/MainFrame.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/SheetViewFixture.h"
#include "tests/designer/detail/RowSetTestDriver.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
class DataBindViewTest : public CSheetViewFixture
{
protected:
    // A copy of the database beside the copy of the template.
    void SetUp() override
    {
        m_strDb = m_temp.PathOf("SymbolLib.db");
        ASSERT_TRUE(::CopyFileA(DesignSampleWorkDir() + "\\SymbolLib.db", m_strDb, FALSE));
        ASSERT_NO_FATAL_FAILURE(Open(CopyOfSample("Card.znt")));
    }
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

    CString m_strDb;
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
    ASSERT_TRUE(m_pView->LoadTemplate(m_strTemplate, FALSE));
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
