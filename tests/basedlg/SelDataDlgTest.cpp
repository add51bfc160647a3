#include <gtest/gtest.h>

#include "basedlg/SelDataDlg.h"
#include "basedlg/res/resource.h"
#include "support/UiDriver.h"

namespace
{
struct PickCase
{
    const char* szName;
    BOOL bEditable;
    const char* szPreset;
    const char* szTyped; // null: confirm what opened
    BOOL bEmptyAllowed;
    int nOpenSel;           // selection when the dialog opened
    const char* szOpenText; // text of the combo in use when it opened
    INT_PTR nResult;
    const char* szValue;
    const char* szBox; // null: no message
};

const PickCase pickCases[] = {
    {"list picks the preset", FALSE, "铣", nullptr, FALSE, 1, "铣", IDOK, "铣", nullptr},
    {"list with a value not among the items opens empty and stays", FALSE, "磨", nullptr, FALSE, CB_ERR, "", IDCANCEL,
     "", nullptr},
    {"list with a value not among the items confirms empty when allowed", FALSE, "磨", nullptr, TRUE, CB_ERR, "", IDOK,
     "", nullptr},
    {"editable keeps a typed value", TRUE, "", "镗孔", FALSE, CB_ERR, "", IDOK, "镗孔", nullptr},
    {"editable shows the preset value", TRUE, "磨", nullptr, FALSE, CB_ERR, "磨", IDOK, "磨", nullptr},
    {"empty value refused without a message", TRUE, "", nullptr, FALSE, CB_ERR, "", IDCANCEL, "", nullptr},
    {"forbidden value refused with its message", TRUE, "", "钻", FALSE, CB_ERR, "", IDCANCEL, "钻", "该工序已存在"},
};
} // namespace

TEST(SelDataDlgTest, PicksOrTypesAValue)
{
    for (const PickCase& c : pickCases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        int nOpenSel = -2;
        CString strOpenText;
        BOOL bOtherHidden = FALSE;
        const int nCombo = c.bEditable ? IDC_SELDATA_EDIT : IDC_SELDATA_LIST;
        ui.OnDialog(IDD_SELDATA, [&](CTestDlg& dlg) {
            nOpenSel = static_cast<int>(::SendMessageA(dlg.Item(nCombo), CB_GETCURSEL, 0, 0));
            strOpenText = dlg.GetText(nCombo);
            // The style, not IsWindowVisible: the dialog itself is not shown yet.
            auto styleShown = [&dlg](int nID) {
                return (::GetWindowLongA(dlg.Item(nID), GWL_STYLE) & WS_VISIBLE) != 0;
            };
            bOtherHidden = !styleShown(c.bEditable ? IDC_SELDATA_LIST : IDC_SELDATA_EDIT) && styleShown(nCombo);
            EXPECT_EQ(3, dlg.GetComboCount(nCombo));
            EXPECT_STREQ("工序", dlg.GetCaption());
            EXPECT_STREQ("选择工序:", dlg.GetText(IDC_SELDATA_PROMPT));
            if (c.szTyped != nullptr) {
                dlg.SetText(nCombo, c.szTyped);
            }
            dlg.Ok();
            if (dlg.GetDialog()->GetModalResult() == -1) {
                dlg.Cancel();
            }
        });
        CSelDataDlg dlg;
        dlg.m_strTitle = "工序";
        dlg.m_strPrompt = "选择工序:";
        dlg.m_arrItems.Add("车");
        dlg.m_arrItems.Add("铣");
        dlg.m_arrItems.Add("钻");
        dlg.m_arrForbidden.Add("钻");
        dlg.m_strForbiddenMsg = "该工序已存在";
        dlg.m_bEditable = c.bEditable;
        dlg.m_bEmptyAllowed = c.bEmptyAllowed;
        dlg.m_strValue = c.szPreset;
        EXPECT_EQ(c.nResult, dlg.DoModal());
        EXPECT_EQ(c.nOpenSel, nOpenSel);
        EXPECT_STREQ(c.szOpenText, strOpenText);
        EXPECT_TRUE(bOtherHidden);
        EXPECT_STREQ(c.szValue, dlg.m_strValue);
        std::vector<CString> boxes = ui.TakeBoxTexts();
        if (c.szBox == nullptr) {
            EXPECT_TRUE(boxes.empty());
        } else {
            ASSERT_EQ(1u, boxes.size());
            EXPECT_STREQ(c.szBox, boxes[0]);
        }
    }
}

TEST(SelDataDlgTest, PreselectedItemAndPicture)
{
    CTestUi ui;
    ui.OnDialog(IDD_SELDATA, [](CTestDlg& dlg) {
        EXPECT_EQ(2, static_cast<int>(::SendMessageA(dlg.Item(IDC_SELDATA_LIST), CB_GETCURSEL, 0, 0)));
        EXPECT_TRUE(dlg.SavePicture("seldata-dialog.png"));
        dlg.Ok();
    });
    CSelDataDlg dlg;
    dlg.m_strTitle = "选择数据";
    dlg.m_strPrompt = "材料:";
    dlg.m_arrItems.Add("45");
    dlg.m_arrItems.Add("Q235");
    dlg.m_arrItems.Add("HT200");
    dlg.m_strSelItem = "HT200";
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("HT200", dlg.m_strValue);
}
