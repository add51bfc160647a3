// The simulator's main dialog with the real report control: the start-up calls, paging, scripts,
// print settings, the data input dialog's result in the card, and the exported entry.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "SimTestCard.h"
#include "gridkit/GkGridWnd.h"
#include "platform/base/FxResMgr.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/doc/PreviewView.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/res/resource.h"
#include "platform/ole/OleControlSite.h"
#include "platform/ole/OleControlWnd.h"
#include "simulator/SimDataDlg.h"
#include "simulator/SimDataFile.h"
#include "simulator/Simulator.h"
#include "simulator/VornSimulatorDlg.h"
#include "simulator/res/resource.h"
#include "support/ProcAddress.h"
#include "support/PngFile.h"
#include "support/PrintTestPrinter.h"
#include "support/SysDlgDriver.h"
#include "support/TempFolder.h"
#include "support/TestData.h"
#include "support/UiDriver.h"

// After the windows headers.
#include <dlgs.h>

namespace
{
const char kGolden[] = "<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='A;B;'><VAL>1</VAL><VAL>2</VAL>"
                       "</HEAD><MD><MDITEM NAME='M' VARS='X;Y;'><ROW><VAL>p</VAL><VAL>q</VAL></ROW></MDITEM></MD>"
                       "</BODY>";

// Dispids the tests read the card through, beyond the simulator's own.
enum : DISPID {
    idGetVarData = 43,
    idGetZoomState = 33,
    idInsertPage = 16,
};

// The print-setting file dialog answered from a queue of names.
class CTestSimulatorDlg : public CVornSimulatorDlg
{
public:
    std::deque<CString> m_names;

protected:
    BOOL PromptPrintSetFile(CString& strPath) override
    {
        if (m_names.empty()) {
            return FALSE;
        }
        strPath = m_names.front();
        m_names.pop_front();
        return TRUE;
    }
};

COleDispatchDriver& Control(CTestDlg& d)
{
    COleControlWnd* pHost = COleControlWnd::FromHostHandle(d.Item(IDC_SIM_VORNCTL));
    static COleDispatchDriver none;
    return pHost != nullptr ? pHost->GetDispatchDriver() : none;
}

CString Var(CTestDlg& d, LPCSTR pszName, long nRow = 0)
{
    CString strValue;
    Control(d).InvokeHelper(idGetVarData, DISPATCH_METHOD, &strValue, CString(pszName), nRow, short(0));
    return strValue;
}

void Pump()
{
    MSG msg;
    for (int i = 0; i < 500 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

CString FileText(const CString& strPath)
{
    CString strText;
    CSimDataFile::ReadFileText(strPath, strText);
    return strText;
}

class VornSimulatorDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(S_OK, RegisterVornCtl());
        ASSERT_TRUE(FxEnableControlContainer());
        ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
        m_strTemplate = m_folder.PathOf("card.znt");
        m_strData = m_folder.PathOf("card.znw");
    }

    INT_PTR Run(CTestSimulatorDlg& dlg, TestDlgHandler fnHandler)
    {
        dlg.m_strZntFile = m_strTemplate;
        dlg.m_strDataFile = m_strData;
        m_ui.OnDialog(IDD_VORNSAMPLE_DIALOG, fnHandler);
        return dlg.DoModal();
    }

    CFxResourceSwitch m_resources{"VornSimulator.dll"};
    CTestUi m_ui;
    CTestTempFolder m_folder;
    CString m_strTemplate;
    CString m_strData;
};
} // namespace

