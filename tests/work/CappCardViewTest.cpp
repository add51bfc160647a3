// The card filling view in a host frame: loading the sample card, drawing it, paging with the
// page notice, and refusing what cannot be done (no card, the only page, a failed save).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/CappMDData.h"
#include "core/CardObj.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/work/CardViewTestHost.h"

namespace
{
using PageList = std::vector<std::pair<int, int>>;

constexpr const char* kPageVar = "编制";
constexpr const char* kMDName = "工序";

// What a paint of the view's client area shows: its background, then the page.
void RenderView(CCappCardView& view, CTestDib& dib)
{
    view.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dib.DC().GetSafeHdc()));
    view.OnPrepareDC(&dib.DC(), nullptr);
    view.OnDraw(&dib.DC());
}

void SaveViewPicture(CCappCardView& view, const char* pszName, CTestDib& dib)
{
    RenderView(view, dib);
    const std::string strPath = TestImagePath(pszName);
    ASSERT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height())) << strPath;
}

CSize ClientSize(CWnd& wnd)
{
    CRect rc;
    wnd.GetClientRect(&rc);
    return CSize(rc.Width(), rc.Height());
}

CString PageValue(CCardObj& card, int nPage)
{
    CString strValue;
    card.m_CardData.m_PgData.GetVarData(nPage, kPageVar, strValue);
    return strValue;
}

void SetPageValue(CCardObj& card, int nPage, const char* pszValue)
{
    CString strValue = pszValue;
    ASSERT_TRUE(card.m_CardData.m_PgData.SetVarData(nPage, kPageVar, strValue));
}

} // namespace

TEST(CappCardViewTest, TheHostLoadsTheSampleCardAndHearsOfPageOne)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;

    EXPECT_EQ(1, host.Card().m_CardData.m_nPageCount);
    EXPECT_EQ(1, host.Card().m_nCurPage);
    ASSERT_NE(nullptr, view.GetCurSheet());
    EXPECT_STREQ("ProcessCard", view.GetCurSheet()->m_strName);
    // Once when the new page is shown, once when it has been added.
    EXPECT_EQ((PageList{{1, 1}, {1, 1}}), host.m_pFrame->PageNotices());
    // A fresh page starts without a selection, and the host heard that too.
    EXPECT_EQ(nullptr, view.m_pCurCell);
    EXPECT_EQ(-1, view.m_nCurRow);
    EXPECT_NE(0, std::count_if(host.m_pFrame->m_notices.begin(), host.m_pFrame->m_notices.end(),
                               [](const CardViewNotice& n) { return n.nMessage == CCappCardView::msgSelChanged; }));

    // The page is shown at natural size: the A4 landscape width in pixels of this screen.
    const CSize size = ClientSize(view);
    CTestDib dib(size.cx, size.cy, RGB(128, 128, 128));
    SaveViewPicture(view, "card-view-page1.png", dib);
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(1, 1)) << "the paper covers the window's corner";
    EXPECT_GT(dib.CountInk(CRect(0, 0, size.cx, size.cy / 3), RGB(0xFE, 0xFE, 0xFE)), 1000) << "the header is drawn";
}

