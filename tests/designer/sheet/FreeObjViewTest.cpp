// The free-object tool inside the running designer's sheet view: real mouse and key messages with
// the switch on, the kind and arrangement commands, floating variables bound to head cells, and the
// hand-over of every kind with the template file.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "core/CappCell.h"
#include "core/CappFreeLine.h"
#include "core/CappLine.h"
#include "core/CappFreeSpline.h"
#include "core/CappSheet.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/sheet/FreeObjEditTool.h"
#include "designer/shell/MainFrame.h"
#include "designer/template/TemplateFile.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/CmdUI.h"
#include "tests/designer/sheet/CellToolTestFixture.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/SheetViewFixture.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/TempFolder.h"

namespace
{
CCappFreeObj* ObjAt(const CObList& list, int nIndex)
{
    return static_cast<CCappFreeObj*>(list.GetAt(list.FindIndex(nIndex)));
}

std::vector<CPoint> Handles(CCappFreeObj* pObj)
{
    std::vector<CPoint> points;
    for (int i = 1; i <= pObj->GetHandleCount(); ++i) {
        points.push_back(pObj->GetHandlePoint(i));
    }
    return points;
}

// The designer with a copy of the bundled process card open in one sheet-definition window.
class CFreeObjViewTest : public CSheetViewFixture
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(CSheetViewFixture::SetUp());
        m_nSampleObjs = static_cast<int>(m_pView->m_pSheet->m_listFreeObj.GetCount());
    }
    // The client pixel that the view maps onto exactly this sheet point at the present zoom.
    CPoint PixelOf(CPoint ptSheet)
    {
        CClientDC dc(m_pView->m_hWnd);
        m_pView->OnPrepareDC(&dc, nullptr);
        CPoint ptClient = ptSheet;
        dc.LPtoDP(&ptClient, 1);
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx) {
                const CPoint ptTry(ptClient.x + dx, ptClient.y + dy);
                if (m_pView->ClientToSheet(ptTry) == ptSheet) {
                    return ptTry;
                }
            }
        }
        ADD_FAILURE() << "no pixel maps to " << ptSheet.x << "," << ptSheet.y;
        return ptClient;
    }
    // Zoomed in around the points first, so that every sheet unit has a pixel of its own.
    void ZoomAround(CPoint ptA, CPoint ptB)
    {
        CRect rcAround(std::min(ptA.x, ptB.x) - 120, std::min(ptA.y, ptB.y) - 120, std::max(ptA.x, ptB.x) + 120,
                       std::max(ptA.y, ptB.y) + 120);
        m_pView->ZoomIn(rcAround);
    }
    CPoint ClientOf(CPoint ptSheet)
    {
        ZoomAround(ptSheet, ptSheet);
        return PixelOf(ptSheet);
    }
    void Click(CPoint ptSheet, UINT nFlags = 0)
    {
        const CPoint pt = ClientOf(ptSheet);
        m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | nFlags, MAKELPARAM(pt.x, pt.y));
        m_pView->SendMessage(WM_LBUTTONUP, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    // Press, move and release.
    void Drag(CPoint ptFrom, CPoint ptTo)
    {
        ZoomAround(ptFrom, ptTo);
        const CPoint pt1 = PixelOf(ptFrom);
        const CPoint pt2 = PixelOf(ptTo);
        m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt1.x, pt1.y));
        m_pView->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt2.x, pt2.y));
        m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt2.x, pt2.y));
    }
    std::unique_ptr<CTestDib> Capture()
    {
        ::RedrawWindow(m_pView->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        ::GdiFlush();
        RECT rc = {};
        ::GetClientRect(m_pView->m_hWnd, &rc);
        auto pDib = std::make_unique<CTestDib>(rc.right, rc.bottom);
        CClientDC dc(m_pView->m_hWnd);
        pDib->DC().BitBlt(0, 0, rc.right, rc.bottom, &dc, 0, 0, SRCCOPY);
        return pDib;
    }
    void SwitchOn()
    {
        if (!m_pView->IsFreeObjectOn()) {
            Command(ID_SHEET_FREE_SWITCH);
        }
    }
    CObList& Objs() { return m_pView->m_freeObjTool.m_listFreeObj; }

    int m_nSampleObjs = 0;
};
} // namespace