TEST_F(VornSimulatorDlgTest, ShowsTheSampleCard)
{
    m_strTemplate = TestDataPath("..\\..\\..\\samples\\workdir\\Template\\ProcessCard.znt");
    CTestSimulatorDlg dlg;
    Run(dlg, [&](CTestDlg& d) {
        EXPECT_STREQ("VornSample", d.GetCaption());
        ASSERT_TRUE(dlg.GetCtl().IsBound());
        EXPECT_EQ(1, dlg.GetCtl().GetPageCount());
        EXPECT_STREQ("工序", dlg.GetCtl().GetMDNames());
        // One page: no paging either way.
        EXPECT_FALSE(d.IsEnabled(IDC_SIM_PREVPAGE));
        EXPECT_FALSE(d.IsEnabled(IDC_SIM_NEXTPAGE));
        // Nothing chosen in the script box: running does nothing.
        const CString strNames = dlg.GetCtl().GetScriptNames(1);
        d.Click(IDC_SIM_EXECSCRIPT);
        EXPECT_STREQ(strNames, dlg.GetCtl().GetScriptNames(1));
        EXPECT_TRUE(d.SavePicture("simulator-sample-card.png"));
        ::MoveWindow(d.GetHwnd(), 0, 0, 900, 640, TRUE);
        d.Click(IDC_SIM_VIEWALL);
        EXPECT_TRUE(d.SavePicture("simulator-sample-card-all.png"));
        d.Ok();
    });
}

TEST_F(VornSimulatorDlgTest, PageButtonsFollowThePage)
{
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    CTestSimulatorDlg dlg;
    Run(dlg, [&](CTestDlg& d) {
        CVornCtl& ctl = dlg.GetCtl();
        ASSERT_EQ(1, ctl.GetPageCount());
        EXPECT_EQ(0, d.GetComboCount(IDC_SIM_SCRIPTS)); // a template without scripts
        EXPECT_FALSE(d.IsEnabled(IDC_SIM_PREVPAGE));
        EXPECT_FALSE(d.IsEnabled(IDC_SIM_NEXTPAGE));
        // Two more pages, as a script of the card may add them; the buttons learn of them at
        // the next page change, which the command itself makes.
        for (short nPage : {short(2), short(3)}) {
            int bInserted = FALSE;
            Control(d).InvokeHelper(idInsertPage, DISPATCH_METHOD, &bInserted, nPage);
        }
        ASSERT_EQ(3, ctl.GetPageCount());
        ::SendMessage(d.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_SIM_NEXTPAGE, BN_CLICKED),
                      reinterpret_cast<LPARAM>(d.Item(IDC_SIM_NEXTPAGE)));
        const struct
        {
            const char* szName;
            int nClick; // 0: none
            long nPage;
            BOOL bPrev;
            BOOL bNext;
        } steps[] = {
            {"on the second page", 0, 2, TRUE, TRUE},
            {"next to the last page", IDC_SIM_NEXTPAGE, 3, TRUE, FALSE},
            {"back", IDC_SIM_PREVPAGE, 2, TRUE, TRUE},
            {"back to the first page", IDC_SIM_PREVPAGE, 1, FALSE, TRUE},
        };
        for (const auto& s : steps) {
            SCOPED_TRACE(s.szName);
            if (s.nClick != 0) {
                d.Click(s.nClick);
            }
            EXPECT_EQ(s.nPage, ctl.GetCurPage());
            EXPECT_EQ(s.bPrev, d.IsEnabled(IDC_SIM_PREVPAGE));
            EXPECT_EQ(s.bNext, d.IsEnabled(IDC_SIM_NEXTPAGE));
        }
        // The zoom-rectangle button switches the control's tool on and off.
        short nState = -1;
        d.Click(IDC_SIM_ZOOMRANGE);
        Control(d).InvokeHelper(idGetZoomState, DISPATCH_METHOD, &nState);
        EXPECT_EQ(3, nState);
        d.Click(IDC_SIM_ZOOMRANGE);
        Control(d).InvokeHelper(idGetZoomState, DISPATCH_METHOD, &nState);
        EXPECT_EQ(0, nState);
        d.Ok();
    });
}

