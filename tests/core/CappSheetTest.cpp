// What a sheet tells the application's main window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "platform/frame/WinApp.h"
#include "platform/win/Wnd.h"
#include "core/CellDataItem.h"
#include "tests/core/CardArchiveUtil.h"
#include "tests/core/CardObjUtil.h"
#include "tests/support/ShownTextWnd.h"
#include "tests/support/DibCanvas.h"

namespace
{

class CappSheetMainWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wndMain.IsCreated());

        m_sheet.m_nPageWidth = 600;
        m_sheet.m_nPageHeight = 600;
        m_sheet.SetFrameRect(CRect(10, 10, 500, 500), 0, 2);
        ASSERT_NE(nullptr, m_sheet.AddCellLineBySpace(1, -1, 400, 0, 10000, 0));
    }

    void TearDown() override { m_sheet.m_pWnd = nullptr; }

    CShownTextWnd m_wndMain;
    CCappSheet m_sheet;
};

TEST_F(CappSheetMainWndTest, RefusedPageSizeSendsItsReasonToTheMainWindow)
{
    struct Case
    {
        const char* szName;
        BOOL bSheetWindow;
    };
    const Case cases[] = {
        {"main window above the sheet's window", TRUE},
        {"sheet without a window: the application's main window", FALSE},
    };
    // The application object names the main window; a sheet without a window asks it.
    CWinApp app("CappSheetTest");
    app.m_pMainWnd = m_wndMain.GetMain();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::vector<std::string>& texts = CShownTextWnd::Texts();
        texts.clear();
        if (c.bSheetWindow) {
            m_sheet.m_pWnd = m_wndMain.GetView();
        }

        // A frame that would cut the line at 400 is refused, and the main window hears why.
        m_sheet.m_strPaperName = "A4";
        const CRect rcFrame = m_sheet.m_rcFrame;
        EXPECT_EQ(0, m_sheet.SetSheetPageSize(600, 300, 2, 10, 10, 10, 10, "B5"));
        ASSERT_EQ(1u, texts.size());
        EXPECT_FALSE(texts.back().empty());
        EXPECT_EQ(rcFrame, m_sheet.m_rcFrame);
        EXPECT_EQ("A4", m_sheet.m_strPaperName);
        EXPECT_EQ(600, m_sheet.m_nPageHeight);

        // So does a negative margin.
        EXPECT_EQ(0, m_sheet.SetSheetPageSize(600, 600, 2, -5, 10, 10, 10, ""));
        ASSERT_EQ(2u, texts.size());
        EXPECT_EQ("页边距不能小于0", texts.back());

        // An accepted size says nothing.
        EXPECT_EQ(1, m_sheet.SetSheetPageSize(600, 700, 2, 10, 10, 10, 10, "B5"));
        EXPECT_EQ(2u, texts.size());
        EXPECT_EQ(600, m_sheet.m_nPageWidth);
        EXPECT_EQ(700, m_sheet.m_nPageHeight);
        EXPECT_EQ("B5", m_sheet.m_strPaperName);
        ASSERT_EQ(1, m_sheet.SetSheetPageSize(600, 600, 2, 10, 10, 10, 10, ""));

        m_sheet.m_pWnd = nullptr;
    }
    app.m_pMainWnd = nullptr;
}

