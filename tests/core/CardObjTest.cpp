// The card object: pages of one or two templates, the page recount with row offsets, page and
// row operations, and loading and saving a card.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappPgData.h"
#include "core/CardObj.h"
#include "core/PageMaker.h"
#include "platform/base/FxHandle.h"
#include "tests/core/CardObjUtil.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{

const CardTemplate kMaster = {"M", 5, {"PartName"}, "MD", {"Op"}, "PG"};
const CardTemplate kNext = {"N", 3, {"PartName"}, "MD", {"Op"}, "PG"};

// "row,offset" of each page from the page-begin table, joined by blanks.
std::string PageTable(const CCappMDData& md)
{
    std::string str;
    for (int p = 1; p <= md.GetPageBegDataRowIndexSize(); ++p) {
        int nRow = 0;
        int nOffset = 0;
        md.GetPageBegDataRowIndex(p, nRow, nOffset);
        str += (p > 1 ? " " : "") + std::to_string(nRow) + "," + std::to_string(nOffset);
    }
    return str;
}

// The same walked afresh by GetPageBegDataRowIndex, without the table.
std::string WalkedPages(const CCardObj& card, const char* pszMD)
{
    std::string str;
    for (int p = 1; p <= card.m_CardData.m_nPageCount; ++p) {
        int nRow = 0;
        int nOffset = 0;
        int bLast = 0;
        card.GetPageBegDataRowIndex(p, pszMD, nRow, nOffset, bLast);
        str += (p > 1 ? " " : "") + std::to_string(nRow) + "," + std::to_string(nOffset);
    }
    return str;
}

std::string PageValues(const CCardObj& card)
{
    std::string str;
    for (int p = 1; p <= card.m_CardData.m_nPageCount; ++p) {
        CString strValue;
        card.m_CardData.m_PgData.GetVarData(p, "PG", strValue);
        str += (p > 1 ? " " : "") + std::string(strValue.IsEmpty() ? "-" : strValue.GetString());
    }
    return str;
}

std::string RowValues(const CCardObj& card)
{
    const CCappMDData* pMD = card.m_CardData.GetMDData("MD");
    std::string str;
    for (int i = 0; i < pMD->GetRowCount(); ++i) {
        CString strValue;
        pMD->GetVarData(i, "Op", strValue, CCappMDData::inheritNever);
        str += (i > 0 ? " " : "") + std::string(strValue.GetString());
    }
    return str;
}

// A card of the master template alone with one page, rows of those line counts, recounted.
void MakeCard(CCardObj& card, const std::vector<int>& lines, const std::vector<const char*>& values = {})
{
    SetCardSheets(card, {kMaster});
    AddRows(card, "MD", lines, values);
    card.AddNewPage(1, 0);
    int bChanged = 0;
    card.ReSetPageCount(bChanged, 1);
}

} // namespace

TEST(CardObjTest, RecountFindsEachPagesFirstRowAndOffset)
{
    struct Case
    {
        const char* szName;
        std::vector<int> lines;
        int nPages;
        const char* szStarts;
    };
    const Case cases[] = {
        {"8, 2 and 3 lines at 5 a page", {8, 2, 3}, 3, "0,0 0,5 2,0"},
        {"rows fill the pages exactly", {5, 5}, 2, "0,0 1,0"},
        {"one row of three pages", {12}, 3, "0,0 0,5 0,10"},
        {"single lines", {1, 1, 1, 1, 1, 1, 1}, 2, "0,0 5,0"},
        {"a row ends inside the next page", {4, 3, 1}, 2, "0,0 1,1"},
        {"one short row", {2}, 1, "0,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardObj card;
        MakeCard(card, c.lines);
        EXPECT_EQ(c.nPages, card.m_CardData.m_nPageCount);
        const CCappMDData* pMD = card.m_CardData.GetMDData("MD");
        EXPECT_EQ(c.szStarts, PageTable(*pMD));
        // Walking from the start without the table gives the same pages.
        card.m_CardData.GetMDData("MD")->SetPageBegDataRowIndexSize(0);
        EXPECT_EQ(c.szStarts, WalkedPages(card, "MD"));
    }
}

TEST(CardObjTest, PageTwoShowsTheRestOfALongFirstRow)
{
    CCardObj card;
    MakeCard(card, {8, 2, 3});
    int nRow = -1;
    int nOffset = -1;
    int bLast = 1;
    EXPECT_EQ(1, card.GetPageBegDataRowIndex(2, "MD", nRow, nOffset, bLast));
    EXPECT_EQ(0, nRow);
    EXPECT_EQ(5, nOffset);
    EXPECT_EQ(0, bLast);
    CCappSheet* pSheet = card.SetCurPage(2);
    ASSERT_NE(nullptr, pSheet);
    const auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetHead());
    EXPECT_EQ(0, pArea->m_nPageStartRow);
    EXPECT_EQ(5, pArea->m_nFirstLine);
    EXPECT_EQ(nullptr, card.SetCurPage(4));
    EXPECT_EQ(2, card.m_nCurPage);
}