TEST_F(VornSimulatorDlgTest, ScriptBoxListsTheScriptsAndRunsTheChosenOne)
{
    SimTestTemplate t = kTemplateAB;
    t.pszScripts = "s1;s2";
    t.pszScriptText = "Vorn.LoadScript 1, \"ran\", \"x = 1\"";
    WriteTestTemplate(m_strTemplate, t);
    CTestSimulatorDlg dlg;
    Run(dlg, [&](CTestDlg& d) {
        ASSERT_EQ(2, d.GetComboCount(IDC_SIM_SCRIPTS));
        EXPECT_STREQ("s1", d.GetComboText(IDC_SIM_SCRIPTS, 0));
        EXPECT_STREQ("s2", d.GetComboText(IDC_SIM_SCRIPTS, 1));
        d.Click(IDC_SIM_EXECSCRIPT);
        EXPECT_STREQ("s1;s2", dlg.GetCtl().GetScriptNames(1));
        d.SelectCombo(IDC_SIM_SCRIPTS, 1);
        d.Click(IDC_SIM_EXECSCRIPT);
        EXPECT_STREQ("s1;s2;ran", dlg.GetCtl().GetScriptNames(1));
        d.Ok();
    });
}

TEST_F(VornSimulatorDlgTest, PrintSettingsThatDoNotLoadSayLoadError)
{
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    const CString strJunk = m_folder.PathOf("junk.pst");
    ASSERT_TRUE(CSimDataFile::WriteFileText(strJunk, "no print settings"));
    CTestSimulatorDlg dlg;
    dlg.m_names = {strJunk, m_folder.PathOf("missing.pst")};
    Run(dlg, [&](CTestDlg& d) {
        for (int i = 0; i < 3; ++i) { // the third time the file dialog is cancelled
            d.Click(IDC_SIM_LOADPRINTSET);
        }
        d.Ok();
    });
    const std::vector<CString> boxes = m_ui.TakeBoxTexts();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_STREQ("Load Error!", boxes[0]);
    EXPECT_STREQ("Load Error!", boxes[1]);
}

// The control counts detail rows from 0.
TEST_F(VornSimulatorDlgTest, DataInputGoesToTheFileAndTheCard)
{
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    CTestSimulatorDlg dlg;
    m_ui.OnDialog(IDD_SIMDATA, [&](CTestDlg& d) {
        auto* pData = static_cast<CSimDataDlg*>(d.GetDialog());
        CGkGridWnd& head = pData->GetHeadGrid();
        ASSERT_EQ(2u, head.GetRowCount());
        EXPECT_STREQ("A", head.GetCellValue(1, 1));
        EXPECT_STREQ("B", head.GetCellValue(2, 1));
        CGkGridWnd& md = pData->GetMDGrid();
        ASSERT_EQ(2u, md.GetColCount());
        EXPECT_STREQ("X", md.GetCellValue(0, 1));
        EXPECT_STREQ("Y", md.GetCellValue(0, 2));
        head.SetCellValue(1, 2, "1");
        head.SetCellValue(2, 2, "2");
        d.Click(IDC_SIMDATA_ADD);
        md.SetCellValue(1, 1, "p");
        md.SetCellValue(1, 2, "q");
        d.Ok();
    });
    Run(dlg, [&](CTestDlg& d) {
        d.Click(IDC_SIM_DATAINPUT);
        EXPECT_STREQ("1", Var(d, "A"));
        EXPECT_STREQ("2", Var(d, "B"));
        EXPECT_STREQ("p", Var(d, "X", 0));
        EXPECT_STREQ("q", Var(d, "Y", 0));
        d.Ok();
    });
    EXPECT_STREQ(kGolden, FileText(m_strData));

    // Rerun: the values come from the file into the card and the grids.
    CTestSimulatorDlg again;
    m_ui.OnDialog(IDD_SIMDATA, [&](CTestDlg& d) {
        auto* pData = static_cast<CSimDataDlg*>(d.GetDialog());
        EXPECT_STREQ("1", pData->GetHeadGrid().GetCellValue(1, 2));
        EXPECT_STREQ("q", pData->GetMDGrid().GetCellValue(1, 2));
        d.Cancel();
    });
    Run(again, [&](CTestDlg& d) {
        EXPECT_STREQ("2", Var(d, "B"));
        EXPECT_STREQ("p", Var(d, "X", 0));
        d.Click(IDC_SIM_DATAINPUT);
        d.Ok();
    });
}

