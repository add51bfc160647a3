// Documents through their template and frame: open, modify, save on close, reopen.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/File.h"
#include "platform/base/FxSafeSave.h"
#include "platform/doc/SingleDocTemplate.h"
#include "tests/platform/TestFrames.h"
#include "tests/platform/res/fxtest_resource.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UiDriver.h"

namespace
{
class DocumentTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.InitInstance());
        m_strPath = m_temp.PathOf("grid.dat");
        CGridDoc doc;
        doc.m_bAutoDelete = FALSE;
        doc.m_strText = "网格";
        doc.m_nRows = 3;
        ASSERT_TRUE(doc.OnSaveDocument(m_strPath));
    }
    void TearDown() override { m_app.Shutdown(); }

    CGridDoc* Open() { return static_cast<CGridDoc*>(m_app.m_pGridTemplate->OpenDocumentFile(m_strPath)); }
    static CFrameWnd* FrameOf(CDocument* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return pos != nullptr ? pDoc->GetNextView(pos)->GetParentFrame() : nullptr;
    }

    CTestTempFolder m_temp;
    CString m_strPath;
    CTestApp m_app;
};

TEST_F(DocumentTest, ClosingAModifiedDocumentAsksAndSavesOnlyOnYes)
{
    struct Case
    {
        const char* szName;
        int nAnswer;
        BOOL bFrameStays;
        int nRowsAfter;
    };
    const Case cases[] = {
        {"cancel keeps the frame and the file", IDCANCEL, TRUE, 3},
        {"no closes without saving", IDNO, FALSE, 3},
        {"yes saves, then closes", IDYES, FALSE, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CGridDoc* pDoc = Open();
        ASSERT_NE(nullptr, pDoc);
        EXPECT_EQ(CString("网格"), pDoc->m_strText);
        EXPECT_EQ(3, pDoc->m_nRows);
        EXPECT_FALSE(pDoc->IsModified());
        EXPECT_EQ(CString("grid.dat"), pDoc->GetTitle());

        pDoc->m_nRows = 7;
        pDoc->SetModifiedFlag();
        pDoc->UpdateAllViews(nullptr);
        CFrameWnd* pFrame = FrameOf(pDoc);
        ASSERT_NE(nullptr, pFrame);
        HWND hFrame = pFrame->m_hWnd;
        ui.AnswerMessageBox(c.nAnswer);
        pFrame->SendMessage(WM_CLOSE);
        PumpTestMessages();
        std::vector<CString> boxes = ui.TakeBoxTexts();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_NE(-1, boxes[0].Find("grid.dat"));
        EXPECT_EQ(c.bFrameStays, ::IsWindow(hFrame));
        if (c.bFrameStays) {
            // Closed unasked once the changes are dropped.
            pDoc->SetModifiedFlag(FALSE);
            pFrame->SendMessage(WM_CLOSE);
            PumpTestMessages();
            EXPECT_FALSE(::IsWindow(hFrame));
        }

        CGridDoc* pAgain = Open();
        ASSERT_NE(nullptr, pAgain);
        EXPECT_EQ(c.nRowsAfter, pAgain->m_nRows);
        // Restore the file for the next row.
        pAgain->m_nRows = 3;
        ASSERT_TRUE(pAgain->DoFileSave());
        pAgain->OnCloseDocument();
        EXPECT_TRUE(ui.TakeBoxTexts().empty());
    }
}

TEST_F(DocumentTest, ASingleDocumentTemplateReusesItsDocumentAndFrameAfterThePrompt)
{
    CSingleDocTemplate sdi(IDR_FXTEST_MAIN, FX_RUNTIME_CLASS(CGridDoc), FX_RUNTIME_CLASS(CFrameWnd),
                           FX_RUNTIME_CLASS(CGridView));
    CGridDoc* pDoc = static_cast<CGridDoc*>(sdi.OpenDocumentFile(nullptr, FALSE));
    ASSERT_NE(nullptr, pDoc);
    CFrameWnd* pFrame = FrameOf(pDoc);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(0u, pFrame->GetStyle() & WS_CHILD);
    EXPECT_NE(nullptr, pFrame->GetActiveView());
    EXPECT_EQ(pDoc, pFrame->GetActiveDocument());
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_EQ(CString("无标题 - 框架测试"), strTitle);

    pDoc->m_nRows = 11;
    pDoc->SetModifiedFlag();
    CTestUi ui;
    ui.AnswerMessageBox(IDNO);
    EXPECT_EQ(pDoc, sdi.OpenDocumentFile(m_strPath, FALSE));
    EXPECT_EQ(1u, ui.TakeBoxTexts().size());
    EXPECT_EQ(pFrame, FrameOf(pDoc));
    EXPECT_EQ(3, pDoc->m_nRows);
    EXPECT_EQ(CString("grid.dat"), pDoc->GetTitle());
    pFrame->GetWindowText(strTitle);
    EXPECT_EQ(CString("grid.dat - 框架测试"), strTitle);
    // Cancel keeps what is open.
    pDoc->SetModifiedFlag();
    ui.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(nullptr, sdi.OpenDocumentFile(nullptr, FALSE));
    EXPECT_EQ(1u, ui.TakeBoxTexts().size());
    EXPECT_EQ(CString("grid.dat"), pDoc->GetTitle());
    pDoc->SetModifiedFlag(FALSE);
}

TEST_F(DocumentTest, AFileThatDoesNotLoadLeavesNoDocumentOrFrame)
{
    {
        CFile file(m_strPath, CFile::modeCreate | CFile::modeWrite);
        const BYTE truncated[] = {0x05, 'a'};
        file.Write(truncated, sizeof(truncated));
    }
    CTestUi ui;
    EXPECT_EQ(nullptr, Open());
    EXPECT_EQ(1u, ui.TakeBoxTexts().size());
    EXPECT_EQ(nullptr, m_app.m_pGridTemplate->GetFirstDocPosition());
    EXPECT_EQ(nullptr, m_app.m_pMainFrame->MDIGetActive());
}

TEST_F(DocumentTest, AFailedSaveIsReportedAndLeavesNoTemporaryFile)
{
    CGridDoc* pDoc = Open();
    ASSERT_NE(nullptr, pDoc);
    pDoc->m_nRows = 9;
    CTestUi ui;
    // A folder where the file should be: the temporary file cannot replace it.
    const CString strFolder = m_temp.PathOf("sub");
    ASSERT_TRUE(CreateDirectoryA(strFolder, nullptr));
    EXPECT_FALSE(pDoc->OnSaveDocument(strFolder));
    EXPECT_EQ(1u, ui.TakeBoxTexts().size());
    for (const std::string& name : TestFolderNames(m_temp.GetPath())) {
        EXPECT_FALSE(CFxSafeSave::IsTempOf("sub", name.c_str())) << name;
    }
    pDoc->SetModifiedFlag(FALSE);
    pDoc->OnCloseDocument();
}
} // namespace
