#include <gtest/gtest.h>

#include "core/KvOleHelper.h"
#include "platform/db/FxDbErrorRecords.h"

namespace
{
struct NameCase
{
    int nType;
    const char* szName;
    const char* szShort;
};

TEST(KvOleHelperTest, TypeNamesFollowTheValueTypeReadAsSigned)
{
    const NameCase cases[] = {
        {0, "EMPTY", "EMPTY"},
        {1, "NULL", "EMPTY"},
        {3, "LONG", "int"},
        {5, "double", "double"},
        {6, "LARGE_INTEGER", ""},
        {20, "LARGE_INTEGER", ""},
        {11, "VARIANT_BOOL", "bool"},
        {129, "char[]", "char"},
        {130, "wchar_t[]", "char"},
        {135, "DBTIMESTAMP", "datetime"},
        {8192, "SAFEARRAY *", ""},
        {0x8000, "RESERVED", ""},
        {15, "", ""},
        {137, "", ""},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.nType);
        EXPECT_STREQ(c.szName, CKvOleHelper::CrackStrVariant(static_cast<VARTYPE>(c.nType)));
        EXPECT_STREQ(c.szShort, CKvOleHelper::CrackStrVariant_S(static_cast<VARTYPE>(c.nType)));
    }
}

TEST(KvOleHelperTest, ValuesBecomeTextWithTrailingBlanksTrimmed)
{
    short nShort = -7;
    LONG nLong = 123456;
    float fValue = 1.5f;
    double dValue = 0.25;
    BYTE bTrue = 0xFF;
    char szText[] = "abc   ";
    wchar_t wszText[] = L"\x87ba\x7eb9  ";
    short date[3] = {-2024, 12, 31};
    struct ValueCase
    {
        const char* szName;
        VARTYPE vt;
        void* pData;
        const char* szText;
    };
    const ValueCase cases[] = {
        {"short", 2, &nShort, "-7"},
        {"long", 3, &nLong, "123456"},
        {"float keeps its point", 4, &fValue, "1.50000"},
        {"double", 5, &dValue, "0.250000"},
        {"true bool", 11, &bTrue, "1"},
        {"narrow text", 129, szText, "abc"},
        {"wide text", 130, wszText, "螺纹"},
        {"date", 133 + 1, date, "-2024-12-31"},
        {"null data", 3, nullptr, ""},
        {"no form", 72, &nLong, ""},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szText, CKvOleHelper::strVariant(c.vt, c.pData));
    }
}

TEST(KvOleHelperTest, ErrorReportNamesPlaceStatementAndEachRecord)
{
    CFxDbErrorRecords::SetOwn("42S02", "no such table: t");
    EXPECT_STREQ("在执行SQL语句时系统发生错误！发生错误的地点是在程序\"a.cpp\"的12行\r\n"
                 "SQL语句:SELECT * FROM t\r\n"
                 "发生错误的原因可能是:\r\n"
                 "[1] -- 错误原因\"no such table: t\"\r\n",
                 CKvOleHelper::GenerateErrorString("a.cpp", 12, "SELECT * FROM t"));
    CFxDbErrorRecords::Clear();
    EXPECT_STREQ("在执行SQL语句时系统发生错误！发生错误的地点是在程序\"b.cpp\"的3行\r\n"
                 "SQL语句:\r\n"
                 "发生错误的原因可能是:\r\n"
                 "找不到指定的数据源",
                 CKvOleHelper::GenerateErrorString("b.cpp", 3, ""));
}
} // namespace
