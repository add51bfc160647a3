// File extensions as the cell drawing reads them.
#include <gtest/gtest.h>

#include "core/CappCardVarItem.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardCommFun.h"
#include "core/FreeObjPoint.h"
#include "core/GraphEntity.h"
#include "platform/base/ObList.h"
#include "tests/support/DibCanvas.h"
#include "core/CardObj.h"
#include "tests/core/CardDataUtil.h"
#include "tests/core/CardObjUtil.h"
#include "platform/base/StringArray.h"

namespace
{

TEST(CardCommFunTest, ExtensionIsWhatFollowsTheLastDotOfTheFileName)
{
    struct Case
    {
        const char* szName;
        const char* szPath;
        const char* szExt;
    };
    const Case cases[] = {
        {"plain file", "C:\\pics\\part.bmp", "bmp"},
        {"two dots", "C:\\pics\\part.v2.BMP", "BMP"},
        {"no extension", "C:\\pics\\part", ""},
        {"dot in a folder name only", "C:\\pics.old\\part", ""},
        {"trail byte 0x5C after the dot is no separator", "C:\\pics\\part.\xD5\\", "\xD5\\"},
        {"empty path", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szExt, CCardCommFun::GetFileExtName(c.szPath));
    }
}

TEST(CardCommFunTest, FigureListDrawsEachFigureAndPassesOverOtherObjects)
{
    CObList list;
    CString strReason;
    auto* pGood = new CGraphEntity;
    ASSERT_EQ(1, pGood->SetData("Rectangle 10,10,30,30,F", strReason, 0));
    list.AddTail(pGood);
    auto* pRefused = new CGraphEntity;
    EXPECT_EQ(0, pRefused->SetData("Rectangle 10,10", strReason, 0));
    list.AddTail(pRefused);
    list.AddTail(new CFreeObjPoint(1, 1));
    auto* pSecond = new CGraphEntity;
    ASSERT_EQ(1, pSecond->SetData("Line 60,10,90,40,,2", strReason, 0));
    list.AddTail(pSecond);

    CTestDib dib(100, 60);
    EXPECT_EQ(2, CCardCommFun::SGEDrawList(&dib.DC(), list));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(20, 20));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(75, 25));
    EXPECT_EQ(0, CCardCommFun::SGEDrawList(nullptr, list));
    while (!list.IsEmpty()) {
        delete list.RemoveHead();
    }
    EXPECT_EQ(0, CCardCommFun::SGEDrawList(&dib.DC(), list));
}

TEST(CardCommFunTest, FigureListIsRebuiltFromTheFigureText)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        int nResult;
        const char* szKeywords; // the list's figures, "|" after each
        const char* szError;
    };
    const Case cases[] = {
        {"one line per figure", "Line 0,0,10,10\r\nRectangle 1,1,5,5", 1, "Line|Rectangle[R]|", ""},
        {"comments, blank and empty lines skipped", "' a note\r\n\r\n   \r\n  line 0,0,1,1\r\n", 1, "Line|", ""},
        {"a comment after leading blanks", "   ' Line 0,0,1,1\r\nRectangle 1,1,5,5", 1, "Rectangle[R]|", ""},
        {"empty text empties the list", "", 1, "", ""},
        {"a refused line ends the rebuild", "Line 0,0,1,1\r\nLine 0,0,10\r\nRectangle 1,1,5,5", 0, "Line|",
         "缺少参数(可能是：参数个数不匹配)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CObList list;
        // Whatever was there before is freed, figures or not.
        list.AddTail(new CGraphEntity);
        list.AddTail(new CFreeObjPoint);
        CString strError;
        EXPECT_EQ(c.nResult, CCardCommFun::SGESetList(c.szText, list, strError, 0));
        CString strKeywords;
        POSITION pos = list.GetHeadPosition();
        while (pos != nullptr) {
            CObject* pObject = list.GetNext(pos);
            ASSERT_TRUE(pObject->IsKindOf(FX_RUNTIME_CLASS(CGraphEntity)));
            strKeywords += static_cast<CGraphEntity*>(pObject)->m_strKeyword + "|";
        }
        EXPECT_STREQ(c.szKeywords, strKeywords.GetString());
        if (c.nResult == 0) {
            EXPECT_STREQ(c.szError, strError.GetString());
        }
        while (!list.IsEmpty()) {
            delete list.RemoveHead();
        }
    }
}

} // namespace

