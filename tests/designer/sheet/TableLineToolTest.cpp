// The table-line tool on a real sheet view, driven by mouse messages: drawing with snapping,
// deleting, moving within the band of the crossing lines (with the cursor clip released after),
// cutting, extending and merging; each edit undone and redone to the same grid bytes. Also the
// tool's commands, right clicks, a lost capture and Escape.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/CappLine.h"
#include "core/CappSheet.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "platform/base/Archive.h"
#include "platform/base/File.h"
#include "platform/base/MemFile.h"
#include "platform/base/FxResMgr.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/CmdUI.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/TableLineTestSheet.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

// Every edit of the table: a table of cases sharing one shape. The sheet's grid bytes before and
// after the edit; undo gives the first back, redo the second.
TEST_F(CTableLineToolTest, EditsByMouseUndoAndRedoToTheSameBytes)
{
    using namespace line_sheet;
    struct EditCase
    {
        const char* szName;
        UINT nToolID;                    // command arming the tool; 0: none
        int nSelect;                     // line to select first (LineKey), -1 none
        std::function<void()> fnGesture; // the mouse session
        std::function<void()> fnCheck;   // what the edit did
        BOOL bEdits;                     // FALSE: refused, nothing changes or is recorded
    };
    const EditCase cases[] = {
        {"draw from H1 at x 500 to H2", ID_SHEET_LINE_DRAW, -1,
         [&] {
             Hover(500, 100);
             Press(500, 100);
             Drag(500, 350);
             Drag(500, 600);
             Release(500, 600);
         },
         [&] {
             CCappLine* pNew = FindLine(CCappLine::typeVCell, 500);
             ASSERT_NE(nullptr, pNew);
             EXPECT_EQ(Line(keyH1)->m_nID, pNew->m_nStartID);
             EXPECT_EQ(Line(keyH2)->m_nID, pNew->m_nEndID);
             EXPECT_EQ(CTableLineTool::modeDraw, m_pView->m_nEditMode) << "the tool stays armed";
         },
         TRUE},
        {"draw released short of H2 snaps to the next line down", ID_SHEET_LINE_DRAW, -1,
         [&] {
             Hover(500, 100);
             Press(500, 100);
             Drag(500, 330);
             Release(500, 330);
         },
         [&] {
             CCappLine* pNew = FindLine(CCappLine::typeVCell, 500);
             ASSERT_NE(nullptr, pNew);
             EXPECT_EQ(Line(keyH1)->m_nID, pNew->m_nStartID);
             EXPECT_EQ(Line(keyH3b)->m_nID, pNew->m_nEndID);
         },
         TRUE},
        {"draw released at an angle adds nothing and says so", ID_SHEET_LINE_DRAW, -1,
         [&] {
             ClearTips();
             Hover(500, 100);
             Press(500, 100);
             Drag(650, 300);
             Release(650, 300);
         },
         [&] {
             EXPECT_EQ(CTableLineTool::modeDraw, m_pView->m_nEditMode);
             EXPECT_NE(-1, Tips().Find("未画线")) << Tips().GetString();
         },
         FALSE},
        {"draw pressed away from any line adds nothing", ID_SHEET_LINE_DRAW, -1,
         [&] {
             ClearTips();
             Hover(500, 200);
             Press(500, 200);
             Drag(500, 600);
             Release(500, 600);
         },
         [&] { EXPECT_TRUE(Tips().IsEmpty()) << "nothing was drawn"; }, FALSE},
        {"draw from the top frame line released just past the bottom one", ID_SHEET_LINE_DRAW, -1,
         [&] {
             Hover(500, 0);
             Press(500, 0);
             Drag(500, 350);
             Drag(500, 704);
             Release(500, 704);
         },
         [&] {
             CCappLine* pNew = FindLine(CCappLine::typeVCell, 500);
             ASSERT_NE(nullptr, pNew);
             EXPECT_EQ(kFrameFirst, pNew->m_nStartID);
             EXPECT_EQ(kFrameLast, pNew->m_nEndID);
         },
         TRUE},
        {"draw released far past the last line ends on the last line passed", ID_SHEET_LINE_DRAW, -1,
         [&] {
             Hover(500, 0);
             Press(500, 0);
             Drag(500, 740);
             Release(500, 740);
         },
         [&] {
             CCappLine* pNew = FindLine(CCappLine::typeVCell, 500);
             ASSERT_NE(nullptr, pNew);
             EXPECT_EQ(kFrameFirst, pNew->m_nStartID);
             EXPECT_EQ(kFrameLast, pNew->m_nEndID);
         },
         TRUE},
        {"draw released a little past an inner line ends on it", ID_SHEET_LINE_DRAW, -1,
         [&] {
             Hover(500, 100);
             Press(500, 100);
             Drag(500, 404);
             Release(500, 404);
         },
         [&] {
             CCappLine* pNew = FindLine(CCappLine::typeVCell, 500);
             ASSERT_NE(nullptr, pNew);
             EXPECT_EQ(Line(keyH1)->m_nID, pNew->m_nStartID);
             EXPECT_EQ(Line(keyH3b)->m_nID, pNew->m_nEndID);
         },
         TRUE},
        {"draw upwards released past the top frame line", ID_SHEET_LINE_DRAW, -1,
         [&] {
             Hover(500, 600);
             Press(500, 600);
             Drag(500, -6);
             Release(500, -6);
         },
         [&] {
             CCappLine* pNew = FindLine(CCappLine::typeVCell, 500);
             ASSERT_NE(nullptr, pNew);
             EXPECT_EQ(kFrameFirst, pNew->m_nStartID);
             EXPECT_EQ(Line(keyH2)->m_nID, pNew->m_nEndID);
         },
         TRUE},
        {"draw released beside the last move ends where the button came up", ID_SHEET_LINE_DRAW, -1,
         [&] {
             Hover(500, 100);
             Press(500, 100);
             Drag(500, 330);
             Release(500, 598);
         },
         [&] {
             CCappLine* pNew = FindLine(CCappLine::typeVCell, 500);
             ASSERT_NE(nullptr, pNew);
             EXPECT_EQ(Line(keyH1)->m_nID, pNew->m_nStartID);
             EXPECT_EQ(Line(keyH2)->m_nID, pNew->m_nEndID);
         },
         TRUE},
        {"delete a free line", ID_SHEET_LINE_DELETE, -1,
         [&] {
             Hover(850, 350);
             Press(850, 350);
             Release(850, 350);
         },
         [&] { EXPECT_EQ(nullptr, FindLine(CCappLine::typeVCell, 850)); }, TRUE},
        {"a line others end on is not deleted", ID_SHEET_LINE_DELETE, -1,
         [&] {
             Hover(700, 200);
             Press(700, 200);
             Release(700, 200);
         },
         [] {}, FALSE},
        {"move H4 within its band", ID_SHEET_LINE_MOVE, -1,
         [&] {
             Hover(500, 300);
             Press(500, 300);
             Drag(500, 250);
             Drag(500, 200);
             Release(500, 200);
         },
         [&] {
             EXPECT_EQ(200, Line(keyH4)->m_nPos);
             EXPECT_EQ(CTableLineTool::modeMove, m_pView->m_nEditMode);
         },
         TRUE},
        {"move H4 against the top of its band stops 3 units inside", ID_SHEET_LINE_MOVE, -1,
         [&] {
             Hover(500, 300);
             Press(500, 300);
             Drag(500, 20);
             Release(500, 20);
         },
         [&] { EXPECT_EQ(100 + 3, Line(keyH4)->m_nPos); }, TRUE},
        {"move H4 against the bottom of its band", ID_SHEET_LINE_MOVE, -1,
         [&] {
             Hover(500, 300);
             Press(500, 300);
             Drag(500, 680);
             Release(500, 680);
         },
         [&] { EXPECT_EQ(600 - 3, Line(keyH4)->m_nPos); }, TRUE},
        {"a move released where it started changes nothing", ID_SHEET_LINE_MOVE, -1,
         [&] {
             Hover(500, 300);
             Press(500, 300);
             Release(500, 300);
         },
         [] {}, FALSE},
        {"cut H2 where V1 crosses it", ID_SHEET_LINE_CUT, keyH2,
         [&] {
             Hover(304, 596);
             Press(304, 596);
             Release(304, 596);
         },
         [&] {
             EXPECT_EQ(Line(keyV1)->m_nID, Line(keyH2)->m_nEndID);
             CCappLine* pPiece = FindLine(CCappLine::typeHCell, 600, Line(keyH2));
             ASSERT_NE(nullptr, pPiece);
             EXPECT_EQ(Line(keyV1)->m_nID, pPiece->m_nStartID);
             EXPECT_EQ(kFrameLast, pPiece->m_nEndID);
             EXPECT_EQ(Line(keyH2), m_pView->m_pHighlightLine) << "the cut line stays selected";
         },
         TRUE},
        {"extend V3 down to the frame", ID_SHEET_LINE_EXTEND, keyV3,
         [&] {
             Hover(802, 596);
             Press(802, 596);
             Drag(800, 650);
             Drag(800, 690);
             Release(800, 690);
         },
         [&] {
             EXPECT_EQ(Line(keyH1)->m_nID, Line(keyV3)->m_nStartID);
             EXPECT_EQ(kFrameLast, Line(keyV3)->m_nEndID);
             EXPECT_EQ(CTableLineTool::modeExtend, m_pView->m_nEditMode);
         },
         TRUE},
        {"extend V3 up to the frame", ID_SHEET_LINE_EXTEND, keyV3,
         [&] {
             Hover(797, 104);
             Press(797, 104);
             Drag(800, 30);
             Release(800, 30);
         },
         [&] {
             EXPECT_EQ(kFrameFirst, Line(keyV3)->m_nStartID);
             EXPECT_EQ(Line(keyH2)->m_nID, Line(keyV3)->m_nEndID);
         },
         TRUE},
        {"extend pressed away from the ends does nothing", ID_SHEET_LINE_EXTEND, keyV3,
         [&] {
             Hover(800, 350);
             Press(800, 350);
             Drag(800, 690);
             Release(800, 690);
         },
         [] {}, FALSE},
        {"merge H3a with its continuation H3b", ID_SHEET_LINE_MERGE, keyH3a,
         [&] {
             Hover(500, 400);
             Press(500, 400);
             Release(500, 400);
         },
         [&] {
             EXPECT_EQ(kFrameLast, Line(keyH3a)->m_nEndID);
             EXPECT_EQ(nullptr, FindLine(CCappLine::typeHCell, 400, Line(keyH3a)));
         },
         TRUE},
        {"merge with a line that does not continue it does nothing", ID_SHEET_LINE_MERGE, keyH3a,
         [&] {
             Hover(500, 100);
             Press(500, 100);
             Release(500, 100);
         },
         [] {}, FALSE},
    };
    const RECT rcFree = ClipRect();
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ResetTool();
        if (c.nSelect >= 0) {
            SelectByMouse(c.nSelect);
            ASSERT_EQ(Line(c.nSelect), m_pView->m_pHighlightLine);
        }
        Command(c.nToolID);
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        const int nUndoIndex = m_pSheet->m_DefUndo.GetCurIndex();
        const Bytes before = GridBytes();

        c.fnGesture();
        c.fnCheck();
        EXPECT_FALSE(m_pView->m_lineTool.IsDragging());
        EXPECT_EQ(nullptr, ::GetCapture()) << "capture released";
        EXPECT_TRUE(SameRect(rcFree, ClipRect())) << "cursor clip released";
        const Bytes after = GridBytes();
        if (!c.bEdits) {
            EXPECT_EQ(before, after);
            EXPECT_EQ(nUndoIndex, m_pSheet->m_DefUndo.GetCurIndex()) << "nothing recorded";
            EXPECT_EQ(CCappSheetDefView::saveStateSaved, m_pView->GetSaveState());
            continue;
        }
        EXPECT_NE(before, after);
        EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());
        ASSERT_TRUE(Update(ID_SHEET_UNDO).m_bEnabled);
        Command(ID_SHEET_UNDO);
        EXPECT_EQ(before, GridBytes()) << "one undo step takes the whole edit back";
        Command(ID_SHEET_REDO);
        EXPECT_EQ(after, GridBytes());
        Command(ID_SHEET_UNDO);
        EXPECT_EQ(before, GridBytes());
    }
}

