#include <gtest/gtest.h>

#include "basedlg/InDataDlg.h"
#include "basedlg/ReadOnlyEdit.h"
#include "basedlg/VornBaseFun.h"
#include "basedlg/res/resource.h"
#include "platform/gdi/DC.h"
#include "support/UiDriver.h"

namespace
{
struct CheckCase
{
    const char* szName;
    int nType;
    float fMinimum;
    BOOL bEmptyAllowed;
    const char* szValue;
    const char* szMessage; // null: the dialog closes with IDOK
    UINT nIcon;
};

const CheckCase checkCases[] = {
    {"text accepts anything", 1, 0, TRUE, "任意 text", nullptr, 0},
    {"empty allowed", 1, 0, TRUE, "", nullptr, 0},
    {"empty refused", 1, 0, FALSE, "", "数据不允许为空！", MB_ICONINFORMATION},
    {"empty refused before the type", 2, 0, FALSE, "", "数据不允许为空！", MB_ICONINFORMATION},
    {"forbidden value before the type", 2, 0, TRUE, "abc", "当前数据不能使用！", MB_ICONINFORMATION},
    {"integer", 2, 0, TRUE, "42", nullptr, 0},
    {"negative integer", 2, -10, TRUE, "-7", nullptr, 0},
    {"not an integer", 2, 0, TRUE, "4x", "4x 不是整数！", MB_ICONEXCLAMATION},
    {"real is no integer", 2, 0, TRUE, "1.5", "1.5 不是整数！", MB_ICONEXCLAMATION},
    // The shared integer syntax refuses a leading zero before the read-back check would.
    {"leading zero", 2, 0, TRUE, "0012", "0012 不是整数！", MB_ICONEXCLAMATION},
    {"integer overflow", 2, 0, TRUE, "99999999999", "值 99999999999 太大！", MB_ICONEXCLAMATION},
    {"minimum 5.7 cut to 5 refuses 4", 2, 5.7f, TRUE, "4", "值不能小于 5 ！", MB_ICONEXCLAMATION},
    {"minimum 5.7 cut to 5 accepts 5", 2, 5.7f, TRUE, "5", nullptr, 0},
    {"real", 3, 0, TRUE, "1.5", nullptr, 0},
    {"real integer form", 3, 0, TRUE, "3", nullptr, 0},
    {"six decimals", 3, 0, TRUE, "1.123456", nullptr, 0},
    {"seven decimals too long", 3, 0, TRUE, "1.1234567", "值 1.1234567 长度太长！", MB_ICONEXCLAMATION},
    // The shared real-number syntax already refuses these two, before the length check would.
    {"leading point", 3, 0, TRUE, ".5", ".5 不是浮点数！", MB_ICONEXCLAMATION},
    {"exponent", 3, 0, TRUE, "1e5", "1e5 不是浮点数！", MB_ICONEXCLAMATION},
    {"not a real", 3, 0, TRUE, "x1", "x1 不是浮点数！", MB_ICONEXCLAMATION},
    {"real below minimum", 3, 2.5f, TRUE, "1.5", "值不能小于 2.500000 ！", MB_ICONEXCLAMATION},
    {"other type closes", 7, 0, TRUE, "x", nullptr, 0},
};
} // namespace

