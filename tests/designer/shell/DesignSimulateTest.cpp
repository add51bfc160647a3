// The sheet window's data-simulation command end to end: the designer loads the simulator, whose
// data dialog writes the data file the command names, and the card shows what was entered.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/designer/DesignTestWorkDir.h"
#include "SimTestCard.h"
#include "core/CappCell.h"
#include "core/CappSheet.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/template/TemplateFile.h"
#include "designer/res/resource.h"
#include "gridkit/GkGridWnd.h"
#include "platform/ole/OleControlWnd.h"
#include "simulator/res/resource.h"
#include "platform/win/MsgBox.h"
#include "tests/support/SysDlgDriver.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
const char kGolden[] = "<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='A;B;'><VAL>1</VAL><VAL>2</VAL>"
                       "</HEAD><MD><MDITEM NAME='M' VARS='X;Y;'><ROW><VAL>p</VAL><VAL>q</VAL></ROW></MDITEM></MD>"
                       "</BODY>";

const DISPID kDispGetVarData = 43;

// A value of the card in the simulator's dialog, read through the control's dispatch interface;
// detail rows count from 0.
CString CardVar(CTestDlg& d, LPCSTR pszName, long nRow = 0)
{
    COleControlWnd* pHost = COleControlWnd::FromHostHandle(d.Item(IDC_SIM_VORNCTL));
    CString strValue;
    if (pHost != nullptr) {
        pHost->GetDispatchDriver().InvokeHelper(kDispGetVarData, DISPATCH_METHOD, &strValue, CString(pszName), nRow,
                                                short(0));
    }
    return strValue;
}

CGkGridWnd& Grid(CTestDlg& d, int nID)
{
    return *static_cast<CGkGridWnd*>(CWnd::FromHandlePermanent(d.Item(nID)));
}

// Restores the process's current folder when the test leaves it.
class CCurrentDirScope
{
public:
    explicit CCurrentDirScope(LPCSTR lpszDir)
    {
        ::GetCurrentDirectoryA(MAX_PATH, m_szOld);
        ::SetCurrentDirectoryA(lpszDir);
    }
    ~CCurrentDirScope() { ::SetCurrentDirectoryA(m_szOld); }
    CCurrentDirScope(const CCurrentDirScope&) = delete;
    CCurrentDirScope& operator=(const CCurrentDirScope&) = delete;

private:
    char m_szOld[MAX_PATH] = {};
};

// The designer with a saved template of head A and B and area M (X, Y) in a work folder of its own.
class CDesignSimulateTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(S_OK, RegisterVornCtl());
        m_pWorkDir = std::make_unique<CDesignTestWorkDir>(m_folder.GetPath());
        m_strTemplate = m_pWorkDir->TemplatePath("Sim.znt");
        WriteTestTemplate(m_strTemplate, kTemplateAB);
        m_strData = m_folder.PathOf("data\\Sim.znw");
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_strCmdLine = "";
        m_app.m_nCmdShow = SW_SHOWNA;
        ASSERT_TRUE(DesignStartApp(m_app));
        m_pMain = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pMain);
        m_pMain->OpenTemplate(m_strTemplate);
        PumpTestMessages();
        for (int i = 0; i < m_pMain->GetWorksheetCount() && m_pChild == nullptr; ++i) {
            auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pMain->GetWorksheet(i));
            CCappSheetDefView* pView = pChild != nullptr ? pChild->GetSheetDefView() : nullptr;
            if (pView != nullptr && pView->GetPath() == m_strTemplate) {
                m_pChild = pChild;
            }
        }
        ASSERT_NE(nullptr, m_pChild);
    }
    void TearDown() override
    {
        if (m_pMain != nullptr && ::IsWindow(m_pMain->m_hWnd)) {
            m_pMain->DestroyWindow();
        }
        m_app.m_pMainWnd = nullptr;
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        PumpTestMessages();
    }
    void Simulate() { m_pChild->SendMessage(WM_COMMAND, ID_SHEET_SIMULATE, 0); }

    CTestTempFolder m_folder;
    std::unique_ptr<CDesignTestWorkDir> m_pWorkDir;
    CVornDesignApp m_app;
    CMainFrame* m_pMain = nullptr;
    CCappSheetDefChildFrame* m_pChild = nullptr;
    CString m_strTemplate;
    CString m_strData;
};
} // namespace

