// Templates in real designer windows: open, Save and Save As, the close question by save state,
// failed loads and saves reported without losing anything.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/template/NewTemplateDlg.h"
#include "designer/template/TemplateFile.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "framework/FwWorksheet.h"
#include "platform/base/FxRegKey.h"
#include "platform/frame/FrameIds.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/SheetTimer.h"
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
        ASSERT_TRUE(DesignStartApp(m_app));
        m_pFrame = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pFrame);
        PumpTestMessages();
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
        PumpTestMessages();
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
        PumpTestMessages();
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
    pView->GetParentFrame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);
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
    enum Setup { blankNew, blankNewEdited, justOpened, edited };
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
        {"untouched new window closes silently", blankNew, 0, TRUE, FALSE, nullptr},
        {"changed new window asks", blankNewEdited, IDNO, TRUE, FALSE, "当前表格已被修改，是否保存？"},
        {"just opened closes silently", justOpened, 0, TRUE, FALSE, nullptr},
        {"edited, Cancel keeps the window", edited, IDCANCEL, FALSE, FALSE, "表格 'ProcessCard' 已被修改，是否保存？"},
        {"edited, No discards", edited, IDNO, TRUE, FALSE, "表格 'ProcessCard' 已被修改，是否保存？"},
        {"edited, Yes writes", edited, IDYES, TRUE, TRUE, "表格 'ProcessCard' 已被修改，是否保存？"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const BOOL bNew = c.setup == blankNew || c.setup == blankNewEdited;
        CCappSheetDefView* pView = bNew ? m_pFrame->NewSheetDefWindow() : Open(m_strCard);
        ASSERT_NE(nullptr, pView);
        if (c.setup == blankNewEdited) {
            pView->MarkChanged();
        }
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

    // Yes on a changed new window whose save dialog is cancelled keeps the window.
    CCappSheetDefView* pView = m_pFrame->NewSheetDefWindow();
    ASSERT_NE(nullptr, pView);
    pView->MarkChanged();
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

namespace
{

// A modal property sheet cannot be answered by the dialog hook: a timer finds it once its modal
// loop runs, lets the test edit its current page, then presses a button.
std::unique_ptr<CTestSheetTimer> g_pSheetTimer;

void AnswerSheetLater(const char* pszCaption, int nButton, std::function<void(HWND)> fnPage)
{
    g_pSheetTimer.reset();
    g_pSheetTimer = std::make_unique<CTestSheetTimer>(
        pszCaption,
        [nButton, fnPage](HWND hSheet) {
            if (fnPage) {
                fnPage(reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)));
            }
            ::SendMessageA(hSheet, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
        },
        50);
}

int SheetsAnswered()
{
    return g_pSheetTimer != nullptr ? g_pSheetTimer->GetAnswered() : 0;
}

} // namespace

TEST_F(CTemplateWindowTest, NewMakesABlankSheetOrANewCopyOfATemplate)
{
    CTemplateFile::SetPathPrompt(&AnswerPath);
    struct Case
    {
        const char* szName;
        const char* szItem;
        int nSheetButton; // -1: no page setup sheet
        BOOL bWindow;
        int nPageWidth;
        BOOL bLines;
    };
    const Case cases[] = {
        {"blank template sized A3 landscape", "空模板", PSBTN_OK, TRUE, 4200, FALSE},
        {"blank template cancelled closes its window", "空模板", PSBTN_CANCEL, FALSE, 0, FALSE},
        {"copy of a template", "ProcessCard", -1, TRUE, 0, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const int nBefore = m_pFrame->GetWorksheetCount();
        CTestUi ui;
        ui.OnDialog(IDD_NEW_TEMPLATE, [&](CTestDlg& d) {
            auto* pDlg = static_cast<CNewTemplateDlg*>(d.GetDialog());
            CListCtrl* pList = pDlg->GetList(0);
            for (int i = 0; i < pList->GetItemCount(); ++i) {
                if (pList->GetItemText(i, 0) == c.szItem) {
                    pList->SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
                }
            }
            d.Ok();
        });
        if (c.nSheetButton >= 0) {
            AnswerSheetLater("新表格", c.nSheetButton, [](HWND hPage) {
                ::SendMessageA(::GetDlgItem(hPage, IDC_SHEET_LANDSCAPE), BM_CLICK, 0, 0);
                HWND hList = ::GetDlgItem(hPage, IDC_SHEET_PAPER);
                ::SendMessageA(hList, CB_SETCURSEL,
                               static_cast<WPARAM>(::SendMessageA(hList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                                  reinterpret_cast<LPARAM>("A3"))),
                               0);
                ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(IDC_SHEET_PAPER, CBN_SELCHANGE),
                               reinterpret_cast<LPARAM>(hList));
                ::SendMessageA(::GetDlgItem(hPage, IDC_SHEET_LANDSCAPE), BM_CLICK, 0, 0);
            });
        }
        m_pFrame->SendMessage(WM_COMMAND, ID_DESIGN_NEW);
        PumpTestMessages();
        if (c.nSheetButton >= 0) {
            EXPECT_EQ(1, SheetsAnswered());
        }
        ASSERT_EQ(nBefore + (c.bWindow ? 1 : 0), m_pFrame->GetWorksheetCount());
        if (!c.bWindow) {
            continue;
        }
        auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->MDIGetActive());
        ASSERT_NE(nullptr, pChild);
        CCappSheetDefView* pView = pChild->GetSheetDefView();
        EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateNew), pView->GetSaveState());
        EXPECT_TRUE(pView->GetPath().IsEmpty());
        EXPECT_TRUE(pView->m_pSheet->m_strName.IsEmpty());
        EXPECT_TRUE(pView->IsTemplateLoaded());
        EXPECT_EQ(c.bLines, pView->m_pSheet->m_HeadCellList.GetCount() > 0);
        if (c.nPageWidth != 0) {
            EXPECT_EQ(c.nPageWidth, pView->m_pSheet->m_nPageWidth);
            EXPECT_STREQ("A3", pView->m_pSheet->m_strPaperName);
        }
        if (c.bLines) {
            // Save asks for a name; the tree shows the new template.
            g_nAsked = 0;
            g_strAnswer = m_pWorkDir->TemplatePath("FromCopy.znt");
            pView->SendMessage(WM_COMMAND, ID_DESIGN_SAVE);
            EXPECT_EQ(1, g_nAsked);
            EXPECT_EQ((std::vector<std::string>{"FromCopy", "ProcessCard"}), DesignTreeNames(m_pFrame));
        }
    }
}

