// The sheet-definition view on the bundled process-card template, in the running designer: its
// drawing against the card library's own, the printer mapping, selection and the context menu,
// the zoom, undo and free-object commands, cell copy, paste and drop, table cleaning, and the
// frame's rulers, script link and data simulation.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "core/CappCell.h"
#include "core/CappDCHelper.h"
#include "core/CappLine.h"
#include "core/CappMidData.h"
#include "core/CardCommFun.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "platform/doc/Document.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/CmdUI.h"
#include "platform/win/Menu.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/SheetViewFixture.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
// What the window shows of a window's client area, read back from the screen.
std::unique_ptr<CTestDib> CaptureClient(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    auto pDib = std::make_unique<CTestDib>(rc.right, rc.bottom);
    CClientDC dc(hWnd);
    pDib->DC().BitBlt(0, 0, rc.right, rc.bottom, &dc, 0, 0, SRCCOPY);
    return pDib;
}

void SaveDib(CTestDib& dib, const char* pszName)
{
    SavePng(TestImagePath(pszName).c_str(), dib.Bits(), dib.Width(), dib.Height());
}

// The designer with the bundled process card open in one sheet-definition window.
class CSheetDefViewTest : public CSheetViewFixture
{
protected:
    // The bundled file itself, not a copy.
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open(SampleTemplate())); }
    // Centres of grid ranges of the frame's head area: with a cell, and without one.
    void FindRanges(std::vector<CPoint>& withCell, std::vector<CPoint>& empty)
    {
        const CRect& rcFrame = m_pSheet->m_rcFrame;
        std::vector<CRect> seen;
        for (int y = rcFrame.top + 5; y < rcFrame.bottom; y += 20) {
            for (int x = rcFrame.left + 5; x < rcFrame.right; x += 20) {
                const CCappRange range = CSheetDefRangeFun::GetRange(*m_pSheet, CPoint(x, y));
                if (CSheetDefRangeFun::IsEmpty(range) ||
                    std::find(seen.begin(), seen.end(), range.m_rect) != seen.end()) {
                    continue;
                }
                seen.push_back(range.m_rect);
                CCappCell* pCell = CSheetDefRangeFun::GetCell(*m_pSheet, range);
                const BOOL bHead = CSheetDefRangeFun::GetMidData(*m_pSheet, range.m_rect.CenterPoint()) == nullptr;
                if (pCell != nullptr && bHead && pCell->m_nContentKind == CCappCell::kindStatic &&
                    !pCell->m_strText.IsEmpty()) {
                    withCell.push_back(range.m_rect.CenterPoint());
                } else if (pCell == nullptr && bHead) {
                    empty.push_back(range.m_rect.CenterPoint());
                }
            }
        }
    }
    CCappCell* CellAt(CPoint ptSheet)
    {
        return CSheetDefRangeFun::GetCell(*m_pSheet, CSheetDefRangeFun::GetRange(*m_pSheet, ptSheet));
    }
};
} // namespace

// Loading lays the view out without painting it on the way: the window shows its old pixels until
// it is next painted, and then the new template, once.
TEST_F(CSheetDefViewTest, LoadingATemplatePaintsNothingUntilTheNextPaint)
{
    const COLORREF crMarker = RGB(255, 0, 255);
    for (const char* pszName : {"InspectionCard.znt", "ProcessCardNext.znt", "ProcessCard.znt"}) {
        SCOPED_TRACE(pszName);
        Idle();
        CRect rcClient;
        m_pView->GetClientRect(&rcClient);
        const CPoint ptProbe = rcClient.CenterPoint();
        {
            CClientDC dc(m_pView->m_hWnd);
            dc.FillSolidRect(&rcClient, crMarker);
        }
        ASSERT_TRUE(m_pView->LoadTemplate(DesignSampleWorkDir() + "\\Template\\" + pszName, TRUE));
        {
            CClientDC dc(m_pView->m_hWnd);
            EXPECT_EQ(crMarker, ::GetPixel(dc, ptProbe.x, ptProbe.y)) << "painted while loading";
        }
        EXPECT_NE(0u, m_pView->GetStyle() & WS_VISIBLE);
        m_pView->UpdateWindow();
        CClientDC dc(m_pView->m_hWnd);
        EXPECT_NE(crMarker, ::GetPixel(dc, ptProbe.x, ptProbe.y)) << "not painted afterwards";
    }
}