// First run writes the exact data file under the work folder's "data"; the rerun brings the values
// back into the card and the grids. The simulator is found beside the program whatever the
// current folder is.
TEST_F(CDesignSimulateTest, CommandWritesTheDataFileAndTheCardShowsIt)
{
    CCurrentDirScope currentDir(m_folder.GetPath());
    {
        CTestUi ui;
        ui.OnDialog(IDD_VORNSAMPLE_DIALOG, [&](CTestDlg& d) {
            d.Click(IDC_SIM_DATAINPUT);
            EXPECT_STREQ("1", CardVar(d, "A"));
            EXPECT_STREQ("2", CardVar(d, "B"));
            EXPECT_STREQ("p", CardVar(d, "X", 0));
            EXPECT_STREQ("q", CardVar(d, "Y", 0));
            EXPECT_TRUE(d.SavePicture("designer-simulator-card.png"));
            d.Ok();
        });
        ui.OnDialog(IDD_SIMDATA, [&](CTestDlg& d) {
            CGkGridWnd& head = Grid(d, IDC_SIMDATA_HEADGRID);
            CGkGridWnd& md = Grid(d, IDC_SIMDATA_MDGRID);
            ASSERT_EQ(2u, head.GetRowCount());
            EXPECT_STREQ("A", head.GetCellValue(1, 1));
            EXPECT_STREQ("B", head.GetCellValue(2, 1));
            ASSERT_EQ(2u, md.GetColCount());
            EXPECT_STREQ("X", md.GetCellValue(0, 1));
            EXPECT_STREQ("Y", md.GetCellValue(0, 2));
            EXPECT_EQ(0u, md.GetRowCount());
            head.SetCellValue(1, 2, "1");
            head.SetCellValue(2, 2, "2");
            d.Click(IDC_SIMDATA_ADD);
            ASSERT_EQ(1u, md.GetRowCount());
            md.SetCellValue(1, 1, "p");
            md.SetCellValue(1, 2, "q");
            EXPECT_TRUE(d.SavePicture("designer-simulator-data.png"));
            d.Ok();
        });
        Simulate();
        EXPECT_EQ(2, ui.GetDialogsOpened());
        EXPECT_TRUE(ui.TakeBoxTexts().empty());
    }
    EXPECT_EQ(kGolden, DesignReadBytes(m_strData));

    CTestUi ui;
    ui.OnDialog(IDD_VORNSAMPLE_DIALOG, [&](CTestDlg& d) {
        EXPECT_STREQ("2", CardVar(d, "B"));
        EXPECT_STREQ("p", CardVar(d, "X", 0));
        d.Click(IDC_SIM_DATAINPUT);
        d.Ok();
    });
    ui.OnDialog(IDD_SIMDATA, [&](CTestDlg& d) {
        EXPECT_STREQ("1", Grid(d, IDC_SIMDATA_HEADGRID).GetCellValue(1, 2));
        EXPECT_STREQ("2", Grid(d, IDC_SIMDATA_HEADGRID).GetCellValue(2, 2));
        EXPECT_STREQ("p", Grid(d, IDC_SIMDATA_MDGRID).GetCellValue(1, 1));
        EXPECT_STREQ("q", Grid(d, IDC_SIMDATA_MDGRID).GetCellValue(1, 2));
        d.Cancel();
    });
    Simulate();
    EXPECT_EQ(2, ui.GetDialogsOpened());
    EXPECT_EQ(kGolden, DesignReadBytes(m_strData));
}

