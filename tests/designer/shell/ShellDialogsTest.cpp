// The designer shell's small dialogs: the move-cell choice kept in the profile, the tool-bar
// dialog against a frame with the five default bars, and the options sheet's page.
#include <gtest/gtest.h>

#include "designer/shell/DesignOptionSh.h"
#include "designer/cells/MoveCellDlg.h"
#include "designer/shell/ToolBarSetDlg.h"
#include "designer/res/resource.h"
#include "framework/FwControlBar.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "tests/support/UiDriver.h"

#include <prsht.h>

namespace
{
const char kKeyPath[] = "Software\\VornShellDialogsTest";

// An empty profile of its own, and optionally a main frame with the five default tool bars.
class CShellApp : public CWinApp
{
public:
    CShellApp() : CWinApp("ShellDialogsTest")
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kKeyPath);
        SetRegistryKey("VornShellDialogsTest");
    }
    ~CShellApp() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            m_pFrame->DestroyWindow();
        }
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kKeyPath);
    }

    BOOL CreateFrameWithBars()
    {
        m_pFrame = new CFrameWnd;
        if (!m_pFrame->CreateEx(0, nullptr, "设计", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr)) {
            delete m_pFrame;
            m_pFrame = nullptr;
            return FALSE;
        }
        m_pMainWnd = m_pFrame;
        for (int i = 0; i < 5; ++i) {
            CString strTitle;
            strTitle.LoadString(CToolBarSetDlg::s_aBars[i].nTitleID);
            if (!m_bars[i].Create(m_pFrame, strTitle, WS_VISIBLE | CBRS_TOP, 0, CToolBarSetDlg::s_aBars[i].nBarID)) {
                return FALSE;
            }
        }
        m_pFrame->RecalcLayout();
        return TRUE;
    }
    CFrameWnd* m_pFrame = nullptr;
    FwControlBar m_bars[5];
};
} // namespace

TEST(MoveCellDlgTest, StoredChoiceSelectsTheRadioAndOkKeepsTheNewOne)
{
    struct MoveCase
    {
        const char* szName;
        int nStored; // -1: no entry
        BOOL bOverwrite;
        BOOL bSwap;
        int nClick; // the radio clicked before OK, or 0
        int nResult;
        int nWritten;
    };
    const MoveCase cases[] = {
        {"no entry: overwrite", -1, TRUE, FALSE, 0, 0, 0},
        {"stored swap", 1, FALSE, TRUE, 0, 1, 1},
        {"swap chosen", 0, TRUE, FALSE, IDC_MOVE_SWAP, 1, 1},
        {"stored 2: no choice until one is made", 2, FALSE, FALSE, IDC_MOVE_OVERWRITE, 0, 0},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CShellApp app;
        if (c.nStored >= 0) {
            app.WriteProfileInt("ini", "DropCell", c.nStored);
        }
        CTestUi ui;
        ui.OnDialog(IDD_MOVE_CELL, [&](CTestDlg& d) {
            EXPECT_EQ("移动Cell", d.GetCaption());
            EXPECT_EQ(c.bOverwrite, d.IsChecked(IDC_MOVE_OVERWRITE));
            EXPECT_EQ(c.bSwap, d.IsChecked(IDC_MOVE_SWAP));
            if (!c.bOverwrite && !c.bSwap) {
                d.Ok();
                EXPECT_EQ(-1, d.GetDialog()->GetModalResult()) << "OK waits for a choice";
            }
            if (c.nClick != 0) {
                d.Click(c.nClick);
            }
            if (c.nStored == 1) {
                EXPECT_TRUE(d.SavePicture("move-cell-dialog.png"));
            }
            d.Ok();
        });
        CMoveCellDlg dlg;
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.nResult, dlg.m_nMoveType);
        EXPECT_EQ(c.nWritten, static_cast<int>(app.GetProfileInt("ini", "DropCell", -1)));
    }
}

