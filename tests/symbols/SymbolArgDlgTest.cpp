#include <gtest/gtest.h>

#include "platform/base/FxResMgr.h"
#include "symbols/CustSymbol.h"
#include "symbols/SymbolArgDlg.h"
#include "symbols/VariableText.h"
#include "symbols/res/resource.h"
#include "tests/support/UiDriver.h"

namespace
{
// Two variable texts, a (text "ta") and b (text empty: shows its default after arguments are
// cleared), behind a line.
const char szSymbol[] = "<L>0,0,5,5</L><V>a,'ta',0,0,12</V><V>b,'tb',0,20,12</V>";

CString RowText(CSymbolArgDlg& dlg, int nItem, int nSubItem)
{
    return dlg.m_listVar.GetItemText(nItem, nSubItem);
}

// By the list's handle, for a dialog the test holds no object of.
void SelectRow(CTestDlg& d, int nItem)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(d.Item(IDC_SYMBOLARG_LIST), LVM_SETITEMSTATE, static_cast<WPARAM>(nItem),
                 reinterpret_cast<LPARAM>(&item));
}
} // namespace

TEST(SymbolArgDlgTest, RowsShowNamesAndValuesAndOkWritesTheArguments)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString(szSymbol));
    sym.SetArgument("a = '1';  ");
    CTestUi ui;
    CSymbolArgDlg dlg;
    dlg.m_strMark = "ZB-01";
    dlg.m_pListVText = &sym.m_listVText;
    ui.OnDialog(IDD_SYMBOLARG, [&](CTestDlg& d) {
        EXPECT_STREQ("编辑变量", d.GetCaption());
        EXPECT_STREQ("ZB-01", d.GetText(IDC_SYMBOLARG_MARK));
        ASSERT_EQ(2, dlg.m_listVar.GetItemCount());
        EXPECT_STREQ("a", RowText(dlg, 0, 0));
        EXPECT_STREQ("1", RowText(dlg, 0, 1));
        EXPECT_STREQ("b", RowText(dlg, 1, 0));
        EXPECT_STREQ("tb", RowText(dlg, 1, 1));
        EXPECT_EQ(150, dlg.m_listVar.GetColumnWidth(0));
        CRect rcList;
        dlg.m_listVar.GetClientRect(&rcList);
        EXPECT_EQ(rcList.Width() - 160, dlg.m_listVar.GetColumnWidth(1));
        EXPECT_TRUE(dlg.m_listVar.GetExtendedStyle() & LVS_EX_FULLROWSELECT);
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("a = '1';  b = 'tb';  ", dlg.m_strArguments);
}

TEST(SymbolArgDlgTest, EditingARowGoesThroughTheInputDialog)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString(szSymbol));
    CTestUi ui;
    CSymbolArgDlg dlg;
    dlg.m_pListVText = &sym.m_listVText;
    ui.OnDialog(IDD_SYMBOLARG, [&](CTestDlg& d) {
        d.Click(IDC_SYMBOLARG_EDIT);
        ASSERT_EQ(1u, ui.GetBoxes().size());
        EXPECT_STREQ("请先在'变量列表'中选中要编辑的变量.", ui.GetBoxes()[0].strText);

        dlg.m_listVar.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        d.Click(IDC_SYMBOLARG_EDIT);
        // The row shows the value as typed.
        EXPECT_STREQ("it's", RowText(dlg, 1, 1));
        // A double click on the row does the same; Cancel there changes nothing.
        NMITEMACTIVATE nm = {};
        nm.hdr.hwndFrom = dlg.m_listVar.m_hWnd;
        nm.hdr.idFrom = IDC_SYMBOLARG_LIST;
        nm.hdr.code = NM_DBLCLK;
        nm.iItem = 1;
        SendMessageA(d.GetHwnd(), WM_NOTIFY, IDC_SYMBOLARG_LIST, reinterpret_cast<LPARAM>(&nm));
        EXPECT_STREQ("it's", RowText(dlg, 1, 1));
        d.Ok();
    });
    ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
        EXPECT_TRUE(d.IsReadOnly(IDC_DATA_NAME));
        EXPECT_STREQ("b", d.GetText(IDC_DATA_NAME));
        EXPECT_STREQ("tb", d.GetText(IDC_DATA_VALUE));
        d.SetText(IDC_DATA_VALUE, "it's");
        d.Ok();
    });
    ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
        d.SetText(IDC_DATA_VALUE, "other");
        d.Cancel();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("a = 'ta';  b = 'it''s';  ", dlg.m_strArguments);
}

