#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "symbols/GCData.h"
#include "symbols/GlyphworkFun.h"
#include "symbols/SelectTolFitDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

#include <commctrl.h>

namespace
{
const char* const dataFiles[] = {"it.dat", "zgc.dat", "kgc.dat", "jkph.dat", "jzph.dat", "jzph2.dat"};

// The data folder of the bundled work directory.
CString BundledDir()
{
    return TestDataPath("..\\..\\..\\samples\\workdir\\data");
}

// A copy of the bundled files to damage.
class TolFilesCopy
{
public:
    TolFilesCopy()
    {
        for (const char* pszName : dataFiles)
            CopyFileA(BundledDir() + "\\" + pszName, m_folder.PathOf(pszName), FALSE);
    }
    CString Dir() const { return m_folder.GetPath(); }
    void Write(const char* pszName, const std::string& data) const
    {
        FILE* f = std::fopen(m_folder.PathOf(pszName), "wb");
        ASSERT_NE(nullptr, f);
        std::fwrite(data.data(), 1, data.size(), f);
        std::fclose(f);
    }
    void Remove(const char* pszName) const { DeleteFileA(m_folder.PathOf(pszName)); }

private:
    CTestTempFolder m_folder;
};

std::string Repeat(const char* pszItem, int nCount)
{
    std::string str;
    for (int i = 0; i < nCount; i++)
        str += std::string(i ? "," : "") + pszItem;
    return str;
}

// A zone by its code, as the picture offers it: uppercase letters are holes.
int LookUp(CSelectTolFitDlg& dlg, const char* pszLetters, int nGrade, double dSize, double& dUpper, double& dLower)
{
    bool bHole = pszLetters[0] >= 'A' && pszLetters[0] <= 'Z';
    double dTol = 0;
    return dlg.Query_GCTab(bHole ? 1 : 0, nGrade, dSize, pszLetters, bHole ? dlg.m_listHole : dlg.m_listShaft, dUpper,
                           dLower, dTol);
}

class SelectTolFitDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dlg.SetData(BundledDir() + "\\", 25, 0);
        ASSERT_EQ(1, m_dlg.LoadTolerancesData());
    }
    CSelectTolFitDlg m_dlg;
};
} // namespace

TEST_F(SelectTolFitDlgTest, BundledTablesGiveTheStandardsLimitDeviations)
{
    struct Case
    {
        const char* szName;
        const char* szLetters;
        int nGrade;
        double dSize;
        double dUpper;
        double dLower;
    };
    const Case cases[] = {
        {"h7 at 25", "h", 7, 25, 0, -0.021},
        {"H7 at 25", "H", 7, 25, 0.021, 0},
        {"g6 at 25", "g", 6, 25, -0.007, -0.020},
        {"k6 at 25", "k", 6, 25, 0.015, 0.002},
        {"js6 at 25 keeps the odd 13 um", "js", 6, 25, 0.0065, -0.0065},
        {"js7 at 25 halves 21 um less 1", "js", 7, 25, 0.010, -0.010},
        {"Js7 hole at 25", "Js", 7, 25, 0.010, -0.010},
        {"f7 at 25", "f", 7, 25, -0.020, -0.041},
        {"p6 at 25", "p", 6, 25, 0.035, 0.022},
        {"a11 at 25", "a", 11, 25, -0.300, -0.430},
        {"A11 at 25", "A", 11, 25, 0.430, 0.300},
        {"s6 at 100, upper bound inclusive", "s", 6, 100, 0.093, 0.071},
        {"G7 at 25", "G", 7, 25, 0.028, 0.007},
        {"K6 at 25 adds delta 4", "K", 6, 25, 0.002, -0.011},
        {"K7 at 25 adds delta 8", "K", 7, 25, 0.006, -0.015},
        {"K4 at 5 adds delta 1.5 um", "K", 4, 5, 0.0005, -0.0035},
        {"K9 at 25 is 0 without delta", "K", 9, 25, 0, -0.052},
        {"M7 at 300 adds delta 20", "M", 7, 300, 0, -0.052},
        {"M6 at 300 is the special -9 um", "M", 6, 300, -0.009, -0.041},
        {"N7 at 25", "N", 7, 25, -0.007, -0.028},
        {"N9 at 25 is served", "N", 9, 25, 0, -0.052},
        {"N9 at 2 is -4 um", "N", 9, 2, -0.004, -0.029},
        {"P7 at 25 adds delta", "P", 7, 25, -0.014, -0.035},
        {"P9 at 25 has no delta", "P", 9, 25, -0.022, -0.074},
        {"S7 at 25", "S", 7, 25, -0.027, -0.048},
        {"J7 at 25", "J", 7, 25, 0.012, -0.009},
        {"H3 at 500: only sizes above 500 need IT6", "H", 3, 500, 0.015, 0},
        {"H8 at 600", "H", 8, 600, 0.110, 0},
        {"d9 at 1000", "d", 9, 1000, -0.320, -0.550},
        {"r6 at 3000", "r", 6, 3000, 0.715, 0.580},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        double dUpper = 1;
        double dLower = 1;
        ASSERT_EQ(1, LookUp(m_dlg, c.szLetters, c.nGrade, c.dSize, dUpper, dLower));
        EXPECT_NEAR(c.dUpper, dUpper, 1e-9);
        EXPECT_NEAR(c.dLower, dLower, 1e-9);
    }
    // A delta that cancels the deviation leaves an exact zero, shown as "0".
    double dUpper = 1;
    double dLower = 1;
    ASSERT_EQ(1, LookUp(m_dlg, "M", 7, 300, dUpper, dLower));
    EXPECT_STREQ("0", CGlyphworkFun::FormatFloat(dUpper));
    EXPECT_STREQ("-0.052", CGlyphworkFun::FormatFloat(dLower));
    double dIt = 0;
    EXPECT_EQ(1, m_dlg.GetItVal(25, 8, dIt));
    EXPECT_EQ(21, dIt);
}

