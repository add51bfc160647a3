// The free-object tool on its own (no view): creation around a click, selection and focus with
// Shift, arrow keys and Delete, alignment, same size, even spacing and copies of every kind.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "core/CappFreeLine.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"
#include "core/FreeObjPoint.h"
#include "designer/freeobj/FreeObjCopyFun.h"
#include "designer/sheet/FreeObjEditTool.h"

namespace
{
CCappFreeObj* ObjAt(CFreeObjEditTool& tool, int nIndex)
{
    return static_cast<CCappFreeObj*>(tool.m_listFreeObj.GetAt(tool.m_listFreeObj.FindIndex(nIndex)));
}

// A box of the given size with its top-left corner at (x, y), appended unselected.
CCappFreeObj* AddBox(CFreeObjEditTool& tool, int x, int y, int cx, int cy)
{
    auto* pRect = new CCappFreeRect;
    pRect->SetBoxRect(CRect(x, y, x + cx, y + cy));
    tool.m_listFreeObj.AddTail(pRect);
    return pRect;
}

void SelectAll(CFreeObjEditTool& tool, int nFocus)
{
    for (int i = 0; i < tool.m_listFreeObj.GetCount(); ++i) {
        tool.Select(ObjAt(tool, i), TRUE);
    }
    tool.Select(ObjAt(tool, nFocus), TRUE);
}

std::vector<CPoint> Handles(CCappFreeObj* pObj, int nCount)
{
    std::vector<CPoint> points;
    for (int i = 1; i <= nCount; ++i) {
        points.push_back(pObj->GetHandlePoint(i));
    }
    return points;
}
} // namespace

TEST(FreeObjEditToolTest, ClickWithKindPendingCreatesOneObjectCentredOnIt)
{
    const std::vector<CPoint> box = {{950, 1000}, {1000, 1050}, {1050, 1000}, {1000, 950}};
    const std::vector<CPoint> line = {{950, 1000}, {1050, 1000}};
    struct Case
    {
        const char* szName;
        int nKind;
        std::vector<CPoint> handles;
    };
    const Case cases[] = {
        {"line", CCappFreeObj::kindLine, line},
        {"rectangle", CCappFreeObj::kindRect, box},
        {"circle", CCappFreeObj::kindCircle, box},
        {"triangle", CCappFreeObj::kindTriangle, box},
        {"rounded box", CCappFreeObj::kindRound, box},
        {"cloud", CCappFreeObj::kindCloud, box},
        {"rectangle arrow", CCappFreeObj::kindRectArrow, box},
        {"rounded arrow", CCappFreeObj::kindRoundArrow, box},
        {"circle arrow", CCappFreeObj::kindCircleArrow, box},
        {"line arrow", CCappFreeObj::kindLineArrow, line},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CFreeObjEditTool tool;
        AddBox(tool, 0, 0, 10, 10)->m_bSelected = 1;
        tool.SetCreateKind(c.nKind);
        tool.OnLButtonDown(0, CPoint(1000, 1000));
        tool.OnLButtonUp(0, CPoint(1000, 1000));
        ASSERT_EQ(2, tool.m_listFreeObj.GetCount());
        CCappFreeObj* pNew = ObjAt(tool, 1);
        EXPECT_EQ(c.nKind, pNew->m_nKind);
        EXPECT_EQ(c.handles, Handles(pNew, static_cast<int>(c.handles.size())));
        EXPECT_TRUE(CFreeObjEditTool::IsFocused(pNew));
        EXPECT_EQ(1, tool.GetSelectedCount()) << "the others are deselected";
        EXPECT_FALSE(tool.IsCreatePending()) << "one click per command";
        EXPECT_EQ(0, tool.GetCreateKind());

        tool.OnLButtonDown(0, CPoint(3000, 3000));
        EXPECT_EQ(2, tool.m_listFreeObj.GetCount()) << "the next click creates nothing";
    }
}

