// The designer as a Windows user drives it: every key a menu shows has its accelerator and runs
// its command, Alt+letter and F10 open the menu bar's menus and the arrows move between them,
// exit, print, preview and the window menu are routed, dialogs open over the designer, the wheel
// scrolls and zooms, and maximising leaves the menu bar and the sheet drawn as they work.
#include <gtest/gtest.h>

#include <windows.h>

#include <dlgs.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/CappDCHelper.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefDoc.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/template/TemplateFile.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "framework/FwMDIMenuBar.h"
#include "framework/FwMenuBar.h"
#include "framework/FwTextButton.h"
#include "framework/FwWorksheet.h"
#include "platform/base/Firewall.h"
#include "platform/doc/PreviewView.h"
#include "platform/frame/FrameIds.h"
#include "platform/win/Menu.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PngFile.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/support/SysDlgDriver.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
// The designer on a work directory of its own with the bundled process card open.
class CDesignKeysMenusTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pWorkDir = std::make_unique<CDesignTestWorkDir>(m_folder.GetPath());
        m_strCard = m_pWorkDir->AddSample("ProcessCard.znt", "ProcessCard.znt");
        m_strNext = m_pWorkDir->AddSample("ProcessCardNext.znt", "ProcessCardNext.znt");
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_nCmdShow = SW_SHOWNA;
        ASSERT_TRUE(DesignStartApp(m_app));
        m_pFrame = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pFrame);
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->MoveWindow(0, 0, 900, 640);
        m_pView = Open(m_strCard);
        ASSERT_NE(nullptr, m_pView);
        Idle();
    }
    void TearDown() override
    {
        CTemplateFile::SetPathPrompt(nullptr);
        if (m_pFrame != nullptr && ::IsWindow(m_hFrame)) {
            for (CCappSheetDefView* pView : m_pFrame->GetSheetDefViews()) {
                pView->SetSaveState(CCappSheetDefView::saveStateSaved);
            }
            m_pFrame->DestroyWindow();
        }
        m_app.m_pMainWnd = nullptr;
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        PumpTestMessages();
    }
    CCappSheetDefView* Open(const CString& strPath)
    {
        m_pFrame->OpenTemplate(strPath);
        auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->MDIGetActive());
        return pChild != nullptr ? pChild->GetSheetDefView() : nullptr;
    }
    void Idle()
    {
        PumpTestMessages();
        m_app.OnIdle(0);
        m_pFrame->RecalcLayout();
        m_pFrame->UpdateWindow();
    }
    // A popup of the shown menu bar's menu, prepared by the frame's update pass as on opening.
    HMENU PreparedPopup(UINT nMenuID, int nPos)
    {
        HMENU hPopup = reinterpret_cast<HMENU>(
            m_pFrame->SendMessage(FwMenuBar::GetMenuMessage(), nMenuID, static_cast<LPARAM>(nPos)));
        if (hPopup != nullptr) {
            m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), nPos);
        }
        return hPopup;
    }
    // A key as the message loop meets it in the focus window: the application's pre-translation
    // first, else translated and dispatched. Control is held for the key when bControl.
    BOOL LoopKey(HWND hWnd, UINT nMessage, WPARAM wKey, LPARAM lParam, BOOL bControl)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = bControl ? 0x80 : 0;
        ::SetKeyboardState(keys);
        MSG msg = {hWnd, nMessage, wKey, lParam, 0, {0, 0}};
        const BOOL bTaken = m_app.PreTranslateMessage(&msg);
        if (!bTaken) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
        PumpTestMessages();
        return bTaken;
    }

    CTestTempFolder m_folder;
    std::unique_ptr<CDesignTestWorkDir> m_pWorkDir;
    CString m_strCard;
    CString m_strNext;
    CVornDesignApp m_app;
    CMainFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CCappSheetDefView* m_pView = nullptr;
};