// The view shows exactly what the card library draws for the sheet, at each fixed zoom, whether
// it draws straight into the window or through its off-screen bitmap.
TEST_F(CSheetDefViewTest, DrawsTheSheetAsTheCardLibraryDoesAtEachZoom)
{
    struct DrawCase
    {
        const char* szName;
        UINT nZoomID;
        BOOL bFreeObjOn;
    };
    const DrawCase cases[] = {
        {"50 percent", ID_SHEET_ZOOM_50, FALSE},
        {"100 percent", ID_SHEET_ZOOM_100, FALSE},
        {"200 percent", ID_SHEET_ZOOM_200, FALSE},
        {"100 percent off-screen", ID_SHEET_ZOOM_100, TRUE},
        {"200 percent off-screen", ID_SHEET_ZOOM_200, TRUE},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (m_pView->IsFreeObjectOn() != c.bFreeObjOn) {
            Command(ID_SHEET_FREE_SWITCH);
        }
        Command(c.nZoomID);
        Idle();
        std::unique_ptr<CTestDib> pShown = CaptureClient(m_pView->m_hWnd);
        CTestDib expected(pShown->Width(), pShown->Height(), RGB(190, 190, 190));
        {
            CClientDC dcView(m_pView->m_hWnd);
            m_pView->OnPrepareDC(&dcView, nullptr);
            SIZE sizeWindow = {};
            SIZE sizeViewport = {};
            POINT ptOrg = {};
            ::GetWindowExtEx(dcView.GetSafeHdc(), &sizeWindow);
            ::GetViewportExtEx(dcView.GetSafeHdc(), &sizeViewport);
            ::GetViewportOrgEx(dcView.GetSafeHdc(), &ptOrg);
            CDC& dc = expected.DC();
            dc.SetMapMode(MM_ANISOTROPIC);
            dc.SetWindowExt(sizeWindow);
            dc.SetViewportExt(sizeViewport);
            dc.SetViewportOrg(ptOrg.x, ptOrg.y);
            m_pSheet->DrawSheet(&dc);
            dc.SetMapMode(MM_TEXT);
            dc.SetViewportOrg(0, 0);
        }
        int nDiffer = 0;
        for (int y = 0; y < expected.Height(); ++y) {
            for (int x = 0; x < expected.Width(); ++x) {
                nDiffer += pShown->Pixel(x, y) != expected.Pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(0, nDiffer);
        EXPECT_GT(pShown->CountInk(CRect(0, 0, pShown->Width(), pShown->Height()), RGB(190, 190, 190)), 1000)
            << "the sheet is on screen";
        if (nDiffer != 0 || c.nZoomID == ID_SHEET_ZOOM_100) {
            CString strName;
            strName.Format("sheetdef-view-%u-%d.png", c.nZoomID, c.bFreeObjOn);
            SaveDib(*pShown, strName);
        }
    }
}

// "50%" zooms to half the true size (it used to give a quarter); every fixed zoom is a share of
// the screen's dots per tenth of a millimetre, cut to whole percent.
TEST_F(CSheetDefViewTest, FixedZoomsAreSharesOfTheTrueSize)
{
    struct ZoomCase
    {
        UINT nID;
        int nPercent;
    };
    const ZoomCase cases[] = {
        {ID_SHEET_ZOOM_10, 10},   {ID_SHEET_ZOOM_50, 50},   {ID_SHEET_ZOOM_75, 75},
        {ID_SHEET_ZOOM_100, 100}, {ID_SHEET_ZOOM_200, 200}, {ID_SHEET_ZOOM_400, 400},
    };
    const double d = CCappDCHelper::GetScreenDotPerTMM();
    EXPECT_FLOAT_EQ(static_cast<float>(static_cast<int>(std::trunc(d * 100)) * 0.01f), m_pView->GetZoomLevel())
        << "a template opens at its true size";
    for (const ZoomCase& c : cases) {
        SCOPED_TRACE(c.nPercent);
        Command(c.nID);
        EXPECT_FLOAT_EQ(static_cast<float>(static_cast<int>(std::trunc(d * c.nPercent)) * 0.01f),
                        m_pView->GetZoomLevel());
    }
    Command(ID_SHEET_ZOOM_100);
    const float fTrue = m_pView->GetZoomLevel();
    Command(ID_SHEET_ZOOM_IN);
    EXPECT_NEAR(fTrue * 1.25f, m_pView->GetZoomLevel(), 0.001f);
    Command(ID_SHEET_ZOOM_OUT);
    EXPECT_NEAR(fTrue, m_pView->GetZoomLevel(), 0.001f);
}

// The rectangle zoom and the pan are toggles with check marks; holding Ctrl pans for as long as
// it is held; a right click leaves either.
TEST_F(CSheetDefViewTest, ZoomRectanglePanAndCtrlAreTogglesARightClickEnds)
{
    Command(ID_SHEET_ZOOM_RECT);
    EXPECT_EQ(CKvZoomView::stateZoomRect, m_pView->GetZoomState());
    EXPECT_EQ(1, Update(m_pView, ID_SHEET_ZOOM_RECT).m_nCheck);
    Command(ID_SHEET_ZOOM_RECT);
    EXPECT_EQ(CKvZoomView::stateNone, m_pView->GetZoomState());
    EXPECT_EQ(0, Update(m_pView, ID_SHEET_ZOOM_RECT).m_nCheck);

    Command(ID_SHEET_ZOOM_MOVE);
    EXPECT_EQ(CKvZoomView::stateMove, m_pView->GetZoomState());
    EXPECT_EQ(1, Update(m_pView, ID_SHEET_ZOOM_MOVE).m_nCheck);
    m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(CKvZoomView::stateNone, m_pView->GetZoomState()) << "the right click ends the pan, no menu";

    m_pView->SendMessage(WM_KEYDOWN, VK_CONTROL, 0);
    EXPECT_EQ(CKvZoomView::stateMove, m_pView->GetZoomState());
    m_pView->SendMessage(WM_KEYDOWN, VK_CONTROL, 0x40000000);
    EXPECT_EQ(CKvZoomView::stateMove, m_pView->GetZoomState()) << "a repeated key does not toggle back";
    m_pView->SendMessage(WM_KEYUP, VK_CONTROL, 0);
    EXPECT_EQ(CKvZoomView::stateNone, m_pView->GetZoomState());

    // Drawing lines (edit mode 3) ends with a right click, without the context menu.
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    m_pView->SelectAt(withCell[0]);
    m_pView->m_nEditMode = 3;
    const CPoint pt = ClientOf(withCell[0]);
    // Should a menu open after all, the timer closes it and says so.
    static bool s_bMenuShown = false;
    s_bMenuShown = false;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR nID, DWORD) {
        ::KillTimer(nullptr, nID);
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        s_bMenuShown = ::GetGUIThreadInfo(0, &info) && (info.flags & GUI_INMENUMODE) != 0;
        ::EndMenu();
    });
    m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    ::KillTimer(nullptr, nTimer);
    EXPECT_FALSE(s_bMenuShown);
    EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
}

// A mouse past the bottom right edge scrolls the view by its distance from the edge, within the
// scroll range; inside the window nothing scrolls.
TEST_F(CSheetDefViewTest, AMousePastTheEdgeScrollsByItsDistance)
{
    Command(ID_SHEET_ZOOM_400);
    Idle();
    m_pView->ScrollToPosition(CPoint(0, 0));
    CRect rc;
    m_pView->GetClientRect(&rc);
    struct ScrollCase
    {
        const char* szName;
        CPoint pt;
        CPoint ptScrollAfter;
    };
    const ScrollCase cases[] = {
        {"inside", CPoint(rc.right - 5, rc.bottom - 5), CPoint(0, 0)},
        {"right of the edge", CPoint(rc.right + 30, rc.bottom - 5), CPoint(30, 0)},
        {"below the edge", CPoint(rc.right - 5, rc.bottom + 20), CPoint(30, 20)},
        {"far past both", CPoint(rc.right + 30000, rc.bottom + 30000),
         CPoint(m_pView->GetScrollLimit(SB_HORZ), m_pView->GetScrollLimit(SB_VERT))},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.pt.x, c.pt.y));
        EXPECT_EQ(c.ptScrollAfter.x, ::GetScrollPos(m_pView->m_hWnd, SB_HORZ));
        EXPECT_EQ(c.ptScrollAfter.y, ::GetScrollPos(m_pView->m_hWnd, SB_VERT));
    }
}

