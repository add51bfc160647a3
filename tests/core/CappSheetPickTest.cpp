// Picking lines of a sheet's grid: by a point, as a guide, at a crossing, and the nearest line
// before or after a point.
#include <gtest/gtest.h>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappSheet.h"

namespace
{

// Frame (200, 100)-(2000, 2900); H1 across at 500, V1 full height at 800, H2 at 1000 from V1 to
// the right frame, V2 at 1200 from H1 to H2.
class CappSheetPickTest : public testing::Test
{
public:
    void SetUp() override
    {
        m_sheet.NewSheetDef(2100, 2970, 2, 100, 200, 100, 70, "A4");
        m_pH1 = m_sheet.AddCellLineBySpace(1, -1, 500, 0, 10000, 0);
        m_pV1 = m_sheet.AddCellLineBySpace(2, -1, 800, 0, 10000, 0);
        ASSERT_TRUE(m_pH1 && m_pV1);
        m_pH2 = m_sheet.AddCellLineBySpace(1, -1, 1000, m_pV1->m_nID, 10000, 0);
        m_pV2 = m_sheet.AddCellLineBySpace(2, -1, 1200, m_pH1->m_nID, m_pH2->m_nID, 0);
        ASSERT_TRUE(m_pH2 && m_pV2);
    }
    // Sheet coordinates of a point given from the frame's corner.
    static CPoint At(int x, int y) { return CPoint(200 + x, 100 + y); }

    CCappSheet m_sheet;
    CCappLine* m_pH1 = nullptr;
    CCappLine* m_pV1 = nullptr;
    CCappLine* m_pH2 = nullptr;
    CCappLine* m_pV2 = nullptr;
};

} // namespace