// The area holds four rows a page: six typed rows need a second page at once.
TEST_F(VornSimulatorDlgTest, RowsTypedInDataInputArePagedAtOnce)
{
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    CTestSimulatorDlg dlg;
    m_ui.OnDialog(IDD_SIMDATA, [&](CTestDlg& d) {
        CGkGridWnd& md = static_cast<CSimDataDlg*>(d.GetDialog())->GetMDGrid();
        for (int nRow = 1; nRow <= 6; ++nRow) {
            d.Click(IDC_SIMDATA_ADD);
            CString strValue;
            strValue.Format("r%d", nRow);
            md.SetCellValue(static_cast<UINT>(nRow), 1, strValue);
        }
        d.Ok();
    });
    Run(dlg, [&](CTestDlg& d) {
        CVornCtl& ctl = dlg.GetCtl();
        ASSERT_EQ(1, ctl.GetPageCount());
        d.Click(IDC_SIM_DATAINPUT);
        EXPECT_STREQ("r6", Var(d, "X", 5));
        EXPECT_EQ(2, ctl.GetPageCount());
        EXPECT_EQ(1, ctl.GetCurPage());
        EXPECT_FALSE(d.IsEnabled(IDC_SIM_PREVPAGE));
        EXPECT_TRUE(d.IsEnabled(IDC_SIM_NEXTPAGE));
        d.Click(IDC_SIM_NEXTPAGE);
        EXPECT_EQ(2, ctl.GetCurPage());
        EXPECT_TRUE(d.IsEnabled(IDC_SIM_PREVPAGE));
        EXPECT_FALSE(d.IsEnabled(IDC_SIM_NEXTPAGE));
        d.Ok();
    });
}

TEST_F(VornSimulatorDlgTest, DataInputListsTheTemplatesVariables)
{
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    CTestSimulatorDlg dlg;
    m_ui.OnDialog(IDD_SIMDATA, [&](CTestDlg& d) {
        auto* pData = static_cast<CSimDataDlg*>(d.GetDialog());
        EXPECT_STREQ(m_strData, pData->m_strDataFile);
        EXPECT_STREQ("A;B;", pData->m_strHeadVars);
        EXPECT_STREQ("M", pData->m_strMDName);
        EXPECT_STREQ("X;Y;", pData->m_strMDVars);
        pData->GetHeadGrid().SetCellValue(1, 2, "1");
        pData->GetHeadGrid().SetCellValue(2, 2, "2");
        d.Click(IDC_SIMDATA_ADD);
        pData->GetMDGrid().SetCellValue(1, 1, "p");
        pData->GetMDGrid().SetCellValue(1, 2, "q");
        d.Ok();
    });
    m_ui.OnDialog(IDD_SIMDATA, [&](CTestDlg& d) { d.Cancel(); });
    Run(dlg, [&](CTestDlg& d) {
        d.Click(IDC_SIM_DATAINPUT);
        EXPECT_STREQ(kGolden, FileText(m_strData));
        // Cancel leaves the file as it was.
        d.Click(IDC_SIM_DATAINPUT);
        d.Ok();
    });
    EXPECT_STREQ(kGolden, FileText(m_strData));
}

TEST_F(VornSimulatorDlgTest, EntryIsFoundByNameAndRestoresTheResourceModule)
{
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    HMODULE hSim = GetModuleHandleA("VornSimulator.dll");
    ASSERT_NE(nullptr, hSim);
    auto pfnSimulator = TestProcAddress<PFN_VORN_SIMULATOR>(hSim, "Simulator");
    ASSERT_NE(nullptr, pfnSimulator);

    // From the program's own resources, as the designer calls it: the entry finds its dialog in
    // its library and gives the program its resources back.
    const HINSTANCE hBefore = CFxResMgr::GetResourceHandle();
    const HINSTANCE hProgram = GetModuleHandleA(nullptr);
    CFxResMgr::SetResourceHandle(hProgram);
    m_ui.OnDialog(IDD_VORNSAMPLE_DIALOG, [&](CTestDlg& d) {
        EXPECT_STREQ("VornSample", d.GetCaption());
        auto* pDlg = static_cast<CVornSimulatorDlg*>(d.GetDialog());
        EXPECT_STREQ(m_strTemplate, pDlg->m_strZntFile);
        EXPECT_STREQ(m_strData, pDlg->m_strDataFile);
        EXPECT_STREQ("A;B;", pDlg->GetCtl().GetCardVars(0, ""));
        d.Cancel();
    });
    pfnSimulator(m_strTemplate, m_strData);
    EXPECT_EQ(1, m_ui.GetDialogsOpened());
    EXPECT_EQ(hProgram, CFxResMgr::GetResourceHandle());
    CFxResMgr::SetResourceHandle(hBefore);
}