// Printing with ZoomPrint 0 puts the frame at its true millimetres whatever the zoom; with
// ZoomPrint 1 the print follows the zoom.
TEST_F(CSheetDefViewTest, PrinterMappingKeepsTrueSizeOrFollowsTheZoom)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CDC dc;
    ASSERT_TRUE(dc.Attach(::CreateDCA(nullptr, FX_TEST_PRINTER, nullptr, nullptr)));
    dc.m_bPrinting = TRUE;
    const int cxDpi = dc.GetDeviceCaps(LOGPIXELSX);
    const int cyDpi = dc.GetDeviceCaps(LOGPIXELSY);
    const int cxOffset = dc.GetDeviceCaps(PHYSICALOFFSETX);
    const int cyOffset = dc.GetDeviceCaps(PHYSICALOFFSETY);
    // The frame's corners on paper, in millimetres from the paper's corner.
    auto frameOnPaper = [&](UINT nZoomID, int nZoomPrint, double mm[4]) {
        Command(nZoomID);
        m_pView->SetZoomPrint(nZoomPrint);
        ::SaveDC(dc.GetSafeHdc());
        m_pView->OnPrepareDC(&dc, nullptr);
        POINT pts[2] = {{m_pSheet->m_rcFrame.left, m_pSheet->m_rcFrame.top},
                        {m_pSheet->m_rcFrame.right, m_pSheet->m_rcFrame.bottom}};
        dc.LPtoDP(pts, 2);
        ::RestoreDC(dc.GetSafeHdc(), -1);
        mm[0] = (pts[0].x + cxOffset) * 25.4 / cxDpi;
        mm[1] = (pts[0].y + cyOffset) * 25.4 / cyDpi;
        mm[2] = (pts[1].x + cxOffset) * 25.4 / cxDpi;
        mm[3] = (pts[1].y + cyOffset) * 25.4 / cyDpi;
    };
    double at50[4] = {};
    double at200[4] = {};
    frameOnPaper(ID_SHEET_ZOOM_50, 0, at50);
    const float fLevel50 = m_pView->GetZoomLevel();
    frameOnPaper(ID_SHEET_ZOOM_200, 0, at200);
    const float fLevel200 = m_pView->GetZoomLevel();
    const double expected[4] = {m_pSheet->m_rcFrame.left / 10.0, m_pSheet->m_rcFrame.top / 10.0,
                                m_pSheet->m_rcFrame.right / 10.0, m_pSheet->m_rcFrame.bottom / 10.0};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(at50[i], at200[i], 0.2);
        EXPECT_NEAR(expected[i], at50[i], 0.2) << "true size from the paper's corner";
    }
    frameOnPaper(ID_SHEET_ZOOM_50, 1, at50);
    frameOnPaper(ID_SHEET_ZOOM_200, 1, at200);
    const double dRatio = static_cast<double>(fLevel200) / fLevel50;
    // Without the printing offset: ZoomPrint 1 starts at the printable corner.
    for (int i = 2; i < 4; ++i) {
        SCOPED_TRACE(i);
        const double dOffset = (i == 2 ? cxOffset * 25.4 / cxDpi : cyOffset * 25.4 / cyDpi);
        EXPECT_NEAR(dRatio, (at200[i] - dOffset) / (at50[i] - dOffset), 0.01);
    }
    // A true-size page to look at: what the view prints at 200 % with ZoomPrint 0.
    Command(ID_SHEET_ZOOM_200);
    m_pView->SetZoomPrint(0);
    const std::string strPs = TestImagePath("sheetdef-print.ps");
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = "sheet";
    info.lpszOutput = strPs.c_str();
    ASSERT_GT(::StartDocA(dc.GetSafeHdc(), &info), 0);
    ::StartPage(dc.GetSafeHdc());
    ::SaveDC(dc.GetSafeHdc());
    m_pView->OnPrepareDC(&dc, nullptr);
    m_pSheet->DrawSheet(&dc);
    ::RestoreDC(dc.GetSafeHdc(), -1);
    ::EndPage(dc.GetSafeHdc());
    ::EndDoc(dc.GetSafeHdc());
    EXPECT_FALSE(ReadWholeFile(strPs.c_str()).empty());
    RenderPostScript(strPs.c_str(), TestImagePath("sheetdef-print-%d.png").c_str());
}

// Undo and redo take back and bring back whole line edits, in order; adding a cell ends it.
TEST_F(CSheetDefViewTest, UndoAndRedoOfLineEditsFollowTheHistory)
{
    CCappLine* pLine = nullptr;
    for (POSITION pos = m_pSheet->m_HCellLineList.GetHeadPosition(); pos != nullptr && pLine == nullptr;) {
        auto* p = static_cast<CCappLine*>(m_pSheet->m_HCellLineList.GetNext(pos));
        if (p->m_nType == CCappLine::typeHCell) {
            pLine = p;
        }
    }
    ASSERT_NE(nullptr, pLine);
    const int nID = pLine->m_nID;
    const int nPos0 = pLine->m_nPos;
    m_pSheet->m_DefUndo.DetachUndoList();
    ASSERT_TRUE(m_pSheet->MoveCellLine(1, nID, nPos0 + 1, 1));
    ASSERT_TRUE(m_pSheet->MoveCellLine(1, nID, nPos0 + 2, 1));
    auto posNow = [&]() {
        CCappLine* p = m_pSheet->FindLine(1, nID);
        return p != nullptr ? p->m_nPos : -1;
    };
    struct StepCase
    {
        const char* szName;
        UINT nID;
        int nPosAfter;
        BOOL bCanUndo;
        BOOL bCanRedo;
    };
    const StepCase steps[] = {
        {"undo the second move", ID_SHEET_UNDO, nPos0 + 1, TRUE, TRUE},
        {"undo the first move", ID_SHEET_UNDO, nPos0, FALSE, TRUE},
        {"nothing left to undo", ID_SHEET_UNDO, nPos0, FALSE, TRUE},
        {"redo the first move", ID_SHEET_REDO, nPos0 + 1, TRUE, TRUE},
        {"redo the second move", ID_SHEET_REDO, nPos0 + 2, TRUE, FALSE},
        {"undo again", ID_SHEET_UNDO, nPos0 + 1, TRUE, TRUE},
    };
    for (const StepCase& c : steps) {
        SCOPED_TRACE(c.szName);
        if (Update(m_pView, c.nID).m_bEnabled) {
            Command(c.nID);
        }
        EXPECT_EQ(c.nPosAfter, posNow());
        EXPECT_EQ(c.bCanUndo, Update(m_pView, ID_SHEET_UNDO).m_bEnabled);
        EXPECT_EQ(c.bCanRedo, Update(m_pView, ID_SHEET_REDO).m_bEnabled);
    }
    EXPECT_EQ(3, m_pSheet->m_nState) << "undoing changes the template";

    // A pasted cell ends the line history.
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    ASSERT_FALSE(empty.empty());
    m_pView->SelectAt(withCell[0]);
    Command(ID_EDIT_COPY);
    m_pView->SelectAt(empty[0]);
    Command(ID_EDIT_PASTE);
    EXPECT_FALSE(Update(m_pView, ID_SHEET_UNDO).m_bEnabled);
    EXPECT_FALSE(Update(m_pView, ID_SHEET_REDO).m_bEnabled);
}