BOOL IsGrayed(HMENU hMenu, UINT nID)
{
    return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

// ---- keys ----------------------------------------------------------------------------------

struct ShownKey
{
    std::string strItem;
    UINT nID;
    BYTE fVirt;
    WORD wKey;
};

// The key after the tab of a menu text ("Ctrl+Z"): modifiers and a letter, digit or F-key.
BOOL ParseShownKey(const std::string& strKey, BYTE& fVirt, WORD& wKey)
{
    fVirt = FVIRTKEY;
    std::string strRest = strKey;
    const struct
    {
        const char* szPrefix;
        BYTE fFlag;
    } mods[] = {{"Ctrl+", FCONTROL}, {"Shift+", FSHIFT}, {"Alt+", FALT}};
    for (BOOL bFound = TRUE; bFound;) {
        bFound = FALSE;
        for (const auto& m : mods) {
            if (strRest.rfind(m.szPrefix, 0) == 0) {
                fVirt |= m.fFlag;
                strRest = strRest.substr(std::strlen(m.szPrefix));
                bFound = TRUE;
            }
        }
    }
    if (strRest.size() == 1 && (::isupper(static_cast<unsigned char>(strRest[0])) || ::isdigit(strRest[0]))) {
        wKey = static_cast<WORD>(strRest[0]);
        return TRUE;
    }
    if (strRest.size() >= 2 && strRest[0] == 'F') {
        wKey = static_cast<WORD>(VK_F1 + std::stoi(strRest.substr(1)) - 1);
        return TRUE;
    }
    return FALSE;
}

void CollectShownKeys(HMENU hMenu, std::vector<ShownKey>& keys)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
        if (HMENU hSub = ::GetSubMenu(hMenu, i)) {
            CollectShownKeys(hSub, keys);
            continue;
        }
        char szText[128] = {};
        ::GetMenuStringA(hMenu, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
        const char* pTab = std::strchr(szText, '\t');
        if (pTab == nullptr) {
            continue;
        }
        ShownKey key = {szText, ::GetMenuItemID(hMenu, i), 0, 0};
        EXPECT_TRUE(ParseShownKey(pTab + 1, key.fVirt, key.wKey)) << szText;
        keys.push_back(key);
    }
}

std::vector<ACCEL> LoadAccelTable(UINT nID)
{
    std::vector<ACCEL> table;
    HACCEL hAccel = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID));
    if (hAccel == nullptr) {
        return table;
    }
    table.resize(static_cast<size_t>(::CopyAcceleratorTableA(hAccel, nullptr, 0)));
    ::CopyAcceleratorTableA(hAccel, table.data(), static_cast<int>(table.size()));
    ::DestroyAcceleratorTable(hAccel);
    return table;
}

// The command a key sends: the window's own table first, then the main frame's; 0 for none.
UINT CommandOfKey(const std::vector<std::vector<ACCEL>>& tables, BYTE fVirt, WORD wKey)
{
    for (const std::vector<ACCEL>& table : tables) {
        for (const ACCEL& a : table) {
            if ((a.fVirt & ~0x80) == fVirt && a.key == wKey) {
                return a.cmd;
            }
        }
    }
    return 0;
}
} // namespace

// Every key shown beside a menu item is in the accelerator tables of its window, and sends that
// item's command (or the framework command whose handler does the same).
TEST(DesignShownKeysTest, EveryKeyAMenuShowsSendsItsCommand)
{
    // The framework's open, save and new commands stand for the designer's items of the same keys.
    const UINT aliases[][2] = {
        {ID_DESIGN_OPEN, ID_FILE_OPEN}, {ID_DESIGN_SAVE, ID_FILE_SAVE}, {ID_FILE_NEW, ID_DESIGN_NEW}};
    const struct
    {
        const char* szName;
        UINT nMenu;
        std::vector<UINT> tables;
    } windows[] = {
        {"main frame", IDR_MAINFRAME, {IDR_MAINFRAME}},
        {"template window", IDR_CAPPSHEETDEF, {IDR_CAPPSHEETDEF, IDR_MAINFRAME}},
        {"script window", IDR_SCRIPT, {IDR_SCRIPT, IDR_MAINFRAME}},
    };
    int nKeys = 0;
    for (const auto& w : windows) {
        SCOPED_TRACE(w.szName);
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(w.nMenu));
        std::vector<ShownKey> keys;
        CollectShownKeys(menu.m_hMenu, keys);
        std::vector<std::vector<ACCEL>> tables;
        for (UINT nTable : w.tables) {
            tables.push_back(LoadAccelTable(nTable));
        }
        for (const ShownKey& k : keys) {
            SCOPED_TRACE(k.strItem);
            const UINT nCmd = CommandOfKey(tables, k.fVirt, k.wKey);
            BOOL bSame = nCmd == k.nID;
            for (const auto& a : aliases) {
                bSame = bSame || (a[0] == k.nID && a[1] == nCmd);
            }
            EXPECT_TRUE(bSame) << "the key sends " << std::hex << nCmd;
            ++nKeys;
        }
    }
    EXPECT_GE(nKeys, 16);
}

