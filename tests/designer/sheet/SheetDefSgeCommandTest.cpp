// The sheet-definition view's figure-text command in the running designer: the editor gets the
// sheet's text, OK stores what was typed and rebuilds the figures (a refused line is reported with
// the card library's words), Cancel changes nothing, and the view draws the figures on both of its
// drawing paths.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/CardCommFun.h"
#include "core/CappSheet.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "platform/gdi/ClientDC.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
// Types the lines into the editor as keys, each line after a new line but the first.
void TypeLines(HWND hEdit, const std::vector<const char*>& lines)
{
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, WM_CHAR, VK_BACK, 1);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            ::SendMessageA(hEdit, WM_KEYDOWN, VK_RETURN, 1);
        }
        for (const char* p = lines[i]; *p != '\0'; ++p) {
            ::SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(*p), 1);
        }
    }
}

void FreeFigures(CObList& list)
{
    while (!list.IsEmpty()) {
        delete list.RemoveHead();
    }
}

std::unique_ptr<CTestDib> CaptureClient(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    auto pDib = std::make_unique<CTestDib>(rc.right, rc.bottom);
    CClientDC dc(hWnd);
    pDib->DC().BitBlt(0, 0, rc.right, rc.bottom, &dc, 0, 0, SRCCOPY);
    return pDib;
}

// The designer on a work directory of its own, with a copy of the bundled process card open.
class CSheetDefSgeCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pWorkDir = std::make_unique<CDesignTestWorkDir>(m_folder.GetPath());
        const CString strCard = m_pWorkDir->AddSample("ProcessCard.znt", "ProcessCard.znt");
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_nCmdShow = SW_SHOWNA;
        ASSERT_TRUE(DesignStartApp(m_app));
        m_pFrame = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pFrame);
        m_pFrame->MoveWindow(0, 0, 900, 640);
        m_pFrame->OpenTemplate(strCard);
        PumpTestMessages();
        auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->MDIGetActive());
        ASSERT_NE(nullptr, pChild);
        m_pView = pChild->GetSheetDefView();
        ASSERT_NE(nullptr, m_pView);
        ASSERT_TRUE(m_pView->IsTemplateLoaded());
        m_pSheet = m_pView->m_pSheet;
        ASSERT_EQ(CCappSheetDefView::saveStateSaved, m_pView->GetSaveState());
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            for (int i = m_pFrame->GetWorksheetCount() - 1; i >= 0; --i) {
                if (auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->GetWorksheet(i))) {
                    pChild->GetSheetDefView()->SetSaveState(CCappSheetDefView::saveStateSaved);
                }
            }
            m_pFrame->DestroyWindow();
        }
        m_app.m_pMainWnd = nullptr;
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        PumpTestMessages();
    }
    void Idle()
    {
        PumpTestMessages();
        m_app.OnIdle(0);
        m_pFrame->RecalcLayout();
        m_pFrame->UpdateWindow();
    }
    // Runs the command with the editor answered: the lines typed, then OK or Cancel. The text the
    // editor was opened with goes to *pstrShown.
    void RunCommand(CTestUi& ui, const std::vector<const char*>& lines, BOOL bOk, CString* pstrShown = nullptr)
    {
        ui.OnDialog(IDD_SGE_INPUT, [&](CTestDlg& d) {
            HWND hEdit = d.Item(IDC_SGE_EDIT);
            if (pstrShown != nullptr) {
                char sz[1024] = {};
                ::GetWindowTextA(hEdit, sz, sizeof sz);
                *pstrShown = sz;
            }
            TypeLines(hEdit, lines);
            if (bOk) {
                d.Ok();
            } else {
                d.Cancel();
            }
        });
        m_pView->SendMessage(WM_COMMAND, ID_SHEET_SGE, 0);
        Idle();
    }
    CPoint ClientOf(CPoint ptSheet)
    {
        CClientDC dc(m_pView->m_hWnd);
        m_pView->OnPrepareDC(&dc, nullptr);
        dc.LPtoDP(&ptSheet, 1);
        return ptSheet;
    }

    CTestTempFolder m_folder;
    std::unique_ptr<CDesignTestWorkDir> m_pWorkDir;
    CVornDesignApp m_app;
    CMainFrame* m_pFrame = nullptr;
    CCappSheetDefView* m_pView = nullptr;
    CCappSheet* m_pSheet = nullptr;
};
} // namespace