TEST(CappSheetTest, LoadingNumbersCellsWithoutIdInListOrderAndSeatsThem)
{
    // Each list gets one cell without an id; the lists are filled against the numbering order.
    CCappSheet sheet;
    auto fnAdd = [](CObList& list, const char* pszText, int nID) {
        auto* pCell = new CCappCell;
        pCell->m_strText = pszText;
        pCell->m_nCellID = nID;
        list.AddTail(pCell);
    };
    auto* pMid2 = new CCappMidData;
    fnAdd(pMid2->m_listMidCell, "mid2", 0);
    auto* pMid1 = new CCappMidData;
    fnAdd(pMid1->m_listMidCell, "mid1", -3);
    fnAdd(pMid1->m_listMidCell, "kept", 40);
    sheet.m_MidDataList.AddTail(pMid1);
    sheet.m_MidDataList.AddTail(pMid2);
    fnAdd(sheet.m_OutCellList, "out", 0);
    fnAdd(sheet.m_PageCellList, "page", 0);
    fnAdd(sheet.m_HeadCellList, "head", 0);
    sheet.m_nNextCellID = 10;

    CCappSheet loaded;
    LoadObject(loaded, StoreObject(sheet));

    struct Case
    {
        const char* szName;
        const CObList* pList;
        int nIndex;
        int nID;
        int nSeat;
    };
    const auto* pLoadedMid1 = static_cast<CCappMidData*>(loaded.m_MidDataList.GetHead());
    const auto* pLoadedMid2 = static_cast<CCappMidData*>(loaded.m_MidDataList.GetTail());
    // The stored next id 10 is below the kept id 40: numbering starts above it.
    const Case cases[] = {
        {"head", &loaded.m_HeadCellList, 0, 41, CCappCell::seatHead},
        {"page", &loaded.m_PageCellList, 0, 42, CCappCell::seatPage},
        {"out", &loaded.m_OutCellList, 0, 43, CCappCell::seatOut},
        {"mid1", &pLoadedMid1->m_listMidCell, 0, 44, CCappCell::seatMidData},
        {"kept", &pLoadedMid1->m_listMidCell, 1, 40, CCappCell::seatMidData},
        {"mid2", &pLoadedMid2->m_listMidCell, 0, 45, CCappCell::seatMidData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        POSITION pos = c.pList->FindIndex(c.nIndex);
        ASSERT_NE(nullptr, pos);
        const auto* pCell = static_cast<const CCappCell*>(c.pList->GetAt(pos));
        EXPECT_EQ(c.szName, pCell->m_strText);
        EXPECT_EQ(c.nID, pCell->m_nCellID);
        EXPECT_EQ(c.nSeat, pCell->m_nDataPos);
    }
    EXPECT_EQ(46, loaded.m_nNextCellID);
}

TEST(CappSheetTest, LoadingRaisesAStaleNextCellIdAboveEveryKeptId)
{
    struct Case
    {
        const char* szName;
        int nStoredNext;
        std::vector<int> keptIDs;
        int nNewID;
        int nNext;
    };
    const Case cases[] = {
        {"counter below a kept id", 3, {5, 2}, 6, 7},
        {"negative counter", -7, {}, 1, 2},
        {"zero counter", 0, {4}, 5, 6},
        {"counter equal to a kept id", 4, {4}, 5, 6},
        {"counter above every kept id", 9, {4}, 9, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappSheet sheet;
        for (int nID : c.keptIDs) {
            auto* pCell = new CCappCell;
            pCell->m_nCellID = nID;
            sheet.m_PageCellList.AddTail(pCell);
        }
        sheet.m_HeadCellList.AddTail(new CCappCell);
        sheet.m_nNextCellID = c.nStoredNext;

        CCappSheet loaded;
        LoadObject(loaded, StoreObject(sheet));
        EXPECT_EQ(c.nNewID, static_cast<CCappCell*>(loaded.m_HeadCellList.GetHead())->m_nCellID);
        EXPECT_EQ(c.nNext, loaded.m_nNextCellID);
        EXPECT_EQ(c.nNext, loaded.GetNewCellID());
    }
}

} // namespace

TEST(CappSheetTest, SetAllCellFontHeightDropsEveryScaledFont)
{
    std::unique_ptr<CCappSheet> pSheet(MakeTemplateSheet({"F", 2, {"A"}, "MD", {"Op"}, "PG"}));
    CTestDib dib(100, 100);
    auto* pMid = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetHead());
    auto* pMidCell = static_cast<CCappCell*>(pMid->m_listMidCell.GetHead());
    auto* pRange = static_cast<CCellDataItem*>(pMidCell->m_listCellData.GetHead());
    pRange->m_nFlags |= CCellDataItem::flagOwnFont;
    CCappCell* const cells[] = {static_cast<CCappCell*>(pSheet->m_HeadCellList.GetHead()),
                                static_cast<CCappCell*>(pSheet->m_PageCellList.GetHead()), pMidCell};
    for (CCappCell* pCell : cells) {
        ASSERT_NE(nullptr, pCell->GetDrawLoginFont(&dib.DC()));
    }
    ASSERT_NE(nullptr, pRange->GetDrawLoginFont(&dib.DC()));
    pSheet->SetAllCellFontHeight();
    for (CCappCell* pCell : cells) {
        EXPECT_TRUE(pCell->m_drawFont.GetContext().IsEmpty());
        // Made again at the next draw.
        const int nMade = pCell->m_drawFont.GetMadeCount();
        EXPECT_NE(nullptr, pCell->GetDrawLoginFont(&dib.DC()));
        EXPECT_EQ(nMade + 1, pCell->m_drawFont.GetMadeCount());
    }
    EXPECT_TRUE(pRange->m_drawFont.GetContext().IsEmpty());
}

TEST(CappSheetTest, FindMidDataTakesTheFirstAreaOfThatName)
{
    CCappSheet sheet;
    const char* const names[] = {"parts", "", "tools", "parts"};
    for (const char* pszName : names) {
        auto* pMid = new CCappMidData;
        pMid->m_strName = pszName;
        sheet.m_MidDataList.AddTail(pMid);
    }
    struct FindCase
    {
        const char* szName;
        const char* szArea;
        int nIndex; // in the list; -1 for none
    };
    const FindCase cases[] = {
        {"first of two of a name", "parts", 0},
        {"another name", "tools", 2},
        {"an unnamed area by the empty name", "", 1},
        {"names are compared exactly", "Parts", -1},
        {"no such area", "none", -1},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.szName);
        POSITION pos = c.nIndex >= 0 ? sheet.m_MidDataList.FindIndex(c.nIndex) : nullptr;
        const CObject* pExpected = pos != nullptr ? sheet.m_MidDataList.GetAt(pos) : nullptr;
        EXPECT_EQ(pExpected, sheet.FindMidData(c.szArea));
    }
}