TEST_F(VornSimulatorDlgTest, ControlsFollowTheDialogsSize)
{
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    CTestSimulatorDlg dlg;
    Run(dlg, [&](CTestDlg& d) {
        const struct
        {
            const char* szName;
            int nID;
            CRect rcDelta; // left, top, right, bottom moved by a resize of 40 by 30
        } cases[] = {
            {"control grows both ways", IDC_SIM_VORNCTL, CRect(0, 0, 40, 30)},
            {"tool frame grows wider", IDC_SIM_TOOLFRAME, CRect(0, 0, 40, 0)},
            {"bottom frame moves down and grows wider", IDC_SIM_BOTTOMFRAME, CRect(0, 30, 40, 30)},
            {"data input moves down", IDC_SIM_DATAINPUT, CRect(0, 30, 0, 30)},
            {"script box moves down", IDC_SIM_SCRIPTS, CRect(0, 30, 0, 30)},
            {"OK keeps to the corner", IDOK, CRect(40, 30, 40, 30)},
            {"print settings keep to the right", IDC_SIM_LOADPRINTSET, CRect(40, 0, 40, 0)},
            {"flat buttons stay", IDC_SIM_PRINT, CRect(0, 0, 0, 0)},
        };
        auto rectOf = [&](int nID) {
            CRect rc;
            ::GetWindowRect(d.Item(nID), &rc);
            ::MapWindowPoints(nullptr, d.GetHwnd(), reinterpret_cast<LPPOINT>(&rc), 2);
            return rc;
        };
        std::vector<CRect> before;
        for (const auto& c : cases) {
            before.push_back(rectOf(c.nID));
        }
        CRect rcWnd;
        ::GetWindowRect(d.GetHwnd(), &rcWnd);
        ::SetWindowPos(d.GetHwnd(), nullptr, 0, 0, rcWnd.Width() + 40, rcWnd.Height() + 30, SWP_NOMOVE | SWP_NOZORDER);
        for (size_t i = 0; i < std::size(cases); ++i) {
            SCOPED_TRACE(cases[i].szName);
            const CRect& b = before[i];
            const CRect& m = cases[i].rcDelta;
            EXPECT_EQ(CRect(b.left + m.left, b.top + m.top, b.right + m.right, b.bottom + m.bottom),
                      rectOf(cases[i].nID));
        }
        d.Ok();
    });
}

TEST_F(VornSimulatorDlgTest, ZoomButtonsScaleTheCard)
{
    m_strTemplate = TestDataPath("..\\..\\..\\samples\\workdir\\Template\\ProcessCard.znt");
    CTestSimulatorDlg dlg;
    Run(dlg, [&](CTestDlg& d) {
        COleControlWnd* pHost = COleControlWnd::FromHostHandle(d.Item(IDC_SIM_VORNCTL));
        ASSERT_NE(nullptr, pHost);
        const HWND hCtl = pHost->GetControlSite()->GetControlWindow();
        // The card's width in pixels at the control's zoom, from its horizontal scroll range.
        auto cardWidth = [&] {
            SCROLLINFO si = {sizeof(si), SIF_RANGE, 0, 0, 0, 0, 0};
            ::GetScrollInfo(hCtl, SB_HORZ, &si);
            return si.nMax - si.nMin;
        };
        const int cxStart = cardWidth();
        ASSERT_GT(cxStart, 0);
        // "放大" makes the picture larger, "缩小" smaller, each by a quarter.
        d.Click(IDC_SIM_ZOOMOUT);
        const int cxLarger = cardWidth();
        EXPECT_NEAR(cxStart * 1.25, cxLarger, cxStart * 0.05);
        d.Click(IDC_SIM_ZOOMIN);
        EXPECT_NEAR(cxStart, cardWidth(), cxStart * 0.05);
        d.Click(IDC_SIM_ZOOMIN);
        EXPECT_LT(cardWidth(), cxStart);
        d.Ok();
    });
}

