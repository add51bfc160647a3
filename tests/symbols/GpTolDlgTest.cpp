#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "symbols/GpTolDlg.h"
#include "symbols/GpTolTypeDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
CString BundledWorkDir()
{
    return TestDataPath("..\\..\\..\\samples\\workdir");
}

void WriteFile(const CString& strPath, const std::string& data)
{
    FILE* f = std::fopen(strPath, "wb");
    ASSERT_NE(nullptr, f);
    std::fwrite(data.data(), 1, data.size(), f);
    std::fclose(f);
}

// Runs the characteristic picker from the dialog's button and picks the type.
void PickType(CTestUi& ui, CTestDlg& d, int nType)
{
    ui.OnDialog(IDD_GPTOLTYPE, [nType](CTestDlg& picker) { picker.Click(CGpTolTypeDlg::GetTypeButtonID(nType)); });
    d.Click(IDC_GPTOL_TYPE);
}

CGpTolDlg* Dlg(CTestDlg& d)
{
    return static_cast<CGpTolDlg*>(d.GetDialog());
}

int ComboSel(CTestDlg& d, int nID)
{
    return static_cast<int>(SendMessageA(d.Item(nID), CB_GETCURSEL, 0, 0));
}
} // namespace

TEST(GpTolDlgTest, DataFileFollowsTheWorkDirectoryWithOneBackslash)
{
    CGpTolDlg dlg;
    dlg.SetDataFile("C:\\Work");
    EXPECT_STREQ("C:\\Work\\Data\\Gptol.dat", dlg.m_strDataFile);
    dlg.SetDataFile("C:\\Work\\");
    EXPECT_STREQ("C:\\Work\\Data\\Gptol.dat", dlg.m_strDataFile);
}

