#include <gtest/gtest.h>

#include "support/UiDriver.h"
#include "work/CappInDataDlg.h"
#include "work/res/resource.h"

namespace
{
struct CheckCase
{
    const char* szName;
    int nType;
    float fMinimum;
    BOOL bEmptyAllowed;
    const char* szTyped;
    const char* szMessage; // null: the dialog closes with IDOK
    const char* szValue;   // the value afterwards
};

const CheckCase checkCases[] = {
    {"text keeps leading blanks, loses trailing ones", 1, 0, TRUE, "  铣削  ", nullptr, "  铣削"},
    {"blanks only are empty", 1, 0, FALSE, "   ", "数据不允许为空！", ""},
    {"forbidden after trimming", 2, 0, TRUE, "abc ", "当前数据不能使用！", "abc"},
    {"integer with a trailing blank", 2, 0, TRUE, "42 ", nullptr, "42"},
    {"not an integer", 2, 0, TRUE, "4x", "4x 不是整数！", "4x"},
    {"leading zero", 2, 0, TRUE, "0012", "0012 不是整数！", "0012"},
    {"integer overflow", 2, 0, TRUE, "99999999999", "值 99999999999 太大！", "99999999999"},
    {"minimum 5.7 cut to 5 refuses 4", 2, 5.7f, TRUE, "4", "值不能小于 5 ！", "4"},
    {"minimum 5.7 cut to 5 accepts 5", 2, 5.7f, TRUE, "5", nullptr, "5"},
    {"real", 3, 0, TRUE, "1.5  ", nullptr, "1.5"},
    {"not a real", 3, 0, TRUE, "x1", "x1 不是浮点数！", "x1"},
    {"seven decimals too long", 3, 0, TRUE, "1.1234567", "值 1.1234567 长度太长！", "1.1234567"},
    {"real below minimum", 3, 2.5f, TRUE, "1.5", "值不能小于 2.500000 ！", "1.5"},
};
} // namespace

TEST(CappInDataDlgTest, ChecksTheTrimmedValueOnOk)
{
    for (const CheckCase& c : checkCases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        BOOL bStayed = FALSE;
        int nFocus = 0;
        ui.OnDialog(IDD_CAPPINDATA, [&](CTestDlg& dlg) {
            dlg.SetText(IDC_CAPPINDATA_EDIT, c.szTyped);
            dlg.Ok();
            if (dlg.GetDialog()->GetModalResult() == -1) {
                bStayed = TRUE;
                nFocus = dlg.GetFocusID();
                dlg.Cancel();
            }
        });
        CCappInDataDlg dlg;
        dlg.SetData("数据", "请输入数据:", "", c.nType, c.bEmptyAllowed, c.fMinimum);
        dlg.m_arrForbidden.Add("abc");
        const INT_PTR nResult = dlg.DoModal();
        EXPECT_STREQ(c.szValue, dlg.m_strValue);
        const std::vector<CTestUi::Box>& boxes = ui.GetBoxes();
        if (c.szMessage == nullptr) {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        EXPECT_EQ(IDCANCEL, nResult);
        EXPECT_TRUE(bStayed);
        EXPECT_EQ(IDC_CAPPINDATA_EDIT, nFocus);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_STREQ(c.szMessage, boxes[0].strText);
        EXPECT_STREQ("提示", boxes[0].strCaption);
    }
}

TEST(CappInDataDlgTest, OpensWithCaptionPromptAndValue)
{
    CTestUi ui;
    CString strCaption;
    CString strPrompt;
    CString strValue;
    ui.OnDialog(IDD_CAPPINDATA, [&](CTestDlg& dlg) {
        strCaption = dlg.GetCaption();
        strPrompt = dlg.GetText(IDC_CAPPINDATA_PROMPT);
        strValue = dlg.GetText(IDC_CAPPINDATA_EDIT);
        EXPECT_TRUE(dlg.SavePicture("cappindata-dialog.png"));
        dlg.Ok();
    });
    CCappInDataDlg dlg;
    dlg.SetData("工序号", "请输入工序号:", "10", 2, FALSE, 1);
    dlg.m_nIconID = IDI_CAPPINDATA;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("工序号", strCaption);
    EXPECT_STREQ("请输入工序号:", strPrompt);
    EXPECT_STREQ("10", strValue);
    EXPECT_STREQ("10", dlg.m_strValue);
}