// Copy and paste put a copy of the cell's format on the selected range: a new cell with its
// own id and a variable name of its own; without a copied cell nothing happens.
TEST_F(CSheetDefViewTest, CopyAndPasteMakeAnOwnCellOnTheRange)
{
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    ASSERT_FALSE(empty.empty());
    m_pMain->SetCopiedCell(nullptr);
    const int nCells = CountCells();
    m_pView->SelectAt(empty[0]);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(nCells, CountCells()) << "nothing copied, nothing pasted";

    CCappCell* pSource = CellAt(withCell[0]);
    pSource->m_nContentKind = CCappCell::kindVariable;
    pSource->m_strVarName = "零件号";
    m_pView->SelectAt(withCell[0]);
    Command(ID_EDIT_COPY);
    m_pView->SelectAt(empty[0]);
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(nCells + 1, CountCells());
    CCappCell* pCopy = CellAt(empty[0]);
    ASSERT_NE(nullptr, pCopy);
    EXPECT_NE(pSource->m_nCellID, pCopy->m_nCellID);
    EXPECT_STREQ("零件号!", pCopy->m_strVarName) << "a bound name is not bound twice";
    EXPECT_EQ(CCappCell::seatHead, pCopy->m_nDataPos);
    EXPECT_EQ(pSource, CellAt(withCell[0]));
}

// A cell dragged onto another range: copied to an empty one, written over an occupied one or
// exchanged with it as the move-cell dialog says; a drop onto its own range changes nothing.
TEST_F(CSheetDefViewTest, DroppingACellCopiesOverwritesSwapsOrIgnoresItsOwnRange)
{
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_GE(withCell.size(), 2u);
    ASSERT_FALSE(empty.empty());
    struct DropCase
    {
        const char* szName;
        int nTarget;       // 0 own range, 1 an empty range, 2 a range with a cell
        int nDialogChoice; // -1 no dialog
        LRESULT lOverAnswer;
        LRESULT lDropAnswer;
        BOOL bSourceKeepsText;
        BOOL bTargetGetsSourceText;
    };
    const DropCase cases[] = {
        {"onto its own range", 0, -1, 1, 0, TRUE, TRUE},
        {"onto an empty range", 1, -1, 2, 1, TRUE, TRUE},
        {"overwrite", 2, IDC_MOVE_OVERWRITE, 2, 1, TRUE, TRUE},
        {"swap", 2, IDC_MOVE_SWAP, 2, 1, FALSE, TRUE},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        const CPoint ptSource = withCell[0];
        const CPoint ptTarget = c.nTarget == 0 ? ptSource : c.nTarget == 1 ? empty[0] : withCell[1];
        const CString strSource = CellAt(ptSource)->m_strText;
        const CString strTarget = c.nTarget == 2 ? CellAt(ptTarget)->m_strText : CString();
        const int nCells = CountCells();
        if (c.nDialogChoice >= 0) {
            ui.OnDialog(IDD_MOVE_CELL, [&](CTestDlg& dlg) {
                dlg.Click(c.nDialogChoice);
                dlg.Click(IDOK);
            });
        }
        m_pView->SelectAt(ptSource);
        m_pView->m_dropTarget.m_point = ClientOf(ptTarget);
        EXPECT_EQ(c.lOverAnswer, m_pView->SendMessage(CCappSheetDefView::msgDragOver));
        EXPECT_EQ(c.lOverAnswer == 2, !CSheetDefRangeFun::IsEmpty(m_pView->m_rangeDrop)) << "highlighted";
        EXPECT_EQ(c.lDropAnswer, m_pView->SendMessage(CCappSheetDefView::msgDrop));
        EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeDrop));
        ASSERT_NE(nullptr, CellAt(ptSource)) << "the dragged range keeps a cell";
        ASSERT_NE(nullptr, CellAt(ptTarget));
        EXPECT_STREQ(c.bSourceKeepsText ? strSource : strTarget, CellAt(ptSource)->m_strText);
        EXPECT_STREQ(strSource, CellAt(ptTarget)->m_strText);
        EXPECT_EQ(nCells + (c.nTarget == 1 ? 1 : 0), CountCells());
        if (c.nDialogChoice == IDC_MOVE_SWAP) {
            EXPECT_STREQ(strTarget, m_pMain->m_copiedCell.m_strText) << "the former target is in the clipboard";
        }
        EXPECT_EQ(c.nDialogChoice >= 0 ? 1 : 0, ui.GetDialogsOpened());
        if (c.nTarget == 2) {
            // Put the target's text back for the next row.
            CellAt(ptTarget)->m_strText = strTarget;
            CellAt(ptSource)->m_strText = strSource;
        }
    }
}

