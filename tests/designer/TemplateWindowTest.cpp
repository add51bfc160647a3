// Templates in real designer windows: open, Save and Save As, the close question by save state,
// failed loads and saves reported without losing anything.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "designer/CappSheetDefChildFrame.h"
#include "designer/CappSheetDefView.h"
#include "designer/MainFrame.h"
#include "designer/TemplateFile.h"
#include "designer/VornDesignApp.h"
#include "designer/res/resource.h"
#include "framework/FwWorksheet.h"
#include "platform/base/FxRegKey.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{

// The designer on a work directory of its own, holding a copy of the bundled master template.
class CTemplateWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pWorkDir = std::make_unique<CDesignTestWorkDir>(m_folder.GetPath());
        m_strCard = m_pWorkDir->AddSample("ProcessCard.znt", "ProcessCard.znt");
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_nCmdShow = SW_SHOWNA;
        ASSERT_TRUE(m_app.InitInstance());
        m_pFrame = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pFrame);
        DesignPumpMessages();
    }
    void TearDown() override
    {
        CTemplateFile::SetPathPrompt(nullptr);
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            // Whatever a test left changed closes without a question.
            for (int i = m_pFrame->GetWorksheetCount() - 1; i >= 0; --i) {
                if (auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->GetWorksheet(i))) {
                    pChild->GetSheetDefView()->SetSaveState(CCappSheetDefView::saveStateSaved);
                }
            }
            m_pFrame->DestroyWindow();
        }
        m_app.m_pMainWnd = nullptr;
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        DesignPumpMessages();
    }
    CCappSheetDefView* Open(const CString& strPath)
    {
        m_pFrame->OpenTemplate(strPath);
        auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->MDIGetActive());
        return pChild != nullptr ? pChild->GetSheetDefView() : nullptr;
    }
    CString ErrorsPane() const
    {
        char sz[2048] = {};
        ::GetWindowTextA(m_pFrame->m_wndOutput.m_editErrors.m_hWnd, sz, sizeof sz);
        return sz;
    }
    // Sends WM_CLOSE to the view's window; TRUE when it went.
    BOOL Close(CCappSheetDefView* pView)
    {
        HWND hChild = pView->GetParentFrame()->m_hWnd;
        ::SendMessageA(hChild, WM_CLOSE, 0, 0);
        DesignPumpMessages();
        return !::IsWindow(hChild);
    }

    CTestTempFolder m_folder;
    std::unique_ptr<CDesignTestWorkDir> m_pWorkDir;
    CString m_strCard;
    CVornDesignApp m_app;
    CMainFrame* m_pFrame = nullptr;
};

CString g_strAnswer;
int g_nAsked = 0;

// The save dialog answered with g_strAnswer; an empty answer cancels.
BOOL AnswerPath(HWND, BOOL, CString& strPath)
{
    ++g_nAsked;
    if (g_strAnswer.IsEmpty()) {
        return FALSE;
    }
    strPath = g_strAnswer;
    return TRUE;
}

} // namespace