// While a line is moved the cursor is held to its band; the clip and the capture go when the
// button comes up, when Escape is pressed, when another window takes the mouse and on a right
// click. Only the button up moves the line.
TEST_F(CTableLineToolTest, AMoveHoldsTheCursorUntilItEndsHoweverItEnds)
{
    using namespace line_sheet;
    struct EndCase
    {
        const char* szName;
        std::function<void()> fnEnd;
        int nPosAfter;
    };
    HWND hOther = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hOther);
    const EndCase cases[] = {
        {"button up", [&] { Release(500, 200); }, 200},
        {"Escape", [&] { m_pView->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0); }, 300},
        {"capture taken by another window", [&] { ::SetCapture(hOther); }, 300},
        {"right click", [&] { Send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 500, 200); }, 300},
    };
    const RECT rcFree = ClipRect();
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ResetTool();
        Command(ID_SHEET_LINE_MOVE);
        Hover(500, 300);
        ASSERT_EQ(CTableLineTool::modeMoveHorz, m_pView->m_nEditMode);
        Press(500, 300);
        Drag(500, 200);
        EXPECT_TRUE(m_pView->m_lineTool.IsDragging());
        EXPECT_EQ(m_pView->m_hWnd, ::GetCapture());
        EXPECT_FALSE(SameRect(rcFree, ClipRect())) << "the cursor is held to the band";
        c.fnEnd();
        EXPECT_FALSE(m_pView->m_lineTool.IsDragging());
        EXPECT_NE(m_pView->m_hWnd, ::GetCapture());
        EXPECT_TRUE(SameRect(rcFree, ClipRect()));
        EXPECT_EQ(c.nPosAfter, Line(keyH4)->m_nPos);
        if (::GetCapture() != nullptr) {
            ::ReleaseCapture();
        }
        if (c.nPosAfter != 300) {
            Command(ID_SHEET_UNDO);
        }
    }
    ::DestroyWindow(hOther);
}