TEST(CappCardViewTest, PagingKeepsEachPagesValuesOnItsPage)
{
    enum Op { add, insert, remove, show };
    struct Case
    {
        const char* szName;
        Op op;
        int nPage;              // for show
        const char* szNewValue; // stored on the current page after the step, or null
        int nCount;
        int nCurrent;
        PageList notices;                // what the host hears of the step
        std::vector<const char*> values; // page values, page 1 first
    };
    const Case cases[] = {
        {"add a page and show it", add, 0, "B", 2, 2, {{2, 2}, {2, 2}}, {"A", "B"}},
        {"insert before page 2", insert, 0, "N", 3, 2, {{3, 2}, {3, 2}}, {"A", "N", "B"}},
        {"switch to page 3", show, 3, nullptr, 3, 3, {{3, 3}}, {"A", "N", "B"}},
        {"delete the last page shows the new last", remove, 0, nullptr, 2, 2, {{2, 2}, {2, 2}}, {"A", "N"}},
        {"switch to page 1", show, 1, nullptr, 2, 1, {{2, 1}}, {"A", "N"}},
        {"delete page 1 shows the page that took its number", remove, 0, nullptr, 1, 1, {{1, 1}, {1, 1}}, {"N"}},
        {"switch outside the card", show, 2, nullptr, 1, 1, {}, {"N"}},
    };

    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    SetPageValue(card, 1, "A");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        host.m_pFrame->m_notices.clear();
        switch (c.op) {
        case add:
            view.AddNewPage(1, 1);
            break;
        case insert:
            view.InsertNewPage();
            break;
        case remove:
            view.DeleteCurPage();
            break;
        case show:
            EXPECT_EQ(c.nPage <= card.m_CardData.m_nPageCount, view.SetCurPage(c.nPage, 1) != FALSE);
            break;
        }
        if (c.szNewValue != nullptr) {
            SetPageValue(card, card.m_nCurPage, c.szNewValue);
            view.ResertCurPage();
            host.m_pFrame->m_notices.pop_back(); // the 0x518 of the redisplay
            host.m_pFrame->m_notices.pop_back(); // its page notice
        }
        EXPECT_EQ(c.nCount, card.m_CardData.m_nPageCount);
        EXPECT_EQ(c.nCurrent, card.m_nCurPage);
        EXPECT_EQ(c.notices, host.m_pFrame->PageNotices());
        ASSERT_EQ(c.values.size(), static_cast<size_t>(card.m_CardData.m_nPageCount));
        for (size_t i = 0; i < c.values.size(); ++i) {
            EXPECT_STREQ(c.values[i], PageValue(card, static_cast<int>(i) + 1)) << "page " << i + 1;
        }
        // The page cell shows the current page's value.
        CCappCell* pCell = host.FindCell(kPageVar, true);
        ASSERT_NE(nullptr, pCell);
        EXPECT_STREQ(c.values[static_cast<size_t>(card.m_nCurPage) - 1], pCell->m_strText);
    }
}

TEST(CappCardViewTest, PageKeysStopAtTheEndsOfTheCard)
{
    struct Case
    {
        const char* szName;
        int nStartPage;
        UINT nKey;
        int nExpectedPage;
        size_t nPageNotices;
    };
    const Case cases[] = {
        {"Page Down to the next page", 1, VK_NEXT, 2, 1},
        {"Page Down on the last page", 3, VK_NEXT, 3, 0},
        {"Page Up to the previous page", 3, VK_PRIOR, 2, 1},
        {"Page Up on page 1", 1, VK_PRIOR, 1, 0},
    };
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    view.AddNewPage(0, 1);
    view.AddNewPage(0, 1);
    ASSERT_EQ(3, host.Card().m_CardData.m_nPageCount);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        ASSERT_TRUE(view.SetCurPage(c.nStartPage, 1));
        host.m_pFrame->m_notices.clear();
        view.SendMessage(WM_KEYDOWN, c.nKey, 1);
        EXPECT_EQ(c.nExpectedPage, host.Card().m_nCurPage);
        EXPECT_EQ(c.nPageNotices, host.m_pFrame->PageNotices().size());
    }
    // Outside the card nothing changes and nothing is sent.
    host.m_pFrame->m_notices.clear();
    EXPECT_FALSE(view.SetCurPage(0, 1));
    EXPECT_FALSE(view.SetCurPage(4, 1));
    EXPECT_EQ(1, host.Card().m_nCurPage);
    EXPECT_TRUE(host.m_pFrame->m_notices.empty());
}

