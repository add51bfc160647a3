#include <string>

#include <gtest/gtest.h>

#include "platform/base/FxRegKey.h"
#include "platform/db/Command.h"
#include "platform/db/DataSource.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"
#include "platform/gdi/FxSelectGuard.h"
#include "symbols/SaveToLibDlg.h"
#include "symbols/res/resource.h"
#include "platform/frame/WinApp.h"
#include "tests/support/DbTestEngine.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/SymLibTestDb.h"
#include "tests/support/UiDriver.h"

namespace
{
// Printable text without zero bytes, which would end a chunk's text.
std::string LongText(int cb)
{
    std::string text(static_cast<size_t>(cb), 'x');
    for (int i = 0; i < cb; ++i)
        text[static_cast<size_t>(i)] = static_cast<char>('A' + (i * 7 + i / 26) % 26);
    return text;
}

using SaveToLibDlgReadTest = DbEngineTest;

TEST_P(SaveToLibDlgReadTest, ReadStringFromDBReturnsWholeStringsAndLeavesTheCallersOnMisses)
{
    ASSERT_TRUE(CreateSymLibTables(m_session, GetParam().szBlobType));
    const SymLibRow rows[] = {
        {1, "short", 101, "{S-1}", 0, 0},        {2, "one chunk", 102, "{S-2}", 0, 0},
        {3, "three chunks", 103, "{S-3}", 0, 0}, {4, "null blob", 104, "{S-4}", 0, 0},
        {5, "no blob row", 999, "{S-5}", 0, 0},  {6, "compressed", 106, "{S-6}", 0, 0},
        {7, "quoted", 107, "{Q'7}", 0, 0},
    };
    ASSERT_TRUE(AddSymLibRows(m_session, rows, static_cast<int>(std::size(rows))));
    const std::string strOneChunk = LongText(65536);
    const std::string strThreeChunks = LongText(150000);
    ASSERT_TRUE(AddSymLibBlob(m_session, 101, "<L>0,0,10,10</L>"));
    ASSERT_TRUE(AddSymLibBlob(m_session, 102, strOneChunk.data(), 65536));
    ASSERT_TRUE(AddSymLibBlob(m_session, 103, strThreeChunks.data(), 150000));
    ASSERT_TRUE(AddSymLibBlob(m_session, 104, nullptr, 0));
    ASSERT_TRUE(AddSymLibBlob(m_session, 106, "<C>5,5,3</C>", 12, 1));
    ASSERT_TRUE(AddSymLibBlob(m_session, 107, "<L>1,1,2,2</L>"));

    struct ReadCase
    {
        const char* szName;
        const char* szGuid;
        int nResult;
        std::string strExpected; // what the caller's string holds after the call
    };
    const ReadCase cases[] = {
        {"short string", "{S-1}", 1, "<L>0,0,10,10</L>"},
        {"exactly 65,536 bytes", "{S-2}", 1, strOneChunk},
        {"150,000 bytes in three chunks", "{S-3}", 1, strThreeChunks},
        {"NULL blob keeps the caller's string", "{S-4}", 0, "caller's"},
        {"missing blob row keeps the caller's string", "{S-5}", 0, "caller's"},
        {"compressed flag changes nothing", "{S-6}", 1, "<C>5,5,3</C>"},
        {"unknown GUID", "{NONE}", 0, "caller's"},
        {"GUID holding a quote is found", "{Q'7}", 1, "<L>1,1,2,2</L>"},
        {"quote cannot widen the match", "x' OR '1'='1", 0, "caller's"},
        {"quote cannot end the statement", "x'; DROP TABLE TN_SYS_CAPPBLOB; --", 0, "caller's"},
    };
    CTestUi ui;
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strSymbol("caller's");
        EXPECT_EQ(c.nResult, CSaveToLibDlg::ReadStringFromDB(m_session, c.szGuid, strSymbol));
        EXPECT_EQ(c.strExpected.size(), static_cast<size_t>(strSymbol.GetLength()));
        EXPECT_TRUE(c.strExpected == strSymbol.GetString());
    }
    EXPECT_TRUE(ui.GetBoxes().empty());
    // The blob table is still there after the last case.
    CString strSymbol;
    EXPECT_EQ(1, CSaveToLibDlg::ReadStringFromDB(m_session, "{S-1}", strSymbol));
}

