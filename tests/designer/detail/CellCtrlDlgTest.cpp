// The cell-control dialog: one tab per group, the grid's rows and marks, the settings text the
// command reads back, the refusal of a new row without a name, and whole row numbers.
#include <gtest/gtest.h>

#include <initializer_list>

#include "designer/detail/CellCtrlDlg.h"
#include "designer/res/resource.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/UiDriver.h"

// After the windows headers.
#include <commctrl.h>

namespace
{
struct CellDef
{
    const char* szName;
    UINT nKind;
    UINT nShown;
};

void FillGroup(CCellCtrlGroup& group, const char* pszName, std::initializer_list<CellDef> cells)
{
    group.m_strName = pszName;
    for (const CellDef& c : cells) {
        group.m_arrCellName.Add(c.szName);
        group.m_arrKind.Add(c.nKind);
        group.m_arrShow.Add(c.nShown);
    }
}

void ClickCell(CCellCtrlGrid& grid, UINT nRow, UINT nCol)
{
    CRect rc;
    ASSERT_TRUE(grid.GetCellRect(nRow, nCol, rc));
    const LPARAM lPoint = MAKELPARAM(rc.left + 3, rc.top + 3);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    grid.SendMessage(WM_LBUTTONUP, 0, lPoint);
}

// Picks a tab as the user does: the selection changes and the dialog hears TCN_SELCHANGE.
void SelectTab(CCellCtrlDlg& dlg, int nTab)
{
    dlg.GetTabCtrl().SetCurSel(nTab);
    NMHDR hdr = {dlg.GetTabCtrl().m_hWnd, IDC_CELLCTRL_TAB, static_cast<UINT>(TCN_SELCHANGE)};
    dlg.SendMessage(WM_NOTIFY, IDC_CELLCTRL_TAB, reinterpret_cast<LPARAM>(&hdr));
}

CString TabText(CCellCtrlDlg& dlg, int nTab)
{
    char szText[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    dlg.GetTabCtrl().GetItem(nTab, &item);
    return CString(szText);
}

class CellCtrlDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
        FillGroup(m_head, "", {{"X", 2, 1}, {"标题", 1, 1}, {"Y", 4, 0}});
        FillGroup(m_page, "", {{"P", 2, 1}});
    }

    CCellCtrlGroup m_head;
    CCellCtrlGroup m_page;
    CTestUi m_ui;
};
} // namespace