TEST(CardObjTest, PagesPickTheSheetOfTheirNumbering)
{
    // Master: 5 rows a page on page 1; continuation: 3 rows a page from page 2 on.
    CCardObj card;
    SetCardSheets(card, {kMaster, kNext}, {2});
    AddRows(card, "MD", std::vector<int>(12, 1));
    card.AddNewPage(1, 0);
    int bChanged = 0;
    card.ReSetPageCount(bChanged, 1);
    EXPECT_EQ(1, bChanged);
    EXPECT_EQ(4, card.m_CardData.m_nPageCount);
    EXPECT_EQ("0,0 5,0 8,0 11,0", PageTable(*card.m_CardData.GetMDData("MD")));
    const char* const sheets[] = {"M", "N", "N", "N"};
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        ASSERT_NE(nullptr, card.GetSheetByPage(p, 0));
        EXPECT_STREQ(sheets[p - 1], card.GetSheetByPage(p, 0)->m_strName.GetString());
        EXPECT_EQ(card.GetSheetByPage(p, 0), card.SetCurPage(p));
    }
    EXPECT_EQ(nullptr, card.GetSheetByPage(5, 0));
    EXPECT_NE(nullptr, card.GetSheetByPage(5, 1));
    EXPECT_EQ(nullptr, card.GetSheetByPage(0, 1));
    // An unknown name gives the master sheet.
    EXPECT_EQ(card.GetMasterSheet(), card.GetSheetByName("nowhere"));
}

TEST(CardObjTest, PageOperationsKeepPageValuesOnTheirPages)
{
    CCardObj card;
    SetCardSheets(card, {kMaster});
    for (int p = 1; p <= 3; ++p) {
        card.AddNewPage(1, 0);
        CString strValue;
        strValue.Format("p%d", p);
        card.m_CardData.m_PgData.SetVarData(p, "PG", strValue);
    }
    EXPECT_EQ("p1 p2 p3", PageValues(card));
    EXPECT_EQ(1, card.InsertNewPage(2));
    EXPECT_EQ("p1 - p2 p3", PageValues(card));
    EXPECT_EQ(1, card.DeletePage(2));
    EXPECT_EQ("p1 p2 p3", PageValues(card));
    EXPECT_EQ(4, card.AddNewPage(1, 0));
    EXPECT_EQ("p1 p2 p3 -", PageValues(card));
    EXPECT_EQ(0, card.InsertNewPage(6));
    EXPECT_EQ(0, card.DeletePage(5));
    EXPECT_EQ(0, card.DeletePage(0));
    EXPECT_EQ(0, card.IsEmptyPage(1));
    EXPECT_EQ(0, card.IsEmptyPage(9));
}

TEST(CardObjTest, InsertedPageTakesAPageOfEmptyRows)
{
    CCardObj card;
    MakeCard(card, {1, 1, 1, 1, 1, 1, 1}, {"a", "b", "c", "d", "e", "f", "g"});
    ASSERT_EQ(2, card.m_CardData.m_nPageCount);
    EXPECT_EQ(1, card.InsertNewPage(2));
    EXPECT_EQ("a b c d e      f g", RowValues(card));
    int bChanged = 0;
    card.ReSetPageCount(bChanged, 1);
    EXPECT_EQ(3, card.m_CardData.m_nPageCount);
    EXPECT_EQ("0,0 5,0 10,0", PageTable(*card.m_CardData.GetMDData("MD")));
}

