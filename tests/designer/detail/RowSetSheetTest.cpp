// The row-set wizard on a row set: its pages, buttons, the connection through the database
// helpers' dialog, and what Next stores.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/CardDataRelItem.h"
#include "core/res/resource.h"
#include "designer/detail/RowSetSheet.h"
#include "designer/res/resource.h"
#include "gridkit/GkGridWnd.h"
#include "tests/designer/detail/RowSetTestDriver.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
const int idBack = 0x3023;
const int idNext = 0x3024;
const int idFinish = 0x3025;

CString PageText(CRowSetSheet& sh, int nPage, int nID)
{
    CString str;
    sh.GetPage(nPage)->GetDlgItemText(nID, str);
    return str;
}

// The link page's grid control needs the library's window classes, as the designer registers
// them at start-up.
class RowSetSheetTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(GkInitLibrary(1536, 0, 0)); }
};

CString PageCaption(CRowSetSheet& sh)
{
    CString str;
    sh.GetActivePage()->GetWindowText(str);
    return str;
}

TEST_F(RowSetSheetTest, NextStoresEachPageAndFinishEndsTheWizard)
{
    struct StoreCase
    {
        const char* szName;
        const char* szConnect;
        const char* szSQL;
        const char* szStoredSQL;
    };
    const StoreCase cases[] = {
        {"typed connection, statement trimmed", "Driver={SQLite3};Database={Z:\\a.db}", "  select a from t  ",
         "select a from t"},
        {"blanks only become empty", "DSN=capp", "   \t  ", ""},
        {"line breaks at the ends go too", "DSN=capp", "\r\nselect 1\r\n", "select 1"},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardDataRelItem rel;
        rel.m_nKind = 0;
        CRowSetSheet sheet(IDS_ROWSET_CAPTION);
        sheet.SetWizardMode();
        sheet.m_pRelItem = &rel;
        const bool bPictures = &c == &cases[0];
        CRowSetTestDriver driver;
        driver.Start({
            [&](CRowSetSheet& sh) {
                EXPECT_STREQ("连接数据库", PageCaption(sh));
                EXPECT_STREQ("", PageText(sh, 0, IDC_ROWSET_CONNECT));
                sh.GetPage(0)->SetDlgItemText(IDC_ROWSET_CONNECT, c.szConnect);
                if (bPictures) {
                    EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "rowset-connect-page.png"));
                }
                CRowSetTestDriver::Press(sh, PSBTN_NEXT);
                EXPECT_STREQ(c.szConnect, rel.m_strConnect) << "stored on Next";
            },
            [&](CRowSetSheet& sh) {
                EXPECT_STREQ("编辑 SQL 语句", PageCaption(sh));
                EXPECT_TRUE(CRowSetTestDriver::IsButtonUsable(sh, idBack));
                EXPECT_TRUE(CRowSetTestDriver::IsButtonUsable(sh, idNext));
                sh.GetPage(1)->SetDlgItemText(IDC_ROWSET_SQL, c.szSQL);
                if (bPictures) {
                    EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "rowset-sql-page.png"));
                }
                CRowSetTestDriver::Press(sh, PSBTN_NEXT);
                EXPECT_STREQ(c.szStoredSQL, rel.m_strSQL);
            },
            [&](CRowSetSheet& sh) {
                EXPECT_STREQ("设置 SQL 的字段", PageCaption(sh));
                EXPECT_TRUE(CRowSetTestDriver::IsButtonUsable(sh, idBack));
                EXPECT_TRUE(CRowSetTestDriver::IsButtonUsable(sh, idFinish));
                EXPECT_NE(nullptr, sh.m_pageLink.m_grid.m_hWnd) << "the grid subclasses its control";
                if (bPictures) {
                    EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "rowset-link-page.png"));
                }
                CRowSetTestDriver::Press(sh, PSBTN_FINISH);
            },
        });
        EXPECT_EQ(ID_WIZFINISH, sheet.DoModal());
        EXPECT_TRUE(driver.IsDone());
        EXPECT_STREQ(c.szConnect, rel.m_strConnect);
        EXPECT_STREQ(c.szStoredSQL, rel.m_strSQL);
        EXPECT_EQ(0, rel.m_nKind);
    }
}

