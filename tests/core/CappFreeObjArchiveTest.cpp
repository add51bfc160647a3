// Free-object records: every kind's own record after the common one, byte-identical round trips,
// triangles and splines keeping their points, older records still loading, damaged records
// failing cleanly.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/CappCircleArrow.h"
#include "core/CappFreeCircle.h"
#include "core/CappFreeCloud.h"
#include "core/CappFreeLine.h"
#include "core/CappFreeLineArrow.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeRectArrow.h"
#include "core/CappFreeRound.h"
#include "core/CappFreeRoundArrow.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"
#include "core/CappSheet.h"
#include "tests/core/CardArchiveUtil.h"
#include "tests/core/DamageUtil.h"

namespace
{

// The common record of a new object of the kind, with the version text given.
// What stands before the point block of a triangle or spline.
constexpr int kPointMark = 0x01737450;

ByteWriter CommonRecord(const std::string& strVersion, int nKind)
{
    ByteWriter w;
    w.Str(strVersion).Int(0).Str("").Int(0).Int(0xFFFFFF).Int(0).Int(0).Int(nKind).Int(1).Int(0).Int(1);
    w.Str("").Int(0).Int(5).Int(-31).Int(0).Str("").Int(0).Int(0);
    w.Int(12).Int(0).Int(0).Int(0).Int(0);
    w.Byte(0).Byte(0).Byte(0).Byte(134).Byte(3).Byte(2).Byte(1).Byte(0x32).Str("宋体");
    return w;
}

// One object of every kind, with geometry and attributes away from their defaults.
std::vector<std::unique_ptr<CCappFreeObj>> EveryKind()
{
    std::vector<std::unique_ptr<CCappFreeObj>> objs;
    auto pLine = std::make_unique<CCappFreeLine>();
    pLine->MoveHandleTo(1, CPoint(10, 20));
    pLine->MoveHandleTo(2, CPoint(300, 40));
    objs.push_back(std::move(pLine));
    auto pRect = std::make_unique<CCappFreeRect>();
    pRect->SetBoxRect(CRect(100, 100, 400, 300));
    pRect->m_nRectInt = 3;
    pRect->m_strText = "技术要求";
    objs.push_back(std::move(pRect));
    auto pCircle = std::make_unique<CCappFreeCircle>();
    pCircle->SetBoxRect(CRect(50, 60, 150, 260));
    objs.push_back(std::move(pCircle));
    auto pTriangle = std::make_unique<CCappFreeTriangle>();
    pTriangle->SetBoxRect(CRect(500, 100, 700, 300));
    pTriangle->MoveHandleTo(9, CPoint(550, 0));
    objs.push_back(std::move(pTriangle));
    auto pRound = std::make_unique<CCappFreeRound>();
    pRound->SetBoxRect(CRect(10, 400, 210, 500));
    pRound->m_ptCorner.SetValue(30, 20);
    objs.push_back(std::move(pRound));
    auto pCloud = std::make_unique<CCappFreeCloud>();
    pCloud->SetBoxRect(CRect(300, 400, 500, 550));
    objs.push_back(std::move(pCloud));
    auto pRectArrow = std::make_unique<CCappFreeRectArrow>();
    pRectArrow->SetBoxRect(CRect(600, 400, 800, 500));
    pRectArrow->MoveHandleTo(9, CPoint(900, 600));
    objs.push_back(std::move(pRectArrow));
    auto pRoundArrow = std::make_unique<CCappFreeRoundArrow>();
    pRoundArrow->SetBoxRect(CRect(10, 600, 210, 700));
    pRoundArrow->MoveHandleTo(9, CPoint(0, 800));
    objs.push_back(std::move(pRoundArrow));
    auto pCircleArrow = std::make_unique<CCappCircleArrow>();
    pCircleArrow->SetBoxRect(CRect(300, 600, 400, 700));
    pCircleArrow->MoveHandleTo(9, CPoint(450, 800));
    objs.push_back(std::move(pCircleArrow));
    auto pArrow = std::make_unique<CCappFreeLineArrow>();
    pArrow->MoveHandleTo(1, CPoint(500, 800));
    pArrow->MoveHandleTo(2, CPoint(700, 850));
    objs.push_back(std::move(pArrow));
    auto pSpline = std::make_unique<CCappFreeSpline>();
    for (CPoint pt : {CPoint(10, 900), CPoint(100, 950), CPoint(200, 900), CPoint(300, 980)}) {
        pSpline->AddPoint(pt);
    }
    objs.push_back(std::move(pSpline));
    int nSeed = 1;
    for (auto& pObj : objs) {
        pObj->m_crLine = RGB(nSeed * 20, 0, 0);
        pObj->m_nLineWidth = nSeed % 3 + 1;
        pObj->m_nReserved4 = nSeed;
        pObj->m_strLabel2 = "标签";
        ++nSeed;
    }
    return objs;
}

// A sheet holding one object of every kind.
void FillSheet(CCappSheet& sheet)
{
    for (auto& pObj : EveryKind()) {
        sheet.m_listFreeObj.AddTail(pObj.release());
    }
}

TEST(CappFreeObjArchiveTest, OwnRecordsFollowTheCommonRecord)
{
    struct Case
    {
        const char* szName;
        std::function<Bytes()> fnStore;
        Bytes expected;
    };
    std::vector<Case> cases;
    {
        ByteWriter w = CommonRecord("", 1);
        w.Int(1).Int(2).Int(3).Int(4);
        cases.push_back({"line: start, end",
                         [] {
                             CCappFreeLine line;
                             line.MoveHandleTo(1, CPoint(1, 2));
                             line.MoveHandleTo(2, CPoint(3, 4));
                             return StoreObject(line);
                         },
                         w.Get()});
    }
    {
        ByteWriter w = CommonRecord("", 10);
        w.Int(1).Int(2).Int(3).Int(4);
        cases.push_back({"line with arrow: no head stored",
                         [] {
                             CCappFreeLineArrow arrow;
                             arrow.MoveHandleTo(1, CPoint(1, 2));
                             arrow.MoveHandleTo(2, CPoint(3, 4));
                             arrow.CalcArrow();
                             return StoreObject(arrow);
                         },
                         w.Get()});
    }
    {
        ByteWriter w = CommonRecord("", 2);
        w.Int(7).Int(10).Int(40).Int(25).Int(20).Int(40).Int(40).Int(25).Int(60);
        cases.push_back({"rectangle: integer, left, top, right, bottom",
                         [] {
                             CCappFreeRect rect;
                             rect.SetBoxRect(CRect(10, 20, 40, 60));
                             rect.m_nRectInt = 7;
                             return StoreObject(rect);
                         },
                         w.Get()});
    }
    {
        ByteWriter w = CommonRecord("", 3);
        w.Int(10).Int(40).Int(25).Int(60).Int(40).Int(40).Int(25).Int(20);
        cases.push_back({"circle: left, bottom, right, top",
                         [] {
                             CCappFreeCircle circle;
                             circle.SetBoxRect(CRect(10, 20, 40, 60));
                             return StoreObject(circle);
                         },
                         w.Get()});
    }
    {
        ByteWriter w = CommonRecord("", 5);
        w.Int(10).Int(40).Int(25).Int(20).Int(40).Int(40).Int(25).Int(60).Int(6).Int(8);
        cases.push_back({"rounded box: left, top, right, bottom, corner",
                         [] {
                             CCappFreeRound round;
                             round.SetBoxRect(CRect(10, 20, 40, 60));
                             round.m_ptCorner.SetValue(6, 8);
                             return StoreObject(round);
                         },
                         w.Get()});
    }
    {
        ByteWriter w = CommonRecord("", 6);
        w.Int(10).Int(40).Int(25).Int(60).Int(40).Int(40).Int(25).Int(20).Int(-9999).Int(0);
        cases.push_back({"cloud: left, bottom, right, top, tip",
                         [] {
                             CCappFreeCloud cloud;
                             cloud.SetBoxRect(CRect(10, 20, 40, 60));
                             return StoreObject(cloud);
                         },
                         w.Get()});
    }
    {
        ByteWriter w = CommonRecord("", 9);
        w.Int(10).Int(40).Int(25).Int(60).Int(40).Int(40).Int(25).Int(20).Int(99).Int(98);
        cases.push_back({"circle with pointer: left, bottom, right, top, tip",
                         [] {
                             CCappCircleArrow pointer;
                             pointer.SetBoxRect(CRect(10, 20, 40, 60));
                             pointer.MoveHandleTo(9, CPoint(99, 98));
                             return StoreObject(pointer);
                         },
                         w.Get()});
    }
    {
        ByteWriter w = CommonRecord("3.1", 4);
        w.Int(kPointMark).Int(5).Int(10).Int(40).Int(25).Int(60).Int(40).Int(40).Int(25).Int(20).Int(15).Int(20);
        cases.push_back({"triangle: version 3.1, the mark, its five points",
                         [] {
                             CCappFreeTriangle triangle;
                             triangle.SetBoxRect(CRect(10, 20, 40, 60));
                             triangle.MoveHandleTo(9, CPoint(15, 0));
                             return StoreObject(triangle);
                         },
                         w.Get()});
    }
    {
        ByteWriter w = CommonRecord("3.1", 11);
        w.Int(kPointMark).Int(3).Int(1).Int(2).Int(3).Int(4).Int(5).Int(6);
        cases.push_back({"spline: version 3.1, the mark, count and points",
                         [] {
                             CCappFreeSpline spline;
                             spline.AddPoint(CPoint(1, 2));
                             spline.AddPoint(CPoint(3, 4));
                             spline.AddPoint(CPoint(5, 6));
                             return StoreObject(spline);
                         },
                         w.Get()});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.expected, c.fnStore());
    }
}

