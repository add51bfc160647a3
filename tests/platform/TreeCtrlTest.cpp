#include <gtest/gtest.h>

#include <string>

#include "platform/win/TreeCtrl.h"

namespace
{
class TreeCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "tree host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr));
        RECT rc = {0, 0, 180, 180};
        ASSERT_TRUE(m_tree.Create(TVS_HASBUTTONS | TVS_LINESATROOT, rc, &m_host, 7));
    }

    CWnd m_host;
    CTreeCtrl m_tree;
};

TEST_F(TreeCtrlTest, ItemsAreWalkedByTheirRelatives)
{
    HTREEITEM hCard = m_tree.InsertItem("工艺卡片");
    HTREEITEM hOther = m_tree.InsertItem("其他");
    HTREEITEM hSecond = m_tree.InsertItem("工序二", hCard);
    HTREEITEM hFirst = m_tree.InsertItem("工序一", hCard, TVI_FIRST);
    HTREEITEM hStep = m_tree.InsertItem("工步", 1, 2, hFirst);
    ASSERT_TRUE(hCard && hOther && hSecond && hFirst && hStep);
    EXPECT_EQ(5u, m_tree.GetCount());

    EXPECT_EQ(hCard, m_tree.GetRootItem());
    EXPECT_EQ(hOther, m_tree.GetNextSiblingItem(hCard));
    EXPECT_EQ(nullptr, m_tree.GetNextSiblingItem(hOther));
    EXPECT_EQ(hFirst, m_tree.GetChildItem(hCard));
    EXPECT_EQ(hSecond, m_tree.GetNextSiblingItem(hFirst));
    EXPECT_EQ(hFirst, m_tree.GetPrevSiblingItem(hSecond));
    EXPECT_EQ(hFirst, m_tree.GetParentItem(hStep));
    EXPECT_EQ(nullptr, m_tree.GetParentItem(hCard));
    EXPECT_EQ(hCard, m_tree.GetNextItem(hSecond, TVGN_PARENT));
    EXPECT_TRUE(m_tree.ItemHasChildren(hFirst));
    EXPECT_FALSE(m_tree.ItemHasChildren(hSecond));

    // Deleting an item takes its branch with it.
    EXPECT_TRUE(m_tree.DeleteItem(hFirst));
    EXPECT_EQ(3u, m_tree.GetCount());
    EXPECT_EQ(hSecond, m_tree.GetChildItem(hCard));
    EXPECT_TRUE(m_tree.DeleteAllItems());
    EXPECT_EQ(0u, m_tree.GetCount());
    EXPECT_EQ(nullptr, m_tree.GetRootItem());
}

TEST_F(TreeCtrlTest, TextDataStateAndSelection)
{
    HTREEITEM hRoot = m_tree.InsertItem("工艺卡片");
    HTREEITEM hChild = m_tree.InsertItem("子", hRoot);
    EXPECT_STREQ("工艺卡片", m_tree.GetItemText(hRoot));
    EXPECT_TRUE(m_tree.SetItemText(hChild, "工序\xD5\x7C"));
    EXPECT_STREQ("工序\xD5\x7C", m_tree.GetItemText(hChild));

    // Longer than the first buffer tried, ending in a double-byte character.
    std::string strLong(300, 'x');
    strLong += "卡";
    EXPECT_TRUE(m_tree.SetItemText(hChild, strLong.c_str()));
    EXPECT_STREQ(strLong.c_str(), m_tree.GetItemText(hChild));
    EXPECT_STREQ("", m_tree.GetItemText(nullptr));

    EXPECT_TRUE(m_tree.SetItemData(hChild, static_cast<DWORD_PTR>(0x123456789ABull)));
    EXPECT_EQ(static_cast<DWORD_PTR>(0x123456789ABull), m_tree.GetItemData(hChild));
    EXPECT_EQ(0u, m_tree.GetItemData(hRoot));

    EXPECT_EQ(0u, m_tree.GetItemState(hRoot, TVIS_EXPANDED));
    EXPECT_TRUE(m_tree.Expand(hRoot, TVE_EXPAND));
    EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), m_tree.GetItemState(hRoot, TVIS_EXPANDED));
    EXPECT_TRUE(m_tree.Expand(hRoot, TVE_COLLAPSE));
    EXPECT_EQ(0u, m_tree.GetItemState(hRoot, TVIS_EXPANDED));
    EXPECT_FALSE(m_tree.Expand(hChild, TVE_EXPAND));

    EXPECT_EQ(nullptr, m_tree.GetSelectedItem());
    EXPECT_TRUE(m_tree.SelectItem(hChild));
    EXPECT_EQ(hChild, m_tree.GetSelectedItem());
    EXPECT_EQ(static_cast<UINT>(TVIS_SELECTED), m_tree.GetItemState(hChild, TVIS_SELECTED));
}
} // namespace
