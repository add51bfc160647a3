// Split, merge and the Delete key of the sheet view's cell tool, driven through the view's
// commands and keys on a small hand-ruled grid in the running designer.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMidData.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "platform/win/CmdUI.h"
#include "platform/win/Dialog.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/SheetViewFixture.h"
#include "tests/support/UiDriver.h"

namespace
{
// The lines of the grid, as text to compare states by.
std::string DescribeLines(const CCappSheet& sheet)
{
    std::string s;
    for (const CObList* pList : {&sheet.m_HCellLineList, &sheet.m_VCellLineList}) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            auto* p = static_cast<CCappLine*>(pList->GetNext(pos));
            s += std::to_string(p->m_nID) + "@" + std::to_string(p->m_nPos) + "[" + std::to_string(p->m_nStartID) +
                 "," + std::to_string(p->m_nEndID) + "] ";
        }
        s += "\n";
    }
    return s;
}

// Every cell of the head, page and detail lists.
std::vector<CCappCell*> AllCells(const CCappSheet& sheet)
{
    std::vector<CCappCell*> cells;
    auto add = [&](const CObList& list) {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            cells.push_back(static_cast<CCappCell*>(list.GetNext(pos)));
        }
    };
    add(sheet.m_HeadCellList);
    add(sheet.m_PageCellList);
    for (POSITION pos = sheet.m_MidDataList.GetHeadPosition(); pos != nullptr;) {
        add(static_cast<CCappMidData*>(sheet.m_MidDataList.GetNext(pos))->m_listMidCell);
    }
    return cells;
}

std::vector<std::string> CellNames(const CCappSheet& sheet)
{
    std::vector<std::string> names;
    for (const CCappCell* pCell : AllCells(sheet)) {
        names.emplace_back(pCell->m_nContentKind == CCappCell::kindStatic ? pCell->m_strText : pCell->m_strVarName);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The designer with the bundled process card open, whose sheet each test rules anew by hand: a
// frame from (100, 100) to (2000, 2870), so that line positions are sheet coordinates less 100.
class CCellOpsTest : public CSheetViewFixture
{
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open(SampleTemplate())); }

    // A new grid with lines across the frame at the given positions; the view's selection and
    // undo history start empty and the template counts as saved.
    void Rule(const std::vector<int>& horizontal, const std::vector<int>& vertical)
    {
        m_pView->ResetSelection();
        m_pSheet->NewSheetDef(2100, 2970, 2, 100, 100, 100, 100, "A4");
        m_lines.clear();
        for (int nPos : horizontal) {
            m_lines[nPos * 2] = m_pSheet->AddCellLineBySpace(CCappLine::typeHCell, -1, nPos, 0, 10000, 0);
            ASSERT_NE(nullptr, m_lines[nPos * 2]);
        }
        for (int nPos : vertical) {
            m_lines[nPos * 2 + 1] = m_pSheet->AddCellLineBySpace(CCappLine::typeVCell, -1, nPos, 0, 10000, 0);
            ASSERT_NE(nullptr, m_lines[nPos * 2 + 1]);
        }
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
    }
    CCappLine* H(int nPos) { return m_lines[nPos * 2]; }
    CCappLine* V(int nPos) { return m_lines[nPos * 2 + 1]; }
    // The grid range under a point given in line positions.
    CCappRange RangeAt(int x, int y) const
    {
        return CSheetDefRangeFun::GetRange(*m_pSheet,
                                           CPoint(m_pSheet->m_rcFrame.left + x, m_pSheet->m_rcFrame.top + y));
    }
    // Selects from the range under the first point to the one under the second, as tracking does.
    void Select(int x1, int y1, int x2, int y2)
    {
        m_pView->m_rangeSel = RangeAt(x1, y1);
        ASSERT_FALSE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel));
        m_pView->m_rangeTrack = RangeAt(x2, y2);
        if (CSheetDefRangeFun::IsSameRange(m_pView->m_rangeSel, m_pView->m_rangeTrack)) {
            m_pView->m_rangeTrack.ResertVal();
        }
    }
    // A cell on the range under a point, in the head list or in a detail area.
    CCappCell* AddCell(int x, int y, int nKind, const char* pszName, CCappMidData* pMid = nullptr)
    {
        const CCappRange range = RangeAt(x, y);
        auto* pCell = new CCappCell;
        pCell->SetCellBaseLine(range);
        pCell->m_nContentKind = nKind;
        if (nKind == CCappCell::kindStatic) {
            pCell->m_strText = pszName;
        } else {
            pCell->m_strVarName = pszName;
        }
        pCell->m_nCellID = m_pSheet->GetNewCellID();
        if (pMid != nullptr) {
            pCell->m_nDataPos = CCappCell::seatMidData;
            pMid->m_listMidCell.AddTail(pCell);
        } else {
            pCell->m_nDataPos = CCappCell::seatHead;
            m_pSheet->m_HeadCellList.AddTail(pCell);
        }
        return pCell;
    }
    void Command(UINT nID) { m_pView->SendMessage(WM_COMMAND, nID, 0); }
    // Positions of the vertical (or horizontal) cell lines strictly between two positions, less
    // the first; each must run between the two given crossing lines.
    std::vector<int> LinesBetween(int nType, int nFrom, int nTo, const CCappLine* pStart, const CCappLine* pEnd)
    {
        std::vector<int> positions;
        const CObList& list = nType == CCappLine::typeVCell ? m_pSheet->m_VCellLineList : m_pSheet->m_HCellLineList;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            auto* pLine = static_cast<CCappLine*>(list.GetNext(pos));
            if (pLine->m_nPos > nFrom && pLine->m_nPos < nTo) {
                positions.push_back(pLine->m_nPos - nFrom);
                EXPECT_EQ(pStart->m_nID, pLine->m_nStartID);
                EXPECT_EQ(pEnd->m_nID, pLine->m_nEndID);
            }
        }
        std::sort(positions.begin(), positions.end());
        return positions;
    }

    std::map<int, CCappLine*> m_lines;
};