TEST_F(CFreeObjViewTest, KindCommandsArmOneClickThatCreatesAroundIt)
{
    struct Case
    {
        const char* szName;
        UINT nID;
        CPoint ptClick;
        std::vector<CPoint> handles; // the first handles, in order
    };
    const Case cases[] = {
        {"rectangle: left, bottom, right, top",
         ID_SHEET_FREE_RECT,
         {1000, 1000},
         {{950, 1000}, {1000, 1050}, {1050, 1000}, {1000, 950}}},
        {"line", ID_SHEET_FREE_LINE, {2000, 500}, {{1950, 500}, {2050, 500}}},
        {"circle", ID_SHEET_FREE_CIRCLE, {1500, 800}, {{1450, 800}, {1500, 850}, {1550, 800}, {1500, 750}}},
        {"rounded box", ID_SHEET_FREE_ROUND_BOX, {600, 600}, {{550, 600}, {600, 650}, {650, 600}, {600, 550}}},
    };
    EXPECT_FALSE(Update(ID_SHEET_FREE_RECT).m_bEnabled) << "kinds need the switch";
    SwitchOn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        const INT_PTR nBefore = Objs().GetCount();
        EXPECT_TRUE(Update(c.nID).m_bEnabled);
        EXPECT_EQ(0, Update(c.nID).m_nCheck);
        Command(c.nID);
        EXPECT_EQ(1, Update(c.nID).m_nCheck) << "armed";
        Click(c.ptClick);
        ASSERT_EQ(nBefore + 1, Objs().GetCount());
        CCappFreeObj* pNew = ObjAt(Objs(), static_cast<int>(nBefore));
        std::vector<CPoint> handles = Handles(pNew);
        handles.resize(c.handles.size());
        EXPECT_EQ(c.handles, handles);
        EXPECT_EQ(0, Update(c.nID).m_nCheck) << "one click per command";
        EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());
    }
    // The same command again disarms it; a right click does too.
    Command(ID_SHEET_FREE_RECT);
    Command(ID_SHEET_FREE_RECT);
    EXPECT_EQ(0, Update(ID_SHEET_FREE_RECT).m_nCheck);
    Command(ID_SHEET_FREE_CIRCLE);
    m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(0, Update(ID_SHEET_FREE_CIRCLE).m_nCheck);
}

TEST_F(CFreeObjViewTest, ArrangementCommandsNeedEnoughSelectedObjects)
{
    SwitchOn();
    const CPoint centres[] = {{500, 1500}, {650, 1500}, {1500, 1500}};
    for (const CPoint& pt : centres) {
        Command(ID_SHEET_FREE_RECT);
        Click(pt);
    }
    const UINT kAlignLeft = ID_SHEET_FREE_ARRANGE_FIRST;
    const UINT kSpaceX = ID_SHEET_FREE_ARRANGE_FIRST + 4;
    const UINT kSameBoth = ID_SHEET_FREE_ARRANGE_LAST;
    EXPECT_EQ(1, m_pView->m_freeObjTool.GetSelectedCount());
    EXPECT_FALSE(Update(kAlignLeft).m_bEnabled);
    Click(CPoint(650, 1500), MK_SHIFT);
    EXPECT_TRUE(Update(kAlignLeft).m_bEnabled);
    EXPECT_TRUE(Update(kSameBoth).m_bEnabled);
    EXPECT_FALSE(Update(kSpaceX).m_bEnabled) << "spacing needs three";
    Click(CPoint(500, 1500), MK_SHIFT);
    ASSERT_TRUE(Update(kSpaceX).m_bEnabled);

    Command(kSpaceX);
    const int nFirst = m_nSampleObjs;
    EXPECT_EQ(CRect(450, 1450, 550, 1550), ObjAt(Objs(), nFirst)->GetOutRect());
    EXPECT_EQ(CRect(950, 1450, 1050, 1550), ObjAt(Objs(), nFirst + 1)->GetOutRect()) << "the middle one centred";
    EXPECT_EQ(CRect(1450, 1450, 1550, 1550), ObjAt(Objs(), nFirst + 2)->GetOutRect());

    Command(ID_SHEET_FREE_SWITCH);
    EXPECT_EQ(0, m_pView->m_freeObjTool.GetSelectedCount()) << "switching off deselects";
    EXPECT_FALSE(Update(kAlignLeft).m_bEnabled);
}

TEST_F(CFreeObjViewTest, DraggingMovesTheSelectionAndAHandleMovesItsEdge)
{
    SwitchOn();
    Command(ID_SHEET_FREE_RECT);
    Click(CPoint(1000, 1000));
    CCappFreeObj* pRect = ObjAt(Objs(), m_nSampleObjs);
    m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);

    Drag(CPoint(990, 1010), CPoint(1090, 1110));
    EXPECT_EQ(CRect(1050, 1050, 1150, 1150), pRect->GetOutRect());
    EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());

    // The right-middle handle dragged across the left edge: the box turns round.
    Drag(CPoint(1150, 1100), CPoint(1000, 1100));
    EXPECT_EQ(CRect(1000, 1050, 1050, 1150), pRect->GetOutRect());
    EXPECT_EQ(::GetCapture(), nullptr) << "the button up releases the mouse";

    m_pView->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    m_pView->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(CRect(1001, 1051, 1051, 1151), pRect->GetOutRect());
}