TEST(CardCommFunTest, VariableReferencesArePickedAndReplaced)
{
    CStringArray arrNames;
    CCardCommFun::PickVars("[x][y][x]", arrNames);
    ASSERT_EQ(2, arrNames.GetSize());
    EXPECT_STREQ("x,y,", CCardCommFun::PickVars("[x][y][x]").GetString());
    EXPECT_STREQ("a,", CCardCommFun::PickVars("[a][]b[c]").GetString());
    CStringArray arrVars;
    arrVars.Add("a");
    arrVars.Add("b");
    CStringArray arrValues;
    arrValues.Add("1");
    EXPECT_STREQ("1+", CCardCommFun::RepliceVar("[a]+[b]", arrVars, arrValues).GetString());
    EXPECT_STREQ("1*2=[c]", CCardCommFun::RepliceVar("[a]*[b]=[c]", CString("a\nb"), CString("1\n2")).GetString());
    // A GBK trail byte 0x5B inside a name is no bracket.
    EXPECT_STREQ("v", CCardCommFun::RepliceVar("[\xD5\x5B]", CString("\xD5\x5B"), CString("v")).GetString());
}

TEST(CardCommFunTest, SplitStringCutsAtWholeCharacters)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szDelimiter;
        const char* szJoined; // pieces joined by "/"
    };
    const Case cases[] = {
        {"each value ended by the delimiter", "a<,>b<,>", "<,>", "a/b"},
        {"no delimiter after the last", "a<,>b", "<,>", "a/b"},
        {"empty pieces inside are kept", "<,>x<,><,>", "<,>", "/x/"},
        {"empty text", "", ",", ""},
        {"a comma inside a value", "a,b<,>c", "<,>", "a,b/c"},
        {"GBK trail byte 0x7C is no bar", "\xD5\x7C|x|", "|", "\xD5\x7C/x"},
        {"GBK trail byte 0x5C is no backslash", "\xB5\x5C\\y", "\\", "\xB5\x5C/y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CStringArray arrPieces;
        arrPieces.Add("stale");
        CCardCommFun::SplitString(c.szText, c.szDelimiter, arrPieces);
        CString strJoined;
        for (INT_PTR i = 0; i < arrPieces.GetSize(); ++i) {
            strJoined += (i > 0 ? "/" : "") + arrPieces[i];
        }
        EXPECT_STREQ(c.szJoined, strJoined.GetString());
    }
}

TEST(CardCommFunTest, VariableDefinitionTakesTheCellsAttributes)
{
    CCappCell cell;
    cell.m_strVarName = "工时";
    cell.m_nContentKind = CCappCell::kindVariable;
    cell.m_nDataType = 3;
    cell.m_nLength = 12;
    cell.m_nDecimals = 2;
    cell.m_nSrcOption = 5;
    cell.m_bInheritPrev = 1;
    cell.m_bHideZero = 1;
    cell.m_bTrimZero = 1;
    cell.m_nLinkKind = CCappCell::linkOut; // not a variable attribute
    CCappCardVarItem item;
    CCappCardVarItem* pItem = &item;
    CCardCommFun::SetCellFieldItem(pItem, &cell);
    EXPECT_STREQ("工时", item.m_strName.GetString());
    EXPECT_EQ(3, item.m_nDataType);
    EXPECT_EQ(12, item.m_nLength);
    EXPECT_EQ(CCappCell::kindVariable, item.m_nKind);
    EXPECT_EQ(2, item.m_nPrecision);
    EXPECT_EQ(5, item.m_nSrcOption);
    EXPECT_TRUE(item.m_bInherit);
    EXPECT_TRUE(item.m_bBlankZero);
    EXPECT_TRUE(item.m_bTrimZeros);
    EXPECT_TRUE(item.m_bHidden); // no lines, no own rectangle
}

