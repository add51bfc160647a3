// Filling a card in the view as a planner does: clicking a cell opens the editor, keys write the
// text back and move on across cells, rows and pages, and the host hears of what changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"
#include "core/CellIndexItem.h"
#include "platform/print/PrintInfo.h"
#include "platform/win/Menu.h"
#include "symedit/CappBaseCtrl.h"
#include "symedit/CappNumEdit.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"
#include "tests/work/CardViewTestHost.h"

namespace
{
using PageList = std::vector<std::pair<int, int>>;

constexpr const char* kMDName = "工序";

CPoint ClientPointOf(CCappCardView& view, const CRect& rcSheet)
{
    CPoint pt((rcSheet.left + rcSheet.right) / 2, (rcSheet.top + rcSheet.bottom) / 2);
    view.LpToDp(pt);
    return pt;
}

void Click(CCappCardView& view, const CRect& rcSheet)
{
    const CPoint pt = ClientPointOf(view, rcSheet);
    view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

void ClickHeadCell(CCardViewTestHost& host, const char* pszVar)
{
    CCappCell* pCell = host.FindCell(pszVar);
    ASSERT_NE(nullptr, pCell) << pszVar;
    Click(*host.m_pView, host.m_pView->GetCurSheet()->GetCellRect(pCell));
}

CCappMidData* DetailArea(CCappCardView& view)
{
    CCappSheet* pSheet = view.GetCurSheet();
    return pSheet != nullptr && !pSheet->m_MidDataList.IsEmpty()
               ? static_cast<CCappMidData*>(pSheet->m_MidDataList.GetHead())
               : nullptr;
}

void ClickDetailCell(CCappCardView& view, const char* pszVar, int nGridRow)
{
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    CCappCell* pCell = pArea->GetCellByName(pszVar);
    ASSERT_NE(nullptr, pCell) << pszVar;
    POSITION pos = pCell->m_listCellData.FindIndex(nGridRow);
    ASSERT_NE(nullptr, pos) << "grid row " << nGridRow;
    Click(view, static_cast<CCellDataItem*>(pCell->m_listCellData.GetAt(pos))->m_rect);
}

CWnd* Editor(CCappCardView& view)
{
    return view.m_cellEditor.GetEditWnd();
}

void Type(CWnd* pWnd, const char* pszText)
{
    for (const char* p = pszText; *p != '\0'; ++p) {
        pWnd->SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
    }
}

// A key as the user presses it: into the open editor, else into the view.
void Press(CCappCardView& view, UINT nKey)
{
    CWnd* pTarget = Editor(view) != nullptr ? Editor(view) : &view;
    pTarget->SendMessage(WM_KEYDOWN, nKey, 1);
}

const char* CurVar(CCappCardView& view)
{
    return view.m_pCurCell != nullptr ? view.m_pCurCell->m_strVarName.GetString() : "(none)";
}

std::vector<std::string> VarNotices(const CCardViewTestFrame& frame)
{
    std::vector<std::string> names;
    for (const CardViewNotice& n : frame.m_notices) {
        if (n.nMessage == CCappCardView::msgVarChanged) {
            names.push_back(n.strText);
        }
    }
    return names;
}

// The detail data with nRows one-line operations.
void FillOperations(CCardObj& card, int nRows)
{
    CCappMDData* pMDData = card.m_CardData.GetMDData(kMDName);
    ASSERT_NE(nullptr, pMDData);
    while (pMDData->GetRowCount() < nRows) {
        pMDData->InsertRowData(-1, 0);
    }
    for (int nRow = 0; nRow < nRows; ++nRow) {
        CString strNo;
        strNo.Format("%d", (nRow + 1) * 10);
        CString strName = "车";
        pMDData->SetVarData(nRow, "工序号", strNo);
        pMDData->SetVarData(nRow, "工序名称", strName);
    }
    int bChanged = 0;
    card.ReSetPageCount(bChanged, 1);
}

void RenderView(CCappCardView& view, CTestDib& dib)
{
    view.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dib.DC().GetSafeHdc()));
    view.OnPrepareDC(&dib.DC(), nullptr);
    view.OnDraw(&dib.DC());
}

} // namespace