TEST(FreeObjEditToolTest, ClicksSelectAndShiftTogglesWithFocusMovingOn)
{
    CFreeObjEditTool tool;
    CCappFreeObj* pA = AddBox(tool, 0, 0, 100, 100);
    CCappFreeObj* pB = AddBox(tool, 200, 0, 100, 100);
    CCappFreeObj* pC = AddBox(tool, 400, 0, 100, 100);
    // The topmost (last) object wins where two overlap.
    CCappFreeObj* pTop = AddBox(tool, 450, 50, 100, 100);

    tool.OnLButtonDown(0, CPoint(50, 50));
    EXPECT_TRUE(CFreeObjEditTool::IsFocused(pA));
    tool.OnLButtonDown(MK_SHIFT, CPoint(250, 50));
    tool.OnLButtonDown(MK_SHIFT, CPoint(420, 20));
    EXPECT_EQ(3, tool.GetSelectedCount());
    EXPECT_TRUE(CFreeObjEditTool::IsFocused(pC));
    EXPECT_FALSE(CFreeObjEditTool::IsFocused(pA)) << "one focus";
    EXPECT_EQ(CFreeObjEditTool::dragMove, tool.m_nDragState);

    tool.OnLButtonDown(MK_SHIFT, CPoint(420, 20));
    EXPECT_EQ(0, pC->m_bSelected) << "Shift-click on a selected object deselects it";
    EXPECT_TRUE(CFreeObjEditTool::IsFocused(pA)) << "the first one still selected takes the focus";
    EXPECT_EQ(1, pB->m_bSelected);

    tool.OnLButtonDown(0, CPoint(500, 100));
    EXPECT_TRUE(CFreeObjEditTool::IsFocused(pTop));
    EXPECT_EQ(0, pC->m_bSelected);

    tool.OnLButtonDown(MK_SHIFT, CPoint(5000, 5000));
    EXPECT_EQ(1, tool.GetSelectedCount()) << "Shift on empty space keeps the selection";
    tool.OnLButtonDown(0, CPoint(5000, 5000));
    EXPECT_EQ(0, tool.GetSelectedCount());
    EXPECT_EQ(CFreeObjEditTool::dragEmpty, tool.m_nDragState);
}

