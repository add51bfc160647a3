// Damaged templates: every failure is an archive or file exception, the sheet is left empty,
// nothing is freed twice and nothing leaks.
#include <gtest/gtest.h>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "tests/core/CardArchiveUtil.h"
#include "tests/core/DamageUtil.h"

namespace
{

// The archive or file exception's cause, or -1 when the load went through.
int LoadCause(CObject& object, const Bytes& bytes)
{
    return LoadFailureCause([&] { LoadObject(object, bytes); });
}

BOOL IsEmptySheet(const CCappSheet& sheet)
{
    const CObList* lists[] = {&sheet.m_MidDataList,   &sheet.m_HCellLineList,
                              &sheet.m_VCellLineList, &sheet.m_LHOutLineList,
                              &sheet.m_OutCellList,   &sheet.m_HeadCellList,
                              &sheet.m_PageCellList,  &sheet.m_listFreeObj,
                              &sheet.m_listScript,    &sheet.m_CardDataRel.m_listRelItem};
    for (const CObList* pList : lists) {
        if (!pList->IsEmpty()) {
            return FALSE;
        }
    }
    return TRUE;
}

Bytes FullSheetBytes()
{
    CCappSheet sheet;
    sheet.SetFrameRect(CRect(100, 100, 2000, 2800), 0, 2);
    CCappLine* pH = sheet.AddCellLineBySpace(1, -1, 300, 0, 10000, 0);
    CCappLine* pV = sheet.AddCellLineBySpace(2, -1, 600, 0, 10000, 0);
    for (int i = 0; i < 3; ++i) {
        auto* pCell = new CCappCell;
        pCell->m_nCellID = sheet.GetNewCellID();
        pCell->m_strText = "单元格";
        pCell->m_nTopLineID = pH->m_nID;
        pCell->m_nLeftLineID = pV->m_nID;
        sheet.m_HeadCellList.AddTail(pCell);
    }
    auto* pMid = new CCappMidData;
    pMid->m_strName = "表中";
    pMid->AddSeatItem(0, 0, pV->m_nID, pH->m_nID);
    pMid->m_listMidCell.AddTail(new CCappCell);
    sheet.m_MidDataList.AddTail(pMid);
    return StoreObject(sheet);
}

TEST(CappSheetDamage, EveryTruncationThrowsAndLeavesTheSheetEmpty)
{
    const Bytes full = FullSheetBytes();
    CCappSheet sheet;
    auto fnPass = [&] {
        for (size_t n = 0; n < full.size(); ++n) {
            Bytes cut(full.begin(), full.begin() + static_cast<long>(n));
            int nCause = LoadCause(sheet, cut);
            ASSERT_NE(-1, nCause) << "prefix " << n;
            ASSERT_TRUE(IsEmptySheet(sheet)) << "prefix " << n;
        }
    };
    fnPass();
    // The counter sees a leak of the size a leaking pass would make.
    size_t nBefore = CountHeapBlocks();
    std::vector<int*> probe;
    for (int i = 0; i < 200; ++i) {
        probe.push_back(new int(i));
    }
    ASSERT_GE(CountHeapBlocks(), nBefore + 150);
    for (int* p : probe) {
        delete p;
    }

    nBefore = CountHeapBlocks();
    fnPass();
    fnPass();
    EXPECT_LT(CountHeapBlocks(), nBefore + 50) << "failed loads leak";

    // The sheet stays usable.
    EXPECT_EQ(-1, LoadCause(sheet, full));
    EXPECT_EQ(3, sheet.m_HeadCellList.GetCount());
}

TEST(CappSheetDamage, MalformedArchivesFailWithAnException)
{
    auto fnHead = [] {
        ByteWriter w;
        w.Str("3.1").Int(0).Int(0).Int(0).Str("").Str("").Str("").Int(0);
        w.Int(0).Int(0).Int(0).Int(0).Int(2).Int(0).Str("").Int(0).Int(0).Int(1).Int(1);
        w.Str("").Str("").Int(0).Str("").Str("");
        return w;
    };
    auto fnLine = [](ByteWriter& w) {
        w.Int(100).Int(1).Int(0).Int(0).Int(0).Int(0).Int(0).Int(10000).Int(5).Int(2).Int(0).Int(10).Int(0).Str("");
    };
    struct Case
    {
        const char* szName;
        Bytes bytes;
    };
    std::vector<Case> cases;
    {
        ByteWriter w = fnHead();
        w.Count(0).Word(0xFFFF).Int(0x7FFFFFFF);
        cases.push_back({"absurd line count", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Count(60000).NewClass("CCappMidData");
        cases.push_back({"count beyond the data", w.Get()});
    }
    {
        ByteWriter w;
        w.Str("3.1").Int(0).Int(0).Int(0).Byte(0xFF).Word(0xFFFF).Int(0x7FFFFFF0);
        cases.push_back({"absurd string length", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Count(0).Count(1).NewClass("CCappCell");
        cases.push_back({"cell in the line list", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Count(0).Count(1).NewClass("CNoSuchClass");
        cases.push_back({"unknown class", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Count(0).Count(1).Word(0);
        cases.push_back({"null element", w.Get()});
    }
    {
        // The second element refers back to the first line (object index 2).
        ByteWriter w = fnHead();
        w.Count(0).Count(2).NewClass("CCappLine");
        fnLine(w);
        w.Word(2);
        cases.push_back({"line owned twice in one list", w.Get()});
    }
    {
        ByteWriter w = fnHead();
        w.Count(0).Count(1).NewClass("CCappLine");
        fnLine(w);
        w.Count(1).Word(2);
        cases.push_back({"line owned by two lists", w.Get()});
    }
    {
        // A detail area whose fourth list holds the area itself.
        ByteWriter w = fnHead();
        w.Count(1).NewClass("CCappMidData");
        w.Str("2.1").Int(0).Str("M").Str("").Str("").Int(0).Int(0).Str("").Str("").Str("").Int(0);
        w.Count(0).Count(0).Count(0).Count(1).Word(2);
        cases.push_back({"area inside itself", w.Get()});
    }
    {
        // Detail areas nested in each other's fourth list, deeper than any template.
        ByteWriter w = fnHead();
        w.Count(1).NewClass("CCappMidData");
        for (int i = 0; i < 40; ++i) {
            if (i > 0) {
                w.ClassRef(1);
            }
            w.Str("2.1").Int(0).Str("M").Str("").Str("").Int(0).Int(0).Str("").Str("").Str("").Int(0);
            w.Count(0).Count(0).Count(0).Count(1);
        }
        cases.push_back({"nesting without end", w.Get()});
    }

    // A detail area's fourth list holding an object of a class that is no card item; the rest
    // of the sheet is whole: with an empty fourth list it loads.
    auto fnAreaSheet = [&](const Bytes& fourthList) {
        ByteWriter w = fnHead();
        w.Count(1).NewClass("CCappMidData");
        w.Str("2.1").Int(0).Str("M").Str("").Str("").Int(0).Int(0).Str("").Str("").Str("").Int(0);
        w.Count(0).Count(0).Count(0).Append(fourthList);
        for (int i = 0; i < 10; ++i) {
            w.Count(0);
        }
        w.Int(1).Int(0).Count(0).Count(0);
        return w.Get();
    };
    {
        CCappSheet sheet;
        ASSERT_EQ(-1, LoadCause(sheet, fnAreaSheet(ByteWriter().Count(0).Get())));
        ASSERT_EQ(1, sheet.m_MidDataList.GetCount());
    }
    cases.push_back(
        {"device context in the fourth list", fnAreaSheet(ByteWriter().Count(1).NewClass("CDC", 0xFFFF).Get())});
    cases.push_back({"window in the fourth list", fnAreaSheet(ByteWriter().Count(1).NewClass("CWnd", 0xFFFF).Get())});
    cases.push_back({"bare list in the fourth list", fnAreaSheet(ByteWriter()
                                                                     .Count(1)
                                                                     .NewClass("CObList")
                                                                     .Count(1)
                                                                     .NewClass("CCappMDSeatItem")
                                                                     .Int(1)
                                                                     .Int(2)
                                                                     .Int(3)
                                                                     .Int(4)
                                                                     .Get())});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappSheet sheet;
        sheet.SetFrameRect(CRect(0, 0, 100, 100), 0, 2);
        EXPECT_NE(-1, LoadCause(sheet, c.bytes));
        EXPECT_TRUE(IsEmptySheet(sheet));
    }
}

TEST(CappSheetDamage, DetailAreaReadAloneRefusesAnElementTwice)
{
    // No sheet around the area: the list itself notices the second reference to its seat.
    ByteWriter w;
    w.Str("2.1").Int(0).Str("M").Str("").Str("").Int(0).Int(0).Str("").Str("").Str("").Int(0);
    w.Count(2).NewClass("CCappMDSeatItem").Int(1).Int(2).Int(3).Int(4).Word(2);
    w.Count(0).Count(0).Count(0);
    CCappMidData mid;
    EXPECT_EQ(CArchiveException::badIndex, LoadCause(mid, w.Get()));
    EXPECT_EQ(1, mid.m_listSeatItem.GetCount());
}

} // namespace
