#include <gtest/gtest.h>

#include <vector>

#include "common/KvShellTree.h"
#include "platform/base/FxHandle.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
const UINT kTreeId = 100;

// The owner routes the tree's notifications to it, as a dialog holding the tree does.
class CTreeHost : public CWnd
{
public:
    CKvShellTree m_tree;
    std::vector<CString> m_selectedPaths;

protected:
    void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult) { m_tree.OnFolderExpanding(pNMHDR, pResult); }
    void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult) { m_tree.OnDeleteShellItem(pNMHDR, pResult); }
    void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        CString strPath;
        if (m_tree.OnFolderSelected(pNMHDR, pResult, strPath)) {
            m_selectedPaths.push_back(strPath);
        }
    }
    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CTreeHost, CWnd)
FX_ON_NOTIFY(TVN_ITEMEXPANDINGA, kTreeId, OnExpanding)
FX_ON_NOTIFY(TVN_ITEMEXPANDINGW, kTreeId, OnExpanding)
FX_ON_NOTIFY(TVN_DELETEITEMA, kTreeId, OnDeleteItem)
FX_ON_NOTIFY(TVN_DELETEITEMW, kTreeId, OnDeleteItem)
FX_ON_NOTIFY(TVN_SELCHANGEDA, kTreeId, OnSelChanged)
FX_ON_NOTIFY(TVN_SELCHANGEDW, kTreeId, OnSelChanged)
FX_END_MESSAGE_MAP()

void MakeFile(const CString& strPath)
{
    CFxHandle h(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, h) << strPath.GetString();
}

class KvShellTreeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        for (LPCSTR pszDir :
             {"alpha", "beta", "zeta", "deep", "deep\\one", "deep\\one\\two", "deep\\one\\two\\three"}) {
            ASSERT_TRUE(CreateDirectoryA(m_folder.PathOf(pszDir), nullptr)) << pszDir;
        }
        for (LPCSTR pszFile : {"b.ccd", "a.znt", "c.txt", "d.ZNT", "v1.2.znt", "beta\\only.txt", "zeta\\x.znt",
                               "deep\\one\\two\\three\\card.znt"}) {
            MakeFile(m_folder.PathOf(pszFile));
        }
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "shell tree", WS_POPUP, 0, 0, 320, 360, nullptr, nullptr));
        ASSERT_TRUE(m_host.m_tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES |
                                             TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                         CRect(0, 0, 320, 360), &m_host, kTreeId));
        m_host.m_tree.EnableImages();
    }
    void TearDown() override
    {
        m_host.m_tree.DeleteAllItems();
        m_host.DestroyWindow();
        CoUninitialize();
    }

    std::vector<CString> ChildTexts(HTREEITEM hParent)
    {
        std::vector<CString> texts;
        for (HTREEITEM h = Tree().GetChildItem(hParent); h != nullptr; h = Tree().GetNextSiblingItem(h)) {
            texts.push_back(Tree().GetItemText(h));
        }
        return texts;
    }
    HTREEITEM Child(HTREEITEM hParent, LPCSTR pszText)
    {
        for (HTREEITEM h = Tree().GetChildItem(hParent); h != nullptr; h = Tree().GetNextSiblingItem(h)) {
            if (Tree().GetItemText(h).CompareNoCase(pszText) == 0) {
                return h;
            }
        }
        return nullptr;
    }
    BOOL HasButton(HTREEITEM hItem)
    {
        TVITEMA tvi = {};
        tvi.mask = TVIF_CHILDREN;
        tvi.hItem = hItem;
        Tree().SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
        return tvi.cChildren != 0;
    }
    CKvShellTree& Tree() { return m_host.m_tree; }

    CTestTempFolder m_folder;
    CTreeHost m_host;
};

TEST(KvShellTreePattern, FilesAreShownByTheirExtension)
{
    struct PatternCase
    {
        const char* szName;
        const char* szPattern;
        const char* szFile;
        BOOL bShown;
    };
    const PatternCase cases[] = {
        {"extension without regard to case", "*.txt", "a.TXT", TRUE},
        {"other extension", "*.txt", "a.doc", FALSE},
        {"every file", "*.*", "a.doc", TRUE},
        {"every file, even without extension", "*.*", "README", TRUE},
        {"no extension against *.txt", "*.txt", "README", FALSE},
        {"two points: the last extension counts", "*.txt", "a.b.txt", TRUE},
        {"two points, other extension", "*.txt", "a.txt.bak", FALSE},
        {"the whole name", "Card.ZNT", "card.znt", TRUE},
        {"first of two patterns", "*.znt;*.ccd", "x.znt", TRUE},
        {"second of two patterns", "*.znt;*.ccd", "x.CCD", TRUE},
        {"neither pattern", "*.znt;*.ccd", "x.txt", FALSE},
        {"spaces around patterns", " *.znt ; *.ccd ", "x.ccd", TRUE},
    };
    CKvShellTree tree;
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.szName);
        tree.SetFileType(c.szPattern);
        EXPECT_EQ(c.bShown, tree.IsCanShowFile(c.szFile));
    }
}

