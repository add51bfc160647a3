// The template archive: pinned bytes of new sheets, round trips of a full sheet, old formats.
#include <gtest/gtest.h>

#include "core/CappCell.h"
#include "core/CappFreeObj.h"
#include "core/CappLine.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CardDataRelItem.h"
#include "core/CellIndexItem.h"
#include "core/FieldRelItem.h"
#include "core/RelResItem.h"
#include "core/RelVarFormat.h"
#include "core/ScriptItem.h"
#include "tests/core/CardArchiveUtil.h"

namespace
{

// The sheet record up to the lists, for a sheet whose members all hold their defaults.
void AppendEmptySheetHead(ByteWriter& w, const std::string& strVersion)
{
    w.Str(strVersion);
    w.Int(0).Int(0).Int(0);        // sheet integers 1 to 3
    w.Str("").Str("").Str("");     // sheet texts 1 to 3
    w.Int(0);                      // sheet integer 4
    w.Int(0).Int(0).Int(0).Int(0); // frame left, top, right, bottom
    w.Int(2).Int(0);               // frame line width, frame colour
    w.Str("");                     // paper name
    w.Int(0).Int(0);               // page width, height
    w.Int(1).Int(1);               // next line id, next cell id
    w.Str("").Str("");             // sheet texts 4 and 5
    if (strVersion == "3.1") {
        w.Int(0); // sheet integer 5
    }
    w.Str("").Str(""); // the two unsigned-integer arrays
}

struct LineDef
{
    int nFormat;
    int nType;
    int nStartID;
    int nEndID;
    int nID;
    int nWidth;
    int crColor;
    int nPos;
};

void AppendLine(ByteWriter& w, const LineDef& l)
{
    if (l.nFormat >= 100) {
        w.Int(l.nFormat);
    }
    w.Int(l.nType);
    w.Int(0).Int(0).Int(0).Int(0); // blocks 1 and 2
    w.Int(l.nStartID).Int(l.nEndID).Int(l.nID);
    w.Int(l.nWidth).Int(l.crColor).Int(l.nPos);
    if (l.nFormat >= 100) {
        w.Int(0).Str(""); // line integer, line text
    }
}

struct CellDef
{
    std::string strVersion;
    int nCellID;
    std::string strText;
    std::string strVarName;
    int nFontHeight; // LOGFONT height where the version stores it
    int nUnite;      // cell integer 18 where the version stores it
};

void AppendCell(ByteWriter& w, const CellDef& c)
{
    const std::string& v = c.strVersion;
    const bool bPlaced = v == "3.0" || v == "3.1" || v == "3.2";
    w.Str(v);
    if (bPlaced) {
        w.Int(c.nCellID).Int(0).Int(0).Int(0).Int(0).Int(0).Str("\n"); // id, own rectangle
    }
    w.Word(1).Int(1).Str("").Int(0).Int(1);    // word, kind, format, int 1, static mode
    w.Int(1).Int(1).Int(1).Int(0).Int(0);      // ints 2, 3, display type, ints 4, 5
    w.Str("").Int(0).Str("").Int(0);           // text 2, int 6, text 3, int 7
    w.Str(c.strVarName).Int(1).Int(60);        // variable, ints 8, 9
    w.Str(c.strText).Str("").Str("");          // text, texts 4, 5
    w.Int(0x25).Int(0).Int(0xFFFFFF);          // text format, colours
    w.Int(7).Int(0).Int(10000).Int(10000);     // top, left, right, bottom line ids
    w.Int(-31).Int(0).Int(0).Int(0).Int(0);    // ints 10 to 14
    w.Byte(10).Str("").Int(1).Str("").Str(""); // byte, text 6, int 15, texts 7, 8
    w.Int(0).Int(0);                           // ints 16, 17
    if (v == "3.2") {
        w.Int(c.nUnite); // int 18
    }
    if (v == "3.1" || v == "3.2") {
        w.Int(c.nFontHeight);
    }
    w.Int(0).Int(0).Int(0).Int(0); // width, escapement, orientation, weight
    w.Byte(0).Byte(0).Byte(0).Byte(134).Byte(3).Byte(2).Byte(1).Byte(0x32);
    w.Str("宋体");
    w.Count(0); // related resources
}

// A sheet with something in every list and record the template holds.
void BuildSheet(CCappSheet& sheet)
{
    sheet.m_strName = "机加工艺卡";
    sheet.m_strPaperName = "A4";
    sheet.m_nPageWidth = 2100;
    sheet.m_nPageHeight = 2970;
    sheet.m_nSheetInt3 = -7;
    sheet.m_strSheetText4 = "备注";
    sheet.m_nSheetInt5 = 42;
    sheet.m_arrUInt1.Add(1);
    sheet.m_arrUInt1.Add(4000000000u);
    sheet.SetFrameRect(CRect(100, 120, 2000, 2850), RGB(0, 0, 128), 3);

    CCappLine* pH1 = sheet.AddCellLineBySpace(1, -1, 200, 0, 10000, 0);
    CCappLine* pH2 = sheet.AddCellLineBySpace(1, -1, 400, 0, 10000, 0);
    CCappLine* pV1 = sheet.AddCellLineBySpace(2, -1, 500, 0, 10000, 0);
    pV1->m_nWidth = 1;
    pV1->SetLineColor(RGB(255, 0, 0));
    pV1->m_strLineText = "分隔";
    sheet.AddCellLineBySpace(5, -1, 300, -1, -1, 0);
    ASSERT_TRUE(pH1 && pH2 && pV1);

    auto* pHead = new CCappCell;
    pHead->m_nCellID = sheet.GetNewCellID();
    pHead->m_nTopLineID = 0;
    pHead->m_nLeftLineID = 0;
    pHead->m_nRightLineID = pV1->m_nID;
    pHead->m_nBottomLineID = pH1->m_nID;
    pHead->m_strText = "<ALIGN>1</ALIGN>零件名称";
    pHead->m_lfFont.lfWeight = 700;
    pHead->m_lfFont.lfHeight = -35;
    lstrcpyA(pHead->m_lfFont.lfFaceName, "黑体");
    pHead->m_crBack = RGB(240, 240, 240);
    auto* pRes = new CRelResItem;
    pRes->m_strName = "材料";
    pRes->m_strCondition = "ID = 1";
    auto* pFormat = new CRelVarFormat;
    pFormat->m_strColumn = "MAT";
    pFormat->m_strFormat = "[L]*2";
    pFormat->m_nMode = 1;
    pRes->m_listFormat.AddTail(pFormat);
    pHead->m_listRelRes.AddTail(pRes);
    sheet.m_HeadCellList.AddTail(pHead);

    auto* pPage = new CCappCell;
    pPage->m_nCellID = sheet.GetNewCellID();
    pPage->m_nContentKind = CCappCell::kindVariable;
    pPage->m_strVarName = "页码";
    pPage->m_nFieldType = 8;
    pPage->m_strFormat = "第%d页";
    pPage->m_nTopLineID = pH2->m_nID;
    pPage->m_nLeftLineID = pV1->m_nID;
    pPage->m_nRightLineID = 10000;
    pPage->m_nBottomLineID = 10000;
    sheet.m_PageCellList.AddTail(pPage);

    auto* pMid = new CCappMidData;
    pMid->m_strName = "工序";
    pMid->m_strSortInfo = "1\n工序号,1,1";
    pMid->m_strHideInfo = "1$@$工序号;工步$@$设备";
    pMid->m_nMidFlags = 0x5;
    pMid->AddSeatItem(pH1->m_nID, 0, 10000, pH2->m_nID);
    auto* pIndex = new CCellIndexItem;
    pIndex->m_nOrder = 1;
    pIndex->m_strVarName = "工序号";
    pIndex->m_strInitValue = "10";
    pIndex->m_nStep = 5;
    pMid->m_listIndexItem.AddTail(pIndex);
    auto* pMidCell = new CCappCell;
    pMidCell->m_nCellID = sheet.GetNewCellID();
    pMidCell->m_nContentKind = CCappCell::kindVariable;
    pMidCell->m_strVarName = "工序号";
    pMidCell->m_nUniteFlags = 0x2;
    pMid->m_listMidCell.AddTail(pMidCell);
    sheet.m_MidDataList.AddTail(pMid);

    auto* pRel = new CCardDataRelItem;
    pRel->m_nKind = 2;
    pRel->m_strName = "工序";
    pRel->m_strConnect = "Provider=SQLOLEDB.1;Data Source=srv";
    pRel->m_strSQL = "select NO, NAME from T";
    const char* links[][2] = {{"工序号", "NO"}, {"工序名", "NAME"}};
    for (const auto& link : links) {
        auto* pField = new CFieldRelItem;
        pField->m_strCardVar = link[0];
        pField->m_strTempTabField = link[1];
        pRel->m_listFieldRel.AddTail(pField);
    }
    sheet.m_CardDataRel.m_listRelItem.AddTail(pRel);

    auto* pScript = new CScriptItem;
    pScript->m_nKind = 1;
    pScript->m_strName = "Main";
    pScript->m_strScript = "Function F(x)\r\n  F = x * 2\r\nEnd Function";
    sheet.m_listScript.AddTail(pScript);

    auto* pFree = new CCappFreeObj;
    pFree->m_nKind = 2;
    pFree->m_strText = "注";
    sheet.m_listFreeObj.AddTail(pFree);
}

TEST(CappSheetArchive, NewSheetStoresPinnedBytes)
{
    ByteWriter w;
    AppendEmptySheetHead(w, "3.1");
    for (int i = 0; i < 11; ++i) {
        w.Count(0); // the eleven object lists
    }
    w.Int(1).Int(0).Count(0); // row sets: version, reserved int, no items
    w.Count(0);               // scripts

    CCappSheet sheet;
    const Bytes bytes = StoreObject(sheet);
    EXPECT_EQ(w.Get(), bytes);

    CCappSheet loaded;
    loaded.m_nFrameWidth = 9;
    LoadObject(loaded, bytes);
    EXPECT_EQ("3.1", loaded.m_strVersion);
    EXPECT_EQ(2, loaded.m_nFrameWidth);
    EXPECT_EQ(1, loaded.m_nNextLineID);
    EXPECT_EQ(bytes, StoreObject(loaded));
}

TEST(CappSheetArchive, FrameLinesStoreOneClassTagThenReferences)
{
    CCappSheet sheet;
    sheet.SetFrameRect(CRect(100, 200, 1100, 1700), 0x123456, 3);

    ByteWriter w;
    w.Str("3.1").Int(0).Int(0).Int(0).Str("").Str("").Str("").Int(0);
    w.Int(100).Int(200).Int(1100).Int(1700); // frame
    w.Int(3).Int(0x123456);                  // frame width and colour
    w.Str("").Int(0).Int(0).Int(1).Int(1).Str("").Str("").Int(0).Str("").Str("");
    w.Count(0); // detail areas
    // Horizontal lines: the first line carries the class, the second refers to it (class 1).
    w.Count(2).NewClass("CCappLine");
    AppendLine(w, {100, 3, 0, 10000, 0, 3, 0x123456, -3});
    w.ClassRef(1);
    AppendLine(w, {100, 3, 0, 10000, 10000, 3, 0x123456, 1497});
    w.Count(2).ClassRef(1); // vertical lines
    AppendLine(w, {100, 4, 0, 10000, 0, 3, 0x123456, -3});
    w.ClassRef(1);
    AppendLine(w, {100, 4, 0, 10000, 10000, 3, 0x123456, 997});
    for (int i = 0; i < 8; ++i) {
        w.Count(0); // outline lines, cells, free objects
    }
    w.Int(1).Int(0).Count(0).Count(0); // row sets, scripts

    EXPECT_EQ(w.Get(), StoreObject(sheet));
}

TEST(CappSheetArchive, FullSheetSavesLoadsAndSavesIdentically)
{
    CCappSheet sheet;
    BuildSheet(sheet);
    const Bytes first = StoreObject(sheet);

    CCappSheet loaded;
    LoadObject(loaded, first);
    EXPECT_EQ(first, StoreObject(loaded));

    for (const char* pszClass :
         {"CCappLine", "CCappCell", "CCappMidData", "CCappMDSeatItem", "CCellIndexItem", "CRelResItem", "CRelVarFormat",
          "CCardDataRelItem", "CFieldRelItem", "CScriptItem", "CCappFreeObj"}) {
        SCOPED_TRACE(pszClass);
        EXPECT_EQ(1, CountOccurrences(first, pszClass));
    }

    EXPECT_EQ("机加工艺卡", loaded.m_strName);
    EXPECT_EQ(42, loaded.m_nSheetInt5);
    ASSERT_EQ(2, loaded.m_arrUInt1.GetSize());
    EXPECT_EQ(4000000000u, loaded.m_arrUInt1.GetAt(1));
    EXPECT_EQ(0, loaded.m_arrUInt2.GetSize());
    EXPECT_EQ(4, loaded.m_HCellLineList.GetCount());
    EXPECT_EQ(1, loaded.m_LHOutLineList.GetCount());

    auto* pHead = static_cast<CCappCell*>(loaded.m_HeadCellList.GetHead());
    EXPECT_EQ("<ALIGN>1</ALIGN>零件名称", pHead->m_strText);
    EXPECT_STREQ("黑体", pHead->m_lfFont.lfFaceName);
    EXPECT_EQ(-35, pHead->m_lfFont.lfHeight);
    EXPECT_EQ(CCappCell::seatHead, pHead->m_nDataPos);
    auto* pRes = static_cast<CRelResItem*>(pHead->m_listRelRes.GetHead());
    EXPECT_EQ("[L]*2", static_cast<CRelVarFormat*>(pRes->m_listFormat.GetHead())->m_strFormat);
    EXPECT_EQ(CCappCell::seatPage, static_cast<CCappCell*>(loaded.m_PageCellList.GetHead())->m_nDataPos);

    auto* pMid = static_cast<CCappMidData*>(loaded.m_MidDataList.GetHead());
    EXPECT_EQ(CCappCell::seatMidData, static_cast<CCappCell*>(pMid->m_listMidCell.GetHead())->m_nDataPos);
    ASSERT_EQ(2, pMid->m_arrKeyName.GetSize());
    EXPECT_EQ("工步", pMid->m_arrKeyName[1]);
    ASSERT_EQ(1, pMid->m_arrHideName.GetSize());
    EXPECT_EQ("设备", pMid->m_arrHideName[0]);
    EXPECT_EQ(5, static_cast<CCellIndexItem*>(pMid->m_listIndexItem.GetHead())->m_nStep);

    CCardDataRelItem* pRel = loaded.m_CardDataRel.GetRelItem(2, "工序");
    ASSERT_NE(nullptr, pRel);
    EXPECT_EQ("工序名", pRel->GetCardVarName("NAME"));
    EXPECT_EQ("NO", pRel->GetTempTabFieldName("工序号"));
    EXPECT_EQ("End Function", static_cast<CScriptItem*>(loaded.m_listScript.GetHead())->m_strScript.Right(12));
}

TEST(CappSheetArchive, LoadingEmptiesFiguresUndoAndRowSetsOfAnOldSheet)
{
    CCappSheet sheet;
    BuildSheet(sheet);
    sheet.m_listSGE.AddTail(new CCappLine);
    sheet.AddCellLineBySpace(1, -1, 900, 0, 10000, 1);
    ASSERT_EQ(1, sheet.m_DefUndo.CanUndo());

    ByteWriter w;
    AppendEmptySheetHead(w, "3.0");
    for (int i = 0; i < 11; ++i) {
        w.Count(0);
    }
    LoadObject(sheet, w.Get());
    EXPECT_TRUE(sheet.m_listSGE.IsEmpty());
    EXPECT_TRUE(sheet.m_listScript.IsEmpty());
    EXPECT_TRUE(sheet.m_CardDataRel.m_listRelItem.IsEmpty());
    EXPECT_EQ(0, sheet.m_nSheetInt5);
    EXPECT_EQ(0, sheet.m_DefUndo.CanUndo());
}

TEST(CappSheetArchive, TemporaryDetailAreasNeverReachTheArchive)
{
    CCappSheet sheet;
    const Bytes empty = StoreObject(sheet);
    auto* pMid = new CCappMidData;
    pMid->m_nType = CCappMidData::typeTemporary;
    sheet.m_MidDataList.AddTail(pMid);
    EXPECT_EQ(empty, StoreObject(sheet));
    EXPECT_TRUE(sheet.m_MidDataList.IsEmpty());
}

TEST(CappSheetArchive, OldSheetLineAndCellAreWrittenBackInTheCurrentFormat)
{
    // Version "3.0": no integer 5, row sets or scripts; a line of format 0; a cell of "3.0"
    // and one older cell without id, which gets the next cell id after loading.
    // After the version text both start with the same fields.
    auto sheetHead = [](const char* pszVersion) {
        ByteWriter w;
        w.Str(pszVersion).Int(0).Int(0).Int(0).Str("旧卡").Str("").Str("").Int(0);
        w.Int(10).Int(20).Int(1010).Int(1020).Int(2).Int(0).Str("A3").Int(4200).Int(2970);
        return w;
    };
    ByteWriter old = sheetHead("3.0");
    old.Int(8).Int(5).Str("").Str("");
    old.Str("").Str("7;8");
    old.Count(0);
    old.Count(1).NewClass("CCappLine");
    AppendLine(old, {0, 1, 0, 10000, 7, 2, 0, 150});
    for (int i = 0; i < 6; ++i) {
        old.Count(0);
    }
    old.Count(2).NewClass("CCappCell");
    AppendCell(old, {"3.0", 3, "旧格", "", 0, 0});
    old.ClassRef(3);
    AppendCell(old, {"2.5", 0, "更旧", "", 0, 0});
    old.Count(0).Count(0);

    CCappSheet sheet;
    LoadObject(sheet, old.Get());
    auto* pLine = static_cast<CCappLine*>(sheet.m_HCellLineList.GetHead());
    EXPECT_EQ(0, pLine->m_nFormat);
    EXPECT_EQ(150, pLine->m_nPos);
    ASSERT_EQ(2, sheet.m_HeadCellList.GetCount());
    auto* pOldest = static_cast<CCappCell*>(sheet.m_HeadCellList.GetTail());
    EXPECT_EQ(5, pOldest->m_nCellID);
    EXPECT_EQ(2, sheet.m_arrUInt2.GetSize());

    ByteWriter current = sheetHead("3.1");
    current.Int(8).Int(6).Str("").Str("").Int(0);
    current.Str("").Str("7;8");
    current.Count(0);
    current.Count(1).NewClass("CCappLine");
    AppendLine(current, {100, 1, 0, 10000, 7, 2, 0, 150});
    for (int i = 0; i < 6; ++i) {
        current.Count(0);
    }
    current.Count(2).NewClass("CCappCell");
    AppendCell(current, {"3.2", 3, "旧格", "", 0, 0});
    current.ClassRef(3);
    AppendCell(current, {"3.2", 5, "更旧", "", 0, 0});
    current.Count(0).Count(0);
    current.Int(1).Int(0).Count(0).Count(0);
    EXPECT_EQ(current.Get(), StoreObject(sheet));
}

TEST(CappSheetArchive, CellVersionsDecideWhichItemsAreRead)
{
    struct Case
    {
        const char* szName;
        CellDef stored;
        int nExpectID;
        LONG lExpectHeight;
        int nExpectUnite;
    };
    const Case cases[] = {
        {"current", {"3.2", 9, "x", "v", -40, 3}, 9, -40, 3},
        {"3.1 has the height, not int 18", {"3.1", 9, "x", "v", -40, 3}, 9, -40, 0},
        {"3.0 keeps height 0", {"3.0", 9, "x", "v", -40, 3}, 9, 0, 0},
        {"older: no id, no own rectangle", {"2.5", 9, "x", "v", -40, 3}, 0, 0, 0},
        {"unknown version read as old", {"4.0", 9, "x", "v", -40, 3}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        ByteWriter w;
        AppendCell(w, c.stored);
        CCappCell cell;
        cell.m_nCellID = 77;
        cell.m_lfFont.lfHeight = 55;
        LoadObject(cell, w.Get());
        EXPECT_EQ(c.nExpectID, cell.m_nCellID);
        EXPECT_EQ(c.lExpectHeight, cell.m_lfFont.lfHeight);
        EXPECT_EQ(c.nExpectUnite, cell.m_nUniteFlags);
        EXPECT_EQ("x", cell.m_strText);
        EXPECT_EQ("v", cell.m_strVarName);
        EXPECT_EQ(7, cell.m_nTopLineID);
        EXPECT_STREQ("宋体", cell.m_lfFont.lfFaceName);

        ByteWriter expect;
        AppendCell(expect, {"3.2", c.nExpectID, "x", "v", static_cast<int>(c.lExpectHeight), c.nExpectUnite});
        EXPECT_EQ(expect.Get(), StoreObject(cell));
    }
}

TEST(CappSheetArchive, LineFormatComesFromTheFirstValue)
{
    struct Case
    {
        const char* szName;
        Bytes stored;
        int nFormat;
        int nType;
        int nLineInt;
        const char* pszText;
    };
    // An old line starts with its type, a current one with its format and type; the same ids and
    // geometry follow, and a current line adds its int and text.
    auto lineBytes = [](std::initializer_list<int> head, bool bCurrent) {
        ByteWriter w;
        for (int n : head) {
            w.Int(n);
        }
        for (int n : {0, 0, 0, 0, 1, 2, 3, 4, 5, 6}) {
            w.Int(n);
        }
        if (bCurrent) {
            w.Int(8).Str("t");
        }
        return w.Get();
    };
    const Case cases[] = {
        {"old horizontal", lineBytes({1}, false), 0, 1, 0, ""},
        {"old of type 99", lineBytes({99}, false), 0, 99, 0, ""},
        {"current", lineBytes({100, 2}, true), 100, 2, 8, "t"},
        {"negative is a large format", lineBytes({-1, 2}, true), -1, 2, 8, "t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappLine line;
        line.m_nLineInt = 31;
        line.m_strLineText = "stale";
        LoadObject(line, c.stored);
        EXPECT_EQ(c.nFormat, line.m_nFormat);
        EXPECT_EQ(c.nType, line.m_nType);
        EXPECT_EQ(1, line.m_nStartID);
        EXPECT_EQ(4, line.m_nWidth);
        EXPECT_EQ(static_cast<COLORREF>(5), line.m_crColor);
        EXPECT_EQ(6, line.m_nPos);
        EXPECT_EQ(c.nLineInt, line.m_nLineInt);
        EXPECT_EQ(c.pszText, line.m_strLineText);

        ByteWriter expect;
        expect.Int(100)
            .Int(c.nType)
            .Int(0)
            .Int(0)
            .Int(0)
            .Int(0)
            .Int(1)
            .Int(2)
            .Int(3)
            .Int(4)
            .Int(5)
            .Int(6)
            .Int(c.nLineInt)
            .Str(c.pszText);
        EXPECT_EQ(expect.Get(), StoreObject(line));
    }
}

TEST(CappSheetArchive, NewObjectsHoldNoUnsetMembers)
{
    // The default face comes from the library's own string table.
    CString strFace;
    ASSERT_TRUE(strFace.LoadString(GetModuleHandleA("VornCard.dll"), 9));
    EXPECT_EQ("宋体", strFace);

    // A new line stores line integer 0; a new free object stores reserved integer 4 as 0.
    CCappLine line;
    EXPECT_EQ(ByteWriter()
                  .Int(100)
                  .Int(1)
                  .Int(0)
                  .Int(0)
                  .Int(0)
                  .Int(0)
                  .Int(-1)
                  .Int(-1)
                  .Int(-1)
                  .Int(2)
                  .Int(0)
                  .Int(0)
                  .Int(0)
                  .Str("")
                  .Get(),
              StoreObject(line));

    CCappFreeObj obj;
    ByteWriter w;
    w.Str("").Int(0).Str("").Int(0).Int(0xFFFFFF).Int(0).Int(0).Int(0).Int(1).Int(0).Int(1);
    w.Str("").Int(0).Int(5).Int(-31).Int(0).Str("").Int(0).Int(0);
    w.Int(12).Int(0).Int(0).Int(0).Int(0);
    w.Byte(0).Byte(0).Byte(0).Byte(134).Byte(3).Byte(2).Byte(1).Byte(0x32).Str("宋体");
    EXPECT_EQ(w.Get(), StoreObject(obj));
}

TEST(CappSheetArchive, RecordsOfRowSetsScriptsAndResources)
{
    CRelVarFormat format;
    ByteWriter old;
    old.Str("2.5").Int(1).Str("C").Str("F");
    LoadObject(format, old.Get());
    EXPECT_EQ("SIZE = '0' TYPE = 'STRING' RETURN = '1'", format.m_strAttributes);
    EXPECT_EQ(ByteWriter().Str("4.2").Int(1).Str("C").Str("F").Str("SIZE = '0' TYPE = 'STRING' RETURN = '1'").Get(),
              StoreObject(format));

    CCardDataRelItem item;
    EXPECT_EQ(ByteWriter().Int(1).Str("").Int(-1).Str("").Int(0).Int(1).Str("").Str("").Count(0).Get(),
              StoreObject(item));
    CFieldRelItem field;
    field.m_strCardVar = "A";
    field.m_strTempTabField = "B";
    field.m_nExtInt = 5;
    EXPECT_EQ(ByteWriter().Str("A").Int(-1).Str("B").Get(), StoreObject(field));
    CScriptItem script;
    EXPECT_EQ(ByteWriter().Int(1).Int(0).Str("").Str("").Get(), StoreObject(script));
    CRelResItem res;
    EXPECT_EQ(ByteWriter().Str("2.5").Str("").Str("").Int(0).Str("").Count(0).Get(), StoreObject(res));
}

TEST(CappSheetArchive, RowSetLookUps)
{
    CCardDataRel rel;
    struct Item
    {
        int nKind;
        const char* pszName;
    };
    for (const Item& it : {Item{1, "p"}, Item{0, "first"}, Item{0, "second"}, Item{2, "工序"}, Item{2, "检验"}}) {
        auto* pItem = new CCardDataRelItem;
        pItem->m_nKind = it.nKind;
        pItem->m_strName = it.pszName;
        rel.m_listRelItem.AddTail(pItem);
    }
    ASSERT_NE(nullptr, rel.GetRelItem(0, "x"));
    EXPECT_EQ("first", rel.GetRelItem(0, "x")->m_strName);
    EXPECT_EQ("p", rel.GetRelItem(1, "")->m_strName);
    ASSERT_NE(nullptr, rel.GetRelItem(2, "检验"));
    EXPECT_EQ("检验", rel.GetRelItem(2, "检验")->m_strName);
    EXPECT_EQ(nullptr, rel.GetRelItem(2, "x"));
    EXPECT_EQ(nullptr, rel.GetRelItem(-1, ""));

    CCardDataRelItem* pItem = rel.GetRelItem(2, "工序");
    EXPECT_EQ(1, pItem->NoRel());
    auto* pField = new CFieldRelItem;
    pField->m_strCardVar = "V";
    pField->m_strTempTabField = "F";
    pItem->m_listFieldRel.AddTail(pField);
    EXPECT_EQ(0, pItem->NoRel());
    EXPECT_NE(nullptr, pItem->FindCardVar("V"));
    EXPECT_EQ(nullptr, pItem->FindCardVar("v"));
    EXPECT_NE(nullptr, pItem->FindTempTabField("F"));
    EXPECT_EQ("", pItem->GetCardVarName("X"));

    CCardDataRelItem copy;
    copy = *pItem;
    EXPECT_EQ("工序", copy.m_strName);
    ASSERT_EQ(1, copy.m_listFieldRel.GetCount());
    EXPECT_NE(pField, copy.m_listFieldRel.GetHead());
}

} // namespace
