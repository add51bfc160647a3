// The designer program as it starts: the application object's start-up on the bundled work
// directory, the main frame's bars and panes, the template tree, a template named on the command
// line, the output messages and the card-variable name list.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "common/KvHyperLink.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/script/ScriptFrame.h"
#include "designer/template/TemplateFile.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "framework/FwBmpMenuItemInfo.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwMDIMenuBar.h"
#include "framework/FwMenuBar.h"
#include "framework/FwTextButton.h"
#include "framework/FwToolBarManager.h"
#include "framework/FwWorksheet.h"
#include "platform/base/Firewall.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/res/resource.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
// The designer started on a work directory with a command line; the main window goes at the end.
class CDesignShellTest : public testing::Test
{
protected:
    // Without a file on the command line start-up asks which kind of window to open: the line
    // nNewKind of the list is taken (0 "表格模板", 1 "脚本"), -1 cancels. A template window comes
    // from the New command, answered with the bundled process card.
    void Start(LPCSTR lpszWorkDir, LPCSTR lpszCmdLine, int nNewKind = 0)
    {
        m_pWorkDir = std::make_unique<CDesignWorkDirSetting>(lpszWorkDir);
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_strCmdLine = lpszCmdLine;
        m_app.m_nCmdShow = SW_SHOWNA;
        // A file on the command line opens without the question (an unexpected dialog fails).
        CTestUi ui;
        m_newKinds.clear();
        if (*lpszCmdLine != '\0') {
            ASSERT_TRUE(m_app.InitInstance());
            m_nNewPrompts = ui.GetDialogsOpened();
            StartShown();
            return;
        }
        ui.OnDialog(IDD_FX_NEWTYPE, [&](CTestDlg& d) {
            HWND hList = d.Item(IDC_FX_NEWTYPE_LIST);
            const int nCount = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < nCount; ++i) {
                char sz[64] = {};
                ::SendMessageA(hList, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(sz));
                m_newKinds.push_back(sz);
            }
            m_strNewCaption = d.GetCaption();
            if (nNewKind < 0) {
                d.Cancel();
                return;
            }
            ::SendMessageA(hList, LB_SETCURSEL, static_cast<WPARAM>(nNewKind), 0);
            d.Ok();
        });
        if (nNewKind == 0) {
            ui.OnDialog(IDD_NEW_TEMPLATE, [&](CTestDlg& d) {
                d.SetText(IDC_NEW_TEMPLATE_PATH, CString(lpszWorkDir) + "\\Template\\ProcessCard.znt");
                d.Ok();
            });
        }
        ASSERT_TRUE(m_app.InitInstance());
        m_nNewPrompts = ui.GetDialogsOpened();
        StartShown();
    }
    void StartShown()
    {
        m_pFrame = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pFrame);
        m_pFrame->MoveWindow(0, 0, 900, 640);
        Idle();
    }
    void Idle()
    {
        PumpTestMessages();
        m_app.OnIdle(0);
        m_pFrame->RecalcLayout();
        m_pFrame->UpdateWindow();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            m_pFrame->DestroyWindow();
        }
        m_app.m_pMainWnd = nullptr;
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        PumpTestMessages();
    }
    CRect BarRect(UINT nID) const
    {
        CRect rc(0, 0, 0, 0);
        if (CControlBar* pBar = m_pFrame->GetControlBar(nID)) {
            pBar->GetWindowRect(&rc);
        }
        return rc;
    }
    // The sheet-definition views of the open windows, in tab order.
    std::vector<CCappSheetDefView*> SheetViews() const
    {
        std::vector<CCappSheetDefView*> views;
        for (int i = 0; i < m_pFrame->GetWorksheetCount(); ++i) {
            if (auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->GetWorksheet(i))) {
                views.push_back(pChild->GetSheetDefView());
            }
        }
        return views;
    }

    CVornDesignApp m_app;
    CMainFrame* m_pFrame = nullptr;
    // What start-up's question offered, and how often it was asked.
    std::vector<std::string> m_newKinds;
    CString m_strNewCaption;
    int m_nNewPrompts = 0;
    std::unique_ptr<CDesignWorkDirSetting> m_pWorkDir;
};
} // namespace