TEST_F(CTemplateWindowTest, SaveAsWritesTheNewFileShowsItInTheTreeAndLeavesTheOriginal)
{
    const std::string strBefore = DesignReadBytes(m_strCard);
    CCappSheetDefView* pView = Open(m_strCard);
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateSaved), pView->GetSaveState());
    const int nLines = static_cast<int>(pView->m_pSheet->m_HCellLineList.GetCount());
    pView->MarkChanged();
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateChanged), pView->GetSaveState());

    CTemplateFile::SetPathPrompt(&AnswerPath);
    g_nAsked = 0;
    g_strAnswer = m_pWorkDir->TemplatePath("Copy.znt");
    pView->SendMessage(WM_COMMAND, ID_TEMPLATE_SAVE_AS);
    EXPECT_EQ(1, g_nAsked);
    EXPECT_STREQ(g_strAnswer, pView->GetPath());
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateSaved), pView->GetSaveState());
    EXPECT_STREQ("Copy", pView->m_pSheet->m_strName);
    EXPECT_TRUE(strBefore == DesignReadBytes(m_strCard));

    // Read back as another process would: the same lines, cells and name.
    CCappSheet back;
    CString strError;
    ASSERT_TRUE(CTemplateFile::Load(g_strAnswer, back, strError)) << strError.GetString();
    EXPECT_STREQ("Copy", back.m_strName);
    EXPECT_EQ(nLines, static_cast<int>(back.m_HCellLineList.GetCount()));
    EXPECT_EQ(pView->m_pSheet->m_VCellLineList.GetCount(), back.m_VCellLineList.GetCount());
    EXPECT_EQ(pView->m_pSheet->m_HeadCellList.GetCount(), back.m_HeadCellList.GetCount());

    // Save with a path asks nothing; the framework's own save command (Ctrl+S) saves the sheet.
    pView->MarkChanged();
    pView->SendMessage(WM_COMMAND, ID_DESIGN_SAVE);
    EXPECT_EQ(1, g_nAsked);
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateSaved), pView->GetSaveState());
    pView->MarkChanged();
    pView->GetParentFrame()->SendMessage(WM_COMMAND, 0xE103);
    EXPECT_EQ(1, g_nAsked);
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateSaved), pView->GetSaveState());
    EXPECT_TRUE(strBefore == DesignReadBytes(m_strCard));

    // A new template (state 2) asks for its name, and the tree shows it after the save.
    ASSERT_TRUE(pView->LoadTemplate(m_strCard, TRUE));
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateNew), pView->GetSaveState());
    EXPECT_TRUE(pView->GetPath().IsEmpty());
    g_strAnswer = m_pWorkDir->TemplatePath("Fresh.znt");
    pView->SendMessage(WM_COMMAND, ID_DESIGN_SAVE);
    EXPECT_EQ(2, g_nAsked);
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateSaved), pView->GetSaveState());
    EXPECT_EQ((std::vector<std::string>{"Copy", "Fresh", "ProcessCard"}), DesignTreeNames(m_pFrame));
}

TEST_F(CTemplateWindowTest, CloseAsksByStateAndAnswersDecide)
{
    CTemplateFile::SetPathPrompt(&AnswerPath);
    const std::string strBefore = DesignReadBytes(m_strCard);
    enum Setup { blankNew, justOpened, edited };
    struct Case
    {
        const char* szName;
        Setup setup;
        int nAnswer; // 0: no question expected
        BOOL bCloses;
        BOOL bWritten;
        const char* szQuestion;
    };
    const Case cases[] = {
        {"blank new window asks", blankNew, IDNO, TRUE, FALSE, "当前表格已被修改，是否保存？"},
        {"just opened closes silently", justOpened, 0, TRUE, FALSE, nullptr},
        {"edited, Cancel keeps the window", edited, IDCANCEL, FALSE, FALSE, "表格 'ProcessCard' 已被修改，是否保存？"},
        {"edited, No discards", edited, IDNO, TRUE, FALSE, "表格 'ProcessCard' 已被修改，是否保存？"},
        {"edited, Yes writes", edited, IDYES, TRUE, TRUE, "表格 'ProcessCard' 已被修改，是否保存？"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappSheetDefView* pView = c.setup == blankNew ? m_pFrame->NewSheetDefWindow() : Open(m_strCard);
        ASSERT_NE(nullptr, pView);
        if (c.setup == edited) {
            // Something the file does not hold, so a write shows in its bytes.
            pView->m_pSheet->m_nPageWidth += 10;
            pView->MarkChanged();
        }
        CTestUi ui;
        if (c.nAnswer != 0) {
            ui.AnswerMessageBox(c.nAnswer);
        }
        g_nAsked = 0;
        g_strAnswer.Empty();
        EXPECT_EQ(c.bCloses, Close(pView));
        ASSERT_EQ(c.szQuestion != nullptr ? 1U : 0U, ui.GetBoxes().size());
        if (c.szQuestion != nullptr) {
            EXPECT_STREQ(c.szQuestion, ui.GetBoxes()[0].strText);
            EXPECT_STREQ("Vorn", ui.GetBoxes()[0].strCaption);
            EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONINFORMATION), ui.GetBoxes()[0].nType);
        }
        EXPECT_EQ(0, g_nAsked);
        EXPECT_EQ(c.bWritten, strBefore != DesignReadBytes(m_strCard));
        if (!c.bCloses) {
            pView->SetSaveState(CCappSheetDefView::saveStateSaved);
            EXPECT_TRUE(Close(pView));
        }
        m_pWorkDir->AddSample("ProcessCard.znt", "ProcessCard.znt");
    }

    // Yes on a new window whose save dialog is cancelled keeps the window.
    CCappSheetDefView* pView = m_pFrame->NewSheetDefWindow();
    ASSERT_NE(nullptr, pView);
    CTestUi ui;
    ui.AnswerMessageBox(IDYES);
    g_nAsked = 0;
    EXPECT_FALSE(Close(pView));
    EXPECT_EQ(1, g_nAsked);
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateNew), pView->GetSaveState());
}

