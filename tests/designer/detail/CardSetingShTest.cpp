// The detail-area settings sheet on the sample process card's detail area: what its pages show
// and write, what survives saving the template, the refusal of a nameless sort row, and Cancel.
#include <gtest/gtest.h>

#include "core/CappCell.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "designer/detail/CardSetingSh.h"
#include "designer/template/TemplateFile.h"
#include "designer/res/resource.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

// After the windows headers.
#include <prsht.h>

namespace
{
CString SamplePath(const char* pszName)
{
    return TestDataPath("..\\..\\..\\samples\\workdir\\Template\\") + pszName;
}

CCappMidData* FirstMidData(CCappSheet& sheet)
{
    return sheet.m_MidDataList.IsEmpty() ? nullptr : static_cast<CCappMidData*>(sheet.m_MidDataList.GetHead());
}

CCappCell* MidCell(CCappMidData* pMid, int nIndex)
{
    POSITION pos = pMid->m_listMidCell.FindIndex(nIndex);
    return pos != nullptr ? static_cast<CCappCell*>(pMid->m_listMidCell.GetAt(pos)) : nullptr;
}

// A check box clicked as the user does it.
void ClickCheck(CWnd& page, int nID)
{
    HWND hCheck = ::GetDlgItem(page.m_hWnd, nID);
    ::CheckDlgButton(page.m_hWnd, nID, ::IsDlgButtonChecked(page.m_hWnd, nID) ? BST_UNCHECKED : BST_CHECKED);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hCheck));
}

void ClickButton(CWnd& page, int nID)
{
    page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(page.m_hWnd, nID)));
}

void ClickCell(CDesignGrid& grid, UINT nRow, UINT nCol)
{
    CRect rc;
    ASSERT_TRUE(grid.GetCellRect(nRow, nCol, rc));
    const LPARAM lPoint = MAKELPARAM(rc.left + 3, rc.top + 3);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    grid.SendMessage(WM_LBUTTONUP, 0, lPoint);
}

void SelectName(CListBox& list, const char* pszName)
{
    const LRESULT nIndex =
        list.SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszName));
    ASSERT_NE(LB_ERR, nIndex) << pszName;
    list.SetCurSel(static_cast<int>(nIndex));
}

CString ListNames(const CListBox& list)
{
    CString strNames;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString strName;
        list.GetText(i, strName);
        strNames += (i > 0 ? "," : "") + strName;
    }
    return strNames;
}

// The sample's detail area, its first three columns renamed X, Y and Z so that sorted lists
// have a known order.
class CardSetingShTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
        CString strError;
        ASSERT_TRUE(CTemplateFile::Load(SamplePath("ProcessCard.znt"), m_sheet, strError)) << strError.GetString();
        m_pMid = FirstMidData(m_sheet);
        ASSERT_NE(nullptr, m_pMid);
        ASSERT_GE(m_pMid->m_listMidCell.GetCount(), 4);
        const char* const names[] = {"X", "Y", "Z"};
        for (int i = 0; i < 3; ++i) {
            MidCell(m_pMid, i)->m_strVarName = names[i];
        }
    }
    void TearDown() override
    {
        if (m_pSh != nullptr && m_pSh->m_hWnd != nullptr) {
            m_pSh->DestroyWindow();
        }
        delete m_pSh;
    }

    CCardSetingSh& OpenSheet()
    {
        m_pSh = new CCardSetingSh(IDS_CARD_SETTING);
        m_pSh->m_pMidData = m_pMid;
        m_pSh->m_pSheet = &m_sheet;
        EXPECT_TRUE(m_pSh->Create());
        return *m_pSh;
    }
    // The sheet still shows a page: it has not ended.
    static BOOL IsOpen(CCardSetingSh& sh)
    {
        return sh.m_hWnd != nullptr && sh.SendMessage(PSM_GETCURRENTPAGEHWND) != 0;
    }

    CCappSheet m_sheet;
    CCappMidData* m_pMid = nullptr;
    CCardSetingSh* m_pSh = nullptr;
    CTestUi m_ui;
    CTestTempFolder m_folder;
};
} // namespace

