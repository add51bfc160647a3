#include <gtest/gtest.h>

#include "symbols/InputToleranceDlg.h"
#include "symbols/SelectTolFitDlg.h"
#include "symbols/ToleranceContSeg.h"
#include "symbols/res/resource.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

#include <commctrl.h>

namespace
{
// The bundled work directory: the tables are in its "data" folder.
CString BundledWorkDir()
{
    return TestDataPath("..\\..\\..\\samples\\workdir");
}

// A zone of the table dialog's picture by its grid cell, as the user clicks it.
void ClickZone(CTestDlg& d, int nCol, int nRow)
{
    auto* pDlg = static_cast<CSelectTolFitDlg*>(d.GetDialog());
    int cx = pDlg->m_nPicLeft + 1 + 12 + nCol * 18 + 9;
    int cy = pDlg->m_nPicTop + 1 + 12 + nRow * 18 + 9;
    SendMessageA(d.GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cx, cy));
    SendMessageA(d.GetHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(cx, cy));
}

void ChooseTab(CTestDlg& d, int nTab)
{
    SendMessageA(d.Item(IDC_TOLFIT_TAB), TCM_SETCURSEL, static_cast<WPARAM>(nTab), 0);
    NMHDR nm = {d.Item(IDC_TOLFIT_TAB), IDC_TOLFIT_TAB, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(d.GetHwnd(), WM_NOTIFY, IDC_TOLFIT_TAB, reinterpret_cast<LPARAM>(&nm));
}
} // namespace

