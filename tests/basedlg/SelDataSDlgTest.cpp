#include <gtest/gtest.h>

#include "basedlg/SelDataSDlg.h"
#include "basedlg/res/resource.h"
#include "support/UiDriver.h"

namespace
{
CSelDataSDlg* PopupOf(CTestDlg& dlg)
{
    return static_cast<CSelDataSDlg*>(dlg.GetDialog());
}

BOOL StyleShown(CTestDlg& dlg, int nID)
{
    return (::GetWindowLongA(dlg.Item(nID), GWL_STYLE) & WS_VISIBLE) != 0;
}

void LoadNames(CSelDataSDlg& dlg)
{
    CStringArray arrNames;
    arrNames.Add("零件号");
    arrNames.Add("零件名称");
    arrNames.Add("材料");
    dlg.LoadFieldNames(arrNames);
}

// Presses the check box of one entry of the check list, as the user does.
void PressBox(CTestDlg& dlg, int nIndex)
{
    HWND hList = dlg.Item(IDC_SELDATAS_CHECKLIST);
    RECT rc = {};
    ::SendMessageA(hList, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&rc));
    const LPARAM lPoint = MAKELPARAM(rc.left + 6, (rc.top + rc.bottom) / 2);
    ::SendMessageA(hList, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ::SendMessageA(hList, WM_LBUTTONUP, 0, lPoint);
}
} // namespace

TEST(SelDataSDlgTest, PicksOneNameFromTheList)
{
    enum Action { OkButton, DoubleClick, CancelButton };
    struct PickCase
    {
        const char* szName;
        int nSel; // -1: nothing selected
        Action action;
        INT_PTR nResult;
        const char* szSelName;
        int nSelIndex;
    };
    const PickCase pickCases[] = {
        {"OK takes the selected entry", 1, OkButton, IDOK, "零件名称", 1},
        {"double click takes the entry", 2, DoubleClick, IDOK, "材料", 2},
        {"OK without a selection does nothing", -1, OkButton, IDCANCEL, "", 0},
        {"double click without a selection does nothing", -1, DoubleClick, IDCANCEL, "", 0},
        {"Cancel button", 0, CancelButton, IDCANCEL, "", 0},
    };
    for (const PickCase& c : pickCases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        ui.OnDialog(IDD_SELDATAS, [&](CTestDlg& dlg) {
            EXPECT_TRUE(StyleShown(dlg, IDC_SELDATAS_LIST));
            EXPECT_FALSE(StyleShown(dlg, IDC_SELDATAS_CHECKLIST));
            EXPECT_STREQ("字段:", dlg.GetText(IDC_SELDATAS_PROMPT));
            HWND hList = dlg.Item(IDC_SELDATAS_LIST);
            EXPECT_EQ(3, static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0)));
            ::SendMessageA(hList, LB_SETCURSEL, static_cast<WPARAM>(c.nSel), 0);
            switch (c.action) {
            case OkButton:
                dlg.Click(IDC_SELDATAS_OK);
                break;
            case DoubleClick:
                ::SendMessageA(dlg.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_SELDATAS_LIST, LBN_DBLCLK),
                               reinterpret_cast<LPARAM>(hList));
                break;
            case CancelButton:
                dlg.Click(IDC_SELDATAS_CANCEL);
                break;
            }
            if (dlg.GetDialog()->GetModalResult() == -1) {
                dlg.Cancel();
            }
        });
        CSelDataSDlg dlg;
        dlg.m_strPrompt = "字段:";
        LoadNames(dlg);
        EXPECT_EQ(c.nResult, dlg.DoModal());
        EXPECT_STREQ(c.szSelName, dlg.m_strSelName);
        EXPECT_EQ(c.nSelIndex, dlg.m_nSelIndex);
        EXPECT_TRUE(ui.GetBoxes().empty());
    }
}