TEST(CardCellEditorTest, TypedHeadValuesAreWrittenBackSavedAndAnnounced)
{
    struct Case
    {
        const char* szName;
        int nDataType;     // 1 text: the special edit; 2 integer: the number edit
        int nChangeNotice; // the cell's change-notice flag
        const char* szTyped;
        const char* szSaved;                 // what a fresh view shows after SaveCardData
        std::vector<std::string> varNotices; // the 0x516 names the host hears
    };
    const Case cases[] = {
        {"a plain head cell", 1, 0, "ABC", "ABC", {}},
        {"a cell whose writing the host wants to hear of", 1, 1, "ABC", "ABC", {"零件名称"}},
        {"leaving the text as it was changes nothing", 1, 1, "", "", {}},
        {"an integer cell edits in the number edit", 2, 0, "12", "12", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open());
        CCappCardView& view = *host.m_pView;
        EXPECT_EQ((PageList{{1, 1}, {1, 1}}), host.m_pFrame->PageNotices());
        host.FindCell("零件名称")->m_nCellInt1 = c.nChangeNotice;
        host.FindCell("零件名称")->m_nDataType = c.nDataType;

        ClickHeadCell(host, "零件名称");
        ASSERT_NE(nullptr, Editor(view)) << "a click opens the editor";
        EXPECT_EQ(c.nDataType == 2, dynamic_cast<CCappNumEdit*>(view.m_cellEditor.m_pEditCtrl) != nullptr);
        EXPECT_TRUE(view.m_cellEditor.m_bEditing);
        host.m_pFrame->m_notices.clear();
        Type(Editor(view), c.szTyped);
        Press(view, VK_TAB);

        EXPECT_STREQ("零件图号", CurVar(view));
        ASSERT_NE(nullptr, Editor(view)) << "Tab opens the editor on the next head cell";
        EXPECT_STREQ(c.szSaved, host.Card().GetHeadVarData("零件名称"));
        EXPECT_STREQ(c.szSaved, host.FindCell("零件名称")->m_strText);
        EXPECT_EQ(c.varNotices, VarNotices(*host.m_pFrame));

        EXPECT_EQ(1, view.SaveCardData());
        EXPECT_EQ(nullptr, Editor(view)) << "saving ends the edit";
        host.Close();
        ASSERT_TRUE(host.Open());
        EXPECT_STREQ(c.szSaved, host.FindCell("零件名称")->m_strText);
    }
}