TEST(InputToleranceDlgTest, PresetDropsOnlyASignOrTheBlankBeforeAZero)
{
    struct Case
    {
        const char* szName;
        const char* szStored;
        const char* szShown;
    };
    const Case cases[] = {
        {"plus sign", "+0.021", "0.021"},
        {"blank before a zero", " 0", "0."},
        {"plus zero", "+0", "0."},
        {"zero without a sign", "0", "0."},
        {"no sign keeps its first digit", "20", "20"},
        {"no sign, decimal", "0.5", "0.5"},
        {"negative kept", "-0.005", "-0.005"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CInputToleranceDlg dlg;
        dlg.SetData(0, "", "20", c.szStored, c.szStored);
        EXPECT_STREQ(c.szShown, dlg.m_strUpper);
        EXPECT_STREQ(c.szShown, dlg.m_strLower);
    }

    CToleranceContSeg seg;
    seg.Set("φ25", "H7", "+0.021", " 0", 1);
    CInputToleranceDlg dlg;
    dlg.SetData(&seg);
    EXPECT_STREQ("25", dlg.m_strBase);
    EXPECT_EQ(1, dlg.m_nDiameter);
    EXPECT_STREQ("H7", dlg.m_strSymbol);
    EXPECT_EQ(1, dlg.m_nSymbolFlag);
    dlg.SetData(nullptr);
    EXPECT_STREQ("25", dlg.m_strBase);
    EXPECT_FALSE(dlg.GetData(nullptr));
}

TEST(InputToleranceDlgTest, DeviationsAreNormalisedAsStored)
{
    struct Case
    {
        const char* szName;
        const char* szTyped;
        const char* szStored;
    };
    const Case cases[] = {
        {"positive gets a plus", "0.021", "+0.021"},
        {"negative as typed", "-0.005", "-0.005"},
        {"empty is a blank and a zero", "", " 0"},
        {"zero shown as 0.", "0.", " 0"},
        {"not a number", "abc", " 0"},
        {"trailing zeros go", "+0.0100", "+0.01"},
        {"negative trailing zeros", "-0.0500", "-0.05"},
        {"whole number keeps its zeros", "100", "+100"},
        {"blanks around", " 0.02 ", "+0.02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szStored, CInputToleranceDlg::NormalizeDeviation(c.szTyped));
    }
}

TEST(InputToleranceDlgTest, DataDirIsTheWorkDirectorysDataFolder)
{
    CInputToleranceDlg dlg;
    dlg.SetDataDir("C:\\Work");
    EXPECT_STREQ("C:\\Work\\Data", dlg.m_strDataDir);
    dlg.SetDataDir("C:\\Work\\");
    EXPECT_STREQ("C:\\Work\\Data", dlg.m_strDataDir);
}

TEST(InputToleranceDlgTest, OkFollowsBaseDeviationsAndSymbol)
{
    CTestUi ui;
    CInputToleranceDlg dlg;
    ui.OnDialog(IDD_INPUTTOLERANCE, [&](CTestDlg& d) {
        EXPECT_STREQ("输入公差标注", d.GetCaption());
        EXPECT_TRUE(d.IsChecked(IDC_TOL_NOSYMBOL));
        EXPECT_FALSE(d.IsEnabled(IDOK));
        EXPECT_FALSE(d.IsEnabled(IDC_TOL_TABLE));
        EXPECT_FALSE(d.IsEnabled(IDC_TOL_SYMBOL));
        d.SetText(IDC_TOL_BASE, "20");
        EXPECT_TRUE(d.IsEnabled(IDC_TOL_TABLE));
        EXPECT_FALSE(d.IsEnabled(IDOK)); // no deviation yet
        d.SetText(IDC_TOL_UPPER, "0.021");
        EXPECT_TRUE(d.IsEnabled(IDOK));
        d.Click(IDC_TOL_WITHSYMBOL);
        EXPECT_TRUE(d.IsEnabled(IDC_TOL_SYMBOL));
        EXPECT_FALSE(d.IsEnabled(IDOK)); // the second form without a symbol
        d.SetText(IDC_TOL_SYMBOL, "H7");
        EXPECT_TRUE(d.IsEnabled(IDOK));
        d.SetText(IDC_TOL_SYMBOL, "");
        EXPECT_FALSE(d.IsEnabled(IDOK));
        d.Click(IDC_TOL_NOSYMBOL);
        EXPECT_FALSE(d.IsEnabled(IDC_TOL_SYMBOL));
        EXPECT_TRUE(d.IsEnabled(IDOK));
        d.SetText(IDC_TOL_UPPER, "");
        EXPECT_FALSE(d.IsEnabled(IDOK));
        d.SetText(IDC_TOL_LOWER, "-0.0050");
        EXPECT_TRUE(d.IsEnabled(IDOK));
        d.SetText(IDC_TOL_BASE, "");
        EXPECT_FALSE(d.IsEnabled(IDOK));
        EXPECT_FALSE(d.IsEnabled(IDC_TOL_TABLE));
        d.Ok(); // a disabled OK does nothing
        EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
        d.SetText(IDC_TOL_BASE, "20");
        d.Click(IDC_TOL_DIAMETER);
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    CToleranceContSeg seg;
    EXPECT_TRUE(dlg.GetData(&seg));
    EXPECT_STREQ("φ20", seg.m_strBase);
    EXPECT_STREQ(" 0", seg.m_strUpper);
    EXPECT_STREQ("-0.005", seg.m_strLower);
    EXPECT_EQ(0, seg.m_nSymbolFlag);
}

TEST(InputToleranceDlgTest, EditedSegmentOpensAsStoredAndComesBackUnchanged)
{
    CToleranceContSeg seg;
    seg.Set("φ25", "H7", "+0.021", " 0", 1);
    CTestUi ui;
    CInputToleranceDlg dlg;
    dlg.SetData(&seg);
    ui.OnDialog(IDD_INPUTTOLERANCE, [&](CTestDlg& d) {
        EXPECT_TRUE(d.IsChecked(IDC_TOL_WITHSYMBOL));
        EXPECT_FALSE(d.IsChecked(IDC_TOL_NOSYMBOL));
        EXPECT_TRUE(d.IsEnabled(IDC_TOL_SYMBOL));
        EXPECT_TRUE(d.IsChecked(IDC_TOL_DIAMETER));
        EXPECT_STREQ("25", d.GetText(IDC_TOL_BASE));
        EXPECT_STREQ("0.021", d.GetText(IDC_TOL_UPPER));
        EXPECT_STREQ("0.", d.GetText(IDC_TOL_LOWER));
        EXPECT_STREQ("H7", d.GetText(IDC_TOL_SYMBOL));
        EXPECT_TRUE(d.IsEnabled(IDOK));
        EXPECT_TRUE(d.IsEnabled(IDC_TOL_TABLE));
        d.Ok();
        // The controls show what is handed back.
        EXPECT_STREQ("φ25", d.GetText(IDC_TOL_BASE));
        EXPECT_STREQ("+0.021", d.GetText(IDC_TOL_UPPER));
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    CToleranceContSeg result;
    ASSERT_TRUE(dlg.GetData(&result));
    EXPECT_STREQ("φ25", result.m_strBase);
    EXPECT_STREQ("H7", result.m_strSymbol);
    EXPECT_STREQ("+0.021", result.m_strUpper);
    EXPECT_STREQ(" 0", result.m_strLower);
    EXPECT_EQ(1, result.m_nSymbolFlag);
}

TEST(InputToleranceDlgTest, TableButtonTakesTheZoneFromTheTables)
{
    CTestUi ui;
    CInputToleranceDlg dlg;
    dlg.SetDataDir(BundledWorkDir());
    ui.OnDialog(IDD_INPUTTOLERANCE, [&](CTestDlg& d) {
        d.SetText(IDC_TOL_BASE, "25");
        d.Click(IDC_TOL_TABLE);
        EXPECT_STREQ("H7", d.GetText(IDC_TOL_SYMBOL)); // the table's trailing blank trimmed
        EXPECT_STREQ("+0.021", d.GetText(IDC_TOL_UPPER));
        EXPECT_STREQ("0", d.GetText(IDC_TOL_LOWER));
        EXPECT_TRUE(d.IsEnabled(IDOK));
        EXPECT_EQ(IDOK, d.GetFocusID());
        d.Click(IDC_TOL_WITHSYMBOL);
        EXPECT_TRUE(d.IsEnabled(IDOK));
        d.Ok();
    });
    ui.OnDialog(IDD_SELECTTOLFIT, [](CTestDlg& d) {
        auto* pTable = static_cast<CSelectTolFitDlg*>(d.GetDialog());
        EXPECT_DOUBLE_EQ(25, pTable->m_dSize);
        EXPECT_EQ(0, pTable->m_nFitMode);
        EXPECT_STREQ("25", d.GetText(IDC_TOLFIT_SIZE));
        ClickZone(d, 7, 6);
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("25", dlg.m_strBase);
    EXPECT_STREQ("H7", dlg.m_strSymbol);
    EXPECT_STREQ("+0.021", dlg.m_strUpper);
    EXPECT_STREQ(" 0", dlg.m_strLower);
    EXPECT_EQ(1, dlg.m_nSymbolFlag);
}

// The plastic-part table gives deviations but no code: with the fit code chosen, OK must wait
// for one.
TEST(InputToleranceDlgTest, TableWithoutACodeLeavesTheSecondFormIncomplete)
{
    CTestUi ui;
    CInputToleranceDlg dlg;
    dlg.SetDataDir(BundledWorkDir() + "\\");
    ui.OnDialog(IDD_INPUTTOLERANCE, [&](CTestDlg& d) {
        d.SetText(IDC_TOL_BASE, "-3");
        d.Click(IDC_TOL_WITHSYMBOL);
        d.Click(IDC_TOL_TABLE);
        EXPECT_STREQ("", d.GetText(IDC_TOL_SYMBOL));
        EXPECT_STREQ("0.160000", d.GetText(IDC_TOL_UPPER));
        EXPECT_FALSE(d.IsEnabled(IDOK));
        d.Click(IDC_TOL_NOSYMBOL);
        EXPECT_TRUE(d.IsEnabled(IDOK));
        // Cancelling the tables changes nothing.
        d.Click(IDC_TOL_TABLE);
        EXPECT_STREQ("0.160000", d.GetText(IDC_TOL_UPPER));
        d.Ok();
    });
    ui.OnDialog(IDD_SELECTTOLFIT, [](CTestDlg& d) {
        // A negative base value is taken as no size.
        EXPECT_DOUBLE_EQ(0, static_cast<CSelectTolFitDlg*>(d.GetDialog())->m_dSize);
        ChooseTab(d, 2);
        d.SetText(IDC_TOLFIT_SIZE, "25");
        d.SelectCombo(IDC_TOLFIT_PLASTIC_GRADE, 4);
        d.Ok();
    });
    ui.OnDialog(IDD_SELECTTOLFIT, [](CTestDlg& d) { d.Cancel(); });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("+0.16", dlg.m_strUpper);
    EXPECT_STREQ(" 0", dlg.m_strLower);
    EXPECT_EQ(0, dlg.m_nSymbolFlag);
}

// A ";" or a closing tag would split the stored element: refused like in the other notation
// dialogs, with the dialog left open.
TEST(InputToleranceDlgTest, TextsThatWouldBreakTheElementAreRefused)
{
    struct Case
    {
        const char* szName;
        int nEdit;
        const char* szTyped;
    };
    const Case cases[] = {
        {"base with a semicolon", IDC_TOL_BASE, "20;5"},
        {"symbol with the closing tag", IDC_TOL_SYMBOL, "H7</T>"},
        {"upper deviation with a semicolon", IDC_TOL_UPPER, "0.1;2"},
        {"lower deviation with a font tag", IDC_TOL_LOWER, "-0.1<FT>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CInputToleranceDlg dlg;
        dlg.SetData(1, "H7", "20", "0.1", "-0.1");
        ui.OnDialog(IDD_INPUTTOLERANCE, [&](CTestDlg& d) {
            d.SetText(c.nEdit, c.szTyped);
            d.Ok();
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
            EXPECT_EQ(c.nEdit, d.GetFocusID());
            EXPECT_EQ(1u, ui.GetBoxes().size());
            d.Cancel();
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
}