TEST_F(SelectTolFitDlgTest, ZonesOutsideTheTablesAreNotFound)
{
    struct Case
    {
        const char* szName;
        const char* szLetters;
        int nGrade;
        double dSize;
    };
    const Case cases[] = {
        {"a below 1 mm", "a", 11, 0.5},
        {"b below 1 mm", "b", 11, 0.9},
        {"A below 1 mm", "A", 11, 0.5},
        {"t up to 24 mm", "t", 6, 10},
        {"j at IT4 has no row", "j", 4, 25},
        {"unknown letters", "q", 7, 25},
        {"h asked of the holes", "h", 7, 25},
        {"grade 14", "h", 14, 25},
        {"grade 0", "h", 0, 25},
        {"size 0", "h", 7, 0},
        {"size past 3150", "h", 7, 3200},
        {"IT5 above 500", "h", 5, 600},
        {"a above 500", "a", 11, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        double dUpper = 7;
        double dLower = 7;
        bool bHole = c.szLetters[0] >= 'A' && c.szLetters[0] <= 'Z';
        double dTol = 0;
        EXPECT_EQ(0,
                  m_dlg.Query_GCTab(bHole || std::string(c.szName) == "h asked of the holes" ? 1 : 0, c.nGrade, c.dSize,
                                    c.szLetters, bHole ? m_dlg.m_listHole : m_dlg.m_listShaft, dUpper, dLower, dTol));
    }
}

TEST_F(SelectTolFitDlgTest, GridsOfferOnlyZonesTheTablesServe)
{
    const char* const zoneLetters[22] = {"a", "b", "c", "d", "e", "f", "g", "h", "j", "js", "k",
                                         "m", "n", "p", "r", "s", "t", "u", "v", "x", "y",  "z"};
    // Letters the standard starts above some size: the grid is the same below 500 mm.
    struct Start
    {
        const char* szLetters;
        double dFrom;
    };
    const Start starts[] = {{"t", 24}, {"v", 14}, {"y", 18}, {"T", 24}, {"V", 14}, {"Y", 18}};
    const double sizes[] = {1,   2,   5,   8,   12,  16,  20,  25,  40,   60,   100,  150,  200,  240,
                            300, 350, 420, 499, 500, 550, 700, 900, 1100, 1500, 1900, 2400, 3000, 3150};
    for (double dSize : sizes) {
        for (int bHole = 0; bHole < 2; bHole++) {
            for (int r = 0; r < 13; r++) {
                for (int c = 0; c < 22; c++) {
                    if (!CSelectTolFitDlg::IsZoneOffered(bHole != 0, dSize, c, r))
                        continue;
                    std::string strLetters = zoneLetters[c];
                    if (bHole)
                        strLetters[0] = static_cast<char>(strLetters[0] - 'a' + 'A');
                    bool bMissing = false;
                    for (const Start& s : starts)
                        bMissing = bMissing || (strLetters == s.szLetters && dSize <= s.dFrom);
                    double dUpper = 0;
                    double dLower = 0;
                    EXPECT_EQ(bMissing ? 0 : 1, LookUp(m_dlg, strLetters.c_str(), r + 1, dSize, dUpper, dLower))
                        << strLetters << r + 1 << " at " << dSize;
                }
            }
        }
    }
}

TEST(SelectTolFitDlgFilesTest, RowLinesTakeTheirGrades)
{
    struct Case
    {
        const char* szName;
        const char* szLine;
        int nOk;
        int nFirst; // grade numbers, -1 IT01
        int nLast;
    };
    const Case cases[] = {
        {"all grades", "a,es,*", 1, -1, 18},     {"up to and with 7", "k,ei,<=7", 1, -1, 7},
        {"below 7", "k,EI,<7", 1, -1, 6},        {"above 7", "P,ES,>7", 1, 8, 18},
        {"from 3", "P,es,>=3", 1, 3, 18},        {"range written downwards", "j,ei,9~5", 1, 5, 9},
        {"one grade", "J,es,6", 1, 6, 6},        {"IT01 alone", "J,es,-1", 1, -1, -1},
        {"grade past 18", "J,es,19", 0, 0, -1},  {"grade word not a number", "J,es,x", 0, 0, -1},
        {"no grade word", "J,es", 0, 0, -1},     {"neither es nor ei", "J,ee,6", 0, 0, -1},
        {"three letters", "abc,es,6", 0, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CGCData row;
        ASSERT_EQ(c.nOk, CSelectTolFitDlg::InitGCValue(c.szLine, &row, "es", "ei"));
        if (!c.nOk)
            continue;
        for (int n = -1; n <= 18; n++)
            EXPECT_EQ(n >= c.nFirst && n <= c.nLast, row.AppliesTo(n)) << "grade " << n;
    }
    CGCData row;
    ASSERT_EQ(1, CSelectTolFitDlg::InitGCData("-,5,-12+,7+x", &row));
    const short values[] = {-1, 5, -12, 7, -1};
    const short marks[] = {-1, 0, 1, 1, -1};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(marks[i], row.m_nMarks[i]) << i;
        if (marks[i] != -1) {
            EXPECT_EQ(values[i], row.m_nValues[i]) << i;
        }
    }
}

TEST(SelectTolFitDlgFilesTest, LinesLongerThanTheirTablesCountAsDamage)
{
    const std::string strItBounds = Repeat("10", 21);
    const std::string strDevBounds = Repeat("10", 43);
    struct Case
    {
        const char* szName;
        const char* szFile;
        std::string strData;
        int nLoaded;
    };
    const Case cases[] = {
        {"it.dat at full size", "it.dat",
         strItBounds + "\r\n" + strDevBounds + "\r\nIT01\r\n" + Repeat("1", 25) + "\r\n", 1},
        {"22 IT size bounds", "it.dat", Repeat("10", 22) + "\r\n" + strDevBounds + "\r\n", 0},
        {"44 deviation size bounds", "it.dat", strItBounds + "\r\n" + Repeat("10", 44) + "\r\n", 0},
        {"26 IT values", "it.dat", strItBounds + "\r\n" + strDevBounds + "\r\nIT01\r\n" + Repeat("1", 26) + "\r\n", 0},
        {"grade title without values", "it.dat", strItBounds + "\r\n" + strDevBounds + "\r\nIT01\r\n", 0},
        {"46 deviation values", "zgc.dat", "h\r\na,es,*\r\n" + Repeat("1", 46) + "\r\n", 0},
        {"45 deviation values", "zgc.dat", "h\r\na,es,*\r\n" + Repeat("1", 45) + "\r\n", 1},
        {"row without values", "kgc.dat", "h\r\nA,ei,*\r\n", 0},
        {"empty fit index", "jzph2.dat", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        TolFilesCopy files;
        files.Write(c.szFile, c.strData);
        CSelectTolFitDlg dlg;
        dlg.SetData(files.Dir(), 25, 0);
        EXPECT_EQ(c.nLoaded, dlg.LoadTolerancesData());
    }
}

TEST(SelectTolFitDlgFilesTest, PlasticTableGivesTheBandOfTheRowHoldingTheSize)
{
    struct Case
    {
        const char* szName;
        int nGrade;
        double dSize;
        BOOL bFound;
        double dTol;
    };
    const Case cases[] = {
        {"grade 5 at 25", 5, 25, TRUE, 0.16},     {"upper bound inclusive", 1, 3, TRUE, 0.02},
        {"grade 10 at 1600", 10, 1600, TRUE, 18}, {"size 0", 1, 0, FALSE, 0},
        {"above 1600", 1, 1601, FALSE, 0},        {"grade 11", 11, 25, FALSE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        double dTol = 0;
        EXPECT_EQ(c.bFound, CSelectTolFitDlg::GetPlasticTolerance(c.nGrade, c.dSize, dTol));
        EXPECT_DOUBLE_EQ(c.dTol, dTol);
    }
}

// ---- the dialog driven as a user does

namespace
{
// The control's own visibility: the dialog itself is not shown while the handler runs.
bool IsShown(CTestDlg& d, int nID)
{
    return (GetWindowLongPtrA(d.Item(nID), GWL_STYLE) & WS_VISIBLE) != 0;
}

void ChooseTab(CTestDlg& d, int nTab)
{
    SendMessageA(d.Item(IDC_TOLFIT_TAB), TCM_SETCURSEL, static_cast<WPARAM>(nTab), 0);
    NMHDR nm = {d.Item(IDC_TOLFIT_TAB), IDC_TOLFIT_TAB, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(d.GetHwnd(), WM_NOTIFY, IDC_TOLFIT_TAB, reinterpret_cast<LPARAM>(&nm));
}

// A click at a point of the picture, measured from its corner plus one as the grids are.
void ClickPicture(CTestDlg& d, int x, int y)
{
    auto* pDlg = static_cast<CSelectTolFitDlg*>(d.GetDialog());
    int cx = pDlg->m_nPicLeft + 1 + x;
    int cy = pDlg->m_nPicTop + 1 + y;
    SendMessageA(d.GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cx, cy));
    SendMessageA(d.GetHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(cx, cy));
}

void ClickZone(CTestDlg& d, int nCol, int nRow)
{
    ClickPicture(d, 12 + nCol * 18 + 9, 12 + nRow * 18 + 9);
}

void ClickFit(CTestDlg& d, int nCol, int nRow)
{
    ClickPicture(d, 42 + nCol * 17 + 8, 70 + nRow * 22 + 11);
}
} // namespace

TEST(SelectTolFitDlgUiTest, ZoneClickedByPositionGivesCodeAndDeviations)
{
    CTestUi ui;
    CSelectTolFitDlg dlg;
    dlg.SetData(BundledDir(), 0, 0);
    ui.OnDialog(IDD_SELECTTOLFIT, [&](CTestDlg& d) {
        EXPECT_STREQ("公差查表", d.GetCaption());
        ASSERT_EQ(3, SendMessageA(d.Item(IDC_TOLFIT_TAB), TCM_GETITEMCOUNT, 0, 0));
        EXPECT_EQ(1, SendMessageA(d.Item(IDC_TOLFIT_TAB), TCM_GETCURSEL, 0, 0));
        EXPECT_FALSE(d.IsEnabled(IDOK));
        EXPECT_FALSE(IsShown(d, IDC_TOLFIT_PLASTIC_GRADE));
        d.SetText(IDC_TOLFIT_SIZE, "25");
        ClickZone(d, 7, 6);
        EXPECT_STREQ("H7 ", d.GetText(IDC_TOLFIT_CODE));
        EXPECT_STREQ("+0.021", d.GetText(IDC_TOLFIT_UPPER));
        EXPECT_STREQ("0", d.GetText(IDC_TOLFIT_LOWER));
        EXPECT_TRUE(d.IsEnabled(IDOK));
        EXPECT_TRUE(d.SavePicture("SelectTolFitDlg-hole.png"));

        ChooseTab(d, 0);
        EXPECT_STREQ("", d.GetText(IDC_TOLFIT_CODE));
        EXPECT_STREQ("", d.GetText(IDC_TOLFIT_UPPER));
        EXPECT_FALSE(d.IsEnabled(IDOK));
        EXPECT_STREQ("25", d.GetText(IDC_TOLFIT_SIZE));
        // 7 pixels left of the grid still hits column 0: a9.
        ClickPicture(d, 5, 12 + 8 * 18 + 5);
        EXPECT_STREQ("a9 ", d.GetText(IDC_TOLFIT_CODE));
        EXPECT_STREQ("-0.3", d.GetText(IDC_TOLFIT_UPPER));
        EXPECT_STREQ("-0.352", d.GetText(IDC_TOLFIT_LOWER));
        // t starts above 24 mm: the previous zone's deviations must go.
        d.SetText(IDC_TOLFIT_SIZE, "10");
        ClickZone(d, 16, 5);
        EXPECT_STREQ("t6 ", d.GetText(IDC_TOLFIT_CODE));
        EXPECT_STREQ("", d.GetText(IDC_TOLFIT_UPPER));
        EXPECT_STREQ("", d.GetText(IDC_TOLFIT_LOWER));
        EXPECT_FALSE(d.IsEnabled(IDOK));
        // A cell offering nothing changes no text, nor does a click with Shift, Control or another button held.
        ClickZone(d, 0, 0);
        EXPECT_STREQ("t6 ", d.GetText(IDC_TOLFIT_CODE));
        auto* pDlg = static_cast<CSelectTolFitDlg*>(d.GetDialog());
        const WPARAM heldKeys[] = {MK_SHIFT, MK_CONTROL, MK_RBUTTON, MK_MBUTTON};
        for (WPARAM nHeld : heldKeys) {
            int cx = pDlg->m_nPicLeft + 1 + 12 + 7 * 18 + 9;
            int cy = pDlg->m_nPicTop + 1 + 12 + 6 * 18 + 9;
            SendMessageA(d.GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON | nHeld, MAKELPARAM(cx, cy));
            EXPECT_STREQ("t6 ", d.GetText(IDC_TOLFIT_CODE)) << nHeld;
        }
        d.SetText(IDC_TOLFIT_SIZE, "25");
        ClickZone(d, 7, 6);
        EXPECT_STREQ("h7 ", d.GetText(IDC_TOLFIT_CODE));
        EXPECT_TRUE(d.SavePicture("SelectTolFitDlg-shaft.png"));
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("h7 ", dlg.m_strCode);
    EXPECT_STREQ("0", dlg.m_strUpper);
    EXPECT_STREQ("-0.021", dlg.m_strLower);
    EXPECT_DOUBLE_EQ(0, dlg.m_dLastResult[0]);
    EXPECT_DOUBLE_EQ(-0.021, dlg.m_dLastResult[1]);
}

TEST(SelectTolFitDlgUiTest, PlasticTabTakesTheBandOfTheChosenGrade)
{
    CTestUi ui;
    CSelectTolFitDlg dlg;
    dlg.SetData(BundledDir(), 25, 0);
    ui.OnDialog(IDD_SELECTTOLFIT, [&](CTestDlg& d) {
        ChooseTab(d, 2);
        EXPECT_TRUE(IsShown(d, IDC_TOLFIT_PLASTIC_GRADE));
        EXPECT_TRUE(IsShown(d, IDC_TOLFIT_STANDARD));
        EXPECT_FALSE(d.IsEnabled(IDC_TOLFIT_CODE));
        ASSERT_EQ(10, d.GetComboCount(IDC_TOLFIT_PLASTIC_GRADE));
        EXPECT_STREQ("10", d.GetComboText(IDC_TOLFIT_PLASTIC_GRADE, 9));
        // The picture answers no click on this tab.
        ClickZone(d, 7, 6);
        EXPECT_STREQ("", d.GetText(IDC_TOLFIT_CODE));
        EXPECT_FALSE(d.IsEnabled(IDC_TOLFIT_UPPER));
        // A size past the table changes nothing.
        d.SetText(IDC_TOLFIT_SIZE, "1700");
        d.SelectCombo(IDC_TOLFIT_PLASTIC_GRADE, 4);
        EXPECT_STREQ("", d.GetText(IDC_TOLFIT_UPPER));
        EXPECT_FALSE(d.IsEnabled(IDOK));
        d.SetText(IDC_TOLFIT_SIZE, "25");
        d.SelectCombo(IDC_TOLFIT_PLASTIC_GRADE, 4);
        EXPECT_STREQ("0.160000", d.GetText(IDC_TOLFIT_UPPER));
        EXPECT_STREQ("0", d.GetText(IDC_TOLFIT_LOWER));
        EXPECT_TRUE(d.IsEnabled(IDC_TOLFIT_UPPER));
        EXPECT_TRUE(d.IsEnabled(IDOK));
        // Either deviation typed moves the other by the band.
        d.SetText(IDC_TOLFIT_UPPER, "0.1");
        SendMessageA(d.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TOLFIT_UPPER, EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(d.Item(IDC_TOLFIT_UPPER)));
        EXPECT_STREQ("-0.06", d.GetText(IDC_TOLFIT_LOWER));
        d.SetText(IDC_TOLFIT_LOWER, "-0.1");
        SendMessageA(d.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TOLFIT_LOWER, EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(d.Item(IDC_TOLFIT_LOWER)));
        EXPECT_STREQ("0.06", d.GetText(IDC_TOLFIT_UPPER));
        d.SetText(IDC_TOLFIT_UPPER, "0.160000");
        d.SetText(IDC_TOLFIT_LOWER, "0");
        EXPECT_TRUE(d.SavePicture("SelectTolFitDlg-plastic.png"));
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("0.160000", dlg.m_strUpper);
    EXPECT_STREQ("0", dlg.m_strLower);
    EXPECT_DOUBLE_EQ(0.16, dlg.m_dPlasticTol);
}

TEST(SelectTolFitDlgUiTest, FitPickKeepsBothMembersDeviations)
{
    CTestUi ui;
    CSelectTolFitDlg dlg;
    dlg.SetData(BundledDir(), 25, 1);
    ui.OnDialog(IDD_SELECTTOLFIT, [&](CTestDlg& d) {
        auto* pDlg = static_cast<CSelectTolFitDlg*>(d.GetDialog());
        ASSERT_EQ(2, SendMessageA(d.Item(IDC_TOLFIT_TAB), TCM_GETITEMCOUNT, 0, 0));
        EXPECT_EQ(0, SendMessageA(d.Item(IDC_TOLFIT_TAB), TCM_GETCURSEL, 0, 0));
        ClickFit(d, 6, 1);
        EXPECT_STREQ("H7/g6 ", d.GetText(IDC_TOLFIT_CODE));
        const double holeBasis[4] = {0.021, 0, -0.007, -0.020};
        for (int i = 0; i < 4; i++)
            EXPECT_NEAR(holeBasis[i], pDlg->m_dLastResult[i], 1e-9) << i;
        EXPECT_STREQ("", d.GetText(IDC_TOLFIT_UPPER));
        EXPECT_TRUE(d.IsEnabled(IDOK));
        EXPECT_TRUE(d.SavePicture("SelectTolFitDlg-holebasis.png"));
        ChooseTab(d, 1);
        ClickFit(d, 6, 1);
        EXPECT_STREQ("G7 /h6", d.GetText(IDC_TOLFIT_CODE));
        const double shaftBasis[4] = {0.028, 0.007, 0, -0.013};
        for (int i = 0; i < 4; i++)
            EXPECT_NEAR(shaftBasis[i], pDlg->m_dLastResult[i], 1e-9) << i;
        EXPECT_TRUE(d.SavePicture("SelectTolFitDlg-shaftbasis.png"));
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("G7 /h6", dlg.m_strCode);
}

TEST(SelectTolFitDlgUiTest, AMissingTableCancelsWithTheDataMessageNamingTheFile)
{
    // Each table file the dialog reads, in the order it reads them; the first missing one is named.
    for (const char* pszName : {"it.dat", "zgc.dat", "kgc.dat", "jkph.dat", "jzph.dat", "jzph2.dat"}) {
        SCOPED_TRACE(pszName);
        TolFilesCopy files;
        files.Remove(pszName);
        CTestUi ui;
        CSelectTolFitDlg dlg;
        dlg.SetData(files.Dir(), 25, 0);
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        ASSERT_EQ(1u, ui.GetBoxes().size());
        CString strDir = files.Dir();
        strDir.TrimRight('\\');
        EXPECT_STREQ(CString("数据读取错误，系统数据不完整！\n无法读取文件：") + strDir + "\\" + pszName,
                     ui.GetBoxes()[0].strText);
        EXPECT_STREQ("提示", ui.GetBoxes()[0].strCaption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), ui.GetBoxes()[0].nType & MB_ICONMASK);
    }
}

TEST_F(SelectTolFitDlgTest, ZoneCodesSplitIntoLettersAndGrade)
{
    struct Case
    {
        const char* szName;
        const char* szCode;
        int nOk;
        const char* szLetters;
        int nGrade;
    };
    const Case cases[] = {
        {"one letter", "H7", 1, "H", 7},     {"two letters, blanks", " js 6", 1, "js", 6},
        {"IT01", "h01", 1, "h", -1},         {"two-digit grade", "a11", 1, "a", 11},
        {"three letters", "abc7", 0, "", 0}, {"three characters of grade", "h123", 0, "", 0},
        {"no letters", "7", 0, "", 0},       {"no grade", "h", 0, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strLetters;
        int nGrade = 99;
        ASSERT_EQ(c.nOk, CSelectTolFitDlg::ProceTolSymbol(c.szCode, strLetters, nGrade));
        if (c.nOk) {
            EXPECT_STREQ(c.szLetters, strLetters);
            EXPECT_EQ(c.nGrade, nGrade);
        }
    }
}

TEST_F(SelectTolFitDlgTest, QueryEsEiLooksShaftCodesUpInTheShaftRows)
{
    struct Case
    {
        const char* szName;
        const char* szCode;
        const char* szLetters;
        double dUpper;
        double dLower;
    };
    const Case cases[] = {
        {"shaft g6", "g6", "g", -0.007, -0.020},
        {"hole K7", "K7", "K", 0.006, -0.015},
        {"shaft js7", "js7", "js", 0.010, -0.010},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strCode = c.szCode;
        double dUpper = 1;
        double dLower = 1;
        ASSERT_EQ(1, m_dlg.QueryEsEi(strCode, 25, dUpper, dLower));
        EXPECT_STREQ(c.szLetters, strCode);
        EXPECT_NEAR(c.dUpper, dUpper, 1e-9);
        EXPECT_NEAR(c.dLower, dLower, 1e-9);
    }
}

TEST(SelectTolFitDlgFilesTest, SizeOf500UsesTheGridsFor500AndAbove)
{
    EXPECT_TRUE(CSelectTolFitDlg::IsZoneOffered(false, 499.9, 0, 8));
    EXPECT_FALSE(CSelectTolFitDlg::IsZoneOffered(false, 500, 0, 8));
    EXPECT_TRUE(CSelectTolFitDlg::IsZoneOffered(true, 500, 3, 7));
    EXPECT_TRUE(CSelectTolFitDlg::IsFitOffered(true, 499.9, 6, 0));
    EXPECT_FALSE(CSelectTolFitDlg::IsFitOffered(true, 500, 6, 0));
}

TEST_F(SelectTolFitDlgTest, FitGridsOfferOnlyFitsWhoseMembersTheTablesServe)
{
    const char* const fitLetters[21] = {"a", "b", "c", "d", "e", "f", "g", "h", "js", "k", "m",
                                        "n", "p", "r", "s", "t", "u", "v", "x", "y",  "z"};
    // Hole and shaft grade per row; both bases pair the same grades (H8/x7 and X8/h7).
    const int memberGrades[8][2] = {{6, 5}, {7, 6}, {8, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 11}, {12, 12}};
    const double sizes[] = {1, 5, 12, 25, 60, 150, 300, 499, 500, 600, 1200, 3150};
    for (double dSize : sizes) {
        for (int bHoleBasis = 0; bHoleBasis < 2; bHoleBasis++) {
            for (int r = 0; r < 8; r++) {
                for (int c = 0; c < 21; c++) {
                    if (!CSelectTolFitDlg::IsFitOffered(bHoleBasis != 0, dSize, c, r))
                        continue;
                    std::string strHole = "H";
                    std::string strShaft = "h";
                    if (bHoleBasis) {
                        strShaft = fitLetters[c];
                    } else {
                        strHole = fitLetters[c];
                        strHole[0] = static_cast<char>(strHole[0] - 'a' + 'A');
                    }
                    int nHoleGrade = memberGrades[r][0];
                    int nShaftGrade = memberGrades[r][1];
                    bool bMissing = ((strShaft == "t" || strHole == "T") && dSize <= 24) ||
                                    (strShaft == "v" && dSize <= 14) || (strShaft == "y" && dSize <= 18);
                    double dUpper = 0;
                    double dLower = 0;
                    int nFound = LookUp(m_dlg, strHole.c_str(), nHoleGrade, dSize, dUpper, dLower) &&
                                 LookUp(m_dlg, strShaft.c_str(), nShaftGrade, dSize, dUpper, dLower);
                    EXPECT_EQ(bMissing ? 0 : 1, nFound)
                        << strHole << nHoleGrade << "/" << strShaft << nShaftGrade << " at " << dSize;
                }
            }
        }
    }
}
