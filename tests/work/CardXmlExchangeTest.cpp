#include <gtest/gtest.h>

#include "work/CardXmlExchange.h"

namespace
{
TEST(CardXmlExchangeTest, EscapesHostileValues)
{
    struct EscapeCase
    {
        const char* value;
        const char* xml;
        const char* cdata;
        const char* sql;
    };
    const EscapeCase cases[] = {
        {"plain", "plain", "<![CDATA[plain]]>", "'plain'"},
        {"'", "&apos;", "<![CDATA[']]>", "''''"},
        {"<", "&lt;", "<![CDATA[<]]>", "'<'"},
        {"&", "&amp;", "<![CDATA[&]]>", "'&'"},
        {"]]>", "]]&gt;", "<![CDATA[]]]]><![CDATA[>]]>", "']]>'"},
        {"x' OR '1'='1", "x&apos; OR &apos;1&apos;=&apos;1", "<![CDATA[x' OR '1'='1]]>", "'x'' OR ''1''=''1'"},
        {"", "", "<![CDATA[]]>", "''"},
    };
    for (const EscapeCase& c : cases) {
        EXPECT_EQ(CString(c.xml), CCardXml::EscapeXml(c.value)) << c.value;
        EXPECT_EQ(CString(c.cdata), CCardXml::CData(c.value)) << c.value;
        EXPECT_EQ(CString(c.sql), CCardXml::SqlLiteral(c.value)) << c.value;
    }
}
} // namespace

namespace
{
CString LookupTable(void* pContext, const CString& strName)
{
    return strName == "A" ? CString(static_cast<const char*>(pContext)) : CString("?");
}

TEST(CardXmlExchangeTest, SqlConditionQuotesHostileValues)
{
    struct CondCase
    {
        const char* szName;
        const char* szCondition;
        const char* szValue;
        const char* szExpected;
    };
    const CondCase cases[] = {
        {"bare token becomes a literal", "CODE = [A]", "x' OR '1'='1", "CODE = 'x'' OR ''1''=''1'"},
        {"quoted token keeps its quotes", "CODE = '[A]'", "x' OR '1'='1", "CODE = 'x'' OR ''1''=''1'"},
        {"inside LIKE pattern", "N LIKE '%[A]%'", "O'Neil", "N LIKE '%O''Neil%'"},
        {"markup stays for the XML layer", "N = [A]", "<&]]>", "N = '<&]]>'"},
        {"open bracket without close", "N = [A", "v", "N = [A"},
    };
    for (const CondCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(CString(c.szExpected),
                  CCardXml::SqlCondition(c.szCondition, LookupTable, const_cast<char*>(c.szValue)));
    }
}
} // namespace
