// Page numbering: setting a card for a page range, and the two dialogs driven as a user does.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <string>
#include <vector>

#include "common/KvHotButton.h"
#include "core/PageMaker.h"
#include "core/SelCardPageDlg.h"
#include "core/SetPageMakerDlg.h"
#include "core/res/resource.h"
#include "tests/support/UiDriver.h"

namespace
{

struct Entry
{
    int nFirst;
    const char* pszCard;
};

void LoadEntries(CSetPageMakerDlg& dlg, const std::vector<Entry>& entries)
{
    CObList list;
    for (const Entry& e : entries) {
        list.AddTail(new CPageMaker(e.nFirst, e.pszCard));
    }
    dlg.LoadPageMake(list);
    CSetPageMakerDlg::DetachPageMakerList(list);
}

// "card(first-last)" per entry as the list shows them.
std::string Ranges(const CObList& list)
{
    std::string str;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pEntry = static_cast<const CPageMaker*>(list.GetNext(pos));
        str += (str.empty() ? "" : " ") + std::string(pEntry->m_strCardName.GetString()) + "(" +
               std::to_string(pEntry->m_nFirstPage) + "-";
        str += pos != nullptr ? std::to_string(static_cast<const CPageMaker*>(list.GetAt(pos))->m_nFirstPage - 1) + ")"
                              : std::string("END)");
    }
    return str;
}

std::string ListItems(HWND hList)
{
    std::string str;
    const int nCount = static_cast<int>(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char szText[64] = {};
        LVITEMA item = {};
        item.iSubItem = 0;
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        SendMessageA(hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        str += (i > 0 ? " " : "") + std::string(szText);
    }
    return str;
}

void SelectItem(HWND hList, int nItem)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
}

void Spin(CTestDlg& dlg, int nSpinID, int nDelta)
{
    NMUPDOWN nm = {};
    nm.hdr.hwndFrom = dlg.Item(nSpinID);
    nm.hdr.idFrom = static_cast<UINT_PTR>(nSpinID);
    nm.hdr.code = UDN_DELTAPOS;
    nm.iDelta = nDelta;
    SendMessageA(dlg.GetHwnd(), WM_NOTIFY, static_cast<WPARAM>(nSpinID), reinterpret_cast<LPARAM>(&nm));
}

} // namespace