TEST(InDataDlgTest, ChecksTheValueOnOk)
{
    for (const CheckCase& c : checkCases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        BOOL bStayed = FALSE;
        int nFocus = 0;
        int nSelStart = -1;
        int nSelEnd = -1;
        ui.OnDialog(IDD_INDATA, [&](CTestDlg& dlg) {
            dlg.SetText(IDC_INDATA_EDIT, c.szValue);
            dlg.Ok();
            if (dlg.GetDialog()->GetModalResult() == -1) {
                bStayed = TRUE;
                nFocus = dlg.GetFocusID();
                dlg.GetSel(IDC_INDATA_EDIT, nSelStart, nSelEnd);
                dlg.Cancel();
            }
        });
        CInDataDlg dlg;
        dlg.SetData("数据", "请输入数据:", "", c.nType, c.bEmptyAllowed, c.fMinimum);
        dlg.m_arrForbidden.Add("abc");
        const INT_PTR nResult = dlg.DoModal();
        const std::vector<CTestUi::Box>& boxes = ui.GetBoxes();
        if (c.szMessage == nullptr) {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(CString(c.szValue), dlg.m_strValue);
            continue;
        }
        EXPECT_EQ(IDCANCEL, nResult);
        EXPECT_TRUE(bStayed);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_STREQ(c.szMessage, boxes[0].strText);
        EXPECT_STREQ("提示", boxes[0].strCaption);
        EXPECT_EQ(c.nIcon, boxes[0].nType & MB_ICONMASK);
        EXPECT_EQ(IDC_INDATA_EDIT, nFocus);
        if (c.nIcon == MB_ICONEXCLAMATION) {
            EXPECT_EQ(0, nSelStart);
            EXPECT_EQ(static_cast<int>(strlen(c.szValue)), nSelEnd);
        }
    }
}

TEST(InDataDlgTest, OpensWithCaptionPromptValueAndIcon)
{
    CTestUi ui;
    CString strCaption;
    CString strPrompt;
    CString strValue;
    HICON hIcon = nullptr;
    ui.OnDialog(IDD_INDATA, [&](CTestDlg& dlg) {
        strCaption = dlg.GetCaption();
        strPrompt = dlg.GetText(IDC_INDATA_PROMPT);
        strValue = dlg.GetText(IDC_INDATA_EDIT);
        hIcon = reinterpret_cast<HICON>(::SendMessageA(dlg.Item(IDC_INDATA_ICON), STM_GETICON, 0, 0));
        EXPECT_TRUE(dlg.SavePicture("indata-dialog.png"));
        dlg.Ok();
    });
    CInDataDlg dlg;
    EXPECT_STREQ("输入对话框", dlg.m_strCaption);
    EXPECT_STREQ("请输入字符串:", dlg.m_strPrompt);
    dlg.SetData("新建目录", "请输入目录名称:", "工艺卡片", 1, FALSE, 0);
    dlg.m_nIconID = IDI_INDATA;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("新建目录", strCaption);
    EXPECT_STREQ("请输入目录名称:", strPrompt);
    EXPECT_STREQ("工艺卡片", strValue);
    EXPECT_NE(nullptr, hIcon);
    EXPECT_STREQ("工艺卡片", dlg.m_strValue);
}

TEST(InDataDlgTest, BaseHelpersAreTheWorkLibrarysOwn)
{
    EXPECT_TRUE(CVornBaseFun::IsNumber("12"));
    EXPECT_FALSE(CVornBaseFun::IsNumber("1.2"));
    EXPECT_TRUE(CVornBaseFun::IsFloat("1.2"));
    EXPECT_FALSE(CVornBaseFun::IsFloat("x"));
    // One implementation: the name this library exports reaches the work library's function.
    EXPECT_EQ(&CCappBaseFun::IsFloat, &CVornBaseFun::IsFloat);
}

TEST(ReadOnlyEditTest, PaintsItsBackgroundAndRefusesTheCaret)
{
    HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 60, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hParent);
    HWND hEdit =
        ::CreateWindowExA(0, "EDIT", "只读", WS_CHILD | WS_VISIBLE, 4, 4, 150, 20, hParent, nullptr, nullptr, nullptr);
    CReadOnlyEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(RGB(0xCC, 0xCC, 0xFF), edit.m_crBack);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SetBkMode(OPAQUE);
    HBRUSH hBrush = edit.CtlColor(&dc, CTLCOLOR_EDIT);
    ASSERT_NE(nullptr, hBrush);
    LOGBRUSH lb = {};
    ASSERT_NE(0, ::GetObjectA(hBrush, sizeof(lb), &lb));
    EXPECT_EQ(RGB(0xCC, 0xCC, 0xFF), lb.lbColor);
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc.m_hDC));

    edit.UnsubclassWindow();
    ::DestroyWindow(hParent);
}