TEST_F(CappSheetPickTest, PickLineFindsTheNearestLineWithinTenUnits)
{
    struct Case
    {
        const char* szName;
        CPoint pt;
        CCappLine* CappSheetPickTest::*pExpected; // null member: nothing
        CPoint ptFoot;
    };
    const Case cases[] = {
        {"on H1", At(300, 500), &CappSheetPickTest::m_pH1, At(300, 500)},
        {"ten above H1", At(300, 490), &CappSheetPickTest::m_pH1, At(300, 500)},
        {"eleven above H1", At(300, 489), nullptr, CPoint()},
        {"near V1 below H1", At(806, 700), &CappSheetPickTest::m_pV1, At(800, 700)},
        {"nearer V1 than H1 at the crossing", At(801, 505), &CappSheetPickTest::m_pV1, At(800, 505)},
        {"H2 does not reach left of V1", At(700, 1000), nullptr, CPoint()},
        {"V2 ends at H2", At(1200, 1050), nullptr, CPoint()},
        {"outside the frame", At(300, -50), nullptr, CPoint()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappLine* pLine = nullptr;
        CPoint ptFoot;
        const int nFound = m_sheet.pickLine(c.pt, pLine, ptFoot);
        if (c.pExpected == nullptr) {
            EXPECT_EQ(0, nFound);
            EXPECT_EQ(nullptr, pLine);
            continue;
        }
        EXPECT_EQ(1, nFound);
        EXPECT_EQ(this->*c.pExpected, pLine);
        EXPECT_EQ(c.ptFoot, ptFoot);
    }

    // The frame's own lines are picked too.
    CCappLine* pLine = nullptr;
    CPoint ptFoot;
    ASSERT_EQ(1, m_sheet.pickLine(At(300, 2797), pLine, ptFoot));
    EXPECT_EQ(CCappLine::typeHFrame, pLine->m_nType);
}

TEST_F(CappSheetPickTest, GuideCrossAndNearLines)
{
    CCappLine* pLine = nullptr;
    EXPECT_EQ(1, m_sheet.pickBaseLine(101, At(50, 508), pLine));
    EXPECT_EQ(m_pH1, pLine);
    EXPECT_EQ(0, m_sheet.pickBaseLine(101, At(50, 520), pLine));
    EXPECT_EQ(1, m_sheet.pickBaseLine(102, At(1195, 2500), pLine));
    EXPECT_EQ(m_pV2, pLine);
    EXPECT_EQ(0, m_sheet.pickBaseLine(7, At(1195, 2500), pLine)) << "an unknown code";

    CPoint ptCross;
    EXPECT_EQ(1, m_sheet.PickCrossLine(m_pH1, At(805, 495), pLine, ptCross));
    EXPECT_EQ(m_pV1, pLine);
    EXPECT_EQ(At(800, 500), ptCross);
    EXPECT_EQ(0, m_sheet.PickCrossLine(m_pH2, At(1200, 1000), pLine, ptCross)) << "V2 ends on H2, not across it";
    EXPECT_EQ(0, m_sheet.PickCrossLine(m_pH1, At(830, 500), pLine, ptCross)) << "too far from V1";

    struct NearCase
    {
        const char* szName;
        BOOL bNext;
        UINT nType;
        CPoint pt;
        CCappLine* CappSheetPickTest::*pExpected;
        int nFrameID; // expected frame line when pExpected is null; -1 none
    };
    const NearCase nearCases[] = {
        {"next below, right of V1", TRUE, 1, At(900, 600), &CappSheetPickTest::m_pH2, -1},
        {"next below, left of V1 skips H2", TRUE, 1, At(700, 600), nullptr, 10000},
        {"next at the point itself", TRUE, 1, At(900, 1000), &CappSheetPickTest::m_pH2, -1},
        {"previous above", FALSE, 1, At(900, 900), &CappSheetPickTest::m_pH1, -1},
        {"previous above the first line", FALSE, 1, At(900, 200), nullptr, 0},
        {"next right between H1 and H2", TRUE, 2, At(900, 700), &CappSheetPickTest::m_pV2, -1},
        {"next right below H2", TRUE, 2, At(900, 1500), nullptr, 10000},
        {"previous left", FALSE, 2, At(1100, 700), &CappSheetPickTest::m_pV1, -1},
    };
    for (const NearCase& c : nearCases) {
        SCOPED_TRACE(c.szName);
        pLine = nullptr;
        const int nFound =
            c.bNext ? m_sheet.FindNextNearLine(c.nType, c.pt, pLine) : m_sheet.FindPrevNearLine(c.nType, c.pt, pLine);
        ASSERT_EQ(1, nFound);
        if (c.pExpected != nullptr) {
            EXPECT_EQ(this->*c.pExpected, pLine);
        } else {
            EXPECT_EQ(c.nFrameID, pLine->m_nID);
            EXPECT_GE(pLine->m_nType, CCappLine::typeHFrame);
        }
    }
    EXPECT_EQ(0, m_sheet.FindNextNearLine(1, At(900, 2850), pLine)) << "below the frame";
}

// A line is offered for deleting exactly when the sheet would delete it.
TEST_F(CappSheetPickTest, CanDelCellLineAgreesWithDelCellLine)
{
    CCappLine* pFree = m_sheet.AddCellLineBySpace(1, -1, 1500, 0, 10000, 0);
    CCappLine* pCellEdge = m_sheet.AddCellLineBySpace(1, -1, 2000, 0, 10000, 0);
    CCappLine* pOutline = m_sheet.AddCellLineBySpace(5, -1, 700, -1, -1, 0);
    ASSERT_TRUE(pFree && pCellEdge && pOutline);
    auto* pCell = new CCappCell;
    pCell->m_nCellID = m_sheet.GetNewCellID();
    pCell->m_nTopLineID = 0;
    pCell->m_nBottomLineID = pCellEdge->m_nID;
    pCell->m_nLeftLineID = 0;
    pCell->m_nRightLineID = m_pV1->m_nID;
    m_sheet.m_HeadCellList.AddTail(pCell);
    struct DelCase
    {
        const char* szName;
        CCappLine* pLine;
        BOOL bDeletable;
    };
    const DelCase cases[] = {
        {"a free line", pFree, TRUE},
        {"a cell's edge", pCellEdge, FALSE},
        {"a line another ends on", m_pH2, FALSE},
        {"a frame line", m_sheet.GetLineByLineID(3, 0), FALSE},
        {"a left-hand outline line", pOutline, TRUE},
        {"no line", nullptr, FALSE},
    };
    for (const DelCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bDeletable, m_sheet.CanDelCellLine(c.pLine));
        if (c.pLine != nullptr) {
            EXPECT_EQ(c.bDeletable, m_sheet.DelCellLine(c.pLine->m_nType, c.pLine->m_nID, 0) == 1);
        }
    }
}
