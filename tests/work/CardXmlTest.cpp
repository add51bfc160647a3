#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/CappCardVarItem.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/RelResItem.h"
#include "core/RelVarFormat.h"
#include "work/CardXml.h"

namespace
{
TEST(CardXmlTest, EscapesHostileValues)
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

TEST(CardXmlTest, SqlConditionQuotesHostileValues)
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

namespace
{
// Golden texts are kept with plain line ends here; the writers end every line with CR LF.
CString Crlf(const char* pszText)
{
    CString strOut;
    for (const char* p = pszText; *p != '\0'; ++p) {
        if (*p == '\n') {
            strOut += '\r';
        }
        strOut += *p;
    }
    return strOut;
}

bool HasBareLineFeed(const CString& strText)
{
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (strText[i] == '\n' && (i == 0 || strText[i - 1] != '\r')) {
            return true;
        }
    }
    return false;
}

CString LookupPart(void*, const CString& strName)
{
    return strName == "零件号" ? CString("P'7") : CString();
}

CRelVarFormat* NewFormat(const char* pszColumn, const char* pszFormat, const char* pszAttributes = nullptr)
{
    auto* pFormat = new CRelVarFormat;
    pFormat->m_strColumn = pszColumn;
    pFormat->m_strFormat = pszFormat;
    if (pszAttributes != nullptr) {
        pFormat->m_strAttributes = pszAttributes;
    }
    return pFormat;
}

CRelResItem* NewRes(const char* pszName, const char* pszCondition, int bFormatsOn, const char* pszColumn)
{
    auto* pRes = new CRelResItem;
    pRes->m_strName = pszName;
    pRes->m_strCondition = pszCondition;
    pRes->m_bFormatsOn = bFormatsOn;
    pRes->m_strColumnText = pszColumn;
    return pRes;
}

// A cell with two related resources: the first with a condition and two listed output formats,
// the second with no condition and a format its flag keeps out.
void FillRequestCell(CCappCell& cell)
{
    cell.m_strVarName = "刀具";
    cell.m_strCellText7 = "A1";
    CRelResItem* pFirst = NewRes("工装库", "QTY < 5 AND CODE = [零件号]", 1, "NAME");
    pFirst->m_listFormat.AddTail(NewFormat("规格", "GAUGE"));
    pFirst->m_listFormat.AddTail(NewFormat("材料", "MAT", "SIZE = '20' TYPE = 'STRING' RETURN = '0'"));
    cell.m_listRelRes.AddTail(pFirst);
    CRelResItem* pSecond = NewRes("Tools & <Fixtures>", "", 0, "TOOL");
    pSecond->m_listFormat.AddTail(NewFormat("备注", "NOTE"));
    cell.m_listRelRes.AddTail(pSecond);
}

// Every line break below is CR LF in the text; lines ending in "> " keep their trailing blank.
const char* const kFormR = R"(<BODY>

<RES NAME = '工装库' >
<WHERE>QTY &lt; 5 AND CODE = 'P''7'</WHERE>
<COLITEM NAME = '刀具' SIZE = '10'  TYPE = 'STRING'  RETURN = '1' APART= 'A1' > 
NAME
</COLITEM>
<COLITEM NAME = '规格' APART= 'A1' SIZE = '0' TYPE = 'STRING' RETURN = '1'  > 
GAUGE
</COLITEM>
<COLITEM NAME = '材料' APART= 'A1' SIZE = '20' TYPE = 'STRING' RETURN = '0'  > 
MAT
</COLITEM>
</RES>
<RES NAME = 'Tools &amp; &lt;Fixtures&gt;' >
<COLITEM NAME = '刀具' SIZE = '10'  TYPE = 'STRING'  RETURN = '1' APART= 'A1' > 
TOOL
</COLITEM>
</RES>
</BODY>)";

const char* const kFormT = R"(<BODY>

<RES NAME = 'Res' >
<SQL><![CDATA[QTY < 5 AND CODE = 'P''7']]></SQL>
<COLITEM NAME = '刀具' SIZE = '10'  TYPE = 'STRING'  RETURN = '1' APART= 'A1' > 
NAME
</COLITEM>
<COLITEM NAME = '规格' APART= 'A1' SIZE = '0' TYPE = 'STRING' RETURN = '1'  > 
GAUGE
</COLITEM>
<COLITEM NAME = '材料' APART= 'A1' SIZE = '20' TYPE = 'STRING' RETURN = '0'  > 
MAT
</COLITEM>
</RES>
</BODY>)";

// Form D lists the formats whatever the flag says, and splits the condition at "$@$".
const char* const kFormD = R"(<BODY>

<RES NAME = 'Res' >
<SQL><![CDATA[SELECT NAME FROM T WHERE C = 'P''7' AND X = ']]]]><![CDATA[>']]></SQL>
<CONNECTSTRING>Provider=SQLOLEDB.1;Data Source=a&amp;b</CONNECTSTRING>
<COLITEM NAME = '刀具' SIZE = '10'  TYPE = 'STRING'  RETURN = '1' APART= 'A1' > 
NAME
</COLITEM>
<COLITEM NAME = '备注' APART= 'A1' SIZE = '0' TYPE = 'STRING' RETURN = '1'  > 
NOTE
</COLITEM>
</RES>
</BODY>)";

