// Line edits of a sheet and their undo and redo.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "tests/core/CardArchiveUtil.h"

namespace
{

// Every line of the grid and every edge of the cells, as text to compare states by.
std::string Describe(const CCappSheet& sheet)
{
    std::string s;
    auto fnLines = [&](const char* pszName, const CObList& list) {
        s += pszName;
        POSITION pos = list.GetHeadPosition();
        while (pos != nullptr) {
            auto* p = static_cast<CCappLine*>(list.GetNext(pos));
            s += " " + std::to_string(p->m_nID) + ":" + std::to_string(p->m_nType) + "@" + std::to_string(p->m_nPos) +
                 "[" + std::to_string(p->m_nStartID) + "," + std::to_string(p->m_nEndID) + "]w" +
                 std::to_string(p->m_nWidth) + "c" + std::to_string(p->m_crColor);
        }
        s += "\n";
    };
    fnLines("H", sheet.m_HCellLineList);
    fnLines("V", sheet.m_VCellLineList);
    fnLines("L", sheet.m_LHOutLineList);
    POSITION pos = sheet.m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        auto* p = static_cast<CCappCell*>(sheet.m_HeadCellList.GetNext(pos));
        s += "C" + std::to_string(p->m_nCellID) + " " + std::to_string(p->m_nTopLineID) + "," +
             std::to_string(p->m_nLeftLineID) + "," + std::to_string(p->m_nRightLineID) + "," +
             std::to_string(p->m_nBottomLineID) + "\n";
    }
    return s;
}

class CappSheetLineTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_sheet.NewSheetDef(2100, 2970, 2, 100, 200, 100, 70, "A4");
        m_pH1 = m_sheet.AddCellLineBySpace(1, -1, 500, 0, 10000, 0);
        m_pV1 = m_sheet.AddCellLineBySpace(2, -1, 800, 0, 10000, 0);
        ASSERT_TRUE(m_pH1 && m_pV1);
    }

    CCappCell* AddCell(int nTop, int nLeft, int nRight, int nBottom)
    {
        auto* pCell = new CCappCell;
        pCell->m_nCellID = m_sheet.GetNewCellID();
        pCell->m_nTopLineID = nTop;
        pCell->m_nLeftLineID = nLeft;
        pCell->m_nRightLineID = nRight;
        pCell->m_nBottomLineID = nBottom;
        m_sheet.m_HeadCellList.AddTail(pCell);
        return pCell;
    }

    CCappSheet m_sheet;
    CCappLine* m_pH1 = nullptr;
    CCappLine* m_pV1 = nullptr;
};

