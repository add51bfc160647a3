// Operations on the rows of a card's detail area: inserting and deleting around a locked closing
// row, renumbering index columns level by level, natural sorting, and attaching image files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"
#include "core/CellFieldDataItem.h"
#include "core/CellIndexItem.h"
#include "platform/base/FxHandle.h"
#include "platform/frame/WinApp.h"
#include "tests/support/ShownTextWnd.h"
#include "tests/support/UiDriver.h"
#include "tests/work/CardViewTestHost.h"
#include "work/res/resource.h"

namespace
{
constexpr const char* kMDName = "工序";
constexpr const char* kNo = "工序号";
constexpr const char* kName = "工序名称";
constexpr const char* kShop = "车间";

CCappMidData* DetailArea(CCappCardView& view)
{
    CCappSheet* pSheet = view.GetCurSheet();
    return pSheet != nullptr && !pSheet->m_MidDataList.IsEmpty()
               ? static_cast<CCappMidData*>(pSheet->m_MidDataList.GetHead())
               : nullptr;
}

// Rows of (column, value) texts; earlier rows are dropped.
void SetRows(CCardObj& card, const std::vector<std::vector<std::pair<const char*, const char*>>>& rows)
{
    CCappMDData* pData = card.m_CardData.GetMDData(kMDName);
    ASSERT_NE(nullptr, pData);
    while (pData->GetRowCount() > 0) {
        pData->DelRowData(0);
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        pData->InsertRowData(-1, 0);
        for (const auto& [pszVar, pszValue] : rows[r]) {
            CString strValue = pszValue;
            pData->SetVarData(static_cast<int>(r), pszVar, strValue);
        }
    }
    int bChanged = 0;
    card.ReSetPageCount(bChanged, 1);
}

// One column of every row.
std::vector<std::string> Column(CCardObj& card, const char* pszVar)
{
    std::vector<std::string> values;
    CCappMDData* pData = card.m_CardData.GetMDData(kMDName);
    for (int r = 0; pData != nullptr && r < pData->GetRowCount(); ++r) {
        CString strValue;
        pData->GetVarData(r, pszVar, strValue, CCappMDData::inheritNever);
        values.emplace_back(strValue.GetString());
    }
    return values;
}

// Selects grid row nGridRow of the first detail area as a click on the order cell would.
void SelectRow(CCappCardView& view, int nGridRow)
{
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    CCappCell* pCell = pArea->GetCellByName(kNo);
    ASSERT_NE(nullptr, pCell);
    POSITION pos = pCell->m_listCellData.FindIndex(nGridRow);
    ASSERT_NE(nullptr, pos);
    const CRect rc = static_cast<CCellDataItem*>(pCell->m_listCellData.GetAt(pos))->m_rect;
    CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    view.LpToDp(pt);
    view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(pArea, view.m_pCurMidData);
    ASSERT_EQ(nGridRow, view.m_nCurRow);
}

void AddStep(CCappMidData* pArea, int nLevel, const char* pszVar, const char* pszStart, int nStep)
{
    auto* pItem = new CCellIndexItem;
    pItem->m_nOrder = nLevel;
    pItem->m_strVarName = pszVar;
    pItem->m_strInitValue = pszStart;
    pItem->m_nStep = nStep;
    pArea->m_listIndexItem.AddTail(pItem);
}

void ClearSteps(CCappMidData* pArea)
{
    pArea->DetachList(CCappMidData::listIndex);
}

using Strings = std::vector<std::string>;
} // namespace