TEST(CardCellEditorTest, DetailRowsGrowAcrossPagesAndKeysFollowThem)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    view.PageMake(2, -1, "ProcessCardNext");
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    const int nRows = pArea->m_nRowsPerPage;
    ASSERT_GT(nRows, 3);
    // One line per operation: page 1 is full and no more.
    FillOperations(card, nRows);
    view.ResertCurPage();
    ASSERT_EQ(1, card.m_CardData.m_nPageCount);
    CCappMDData* pMDData = card.m_CardData.GetMDData(kMDName);

    // Tab in the last editable cell of a row goes to the first of the next data row.
    ClickDetailCell(view, "工时", 2);
    ASSERT_NE(nullptr, Editor(view));
    EXPECT_EQ(pArea, view.m_pCurShowMidData);
    EXPECT_EQ(2, view.m_nCurRow);
    Press(view, VK_TAB);
    EXPECT_STREQ("工序号", CurVar(view));
    EXPECT_EQ(3, view.m_nCurRow);
    EXPECT_NE(nullptr, Editor(view));

    // A text of three lines in the last row makes it three lines: page 1 overflows.
    ClickDetailCell(view, "工序内容", nRows - 1);
    ASSERT_NE(nullptr, Editor(view));
    host.m_pFrame->m_notices.clear();
    view.ReplaceCurEditData("粗车外圆\n留余量\n倒角");
    Press(view, VK_TAB);
    CCappMidRow* pRow = pMDData->GetRow(nRows - 1);
    ASSERT_NE(nullptr, pRow);
    EXPECT_EQ(3, pRow->m_nLineCount);
    EXPECT_EQ(CCappMidRow::stateNew, pRow->m_nState) << "a new row stays new";
    EXPECT_EQ(2, card.m_CardData.m_nPageCount);
    EXPECT_EQ((PageList{{2, 1}}), host.m_pFrame->PageNotices());
    EXPECT_STREQ("车间", CurVar(view)) << "Tab goes on along the row";
    EXPECT_EQ(nRows - 1, view.m_nCurRow);
    // The row's first line shows on page 1, its other lines continue on page 2.
    CCappCell* pContent = pArea->GetCellByName("工序内容");
    {
        CRect rcClient;
        view.GetClientRect(&rcClient);
        CTestDib dib(rcClient.Width(), rcClient.Height(), RGB(128, 128, 128));
        RenderView(view, dib);
        const std::string strPath = TestImagePath("card-view-detail-three-lines.png");
        EXPECT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height())) << strPath;
    }
    // Laid-out rows keep their line break.
    EXPECT_EQ(0, static_cast<CCellDataItem*>(pContent->m_listCellData.GetTail())->m_strText.Find("粗车外圆\n"));

    struct Step
    {
        const char* szName;
        UINT nKey;
        int nPage;
        int nPageCount;
        const char* szVar;
        PageList notices;
    };
    // From the last grid row of page 2, the editor open.
    ASSERT_TRUE(view.SetCurPage(2, 1));
    CCappMidData* pArea2 = DetailArea(view);
    ASSERT_NE(nullptr, pArea2);
    EXPECT_STREQ("ProcessCardNext", view.GetCurSheet()->m_strName);
    auto* pContinued = static_cast<CCellDataItem*>(pArea2->GetCellByName("工序内容")->m_listCellData.GetHead());
    EXPECT_EQ(0, pContinued->m_strText.Find("留余量\n"));
    // The row continued from page 1 is not edited on page 2.
    ClickDetailCell(view, "工序内容", 0);
    EXPECT_EQ(nullptr, view.m_pCurCell);
    EXPECT_EQ(nullptr, Editor(view));
    ClickDetailCell(view, "工序内容", 2);
    EXPECT_EQ(2, view.m_nCurRow) << "the next row begins after the continued lines";
    ClickDetailCell(view, "工时", pArea2->m_nRowsPerPage - 1);
    ASSERT_NE(nullptr, Editor(view));
    EXPECT_TRUE(SaveWindowPicture(host.m_pFrame->GetSafeHwnd(), "card-view-detail-page2-editing.png"));
    const Step steps[] = {
        {"Tab at the bottom of the last page appends a page", VK_TAB, 3, 3, "工序号", {{3, 3}, {3, 3}}},
        {"Page Down on the last page changes nothing", VK_NEXT, 3, 3, "工序号", {}},
        {"Up from the top goes back to page 2", VK_UP, 2, 3, "工序号", {{3, 2}}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.szName);
        host.m_pFrame->m_notices.clear();
        Press(view, s.nKey);
        EXPECT_EQ(s.nPage, card.m_nCurPage);
        EXPECT_EQ(s.nPageCount, card.m_CardData.m_nPageCount);
        EXPECT_STREQ(s.szVar, CurVar(view));
        EXPECT_EQ(s.notices, host.m_pFrame->PageNotices());
        EXPECT_NE(nullptr, Editor(view));
    }
    EXPECT_EQ(pArea2->m_nRowsPerPage - 1, view.m_nCurRow) << "back on page 2's last row";

    // Without an editor nothing lies below the last page: Down keeps the page and the selection.
    ASSERT_TRUE(view.SetCurPage(3, 1));
    ClickDetailCell(view, "工时", pArea2->m_nRowsPerPage - 1);
    Press(view, VK_ESCAPE);
    ASSERT_EQ(nullptr, Editor(view));
    host.m_pFrame->m_notices.clear();
    Press(view, VK_DOWN);
    EXPECT_EQ(3, card.m_nCurPage);
    EXPECT_EQ(3, card.m_CardData.m_nPageCount);
    EXPECT_STREQ("工时", CurVar(view));
    EXPECT_EQ(pArea2->m_nRowsPerPage - 1, view.m_nCurRow);
    EXPECT_TRUE(host.m_pFrame->PageNotices().empty());
}

TEST(CardCellEditorTest, TheEditorIsCutOutOfTheViewsPainting)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    ClickHeadCell(host, "零件图号");
    ASSERT_NE(nullptr, Editor(view));
    view.ReplaceCurEditData("Φ<T>20;+0.021;0;1;H7</T> 孔");
    Editor(view)->UpdateWindow();
    EXPECT_TRUE(SaveWindowPicture(host.m_pFrame->GetSafeHwnd(), "card-view-editing-notation.png"));

    // The cell reached past the window's right edge: it was scrolled into view.
    CRect rcCell = view.m_rcCurCell;
    CPoint ptTopLeft = rcCell.TopLeft();
    CPoint ptBottomRight = rcCell.BottomRight();
    view.LpToDp(ptTopLeft);
    view.LpToDp(ptBottomRight);
    CRect rcView;
    view.GetClientRect(&rcView);
    EXPECT_TRUE(rcView.PtInRect(ptTopLeft));
    EXPECT_TRUE(rcView.PtInRect(ptBottomRight));

    CRect rcEditor;
    ASSERT_TRUE(view.m_cellEditor.m_pEditCtrl->GetControlRect(rcEditor));
    ::MapWindowPoints(nullptr, view.GetSafeHwnd(), reinterpret_cast<POINT*>(static_cast<RECT*>(&rcEditor)), 2);
    CRect rcClient;
    view.GetClientRect(&rcClient);
    CTestDib dib(rcClient.Width(), rcClient.Height(), RGB(128, 128, 128));
    RenderView(view, dib);
    EXPECT_EQ(0, dib.CountInk(rcEditor, RGB(128, 128, 128))) << "the sheet leaves the editor alone";
    EXPECT_GT(
        dib.CountInk(CRect(rcEditor.right, rcEditor.top, rcEditor.right + 40, rcEditor.bottom), RGB(128, 128, 128)), 0)
        << "and paints beside it";

    // Closing writes the notation back as it was typed.
    view.KillEditControl();
    EXPECT_EQ(nullptr, Editor(view));
    EXPECT_STREQ("Φ<T>20;+0.021;0;1;H7</T> 孔", host.Card().GetHeadVarData("零件图号"));
}

