// The print and print set-up dialogs as Wine shows them, answered through the system-dialog hook:
// what the application's printer becomes on OK and stays on Cancel, and the document's page setup
// offered as the dialog's start.
#include <gtest/gtest.h>

#include "platform/frame/WinApp.h"
#include "platform/print/PrintDialog.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/support/SysDlgDriver.h"

// After the windows headers.
#include <dlgs.h>

namespace
{
short Orientation(HGLOBAL hDevMode)
{
    return DevModeOrientation(hDevMode);
}

class PrintDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CString strError;
        ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
        ASSERT_TRUE(SelectTestPrinter(&m_app));
        ASSERT_EQ(DMORIENT_PORTRAIT, Orientation(m_app.m_hDevMode));
    }

    CWinApp m_app{"PrintDialogTest"};
};
} // namespace

TEST_F(PrintDialogTest, CancelLeavesTheApplicationsPrinterAndGivesNoDC)
{
    const struct
    {
        const char* pszName;
        BOOL bSetupOnly;
    } cases[] = {{"print", FALSE}, {"print set-up", TRUE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestSysDialogs sys;
        sys.OnDialog([&](CTestSysDlg& d) {
            // Only the print dialog has the page range.
            EXPECT_EQ(!c.bSetupOnly, d.HasItem(edt1));
            if (c.bSetupOnly) {
                d.Click(rad2);
            }
            d.Cancel();
        });
        CPrintDialog dlg(c.bSetupOnly);
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(1, sys.GetDialogsOpened());
        EXPECT_EQ(nullptr, dlg.GetPrinterDC());
        EXPECT_EQ(DMORIENT_PORTRAIT, Orientation(m_app.m_hDevMode));
    }
}

TEST_F(PrintDialogTest, AcceptedSettingsBecomeTheApplicationsAndThePrintDialogGivesADC)
{
    CTestSysDialogs sys;
    sys.OnDialog([](CTestSysDlg& d) {
        d.Click(rad2);
        d.Ok();
    });
    CPrintDialog setup(TRUE);
    EXPECT_EQ(IDOK, setup.DoModal());
    EXPECT_EQ(DMORIENT_LANDSCAPE, Orientation(m_app.m_hDevMode));
    EXPECT_EQ(nullptr, setup.GetPrinterDC());

    sys.OnDialog([](CTestSysDlg& d) { d.Ok(); });
    CPrintDialog print(FALSE);
    EXPECT_EQ(IDOK, print.DoModal());
    EXPECT_EQ(2, sys.GetDialogsOpened());
    EXPECT_STREQ(FX_TEST_PRINTER, print.GetDeviceName());
    ASSERT_NE(nullptr, print.GetPrinterDC());
    EXPECT_GT(::GetDeviceCaps(print.GetPrinterDC(), HORZRES), ::GetDeviceCaps(print.GetPrinterDC(), VERTRES));
}

// A landscape page setup is where the dialog starts: accepted as offered it is kept and its DC is
// landscape; cancelled, the application's own settings stay as they were.
TEST_F(PrintDialogTest, ThePageSetupIsOfferedAndKeptWhenAcceptedAsItIs)
{
    CTestSysDialogs sys;
    sys.OnDialog([](CTestSysDlg& d) { d.Cancel(); });
    {
        CPrintDialog dlg(FALSE);
        dlg.SetPageSetup(CPrintPageSetup::FromPageSize(2970, 2100));
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
    EXPECT_EQ(DMORIENT_PORTRAIT, Orientation(m_app.m_hDevMode));

    sys.OnDialog([](CTestSysDlg& d) { d.Ok(); });
    CPrintDialog dlg(FALSE);
    dlg.SetPageSetup(CPrintPageSetup::FromPageSize(2970, 2100));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2, sys.GetDialogsOpened());
    EXPECT_TRUE(dlg.IsPageSetupKept());
    ASSERT_NE(nullptr, dlg.GetPrinterDC());
    EXPECT_GT(::GetDeviceCaps(dlg.GetPrinterDC(), HORZRES), ::GetDeviceCaps(dlg.GetPrinterDC(), VERTRES));
}