// Ctrl+Z, Ctrl+R and Ctrl+T pressed in a template window run undo, redo and Save As there.
TEST_F(CDesignKeysMenusTest, CtrlZRAndTRunTheirCommandsInATemplateWindow)
{
    static int s_nAsked = 0;
    s_nAsked = 0;
    CTemplateFile::SetPathPrompt([](HWND, BOOL, CString&) -> BOOL {
        ++s_nAsked;
        return FALSE;
    });
    const struct
    {
        const char* szName;
        WORD wKey;
        BOOL bChanges; // undo and redo mark the template changed
        int nAsked;    // Save As asks for the path
    } cases[] = {
        {"Ctrl+Z undoes", 'Z', TRUE, 0},
        {"Ctrl+R redoes", 'R', TRUE, 0},
        {"Ctrl+T saves as", 'T', FALSE, 1},
    };
    m_pView->SetFocus();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        s_nAsked = 0;
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        EXPECT_TRUE(LoopKey(m_pView->m_hWnd, WM_KEYDOWN, c.wKey, 0x00000001, TRUE));
        EXPECT_EQ(c.bChanges, m_pView->GetSaveState() == CCappSheetDefView::saveStateChanged);
        EXPECT_EQ(c.nAsked, s_nAsked);
    }
}

// Ctrl+O asks for a template in the system's open dialog and opens it the way the menu does: one
// window, its document holding the sheet read; the same file again activates that window.
TEST_F(CDesignKeysMenusTest, CtrlOOpensTheTemplateChosenInTheFileDialog)
{
    for (int nRound = 0; nRound < 2; ++nRound) {
        SCOPED_TRACE(nRound == 0 ? "first open" : "opened again");
        CTestSysDialogs dialogs;
        dialogs.OnDialog([&](CTestSysDlg& d) {
            // The explorer-style dialog names the file in a combo box, the older one in an edit.
            d.SetText(d.HasItem(cmb13) ? cmb13 : edt1, m_strNext);
            d.Ok();
        });
        m_pView->SetFocus();
        EXPECT_TRUE(LoopKey(m_pView->m_hWnd, WM_KEYDOWN, 'O', 0x00000001, TRUE));
        Idle();
        EXPECT_EQ(1, dialogs.GetDialogsOpened());

        ASSERT_EQ(2U, m_pFrame->GetSheetDefViews().size());
        auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->MDIGetActive());
        CCappSheetDefView* pView = pChild != nullptr ? pChild->GetSheetDefView() : nullptr;
        ASSERT_NE(nullptr, pView);
        EXPECT_TRUE(pView->IsTemplateLoaded());
        EXPECT_STREQ(m_strNext, pView->GetPath());
        EXPECT_STREQ("ProcessCardNext", pView->m_pSheet->m_strName);
        ASSERT_NE(nullptr, pView->GetDocument());
        EXPECT_EQ(pView->GetDocument()->GetSheet(), pView->m_pSheet);
        EXPECT_STREQ(m_strNext, pView->GetDocument()->GetPathName());
        EXPECT_STREQ(m_strNext, m_app.GetRecentFile(0));
    }
}

namespace
{
// What the menu loop showed while a key's menu was open: a timer inside the loop notes the open
// title, keeps a picture, then presses the next key of the script (Escape when it runs out).
struct MenuWalk
{
    FwMenuBar* pBar = nullptr;
    HWND hFrame = nullptr;
    std::vector<WPARAM> keys;
    std::vector<std::string> pictures;
    std::vector<int> titles;
    int nTicks = 0;
};
MenuWalk* g_pWalk = nullptr;

void CALLBACK WalkMenu(HWND, UINT, UINT_PTR, DWORD)
{
    FxCallbackEntry("WalkMenu", FALSE, [&]() -> BOOL {
        MenuWalk& w = *g_pWalk;
        if (++w.nTicks > 20) {
            ::EndMenu();
            return TRUE;
        }
        const size_t nStep = w.titles.size();
        w.titles.push_back(w.pBar->GetTrackingTitle());
        if (nStep < w.pictures.size()) {
            SaveWindowPicture(w.hFrame, w.pictures[nStep].c_str());
        }
        const WPARAM wKey = nStep < w.keys.size() ? w.keys[nStep] : VK_ESCAPE;
        ::PostMessageA(w.hFrame, WM_KEYDOWN, wKey, 0);
        return TRUE;
    });
}
} // namespace