TEST(CardCellEditorTest, HostStoresValuesAndFocusesCellsByName)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    FillOperations(host.Card(), 4);
    view.ResertCurPage();
    struct Case
    {
        const char* szName;
        const char* szVar;
        int nRow;
        int nStored;
        const char* szHead; // where the value is then found
        const char* szPage;
        const char* szDetail;
    };
    const Case cases[] = {
        {"a head variable", "零件名称", 1, 1, "V", nullptr, nullptr},
        {"a page variable of page 1", "编制", 1, 1, nullptr, "V", nullptr},
        {"a detail variable of row 2", "工序名称", 2, 1, nullptr, nullptr, "V"},
        {"an unknown name", "无此变量", 0, 0, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nStored, view.SetVarData(c.szVar, c.nRow, "V"));
        CCappCardData& data = host.Card().m_CardData;
        CString strValue;
        if (c.szHead != nullptr) {
            data.m_HFData.GetVarData(c.szVar, strValue);
            EXPECT_STREQ(c.szHead, strValue);
        }
        if (c.szPage != nullptr) {
            data.m_PgData.GetVarData(c.nRow, c.szVar, strValue);
            EXPECT_STREQ(c.szPage, strValue);
        }
        if (c.szDetail != nullptr) {
            data.GetMDData(kMDName)->GetVarData(c.nRow, c.szVar, strValue, 0);
            EXPECT_STREQ(c.szDetail, strValue);
        }
    }

    struct Focus
    {
        const char* szName;
        const char* szVar;
        int nDataRow;
        int bFound;
        int nCurRow;
    };
    const Focus focuses[] = {
        {"a head cell", "零件名称", 0, 1, 0},
        {"a detail cell in data row 2", "工序名称", 2, 1, 2},
        {"a detail row beyond the data", "工序名称", 9, 0, -1},
        {"an unknown variable", "无此变量", 0, 0, -1},
    };
    for (const Focus& f : focuses) {
        SCOPED_TRACE(f.szName);
        EXPECT_EQ(f.bFound, view.SetCurCellFocus(f.szVar, f.nDataRow));
        EXPECT_EQ(f.nCurRow, view.m_nCurRow);
        EXPECT_STREQ(f.bFound ? f.szVar : "(none)", CurVar(view));
        EXPECT_EQ(f.bFound != 0, !view.m_rcCurCell.IsRectEmpty());
    }
}