// Dragging over an area without a grid range gives no drop and no highlight.
TEST_F(CSheetDefViewTest, DraggingOverAnEmptyAreaGivesNoDrop)
{
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    m_pView->SelectAt(withCell[0]);
    const CPoint ptOutside(m_pSheet->m_rcFrame.left / 2 + 1, m_pSheet->m_rcFrame.top / 2 + 1);
    EXPECT_EQ(1, m_pView->DragOverAt(ptOutside));
    EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeDrop));
    EXPECT_EQ(0, m_pView->SendMessage(CCappSheetDefView::msgDrop));
    EXPECT_EQ(0, m_pView->SendMessage(CCappSheetDefView::msgDragLeave));
    // No cell selected, no drag to start.
    m_pView->SelectAt(CPoint(0, 0));
    EXPECT_FALSE(m_pView->StartCellDrag());
}

// A click selects the range under it; with the free-object switch on clicks leave the cells
// alone, and switching it off clears the selection. The context menu follows the selection.
TEST_F(CSheetDefViewTest, ClicksSelectRangesAndTheContextMenuFollowsTheSelection)
{
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    CMenu none;
    int nPopup = -1;
    EXPECT_FALSE(m_pView->BuildContextMenu(none, nPopup)) << "no selection, no menu";

    const CPoint pt = ClientOf(withCell[0]);
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    ASSERT_FALSE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel));
    EXPECT_TRUE(m_pView->m_rangeSel.m_rect.PtInRect(withCell[0]));

    CMenu menu;
    ASSERT_TRUE(m_pView->BuildContextMenu(menu, nPopup));
    EXPECT_EQ(0, nPopup) << "a head cell gets the \"cell\" popup";
    CMenu* pPopup = menu.GetSubMenu(nPopup);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(9, pPopup->GetMenuItemCount());
    CString strText;
    pPopup->GetMenuString(ID_SHEET_CELL_PROPERTIES, strText, MF_BYCOMMAND);
    EXPECT_STREQ("属性...", strText);

    // The popup opens at the cursor; a picture of the view with its selection and the menu.
    static HWND s_hMenuWnd = nullptr;
    s_hMenuWnd = nullptr;
    ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR nID, DWORD) {
        ::KillTimer(nullptr, nID);
        s_hMenuWnd = ::FindWindowA("#32768", nullptr);
        if (s_hMenuWnd != nullptr) {
            ::UpdateWindow(s_hMenuWnd);
            RECT rc = {};
            ::GetWindowRect(s_hMenuWnd, &rc);
            CClientDC dcScreen(nullptr);
            CTestDib dib(900, 640);
            ::BitBlt(dib.DC().GetSafeHdc(), 0, 0, 900, 640, dcScreen.GetSafeHdc(), 0, 0, SRCCOPY);
            SaveDib(dib, "sheetdef-context-menu.png");
        }
        ::EndMenu();
    });
    m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_NE(nullptr, s_hMenuWnd) << "the popup was shown";

    Command(ID_SHEET_FREE_SWITCH);
    EXPECT_TRUE(m_pView->IsFreeObjectOn());
    EXPECT_EQ(1, Update(m_pView, ID_SHEET_FREE_SWITCH).m_nCheck);
    EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel)) << "switching resets the selection";
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel)) << "a click leaves the cells alone";
    Command(ID_SHEET_FREE_SWITCH);
    EXPECT_FALSE(m_pView->IsFreeObjectOn());

    // Commands whose editors come later stay disabled.
    EXPECT_TRUE(Update(m_pView, ID_SHEET_ADVANCED).m_bEnabled) << "the detail-area settings are built";
    EXPECT_TRUE(Update(m_pView, ID_SHEET_DATA_BINDING).m_bEnabled) << "data binding is built";
    for (UINT nID : {ID_SHEET_FREE_LINE, ID_SHEET_FREE_ROUND_BOX, ID_SHEET_FREE_ARRANGE_FIRST}) {
        EXPECT_FALSE(Update(m_pView, nID).m_bEnabled) << nID;
    }
}

// A right click that ends a tool (drawing or moving lines, a cell-role tool) returns to cell
// selection and opens no context menu; in cell selection the same click opens it.
TEST_F(CSheetDefViewTest, ARightClickThatEndsAToolOpensNoContextMenu)
{
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    const CPoint pt = ClientOf(withCell[0]);
    const struct
    {
        const char* szName;
        UINT nToolID; // 0: no tool armed
        bool bMenu;
    } cases[] = {
        {"drawing lines", ID_SHEET_LINE_DRAW, false},
        {"moving lines", ID_SHEET_LINE_MOVE, false},
        {"static-text tool", ID_SHEET_CELL_STATIC_TOOL, false},
        {"cell selection", 0, true},
    };
    static bool s_bMenuShown = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        ASSERT_FALSE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel));
        if (c.nToolID != 0) {
            Command(c.nToolID);
            ASSERT_NE(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
        }
        s_bMenuShown = false;
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR nID, DWORD) {
            ::KillTimer(nullptr, nID);
            if (::FindWindowA("#32768", nullptr) != nullptr) {
                s_bMenuShown = true;
                ::EndMenu();
            }
        });
        m_pView->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
        m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        ::KillTimer(nullptr, nTimer);
        EXPECT_EQ(c.bMenu, s_bMenuShown);
        EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
    }
}

// Table cleaning deletes cells without text or variable name and says so.
TEST_F(CSheetDefViewTest, TableCleaningDeletesEmptyCellsAndSaysSo)
{
    const int nCells = CountCells();
    auto* pEmptyText = new CCappCell;
    auto* pEmptyVar = new CCappCell;
    pEmptyVar->m_nContentKind = CCappCell::kindVariable;
    m_pSheet->m_HeadCellList.AddTail(pEmptyText);
    m_pSheet->m_PageCellList.AddTail(pEmptyVar);
    CTestUi ui;
    Command(ID_SHEET_CLEAN_TABLE);
    EXPECT_EQ(nCells, CountCells());
    EXPECT_FALSE(m_pSheet->m_HeadCellList.Find(pEmptyText));
    EXPECT_EQ((std::vector<CString>{"成功清理表格"}), ui.TakeBoxTexts());
}

