// The template tree on a fixture work directory: filling with short names present, refresh,
// new folder, delete with its question and remembered item, drag-move of templates and folders.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "basedlg/res/resource.h"
#include "designer/template/DesignDropTarget.h"
#include "designer/shell/WorkSpaceWnd.h"
#include "designer/res/resource.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{

// Template: a.zn b.ZNT Card.znt x.znt.bak zz; Sub: c.znt d.zn; Sub\Deep: e.znt.
class CDesignTreeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pWorkDir = std::make_unique<CDesignTestWorkDir>(m_folder.GetPath());
        const char* const files[] = {"a.zn", "b.ZNT",      "Card.znt",  "x.znt.bak",
                                     "zz",   "Sub\\c.znt", "Sub\\d.zn", "Sub\\Deep\\e.znt"};
        ::CreateDirectoryA(m_pWorkDir->TemplatePath("Sub"), nullptr);
        ::CreateDirectoryA(m_pWorkDir->TemplatePath("Sub\\Deep"), nullptr);
        for (const char* pszFile : files) {
            ASSERT_TRUE(DesignWriteBytes(m_pWorkDir->TemplatePath(pszFile), "x"));
        }
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "tree", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr));
        ASSERT_TRUE(m_tree.Create(0x50800027, CRect(0, 0, 240, 320), &m_parent, IDC_DESIGN_TREE));
        m_tree.Init();
        m_tree.Fill();
    }
    void TearDown() override
    {
        m_tree.DestroyWindow();
        m_parent.DestroyWindow();
    }
    // The item with the path of texts below the root ("Sub/Deep"), or null.
    HTREEITEM Find(const std::vector<std::string>& path) const
    {
        HTREEITEM hItem = m_tree.GetRootItem();
        for (const std::string& strText : path) {
            HTREEITEM hChild = m_tree.GetChildItem(hItem);
            while (hChild != nullptr && strText != static_cast<LPCSTR>(m_tree.GetItemText(hChild))) {
                hChild = m_tree.GetNextSiblingItem(hChild);
            }
            if (hChild == nullptr) {
                return nullptr;
            }
            hItem = hChild;
        }
        return hItem;
    }
    std::vector<std::string> Names(const std::vector<std::string>& path) const
    {
        return DesignChildNames(m_tree, Find(path));
    }
    // The drop target's point over the item, then the drag-over message as OLE would send it.
    LRESULT DragOver(HTREEITEM hDragged, HTREEITEM hOver)
    {
        m_tree.m_hDragItem = hDragged;
        CRect rc(0, 0, 0, 0);
        if (hOver != nullptr) {
            // The message takes the item in the rectangle it fills.
            memcpy(static_cast<RECT*>(&rc), &hOver, sizeof(hOver));
            m_tree.SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc));
            m_tree.m_dropTarget.m_point = rc.CenterPoint();
        } else {
            m_tree.m_dropTarget.m_point = CPoint(200, 300);
        }
        return m_tree.SendMessage(WM_DESIGN_DRAG_OVER);
    }

    CTestTempFolder m_folder;
    std::unique_ptr<CDesignTestWorkDir> m_pWorkDir;
    CWnd m_parent;
    CDesignTree m_tree;
};

} // namespace

TEST_F(CDesignTreeTest, FillsEveryFolderPassingOverShortNamesAndRefreshesFromDisk)
{
    EXPECT_STREQ("表格模板", m_tree.GetItemText(m_tree.GetRootItem()));
    EXPECT_EQ((std::vector<std::string>{"Card", "Sub", "b"}), Names({}));
    EXPECT_EQ((std::vector<std::string>{"Deep", "c"}), Names({"Sub"}));
    EXPECT_EQ((std::vector<std::string>{"e"}), Names({"Sub", "Deep"}));
    EXPECT_STREQ(m_pWorkDir->TemplatePath("Sub\\Deep\\e.znt"), m_tree.GetTemplatePath(Find({"Sub", "Deep", "e"})));
    EXPECT_STREQ(m_pWorkDir->TemplatePath("Sub\\Deep"), m_tree.GetFolderPath(Find({"Sub", "Deep"})));
    EXPECT_STREQ(m_pWorkDir->GetTemplateDir(), m_tree.GetFolderPath(m_tree.GetRootItem()));
    EXPECT_TRUE(m_tree.GetTemplatePath(Find({"Sub"})).IsEmpty());
    EXPECT_TRUE(m_tree.GetFolderPath(Find({"Card"})).IsEmpty());

    // A template added outside shows after Refresh, not after a second Fill.
    ASSERT_TRUE(DesignWriteBytes(m_pWorkDir->TemplatePath("Sub\\Later.znt"), "x"));
    m_tree.Fill();
    EXPECT_EQ((std::vector<std::string>{"Deep", "c"}), Names({"Sub"}));
    m_tree.SendMessage(WM_COMMAND, ID_TREE_REFRESH);
    EXPECT_EQ((std::vector<std::string>{"Deep", "Later", "c"}), Names({"Sub"}));
    SaveWindowPicture(m_parent.m_hWnd, "designer-template-tree.png");
}

