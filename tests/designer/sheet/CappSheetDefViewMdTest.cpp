// The sheet view's detail-area and cell-control commands on a copy of the bundled process-card
// template: what each does to the sheet, its refusals, and that saving and reloading keeps it.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "basedlg/res/resource.h"
#include "core/CappCell.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/SheetViewFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
CCappCell* NewCell(int nKind, LPCSTR pszName)
{
    auto* pCell = new CCappCell;
    pCell->m_nContentKind = nKind;
    (nKind == CCappCell::kindStatic ? pCell->m_strText : pCell->m_strVarName) = pszName;
    return pCell;
}

// "kind:name" per cell of the list, in list order.
std::vector<CString> Describe(const CObList& list)
{
    std::vector<CString> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const auto* pCell = static_cast<const CCappCell*>(list.GetNext(pos));
        CString str;
        str.Format("%d:%s", pCell->m_nContentKind,
                   static_cast<LPCSTR>(pCell->m_nContentKind == CCappCell::kindStatic ? pCell->m_strText
                                                                                      : pCell->m_strVarName));
        out.push_back(str);
    }
    return out;
}

void FreeCells(CObList& list)
{
    while (!list.IsEmpty()) {
        delete list.RemoveHead();
    }
}

class CSheetDefViewMdTest : public CSheetViewFixture
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Open(CopyOfSample("Card.znt")));
        ASSERT_FALSE(m_pSheet->m_MidDataList.IsEmpty()) << "the sample has a detail area";
    }
    // Saves, then reads the file back into the view.
    void SaveAndReload()
    {
        ASSERT_TRUE(m_pView->SaveTemplate(CCappSheetDefView::saveModeSave));
        ASSERT_TRUE(m_pView->LoadTemplate(m_strTemplate, FALSE));
        m_pSheet = m_pView->m_pSheet;
    }
    CCappMidData* FirstMid() { return static_cast<CCappMidData*>(m_pSheet->m_MidDataList.GetHead()); }
    // The centre of a grid range inside the detail area, and of an empty head range.
    CPoint PointInMid(const CCappMidData* pMid)
    {
        const auto* pSeat = static_cast<const CCappMDSeatItem*>(pMid->m_listSeatItem.GetHead());
        CRect rc;
        EXPECT_TRUE(m_pSheet->GetRectSpace(pSeat->m_nTopLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID,
                                           pSeat->m_nBottomLineID, rc));
        return CPoint(rc.left + 5, rc.top + 5);
    }
    CPoint EmptyHeadPoint()
    {
        const CRect& rcFrame = m_pSheet->m_rcFrame;
        for (int y = rcFrame.top + 5; y < rcFrame.bottom; y += 20) {
            for (int x = rcFrame.left + 5; x < rcFrame.right; x += 20) {
                const CCappRange range = CSheetDefRangeFun::GetRange(*m_pSheet, CPoint(x, y));
                if (!CSheetDefRangeFun::IsEmpty(range) && CSheetDefRangeFun::GetCell(*m_pSheet, range) == nullptr &&
                    CSheetDefRangeFun::GetMidData(*m_pSheet, range.m_rect.CenterPoint()) == nullptr) {
                    return range.m_rect.CenterPoint();
                }
            }
        }
        ADD_FAILURE() << "no empty head range";
        return CPoint();
    }
};
} // namespace

// The cell-control read-back: unlisted variables go, listed ones move to the front in the list's
// order, missing ones are made with a rectangle of their own; static texts stay where they are.
TEST_F(CSheetDefViewMdTest, CellControlReorderDeletesAndAddsVariableCells)
{
    struct Case
    {
        const char* pszName;
        const char* pszSetting;
        std::vector<CString> expected;
    };
    const Case cases[] = {
        {"add NEWV, drop X", "NEWV\nY\n", {"2:NEWV", "2:Y", "1:Title", "1:Note"}},
        {"reverse", "Y\nX\n", {"2:Y", "2:X", "1:Title", "1:Note"}},
        {"empty list drops every variable", "", {"1:Title", "1:Note"}},
        {"picture variables count", "P\n", {"4:P", "1:Title", "1:Note"}},
    };
    for (const Case& c : cases) {
        CObList list;
        list.AddTail(NewCell(CCappCell::kindStatic, "Title"));
        list.AddTail(NewCell(CCappCell::kindVariable, "X"));
        list.AddTail(NewCell(CCappCell::kindStatic, "Note"));
        list.AddTail(NewCell(CCappCell::kindVariable, "Y"));
        list.AddTail(NewCell(CCappCell::kindImage, "P"));
        m_pView->ApplyCellControl(list, c.pszSetting, CCappCell::seatHead);
        EXPECT_EQ(c.expected, Describe(list)) << c.pszName;
        FreeCells(list);
    }
}