TEST_F(CDesignShellTest, StartsWithMenuFiveBarsSixPanesTheTemplateTreeAndNoOutputBar)
{
    Start(DesignSampleWorkDir(), "");

    // The menu bar alone in the first top row, the three top bars after it left to right, the
    // two left bars in one column.
    ASSERT_NE(nullptr, m_pFrame->m_pMDIMenuBar->m_hWnd);
    EXPECT_TRUE(m_pFrame->m_pMDIMenuBar->IsWindowVisible());
    struct BarCase
    {
        const char* szName;
        UINT nID;
        UINT nDockBar;
        int nButtons;
    };
    const BarCase bars[] = {
        {"file", ID_BAR_FILE, FX_IDW_DOCKBAR_TOP, 21},
        {"table lines", ID_BAR_TABLE_LINE, FX_IDW_DOCKBAR_TOP, 10},
        {"view", ID_BAR_VIEW, FX_IDW_DOCKBAR_TOP, 6},
        {"cell", ID_BAR_CELL, FX_IDW_DOCKBAR_LEFT, 10},
        {"free objects", ID_BAR_FREE_OBJECT, FX_IDW_DOCKBAR_LEFT, 18},
    };
    for (const BarCase& c : bars) {
        SCOPED_TRACE(c.szName);
        FwCustomToolBar* pBar = m_pFrame->m_pToolBarManager->FindToolBar(c.nID);
        ASSERT_NE(nullptr, pBar);
        EXPECT_EQ(c.nButtons, pBar->GetButtonCount());
        EXPECT_EQ(m_pFrame->GetControlBar(c.nDockBar), static_cast<CControlBar*>(pBar->m_pDockBar));
        EXPECT_TRUE(pBar->IsWindowVisible());
    }
    const CRect rcMenu = BarRect(FW_IDW_MENUBAR);
    const CRect rcFile = BarRect(ID_BAR_FILE);
    const CRect rcLine = BarRect(ID_BAR_TABLE_LINE);
    const CRect rcView = BarRect(ID_BAR_VIEW);
    EXPECT_GE(rcFile.top, rcMenu.bottom);
    EXPECT_EQ(rcFile.top, rcLine.top);
    EXPECT_EQ(rcFile.top, rcView.top);
    EXPECT_LT(rcFile.left, rcLine.left);
    EXPECT_LT(rcLine.left, rcView.left);
    const CRect rcCell = BarRect(ID_BAR_CELL);
    const CRect rcFree = BarRect(ID_BAR_FREE_OBJECT);
    EXPECT_EQ(rcCell.left, rcFree.left);
    EXPECT_LT(rcCell.top, rcFree.top);

    // Six status panes in their order.
    const UINT panes[] = {ID_SEPARATOR,      ID_INDICATOR_PANE1, ID_INDICATOR_PANE2,
                          ID_INDICATOR_CAPS, ID_INDICATOR_NUM,   ID_INDICATOR_SCRL};
    ASSERT_EQ(6, m_pFrame->m_wndStatusBar.GetCount());
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(panes[i], m_pFrame->m_wndStatusBar.GetItemID(i)) << "pane " << i;
    }

    // The tree of samples/workdir\Template, filled although its bar starts hidden; the output bar
    // stays hidden until a message arrives.
    CDesignTree& tree = m_pFrame->m_wndWorkSpace.m_wndTree;
    HTREEITEM hRoot = tree.GetRootItem();
    ASSERT_NE(nullptr, hRoot);
    EXPECT_STREQ("表格模板", tree.GetItemText(hRoot));
    std::vector<std::string> names;
    for (HTREEITEM h = tree.GetChildItem(hRoot); h != nullptr; h = tree.GetNextSiblingItem(h)) {
        names.push_back(static_cast<LPCSTR>(tree.GetItemText(h)));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"InspectionCard", "ProcessCard", "ProcessCardNext"}), names);
    EXPECT_FALSE(m_pFrame->m_wndOutput.IsWindowVisible());

    // Ask for the workspace bar as a user would, to look at it.
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_WORKSPACE_BAR);
    Idle();
    EXPECT_TRUE(m_pFrame->m_wndWorkSpace.IsWindowVisible());
    SaveWindowPicture(m_pFrame->m_hWnd, "designer-main-empty.png");
}

TEST_F(CDesignShellTest, ATemplateOnTheCommandLineOpensOnceLoadedAndFirstInTheRecentFiles)
{
    const CString strWorkDir = DesignSampleWorkDir();
    const CString strPath = strWorkDir + "\\Template\\ProcessCard.znt";
    Start(strWorkDir, "\"" + strPath + "\"");

    std::vector<CCappSheetDefView*> views = SheetViews();
    ASSERT_EQ(1U, views.size());
    ASSERT_NE(nullptr, views[0]);
    EXPECT_TRUE(views[0]->IsTemplateLoaded());
    EXPECT_STREQ(strPath, views[0]->GetPath());
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateSaved), views[0]->m_nSaveState);
    EXPECT_STREQ("ProcessCard", views[0]->m_pSheet->m_strName);
    EXPECT_GT(views[0]->m_pSheet->m_nPageWidth, 0);
    EXPECT_STREQ(strPath, m_app.GetRecentFile(0));
    EXPECT_EQ(1, m_app.GetRecentFileCount());
    EXPECT_EQ(0, m_nNewPrompts);

    // Opening it again (tree, recent files) activates that window.
    m_pFrame->OpenTemplate(strPath);
    EXPECT_EQ(1U, SheetViews().size());
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_WORKSPACE_BAR);
    Idle();
    SaveWindowPicture(m_pFrame->m_hWnd, "designer-main-processcard.png");
}