TEST(CardCellEditorTest, RightClickPopupsFollowTheSelection)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    FillOperations(host.Card(), 2);
    view.ResertCurPage();
    struct Case
    {
        const char* szName;
        const char* szVar; // focused before; null for none
        int nDataRow;
        BOOL bReadOnly;
        int nPopup;
        UINT nFirstID;
        UINT nLastID;
    };
    const Case cases[] = {
        {"nothing selected", nullptr, 0, FALSE, 0, 0x7FF9, 0x8014},
        {"a head cell", "零件名称", 0, FALSE, 0, 0x7FF9, 0x8014},
        {"a detail cell", "工序号", 1, FALSE, 1, 0x8005, 0x8012},
        {"a read-only view", "工序号", 1, TRUE, 3, 0x7FF9, 0x7FFC},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        view.m_bReadOnly = c.bReadOnly;
        if (c.szVar != nullptr) {
            ASSERT_TRUE(view.SetCurCellFocus(c.szVar, c.nDataRow));
        } else {
            view.SetCurCell(CPoint(0, 0));
        }
        EXPECT_EQ(c.nPopup, view.GetPopupIndex());
        CMenu menu;
        ASSERT_TRUE(menu.Attach(view.CreatePopupMenu(c.nPopup)));
        const HMENU hMenu = menu;
        const int nCount = ::GetMenuItemCount(hMenu);
        EXPECT_EQ(c.nFirstID, ::GetMenuItemID(hMenu, 0));
        EXPECT_EQ(c.nLastID, ::GetMenuItemID(hMenu, nCount - 1));
        EXPECT_EQ(static_cast<UINT>(-1), ::GetMenuState(hMenu, 1303, MF_BYCOMMAND)) << "no full screen by default";
    }
    view.m_bReadOnly = FALSE;

    // The image popup greys "删除图形" while the cell holds no file.
    CCappCell* pName = host.FindCell("零件名称");
    pName->m_nContentKind = CCappCell::kindImage;
    view.m_pCurCell = pName;
    view.m_pCurShowMidData = nullptr;
    EXPECT_EQ(2, view.GetPopupIndex());
    CMenu imageMenu;
    ASSERT_TRUE(imageMenu.Attach(view.CreatePopupMenu(2)));
    const HMENU hImage = imageMenu;
    EXPECT_EQ(0x8015u, ::GetMenuItemID(hImage, 0));
    EXPECT_NE(0u, ::GetMenuState(hImage, 0x8017, MF_BYCOMMAND) & MF_GRAYED);
    pName->m_nContentKind = CCappCell::kindVariable;
}

TEST(CardCellEditorTest, CtrlAndTheZoomToolsSwitchPanning)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    struct Step
    {
        const char* szName;
        UINT nMessage; // WM_KEYDOWN, WM_KEYUP, WM_COMMAND or WM_RBUTTONUP
        WPARAM wParam;
        UINT nZoomState;
        BOOL bCtrlPan;
    };
    const Step steps[] = {
        {"Ctrl down switches the pan tool on", WM_KEYDOWN, VK_CONTROL, CKvZoomView::stateMove, TRUE},
        {"Ctrl up switches it off", WM_KEYUP, VK_CONTROL, CKvZoomView::stateNone, FALSE},
        {"the pan command switches it on", WM_COMMAND, 0x7FFC, CKvZoomView::stateMove, FALSE},
        {"Ctrl leaves the user's tool alone", WM_KEYDOWN, VK_CONTROL, CKvZoomView::stateMove, FALSE},
        {"and so does its release", WM_KEYUP, VK_CONTROL, CKvZoomView::stateMove, FALSE},
        {"a right click only leaves the tool", WM_RBUTTONUP, 0, CKvZoomView::stateNone, FALSE},
        {"the zoom-rectangle command starts its tool", WM_COMMAND, 0x7FFB, CKvZoomView::stateZoomRect, FALSE},
        {"and ends it again", WM_COMMAND, 0x7FFB, CKvZoomView::stateNone, FALSE},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.szName);
        view.SendMessage(s.nMessage, s.wParam, s.nMessage == WM_RBUTTONUP ? MAKELPARAM(50, 50) : 1);
        EXPECT_EQ(s.nZoomState, view.GetZoomState());
        EXPECT_EQ(s.bCtrlPan, view.m_bCtrlPan);
    }
}

TEST(CardCellEditorTest, DetailWidthZoomAndPrintingKeepThePage)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    const float fNatural = view.GetZoomLevel();
    view.SetViewType(6);
    EXPECT_NE(view.GetZoomLevel(), fNatural) << "the detail area's width fills the window";
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    const CRect rcRange = static_cast<CCellDataItem*>(pArea->GetCellByName("工序号")->m_listCellData.GetHead())->m_rect;
    CPoint ptLeft = rcRange.TopLeft();
    view.LpToDp(ptLeft);
    EXPECT_GE(ptLeft.x, 0);
    EXPECT_LT(ptLeft.x, 40) << "the area starts at the window's left";

    view.AddNewPage(0, 1);
    view.AddNewPage(0, 1);
    ASSERT_TRUE(view.SetCurPage(2, 1));
    CPrintInfo info;
    view.OnBeginPrinting(nullptr, &info);
    EXPECT_EQ(3u, info.GetMaxPage());
    host.Card().SetCurPage(3);
    view.OnEndPrinting(nullptr, &info);
    EXPECT_EQ(2, host.Card().m_nCurPage) << "the page shown before printing";
    view.m_bPrintPages = TRUE;
    view.m_arrPrintPages.Add(1);
    view.OnBeginPrinting(nullptr, &info);
    EXPECT_EQ(1u, info.GetMaxPage());
}