TEST_F(CappSheetLineTest, FrameLinesAndCoordinates)
{
    // Frame (200, 100) to (2000, 2900), width 2.
    EXPECT_EQ(CRect(200, 100, 2000, 2900), m_sheet.m_rcFrame);
    auto* pTop = static_cast<CCappLine*>(m_sheet.m_HCellLineList.GetHead());
    auto* pBottom = static_cast<CCappLine*>(m_sheet.m_HCellLineList.GetTail());
    EXPECT_EQ(0, pTop->m_nID);
    EXPECT_EQ(CCappLine::typeHFrame, pTop->m_nType);
    EXPECT_EQ(-2, pTop->m_nPos);
    EXPECT_EQ(10000, pBottom->m_nID);
    EXPECT_EQ(2800 - 2, pBottom->m_nPos);
    EXPECT_EQ(1800 - 2, static_cast<CCappLine*>(m_sheet.m_VCellLineList.GetTail())->m_nPos);

    struct Case
    {
        const char* szName;
        int nType;
        int nID;
        CPoint ptStart;
        CPoint ptEnd;
    };
    const Case cases[] = {
        {"horizontal cell line", 1, m_pH1->m_nID, CPoint(198, 600), CPoint(1998, 600)},
        {"vertical cell line", 2, m_pV1->m_nID, CPoint(1000, 98), CPoint(1000, 2898)},
        {"bottom frame line", 3, 10000, CPoint(198, 2898), CPoint(1998, 2898)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CPoint ptStart;
        CPoint ptEnd;
        ASSERT_TRUE(m_sheet.GetLineCoordinate(c.nType, c.nID, ptStart, ptEnd, 0));
        EXPECT_EQ(c.ptStart, ptStart);
        EXPECT_EQ(c.ptEnd, ptEnd);
    }

    // A line drawn from its right end is still given left to right.
    std::swap(m_pH1->m_nStartID, m_pH1->m_nEndID);
    CPoint ptStart;
    CPoint ptEnd;
    ASSERT_TRUE(m_sheet.GetLineCoordinate(m_pH1, ptStart, ptEnd, 1));
    EXPECT_EQ(CPoint(198, 600), ptStart);

    CCappLine* pOut = m_sheet.AddCellLineBySpace(5, -1, 300, -1, -1, 0);
    ASSERT_NE(nullptr, pOut);
    ASSERT_TRUE(m_sheet.GetLineCoordinate(pOut, ptStart, ptEnd, 0));
    EXPECT_EQ(CPoint(0, 400), ptStart);
    EXPECT_EQ(CPoint(200, 400), ptEnd);

    int nPos = -99;
    EXPECT_EQ(0, m_sheet.GetLineSpace(1, 12345, nPos));
    EXPECT_EQ(-99, nPos);
    EXPECT_EQ(1, m_sheet.GetLineSpace(102, m_pV1->m_nID, nPos));
    EXPECT_EQ(800, nPos);

    int nTop, nLeft, nRight, nBottom;
    m_sheet.GetFrameSide(nTop, nLeft, nRight, nBottom);
    EXPECT_EQ(100, nTop);
    EXPECT_EQ(200, nLeft);
    EXPECT_EQ(100, nRight);
    EXPECT_EQ(70, nBottom);
}

TEST_F(CappSheetLineTest, EditsRefuseWhatWouldBreakTheGrid)
{
    AddCell(0, 0, m_pV1->m_nID, m_pH1->m_nID);
    const std::string before = Describe(m_sheet);
    struct Case
    {
        const char* szName;
        bool bDone;
    };
    const Case cases[] = {
        {"add with a used id", m_sheet.AddCellLineBySpace(1, m_pH1->m_nID, 700, 0, 10000, 1) != nullptr},
        {"add a copy of a line", m_sheet.AddCellLineBySpace(1, -1, 500, 0, 10000, 1) != nullptr},
        {"add a copy from its other end", m_sheet.AddCellLineBySpace(1, -1, 500, 10000, 0, 1) != nullptr},
        {"add to a missing crossing line", m_sheet.AddCellLineBySpace(1, -1, 700, 0, 4444, 1) != nullptr},
        {"add of a frame type", m_sheet.AddCellLineBySpace(3, -1, 700, 0, 10000, 1) != nullptr},
        {"delete a cell's edge", m_sheet.DelCellLine(1, m_pH1->m_nID, 1) != 0},
        {"delete a frame line", m_sheet.DelCellLine(1, 10000, 1) != 0},
        {"move a frame line", m_sheet.MoveCellLine(2, 0, 50, 1) != 0},
        {"cut outside the line", m_sheet.CutCellLine(1, m_pH1->m_nID, 0, -1, 1) != nullptr},
        {"link lines that do not meet", m_sheet.LinkCellLine(1, m_pH1->m_nID, 0, 1) != 0},
        {"reach a missing line", m_sheet.ReachCellLine(1, m_pH1->m_nID, 0, 4444, 1) != 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_FALSE(c.bDone);
    }
    EXPECT_EQ(before, Describe(m_sheet));
    EXPECT_EQ(0, m_sheet.m_DefUndo.CanUndo());

    // A line that another line ends on stays too.
    CCappLine* pV2 = m_sheet.AddCellLineBySpace(2, -1, 1200, 0, m_pH1->m_nID, 0);
    ASSERT_NE(nullptr, pV2);
    CCappLine* pH2 = m_sheet.AddCellLineBySpace(1, -1, 900, 0, 10000, 0);
    EXPECT_EQ(0, m_sheet.DelCellLine(1, m_pH1->m_nID, 0));
    EXPECT_EQ(1, m_sheet.DelCellLine(1, pH2->m_nID, 0));
}

TEST_F(CappSheetLineTest, ThreeEditsOfOneTransactionUndoAndRedoTogether)
{
    CCappDefUndo& undo = m_sheet.m_DefUndo;
    EXPECT_EQ(0, undo.CanUndo());
    EXPECT_EQ(0, undo.CanRedo());
    const std::string empty = Describe(m_sheet);
    undo.Undo();
    undo.Redo();
    EXPECT_EQ(-1, undo.GetCurIndex());
    EXPECT_EQ(empty, Describe(m_sheet));

    // One edit on its own, then a group of three.
    ASSERT_EQ(1, m_sheet.MoveCellLine(1, m_pH1->m_nID, 450, 1));
    const std::string before = Describe(m_sheet);
    undo.SetTransAction(1);
    CCappLine* pH2 = m_sheet.AddCellLineBySpace(1, -1, 1500, 0, 10000, 1);
    ASSERT_NE(nullptr, pH2);
    ASSERT_EQ(1, m_sheet.MoveCellLine(2, m_pV1->m_nID, 900, 1));
    ASSERT_EQ(1, m_sheet.ReachCellLine(2, m_pV1->m_nID, m_pH1->m_nID, 10000, 1));
    undo.SetTransAction(0);
    const std::string after = Describe(m_sheet);
    ASSERT_NE(before, after);
    EXPECT_EQ(4, undo.GetCount());

    undo.Undo();
    EXPECT_EQ(before, Describe(m_sheet));
    EXPECT_EQ(1, undo.CanUndo());
    EXPECT_EQ(1, undo.CanRedo());

    undo.Redo();
    EXPECT_EQ(after, Describe(m_sheet));
    EXPECT_EQ(0, undo.CanRedo());
    undo.Redo();
    EXPECT_EQ(after, Describe(m_sheet));

    // Back over the group and the single move; then a new edit drops what could be redone.
    undo.Undo();
    undo.Undo();
    EXPECT_EQ(0, undo.CanUndo());
    EXPECT_EQ(-1, undo.GetCurIndex());
    ASSERT_EQ(1, m_sheet.MoveCellLine(2, m_pV1->m_nID, 700, 1));
    EXPECT_EQ(1, undo.GetCount());
    EXPECT_EQ(0, undo.CanRedo());
    EXPECT_EQ(1, undo.CanUndo());

    undo.DetachUndoList();
    EXPECT_EQ(0, undo.CanUndo());
    EXPECT_EQ(0, undo.GetCount());
}

TEST_F(CappSheetLineTest, EveryKindOfEditReplaysExactly)
{
    // Cells on both sides of the vertical line, so that a cut and a link move their edges.
    CCappLine* pH2 = m_sheet.AddCellLineBySpace(1, -1, 1000, 0, 10000, 0);
    AddCell(0, 0, m_pV1->m_nID, m_pH1->m_nID);
    AddCell(pH2->m_nID, 0, m_pV1->m_nID, 10000);
    auto* pMid = new CCappMidData;
    pMid->AddSeatItem(pH2->m_nID, m_pV1->m_nID, 10000, 10000);
    m_sheet.m_MidDataList.AddTail(pMid);
    const int nV1 = m_pV1->m_nID;

    struct Step
    {
        const char* szName;
        std::function<bool()> fnEdit;
    };
    int nPiece = -1;
    const Step steps[] = {
        {"add", [&] { return m_sheet.AddCellLineBySpace(2, -1, 1500, 0, 10000, 1) != nullptr; }},
        {"move", [&] { return m_sheet.MoveCellLine(1, pH2->m_nID, 1100, 1) == 1; }},
        {"cut",
         [&] {
             CCappLine* p = m_sheet.CutCellLine(2, nV1, m_pH1->m_nID, -1, 1);
             nPiece = p ? p->m_nID : -1;
             return p != nullptr;
         }},
        {"reach", [&] { return m_sheet.ReachCellLine(2, nPiece, m_pH1->m_nID, pH2->m_nID, 1) == 1; }},
        {"link",
         [&] {
             // Give the piece its old end back first (recorded too), then join it again.
             return m_sheet.ReachCellLine(2, nPiece, m_pH1->m_nID, 10000, 1) == 1 &&
                    m_sheet.LinkCellLine(2, nV1, nPiece, 1) == 1;
         }},
        {"delete",
         [&] {
             CCappLine* p = m_sheet.AddCellLineBySpace(1, -1, 2000, 0, 10000, 1);
             return p != nullptr && m_sheet.DelCellLine(1, p->m_nID, 1) == 1;
         }},
        {"left-hand outline",
         [&] {
             CCappLine* p = m_sheet.AddCellLineBySpace(5, -1, 300, -1, -1, 1);
             return p != nullptr && m_sheet.MoveCellLine(5, p->m_nID, 350, 1) == 1;
         }},
    };
    std::vector<std::string> states{Describe(m_sheet)};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.szName);
        ASSERT_TRUE(step.fnEdit());
        states.push_back(Describe(m_sheet));
    }

    CCappDefUndo& undo = m_sheet.m_DefUndo;
    while (undo.CanUndo()) {
        undo.UndoItem();
    }
    EXPECT_EQ(states.front(), Describe(m_sheet));
    // Item by item forward: after each whole step the state matches the recorded one.
    const int nItemsPerStep[] = {1, 1, 1, 1, 2, 2, 2};
    for (size_t i = 0; i < std::size(nItemsPerStep); ++i) {
        SCOPED_TRACE(steps[i].szName);
        for (int k = 0; k < nItemsPerStep[i]; ++k) {
            undo.RedoItem();
        }
        EXPECT_EQ(states[i + 1], Describe(m_sheet));
    }
}

