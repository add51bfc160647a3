// Merging a closed range of a sheet's grid: which ranges are closed, what a merge cuts and
// deletes, its undo in one step, and the refusals that leave the sheet as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappRange.h"
#include "core/CappSheet.h"

namespace
{

// The lines of both lists and the cells' edges, as text to compare states by.
std::string Describe(const CCappSheet& sheet)
{
    std::string s;
    for (const CObList* pList : {&sheet.m_HCellLineList, &sheet.m_VCellLineList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            auto* p = static_cast<CCappLine*>(pList->GetNext(pos));
            s += std::to_string(p->m_nID) + "@" + std::to_string(p->m_nPos) + "[" + std::to_string(p->m_nStartID) +
                 "," + std::to_string(p->m_nEndID) + "] ";
        }
        s += "\n";
    }
    POSITION pos = sheet.m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        auto* p = static_cast<CCappCell*>(sheet.m_HeadCellList.GetNext(pos));
        s += "C" + std::to_string(p->m_nTopLineID) + "," + std::to_string(p->m_nLeftLineID) + "," +
             std::to_string(p->m_nRightLineID) + "," + std::to_string(p->m_nBottomLineID) + "\n";
    }
    return s;
}

// A 3 by 3 grid: horizontal lines at 500 and 1000, vertical ones at 600 and 1200, all across the
// frame, plus a short vertical line at 900 from the line at 500 down to the frame.
class CappSheetUnitTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_sheet.NewSheetDef(2100, 2970, 2, 100, 200, 100, 70, "A4");
        m_pH1 = m_sheet.AddCellLineBySpace(1, -1, 500, 0, 10000, 0);
        m_pH2 = m_sheet.AddCellLineBySpace(1, -1, 1000, 0, 10000, 0);
        m_pV1 = m_sheet.AddCellLineBySpace(2, -1, 600, 0, 10000, 0);
        m_pV2 = m_sheet.AddCellLineBySpace(2, -1, 1200, 0, 10000, 0);
        ASSERT_TRUE(m_pH1 && m_pH2 && m_pV1 && m_pV2);
        m_pV3 = m_sheet.AddCellLineBySpace(2, -1, 900, m_pH1->m_nID, 10000, 0);
        ASSERT_NE(nullptr, m_pV3);
        m_pTop = m_sheet.GetLineByLineID(3, 0);
        m_pLeft = m_sheet.GetLineByLineID(4, 0);
    }

    CCappRange Range(CCappLine* pTop, CCappLine* pLeft, CCappLine* pRight, CCappLine* pBottom) const
    {
        CCappRange range;
        range.m_nKind = 1;
        range.m_pTopLine = pTop;
        range.m_pLeftLine = pLeft;
        range.m_pRightLine = pRight;
        range.m_pBottomLine = pBottom;
        range.m_rect = range.GetRectSpace();
        range.m_rect.OffsetRect(m_sheet.m_rcFrame.left, m_sheet.m_rcFrame.top);
        return range;
    }

    CCappCell* AddCell(const CCappLine* pTop, const CCappLine* pLeft, const CCappLine* pRight, const CCappLine* pBottom)
    {
        auto* pCell = new CCappCell;
        pCell->m_nCellID = m_sheet.GetNewCellID();
        pCell->m_nTopLineID = pTop->m_nID;
        pCell->m_nLeftLineID = pLeft->m_nID;
        pCell->m_nRightLineID = pRight->m_nID;
        pCell->m_nBottomLineID = pBottom->m_nID;
        m_sheet.m_HeadCellList.AddTail(pCell);
        return pCell;
    }

    CCappSheet m_sheet;
    CCappLine* m_pH1 = nullptr;
    CCappLine* m_pH2 = nullptr;
    CCappLine* m_pV1 = nullptr;
    CCappLine* m_pV2 = nullptr;
    CCappLine* m_pV3 = nullptr;
    CCappLine* m_pTop = nullptr;
    CCappLine* m_pLeft = nullptr;
};