TEST_F(KvShellTreeTest, RootedAtAFolderShowsFoldersFirstThenFilesOfThePattern)
{
    Tree().SetFileType("*.znt;*.ccd");
    Tree().PopulateTree(m_folder.GetPath());
    const HTREEITEM hRoot = Tree().GetRootItem();
    ASSERT_NE(nullptr, hRoot);
    EXPECT_EQ(nullptr, Tree().GetNextSiblingItem(hRoot));
    EXPECT_EQ(hRoot, Tree().GetSelectedItem());
    EXPECT_TRUE(Tree().GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
    CString strPath;
    ASSERT_TRUE(Tree().GetSelectedFolderPath(strPath));
    EXPECT_EQ(0, strPath.CompareNoCase(m_folder.GetPath()));

    const std::vector<CString> texts = ChildTexts(hRoot);
    ASSERT_EQ(8u, texts.size());
    const char* expected[] = {"alpha", "beta", "deep", "zeta", "a.znt", "b.ccd", "d.ZNT", "v1.2.znt"};
    for (size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(expected[i]);
        // The shell may hide known extensions in display names.
        EXPECT_EQ(0, CString(expected[i]).Left(texts[i].GetLength()).CompareNoCase(texts[i]));
    }

    EXPECT_TRUE(HasButton(Child(hRoot, "zeta")));
    EXPECT_TRUE(HasButton(Child(hRoot, "deep")));
    // A folder that turns out to show nothing loses its button when opened.
    for (LPCSTR pszEmpty : {"alpha", "beta"}) {
        SCOPED_TRACE(pszEmpty);
        const HTREEITEM hItem = Child(hRoot, pszEmpty);
        Tree().Expand(hItem, TVE_EXPAND);
        EXPECT_EQ(nullptr, Tree().GetChildItem(hItem));
        EXPECT_FALSE(HasButton(hItem));
    }
}

TEST_F(KvShellTreeTest, FoldersAreFilledOnlyWhenOpened)
{
    Tree().SetFileType("*.znt");
    Tree().PopulateTree(m_folder.GetPath());
    const HTREEITEM hZeta = Child(Tree().GetRootItem(), "zeta");
    ASSERT_NE(nullptr, hZeta);
    EXPECT_EQ(nullptr, Tree().GetChildItem(hZeta));
    Tree().Expand(hZeta, TVE_EXPAND);
    const std::vector<CString> texts = ChildTexts(hZeta);
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(0, CString("x.znt").Left(texts[0].GetLength()).CompareNoCase(texts[0]));
    // Opened again: filled once.
    Tree().Expand(hZeta, TVE_COLLAPSE);
    Tree().Expand(hZeta, TVE_EXPAND);
    EXPECT_EQ(1u, ChildTexts(hZeta).size());

    CString strPath;
    int nImage = -1;
    ASSERT_TRUE(Tree().GetPathName(Tree().GetChildItem(hZeta), strPath, nImage));
    EXPECT_EQ(0, strPath.CompareNoCase(m_folder.PathOf("zeta\\x.znt")));
    EXPECT_GE(nImage, 0);
    EXPECT_NE(nullptr, Tree().GetParentShellFolder(hZeta));
    EXPECT_NE(nullptr, Tree().GetRelativeIDLIST(hZeta));
}

TEST_F(KvShellTreeTest, TunnelOpensTheTreeDownToADeepPathAndSelectsIt)
{
    Tree().SetFileType("*.znt;*.ccd");
    Tree().PopulateTree(CSIDL_DRIVES);
    ASSERT_NE(nullptr, Tree().GetRootItem());
    m_host.m_selectedPaths.clear();

    const CString strDeep = m_folder.PathOf("deep\\one\\two\\three");
    Tree().TunnelTree(strDeep + "\\");
    CString strPath;
    ASSERT_TRUE(Tree().GetSelectedFolderPath(strPath));
    EXPECT_EQ(0, strPath.CompareNoCase(strDeep));
    ASSERT_FALSE(m_host.m_selectedPaths.empty());
    EXPECT_EQ(0, m_host.m_selectedPaths.back().CompareNoCase(strDeep)) << "the owner heard of the selection";
    // The selected folder is open to its files.
    const HTREEITEM hThree = Tree().GetSelectedItem();
    Tree().Expand(hThree, TVE_EXPAND);
    EXPECT_EQ(1u, ChildTexts(hThree).size());

    m_host.ShowWindow(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(SaveWindowPicture(m_host, "KvShellTree-tunnelled.png"));

    // A path that does not exist says so and leaves the selection.
    CTestUi ui;
    const CString strMissing = m_folder.PathOf("deep\\missing");
    Tree().TunnelTree(strMissing);
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_EQ(strMissing, ui.GetBoxes()[0].strText);
    EXPECT_EQ(CString("Folder not found"), ui.GetBoxes()[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), ui.GetBoxes()[0].nType & MB_ICONMASK);
    EXPECT_EQ(hThree, Tree().GetSelectedItem());
}

TEST_F(KvShellTreeTest, SearchTreeMatchesDriveOrTextWithoutRegardToCase)
{
    Tree().SetFileType("*.znt");
    Tree().PopulateTree(m_folder.GetPath());
    const HTREEITEM hFirst = Tree().GetChildItem(Tree().GetRootItem());
    EXPECT_TRUE(Tree().SearchTree(hFirst, "ZETA", CKvShellTree::type_folder));
    EXPECT_EQ(0, Tree().GetItemText(Tree().GetSelectedItem()).CompareNoCase("zeta"));
    EXPECT_FALSE(Tree().SearchTree(hFirst, "omega", CKvShellTree::type_folder));
    EXPECT_EQ(0, Tree().GetItemText(Tree().GetSelectedItem()).CompareNoCase("zeta"));
    const CString strDrive = m_folder.GetPath().Left(3);
    EXPECT_TRUE(Tree().SearchTree(hFirst, strDrive, CKvShellTree::type_drive)) << strDrive.GetString();
}
} // namespace