// The band of a move: the extent both crossing lines share, 3 units inside; a left-hand outline
// line between the frame's top and bottom; frame lines pinned.
TEST_F(CTableLineToolTest, MoveLimitsComeFromTheCrossingLines)
{
    using namespace line_sheet;
    CCappLine* pOutline = m_pSheet->AddCellLineBySpace(5, -1, 250, -1, -1, 0);
    ASSERT_NE(nullptr, pOutline);
    struct LimitCase
    {
        const char* szName;
        const CCappLine* pLine;
        int nMin;
        int nMax;
    };
    const CRect& rc = m_pSheet->m_rcFrame;
    const LimitCase cases[] = {
        {"H4 between V1 and V2", Line(keyH4), rc.top + 100 + 3, rc.top + 600 - 3},
        {"V2 between H1 and H2", Line(keyV2), rc.left - 2 + 3, rc.left + 898 - 3},
        {"H2 cut short by V1 on its right", Line(keyH3b), rc.top - 2 + 3, rc.top + 698 - 3},
        {"left-hand outline", pOutline, rc.top, rc.bottom},
        {"top frame line", m_pSheet->GetLineByLineID(3, 0), rc.top, rc.top},
        {"right frame line", m_pSheet->GetLineByLineID(4, kFrameLast), rc.right, rc.right},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.szName);
        int nMin = 0;
        int nMax = 0;
        ASSERT_TRUE(m_pView->m_lineTool.GetMoveLimits(c.pLine, nMin, nMax));
        EXPECT_EQ(c.nMin, nMin);
        EXPECT_EQ(c.nMax, nMax);
    }
}

