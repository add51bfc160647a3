#include <gtest/gtest.h>

#include "symbols/InputDataDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/UiDriver.h"

TEST(InputDataDlgTest, ReplaceXMLCodeEscapesTrimsAndDropsHash)
{
    struct Case
    {
        const char* szName;
        const char* szIn;
        const char* szOut;
    };
    const Case cases[] = {
        {"less than", "a<b", "a&lt;b"},
        {"entity escaped again", "&amp;", "&amp;amp;"},
        {"all five in order", "<'&\">", "&lt;&apos;&amp;&quot;&gt;"},
        {"hash removed", "#1#2", "12"},
        {"blanks trimmed", "  值 ", "值"},
        {"blanks and hashes only", " ## ", ""},
        {"GBK text untouched", "粗糙度", "粗糙度"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString str(c.szIn);
        CInputDataDlg::ReplaceXMLCode(str);
        EXPECT_STREQ(c.szOut, str);
    }
}

TEST(InputDataDlgTest, OkEscapesBothTextsAndShowsThem)
{
    CTestUi ui;
    CInputDataDlg dlg;
    ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
        EXPECT_STREQ("输入数据", d.GetCaption());
        EXPECT_FALSE(d.IsReadOnly(IDC_DATA_NAME));
        d.SetText(IDC_DATA_NAME, " 长度 ");
        d.SetText(IDC_DATA_VALUE, "a<b#");
        d.Ok();
        EXPECT_STREQ("a&lt;b", d.GetText(IDC_DATA_VALUE));
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("长度", dlg.m_strName);
    EXPECT_STREQ("a&lt;b", dlg.m_strValue);
    EXPECT_TRUE(ui.GetBoxes().empty());
}

TEST(InputDataDlgTest, EmptyNameIsRefusedAndFocusGoesToName)
{
    CTestUi ui;
    CInputDataDlg dlg;
    ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
        d.SetText(IDC_DATA_NAME, " # ");
        d.SetText(IDC_DATA_VALUE, "");
        d.Ok();
        ASSERT_EQ(1u, ui.GetBoxes().size());
        EXPECT_STREQ("名称或值不能为空!（或名称只有非法符号）", ui.GetBoxes()[0].strText);
        EXPECT_STREQ("提示", ui.GetBoxes()[0].strCaption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), ui.GetBoxes()[0].nType & MB_ICONMASK);
        EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
        EXPECT_EQ(IDC_DATA_NAME, d.GetFocusID());
        // An empty value is accepted once there is a name.
        d.SetText(IDC_DATA_NAME, "n");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("n", dlg.m_strName);
    EXPECT_STREQ("", dlg.m_strValue);
}

TEST(InputDataDlgTest, ReadOnlyNameStartsTheCaretInTheValue)
{
    CTestUi ui;
    CInputDataDlg dlg;
    dlg.m_strName = "a";
    dlg.m_strValue = "12.5";
    dlg.m_bNameEditable = false;
    ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
        EXPECT_TRUE(d.IsReadOnly(IDC_DATA_NAME));
        EXPECT_STREQ("a", d.GetText(IDC_DATA_NAME));
        EXPECT_EQ(IDC_DATA_VALUE, d.GetFocusID());
        int nStart = -1;
        int nEnd = -1;
        d.GetSel(IDC_DATA_VALUE, nStart, nEnd);
        EXPECT_EQ(0, nStart);
        EXPECT_EQ(0, nEnd);
        d.SetText(IDC_DATA_VALUE, "6.3");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("a", dlg.m_strName);
    EXPECT_STREQ("6.3", dlg.m_strValue);
}

TEST(InputDataDlgTest, CancelKeepsTheMembers)
{
    CTestUi ui;
    CInputDataDlg dlg;
    dlg.m_strValue = "1";
    ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
        d.SetText(IDC_DATA_VALUE, "2");
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_STREQ("1", dlg.m_strValue);
}

TEST(InputDataDlgTest, UnescapeXMLCodeUndoesTheEscapeOnly)
{
    struct Case
    {
        const char* szName;
        const char* szIn;
        const char* szOut;
    };
    const Case cases[] = {
        {"all five", "&lt;&apos;&amp;&quot;&gt;", "<'&\">"}, {"escaped entity stays an entity", "&amp;lt;", "&lt;"},
        {"lone ampersand stays", "a & b", "a & b"},          {"unknown entity stays", "&nbsp;&lt", "&nbsp;&lt"},
        {"GBK text untouched", "粗糙&lt;度", "粗糙<度"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString str(c.szIn);
        CInputDataDlg::UnescapeXMLCode(str);
        EXPECT_STREQ(c.szOut, str);
        // Escaping what came out gives the input back whenever the input was escaped text.
        CString strAgain = str;
        CInputDataDlg::EscapeXMLCode(strAgain);
        CInputDataDlg::UnescapeXMLCode(strAgain);
        EXPECT_STREQ(c.szOut, strAgain);
    }
}

// The members hold XML-escaped text and the edits show it unescaped: a result given back to the
// dialog shows what was typed and comes out unchanged after OK, however often.
TEST(InputDataDlgTest, ResultGivenBackShowsTheTypedTextAndStaysTheSameAfterOk)
{
    struct Case
    {
        const char* szName;
        const char* szTyped;
        const char* szShown; // what the edit shows when the result is given back
        const char* szResult;
    };
    const Case cases[] = {
        {"less than", "a<b", "a<b", "a&lt;b"},
        {"apostrophe", "it's", "it's", "it&apos;s"},
        {"typed entity", "&amp;", "&amp;", "&amp;amp;"},
        {"blanks and hash dropped once", " #1\"2\" ", "1\"2\"", "1&quot;2&quot;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CInputDataDlg dlg;
        dlg.m_strName = "n";
        ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
            d.SetText(IDC_DATA_VALUE, c.szTyped);
            d.Ok();
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ(c.szResult, dlg.m_strValue);
        for (int nPass = 1; nPass <= 3; ++nPass) {
            SCOPED_TRACE(nPass);
            ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
                EXPECT_STREQ(c.szShown, d.GetText(IDC_DATA_VALUE));
                d.Ok();
            });
            ASSERT_EQ(IDOK, dlg.DoModal());
            EXPECT_STREQ(c.szResult, dlg.m_strValue);
            EXPECT_STREQ("n", dlg.m_strName);
        }
    }
}