TEST(CappCardViewTest, TheOnlyPageIsNotDeleted)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    SetPageValue(host.Card(), 1, "A");
    view.m_pCurCell = host.FindCell(kPageVar, true);
    view.m_nCurRow = 0;
    host.m_pFrame->m_notices.clear();

    view.DeleteCurPage();

    EXPECT_EQ(1, host.Card().m_CardData.m_nPageCount);
    EXPECT_EQ(1, host.Card().m_nCurPage);
    EXPECT_STREQ("A", PageValue(host.Card(), 1));
    // The selection still points into a page that exists.
    EXPECT_EQ(host.FindCell(kPageVar, true), view.m_pCurCell);
    EXPECT_TRUE(host.m_pFrame->m_notices.empty());
}

TEST(CappCardViewTest, WithoutACardEveryCallIsRefused)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(false));
    CCappCardView& view = *host.m_pView;
    ASSERT_EQ(nullptr, view.m_pCappObj);

    view.LoadCardObj("", "", &host.m_obj);
    view.LoadCardObj(&host.m_obj);
    view.PostOpenCappObj();
    view.AddNewPage(1, 1);
    view.InsertNewPage();
    view.DeleteCurPage();
    view.ResertCurPage();
    EXPECT_FALSE(view.SetCurPage(1, 1));
    view.UpDataCurPage(1);
    EXPECT_EQ(0, view.SaveCardData());
    EXPECT_EQ(0, view.SaveCardDataAs("x"));
    view.KillEditControl();
    view.PageMake(2, -1, "ProcessCardNext");
    view.SetPageMake(CString("1,ProcessCard"));
    EXPECT_EQ(0, view.SetVarData("零件名称", 1, "x"));
    EXPECT_EQ(0, view.SetCurCellFocus("零件名称", 0));
    view.BeginInputDataToCell(CPoint(10, 10));
    view.ReplaceCurEditData("x");
    view.ReDrawHeadCell();
    view.ReDrawPageCell();
    view.ReDrawPageInfoCell();
    view.ReDrawMDCell("", 1);
    for (UINT nMessage : {WM_LBUTTONDBLCLK, WM_RBUTTONUP}) {
        view.SendMessage(nMessage, 0, MAKELPARAM(20, 20));
    }
    view.SendMessage(0x45B, VK_TAB, 0);
    for (int nType = 0; nType <= 7; ++nType) {
        view.SetViewType(nType);
    }
    for (UINT nKey : {VK_NEXT, VK_PRIOR, VK_TAB, VK_SPACE}) {
        view.SendMessage(WM_KEYDOWN, nKey, 1);
    }
    for (UINT nID : {0x7FF9u, 0x7FFAu, 0x804Du, 0x804Fu, 0x8050u, 0x8051u, 0x8052u, 0x8053u, 0x8446u, 0x8447u, 0xE122u,
                     0xE123u, 0xE125u, 0xE12Bu, 0x8069u}) {
        view.SendMessage(WM_COMMAND, nID, 0);
    }
    const CSize size = ClientSize(view);
    CTestDib dib(size.cx, size.cy, RGB(128, 128, 128));
    RenderView(view, dib);
    // Only the background: the whole client is the colour outside a sheet.
    EXPECT_EQ(0, dib.CountInk(CRect(0, 0, size.cx, size.cy), RGB(0xFE, 0xFE, 0xFE)));
    EXPECT_TRUE(host.m_pFrame->m_notices.empty());
    EXPECT_EQ(0, host.Card().m_CardData.m_nPageCount) << "the card object was never touched";
}

TEST(CappCardViewTest, SaveReportsTheCardsResultAndAFreshViewShowsTheValues)
{
    {
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open());
        CString strValue = "ABC";
        ASSERT_TRUE(host.Card().m_CardData.m_HFData.SetVarData("零件名称", strValue));
        SetPageValue(host.Card(), 1, "张三");
        EXPECT_EQ(1, host.m_pView->SaveCardData());
        EXPECT_TRUE(CCardObj::ExistFile(host.m_obj.GetCpoWorkDir() + "\\MAST.ccd"));

        host.Close();
        ASSERT_TRUE(host.Open());
        ASSERT_NE(nullptr, host.FindCell("零件名称"));
        EXPECT_STREQ("ABC", host.FindCell("零件名称")->m_strText);
        EXPECT_STREQ("张三", host.FindCell(kPageVar, true)->m_strText);
    }
    {
        // A card whose folder has gone cannot be written: the host must hear so.
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open());
        host.Card().m_strCardDir = host.m_folder.PathOf("gone");
        EXPECT_EQ(0, host.m_pView->SaveCardData());
        EXPECT_EQ(0, host.m_pView->SaveCardDataAs(host.m_folder.PathOf("other.cpo")));
    }
}