TEST_F(CappSheetLineTest, UndoGivesRemovedLinesTheirPenBack)
{
    CCappDefUndo& undo = m_sheet.m_DefUndo;
    CCappLine* pH2 = m_sheet.AddCellLineBySpace(1, -1, 1000, 0, 10000, 0);
    ASSERT_NE(nullptr, pH2);
    const int nH2 = pH2->m_nID;
    pH2->m_nWidth = 0;
    pH2->SetLineColor(0xFF);
    CCappLine* pPiece = m_sheet.CutCellLine(2, m_pV1->m_nID, m_pH1->m_nID, -1, 0);
    ASSERT_NE(nullptr, pPiece);
    const int nPiece = pPiece->m_nID;
    pPiece->m_nWidth = 5;
    pPiece->SetLineColor(0xFF00);
    const std::string before = Describe(m_sheet);

    struct Case
    {
        const char* szName;
        std::function<bool()> fnEdit;
        int nType;
        int nID;
        int nWidth;
        COLORREF crColor;
    };
    const Case cases[] = {
        {"deleted line", [&] { return m_sheet.DelCellLine(1, nH2, 1) == 1; }, 1, nH2, 0, 0xFF},
        {"line removed by a link", [&] { return m_sheet.LinkCellLine(2, m_pV1->m_nID, nPiece, 1) == 1; }, 2, nPiece, 5,
         0xFF00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        ASSERT_TRUE(c.fnEdit());
        EXPECT_EQ(nullptr, m_sheet.FindLine(c.nType, c.nID));
        undo.Undo();
        EXPECT_EQ(before, Describe(m_sheet));
        const CCappLine* pBack = m_sheet.FindLine(c.nType, c.nID);
        ASSERT_NE(nullptr, pBack);
        EXPECT_EQ(c.nWidth, pBack->m_nWidth);
        EXPECT_EQ(c.crColor, pBack->m_crColor);
        undo.Redo();
        EXPECT_EQ(nullptr, m_sheet.FindLine(c.nType, c.nID));
        undo.Undo();
        EXPECT_EQ(before, Describe(m_sheet));
    }
}

TEST_F(CappSheetLineTest, LinkJoinsOnlyLinesThatMeetEndToStartWithoutOverlap)
{
    // Vertical lines at 400, 800 (m_pV1) and 1200; pairs of horizontal pieces at 1500 meet at 800.
    const int nV400 = m_sheet.AddCellLineBySpace(2, -1, 400, 0, 10000, 0)->m_nID;
    const int nV800 = m_pV1->m_nID;
    const int nV1200 = m_sheet.AddCellLineBySpace(2, -1, 1200, 0, 10000, 0)->m_nID;
    struct Case
    {
        const char* szName;
        int nFirstStart;
        int nSecondEnd;
        bool bJoined;
    };
    const Case cases[] = {
        {"both left to right", 0, nV1200, true},
        {"both right to left", nV1200, nV400, true},
        {"second runs back over the first", 0, nV400, false},
        {"first runs back, second goes on", nV1200, 10000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappLine* pFirst = m_sheet.AddCellLineBySpace(1, -1, 1500, c.nFirstStart, nV800, 0);
        CCappLine* pSecond = m_sheet.AddCellLineBySpace(1, -1, 1500, nV800, c.nSecondEnd, 0);
        ASSERT_TRUE(pFirst && pSecond);
        const int nFirst = pFirst->m_nID;
        const int nSecond = pSecond->m_nID;
        const std::string before = Describe(m_sheet);

        EXPECT_EQ(c.bJoined ? 1 : 0, m_sheet.LinkCellLine(1, nFirst, nSecond, 1));
        if (c.bJoined) {
            EXPECT_EQ(c.nSecondEnd, pFirst->m_nEndID);
            EXPECT_EQ(nullptr, m_sheet.FindLine(1, nSecond));
            m_sheet.m_DefUndo.Undo();
        }
        EXPECT_EQ(before, Describe(m_sheet));
        EXPECT_EQ(0, m_sheet.m_DefUndo.CanUndo());
        m_sheet.m_DefUndo.DetachUndoList();
        ASSERT_EQ(1, m_sheet.DelCellLine(1, nFirst, 0));
        ASSERT_EQ(1, m_sheet.DelCellLine(1, nSecond, 0));
    }
}

TEST_F(CappSheetLineTest, RefusedReplayLeavesTheUndoPosition)
{
    CCappDefUndo& undo = m_sheet.m_DefUndo;
    CCappLine* pH2 = m_sheet.AddCellLineBySpace(1, -1, 1000, 0, 10000, 0);
    ASSERT_NE(nullptr, pH2);
    const int nH2 = pH2->m_nID;
    struct Case
    {
        const char* szName;
        // Records an edit and gives the line that a cell then takes as its top edge.
        std::function<int()> fnEdit;
        std::function<void()> fnReplay;
        int nIndex;
    };
    const Case cases[] = {
        {"undo of an add",
         [&] {
             CCappLine* p = m_sheet.AddCellLineBySpace(1, -1, 1500, 0, 10000, 1);
             return p != nullptr ? p->m_nID : -1;
         },
         [&] { undo.Undo(); }, 0},
        {"redo of a delete", [&] { return m_sheet.DelCellLine(1, nH2, 1) == 1 && undo.UndoItem() ? nH2 : -1; },
         [&] { undo.Redo(); }, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const int nLine = c.fnEdit();
        ASSERT_NE(-1, nLine);
        CCappCell* pCell = AddCell(nLine, 0, m_pV1->m_nID, 10000);
        const std::string before = Describe(m_sheet);

        c.fnReplay();
        EXPECT_EQ(c.nIndex, undo.GetCurIndex());
        EXPECT_EQ(before, Describe(m_sheet));
        EXPECT_EQ(1, undo.CanUndo() + undo.CanRedo());

        m_sheet.m_HeadCellList.RemoveAt(m_sheet.m_HeadCellList.Find(pCell));
        delete pCell;
        undo.DetachUndoList();
    }
}

TEST(CappSheetUndoPlace, UndoOfAnEditOfACutPieceSavesTheBytesOfBefore)
{
    struct Case
    {
        const char* szName;
        // Unrecorded preparation, then the recorded edit, on the two pieces of a cut line.
        std::function<bool(CCappSheet&, int nFirst, int nSecond)> fnPrepare;
        std::function<bool(CCappSheet&, int nFirst, int nSecond)> fnEdit;
    };
    auto fnNone = [](CCappSheet&, int, int) { return true; };
    const Case cases[] = {
        {"delete the first piece", fnNone,
         [](CCappSheet& s, int nFirst, int) { return s.DelCellLine(1, nFirst, 1) == 1; }},
        {"move the first piece", fnNone,
         [](CCappSheet& s, int nFirst, int) { return s.MoveCellLine(1, nFirst, 700, 1) == 1; }},
        {"link away the piece stored before its partner",
         // Away and back: the first piece now follows the second in the list.
         [](CCappSheet& s, int nFirst, int) {
             return s.MoveCellLine(1, nFirst, 700, 0) == 1 && s.MoveCellLine(1, nFirst, 500, 0) == 1;
         },
         [](CCappSheet& s, int nFirst, int nSecond) { return s.LinkCellLine(1, nFirst, nSecond, 1) == 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappSheet sheet;
        sheet.NewSheetDef(2100, 2970, 2, 100, 200, 100, 70, "A4");
        CCappLine* pFirst = sheet.AddCellLineBySpace(1, -1, 500, 0, 10000, 0);
        CCappLine* pV = sheet.AddCellLineBySpace(2, -1, 800, 0, 10000, 0);
        ASSERT_TRUE(pFirst && pV);
        const int nFirst = pFirst->m_nID;
        CCappLine* pSecond = sheet.CutCellLine(1, nFirst, pV->m_nID, -1, 0);
        ASSERT_NE(nullptr, pSecond);
        const int nSecond = pSecond->m_nID;
        ASSERT_TRUE(c.fnPrepare(sheet, nFirst, nSecond));
        const Bytes before = StoreObject(sheet);

        const std::string strBefore = Describe(sheet);
        ASSERT_TRUE(c.fnEdit(sheet, nFirst, nSecond));
        ASSERT_NE(strBefore, Describe(sheet));
        sheet.m_DefUndo.Undo();
        EXPECT_EQ(-1, sheet.m_DefUndo.GetCurIndex());
        EXPECT_EQ(before, StoreObject(sheet));
    }
}

TEST_F(CappSheetLineTest, CutAndLinkMoveTheEdgesBeyondTheCut)
{
    CCappLine* pH2 = m_sheet.AddCellLineBySpace(1, -1, 1000, 0, 10000, 0);
    CCappCell* pUpper = AddCell(0, 0, m_pV1->m_nID, m_pH1->m_nID);
    CCappCell* pLower = AddCell(pH2->m_nID, 0, m_pV1->m_nID, 10000);
    auto* pMid = new CCappMidData;
    pMid->AddSeatItem(pH2->m_nID, m_pV1->m_nID, 10000, 10000);
    m_sheet.m_MidDataList.AddTail(pMid);
    // A horizontal line that starts on the vertical line below the cut.
    CCappLine* pH3 = m_sheet.AddCellLineBySpace(1, -1, 1200, m_pV1->m_nID, 10000, 0);

    CCappLine* pPiece = m_sheet.CutCellLine(2, m_pV1->m_nID, m_pH1->m_nID, -1, 1);
    ASSERT_NE(nullptr, pPiece);
    EXPECT_EQ(m_pH1->m_nID, m_pV1->m_nEndID);
    EXPECT_EQ(m_pH1->m_nID, pPiece->m_nStartID);
    EXPECT_EQ(10000, pPiece->m_nEndID);
    EXPECT_EQ(m_pV1->m_nID, pUpper->m_nRightLineID);
    EXPECT_EQ(pPiece->m_nID, pLower->m_nRightLineID);
    EXPECT_EQ(pPiece->m_nID, static_cast<CCappMDSeatItem*>(pMid->m_listSeatItem.GetHead())->m_nLeftLineID);
    EXPECT_EQ(pPiece->m_nID, pH3->m_nStartID);

    const int nPiece = pPiece->m_nID;
    m_sheet.m_DefUndo.Undo();
    EXPECT_EQ(nullptr, m_sheet.FindLine(2, nPiece));
    EXPECT_EQ(10000, m_pV1->m_nEndID);
    EXPECT_EQ(m_pV1->m_nID, pLower->m_nRightLineID);
    EXPECT_EQ(m_pV1->m_nID, static_cast<CCappMDSeatItem*>(pMid->m_listSeatItem.GetHead())->m_nLeftLineID);
    EXPECT_EQ(m_pV1->m_nID, pH3->m_nStartID);
}

TEST(CappSheetIds, NewIdsAndPageSize)
{
    CCappSheet sheet;
    EXPECT_EQ(1, sheet.GetNewLineID());
    EXPECT_EQ(1, sheet.GetNewCellID());
    EXPECT_EQ(2, sheet.GetNewCellID());
    sheet.SetFrameRect(CRect(10, 10, 500, 500), 0, 2);
    for (int i = 0; i < 6; ++i) {
        sheet.AddCellLineBySpace(5, 100 + i, 10 * i, -1, -1, 0);
    }
    sheet.m_nNextLineID = 3;
    sheet.SetNewLineID();
    EXPECT_EQ(7, sheet.m_nNextLineID);

    sheet.m_nPageWidth = 600;
    sheet.m_nPageHeight = 600;
    sheet.AddCellLineBySpace(1, -1, 400, 0, 10000, 0);
    // A frame that would cut the line at 400 is refused and changes nothing.
    EXPECT_EQ(0, sheet.SetSheetPageSize(600, 300, 2, 10, 10, 10, 10, "B5"));
    EXPECT_EQ(CRect(10, 10, 500, 500), sheet.m_rcFrame);
    EXPECT_EQ(0, sheet.SetSheetPageSize(600, 600, 2, -5, 10, 10, 10, ""));
    EXPECT_EQ(1, sheet.SetSheetPageSize(-1, 800, 3, 20, 30, 40, 50, "B5"));
    EXPECT_EQ(CRect(30, 20, 560, 750), sheet.m_rcFrame);
    EXPECT_EQ(800, sheet.m_nPageHeight);
    EXPECT_EQ(600, sheet.m_nPageWidth);
    EXPECT_EQ("B5", sheet.m_strPaperName);
    EXPECT_EQ(3, static_cast<CCappLine*>(sheet.m_HCellLineList.GetHead())->m_nWidth);
    EXPECT_EQ(730 - 3, static_cast<CCappLine*>(sheet.m_HCellLineList.GetTail())->m_nPos);
}

} // namespace