TEST_P(SaveToLibDlgReadTest, AFailingStatementIsShownOnceOrReportedToACallerThatAsks)
{
    {
        CCommand drop;
        ASSERT_EQ(S_OK, drop.Open(m_session, "DROP TABLE IF EXISTS TN_SYS_CUSTSYMBOL"));
    }
    CTestUi ui;
    CString strSymbol("kept");
    EXPECT_EQ(0, CSaveToLibDlg::ReadStringFromDB(m_session, "{A}", strSymbol));
    std::vector<CString> texts = ui.TakeBoxTexts();
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(0, texts[0].Find("SQL语句：SELECT CN_BLOBID"));
    EXPECT_GT(texts[0].Find("执行出错"), 0);

    CString strReport;
    EXPECT_EQ(0, CSaveToLibDlg::ReadStringFromDB(m_session, "{A}", strSymbol, &strReport));
    EXPECT_TRUE(ui.GetBoxes().empty());
    EXPECT_EQ(0, strReport.Find("SQL语句："));
    EXPECT_STREQ("kept", strSymbol);
}

INSTANTIATE_TEST_SUITE_P(Engines, SaveToLibDlgReadTest, testing::ValuesIn(dbTestEngines), DbTestEngineName);

// The library the dialog tests browse, in a SQLite file. Folder 1 holds folder 3 and symbol 11;
// the last row names folder 1 again inside its own sub-folder 3, a loop the tree must survive.
class SaveToLibDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(S_OK, m_source.OpenFromInitializationString(CString("Driver={SQLite3};Database=") +
                                                              m_folder.PathOf("lib.db")));
        ASSERT_EQ(S_OK, m_session.Open(m_source));
        ASSERT_TRUE(CreateSymLibTables(m_session, "BLOB"));
        // The size is kept in the application's profile; each test starts from the template's size.
        m_app.SetRegistryKey("Vorn");
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vorn\\GlyphworkTests\\66");
    }

    void FillLibrary()
    {
        const SymLibRow rows[] = {
            {1, "焊接", 0, "", 1, 0},  {10, "基准", 100, "{DATUM}", 0, 0},
            {2, "孔   ", 0, "", 1, 0}, {11, "焊缝", 101, "{WELD}  ", 0, 1},
            {3, "角焊", 0, "", 1, 1},  {12, "坏符号", 102, "{BAD}", 0, 3},
            {1, "回环", 0, "", 1, 3},
        };
        ASSERT_TRUE(AddSymLibRows(m_session, rows, static_cast<int>(std::size(rows))));
        ASSERT_TRUE(AddSymLibBlob(m_session, 100, "<L>0,0,20,0</L><L>0,0,10,17</L><L>10,17,20,0</L>"));
        ASSERT_TRUE(AddSymLibBlob(m_session, 101, "<L>0,0,20,0</L><L>0,0,10,10</L><L>10,10,20,0</L>"));
        ASSERT_TRUE(AddSymLibBlob(m_session, 102, "<C>0,0,0</C>"));
    }

    CWinApp m_app{"GlyphworkTests"};
    CTestTempFolder m_folder;
    CDataSource m_source;
    CSession m_session;
};

// "name" per item, children in brackets, in tree order.
CString TreeText(CTreeCtrl& tree, HTREEITEM hItem)
{
    CString strText;
    for (; hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem)) {
        if (!strText.IsEmpty())
            strText += " ";
        strText += tree.GetItemText(hItem);
        HTREEITEM hChild = tree.GetChildItem(hItem);
        if (hChild != nullptr)
            strText += CString("[") + TreeText(tree, hChild) + "]";
    }
    return strText;
}