TEST_F(CFreeObjViewTest, FloatingVariableIsBoundToANewHeadCellAndGoesWithIt)
{
    struct Case
    {
        const char* szName;
        UINT nID;
        int nContentKind;
        const char* szVarName;
    };
    const Case cases[] = {
        {"card variable", ID_SHEET_FREE_FLOAT_VAR, CCappCell::kindVariable, "FV1"},
        {"graphic variable", ID_SHEET_FREE_FLOAT_KIND, CCappCell::kindImage, "FIMG1"},
    };
    SwitchOn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        // The new variable's own dialog opens at once and names it.
        CTestUi ui;
        CTestSheets sheets;
        if (c.nContentKind == CCappCell::kindVariable) {
            sheets.OnSheet([&](CPropertySheet& sh) {
                CTestSheets::Page(sh, 0).SetText(IDC_CEL_FIELD_NAME, c.szVarName);
                CTestSheets::Press(sh, IDOK);
            });
        } else {
            ui.OnDialog(IDD_IMAGE_VAR, [&](CTestDlg& dlg) {
                dlg.SetText(IDC_IMAGE_VAR_NAME, c.szVarName);
                dlg.Ok();
            });
        }
        CCappSheet& sheet = *m_pView->m_pSheet;
        const INT_PTR nHeadCells = sheet.m_HeadCellList.GetCount();
        Command(c.nID);
        EXPECT_EQ(1, Update(c.nID).m_nCheck);
        Click(CPoint(1200, 1800));
        ASSERT_EQ(m_nSampleObjs + 1, Objs().GetCount());
        CCappFreeObj* pObj = ObjAt(Objs(), m_nSampleObjs);
        EXPECT_EQ(CCappFreeObj::kindRect, pObj->m_nKind);
        ASSERT_EQ(nHeadCells + 1, sheet.m_HeadCellList.GetCount());
        auto* pCell = static_cast<CCappCell*>(sheet.m_HeadCellList.GetTail());
        EXPECT_EQ(c.nContentKind, pCell->m_nContentKind);
        EXPECT_EQ(CCappCell::seatHead, pCell->m_nDataPos);
        EXPECT_NE(0, pCell->m_bOwnRect);
        EXPECT_GT(pCell->m_nCellID, 0);
        EXPECT_STREQ(c.szVarName, pCell->m_strVarName);
        EXPECT_TRUE(CFreeObjEditTool::IsFloatVar(pObj));
        EXPECT_EQ(pCell->m_nCellID, CFreeObjEditTool::GetCellID(pObj));
        EXPECT_EQ(pObj, m_pView->m_freeObjTool.FindByCellID(pCell->m_nCellID));
        EXPECT_EQ(pCell, m_pView->m_freeObjTool.GetCell(pCell->m_nCellID));

        m_pView->SendMessage(WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ(m_nSampleObjs, Objs().GetCount());
        EXPECT_EQ(nHeadCells, sheet.m_HeadCellList.GetCount()) << "the cell goes with its object";
    }
}

