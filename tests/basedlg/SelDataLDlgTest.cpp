#include <gtest/gtest.h>

#include "basedlg/SelDataLDlg.h"
#include "basedlg/res/resource.h"
#include "support/UiDriver.h"

TEST(SelDataLDlgTest, PicksOneItemWithLargeIcons)
{
    enum Action { Confirm, DoubleClickThird, Dismiss };
    struct PickCase
    {
        const char* szName;
        int nItems;
        UINT nIconID;
        Action action;
        INT_PTR nResult;
        const char* szValue;
    };
    const PickCase pickCases[] = {
        {"OK takes the first item, selected at opening", 3, IDI_INDATA, Confirm, IDOK, "工序卡"},
        {"double click takes the clicked item", 3, IDI_INDATA, DoubleClickThird, IDOK, "检验卡"},
        {"items without an icon", 3, 0, Confirm, IDOK, "工序卡"},
        {"no items closes with an empty value", 0, IDI_INDATA, Confirm, IDOK, ""},
        {"cancel keeps the value empty", 3, IDI_INDATA, Dismiss, IDCANCEL, ""},
    };
    const char* const apszItems[] = {"工序卡", "过程卡", "检验卡"};
    for (const PickCase& c : pickCases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        ui.OnDialog(IDD_SELDATAL, [&](CTestDlg& dlg) {
            EXPECT_STREQ("选择数据", dlg.GetCaption());
            HWND hList = dlg.Item(IDC_SELDATAL_LIST);
            EXPECT_EQ(c.nItems, static_cast<int>(::SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0)));
            const LRESULT hImages = ::SendMessageA(hList, LVM_GETIMAGELIST, LVSIL_NORMAL, 0);
            EXPECT_EQ(c.nIconID != 0, hImages != 0);
            if (c.nItems > 0) {
                EXPECT_EQ(0, static_cast<int>(::SendMessageA(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                             MAKELPARAM(LVNI_SELECTED, 0))));
            }
            if (c.action == Confirm && c.nItems == 3 && c.nIconID != 0) {
                EXPECT_TRUE(dlg.SavePicture("seldatal-dialog.png"));
            }
            switch (c.action) {
            case Confirm:
                dlg.Ok();
                break;
            case DoubleClickThird: {
                LVITEMA item = {};
                item.stateMask = LVIS_SELECTED;
                item.state = LVIS_SELECTED;
                ::SendMessageA(hList, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&item));
                NMITEMACTIVATE nm = {};
                nm.hdr.hwndFrom = hList;
                nm.hdr.idFrom = IDC_SELDATAL_LIST;
                nm.hdr.code = NM_DBLCLK;
                nm.iItem = 2;
                ::SendMessageA(dlg.GetHwnd(), WM_NOTIFY, IDC_SELDATAL_LIST, reinterpret_cast<LPARAM>(&nm));
                break;
            }
            case Dismiss:
                dlg.Cancel();
                break;
            }
        });
        CSelDataLDlg dlg;
        dlg.m_nIconID = c.nIconID;
        for (int i = 0; i < c.nItems; ++i) {
            dlg.m_arrItems.Add(apszItems[i]);
        }
        EXPECT_EQ(c.nResult, dlg.DoModal());
        EXPECT_STREQ(c.szValue, dlg.m_strValue);
    }
}