HTREEITEM FindItem(CTreeCtrl& tree, HTREEITEM hItem, LPCSTR pszText)
{
    for (; hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem)) {
        if (tree.GetItemText(hItem) == pszText)
            return hItem;
        if (HTREEITEM hFound = FindItem(tree, tree.GetChildItem(hItem), pszText))
            return hFound;
    }
    return nullptr;
}

void Select(CSaveToLibDlg& dlg, LPCSTR pszText)
{
    HTREEITEM hItem = FindItem(dlg.m_treeSym, dlg.m_treeSym.GetRootItem(), pszText);
    ASSERT_NE(nullptr, hItem) << pszText;
    ASSERT_TRUE(dlg.m_treeSym.SelectItem(hItem));
}

// Pixels of the picture the preview frame shows that are neither white nor its black bound.
int PreviewInk(CSaveToLibDlg& dlg)
{
    HBITMAP hPicture = reinterpret_cast<HBITMAP>(dlg.m_wndPreview.SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    CBitmap* pPicture = CBitmap::FromHandle(hPicture);
    BITMAP bm = {};
    if (pPicture == nullptr || pPicture->GetBitmap(&bm) == 0)
        return -1;
    CTestDib dib(bm.bmWidth, bm.bmHeight);
    CDC dcPic;
    dcPic.CreateCompatibleDC(&dib.DC());
    {
        CFxSelectGuard guard(&dcPic, pPicture);
        dib.DC().BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcPic, 0, 0, SRCCOPY);
    }
    return dib.CountInk(CRect(2, 2, bm.bmWidth - 2, bm.bmHeight - 2));
}

void DoubleClickTree(CTestDlg& d)
{
    NMHDR nm = {};
    nm.hwndFrom = d.Item(IDC_SYMLIB_TREE);
    nm.idFrom = IDC_SYMLIB_TREE;
    nm.code = NM_DBLCLK;
    SendMessageA(d.GetHwnd(), WM_NOTIFY, IDC_SYMLIB_TREE, reinterpret_cast<LPARAM>(&nm));
}
} // namespace