TEST_F(CellCtrlDlgTest, AddedVariableMovedFirstAndDeletedOneLeftOut)
{
    CCellCtrlDlg dlg;
    dlg.SetHeadGroup(m_head);
    dlg.SetPageGroup(m_page);
    m_ui.OnDialog(IDD_CELL_CTRL, [&](CTestDlg& d) {
        EXPECT_STREQ("Cell 控制", d.GetCaption());
        CCellCtrlGrid& grid = dlg.m_gridHead;
        ASSERT_EQ(3u, grid.GetRowCount());
        EXPECT_STREQ("名称", grid.GetCellValue(0, 1));
        EXPECT_STREQ("删除", grid.GetCellValue(0, 4));
        d.Click(IDC_CELLCTRL_ADD);
        ASSERT_EQ(4u, grid.GetRowCount());
        EXPECT_TRUE(grid.IsNewRow(4));
        EXPECT_FALSE(grid.IsNewRow(1));
        grid.SetCellValue(4, 1, "NEWV");
        for (int i = 0; i < 4; ++i) {
            d.Click(IDC_ROW_UP);
        }
        EXPECT_STREQ("NEWV", grid.GetCellValue(1, 1));
        // X is now row 2: mark it for deletion.
        ClickCell(grid, 2, 4);
        EXPECT_EQ(CELLCTRL_DELETED, grid.GetCellControl(2, 4));
        EXPECT_TRUE(d.SavePicture("cell-control-dialog.png"));
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("NEWV\nY\n", dlg.GetHeadSetting());
    EXPECT_STREQ("P\n", dlg.GetPageSetting());
}

TEST_F(CellCtrlDlgTest, NewRowWithoutANameBlocksOk)
{
    struct NameCase
    {
        const char* szName;
        const char* szNewName;
        BOOL bMarkDeleted;
        bool bBlocked;
    };
    const NameCase cases[] = {
        {"empty name blocks", "", FALSE, true},
        {"named row passes", "Z", FALSE, false},
        {"empty row marked for deletion is not checked", "", TRUE, false},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCellCtrlDlg dlg;
        dlg.SetHeadGroup(m_head);
        dlg.SetPageGroup(m_page);
        CCellCtrlGroup mid;
        FillGroup(mid, "M", {{"A", 2, 1}});
        CObList groups;
        groups.AddTail(&mid);
        dlg.AddMidGroups(groups);
        m_ui.OnDialog(IDD_CELL_CTRL, [&](CTestDlg& d) {
            // The new row goes into the detail area's grid, on the third tab.
            SelectTab(dlg, 2);
            d.Click(IDC_CELLCTRL_ADD);
            CCellCtrlGrid* pGrid = dlg.GetActiveGrid();
            ASSERT_NE(nullptr, pGrid);
            ASSERT_EQ(2u, pGrid->GetRowCount());
            pGrid->SetCellValue(2, 1, c.szNewName);
            if (c.bMarkDeleted) {
                ClickCell(*pGrid, 2, 4);
            }
            SelectTab(dlg, 0);
            d.Ok();
            if (c.bBlocked) {
                EXPECT_EQ(-1, dlg.GetModalResult());
                // The grid with the nameless row is shown again.
                EXPECT_EQ(2, dlg.GetTabCtrl().GetCurSel());
                d.Cancel();
            }
        });
        const INT_PTR nResult = dlg.DoModal();
        const std::vector<CString> boxes = m_ui.TakeBoxTexts();
        if (c.bBlocked) {
            EXPECT_EQ(IDCANCEL, nResult);
            ASSERT_EQ(1u, boxes.size());
            EXPECT_STREQ("报表变量名不能为空！", boxes[0]);
        } else {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_TRUE(boxes.empty());
            EXPECT_STREQ(c.bMarkDeleted ? "A\n" : "A\nZ\n", dlg.GetMidSetting("M"));
        }
    }
}

TEST_F(CellCtrlDlgTest, OneTabPerGroupAndOnlyTheSelectedGridShows)
{
    struct TabCase
    {
        const char* szName;
        std::vector<const char*> mids;
        std::vector<const char*> tabs;
    };
    const TabCase cases[] = {
        {"no detail areas: head and page", {}, {"表头", "页面"}},
        {"two detail areas", {"M1", "M2"}, {"表头", "页面", "表中_M1", "表中_M2"}},
    };
    for (const TabCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCellCtrlDlg dlg;
        dlg.SetHeadGroup(m_head);
        dlg.SetPageGroup(m_page);
        std::vector<CCellCtrlGroup> mids(c.mids.size());
        CObList groups;
        for (size_t i = 0; i < c.mids.size(); ++i) {
            FillGroup(mids[i], c.mids[i], {{c.mids[i], 2, 1}});
            groups.AddTail(&mids[i]);
        }
        dlg.AddMidGroups(groups);
        m_ui.OnDialog(IDD_CELL_CTRL, [&](CTestDlg& d) {
            ASSERT_EQ(static_cast<int>(c.tabs.size()), dlg.GetTabCtrl().GetItemCount());
            for (size_t i = 0; i < c.tabs.size(); ++i) {
                EXPECT_STREQ(c.tabs[i], TabText(dlg, static_cast<int>(i)));
            }
            for (int nTab = static_cast<int>(c.tabs.size()) - 1; nTab >= 0; --nTab) {
                SelectTab(dlg, nTab);
                CCellCtrlGrid* pActive = dlg.GetActiveGrid();
                ASSERT_NE(nullptr, pActive);
                EXPECT_NE(0u, pActive->GetStyle() & WS_VISIBLE);
                EXPECT_TRUE(pActive->IsWindowEnabled());
                for (CCellCtrlGrid* pOther : {&dlg.m_gridHead, &dlg.m_gridPage}) {
                    if (pOther != pActive) {
                        EXPECT_EQ(0u, pOther->GetStyle() & WS_VISIBLE);
                        EXPECT_FALSE(pOther->IsWindowEnabled());
                    }
                }
            }
            if (c.mids.size() == 2) {
                SelectTab(dlg, 3);
                EXPECT_TRUE(d.SavePicture("cell-control-dialog-detail-tab.png"));
            }
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        for (const char* pszMid : c.mids) {
            EXPECT_STREQ(CString(pszMid) + "\n", dlg.GetMidSetting(pszMid));
        }
        EXPECT_STREQ("", dlg.GetMidSetting("none"));
    }
}

TEST(CellCtrlGridTest, FillShowsKindsAndShownStatesAndReadsBackTheVariables)
{
    ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
    struct FillCase
    {
        const char* szName;
        std::vector<CellDef> cells;
        int nExtraKinds; // kinds beyond the names
        UINT nRows;
        std::vector<WORD> kinds;
        std::vector<WORD> shown;
        const char* szSetting;
        int nRowsFlag;
    };
    const FillCase cases[] = {
        {"every kind",
         {{"T", 1, 1}, {"V2", 2, 0}, {"V4", 4, 1}, {"O", 7, 1}},
         0,
         4,
         {CELLCTRL_STATIC, CELLCTRL_VAR2, CELLCTRL_VAR4, GK_CTRL_EDIT},
         {CELLCTRL_SHOWN, CELLCTRL_OFF, CELLCTRL_SHOWN, CELLCTRL_SHOWN},
         "V2\nV4\n",
         1},
        {"no cells", {}, 0, 0, {}, {}, "", 0},
        {"kinds not matching the names", {{"V", 2, 1}}, 1, 0, {}, {}, "", 1},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CWnd wndParent;
        ASSERT_TRUE(wndParent.CreateEx(0, nullptr, "p", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr));
        CCellCtrlGrid grid;
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 380, 260), &wndParent, 1));
        grid.InitGrid();
        grid.SetupGrid();
        CCellCtrlGroup group;
        for (const CellDef& cell : c.cells) {
            group.m_arrCellName.Add(cell.szName);
            group.m_arrKind.Add(cell.nKind);
            group.m_arrShow.Add(cell.nShown);
        }
        for (int i = 0; i < c.nExtraKinds; ++i) {
            group.m_arrKind.Add(2);
        }
        grid.Fill(group);
        ASSERT_EQ(c.nRows, grid.GetRowCount());
        EXPECT_EQ(4u, grid.GetColCount());
        for (UINT nRow = 1; nRow <= c.nRows; ++nRow) {
            EXPECT_STREQ(c.cells[nRow - 1].szName, grid.GetCellValue(nRow, 1));
            EXPECT_EQ(GK_CTRL_STATIC, grid.GetCellControl(nRow, 1));
            EXPECT_EQ(c.kinds[nRow - 1], grid.GetCellControl(nRow, 2)) << nRow;
            EXPECT_EQ(c.shown[nRow - 1], grid.GetCellControl(nRow, 3)) << nRow;
            EXPECT_EQ(CELLCTRL_OFF, grid.GetCellControl(nRow, 4));
            EXPECT_FALSE(grid.IsNewRow(nRow));
        }
        EXPECT_STREQ(c.szSetting, grid.GetSettingText());
        EXPECT_EQ(c.nRowsFlag, grid.m_nRows);
        // A click in the shown column changes nothing; one in the delete column flips the mark.
        if (c.nRows > 0) {
            ClickCell(grid, 2, 3);
            EXPECT_EQ(c.shown[1], grid.GetCellControl(2, 3));
            ClickCell(grid, 2, 4);
            EXPECT_EQ(CELLCTRL_DELETED, grid.GetCellControl(2, 4));
            ClickCell(grid, 2, 4);
            EXPECT_EQ(CELLCTRL_OFF, grid.GetCellControl(2, 4));
        }
        wndParent.DestroyWindow();
    }
}

// Row numbers of two and three digits show whole in the grid's narrow heading column, never cut
// to "...".
TEST_F(CellCtrlDlgTest, RowNumbersShowWhole)
{
    CCellCtrlGroup many;
    for (int i = 1; i <= 120; ++i) {
        CString strName;
        strName.Format("V%d", i);
        many.m_arrCellName.Add(strName);
        many.m_arrKind.Add(2);
        many.m_arrShow.Add(1);
    }
    CCellCtrlDlg dlg;
    dlg.SetHeadGroup(many);
    dlg.SetPageGroup(m_page);
    m_ui.OnDialog(IDD_CELL_CTRL, [&](CTestDlg& d) {
        CCellCtrlGrid& grid = dlg.m_gridHead;
        for (UINT nTop : {5U, 100U}) {
            SCOPED_TRACE(nTop);
            grid.SetTopRow(nTop);
            CString strPicture;
            strPicture.Format("cell-control-row-numbers-%u.png", nTop);
            EXPECT_TRUE(d.SavePicture(strPicture));
            CRect rcClient;
            grid.GetClientRect(&rcClient);
            CTestDib dib(rcClient.Width(), rcClient.Height());
            grid.DrawGrid(&dib.DC(), rcClient);
            for (UINT nRow = nTop; nRow < nTop + 6; ++nRow) {
                SCOPED_TRACE(nRow);
                CRect rcHeading;
                ASSERT_TRUE(grid.GetCellRect(nRow, 0, rcHeading));
                rcHeading.DeflateRect(0, 0, 1, 1);
                const CRect rcInk = dib.InkBounds(rcHeading, dib.Pixel(rcHeading.left + 1, rcHeading.top + 1));
                CString strNumber;
                strNumber.Format("%u", nRow);
                CClientDC dc(grid.m_hWnd);
                LOGFONTA lf = {};
                lf.lfHeight = -::MulDiv(9, dc.GetDeviceCaps(LOGPIXELSY), 72);
                lstrcpynA(lf.lfFaceName, "宋体", LF_FACESIZE);
                CFont font;
                font.CreateFontIndirect(&lf);
                CFxSelectGuard guard(&dc, &font);
                // "..." is about as wide as one digit.
                EXPECT_GE(rcInk.Width(), dc.GetTextExtent(strNumber).cx * 3 / 4);
            }
        }
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
}
