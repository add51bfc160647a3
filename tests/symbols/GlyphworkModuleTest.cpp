#include <gtest/gtest.h>

#include "platform/base/FxResMgr.h"
#include "platform/base/FxResourceSwitch.h"
#include "symbols/InputDataDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/UiDriver.h"

TEST(GlyphworkModuleTest, DialogsAndBitmapsAreFoundWhicheverModuleIsCurrent)
{
    HINSTANCE hGlyphwork = CFxResMgr::FindModule("Glyphwork.dll");
    ASSERT_NE(nullptr, hGlyphwork);
    CFxResourceSwitch resSwitch("VornFx.dll");
    ASSERT_TRUE(resSwitch.IsSwitched());
    EXPECT_EQ(hGlyphwork, CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(IDD_SYMBOLARG), RT_DIALOG));
    EXPECT_EQ(hGlyphwork, CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(IDB_COARSE_TYPE1), RT_BITMAP));

    CTestUi ui;
    CInputDataDlg dlg;
    ui.OnDialog(IDD_INPUTDATA, [](CTestDlg& d) { d.Cancel(); });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}
