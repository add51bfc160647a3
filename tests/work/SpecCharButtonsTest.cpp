// The six notation buttons of the card view's special-character editor: each opens its notation
// dialog and inserts what was entered there at the caret of the cell's text.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/CardObj.h"
#include "platform/base/FxRegKey.h"
#include "symbols/GpTolDlg.h"
#include "symbols/InputToleranceDlg.h"
#include "symbols/SymbolDlg.h"
#include "symbols/res/resource.h"
#include "symedit/GlyphworkEdit.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"
#include "tests/work/CardViewTestHost.h"
#include "work/SpecCharDlg.h"
#include "work/res/resource.h"

namespace
{
constexpr const char* kVar = "零件名称";

std::string EditText(CCappBaseCtrl* pEdit)
{
    CString strText;
    if (pEdit != nullptr) {
        pEdit->GetData(strText);
    }
    return strText.GetString();
}

// The notation dialogs read their lists from the CAPP work directory: the bundled one while the
// test runs.
class CCappWorkDir
{
public:
    CCappWorkDir()
    {
        const CString strDir = TestDataPath("..\\..\\..\\samples\\workdir");
        CFxRegKey key;
        EXPECT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, kKey, KEY_READ | KEY_WRITE));
        ::RegSetValueExA(key, "WorkDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(strDir.GetString()),
                         static_cast<DWORD>(strDir.GetLength() + 1));
    }
    ~CCappWorkDir()
    {
        CFxRegKey key;
        if (key.Open(HKEY_LOCAL_MACHINE, kKey, KEY_WRITE) == ERROR_SUCCESS) {
            ::RegDeleteValueA(key, "WorkDir");
        }
    }
    CCappWorkDir(const CCappWorkDir&) = delete;
    CCappWorkDir& operator=(const CCappWorkDir&) = delete;

private:
    static constexpr const char* kKey = "SoftWare\\Saelo\\CAPP";
};

// Ends a notation dialog with what its members hold, past its own checks.
void EndOk(CTestDlg& d)
{
    d.GetDialog()->EndDialog(IDOK);
}
} // namespace

TEST(SpecCharButtonsTest, EachNotationButtonInsertsItsElementAtTheCaret)
{
    const struct
    {
        const char* szName;
        int nButton;
        UINT nDialog;
        std::function<void(CTestDlg&)> fnAnswer;
        const char* szInserted;
    } cases[] = {
        {"special symbol", 1001, IDD_SYMBOL,
         [](CTestDlg& d) {
             static_cast<CSymbolDlg*>(d.GetDialog())->m_strSymbol = "±";
             EndOk(d);
         },
         "±"},
        {"tolerance", 1002, IDD_INPUTTOLERANCE,
         [](CTestDlg& d) {
             auto* p = static_cast<CInputToleranceDlg*>(d.GetDialog());
             p->m_strBase = "20";
             p->m_strUpper = "+0.1";
             p->m_strLower = "-0.1";
             EndOk(d);
         },
         "<T>20;+0.1;-0.1;0;</T>"},
        {"geometric tolerance", 1003, IDD_GPTOL,
         [](CTestDlg& d) {
             auto* p = static_cast<CGpTolDlg*>(d.GetDialog());
             p->m_nGpTolType = 1;
             p->m_strTolVal = "0.02";
             EndOk(d);
         },
         "<G>1;0;0.02;0;;0;;0;;0;6;3</G>"},
        {"roughness", 1004, IDD_INPUTCOARSEEX,
         [](CTestDlg& d) {
             d.SetText(IDC_COARSE_VALUE1, "Ra");
             d.SetText(IDC_COARSE_VALUE2, "3.2");
             d.Ok();
         },
         "<C>2;Ra;3.2;;;0;;0</C>"},
        {"fraction", 1005, IDD_INPUTFRACTION,
         [](CTestDlg& d) {
             d.SetText(IDC_BASETEXT, "2");
             d.SetText(IDC_NUMERATOR, "1");
             d.SetText(IDC_DENOMINATOR, "4");
             d.Ok();
         },
         "<F>2;1;4</F>"},
        {"super- and subscript", 1006, IDD_INPUTSUPSUBSCRIPT,
         [](CTestDlg& d) {
             d.SetText(IDC_BASETEXT, "30");
             d.SetText(IDC_SUPERSCRIPT, "+0.2");
             d.SetText(IDC_SUBSCRIPT, "-0.1");
             d.Ok();
         },
         "<S>30;+0.2;-0.1</S>"},
    };

    CCappWorkDir workDir;
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    CString strOld = "ab";
    host.Card().m_CardData.m_HFData.SetVarData(kVar, strOld);
    CCappCell* pCell = host.FindCell(kVar);
    ASSERT_NE(nullptr, pCell);
    const CRect rc = view.GetCurSheet()->GetCellRect(pCell);
    CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    view.LpToDp(pt);
    view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ASSERT_NE(nullptr, view.m_cellEditor.m_pEditCtrl);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        std::string strAfter;
        ui.OnDialog(c.nDialog, c.fnAnswer);
        ui.OnDialog(IDD_SPECCHAR, [&](CTestDlg& t) {
            auto& dlg = *static_cast<CSpecCharDlg*>(t.GetDialog());
            ASSERT_NE(nullptr, dlg.GetEditCtrl());
            // The caret between the two letters.
            dlg.GetEditCtrl()->m_nCaretCol = 1;
            t.Click(c.nButton);
            strAfter = EditText(dlg.GetEditCtrl());
            t.Cancel();
        });
        view.SendMessage(CCappCardView::msgUserEditDlg, 0, 0);
        EXPECT_EQ(2, ui.GetDialogsOpened());
        EXPECT_TRUE(ui.GetBoxes().empty());
        EXPECT_EQ(std::string("a") + c.szInserted + "b", strAfter);
        // Cancelled: the cell's editor keeps its text.
        EXPECT_EQ("ab", EditText(view.m_cellEditor.m_pEditCtrl));
    }
}