TEST_F(CTemplateWindowTest, AFailedSaveIsReportedAndKeepsTheFileAndTheState)
{
    CCappSheetDefView* pView = Open(m_strCard);
    ASSERT_NE(nullptr, pView);
    pView->m_pSheet->m_nPageWidth += 10;
    pView->MarkChanged();
    const std::string strBefore = DesignReadBytes(m_strCard);
    ASSERT_TRUE(::SetFileAttributesA(m_strCard, FILE_ATTRIBUTE_READONLY));

    CTestUi ui;
    ui.AnswerMessageBox(IDOK);
    pView->SendMessage(WM_COMMAND, ID_DESIGN_SAVE);
    ::SetFileAttributesA(m_strCard, FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(strBefore == DesignReadBytes(m_strCard));
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateChanged), pView->GetSaveState());
    EXPECT_STREQ(m_strCard, pView->GetPath());
    ASSERT_EQ(1U, ui.GetBoxes().size());
    EXPECT_NE(-1, ui.GetBoxes()[0].strText.Find(m_strCard));
    EXPECT_STREQ(ui.GetBoxes()[0].strText + "\r\n", ErrorsPane());

    // Save As into a folder that is not there fails the same way and keeps the path.
    CTemplateFile::SetPathPrompt(&AnswerPath);
    g_strAnswer = m_pWorkDir->TemplatePath("Missing\\Copy.znt");
    ui.AnswerMessageBox(IDOK);
    pView->SendMessage(WM_COMMAND, ID_TEMPLATE_SAVE_AS);
    EXPECT_EQ(2U, ui.GetBoxes().size());
    EXPECT_STREQ(m_strCard, pView->GetPath());
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateChanged), pView->GetSaveState());
}

TEST_F(CTemplateWindowTest, AFailedLoadIsReportedAndLeavesTheWindowAsItWas)
{
    CCappSheetDefView* pView = Open(m_strCard);
    ASSERT_NE(nullptr, pView);
    pView->MarkChanged();
    const INT_PTR nLines = pView->m_pSheet->m_HCellLineList.GetCount();
    const std::string strWhole = DesignReadBytes(m_strCard);
    const CString strCut = m_pWorkDir->TemplatePath("Cut.znt");
    DesignWriteBytes(strCut, strWhole.substr(0, strWhole.size() / 2));

    struct Case
    {
        const char* szName;
        CString strPath;
    };
    const Case cases[] = {
        {"damaged", strCut},
        {"missing", m_pWorkDir->TemplatePath("Missing.znt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        ui.AnswerMessageBox(IDOK);
        EXPECT_FALSE(pView->LoadTemplate(c.strPath, FALSE));
        ASSERT_EQ(1U, ui.GetBoxes().size());
        EXPECT_NE(-1, ui.GetBoxes()[0].strText.Find(c.strPath));
        EXPECT_NE(-1, ErrorsPane().Find(c.strPath));
        EXPECT_STREQ(m_strCard, pView->GetPath());
        EXPECT_EQ(nLines, pView->m_pSheet->m_HCellLineList.GetCount());
        EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateChanged), pView->GetSaveState());
    }

    // Through the open routine a window is made for the file and stays, empty.
    CTestUi ui;
    ui.AnswerMessageBox(IDOK);
    const int nBefore = m_pFrame->GetWorksheetCount();
    EXPECT_EQ(0, m_pFrame->OpenTemplate(strCut));
    EXPECT_EQ(nBefore + 1, m_pFrame->GetWorksheetCount());
    EXPECT_EQ(1U, ui.GetBoxes().size());
}