TEST_F(CardSetingShTest, SettingsAreWrittenOnOkAndSurviveSaving)
{
    m_pMid->m_strSortInfo = "";
    m_pMid->m_strHideInfo = "";
    m_pMid->m_nMidFlags = 0;
    MidCell(m_pMid, 3)->m_nUniteFlags = 0x03;
    CCardSetingSh& sh = OpenSheet();
    EXPECT_STREQ("高极设置", [&] {
        char szCaption[64] = {};
        ::GetWindowTextA(sh.m_hWnd, szCaption, sizeof(szCaption));
        return CString(szCaption);
    }());

    // Sort: X as integer, descending, running automatically.
    CSetSortPg& sort = sh.m_pageSort;
    ASSERT_NE(nullptr, sort.m_hWnd);
    EXPECT_EQ(0u, sort.m_grid.GetRowCount());
    ClickButton(sort, IDC_ROW_ADD);
    ASSERT_EQ(1u, sort.m_grid.GetRowCount());
    CGkStyle style;
    ASSERT_TRUE(sort.m_grid.GetCellStyle(1, 1, style));
    EXPECT_EQ(GK_CTRL_DROPLIST, style.GetControl());
    EXPECT_STREQ("自动", sort.m_grid.GetCellValue(1, 2));
    EXPECT_FALSE(sort.m_grid.IsMarkChecked(1, 3));
    sort.m_grid.SetCellValue(1, 1, "X");
    sort.m_grid.SetCellValue(1, 2, "整数");
    ClickCell(sort.m_grid, 1, 3);
    ClickCheck(sort, IDC_AUTO_RUN);
    EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "card-setting-sort.png"));

    // Merge: X summed, Y the condition, automatically.
    sh.SetActivePage(1);
    CUnitePg& unite = sh.m_pageUnite;
    ASSERT_NE(nullptr, unite.m_hWnd);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(unite.m_hWnd, IDC_AUTO_RUN)));
    ASSERT_EQ(static_cast<UINT>(m_pMid->m_listMidCell.GetCount()), unite.m_grid.GetRowCount());
    EXPECT_STREQ("X", unite.m_grid.GetCellValue(1, 1));
    EXPECT_TRUE(unite.m_grid.IsMarkChecked(4, 2));
    ClickCheck(unite, IDC_UNITE_DATA);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(unite.m_hWnd, IDC_AUTO_RUN)));
    ClickCheck(unite, IDC_AUTO_RUN);
    ClickCell(unite.m_grid, 1, 2);
    ClickCell(unite.m_grid, 2, 3);
    ClickCell(unite.m_grid, 4, 2);
    ClickCell(unite.m_grid, 4, 3);
    EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "card-setting-merge.png"));

    // Hiding: X and Y as conditions, Z hidden; Y added to the hidden list and taken out again.
    sh.SetActivePage(2);
    CDataHidePg& hide = sh.m_pageHide;
    ASSERT_NE(nullptr, hide.m_hWnd);
    for (const char* pszName : {"Y", "X"}) {
        SelectName(hide.m_listSource, pszName);
        ClickButton(hide, IDC_HIDE_KEY_ADD);
    }
    SelectName(hide.m_listSource, "Z");
    ClickButton(hide, IDC_HIDE_NAME_ADD);
    SelectName(hide.m_listSource, "Y");
    ClickButton(hide, IDC_HIDE_NAME_ADD);
    SelectName(hide.m_listNames, "Y");
    ClickButton(hide, IDC_HIDE_NAME_REMOVE);
    EXPECT_STREQ("X,Y", ListNames(hide.m_listKeys));
    EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "card-setting-hide.png"));

    sh.SendMessage(WM_COMMAND, IDOK);
    EXPECT_TRUE(m_ui.TakeBoxTexts().empty());

    CString strError;
    const CString strPath = m_folder.PathOf("Saved.znt");
    ASSERT_TRUE(CTemplateFile::Save(strPath, m_sheet, strError)) << strError.GetString();
    CCappSheet reloaded;
    ASSERT_TRUE(CTemplateFile::Load(strPath, reloaded, strError)) << strError.GetString();
    for (CCappSheet* pSheet : {&m_sheet, &reloaded}) {
        SCOPED_TRACE(pSheet == &m_sheet ? "after OK" : "after saving and loading");
        CCappMidData* pMid = FirstMidData(*pSheet);
        ASSERT_NE(nullptr, pMid);
        EXPECT_STREQ("1\nX,1,0", pMid->m_strSortInfo);
        EXPECT_EQ(0x07, pMid->m_nMidFlags);
        EXPECT_STREQ("1$@$X;Y$@$Z", pMid->m_strHideInfo);
        const int unite[] = {0x01, 0x02, 0, 0};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(unite[i], MidCell(pMid, i)->m_nUniteFlags & 0x03) << i;
        }
    }
}

