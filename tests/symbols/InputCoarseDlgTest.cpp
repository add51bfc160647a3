#include <gtest/gtest.h>

#include "symbols/InputCoarseDlg.h"
#include "symbols/InputCoarseDlgEx.h"
#include "symbols/res/resource.h"
#include "tests/support/UiDriver.h"

namespace
{
const char* const szEntries[] = {"100", "50",  "25",   "12.5",  "6.3",   "3.2", "1.6", "0.8", "0.4",
                                 "0.2", "0.1", "0.05", "0.025", "0.012", "Ry",  "Rz",  "max", "min"};

void ExpectEntries(CTestDlg& d, int nCombo)
{
    ASSERT_EQ(18, d.GetComboCount(nCombo));
    for (int i = 0; i < 18; ++i) {
        EXPECT_STREQ(szEntries[i], d.GetComboText(nCombo, i)) << "entry " << i;
    }
}

// Which of the three pictures shows: 1, 2, 3, or 0 when not exactly one does.
int ShownPicture(CTestDlg& d)
{
    int nShown = 0;
    int nCount = 0;
    const int pictures[] = {IDC_COARSE_PIC1, IDC_COARSE_PIC2, IDC_COARSE_PIC3};
    for (int i = 0; i < 3; ++i) {
        if (GetWindowLongPtrA(d.Item(pictures[i]), GWL_STYLE) & WS_VISIBLE) {
            nShown = i + 1;
            ++nCount;
        }
    }
    return nCount == 1 ? nShown : 0;
}
} // namespace

TEST(InputCoarseDlgExTest, NewSymbolOpensAsType2AndTakesPickedAndTypedValues)
{
    CTestUi ui;
    CInputCoarseDlgEx dlg;
    EXPECT_EQ(1, dlg.m_nType);
    ui.OnDialog(IDD_INPUTCOARSEEX, [&](CTestDlg& d) {
        EXPECT_STREQ("粗糙度", d.GetCaption());
        ExpectEntries(d, IDC_COARSE_COMBO1);
        ExpectEntries(d, IDC_COARSE_COMBO2);
        EXPECT_EQ(2, ShownPicture(d));
        EXPECT_TRUE(d.IsChecked(IDC_COARSE_TYPE2));
        d.SelectCombo(IDC_COARSE_COMBO1, 15);
        EXPECT_STREQ("Rz", d.GetText(IDC_COARSE_VALUE1));
        d.SetText(IDC_COARSE_VALUE2, "  3.2 ");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    CCoarsenessContSeg seg;
    seg.m_strText3 = "kept";
    seg.m_nOption5 = 7;
    EXPECT_TRUE(dlg.GetData(&seg));
    EXPECT_EQ(2, seg.m_nType);
    EXPECT_STREQ("Rz", seg.m_strValue1);
    EXPECT_STREQ("3.2", seg.m_strValue2);
    EXPECT_STREQ("kept", seg.m_strText3);
    EXPECT_EQ(7, seg.m_nOption5);
    EXPECT_FALSE(dlg.GetData(nullptr));
}

TEST(InputCoarseDlgExTest, RadiosShowTheirPictureAndSetTheType)
{
    struct Case
    {
        const char* szName;
        int nStartType;
        int nShownAtStart;
        int nRadio; // 0: click none
        int nShownAfter;
        int nResultType;
    };
    const Case cases[] = {
        {"type 3 kept", 3, 3, 0, 3, 3},
        {"type 3 to 1", 3, 3, IDC_COARSE_TYPE1, 1, 1},
        {"type 1 to 3", 1, 1, IDC_COARSE_TYPE3, 3, 3},
        {"type 1 to 2", 1, 1, IDC_COARSE_TYPE2, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCoarsenessContSeg segOld;
        segOld.m_nType = c.nStartType;
        segOld.m_strValue1 = "a";
        segOld.m_strValue2 = "b";
        CTestUi ui;
        CInputCoarseDlgEx dlg;
        dlg.SetData(&segOld);
        dlg.SetData(nullptr);
        ui.OnDialog(IDD_INPUTCOARSEEX, [&](CTestDlg& d) {
            EXPECT_EQ(c.nShownAtStart, ShownPicture(d));
            EXPECT_STREQ("a", d.GetText(IDC_COARSE_VALUE1));
            EXPECT_STREQ("b", d.GetText(IDC_COARSE_VALUE2));
            if (c.nRadio != 0) {
                d.Click(c.nRadio);
            }
            EXPECT_EQ(c.nShownAfter, ShownPicture(d));
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_TRUE(dlg.GetData(&segOld));
        EXPECT_EQ(c.nResultType, segOld.m_nType);
    }
}

TEST(InputCoarseDlgExTest, CancelLeavesTheWorkingSegment)
{
    CTestUi ui;
    CInputCoarseDlgEx dlg;
    ui.OnDialog(IDD_INPUTCOARSEEX, [&](CTestDlg& d) {
        d.SetText(IDC_COARSE_VALUE1, "6.3");
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_STREQ("", dlg.m_seg.m_strValue1);
}

TEST(InputCoarseDlgTest, OneValueGoesToValue2Only)
{
    CCoarsenessContSeg seg;
    seg.m_nType = 3;
    seg.m_strValue1 = "v1";
    seg.m_strValue2 = "1.6";
    CTestUi ui;
    CInputCoarseDlg dlg;
    dlg.SetData(&seg);
    ui.OnDialog(IDD_INPUTCOARSE, [&](CTestDlg& d) {
        EXPECT_STREQ("粗糙度", d.GetCaption());
        ExpectEntries(d, IDC_COARSE_COMBO);
        EXPECT_STREQ("1.6", d.GetText(IDC_COARSE_VALUE));
        d.SelectCombo(IDC_COARSE_COMBO, 16);
        EXPECT_STREQ("max", d.GetText(IDC_COARSE_VALUE));
        d.SetText(IDC_COARSE_VALUE, " max 0.8 ");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.GetData(&seg));
    EXPECT_STREQ("max 0.8", seg.m_strValue2);
    EXPECT_STREQ("v1", seg.m_strValue1);
    EXPECT_EQ(3, seg.m_nType);
    EXPECT_FALSE(dlg.GetData(nullptr));
}
