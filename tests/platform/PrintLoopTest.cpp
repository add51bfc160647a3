// The print loop of a view on Wine's PostScript printer printing to a file: the order of the
// printing hooks, the pages and ranges printed, Cancel from the status dialog, and a device that
// refuses the document.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/frame/FrameIds.h"
#include "platform/print/FxResource.h"
#include "platform/print/PrintInfo.h"
#include "platform/res/resource.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/platform/PrintTestView.h"
#include "tests/support/PngFile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
// The %%Title line the PostScript driver writes: plain ASCII, or a string with GBK bytes as octal
// escapes.
std::string PsTitle(const std::string& strTitle)
{
    bool bAscii = true;
    for (const char ch : strTitle) {
        bAscii = bAscii && static_cast<unsigned char>(ch) < 0x80;
    }
    if (bAscii) {
        return "%%Title: " + strTitle + "\n";
    }
    std::string strLine = "%%Title: (";
    for (const char ch : strTitle) {
        if (static_cast<unsigned char>(ch) < 0x80) {
            strLine += ch;
            continue;
        }
        char szOctal[8] = {};
        snprintf(szOctal, sizeof(szOctal), "\\%03o", static_cast<unsigned char>(ch));
        strLine += szOctal;
    }
    return strLine + ")";
}

// "%%Page: " lines of a PostScript file.
int CountPages(const std::string& strPs)
{
    int nPages = 0;
    for (size_t nAt = strPs.find("%%Page: "); nAt != std::string::npos; nAt = strPs.find("%%Page: ", nAt + 1)) {
        ++nPages;
    }
    return nPages;
}

class PrintLoopTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CString strError;
        ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
        ASSERT_TRUE(m_app.Start("打印测试文档"));
        ASSERT_TRUE(SelectTestPrinter(&m_app));
        m_pView = m_app.m_pView;
        m_pView->m_strOutput = m_temp.PathOf("out.ps");
    }

    // As the menu sends it: to the frame, which routes it to the active view.
    void Command(UINT nID) { m_app.m_pFrame->SendMessage(WM_COMMAND, nID, 0); }

    CTestTempFolder m_temp;
    CPrintTestApp m_app;
    CPagesView* m_pView = nullptr;
};

TEST_F(PrintLoopTest, DirectPrintRunsTheHooksInOrderAndSpoolsEveryPage)
{
    CTestUi ui;
    Command(ID_FILE_PRINT_DIRECT);

    EXPECT_TRUE(m_pView->m_bDirect);
    EXPECT_EQ("prepare;begin;dc1;print1;dc2;print2;dc3;print3;end;", m_pView->m_strLog);
    EXPECT_TRUE(ui.GetBoxes().empty());
    // The drawing rectangle is the printable page in the view's logical units.
    ASSERT_EQ(3u, m_pView->m_rectsDraw.size());
    for (UINT i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const CRect& rc = m_pView->m_rectsDraw[i];
        EXPECT_EQ(-static_cast<int>(i + 1) * CPagesView::kOrgStep, rc.left);
        EXPECT_NEAR(CPagesView::kPageWidth, rc.Width(), 1);
        EXPECT_NEAR(CPagesView::kPageHeight, rc.Height(), 1);
    }
    const std::string strPs = ReadWholeFile(m_pView->m_strOutput);
    ASSERT_FALSE(strPs.empty());
    EXPECT_EQ(0u, strPs.find("%!PS-Adobe"));
    EXPECT_EQ(3, CountPages(strPs));
    // The document is named after the frame.
    EXPECT_NE(std::string::npos, strPs.find(PsTitle("打印测试文档"))) << strPs.substr(0, 400);
    // The main window was disabled only while printing.
    EXPECT_TRUE(m_app.m_pFrame->IsWindowEnabled());

    // Kept to look at: the PostScript and, when ghostscript can run here, its pages.
    const std::string strKept = TestImagePath("print-3pages.ps");
    ::CopyFileA(m_pView->m_strOutput, strKept.c_str(), FALSE);
    RenderPostScript(strKept.c_str(), TestImagePath("print-3pages-%d.png").c_str());
}