TEST_F(CCellOpsTest, SplitTextsOnAThousandWideCellGiveLinesOrAreRefused)
{
    struct SplitCase
    {
        const char* szName;
        const char* szCols;
        bool bEqual;
        bool bValid;
        std::vector<int> positions;
    };
    const SplitCase cases[] = {
        {"count times length, then one", "3*60,80", false, true, {60, 120, 180, 260}},
        {"blanks around the star", "3 * 60,80", false, true, {60, 120, 180, 260}},
        {"a final comma is ignored", "60,80,", false, true, {60, 140}},
        {"equal 3: the last part takes the rest", "3", true, true, {333, 666}},
        {"a sum beyond the width: lines inside only", "600,300,200,50", false, true, {600, 900}},
        {"equal parts thinner than a unit: no line on the side", "2000", true, true, {}},
        {"a blank after the comma", "60, 80", false, false, {}},
        {"an empty item", "60,,80", false, false, {}},
        {"zero", "0", false, false, {}},
        {"no length after the star", "3*", false, false, {}},
        {"no count before the star", "*60", false, false, {}},
        {"a leading zero", "060", false, false, {}},
        {"a plus sign", "+5", false, false, {}},
        {"a decimal point", "5.0", false, false, {}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Rule({200, 600}, {100, 1100});
        Select(600, 400, 600, 400);
        const std::string strBefore = DescribeLines(*m_pSheet);
        CTestUi ui;
        ui.OnDialog(IDD_SPLIT_CELL, [&](CTestDlg& d) {
            if (!c.bEqual) {
                d.Click(IDC_SPLIT_COLS_EQUAL);
            }
            d.SetText(IDC_SPLIT_COLS, c.szCols);
            d.Ok();
            if (c.bValid) {
                return;
            }
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult()) << "kept open";
            EXPECT_EQ(std::vector<CString>{"语法错误!"}, ui.TakeBoxTexts());
            EXPECT_EQ(c.szCols, d.GetText(IDC_SPLIT_COLS));
            d.Cancel();
        });
        Command(ID_SHEET_CELL_SPLIT);
        EXPECT_EQ(1, ui.GetDialogsOpened());
        EXPECT_EQ(c.positions, LinesBetween(CCappLine::typeVCell, 100, 1100, H(200), H(600)));
        EXPECT_TRUE(LinesBetween(CCappLine::typeHCell, 200, 600, V(100), V(1100)).empty());
        if (c.bValid) {
            EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel)) << "selection cleared";
            EXPECT_EQ(c.positions.empty() ? CCappSheetDefView::saveStateSaved : CCappSheetDefView::saveStateChanged,
                      m_pView->GetSaveState());
        } else {
            EXPECT_EQ(strBefore, DescribeLines(*m_pSheet));
            EXPECT_FALSE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel)) << "selection kept";
        }
    }
}