// The template hands every kind to the tool and takes copies back on save: a spline keeps its
// points, nothing doubles, and the sheet draws none of them itself.
TEST_F(CFreeObjViewTest, SaveAndReloadKeepEveryKindOnce)
{
    CCappSheet sheet;
    CString strError;
    ASSERT_TRUE(CTemplateFile::Load(m_strTemplate, sheet, strError)) << strError.GetString();
    CFreeObjEditTool maker;
    for (int nKind = CCappFreeObj::kindLine; nKind <= CCappFreeObj::kindLineArrow; ++nKind) {
        maker.CreateObj(nKind, 300 * nKind, 400 + 20 * nKind);
    }
    auto* pSpline = new CCappFreeSpline;
    for (const CPoint& pt : {CPoint(100, 100), CPoint(400, 250), CPoint(700, 90), CPoint(900, 300)}) {
        pSpline->AddPoint(pt);
    }
    maker.m_listFreeObj.AddTail(pSpline);
    maker.StoreCopies(sheet.m_listFreeObj);
    const CString strSpline = m_temp.PathOf("every-kind.znt");
    ASSERT_TRUE(CTemplateFile::Save(strSpline, sheet, strError)) << strError.GetString();

    ASSERT_TRUE(m_pView->LoadTemplate(strSpline, FALSE));
    EXPECT_EQ(0, m_pView->m_pSheet->m_bOwnDrawFreeObj) << "the tool draws them";
    ASSERT_EQ(11, Objs().GetCount());
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(i + 1, ObjAt(Objs(), i)->m_nKind);
        EXPECT_EQ(Handles(ObjAt(maker.m_listFreeObj, i)), Handles(ObjAt(Objs(), i)));
        EXPECT_NE(ObjAt(Objs(), i), ObjAt(m_pView->m_pSheet->m_listFreeObj, i)) << "copies";
    }

    SwitchOn();
    Command(ID_SHEET_FREE_RECT);
    Click(CPoint(1700, 1700));
    ASSERT_TRUE(m_pView->SaveTemplate(CCappSheetDefView::saveModeSave));
    ASSERT_TRUE(m_pView->SaveTemplate(CCappSheetDefView::saveModeSave));

    CCappSheet reread;
    ASSERT_TRUE(CTemplateFile::Load(strSpline, reread, strError)) << strError.GetString();
    ASSERT_EQ(12, reread.m_listFreeObj.GetCount()) << "saved twice, still once each";
    auto* pReadSpline = dynamic_cast<CCappFreeSpline*>(ObjAt(reread.m_listFreeObj, 10));
    ASSERT_NE(nullptr, pReadSpline);
    EXPECT_EQ(Handles(pSpline), Handles(pReadSpline));
    EXPECT_EQ(CRect(1650, 1650, 1750, 1750), ObjAt(reread.m_listFreeObj, 11)->GetOutRect());

    ASSERT_TRUE(m_pView->LoadTemplate(strSpline, FALSE));
    EXPECT_EQ(12, Objs().GetCount()) << "a reload replaces the tool's objects";
}

// Selected objects show their handles, the focused one inverted; the picture is for a person.
TEST_F(CFreeObjViewTest, SelectedObjectsShowTheirHandles)
{
    SwitchOn();
    const struct
    {
        UINT nID;
        CPoint pt;
    } shapes[] = {{ID_SHEET_FREE_RECT, {1000, 1000}},
                  {ID_SHEET_FREE_CIRCLE, {1150, 1000}},
                  {ID_SHEET_FREE_ROUND_BOX, {1300, 1000}},
                  {ID_SHEET_FREE_LINE, {1150, 1120}}};
    for (const auto& shape : shapes) {
        Command(shape.nID);
        Click(shape.pt);
    }
    auto* pText = ObjAt(Objs(), m_nSampleObjs);
    pText->m_strText = "自由";
    Click(CPoint(1150, 1000));
    Click(CPoint(1300, 1000), MK_SHIFT);
    Click(CPoint(1000, 1000), MK_SHIFT);
    EXPECT_EQ(3, m_pView->m_freeObjTool.GetSelectedCount());
    EXPECT_TRUE(CFreeObjEditTool::IsFocused(ObjAt(Objs(), m_nSampleObjs)));

    CRect rcShow(900, 850, 1400, 1200);
    m_pView->ZoomIn(rcShow);
    auto pSelected = Capture();
    SavePng(TestImagePath("free-objects-selected.png").c_str(), pSelected->Bits(), pSelected->Width(),
            pSelected->Height());
    m_pView->m_freeObjTool.DeselectAll();
    auto pPlain = Capture();

    // Inside the focused rectangle's left-middle handle square, beside the outline: inverted.
    CClientDC dc(m_pView->m_hWnd);
    m_pView->OnPrepareDC(&dc, nullptr);
    CPoint probes[] = {{950, 1000}, {957, 993}};
    dc.LPtoDP(probes, 2);
    const CPoint ptProbe(probes[1].x, probes[1].y);
    EXPECT_NE(pPlain->Pixel(ptProbe.x, ptProbe.y), pSelected->Pixel(ptProbe.x, ptProbe.y))
        << "a handle is drawn where none is without the selection";
}

namespace
{
// The sheet as a card draws it (the cells of floating variables in their own rectangles, the free
// objects by the sheet), one pixel a unit around the given rectangle, written as a picture.
void SaveCardPicture(const CString& strTemplate, const CRect& rcShow, const char* pszName)
{
    CCappSheet sheet;
    CString strError;
    ASSERT_TRUE(CTemplateFile::Load(strTemplate, sheet, strError)) << strError.GetString();
    sheet.m_bOwnDrawFreeObj = 1;
    CTestDib dib(rcShow.Width(), rcShow.Height());
    CDC& dc = dib.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, 1);
    dc.SetWindowOrg(rcShow.left, rcShow.top);
    sheet.DrawSheet(&dc);
    dc.SetMapMode(MM_TEXT);
    dc.SetWindowOrg(0, 0);
    SavePng(TestImagePath(pszName).c_str(), dib.Bits(), dib.Width(), dib.Height());
}
} // namespace