// The commands arm and disarm the tool; cut, merge, extend and properties need a selected line.
// A right click ends the armed tools, but not deleting with a red line.
TEST_F(CTableLineToolTest, CommandsToggleModesAndRightClicksEndThem)
{
    using namespace line_sheet;
    struct ModeCase
    {
        const char* szName;
        UINT nID;
        int nMode;
        BOOL bNeedsLine;
    };
    const ModeCase cases[] = {
        {"draw", ID_SHEET_LINE_DRAW, CTableLineTool::modeDraw, FALSE},
        {"delete", ID_SHEET_LINE_DELETE, CTableLineTool::modeDelete, FALSE},
        {"move", ID_SHEET_LINE_MOVE, CTableLineTool::modeMove, FALSE},
        {"cut", ID_SHEET_LINE_CUT, CTableLineTool::modeCut, TRUE},
        {"merge", ID_SHEET_LINE_MERGE, CTableLineTool::modeMerge, TRUE},
        {"extend", ID_SHEET_LINE_EXTEND, CTableLineTool::modeExtend, TRUE},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ResetTool();
        EXPECT_EQ(!c.bNeedsLine, Update(c.nID).m_bEnabled);
        SelectByMouse(keyH2);
        EXPECT_TRUE(Update(c.nID).m_bEnabled);
        Command(c.nID);
        EXPECT_EQ(c.nMode, m_pView->m_nEditMode);
        EXPECT_EQ(1, Update(c.nID).m_nCheck);
        Command(c.nID);
        EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
        EXPECT_EQ(0, Update(c.nID).m_nCheck);
    }
    EXPECT_EQ(0, Update(ID_SHEET_LINE_NAVIGATE).m_nCheck);
    Command(ID_SHEET_LINE_NAVIGATE);
    EXPECT_EQ(1, Update(ID_SHEET_LINE_NAVIGATE).m_nCheck);
    Command(ID_SHEET_LINE_NAVIGATE);
    EXPECT_EQ(0, Update(ID_SHEET_LINE_NAVIGATE).m_nCheck);

    struct ClickCase
    {
        const char* szName;
        UINT nID;
        CPoint ptHover; // frame units; (-1, -1) no hover
        int nModeAfter;
    };
    const ClickCase clicks[] = {
        {"draw ends", ID_SHEET_LINE_DRAW, CPoint(500, 100), CCappSheetDefView::editSelect},
        {"move ends", ID_SHEET_LINE_MOVE, CPoint(-1, -1), CCappSheetDefView::editSelect},
        {"delete without a red line ends", ID_SHEET_LINE_DELETE, CPoint(500, 200), CCappSheetDefView::editSelect},
        {"delete with a red line stays", ID_SHEET_LINE_DELETE, CPoint(850, 350), CTableLineTool::modeDelete},
    };
    for (const ClickCase& c : clicks) {
        SCOPED_TRACE(c.szName);
        ResetTool();
        Command(c.nID);
        if (c.ptHover.x >= 0) {
            Hover(c.ptHover.x, c.ptHover.y);
        }
        Send(WM_RBUTTONDOWN, MK_RBUTTON, 20, 20);
        Send(WM_RBUTTONUP, 0, 20, 20);
        EXPECT_EQ(c.nModeAfter, m_pView->m_nEditMode);
    }
}