TEST(CappCardViewTest, BrowseModeDrawsTheSamePictureThroughItsBuffer)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    CString strValue = "轴";
    host.Card().m_CardData.m_HFData.SetVarData("零件名称", strValue);
    view.ResertCurPage();
    const CSize size = ClientSize(view);
    CTestDib direct(size.cx, size.cy, RGB(128, 128, 128));
    RenderView(view, direct);

    view.m_bBrowseMode = TRUE;
    CTestDib buffered(size.cx, size.cy, RGB(128, 128, 128));
    SaveViewPicture(view, "card-view-browse.png", buffered);
    PngImage image;
    image.cx = size.cx;
    image.cy = size.cy;
    image.pixels.assign(direct.Bits(), direct.Bits() + static_cast<size_t>(size.cx) * size.cy);
    EXPECT_EQ(0, CountDifferentPixels(image, buffered.Bits(), size.cx, size.cy));
}

TEST(CappCardViewTest, ADetailAreaOverTwoPagesShowsTheContinuationCard)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    // Pages from 2 on use the continuation card.
    view.PageMake(2, -1, "ProcessCardNext");
    CCappMDData* pMDData = card.m_CardData.GetMDData(kMDName);
    ASSERT_NE(nullptr, pMDData);
    // More operations than the first page holds, from the first row on.
    while (pMDData->GetRowCount() < 20) {
        pMDData->InsertRowData(-1, 0);
    }
    for (int nRow = 0; nRow < 20; ++nRow) {
        CString strNo;
        strNo.Format("%d", (nRow + 1) * 10);
        CString strName = nRow % 2 == 0 ? "车" : "铣";
        CString strContent = "粗车外圆，留余量";
        pMDData->SetVarData(nRow, "工序号", strNo);
        pMDData->SetVarData(nRow, "工序名称", strName);
        pMDData->SetVarData(nRow, "工序内容", strContent);
    }
    int bChanged = 0;
    card.ReSetPageCount(bChanged, 1);
    ASSERT_EQ(2, card.m_CardData.m_nPageCount);
    host.m_pFrame->m_notices.clear();

    ASSERT_TRUE(view.SetCurPage(2, 1));
    EXPECT_EQ((PageList{{2, 2}}), host.m_pFrame->PageNotices());
    ASSERT_NE(nullptr, view.GetCurSheet());
    EXPECT_STREQ("ProcessCardNext", view.GetCurSheet()->m_strName);
    const CSize size = ClientSize(view);
    CTestDib page2(size.cx, size.cy, RGB(128, 128, 128));
    SaveViewPicture(view, "card-view-detail-page2.png", page2);

    ASSERT_TRUE(view.SetCurPage(1, 1));
    view.SetViewType(1);
    CTestDib page1(size.cx, size.cy, RGB(128, 128, 128));
    SaveViewPicture(view, "card-view-detail-page1-all.png", page1);
    // The whole page fits: the sheet's paper reaches neither edge of the window on both sides.
    const CRect rcInk = page1.InkBounds(CRect(0, 0, size.cx, size.cy), RGB(0xFE, 0xFE, 0xFE));
    EXPECT_GT(rcInk.Width(), size.cx / 2);
    EXPECT_LT(rcInk.bottom, size.cy);
}