TEST(CardObjTest, DeletePageRemovesTheRowsThatBeginOnIt)
{
    struct Case
    {
        const char* szName;
        std::vector<int> lines;
        int nPage;
        const char* szLeft;
        int nPages;
    };
    const Case cases[] = {
        // Page 2 continues a; b begins there; c begins page 3.
        {"a row continued from the page before stays", {8, 2, 3}, 2, "a c", 2},
        {"a row running on to the next page goes", {2, 4, 3, 1}, 1, "c d", 1},
        {"the last page takes the rest", {1, 1, 1, 1, 1, 1, 1}, 2, "a b c d e", 1},
        {"the only page keeps its number", {1, 1}, 1, "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardObj card;
        MakeCard(card, c.lines, {"a", "b", "c", "d", "e", "f", "g"});
        EXPECT_EQ(1, card.DeletePage(c.nPage));
        EXPECT_EQ(c.szLeft, RowValues(card));
        EXPECT_EQ(c.nPages, card.m_CardData.m_nPageCount);
    }
}

TEST(CardObjTest, AddingAPageBeyondTheRowsAppendsEmptyRows)
{
    CCardObj card;
    MakeCard(card, {1, 1, 1, 1, 1}, {"a", "b", "c", "d", "e"});
    ASSERT_EQ(1, card.m_CardData.m_nPageCount);
    EXPECT_EQ(2, card.AddNewPage(1, 1));
    // Page 2 starts at row 5, which the add made.
    EXPECT_EQ(6, card.m_CardData.GetMDData("MD")->GetRowCount());
}

TEST(CardObjTest, RowOperationsWorkOnTheCurrentSheetsArea)
{
    CCardObj card;
    MakeCard(card, {1, 1, 1}, {"a", "b", "c"});
    EXPECT_EQ(-1, card.GetRowCount("MD")); // no current page yet
    ASSERT_NE(nullptr, card.SetCurPage(1));
    EXPECT_EQ(3, card.GetRowCount("MD"));
    EXPECT_EQ(-1, card.GetRowCount("none"));
    EXPECT_EQ(-1, card.GetRowCount(""));
    EXPECT_EQ(1, card.InsertRow("MD", 1, 2));
    EXPECT_EQ("a   b c", RowValues(card));
    EXPECT_EQ(1, card.IsEmptyRow("MD", 1));
    EXPECT_EQ(0, card.IsEmptyRow("MD", 0));
    EXPECT_EQ(1, card.DelRow("MD", 1));
    EXPECT_EQ(1, card.EmptyRow("MD", 0));
    EXPECT_EQ("  b c", RowValues(card));
    EXPECT_EQ(0, card.DelRow("MD", 9));
    EXPECT_EQ(1, card.DelAllRow("MD"));
    EXPECT_EQ(0, card.GetRowCount("MD"));
    EXPECT_EQ(0, card.InsertRow("none", 0, 1));
}

TEST(CardObjTest, CardVarsListTheMasterSheetsVariableCells)
{
    CCardObj card;
    SetCardSheets(card, {kMaster});
    EXPECT_STREQ("PartName;", card.GetCardVars(0, "").GetString());
    EXPECT_STREQ("PG;", card.GetCardVars(1, "").GetString());
    EXPECT_STREQ("Op;", card.GetCardVars(2, "MD").GetString());
    EXPECT_STREQ("", card.GetCardVars(2, "none").GetString());
    EXPECT_STREQ("", card.GetCardVars(3, "MD").GetString());
    // The field list took the definitions from the master sheet.
    EXPECT_EQ(0, card.m_CardData.m_HFData.GetVarIndex("PartName"));
    ASSERT_NE(nullptr, card.m_CardData.GetMDData("MD"));
    EXPECT_EQ(0, card.m_CardData.GetMDData("MD")->GetVarIndex("Op"));
}

class CardObjFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        WriteTemplate(m_folder.GetPath(), kMaster);
        WriteTemplate(m_folder.GetPath(), kNext);
    }

    CString CcdPath() const { return m_folder.PathOf("D1.ccd"); }

    CTestTempFolder m_folder;
};

TEST_F(CardObjFileTest, NewCardLoadsItsMasterSheetAndOneNumberingEntry)
{
    CCardObj card;
    EXPECT_EQ(0, card.LoadCard(m_folder.GetPath(), "", "D1", nullptr, nullptr));
    EXPECT_EQ(1, card.LoadCard(m_folder.GetPath(), "M", "D1", nullptr, nullptr));
    ASSERT_EQ(1, card.m_listSheet.GetCount());
    EXPECT_STREQ("M", card.GetMasterSheet()->m_strName.GetString());
    ASSERT_EQ(1, card.m_CardData.m_listPageMaker.GetCount());
    const auto* pEntry = static_cast<CPageMaker*>(card.m_CardData.m_listPageMaker.GetHead());
    EXPECT_EQ(1, pEntry->m_nFirstPage);
    EXPECT_STREQ("M", pEntry->m_strCardName.GetString());
    EXPECT_STREQ("D1.ccd", card.m_strCcdFile.GetString());
    EXPECT_STREQ("D1", card.m_CardData.m_strDataName.GetString());
    // The loaded area knows its rows per page from the template's lines.
    EXPECT_EQ(5, static_cast<CCappMidData*>(card.GetMasterSheet()->m_MidDataList.GetHead())->m_nRowsPerPage);
}

TEST_F(CardObjFileTest, SheetSetUpRebuildsTheFiguresFromTheirText)
{
    CCardObj card;
    ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), "M", "D1", nullptr, nullptr));
    CCappSheet* pSheet = card.GetMasterSheet();
    ASSERT_NE(nullptr, pSheet);
    // The text is never stored: a loaded sheet has no figures.
    EXPECT_TRUE(pSheet->m_listSGE.IsEmpty());
    pSheet->m_strSGE = "' frame\r\nRectangle 10,10,50,50\r\nLine 0,0,10,10";
    card.InitSheet(nullptr);
    EXPECT_EQ(2, pSheet->m_listSGE.GetCount());
    pSheet->m_strSGE = "Line 0,0,10,10\r\nRectangle 10,10";
    card.InitSheet(nullptr);
    EXPECT_EQ(1, pSheet->m_listSGE.GetCount());
}