TEST(GpTolDlgTest, BundledTableGivesTheGeneralGeometricTolerances)
{
    CGpTolDlg dlg;
    ASSERT_TRUE(dlg.LoadGpTol(BundledWorkDir() + "\\data\\Gptol.dat"));
    EXPECT_EQ(CGpTolDlg::nRecords, dlg.m_listGpTol.GetCount());
    struct Case
    {
        const char* szName;
        int nType;
        int nGrade;
        int nBaseLen;
        int bFound;
        double dValue;
        double dBaseLen;
    };
    const Case cases[] = {
        {"roundness grade 0, 6 < L <= 10: record 36 slot 2", 3, 0, 2, TRUE, 0.00012, 10},
        {"straightness grade 7, 40 < L <= 63", 1, 6, 4, TRUE, 0.012, 63},
        {"flatness grade 1, L <= 10", 2, 0, 0, TRUE, 0.0002, 10},
        {"group 1 ends at 10000", 1, 0, 15, TRUE, 0.006, 10000},
        {"perpendicularity grade 7, 25 < L <= 40", 8, 6, 3, TRUE, 0.025, 40},
        {"total runout grade 12, 8000 < L <= 10000", 14, 11, 16, TRUE, 4, 10000},
        {"cylindricity grade 12, 400 < L <= 500", 4, 12, 12, TRUE, 0.155, 500},
        {"line profile has no table", 5, 0, 0, FALSE, -1, -1},
        {"surface profile has no table", 6, 0, 0, FALSE, -1, -1},
        {"position has no table", 12, 0, 0, FALSE, -1, -1},
        {"no characteristic", 0, 0, 0, FALSE, -1, -1},
        {"type past 14", 15, 0, 0, FALSE, -1, -1},
        {"range past group 1", 1, 0, 16, FALSE, -1, -1},
        {"negative range", 3, 0, -1, FALSE, -1, -1},
        {"a thirteenth straightness grade would read parallelism", 1, 12, 0, FALSE, -1, 10},
        {"negative grade", 10, -1, 0, FALSE, -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        double dValue = -1;
        double dBaseLen = -1;
        EXPECT_EQ(c.bFound, dlg.QueryGpTolVal(c.nType, c.nGrade, c.nBaseLen, dValue, dBaseLen));
        EXPECT_NEAR(c.dValue, dValue, 1e-12);
        EXPECT_DOUBLE_EQ(c.dBaseLen, dBaseLen);
    }
}

TEST(GpTolDlgTest, TableLinesStoreEachValueFollowedByAComma)
{
    CTestTempFolder folder;
    CString strPath = folder.PathOf("Gptol.dat");
    // Line 0: the last value has no comma; line 1: blanks inside values and a 21-character value;
    // line 2: eighteen values.
    WriteFile(strPath, "1,2,3\r\n"
                       "4 .5 , 6,123456789012345678901,\r\n"
                       "\r\n"
                       "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,\r\n");
    CGpTolDlg dlg;
    ASSERT_TRUE(dlg.LoadGpTol(strPath));
    EXPECT_EQ(3, dlg.m_listGpTol.GetCount()); // the empty line makes no record
    struct Case
    {
        const char* szName;
        int nRecord;
        int nSlot;
        int bFound;
        double dMicrometres;
    };
    // Straightness reads record grade + 0, slot = range.
    const Case cases[] = {
        {"first value", 0, 0, TRUE, 1},
        {"text after the last comma is not stored", 0, 2, TRUE, 0},
        {"blanks removed", 1, 0, TRUE, 4.5},
        {"a value keeps its first 20 characters", 1, 2, TRUE, 12345678901234567890.0},
        {"sixteenth value", 2, 15, TRUE, 16},
        {"no fourth line", 3, 0, FALSE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        double dValue = 0;
        double dBaseLen = 0;
        EXPECT_EQ(c.bFound, dlg.QueryGpTolVal(1, c.nRecord, c.nSlot, dValue, dBaseLen));
        EXPECT_DOUBLE_EQ(c.dMicrometres * 0.001, dValue);
    }

    // The seventeenth slot, read through the group that has seventeen ranges (record 24 on); an
    // eighteenth value is not stored.
    std::string strTable;
    for (int i = 0; i < 24; ++i)
        strTable += "0,\r\n";
    strTable += "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,\r\n";
    WriteFile(strPath, strTable);
    ASSERT_TRUE(dlg.LoadGpTol(strPath));
    double dValue = 0;
    double dBaseLen = 0;
    EXPECT_TRUE(dlg.QueryGpTolVal(10, 0, 16, dValue, dBaseLen));
    EXPECT_DOUBLE_EQ(0.017, dValue);

    WriteFile(strPath, "");
    EXPECT_FALSE(dlg.LoadGpTol(strPath));
    EXPECT_EQ(0, dlg.m_listGpTol.GetCount());
    EXPECT_FALSE(dlg.LoadGpTol(folder.PathOf("missing.dat")));
}

TEST(GpTolDlgTest, CmpDoubleComparesWithinTheTolerance)
{
    EXPECT_EQ(0, CGpTolDlg::CmpDouble(10, 10 + 1e-11, 1e-10));
    EXPECT_EQ(1, CGpTolDlg::CmpDouble(10.001, 10, 1e-10));
    EXPECT_EQ(-1, CGpTolDlg::CmpDouble(9.999, 10, 1e-10));
}

TEST(GpTolDlgTest, BitmapsFollowTheirTables)
{
    EXPECT_EQ(290, CGpTolDlg::GetGpTolTypeResID(1));
    EXPECT_EQ(317, CGpTolDlg::GetGpTolTypeResID(14));
    EXPECT_EQ(318, CGpTolDlg::GetGpTolTypeResID(0));
    EXPECT_EQ(318, CGpTolDlg::GetGpTolTypeResID(15));
    EXPECT_EQ(321, CGpTolDlg::GetPerTolResID(1));
    EXPECT_EQ(322, CGpTolDlg::GetPerTolResID(2));
    EXPECT_EQ(318, CGpTolDlg::GetPerTolResID(3));
    EXPECT_EQ(323, CGpTolDlg::GetSpeSymResID(1));
    EXPECT_EQ(328, CGpTolDlg::GetSpeSymResID(6));
    EXPECT_EQ(318, CGpTolDlg::GetSpeSymResID(7));
    EXPECT_EQ(326, CGpTolDlg::GetPostBaseResID(1));
    EXPECT_EQ(327, CGpTolDlg::GetPostBaseResID(2));
    EXPECT_EQ(318, CGpTolDlg::GetPostBaseResID(3));
}

TEST(GpTolDlgTest, PickersTableAndDatumsBuildTheFrame)
{
    CTestUi ui;
    CGpTolDlg dlg;
    dlg.SetDataFile(BundledWorkDir());
    ui.OnDialog(IDD_GPTOL, [&](CTestDlg& d) {
        EXPECT_STREQ("形位公差和基准标注", d.GetCaption());
        EXPECT_FALSE(d.IsEnabled(IDC_GPTOL_GRADE));
        EXPECT_FALSE(d.IsEnabled(IDC_GPTOL_BASELEN));
        EXPECT_FALSE(d.IsEnabled(IDC_GPTOL_DATUM1));
        EXPECT_FALSE(d.IsEnabled(IDC_GPTOL_DATUMCODE3));

        // The picker opens under the button, at its lower-left corner.
        RECT rcButton = {};
        GetWindowRect(d.Item(IDC_GPTOL_TYPE), &rcButton);
        ui.OnDialog(IDD_GPTOLTYPE, [&](CTestDlg& picker) {
            EXPECT_STREQ("公差符号", picker.GetCaption());
            RECT rc = {};
            GetWindowRect(picker.GetHwnd(), &rc);
            EXPECT_EQ(rcButton.left, rc.left);
            EXPECT_EQ(rcButton.bottom, rc.top);
            picker.Click(IDC_GPTOLTYPE_3);
        });
        d.Click(IDC_GPTOL_TYPE);
        EXPECT_EQ(3, Dlg(d)->m_nGpTolType);
        EXPECT_TRUE(d.IsEnabled(IDC_GPTOL_GRADE));
        ASSERT_EQ(13, d.GetComboCount(IDC_GPTOL_BASELEN));
        EXPECT_STREQ("L <= 3", d.GetComboText(IDC_GPTOL_BASELEN, 0));
        EXPECT_STREQ("6 < L <= 10", d.GetComboText(IDC_GPTOL_BASELEN, 2));
        ASSERT_EQ(13, d.GetComboCount(IDC_GPTOL_GRADE));
        EXPECT_STREQ("0", d.GetComboText(IDC_GPTOL_GRADE, 0));
        EXPECT_STREQ("12", d.GetComboText(IDC_GPTOL_GRADE, 12));
        EXPECT_EQ(6, ComboSel(d, IDC_GPTOL_GRADE));
        EXPECT_FALSE(d.IsEnabled(IDC_GPTOL_DATUM1)); // roundness takes no datum

        d.SelectCombo(IDC_GPTOL_GRADE, 0);
        d.SelectCombo(IDC_GPTOL_BASELEN, 2);
        EXPECT_STREQ("0.00012", d.GetText(IDC_GPTOL_VALUE));
        EXPECT_DOUBLE_EQ(10, Dlg(d)->m_dBaseLen);

        // Straightness: group 1, its ranges to 10000 and grades 1 to 12; the kept base length
        // of 10 is the first range.
        PickType(ui, d, 1);
        ASSERT_EQ(16, d.GetComboCount(IDC_GPTOL_BASELEN));
        EXPECT_STREQ("6300 < L <= 10000", d.GetComboText(IDC_GPTOL_BASELEN, 15));
        EXPECT_EQ(0, ComboSel(d, IDC_GPTOL_BASELEN));
        ASSERT_EQ(12, d.GetComboCount(IDC_GPTOL_GRADE));
        EXPECT_STREQ("1", d.GetComboText(IDC_GPTOL_GRADE, 0));
        d.SelectCombo(IDC_GPTOL_GRADE, 6);
        d.SelectCombo(IDC_GPTOL_BASELEN, 4);
        EXPECT_STREQ("0.012", d.GetText(IDC_GPTOL_VALUE)); // 12 micrometres

        // Perpendicularity shares the ranges: the combos stay as they are.
        SendMessageA(d.Item(IDC_GPTOL_BASELEN), CB_SETCURSEL, 5, 0);
        PickType(ui, d, 8);
        EXPECT_EQ(5, ComboSel(d, IDC_GPTOL_BASELEN));
        EXPECT_EQ(4, Dlg(d)->m_nBaseLen);
        EXPECT_STREQ("0.03", d.GetText(IDC_GPTOL_VALUE));
        EXPECT_TRUE(d.IsEnabled(IDC_GPTOL_DATUM1));
        EXPECT_TRUE(d.IsEnabled(IDC_GPTOL_DATUMCODE3));

        // The zone prefix cycles through none, diameter and square.
        const int prefixes[] = {1, 2, 0};
        for (int nPrefix : prefixes) {
            d.Click(IDC_GPTOL_ZONE);
            EXPECT_EQ(nPrefix, Dlg(d)->m_nPerTol);
        }
        d.Click(IDC_GPTOL_ZONE);
        EXPECT_EQ(1, Dlg(d)->m_nPerTol);

        ui.OnDialog(IDD_SPECIALCHAR, [&](CTestDlg& picker) {
            RECT rcSpecial = {};
            GetWindowRect(d.Item(IDC_GPTOL_SPECIAL), &rcSpecial);
            RECT rc = {};
            GetWindowRect(picker.GetHwnd(), &rc);
            EXPECT_EQ(rcSpecial.left, rc.left);
            EXPECT_EQ(rcSpecial.bottom, rc.top);
            picker.Click(IDC_SPECIAL_CODE4);
        });
        d.Click(IDC_GPTOL_SPECIAL);
        EXPECT_EQ(4, Dlg(d)->m_nSpeSym);
        ui.OnDialog(IDD_SPECIALCHAR, [](CTestDlg& picker) { picker.Cancel(); });
        d.Click(IDC_GPTOL_SPECIAL);
        EXPECT_EQ(4, Dlg(d)->m_nSpeSym);

        // Datum codes cycle only behind a datum letter.
        d.Click(IDC_GPTOL_DATUMCODE1);
        EXPECT_EQ(0, Dlg(d)->m_nPostBase1);
        d.SetText(IDC_GPTOL_DATUM1, "A");
        const int codes[] = {1, 2, 0, 1};
        for (int nCode : codes) {
            d.Click(IDC_GPTOL_DATUMCODE1);
            EXPECT_EQ(nCode, Dlg(d)->m_nPostBase1);
        }
        // Datums fill from the first.
        d.SetText(IDC_GPTOL_DATUM3, "C");
        EXPECT_STREQ("", d.GetText(IDC_GPTOL_DATUM3));
        d.SetText(IDC_GPTOL_DATUM2, "B");
        d.SetText(IDC_GPTOL_DATUM3, "C");
        d.Click(IDC_GPTOL_DATUMCODE2);
        d.Click(IDC_GPTOL_DATUMCODE3);
        d.SetText(IDC_GPTOL_DATUM2, "");
        EXPECT_STREQ("", d.GetText(IDC_GPTOL_DATUM3));
        EXPECT_EQ(0, Dlg(d)->m_nPostBase2);
        EXPECT_EQ(0, Dlg(d)->m_nPostBase3);
        EXPECT_EQ(1, Dlg(d)->m_nPostBase1);
        d.SetText(IDC_GPTOL_DATUM2, "B");
        d.SetText(IDC_GPTOL_DATUM1, "");
        EXPECT_STREQ("", d.GetText(IDC_GPTOL_DATUM2));
        EXPECT_EQ(0, Dlg(d)->m_nPostBase1);
        d.SetText(IDC_GPTOL_DATUM2, "B");
        EXPECT_STREQ("", d.GetText(IDC_GPTOL_DATUM2));
        d.SetText(IDC_GPTOL_DATUM1, "A");
        d.SetText(IDC_GPTOL_DATUM2, "B");
        d.Click(IDC_GPTOL_DATUMCODE2);
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    CGpTolContSeg seg;
    ASSERT_TRUE(dlg.GetData(&seg));
    EXPECT_EQ(8, seg.m_nType);
    EXPECT_EQ(1, seg.m_nZonePrefix);
    EXPECT_STREQ("0.03", seg.m_strValue);
    EXPECT_EQ(4, seg.m_nSpecialSymbol);
    EXPECT_STREQ("A", seg.m_strDatum1);
    EXPECT_EQ(0, seg.m_nDatumCode1);
    EXPECT_STREQ("B", seg.m_strDatum2);
    EXPECT_EQ(1, seg.m_nDatumCode2);
    EXPECT_STREQ("", seg.m_strDatum3);
    EXPECT_EQ(0, seg.m_nDatumCode3);
    EXPECT_EQ(6, seg.m_nGrade);
    EXPECT_EQ(4, seg.m_nBaseLength);
    EXPECT_EQ(8, dlg.m_segGpTol.m_nType); // OK wrote the working segment too
    EXPECT_STREQ("B", dlg.m_segGpTol.m_strDatum2);
}

TEST(GpTolDlgTest, BaseLengthAbove6300FindsTheLastRangeOfGroup1)
{
    CTestUi ui;
    CGpTolDlg dlg;
    dlg.SetDataFile(BundledWorkDir());
    ui.OnDialog(IDD_GPTOL, [&](CTestDlg& d) {
        PickType(ui, d, 13);
        d.SelectCombo(IDC_GPTOL_BASELEN, 15); // 5000 < L <= 8000
        EXPECT_DOUBLE_EQ(8000, Dlg(d)->m_dBaseLen);
        PickType(ui, d, 1);
        EXPECT_EQ(15, ComboSel(d, IDC_GPTOL_BASELEN));
        EXPECT_EQ(15, Dlg(d)->m_nBaseLen);
        // Grade index 6 is grade 7 here: 150 micrometres.
        EXPECT_STREQ("0.15", d.GetText(IDC_GPTOL_VALUE));
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(GpTolDlgTest, CharacteristicsWithoutTableOrDatumStoreNone)
{
    struct Case
    {
        const char* szName;
        int nType;
        bool bTable;
        bool bDatums;
        int nBaseLen; // another group's list starts over at the range of the kept base length
    };
    const Case cases[] = {
        {"line profile", 5, false, false, -1}, {"surface profile", 6, false, false, -1},
        {"position", 12, false, true, -1},     {"flatness", 2, true, false, 2},
        {"symmetry", 11, true, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CGpTolContSeg seg;
        seg.m_nType = 8;
        seg.m_strValue = "0.05";
        seg.m_strDatum1 = "A";
        seg.m_nDatumCode1 = 2;
        seg.m_nGrade = 3;
        seg.m_nBaseLength = 2;
        CTestUi ui;
        CGpTolDlg dlg;
        dlg.SetDataFile(BundledWorkDir());
        dlg.SetData(&seg);
        ui.OnDialog(IDD_GPTOL, [&](CTestDlg& d) {
            EXPECT_EQ(3, ComboSel(d, IDC_GPTOL_GRADE));
            EXPECT_EQ(2, ComboSel(d, IDC_GPTOL_BASELEN));
            EXPECT_STREQ("0.05", d.GetText(IDC_GPTOL_VALUE));
            EXPECT_STREQ("A", d.GetText(IDC_GPTOL_DATUM1));
            PickType(ui, d, c.nType);
            EXPECT_EQ(c.bTable, d.IsEnabled(IDC_GPTOL_GRADE) != FALSE);
            EXPECT_EQ(c.bTable, d.IsEnabled(IDC_GPTOL_BASELEN) != FALSE);
            EXPECT_EQ(c.bDatums, d.IsEnabled(IDC_GPTOL_DATUM1) != FALSE);
            EXPECT_EQ(c.bDatums, d.IsEnabled(IDC_GPTOL_DATUMCODE1) != FALSE);
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        CGpTolContSeg result;
        ASSERT_TRUE(dlg.GetData(&result));
        EXPECT_EQ(c.nType, result.m_nType);
        EXPECT_EQ(c.bTable ? 3 : -1, result.m_nGrade);
        EXPECT_EQ(c.nBaseLen, result.m_nBaseLength);
        EXPECT_STREQ(c.bDatums ? "A" : "", result.m_strDatum1);
        EXPECT_EQ(c.bDatums ? 2 : 0, result.m_nDatumCode1);
    }
}

TEST(GpTolDlgTest, OkWaitsForACharacteristicAndAValue)
{
    CTestUi ui;
    CGpTolDlg dlg;
    dlg.SetDataFile(BundledWorkDir());
    ui.OnDialog(IDD_GPTOL, [&](CTestDlg& d) {
        d.SetText(IDC_GPTOL_VALUE, "0.1");
        d.Ok();
        EXPECT_EQ(-1, d.GetDialog()->GetModalResult()); // no characteristic
        PickType(ui, d, 6);
        d.SetText(IDC_GPTOL_VALUE, "");
        d.Ok();
        EXPECT_EQ(-1, d.GetDialog()->GetModalResult()); // no value
        d.SetText(IDC_GPTOL_VALUE, "0.1;2");
        d.Ok();
        EXPECT_EQ(-1, d.GetDialog()->GetModalResult()); // would split the element
        EXPECT_EQ(1u, ui.GetBoxes().size());
        d.SetText(IDC_GPTOL_VALUE, "0.1");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    CGpTolContSeg seg;
    EXPECT_FALSE(dlg.GetData(nullptr));
    ASSERT_TRUE(dlg.GetData(&seg));
    EXPECT_STREQ("0.1", seg.m_strValue);
    dlg.m_nGpTolType = 0;
    EXPECT_FALSE(dlg.GetData(&seg));
}

TEST(GpTolDlgTest, MissingTableIsReportedAndTheValueCanStillBeTyped)
{
    CTestTempFolder folder;
    CTestUi ui;
    CGpTolDlg dlg;
    dlg.SetDataFile(folder.GetPath());
    ui.OnDialog(IDD_GPTOL, [&](CTestDlg& d) {
        ASSERT_EQ(1u, ui.GetBoxes().size());
        // The box names the file it could not read.
        CString strDir = folder.GetPath();
        strDir.TrimRight('\\');
        EXPECT_STREQ(CString("数据读取错误，系统数据不完整！\n无法读取文件：") + strDir + "\\Data\\Gptol.dat",
                     ui.GetBoxes()[0].strText);
        EXPECT_STREQ("提示", ui.GetBoxes()[0].strCaption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), ui.GetBoxes()[0].nType & MB_ICONMASK);
        PickType(ui, d, 1);
        d.SelectCombo(IDC_GPTOL_GRADE, 3);
        EXPECT_STREQ("", d.GetText(IDC_GPTOL_VALUE));
        d.SetText(IDC_GPTOL_VALUE, "0.02");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("0.02", dlg.m_strTolVal);
}

TEST(GpTolTypeDlgTest, EachButtonChoosesItsCharacteristic)
{
    for (int nType = 0; nType <= 14; ++nType) {
        SCOPED_TRACE(nType);
        CTestUi ui;
        CGpTolTypeDlg dlg;
        dlg.m_nType = -5;
        dlg.m_x = 50;
        dlg.m_y = 60;
        ui.OnDialog(IDD_GPTOLTYPE, [&](CTestDlg& d) {
            RECT rc = {};
            GetWindowRect(d.GetHwnd(), &rc);
            EXPECT_EQ(50, rc.left);
            EXPECT_EQ(60, rc.top);
            EXPECT_NE(nullptr, dlg.m_btnType[nType].m_bitmap.m_hObject);
            d.Click(CGpTolTypeDlg::GetTypeButtonID(nType));
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(nType, dlg.m_nType);
    }
    CTestUi ui;
    CGpTolTypeDlg dlg;
    ui.OnDialog(IDD_GPTOLTYPE, [](CTestDlg& d) { d.Cancel(); });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nType);
    EXPECT_EQ(IDC_GPTOLTYPE_1, CGpTolTypeDlg::GetTypeButtonID(1));
    EXPECT_EQ(IDC_GPTOLTYPE_NONE, CGpTolTypeDlg::GetTypeButtonID(0));
    EXPECT_EQ(0, CGpTolTypeDlg::GetTypeButtonID(15));
}