namespace
{
// An entry of the report control's DLL, which the fixture has loaded to register it.
HRESULT CallVornCtl(LPCSTR pszEntry)
{
    typedef HRESULT(STDAPICALLTYPE * PFNENTRY)();
    HMODULE hCtl = GetModuleHandleA("VornCtl.dll");
    auto pfn = TestProcAddress<PFNENTRY>(hCtl, pszEntry);
    return pfn != nullptr ? pfn() : E_NOINTERFACE;
}

// The control's DLL beside the simulator's: the file the message tells the user to register.
CString VornCtlBesideSimulator()
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(GetModuleHandleA("VornSimulator.dll"), szPath, MAX_PATH);
    CString strPath(szPath);
    return strPath.Left(strPath.ReverseFind('\\') + 1) + "VornCtl.dll";
}
} // namespace

TEST_F(VornSimulatorDlgTest, AControlThatIsNotRegisteredIsToldWithTheDllToRegister)
{
    const CString strDll = VornCtlBesideSimulator();
    const CString strExpected =
        CString("数据模拟所用的报表控件没有注册，无法进行数据模拟。\n请注册控件后再试：regsvr32 \"") + strDll +
        "\"\n（在 Wine 中：wine regsvr32 \"" + strDll + "\"；scripts/run 编译后会自动注册。）";
    EXPECT_FALSE(CVornSimulatorDlg::CheckControl(nullptr, "{6B1D5F2A-0C1E-4F7B-9A3D-5E2C7B8A9D10}"));
    ASSERT_EQ(1u, m_ui.GetBoxes().size());
    EXPECT_STREQ(strExpected, m_ui.GetBoxes()[0].strText);
    EXPECT_STREQ("提示", m_ui.GetBoxes()[0].strCaption);
    // The registered control passes without a word.
    EXPECT_TRUE(CVornSimulatorDlg::CheckControl(nullptr));
    EXPECT_EQ(1u, m_ui.GetBoxes().size());

    // Through the entry the designer calls, with the control unregistered for this test only: the
    // message comes and no dialog opens.
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    struct RegisterAgain
    {
        ~RegisterAgain() { EXPECT_EQ(S_OK, CallVornCtl("DllRegisterServer")); }
    } again;
    ASSERT_EQ(S_OK, CallVornCtl("DllUnregisterServer"));
    auto pfnSimulator = TestProcAddress<PFN_VORN_SIMULATOR>(GetModuleHandleA("VornSimulator.dll"), "Simulator");
    ASSERT_NE(nullptr, pfnSimulator);
    pfnSimulator(m_strTemplate, m_strData);
    EXPECT_EQ(0, m_ui.GetDialogsOpened());
    ASSERT_EQ(2u, m_ui.GetBoxes().size());
    EXPECT_STREQ(strExpected, m_ui.GetBoxes()[1].strText);
}