// OK stores the typed text (keywords in the list's spelling) and rebuilds the figures; a refused
// line keeps the text and the figures before it and shows the library's reason; Cancel and an
// untouched template stay as they were.
TEST_F(CSheetDefSgeCommandTest, OkStoresTheTextAndRebuildsTheFiguresCancelChangesNothing)
{
    struct CommandCase
    {
        const char* szName;
        std::vector<const char*> lines;
        BOOL bOk;
        const char* szStored;
        int nFigures;
        BOOL bReported;
    };
    const CommandCase cases[] = {
        {"one line", {"line 0,0,100,100"}, TRUE, "Line 0,0,100,100", 1, FALSE},
        {"a comment and two figures",
         {"' outline", "circle 50,50,40,B", "rectangle 10,10,80,80,B"},
         TRUE,
         "' outline\r\nCircle 50,50,40,B\r\nRectangle 10,10,80,80,B",
         2,
         FALSE},
        {"the second figure refused",
         {"Circle 5,5,2", "Polygon 0,0,1,1"},
         TRUE,
         "Circle 5,5,2\r\nPolygon 0,0,1,1",
         1,
         TRUE},
        {"a wrong line alone", {"Line 0,0,100"}, TRUE, "Line 0,0,100", 0, TRUE},
        {"cancelled", {"Line 1,1,2,2"}, FALSE, "Ellipse 0,0,30,20", 1, FALSE},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.szName);
        // Every case starts from a saved template holding one figure.
        m_pSheet->m_strSGE = "Ellipse 0,0,30,20";
        CString strError;
        ASSERT_EQ(1, CCardCommFun::SGESetList(m_pSheet->m_strSGE, m_pSheet->m_listSGE, strError, 1));
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);

        CTestUi ui;
        CString strShown;
        RunCommand(ui, c.lines, c.bOk, &strShown);
        EXPECT_EQ(1, ui.GetDialogsOpened());
        EXPECT_EQ("Ellipse 0,0,30,20", strShown) << "the editor starts from the sheet's text";
        EXPECT_STREQ(c.szStored, m_pSheet->m_strSGE);
        EXPECT_EQ(c.nFigures, m_pSheet->m_listSGE.GetCount());
        EXPECT_EQ(c.bOk ? CCappSheetDefView::saveStateChanged : CCappSheetDefView::saveStateSaved,
                  m_pView->GetSaveState());
        const std::vector<CTestUi::Box> boxes = ui.GetBoxes();
        ASSERT_EQ(c.bReported ? 1u : 0u, boxes.size());
        if (c.bReported) {
            CObList scratch;
            CString strLibrary;
            EXPECT_EQ(0, CCardCommFun::SGESetList(c.szStored, scratch, strLibrary, 1));
            FreeFigures(scratch);
            EXPECT_FALSE(strLibrary.IsEmpty());
            EXPECT_EQ(strLibrary, boxes[0].strText) << "the library's own words";
            EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes[0].nType & MB_ICONMASK);
        }
    }
}

// A new template stays new after the command: it still has no file.
TEST_F(CSheetDefSgeCommandTest, ANewTemplateStaysNew)
{
    m_pView->SetSaveState(CCappSheetDefView::saveStateNew);
    CTestUi ui;
    RunCommand(ui, {"Line 0,0,10,10"}, TRUE);
    EXPECT_EQ(CCappSheetDefView::saveStateNew, m_pView->GetSaveState());
    EXPECT_STREQ("Line 0,0,10,10", m_pSheet->m_strSGE);
}

// The typed line shows on the view along its own path, drawn straight into the window and
// through the off-screen bitmap alike; nothing else on the view changes.
TEST_F(CSheetDefSgeCommandTest, TheViewDrawsTheTypedLine)
{
    struct PathCase
    {
        const char* szName;
        BOOL bFreeObjOn;
        const char* szPicture;
    };
    const PathCase cases[] = {
        {"straight into the window", FALSE, "sheetdef-sge-line.png"},
        {"off-screen", TRUE, "sheetdef-sge-line-offscreen.png"},
    };
    m_pView->SendMessage(WM_COMMAND, ID_SHEET_ZOOM_100, 0);
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (m_pView->IsFreeObjectOn() != c.bFreeObjOn) {
            m_pView->SendMessage(WM_COMMAND, ID_SHEET_FREE_SWITCH, 0);
        }
        m_pSheet->m_strSGE.Empty();
        m_pSheet->DetachList("m_listSGE");
        Idle();
        const std::unique_ptr<CTestDib> pBefore = CaptureClient(m_pView->m_hWnd);

        CTestUi ui;
        RunCommand(ui, {"line 0,0,100,100"}, TRUE);
        ASSERT_EQ(1, m_pSheet->m_listSGE.GetCount());
        const std::unique_ptr<CTestDib> pAfter = CaptureClient(m_pView->m_hWnd);
        SavePng(TestImagePath(c.szPicture).c_str(), pAfter->Bits(), pAfter->Width(), pAfter->Height());

        const CPoint ptFrom = ClientOf(CPoint(0, 0));
        const CPoint ptTo = ClientOf(CPoint(100, 100));
        ASSERT_GT(ptTo.x - ptFrom.x, 10) << "the line is long enough to see";
        int nOnLine = 0;
        int nElsewhere = 0;
        for (int y = 0; y < pAfter->Height(); ++y) {
            for (int x = 0; x < pAfter->Width(); ++x) {
                if (pAfter->Pixel(x, y) == pBefore->Pixel(x, y)) {
                    continue;
                }
                // Distance from the diagonal from ptFrom to ptTo, within its box.
                const BOOL bInBox = x >= ptFrom.x - 2 && x <= ptTo.x + 2 && y >= ptFrom.y - 2 && y <= ptTo.y + 2;
                const int nOff = std::abs((x - ptFrom.x) * (ptTo.y - ptFrom.y) - (y - ptFrom.y) * (ptTo.x - ptFrom.x)) /
                                 std::max<LONG>(1, ptTo.x - ptFrom.x);
                (bInBox && nOff <= 2 ? nOnLine : nElsewhere) += 1;
            }
        }
        EXPECT_GE(nOnLine, (ptTo.x - ptFrom.x) * 3 / 4) << "the line is drawn along its length";
        EXPECT_EQ(0, nElsewhere);
    }
}
