// The designer program as it starts: the application object's start-up on the bundled work
// directory, the main frame's bars and panes, the template tree, a template named on the command
// line, the output messages and the card-variable name list.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "common/KvHyperLink.h"
#include "designer/CappSheetDefChildFrame.h"
#include "designer/CappSheetDefView.h"
#include "designer/MainFrame.h"
#include "designer/VornDesignApp.h"
#include "designer/res/resource.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwToolBarManager.h"
#include "framework/FwWorksheet.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
CString SampleWorkDir()
{
    char szFull[MAX_PATH] = {};
    ::GetFullPathNameA(TestDataPath("..\\..\\..\\samples\\workdir"), MAX_PATH, szFull, nullptr);
    return szFull;
}

// Points HKLM "SOFTWARE\Vorn" "WorkDir" at a folder for one test, then puts the old value back.
class CWorkDirGuard
{
public:
    explicit CWorkDirGuard(LPCSTR lpszDir)
    {
        HKEY hKey = nullptr;
        if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                              nullptr) != ERROR_SUCCESS) {
            return;
        }
        char szOld[MAX_PATH] = {};
        DWORD cb = sizeof szOld;
        m_bHadValue =
            ::RegQueryValueExA(hKey, "WorkDir", nullptr, nullptr, reinterpret_cast<BYTE*>(szOld), &cb) == ERROR_SUCCESS;
        m_strOld = szOld;
        ::RegSetValueExA(hKey, "WorkDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszDir),
                         static_cast<DWORD>(strlen(lpszDir) + 1));
        ::RegCloseKey(hKey);
    }
    ~CWorkDirGuard()
    {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn", 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS) {
            return;
        }
        if (m_bHadValue) {
            ::RegSetValueExA(hKey, "WorkDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(static_cast<LPCSTR>(m_strOld)),
                             static_cast<DWORD>(m_strOld.GetLength() + 1));
        } else {
            ::RegDeleteValueA(hKey, "WorkDir");
        }
        ::RegCloseKey(hKey);
    }
    CWorkDirGuard(const CWorkDirGuard&) = delete;
    CWorkDirGuard& operator=(const CWorkDirGuard&) = delete;

private:
    BOOL m_bHadValue = FALSE;
    CString m_strOld;
};

void PumpMessages()
{
    MSG msg;
    for (int i = 0; i < 500 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The designer started on a work directory with a command line; the main window goes at the end.
class CDesignShellTest : public testing::Test
{
protected:
    void Start(LPCSTR lpszWorkDir, LPCSTR lpszCmdLine)
    {
        m_pWorkDir = std::make_unique<CWorkDirGuard>(lpszWorkDir);
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_strCmdLine = lpszCmdLine;
        m_app.m_nCmdShow = SW_SHOWNA;
        ASSERT_TRUE(m_app.InitInstance());
        m_pFrame = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pFrame);
        m_pFrame->MoveWindow(0, 0, 900, 640);
        Idle();
    }
    void Idle()
    {
        PumpMessages();
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
        PumpMessages();
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
    std::unique_ptr<CWorkDirGuard> m_pWorkDir;
};
} // namespace

TEST_F(CDesignShellTest, StartsWithMenuFiveBarsSixPanesTheTemplateTreeAndNoOutputBar)
{
    Start(SampleWorkDir(), "");

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
    EXPECT_EQ((std::vector<std::string>{"ProcessCard", "ProcessCardNext"}), names);
    EXPECT_FALSE(m_pFrame->m_wndOutput.IsWindowVisible());

    // Ask for the workspace bar as a user would, to look at it.
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_WORKSPACE_BAR);
    Idle();
    EXPECT_TRUE(m_pFrame->m_wndWorkSpace.IsWindowVisible());
    SaveWindowPicture(m_pFrame->m_hWnd, "designer-main-empty.png");
}

TEST_F(CDesignShellTest, ATemplateOnTheCommandLineOpensOnceLoadedAndFirstInTheRecentFiles)
{
    const CString strWorkDir = SampleWorkDir();
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

    // Opening it again (tree, recent files) activates that window.
    m_pFrame->OpenTemplate(strPath);
    EXPECT_EQ(1U, SheetViews().size());
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_WORKSPACE_BAR);
    Idle();
    SaveWindowPicture(m_pFrame->m_hWnd, "designer-main-processcard.png");
}

TEST_F(CDesignShellTest, OutputMessagesAppendLinesActivateTheirTabAndDriveTheProgress)
{
    Start(SampleWorkDir(), "");
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
    Start(SampleWorkDir(), "");
    CTestTempFolder folder;
    // Every cut of a real template short of its end, and a file that is not there.
    std::ifstream in(static_cast<LPCSTR>(SampleWorkDir() + "\\Template\\ProcessCard.znt"), std::ios::binary);
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
    Start(SampleWorkDir(), "");
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

    // About, from the menu through the frame to the application: its links are live.
    CString strCaption;
    BOOL bLinks = FALSE;
    ui.OnDialog(IDD_ABOUTBOX, [&](CTestDlg& d) {
        char sz[64] = {};
        ::GetWindowTextA(d.GetHwnd(), sz, sizeof sz);
        strCaption = sz;
        bLinks = dynamic_cast<CKvHyperLink*>(CWnd::FromHandlePermanent(d.Item(IDC_ABOUT_WEB))) != nullptr &&
                 dynamic_cast<CKvHyperLink*>(CWnd::FromHandlePermanent(d.Item(IDC_ABOUT_MAIL))) != nullptr;
        d.SavePicture("designer-about.png");
        d.Ok();
    });
    m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_ABOUT);
    EXPECT_EQ(2, ui.GetDialogsOpened());
    EXPECT_STREQ("关于 VornDesign", strCaption);
    EXPECT_TRUE(bLinks);
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
    const CString strPath = SampleWorkDir() + "\\Template\\ProcessCardNext.znt";
    Start(SampleWorkDir(), "");
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
