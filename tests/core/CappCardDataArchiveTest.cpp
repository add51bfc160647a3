// The card data archive (".ccd"): pinned bytes, round trips of a full card, older records, and
// damaged archives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CappCardData.h"
#include "core/CappFreeObj.h"
#include "core/CappPgRow.h"
#include "core/PageMaker.h"
#include "tests/core/CardArchiveUtil.h"
#include "tests/core/CardDataUtil.h"
#include "tests/core/DamageUtil.h"

namespace
{

// A ".ccd" file: the card object's header (version, card tag), then the card data. The card
// object writes the header; in these tests this stand-in does.
class CcdFile : public CObject
{
public:
    explicit CcdFile(CCappCardData& card) : m_card(card) {}
    void Serialize(CArchive& ar) override
    {
        CString strVersion = "4.2";
        CString strTag;
        if (ar.IsStoring()) {
            ar << strVersion << strTag;
        } else {
            ar >> strVersion >> strTag;
        }
        m_card.Serialize(ar);
    }

private:
    CCappCardData& m_card;
};

Bytes StoreCcd(CCappCardData& card)
{
    CcdFile file(card);
    return StoreObject(file);
}

// The archive exception's cause, or -1 when the load went through.
int LoadCcd(CCappCardData& card, const Bytes& bytes)
{
    CcdFile file(card);
    return LoadFailureCause([&] { LoadObject(file, bytes); });
}

bool IsEmptyCard(const CCappCardData& card)
{
    const CObList* lists[] = {&card.m_MDDataList,           &card.m_listFreeObj,
                              &card.m_listPageMaker,        &card.m_HFData.m_listCardVar,
                              &card.m_HFData.m_listVarData, &card.m_PgData.m_listCardVar,
                              &card.m_PgData.m_listRowData, &card.m_PgData.m_listDeledRowData};
    for (const CObList* pList : lists) {
        if (!pList->IsEmpty()) {
            return false;
        }
    }
    return card.m_HFData.m_arrVarName.IsEmpty() && card.m_PgData.m_arrVarName.IsEmpty() &&
           card.m_strMasterName.IsEmpty() && card.m_strDataName.IsEmpty() && card.m_nPageCount == 0 &&
           card.m_nNextID == 1;
}

// A definition with every stored field away from its default.
void SetDefinitionFields(CCappCardVarItem& item, int nSeed)
{
    item.m_nReserved1 = nSeed;
    item.m_strReserved1 = "r1";
    item.m_nDataType = 1 + nSeed % 3;
    item.m_nLength = 60;
    item.m_nPrecision = nSeed % 4;
    item.m_bInherit = TRUE;
    item.m_bBlankZero = nSeed % 2;
    item.m_bTrimZeros = TRUE;
    item.m_nReserved2 = -nSeed;
    item.m_nSrcOption = 3;
    item.m_bHidden = TRUE;
    item.m_strReserved2 = "保留";
    item.m_strReserved3 = "r3";
}

CCappMDData* AddDetail(CCappCardData& card, const char* pszName, int nID, const std::vector<const char*>& vars,
                       int nRows)
{
    auto* pMDData = new CCappMDData;
    pMDData->m_strName = pszName;
    pMDData->m_nID = nID;
    card.m_MDDataList.AddTail(pMDData);
    FillMDData(*pMDData, vars, {});
    int nSeed = 0;
    for (POSITION pos = pMDData->m_listCardVar.GetHeadPosition(); pos != nullptr;) {
        SetDefinitionFields(*static_cast<CCappCardVarItem*>(pMDData->m_listCardVar.GetNext(pos)), ++nSeed);
    }
    for (int i = 0; i < nRows; ++i) {
        CCappMidRow* pRow = pMDData->InsertRowData(-1, 0);
        pRow->m_nLineCount = 1 + i % 3;
        pRow->m_nEmptyRow = i % 7 == 0;
        int nVar = 0;
        for (POSITION pos = pRow->m_listVarData.GetHeadPosition(); pos != nullptr; ++nVar) {
            auto* pItem = static_cast<CCellFieldDataItem*>(pRow->m_listVarData.GetNext(pos));
            CString strValue;
            strValue.Format("第%d行 工序%d", i, nVar);
            pItem->SetData(strValue);
            if (i % 10 == 0) {
                pItem->m_strText2 = "附注";
            }
        }
    }
    return pMDData;
}

// Head values in Chinese, page values on two pages, two detail areas, a free object, two
// page-numbering entries, every reserved field set.
void FillFullCard(CCappCardData& card, int nRows)
{
    card.m_strMasterName = "工艺卡";
    card.m_strReserved = "r";
    card.m_nPageCount = 2;
    card.m_nReserved1 = 5;
    card.m_nReserved2 = 6;
    card.m_nReserved3 = 7;
    card.m_strDataName = "CARD01";
    card.m_nNextID = 12;
    card.m_strPageSetType = "页码|第%d页;";

    CCappHFData& hf = card.m_HFData;
    const char* const heads[][2] = {{"零件名称", "齿轮轴"}, {"材料", "45钢"}, {"说明", ""}};
    int nSeed = 10;
    for (const auto& head : heads) {
        SetDefinitionFields(*AddCardVar(hf.m_listCardVar, hf.m_arrVarName, head[0]), ++nSeed);
        auto* pItem = new CCellFieldDataItem;
        pItem->SetData(head[1]);
        hf.m_listVarData.AddTail(pItem);
    }
    // Long enough for the two-byte length prefix.
    static_cast<CCellFieldDataItem*>(hf.m_listVarData.GetTail())->SetData(CString('x', 300));

    CCappPgData& pg = card.m_PgData;
    SetDefinitionFields(*AddCardVar(pg.m_listCardVar, pg.m_arrVarName, "页备注"), 20);
    for (const char* pszValue : {"第一页", "第二页"}) {
        CCappPgRow* pRow = pg.InsertRowData(-1);
        static_cast<CCellFieldDataItem*>(pRow->m_listVarData.GetHead())->SetData(pszValue);
    }
    static_cast<CCappPgRow*>(pg.m_listRowData.GetTail())->m_nRowWord = 9;

    AddDetail(card, "表中1", 1, {"工序号", "工序内容"}, nRows);
    AddDetail(card, "表中2", 2, {"设备"}, nRows);

    auto* pFree = new CCappFreeObj;
    pFree->m_strText = "自由文字";
    card.m_listFreeObj.AddTail(pFree);
    card.m_listPageMaker.AddTail(new CPageMaker(1, "工艺卡"));
    card.m_listPageMaker.AddTail(new CPageMaker(2, "续页"));
}

TEST(CappCardDataArchiveTest, NewCardWritesThePinnedBytes)
{
    struct Case
    {
        const char* szName;
        bool bSecondEntry;
    };
    const Case cases[] = {{"one page-numbering entry", false}, {"a second entry refers to its class", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCardData card;
        card.m_strMasterName = "A";
        card.m_strDataName = "MAST";
        card.m_nPageCount = 1;
        card.m_PgData.InsertRowData(-1);
        card.m_listPageMaker.AddTail(new CPageMaker(1, "A"));
        if (c.bSecondEntry) {
            card.m_listPageMaker.AddTail(new CPageMaker(5, "B"));
        }

        ByteWriter w;
        w.Str("4.2").Str("");                     // card object: version, card tag
        w.Str("4.2").Str("A").Str("");            // card data: version, master card, reserved text
        w.Int(1).Int(0).Int(0);                   // page count, reserved ints 2 and 1
        w.Str("MAST").Int(1).Str("").Int(0);      // data name, next id, page-set type, reserved int 3
        w.Str("3.6").Count(0).Count(0).Count(0);  // head/foot: version, names, values, definitions
        w.Str("3.6").Count(0).Count(1);           // page data: version, names, one row
        w.NewClass("CCappPgRow").Int(0).Count(0); // the row (class 1, object 2): row word, values
        w.Count(0);                               // page definitions
        w.Count(0).Count(0);                      // detail data, free objects
        w.Count(c.bSecondEntry ? 2 : 1);          // page-numbering entries
        w.NewClass("CPageMaker").Int(1).Str("A"); // class 3, object 4: first page, card name
        if (c.bSecondEntry) {
            w.ClassRef(3).Int(5).Str("B"); // tag 0x8003: the class seen before
        }
        EXPECT_EQ(w.Get(), StoreCcd(card));

        CCappCardData loaded;
        ASSERT_EQ(-1, LoadCcd(loaded, w.Get()));
        EXPECT_STREQ("A", loaded.m_strMasterName);
        EXPECT_STREQ("MAST", loaded.m_strDataName);
        EXPECT_EQ(1, loaded.m_nPageCount);
        EXPECT_EQ(1, loaded.m_PgData.GetRowCount());
        EXPECT_EQ(c.bSecondEntry ? 2 : 1, loaded.m_listPageMaker.GetCount());
        EXPECT_STREQ("A", loaded.GetCardNameByPage(1));
    }
}

TEST(CappCardDataArchiveTest, FullCardSavesLoadsAndSavesTheSameBytes)
{
    CCappCardData card;
    FillFullCard(card, 1000);
    const Bytes first = StoreCcd(card);

    CCappCardData loaded;
    ASSERT_EQ(-1, LoadCcd(loaded, first));
    EXPECT_EQ(first, StoreCcd(loaded));

    CString strValue;
    EXPECT_TRUE(loaded.GetVarData("零件名称", 0, 0, strValue));
    EXPECT_STREQ("齿轮轴", strValue);
    EXPECT_TRUE(loaded.GetVarData("页备注", 2, 0, strValue));
    EXPECT_STREQ("第二页", strValue);
    EXPECT_TRUE(loaded.GetVarData("工序内容", 999, 0, strValue));
    EXPECT_STREQ("第999行 工序1", strValue);
    CCappMDData* pMDData = loaded.GetMDData("表中2");
    ASSERT_NE(nullptr, pMDData);
    EXPECT_EQ(1000, pMDData->GetRowCount());
    EXPECT_EQ(&loaded, pMDData->m_pCardData);
    EXPECT_EQ(3, pMDData->GetRow(2)->m_nLineCount);
    EXPECT_EQ(CCappMidRow::stateUnchanged, pMDData->GetRow(0)->m_nState);
    CCappCardVarItem* pCardVar = nullptr;
    ASSERT_EQ(0, loaded.GetCardVarItem("设备", pCardVar));
    EXPECT_STREQ("保留", pCardVar->m_strReserved2);
    EXPECT_TRUE(pCardVar->m_bHidden);
    EXPECT_EQ(9, static_cast<CCappPgRow*>(loaded.m_PgData.m_listRowData.GetTail())->m_nRowWord);
    EXPECT_STREQ("续页", loaded.GetCardNameByPage(2));
}

TEST(CappCardDataArchiveTest, StoringAndLoadingClearEveryModifiedFlag)
{
    CCappCardData card;
    FillFullCard(card, 2);
    EXPECT_TRUE(card.SetVarData("零件名称", 0, "轴"));
    EXPECT_TRUE(card.SetVarData("页备注", 1, "p"));
    EXPECT_TRUE(card.SetVarData("设备", 1, "车床"));
    EXPECT_TRUE(card.IsModify());
    const Bytes bytes = StoreCcd(card);
    EXPECT_FALSE(card.IsModify());

    CCappCardData loaded;
    FillFullCard(loaded, 1);
    loaded.SetVarData("零件名称", 0, "x");
    ASSERT_EQ(-1, LoadCcd(loaded, bytes));
    EXPECT_FALSE(loaded.IsModify());
    EXPECT_EQ(2, loaded.m_MDDataList.GetCount()) << "the old detail data went before reading";
}

TEST(CappCardDataArchiveTest, OlderRecordsLoadAndAreWrittenInTheCurrentForm)
{
    struct Case
    {
        const char* szName;
        const char* szPageVersion;
        const char* szDetailVersion; // "" for a record that starts with its name
        int nPageDefs;
        int nDetailDefs;
    };
    const Case cases[] = {
        {"detail record without version", "3.6", "", 1, 0},
        {"detail record 3.5 has no definitions", "3.6", "3.5", 1, 0},
        {"page record 3.5 has no definitions", "3.5", "3.6", 0, 1},
    };
    auto fnDefinition = [](ByteWriter& w, const char* pszName) {
        w.Str("3.6").Int(0).Str("").Str(pszName);
        w.Int(1).Int(60).Int(2).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Str("").Str("");
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const bool bPageDefs = std::string(c.szPageVersion) == "3.6";
        const bool bDetailDefs = std::string(c.szDetailVersion) == "3.6";
        ByteWriter w;
        w.Str("4.2").Str("");
        w.Str("4.2").Str("A").Str("").Int(1).Int(0).Int(0).Str("OLD").Int(1).Str("").Int(0);
        w.Str("3.6").Count(0).Count(0).Count(0);
        // Page data: one name, one row with one value; object indexes 1 row class, 2 row,
        // 3 value class, 4 value.
        w.Str(c.szPageVersion).Count(1).Str("P").Count(1).NewClass("CCappPgRow").Int(0);
        w.Count(1).NewClass("CCellFieldDataItem").Str("pv").Str("").Count(0);
        if (bPageDefs) {
            w.Count(1).NewClass("CCappCardVarItem"); // class 5, object 6
            fnDefinition(w, "P");
        }
        w.Count(1).NewClass("CCappMDData");
        if (*c.szDetailVersion != '\0') {
            w.Str(c.szDetailVersion);
        }
        w.Str("MD1").Int(3).Int(2);         // name, id, next row id
        w.Count(1).Str("V");                // variable names
        w.Count(1).NewClass("CCappMidRow"); // one row
        w.Str("2.5").Int(1).Int(1).Int(0);  // version, row id, line count, empty-row flag
        w.Count(1).ClassRef(3).Str("x").Str("").Count(0);
        if (bDetailDefs) {
            w.Count(1);
            if (bPageDefs) {
                w.ClassRef(5);
            } else {
                w.NewClass("CCappCardVarItem");
            }
            fnDefinition(w, "V");
        }
        w.Count(0); // free objects
        w.Count(1).NewClass("CPageMaker").Int(1).Str("A");

        CCappCardData card;
        ASSERT_EQ(-1, LoadCcd(card, w.Get()));
        EXPECT_EQ(c.nPageDefs, card.m_PgData.m_listCardVar.GetCount());
        CCappMDData* pMDData = card.GetMDData("MD1");
        ASSERT_NE(nullptr, pMDData);
        EXPECT_EQ(3, pMDData->m_nID);
        EXPECT_EQ(2, pMDData->m_nNewRowID);
        EXPECT_EQ(c.nDetailDefs, pMDData->m_listCardVar.GetCount());
        EXPECT_EQ("x", Column(*pMDData, "V"));
        EXPECT_EQ(1, card.m_listPageMaker.GetCount()) << "read to the end in step";

        const Bytes stored = StoreCcd(card);
        CCappCardData again;
        ASSERT_EQ(-1, LoadCcd(again, stored));
        EXPECT_STREQ("3.6", again.m_PgData.m_strVersion);
        EXPECT_STREQ("3.6", again.GetMDData("MD1")->m_strVersion);
        EXPECT_EQ(stored, StoreCcd(again));
    }
}

TEST(CappCardDataArchiveTest, EveryTruncationThrowsLeavesTheCardEmptyAndLeaksNothing)
{
    CCappCardData full;
    FillFullCard(full, 3);
    const Bytes bytes = StoreCcd(full);
    CCappCardData card;
    card.m_pCardObj = nullptr;
    auto fnPass = [&] {
        for (size_t n = 0; n < bytes.size(); ++n) {
            Bytes cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
            ASSERT_NE(-1, LoadCcd(card, cut)) << "prefix " << n;
            ASSERT_TRUE(IsEmptyCard(card)) << "prefix " << n;
            ASSERT_EQ(&card, card.m_HFData.m_pCardData);
        }
    };
    fnPass();
    size_t nBefore = CountHeapBlocks();
    fnPass();
    fnPass();
    EXPECT_LT(CountHeapBlocks(), nBefore + 50) << "failed loads leak";

    ASSERT_EQ(-1, LoadCcd(card, bytes));
    EXPECT_EQ(bytes, StoreCcd(card)) << "the card stays usable";
}

TEST(CappCardDataArchiveTest, MalformedArchivesFailWithAnException)
{
    auto fnHead = [] {
        ByteWriter w;
        w.Str("4.2").Str("");
        w.Str("4.2").Str("A").Str("").Int(1).Int(0).Int(0).Str("M").Int(1).Str("").Int(0);
        w.Str("3.6").Count(0).Count(0).Count(0);
        return w;
    };
    // Page data with one row, ready for its value list.
    auto fnPageRow = [&] {
        ByteWriter w = fnHead();
        w.Str("3.6").Count(0).Count(1).NewClass("CCappPgRow").Int(0);
        return w;
    };
    struct Case
    {
        const char* szName;
        Bytes bytes;
    };
    std::vector<Case> cases;
    {
        ByteWriter w = fnHead();
        w.Str("3.6").Count(0).Word(0xFFFF).Int(0x7FFFFFFF);
        cases.push_back({"absurd row count", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Str("3.6").Word(0xFFFF).Int(0x7FFFFFF0);
        cases.push_back({"absurd name count", w.Get()});
    }
    {
        ByteWriter w;
        w.Str("4.2").Str("").Str("4.2").Byte(0xFF).Word(0xFFFF).Int(0x7FFFFFF0);
        cases.push_back({"absurd string length", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Str("3.6").Count(0).Count(1).NewClass("CCappMidRow");
        cases.push_back({"detail row among page rows", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Str("3.6").Count(0).Count(1).NewClass("CNoSuchClass");
        cases.push_back({"unknown class", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Str("3.6").Count(0).Count(1).Word(0);
        cases.push_back({"null row", w.Get()});
    }
    {
        // The second page row refers back to the first (object index 2).
        ByteWriter w = fnHead();
        w.Str("3.6").Count(0).Count(2).NewClass("CCappPgRow").Int(0).Count(0).Word(2);
        cases.push_back({"row owned twice in one list", w.Get()});
    }
    {
        // The row's value list holds the row itself.
        ByteWriter w = fnPageRow();
        w.Count(1).Word(2);
        cases.push_back({"row inside its own values", w.Get()});
    }
    {
        ByteWriter w = fnPageRow();
        w.Count(1).NewClass("CPageMaker");
        cases.push_back({"foreign object among values", w.Get()});
    }
    {
        // Values nested in values' lists, deeper than any card.
        ByteWriter w = fnPageRow();
        w.Count(1).NewClass("CCellFieldDataItem");
        for (int i = 0; i < 40; ++i) {
            if (i > 0) {
                w.ClassRef(3);
            }
            w.Str("v").Str("").Count(1);
        }
        cases.push_back({"nesting without end", w.Get()});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCardData card;
        FillFullCard(card, 2);
        EXPECT_NE(-1, LoadCcd(card, c.bytes));
        EXPECT_TRUE(IsEmptyCard(card));
    }
}

} // namespace