// A template whose cell shows a value naming a custom symbol the symbol library lacks: while the
// simulator draws the card, the cache's report reaches the designer's errors pane (once), and no
// message box interrupts the drawing.
TEST_F(CDesignSimulateTest, ACustomSymbolTheLibraryLacksIsReportedInTheErrorsPane)
{
    CCurrentDirScope currentDir(m_folder.GetPath());
    // The bundled symbol library in the work folder; a GUID new to this process.
    ASSERT_TRUE(::CopyFileA(DesignSampleWorkDir() + "\\SymbolLib.db", m_folder.PathOf("SymbolLib.db"), FALSE));
    CString strGuid;
    strGuid.Format("{vorn-missing-%lu-%lu}", ::GetCurrentProcessId(), ::GetTickCount());
    {
        // Head variable A is drawn by the special edit, which looks custom symbols up.
        CCappSheet sheet;
        CString strError;
        ASSERT_TRUE(CTemplateFile::Load(m_strTemplate, sheet, strError)) << strError.GetString();
        CCappCell* pCell = nullptr;
        for (POSITION pos = sheet.m_HeadCellList.GetHeadPosition(); pos != nullptr;) {
            auto* pEach = static_cast<CCappCell*>(sheet.m_HeadCellList.GetNext(pos));
            if (pEach->m_strVarName == "A") {
                pCell = pEach;
            }
        }
        ASSERT_NE(nullptr, pCell);
        pCell->m_nDisplay |= 0x8;
        ASSERT_TRUE(CTemplateFile::Save(m_strTemplate, sheet, strError)) << strError.GetString();
    }
    ::CreateDirectoryA(m_folder.PathOf("data"), nullptr);
    const CString strData = "<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='A;B;'><VAL>&lt;P&gt;" +
                            strGuid + "&lt;/P&gt;</VAL><VAL>2</VAL></HEAD><MD><MDITEM NAME='M' VARS='X;Y;'>" +
                            "</MDITEM></MD></BODY>";
    ASSERT_TRUE(DesignWriteBytes(m_strData, std::string(strData)));

    CTestUi ui;
    ui.OnDialog(IDD_VORNSAMPLE_DIALOG, [&](CTestDlg& d) {
        EXPECT_STREQ("<P>" + strGuid + "</P>", CardVar(d, "A"));
        EXPECT_TRUE(d.SavePicture("designer-simulator-missing-symbol.png"));
        d.Ok();
    });
    Simulate();
    PumpTestMessages();
    EXPECT_EQ(1, ui.GetDialogsOpened());
    EXPECT_TRUE(ui.TakeBoxTexts().empty());

    char szErrors[4096] = {};
    ::GetWindowTextA(m_pMain->m_wndOutput.m_editErrors.m_hWnd, szErrors, sizeof szErrors);
    const std::string strErrors(szErrors);
    const std::string strExpected = "符号库中没有自定义符号" + std::string(strGuid);
    EXPECT_NE(std::string::npos, strErrors.find(strExpected)) << strErrors;
    EXPECT_EQ(strErrors.find(strExpected), strErrors.rfind(strExpected)) << "reported once";
    EXPECT_TRUE(m_pMain->m_wndOutput.m_editErrors.IsWindowVisible()) << "the errors tab is shown";
    SaveWindowPicture(m_pMain->m_hWnd, "designer-missing-symbol-errors.png");
}

// The simulator is modal against the designer's frame: the frame stays disabled while it runs,
// also after a message box owned by the frame (as the control's script errors are) has closed,
// and the simulator is the active window again.
TEST_F(CDesignSimulateTest, DesignerStaysDisabledWhileTheSimulatorRuns)
{
    CTestUi ui;
    CTestSysDialogs boxes;
    ui.OnDialog(IDD_VORNSAMPLE_DIALOG, [&](CTestDlg& d) {
        EXPECT_EQ(m_pMain->m_hWnd, ::GetWindow(d.GetHwnd(), GW_OWNER));
        EXPECT_FALSE(::IsWindowEnabled(m_pMain->m_hWnd));
        ::ShowWindow(d.GetHwnd(), SW_SHOW);
        ::SetActiveWindow(d.GetHwnd());
        // The real box, not the harness's answer.
        const FX_MSGBOX_HOOK pfnUi = FxSetMessageBoxHook(nullptr);
        boxes.OnDialog([](CTestSysDlg& box) { box.Ok(); });
        FxMessageBox(m_pMain->m_hWnd, "脚本错误", "提示", MB_OK | MB_ICONEXCLAMATION);
        FxSetMessageBoxHook(pfnUi);
        EXPECT_FALSE(::IsWindowEnabled(m_pMain->m_hWnd));
        EXPECT_EQ(d.GetHwnd(), ::GetActiveWindow());
        d.Ok();
    });
    Simulate();
    EXPECT_EQ(1, boxes.GetDialogsOpened());
    EXPECT_TRUE(::IsWindowEnabled(m_pMain->m_hWnd));
}