// The rulers number the frame every 8 mm from its start, at each zoom; scrolled past the edge
// they start with the first multiple of 8 on the ruler; the mouse line follows the cursor.
TEST_F(CSheetDefViewTest, RulersNumberTheFrameInMillimetresAtEachZoom)
{
    CRulerBar& hRuler = m_pChild->m_wndHRuler;
    CRulerBar& vRuler = m_pChild->m_wndVRuler;
    ASSERT_TRUE(hRuler.IsWindowVisible());
    ASSERT_TRUE(vRuler.IsWindowVisible());
    for (UINT nZoomID : {ID_SHEET_ZOOM_50, ID_SHEET_ZOOM_100, ID_SHEET_ZOOM_200}) {
        SCOPED_TRACE(nZoomID);
        Command(nZoomID);
        Idle();
        CRect rcDevice;
        CSize sizeTenthMm;
        ASSERT_TRUE(m_pView->GetPageRectDevice(rcDevice, sizeTenthMm));
        CPoint ptFrame = rcDevice.TopLeft();
        ::MapWindowPoints(m_pView->m_hWnd, hRuler.m_hWnd, &ptFrame, 1);
        EXPECT_EQ(ptFrame.x, hRuler.m_nStartPixel);
        EXPECT_EQ(rcDevice.Width(), hRuler.m_nLengthPixel);
        EXPECT_EQ(m_pSheet->m_rcFrame.Width(), hRuler.m_nLengthTenthMm);
        CPoint ptFrameV = rcDevice.TopLeft();
        ::MapWindowPoints(m_pView->m_hWnd, vRuler.m_hWnd, &ptFrameV, 1);
        EXPECT_EQ(ptFrameV.y, vRuler.m_nStartPixel);
        EXPECT_EQ(m_pSheet->m_rcFrame.Height(), vRuler.m_nLengthTenthMm);
        // 8 mm on the ruler is 8 mm of the frame in the view.
        CPoint pt8(m_pSheet->m_rcFrame.left + 80, m_pSheet->m_rcFrame.top);
        pt8 = ClientOf(pt8);
        ::MapWindowPoints(m_pView->m_hWnd, hRuler.m_hWnd, &pt8, 1);
        EXPECT_NEAR(pt8.x, hRuler.PixelOfMm(8), 1);
    }
    std::unique_ptr<CTestDib> pPicture = CaptureClient(m_pChild->m_hWnd);
    SaveDib(*pPicture, "sheetdef-rulers-200.png");

    // Scrolled so that the frame starts left of the ruler: a negative start, numbers from the
    // first multiple of 8 mm at the ruler's edge.
    m_pView->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 300), 0);
    m_pView->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    Idle();
    ASSERT_LT(hRuler.m_nStartPixel, 0);
    CRect rcRuler;
    hRuler.GetClientRect(&rcRuler);
    CTestDib dib(rcRuler.Width(), rcRuler.Height(), ::GetSysColor(COLOR_BTNFACE));
    hRuler.DoPaint(&dib.DC());
    SaveDib(dib, "sheetdef-hruler-negative.png");
    int nFirst = 0;
    while (hRuler.PixelOfMm(nFirst) < 0) {
        nFirst += 8;
    }
    for (int nMm = nFirst; hRuler.PixelOfMm(nMm) < rcRuler.Width() - 2; nMm += 8) {
        SCOPED_TRACE(nMm);
        const int x = hRuler.PixelOfMm(nMm);
        EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(x, rcRuler.bottom - 3)) << "a long tick";
    }
    EXPECT_GT(dib.CountInk(CRect(hRuler.PixelOfMm(nFirst), 0, hRuler.PixelOfMm(nFirst) + 12, 12), RGB(255, 255, 255)),
              0)
        << "a number by the first tick";

    // The mouse line: drawn at the cursor, gone from where it was.
    std::unique_ptr<CTestDib> pBefore = CaptureClient(hRuler.m_hWnd);
    auto shownAt = [&](int x) {
        CClientDC dc(hRuler.m_hWnd);
        return ::GetPixel(dc.GetSafeHdc(), x, 9);
    };
    hRuler.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 5));
    EXPECT_EQ(100, hRuler.m_nLastMouse);
    EXPECT_NE(pBefore->Pixel(100, 9), shownAt(100)) << "the line is drawn at the cursor";
    hRuler.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(140, 5));
    EXPECT_EQ(140, hRuler.m_nLastMouse);
    EXPECT_EQ(pBefore->Pixel(100, 9), shownAt(100)) << "the old line is erased";
    EXPECT_NE(pBefore->Pixel(140, 9), shownAt(140)) << "the line follows the cursor";
}

// Hidden rulers take no scale; showing them again shows the next update's.
TEST_F(CSheetDefViewTest, HiddenRulersAreNotUpdated)
{
    Command(ID_SHEET_ZOOM_100);
    Idle();
    const int nStart = m_pChild->m_wndHRuler.m_nStartPixel;
    m_pChild->SendMessage(WM_COMMAND, ID_SHEET_RULERS, 0);
    Idle();
    EXPECT_FALSE(m_pChild->m_wndHRuler.IsWindowVisible());
    EXPECT_EQ(0, Update(m_pChild, ID_SHEET_RULERS).m_nCheck);
    Command(ID_SHEET_ZOOM_200);
    EXPECT_EQ(nStart, m_pChild->m_wndHRuler.m_nStartPixel);
    m_pChild->SendMessage(WM_COMMAND, ID_SHEET_RULERS, 0);
    Idle();
    EXPECT_EQ(1, Update(m_pChild, ID_SHEET_RULERS).m_nCheck);
    m_pChild->UpdateRulers();
    CRect rcDevice;
    CSize sizeTenthMm;
    ASSERT_TRUE(m_pView->GetPageRectDevice(rcDevice, sizeTenthMm));
    EXPECT_EQ(rcDevice.Width(), m_pChild->m_wndHRuler.m_nLengthPixel);
}