TEST_F(CCellOpsTest, OneUndoTakesAWholeSplitBack)
{
    Rule({200, 600}, {100, 1100});
    const std::string strBefore = DescribeLines(*m_pSheet);
    Select(600, 400, 600, 400);
    CTestUi ui;
    ui.OnDialog(IDD_SPLIT_CELL, [&](CTestDlg& d) {
        d.SetText(IDC_SPLIT_COLS, "3");
        d.SetText(IDC_SPLIT_ROWS, "2");
        d.Ok();
    });
    Command(ID_SHEET_CELL_SPLIT);
    Command(ID_SHEET_ZOOM_ALL);
    PumpTestMessages();
    EXPECT_TRUE(SaveWindowPicture(m_pView->m_hWnd, "cell-split-view.png"));
    EXPECT_EQ((std::vector<int>{333, 666}), LinesBetween(CCappLine::typeVCell, 100, 1100, H(200), H(600)));
    EXPECT_EQ((std::vector<int>{200}), LinesBetween(CCappLine::typeHCell, 200, 600, V(100), V(1100)));
    const std::string strSplit = DescribeLines(*m_pSheet);

    Command(ID_SHEET_UNDO);
    EXPECT_EQ(strBefore, DescribeLines(*m_pSheet));
    EXPECT_EQ(0, m_pSheet->m_DefUndo.CanUndo());
    Command(ID_SHEET_REDO);
    EXPECT_EQ(strSplit, DescribeLines(*m_pSheet));
}

TEST_F(CCellOpsTest, SplitIsGreyWithoutASelection)
{
    Rule({200, 600}, {100, 1100});
    struct Probe : CCmdUI
    {
        void Enable(BOOL bOn) override { bEnabled = bOn; }
        BOOL bEnabled = TRUE;
    } probe;
    probe.m_nID = ID_SHEET_CELL_SPLIT;
    probe.DoUpdate(m_pView, TRUE);
    EXPECT_FALSE(probe.bEnabled);
    Select(600, 400, 600, 400);
    probe.DoUpdate(m_pView, TRUE);
    EXPECT_TRUE(probe.bEnabled);
}

// Cells at 350 and 850 of the rows at 300 and 500; a short line at 1500 that runs only below
// 600 leaves the area from the cell at (350, 300) to the range right of 1100 below 600 open.
class CCellOpsMergeTest : public CCellOpsTest
{
protected:
    void RuleTwoByTwo()
    {
        Rule({200, 400, 600}, {100, 600, 1100});
        ASSERT_NE(nullptr, m_pSheet->AddCellLineBySpace(CCappLine::typeVCell, -1, 1500, H(600)->m_nID, 10000, 0));
        AddCell(350, 300, CCappCell::kindStatic, "名称");
        AddCell(850, 300, CCappCell::kindVariable, "MC");
        AddCell(350, 500, CCappCell::kindStatic, "图号");
        AddCell(850, 500, CCappCell::kindImage, "TU");
        AddCell(1300, 700, CCappCell::kindStatic, "outside");
        m_pSheet->m_DefUndo.DetachUndoList();
    }
};

TEST_F(CCellOpsMergeTest, MergingAClosedRangeRemovesItsCellsAndLinesInOneUndoStep)
{
    RuleTwoByTwo();
    const std::string strBefore = DescribeLines(*m_pSheet);
    Select(350, 300, 850, 500);
    CTestUi ui;
    Command(ID_SHEET_ZOOM_ALL);
    PumpTestMessages();
    EXPECT_TRUE(SaveWindowPicture(m_pView->m_hWnd, "cell-merge-view-before.png"));
    Command(ID_SHEET_CELL_MERGE);
    EXPECT_TRUE(ui.TakeBoxTexts().empty());
    PumpTestMessages();
    EXPECT_TRUE(SaveWindowPicture(m_pView->m_hWnd, "cell-merge-view.png"));

    EXPECT_EQ(std::vector<std::string>{"outside"}, CellNames(*m_pSheet));
    // The area is one range now, and nothing rules its inside.
    const CCappRange merged = RangeAt(350, 300);
    EXPECT_EQ(CRect(200, 300, 1200, 700), merged.m_rect);
    EXPECT_TRUE(CSheetDefRangeFun::IsSameRange(merged, RangeAt(850, 500)));
    EXPECT_TRUE(CSheetDefRangeFun::IsSameRange(merged, m_pView->m_rangeSel)) << "the merged range is selected";
    EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeTrack));
    EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());

    // One undo puts every line back; the cells stay removed.
    Command(ID_SHEET_UNDO);
    EXPECT_EQ(strBefore, DescribeLines(*m_pSheet));
    EXPECT_EQ(0, m_pSheet->m_DefUndo.CanUndo());
    EXPECT_EQ(std::vector<std::string>{"outside"}, CellNames(*m_pSheet));
}

