// The sheet window's menu carries the view's commands with their texts, and each reaches the view.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "designer/res/resource.h"
#include "platform/base/String.h"
#include "platform/win/Menu.h"

namespace
{
void CollectItems(HMENU hMenu, std::map<UINT, std::string>& items)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        if (HMENU hSub = ::GetSubMenu(hMenu, i)) {
            CollectItems(hSub, items);
            continue;
        }
        char szText[128] = {};
        ::GetMenuStringA(hMenu, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
        const UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID != 0 && nID != static_cast<UINT>(-1)) {
            items[nID] = szText;
        }
    }
}
} // namespace

TEST(CSheetMenuTest, TheSheetWindowsMenuCarriesTheViewCommands)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CAPPSHEETDEF));
    std::map<UINT, std::string> items;
    CollectItems(menu.m_hMenu, items);
    const struct
    {
        UINT nID;
        const char* szText;
    } expected[] = {
        {0x8054, "保存为(&T)...\tCtrl+T"},
        {0x8004, "保存(&S)\tCtrl+S"},
        {0x80C9, "页面设置(&U)..."},
        {0x8045, "撤消(&U)\tCtrl+Z"},
        {0x8046, "重复(&R)\tCtrl+R"},
        {0x7FF9, "缩小"},
        {0x7FFA, "放大"},
        {0x7FFB, "区域放大"},
        {0x7FFC, "移动"},
        {0x804D, "全图显示"},
        {0x804E, "10%"},
        {0x804F, "50%"},
        {0x8050, "75%"},
        {0x8051, "100%"},
        {0x8052, "200%"},
        {0x8053, "400%"},
        {0x8079, "标尺"},
        {0x80A7, "表格清理"},
        {0x84D0, "脚本编辑"},
        {0x84D3, "数据模拟"},
        {0x8086, "Cell控制"},
        {0x80C4, "设置 SGE"},
        {0x8BC1, "画线"},
        {0x8BC2, "删除"},
        {0x8BC5, "移动"},
        {0x8BC6, "剪断"},
        {0x8BC9, "延伸"},
        {0x8087, "合并表格线"},
        {0x8BC8, "导航"},
        {0x8BC7, "属性"},
        {0x8012, "设为静态文本"},
        {0x800E, "设为卡片变量"},
        {0x8010, "设为图形变量"},
        {0x800B, "分割"},
        {0x8075, "合并"},
        {0x8072, "设置Cell的大小"},
        {0x8BCA, "属性"},
        {0x809F, "属性..."},
        {0x8069, "工作开关"},
        {0x806A, "线"},
        {0x806B, "矩形框"},
        {0x806C, "圆"},
        {0x8093, "圆角框"},
        {0x8096, "浮动变量"},
    };
    for (const auto& c : expected) {
        SCOPED_TRACE(c.szText);
        ASSERT_EQ(1u, items.count(c.nID));
        EXPECT_EQ(c.szText, items[c.nID]);
    }
}

// The script window's menu has the framework's file, edit, view, window and help popups, and its
// store command a tool-bar prompt.
TEST(CSheetMenuTest, TheScriptWindowsMenuHasTheFrameworksPopups)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_SCRIPT));
    std::vector<std::string> titles;
    for (int i = 0; i < ::GetMenuItemCount(menu.m_hMenu); ++i) {
        char szText[64] = {};
        ::GetMenuStringA(menu.m_hMenu, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
        titles.push_back(szText);
    }
    EXPECT_EQ((std::vector<std::string>{"文件(&F)", "编辑(&E)", "查看(&V)", "窗口(&W)", "帮助(&H)"}), titles);
    std::map<UINT, std::string> items;
    CollectItems(menu.m_hMenu, items);
    EXPECT_EQ(1u, items.count(ID_VIEW_OUTPUT_BAR));
    CString strPrompt;
    ASSERT_TRUE(strPrompt.LoadString(ID_DESIGN_SAVE));
    EXPECT_STREQ("保存\n保存", strPrompt);
}

// The tool commands carry their tool-bar tips after the menu prompt.
TEST(CSheetMenuTest, ToolCommandsCarryTheirTips)
{
    const struct
    {
        UINT nID;
        const char* szTip;
    } expected[] = {
        {0x8069, "自由对象工作开关"},
        {0x806A, "线"},
        {0x806B, "矩形框(可以输文件)"},
        {0x806C, "圆(可以输文件)"},
        {0x8093, "圆角框(可以输文件)"},
        {0x8096, "浮动变量"},
        {0x800B, "拆分"},
        {0x8012, "增加一个静态文本"},
        {0x800E, "增加一个表格变量"},
        {0x8010, "增加一个图形变量"},
        {0x80A2, "选择"},
        {0x8072, "设置Cell的大小"},
    };
    for (const auto& c : expected) {
        SCOPED_TRACE(c.nID);
        CString strText;
        ASSERT_TRUE(strText.LoadString(c.nID));
        const int nNewLine = strText.Find('\n');
        ASSERT_GE(nNewLine, 0);
        EXPECT_STREQ(c.szTip, strText.Mid(nNewLine + 1).GetString());
    }
}