TEST_F(CDesignShellTest, OutputMessagesAppendLinesActivateTheirTabAndDriveTheProgress)
{
    Start(DesignSampleWorkDir(), "");
    COutputBar& bar = m_pFrame->m_wndOutput;
    auto text = [](CEdit& edit) {
        char sz[256] = {};
        ::GetWindowTextA(edit.m_hWnd, sz, sizeof sz);
        return std::string(sz);
    };

    struct TextCase
    {
        UINT nMessage;
        const char* szText;
        const char* szTips;
        const char* szErrors;
        int nActiveTab;
    };
    const TextCase texts[] = {
        {WM_DESIGN_TIP, "a", "a\r\n", "", 0},
        {WM_DESIGN_ERROR, "b", "a\r\n", "b\r\n", 1},
        {WM_DESIGN_TIP, "c", "a\r\nc\r\n", "b\r\n", 0},
        // A message without its text is ignored.
        {WM_DESIGN_ERROR, nullptr, "a\r\nc\r\n", "b\r\n", 0},
        {WM_DESIGN_TIP, nullptr, "a\r\nc\r\n", "b\r\n", 0},
    };
    EXPECT_FALSE(bar.IsWindowVisible());
    for (const TextCase& c : texts) {
        SCOPED_TRACE(c.szText != nullptr ? c.szText : "(null)");
        CString strText(c.szText != nullptr ? c.szText : "");
        const LPARAM lParam = c.szText != nullptr ? reinterpret_cast<LPARAM>(&strText) : 0;
        EXPECT_EQ(0, m_pFrame->SendMessage(c.nMessage, 0, lParam));
        EXPECT_EQ(c.szTips, text(bar.m_editTips));
        EXPECT_EQ(c.szErrors, text(bar.m_editErrors));
        CWnd* pActive = c.nActiveTab == 0 ? static_cast<CWnd*>(&bar.m_editTips) : &bar.m_editErrors;
        EXPECT_EQ(pActive, bar.m_wndTabs.GetActiveWnd());
        EXPECT_TRUE(bar.IsWindowVisible());
    }
    Idle();
    SaveWindowPicture(m_pFrame->m_hWnd, "designer-output-bar.png");

    struct ProgressCase
    {
        int nValue;
        BOOL bShown;
        int nPos;
    };
    const ProgressCase progress[] = {
        {100, FALSE, 0}, {-5, TRUE, 0}, {50, TRUE, 50}, {150, FALSE, 0}, {100, FALSE, 0},
    };
    for (const ProgressCase& c : progress) {
        SCOPED_TRACE(c.nValue);
        m_pFrame->SendMessage(WM_DESIGN_PROGRESS, static_cast<WPARAM>(c.nValue), 0);
        HWND hProgress = ::GetDlgItem(m_pFrame->m_wndStatusBar.m_hWnd, 1);
        EXPECT_EQ(c.bShown, m_pFrame->m_bProgressShown);
        EXPECT_EQ(c.bShown, hProgress != nullptr);
        if (hProgress != nullptr) {
            EXPECT_EQ(c.nPos, static_cast<int>(::SendMessageA(hProgress, PBM_GETPOS, 0, 0)));
        }
    }
}

TEST(VarNameFileTest, ReadsCountEntriesKeepingGapsAndCuttingLongValues)
{
    const std::string strLong(250, 'x');
    struct Case
    {
        const char* szName;
        std::string strIni;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"gap in the middle", "[VARNAME]\ncount=3\nVARNAME0=a\nVARNAME2=c\n", {"a", "", "c"}},
        {"numbered from 0", "[VARNAME]\ncount=1\nVARNAME1=b\n", {""}},
        {"long value cut", "[VARNAME]\ncount=1\nVARNAME0=" + strLong + "\n", {std::string(199, 'x')}},
        {"no count", "[VARNAME]\nVARNAME0=a\n", {}},
        {"count not a number", "[VARNAME]\ncount=abc\nVARNAME0=a\n", {}},
        {"negative count", "[VARNAME]\ncount=-2\nVARNAME0=a\n", {}},
        {"no file", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestTempFolder folder;
        if (!c.strIni.empty()) {
            std::ofstream(static_cast<LPCSTR>(folder.PathOf("VarName.ini")), std::ios::binary) << c.strIni;
        }
        CStringArray arr;
        arr.Add("stale");
        CMainFrame::ReadVarNameFile(folder.GetPath(), arr);
        std::vector<std::string> got;
        for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
            got.push_back(static_cast<LPCSTR>(arr[i]));
        }
        EXPECT_EQ(c.names, got);
    }
}

TEST(CommandLineFileTest, TakesTheFirstFileLeavingSwitchesAndQuotes)
{
    struct Case
    {
        const char* szLine;
        const char* szFile;
    };
    const Case cases[] = {
        {"", ""},
        {"   ", ""},
        {"C:\\a.znt", "C:\\a.znt"},
        {"\"C:\\My Cards\\a b.znt\"", "C:\\My Cards\\a b.znt"},
        {"/dde -Embedding  C:\\x.znt other", "C:\\x.znt"},
        {"\"unterminated path", "unterminated path"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szLine);
        EXPECT_STREQ(c.szFile, CVornDesignApp::FileFromCommandLine(c.szLine));
    }
    EXPECT_STREQ("", CVornDesignApp::FileFromCommandLine(nullptr));
}

