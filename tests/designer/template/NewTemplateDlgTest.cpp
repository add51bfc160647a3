// The New-template dialog on a fixture work directory: a tab per folder, the templates of each
// (short names passed over, never ending the list), and the path and load flag OK gives.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "designer/template/NewTemplateDlg.h"
#include "designer/template/TemplateFile.h"
#include "designer/res/resource.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{

// Names that sort in different places, so that a short one ends the listing early in some
// file-system order whatever that order is.
const char* const kRootFiles[] = {"a.zn", "b.ZNT", "Card.znt", "m.zn", "x.znt.bak", "note.txt", "zz", ".znt"};
const char* const kSubFiles[] = {"c.znt", "d.zn", "Zeta.Znt"};

std::vector<std::string> ListTexts(const CListCtrl* pList, BOOL bSorted)
{
    std::vector<std::string> texts;
    for (int i = 0; pList != nullptr && i < pList->GetItemCount(); ++i) {
        texts.push_back(static_cast<LPCSTR>(pList->GetItemText(i, 0)));
    }
    if (bSorted) {
        std::sort(texts.begin(), texts.end());
    }
    return texts;
}

// Its own visible style: the dialog itself is not shown yet while a handler runs.
BOOL Shown(const CListCtrl* pList)
{
    return (::GetWindowLongPtrA(pList->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

CNewTemplateDlg& Dlg(CTestDlg& d)
{
    return *static_cast<CNewTemplateDlg*>(d.GetDialog());
}

// Makes the tab current as a click on it does.
void PickTab(CTestDlg& d, int nTab)
{
    ::SendMessageA(d.Item(IDC_NEW_TEMPLATE_TABS), TCM_SETCURSEL, static_cast<WPARAM>(nTab), 0);
    NMHDR hdr{d.Item(IDC_NEW_TEMPLATE_TABS), IDC_NEW_TEMPLATE_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageA(d.GetHwnd(), WM_NOTIFY, IDC_NEW_TEMPLATE_TABS, reinterpret_cast<LPARAM>(&hdr));
}

// Selects the item with the text in the tab's list; FALSE when it is not there.
BOOL PickItem(CTestDlg& d, int nTab, const char* pszText)
{
    CListCtrl* pList = Dlg(d).GetList(nTab);
    for (int i = 0; pList != nullptr && i < pList->GetItemCount(); ++i) {
        if (pList->GetItemText(i, 0) == pszText) {
            pList->SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            return TRUE;
        }
    }
    return FALSE;
}

CString g_strBrowsed;

BOOL AnswerBrowse(HWND, BOOL bSave, CString& strPath)
{
    EXPECT_FALSE(bSave);
    strPath = g_strBrowsed;
    return !g_strBrowsed.IsEmpty();
}

class CNewTemplateDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pWorkDir = std::make_unique<CDesignTestWorkDir>(m_folder.GetPath());
        for (const char* pszName : kRootFiles) {
            ASSERT_TRUE(DesignWriteBytes(m_pWorkDir->TemplatePath(pszName), "x"));
        }
        ::CreateDirectoryA(m_pWorkDir->TemplatePath("Sub"), nullptr);
        for (const char* pszName : kSubFiles) {
            ASSERT_TRUE(DesignWriteBytes(m_pWorkDir->TemplatePath("Sub\\") + pszName, "x"));
        }
    }
    void TearDown() override { CTemplateFile::SetPathPrompt(nullptr); }

    CTestTempFolder m_folder;
    std::unique_ptr<CDesignTestWorkDir> m_pWorkDir;
};

} // namespace

TEST(NewTemplateListTest, ListsTemplatesOfAnyCaseAndPassesOverShortNames)
{
    struct Case
    {
        const char* szName;
        std::vector<const char*> files;
        std::vector<std::string> titles;
    };
    const std::vector<Case> cases = {
        {"empty folder", {}, {}},
        {"short names among templates", {"a.zn", "b.znt", "abcd", "c.ZnT", "e.zn"}, {"b", "c"}},
        {"a bare extension is short", {".znt", "f.znt"}, {"f"}},
        {"further extension and other files", {"g.znt.old", "h.txt", "Big.ZNT"}, {"Big"}},
        {"GBK name", {"工序卡.znt"}, {"工序卡"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestTempFolder folder;
        for (const char* pszFile : c.files) {
            ASSERT_TRUE(DesignWriteBytes(folder.PathOf(pszFile), "x"));
        }
        ::CreateDirectoryA(folder.PathOf("Folder.znt"), nullptr);
        CStringArray arr;
        arr.Add("stale");
        // A trailing backslash and spaces around the folder are taken off.
        CNewTemplateDlg::ListTemplates("  " + folder.GetPath() + "\\ ", arr);
        std::vector<std::string> got;
        for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
            got.push_back(static_cast<LPCSTR>(arr[i]));
        }
        std::sort(got.begin(), got.end());
        EXPECT_EQ(c.titles, got);
    }
}

TEST_F(CNewTemplateDlgTest, ShowsATabPerFolderWithItsTemplates)
{
    CTestUi ui;
    ui.OnDialog(IDD_NEW_TEMPLATE, [&](CTestDlg& d) {
        CNewTemplateDlg& dlg = Dlg(d);
        EXPECT_STREQ("新增", d.GetCaption());
        ASSERT_EQ(2, dlg.GetTabCount());
        TCITEMA item{};
        char szText[64] = {};
        item.mask = TCIF_TEXT;
        item.pszText = szText;
        item.cchTextMax = sizeof szText;
        ::SendMessageA(d.Item(IDC_NEW_TEMPLATE_TABS), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ("常用模板", szText);
        ::SendMessageA(d.Item(IDC_NEW_TEMPLATE_TABS), TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ("Sub", szText);
        EXPECT_STREQ(m_pWorkDir->GetTemplateDir(), dlg.GetFolder(0));
        EXPECT_STREQ(m_pWorkDir->TemplatePath("Sub"), dlg.GetFolder(1));

        // "空模板" heads the first tab only.
        const std::vector<std::string> first = ListTexts(dlg.GetList(0), FALSE);
        ASSERT_FALSE(first.empty());
        EXPECT_EQ("空模板", first[0]);
        EXPECT_EQ((std::vector<std::string>{"Card", "b", "空模板"}), ListTexts(dlg.GetList(0), TRUE));
        EXPECT_EQ((std::vector<std::string>{"Zeta", "c"}), ListTexts(dlg.GetList(1), TRUE));

        // One list shows at a time, the selected tab's; each carries its own id.
        EXPECT_TRUE(Shown(dlg.GetList(0)));
        EXPECT_FALSE(Shown(dlg.GetList(1)));
        EXPECT_EQ(6001, ::GetDlgCtrlID(dlg.GetList(1)->m_hWnd));
        PickTab(d, 1);
        EXPECT_FALSE(Shown(dlg.GetList(0)));
        EXPECT_TRUE(Shown(dlg.GetList(1)));
        PickTab(d, 0);
        PickItem(d, 0, "Card");
        d.SavePicture("designer-new-template.png");
        d.Cancel();
    });
    CNewTemplateDlg dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST_F(CNewTemplateDlgTest, OkGivesThePathAndWhetherToLoadIt)
{
    CTemplateFile::SetPathPrompt(&AnswerBrowse);
    const CString strRoot = m_pWorkDir->GetTemplateDir();
    struct Case
    {
        const char* szName;
        int nTab;
        const char* szItem; // null: nothing selected
        const char* szTyped;
        const char* szBrowsed;
        BOOL bDoubleClick;
        CString strPath;
        BOOL bLoad;
    };
    const Case cases[] = {
        {"blank template", 0, "空模板", "", "", FALSE, strRoot + "\\空模板.znt", FALSE},
        {"template of the first tab", 0, "Card", "", "", FALSE, strRoot + "\\Card.znt", TRUE},
        {"capital extension comes back small", 0, "b", "", "", FALSE, strRoot + "\\b.znt", TRUE},
        {"template of a folder tab, double click", 1, "c", "", "", TRUE, strRoot + "\\Sub\\c.znt", TRUE},
        {"typed path wins, its end trimmed", 0, "空模板", "Z:\\cards\\x.znt  ", "", FALSE, "Z:\\cards\\x.znt", TRUE},
        {"browsed path", 1, nullptr, "", "Z:\\other\\y.znt", FALSE, "Z:\\other\\y.znt", TRUE},
        {"nothing chosen is the blank template", 0, nullptr, "", "", FALSE, "", FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        g_strBrowsed = c.szBrowsed;
        CTestUi ui;
        ui.OnDialog(IDD_NEW_TEMPLATE, [&](CTestDlg& d) {
            PickTab(d, c.nTab);
            if (c.szItem != nullptr) {
                ASSERT_TRUE(PickItem(d, c.nTab, c.szItem));
            }
            d.SetText(IDC_NEW_TEMPLATE_PATH, c.szTyped);
            if (*c.szBrowsed != '\0') {
                d.Click(IDC_NEW_TEMPLATE_BROWSE);
                EXPECT_STREQ(c.szBrowsed, d.GetText(IDC_NEW_TEMPLATE_PATH));
            }
            if (c.bDoubleClick) {
                CListCtrl* pList = Dlg(d).GetList(c.nTab);
                NMITEMACTIVATE nm{};
                nm.hdr = {pList->m_hWnd, static_cast<UINT_PTR>(::GetDlgCtrlID(pList->m_hWnd)),
                          static_cast<UINT>(NM_DBLCLK)};
                ::SendMessageA(d.GetHwnd(), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
            } else {
                d.Ok();
            }
        });
        CNewTemplateDlg dlg;
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ(c.strPath, dlg.m_strPath);
        EXPECT_EQ(c.bLoad, dlg.m_bLoadFile);
    }
}