TEST(CardCommFunTest, SmallTextConversions)
{
    struct Case
    {
        const char* szName;
        const char* szIn;
        const char* szTrans; // TransStringData
        const char* szOptimized;
    };
    const Case cases[] = {
        {"hex marker", "__A16(4142)", "AB", "__A16(4142)"},
        {"marker without its bracket", "__A16(4142", "__A16(4142", "__A16(4142"},
        {"odd last digit dropped", "__A16(41a)", "A", "__A16(41a)"},
        {"trailing zeros", "12.500", "12.500", "12.5"},
        {"only zeros after the point", "3.000", "3.000", "3"},
        {"no point", "100", "100", "100"},
        {"leading point", ".50", ".50", ".50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString str = c.szIn;
        CCardCommFun::TransStringData(str);
        EXPECT_STREQ(c.szTrans, str.GetString());
        EXPECT_STREQ(c.szOptimized, CCardCommFun::OptimizeValue(c.szIn).GetString());
    }
    EXPECT_EQ(255, CCardCommFun::HexStrToDec("ff"));
    EXPECT_EQ(-48 + 'x', CCardCommFun::CharToInt('x'));
}

TEST(CardCommFunTest, PathsAndPageSetTypes)
{
    EXPECT_STREQ("b.c.znt", CCardCommFun::GetFileName("C:\\a\\b.c.znt").GetString());
    EXPECT_STREQ("b.c", CCardCommFun::GetFileName_NoExt("C:\\a\\b.c.znt").GetString());
    EXPECT_STREQ("\\x", CCardCommFun::GetFileName("\\x").GetString());
    EXPECT_STREQ(".ini", CCardCommFun::GetFileName_NoExt("C:\\.ini").GetString());
    // Trail byte 0x5C is no folder separator.
    EXPECT_STREQ("\xD5\\.znt", CCardCommFun::GetFileName("\xD5\\.znt").GetString());

    CStringArray arrNames;
    CStringArray arrFormats;
    // The trail byte 0x7C of the first name is no separator.
    CCardCommFun::GetPageSetType("\xD5\x7C|fmt;B;|x;C|y|z;", arrNames, arrFormats);
    ASSERT_EQ(2, arrNames.GetSize());
    EXPECT_STREQ("C", arrNames[1].GetString());
    EXPECT_STREQ("y|z", arrFormats[1].GetString());
    CString strText;
    CCardCommFun::SetPageSetType(strText, arrNames, arrFormats);
    EXPECT_STREQ("\xD5\x7C|fmt;C|y|z;", strText.GetString());

    int nKind = 0;
    CString strMD = "old";
    EXPECT_EQ(1, CCardCommFun::GetCardDBInfo("TN_CARDDB_MD_X_OPS", nKind, strMD));
    EXPECT_EQ(1, nKind);
    EXPECT_STREQ("OPS", strMD.GetString());
    EXPECT_EQ(0, CCardCommFun::GetCardDBInfo("OTHER", nKind, strMD));
    EXPECT_STREQ("", strMD.GetString());
}

TEST(CardCommFunTest, MergeFoldsFollowingRowsOfEqualConditions)
{
    // The master sheet's area says: "Op" is the merge condition, "Hours" is summed.
    CCardObj card;
    SetCardSheets(card, {{"M", 5, {}, "MD", {"Op", "Hours"}, ""}});
    const auto* pArea = static_cast<CCappMidData*>(card.GetMasterSheet()->m_MidDataList.GetHead());
    static_cast<CCappCell*>(pArea->m_listMidCell.GetHead())->m_nUniteFlags = 0x2;
    static_cast<CCappCell*>(pArea->m_listMidCell.GetTail())->m_nUniteFlags = 0x1;
    CCappMDData* pMD = card.m_CardData.GetMDData("MD");
    const char* const rows[][2] = {{"x", "1"}, {"x", "2"}, {"y", "5"}, {"x", "4"}};
    for (const auto& row : rows) {
        pMD->InsertRowData(-1, 0);
        CString strOp = row[0];
        CString strHours = row[1];
        pMD->SetVarData(pMD->GetRowCount() - 1, "Op", strOp);
        pMD->SetVarData(pMD->GetRowCount() - 1, "Hours", strHours);
    }
    // No current page: the merge still finds its area on the master sheet.
    ASSERT_EQ(0, card.m_nCurPage);
    CCardCommFun::MergeData(&card, pMD);
    EXPECT_EQ("x y x", Column(*pMD, "Op"));
    EXPECT_EQ("3 5 4", Column(*pMD, "Hours"));

    CCardCommFun::MergeData(nullptr, pMD);
    CCardObj empty;
    CCardCommFun::MergeData(&empty, pMD);
    EXPECT_EQ("3 5 4", Column(*pMD, "Hours"));
}