TEST_F(CDesignShellTest, ADamagedTemplateLeavesAnEmptySheetAndReportsItsPath)
{
    Start(DesignSampleWorkDir(), "");
    CTestTempFolder folder;
    // Every cut of a real template short of its end, and a file that is not there.
    std::ifstream in(static_cast<LPCSTR>(DesignSampleWorkDir() + "\\Template\\ProcessCard.znt"), std::ios::binary);
    const std::string strWhole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(strWhole.size(), 64U);
    const size_t cuts[] = {0, 1, 7, strWhole.size() / 3, strWhole.size() / 2, strWhole.size() - 1};
    // Each failure is told in a message box (answered OK) and the errors pane.
    CTestUi ui;
    for (size_t nCut : cuts) {
        SCOPED_TRACE(nCut);
        const CString strPath = folder.PathOf("Cut.znt");
        std::ofstream(static_cast<LPCSTR>(strPath), std::ios::binary | std::ios::trunc) << strWhole.substr(0, nCut);
        CCappSheetDefView* pView = m_pFrame->NewSheetDefWindow();
        ASSERT_NE(nullptr, pView);
        EXPECT_FALSE(pView->LoadTemplate(strPath, FALSE));
        EXPECT_FALSE(pView->IsTemplateLoaded());
        EXPECT_TRUE(pView->GetPath().IsEmpty());
        EXPECT_EQ(0, pView->m_pSheet->m_HCellLineList.GetCount());
    }
    const CString strMissing = folder.PathOf("Missing.znt");
    const int nBefore = m_pFrame->GetWorksheetCount();
    EXPECT_EQ(0, m_pFrame->OpenTemplate(strMissing));
    EXPECT_EQ(nBefore + 1, m_pFrame->GetWorksheetCount());
    char sz[4096] = {};
    ::GetWindowTextA(m_pFrame->m_wndOutput.m_editErrors.m_hWnd, sz, sizeof sz);
    const std::string strErrors(sz);
    const size_t nLastLine = strErrors.rfind("\r\n", strErrors.size() - 3);
    EXPECT_NE(std::string::npos, strErrors.find(std::string(strMissing), nLastLine));
    EXPECT_EQ(std::size(cuts) + 1, ui.GetBoxes().size());
}

TEST_F(CDesignShellTest, TheBarCommandsToggleTheBarsAndOpenTheToolBarDialog)
{
    Start(DesignSampleWorkDir(), "");
    struct ToggleCase
    {
        const char* szName;
        UINT nCommand;
        CControlBar* pBar;
    };
    const ToggleCase toggles[] = {
        {"output", ID_VIEW_OUTPUT_BAR, &m_pFrame->m_wndOutput},
        {"workspace", ID_VIEW_WORKSPACE_BAR, &m_pFrame->m_wndWorkSpace},
    };
    for (const ToggleCase& c : toggles) {
        SCOPED_TRACE(c.szName);
        EXPECT_FALSE(c.pBar->IsWindowVisible());
        m_pFrame->SendMessage(WM_COMMAND, c.nCommand);
        EXPECT_TRUE(c.pBar->IsWindowVisible());
        m_pFrame->SendMessage(WM_COMMAND, c.nCommand);
        EXPECT_FALSE(c.pBar->IsWindowVisible());
    }

    // The tool-bar dialog lists the five bars; unticking the first hides the file bar.
    CTestUi ui;
    int nListed = 0;
    ui.OnDialog(IDD_TOOLBAR_SET, [&](CTestDlg& d) {
        HWND hList = d.Item(IDC_TOOLBAR_LIST);
        nListed = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
        d.Cancel();
    });
    m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_TOOLBARS);
    EXPECT_EQ(1, ui.GetDialogsOpened());
    EXPECT_EQ(5, nListed);

    // About, from the menu through the frame to the application: its links are live, and with no
    // true address to show they show nothing; no text of the box is made up.
    CString strCaption;
    BOOL bLinks = FALSE;
    std::vector<std::string> shown;
    ui.OnDialog(IDD_ABOUTBOX, [&](CTestDlg& d) {
        char sz[64] = {};
        ::GetWindowTextA(d.GetHwnd(), sz, sizeof sz);
        strCaption = sz;
        bLinks = dynamic_cast<CKvHyperLink*>(CWnd::FromHandlePermanent(d.Item(IDC_ABOUT_WEB))) != nullptr &&
                 dynamic_cast<CKvHyperLink*>(CWnd::FromHandlePermanent(d.Item(IDC_ABOUT_MAIL))) != nullptr;
        for (HWND h = ::GetWindow(d.GetHwnd(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
            char szText[128] = {};
            ::GetWindowTextA(h, szText, sizeof szText);
            const LONG lStyle = ::GetWindowLongA(h, GWL_STYLE);
            // An icon's text is its resource id.
            if ((lStyle & WS_VISIBLE) != 0 && (lStyle & SS_TYPEMASK) != SS_ICON && szText[0] != '\0') {
                shown.push_back(szText);
            }
        }
        d.SavePicture("designer-about.png");
        d.Ok();
    });
    m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_ABOUT);
    EXPECT_EQ(2, ui.GetDialogsOpened());
    EXPECT_STREQ("关于 VornDesign", strCaption);
    EXPECT_TRUE(bLinks);
    EXPECT_EQ((std::vector<std::string>{"VornDesign 卡片模板设计", "版本 1.0", "确定"}), shown);
}