TEST_F(CardSetingShTest, PagesShowTheStoredSettingsAndWriteThemBackUnchanged)
{
    m_pMid->m_strSortInfo = "1\nY,3,1\nX,5,0";
    m_pMid->m_strHideInfo = "1$@$Y;X$@$Z";
    m_pMid->m_nMidFlags = 0x07;
    MidCell(m_pMid, 0)->m_nUniteFlags = 0x01;
    MidCell(m_pMid, 1)->m_nUniteFlags = 0x02;
    CCardSetingSh& sh = OpenSheet();
    CSetSortPg& sort = sh.m_pageSort;
    ASSERT_EQ(2u, sort.m_grid.GetRowCount());
    EXPECT_STREQ("Y", sort.m_grid.GetCellValue(1, 1));
    EXPECT_STREQ("字符串", sort.m_grid.GetCellValue(1, 2));
    EXPECT_FALSE(sort.m_grid.IsMarkChecked(1, 3));
    EXPECT_STREQ("日期型", sort.m_grid.GetCellValue(2, 2));
    EXPECT_TRUE(sort.m_grid.IsMarkChecked(2, 3));
    EXPECT_TRUE(sort.IsDlgButtonChecked(IDC_AUTO_RUN));
    sh.SetActivePage(1);
    EXPECT_TRUE(sh.m_pageUnite.IsDlgButtonChecked(IDC_UNITE_DATA));
    EXPECT_TRUE(sh.m_pageUnite.IsDlgButtonChecked(IDC_AUTO_RUN));
    sh.SetActivePage(2);
    EXPECT_STREQ("X,Y", ListNames(sh.m_pageHide.m_listKeys));
    EXPECT_STREQ("Z", ListNames(sh.m_pageHide.m_listNames));
    sh.SendMessage(WM_COMMAND, IDOK);

    EXPECT_STREQ("1\nY,3,1\nX,5,0", m_pMid->m_strSortInfo);
    EXPECT_EQ(0x07, m_pMid->m_nMidFlags);
    // The lists write in their sorted order.
    EXPECT_STREQ("1$@$X;Y$@$Z", m_pMid->m_strHideInfo);
    EXPECT_EQ(0x01, MidCell(m_pMid, 0)->m_nUniteFlags & 0x03);
    EXPECT_EQ(0x02, MidCell(m_pMid, 1)->m_nUniteFlags & 0x03);
}