TEST_F(CardObjFileTest, SavedCardLoadsBackEqual)
{
    {
        CCardObj card;
        ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), "M", "D1", nullptr, nullptr));
        card.m_CardData.PageMake(2, -1, "N");
        card.LoadAllSheetByPageMaker(nullptr);
        AddRows(card, "MD", std::vector<int>(9, 1));
        card.AddNewPage(1, 0);
        EXPECT_TRUE(card.m_CardData.SetVarData("PartName", 0, "轴承座"));
        int bChanged = 0;
        card.ReSetPageCount(bChanged, 1);
        EXPECT_EQ(3, card.m_CardData.m_nPageCount);
        EXPECT_TRUE(card.m_CardData.SetVarData("PG", 2, "第2页"));
        EXPECT_EQ(1, card.SaveData());
    }
    CCardObj card;
    ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), "", "D1", nullptr, nullptr));
    EXPECT_EQ(2, card.m_listSheet.GetCount());
    EXPECT_EQ(3, card.m_CardData.m_nPageCount);
    EXPECT_STREQ("轴承座", card.GetHeadVarData("PartName").GetString());
    CString strValue;
    card.m_CardData.m_PgData.GetVarData(2, "PG", strValue);
    EXPECT_STREQ("第2页", strValue.GetString());
    EXPECT_EQ("r0 r1 r2 r3 r4 r5 r6 r7 r8", RowValues(card));
    EXPECT_STREQ("N", card.GetSheetByPage(3, 0)->m_strName.GetString());
    EXPECT_FALSE(card.m_CardData.IsModify());
    EXPECT_FALSE(CCardObj::ExistFile(CcdPath() + ".tmp"));
}

TEST_F(CardObjFileTest, SaveDropsPageRowsBeyondThePageCount)
{
    CCardObj card;
    ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), "M", "D1", nullptr, nullptr));
    card.AddNewPage(1, 0);
    card.AddNewPage(1, 0);
    card.DeletePage(2);
    card.m_CardData.m_PgData.InsertRowData(-1);
    EXPECT_EQ(2, card.m_CardData.m_PgData.GetRowCount());
    EXPECT_EQ(1, card.SaveData());
    EXPECT_EQ(1, card.m_CardData.m_PgData.GetRowCount());
}

TEST_F(CardObjFileTest, DamagedArchiveFailsTheLoadAndIsNotSavedOver)
{
    {
        CCardObj card;
        ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), "M", "D1", nullptr, nullptr));
        card.AddNewPage(1, 0);
        card.m_CardData.SetVarData("PartName", 0, "good");
        ASSERT_EQ(1, card.SaveData());
    }
    // Cut the archive short.
    CFxHandle hFile(CreateFileA(CcdPath(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    const DWORD dwSize = GetFileSize(hFile, nullptr);
    SetFilePointer(hFile, static_cast<LONG>(dwSize / 2), nullptr, FILE_BEGIN);
    SetEndOfFile(hFile);
    hFile.Close();

    CCardObj shortForm;
    EXPECT_EQ(0, shortForm.LoadCard(m_folder.GetPath(), "M", "D1"));
    EXPECT_EQ(0, shortForm.SaveData());

    CTestUi ui;
    CCardObj card;
    EXPECT_EQ(0, card.LoadCard(m_folder.GetPath(), "M", "D1", nullptr, nullptr));
    const std::vector<CString> boxes = ui.TakeBoxTexts();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("s-error", boxes[0].GetString());
    EXPECT_EQ(0, card.SaveData());
    CFxHandle hCheck(CreateFileA(CcdPath(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(dwSize / 2, GetFileSize(hCheck, nullptr));
}

TEST_F(CardObjFileTest, MissingTemplateIsReported)
{
    CTestUi ui;
    CCardObj card;
    EXPECT_EQ(nullptr, card.LoadSheet(nullptr, "absent"));
    const std::vector<CString> boxes = ui.TakeBoxTexts();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(-1, boxes[0].Find("找不到报表定义文件:"));
    EXPECT_NE(-1, boxes[0].Find("absent.znt"));
    EXPECT_EQ(nullptr, card.LoadSheet(nullptr, ""));
}

TEST_F(CardObjFileTest, SaveFailsWhenTheFolderIsGone)
{
    CCardObj card;
    ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), "M", "D1", nullptr, nullptr));
    card.m_strCardDir = m_folder.PathOf("missing");
    EXPECT_EQ(0, card.SaveData());
}