TEST_F(CappSheetUnitTest, CloseLoopNeedsEverySideRuledAllAlong)
{
    // A second piece at 1500 from the line at 500 down, and one from the top to 500: together
    // they rule the whole height.
    CCappLine* pV4a = m_sheet.AddCellLineBySpace(2, -1, 1500, 0, m_pH1->m_nID, 0);
    CCappLine* pV4b = m_sheet.AddCellLineBySpace(2, -1, 1500, m_pH1->m_nID, 10000, 0);
    CCappLine* pV5 = m_sheet.AddCellLineBySpace(2, -1, 1700, m_pH1->m_nID, 10000, 0);
    ASSERT_TRUE(pV4a && pV4b && pV5);
    struct Case
    {
        const char* szName;
        CCappRange range;
        int nClosed;
    };
    const Case cases[] = {
        {"one cell", Range(m_pTop, m_pLeft, m_pV1, m_pH1), 1},
        {"two by two cells", Range(m_pTop, m_pLeft, m_pV2, m_pH2), 1},
        {"right side ruled only below 500", Range(m_pTop, m_pLeft, m_pV3, m_pH2), 0},
        {"right side ruled by two pieces", Range(m_pTop, m_pV2, pV4a, m_pH1), 1},
        {"right side of two pieces, taller", Range(m_pTop, m_pV2, pV4b, m_pH2), 1},
        {"short side at 1700", Range(m_pTop, m_pV2, pV5, m_pH2), 0},
        {"not of kind 1", CCappRange(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nClosed, m_sheet.IsCloseLoop(c.range));
    }
}

TEST_F(CappSheetUnitTest, MergeCutsCrossingLinesDeletesInnerOnesAndUndoesInOneStep)
{
    struct Case
    {
        const char* szName;
        bool bBackward; // the crossing lines stored from their far end
    };
    const Case cases[] = {{"lines stored left to right and downwards", false},
                          {"lines stored right to left and upwards", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        SetUp();
        if (c.bBackward) {
            std::swap(m_pH1->m_nStartID, m_pH1->m_nEndID);
            std::swap(m_pV1->m_nStartID, m_pV1->m_nEndID);
        }
        // A cell right of the range sits on the line at 500, one below it on the line at 600.
        CCappLine* pRight = m_sheet.GetLineByLineID(4, 10000);
        CCappCell* pBeside = AddCell(m_pTop, m_pV2, pRight, m_pH1);
        CCappCell* pBelow = AddCell(m_pH2, m_pLeft, m_pV1, m_sheet.GetLineByLineID(3, 10000));
        const CRect rcBeside = m_sheet.GetCellRect(pBeside);
        const CRect rcBelow = m_sheet.GetCellRect(pBelow);
        const std::string strBefore = Describe(m_sheet);
        CCappRange range = Range(m_pTop, m_pLeft, m_pV2, m_pH2);
        m_sheet.m_DefUndo.DetachUndoList();

        ASSERT_EQ(1, m_sheet.UnitCell(range));

        // Nothing rules the inside any more: no line runs through the open rectangle.
        const CRect rcRange = range.m_rect;
        for (const CObList* pList : {&m_sheet.m_HCellLineList, &m_sheet.m_VCellLineList}) {
            POSITION pos = pList->GetHeadPosition();
            while (pos != nullptr) {
                auto* pLine = static_cast<CCappLine*>(pList->GetNext(pos));
                CPoint ptStart;
                CPoint ptEnd;
                ASSERT_TRUE(m_sheet.GetLineCoordinate(pLine, ptStart, ptEnd, 0));
                const BOOL bThrough = pLine->IsHorizontal() ? (ptStart.y > rcRange.top && ptStart.y < rcRange.bottom &&
                                                               ptStart.x < rcRange.right && ptEnd.x > rcRange.left)
                                                            : (ptStart.x > rcRange.left && ptStart.x < rcRange.right &&
                                                               ptStart.y < rcRange.bottom && ptEnd.y > rcRange.top);
                EXPECT_FALSE(bThrough) << "line " << pLine->m_nID;
            }
        }
        // The line at 500 goes on right of 1200 only, under the cell beside the range; the ones
        // at 600 and 900 go on below 1000, beside the cell below.
        int nAt500 = 0;
        POSITION pos = m_sheet.m_HCellLineList.GetHeadPosition();
        while (pos != nullptr) {
            auto* pLine = static_cast<CCappLine*>(m_sheet.m_HCellLineList.GetNext(pos));
            if (pLine->m_nPos == 500) {
                ++nAt500;
                EXPECT_EQ(m_pV2->m_nID + 10000, pLine->m_nStartID + pLine->m_nEndID);
                EXPECT_EQ(pLine->m_nID, pBeside->m_nBottomLineID);
            }
        }
        EXPECT_EQ(1, nAt500);
        int nBelow = 0;
        pos = m_sheet.m_VCellLineList.GetHeadPosition();
        while (pos != nullptr) {
            auto* pLine = static_cast<CCappLine*>(m_sheet.m_VCellLineList.GetNext(pos));
            if (pLine->m_nPos == 600 || pLine->m_nPos == 900) {
                ++nBelow;
                EXPECT_TRUE(pLine->m_nStartID == m_pH2->m_nID || pLine->m_nEndID == m_pH2->m_nID);
                if (pLine->m_nPos == 600) {
                    EXPECT_EQ(pLine->m_nID, pBelow->m_nRightLineID);
                }
            }
        }
        EXPECT_EQ(2, nBelow);
        EXPECT_EQ(rcBeside, m_sheet.GetCellRect(pBeside));
        EXPECT_EQ(rcBelow, m_sheet.GetCellRect(pBelow));

        // One undo puts every line and edge back as it was; redo merges again.
        m_sheet.m_DefUndo.Undo();
        EXPECT_EQ(strBefore, Describe(m_sheet));
        EXPECT_EQ(0, m_sheet.m_DefUndo.CanUndo());
        m_sheet.m_DefUndo.Redo();
        EXPECT_NE(strBefore, Describe(m_sheet));
        EXPECT_EQ(0, m_sheet.m_DefUndo.CanRedo());
    }
}

TEST_F(CappSheetUnitTest, RefusalsChangeNothing)
{
    struct Case
    {
        const char* szName;
        std::function<CCappRange()> fnSetUp;
        BOOL bInnerCellsGo;
        const char* szReason;
    };
    const Case cases[] = {
        {"open range", [&] { return Range(m_pTop, m_pLeft, m_pV3, m_pH2); }, TRUE,
         "选中的区域不是封闭的区域，不能合并"},
        {"cell inside",
         [&] {
             AddCell(m_pTop, m_pLeft, m_pV1, m_pH1);
             return Range(m_pTop, m_pLeft, m_pV2, m_pH2);
         },
         FALSE, "选中的区域内还有单元格，不能合并"},
        {"cell reaching out of the range",
         [&] {
             AddCell(m_pTop, m_pLeft, m_pV2, m_pH1);
             return Range(m_pTop, m_pLeft, m_pV1, m_pH2);
         },
         TRUE, "选中的区域内还有单元格，不能合并"},
        {"detail seat inside",
         [&] {
             auto* pMid = new CCappMidData;
             pMid->m_listSeatItem.AddTail(new CCappMDSeatItem(m_pH1->m_nID, 0, m_pV1->m_nID, m_pH2->m_nID));
             m_sheet.m_MidDataList.AddTail(pMid);
             return Range(m_pTop, m_pLeft, m_pV2, m_pH2);
         },
         TRUE, "选中的区域与明细区域相交，不能合并"},
        {"side of two pieces meeting on an inner line",
         [&] {
             CCappLine* pV4a = m_sheet.AddCellLineBySpace(2, -1, 1500, 0, m_pH1->m_nID, 0);
             m_sheet.AddCellLineBySpace(2, -1, 1500, m_pH1->m_nID, 10000, 0);
             return Range(m_pTop, m_pV2, pV4a, m_pH2);
         },
         TRUE, "选中区域内的表格线相互连接，不能合并"},
        // Last: a new grid keeps the cells outside the frame.
        {"a cell of the outside list stays, so it counts",
         [&] {
             CCappCell* pCell = AddCell(m_pTop, m_pLeft, m_pV1, m_pH1);
             m_sheet.m_HeadCellList.RemoveTail();
             m_sheet.m_OutCellList.AddTail(pCell);
             return Range(m_pTop, m_pLeft, m_pV2, m_pH2);
         },
         TRUE, "选中的区域内还有单元格，不能合并"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        SetUp();
        CCappRange range = c.fnSetUp();
        const std::string strBefore = Describe(m_sheet);
        m_sheet.m_DefUndo.DetachUndoList();
        CString strReason;
        EXPECT_FALSE(m_sheet.CanUnitCell(range, c.bInnerCellsGo, strReason));
        EXPECT_EQ(c.szReason, std::string(strReason));
        EXPECT_EQ(0, m_sheet.UnitCell(range));
        EXPECT_EQ(strBefore, Describe(m_sheet));
        EXPECT_EQ(0, m_sheet.m_DefUndo.CanUndo());
    }
}

TEST_F(CappSheetUnitTest, CellsWhollyInsideCountOnlyWhenTheyStay)
{
    AddCell(m_pTop, m_pLeft, m_pV1, m_pH1);
    const CCappRange range = Range(m_pTop, m_pLeft, m_pV2, m_pH2);
    CString strReason;
    EXPECT_FALSE(m_sheet.CanUnitCell(range, FALSE, strReason));
    EXPECT_TRUE(m_sheet.CanUnitCell(range, TRUE, strReason));
}

} // namespace