// Alt+letter and F10 pressed in the template view open the menu bar's menus; the arrows move on to
// the next title.
TEST_F(CDesignKeysMenusTest, AltLetterAndF10OpenTheMenuBarAndTheArrowsMoveOn)
{
    FwMDIMenuBar* pBar = m_pFrame->m_pMDIMenuBar;
    const int nFile = pBar->FindMnemonic('f');
    const int nView = pBar->FindMnemonic('v');
    ASSERT_GE(nView, 0);
    const int nTable = pBar->NextTitle(nView, 1);
    EXPECT_EQ(nTable, pBar->FindMnemonic('r'));
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    m_pView->SetFocus();

    const struct
    {
        const char* szName;
        UINT nMessage;
        WPARAM wKey;
        LPARAM lParam;
        std::vector<WPARAM> keys;
        std::vector<std::string> pictures;
        std::vector<int> titles;
    } cases[] = {
        {"Alt+V, then right",
         WM_SYSCHAR,
         'v',
         0x20000000,
         {VK_RIGHT},
         {"designer-menu-view.png", "designer-menu-table.png"},
         {nView, nTable}},
        {"F10", WM_SYSKEYDOWN, VK_F10, 0x00440001, {}, {"designer-menu-file.png"}, {nFile}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        MenuWalk walk;
        walk.pBar = pBar;
        walk.hFrame = m_hFrame;
        walk.keys = c.keys;
        walk.pictures = c.pictures;
        g_pWalk = &walk;
        const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 150, &WalkMenu);
        const BOOL bTaken = LoopKey(m_pView->m_hWnd, c.nMessage, c.wKey, c.lParam, FALSE);
        if (!bTaken && c.nMessage == WM_SYSKEYDOWN) {
            // The release, as the window's default handling of F10 waits for it.
            LoopKey(m_pView->m_hWnd, WM_SYSKEYUP, c.wKey, static_cast<LPARAM>(0xC0440001u), FALSE);
        }
        ::KillTimer(nullptr, idTimer);
        g_pWalk = nullptr;
        EXPECT_TRUE(bTaken);
        // Ticks after the menu closed add nothing: the walk ends with the loop.
        walk.titles.resize(std::min(walk.titles.size(), c.titles.size()));
        EXPECT_EQ(c.titles, walk.titles);
        EXPECT_EQ(-1, pBar->GetTrackingTitle());
    }
}

// ---- menus ---------------------------------------------------------------------------------

// 文件 → 退出 is enabled in both menus and closes the designer.
TEST_F(CDesignKeysMenusTest, ExitIsEnabledAndClosesTheDesigner)
{
    HMENU hFile = PreparedPopup(IDR_CAPPSHEETDEF, 0);
    ASSERT_NE(nullptr, hFile);
    EXPECT_FALSE(IsGrayed(hFile, ID_APP_EXIT));
    HMENU hFrameFile = PreparedPopup(IDR_MAINFRAME, 0);
    ASSERT_NE(nullptr, hFrameFile);
    EXPECT_FALSE(IsGrayed(hFrameFile, ID_APP_EXIT));

    m_pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    PumpTestMessages();
    ASSERT_FALSE(::IsWindow(m_hFrame));
    m_pFrame = nullptr;
}

namespace
{
// The dialogs that opened over the owner while a timer watched, and where, each cancelled.
HWND g_hPrintOwner = nullptr;
std::vector<std::string> g_dialogs;
std::vector<CRect> g_dialogRects;

void CALLBACK CancelDialog(HWND, UINT, UINT_PTR, DWORD)
{
    FxCallbackEntry("CancelDialog", FALSE, [&]() -> BOOL {
        HWND hDlg = ::GetLastActivePopup(g_hPrintOwner);
        if (hDlg != nullptr && hDlg != g_hPrintOwner && ::IsWindowVisible(hDlg)) {
            char szCaption[128] = {};
            ::GetWindowTextA(hDlg, szCaption, sizeof szCaption);
            g_dialogs.push_back(szCaption);
            CRect rc;
            ::GetWindowRect(hDlg, &rc);
            g_dialogRects.push_back(rc);
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        }
        return TRUE;
    });
}
} // namespace