TEST(DesignTreeTest, ListsFoldersFirstThenTemplatesWithoutTheirExtension)
{
    CTestTempFolder folder;
    const CString strRoot = folder.PathOf("Template");
    ::CreateDirectoryA(strRoot, nullptr);
    ::CreateDirectoryA(strRoot + "\\Milling", nullptr);
    ::CreateDirectoryA(strRoot + "\\Milling\\Old", nullptr);
    const char* files[] = {
        "Process.znt", "a.zn", "x", "Upper.ZNT", "notes.txt", "Milling\\Face.znt", "Milling\\Old\\Slot.znt",
        "Tail.znt"};
    for (const char* szFile : files) {
        std::ofstream(static_cast<LPCSTR>(strRoot + "\\" + szFile)) << "x";
    }

    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->CreateEx(0, nullptr, "tree", WS_OVERLAPPEDWINDOW, 0, 0, 300, 400, nullptr, nullptr));
    CDesignTree tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 280, 380), pFrame, IDC_DESIGN_TREE));
    tree.Init();
    tree.FillFrom(strRoot);

    // Each level: folders first, then templates (file-system order within each kind).
    struct LevelCase
    {
        const char* szName;
        std::vector<std::string> folders;
        std::vector<std::string> templates;
    };
    auto level = [&](HTREEITEM hParent, std::vector<std::string>& folders, std::vector<std::string>& templates) {
        bool bTemplateSeen = false;
        bool bFolderAfterTemplate = false;
        for (HTREEITEM h = tree.GetChildItem(hParent); h != nullptr; h = tree.GetNextSiblingItem(h)) {
            const bool bTemplate = !tree.GetTemplatePath(h).IsEmpty();
            bFolderAfterTemplate = bFolderAfterTemplate || (!bTemplate && bTemplateSeen);
            bTemplateSeen = bTemplateSeen || bTemplate;
            (bTemplate ? templates : folders).push_back(static_cast<LPCSTR>(tree.GetItemText(h)));
        }
        std::sort(folders.begin(), folders.end());
        std::sort(templates.begin(), templates.end());
        return !bFolderAfterTemplate;
    };
    HTREEITEM hRoot = tree.GetRootItem();
    ASSERT_NE(nullptr, hRoot);
    EXPECT_TRUE(tree.GetTemplatePath(hRoot).IsEmpty());
    HTREEITEM hMilling = tree.GetChildItem(hRoot);
    ASSERT_NE(nullptr, hMilling);
    const LevelCase cases[] = {
        {"root", {"Milling"}, {"Process", "Tail", "Upper"}},
        {"Milling", {"Old"}, {"Face"}},
    };
    const HTREEITEM parents[] = {hRoot, hMilling};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(cases[i].szName);
        std::vector<std::string> folders;
        std::vector<std::string> templates;
        EXPECT_TRUE(level(parents[i], folders, templates));
        EXPECT_EQ(cases[i].folders, folders);
        EXPECT_EQ(cases[i].templates, templates);
    }
    // A nested template's path goes through its folders.
    HTREEITEM hOld = tree.GetChildItem(hMilling);
    ASSERT_NE(nullptr, hOld);
    HTREEITEM hSlot = tree.GetChildItem(hOld);
    ASSERT_NE(nullptr, hSlot);
    EXPECT_STREQ(strRoot + "\\Milling\\Old\\Slot.znt", tree.GetTemplatePath(hSlot));

    // A refill follows the disk.
    ::DeleteFileA(strRoot + "\\Tail.znt");
    tree.FillFrom(strRoot);
    std::vector<std::string> folders;
    std::vector<std::string> templates;
    level(tree.GetRootItem(), folders, templates);
    EXPECT_EQ((std::vector<std::string>{"Process", "Upper"}), templates);
    pFrame->DestroyWindow();
}

TEST(RecentFileListTest, KeepsFourNewestFirstWithoutDuplicatesAndSurvivesARestart)
{
    struct Case
    {
        const char* szName;
        std::vector<std::string> added;
        std::vector<std::string> list;
    };
    const Case cases[] = {
        {"newest first", {"a.znt", "b.znt"}, {"b.znt", "a.znt"}},
        {"again moves to the top, any case", {"a.znt", "b.znt", "A.ZNT"}, {"A.ZNT", "b.znt"}},
        {"four kept", {"1", "2", "3", "4", "5", "6"}, {"6", "5", "4", "3"}},
        {"empty ignored", {"a.znt", ""}, {"a.znt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        {
            CVornDesignApp app;
            app.SetRegistryKey("Vorn");
            app.WriteProfileString("Recent File List", nullptr, nullptr);
            app.LoadRecentFileList();
            for (const std::string& strPath : c.added) {
                app.AddToRecentFileList(strPath.c_str());
            }
        }
        CVornDesignApp restarted;
        restarted.SetRegistryKey("Vorn");
        restarted.LoadRecentFileList();
        std::vector<std::string> got;
        for (int i = 0; i < restarted.GetRecentFileCount(); ++i) {
            got.push_back(static_cast<LPCSTR>(restarted.GetRecentFile(i)));
        }
        EXPECT_EQ(c.list, got);
        restarted.WriteProfileString("Recent File List", nullptr, nullptr);
    }
}

TEST_F(CDesignShellTest, ARecentFileCommandOpensItsTemplateOnce)
{
    const CString strPath = DesignSampleWorkDir() + "\\Template\\ProcessCardNext.znt";
    Start(DesignSampleWorkDir(), "");
    m_app.AddToRecentFileList(strPath);
    const size_t nBefore = SheetViews().size();
    m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_MRU_FIRST);
    m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_MRU_FIRST);
    // An entry past the list's end does nothing.
    m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_MRU_FIRST + 3);
    std::vector<CCappSheetDefView*> views = SheetViews();
    ASSERT_EQ(nBefore + 1, views.size());
    EXPECT_STREQ(strPath, views.back()->GetPath());
    EXPECT_TRUE(views.back()->IsTemplateLoaded());
}

