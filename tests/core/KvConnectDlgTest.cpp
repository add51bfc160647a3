#include <gtest/gtest.h>

#include "core/KvConnectDlg.h"
#include "core/KvOleDBCommFun.h"
#include "core/KvOleDBFun.h"
#include "core/res/resource.h"
#include "platform/db/DataSource.h"
#include "platform/db/Session.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
TEST(KvConnectDlgTest, DatabaseFileIsTestedAndConnected)
{
    CTestTempFolder folder;
    CString strPath = folder.PathOf("card.db");
    CTestUi ui;
    ui.OnDialog(IDD_KVCONNECT, [&](CTestDlg& d) {
        EXPECT_STREQ("数据库连接", d.GetCaption());
        EXPECT_TRUE(d.IsChecked(IDC_CONN_SERVER));
        EXPECT_TRUE(d.IsEnabled(IDC_CONN_USER));
        d.Click(IDC_CONN_FILE);
        EXPECT_STREQ("数据库文件(&N):", d.GetText(IDC_CONN_SERVERNAME_LABEL));
        EXPECT_FALSE(d.IsEnabled(IDC_CONN_DATABASE));
        EXPECT_FALSE(d.IsEnabled(IDC_CONN_USER));
        EXPECT_FALSE(d.IsEnabled(IDC_CONN_PASSWORD));
        d.SetText(IDC_CONN_SERVERNAME, strPath);
        d.Click(IDC_CONN_TEST);
        d.SavePicture("KvConnectDlg-file.png");
        d.Ok();
    });
    CSession session;
    CDataSource source;
    CString strName = "stale";
    EXPECT_TRUE(CKvOleDBCommFun::ConnectWithDataBase(session, source, strName));
    EXPECT_TRUE(session.IsOpen());
    std::vector<CString> boxes = ui.TakeBoxTexts();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("测试连接成功。", boxes[0]);
}

TEST(KvConnectDlgTest, CancelLeavesEverythingReleasedAndTheNameEmpty)
{
    CTestTempFolder folder;
    CSession session;
    CDataSource source;
    CString strName;
    ASSERT_TRUE(CKvOleDBCommFun::ConnectWithDataBase("Driver={SQLite3};Database=" + folder.PathOf("a.db"), session,
                                                     source, strName));
    CTestUi ui;
    ui.OnDialog(IDD_KVCONNECT, [](CTestDlg& d) {
        d.SetText(IDC_CONN_SERVERNAME, "srv");
        d.SavePicture("KvConnectDlg-server.png");
        d.Cancel();
    });
    EXPECT_FALSE(CKvOleDBCommFun::ConnectWithDataBase(session, source, strName));
    EXPECT_FALSE(session.IsOpen());
    EXPECT_FALSE(source.IsOpen());
    EXPECT_TRUE(strName.IsEmpty());
}

TEST(KvConnectDlgTest, OkWithoutServerAsksForOne)
{
    CTestUi ui;
    ui.OnDialog(IDD_KVCONNECT, [](CTestDlg& d) {
        d.Ok();
        EXPECT_EQ(IDC_CONN_SERVERNAME, d.GetFocusID());
        d.Cancel();
    });
    CKvConnectDlg dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    std::vector<CString> boxes = ui.TakeBoxTexts();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("请输入服务器或数据库文件。", boxes[0]);
}

TEST(KvConnectDlgTest, ServerFieldsMakeAProviderString)
{
    struct InitCase
    {
        const char* szName;
        int nKind;
        const char* szServer;
        const char* szUser;
        const char* szPassword;
        const char* szInit;
    };
    const InitCase cases[] = {
        {"user and password", 0, "srv", "sa", "pw",
         "Provider=SQLOLEDB.1;Persist Security Info=False;User ID=sa;Password=pw;Initial Catalog=capp;Data Source=srv"},
        {"integrated security", 0, "srv", "", "",
         "Provider=SQLOLEDB.1;Persist Security Info=False;Integrated Security=SSPI;Initial Catalog=capp;Data "
         "Source=srv"},
        {"password with ; and quote", 0, "srv", "sa", "a;\"b",
         "Provider=SQLOLEDB.1;Persist Security Info=False;User ID=sa;Password=\"a;\"\"b\";Initial Catalog=capp;Data "
         "Source=srv"},
        {"database file", 1, "C:\\d;x\\{a}.db", "", "", "Driver={SQLite3};Database={C:\\d;x\\{a}}.db}"},
        {"nothing", 0, "  ", "", "", ""},
    };
    for (const InitCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CKvConnectDlg dlg;
        dlg.m_nKind = c.nKind;
        dlg.m_strServer = c.szServer;
        dlg.m_strDatabase = "capp";
        dlg.m_strUser = c.szUser;
        dlg.m_strPassword = c.szPassword;
        EXPECT_STREQ(c.szInit, dlg.MakeInitString());
    }
}

TEST(KvConnectDlgTest, SqlServerThatCannotBeReachedGivesFalse)
{
    // No SQL Server driver here: the data source fails, and only a failed session would be shown.
    CTestUi ui;
    CSession session;
    CDataSource source;
    CString strName = "stale";
    EXPECT_FALSE(CKvOleDBFun::ConnectWithDataBase(session, "sa", "pw", "127.0.0.1,1", "capp", source, strName));
    EXPECT_FALSE(session.IsOpen());
    EXPECT_TRUE(strName.IsEmpty());
    EXPECT_TRUE(ui.GetBoxes().empty());
}
} // namespace