// 打印 (and Ctrl+P) and 打印预览 are enabled with a template open: print asks for the printer,
// preview shows the template's page in the window and gives the view back on closing.
TEST_F(CDesignKeysMenusTest, PrintAndPreviewAreRoutedToTheTemplateView)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    ASSERT_TRUE(SelectTestPrinter(&m_app));
    HMENU hFile = PreparedPopup(IDR_CAPPSHEETDEF, 0);
    ASSERT_NE(nullptr, hFile);
    EXPECT_FALSE(IsGrayed(hFile, ID_FILE_PRINT));
    EXPECT_FALSE(IsGrayed(hFile, ID_FILE_PRINT_PREVIEW));

    // Ctrl+P: the print dialog opens (cancelled here), so nothing is printed and nothing reported.
    g_dialogs.clear();
    const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 100, &CancelDialog);
    g_hPrintOwner = m_hFrame;
    CTestUi ui;
    m_pView->SetFocus();
    EXPECT_TRUE(LoopKey(m_pView->m_hWnd, WM_KEYDOWN, 'P', 0x00190001, TRUE));
    ::KillTimer(nullptr, idTimer);
    EXPECT_EQ(1U, g_dialogs.size());
    EXPECT_TRUE(ui.GetBoxes().empty());

    // Preview takes the view's place in its window, and closing it gives the view back.
    CFrameWnd* pChild = m_pView->GetParentFrame();
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    Idle();
    auto* pPreview = dynamic_cast<CPreviewView*>(pChild->GetActiveView());
    ASSERT_NE(nullptr, pPreview);
    SaveWindowPicture(m_hFrame, "designer-print-preview.png");
    pPreview->ClosePreview();
    Idle();
    EXPECT_EQ(static_cast<CView*>(m_pView), pChild->GetActiveView());
    EXPECT_TRUE(ui.GetBoxes().empty());
}

// 新增, 选项, 关于 and 工具条 open over the middle of the designer, wherever it stands.
TEST_F(CDesignKeysMenusTest, DialogsOpenOverTheMiddleOfTheDesigner)
{
    m_pFrame->MoveWindow(20, 300, 700, 600);
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    Idle();
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    CString strOptions;
    strOptions.LoadString(IDS_DESIGN_OPTION);
    const struct
    {
        UINT nID;
        CString strCaption;
    } cases[] = {
        {ID_DESIGN_NEW, "新增"},
        {ID_DESIGN_OPTIONS, strOptions},
        {ID_DESIGN_ABOUT, "关于 VornDesign"},
        {ID_DESIGN_TOOLBARS, "工具条"},
    };
    g_hPrintOwner = m_hFrame;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<LPCSTR>(c.strCaption));
        g_dialogs.clear();
        g_dialogRects.clear();
        const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 100, &CancelDialog);
        m_pFrame->SendMessage(WM_COMMAND, c.nID);
        ::KillTimer(nullptr, idTimer);
        ASSERT_EQ(1U, g_dialogs.size());
        EXPECT_STREQ(c.strCaption, g_dialogs[0].c_str());
        EXPECT_NEAR(rcFrame.CenterPoint().x, g_dialogRects[0].CenterPoint().x, 1);
        EXPECT_NEAR(rcFrame.CenterPoint().y, g_dialogRects[0].CenterPoint().y, 1);
    }
}