// The guide of navigation moves a new line onto the position of a parallel line near the cursor.
TEST_F(CTableLineToolTest, NavigationPutsTheNewLineOnTheGuide)
{
    using namespace line_sheet;
    Command(ID_SHEET_LINE_NAVIGATE);
    Command(ID_SHEET_LINE_DRAW);
    // On H2 a little right of V4 (850), drawn down to the frame: the guide is V4.
    Hover(856, 600);
    Press(856, 600);
    Drag(856, 650);
    Drag(856, 690);
    Release(856, 690);
    CCappLine* pNew = FindLine(CCappLine::typeVCell, 850, Line(keyV4));
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(Line(keyH2)->m_nID, pNew->m_nStartID);
    EXPECT_EQ(kFrameLast, pNew->m_nEndID);
}

namespace
{
// What the screen shows of the client now, without repainting (marks drawn on the screen stay).
std::unique_ptr<CTestDib> GrabClient(HWND hWnd)
{
    ::GdiFlush();
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    auto pDib = std::make_unique<CTestDib>(rc.right, rc.bottom);
    CClientDC dc(hWnd);
    pDib->DC().BitBlt(0, 0, rc.right, rc.bottom, &dc, 0, 0, SRCCOPY);
    return pDib;
}

// Black-ish: the dotted rubber line, or a drawn table line.
BOOL IsDark(COLORREF cr)
{
    return GetRValue(cr) < 96 && GetGValue(cr) < 96 && GetBValue(cr) < 96;
}
} // namespace