TEST(ToolBarSetDlgTest, ListsTheFiveBarsAndShowsOrHidesThemOnOk)
{
    CShellApp app;
    ASSERT_TRUE(app.CreateFrameWithBars());
    app.m_pFrame->ShowControlBar(&app.m_bars[2], FALSE, FALSE);

    struct RunCase
    {
        const char* szName;
        int anChecksSeen[5];
        int anChecksSet[5]; // -1 leaves the line alone
        bool bOk;
        bool abVisibleAfter[5];
    };
    const RunCase cases[] = {
        {"cell bar hidden; Cancel changes nothing",
         {1, 1, 0, 1, 1},
         {0, 0, 1, -1, -1},
         false,
         {true, true, false, true, true}},
        {"show the cell bar, hide the file bar",
         {1, 1, 0, 1, 1},
         {0, -1, 1, -1, -1},
         true,
         {false, true, true, true, true}},
        {"uncheck all five", {0, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, true, {false, false, false, false, false}},
        {"reopening shows all unchecked",
         {0, 0, 0, 0, 0},
         {-1, -1, -1, -1, -1},
         true,
         {false, false, false, false, false}},
    };
    const char* titles[5] = {"文件", "视图", "单元格", "表格线", "自由对象"};
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        ui.OnDialog(IDD_TOOLBAR_SET, [&](CTestDlg& d) {
            EXPECT_EQ("工具条", d.GetCaption());
            auto* pDlg = static_cast<CToolBarSetDlg*>(d.GetDialog());
            ASSERT_EQ(5, pDlg->m_listBars.GetCount());
            for (int i = 0; i < 5; ++i) {
                CString strText;
                pDlg->m_listBars.GetText(i, strText);
                EXPECT_EQ(titles[i], strText);
                EXPECT_EQ(c.anChecksSeen[i], pDlg->m_listBars.GetCheck(i)) << titles[i];
                if (c.anChecksSet[i] >= 0) {
                    pDlg->m_listBars.SetCheck(i, c.anChecksSet[i]);
                }
            }
            if (&c == &cases[1]) {
                EXPECT_TRUE(d.SavePicture("toolbar-set-dialog.png"));
            }
            if (c.bOk) {
                d.Ok();
            } else {
                d.Cancel();
            }
        });
        CToolBarSetDlg dlg;
        dlg.DoModal();
        app.m_pFrame->RecalcLayout();
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(c.abVisibleAfter[i], app.m_bars[i].IsVisible() != FALSE) << titles[i];
        }
    }
}

TEST(DesignOptionShTest, PageShowsAndKeepsBothOptions)
{
    struct OptionCase
    {
        const char* szName;
        int nAutoStored; // -1: no entry
        int nZoomStored;
        int nClick; // a check clicked, or 0
        bool bOk;
        int nAutoAfter;
        int nZoomAfter;
    };
    const OptionCase cases[] = {
        {"no entries: both clear, OK writes zeros", -1, -1, 0, true, 0, 0},
        {"zoom printing turned on", 0, 0, IDC_SET_ZOOM_PRINT, true, 0, 1},
        {"automatic names turned off", 1, 1, IDC_SET_AUTO_VAR_NAME, true, 0, 1},
        {"Cancel writes nothing", -1, -1, IDC_SET_AUTO_VAR_NAME, false, -1, -1},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CShellApp app;
        if (c.nAutoStored >= 0) {
            app.WriteProfileInt("DesignOption", "AutoVarName", c.nAutoStored);
            app.WriteProfileInt("DesignOption", "ZoomPrint", c.nZoomStored);
        }
        // Modeless, so the test can press its buttons as the user does.
        CDesignOptionSh sheet;
        EXPECT_EQ(1, sheet.GetPageCount());
        ASSERT_TRUE(sheet.Create());
        CString strCaption;
        sheet.GetWindowText(strCaption);
        EXPECT_EQ("选项", strCaption);
        HWND hPage = sheet.m_pageOther.m_hWnd;
        ASSERT_NE(nullptr, hPage);
        EXPECT_EQ(c.nAutoStored == 1, ::IsDlgButtonChecked(hPage, IDC_SET_AUTO_VAR_NAME) == BST_CHECKED);
        EXPECT_EQ(c.nZoomStored == 1, ::IsDlgButtonChecked(hPage, IDC_SET_ZOOM_PRINT) == BST_CHECKED);
        if (c.nClick != 0) {
            ::SendMessageA(::GetDlgItem(hPage, c.nClick), BM_CLICK, 0, 0);
        }
        if (c.nClick == IDC_SET_ZOOM_PRINT) {
            EXPECT_TRUE(SaveWindowPicture(sheet.m_hWnd, "design-option-sheet.png"));
        }
        sheet.SendMessage(PSM_PRESSBUTTON, c.bOk ? PSBTN_OK : PSBTN_CANCEL, 0);
        sheet.DestroyWindow();
        EXPECT_EQ(c.nAutoAfter, static_cast<int>(app.GetProfileInt("DesignOption", "AutoVarName", -1)));
        EXPECT_EQ(c.nZoomAfter, static_cast<int>(app.GetProfileInt("DesignOption", "ZoomPrint", -1)));
    }
}