TEST_F(CDesignTreeTest, NewFolderRefusesUnsafeNamesAndReportsFailures)
{
    struct Case
    {
        const char* szName;
        const char* szTyped;
        BOOL bCreated;
        const char* szBoxStart; // null: no box
    };
    const Case cases[] = {
        {"plain name", "新文件夹", TRUE, nullptr},
        {"empty", "", FALSE, "文件夹名称 '' 无效"},
        {"climbs out", "..\\x", FALSE, "文件夹名称 '..\\x' 无效"},
        {"parent itself", "..", FALSE, "文件夹名称 '..' 无效"},
        {"slash", "a/b", FALSE, "文件夹名称 'a/b' 无效"},
        {"already there", "Deep", FALSE, "无法新建文件夹"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_tree.SelectItem(Find({"Sub"}));
        const std::vector<std::string> before = Names({"Sub"});
        CTestUi ui;
        ui.OnDialog(IDD_INDATA, [&](CTestDlg& d) {
            EXPECT_STREQ("新增文件夹", d.GetCaption());
            d.SetText(IDC_INDATA_EDIT, c.szTyped);
            d.Ok();
        });
        m_tree.SendMessage(WM_COMMAND, ID_TREE_NEW_FOLDER);
        std::vector<std::string> expected = before;
        if (c.bCreated) {
            expected.push_back(c.szTyped);
            std::sort(expected.begin(), expected.end());
            EXPECT_NE(INVALID_FILE_ATTRIBUTES,
                      ::GetFileAttributesA(m_pWorkDir->TemplatePath("Sub\\") + CString(c.szTyped)));
        }
        EXPECT_EQ(expected, Names({"Sub"}));
        ASSERT_EQ(c.szBoxStart != nullptr ? 1U : 0U, ui.GetBoxes().size());
        if (c.szBoxStart != nullptr) {
            EXPECT_EQ(0, ui.GetBoxes()[0].strText.Find(c.szBoxStart)) << ui.GetBoxes()[0].strText.GetString();
        }
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(m_pWorkDir->TemplatePath("x")));

    // A template selected: no folder can go under it, nothing is asked.
    m_tree.SelectItem(Find({"Card"}));
    CTestUi ui;
    m_tree.SendMessage(WM_COMMAND, ID_TREE_NEW_FOLDER);
    EXPECT_EQ(0, ui.GetDialogsOpened());
}

TEST_F(CDesignTreeTest, DeleteAsksThenRemovesFileOrFolderWithItsItem)
{
    struct Case
    {
        const char* szName;
        std::vector<std::string> item;
        int nAnswer; // 0: no question
        const char* szQuestion;
        const char* szOnDisk;
        BOOL bGone;
    };
    const Case cases[] = {
        {"template kept on No", {"Card"}, IDNO, "请确定删除当前表格模板！", "Card.znt", FALSE},
        {"template deleted on Yes", {"Card"}, IDYES, "请确定删除当前表格模板！", "Card.znt", TRUE},
        {"folder with content deleted", {"Sub"}, IDYES, "请确定删除当前文件夹！", "Sub", TRUE},
        {"root is never deleted", {}, 0, nullptr, "", FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        HTREEITEM hItem = Find(c.item);
        ASSERT_NE(nullptr, hItem);
        m_tree.SelectItem(hItem);
        CTestUi ui;
        if (c.nAnswer != 0) {
            ui.AnswerMessageBox(c.nAnswer);
        }
        m_tree.SendMessage(WM_COMMAND, ID_TREE_DELETE);
        ASSERT_EQ(c.szQuestion != nullptr ? 1U : 0U, ui.GetBoxes().size());
        if (c.szQuestion != nullptr) {
            EXPECT_STREQ(c.szQuestion, ui.GetBoxes()[0].strText);
            EXPECT_STREQ("Vorn", ui.GetBoxes()[0].strCaption);
        }
        EXPECT_EQ(c.bGone, ::GetFileAttributesA(m_pWorkDir->TemplatePath(c.szOnDisk)) == INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(c.bGone, Find(c.item) == nullptr);
    }
    EXPECT_EQ((std::vector<std::string>{"b"}), Names({}));

    // The remembered item is forgotten when a refill destroys it: the second delete asks nothing.
    m_tree.SelectItem(Find({"b"}));
    {
        CTestUi ui;
        ui.AnswerMessageBox(IDNO);
        m_tree.SendMessage(WM_COMMAND, ID_TREE_DELETE);
    }
    EXPECT_NE(nullptr, m_tree.m_hDeleteItem);
    m_tree.Refresh();
    EXPECT_EQ(nullptr, m_tree.m_hDeleteItem);
    CTestUi ui;
    m_tree.SendMessage(WM_COMMAND, ID_TREE_DELETE_CHOSEN);
    EXPECT_TRUE(ui.GetBoxes().empty());
}

TEST_F(CDesignTreeTest, DragMovesTemplatesAndFoldersOnDiskAndInTheTree)
{
    struct OverCase
    {
        const char* szName;
        std::vector<std::string> dragged;
        std::vector<std::string> over; // {"-"}: below every item
        LRESULT nAnswer;
    };
    const OverCase overs[] = {
        {"template over a folder", {"Card"}, {"Sub"}, 2},
        {"template over the root", {"Sub", "c"}, {}, 2},
        {"over another template", {"Card"}, {"b"}, 1},
        {"over no item", {"Card"}, {"-"}, 1},
        {"folder over its own child", {"Sub"}, {"Sub", "Deep"}, 1},
        {"folder over itself", {"Sub"}, {"Sub"}, 1},
    };
    m_tree.Expand(Find({"Sub"}), TVE_EXPAND);
    for (const OverCase& c : overs) {
        SCOPED_TRACE(c.szName);
        HTREEITEM hOver = c.over == std::vector<std::string>{"-"} ? nullptr : Find(c.over);
        EXPECT_EQ(c.nAnswer, DragOver(Find(c.dragged), hOver));
        EXPECT_EQ(c.nAnswer == 2 ? hOver : nullptr, m_tree.m_hDropItem);
        if (hOver != nullptr) {
            EXPECT_EQ(c.nAnswer == 2, (m_tree.GetItemState(hOver, TVIS_DROPHILITED) & TVIS_DROPHILITED) != 0);
        }
        m_tree.SendMessage(WM_DESIGN_DRAG_LEAVE);
        EXPECT_EQ(nullptr, m_tree.m_hDropItem);
    }

    // No keeps everything; Yes moves the file and the item.
    struct DropCase
    {
        const char* szName;
        std::vector<std::string> dragged;
        std::vector<std::string> target;
        int nAnswer;
        const char* szQuestion;
        const char* szFrom;
        const char* szTo;
    };
    const DropCase drops[] = {
        {"template, answered No", {"Card"}, {"Sub"}, IDNO, "请确认移动表格模板 'Card'", "Card.znt", "Sub\\Card.znt"},
        {"template into a folder", {"Card"}, {"Sub"}, IDYES, "请确认移动表格模板 'Card'", "Card.znt", "Sub\\Card.znt"},
        {"folder to the root", {"Sub", "Deep"}, {}, IDYES, "请确认移动文件夹 'Deep' ", "Sub\\Deep", "Deep"},
    };
    for (const DropCase& c : drops) {
        SCOPED_TRACE(c.szName);
        ASSERT_EQ(2, DragOver(Find(c.dragged), Find(c.target)));
        CTestUi ui;
        ui.AnswerMessageBox(c.nAnswer);
        const BOOL bMoved = c.nAnswer == IDYES;
        EXPECT_EQ(bMoved, m_tree.SendMessage(WM_DESIGN_DROP) != 0);
        ASSERT_EQ(1U, ui.GetBoxes().size());
        EXPECT_STREQ(c.szQuestion, ui.GetBoxes()[0].strText);
        EXPECT_EQ(bMoved, ::GetFileAttributesA(m_pWorkDir->TemplatePath(c.szFrom)) == INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(bMoved, ::GetFileAttributesA(m_pWorkDir->TemplatePath(c.szTo)) != INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(nullptr, m_tree.m_hDropItem);
        if (HTREEITEM hTarget = Find(c.target)) {
            EXPECT_EQ(0U, m_tree.GetItemState(hTarget, TVIS_DROPHILITED) & TVIS_DROPHILITED);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"Deep", "Sub", "b"}), Names({}));
    EXPECT_EQ((std::vector<std::string>{"Card", "c"}), Names({"Sub"}));
    // The moved folder was walked again from its new place.
    EXPECT_EQ((std::vector<std::string>{"e"}), Names({"Deep"}));
    EXPECT_EQ(nullptr, m_tree.m_hDragItem);
}