TEST_F(CCellOpsMergeTest, RefusedMergeAndSplitOfAnOpenRangeLeaveEveryCellAndLine)
{
    RuleTwoByTwo();
    const std::string strBefore = DescribeLines(*m_pSheet);
    const std::vector<std::string> cellsBefore = CellNames(*m_pSheet);
    ASSERT_EQ(5u, cellsBefore.size());
    Select(350, 300, 1300, 700);
    ASSERT_FALSE(m_pSheet->IsCloseLoop(CSheetDefRangeFun::Union(m_pView->m_rangeSel, m_pView->m_rangeTrack)));

    CTestUi ui;
    Command(ID_SHEET_CELL_MERGE);
    EXPECT_EQ(std::vector<CString>{"选中的区域不是封闭的区域，不能合并"}, ui.TakeBoxTexts());
    EXPECT_EQ(cellsBefore, CellNames(*m_pSheet));
    EXPECT_EQ(strBefore, DescribeLines(*m_pSheet));
    EXPECT_EQ(CCappSheetDefView::saveStateSaved, m_pView->GetSaveState());

    Command(ID_SHEET_CELL_SPLIT);
    EXPECT_EQ(std::vector<CString>{"当前选中的区域为不闭全区域，所以不能拆分！"}, ui.TakeBoxTexts());
    EXPECT_EQ(0, ui.GetDialogsOpened());
    EXPECT_EQ(strBefore, DescribeLines(*m_pSheet));
    EXPECT_EQ(cellsBefore, CellNames(*m_pSheet));
}

// A range of two rows: head cells above, a detail area below; a static and a variable cell in
// each, and cells outside the range that always stay.
TEST_F(CCellOpsTest, DeleteKeyRemovesTheChosenKindOfCellsInTheSelectedArea)
{
    struct DeleteCase
    {
        const char* szName;
        int nClick; // 0: the default choice, -1: cancel
        std::vector<std::string> remaining;
    };
    const DeleteCase cases[] = {
        {"everything", 0, {"KEEP", "keep"}},
        {"static texts", IDC_DEL_STATIC, {"KEEP", "MD_VAR", "TU", "VAR", "keep"}},
        {"fields", IDC_DEL_FIELDS, {"KEEP", "TU", "keep", "静态", "明细静态"}},
        {"cancel", -1, {"KEEP", "MD_VAR", "TU", "VAR", "keep", "静态", "明细静态"}},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Rule({200, 400, 600}, {100, 600, 1100, 1500});
        auto* pMid = new CCappMidData;
        pMid->m_strName = "明细";
        pMid->AddSeatItem(H(400)->m_nID, V(100)->m_nID, V(1500)->m_nID, H(600)->m_nID);
        m_pSheet->m_MidDataList.AddTail(pMid);
        AddCell(350, 300, CCappCell::kindStatic, "静态");
        AddCell(850, 300, CCappCell::kindVariable, "VAR");
        AddCell(350, 500, CCappCell::kindStatic, "明细静态", pMid);
        AddCell(850, 500, CCappCell::kindVariable, "MD_VAR", pMid);
        AddCell(1300, 300, CCappCell::kindStatic, "keep");
        AddCell(1300, 500, CCappCell::kindVariable, "KEEP", pMid);
        // A graphic variable inside goes only with everything.
        AddCell(350, 100, CCappCell::kindImage, "TU");
        Select(350, 100, 850, 500);

        CTestUi ui;
        ui.OnDialog(IDD_DEL_CONTROL, [&](CTestDlg& d) {
            if (c.nClick < 0) {
                d.Cancel();
                return;
            }
            if (c.nClick > 0) {
                d.Click(c.nClick);
            }
            d.Ok();
        });
        m_pView->SendMessage(WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ(1, ui.GetDialogsOpened());
        EXPECT_EQ(c.remaining, CellNames(*m_pSheet));
        EXPECT_EQ(c.nClick < 0 ? CCappSheetDefView::saveStateSaved : CCappSheetDefView::saveStateChanged,
                  m_pView->GetSaveState());
    }
}

TEST_F(CCellOpsTest, DeleteKeyWithoutSelectionAsksNothing)
{
    Rule({200, 600}, {100, 1100});
    AddCell(600, 400, CCappCell::kindStatic, "静态");
    CTestUi ui;
    m_pView->SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(0, ui.GetDialogsOpened());
    EXPECT_EQ(std::vector<std::string>{"静态"}, CellNames(*m_pSheet));
}

} // namespace
