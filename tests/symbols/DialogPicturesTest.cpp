#include <gtest/gtest.h>

#include <cstdlib>

#include "symbols/InputDataDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/UiDriver.h"

// Pictures of the library's dialogs as the user sees them, to look at after a layout change.
// Showing a window without a window manager is slow, so this runs only when asked for:
// VORN_DIALOG_PICTURES=1 (the PNGs go to the build's test-images folder).
TEST(DialogPicturesTest, WritesEachDialogAsPng)
{
    if (getenv("VORN_DIALOG_PICTURES") == nullptr) {
        GTEST_SKIP() << "set VORN_DIALOG_PICTURES=1 to write the dialog pictures";
    }
    CTestUi ui;
    CInputDataDlg dlgData;
    ui.OnDialog(IDD_INPUTDATA, [](CTestDlg& d) {
        d.SetText(IDC_DATA_NAME, "长度");
        d.SetText(IDC_DATA_VALUE, "12.5");
        EXPECT_TRUE(d.SavePicture("dialog-140-inputdata.png"));
        d.Cancel();
    });
    dlgData.DoModal();
}