// Values stored by Next stay when the wizard is cancelled later; a row set opened again shows
// what it holds, so that Next does not wipe it.
TEST_F(RowSetSheetTest, CancelKeepsWhatNextStoredAndPagesShowTheRowSet)
{
    CCardDataRelItem rel;
    rel.m_strConnect = "DSN=old";
    rel.m_strSQL = "select 1";
    CRowSetSheet sheet(IDS_ROWSET_CAPTION);
    sheet.SetWizardMode();
    sheet.m_pRelItem = &rel;
    CRowSetTestDriver driver;
    driver.Start({
        [&](CRowSetSheet& sh) {
            EXPECT_STREQ("DSN=old", PageText(sh, 0, IDC_ROWSET_CONNECT));
            sh.GetPage(0)->SetDlgItemText(IDC_ROWSET_CONNECT, "DSN=new");
            CRowSetTestDriver::Press(sh, PSBTN_NEXT);
        },
        [&](CRowSetSheet& sh) {
            EXPECT_STREQ("select 1", PageText(sh, 1, IDC_ROWSET_SQL));
            CRowSetTestDriver::Press(sh, PSBTN_CANCEL);
        },
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_TRUE(driver.IsDone());
    EXPECT_STREQ("DSN=new", rel.m_strConnect);
    EXPECT_STREQ("select 1", rel.m_strSQL);
}

TEST_F(RowSetSheetTest, ChoosingADataSource)
{
    CTestTempFolder folder;
    const CString strDb = folder.PathOf("rowset.db");
    struct ChooseCase
    {
        const char* szName;
        BOOL bConnect; // the connection dialog ends with OK on a database file
        const char* szTyped;
        bool bMessage;
    };
    const ChooseCase cases[] = {
        {"cancelled: message, typed text kept", FALSE, "DSN=typed", true},
        {"connected: the initialisation string replaces the text", TRUE, "DSN=typed", false},
    };
    for (const ChooseCase& c : cases) {
        SCOPED_TRACE(c.szName);
        const CString strExpected = c.bConnect ? "Driver={SQLite3};Database={" + strDb + "}" : CString(c.szTyped);
        CCardDataRelItem rel;
        CRowSetSheet sheet(IDS_ROWSET_CAPTION);
        sheet.SetWizardMode();
        sheet.m_pRelItem = &rel;
        CTestUi ui;
        ui.OnDialog(IDD_KVCONNECT, [&](CTestDlg& d) {
            if (!c.bConnect) {
                d.Cancel();
                return;
            }
            d.Click(IDC_CONN_FILE);
            d.SetText(IDC_CONN_SERVERNAME, strDb);
            d.Ok();
        });
        CRowSetTestDriver driver;
        driver.Start({
            [&](CRowSetSheet& sh) {
                CTestDlg page(sh.GetPage(0));
                page.SetText(IDC_ROWSET_CONNECT, c.szTyped);
                page.Click(IDC_ROWSET_CHOOSE);
                EXPECT_STREQ(strExpected, page.GetText(IDC_ROWSET_CONNECT));
                const std::vector<CTestUi::Box> boxes = ui.GetBoxes();
                if (c.bMessage) {
                    ASSERT_EQ(1u, boxes.size());
                    EXPECT_STREQ("数据源连接出错，请核对后再试！", boxes[0].strText);
                    EXPECT_STREQ("提示", boxes[0].strCaption);
                    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes[0].nType & MB_ICONMASK);
                } else {
                    EXPECT_TRUE(boxes.empty());
                }
                CRowSetTestDriver::Press(sh, PSBTN_NEXT);
            },
            [&](CRowSetSheet& sh) { CRowSetTestDriver::Press(sh, PSBTN_CANCEL); },
        });
        EXPECT_EQ(IDCANCEL, sheet.DoModal());
        EXPECT_TRUE(driver.IsDone());
        EXPECT_STREQ(strExpected, rel.m_strConnect);
    }
}
} // namespace