// A floating variable's cell goes where its object goes (dragged, resized by a handle, nudged by
// the arrow keys), in the view and in the saved template; a moved cell ends the line undo history.
TEST_F(CFreeObjViewTest, AFloatingVariablesCellFollowsItsObject)
{
    SwitchOn();
    {
        CTestSheets sheets;
        sheets.OnSheet([](CPropertySheet& sh) {
            CTestSheets::Page(sh, 0).SetText(IDC_CEL_FIELD_NAME, "FV1");
            CTestSheets::Press(sh, IDOK);
        });
        Command(ID_SHEET_FREE_FLOAT_VAR);
        Click(CPoint(1200, 1800));
    }
    CCappSheet& sheet = *m_pView->m_pSheet;
    ASSERT_EQ(m_nSampleObjs + 1, Objs().GetCount());
    CCappFreeObj* pObj = ObjAt(Objs(), m_nSampleObjs);
    CCappCell* pCell = m_pView->m_freeObjTool.GetCell(CFreeObjEditTool::GetCellID(pObj));
    ASSERT_NE(nullptr, pCell);
    ASSERT_EQ(CRect(1150, 1750, 1250, 1850), pObj->GetOutRect());
    EXPECT_EQ(pObj->GetOutRect(), pCell->m_rcOwn);
    // An unfilled frame, so that the pictures show the cell inside it.
    pObj->m_bTransparent = 1;
    const CRect rcShow(1050, 1650, 1550, 2000);
    ASSERT_TRUE(m_pView->SaveTemplate(CCappSheetDefView::saveModeSave));
    SaveCardPicture(m_strTemplate, rcShow, "floating-variable-before-move.png");

    struct MoveCase
    {
        const char* szName;
        std::function<void()> fnGesture;
        CRect rcAfter;
    };
    const MoveCase cases[] = {
        {"dragged", [&] { Drag(CPoint(1190, 1810), CPoint(1290, 1860)); }, CRect(1250, 1800, 1350, 1900)},
        {"its right handle dragged", [&] { Drag(CPoint(1350, 1850), CPoint(1400, 1850)); },
         CRect(1250, 1800, 1400, 1900)},
        {"nudged right and down by the arrow keys",
         [&] {
             m_pView->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
             m_pView->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
         },
         CRect(1251, 1801, 1401, 1901)},
    };
    const auto* pLine = static_cast<CCappLine*>(sheet.m_HCellLineList.GetHead());
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.szName);
        // A line edit to undo, as if the user had ruled one just before.
        sheet.m_DefUndo.MoveCellLine(pLine->m_nType, pLine->m_nID, pLine->m_nPos, pLine->m_nPos);
        ASSERT_NE(0, sheet.m_DefUndo.CanUndo());
        c.fnGesture();
        EXPECT_EQ(c.rcAfter, pObj->GetOutRect());
        EXPECT_EQ(c.rcAfter, pCell->m_rcOwn) << "the cell follows its object";
        EXPECT_EQ(0, sheet.m_DefUndo.CanUndo()) << "a moved cell ends the line undo history";
    }

    // The template stores them together.
    ASSERT_TRUE(m_pView->SaveTemplate(CCappSheetDefView::saveModeSave));
    CCappSheet reread;
    CString strError;
    ASSERT_TRUE(CTemplateFile::Load(m_strTemplate, reread, strError)) << strError.GetString();
    auto* pReadCell = static_cast<CCappCell*>(reread.m_HeadCellList.GetTail());
    EXPECT_STREQ("FV1", pReadCell->m_strVarName);
    EXPECT_EQ(CRect(1251, 1801, 1401, 1901), pReadCell->m_rcOwn);
    EXPECT_EQ(CRect(1251, 1801, 1401, 1901), ObjAt(reread.m_listFreeObj, m_nSampleObjs)->GetOutRect());
    SaveCardPicture(m_strTemplate, rcShow, "floating-variable-after-move.png");

    // Moving a plain object leaves the undo history alone.
    Command(ID_SHEET_FREE_RECT);
    Click(CPoint(1450, 1750));
    sheet.m_DefUndo.MoveCellLine(pLine->m_nType, pLine->m_nID, pLine->m_nPos, pLine->m_nPos);
    m_pView->SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_NE(0, sheet.m_DefUndo.CanUndo());
    EXPECT_EQ(CRect(1251, 1801, 1401, 1901), pCell->m_rcOwn);
}