// A drag of the draw tool shows a dotted rubber line from the press to the snapped end and the
// marker at the start; after the release the new line stands there and the marks are gone.
TEST_F(CTableLineToolTest, TheRubberLineShowsDuringADragAndTheLineAfter)
{
    using namespace line_sheet;
    ::RedrawWindow(m_pView->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Command(ID_SHEET_LINE_DRAW);
    const std::unique_ptr<CTestDib> pBefore = GrabClient(m_pView->m_hWnd);
    Hover(500, 100);
    Press(500, 100);
    Drag(500, 330);
    Drag(503, 560);
    const std::unique_ptr<CTestDib> pDuring = GrabClient(m_pView->m_hWnd);
    SavePng(TestImagePath("line-tool-drag.png").c_str(), pDuring->Bits(), pDuring->Width(), pDuring->Height());
    Release(503, 560);
    ::RedrawWindow(m_pView->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const std::unique_ptr<CTestDib> pAfter = GrabClient(m_pView->m_hWnd);
    SavePng(TestImagePath("line-tool-after.png").c_str(), pAfter->Bits(), pAfter->Width(), pAfter->Height());
    ASSERT_NE(nullptr, FindLine(CCappLine::typeVCell, 500));

    // Along x = 500 between H3b (400) and H2 (600): dots during the drag, a solid line after,
    // nothing before.
    int nBefore = 0;
    int nDuring = 0;
    int nAfter = 0;
    int nSamples = 0;
    for (int y = 420; y <= 580; y += 2) {
        const CPoint pt = Dev(500, y);
        ++nSamples;
        nBefore += IsDark(pBefore->Pixel(pt.x, pt.y)) ? 1 : 0;
        nDuring += IsDark(pDuring->Pixel(pt.x, pt.y)) ? 1 : 0;
        nAfter += IsDark(pAfter->Pixel(pt.x, pt.y)) ? 1 : 0;
    }
    EXPECT_EQ(0, nBefore);
    EXPECT_GT(nDuring, nSamples / 4) << "the dotted rubber line";
    EXPECT_LT(nDuring, nSamples) << "dotted, not solid";
    EXPECT_EQ(nSamples, nAfter);
    // The marker ring around the start and the rubber line are erased by drawing them again.
    const CPoint ptRing = Dev(500, 100 - 15);
    EXPECT_NE(pBefore->Pixel(ptRing.x, ptRing.y), pDuring->Pixel(ptRing.x, ptRing.y)) << "the marker";
    EXPECT_EQ(pBefore->Pixel(ptRing.x, ptRing.y), pAfter->Pixel(ptRing.x, ptRing.y));
}

// Over the client each mode of the tool shows its cursor; select mode and the merge tool without
// a target leave the cursor to the view.
TEST_F(CTableLineToolTest, EachModeShowsItsCursor)
{
    struct CursorCase
    {
        const char* szName;
        int nMode;
        UINT nCursorID; // 0: not the tool's
    };
    const CursorCase cases[] = {
        {"move over a vertical line", CTableLineTool::modeMoveVert, IDC_LINE_MOVE_VERT},
        {"move over a horizontal line", CTableLineTool::modeMoveHorz, IDC_LINE_MOVE_HORZ},
        {"draw", CTableLineTool::modeDraw, IDC_LINE_DRAW},
        {"drawing", CTableLineTool::modeDrawing, IDC_LINE_DRAW},
        {"delete", CTableLineTool::modeDelete, IDC_LINE_DELETE},
        {"over a line", CTableLineTool::modeOverLine, IDC_LINE_OVER},
        {"cut", CTableLineTool::modeCut, IDC_LINE_CUT},
        {"extend", CTableLineTool::modeExtend, IDC_LINE_EXTEND},
        {"extending", CTableLineTool::modeExtending, IDC_LINE_EXTEND},
        {"merge without a target", CTableLineTool::modeMerge, 0},
        {"select", CTableLineTool::modeSelect, 0},
    };
    const HCURSOR hMarker = ::LoadCursorA(nullptr, IDC_CROSS); // used by no mode
    for (const CursorCase& c : cases) {
        SCOPED_TRACE(c.szName);
        // Nothing picked: the real pointer may have moved over a line.
        m_pView->m_lineTool.ResetState();
        m_pView->m_nEditMode = c.nMode;
        ::SetCursor(hMarker);
        m_pView->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_pView->m_hWnd),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        if (c.nCursorID == 0) {
            EXPECT_FALSE(m_pView->m_lineTool.OnSetCursor());
            continue;
        }
        HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(c.nCursorID), RT_GROUP_CURSOR);
        ASSERT_NE(nullptr, hInst);
        const HCURSOR hExpected = ::LoadCursorA(hInst, MAKEINTRESOURCEA(c.nCursorID));
        ASSERT_NE(nullptr, hExpected);
        EXPECT_EQ(hExpected, ::GetCursor());
    }
    m_pView->m_nEditMode = CCappSheetDefView::editSelect;
}