TEST(SelDataSDlgTest, ChecksSeveralNames)
{
    CTestUi ui;
    std::vector<int> checksAtOpen;
    ui.OnDialog(IDD_SELDATAS, [&](CTestDlg& dlg) {
        EXPECT_FALSE(StyleShown(dlg, IDC_SELDATAS_LIST));
        EXPECT_TRUE(StyleShown(dlg, IDC_SELDATAS_CHECKLIST));
        CCheckListBox& list = PopupOf(dlg)->m_checkList;
        for (int i = 0; i < list.GetCount(); ++i) {
            checksAtOpen.push_back(list.GetCheck(i));
        }
        EXPECT_TRUE(dlg.SavePicture("seldatas-multiple.png"));
        PressBox(dlg, 0);
        PressBox(dlg, 1);
        PressBox(dlg, 1);
        dlg.Click(IDC_SELDATAS_OK);
    });
    CSelDataSDlg dlg;
    dlg.m_bMultiple = TRUE;
    dlg.m_strPrompt = "选择字段:";
    for (const char* psz : {"A", "B", "C", "D"}) {
        dlg.m_arrNames.Add(psz);
    }
    dlg.m_arrSelNames.Add("A");
    dlg.m_arrSelNames.Add("C");
    EXPECT_TRUE(dlg.IsSeled("C"));
    EXPECT_FALSE(dlg.IsSeled("c"));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<int>{1, 0, 1, 0}), checksAtOpen);
    ASSERT_EQ(1, dlg.m_arrSelNames.GetSize());
    EXPECT_STREQ("C", dlg.m_arrSelNames[0]);
    ASSERT_EQ(1, dlg.m_arrSelPos.GetSize());
    EXPECT_STREQ("2", dlg.m_arrSelPos[0]);
}

TEST(SelDataSDlgTest, StaysOnTheScreen)
{
    const int cxScreen = ::GetSystemMetrics(SM_CXFULLSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYFULLSCREEN);
    enum Expect { AtPosition, BottomAtAnchor, RightAtScreenEdge, LeftAtZero };
    struct PlaceCase
    {
        const char* szName;
        POINT ptShow;
        POINT ptAnchor;
        Expect expect;
    };
    const PlaceCase placeCases[] = {
        {"fits where it is put", {100, 100}, {100, 80}, AtPosition},
        {"below the screen goes above its anchor", {300, cyScreen - 20}, {300, 600}, BottomAtAnchor},
        {"below the screen without an anchor stays", {300, cyScreen - 20}, {0, 0}, AtPosition},
        {"past the right edge ends at it", {cxScreen - 10, 100}, {0, 0}, RightAtScreenEdge},
        {"left of the screen starts at 0", {-30, 100}, {0, 0}, LeftAtZero},
    };
    for (const PlaceCase& c : placeCases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CRect rcShown;
        BOOL bVisible = FALSE;
        ui.OnDialog(IDD_SELDATAS, [&](CTestDlg& dlg) {
            ::GetWindowRect(dlg.GetHwnd(), &rcShown);
            bVisible = ::IsWindowVisible(dlg.GetHwnd());
            if (c.expect == BottomAtAnchor) {
                EXPECT_TRUE(dlg.SavePicture("seldatas-single.png"));
            }
            dlg.Click(IDC_SELDATAS_CANCEL);
        });
        CSelDataSDlg dlg;
        dlg.m_ptShow = c.ptShow;
        dlg.m_ptAnchor = c.ptAnchor;
        LoadNames(dlg);
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        // Not asserted: topmost, which this Wine leaves out of the extended style it reports.
        EXPECT_TRUE(bVisible);
        switch (c.expect) {
        case AtPosition:
            EXPECT_EQ(CPoint(c.ptShow), rcShown.TopLeft());
            break;
        case BottomAtAnchor:
            EXPECT_EQ(c.ptAnchor.y, rcShown.bottom);
            EXPECT_EQ(c.ptShow.x, rcShown.left);
            break;
        case RightAtScreenEdge:
            EXPECT_EQ(cxScreen, rcShown.right);
            EXPECT_EQ(c.ptShow.y, rcShown.top);
            break;
        case LeftAtZero:
            EXPECT_EQ(0, rcShown.left);
            break;
        }
    }
}
