// The new-continuation dialog: its sources, the chosen one and the refusals that keep it open.
#include <gtest/gtest.h>

#include <vector>

#include "designer/detail/AddMidContinueDlg.h"
#include "designer/res/resource.h"
#include "tests/support/UiDriver.h"

TEST(AddMidContinueDlgTest, SourceAndNameAreNeeded)
{
    struct ContinueCase
    {
        const char* szName;
        std::vector<const char*> sources;
        int nPick; // -1: none picked
        const char* szNewName;
        const char* szRefusal; // nullptr: OK closes
    };
    const ContinueCase cases[] = {
        {"source and name", {"工序", "附表"}, 1, "工序续", nullptr},
        {"no source picked", {"工序"}, -1, "续", "请选择源表中！"},
        {"no name", {"工序"}, 0, "", "请输入新表中的名称！"},
        {"no sources at all", {}, -1, "续", "请选择源表中！"},
    };
    for (const ContinueCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CAddMidContinueDlg dlg;
        for (const char* pszSource : c.sources) {
            dlg.m_arrSrcName.Add(pszSource);
        }
        ui.OnDialog(IDD_ADD_MID_CONTINUE, [&](CTestDlg& d) {
            EXPECT_STREQ("新增延续表中", d.GetCaption());
            ASSERT_EQ(static_cast<int>(c.sources.size()), d.GetComboCount(IDC_CONTINUE_SOURCE));
            for (size_t i = 0; i < c.sources.size(); ++i) {
                EXPECT_STREQ(c.sources[i], d.GetComboText(IDC_CONTINUE_SOURCE, static_cast<int>(i)));
            }
            if (c.nPick >= 0) {
                d.SelectCombo(IDC_CONTINUE_SOURCE, c.nPick);
            }
            d.SetText(IDC_CONTINUE_NAME, c.szNewName);
            if (c.nPick == 1) {
                EXPECT_TRUE(d.SavePicture("add-mid-continue-dialog.png"));
            }
            d.Ok();
            if (c.szRefusal != nullptr) {
                EXPECT_EQ(-1, dlg.GetModalResult());
                EXPECT_STREQ(c.szNewName, d.GetText(IDC_CONTINUE_NAME));
                d.Cancel();
            }
        });
        const INT_PTR nResult = dlg.DoModal();
        const std::vector<CString> boxes = ui.TakeBoxTexts();
        if (c.szRefusal != nullptr) {
            EXPECT_EQ(IDCANCEL, nResult);
            ASSERT_EQ(1u, boxes.size());
            EXPECT_STREQ(c.szRefusal, boxes[0]);
        } else {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_TRUE(boxes.empty());
            EXPECT_STREQ(c.sources[static_cast<size_t>(c.nPick)], dlg.m_strSrcName);
            EXPECT_STREQ(c.szNewName, dlg.m_strNewName);
        }
    }
}
