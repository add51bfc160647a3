// The card object's head cells that take values from outside: inherited and out data filled
// into their texts' "[name]" references, and the cells of the material roles.
#include <gtest/gtest.h>

#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "tests/core/CardDataUtil.h"
#include "tests/core/CardObjUtil.h"

namespace
{

// Head cells in this order: part name, material, blank size, two inheriting cells, an out cell.
const CardTemplate kLinked = {"L", 5, {"零件名称", "材料", "毛坯", "Inh1", "Inh2", "Out1"}, "MD", {"Op"}, "PG"};

CCappCell* HeadCell(CCardObj& card, int nIndex)
{
    CObList& list = card.GetMasterSheet()->m_HeadCellList;
    return static_cast<CCappCell*>(list.GetAt(list.FindIndex(nIndex)));
}

// A card of the linked template: material roles on cells 1 and 2, cells 3 and 4 inherit, cell 5
// takes out data.
void MakeLinkedCard(CCardObj& card)
{
    SetCardSheets(card, {kLinked});
    card.m_CardData.m_HFData.ResertDataList();
    HeadCell(card, 1)->m_nCellRole = CCappCell::roleMaterialName;
    HeadCell(card, 2)->m_nCellRole = CCappCell::roleMaterialSize;
    HeadCell(card, 3)->m_nLinkKind = CCappCell::linkInherit;
    HeadCell(card, 3)->m_strLinkText = "[图号]-[件号]";
    HeadCell(card, 4)->m_nLinkKind = CCappCell::linkInherit;
    HeadCell(card, 4)->m_strLinkText = "[件号]/[批次]";
    HeadCell(card, 5)->m_nLinkKind = CCappCell::linkOut;
    HeadCell(card, 5)->m_strLinkText = "[数量][单位]";
    card.AddNewPage(1, 0);
}

} // namespace

TEST(CardObjVarsTest, InheritedDataFillsTheInheritingCells)
{
    CCardObj card;
    MakeLinkedCard(card);
    EXPECT_STREQ("图号,件号,批次,", card.PickInheritVars().GetString());

    struct Case
    {
        const char* szName;
        const char* szValues;
        const char* szInh1;
        const char* szInh2;
    };
    const Case cases[] = {
        {"every value given", "A-01<,>7<,>B2<,>", "A-01-7", "7/B2"},
        {"an empty value in the middle", "A-01<,><,>B2<,>", "A-01-", "/B2"},
        {"missing values give empty texts", "A-01<,>", "A-01-", "/"},
        {"a value holding a comma", "A,1<,>7<,>B<,>", "A,1-7", "7/B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        card.SetInheritData(card.PickInheritVars(), c.szValues);
        EXPECT_STREQ(c.szInh1, card.GetHeadVarData("Inh1").GetString());
        EXPECT_STREQ(c.szInh2, card.GetHeadVarData("Inh2").GetString());
    }
    // Cells of no link kind keep their values.
    EXPECT_STREQ("", card.GetHeadVarData("零件名称").GetString());
}

TEST(CardObjVarsTest, OutDataFillsTheOutCells)
{
    CCardObj card;
    MakeLinkedCard(card);
    EXPECT_STREQ("[数量][单位],", card.PickOutVars().GetString());
    card.SetOutData("数量\n单位", "12\n件");
    EXPECT_STREQ("12件", card.GetHeadVarData("Out1").GetString());
    // References to names not given stay as they are.
    card.SetOutData("单位", "台");
    EXPECT_STREQ("[数量]台", card.GetHeadVarData("Out1").GetString());
    // The shown cells follow the values.
    ASSERT_NE(nullptr, card.SetCurPage(1));
    card.SetOutData("数量\n单位", "3\n套");
    EXPECT_STREQ("3套", card.GetHeadVarData("Out1").GetString());
    EXPECT_STREQ("3套", HeadCell(card, 5)->m_strText.GetString());
    // The link text is kept: a later fill starts from the references again.
    card.SetOutData("数量", "4");
    EXPECT_STREQ("4[单位]", card.GetHeadVarData("Out1").GetString());
    EXPECT_STREQ("", card.GetHeadVarData("Inh1").GetString());
}

TEST(CardObjVarsTest, InheritDataReadsHeadValuesByName)
{
    CCardObj card;
    MakeLinkedCard(card);
    card.m_CardData.SetVarData("零件名称", 0, "输出轴");
    card.m_CardData.SetVarData("材料", 0, "45");
    EXPECT_STREQ("输出轴<,>45<,><,>", card.GetInheritData("零件名称,材料,毛坯,", 0, 1).GetString());
    // A name the head does not hold gives an empty value in its place.
    EXPECT_STREQ("<,>输出轴<,>", card.GetInheritData("nowhere,零件名称", 0, 1).GetString());
    EXPECT_STREQ("", card.GetInheritData("", 0, 1).GetString());
}

TEST(CardObjVarsTest, InheritDataTakesWhatTheHeadLacksFromTheKeyedDetailRow)
{
    CCardObj card;
    MakeLinkedCard(card);
    card.m_CardData.SetVarData("零件名称", 0, "输出轴");
    auto* pOther = new CCappMDData;
    pOther->m_nID = 7;
    FillMDData(*pOther, {"工序号"}, {{"99"}, {"98"}});
    auto* pMD = new CCappMDData;
    pMD->m_nID = 8;
    FillMDData(*pMD, {"工序号", "设备"}, {{"5", "CA6140"}, {"10", "X6132"}, {"15", "Z3040"}});
    card.m_CardData.m_MDDataList.AddTail(pOther);
    card.m_CardData.m_MDDataList.AddTail(pMD);
    const int nSecondRow =
        static_cast<CCappMidRow*>(pMD->m_listRowData.GetAt(pMD->m_listRowData.FindIndex(1)))->m_nRowID;

    struct Case
    {
        const char* szName;
        int nMDKey;
        int nRowID;
        const char* szData;
    };
    const Case cases[] = {
        {"head first, then the row of that id", 8, nSecondRow, "输出轴<,>10<,>X6132<,><,>"},
        {"the other detail data", 7, static_cast<CCappMidRow*>(pOther->m_listRowData.GetHead())->m_nRowID,
         "输出轴<,>99<,><,><,>"},
        {"no detail data of that key", 3, nSecondRow, "输出轴<,><,><,><,>"},
        {"no row of that id", 8, 12345, "输出轴<,><,><,><,>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szData, card.GetInheritData("零件名称,工序号,设备,毛坯", c.nMDKey, c.nRowID).GetString());
    }
}

TEST(CardObjVarsTest, MaterialComesFromTheCurrentSheetsRoleCells)
{
    CCardObj card;
    MakeLinkedCard(card);
    CString strValue = "stale";
    // No current page: no sheet to look in.
    EXPECT_EQ(0, card.GetMaterialName(strValue));
    EXPECT_STREQ("", strValue.GetString());
    ASSERT_NE(nullptr, card.SetCurPage(1));
    EXPECT_EQ(0, card.GetMaterialSize(strValue)); // no value yet
    card.m_CardData.SetVarData("材料", 0, "HT200");
    card.m_CardData.SetVarData("毛坯", 0, "铸件");
    EXPECT_EQ(1, card.GetMaterialName(strValue));
    EXPECT_STREQ("HT200", strValue.GetString());
    EXPECT_EQ(1, card.GetMaterialSize(strValue));
    EXPECT_STREQ("铸件", strValue.GetString());
    // A sheet without the role has no material.
    HeadCell(card, 1)->m_nCellRole = CCappCell::roleNone;
    EXPECT_EQ(0, card.GetMaterialName(strValue));
}