TEST(CardCellEditorTest, EscSpaceAndTheRegistryLookUp)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    view.m_bEditOnDblClk = TRUE;
    ClickHeadCell(host, "零件名称");
    ASSERT_EQ(nullptr, Editor(view)) << "with m_bEditOnDblClk a click only selects";
    struct Step
    {
        const char* szName;
        UINT nKey;
        bool bEditor;
    };
    const Step steps[] = {
        {"Space opens the editor", VK_SPACE, true},
        {"Esc closes it", VK_ESCAPE, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.szName);
        Press(view, s.nKey);
        EXPECT_EQ(s.bEditor, Editor(view) != nullptr);
        EXPECT_STREQ("零件名称", CurVar(view));
    }

    // A zoom moves the cell away from the editor: it closes, its text kept.
    Press(view, VK_SPACE);
    ASSERT_NE(nullptr, Editor(view));
    Type(Editor(view), "Z");
    view.SendMessage(WM_COMMAND, 0x8052, 0);
    EXPECT_EQ(nullptr, Editor(view));
    EXPECT_STREQ("Z", host.Card().GetHeadVarData("零件名称"));

    // Once the card is read-only the host cannot open an editor either.
    view.TaskReWriteCard();
    view.BeginInputDataToCell(CPoint(0, 0));
    Press(view, VK_SPACE);
    EXPECT_EQ(nullptr, Editor(view));

    // A value the filling side's key lacks: the user is told, the result is 0.
    CTestUi ui;
    CString strValue;
    EXPECT_EQ(0, view.GetRegStringValue("VornNoSuchValue", strValue));
    ASSERT_EQ(1u, ui.GetBoxes().size());
    const CString strText = ui.GetBoxes()[0].strText;
    EXPECT_TRUE(strText == "在 ZTPDM 的注册表中，没找到 WorkDir !" || strText == "没有找到 ZTPDM 的注册表!") << strText;
    EXPECT_STREQ("系统提示", ui.GetBoxes()[0].strCaption);
}

TEST(CardCellEditorTest, KeysMoveAlongDetailRowsOfSeveralLines)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    FillOperations(host.Card(), 4);
    ASSERT_EQ(1, view.SetVarData("工序内容", 1, "粗车\n精车"));
    view.ResertCurPage();
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    const CRect rcGrid0 = static_cast<CCellDataItem*>(pArea->GetCellByName("工序号")->m_listCellData.GetHead())->m_rect;
    ASSERT_TRUE(view.SetCurCellFocus("工序号", 0));
    struct Step
    {
        const char* szName;
        UINT nKey;
        const char* szVar;
        int nRow;
        int nGridRows; // the selection's height in grid rows
    };
    const Step steps[] = {
        {"Down to the two-line row", VK_DOWN, "工序号", 1, 2},
        {"Down past both its lines", VK_DOWN, "工序号", 3, 1},
        {"Up to where the two-line row begins", VK_UP, "工序号", 1, 2},
        {"Up to the first row", VK_UP, "工序号", 0, 1},
        {"Up on the first row of page 1 stays", VK_UP, "工序号", 0, 1},
        {"Right along the row", VK_RIGHT, "工序名称", 0, 1},
        {"Left back", VK_LEFT, "工序号", 0, 1},
        {"Left wraps to the row's last cell", VK_LEFT, "工时", 0, 1},
        {"Enter wraps to the next row's first cell", VK_RETURN, "工序号", 1, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.szName);
        Press(view, s.nKey);
        EXPECT_STREQ(s.szVar, CurVar(view));
        EXPECT_EQ(s.nRow, view.m_nCurRow);
        // The frame lies inside the grid rows it covers.
        EXPECT_NEAR(s.nGridRows * rcGrid0.Height(), view.m_rcCurCell.Height(), 12);
        EXPECT_EQ(nullptr, Editor(view)) << "no editor was open, none opens";
    }
}