TEST(CappCardViewTest, AClickSelectsAVariableCellAndTabWalksTheHeadCells)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    // A single click only selects: the frame shows rather than the editor.
    view.m_bEditOnDblClk = TRUE;
    CCappSheet* pSheet = view.GetCurSheet();
    ASSERT_NE(nullptr, pSheet);
    // The client point at the middle of a cell.
    auto pointOf = [&](CCappCell* pCell) {
        const CRect rc = pSheet->GetCellRect(pCell);
        CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        view.LpToDp(pt);
        return pt;
    };
    auto click = [&](CPoint pt) {
        host.m_pFrame->m_notices.clear();
        view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    };
    CCappCell* pName = host.FindCell("零件名称");
    ASSERT_NE(nullptr, pName);
    click(pointOf(pName));
    EXPECT_EQ(pName, view.m_pCurCell);
    EXPECT_EQ(0, view.m_nCurRow);
    EXPECT_TRUE(pSheet->GetCellRect(pName).PtInRect(view.m_rcCurCell.TopLeft()));
    EXPECT_TRUE(pSheet->GetCellRect(pName).PtInRect(view.m_rcCurCell.BottomRight()));
    EXPECT_EQ((std::vector<CardViewNotice>{{CCappCardView::msgSelChanged, 0, 0, ""}}), host.m_pFrame->m_notices);

    const CSize size = ClientSize(view);
    CTestDib dib(size.cx, size.cy, RGB(128, 128, 128));
    SaveViewPicture(view, "card-view-selected.png", dib);
    CPoint ptCorner = view.m_rcCurCell.TopLeft();
    view.LpToDp(ptCorner);
    CPoint ptCellCorner = pSheet->GetCellRect(pName).TopLeft();
    view.LpToDp(ptCellCorner);
    ASSERT_GT(ptCorner.y, ptCellCorner.y) << "the frame lies inside the cell";
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(ptCorner.x + 3, ptCorner.y)) << "the frame's top edge";
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(ptCorner.x + 3, ptCorner.y + 1)) << "the cell inside the frame";

    struct Step
    {
        const char* szName;
        UINT nKey;
        const char* szVar; // the variable of the cell selected after the key
    };
    const Step steps[] = {
        {"Tab to the drawing number", VK_TAB, "零件图号"},
        {"Enter to the material", VK_RETURN, "材料牌号"},
        {"Right to the blank size", VK_RIGHT, "毛坯尺寸"},
        {"Tab wraps past the headings to the part name", VK_TAB, "零件名称"},
        {"Left wraps back to the blank size", VK_LEFT, "毛坯尺寸"},
        {"Down stays", VK_DOWN, "毛坯尺寸"},
        {"Up stays", VK_UP, "毛坯尺寸"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.szName);
        view.SendMessage(WM_KEYDOWN, s.nKey, 1);
        ASSERT_NE(nullptr, view.m_pCurCell);
        EXPECT_STREQ(s.szVar, view.m_pCurCell->m_strVarName);
        EXPECT_TRUE(pSheet->GetCellRect(view.m_pCurCell).PtInRect(view.m_rcCurCell.CenterPoint()));
    }

    // A label is not selectable: the selection goes.
    POSITION pos = pSheet->m_HeadCellList.GetHeadPosition();
    auto* pTitle = static_cast<CCappCell*>(pSheet->m_HeadCellList.GetAt(pos));
    ASSERT_NE(CCappCell::kindVariable, pTitle->m_nContentKind);
    click(pointOf(pTitle));
    EXPECT_EQ(nullptr, view.m_pCurCell);
    EXPECT_TRUE(view.m_rcCurCell.IsRectEmpty());

    // A page cell is selected as well; a read-only view selects nothing.
    CCappCell* pSign = host.FindCell(kPageVar, true);
    ASSERT_NE(nullptr, pSign);
    view.OnZoomViewAll();
    click(pointOf(pSign));
    EXPECT_EQ(pSign, view.m_pCurCell);
    click(CPoint(0, 0));
    EXPECT_EQ(nullptr, view.m_pCurCell);
    view.TaskReWriteCard();
    click(pointOf(pName));
    EXPECT_EQ(nullptr, view.m_pCurCell);
    EXPECT_TRUE(host.m_pFrame->m_notices.empty());
}
