#include <gtest/gtest.h>

#include "symbols/DlgFrameStr.h"
#include "symbols/InputFractionDlg.h"
#include "symbols/InputSupSubScriptDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/UiDriver.h"

TEST(InputFractionDlgTest, OkFollowsTheBaseText)
{
    CTestUi ui;
    CInputFractionDlg dlg;
    ui.OnDialog(IDD_INPUTFRACTION, [&](CTestDlg& d) {
        EXPECT_STREQ("输入分数", d.GetCaption());
        EXPECT_FALSE(d.IsEnabled(IDOK));
        d.Ok(); // a disabled OK does nothing
        EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
        d.SetText(IDC_BASETEXT, "2");
        EXPECT_TRUE(d.IsEnabled(IDOK));
        d.SetText(IDC_BASETEXT, "");
        EXPECT_FALSE(d.IsEnabled(IDOK));
        d.SetText(IDC_BASETEXT, " 25");
        d.SetText(IDC_DENOMINATOR, "4 ");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    // Taken as typed: no trimming, an empty numerator is accepted.
    EXPECT_STREQ(" 25", dlg.m_strBaseData);
    EXPECT_STREQ("", dlg.m_strNumerator);
    EXPECT_STREQ("4 ", dlg.m_strDenominator);
}

TEST(InputFractionDlgTest, PresetTextsAreShownAndReturned)
{
    CTestUi ui;
    CInputFractionDlg dlg;
    dlg.SetData("25", "3", "4");
    ui.OnDialog(IDD_INPUTFRACTION, [&](CTestDlg& d) {
        EXPECT_TRUE(d.IsEnabled(IDOK));
        EXPECT_STREQ("25", d.GetText(IDC_BASETEXT));
        EXPECT_STREQ("3", d.GetText(IDC_NUMERATOR));
        EXPECT_STREQ("4", d.GetText(IDC_DENOMINATOR));
        d.SetText(IDC_NUMERATOR, "5");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("5", dlg.m_strNumerator);
    EXPECT_STREQ("4", dlg.m_strDenominator);
}

TEST(InputSupSubScriptDlgTest, OkFollowsTheBaseTextAndTextsGoToTheirFields)
{
    CTestUi ui;
    CInputSupSubScriptDlg dlg;
    dlg.SetData("", "+0.1", "-0.2");
    ui.OnDialog(IDD_INPUTSUPSUBSCRIPT, [&](CTestDlg& d) {
        EXPECT_STREQ("输入上下标", d.GetCaption());
        EXPECT_FALSE(d.IsEnabled(IDOK));
        EXPECT_STREQ("+0.1", d.GetText(IDC_SUPERSCRIPT));
        EXPECT_STREQ("-0.2", d.GetText(IDC_SUBSCRIPT));
        d.SetText(IDC_BASETEXT, "Φ");
        EXPECT_TRUE(d.IsEnabled(IDOK));
        d.SetText(IDC_SUBSCRIPT, "");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("Φ", dlg.m_strBaseData);
    EXPECT_STREQ("+0.1", dlg.m_strSuperScript);
    EXPECT_STREQ("", dlg.m_strSubScript);
}

TEST(DlgFrameStrTest, TitleAndTextAsTyped)
{
    struct Case
    {
        const char* szName;
        const char* szTitle; // null: the caller sets none
        const char* szShown;
    };
    const Case cases[] = {
        {"default title", nullptr, "加框字符串"},
        {"caller's title", "带圈字符", "带圈字符"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CDlgFrameStr dlg;
        if (c.szTitle != nullptr) {
            dlg.m_strTitle = c.szTitle;
        }
        ui.OnDialog(IDD_FRAMESTR, [&](CTestDlg& d) {
            EXPECT_STREQ(c.szShown, d.GetCaption());
            // The palette button opens the special-character palette.
            EXPECT_TRUE(d.IsEnabled(IDC_FRAMESTR_PALETTE));
            d.SetText(IDC_FRAMESTR_TEXT, " AB ");
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ(" AB ", dlg.m_strText);
    }
}

// An element with no content does not read back, so an empty text cannot be confirmed.
TEST(DlgFrameStrTest, OkStaysDisabledWhileTheTextIsEmpty)
{
    struct Case
    {
        const char* szName;
        const char* szPreset;
        bool bEnabledAtStart;
    };
    const Case cases[] = {
        {"new text", "", false},
        {"text to change", "AB", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CDlgFrameStr dlg;
        dlg.m_strText = c.szPreset;
        ui.OnDialog(IDD_FRAMESTR, [&](CTestDlg& d) {
            EXPECT_EQ(c.bEnabledAtStart, d.IsEnabled(IDOK) != FALSE);
            d.SetText(IDC_FRAMESTR_TEXT, "");
            EXPECT_FALSE(d.IsEnabled(IDOK));
            d.Ok();
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
            // Nor does the command without the button end it.
            SendMessageA(d.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
            d.SetText(IDC_FRAMESTR_TEXT, "C");
            EXPECT_TRUE(d.IsEnabled(IDOK));
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ("C", dlg.m_strText);
        EXPECT_TRUE(ui.GetBoxes().empty());
    }
}