TEST(CardCellEditorTest, ARightClickSelectsTheCellAndShowsItsPopup)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    CCappCell* pName = host.FindCell("零件名称");
    ASSERT_NE(nullptr, pName);
    const CPoint pt = ClientPointOf(view, view.GetCurSheet()->GetCellRect(pName));
    // The popup's own message loop runs the timer, which closes it as a user would.
    static bool s_bMenuShown = false;
    s_bMenuShown = false;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR nID, DWORD) {
        ::KillTimer(nullptr, nID);
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        s_bMenuShown = ::GetGUIThreadInfo(0, &info) && (info.flags & GUI_INMENUMODE) != 0;
        ::EndMenu();
    });
    ASSERT_NE(0u, nTimer);
    view.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(s_bMenuShown);
    EXPECT_EQ(pName, view.m_pCurCell) << "the cell under the cursor is selected first";
    EXPECT_EQ(nullptr, Editor(view));

    // In browse mode a right click leaves the selection alone.
    view.SetCurCell(CPoint(0, 0));
    view.m_bBrowseMode = TRUE;
    ::SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR nID, DWORD) {
        ::KillTimer(nullptr, nID);
        ::EndMenu();
    });
    view.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(nullptr, view.m_pCurCell);
}

namespace
{
// The operation number is the area's one sequence column, counted from 10 by 10.
void NumberOperations(CCappCardView& view)
{
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    auto* pStep = new CCellIndexItem;
    pStep->m_nOrder = 0;
    pStep->m_strVarName = "工序号";
    pStep->m_strInitValue = "10";
    pStep->m_nStep = 10;
    pArea->m_listIndexItem.AddTail(pStep);
}

std::string DetailValue(CCardObj& card, int nRow, const char* pszVar)
{
    CString strValue;
    card.m_CardData.GetMDData(kMDName)->GetVarData(nRow, pszVar, strValue, CCappMDData::inheritNever);
    return strValue.GetString();
}
} // namespace

TEST(CardCellEditorTest, TypingIntoAnEmptyDetailRowNumbersIt)
{
    struct Case
    {
        const char* szName;
        BOOL bAutoIndex;
        const char* szNumber; // of the new row while the editor is still open
    };
    const Case cases[] = {
        {"automatic numbering on", TRUE, "30"},
        {"automatic numbering off", FALSE, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open(true, 1200, 900));
        CCappCardView& view = *host.m_pView;
        FillOperations(host.Card(), 2);
        view.ResertCurPage();
        NumberOperations(view);
        view.m_bAutoIndex = c.bAutoIndex;

        // Grid row 2 lies past the data: the editor makes the empty row it edits.
        ClickDetailCell(view, "工序名称", 2);
        ASSERT_NE(nullptr, Editor(view));
        ASSERT_EQ(3, host.Card().m_CardData.GetMDData(kMDName)->GetRowCount());
        Type(Editor(view), "铣");
        EXPECT_EQ(c.szNumber, DetailValue(host.Card(), 2, "工序号"));
        if (c.bAutoIndex) {
            view.UpdateWindow();
            EXPECT_TRUE(SaveWindowPicture(host.m_pFrame->GetSafeHwnd(), "card-view-auto-number-typing.png"));
        }
        // More typing finds the row numbered and leaves it be.
        Type(Editor(view), "槽");
        EXPECT_EQ(c.szNumber, DetailValue(host.Card(), 2, "工序号"));
        view.KillEditControl();
        EXPECT_EQ("铣槽", DetailValue(host.Card(), 2, "工序名称"));
        EXPECT_EQ(c.szNumber, DetailValue(host.Card(), 2, "工序号"));
        EXPECT_EQ("20", DetailValue(host.Card(), 1, "工序号")) << "the rows above keep theirs";
    }
}

