// Card data: look-ups across head/foot, page and detail data, page numbering, binding of a
// sheet's detail areas, head placeholders.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/CappCardData.h"
#include "core/CappMidData.h"
#include "core/CappPgRow.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "core/PageMaker.h"
#include "platform/win/Wnd.h"
#include "tests/core/CardDataUtil.h"
#include "tests/support/ShownTextWnd.h"

namespace
{

void AddHeadVar(CCappCardData& card, const char* pszName, const char* pszValue)
{
    AddCardVar(card.m_HFData.m_listCardVar, card.m_HFData.m_arrVarName, pszName);
    auto* pItem = new CCellFieldDataItem;
    pItem->SetData(pszValue);
    card.m_HFData.m_listVarData.AddTail(pItem);
}

CCappMDData* AddMDData(CCappCardData& card, const char* pszName, int nID)
{
    auto* pMDData = new CCappMDData;
    pMDData->m_strName = pszName;
    pMDData->m_nID = nID;
    card.m_MDDataList.AddTail(pMDData);
    return pMDData;
}

// Head A and H, page P on two pages, detail M1 (A, D) and M2 (E).
void FillCard(CCappCardData& card)
{
    AddHeadVar(card, "A", "head");
    AddHeadVar(card, "H", "h");
    AddCardVar(card.m_PgData.m_listCardVar, card.m_PgData.m_arrVarName, "P");
    for (const char* pszValue : {"p1", "p2"}) {
        CCappPgRow* pRow = card.m_PgData.InsertRowData(-1);
        static_cast<CCellFieldDataItem*>(pRow->m_listVarData.GetHead())->SetData(pszValue);
    }
    FillMDData(*AddMDData(card, "M1", 7), {"A", "D"}, {{"detail", "d0"}, {"", "d1"}});
    FillMDData(*AddMDData(card, "M2", 8), {"E"}, {{"e0"}});
}

std::string Entries(const CCappCardData& card)
{
    std::string strEntries;
    POSITION pos = card.m_listPageMaker.GetHeadPosition();
    while (pos != nullptr) {
        auto* pEntry = static_cast<CPageMaker*>(card.m_listPageMaker.GetNext(pos));
        if (!strEntries.empty()) {
            strEntries += ' ';
        }
        strEntries += std::to_string(pEntry->m_nFirstPage) + pEntry->m_strCardName.GetString();
    }
    return strEntries;
}

void SetEntries(CCappCardData& card, const std::vector<std::pair<int, const char*>>& entries)
{
    for (const auto& entry : entries) {
        card.m_listPageMaker.AddTail(new CPageMaker(entry.first, entry.second));
    }
}

TEST(CappCardDataTest, LookupsAskHeadFootThenPageThenEachDetailData)
{
    CCappCardData card;
    FillCard(card);
    struct Case
    {
        const char* szName;
        const char* szVar;
        int nIndex;
        BOOL bFound;
        const char* szValue;
        int nKind;
        const char* szMDName;
        int nPosition;
    };
    const int HF = CCappCardData::partHeadFoot;
    const int PG = CCappCardData::partPage;
    const int MD = CCappCardData::partDetail;
    const Case cases[] = {
        {"head/foot answers a name detail data knows too", "A", 0, TRUE, "head", HF, "", 0},
        {"second head variable", "H", 0, TRUE, "h", HF, "", 1},
        {"page variable by page", "P", 2, TRUE, "p2", PG, "", 0},
        {"detail variable by row", "D", 1, TRUE, "d1", MD, "M1", 1},
        {"second detail data", "E", 0, TRUE, "e0", MD, "M2", 0},
        {"unknown name", "Z", 0, FALSE, "", -1, "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strValue = "stale";
        EXPECT_EQ(c.bFound, card.GetVarData(c.szVar, c.nIndex, 0, strValue));
        EXPECT_STREQ(c.szValue, strValue);

        int nKind = -1;
        CString strMDName;
        CCellFieldDataItem* pItem = card.GetVarDataItem(c.szVar, c.nIndex, &nKind, &strMDName);
        EXPECT_EQ(c.bFound, pItem != nullptr);
        EXPECT_EQ(c.nKind, nKind);
        EXPECT_STREQ(c.szMDName, strMDName);
        EXPECT_EQ(pItem, card.GetVarDataItem(c.szVar, c.nIndex, nullptr, nullptr)) << "outs may be null";

        CCappCardVarItem* pCardVar = nullptr;
        EXPECT_EQ(c.nPosition, card.GetCardVarItem(c.szVar, pCardVar));
        EXPECT_EQ(c.bFound, pCardVar != nullptr);
    }
}

TEST(CappCardDataTest, SetVarDataWritesTheFirstPartThatTakesTheValue)
{
    CCappCardData card;
    FillCard(card);
    EXPECT_FALSE(card.IsModify());
    EXPECT_TRUE(card.SetVarData("A", 0, "new head"));
    EXPECT_TRUE(card.m_HFData.m_bModify);
    EXPECT_STREQ("detail", card.GetMDData("M1")->GetVarDataItem(0, "A")->GetData());
    EXPECT_TRUE(card.IsModify());

    EXPECT_TRUE(card.SetVarData("E", 0, "e"));
    EXPECT_TRUE(card.GetMDData(8)->m_bModify);
    EXPECT_FALSE(card.GetMDData("M1")->m_bModify);
    EXPECT_FALSE(card.SetVarData("D", 5, "x")) << "no such row";
    EXPECT_FALSE(card.SetVarData("Z", 0, "x"));
    EXPECT_EQ(nullptr, card.GetMDData("M3"));
    EXPECT_EQ(nullptr, card.GetMDData(9));
}

TEST(CappCardDataTest, InheritDataSetsHeadValuesForSeatZeroOnly)
{
    CCappCardData card;
    FillCard(card);
    card.SetInheritData("H", 1, "unused", "seat 1");
    CString strValue;
    card.GetVarData("H", 0, 0, strValue);
    EXPECT_STREQ("h", strValue);
    card.SetInheritData("H", 0, "unused", "seat 0");
    card.GetVarData("H", 0, 0, strValue);
    EXPECT_STREQ("seat 0", strValue);
}

TEST(CappCardDataTest, ReplaceDataOnHeadFillsBracketedHeadVariables)
{
    CCappCardData card;
    AddHeadVar(card, "名称", "齿轮");
    AddHeadVar(card, "A", "1");
    // A GBK character whose trail byte is "]".
    AddHeadVar(card, "\xB0\x5D", "gbk");
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szExpected;
    };
    const Case cases[] = {
        {"names replaced every time", "[名称]-[A]/[A]", "齿轮-1/1"},
        {"unknown name becomes empty", "x[Z]y", "xy"},
        {"no brackets", "plain", "plain"},
        {"open bracket without close", "a[b", "a[b"},
        {"empty name ends the scan", "[]x[A]", "[]x[A]"},
        {"trail byte is not a bracket", "<[\xB0\x5D]>", "<gbk>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szExpected, card.ReplaceDataOnHead(c.szText));
    }
}

TEST(CappCardDataTest, RelDataBindsEveryAreaItCanAndReportsTheMissingOnes)
{
    CCappCardData card;
    FillCard(card);
    CCappMDData stale;
    auto* pSheet = new CCappSheet;
    // The sheet's window lies in the main window that hears the report.
    CShownTextWnd wndMain;
    ASSERT_TRUE(wndMain.IsCreated());
    pSheet->m_pWnd = wndMain.GetView();

    struct Area
    {
        const char* szName;
        int nType;
        const char* szBound; // "" for null; "stale" for left alone
    };
    const Area areas[] = {
        {"M1", CCappMidData::typeTemplate, "M1"},
        {"missing", CCappMidData::typeTemplate, ""},
        {"M2", CCappMidData::typeRunTime, "M2"},
        {"M1", CCappMidData::typeTemporary, "stale"},
    };
    for (const Area& a : areas) {
        auto* pArea = new CCappMidData;
        pArea->m_strName = a.szName;
        pArea->m_nType = a.nType;
        pArea->m_pMDData = &stale;
        pSheet->m_MidDataList.AddTail(pArea);
    }
    card.RelData(pSheet);
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    for (const Area& a : areas) {
        SCOPED_TRACE(a.szName);
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        const std::string strBound = a.szBound;
        const CCappMDData* pExpected = strBound == "stale" ? &stale
                                       : strBound.empty()  ? nullptr
                                                           : card.GetMDData(a.szBound);
        EXPECT_EQ(pExpected, pArea->m_pMDData);
    }
    ASSERT_EQ(1u, CShownTextWnd::Texts().size());
    EXPECT_EQ("找不到表中 'missing' ", CShownTextWnd::Texts()[0]);

    pSheet->m_pWnd = nullptr;
    delete pSheet;
    CCappSheet* pNone = nullptr;
    card.RelData(pNone);
}

TEST(CappCardDataTest, PageMakeSetsARangeOfPages)
{
    struct Case
    {
        const char* szName;
        std::vector<std::pair<int, const char*>> entries;
        int nFirst;
        int nLast;
        const char* szCard;
        const char* szExpected;
    };
    const Case cases[] = {
        {"into an empty list", {}, 1, -1, "A", "1A"},
        {"appends past the last entry", {{1, "A"}}, 5, -1, "B", "1A 5B"},
        {"inserts before a later entry and stops", {{1, "A"}, {5, "B"}}, 3, 4, "C", "1A 3C 5B"},
        {"a page that starts an entry keeps its card", {{1, "A"}, {5, "B"}}, 5, -1, "C", "1A 5B"},
        {"entry inside the range removed", {{1, "A"}, {3, "B"}, {5, "C"}}, 2, 4, "X", "1A 2X 5C"},
        {"entry over the range end moved behind it", {{1, "A"}, {3, "B"}, {9, "C"}}, 2, 4, "X", "1A 2X 5B 9C"},
        {"several entries inside removed",
         {{1, "A"}, {3, "B"}, {4, "C"}, {5, "D"}, {9, "E"}},
         2,
         6,
         "X",
         "1A 2X 7D 9E"},
        {"range to the end removes the last entry", {{1, "A"}, {5, "B"}}, 3, -1, "C", "1A 3C"},
        {"last entry keeps the pages past the range", {{1, "A"}, {5, "B"}}, 3, 6, "C", "1A 3C 7B"},
        {"entry past the range left alone", {{1, "A"}, {5, "B"}, {9, "C"}}, 1, 2, "X", "1A 5B 9C"},
        {"last entry past the range left alone", {{1, "A"}, {5, "B"}}, 1, 2, "X", "1A 5B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCardData card;
        SetEntries(card, c.entries);
        card.PageMake(c.nFirst, c.nLast, c.szCard);
        EXPECT_EQ(c.szExpected, Entries(card));
    }
}

TEST(CappCardDataTest, SetPageMakeReplacesTheEntries)
{
    CCappCardData card;
    SetEntries(card, {{1, "old"}});
    card.SetPageMake(CString("A,1;B,5"));
    EXPECT_EQ("1A 5B", Entries(card));
    card.SetPageMake(CString("C,1;;D,3;"));
    EXPECT_EQ("1C 3D", Entries(card));

    CCappCardData other;
    other.SetPageMake(card.m_listPageMaker);
    EXPECT_EQ("1C 3D", Entries(other));
    EXPECT_NE(card.m_listPageMaker.GetHead(), other.m_listPageMaker.GetHead()) << "copies";
}

TEST(CappCardDataTest, CardNameOfAPage)
{
    CCappCardData card;
    card.m_strMasterName = "M";
    EXPECT_STREQ("M", card.GetCardNameByPage(3)) << "no entries";
    SetEntries(card, {{3, "B"}, {5, "C"}});
    struct Case
    {
        int nPage;
        const char* szExpected;
    };
    const Case cases[] = {{2, "M"}, {3, "B"}, {4, "B"}, {5, "C"}, {9, "C"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPage);
        EXPECT_STREQ(c.szExpected, card.GetCardNameByPage(c.nPage));
    }
}

TEST(CappCardDataTest, CardNameWithoutEntriesAsksTheOwningCard)
{
    struct Case
    {
        const char* szName;
        bool bOwner;
        bool bSheet;
        bool bEntry;
        const char* szExpected;
    };
    const Case cases[] = {
        {"owning card without sheets", true, false, false, ""},
        {"owning card with a sheet", true, true, false, "M"},
        {"an entry answers whatever the sheets", true, false, true, "B"},
        {"no owner to ask", false, false, false, "M"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardObj card;
        CCappCardData& data = card.m_CardData;
        data.m_pCardObj = c.bOwner ? &card : nullptr;
        data.m_strMasterName = "M";
        if (c.bSheet) {
            card.m_listSheet.AddTail(new CCappSheet);
        }
        if (c.bEntry) {
            SetEntries(data, {{1, "B"}});
        }
        EXPECT_STREQ(c.szExpected, data.GetCardNameByPage(1));
    }
}

TEST(CappCardDataTest, CardNamesListEachNameOnce)
{
    CCappCardData card;
    card.m_strMasterName = "A";
    SetEntries(card, {{3, "B"}, {5, "A"}, {7, "B"}});
    CStringArray arrNames;
    arrNames.Add("stale");
    card.GetCardNames(arrNames);
    ASSERT_EQ(2, arrNames.GetSize());
    EXPECT_STREQ("A", arrNames[0]);
    EXPECT_STREQ("B", arrNames[1]);
}

TEST(CappCardDataTest, IdsAndItemCodes)
{
    CCappCardData card;
    card.m_strDataName = "MAST";
    EXPECT_EQ(1, card.GetNewID());
    EXPECT_STREQ("MAST_2", card.GetNewItemIDCode());
    EXPECT_EQ(3, card.m_nNextID);
}

TEST(CappCardDataTest, DetachListFreesTheNamedList)
{
    CCappCardData card;
    FillCard(card);
    SetEntries(card, {{1, "A"}});
    card.DetachList("m_listSymbol");
    card.DetachList("unknown");
    EXPECT_EQ(2, card.m_MDDataList.GetCount());
    card.DetachList("m_MDDataList");
    EXPECT_TRUE(card.m_MDDataList.IsEmpty());
    EXPECT_EQ(1, card.m_listPageMaker.GetCount());
    card.DetachList("");
    EXPECT_TRUE(card.m_listPageMaker.IsEmpty());
}

} // namespace