// 窗口 cascades and tiles the template windows and lists them; choosing one from the list
// activates it.
TEST_F(CDesignKeysMenusTest, TheWindowMenuArrangesAndListsTheOpenWindows)
{
    CCappSheetDefView* pNext = Open(m_strNext);
    ASSERT_NE(nullptr, pNext);
    Idle();
    HWND hFirst = m_pView->GetParentFrame()->m_hWnd;
    HWND hSecond = pNext->GetParentFrame()->m_hWnd;
    const int nWindowPos = 7;
    HMENU hWindow = PreparedPopup(IDR_CAPPSHEETDEF, nWindowPos);
    ASSERT_NE(nullptr, hWindow);
    for (UINT nID : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE, ID_DESIGN_CLOSE_ALL}) {
        SCOPED_TRACE(nID);
        EXPECT_EQ(0U, ::GetMenuState(hWindow, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    }
    // The list the MDI client keeps: one entry per window, the active one checked.
    std::vector<std::string> listed;
    UINT nSecondEntry = 0;
    for (int i = 0; i < ::GetMenuItemCount(hWindow); ++i) {
        const UINT nID = ::GetMenuItemID(hWindow, i);
        if (nID >= FX_IDM_FIRST_MDICHILD && nID < FX_IDM_FIRST_MDICHILD + 9) {
            char szText[128] = {};
            ::GetMenuStringA(hWindow, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
            const BOOL bChecked = (::GetMenuState(hWindow, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0;
            listed.push_back(std::string(szText) + (bChecked ? " (checked)" : ""));
            if (std::strstr(szText, "ProcessCardNext") != nullptr) {
                nSecondEntry = nID;
            }
        }
    }
    EXPECT_EQ((std::vector<std::string>{"&1 ProcessCard.znt", "&2 ProcessCardNext.znt (checked)"}), listed);
    SaveWindowPicture(m_hFrame, "designer-window-menu-frame.png");

    auto rectOf = [&](HWND hWnd) {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(nullptr, m_pFrame->m_hWndMDIClient, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    };
    CRect rcClient;
    ::GetClientRect(m_pFrame->m_hWndMDIClient, &rcClient);

    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_TILE_HORZ);
    Idle();
    CRect rcA = rectOf(hFirst);
    CRect rcB = rectOf(hSecond);
    CRect rcBoth;
    EXPECT_FALSE(rcBoth.IntersectRect(&rcA, &rcB)) << "tiled windows do not overlap";
    EXPECT_EQ(rcClient.Width(), rcA.Width());
    EXPECT_NEAR(rcClient.Height(), rcA.Height() + rcB.Height(), 2);

    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_CASCADE);
    Idle();
    rcA = rectOf(hFirst);
    rcB = rectOf(hSecond);
    EXPECT_NE(rcA.TopLeft(), rcB.TopLeft());
    EXPECT_TRUE(rcBoth.IntersectRect(&rcA, &rcB)) << "cascaded windows overlap";

    // The list's entry of the inactive window brings it forward.
    m_pFrame->MDIActivate(m_pView->GetParentFrame());
    ASSERT_NE(0U, nSecondEntry);
    m_pFrame->SendMessage(WM_COMMAND, nSecondEntry);
    Idle();
    ASSERT_NE(nullptr, m_pFrame->MDIGetActive());
    EXPECT_EQ(hSecond, m_pFrame->MDIGetActive()->m_hWnd);
}

// ---- mouse ---------------------------------------------------------------------------------

// Real wheel messages: the wheel scrolls the sheet down and back, Shift+wheel sideways, and
// Ctrl+wheel zooms in and out by a step per notch, the zoom shown in the status bar.
TEST_F(CDesignKeysMenusTest, TheWheelScrollsTheSheetAndCtrlWheelZoomsShownInTheStatusBar)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE,
                   reinterpret_cast<WPARAM>(m_pView->GetParentFrame()->m_hWnd), 0);
    m_pView->SendMessage(WM_COMMAND, ID_SHEET_ZOOM_200);
    Idle();
    ASSERT_GT(m_pView->GetScrollLimit(SB_VERT), 0);
    ASSERT_GT(m_pView->GetScrollLimit(SB_HORZ), 0);
    m_pView->SendMessage(WM_VSCROLL, SB_TOP);
    m_pView->SendMessage(WM_HSCROLL, SB_LEFT);
    CRect rcView;
    m_pView->GetWindowRect(&rcView);
    const LPARAM lAt = MAKELPARAM(rcView.CenterPoint().x, rcView.CenterPoint().y);
    auto wheel = [&](int nDelta, UINT nKeys) {
        m_pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nKeys, static_cast<WORD>(static_cast<short>(nDelta))), lAt);
        Idle();
    };
    auto scrollPos = [&] {
        return CPoint(::GetScrollPos(m_pView->m_hWnd, SB_HORZ), ::GetScrollPos(m_pView->m_hWnd, SB_VERT));
    };
    UINT nLines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
    const int nStep = static_cast<int>(nLines) * m_pView->GetDeviceLine().cy;

    const struct
    {
        const char* szName;
        int nDelta;
        UINT nKeys;
        CPoint ptExpected;
    } scrolls[] = {
        {"a notch towards the user scrolls down", -WHEEL_DELTA, 0, CPoint(0, nStep)},
        {"two more notches", -2 * WHEEL_DELTA, 0, CPoint(0, 3 * nStep)},
        {"three notches away scroll back to the top", 3 * WHEEL_DELTA, 0, CPoint(0, 0)},
        {"past the top stays at the top", WHEEL_DELTA, 0, CPoint(0, 0)},
        {"Shift scrolls sideways", -WHEEL_DELTA, MK_SHIFT,
         CPoint(static_cast<int>(nLines) * m_pView->GetDeviceLine().cx, 0)},
    };
    for (const auto& c : scrolls) {
        SCOPED_TRACE(c.szName);
        wheel(c.nDelta, c.nKeys);
        EXPECT_EQ(c.ptExpected, scrollPos());
    }
    SaveWindowPicture(m_hFrame, "designer-wheel-scrolled.png");

    // The pane shows the zoom against the paper's true size on this screen.
    const double dDotPerTenthMm = CCappDCHelper::GetScreenDotPerTMM();
    auto paneOf = [&](double dLevel) {
        CString str;
        str.Format("%d%%", static_cast<int>(std::lround(dLevel * 100.0 / dDotPerTenthMm)));
        return str;
    };
    const double dStart = m_pView->GetZoomLevel();
    EXPECT_STREQ(paneOf(dStart), m_pFrame->m_wndStatusBar.GetPaneText(1));
    EXPECT_NEAR(200.0, dStart * 100.0 / dDotPerTenthMm, 2.0);
    const struct
    {
        const char* szName;
        int nDelta;
        double dFactor; // against the start
    } zooms[] = {
        {"Ctrl+wheel away zooms in", WHEEL_DELTA, 1.25},
        {"Ctrl+wheel towards zooms out", -WHEEL_DELTA, 1.0},
        {"two notches towards zoom out twice", -2 * WHEEL_DELTA, 1.0 / 1.25 / 1.25},
    };
    for (const auto& c : zooms) {
        SCOPED_TRACE(c.szName);
        wheel(c.nDelta, MK_CONTROL);
        EXPECT_NEAR(dStart * c.dFactor, m_pView->GetZoomLevel(), 0.001);
        EXPECT_STREQ(paneOf(m_pView->GetZoomLevel()), m_pFrame->m_wndStatusBar.GetPaneText(1));
    }
    SaveWindowPicture(m_hFrame, "designer-wheel-zoomed.png");
}

