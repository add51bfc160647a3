// The editor's menu items and double-click message for a cell's compute and resource kinds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CappCell.h"
#include "symedit/CappBaseCtrl.h"
#include "work/CardMenuFun.h"

TEST(CardMenuFunTest, ItemsFollowTheComputeAndResourceKinds)
{
    using Items = std::vector<std::pair<std::string, UINT>>;
    struct Case
    {
        const char* szName;
        int nCompute;
        int nRes;
        Items items;
        UINT nDblClk;
    };
    const Case cases[] = {
        {"nothing to add", 0, 0, {}, 0},
        {"computed entry", 4, 0, {{"计算", 0x511}}, 0x511},
        {"code", 5, 0, {{"编码", 0x510}}, 0x510},
        {"related resource 4", 0, 4, {{"关联资源", 0x515}}, 0x515},
        {"related resource 5", 0, 5, {{"关联资源", 0x515}}, 0x515},
        {"knowledge base", 0, 1, {{"知识库", 0x515}, {"存入知识库", 0x519}}, 0x515},
        {"process dictionary", 0, 3, {{"工艺字典", 0x50E}}, 0x50E},
        {"product data", 0, 2, {{"PDM", 0x50F}}, 0x50F},
        {"computing comes first, and wins the double click", 4, 2, {{"计算", 0x511}, {"PDM", 0x50F}}, 0x511},
        {"an unknown resource kind", 0, 9, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCell cell;
        cell.m_nCellInt14 = c.nCompute;
        cell.m_byCellByte = static_cast<BYTE>(c.nRes);
        CCappBaseCtrl ctrl;
        CCardMenuFun::AppendCellItems(&ctrl, &cell);
        Items items;
        for (INT_PTR i = 0; i < ctrl.m_arrMenuText.GetSize(); ++i) {
            items.emplace_back(ctrl.m_arrMenuText[i].GetString(), ctrl.m_arrMenuMsg[i]);
        }
        EXPECT_EQ(c.items, items);
        EXPECT_EQ(c.nDblClk, ctrl.m_nDBClickMsg);
    }
}