// A cell made by cell control has no lines: it gets its own rectangle, is drawn and hit-tested
// without looking for lines, and survives saving and reloading in the head list.
TEST_F(CSheetDefViewMdTest, CellControlNewCellsHaveTheirOwnRectangleAndAreKept)
{
    const INT_PTR nStatic = [&] {
        INT_PTR n = 0;
        for (POSITION pos = m_pSheet->m_HeadCellList.GetHeadPosition(); pos != nullptr;) {
            n +=
                static_cast<CCappCell*>(m_pSheet->m_HeadCellList.GetNext(pos))->m_nContentKind == CCappCell::kindStatic;
        }
        return n;
    }();
    m_pView->ApplyCellControl(m_pSheet->m_HeadCellList, "NEWV\nNEWW\n", CCappCell::seatHead);
    m_pView->MarkChanged();
    auto* pNew = static_cast<CCappCell*>(m_pSheet->m_HeadCellList.GetHead());
    ASSERT_EQ(CString("NEWV"), pNew->m_strVarName);
    EXPECT_NE(0, pNew->m_bOwnRect);
    EXPECT_FALSE(pNew->m_rcOwn.IsRectEmpty());
    EXPECT_FALSE(pNew->IsHide());
    EXPECT_EQ(pNew->m_rcOwn, m_pSheet->GetCellRect(pNew));
    EXPECT_NE(0, pNew->m_nCellID);
    m_pView->Invalidate(FALSE);
    m_pView->UpdateWindow();
    // Hit tests go by lines, which the cell has none of: it is never taken for a grid range's cell.
    EXPECT_NE(pNew, CSheetDefRangeFun::GetCell(*m_pSheet,
                                               CSheetDefRangeFun::GetRange(*m_pSheet, pNew->m_rcOwn.CenterPoint())));

    SaveAndReload();
    const std::vector<CString> names = Describe(m_pSheet->m_HeadCellList);
    ASSERT_EQ(static_cast<size_t>(nStatic + 2), names.size()) << "only static texts besides the two new cells";
    EXPECT_EQ(CString("2:NEWV"), names[0]);
    EXPECT_EQ(CString("2:NEWW"), names[1]);
    auto* pLoaded = static_cast<CCappCell*>(m_pSheet->m_HeadCellList.GetHead());
    EXPECT_NE(0, pLoaded->m_bOwnRect);
    EXPECT_FALSE(pLoaded->m_rcOwn.IsRectEmpty());
}

// Commands that need a detail area refuse without one selected and change nothing.
TEST_F(CSheetDefViewMdTest, DetailAreaCommandsRefuseWithoutASelectedArea)
{
    const UINT kCommands[] = {ID_SHEET_MD_ATTRIBUTES, ID_SHEET_MD_FIELD_INDEX};
    for (UINT nID : kCommands) {
        CTestUi ui;
        Command(nID);
        EXPECT_EQ((std::vector<CString>{"请先选择表中"}), ui.TakeBoxTexts()) << nID;
        EXPECT_EQ(CCappSheetDefView::saveStateSaved, m_pView->GetSaveState()) << nID;
    }
    {
        CTestUi ui;
        Command(ID_SHEET_MD_CONTINUE);
        EXPECT_EQ((std::vector<CString>{"当前区域不能被设为表中"}), ui.TakeBoxTexts());
    }
}

// A new detail area over an empty head range takes the typed name and one seat; a used name is
// refused by the input dialog; deleting asks first, then removes the area. Both survive a reload.
TEST_F(CSheetDefViewMdTest, NewAndDeletedDetailAreasAreSavedAsMade)
{
    const INT_PTR nAreas = m_pSheet->m_MidDataList.GetCount();
    const CString strUsed = FirstMid()->m_strName;
    const CPoint ptEmpty = EmptyHeadPoint();
    m_pView->SelectAt(ptEmpty);
    {
        CTestUi ui;
        ui.OnDialog(IDD_INDATA, [&](CTestDlg& dlg) {
            EXPECT_EQ(CString("新增表中"), dlg.GetCaption());
            dlg.SetText(IDC_INDATA_EDIT, strUsed);
            dlg.Ok();
            dlg.SetText(IDC_INDATA_EDIT, "MD2");
            dlg.Ok();
        });
        Command(ID_SHEET_MD_NEW);
        EXPECT_EQ((std::vector<CString>{"前表中名已被使用，请换成其它名字！"}), ui.TakeBoxTexts());
    }
    EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());
    SaveAndReload();
    ASSERT_EQ(nAreas + 1, m_pSheet->m_MidDataList.GetCount());
    CCappMidData* pNew = CSheetDefRangeFun::GetMidData(*m_pSheet, "MD2");
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(1, pNew->m_listSeatItem.GetCount());
    EXPECT_EQ(pNew, CSheetDefRangeFun::GetMidData(*m_pSheet, ptEmpty));

    m_pView->SelectAt(ptEmpty);
    {
        CTestUi ui;
        ui.AnswerMessageBox(IDNO);
        Command(ID_SHEET_MD_DELETE);
        EXPECT_EQ(nAreas + 1, m_pSheet->m_MidDataList.GetCount()) << "No keeps the area";
        ui.AnswerMessageBox(IDYES);
        Command(ID_SHEET_MD_DELETE);
        EXPECT_EQ((std::vector<CString>{"请确认删除当前表中！", "请确认删除当前表中！"}), ui.TakeBoxTexts());
    }
    SaveAndReload();
    EXPECT_EQ(nAreas, m_pSheet->m_MidDataList.GetCount());
    EXPECT_EQ(nullptr, CSheetDefRangeFun::GetMidData(*m_pSheet, "MD2"));
}

// Merging a range of other rows than the area's first seat is refused.
TEST_F(CSheetDefViewMdTest, MergingARangeOfOtherRowsIsRefused)
{
    const CString strArea = FirstMid()->m_strName;
    const INT_PTR nSeats = FirstMid()->m_listSeatItem.GetCount();
    m_pView->SelectAt(EmptyHeadPoint());
    CTestUi ui;
    ui.OnDialog(IDD_SELDATA, [&](CTestDlg& dlg) {
        dlg.SelectCombo(IDC_SELDATA_LIST, 0);
        dlg.Ok();
    });
    Command(ID_SHEET_MD_MERGE);
    EXPECT_EQ((std::vector<CString>{"无法合并表中"}), ui.TakeBoxTexts());
    EXPECT_EQ(nSeats, CSheetDefRangeFun::GetMidData(*m_pSheet, strArea)->m_listSeatItem.GetCount());
    EXPECT_EQ(CCappSheetDefView::saveStateSaved, m_pView->GetSaveState());
}