TEST_F(SaveToLibDlgTest, TreeListsSubFoldersBeforeSymbolsAndSurvivesAFolderLoop)
{
    FillLibrary();
    CTestUi ui;
    CSaveToLibDlg dlg;
    dlg.m_pSession = &m_session;
    ui.OnDialog(IDD_SAVETOLIB, [&](CTestDlg& d) {
        EXPECT_STREQ("符号入库", d.GetCaption());
        EXPECT_STREQ("符号库[焊接[角焊[坏符号] 焊缝] 孔 基准]", TreeText(dlg.m_treeSym, dlg.m_treeSym.GetRootItem()));
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(ui.GetBoxes().empty());
}

TEST_F(SaveToLibDlgTest, OkIsRefusedOnAFolderAndTakesTheChosenSymbolWithItsPreview)
{
    FillLibrary();
    CTestUi ui;
    CSaveToLibDlg dlg;
    dlg.m_pSession = &m_session;
    ui.OnDialog(IDD_SAVETOLIB, [&](CTestDlg& d) {
        struct RefusedCase
        {
            const char* szName;
            const char* szItem; // nullptr: nothing selected
        };
        const RefusedCase refused[] = {{"nothing selected", nullptr}, {"root", "符号库"}, {"folder", "焊接"}};
        for (const RefusedCase& c : refused) {
            SCOPED_TRACE(c.szName);
            if (c.szItem != nullptr)
                Select(dlg, c.szItem);
            d.Ok();
            EXPECT_EQ(-1, dlg.GetModalResult());
        }
        // A folder shows the folder picture, no symbol.
        EXPECT_TRUE(dlg.m_strSymbol.IsEmpty());
        EXPECT_GT(PreviewInk(dlg), 0);
        EXPECT_TRUE(d.SavePicture("dialog-102-savetolib-folder.png"));

        Select(dlg, "坏符号");
        EXPECT_EQ(std::vector<CString>{"Symbol string in bad format!"}, ui.TakeBoxTexts());
        EXPECT_EQ(0, PreviewInk(dlg));

        Select(dlg, "焊缝");
        EXPECT_STREQ("<L>0,0,20,0</L><L>0,0,10,10</L><L>10,10,20,0</L>", dlg.m_strSymbol);
        EXPECT_GT(PreviewInk(dlg), 20);
        EXPECT_TRUE(d.SavePicture("dialog-102-savetolib.png"));
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("{WELD}", dlg.m_curItem.m_strGuid);
    EXPECT_STREQ("<L>0,0,20,0</L><L>0,0,10,10</L><L>10,10,20,0</L>", dlg.m_strSymbol);
}

TEST_F(SaveToLibDlgTest, DoubleClickEndsWithASymbolButNotWithAFolder)
{
    FillLibrary();
    CTestUi ui;
    CSaveToLibDlg dlg;
    dlg.m_pSession = &m_session;
    ui.OnDialog(IDD_SAVETOLIB, [&](CTestDlg& d) {
        Select(dlg, "孔");
        DoubleClickTree(d);
        EXPECT_EQ(-1, dlg.GetModalResult());
        Select(dlg, "基准");
        DoubleClickTree(d);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("{DATUM}", dlg.m_curItem.m_strGuid);
}

TEST_F(SaveToLibDlgTest, AnEmptyLibraryShowsOnlyTheRoot)
{
    CTestUi ui;
    CSaveToLibDlg dlg;
    dlg.m_pSession = &m_session;
    ui.OnDialog(IDD_SAVETOLIB, [&](CTestDlg& d) {
        EXPECT_STREQ("符号库", TreeText(dlg.m_treeSym, dlg.m_treeSym.GetRootItem()));
        Select(dlg, "符号库");
        d.Ok();
        EXPECT_EQ(-1, dlg.GetModalResult());
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST_F(SaveToLibDlgTest, TheDialogReopensAtItsLastSizeAndNeverShrinksBelowItsTemplate)
{
    FillLibrary();
    CTestUi ui;
    CRect rcTemplate;
    CRect rcTreeBefore;
    CRect rcOkBefore;
    ui.OnDialog(IDD_SAVETOLIB, [&](CTestDlg& d) {
        GetWindowRect(d.GetHwnd(), &rcTemplate);
        GetWindowRect(d.Item(IDC_SYMLIB_TREE), &rcTreeBefore);
        GetWindowRect(d.Item(IDOK), &rcOkBefore);
        SetWindowPos(d.GetHwnd(), nullptr, 0, 0, rcTemplate.Width() + 100, rcTemplate.Height() + 60,
                     SWP_NOMOVE | SWP_NOZORDER);
        // The tree keeps its width and stretches down; the buttons follow the corner.
        CRect rcTree;
        CRect rcOk;
        GetWindowRect(d.Item(IDC_SYMLIB_TREE), &rcTree);
        GetWindowRect(d.Item(IDOK), &rcOk);
        EXPECT_EQ(rcTreeBefore.Width(), rcTree.Width());
        EXPECT_EQ(rcTreeBefore.Height() + 60, rcTree.Height());
        EXPECT_EQ(rcOkBefore.left + 100, rcOk.left);
        EXPECT_EQ(rcOkBefore.top + 60, rcOk.top);
        EXPECT_EQ(rcOkBefore.Width(), rcOk.Width());
        MINMAXINFO info = {};
        SendMessageA(d.GetHwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(rcTemplate.Width(), info.ptMinTrackSize.x);
        EXPECT_EQ(rcTemplate.Height(), info.ptMinTrackSize.y);
        d.Cancel();
    });
    ui.OnDialog(IDD_SAVETOLIB, [&](CTestDlg& d) {
        CRect rc;
        GetWindowRect(d.GetHwnd(), &rc);
        EXPECT_EQ(rcTemplate.Width() + 100, rc.Width());
        EXPECT_EQ(rcTemplate.Height() + 60, rc.Height());
        d.Cancel();
    });
    for (int nOpen = 0; nOpen < 2; ++nOpen) {
        CSaveToLibDlg dlg;
        dlg.m_pSession = &m_session;
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
}