// The sample process card is A4 landscape: its preview shows landscape pages, and its print
// comes out landscape, without the print settings being touched.
TEST_F(VornSimulatorDlgTest, LandscapeCardPreviewsAndPrintsLandscape)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CWinApp app("VornSimulatorTests");
    ASSERT_TRUE(SelectTestPrinter(&app));
    m_strTemplate = TestDataPath("..\\..\\..\\samples\\workdir\\Template\\ProcessCard.znt");
    const CString strPs = m_folder.PathOf("preview.ps");
    CTestSysDialogs sys;
    CTestSimulatorDlg dlg;
    Run(dlg, [&](CTestDlg& d) {
        d.Click(IDC_SIM_PREVIEW);
        // The preview's frame stands in as the main window while it is open.
        auto* pFrame = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
        ASSERT_NE(nullptr, pFrame);
        auto* pPreview = dynamic_cast<CPreviewView*>(pFrame->GetActiveView());
        ASSERT_NE(nullptr, pPreview);
        CDC* pPrinterDC = pPreview->GetPrinterDC();
        ASSERT_NE(nullptr, pPrinterDC);
        EXPECT_GT(pPrinterDC->GetDeviceCaps(HORZRES), pPrinterDC->GetDeviceCaps(VERTRES));
        ::ShowWindow(pFrame->GetSafeHwnd(), SW_RESTORE);
        ::MoveWindow(pFrame->GetSafeHwnd(), 0, 0, 900, 700, TRUE);
        Pump();
        EXPECT_TRUE(SaveWindowPicture(pFrame->GetSafeHwnd(), "simulator-preview-landscape.png"));
        // Its print button prints the card.
        sys.OnDialog(AnswerPrintToFile(strPs));
        pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_PRINT);
        pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_CLOSE);
        Pump();
        EXPECT_EQ(nullptr, app.m_pMainWnd);
        d.Ok();
    });
    EXPECT_EQ(1, sys.GetDialogsOpened());
    const std::string strText = ReadWholeFile(strPs);
    EXPECT_EQ(std::vector<std::string>{"Landscape"}, PostScriptPageOrientations(strText));
    const std::string strKept = TestImagePath("simulator-print-landscape.ps");
    ::CopyFileA(strPs, strKept.c_str(), FALSE);
}

// The print and print set-up buttons lead to the system's dialogs: cancelled, nothing happens;
// accepted, the card is printed, and the printer's settings are the application's.
TEST_F(VornSimulatorDlgTest, PrintAndPrintSetupButtonsAnswerTheSystemDialogs)
{
    CString strError;
    ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
    CWinApp app("VornSimulatorTests");
    ASSERT_TRUE(SelectTestPrinter(&app));
    WriteTestTemplate(m_strTemplate, kTemplateAB);
    const CString strPs = m_folder.PathOf("print.ps");
    CTestSysDialogs sys;
    CTestSimulatorDlg dlg;
    Run(dlg, [&](CTestDlg& d) {
        // Print, cancelled: the page range offered (its two boxes) is the card's.
        sys.OnDialog([](CTestSysDlg& p) {
            EXPECT_STREQ("1", p.GetText(edt1));
            EXPECT_STREQ("1", p.GetText(edt2));
            p.Cancel();
        });
        d.Click(IDC_SIM_PRINT);
        EXPECT_EQ(1, sys.GetDialogsOpened());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strPs));
        // Accepted: printed, to the file the port asks for.
        sys.OnDialog([](CTestSysDlg& p) { p.Ok(); });
        sys.OnDialog(AnswerPrintToFile(strPs));
        d.Click(IDC_SIM_PRINT);
        EXPECT_EQ(3, sys.GetDialogsOpened());
        EXPECT_EQ(std::vector<std::string>{"Portrait"}, PostScriptPageOrientations(ReadWholeFile(strPs)));

        // Print set-up, cancelled, then accepted with landscape chosen.
        sys.OnDialog([](CTestSysDlg& p) {
            EXPECT_FALSE(p.HasItem(edt2));
            p.Click(rad2);
            p.Cancel();
        });
        d.Click(IDC_SIM_PRINTSET);
        auto orientation = [&] { return DevModeOrientation(app.m_hDevMode); };
        EXPECT_EQ(DMORIENT_PORTRAIT, orientation());
        sys.OnDialog([](CTestSysDlg& p) {
            p.Click(rad2);
            p.Ok();
        });
        d.Click(IDC_SIM_PRINTSET);
        EXPECT_EQ(5, sys.GetDialogsOpened());
        EXPECT_EQ(DMORIENT_LANDSCAPE, orientation());
        d.Ok();
    });
}
