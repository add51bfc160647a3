// The open and save dialogs every file prompt of the suite goes through: what the caller gives
// reaches the system's dialog, and what the user chose (or nothing, on Cancel) comes back.
#include <gtest/gtest.h>

#include <windows.h>

#include <dlgs.h>

#include "platform/win/FxFileDialog.h"
#include "tests/support/SysDlgDriver.h"
#include "tests/support/TempFolder.h"

namespace
{
// The file name box: a combo box in the newer dialog template, an edit box in the older one.
int FileNameItem(const CTestSysDlg& d)
{
    return d.HasItem(cmb13) ? cmb13 : edt1;
}

FxFileDialogParams TemplateDialogParams(LPCSTR pszFolder)
{
    FxFileDialogParams params;
    params.pszFilter = "znt File(*.znt)\0*.znt\0\0";
    params.pszTitle = "选择模板";
    params.pszDefExt = "znt";
    params.pszInitialDir = pszFolder;
    params.dwFlags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    return params;
}

TEST(FxFileDialogTest, ACancelledDialogLeavesThePathItStartedWith)
{
    CTestTempFolder folder;
    CTestSysDialogs dialogs;
    CString strCaption;
    CString strShown;
    dialogs.OnDialog([&](CTestSysDlg& d) {
        strCaption = d.GetCaption();
        strShown = d.GetText(FileNameItem(d));
        d.Cancel();
    });
    CString strPath = "零件.znt";
    EXPECT_FALSE(FxAskFileName(nullptr, TRUE, TemplateDialogParams(folder.GetPath()), strPath));
    EXPECT_EQ(1, dialogs.GetDialogsOpened());
    EXPECT_STREQ("选择模板", strCaption);
    EXPECT_STREQ("零件.znt", strShown);
    EXPECT_STREQ("零件.znt", strPath);
}

TEST(FxFileDialogTest, TheChosenPathComesBackWithTheDefaultExtension)
{
    CTestTempFolder folder;
    CTestSysDialogs dialogs;
    dialogs.OnDialog([&](CTestSysDlg& d) {
        d.SetText(FileNameItem(d), folder.PathOf("卡片"));
        d.Ok();
    });
    CString strPath;
    EXPECT_TRUE(FxAskFileName(nullptr, FALSE, TemplateDialogParams(folder.GetPath()), strPath));
    EXPECT_STREQ(folder.PathOf("卡片.znt"), strPath);
}
} // namespace
