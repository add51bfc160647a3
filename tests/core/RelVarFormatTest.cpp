// Output formats of a related resource: placeholders filled, expressions evaluated.
#include <gtest/gtest.h>

#include "core/RelResItem.h"
#include "core/RelVarFormat.h"

TEST(RelVarFormatTest, DataFillsThePlaceholdersAndEvaluatesExpressions)
{
    CStringArray arrNames;
    arrNames.Add("L");
    CStringArray arrValues;
    arrValues.Add("3");
    CRelVarFormat format;
    format.m_strFormat = "[L]*2";
    EXPECT_STREQ("3*2", format.GetData(arrNames, arrValues).GetString());
    format.m_nMode = 1;
    EXPECT_STREQ("6", format.GetData(arrNames, arrValues).GetString());
}

TEST(RelVarFormatTest, OutputFormatsEndEachWithALineFeed)
{
    CRelResItem item;
    EXPECT_STREQ("", item.GetOutputFormats().GetString());
    for (const char* pszFormat : {"A", "B"}) {
        auto* pFormat = new CRelVarFormat;
        pFormat->m_strFormat = pszFormat;
        item.m_listFormat.AddTail(pFormat);
    }
    EXPECT_STREQ("A\nB\n", item.GetOutputFormats().GetString());
}