TEST(CardRowOpsTest, InsertAndDeleteAskBeforeDeleting)
{
    CTestUi ui;
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    SetRows(card, {{{kNo, "10"}}, {{kNo, "20"}}, {{kNo, "30"}}});
    view.ResertCurPage();

    // An empty row goes in before the selected row 2 (grid row 1).
    SelectRow(view, 1);
    view.OnDataInsert();
    EXPECT_EQ((Strings{"10", "", "20", "30"}), Column(card, kNo));

    struct Case
    {
        const char* szName;
        int nAnswer;
        Strings after;
    };
    const Case cases[] = {
        {"No keeps the row", IDNO, {"10", "", "20", "30"}},
        {"Yes deletes it", IDYES, {"10", "", "30"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        SelectRow(view, 2);
        ui.AnswerMessageBox(c.nAnswer);
        // The host's message does what the menu command does.
        view.SendMessage(CCappCardView::msgDataDeleteRow, 0, 0);
        EXPECT_EQ(c.after, Column(card, kNo));
        ASSERT_EQ(1u, ui.GetBoxes().size());
        EXPECT_STREQ("请确认删除当前行!", ui.GetBoxes().back().strText);
        EXPECT_STREQ("提示", ui.GetBoxes().back().strCaption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION), ui.GetBoxes().back().nType);
        ui.TakeBoxTexts();
    }

    // A grid row past the data deletes nothing and asks nothing.
    SelectRow(view, 1);
    view.m_nCurRow = 5;
    view.OnDataDeltrow();
    EXPECT_EQ((Strings{"10", "", "30"}), Column(card, kNo));
    EXPECT_TRUE(ui.TakeBoxTexts().empty());
}

TEST(CardRowOpsTest, ALockedClosingRowKeepsItsGridRow)
{
    CTestUi ui;
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    SetRows(card, {{{kNo, "10"}}, {{kNo, "20"}}, {}, {}, {{kName, "合计"}}});
    CCappMDData* pData = card.m_CardData.GetMDData(kMDName);
    pData->m_nLockRowID = pData->GetRow(4)->m_nRowID;
    view.ResertCurPage();
    auto lockedIndex = [&]() { return pData->RowIDToRowIndex(pData->m_nLockRowID, FALSE); };

    SelectRow(view, 1);
    view.OnDataInsert();
    EXPECT_EQ((Strings{"10", "", "20", "", ""}), Column(card, kNo));
    EXPECT_EQ(4, lockedIndex()) << "an empty row above it made room";

    SelectRow(view, 0);
    ui.AnswerMessageBox(IDYES);
    view.OnDataDeltrow();
    EXPECT_EQ(4, lockedIndex()) << "an empty row filled the deleted one's line";
    EXPECT_EQ((Strings{"", "20", "", "", ""}), Column(card, kNo));
    EXPECT_EQ("合计", Column(card, kName)[4]);
}

TEST(CardRowOpsTest, SortingIsNaturalNestedAndKeepsEmptyRows)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    CCappCell* pNoCell = pArea->GetCellByName(kNo);
    ASSERT_NE(nullptr, pNoCell);
    const int nKeptInt7 = pNoCell->m_nCellInt7;

    using Row = std::pair<const char*, const char*>; // order, name
    struct Case
    {
        const char* szName;
        std::vector<Row> rows;
        std::vector<const char*> steps; // index columns, outermost first
        bool bMultiRow;                 // an order may span rows
        Strings orders;
        Strings names;
    };
    const Case cases[] = {
        {"numbers and letters, empty rows stay at their indexes",
         {{"10", "a"}, {"", ""}, {"9", "b"}, {"2a", "c"}, {"", ""}, {"2", "d"}},
         {kNo},
         false,
         {"2", "", "2a", "9", "", "10"},
         {"d", "", "c", "b", "", "a"}},
        {"two rows", {{"B", "x"}, {"A", "y"}}, {kNo}, false, {"A", "B"}, {"y", "x"}},
        {"equal orders sort by the next column",
         {{"2", "b"}, {"1", "z"}, {"2", "a"}, {"1", "y"}},
         {kNo, kName},
         false,
         {"1", "1", "2", "2"},
         {"y", "z", "a", "b"}},
        {"an order over two rows moves as one entry",
         {{"20", "x"}, {"", "x2"}, {"10", "y"}, {"", "y2"}, {"5", "z"}},
         {kNo},
         true,
         {"5", "10", "", "20", ""},
         {"z", "y", "y2", "x", "x2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::vector<std::vector<Row>> rows;
        for (const Row& r : c.rows) {
            rows.push_back({{kNo, r.first}, {kName, r.second}});
        }
        SetRows(card, rows);
        ClearSteps(pArea);
        for (const char* pszStep : c.steps) {
            AddStep(pArea, 0, pszStep, "1", 1);
        }
        pNoCell->m_nCellInt7 = c.bMultiRow ? 1 : 0;
        view.SortMDRow(kMDName);
        EXPECT_EQ(c.orders, Column(card, kNo));
        EXPECT_EQ(c.names, Column(card, kName));
    }
    pNoCell->m_nCellInt7 = nKeptInt7;
    ClearSteps(pArea);

    // Without a key cell in the sheet nothing moves.
    SetRows(card, {{{kNo, "2"}}, {{kNo, "1"}}});
    CStringArray keys;
    keys.Add("nosuchcolumn");
    EXPECT_EQ(0, view.SortTextNest(card.m_CardData.GetMDData(kMDName), keys, 0, 1));
    EXPECT_EQ((Strings{"2", "1"}), Column(card, kNo));
}

TEST(CardRowOpsTest, RenumberingFollowsTheParentLevel)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    ClearSteps(pArea);
    AddStep(pArea, 0, kShop, "1", 1);
    AddStep(pArea, 1, kNo, "1", 1);
    view.m_pCurMidData = pArea;

    struct Case
    {
        const char* szName;
        int nLevel;
        int nStart;
        int bFromCur;
        int bGroupOnly;
        int nResult;
        Strings orders;
    };
    // Shops A A B B B B; order 9 everywhere but an empty one in the fifth row.
    const Case cases[] = {
        {"from the top: restarts where the shop changes, row 0 included", 1, 0, 0, 0, 1, {"1", "2", "1", "2", "", "3"}},
        {"from the current row to the end", 1, 2, 1, 0, 1, {"9", "9", "9", "10", "", "11"}},
        {"from the current row within its shop", 1, 0, 1, 1, 1, {"9", "10", "9", "9", "", "9"}},
        {"a level without a step", 2, 0, 0, 0, 0, {"9", "9", "9", "9", "", "9"}},
        {"a start outside the rows", 1, 6, 0, 0, 0, {"9", "9", "9", "9", "", "9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        SetRows(card, {{{kShop, "A"}, {kNo, "9"}},
                       {{kShop, "A"}, {kNo, "9"}},
                       {{kShop, "B"}, {kNo, "9"}},
                       {{kShop, "B"}, {kNo, "9"}},
                       {{kShop, "B"}, {kNo, ""}},
                       {{kShop, "B"}, {kNo, "9"}}});
        EXPECT_EQ(c.nResult, view.ResetVarOrder(c.nLevel, c.nStart, c.bFromCur, c.bGroupOnly));
        EXPECT_EQ(c.orders, Column(card, kNo));
    }

    // The order a new row would get: the next within its shop, the start in a new one.
    SetRows(card, {{{kShop, "A"}, {kNo, "1"}}, {{kShop, "A"}, {kNo, "2"}}, {{kShop, "B"}, {kNo, ""}}});
    struct Auto
    {
        int nRow;
        const char* szVar;
        const char* szOrder;
    };
    const Auto autos[] = {{0, kNo, "1"}, {2, kNo, "1"}, {1, kNo, "2"}, {0, kName, ""}};
    for (const Auto& a : autos) {
        SCOPED_TRACE(a.nRow);
        EXPECT_STREQ(a.szOrder, view.GetRowAutoOrder(a.nRow, kMDName, a.szVar));
    }
    ClearSteps(pArea);
}

TEST(CardRowOpsTest, AnImageFileIsAttachedOnlyOnceItsCopyExists)
{
    CShownTextWnd listener;
    CWinApp app("CardRowOpsTest");
    app.m_pMainWnd = listener.GetMain();
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    view.m_strCardDir = host.m_obj.GetCpoWorkDir();
    CCappCell* pCell = host.FindCell("零件名称");
    ASSERT_NE(nullptr, pCell);
    view.m_pCurCell = pCell;
    CCellFieldDataItem* pItem = card.m_CardData.m_HFData.GetVarDataItem("零件名称");
    ASSERT_NE(nullptr, pItem);
    pItem->SetData("old");

    const CString strSource = host.m_folder.GetPath() + "\\part.bmp";
    CFxHandle hFile(CreateFileA(strSource, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    DWORD nWritten = 0;
    WriteFile(hFile, "BM", 2, &nWritten, nullptr);
    hFile.Close();

    struct Case
    {
        const char* szName;
        CString strSource;
        bool bAttached;
    };
    const Case cases[] = {
        {"a missing file leaves the cell as it was", host.m_folder.GetPath() + "\\missing.bmp", false},
        {"an existing file is copied and the cell points at the copy", strSource, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CShownTextWnd::Texts().clear();
        EXPECT_EQ(c.bAttached ? TRUE : FALSE, view.AttachImageFile(c.strSource));
        if (c.bAttached) {
            EXPECT_TRUE(CShownTextWnd::Texts().empty());
            EXPECT_TRUE(pItem->GetData().Right(4) == ".bmp") << pItem->GetData().GetString();
            EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pItem->m_strFilePath));
            EXPECT_STREQ(view.m_strCardDir + "\\" + pItem->GetData(), pItem->m_strFilePath);
            EXPECT_STREQ(pItem->m_strFilePath, pCell->m_strDrawText);
        } else {
            EXPECT_STREQ("old", pItem->GetData());
            EXPECT_TRUE(pItem->m_strFilePath.IsEmpty());
            EXPECT_EQ(1u, CShownTextWnd::Texts().size());
        }
    }

    // Without a head or page cell selected there is nothing to attach to.
    CShownTextWnd::Texts().clear();
    view.m_pCurCell = nullptr;
    EXPECT_FALSE(view.AttachImageFile(strSource));
    EXPECT_EQ((Strings{"设置数据出错!"}), CShownTextWnd::Texts());
    app.m_pMainWnd = nullptr;
}

TEST(CardRowOpsTest, TheRenumberingDialogChoosesStartAndRange)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    CCappMidData* pArea = DetailArea(view);
    ASSERT_NE(nullptr, pArea);
    ClearSteps(pArea);
    AddStep(pArea, 0, kNo, "1", 1);

    struct Case
    {
        const char* szName;
        const char* szVar; // the selected column
        int nGridRow;
        int nButton; // the start choice clicked; 0 keeps the default, -1 cancels
        Strings orders;
        Strings boxes;
    };
    const Case cases[] = {
        {"from the top", kNo, 2, IDC_ROWORDER_FROMTOP, {"1", "2", "3", "4"}, {}},
        {"from the current row, the default", kNo, 1, 0, {"7", "5", "6", "7"}, {}},
        {"cancelled", kNo, 1, -1, {"7", "5", "9", "9"}, {}},
        {"not an index column", kName, 1, -1, {"7", "5", "9", "9"}, {"当前字段不是索引字段，无法进行序号重排!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        SetRows(card, {{{kNo, "7"}, {kName, "a"}},
                       {{kNo, "5"}, {kName, "b"}},
                       {{kNo, "9"}, {kName, "c"}},
                       {{kNo, "9"}, {kName, "d"}}});
        view.ResertCurPage();
        SelectRow(view, c.nGridRow);
        if (c.szVar != kNo) {
            view.m_pCurCell = pArea->GetCellByName(c.szVar);
        }
        if (c.boxes.empty()) {
            ui.OnDialog(IDD_ROWORDER, [&](CTestDlg& dlg) {
                EXPECT_STREQ("序号重设", dlg.GetCaption());
                EXPECT_TRUE(dlg.IsChecked(IDC_ROWORDER_FROMCUR));
                EXPECT_TRUE(dlg.IsChecked(IDC_ROWORDER_TOEND));
                if (c.nButton == IDC_ROWORDER_FROMTOP) {
                    dlg.SavePicture("row-order-dialog.png");
                }
                if (c.nButton < 0) {
                    dlg.Cancel();
                    return;
                }
                if (c.nButton > 0) {
                    dlg.Click(c.nButton);
                }
                dlg.Ok();
            });
        }
        view.ResetRowOrder();
        EXPECT_EQ(c.orders, Column(card, kNo));
        std::vector<std::string> boxes;
        for (const CString& s : ui.TakeBoxTexts()) {
            boxes.emplace_back(s.GetString());
        }
        EXPECT_EQ(c.boxes, boxes);
        EXPECT_EQ(c.boxes.empty() ? 1 : 0, ui.GetDialogsOpened());
    }
    ClearSteps(pArea);
}