TEST(CappFreeObjArchiveTest, EveryKindSavesLoadsAndSavesIdentically)
{
    CCappSheet sheet;
    FillSheet(sheet);
    const Bytes first = StoreObject(sheet);

    CCappSheet loaded;
    LoadObject(loaded, first);
    EXPECT_EQ(first, StoreObject(loaded));
    ASSERT_EQ(11, loaded.m_listFreeObj.GetCount());

    auto objs = EveryKind();
    POSITION pos = loaded.m_listFreeObj.GetHeadPosition();
    for (auto& pExpected : objs) {
        auto* pObj = static_cast<CCappFreeObj*>(loaded.m_listFreeObj.GetNext(pos));
        SCOPED_TRACE(pExpected->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(pExpected->GetRuntimeClass(), pObj->GetRuntimeClass());
        EXPECT_EQ(pExpected->m_nKind, pObj->m_nKind);
        EXPECT_EQ(pExpected->m_crLine, pObj->m_crLine);
        EXPECT_EQ(pExpected->m_nReserved4, pObj->m_nReserved4);
        ASSERT_EQ(pExpected->GetHandleCount(), pObj->GetHandleCount());
        for (int n = 1; n <= pObj->GetHandleCount(); ++n) {
            EXPECT_EQ(pExpected->GetHandlePoint(n).x, pObj->GetHandlePoint(n).x) << "handle " << n;
            EXPECT_EQ(pExpected->GetHandlePoint(n).y, pObj->GetHandlePoint(n).y) << "handle " << n;
        }
    }

    // Triangles and splines keep their points.
    CObject* pFourth = loaded.m_listFreeObj.GetAt(loaded.m_listFreeObj.FindIndex(3));
    ASSERT_TRUE(pFourth->IsKindOf(FX_RUNTIME_CLASS(CCappFreeTriangle)));
    auto* pTriangle = static_cast<CCappFreeTriangle*>(pFourth);
    EXPECT_EQ(550, pTriangle->GetHandlePoint(9).x);
    EXPECT_EQ(200, pTriangle->GetOutRect().Width());
    ASSERT_TRUE(loaded.m_listFreeObj.GetTail()->IsKindOf(FX_RUNTIME_CLASS(CCappFreeSpline)));
    auto* pSpline = static_cast<CCappFreeSpline*>(loaded.m_listFreeObj.GetTail());
    ASSERT_EQ(4, pSpline->GetHandleCount());
    EXPECT_EQ(980, pSpline->GetHandlePoint(4).y);
}

TEST(CappFreeObjArchiveTest, OlderTriangleAndSplineRecordsStillLoad)
{
    struct Case
    {
        const char* szName;
        const char* szVersion;
        int nKind;
        const char* szClass;
    };
    const Case cases[] = {
        {"triangle of version 3.0", "3.0", 4, "CCappFreeTriangle"},
        {"triangle without a version", "", 4, "CCappFreeTriangle"},
        {"spline of version 3.0", "3.0", 11, "CCappFreeSpline"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        // In a sheet: the object list, then the row sets and scripts must still be read right.
        CCappSheet sheet;
        Bytes empty = StoreObject(sheet);
        // The empty sheet ends with 11 empty lists, the row sets (int, int, count) and the scripts
        // (count): put the object into the last list, the free objects.
        const size_t nTail = 2 + 4 + 4 + 2 + 2;
        Bytes head(empty.begin(), empty.end() - static_cast<long>(nTail));
        ByteWriter w;
        w.Append(head).Count(1).NewClass(c.szClass).Append(CommonRecord(c.szVersion, c.nKind).Get());
        w.Int(1).Int(0).Count(0).Count(0);
        CCappSheet loaded;
        ASSERT_EQ(-1, LoadFailureCause([&] { LoadObject(loaded, w.Get()); }));
        ASSERT_EQ(1, loaded.m_listFreeObj.GetCount());
        auto* pObj = static_cast<CCappFreeObj*>(loaded.m_listFreeObj.GetHead());
        EXPECT_STREQ(c.szClass, pObj->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(c.szVersion, pObj->m_strVersion);
        // Saved again, it carries its points: the sheet's version and the object's.
        const Bytes again = StoreObject(loaded);
        EXPECT_EQ(2, CountOccurrences(again, std::string("\x03") + "3.1"));
    }
}

BOOL IsEmptySheet(const CCappSheet& sheet)
{
    return sheet.m_listFreeObj.IsEmpty() && sheet.m_HCellLineList.IsEmpty() && sheet.m_listScript.IsEmpty();
}

TEST(CappFreeObjArchiveTest, EveryTruncationThrowsAndLeavesTheSheetEmpty)
{
    CCappSheet full;
    FillSheet(full);
    const Bytes bytes = StoreObject(full);
    CCappSheet sheet;
    auto fnPass = [&] {
        for (size_t n = 0; n < bytes.size(); ++n) {
            Bytes cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
            ASSERT_NE(-1, LoadFailureCause([&] { LoadObject(sheet, cut); })) << "prefix " << n;
            ASSERT_TRUE(IsEmptySheet(sheet)) << "prefix " << n;
        }
    };
    fnPass();
    const size_t nBefore = CountHeapBlocks();
    fnPass();
    EXPECT_LT(CountHeapBlocks(), nBefore + 50) << "failed loads leak";
    EXPECT_EQ(-1, LoadFailureCause([&] { LoadObject(sheet, bytes); }));
    EXPECT_EQ(11, sheet.m_listFreeObj.GetCount());
}

TEST(CappFreeObjArchiveTest, DamagedPointListsFailWithAnException)
{
    struct Case
    {
        const char* szName;
        const char* szClass;
        int nKind;
        std::vector<int> tail;
    };
    const Case cases[] = {
        {"negative spline count", "CCappFreeSpline", 11, {-1}},
        {"spline count beyond the data", "CCappFreeSpline", 11, {0x7FFFFFFF, 1, 2}},
        {"triangle of four points", "CCappFreeTriangle", 4, {4, 1, 1, 2, 2, 3, 3, 4, 4}},
        {"triangle of six points", "CCappFreeTriangle", 4, {6, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappSheet sheet;
        const Bytes empty = StoreObject(sheet);
        const size_t nTail = 2 + 4 + 4 + 2 + 2;
        ByteWriter w;
        w.Append(Bytes(empty.begin(), empty.end() - static_cast<long>(nTail)));
        w.Count(1).NewClass(c.szClass).Append(CommonRecord("3.1", c.nKind).Get()).Int(kPointMark);
        for (int n : c.tail) {
            w.Int(n);
        }
        w.Int(1).Int(0).Count(0).Count(0);
        CCappSheet loaded;
        EXPECT_NE(-1, LoadFailureCause([&] { LoadObject(loaded, w.Get()); }));
        EXPECT_TRUE(loaded.m_listFreeObj.IsEmpty());
    }
}

// The sheet's bytes up to its free-object list, and what follows that list.
struct SheetFrame
{
    Bytes head;
    Bytes tail;
};

SheetFrame EmptySheetFrame()
{
    CCappSheet sheet;
    const Bytes empty = StoreObject(sheet);
    // The empty sheet ends with the free objects' count, the row sets (int, int, count) and the
    // scripts (count).
    const size_t nTail = 2 + 4 + 4 + 2 + 2;
    SheetFrame frame;
    frame.head.assign(empty.begin(), empty.end() - static_cast<long>(nTail));
    frame.tail = ByteWriter().Int(1).Int(0).Count(0).Count(0).Get();
    return frame;
}

// A record in the bare form (no point block) loads whatever its version text, the version "3.1"
// our point block was keyed on included, alone in the list and before other objects.
TEST(CappFreeObjArchiveTest, BareTriangleAndSplineRecordsLoadWhateverTheirVersion)
{
    struct Case
    {
        const char* szName;
        const char* szClass;
        int nKind;
        const char* szVersion;
    };
    const Case cases[] = {
        {"triangle 3.1", "CCappFreeTriangle", 4, "3.1"}, {"spline 3.1", "CCappFreeSpline", 11, "3.1"},
        {"triangle 3.0", "CCappFreeTriangle", 4, "3.0"}, {"spline without a version", "CCappFreeSpline", 11, ""},
        {"triangle 9.9", "CCappFreeTriangle", 4, "9.9"}, {"spline 3.2", "CCappFreeSpline", 11, "3.2"},
    };
    const SheetFrame frame = EmptySheetFrame();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const Bytes record = CommonRecord(c.szVersion, c.nKind).Get();
        {
            SCOPED_TRACE("alone in the sheet's list");
            ByteWriter w;
            w.Append(frame.head).Count(1).NewClass(c.szClass).Append(record).Append(frame.tail);
            CCappSheet loaded;
            ASSERT_EQ(-1, LoadFailureCause([&] { LoadObject(loaded, w.Get()); }));
            ASSERT_EQ(1, loaded.m_listFreeObj.GetCount());
            EXPECT_EQ(c.szVersion, static_cast<CCappFreeObj*>(loaded.m_listFreeObj.GetHead())->m_strVersion);
        }
        {
            SCOPED_TRACE("two in the sheet's list, then a line");
            ByteWriter w;
            w.Append(frame.head).Count(3).NewClass(c.szClass).Append(record).ClassRef(1).Append(record);
            w.NewClass("CCappFreeLine").Append(CommonRecord("", 1).Get()).Int(1).Int(2).Int(3).Int(4);
            w.Append(frame.tail);
            CCappSheet loaded;
            ASSERT_EQ(-1, LoadFailureCause([&] { LoadObject(loaded, w.Get()); }));
            ASSERT_EQ(3, loaded.m_listFreeObj.GetCount());
            EXPECT_EQ(CPoint(3, 4), static_cast<CCappFreeObj*>(loaded.m_listFreeObj.GetTail())->GetHandlePoint(2));
        }
    }
}

// Our earlier saves: "3.1" and the count without the mark. Their points are kept.
TEST(CappFreeObjArchiveTest, EarlierSavesWithUnmarkedPointsKeepThem)
{
    const SheetFrame frame = EmptySheetFrame();
    ByteWriter w;
    w.Append(frame.head).Count(2).NewClass("CCappFreeTriangle").Append(CommonRecord("3.1", 4).Get());
    w.Int(5).Int(10).Int(40).Int(25).Int(60).Int(40).Int(40).Int(25).Int(20).Int(15).Int(20);
    w.NewClass("CCappFreeSpline").Append(CommonRecord("3.1", 11).Get());
    w.Int(3).Int(1).Int(2).Int(3).Int(4).Int(5).Int(6);
    w.Append(frame.tail);
    CCappSheet loaded;
    ASSERT_EQ(-1, LoadFailureCause([&] { LoadObject(loaded, w.Get()); }));
    ASSERT_EQ(2, loaded.m_listFreeObj.GetCount());
    auto* pTriangle = static_cast<CCappFreeObj*>(loaded.m_listFreeObj.GetHead());
    EXPECT_EQ(CPoint(15, 20), pTriangle->GetHandlePoint(9));
    auto* pSpline = static_cast<CCappFreeObj*>(loaded.m_listFreeObj.GetTail());
    ASSERT_EQ(3, pSpline->GetHandleCount());
    EXPECT_EQ(CPoint(5, 6), pSpline->GetHandlePoint(3));
}

} // namespace
