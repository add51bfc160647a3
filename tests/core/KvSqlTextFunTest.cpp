#include <gtest/gtest.h>

#include "core/KvSqlTextFun.h"

namespace
{
struct CheckCase
{
    const char* szName;
    const char* szText;
    BOOL bValid;
};

TEST(KvSqlTextFunTest, NamesAreLettersDigitsAndUnderscoresOnly)
{
    const CheckCase cases[] = {
        {"plain", "TN_SYS_CAPPBLOB", TRUE},
        {"leading underscore", "_x1", TRUE},
        {"GBK name", "零件号", TRUE},
        {"GBK trail byte 0x5C", "\xD5\x5C", TRUE},
        {"empty", "", FALSE},
        {"leading digit", "1abc", FALSE},
        {"blank inside", "a b", FALSE},
        {"quote", "a\"b", FALSE},
        {"bracket", "a]b", FALSE},
        {"statement", "t; DROP TABLE x", FALSE},
        {"dotted unless asked", "dbo.t", FALSE},
        {"cut lead byte", "a\xD5", FALSE},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bValid, CKvSqlTextFun::IsValidName(c.szText));
    }
    EXPECT_TRUE(CKvSqlTextFun::IsValidName("dbo.t", TRUE));
    EXPECT_FALSE(CKvSqlTextFun::IsValidName("dbo.", TRUE));
    EXPECT_FALSE(CKvSqlTextFun::IsValidName(".t", TRUE));
}

TEST(KvSqlTextFunTest, TypesAreNamesWithAnOptionalSize)
{
    const CheckCase cases[] = {
        {"int", "int", TRUE},
        {"sized", "varchar(20)", TRUE},
        {"precision and scale", "decimal(10, 2)", TRUE},
        {"max", "varchar(max)", TRUE},
        {"two words", "double precision", TRUE},
        {"empty", "", FALSE},
        {"open size", "varchar(20", FALSE},
        {"text after size", "varchar(20) default 1", FALSE},
        {"statement", "int; DROP TABLE x", FALSE},
        {"letters as size", "varchar(a)", FALSE},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bValid, CKvSqlTextFun::IsValidType(c.szText));
    }
}

TEST(KvSqlTextFunTest, DefaultsAreOneNumberLiteralNullOrCall)
{
    const CheckCase cases[] = {
        {"zero", "0", TRUE},
        {"negative decimal", "-1.5", TRUE},
        {"empty literal", "''", TRUE},
        {"doubled quote", "'O''Brien'", TRUE},
        {"GBK literal", "'螺纹'", TRUE},
        {"null", "NULL", TRUE},
        {"call", "getdate()", TRUE},
        {"empty", "", FALSE},
        {"lone quote", "'O'Brien'", FALSE},
        {"unclosed", "'abc", FALSE},
        {"statement after literal", "'a'; DROP TABLE x", FALSE},
        {"call with arguments", "f(1)", FALSE},
        {"bare name", "abc", FALSE},
        {"number and more", "1 OR 1", FALSE},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bValid, CKvSqlTextFun::IsValidDefault(c.szText));
    }
}

TEST(KvSqlTextFunTest, NamesAreQuotedPartByPartAndLiteralsDoubleTheirQuotes)
{
    EXPECT_STREQ("[dbo].[t]", CKvSqlTextFun::QuoteName(CKvSqlTextFun::engineSqlServer, "dbo.t"));
    EXPECT_STREQ("\"TN_A\"", CKvSqlTextFun::QuoteName(CKvSqlTextFun::enginePostgreSQL, "TN_A"));
    EXPECT_STREQ("\"零件\"", CKvSqlTextFun::QuoteName(CKvSqlTextFun::engineSQLite, "零件"));
    EXPECT_STREQ("'O''Brien'", CKvSqlTextFun::QuoteLiteral("O'Brien"));
    EXPECT_STREQ("''", CKvSqlTextFun::QuoteLiteral(""));
}
} // namespace