TEST(SymbolArgDlgTest, QuotesInValuesSurviveTheRoundTrip)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<V>a,'x',0,0,12</V>"));
    sym.SetArgument("a = 'it''s';  ");
    CTestUi ui;
    CSymbolArgDlg dlg;
    dlg.m_pListVText = &sym.m_listVText;
    ui.OnDialog(IDD_SYMBOLARG, [&](CTestDlg& d) {
        EXPECT_STREQ("it's", RowText(dlg, 0, 1));
        d.Ok();
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("a = 'it''s';  ", dlg.m_strArguments);
    CCustSymbol other;
    ASSERT_TRUE(other.SetSymbolString("<V>a,'x',0,0,12</V>"));
    other.SetArgument(dlg.m_strArguments);
    CVariableText* pVText = static_cast<CVariableText*>(other.m_listVText.GetHead());
    EXPECT_STREQ("it's", pVText->m_strText);
}

TEST(SymbolArgDlgTest, StartFailuresCloseTheDialog)
{
    struct Case
    {
        const char* szName;
        const char* szSymbol; // null: no list at all
        const char* szMessage;
    };
    const Case cases[] = {
        {"no list", nullptr, "未指定'自定义符号'数据."},
        {"no variable texts", "<L>0,0,5,5</L>", "指定的'自定义符号'不包含参数类型对象."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCustSymbol sym;
        CSymbolArgDlg dlg;
        if (c.szSymbol != nullptr) {
            ASSERT_TRUE(sym.SetSymbolString(c.szSymbol));
            dlg.m_pListVText = &sym.m_listVText;
        }
        CTestUi ui;
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        ASSERT_EQ(1u, ui.GetBoxes().size());
        EXPECT_STREQ(c.szMessage, ui.GetBoxes()[0].strText);
        EXPECT_EQ(0, ui.GetDialogsOpened());
    }
}

TEST(SymbolArgDlgTest, QueryArgUIReturnsTheArgumentsOnlyOnOk)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString(szSymbol));
    HINSTANCE hBefore = CFxResMgr::GetResourceHandle();
    CTestUi ui;
    ui.OnDialog(IDD_SYMBOLARG, [&](CTestDlg& d) {
        // SymbolDepot is not loaded: the library's own dialog is used and the handle stays.
        EXPECT_EQ(hBefore, CFxResMgr::GetResourceHandle());
        EXPECT_STREQ("标志一", d.GetText(IDC_SYMBOLARG_MARK));
        d.Ok();
    });
    ui.OnDialog(IDD_SYMBOLARG, [](CTestDlg& d) { d.Cancel(); });
    CString strArguments = "old";
    EXPECT_TRUE(sym.QueryArgUI("标志一", strArguments));
    EXPECT_STREQ("a = 'ta';  b = 'tb';  ", strArguments);
    strArguments = "old";
    EXPECT_FALSE(sym.QueryArgUI("标志一", strArguments));
    EXPECT_STREQ("old", strArguments);
    EXPECT_EQ(hBefore, CFxResMgr::GetResourceHandle());
}

// Edited through the input dialog, confirmed, edited again from the result and confirmed, any
// number of times: the symbol shows what was typed.
TEST(SymbolArgDlgTest, TypedValueReachesTheSymbolAfterAnyNumberOfOkPresses)
{
    struct Case
    {
        const char* szName;
        const char* szTyped;
        const char* szArguments;
    };
    const Case cases[] = {
        {"less than", "a<b", "a = 'ta';  b = 'a<b';  "},
        {"apostrophe", "it's", "a = 'ta';  b = 'it''s';  "},
        {"typed entity", "&amp;", "a = 'ta';  b = '&amp;';  "},
        {"quotes and greater than", "\"x\">y", "a = 'ta';  b = '\"x\">y';  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString(szSymbol));
        CVariableText* pVText = static_cast<CVariableText*>(sym.m_listVText.GetTail());
        CTestUi ui;
        for (int nPass = 0; nPass < 4; ++nPass) {
            SCOPED_TRACE(nPass);
            ui.OnDialog(IDD_SYMBOLARG, [&](CTestDlg& d) {
                SelectRow(d, 1);
                d.Click(IDC_SYMBOLARG_EDIT);
                d.Ok();
            });
            ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
                if (nPass == 0) {
                    d.SetText(IDC_DATA_VALUE, c.szTyped);
                } else {
                    EXPECT_STREQ(c.szTyped, d.GetText(IDC_DATA_VALUE));
                }
                d.Ok();
            });
            CString strArguments;
            ASSERT_TRUE(sym.QueryArgUI("ZB-01", strArguments));
            EXPECT_STREQ(c.szArguments, strArguments);
            // As the custom-symbol segment does with the result.
            sym.SetArgument(strArguments);
            EXPECT_STREQ(c.szTyped, pVText->m_strText);
        }
        EXPECT_TRUE(ui.GetBoxes().empty());
    }
}

// The arguments are written inside the custom-symbol element, which its closing tag would end.
TEST(SymbolArgDlgTest, ValueWithTheSymbolClosingTagIsAskedForAgain)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString(szSymbol));
    CTestUi ui;
    CSymbolArgDlg dlg;
    dlg.m_pListVText = &sym.m_listVText;
    ui.OnDialog(IDD_SYMBOLARG, [&](CTestDlg& d) {
        dlg.m_listVar.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        d.Click(IDC_SYMBOLARG_EDIT);
        ASSERT_EQ(1u, ui.GetBoxes().size());
        EXPECT_STREQ("输入的内容不能包含“</P>”，请修改后再确定。", ui.GetBoxes()[0].strText);
        EXPECT_STREQ("tb", RowText(dlg, 1, 1));
        d.Ok();
    });
    ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
        d.SetText(IDC_DATA_VALUE, "1</P>");
        d.Ok();
    });
    ui.OnDialog(IDD_INPUTDATA, [&](CTestDlg& d) {
        // Asked again with what was typed.
        EXPECT_STREQ("1</P>", d.GetText(IDC_DATA_VALUE));
        d.SetText(IDC_DATA_VALUE, "x</P>");
        d.Cancel();
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("a = 'ta';  b = 'tb';  ", dlg.m_strArguments);
}