TEST_F(PrintLoopTest, PagesPrintedFollowTheRangeAndTheViewsLength)
{
    struct Case
    {
        const char* szName;
        UINT nMaxPage;
        UINT nFrom;
        UINT nTo;
        UINT nStopAfter;
        const char* szLog;
    };
    CTestUi ui;
    const Case cases[] = {
        {"whole document", 3, 0, 0, 0, "prepare;begin;dc1;print1;dc2;print2;dc3;print3;end;"},
        {"range 2 to 3", 3, 2, 3, 0, "prepare;begin;dc2;print2;dc3;print3;end;"},
        {"one page range", 3, 3, 3, 0, "prepare;begin;dc3;print3;end;"},
        {"unknown length prints one page", 0xFFFF, 0, 0, 0, "prepare;begin;dc1;print1;dc2;end;"},
        {"the view stops after page 2", 0xFFFF, 0, 0, 2, "prepare;begin;dc1;print1;dc2;print2;dc3;end;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->m_strLog.clear();
        m_pView->m_nMaxPage = c.nMaxPage;
        m_pView->m_nFromPage = c.nFrom;
        m_pView->m_nToPage = c.nTo;
        m_pView->m_nStopAfter = c.nStopAfter;
        Command(ID_FILE_PRINT_DIRECT);
        EXPECT_EQ(c.szLog, m_pView->m_strLog);
    }
}

TEST_F(PrintLoopTest, TheDocumentNameIsTheFramesTitleCutTo31BytesBetweenCharacters)
{
    struct Case
    {
        const char* szName;
        const char* szTitle;
        const char* szDocName;
    };
    const Case cases[] = {
        {"short title kept", "卡片", "卡片"},
        {"31 ASCII bytes kept", "abcdefghijklmnopqrstuvwxyz01234", "abcdefghijklmnopqrstuvwxyz01234"},
        {"32 ASCII bytes cut", "abcdefghijklmnopqrstuvwxyz012345", "abcdefghijklmnopqrstuvwxyz01234"},
        // 16 characters are 32 bytes: the 16th would straddle the limit and goes whole.
        {"GBK cut before a character", "一二三四五六七八九十一二三四五六", "一二三四五六七八九十一二三四五"},
        {"a character ending at byte 31 stays", "a一二三四五六七八九十一二三四五六", "a一二三四五六七八九十一二三四五"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_app.m_pFrame->SetWindowText(c.szTitle);
        Command(ID_FILE_PRINT_DIRECT);
        const std::string strPs = ReadWholeFile(m_pView->m_strOutput);
        EXPECT_NE(std::string::npos, strPs.find(PsTitle(c.szDocName))) << strPs.substr(0, 200);
    }
}

TEST_F(PrintLoopTest, CancelInTheStatusDialogAbortsAfterThePageInHand)
{
    CTestUi ui;
    HWND hWndStatus = nullptr;
    ui.OnDialog(IDD_FX_PRINTING, [&](CTestDlg& dlg) {
        hWndStatus = dlg.GetHwnd();
        EXPECT_EQ("打印测试文档", dlg.GetText(IDC_FX_PRINT_DOCNAME));
        EXPECT_EQ(FX_TEST_PRINTER, dlg.GetText(IDC_FX_PRINT_PRINTERNAME));
        m_pView->m_hWndCancel = hWndStatus;
    });
    m_pView->m_nCancelOnPage = 2;
    Command(ID_FILE_PRINT_DIRECT);

    EXPECT_EQ("prepare;begin;dc1;print1;dc2;print2;end;", m_pView->m_strLog);
    // A cancel is the user's own doing: no message.
    EXPECT_TRUE(ui.GetBoxes().empty());
    EXPECT_FALSE(::IsWindow(hWndStatus));
    EXPECT_TRUE(m_app.m_pFrame->IsWindowEnabled());
    // The aborted job leaves no finished document behind.
    EXPECT_EQ(std::string::npos, ReadWholeFile(m_pView->m_strOutput).find("%%EOF"));
}

TEST_F(PrintLoopTest, ADeviceThatRefusesTheDocumentIsReportedAndTheViewCleansUp)
{
    CTestUi ui;
    m_pView->m_bBreakPrinter = TRUE;
    Command(ID_FILE_PRINT_DIRECT);

    // No page was started, and the view still heard the end of printing.
    EXPECT_EQ("prepare;begin;end;", m_pView->m_strLog);
    const CString strExpected = FxLoadFxString(FX_IDS_PRINT_FAILED);
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_EQ(strExpected, ui.GetBoxes()[0].strText);
    EXPECT_TRUE(m_app.m_pFrame->IsWindowEnabled());
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, "打印"));
}
} // namespace