TEST_F(CardSetingShTest, ClearingMergeClearsEveryBit)
{
    m_pMid->m_nMidFlags = 0x07;
    for (int i = 0; i < 3; ++i) {
        MidCell(m_pMid, i)->m_nUniteFlags = 0x03;
    }
    CCardSetingSh& sh = OpenSheet();
    sh.SetActivePage(1);
    ClickCheck(sh.m_pageUnite, IDC_UNITE_DATA);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(sh.m_pageUnite.m_hWnd, IDC_AUTO_RUN)));
    sh.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(0x01, m_pMid->m_nMidFlags);
    POSITION pos = m_pMid->m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        EXPECT_EQ(0, static_cast<CCappCell*>(m_pMid->m_listMidCell.GetNext(pos))->m_nUniteFlags & 0x03);
    }
}

TEST_F(CardSetingShTest, NamelessSortRowKeepsTheSheetOpenAndWritesNothing)
{
    m_pMid->m_strSortInfo = "1\nX,1,1";
    m_pMid->m_strHideInfo = "1$@$$@$";
    m_pMid->m_nMidFlags = 0;
    CCardSetingSh& sh = OpenSheet();
    ClickButton(sh.m_pageSort, IDC_ROW_ADD);
    ClickCheck(sh.m_pageSort, IDC_AUTO_RUN);
    sh.SetActivePage(2);
    SelectName(sh.m_pageHide.m_listSource, "Z");
    ClickButton(sh.m_pageHide, IDC_HIDE_NAME_ADD);

    sh.SendMessage(WM_COMMAND, IDOK);
    const std::vector<CString> boxes = m_ui.TakeBoxTexts();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("请选择变量名", boxes[0]);
    EXPECT_TRUE(IsOpen(sh));
    EXPECT_EQ(0, sh.GetActiveIndex());
    EXPECT_STREQ("1\nX,1,1", m_pMid->m_strSortInfo);
    EXPECT_STREQ("1$@$$@$", m_pMid->m_strHideInfo);
    EXPECT_EQ(0, m_pMid->m_nMidFlags);

    // The user's input is still there: naming the row lets every page write.
    ASSERT_EQ(2u, sh.m_pageSort.m_grid.GetRowCount());
    sh.m_pageSort.m_grid.SetCellValue(2, 1, "Y");
    sh.SendMessage(WM_COMMAND, IDOK);
    EXPECT_TRUE(m_ui.TakeBoxTexts().empty());
    EXPECT_STREQ("1\nX,1,1\nY,0,1", m_pMid->m_strSortInfo);
    EXPECT_STREQ("1$@$$@$Z", m_pMid->m_strHideInfo);
    EXPECT_EQ(0x01, m_pMid->m_nMidFlags);
}

TEST_F(CardSetingShTest, CancelChangesNothing)
{
    m_pMid->m_strSortInfo = "1\nX,1,1";
    m_pMid->m_strHideInfo = "1$@$X$@$Y";
    m_pMid->m_nMidFlags = 0x04;
    CCardSetingSh& sh = OpenSheet();
    ClickButton(sh.m_pageSort, IDC_ROW_DELETE);
    sh.SetActivePage(1);
    ClickCheck(sh.m_pageUnite, IDC_UNITE_DATA);
    sh.SetActivePage(2);
    SelectName(sh.m_pageHide.m_listKeys, "X");
    ClickButton(sh.m_pageHide, IDC_HIDE_KEY_REMOVE);
    sh.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_STREQ("1\nX,1,1", m_pMid->m_strSortInfo);
    EXPECT_STREQ("1$@$X$@$Y", m_pMid->m_strHideInfo);
    EXPECT_EQ(0x04, m_pMid->m_nMidFlags);
}

TEST_F(CardSetingShTest, EmptySortGridWritesAnEmptyKeyList)
{
    m_pMid->m_strSortInfo = "";
    CCardSetingSh& sh = OpenSheet();
    EXPECT_EQ(0u, sh.m_pageSort.m_grid.GetRowCount());
    sh.SendMessage(WM_COMMAND, IDOK);
    EXPECT_STREQ("1", m_pMid->m_strSortInfo);
}
