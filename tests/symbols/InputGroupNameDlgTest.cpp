#include <gtest/gtest.h>

// The palette's dialogs are not exported: the test builds its own copy of them.
#include "symbols/InputCharDlg.cpp"
#include "symbols/InputGroupNameDlg.cpp"
#include "tests/support/UiDriver.h"
#include "tests/symbols/DialogPictureCheck.h"

namespace
{
CStringArray ExistingNames()
{
    CStringArray arr;
    arr.Add("希腊字母");
    arr.Add("数学");
    return arr;
}
} // namespace

TEST(InputGroupNameDlgTest, FindGroupNameComparesBytes)
{
    CInputGroupNameDlg dlg;
    CStringArray arr = ExistingNames();
    dlg.SetGroupNames(arr);
    arr.RemoveAll();
    EXPECT_EQ(1, dlg.FindGroupName("数学"));
    EXPECT_EQ(-1, dlg.FindGroupName(" 数学"));
    EXPECT_EQ(-1, dlg.FindGroupName(""));
}

TEST(InputGroupNameDlgTest, RefusalsKeepTheDialogOpen)
{
    struct Case
    {
        const char* szName;
        const char* szTyped;
        const char* szMessage;
    };
    const Case cases[] = {
        {"blanks only", "   ", "请输入组名！"},
        {"existing after trimming", "  数学", "组名 数学 已经存在！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CInputGroupNameDlg dlg;
        CStringArray arr = ExistingNames();
        dlg.SetGroupNames(arr);
        ui.OnDialog(IDD_INPUTGROUPNAME, [&](CTestDlg& d) {
            EXPECT_STREQ("输入组名", d.GetCaption());
            d.SetText(IDC_GROUP_NAME, c.szTyped);
            d.Ok();
            ASSERT_EQ(1u, ui.GetBoxes().size());
            EXPECT_STREQ(c.szMessage, ui.GetBoxes()[0].strText);
            EXPECT_STREQ("警告", ui.GetBoxes()[0].strCaption);
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
            EXPECT_STREQ(c.szTyped, d.GetText(IDC_GROUP_NAME));
            d.Cancel();
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
}

TEST(InputGroupNameDlgTest, NewNameIsTrimmedAndTheListEmptiedWithTheWindow)
{
    CTestUi ui;
    CInputGroupNameDlg dlg;
    CStringArray arr = ExistingNames();
    dlg.SetGroupNames(arr);
    ui.OnDialog(IDD_INPUTGROUPNAME, [&](CTestDlg& d) {
        d.SetText(IDC_GROUP_NAME, " 箭头 ");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("箭头", dlg.m_strGroupName);
    EXPECT_EQ(0, dlg.m_arrGroupName.GetSize());
}

TEST(InputCharDlgTest, TakesAtMostTwoBytes)
{
    struct Case
    {
        const char* szName;
        const char* szTyped;
        int nResult;
        size_t nBoxes;
    };
    const Case cases[] = {
        {"one GBK character", "Ω", IDOK, 0},
        {"one ASCII character", "a", IDOK, 0},
        {"two GBK characters", "αβ", IDCANCEL, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CInputCharDlg dlg;
        ui.OnDialog(IDD_INPUTCHAR, [&](CTestDlg& d) {
            EXPECT_STREQ("字符输入", d.GetCaption());
            EXPECT_EQ(2, SendMessageA(d.Item(IDC_CHAR_TEXT), EM_GETLIMITTEXT, 0, 0));
            d.SetText(IDC_CHAR_TEXT, c.szTyped);
            d.Ok();
            if (d.GetDialog()->GetModalResult() == -1) {
                d.Cancel();
            }
        });
        EXPECT_EQ(c.nResult, dlg.DoModal());
        ASSERT_EQ(c.nBoxes, ui.GetBoxes().size());
        if (c.nResult == IDOK) {
            EXPECT_STREQ(c.szTyped, dlg.m_strChar);
        } else {
            EXPECT_STREQ("请输入不超过 2 个字符。", ui.GetBoxes()[0].strText);
        }
    }
}

// As DialogPicturesTest, for the two dialogs this file builds.
TEST(InputGroupNameDlgTest, PicturesShowTheirBitmapsAndTexts)
{
    CTestUi ui;
    CInputGroupNameDlg dlgGroup;
    dlgGroup.m_strGroupName = "希腊字母";
    ui.OnDialog(IDD_INPUTGROUPNAME, [](CTestDlg& d) {
        ExpectPictureShowsItsControls(d, "dialog-2136-groupname.png");
        d.Cancel();
    });
    dlgGroup.DoModal();
    CInputCharDlg dlgChar;
    dlgChar.m_strChar = "Ω";
    ui.OnDialog(IDD_INPUTCHAR, [](CTestDlg& d) {
        ExpectPictureShowsItsControls(d, "dialog-2135-char.png");
        d.Cancel();
    });
    dlgChar.DoModal();
}