// ---- maximising ------------------------------------------------------------------------------

namespace
{
// Pixels of a window-relative rectangle that differ between two pictures of the same window.
int CountChanged(const PngImage& a, const PngImage& b, const CRect& rc)
{
    if (a.cx != b.cx || a.cy != b.cy) {
        return -1;
    }
    int n = 0;
    for (int y = std::max(0, static_cast<int>(rc.top)); y < std::min(a.cy, static_cast<int>(rc.bottom)); ++y) {
        for (int x = std::max(0, static_cast<int>(rc.left)); x < std::min(a.cx, static_cast<int>(rc.right)); ++x) {
            const size_t i = static_cast<size_t>(y) * static_cast<size_t>(a.cx) + static_cast<size_t>(x);
            n += (a.pixels[i] & 0xFFFFFF) != (b.pixels[i] & 0xFFFFFF) ? 1 : 0;
        }
    }
    return n;
}

// A child's client area, relative to the top-level window's rectangle.
CRect RectInWindow(HWND hTop, HWND hChild)
{
    CRect rcTop;
    ::GetWindowRect(hTop, &rcTop);
    CRect rc;
    ::GetClientRect(hChild, &rc);
    ::MapWindowPoints(hChild, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    rc.OffsetRect(-rcTop.left, -rcTop.top);
    return rc;
}

// The title whose popup the menu loop opened, seen by a timer inside the loop, which then ends it.
int g_nOpenedTitle = -1;
FwMenuBar* g_pClickedBar = nullptr;

void CALLBACK NoteOpenedTitle(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pClickedBar->GetTrackingTitle() >= 0) {
        g_nOpenedTitle = g_pClickedBar->GetTrackingTitle();
    }
    ::EndMenu();
}
} // namespace

// Maximising a template window, then the designer: what the screen shows of the menu bar and the
// sheet after the painting they cause is what a full repaint shows (no titles drawn over each
// other, no sheet in two halves, no border left at the old width).
TEST_F(CDesignKeysMenusTest, MaximisingLeavesTheScreenAsAFullRepaintDrawsIt)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    CRect rcClient;
    ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rcClient);
    ::SetCursorPos(rcClient.right - 10, rcClient.bottom - 10);
    m_pView->SendMessage(WM_COMMAND, ID_SHEET_ZOOM_200);
    m_pView->SendMessage(WM_VSCROLL, SB_BOTTOM);
    Idle();
    SaveWindowPicture(m_hFrame, "designer-maximise-0-before.png");
    FwMDIMenuBar* pBar = m_pFrame->m_pMDIMenuBar;
    const struct
    {
        const char* szName;
        std::function<void()> fnMaximise;
        const char* szShown;
        const char* szRepainted;
    } steps[] = {
        {"the template window",
         [&] {
             ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE,
                            reinterpret_cast<WPARAM>(m_pView->GetParentFrame()->m_hWnd), 0);
         },
         "designer-maximise-1-child-shown.png", "designer-maximise-1-child-repainted.png"},
        {"the designer", [&] { m_pFrame->ShowWindow(SW_MAXIMIZE); }, "designer-maximise-2-frame-shown.png",
         "designer-maximise-2-frame-repainted.png"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.szName);
        step.fnMaximise();
        // Two passes of the loop, as a user's screen gets before it settles: the first pass's idle
        // layout posts the bars' own layout, which the second runs.
        Idle();
        Idle();
        ::RedrawWindow(m_hFrame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PngImage shown;
        ASSERT_TRUE(CaptureWindowShown(m_hFrame, shown));
        SavePngImage(shown, step.szShown);
        ::RedrawWindow(m_hFrame, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PngImage repainted;
        ASSERT_TRUE(CaptureWindowShown(m_hFrame, repainted));
        SavePngImage(repainted, step.szRepainted);
        EXPECT_TRUE(pBar->HasChildButtons());
        EXPECT_EQ(0, CountChanged(shown, repainted, RectInWindow(m_hFrame, pBar->m_hWnd))) << "the menu bar";
        EXPECT_EQ(0, CountChanged(shown, repainted, RectInWindow(m_hFrame, m_pView->m_hWnd))) << "the sheet";
    }
}

