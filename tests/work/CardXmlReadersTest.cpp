// Answers of the host read into the card view: into the open editor, other cells and card data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"
#include "symedit/CappBaseCtrl.h"
#include "tests/work/CardViewTestHost.h"
#include "work/CardXml.h"

namespace
{
constexpr const char* kMDName = "工序";
constexpr const char* kNo = "工序号";
constexpr const char* kName = "工序名称";

void ClickPoint(CCappCardView& view, const CRect& rc)
{
    CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    view.LpToDp(pt);
    view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

// Opens the editor on a head cell.
void SelectHead(CCardViewTestHost& host, const char* pszVar)
{
    CCappCell* pCell = host.FindCell(pszVar);
    ASSERT_NE(nullptr, pCell);
    ClickPoint(*host.m_pView, host.m_pView->GetCurSheet()->GetCellRect(pCell));
    ASSERT_EQ(pCell, host.m_pView->m_pCurCell);
    ASSERT_NE(nullptr, host.m_pView->m_cellEditor.m_pEditCtrl);
}

CCappMidData* DetailArea(CCappCardView& view)
{
    CCappSheet* pSheet = view.GetCurSheet();
    return pSheet != nullptr && !pSheet->m_MidDataList.IsEmpty()
               ? static_cast<CCappMidData*>(pSheet->m_MidDataList.GetHead())
               : nullptr;
}

// Opens the editor on a detail cell at a grid row.
void SelectDetail(CCappCardView& view, const char* pszVar, int nGridRow)
{
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    CCappCell* pCell = pArea->GetCellByName(pszVar);
    ASSERT_NE(nullptr, pCell);
    POSITION pos = pCell->m_listCellData.FindIndex(nGridRow);
    ASSERT_NE(nullptr, pos);
    ClickPoint(view, static_cast<CCellDataItem*>(pCell->m_listCellData.GetAt(pos))->m_rect);
    ASSERT_EQ(pCell, view.m_pCurCell);
    ASSERT_EQ(nGridRow, view.m_nCurRow);
    ASSERT_NE(nullptr, view.m_cellEditor.m_pEditCtrl);
}

CString EditorText(CCappCardView& view)
{
    CString strText;
    if (view.m_cellEditor.m_pEditCtrl != nullptr) {
        view.m_cellEditor.m_pEditCtrl->GetData(strText);
    }
    return strText;
}

void SetHead(CCardObj& card, const char* pszName, const char* pszValue)
{
    CString strValue = pszValue;
    card.m_CardData.m_HFData.SetVarData(pszName, strValue);
}

std::vector<std::string> Column(CCardObj& card, const char* pszVar)
{
    std::vector<std::string> values;
    CCappMDData* pData = card.m_CardData.GetMDData(kMDName);
    for (int r = 0; pData != nullptr && r < pData->GetRowCount(); ++r) {
        CString strValue;
        pData->GetVarData(r, pszVar, strValue, CCappMDData::inheritNever);
        values.emplace_back(strValue.GetString());
    }
    return values;
}

using Strings = std::vector<std::string>;

// The detail data holds the one row ("1", "a").
void SetOneRow(CCardObj& card)
{
    CCappMDData* pData = card.m_CardData.GetMDData(kMDName);
    ASSERT_NE(nullptr, pData);
    while (pData->GetRowCount() > 0) {
        pData->DelRowData(0);
    }
    pData->InsertRowData(-1, 0);
    CString strNo = "1";
    CString strName = "a";
    pData->SetVarData(0, kNo, strNo);
    pData->SetVarData(0, kName, strName);
}

// A row-format answer of one row per entry; each entry is the row's COLITEM elements.
std::string Answer(const std::vector<std::string>& rows)
{
    std::string strText = "<BODY>\r\n";
    for (const std::string& row : rows) {
        strText += "<ROW>\r\n" + row + "</ROW>";
    }
    return strText + "</BODY>";
}

std::string Item(const char* pszName, const char* pszValue)
{
    return std::string("<COLITEM NAME='") + pszName + "'><![CDATA[" + pszValue + "]]></COLITEM>\r\n\r\n";
}
} // namespace

TEST(CardXmlReadersTest, CommentsAreCutWhileTheyClose)
{
    struct Case
    {
        const char* szName;
        const char* szValue;
        const char* szStripped;
    };
    const Case cases[] = {
        {"a trailing comment", "12/*毫米*/", "12"},
        {"two comments", "a/*x*/b/*y*/c", "abc"},
        {"a close before the open stops the cutting", "a*/b/*c", "a*/b/*c"},
        {"an unclosed comment stays", "12/*note", "12/*note"},
        {"a whole comment", "/**/", ""},
        {"no comment", "45钢", "45钢"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szStripped, CCardXml::StripComments(c.szValue));
    }
}

// The current head cell "零件名称" (editor text "old") and its neighbour "材料牌号" ("Q235").
TEST(CardXmlReadersTest, AnswersForTheCurrentCell)
{
    const std::string strGood = Answer({Item("零件名称", "12/*备注*/") + Item("材料牌号", "45钢 <&>"),
                                        Item("零件名称", "second") + Item("材料牌号", "second")});
    struct Case
    {
        const char* szName;
        std::string strAnswer;
        const char* szFormat;
        int nFillMode;
        int nResult;
        const char* szEditor;
        const char* szNeighbour;
    };
    const Case cases[] = {
        {"row format: first row, comments cut", strGood, "FDataML", 1, 1, "12", "45钢 <&>"},
        {"the format is matched in any case", strGood, "fdataml", 1, 1, "12", "45钢 <&>"},
        {"other formats go into the editor as they stand", "12/*x*/", "TEXT", 1, 1, "12/*x*/", "Q235"},
        {"an empty answer in any format", "", "TEXT", 1, 0, "old", "Q235"},
        {"a name matching no cell is skipped", Answer({Item("无此变量", "x") + Item("材料牌号", "20")}), "FDataML", 1,
         1, "old", "20"},
        {"an empty answer", "", "FDataML", 1, 0, "old", "Q235"},
        {"text that is no XML", "<BODY><ROW>", "FDataML", 1, 0, "old", "Q235"},
        {"plain text with the row format", "12", "FDataML", 1, 0, "old", "Q235"},
        {"a body without rows", "<BODY>\r\n</BODY>", "FDataML", 1, 0, "old", "Q235"},
        {"a column without a name changes nothing",
         Answer({Item("材料牌号", "20") + "<COLITEM><![CDATA[1]]></COLITEM>"}), "FDataML", 1, 0, "old", "Q235"},
        {"a document type is refused",
         "<?xml version='1.0'?><!DOCTYPE BODY [<!ENTITY a 'AAAA'>]><BODY><ROW>"
         "<COLITEM NAME='材料牌号'>&a;</COLITEM></ROW></BODY>",
         "FDataML", 1, 0, "old", "Q235"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open());
        CCappCardView& view = *host.m_pView;
        SetHead(host.Card(), "零件名称", "old");
        SetHead(host.Card(), "材料牌号", "Q235");
        host.FindCell("零件名称")->m_wCellWord = static_cast<WORD>(c.nFillMode);
        SelectHead(host, "零件名称");

        EXPECT_EQ(c.nResult, view.LoadDataToCurCell(c.strAnswer.c_str(), c.szFormat));
        EXPECT_STREQ(c.szEditor, EditorText(view));
        EXPECT_STREQ(c.szNeighbour, host.Card().GetHeadVarData("材料牌号"));
        EXPECT_STREQ("old", host.Card().GetHeadVarData("零件名称")) << "the card waits for the edit to end";
    }
}

TEST(CardXmlReadersTest, PastingAtTheCaretKeepsTheText)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    SetHead(host.Card(), "零件名称", "old");
    host.FindCell("零件名称")->m_wCellWord = 0;
    SelectHead(host, "零件名称");
    view.m_cellEditor.m_pEditCtrl->Replace("ab");
    EXPECT_EQ(1, view.LoadDataToCurCell("XY", "TEXT"));
    const CString strText = EditorText(view);
    EXPECT_EQ(4, strText.GetLength());
    EXPECT_GE(strText.Find("XY"), 0);
}