const char* const kFormDWithoutSplit = R"(<BODY>

<RES NAME = 'Res' >
<SQL><![CDATA[]]></SQL>
<CONNECTSTRING></CONNECTSTRING>
<COLITEM NAME = '刀具' SIZE = '10'  TYPE = 'STRING'  RETURN = '1' APART= 'A1' > 
NAME
</COLITEM>
</RES>
</BODY>)";
} // namespace

TEST(CardXmlTest, RequestFormsMatchTheirGoldenTexts)
{
    CCappCell cellTwoRes;
    FillRequestCell(cellTwoRes);
    CCappCell cellDb;
    cellDb.m_strVarName = "刀具";
    cellDb.m_strCellText7 = "A1";
    CRelResItem* pDb = NewRes(
        "db", "Provider=SQLOLEDB.1;Data Source=a&b$@$SELECT NAME FROM T WHERE C = [零件号] AND X = ']]>'", 0, "NAME");
    pDb->m_listFormat.AddTail(NewFormat("备注", "NOTE"));
    cellDb.m_listRelRes.AddTail(pDb);
    CCappCell cellNoSplit;
    cellNoSplit.m_strVarName = "刀具";
    cellNoSplit.m_strCellText7 = "A1";
    cellNoSplit.m_listRelRes.AddTail(NewRes("db", "SELECT 1", 0, "NAME"));
    CCappCell cellNoRes;
    cellNoRes.m_strVarName = "刀具";

    struct FormCase
    {
        const char* szName;
        const CCappCell* pCell;
        int nForm;
        const char* szGolden;
    };
    const FormCase cases[] = {
        {"form R: every resource, escaped names and condition", &cellTwoRes, CCardXml::formRes, kFormR},
        {"form T: the first resource as SQL", &cellTwoRes, CCardXml::formOtherTable, kFormT},
        {"form D: SQL and connection lines", &cellDb, CCardXml::formOtherDb, kFormD},
        {"form D without the separator", &cellNoSplit, CCardXml::formOtherDb, kFormDWithoutSplit},
        {"a cell without resources writes nothing", &cellNoRes, CCardXml::formRes, ""},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.szName);
        const CString strText = CCardXml::ResRequest(c.pCell, c.nForm, LookupPart, nullptr);
        EXPECT_EQ(Crlf(c.szGolden), strText);
        EXPECT_FALSE(HasBareLineFeed(strText));
    }
}

namespace
{
const char* const kRows = R"(<BODY>
<ROW>
<COLITEM NAME='工序号'><![CDATA[10]]></COLITEM>

<COLITEM NAME='工序内容'><![CDATA[车 <外圆> & 'R' ]]]]><![CDATA[>]]></COLITEM>

</ROW><ROW>
<COLITEM NAME='工序号'><![CDATA[20]]></COLITEM>

<COLITEM NAME='工序内容'><![CDATA[]]></COLITEM>

</ROW></BODY>)";

// Detail data with two string columns and the given rows.
void FillRows(CCappMDData& data, const std::vector<std::pair<const char*, const char*>>& rows)
{
    for (const char* pszName : {"工序号", "工序内容"}) {
        auto* pVar = new CCappCardVarItem;
        pVar->m_strName = pszName;
        pVar->m_nKind = CCappCardVarItem::kindTyped;
        pVar->m_nDataType = CCappCardVarItem::typeString;
        data.m_listCardVar.AddTail(pVar);
        data.m_arrVarName.Add(pszName);
    }
    data.ResertDataList();
    for (size_t r = 0; r < rows.size(); ++r) {
        data.InsertRowData(-1, 0);
        CString strNo = rows[r].first;
        CString strText = rows[r].second;
        data.SetVarData(static_cast<int>(r), "工序号", strNo);
        data.SetVarData(static_cast<int>(r), "工序内容", strText);
    }
}
} // namespace

TEST(CardXmlTest, RowsMatchTheirGoldenTexts)
{
    CCappMDData data;
    FillRows(data, {{"10", "车 <外圆> & 'R' ]]>"}, {"20", ""}, {"30", "铣"}});
    struct RowsCase
    {
        const char* szName;
        int nFirst;
        int nLast;
        const char* szGolden;
    };
    const RowsCase cases[] = {
        {"two rows, values in CDATA", 0, 1, kRows},
        {"first past last gives an empty body", 2, 1, "<BODY>\n</BODY>"},
        {"one row", 2, 2,
         "<BODY>\n<ROW>\n<COLITEM NAME='工序号'><![CDATA[30]]></COLITEM>\n\n"
         "<COLITEM NAME='工序内容'><![CDATA[铣]]></COLITEM>\n\n</ROW></BODY>"},
    };
    for (const RowsCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(Crlf(c.szGolden), CCardXml::RowsText(&data, c.nFirst, c.nLast));
    }
    EXPECT_EQ(CString(), CCardXml::RowsText(nullptr, 0, 1));
}