// The simulation needs a saved template and the simulator module; it makes the data folder.
TEST_F(CSheetDefViewTest, DataSimulationAsksForASavedTemplateAndASimulator)
{
    CTestTempFolder folder;
    CDesignWorkDirSetting workDir(folder.GetPath());
    m_pChild->m_strSimulatorDll = "VornSimulatorMissing.dll";
    struct SimCase
    {
        const char* szName;
        BOOL bSaved;
        const char* szMessageStart;
        BOOL bDataDirMade;
    };
    const SimCase cases[] = {
        {"never saved", FALSE, "请先保存模板", FALSE},
        {"no simulator", TRUE, "找不到数据模拟程序 VornSimulatorMissing.dll", TRUE},
    };
    for (const SimCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->m_strPath = c.bSaved ? m_strTemplate : CString();
        CTestUi ui;
        EXPECT_FALSE(m_pChild->RunSimulator());
        const std::vector<CString> texts = ui.TakeBoxTexts();
        ASSERT_EQ(1u, texts.size());
        EXPECT_EQ(0, texts[0].Find(c.szMessageStart)) << static_cast<LPCSTR>(texts[0]);
        EXPECT_EQ(c.bDataDirMade, CCardCommFun::ExistDir(folder.PathOf("data")) != 0);
    }
}

// The script command opens one script window per template and only activates it later.
TEST_F(CSheetDefViewTest, TheScriptCommandOpensOneWindowAndThenActivatesIt)
{
    EXPECT_EQ(nullptr, m_pChild->GetScriptWindow());
    const int nWindows = m_pMain->GetWorksheetCount();
    m_pChild->SendMessage(WM_COMMAND, ID_SHEET_SCRIPT, 0);
    Idle();
    CFrameWnd* pScript = m_pChild->GetScriptWindow();
    ASSERT_NE(nullptr, pScript);
    CString strFrameText;
    m_pChild->GetWindowText(strFrameText);
    ASSERT_NE(nullptr, pScript->GetActiveDocument());
    EXPECT_STREQ(strFrameText + "-Script", pScript->GetActiveDocument()->GetTitle());
    EXPECT_EQ(nWindows + 1, m_pMain->GetWorksheetCount());
    m_pChild->SendMessage(WM_COMMAND, ID_SHEET_SCRIPT, 0);
    Idle();
    EXPECT_EQ(pScript, m_pChild->GetScriptWindow());
    EXPECT_EQ(nWindows + 1, m_pMain->GetWorksheetCount());
}

// Closing the script window clears the link; closing the template window closes its script
// window first.
TEST_F(CSheetDefViewTest, ClosingEitherWindowEndsTheScriptLink)
{
    m_pChild->SendMessage(WM_COMMAND, ID_SHEET_SCRIPT, 0);
    Idle();
    CFrameWnd* pScript = m_pChild->GetScriptWindow();
    ASSERT_NE(nullptr, pScript);
    pScript->SendMessage(WM_CLOSE);
    Idle();
    EXPECT_EQ(nullptr, m_pChild->GetScriptWindow());

    m_pChild->SendMessage(WM_COMMAND, ID_SHEET_SCRIPT, 0);
    Idle();
    const HWND hScript = m_pChild->GetScriptWindow() != nullptr ? m_pChild->GetScriptWindow()->m_hWnd : nullptr;
    ASSERT_NE(nullptr, hScript);
    const HWND hChild = m_pChild->m_hWnd;
    m_pChild->SendMessage(WM_CLOSE);
    Idle();
    EXPECT_FALSE(::IsWindow(hScript));
    EXPECT_FALSE(::IsWindow(hChild));
}

// The ruler's scale by itself: numbered ticks every 8 mm from the frame's start and on past its
// end, grey and counted down before a start inside the ruler, none left of the ruler's edge.
TEST_F(CSheetDefViewTest, RulerTicksFollowTheScaleOnBothSidesOfTheFrame)
{
    struct ScaleCase
    {
        const char* szName;
        int nLengthTenthMm;
        int nStart;
        int nLengthPixel;
        int nFirstMm; // the first long tick at or right of the ruler's edge
    };
    const ScaleCase cases[] = {
        {"210 mm from the edge", 2100, 0, 420, 0},
        {"room before the frame", 2100, 40, 420, -16},
        {"scrolled past the edge", 2100, -100, 420, 56},
    };
    CRulerBar& ruler = m_pChild->m_wndHRuler;
    const int cx = 700;
    const int cy = CRulerBar::kThickness;
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ruler.SetScale(c.nLengthTenthMm, c.nStart, c.nLengthPixel);
        ruler.MoveWindow(0, 0, cx, cy);
        CTestDib dib(cx, cy, ::GetSysColor(COLOR_BTNFACE));
        ruler.DoPaint(&dib.DC());
        CString strName;
        strName.Format("sheetdef-ruler-%d.png", c.nStart);
        SaveDib(dib, strName);
        int nTicks = 0;
        for (int nMm = c.nFirstMm; ruler.PixelOfMm(nMm) < cx - 1; nMm += 8) {
            SCOPED_TRACE(nMm);
            const int x = ruler.PixelOfMm(nMm);
            EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(x, cy - 3)) << "a long tick";
            ++nTicks;
        }
        EXPECT_GT(ruler.PixelOfMm(c.nFirstMm + 8 * (nTicks - 1)), c.nStart + c.nLengthPixel)
            << "the numbering goes on past the frame's end";
        EXPECT_LT(ruler.PixelOfMm(c.nFirstMm - 8), 0) << "the first tick is the first on the ruler";
        if (c.nStart > 0) {
            EXPECT_EQ(RGB(127, 127, 127), dib.Pixel(c.nStart / 2 + 1, cy / 2 + 3)) << "grey before the frame";
        }
    }
}

