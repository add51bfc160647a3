// Head/foot data: single values by name, the page-count system variable, normalised writes.
#include <gtest/gtest.h>

#include "core/CappCardData.h"
#include "core/CappHFData.h"
#include "tests/core/CardDataUtil.h"

namespace
{

void AddValues(CCappHFData& hf, std::initializer_list<const char*> names)
{
    for (const char* pszName : names) {
        AddCardVar(hf.m_listCardVar, hf.m_arrVarName, pszName);
        hf.m_listVarData.AddTail(new CCellFieldDataItem);
    }
}

TEST(CappHFDataTest, PageCountVariableAnswersWithoutADefinition)
{
    CCappCardData card;
    card.m_nPageCount = 3;
    CString strValue;
    EXPECT_TRUE(card.m_HFData.GetVarData("_SYS_PRVPAGECOUNT_", strValue));
    EXPECT_STREQ("3", strValue);
    EXPECT_FALSE(card.m_HFData.GetVarData("unknown", strValue));
    EXPECT_STREQ("", strValue);
}

TEST(CappHFDataTest, SetVarDataNormalisesMarksModifiedAndRefusesUnknownNames)
{
    CCappHFData hf;
    AddValues(hf, {"名称", "数量"});
    CCappCardVarItem* pCount = hf.GetCardVarItemByIndex(1);
    pCount->m_nDataType = CCappCardVarItem::typeInteger;
    pCount->m_bBlankZero = TRUE;

    CString strValue = "0";
    EXPECT_TRUE(hf.SetVarData("数量", strValue));
    EXPECT_STREQ("", strValue);
    EXPECT_TRUE(hf.m_bModify);
    strValue = "齿轮";
    EXPECT_TRUE(hf.SetVarData("名称", strValue));
    EXPECT_STREQ("齿轮", hf.GetVarDataItem("名称")->GetData());
    EXPECT_STREQ("", hf.TransitionData("数量", "0"));
    EXPECT_STREQ("", hf.TransitionData("nope", "5")) << "unknown name";

    strValue = "x";
    EXPECT_FALSE(hf.SetVarData("nope", strValue));
    EXPECT_EQ(nullptr, hf.GetVarDataItem(""));
    EXPECT_STREQ("", hf.GetVarName(5));
    EXPECT_EQ(nullptr, hf.GetCardVarItemByIndex(-1));
}

TEST(CappHFDataTest, EmptyAllDataEmptiesEveryValueWhateverTheArgument)
{
    for (int nArg : {0, 1}) {
        SCOPED_TRACE(nArg);
        CCappHFData hf;
        AddValues(hf, {"A", "B"});
        for (const char* pszName : {"A", "B"}) {
            CString strValue = "v";
            hf.SetVarData(pszName, strValue);
        }
        EXPECT_TRUE(hf.EmptyAllData(nArg));
        CString strValue;
        hf.GetVarData("A", strValue);
        EXPECT_STREQ("", strValue);
        hf.GetVarData("B", strValue);
        EXPECT_STREQ("", strValue);
    }
}

} // namespace
