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