namespace
{
// The titles the menu bar shows, in order.
std::vector<std::string> ShownTitles(FwMenuBar* pBar)
{
    std::vector<std::string> titles;
    for (int i = 0; i < pBar->GetButtonCount(); ++i) {
        auto* pText = dynamic_cast<FwTextButton*>(pBar->GetButton(i));
        if (pText != nullptr && pText->m_nKind == FWBK_TEXT && !pText->TestStyle(FWBS_HIDDEN)) {
            titles.push_back(static_cast<LPCSTR>(pText->m_strText));
        }
    }
    return titles;
}

CString WindowText(HWND hWnd)
{
    char sz[256] = {};
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}
} // namespace

TEST_F(CDesignShellTest, TheMenuBarKeepsItsTitlesWithTemplateWindowsAndNewWindowsFollowAMaximisedOne)
{
    const CString strWorkDir = DesignSampleWorkDir();
    const CString strFirst = strWorkDir + "\\Template\\ProcessCard.znt";
    const CString strSecond = strWorkDir + "\\Template\\ProcessCardNext.znt";
    Start(strWorkDir, "\"" + strFirst + "\"");
    const std::vector<std::string> frameMenu = {"文件(&F)", "查看(&V)", "工具(&T)", "帮助(&H)"};
    const std::vector<std::string> sheetMenu = {"文件(&F)",     "编辑(&E)", "查看(&V)", "表格(&R)", "单元格(&C)",
                                                "自由对象(&O)", "工具(&T)", "窗口(&W)", "帮助(&H)"};
    FwMDIMenuBar* pBar = m_pFrame->m_pMDIMenuBar;
    auto activeChild = [&](BOOL& bMaximized) { return m_pFrame->MDIGetActive(&bMaximized); };

    struct Step
    {
        const char* szName;
        std::function<void()> act;
        const std::vector<std::string>* pTitles;
        int nWindows;
        BOOL bMaximized;
        const char* szCaption;
    };
    const Step steps[] = {
        {"template from the command line", [] {}, &sheetMenu, 1, FALSE, "ProcessCard.znt"},
        {"clicked into",
         [&] {
             BOOL bMax = FALSE;
             activeChild(bMax)->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_pFrame->m_hWnd),
                                            MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
         },
         &sheetMenu, 1, FALSE, "ProcessCard.znt"},
        {"maximised",
         [&] {
             BOOL bMax = FALSE;
             ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE,
                            reinterpret_cast<WPARAM>(activeChild(bMax)->m_hWnd), 0);
         },
         &sheetMenu, 1, TRUE, "ProcessCard.znt"},
        {"second template opened", [&] { m_pFrame->OpenTemplate(strSecond); }, &sheetMenu, 2, TRUE,
         "ProcessCardNext.znt"},
        {"all closed", [&] { m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_CLOSE_ALL); }, &frameMenu, 0, FALSE, nullptr},
    };
    for (const Step& c : steps) {
        SCOPED_TRACE(c.szName);
        c.act();
        Idle();
        EXPECT_EQ(*c.pTitles, ShownTitles(pBar));
        EXPECT_EQ(c.nWindows, m_pFrame->GetWorksheetCount());
        BOOL bMaximized = FALSE;
        CMDIChildWnd* pActive = activeChild(bMaximized);
        EXPECT_EQ(c.bMaximized, bMaximized);
        if (c.szCaption != nullptr) {
            ASSERT_NE(nullptr, pActive);
            EXPECT_STREQ(c.szCaption, WindowText(pActive->m_hWnd));
        }
        if (c.bMaximized) {
            SaveWindowPicture(m_pFrame->m_hWnd, "designer-main-maximised.png");
        }
    }
}

namespace
{
struct NewKindCase
{
    const char* szName;
    int nAnswer;
    int nSheetWindows;
    int nScriptWindows;
};

class CDesignStartNewKindTest : public CDesignShellTest, public testing::WithParamInterface<NewKindCase>
{
};

// The text of a menu item, plain or drawn by the bitmap menus.
std::string MenuItemText(HMENU hMenu, int nPos)
{
    char sz[MAX_PATH + 16] = {};
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    mii.dwTypeData = sz;
    mii.cch = sizeof(sz) - 1;
    if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPos), TRUE, &mii)) {
        return "";
    }
    if ((mii.fType & MFT_OWNERDRAW) != 0) {
        auto* pInfo = reinterpret_cast<FwBmpMenuItemInfo*>(mii.dwItemData);
        return pInfo != nullptr ? static_cast<LPCSTR>(pInfo->m_strText) : "";
    }
    return sz;
}
} // namespace