TEST(SetPageMakerDlgTest, RangeReplacesTheNumberingItCovers)
{
    struct Case
    {
        const char* szName;
        std::vector<Entry> entries;
        const char* pszCard;
        int nFrom;
        int nTo;
        const char* szResult;
    };
    const Case cases[] = {
        {"a card to the end after the master", {{1, "P"}}, "Q", 3, 10000, "P(1-2) Q(3-END)"},
        {"a range over two entries", {{1, "P"}, {3, "Q"}}, "R", 2, 4, "P(1-1) R(2-4) Q(5-END)"},
        {"a range inside one entry splits it", {{1, "P"}}, "R", 3, 5, "P(1-2) R(3-5) P(6-END)"},
        {"entries inside the range go",
         {{1, "P"}, {2, "Q"}, {3, "S"}, {6, "T"}},
         "R",
         2,
         4,
         "P(1-1) R(2-4) S(5-5) T(6-END)"},
        {"a last page below the first is one page", {{1, "P"}}, "R", 5, 3, "P(1-4) R(5-5) P(6-END)"},
        {"the range ends where the next entry starts", {{1, "P"}, {5, "Q"}}, "R", 2, 4, "P(1-1) R(2-4) Q(5-END)"},
        {"the first page replaced", {{1, "P"}, {4, "Q"}}, "R", 1, 2, "R(1-2) P(3-3) Q(4-END)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CSetPageMakerDlg dlg;
        LoadEntries(dlg, c.entries);
        dlg.ModifyOneCardPageMaker(c.pszCard, c.nFrom, c.nTo);
        EXPECT_EQ(c.szResult, Ranges(dlg.m_listPageMaker));
    }
}

TEST(SetPageMakerDlgTest, EndPagesComeFromTheNextEntry)
{
    CSetPageMakerDlg dlg;
    LoadEntries(dlg, {{4, "Q"}, {1, "P"}});
    dlg.SortCardPageMaker();
    int nEnd = -1;
    dlg.GetOneCardEndPage(0, nEnd);
    EXPECT_EQ(3, nEnd);
    dlg.GetOneCardEndPage(1, nEnd);
    EXPECT_EQ(0, nEnd);
    CObList list;
    list.AddTail(new CPageMaker(7, "old"));
    dlg.GetPageMake(list);
    EXPECT_EQ("P(1-3) Q(4-END)", Ranges(list));
    CSetPageMakerDlg::DetachPageMakerList(list);
}

TEST(SetPageMakerDlgTest, AddAndDeleteThroughTheDialogs)
{
    CTestUi ui;
    ui.OnDialog(IDD_SETPAGEMAKER, [](CTestDlg& dlg) {
        EXPECT_STREQ("设置卡片页", dlg.GetCaption().GetString());
        const HWND hList = dlg.Item(IDC_LC_CARDPAGE);
        EXPECT_EQ("P(1-END)", ListItems(hList));
        dlg.Click(IDC_BN_ADD);
        EXPECT_EQ("P(1-2) Q(3-END)", ListItems(hList));
        dlg.SavePicture("SetPageMakerDlg.png");
        // The first entry stays.
        SelectItem(hList, 0);
        dlg.Click(IDC_BN_DEL);
        EXPECT_EQ("P(1-2) Q(3-END)", ListItems(hList));
        SelectItem(hList, 1);
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED;
        SendMessageA(hList, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
        dlg.Click(IDC_BN_DEL);
        EXPECT_EQ("P(1-END)", ListItems(hList));
        dlg.Ok();
    });
    ui.OnDialog(IDD_SELCARDPAGE, [](CTestDlg& dlg) {
        EXPECT_STREQ("选择卡片页", dlg.GetCaption().GetString());
        ASSERT_EQ(2, dlg.GetComboCount(IDC_CB_CARDNAME));
        dlg.SelectCombo(IDC_CB_CARDNAME, 1);
        dlg.SetText(IDC_ED_FROMPAGE, "3");
        dlg.Click(IDC_CK_LASTPAGE);
        EXPECT_FALSE(dlg.IsEnabled(IDC_ED_TOPAGE));
        EXPECT_FALSE(dlg.IsEnabled(IDC_SP_TOPAGE));
        dlg.SavePicture("SelCardPageDlg.png");
        dlg.Ok();
    });
    CSetPageMakerDlg dlg;
    dlg.m_arrCardNames.Add("P");
    dlg.m_arrCardNames.Add("Q");
    LoadEntries(dlg, {{1, "P"}});
    EXPECT_EQ(IDOK, dlg.DoModal());
    const std::vector<CString> boxes = ui.TakeBoxTexts();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("第一项不能被删除", boxes[0].GetString());
    EXPECT_EQ("P(1-END)", Ranges(dlg.m_listPageMaker));
}

TEST(SetPageMakerDlgTest, PageRangeSpinsKeepTheRangeInOrder)
{
    CTestUi ui;
    ui.OnDialog(IDD_SELCARDPAGE, [](CTestDlg& dlg) {
        EXPECT_STREQ("Q", dlg.GetComboText(IDC_CB_CARDNAME, 1).GetString());
        EXPECT_STREQ("4", dlg.GetText(IDC_ED_FROMPAGE).GetString());
        EXPECT_STREQ("5", dlg.GetText(IDC_ED_TOPAGE).GetString());
        // The first page cannot go below its preset; raising it past the last page raises both.
        Spin(dlg, IDC_SP_FROMPAGE, -1);
        EXPECT_STREQ("4", dlg.GetText(IDC_ED_FROMPAGE).GetString());
        Spin(dlg, IDC_SP_FROMPAGE, 1);
        Spin(dlg, IDC_SP_FROMPAGE, 1);
        EXPECT_STREQ("6", dlg.GetText(IDC_ED_FROMPAGE).GetString());
        EXPECT_STREQ("6", dlg.GetText(IDC_ED_TOPAGE).GetString());
        // The last page rises on -1 and cannot fall below the first.
        Spin(dlg, IDC_SP_TOPAGE, -1);
        EXPECT_STREQ("7", dlg.GetText(IDC_ED_TOPAGE).GetString());
        Spin(dlg, IDC_SP_TOPAGE, 1);
        Spin(dlg, IDC_SP_TOPAGE, 1);
        EXPECT_STREQ("6", dlg.GetText(IDC_ED_TOPAGE).GetString());
        EXPECT_TRUE(dlg.IsEnabled(IDC_ED_TOPAGE));
        dlg.Ok();
    });
    CSelCardPageDlg dlg;
    dlg.m_arrCardNames.Add("P");
    dlg.m_arrCardNames.Add("Q");
    dlg.m_strCardName = "Q";
    dlg.m_nFromPage = 4;
    dlg.m_nToPage = 5;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("Q", dlg.m_strCardName.GetString());
    EXPECT_EQ(6, dlg.m_nFromPage);
    EXPECT_EQ(6, dlg.m_nToPage);
    EXPECT_EQ(0, dlg.m_bLastPage);
}

TEST(SetPageMakerDlgTest, FirstEntryKeepsItsFirstPage)
{
    CTestUi ui;
    ui.OnDialog(IDD_SELCARDPAGE, [](CTestDlg& dlg) {
        EXPECT_FALSE(dlg.IsEnabled(IDC_ED_FROMPAGE));
        EXPECT_FALSE(dlg.IsEnabled(IDC_SP_FROMPAGE));
        EXPECT_TRUE(dlg.IsChecked(IDC_CK_LASTPAGE));
        EXPECT_FALSE(dlg.IsEnabled(IDC_ED_TOPAGE));
        dlg.Ok();
    });
    CSelCardPageDlg dlg;
    dlg.m_arrCardNames.Add("P");
    dlg.m_bFirstEntry = 1;
    dlg.m_bLastPage = 1;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("P", dlg.m_strCardName.GetString());
}

TEST(SetPageMakerDlgTest, ButtonsAndEntriesShowTheirImages)
{
    CSetPageMakerDlg dlg;
    dlg.m_arrCardNames.Add("P");
    LoadEntries(dlg, {{1, "P"}, {4, "Q"}});
    CTestUi ui;
    ui.OnDialog(IDD_SETPAGEMAKER, [&dlg](CTestDlg& test) {
        struct Case
        {
            const char* szName;
            CKvHotButton* pButton;
            const char* szTip;
        };
        const Case cases[] = {
            {"delete", &dlg.m_btnDel, "删除"},
            {"add", &dlg.m_btnAdd, "添加"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.szName);
            EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), c.pButton->GetStyle() & 0x0F);
            EXPECT_EQ(1, c.pButton->GetImageKind());
            int cx = 0;
            int cy = 0;
            ASSERT_TRUE(c.pButton->GetImageList().GetIconSize(cx, cy));
            EXPECT_EQ(16, cx);
            EXPECT_EQ(16, cy);
            EXPECT_EQ(CString(c.szTip), c.pButton->GetToolTip().GetText(c.pButton, 1));
        }
        // Every entry carries the card icon, 32 by 32.
        const HWND hList = test.Item(IDC_LC_CARDPAGE);
        const auto hImages = reinterpret_cast<HIMAGELIST>(SendMessageA(hList, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        ASSERT_NE(nullptr, hImages);
        EXPECT_EQ(1, ImageList_GetImageCount(hImages));
        int cx = 0;
        int cy = 0;
        ImageList_GetIconSize(hImages, &cx, &cy);
        EXPECT_EQ(32, cx);
        EXPECT_EQ(32, cy);
        for (int nItem = 0; nItem < 2; ++nItem) {
            LVITEMA item = {};
            item.mask = LVIF_IMAGE | LVIF_PARAM;
            item.iItem = nItem;
            ASSERT_TRUE(SendMessageA(hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            EXPECT_EQ(0, item.iImage);
            EXPECT_EQ(nItem == 0 ? 1 : 4, static_cast<int>(item.lParam));
        }
        test.SavePicture("SetPageMakerDlgImages.png");
        test.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}