TEST_F(CTemplateWindowTest, PageSetupRefusesACutLineAndMarksAnAcceptedChange)
{
    CCappSheetDefView* pView = Open(m_strCard);
    ASSERT_NE(nullptr, pView);
    const int nWidth = pView->m_pSheet->m_nPageWidth;
    const int nHeight = pView->m_pSheet->m_nPageHeight;

    // A page far too small for the table's lines.
    AnswerSheetLater("设置页面尺寸", PSBTN_OK, [](HWND hPage) { ::SetDlgItemTextA(hPage, IDC_SHEET_WIDTH, "50"); });
    pView->SendMessage(WM_COMMAND, ID_TEMPLATE_PAGE_SETUP);
    EXPECT_EQ(1, SheetsAnswered());
    EXPECT_EQ(nWidth, pView->m_pSheet->m_nPageWidth);
    EXPECT_EQ(nHeight, pView->m_pSheet->m_nPageHeight);
    EXPECT_FALSE(ErrorsPane().IsEmpty());
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateSaved), pView->GetSaveState());

    // The same page accepted: the template counts as changed and closing asks.
    AnswerSheetLater("设置页面尺寸", PSBTN_OK, nullptr);
    pView->SendMessage(WM_COMMAND, ID_TEMPLATE_PAGE_SETUP);
    EXPECT_EQ(1, SheetsAnswered());
    EXPECT_EQ(nWidth, pView->m_pSheet->m_nPageWidth);
    EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateChanged), pView->GetSaveState());
}

TEST_F(CTemplateWindowTest, ADoubleClickOnATemplateInTheTreeOpensIt)
{
    m_pFrame->MoveWindow(0, 0, 900, 640);
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_WORKSPACE_BAR);
    PumpTestMessages();
    m_pFrame->RecalcLayout();
    CDesignTree& tree = m_pFrame->m_wndWorkSpace.m_wndTree;
    // The designer initialises OLE, so the tree takes drops.
    EXPECT_EQ(static_cast<CWnd*>(&tree), tree.m_dropTarget.GetRegisteredWnd());
    HTREEITEM hItem = tree.GetChildItem(tree.GetRootItem());
    ASSERT_NE(nullptr, hItem);
    ASSERT_STREQ("ProcessCard", tree.GetItemText(hItem));
    CRect rc(0, 0, 0, 0);
    memcpy(static_cast<RECT*>(&rc), &hItem, sizeof(hItem));
    ASSERT_TRUE(tree.SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc)));
    POINT pt = rc.CenterPoint();
    ::ClientToScreen(tree.m_hWnd, &pt);
    ASSERT_TRUE(::SetCursorPos(pt.x, pt.y));

    // Twice: the second activates the window the first opened.
    const int nBefore = m_pFrame->GetWorksheetCount();
    for (int i = 0; i < 2; ++i) {
        NMHDR hdr{tree.m_hWnd, IDC_DESIGN_TREE, static_cast<UINT>(NM_DBLCLK)};
        m_pFrame->m_wndWorkSpace.SendMessage(WM_NOTIFY, IDC_DESIGN_TREE, reinterpret_cast<LPARAM>(&hdr));
        ASSERT_EQ(nBefore + 1, m_pFrame->GetWorksheetCount());
    }
    auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pFrame->MDIGetActive());
    ASSERT_NE(nullptr, pChild);
    EXPECT_STREQ(m_strCard, pChild->GetSheetDefView()->GetPath());
}
