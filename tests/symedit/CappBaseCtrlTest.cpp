// The in-place editor interface: its defaults, extra menu items, keys that end an edit, and the
// window it reaches through the control kind.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win/Menu.h"
#include "platform/win/Wnd.h"
#include "symedit/CappBaseCtrl.h"
#include "symedit/GlyphworkEdit.h"

namespace
{
// A hidden window that records the messages of the end-edit kind it is sent.
class CRecordingParent : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CCappBaseCtrl::msgEndEditByKey)
            m_keys.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<WPARAM> m_keys;
};

TEST(CappBaseCtrlTest, InterfaceDefaultsWithoutAWindowKind)
{
    CCappBaseCtrl ctrl;
    EXPECT_EQ(CCappBaseCtrl::kindNone, ctrl.m_nCtrlType);
    EXPECT_FALSE(ctrl.CanUndoEx());
    EXPECT_TRUE(ctrl.CanRedo() && ctrl.CanCopy() && ctrl.CanPaste() && ctrl.CanCut() && ctrl.CanSelectAll());
    EXPECT_EQ(1, ctrl.GetRowCount());
    EXPECT_EQ(0, ctrl.GetAlignFormat());
    EXPECT_EQ(0u, ctrl.GetEditStyle());
    EXPECT_FALSE(ctrl.IsModify());
    EXPECT_FALSE(ctrl.IsCreateed());
    CRect rc(1, 2, 3, 4);
    EXPECT_FALSE(ctrl.GetControlRect(rc));
    EXPECT_EQ(CRect(1, 2, 3, 4), rc) << "left untouched";
    ctrl.SetControlFocurs();
    ctrl.InvalidateControl();
    CString s = "kept";
    ctrl.GetData(s);
    ctrl.GetTextData(s);
    ctrl.GetRowData(s, 0);
    ctrl.GetSelData(s);
    EXPECT_EQ(CString("kept"), s);
    ctrl.LimitMinRow(3);
    EXPECT_EQ(3, ctrl.GetLimitMinRow());
}

TEST(CappBaseCtrlTest, AppendMenuItemKeepsTextsAndMessagesTogether)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        UINT nMessage;
        BOOL bAdded;
    };
    const Case cases[] = {
        {"text and message", "插入", 0x500, TRUE},
        {"empty text", "", 0x501, FALSE},
        {"zero message", "删除", 0, FALSE},
        {"second item", "删除", 0x502, TRUE},
    };
    CCappBaseCtrl ctrl;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bAdded, ctrl.AppendMenuItem(c.szText, c.nMessage));
        EXPECT_EQ(ctrl.m_arrMenuText.GetSize(), ctrl.m_arrMenuMsg.GetSize());
    }
    ASSERT_EQ(2, ctrl.m_arrMenuText.GetSize());
    EXPECT_EQ(CString("删除"), ctrl.m_arrMenuText[1]);
    EXPECT_EQ(0x502u, ctrl.m_arrMenuMsg[1]);
}

TEST(CappBaseCtrlTest, EndEditKeysAreSentToTheParent)
{
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    CCappBaseCtrl ctrl;
    ctrl.m_pParentWnd = &parent;
    const UINT keys[] = {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_LEFT,
                         VK_UP,  VK_RIGHT,  VK_DOWN,   'A',      VK_F2,   VK_HOME};
    for (UINT nKey : keys)
        ctrl.EndEditByKey(nKey);
    const std::vector<WPARAM> sent = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT,
                                      VK_LEFT, VK_UP,     VK_RIGHT,  VK_DOWN};
    EXPECT_EQ(sent, parent.m_keys);
    parent.DestroyWindow();
}

// Opens the menu helpers an implementing control uses.
class CMenuProbe : public CCappBaseCtrl
{
public:
    using CCappBaseCtrl::AppendHostMenuItems;
    using CCappBaseCtrl::RunHostMenuItem;
};

TEST(CappBaseCtrlTest, HostMenuItemsFollowASeparatorAndAllAreRouted)
{
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    CMenuProbe ctrl;
    ctrl.m_pParentWnd = &parent;
    for (UINT i = 0; i < 60; i++)
        ASSERT_TRUE(ctrl.AppendMenuItem("项", CCappBaseCtrl::msgEndEditByKey));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    HMENU hMenu = menu;
    ctrl.AppendHostMenuItems(hMenu);
    ASSERT_EQ(61, ::GetMenuItemCount(hMenu));
    EXPECT_EQ(0u, ::GetMenuItemID(hMenu, 0)) << "separator";
    EXPECT_EQ(CCappBaseCtrl::idFirstMenuItem, ::GetMenuItemID(hMenu, 1));
    EXPECT_EQ(CCappBaseCtrl::idFirstMenuItem + 59, ::GetMenuItemID(hMenu, 60));
    menu.DestroyMenu();

    // Past the 51st item too; not past the last.
    EXPECT_TRUE(ctrl.RunHostMenuItem(CCappBaseCtrl::idFirstMenuItem + 51));
    EXPECT_TRUE(ctrl.RunHostMenuItem(CCappBaseCtrl::idFirstMenuItem + 59));
    EXPECT_FALSE(ctrl.RunHostMenuItem(CCappBaseCtrl::idFirstMenuItem + 60));
    EXPECT_FALSE(ctrl.RunHostMenuItem(CCappBaseCtrl::idFirstMenuItem - 1));
    EXPECT_EQ(2u, parent.m_keys.size());
    parent.DestroyWindow();
}

TEST(CappBaseCtrlTest, SpecialEditReachesItsWindowThroughTheInterface)
{
    CGlyphworkEdit edit;
    CCappBaseCtrl* pCtrl = &edit;
    EXPECT_EQ(CCappBaseCtrl::kindGlyphworkEdit, pCtrl->m_nCtrlType);
    EXPECT_FALSE(pCtrl->IsCreateed()) << "no window yet";
    CRect rc(1, 2, 3, 4);
    EXPECT_FALSE(pCtrl->GetControlRect(rc));
    ASSERT_TRUE(edit.CreateEx(0, nullptr, "edit", WS_POPUP, 30, 40, 120, 20, nullptr, nullptr));
    EXPECT_TRUE(pCtrl->IsCreateed());
    ASSERT_TRUE(pCtrl->GetControlRect(rc));
    EXPECT_EQ(CRect(30, 40, 150, 60), rc);
    edit.DestroyWindow();
}
} // namespace