TEST_P(CDesignStartNewKindTest, StartUpAsksWhichKindOfWindowToOpen)
{
    const NewKindCase& c = GetParam();
    Start(DesignSampleWorkDir(), "", c.nAnswer);
    // The kinds by the names a user knows; a template window holds a page to draw on.
    EXPECT_EQ(c.nAnswer == 0 ? 2 : 1, m_nNewPrompts);
    EXPECT_STREQ("新建", m_strNewCaption);
    EXPECT_EQ((std::vector<std::string>{"表格模板", "脚本"}), m_newKinds);
    int nSheets = 0;
    int nScripts = 0;
    for (int i = 0; i < m_pFrame->GetWorksheetCount(); ++i) {
        nSheets += dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->GetWorksheet(i)) != nullptr ? 1 : 0;
        nScripts += dynamic_cast<CScriptFrame*>(m_pFrame->GetWorksheet(i)) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(c.nSheetWindows, nSheets);
    EXPECT_EQ(c.nScriptWindows, nScripts);
    EXPECT_EQ(c.nSheetWindows + c.nScriptWindows, m_pFrame->GetWorksheetCount());
    for (CCappSheetDefView* pView : SheetViews()) {
        EXPECT_TRUE(pView->IsTemplateLoaded());
        EXPECT_GT(pView->m_pSheet->m_nPageWidth, 0);
        EXPECT_GT(pView->m_pSheet->m_HCellLineList.GetCount(), 0);
        EXPECT_STREQ("新增", WindowText(pView->GetParentFrame()->m_hWnd));
    }
}

namespace
{
int g_nPathPrompts = 0;
BOOL CancelPathPrompt(HWND, BOOL, CString&)
{
    ++g_nPathPrompts;
    return FALSE;
}
} // namespace

TEST_F(CDesignShellTest, AnUntouchedNewTemplateAsksNothingAtSaveAllOrCloseAChangedOneAsks)
{
    Start(DesignSampleWorkDir(), "", 0);
    ASSERT_EQ(1u, SheetViews().size());
    g_nPathPrompts = 0;
    CTemplateFile::SetPathPrompt(CancelPathPrompt);
    struct Step
    {
        const char* szName;
        BOOL bTouch;
        int nPrompts;
        int nQuestions;
    };
    const Step steps[] = {
        {"untouched", FALSE, 0, 0},
        {"changed", TRUE, 1, 1},
    };
    for (const Step& c : steps) {
        SCOPED_TRACE(c.szName);
        if (SheetViews().empty()) {
            CTestUi ui;
            ui.OnDialog(IDD_NEW_TEMPLATE, [](CTestDlg& d) {
                d.SetText(IDC_NEW_TEMPLATE_PATH, CString(DesignSampleWorkDir()) + "\\Template\\ProcessCard.znt");
                d.Ok();
            });
            m_pFrame->OnFileNew();
        }
        ASSERT_EQ(1u, SheetViews().size());
        CCappSheetDefView* pView = SheetViews()[0];
        EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateNew), pView->GetSaveState());
        if (c.bTouch) {
            pView->MarkChanged();
        }
        EXPECT_EQ(!c.bTouch, pView->IsUntouchedNew());
        g_nPathPrompts = 0;
        m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_SAVE_ALL);
        EXPECT_EQ(c.nPrompts, g_nPathPrompts);
        // The close question is answered No when it comes; an unexpected one fails the test.
        CTestUi ui;
        if (c.nQuestions > 0) {
            ui.AnswerMessageBox(IDNO);
        }
        HWND hChild = pView->GetParentFrame()->m_hWnd;
        ::SendMessageA(hChild, WM_CLOSE, 0, 0);
        Idle();
        EXPECT_FALSE(::IsWindow(hChild));
        EXPECT_EQ(static_cast<size_t>(c.nQuestions), ui.GetBoxes().size());
    }
    CTemplateFile::SetPathPrompt(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CDesignStartNewKindTest,
                         testing::Values(NewKindCase{"sheet", 0, 1, 0}, NewKindCase{"script", 1, 0, 1},
                                         NewKindCase{"cancelled", -1, 0, 0}),
                         [](const testing::TestParamInfo<NewKindCase>& info) { return info.param.szName; });