TEST(FreeObjEditToolTest, ArrowKeysMoveTheSelectedAndDeleteFreesThem)
{
    struct Case
    {
        const char* szName;
        UINT nKey;
        CPoint ptStep;
    };
    const Case cases[] = {
        {"left", VK_LEFT, {-1, 0}}, {"up", VK_UP, {0, -1}},     {"right", VK_RIGHT, {1, 0}},
        {"down", VK_DOWN, {0, 1}},  {"other key", 'A', {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CFreeObjEditTool tool;
        CCappFreeObj* pMoved = AddBox(tool, 100, 100, 100, 100);
        CCappFreeObj* pStill = AddBox(tool, 400, 100, 100, 100);
        tool.Select(pMoved, FALSE);
        tool.OnKeyDown(c.nKey);
        CRect rcExpected(100, 100, 200, 200);
        rcExpected += c.ptStep;
        EXPECT_EQ(rcExpected, pMoved->GetOutRect());
        EXPECT_EQ(CRect(400, 100, 500, 200), pStill->GetOutRect());
    }
    CFreeObjEditTool tool;
    AddBox(tool, 0, 0, 10, 10);
    CCappFreeObj* pKept = AddBox(tool, 20, 0, 10, 10);
    AddBox(tool, 40, 0, 10, 10);
    SelectAll(tool, 0);
    pKept->m_bSelected = 0;
    tool.OnKeyDown(VK_DELETE);
    ASSERT_EQ(1, tool.m_listFreeObj.GetCount());
    EXPECT_EQ(pKept, ObjAt(tool, 0));
}

TEST(FreeObjEditToolTest, AlignAndSameSizeFollowTheFocusedObject)
{
    struct Case
    {
        const char* szName;
        BOOL bAlign;
        int nCode;
        CRect rcOther;
    };
    // The focused box is (100, 100)-(200, 160); the other one (300, 400)-(340, 420).
    const Case cases[] = {
        {"left edges", TRUE, 0, {100, 400, 140, 420}},  {"right edges", TRUE, 1, {160, 400, 200, 420}},
        {"top edges", TRUE, 2, {300, 100, 340, 120}},   {"bottom edges", TRUE, 3, {300, 140, 340, 160}},
        {"same width", FALSE, 4, {300, 400, 400, 420}}, {"same height", FALSE, 5, {300, 400, 340, 460}},
        {"same size", FALSE, 6, {300, 400, 400, 460}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CFreeObjEditTool tool;
        CCappFreeObj* pRef = AddBox(tool, 100, 100, 100, 60);
        CCappFreeObj* pOther = AddBox(tool, 300, 400, 40, 20);
        SelectAll(tool, 0);
        if (c.bAlign) {
            tool.Align(c.nCode);
        } else {
            tool.SameSize(c.nCode);
        }
        EXPECT_EQ(CRect(100, 100, 200, 160), pRef->GetOutRect());
        EXPECT_EQ(c.rcOther, pOther->GetOutRect());
    }
}

TEST(FreeObjEditToolTest, SpacingEvenlyPutsTheInnerObjectsOneGapApart)
{
    struct Case
    {
        const char* szName;
        BOOL bVertical;
        std::vector<int> starts; // leading edges, in list order; each object 100 long
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"two objects stay", FALSE, {0, 150}, {0, 150}},
        {"three: the middle one centred", FALSE, {0, 150, 1000}, {0, 500, 1000}},
        {"integer division of the gap", FALSE, {0, 150, 1001}, {0, 500, 1001}},
        {"ordered by edge, not by list", FALSE, {1000, 0, 150}, {1000, 0, 500}},
        {"four objects", FALSE, {0, 120, 130, 900}, {0, 300, 600, 900}},
        {"overlapping: a negative gap", FALSE, {0, 20, 120}, {0, 60, 120}},
        {"down the page", TRUE, {0, 150, 1000}, {0, 500, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CFreeObjEditTool tool;
        for (int nStart : c.starts) {
            if (c.bVertical) {
                AddBox(tool, 7, nStart, 50, 100);
            } else {
                AddBox(tool, nStart, 7, 100, 50);
            }
        }
        SelectAll(tool, 0);
        if (c.bVertical) {
            tool.SpaceEvenlyY();
        } else {
            tool.SpaceEvenlyX();
        }
        for (size_t i = 0; i < c.expected.size(); ++i) {
            const CRect rc = ObjAt(tool, static_cast<int>(i))->GetOutRect();
            EXPECT_EQ(c.expected[i], c.bVertical ? rc.top : rc.left) << i;
            EXPECT_EQ(7, c.bVertical ? rc.left : rc.top) << "the other axis stays";
        }
    }
}

TEST(FreeObjEditToolTest, CopiesKeepEveryKindWithItsPoints)
{
    CFreeObjEditTool tool;
    for (int nKind = CCappFreeObj::kindLine; nKind <= CCappFreeObj::kindLineArrow; ++nKind) {
        tool.CreateObj(nKind, 500 + nKind * 10, 700);
    }
    auto* pSpline = new CCappFreeSpline;
    pSpline->AddPoint(CPoint(1, 2));
    pSpline->AddPoint(CPoint(30, 40));
    pSpline->AddPoint(CPoint(500, 60));
    pSpline->m_strText = "样条";
    tool.m_listFreeObj.AddTail(pSpline);
    auto* pTriangle = dynamic_cast<CCappFreeTriangle*>(ObjAt(tool, CCappFreeObj::kindTriangle - 1));
    ASSERT_NE(nullptr, pTriangle);
    pTriangle->m_ptApex.SetValue(525, 650);
    CFreeObjEditTool::BindCell(ObjAt(tool, 1), 77);

    CObList listOut;
    tool.StoreCopies(listOut);
    ASSERT_EQ(11, listOut.GetCount());
    CFreeObjEditTool reloaded;
    reloaded.LoadCopies(listOut);
    ASSERT_EQ(11, reloaded.m_listFreeObj.GetCount());
    for (int i = 0; i < 11; ++i) {
        CCappFreeObj* pFrom = ObjAt(tool, i);
        CCappFreeObj* pTo = ObjAt(reloaded, i);
        SCOPED_TRACE(pFrom->m_nKind);
        EXPECT_NE(pFrom, pTo);
        EXPECT_EQ(pFrom->GetRuntimeClass(), pTo->GetRuntimeClass());
        EXPECT_EQ(pFrom->m_nKind, pTo->m_nKind);
        EXPECT_EQ(pFrom->m_strText, pTo->m_strText);
        EXPECT_EQ(0, pTo->m_bSelected) << "stored copies are not selected";
        EXPECT_EQ(Handles(pFrom, pFrom->GetHandleCount()), Handles(pTo, pTo->GetHandleCount()));
    }
    EXPECT_EQ(3, static_cast<CCappFreeSpline*>(ObjAt(reloaded, 10))->m_listPoint.GetCount());
    EXPECT_EQ(77, CFreeObjEditTool::GetCellID(ObjAt(reloaded, 1)));
    EXPECT_EQ(ObjAt(reloaded, 1), reloaded.FindByCellID(77));
    EXPECT_EQ(nullptr, reloaded.FindByCellID(0));

    tool.StoreCopies(listOut);
    EXPECT_EQ(11, listOut.GetCount()) << "storing again replaces, nothing doubles";
    while (!listOut.IsEmpty()) {
        delete listOut.RemoveHead();
    }
    CCappFreeLine line;
    EXPECT_FALSE(CFreeObjCopyFun::Assign(&line, pSpline)) << "no copy across kinds";
}