TEST(CardCellEditorTest, AnEmptySequenceCellOpensWithTheNextNumber)
{
    struct Case
    {
        const char* szName;
        BOOL bIndexAdd;
        const char* szVar;
        int nGridRow;
        const char* szEditor;
    };
    const Case cases[] = {
        {"an empty row's sequence cell", TRUE, "工序号", 2, "30"},
        {"the setting off", FALSE, "工序号", 2, ""},
        {"a column that is no sequence", TRUE, "工序名称", 2, ""},
        {"a filled sequence cell keeps its value", TRUE, "工序号", 1, "20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open(true, 1200, 900));
        CCappCardView& view = *host.m_pView;
        FillOperations(host.Card(), 2);
        view.ResertCurPage();
        NumberOperations(view);
        view.m_bIndexAdd = c.bIndexAdd;

        ClickDetailCell(view, c.szVar, c.nGridRow);
        ASSERT_NE(nullptr, Editor(view));
        CString strText;
        view.m_cellEditor.m_pEditCtrl->GetData(strText);
        EXPECT_STREQ(c.szEditor, strText);
        if (c.bIndexAdd && c.nGridRow == 2 && std::string(c.szVar) == "工序号") {
            EXPECT_TRUE(SaveWindowPicture(host.m_pFrame->GetSafeHwnd(), "card-view-index-add-opened.png"));
        }
        view.KillEditControl();
        EXPECT_EQ(c.szEditor, DetailValue(host.Card(), c.nGridRow, c.szVar));
    }
}

TEST(CardCellEditorTest, NotationIsOfferedOnlyWhereTheCellShowsIt)
{
    struct Case
    {
        const char* szName;
        const char* szVar; // detail column of the sample card
        bool bNotation;
    };
    const Case cases[] = {
        {"process content draws segment text", "工序内容", true},
        {"equipment draws plain text", "设备", false},
    };
    CMenu menuOwner;
    menuOwner.Attach(::LoadMenuA(::GetModuleHandleA("Markwell.dll"), MAKEINTRESOURCEA(2100)));
    HMENU hMenu = menuOwner;
    ASSERT_NE(nullptr, hMenu);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open(true, 1200, 900));
        CCappCardView& view = *host.m_pView;
        FillOperations(host.Card(), 1);
        view.ResertCurPage();
        ClickDetailCell(view, c.szVar, 0);
        ASSERT_NE(nullptr, Editor(view));

        // The context menu as the editor opens it: a fresh copy of its pop-up each time.
        CMenu fresh;
        fresh.Attach(::LoadMenuA(::GetModuleHandleA("Markwell.dll"), MAKEINTRESOURCEA(2100)));
        HMENU hPopup = ::GetSubMenu(fresh, 0);
        const int nBefore = ::GetMenuItemCount(hPopup);
        Editor(view)->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
        EXPECT_EQ(c.bNotation ? nBefore : nBefore - 1, ::GetMenuItemCount(hPopup));
        EXPECT_EQ(c.bNotation, ::GetMenuState(hPopup, 0x22AE, MF_BYCOMMAND) != static_cast<UINT>(-1))
            << "公差 in the 插入 sub-menu";
        fresh.DestroyMenu();

        // The Insert key opens the tolerance dialog only where its result can be shown (a
        // dialog nobody expects fails the test).
        CTestUi ui;
        bool bOpened = false;
        if (c.bNotation) {
            ui.OnDialog(536, [&](CTestDlg& dlg) { // the tolerance dialog
                bOpened = true;
                dlg.Cancel();
            });
        }
        Press(view, VK_INSERT);
        EXPECT_EQ(c.bNotation, bOpened);
        view.KillEditControl();
    }
}

TEST(CardCellEditorTest, NotationLeftInASampleCellIsDrawnNotPrintedAsMarkup)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    FillOperations(host.Card(), 1);
    view.ResertCurPage();
    ClickDetailCell(view, "工序内容", 0);
    ASSERT_NE(nullptr, Editor(view));
    view.ReplaceCurEditData("车外圆45<T>φ20;+0.021; 0;1;H7</T>");
    view.KillEditControl();
    view.UpdateWindow();
    EXPECT_TRUE(SaveWindowPicture(host.m_pFrame->GetSafeHwnd(), "card-view-notation-left.png"));

    // The ink of the cell's first grid row: the drawn tolerance is far narrower than its markup.
    CCappCell* pCell = DetailArea(view)->GetCellByName("工序内容");
    CRect rcRange = static_cast<CCellDataItem*>(pCell->m_listCellData.GetHead())->m_rect;
    CPoint ptTopLeft = rcRange.TopLeft();
    CPoint ptBottomRight = rcRange.BottomRight();
    view.LpToDp(ptTopLeft);
    view.LpToDp(ptBottomRight);
    // Inside the selection frame.
    const CRect rcDevice(ptTopLeft.x + 4, ptTopLeft.y + 4, ptBottomRight.x - 4, ptBottomRight.y - 4);
    const auto inkWidth = [&] {
        CRect rcClient;
        view.GetClientRect(&rcClient);
        CTestDib dib(rcClient.Width(), rcClient.Height());
        RenderView(view, dib);
        // The row's own fill, taken from the range's bottom-right inner corner.
        const DWORD dwFill = dib.Bits()[(rcDevice.bottom - 1) * dib.Width() + rcDevice.right - 1];
        const COLORREF crFill = RGB((dwFill >> 16) & 0xFF, (dwFill >> 8) & 0xFF, dwFill & 0xFF);
        return dib.InkBounds(rcDevice, crFill).Width();
    };
    const int nDrawn = inkWidth();
    pCell->m_nEditFlags &= ~0x10;
    const int nMarkup = inkWidth();
    EXPECT_GT(nDrawn, 0);
    EXPECT_GT(nMarkup, nDrawn * 3 / 2) << "without the flag the markup shows as text";
}