TEST(CardXmlReadersTest, RowsIntoCardData)
{
    const std::string strTwoRows =
        Answer({Item(kNo, "10") + Item(kName, "车/*粗*/"), Item(kNo, "20") + Item(kName, "铣")});
    struct Case
    {
        const char* szName;
        std::string strAnswer;
        int nStartRow;
        int nResult;
        Strings numbers;
        Strings names;
    };
    const Case cases[] = {
        {"two rows from row 0, comments kept", strTwoRows, 0, 1, {"10", "20"}, {"车/*粗*/", "铣"}},
        {"rows appended up to the start row", strTwoRows, 2, 1, {"1", "", "10", "20"}, {"a", "", "车/*粗*/", "铣"}},
        {"a name no column has stores nothing", Answer({Item("无此变量", "x")}), 0, 1, {"1"}, {"a"}},
        {"malformed text", "<BODY><ROW>", 0, 0, {"1"}, {"a"}},
        {"a nameless column in the second row", Answer({Item(kNo, "10"), "<COLITEM>20</COLITEM>"}), 0, 0, {"1"}, {"a"}},
        {"a negative start row", strTwoRows, -1, 0, {"1"}, {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open(true, 1200, 900));
        CCardObj& card = host.Card();
        SetOneRow(card);

        EXPECT_EQ(c.nResult, host.m_pView->LoadDataMlToCard(c.strAnswer.c_str(), 2, kMDName, c.nStartRow));
        EXPECT_EQ(c.numbers, Column(card, kNo));
        EXPECT_EQ(c.names, Column(card, kName));
    }
}

TEST(CardXmlReadersTest, HeadAndPageAnswersIntoCardData)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCardObj& card = host.Card();
    CCappCardView& view = *host.m_pView;
    EXPECT_EQ(1, view.LoadDataMlToCard(Answer({Item("材料牌号", "45钢/*x*/")}).c_str(), 0, "", 0));
    EXPECT_STREQ("45钢/*x*/", card.GetHeadVarData("材料牌号"));
    EXPECT_EQ(0, view.LoadDataMlToCard(Answer({Item("材料牌号", "20")}).c_str(), 7, "", 0))
        << "other kinds store nothing";
    EXPECT_STREQ("45钢/*x*/", card.GetHeadVarData("材料牌号"));
}