TEST_F(CDesignShellTest, TheFileMenuListsTheRecentFilesAndOpensFromThere)
{
    const CString strWorkDir = DesignSampleWorkDir();
    Start(strWorkDir, "", -1);
    const CString strProcess = strWorkDir + "\\Template\\ProcessCard.znt";
    const CString strInspection = strWorkDir + "\\Template\\InspectionCard.znt";
    HMENU hFile = reinterpret_cast<HMENU>(m_pFrame->SendMessage(FwMenuBar::GetMenuMessage(), IDR_MAINFRAME, 0));
    ASSERT_NE(nullptr, hFile);
    // The entries of the File menu from the first recent file on, as the frame prepares it.
    auto recentItems = [&] {
        m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
        std::vector<std::string> items;
        for (int i = 0; i < ::GetMenuItemCount(hFile); ++i) {
            const UINT nID = ::GetMenuItemID(hFile, i);
            if (nID >= ID_DESIGN_MRU_FIRST && nID <= ID_DESIGN_MRU_LAST) {
                const BOOL bGrayed = (::GetMenuState(hFile, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0;
                items.push_back(MenuItemText(hFile, i) + (bGrayed ? " (grayed)" : ""));
            }
        }
        return items;
    };
    const int nItemsEmpty = ::GetMenuItemCount(hFile);

    struct Step
    {
        const char* szName;
        std::function<void()> act;
        std::vector<std::string> items;
        int nWindows;
    };
    const std::string strP(strProcess);
    const std::string strI(strInspection);
    const Step steps[] = {
        {"no recent files", [] {}, {"最近文件 (grayed)"}, 0},
        {"two added",
         [&] {
             m_app.AddToRecentFileList(strProcess);
             m_app.AddToRecentFileList(strInspection);
         },
         {"&1 " + strI, "&2 " + strP},
         0},
        {"the second opened from the menu",
         [&] { m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_MRU_FIRST + 1); },
         {"&1 " + strP, "&2 " + strI},
         1},
        {"an ampersand shown as it is",
         [&] { m_app.AddToRecentFileList("C:\\R&D\\a.znt"); },
         {"&1 C:\\R&&D\\a.znt", "&2 " + strP, "&3 " + strI},
         1},
    };
    for (const Step& c : steps) {
        SCOPED_TRACE(c.szName);
        c.act();
        EXPECT_EQ(c.items, recentItems());
        EXPECT_EQ(c.nWindows, m_pFrame->GetWorksheetCount());
        // The rest of the menu stays: only the entries change.
        EXPECT_EQ(nItemsEmpty + static_cast<int>(c.items.size()) - 1, ::GetMenuItemCount(hFile));
    }
    ASSERT_EQ(1U, SheetViews().size());
    EXPECT_STREQ(strProcess, SheetViews()[0]->GetPath());
}

namespace
{
// Answers the modal options sheet from inside its own message loop: a message posted before the
// sheet opens reaches this window once the sheet runs, ticks "缩放打印" and presses OK.
LRESULT CALLBACK OptionsAnswerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_APP) {
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
    return FxCallbackEntry("OptionsAnswerProc", 0, [&]() -> LRESULT {
        HWND hSheet = ::GetLastActivePopup(reinterpret_cast<HWND>(wParam));
        HWND hPage =
            hSheet != nullptr ? reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
        if (hPage != nullptr && ::IsDlgButtonChecked(hPage, IDC_SET_ZOOM_PRINT) != BST_CHECKED) {
            ::SendMessageA(::GetDlgItem(hPage, IDC_SET_ZOOM_PRINT), BM_CLICK, 0, 0);
        }
        if (hSheet != nullptr) {
            ::SendMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        }
        return 0;
    });
}
} // namespace

TEST_F(CDesignShellTest, OptionsWithZoomPrintOnReachTheOpenTemplateViews)
{
    const CString strWorkDir = DesignSampleWorkDir();
    Start(strWorkDir, "\"" + strWorkDir + "\\Template\\ProcessCard.znt\"");
    m_pFrame->OpenTemplate(strWorkDir + "\\Template\\InspectionCard.znt");
    m_app.WriteProfileInt("DesignOption", "ZoomPrint", 0);
    ASSERT_EQ(2U, m_pFrame->GetSheetDefViews().size());
    for (CCappSheetDefView* pView : m_pFrame->GetSheetDefViews()) {
        pView->SetZoomPrint(0);
    }

    WNDCLASSA wc = {};
    wc.lpfnWndProc = OptionsAnswerProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VornOptionsAnswer";
    ::RegisterClassA(&wc);
    HWND hAnswer =
        ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hAnswer);
    ::PostMessageA(hAnswer, WM_APP, reinterpret_cast<WPARAM>(m_pFrame->m_hWnd), 0);
    m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_OPTIONS);
    ::DestroyWindow(hAnswer);

    EXPECT_EQ(1, static_cast<int>(m_app.GetProfileInt("DesignOption", "ZoomPrint", -1)));
    // Every open view holds the new value, not the 0 it had before.
    for (CCappSheetDefView* pView : m_pFrame->GetSheetDefViews()) {
        EXPECT_EQ(1, pView->GetZoomPrint());
    }
    m_app.WriteProfileInt("DesignOption", "ZoomPrint", 0);
}

TEST_F(CDesignShellTest, HelpCommandsNameTheMissingPageAndFolder)
{
    // The bundled work directory has no help pages: each command says which page it looked for.
    const CString strWorkDir = DesignSampleWorkDir();
    Start(strWorkDir, "", -1);
    struct HelpCase
    {
        const char* szName;
        UINT nID;
        const char* szPage;
    };
    const HelpCase cases[] = {
        {"help", ID_DESIGN_HELP, "\\vornhelp\\help\\Default.htm"},
        {"programming interface", ID_DESIGN_API_HELP, "\\vornhelp\\Funciton\\Vornfunction.htm"},
    };
    for (const HelpCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        m_pFrame->SendMessage(WM_COMMAND, c.nID);
        ASSERT_EQ(1u, ui.GetBoxes().size());
        EXPECT_STREQ(CString("找不到帮助页 ") + strWorkDir + c.szPage + "。\n请把帮助文件夹 vornhelp 放到工作目录 " +
                         strWorkDir + " 下。",
                     ui.GetBoxes()[0].strText);
        EXPECT_STREQ("系统提示", ui.GetBoxes()[0].strCaption);
    }
}