// The selection shows as a red outline and a highlighted line is drawn over in red; selecting
// anew drops the highlight and the marks go with the selection.
TEST_F(CSheetDefViewTest, TheSelectionAndTheHighlightedLineShowInRed)
{
    Command(ID_SHEET_ZOOM_100);
    m_pView->ScrollToPosition(CPoint(0, 0));
    Idle();
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    CRect rcClient;
    m_pView->GetClientRect(&rcClient);
    auto countRed = [&](const CRect& rcSheet) {
        std::unique_ptr<CTestDib> pShown = CaptureClient(m_pView->m_hWnd);
        CRect rc(ClientOf(rcSheet.TopLeft()), ClientOf(rcSheet.BottomRight()));
        rc.InflateRect(2, 2);
        rc.IntersectRect(&rc, &rcClient);
        int nRed = 0;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                nRed += pShown->Pixel(x, y) == RGB(255, 0, 0) ? 1 : 0;
            }
        }
        return nRed;
    };
    const CCappRange range = CSheetDefRangeFun::GetRange(*m_pSheet, withCell[0]);
    EXPECT_EQ(0, countRed(range.m_rect));
    m_pView->SelectAt(withCell[0]);
    const CRect rcSel = m_pView->m_rangeSel.m_rect;
    EXPECT_GT(countRed(rcSel), 2 * (ClientOf(rcSel.BottomRight()).x - ClientOf(rcSel.TopLeft()).x) - 8)
        << "an outline around the selection";

    CPoint ptStart;
    CPoint ptEnd;
    ASSERT_TRUE(m_pSheet->GetLineCoordinate(range.m_pBottomLine, ptStart, ptEnd, 0));
    const CRect rcLine(ptStart.x, ptStart.y, ptEnd.x, ptEnd.y + 1);
    m_pView->SelectAt(CPoint(0, 0));
    EXPECT_EQ(0, countRed(rcSel)) << "no selection, no outline";
    m_pView->m_pHighlightLine = range.m_pBottomLine;
    const int nShownLength = std::min<int>(ClientOf(ptEnd).x, rcClient.right) - std::max<int>(ClientOf(ptStart).x, 0);
    EXPECT_GT(countRed(rcLine), nShownLength - 4) << "the line drawn over in red where it shows";
    m_pView->SelectAt(empty.empty() ? withCell[0] : empty[0]);
    EXPECT_EQ(nullptr, m_pView->m_pHighlightLine);
}

// Every command that changes the sheet marks a saved template changed, so closing asks; commands
// that change nothing leave it saved.
TEST_F(CSheetDefViewTest, CommandsThatChangeTheSheetMarkTheTemplateChanged)
{
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    ASSERT_FALSE(empty.empty());
    // The one empty range is used again: what a step put there goes first.
    auto clearEmpty = [&] {
        if (CCappCell* pCell = CellAt(empty[0])) {
            CSheetDefRangeFun::RemoveCell(*m_pSheet, pCell);
        }
    };
    auto dropOn = [&](CPoint ptTarget) {
        m_pView->SelectAt(withCell[0]);
        m_pView->m_dropTarget.m_point = ClientOf(ptTarget);
        m_pView->SendMessage(CCappSheetDefView::msgDragOver);
        m_pView->SendMessage(CCappSheetDefView::msgDrop);
    };
    struct StepCase
    {
        const char* szName;
        std::function<void()> act;
        int nState;
    };
    const StepCase cases[] = {
        {"copy",
         [&] {
             m_pView->SelectAt(withCell[0]);
             Command(ID_EDIT_COPY);
         },
         CCappSheetDefView::saveStateSaved},
        {"zoom", [&] { Command(ID_SHEET_ZOOM_200); }, CCappSheetDefView::saveStateSaved},
        {"paste with nothing copied",
         [&] {
             m_pMain->SetCopiedCell(nullptr);
             m_pView->SelectAt(empty[0]);
             Command(ID_EDIT_PASTE);
         },
         CCappSheetDefView::saveStateSaved},
        {"drop onto its own range", [&] { dropOn(withCell[0]); }, CCappSheetDefView::saveStateSaved},
        {"paste a cell",
         [&] {
             m_pView->SelectAt(withCell[0]);
             Command(ID_EDIT_COPY);
             m_pView->SelectAt(empty[0]);
             Command(ID_EDIT_PASTE);
         },
         CCappSheetDefView::saveStateChanged},
        {"drop onto an empty range",
         [&] {
             clearEmpty();
             dropOn(empty[0]);
         },
         CCappSheetDefView::saveStateChanged},
        {"table cleaning",
         [&] {
             m_pSheet->m_HeadCellList.AddTail(new CCappCell);
             CTestUi ui;
             ui.AnswerMessageBox(IDOK);
             Command(ID_SHEET_CLEAN_TABLE);
         },
         CCappSheetDefView::saveStateChanged},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        c.act();
        EXPECT_EQ(c.nState, m_pView->GetSaveState());
    }
}

// Loading a template into the view leaves nothing selected: no range, no table line, no drop
// target; nothing of the old sheet is drawn in red or offered by the context menu.
TEST_F(CSheetDefViewTest, LoadingATemplateClearsTheSelection)
{
    std::vector<CPoint> withCell;
    std::vector<CPoint> empty;
    FindRanges(withCell, empty);
    ASSERT_FALSE(withCell.empty());
    struct LoadCase
    {
        const char* szName;
        int nSelect; // 0 a cell range, 1 a table line, 2 a drop-target range
    };
    const LoadCase cases[] = {
        {"a selected cell range", 0},
        {"a selected table line", 1},
        {"a drop-target range", 2},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.szName);
        const CCappRange range = CSheetDefRangeFun::GetRange(*m_pView->m_pSheet, withCell[0]);
        ASSERT_NE(nullptr, range.m_pBottomLine);
        switch (c.nSelect) {
        case 0:
            m_pView->SelectAt(withCell[0]);
            ASSERT_FALSE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel));
            break;
        case 1:
            m_pView->SelectLine(range.m_pBottomLine);
            ASSERT_EQ(range.m_pBottomLine, m_pView->m_pHighlightLine);
            break;
        default:
            m_pView->DragOverAt(withCell[0]);
            ASSERT_FALSE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeDrop));
            break;
        }
        ASSERT_TRUE(m_pView->LoadTemplate(m_strTemplate, FALSE));
        EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel));
        EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeTrack));
        EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeDrop));
        EXPECT_EQ(nullptr, m_pView->m_pHighlightLine);
        CMenu menu;
        int nPopup = -1;
        EXPECT_FALSE(m_pView->BuildContextMenu(menu, nPopup)) << "nothing selected, no menu";
        m_pSheet = m_pView->m_pSheet;
        // Where the selection was, the new sheet shows no red.
        std::unique_ptr<CTestDib> pShown = CaptureClient(m_pView->m_hWnd);
        CRect rcClient;
        m_pView->GetClientRect(&rcClient);
        CRect rc(ClientOf(range.m_rect.TopLeft()), ClientOf(range.m_rect.BottomRight()));
        rc.InflateRect(2, 2);
        rc.IntersectRect(&rc, &rcClient);
        int nRed = 0;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                nRed += pShown->Pixel(x, y) == RGB(255, 0, 0) ? 1 : 0;
            }
        }
        EXPECT_EQ(0, nRed);
    }
}
