// The detail-area attribute dialog: continuation areas kept in their order, the kind shown, the
// folding order list and the order read back.
#include <gtest/gtest.h>

#include <vector>

#include "designer/detail/MidAttrDlg.h"
#include "designer/res/resource.h"
#include "tests/support/UiDriver.h"

namespace
{
struct Field
{
    const char* szName;
    int nOrder;
};

CString Names(const CStringArray& arr)
{
    CString strNames;
    for (int i = 0; i < arr.GetSize(); ++i) {
        strNames += arr[i] + ";";
    }
    return strNames;
}
} // namespace

TEST(MidAttrDlgTest, AddFieldKeepsEveryEntryInOrder)
{
    struct OrderCase
    {
        const char* szName;
        std::vector<Field> fields;
        const char* szEntries;
    };
    const OrderCase cases[] = {
        {"first entry with the highest order moves down", {{"B", 3}, {"A", 1}, {"C", 2}}, "A\n1;C\n2;B\n3;"},
        {"ascending stays", {{"A", 1}, {"B", 2}}, "A\n1;B\n2;"},
        {"equal orders keep their arrival", {{"A", 2}, {"B", 2}, {"C", 1}}, "C\n1;A\n2;B\n2;"},
        {"none", {}, ""},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CMidAttrDlg dlg;
        for (const Field& f : c.fields) {
            dlg.AddField(f.szName, f.nOrder);
        }
        EXPECT_STREQ(c.szEntries, Names(dlg.m_arrField));
    }
}

TEST(MidAttrDlgTest, KindFoldingAndReorderedList)
{
    struct KindCase
    {
        const char* szName;
        int nExtFlag;
        const char* szKind;
        BOOL bOrderEnabled;
    };
    const KindCase cases[] = {
        {"ordinary area", 0, "一般表中", FALSE},
        {"continuation", 1, "续表中", TRUE},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CMidAttrDlg dlg;
        dlg.m_nExtFlag = c.nExtFlag;
        dlg.m_strName = "工序";
        dlg.m_nExtOrder = 2;
        dlg.AddField("续二", 2);
        dlg.AddField("续一", 1);
        dlg.AddField("续三", 3);
        ui.OnDialog(IDD_MID_ATTR, [&](CTestDlg& d) {
            EXPECT_STREQ(c.szKind, d.GetText(IDC_MIDATTR_KIND));
            EXPECT_STREQ("工序", d.GetText(IDC_MIDATTR_NAME));
            EXPECT_EQ(c.bOrderEnabled, d.IsEnabled(IDC_MIDATTR_ORDER));
            EXPECT_EQ(c.bOrderEnabled, d.IsEnabled(IDC_MIDATTR_ORDER_LABEL));
            EXPECT_STREQ("高级>>", d.GetText(IDC_MIDATTR_MORE));

            // Collapsed the window ends above the separator; expanded below the list.
            CRect rcCollapsed;
            dlg.GetWindowRect(&rcCollapsed);
            CRect rcLine;
            dlg.GetDlgItem(IDC_MIDATTR_LINE)->GetWindowRect(&rcLine);
            EXPECT_EQ(rcLine.top - 2, rcCollapsed.bottom);
            d.Click(IDC_MIDATTR_MORE);
            EXPECT_STREQ("高级<<", d.GetText(IDC_MIDATTR_MORE));
            CRect rcExpanded;
            dlg.GetWindowRect(&rcExpanded);
            CRect rcList;
            dlg.GetDlgItem(IDC_MIDATTR_LIST)->GetWindowRect(&rcList);
            EXPECT_EQ(rcList.bottom + 8, rcExpanded.bottom);
            EXPECT_EQ(rcCollapsed.top, rcExpanded.top);
            EXPECT_EQ(rcCollapsed.Width(), rcExpanded.Width());

            // The last entry up twice, then the first down once.
            dlg.m_listField.SetCurSel(2);
            d.Click(IDC_MIDATTR_UP);
            EXPECT_EQ(-1, dlg.m_listField.GetCurSel());
            dlg.m_listField.SetCurSel(1);
            d.Click(IDC_MIDATTR_UP);
            dlg.m_listField.SetCurSel(0);
            d.Click(IDC_MIDATTR_UP);
            dlg.m_listField.SetCurSel(2);
            d.Click(IDC_MIDATTR_DOWN);
            if (c.nExtFlag == 1) {
                d.SetText(IDC_MIDATTR_ORDER, "4");
                EXPECT_TRUE(d.SavePicture("mid-attr-dialog.png"));
            }
            d.Click(IDC_MIDATTR_MORE);
            CRect rcAgain;
            dlg.GetWindowRect(&rcAgain);
            EXPECT_EQ(rcCollapsed.bottom, rcAgain.bottom);
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ("续三;续一;续二;", Names(dlg.m_arrOrder));
        EXPECT_EQ(c.nExtFlag == 1 ? 4 : 2, dlg.m_nExtOrder);
    }
}