// With the template window maximised, each title of the menu bar is drawn where a click opens it,
// and a click there opens that title's menu.
TEST_F(CDesignKeysMenusTest, EachTitleOfTheMaximisedMenuBarOpensWhereItIsDrawn)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    CRect rcClient;
    ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rcClient);
    ::SetCursorPos(rcClient.right - 10, rcClient.bottom - 10);
    Idle();
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE,
                   reinterpret_cast<WPARAM>(m_pView->GetParentFrame()->m_hWnd), 0);
    Idle();
    ::RedrawWindow(m_hFrame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    FwMDIMenuBar* pBar = m_pFrame->m_pMDIMenuBar;
    ASSERT_TRUE(pBar->HasChildButtons());
    PngImage shown;
    ASSERT_TRUE(CaptureWindowShown(m_hFrame, shown));
    SavePngImage(shown, "designer-maximised-menu-bar.png");
    const CRect rcBar = RectInWindow(m_hFrame, pBar->m_hWnd);

    std::vector<std::string> opened;
    std::vector<std::string> expected;
    g_pClickedBar = pBar;
    for (int i = 0; i < pBar->GetButtonCount(); ++i) {
        const auto* pTitle = dynamic_cast<const FwTextButton*>(pBar->GetButton(i));
        if (pTitle == nullptr || pTitle->m_nKind != FWBK_TEXT || (pTitle->m_dwStyle & FWBS_HIDDEN) != 0) {
            continue;
        }
        SCOPED_TRACE(static_cast<LPCSTR>(pTitle->m_strText));
        expected.push_back(static_cast<LPCSTR>(pTitle->m_strText));
        // The screen shows this title, and only it, where its click area is.
        const CRect rcTitle = pTitle->GetRect();
        CTestDib alone(rcTitle.Width(), rcTitle.Height());
        const_cast<FwTextButton*>(pTitle)->Paint(&alone.DC(), nullptr);
        int nDiffering = 0;
        for (int y = 0; y < rcTitle.Height(); ++y) {
            for (int x = 0; x < rcTitle.Width(); ++x) {
                const int xShown = rcBar.left + rcTitle.left + x;
                const int yShown = rcBar.top + rcTitle.top + y;
                const DWORD dwShown = shown.pixels[static_cast<size_t>(yShown) * static_cast<size_t>(shown.cx) +
                                                   static_cast<size_t>(xShown)];
                const COLORREF cr = alone.Pixel(x, y);
                const DWORD dwAlone = static_cast<DWORD>(GetBValue(cr) | GetGValue(cr) << 8 | GetRValue(cr) << 16);
                nDiffering += (dwShown & 0xFFFFFF) != dwAlone ? 1 : 0;
            }
        }
        EXPECT_EQ(0, nDiffering);
        // A click in its middle opens it.
        g_nOpenedTitle = -1;
        const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 100, &NoteOpenedTitle);
        const CPoint pt = rcTitle.CenterPoint();
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        ::KillTimer(nullptr, idTimer);
        PumpTestMessages();
        const auto* pOpened = dynamic_cast<const FwTextButton*>(pBar->GetButton(g_nOpenedTitle));
        opened.push_back(pOpened != nullptr ? static_cast<LPCSTR>(pOpened->m_strText) : "(none)");
    }
    g_pClickedBar = nullptr;
    EXPECT_GE(expected.size(), 8U);
    EXPECT_EQ(expected, opened);
}
