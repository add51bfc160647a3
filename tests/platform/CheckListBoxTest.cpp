#include <gtest/gtest.h>

#include "platform/win/CheckListBox.h"
#include "support/DibCanvas.h"
#include "support/UiDriver.h"

namespace
{
// A parent of ours (so WM_DRAWITEM is reflected) holding one owner-drawn check list box.
class CheckListHost
{
public:
    CheckListHost()
    {
        m_parent.CreateEx(0, nullptr, "", WS_POPUP, 40, 40, 200, 120, nullptr, nullptr);
        HWND hList = ::CreateWindowExA(
            0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 4,
            4, 180, 100, m_parent.m_hWnd, reinterpret_cast<HMENU>(1031), nullptr, nullptr);
        m_list.SubclassWindow(hList);
        for (const char* psz : {"零件号", "零件名称", "材料"}) {
            m_list.AddString(psz);
        }
    }
    ~CheckListHost() { m_parent.DestroyWindow(); }

    // A client point inside the entry's check box, or on its text.
    CPoint PointOf(int nIndex, BOOL bOnBox) const
    {
        CRect rc;
        m_list.GetItemRect(nIndex, &rc);
        return CPoint(bOnBox ? rc.left + 6 : rc.left + 60, rc.top + rc.Height() / 2);
    }
    void Press(CPoint pt)
    {
        m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }

    CWnd m_parent;
    CCheckListBox m_list;
};
} // namespace

TEST(CheckListBoxTest, KeepsChecksPerEntry)
{
    CheckListHost host;
    CCheckListBox& list = host.m_list;
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(0, list.SetCheck(2, 5));
    EXPECT_EQ(1, list.GetCheck(2));
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(LB_ERR, list.GetCheck(3));
    EXPECT_EQ(LB_ERR, list.SetCheck(-1, 1));
    CString strText;
    list.GetText(1, strText);
    EXPECT_STREQ("零件名称", strText);
    list.GetText(7, strText);
    EXPECT_TRUE(strText.IsEmpty());
}

TEST(CheckListBoxTest, BoxPressAndSpaceFlipTheCheck)
{
    struct InputCase
    {
        const char* szName;
        BOOL bOnBox;
        BOOL bSpace;
        int nExpected; // check of entry 1 afterwards, starting unchecked
    };
    const InputCase inputCases[] = {
        {"press on the box", TRUE, FALSE, 1},
        {"press on the text only selects", FALSE, FALSE, 0},
        {"space on the entry with the caret", FALSE, TRUE, 1},
    };
    for (const InputCase& c : inputCases) {
        SCOPED_TRACE(c.szName);
        CheckListHost host;
        host.Press(host.PointOf(1, c.bOnBox));
        EXPECT_EQ(1, host.m_list.GetCurSel());
        if (c.bSpace) {
            host.m_list.SendMessage(WM_CHAR, ' ', 0);
        }
        EXPECT_EQ(c.nExpected, host.m_list.GetCheck(1));
        EXPECT_EQ(0, host.m_list.GetCheck(0));
    }
    // A second press on the box takes the check off again.
    CheckListHost host;
    host.Press(host.PointOf(2, TRUE));
    host.Press(host.PointOf(2, TRUE));
    EXPECT_EQ(0, host.m_list.GetCheck(2));
}

TEST(CheckListBoxTest, DrawsACheckedBoxBeforeTheText)
{
    CheckListHost host;
    host.m_list.SetCheck(0, 1);
    CTestDib dib(180, 20);
    CRect rcItem(0, 0, 180, 16);
    CRect rcBox;
    for (int nIndex : {0, 1}) {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_LISTBOX;
        dis.itemID = static_cast<UINT>(nIndex);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = host.m_list.m_hWnd;
        dis.hDC = dib.DC().m_hDC;
        dis.rcItem = rcItem;
        dis.itemData = host.m_list.GetItemData(nIndex);
        host.m_list.DrawItem(&dis);
        // The box's inside: a check mark only when checked.
        rcBox = CRect(5, 5, 12, 11);
        const int nInk = dib.CountInk(rcBox);
        if (nIndex == 0) {
            EXPECT_GT(nInk, 4);
        } else {
            EXPECT_EQ(0, nInk);
        }
        // The text stands right of the box.
        EXPECT_GT(dib.CountInk(CRect(20, 0, 180, 16)), 20);
        dib.DC().FillSolidRect(0, 0, 180, 20, RGB(255, 255, 255));
    }
    EXPECT_TRUE(SaveWindowPicture(host.m_parent.m_hWnd, "check-list-box.png"));
}
