// Filling a card from ADML XML text through the MSXML DOM.
#include <gtest/gtest.h>

#include "core/CappCell.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CardADMLLoader.h"
#include "core/CardObj.h"
#include "tests/core/CardDataUtil.h"
#include "tests/core/CardObjUtil.h"

namespace
{
// A card whose master sheet has head variables A, B, C and the detail area "M1" with N and H,
// and a second detail area "M2" with V.
void MakeCard(CCardObj& card)
{
    SetCardSheets(card, {{"主卡", 5, {"A", "B", "C"}, "M1", {"N", "H"}, ""}});
    auto* pMD2 = new CCappMDData;
    pMD2->m_strName = "M2";
    AddCardVar(pMD2->m_listCardVar, pMD2->m_arrVarName, "V");
    card.m_CardData.m_MDDataList.AddTail(pMD2);
}

CString Head(const CCardObj& card, const char* pszName)
{
    CString strValue;
    if (!card.m_CardData.m_HFData.GetVarData(pszName, strValue)) {
        return "?";
    }
    return strValue;
}

CCappMidData* Area(CCardObj& card)
{
    return static_cast<CCappMidData*>(card.GetMasterSheet()->m_MidDataList.GetHead());
}
} // namespace

TEST(CardADMLLoaderTest, ReadsHeadAndDetailData)
{
    struct Case
    {
        const char* szName;
        const char* szXml;
        const char* szA;
        const char* szB;
        const char* szC;
        const char* szM1N; // column N of M1 ("" for no rows)
        const char* szM1H;
        const char* szM2V;
    };
    const Case cases[] = {
        {"the documented example",
         "<DATA><HEAD VARS=\"A;B;\"><VAL>1</VAL><VAL>x</VAL></HEAD>"
         "<MD><MDITEM NAME=\"M1\" VARS=\"N;\"><ROW><VAL>5</VAL></ROW></MDITEM></MD></DATA>",
         "1", "x", "", "5", "-", "old"},
        {"names in another order, an unknown name, a missing one",
         "<X><HEAD VARS=\"C;Z;A\"><VAL>c</VAL><VAL>z</VAL><VAL>a</VAL></HEAD></X>", "a", "", "c", "old", "old", "old"},
        {"comments and whitespace between elements",
         "<X>\n  <!-- head -->\n  <HEAD VARS=\"A;B\">\n    <VAL>1</VAL>\n    <!-- skipped -->\n    <VAL>2</VAL>\n"
         "  </HEAD>\n  <MD>\n    <!-- rows -->\n    <MDITEM NAME=\"M1\" VARS=\"N;H\">\n      <ROW>\n        "
         "<VAL>n1</VAL>\n        <!-- c -->\n        <VAL>h1</VAL>\n      </ROW>\n    </MDITEM>\n  </MD>\n</X>",
         "1", "2", "", "n1", "h1", "old"},
        {"empty VARS clears the head values and reads none", "<X><HEAD VARS=\"\"><VAL>1</VAL></HEAD></X>", "", "", "",
         "old", "old", "old"},
        {"an MDITEM of an unknown name changes nothing",
         "<X><MD><MDITEM NAME=\"无此表\" VARS=\"N\"><ROW><VAL>9</VAL></ROW></MDITEM></MD></X>", "a0", "b0", "c0", "old",
         "old", "old"},
        {"no NAME: the first detail data",
         "<X><MD><MDITEM VARS=\"H\"><ROW><VAL>1</VAL></ROW><ROW><VAL>2</VAL></ROW></MDITEM></MD></X>", "a0", "b0", "c0",
         "- -", "1 2", "old"},
        {"a second MDITEM for the same data replaces the first",
         "<X><MD><MDITEM NAME=\"M1\" VARS=\"N\"><ROW><VAL>1</VAL></ROW></MDITEM>"
         "<MDITEM NAME=\"M2\" VARS=\"V\"><ROW><VAL>v</VAL></ROW></MDITEM>"
         "<MDITEM NAME=\"M1\" VARS=\"N\"><ROW><VAL>2</VAL></ROW><ROW><VAL>3</VAL></ROW></MDITEM></MD></X>",
         "a0", "b0", "c0", "2 3", "- -", "v"},
        {"nested markup gives its whole text and other children are skipped",
         "<X><OTHER/><HEAD VARS=\"A\"><VAL>工<B>序</B>1</VAL></HEAD><MD><ROWS/></MD></X>", "工序1", "", "", "old",
         "old", "old"},
        {"text that does not parse leaves the card unchanged", "<X><HEAD VARS=\"A\"><VAL>1</HEAD>", "a0", "b0", "c0",
         "old", "old", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardObj card;
        MakeCard(card);
        card.m_CardData.m_HFData.ResertDataList();
        for (const char* pszName : {"A", "B", "C"}) {
            CString strValue = CString(pszName).MakeLower() + "0";
            card.m_CardData.m_HFData.SetVarData(pszName, strValue);
        }
        CCappMDData* pM1 = card.m_CardData.GetMDData("M1");
        CCappMDData* pM2 = card.m_CardData.GetMDData("M2");
        ASSERT_NE(nullptr, pM1);
        FillMDData(*pM1, {}, {{"old", "old"}});
        FillMDData(*pM2, {}, {{"old"}});

        CCardADMLLoader::LoadADMLDataToObj(&card, c.szXml, 0);
        EXPECT_STREQ(c.szA, Head(card, "A").GetString());
        EXPECT_STREQ(c.szB, Head(card, "B").GetString());
        EXPECT_STREQ(c.szC, Head(card, "C").GetString());
        EXPECT_EQ(c.szM1N, Column(*pM1, "N"));
        EXPECT_EQ(c.szM1H, Column(*pM1, "H"));
        EXPECT_EQ(c.szM2V, Column(*pM2, "V"));
    }
}

TEST(CardADMLLoaderTest, ValuesBeyondTheNamesAreKeptByPosition)
{
    CCardObj card;
    MakeCard(card);
    // Through the card object, as the report control and the simulator call it.
    card.LoadADMLDataToObj(
        "<X><MD><MDITEM NAME=\"M1\" VARS=\"N\"><ROW><VAL>1</VAL><VAL>extra</VAL></ROW></MDITEM></MD></X>", 0);
    CCappMDData* pM1 = card.m_CardData.GetMDData("M1");
    ASSERT_EQ(1, pM1->GetRowCount());
    EXPECT_EQ("1", Column(*pM1, "N"));
    // Rows read from XML are new rows, each with its own id.
    EXPECT_EQ(CCappMidRow::stateNew, pM1->GetRow(0)->m_nState);
    EXPECT_GT(pM1->GetRow(0)->m_nRowID, 0);
}

TEST(CardADMLLoaderTest, AreaFlagsSortAndMerge)
{
    const char* const xml = "<X><MD><MDITEM NAME=\"M1\" VARS=\"N;H\">"
                            "<ROW><VAL>2</VAL><VAL>1</VAL></ROW><ROW><VAL>1</VAL><VAL>4</VAL></ROW>"
                            "<ROW><VAL>2</VAL><VAL>3</VAL></ROW></MDITEM></MD></X>";
    struct Case
    {
        const char* szName;
        int nFlags;
        const char* szN;
        const char* szH;
    };
    const Case cases[] = {
        {"as read", 0, "2 1 2", "1 4 3"},
        {"sorted (rows of equal keys in either order)", 0x1, "1 2 2", nullptr},
        {"merge flag alone does nothing", 0x4, "2 1 2", "1 4 3"},
        {"automatic merge needs both flags", 0x2, "2 1 2", "1 4 3"},
        {"merged", 0x6, "2 1 2", "1 4 3"},
        {"sorted, then merged", 0x7, "1 2", "4 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardObj card;
        MakeCard(card);
        CCappMidData* pArea = Area(card);
        pArea->m_nMidFlags = c.nFlags;
        pArea->m_strSortInfo = "1\nN,2,0";
        // N is the merge condition, H is summed.
        static_cast<CCappCell*>(pArea->m_listMidCell.GetHead())->m_nUniteFlags = 0x2;
        static_cast<CCappCell*>(pArea->m_listMidCell.GetTail())->m_nUniteFlags = 0x1;
        CCardADMLLoader::LoadADMLDataToObj(&card, xml, 0);
        CCappMDData* pM1 = card.m_CardData.GetMDData("M1");
        EXPECT_EQ(c.szN, Column(*pM1, "N"));
        if (c.szH != nullptr) {
            EXPECT_EQ(c.szH, Column(*pM1, "H"));
        }
    }
}

namespace
{
// The same card data in the body of every document of the encoding table.
constexpr const char8_t* kBodyUtf8 = u8"<DATA><HEAD VARS=\"A;B;\"><VAL>输出轴</VAL><VAL>Φ20H7 齿轮</VAL></HEAD>"
                                     u8"<MD><MDITEM NAME=\"M1\" VARS=\"N;\"><ROW><VAL>粗车</VAL></ROW></MDITEM></MD>"
                                     u8"</DATA>";
constexpr const char* kBodyGbk = "<DATA><HEAD VARS=\"A;B;\"><VAL>输出轴</VAL><VAL>Φ20H7 齿轮</VAL></HEAD>"
                                 "<MD><MDITEM NAME=\"M1\" VARS=\"N;\"><ROW><VAL>粗车</VAL></ROW></MDITEM></MD></DATA>";

std::string Utf8(const char8_t* psz)
{
    return reinterpret_cast<const char*>(psz);
}
} // namespace

TEST(CardADMLLoaderTest, TheDocumentsOwnEncodingDecides)
{
    const std::string bom = "\xEF\xBB\xBF";
    struct Case
    {
        const char* szName;
        std::string xml;
        bool bLoads;
    };
    const Case cases[] = {
        {"GBK without a declaration", kBodyGbk, true},
        {"GBK declared gb2312, as the simulator writes it",
         std::string("<?xml version='1.0' encoding='gb2312' ?> ") + kBodyGbk, true},
        {"GBK declared GBK", std::string("<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n") + kBodyGbk, true},
        {"GBK declared without an encoding", std::string("<?xml version=\"1.0\"?>") + kBodyGbk, true},
        {"UTF-8 declared", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + Utf8(kBodyUtf8), true},
        {"UTF-8 declared with blanks round the sign", "<?xml version='1.0' encoding = 'utf-8' ?>" + Utf8(kBodyUtf8),
         true},
        {"UTF-8 with a byte-order mark", bom + Utf8(kBodyUtf8), true},
        {"UTF-8 with a byte-order mark and a declaration",
         bom + "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + Utf8(kBodyUtf8), true},
        {"an encoding the reader does not know", std::string("<?xml version='1.0' encoding='koi8-r'?>") + kBodyGbk,
         false},
        {"a UTF-16 byte-order mark, which narrow text cannot carry", std::string("\xFF\xFE") + kBodyGbk, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardObj card;
        MakeCard(card);
        CCappMDData* pM1 = card.m_CardData.GetMDData("M1");
        FillMDData(*pM1, {}, {{"old", "old"}});
        const CString strXml(c.xml.data(), static_cast<int>(c.xml.size()));
        EXPECT_EQ(c.bLoads ? TRUE : FALSE, CCardADMLLoader::LoadADMLText(&card, strXml, 0));
        EXPECT_STREQ(c.bLoads ? "输出轴" : "", Head(card, "A").GetString());
        EXPECT_STREQ(c.bLoads ? "Φ20H7 齿轮" : "", Head(card, "B").GetString());
        EXPECT_EQ(c.bLoads ? "粗车" : "old", Column(*pM1, "N"));
    }
}

TEST(CardADMLLoaderTest, DamagedDocumentsLoadNothingAndNeverCrash)
{
    const std::string xml = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + Utf8(kBodyUtf8);
    const auto load = [](const std::string& bytes, CCardObj& card) {
        MakeCard(card);
        card.m_CardData.m_HFData.ResertDataList();
        CString strOld = "a0";
        card.m_CardData.m_HFData.SetVarData("A", strOld);
        return CCardADMLLoader::LoadADMLText(&card, CString(bytes.data(), static_cast<int>(bytes.size())), 0);
    };
    // Every cut before the document element closes leaves the card as it was.
    const size_t nClose = xml.rfind("</DATA>");
    for (size_t n = 0; n < nClose; ++n) {
        SCOPED_TRACE(n);
        CCardObj card;
        EXPECT_FALSE(load(xml.substr(0, n), card));
        EXPECT_STREQ("a0", Head(card, "A").GetString());
    }
    // Flipped bytes either load or not; the card stays whole.
    for (size_t n = 0; n < xml.size(); ++n) {
        for (unsigned char chFlip : {0x01, 0x20, 0x80, 0xFF}) {
            std::string damaged = xml;
            damaged[n] = static_cast<char>(static_cast<unsigned char>(damaged[n]) ^ chFlip);
            CCardObj card;
            load(damaged, card);
            EXPECT_EQ(1, card.m_CardData.GetMDData("M1") != nullptr ? 1 : 0);
        }
    }
    // A count of names far past the values: the names are read, the values stay by position.
    std::string many = "<X><HEAD VARS=\"";
    for (int i = 0; i < 40000; ++i) {
        many += "V" + std::to_string(i) + ";";
    }
    many += "A;\"><VAL>1</VAL></HEAD></X>";
    CCardObj card;
    EXPECT_TRUE(load(many, card));
    EXPECT_STREQ("", Head(card, "A").GetString()) << "A is the 40001st name";
}