TEST(CardXmlReadersTest, ReplacingTheCurrentEditFromAnAnswer)
{
    struct Case
    {
        const char* szName;
        std::string strAnswer;
        int nResult;
        const char* szEditor;
        Strings numbers;
        Strings names;
    };
    const Case cases[] = {
        {"the current row is filled, then the editor reloads",
         Answer({Item(kNo, "30") + Item(kName, "磨")}),
         1,
         "磨",
         {"1", "", "30"},
         {"a", "", "磨"}},
        {"a malformed answer", "<BODY><ROW><COLITEM", 0, "", {"1", "", ""}, {"a", "", ""}},
        {"a nameless column", Answer({Item(kNo, "30") + "<COLITEM>x</COLITEM>"}), 0, "", {"1", "", ""}, {"a", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open(true, 1200, 900));
        CCardObj& card = host.Card();
        SetOneRow(card);
        int bChanged = 0;
        card.ReSetPageCount(bChanged, 1);
        host.m_pView->ResertCurPage();
        // Opening the editor past the data makes the rows up to its own.
        SelectDetail(*host.m_pView, kName, 2);
        DetailArea(*host.m_pView)->GetCellByName(kName)->m_wCellWord = 1;

        EXPECT_EQ(c.nResult, host.m_pView->ReplaceCurEditDataDataML(c.strAnswer.c_str()));
        EXPECT_STREQ(c.szEditor, EditorText(*host.m_pView));
        EXPECT_EQ(c.numbers, Column(card, kNo));
        EXPECT_EQ(c.names, Column(card, kName));
    }
}

TEST(CardXmlReadersTest, NothingIsReadWithoutACellOrEditor)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    SetHead(host.Card(), "材料牌号", "Q235");
    const std::string strAnswer = Answer({Item("材料牌号", "20")});
    EXPECT_EQ(0, host.m_pView->ReplaceCurEditDataDataML(strAnswer.c_str()));
    EXPECT_EQ(0, host.m_pView->LoadDataToCurCell(strAnswer.c_str(), "FDataML"));
    EXPECT_STREQ("Q235", host.Card().GetHeadVarData("材料牌号"));
}

TEST(CardXmlReadersTest, AnAnswersOwnEncodingDecides)
{
    const std::string strBody =
        "<BODY>\r\n<ROW>\r\n<COLITEM NAME='材料牌号'><![CDATA[45钢 调质]]></COLITEM>\r\n</ROW></BODY>";
    const std::string strBodyUtf8 = reinterpret_cast<const char*>(
        u8"<BODY>\r\n<ROW>\r\n<COLITEM NAME='材料牌号'><![CDATA[45钢 调质]]></COLITEM>\r\n</ROW></BODY>");
    struct Case
    {
        const char* szName;
        std::string strAnswer;
        int nResult;
        const char* szValue;
    };
    const Case cases[] = {
        {"GBK without a declaration", strBody, 1, "45钢 调质"},
        {"GBK declared gb2312", "<?xml version='1.0' encoding='gb2312'?>" + strBody, 1, "45钢 调质"},
        {"UTF-8 declared", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + strBodyUtf8, 1, "45钢 调质"},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + strBodyUtf8, 1, "45钢 调质"},
        {"an unknown encoding", "<?xml version='1.0' encoding='ebcdic'?>" + strBody, 0, "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open());
        SetHead(host.Card(), "材料牌号", "old");
        const CString strAnswer(c.strAnswer.data(), static_cast<int>(c.strAnswer.size()));
        EXPECT_EQ(c.nResult, host.m_pView->LoadDataMlToCard(strAnswer, 0, "", 0));
        EXPECT_STREQ(c.szValue, host.Card().GetHeadVarData("材料牌号"));
    }
}
