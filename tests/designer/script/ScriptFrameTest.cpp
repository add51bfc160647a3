// The script window in the running designer: one window per template, the function list, add,
// delete, switch and store, the close question, the template's changed state and the functions
// coming back from the saved template.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/CappSheet.h"
#include "core/ScriptItem.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/script/SampleDoc.h"
#include "designer/script/SampleView.h"
#include "designer/script/ScriptFrame.h"
#include "designer/template/TemplateFile.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "platform/frame/FrameIds.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
// The shared input dialog of the base-data library and its edit control.
const UINT kInDataDlg = 17001;
const int kInDataEdit = 1023;

CString SampleTemplate()
{
    char szFull[MAX_PATH] = {};
    ::GetFullPathNameA(TestDataPath("..\\..\\..\\samples\\workdir\\Template\\ProcessCard.znt"), MAX_PATH, szFull,
                       nullptr);
    return szFull;
}

// The designer started on a copy of the sample template; the main window goes at the end.
class ScriptFrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_strPath = m_temp.PathOf("Card.znt");
        ASSERT_TRUE(::CopyFileA(SampleTemplate(), m_strPath, FALSE));
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_strCmdLine = "\"" + m_strPath + "\"";
        m_app.m_nCmdShow = SW_SHOWNA;
        ASSERT_TRUE(m_app.InitInstance());
        m_pMain = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pMain);
        m_pMain->MoveWindow(0, 0, 900, 640);
        m_pSheetFrame = FindSheetFrame(m_strPath);
        ASSERT_NE(nullptr, m_pSheetFrame);
        Idle();
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
    void Idle()
    {
        PumpTestMessages();
        m_app.OnIdle(0);
        m_pMain->RecalcLayout();
        m_pMain->UpdateWindow();
    }

    CCappSheetDefChildFrame* FindSheetFrame(const CString& strPath) const
    {
        for (int i = 0; i < m_pMain->GetWorksheetCount(); ++i) {
            auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pMain->GetWorksheet(i));
            if (pChild != nullptr && pChild->GetSheetDefView() != nullptr &&
                pChild->GetSheetDefView()->GetPath() == strPath) {
                return pChild;
            }
        }
        return nullptr;
    }
    CCappSheetDefView* SheetView() const { return m_pSheetFrame->GetSheetDefView(); }
    CCappSheet* Sheet() const { return SheetView()->m_pSheet; }

    // Replaces the sheet's scripts: user functions "name=text", and one script of another kind.
    void SetFunctions(const std::vector<std::pair<const char*, const char*>>& functions)
    {
        CObList& list = Sheet()->m_listScript;
        while (!list.IsEmpty()) {
            delete list.RemoveHead();
        }
        auto* pOther = new CScriptItem;
        pOther->m_nKind = 2;
        pOther->m_strName = "B";
        pOther->m_strScript = "other kind";
        list.AddTail(pOther);
        for (const auto& fn : functions) {
            auto* pItem = new CScriptItem;
            pItem->m_nKind = 1;
            pItem->m_strName = fn.first;
            pItem->m_strScript = fn.second;
            list.AddTail(pItem);
        }
    }
    // "name=text" of each user function of the sheet, in list order.
    std::vector<std::string> Functions() const
    {
        std::vector<std::string> result;
        for (POSITION pos = Sheet()->m_listScript.GetHeadPosition(); pos != nullptr;) {
            auto* pItem = static_cast<CScriptItem*>(Sheet()->m_listScript.GetNext(pos));
            if (pItem->m_nKind == 1) {
                result.push_back(std::string(pItem->m_strName) + "=" + std::string(pItem->m_strScript));
            }
        }
        return result;
    }
    int OtherKindCount() const
    {
        int n = 0;
        for (POSITION pos = Sheet()->m_listScript.GetHeadPosition(); pos != nullptr;) {
            n += static_cast<CScriptItem*>(Sheet()->m_listScript.GetNext(pos))->m_nKind != 1 ? 1 : 0;
        }
        return n;
    }

    CScriptFrame* OpenScripts()
    {
        CScriptFrame* pScript = CScriptFrame::OpenForSheet(m_pSheetFrame);
        if (pScript != nullptr) {
            m_hScript = pScript->m_hWnd;
            Idle();
        }
        return pScript;
    }
    BOOL ScriptWindowOpen() const { return ::IsWindow(m_hScript); }

    static std::vector<std::string> Names(CScriptFrame* pScript)
    {
        std::vector<std::string> names;
        HWND hList = pScript->GetNameList();
        const int nCount = static_cast<int>(::SendMessageA(hList, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < nCount; ++i) {
            char sz[256] = {};
            ::SendMessageA(hList, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(sz));
            names.push_back(sz);
        }
        return names;
    }
    static int Selected(CScriptFrame* pScript)
    {
        return static_cast<int>(::SendMessageA(pScript->GetNameList(), CB_GETCURSEL, 0, 0));
    }
    static std::string ViewText(CScriptFrame* pScript)
    {
        CString str;
        pScript->GetScriptView()->GetScriptText(str);
        return std::string(str);
    }
    // A control of the bar notifies as the user's click or choice does: through the bar.
    static void Notify(CScriptFrame* pScript, int nID, UINT nCode)
    {
        HWND hCtrl = ::GetDlgItem(pScript->m_wndDlgBar.m_hWnd, nID);
        ::SendMessageA(pScript->m_wndDlgBar.m_hWnd, WM_COMMAND, MAKEWPARAM(nID, nCode),
                       reinterpret_cast<LPARAM>(hCtrl));
    }
    static void Choose(CScriptFrame* pScript, int nIndex)
    {
        ::SendMessageA(pScript->GetNameList(), CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
        Notify(pScript, IDC_SCRIPT_NAMES, CBN_SELCHANGE);
    }
    // Each byte as its own character message, as the keyboard sends them.
    static void Type(CScriptFrame* pScript, const char* pszText)
    {
        for (const char* p = pszText; *p != '\0'; ++p) {
            pScript->GetScriptView()->SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 0);
        }
    }
    // Adds a function through the input dialog, typing each name in turn; further names are typed
    // after a refusal. The last name is cancelled when bCancelLast.
    static void Add(CTestUi& ui, CScriptFrame* pScript, std::vector<const char*> names, bool bCancelLast = false)
    {
        ui.OnDialog(kInDataDlg, [names, bCancelLast](CTestDlg& d) {
            for (size_t i = 0; i < names.size(); ++i) {
                d.SetText(kInDataEdit, names[i]);
                if (bCancelLast && i + 1 == names.size()) {
                    d.Cancel();
                } else {
                    d.Ok();
                }
            }
        });
        Notify(pScript, IDC_SCRIPT_ADD, BN_CLICKED);
    }

    CTestTempFolder m_temp;
    CString m_strPath;
    CVornDesignApp m_app;
    CMainFrame* m_pMain = nullptr;
    CCappSheetDefChildFrame* m_pSheetFrame = nullptr;
    HWND m_hScript = nullptr;
};
} // namespace

TEST_F(ScriptFrameTest, ASheetWithoutFunctionsShowsAnEmptyDisabledViewInItsOneScriptWindow)
{
    SetFunctions({});
    CScriptFrame* pScript = OpenScripts();
    ASSERT_NE(nullptr, pScript);

    CString strSheetText;
    m_pSheetFrame->GetWindowText(strSheetText);
    CString strTitle;
    pScript->GetWindowText(strTitle);
    EXPECT_STREQ(strSheetText + "-Script", strTitle);
    EXPECT_EQ(m_pSheetFrame, pScript->m_pSheetFrame);
    EXPECT_EQ(pScript, CScriptFrame::FindForSheet(m_pSheetFrame));
    EXPECT_TRUE(Names(pScript).empty());
    EXPECT_EQ(CB_ERR, Selected(pScript));
    EXPECT_EQ(nullptr, pScript->m_pCurScript);
    EXPECT_EQ("", ViewText(pScript));
    EXPECT_FALSE(pScript->GetScriptView()->IsWindowEnabled());

    // The bar sits in a rebar band above the view.
    EXPECT_EQ(1, pScript->m_wndReBar.GetBandCount());
    EXPECT_EQ(pScript->m_wndReBar.m_hWnd, ::GetParent(pScript->m_wndDlgBar.m_hWnd));
    CRect rcBar;
    CRect rcView;
    pScript->m_wndReBar.GetWindowRect(&rcBar);
    pScript->GetScriptView()->GetWindowRect(&rcView);
    EXPECT_GT(rcBar.Height(), 0);
    EXPECT_LE(rcBar.bottom, rcView.top);

    // The view shows the document's font: 14 high, GB2312, "宋体".
    const LOGFONTA& lf = pScript->GetScriptView()->GetTextFontDesc();
    EXPECT_EQ(14, lf.lfHeight);
    EXPECT_EQ(0, lf.lfWeight);
    EXPECT_EQ(GB2312_CHARSET, lf.lfCharSet);
    EXPECT_STREQ("宋体", lf.lfFaceName);

    // The script command again only activates the same window.
    const int nWindows = m_pMain->GetWorksheetCount();
    EXPECT_EQ(pScript, CScriptFrame::OpenForSheet(m_pSheetFrame));
    EXPECT_EQ(nWindows, m_pMain->GetWorksheetCount());
    // A store with nothing shown stores nothing.
    EXPECT_FALSE(pScript->StoreScript());
    SaveWindowPicture(m_pMain->m_hWnd, "script-window-empty.png");
}

TEST_F(ScriptFrameTest, AddRefusesUsedAndEmptyNamesAndSwitchingStoresTheIndentedText)
{
    SetFunctions({});
    CScriptFrame* pScript = OpenScripts();
    ASSERT_NE(nullptr, pScript);
    {
        CTestUi ui;
        CString strCaption;
        ui.OnDialog(kInDataDlg, [&strCaption](CTestDlg& d) {
            strCaption = d.GetCaption();
            d.SetText(kInDataEdit, "Calc");
            d.Ok();
        });
        Notify(pScript, IDC_SCRIPT_ADD, BN_CLICKED);
        EXPECT_STREQ("新增用户函数", strCaption);
        EXPECT_TRUE(ui.TakeBoxTexts().empty());
    }
    EXPECT_EQ(std::vector<std::string>{"Calc"}, Names(pScript));
    EXPECT_EQ(0, Selected(pScript));
    EXPECT_TRUE(pScript->GetScriptView()->IsWindowEnabled());
    EXPECT_EQ(pScript->FindScript("Calc"), pScript->m_pCurScript);

    // A used name and an empty one are refused inside the dialog; cancelling adds nothing.
    {
        CTestUi ui;
        Add(ui, pScript, {"Calc", "", "Other"}, true);
        const std::vector<CString> boxes = ui.TakeBoxTexts();
        ASSERT_EQ(2U, boxes.size());
        EXPECT_STREQ("该函数已存在,请重新输入!", boxes[0]);
        EXPECT_STREQ("数据不允许为空！", boxes[1]);
    }
    EXPECT_EQ(std::vector<std::string>{"Calc="}, Functions());

    // Enter keeps the indent of the line above.
    Type(pScript, "    dim a\rb");
    EXPECT_TRUE(pScript->GetScriptDoc()->IsModified());
    EXPECT_EQ("Calc=", Functions()[0]);

    // Adding F2 stores Calc first and shows the new, empty function.
    {
        CTestUi ui;
        Add(ui, pScript, {"F2"});
    }
    EXPECT_EQ((std::vector<std::string>{"Calc", "F2"}), Names(pScript));
    EXPECT_EQ(1, Selected(pScript));
    EXPECT_EQ((std::vector<std::string>{"Calc=    dim a\r\n    b", "F2="}), Functions());
    EXPECT_EQ("", ViewText(pScript));
    EXPECT_FALSE(pScript->GetScriptDoc()->IsModified());
    Type(pScript, "x = 1");

    // Choosing Calc again stores F2 and shows Calc's text.
    Choose(pScript, 0);
    EXPECT_EQ((std::vector<std::string>{"Calc=    dim a\r\n    b", "F2=x = 1"}), Functions());
    EXPECT_EQ("    dim a\r\n    b", ViewText(pScript));
    EXPECT_EQ(1, OtherKindCount());
    Idle();
    SaveWindowPicture(m_pMain->m_hWnd, "script-window-calc.png");

    // Saved with the template, both come back in a new window on the file, CR LF intact.
    CString strError;
    ASSERT_TRUE(CTemplateFile::Save(m_strPath, *Sheet(), strError)) << static_cast<LPCSTR>(strError);
    SheetView()->SetSaveState(CCappSheetDefView::saveStateSaved);
    EXPECT_TRUE(CScriptFrame::CloseForSheet(m_pSheetFrame));
    m_pSheetFrame->SendMessage(WM_CLOSE);
    PumpTestMessages();
    ASSERT_EQ(nullptr, FindSheetFrame(m_strPath));
    m_pMain->OpenTemplate(m_strPath);
    m_pSheetFrame = FindSheetFrame(m_strPath);
    ASSERT_NE(nullptr, m_pSheetFrame);
    pScript = OpenScripts();
    ASSERT_NE(nullptr, pScript);
    EXPECT_EQ((std::vector<std::string>{"Calc", "F2"}), Names(pScript));
    EXPECT_EQ("    dim a\r\n    b", ViewText(pScript));
    Choose(pScript, 1);
    EXPECT_EQ("x = 1", ViewText(pScript));
}

TEST_F(ScriptFrameTest, DeleteShowsTheNextFunctionWithoutStoringTheDeletedText)
{
    struct DeleteCase
    {
        const char* szName;
        int nShown; // the function shown and deleted; -1: the list has no selection
        int nDeletes;
        const char* szNames; // left in the list, "|"-joined
        int nSelected;
        const char* szText; // in the view
        BOOL bViewEnabled;
    };
    const DeleteCase cases[] = {
        {"middle: the next takes its place", 1, 1, "A|C", 1, "c", TRUE},
        {"last: the one before it is shown", 2, 1, "A|B", 1, "b", TRUE},
        {"all: an empty, disabled view", 0, 3, "", CB_ERR, "", FALSE},
        {"no selection: nothing happens", -1, 1, "A|B|C", CB_ERR, "", FALSE},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.szName);
        SetFunctions({{"A", "a"}, {"B", "b"}, {"C", "c"}});
        CScriptFrame* pScript = OpenScripts();
        ASSERT_NE(nullptr, pScript);
        if (c.nShown >= 0) {
            Choose(pScript, c.nShown);
            Type(pScript, "edited ");
        } else {
            Choose(pScript, -1);
        }
        for (int i = 0; i < c.nDeletes; ++i) {
            Notify(pScript, IDC_SCRIPT_DELETE, BN_CLICKED);
        }
        std::string strNames;
        for (const std::string& str : Names(pScript)) {
            strNames += (strNames.empty() ? "" : "|") + str;
        }
        EXPECT_EQ(c.szNames, strNames);
        EXPECT_EQ(c.nSelected, Selected(pScript));
        EXPECT_EQ(c.szText, ViewText(pScript));
        EXPECT_EQ(c.bViewEnabled, pScript->GetScriptView()->IsWindowEnabled());
        // Nothing stored the edits; the script of another kind named "B" stays.
        for (const std::string& str : Functions()) {
            EXPECT_EQ(std::string::npos, str.find("edited")) << str;
        }
        EXPECT_EQ(1, OtherKindCount());
        EXPECT_FALSE(pScript->GetScriptDoc()->IsModified());
        CTestUi ui;
        pScript->SendMessage(WM_CLOSE);
        EXPECT_FALSE(ScriptWindowOpen());
        EXPECT_TRUE(ui.TakeBoxTexts().empty());
    }
}

TEST_F(ScriptFrameTest, TheCloseQuestionKeepsDropsOrStoresTheEdits)
{
    struct CloseCase
    {
        const char* szName;
        int nAnswer;
        bool bStaysOpen;
        const char* szStored;
        int nSaveState;
    };
    const CloseCase cases[] = {
        {"Cancel keeps the window", IDCANCEL, true, "F=old", 1},
        {"No leaves the function as last stored", IDNO, false, "F=old", 1},
        {"Yes stores", IDYES, false, "F=new old", 3},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.szName);
        SetFunctions({{"F", "old"}});
        SheetView()->SetSaveState(CCappSheetDefView::saveStateSaved);
        CScriptFrame* pScript = OpenScripts();
        ASSERT_NE(nullptr, pScript);
        Type(pScript, "new ");
        {
            CTestUi ui;
            ui.AnswerMessageBox(c.nAnswer);
            pScript->SendMessage(WM_CLOSE);
            ASSERT_EQ(1U, ui.GetBoxes().size());
            EXPECT_STREQ("当前脚本已修改，是否保存", ui.GetBoxes()[0].strText);
            EXPECT_STREQ("Vorn", ui.GetBoxes()[0].strCaption);
            EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONINFORMATION), ui.GetBoxes()[0].nType);
        }
        EXPECT_EQ(c.bStaysOpen, ScriptWindowOpen() != FALSE);
        EXPECT_EQ(std::vector<std::string>{c.szStored}, Functions());
        EXPECT_EQ(c.nSaveState, SheetView()->GetSaveState());
        if (ScriptWindowOpen()) {
            EXPECT_EQ(m_pSheetFrame, pScript->m_pSheetFrame);
            CTestUi ui;
            ui.AnswerMessageBox(IDNO);
            pScript->SendMessage(WM_CLOSE);
            EXPECT_FALSE(ScriptWindowOpen());
        }
        EXPECT_EQ(nullptr, CScriptFrame::FindForSheet(m_pSheetFrame));
    }
}

TEST_F(ScriptFrameTest, ChangingTheFunctionsMarksASavedTemplateChanged)
{
    struct MarkCase
    {
        const char* szName;
        int nStateBefore;
        const char* szTyped;
        UINT nCommand; // a bar button, or the store command
        int nStateAfter;
    };
    const MarkCase cases[] = {
        {"storing an edited function", 1, "x", ID_DESIGN_SAVE, 3},
        {"storing an unchanged function", 1, "", ID_DESIGN_SAVE, 1},
        {"adding a function", 1, "", IDC_SCRIPT_ADD, 3},
        {"deleting a function", 1, "", IDC_SCRIPT_DELETE, 3},
        {"a template never saved stays new", 2, "x", IDC_SCRIPT_ADD, 2},
    };
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.szName);
        SetFunctions({{"F", "f"}});
        SheetView()->SetSaveState(c.nStateBefore);
        CScriptFrame* pScript = OpenScripts();
        ASSERT_NE(nullptr, pScript);
        Type(pScript, c.szTyped);
        CTestUi ui;
        if (c.nCommand == IDC_SCRIPT_ADD) {
            Add(ui, pScript, {"G"});
        } else if (c.nCommand == IDC_SCRIPT_DELETE) {
            Notify(pScript, IDC_SCRIPT_DELETE, BN_CLICKED);
        } else {
            pScript->SendMessage(WM_COMMAND, c.nCommand);
            EXPECT_FALSE(pScript->GetScriptDoc()->IsModified());
        }
        EXPECT_EQ(c.nStateAfter, SheetView()->GetSaveState());
        pScript->SendMessage(WM_CLOSE);
        EXPECT_FALSE(ScriptWindowOpen());
    }
}

TEST_F(ScriptFrameTest, TheTemplateClosesItsScriptWindowFirstUnlessItStaysOpen)
{
    SetFunctions({{"F", "f"}});
    CScriptFrame* pScript = OpenScripts();
    ASSERT_NE(nullptr, pScript);
    Type(pScript, "g");
    {
        CTestUi ui;
        ui.AnswerMessageBox(IDCANCEL);
        EXPECT_FALSE(CScriptFrame::CloseForSheet(m_pSheetFrame));
        EXPECT_EQ(1U, ui.GetBoxes().size());
    }
    EXPECT_TRUE(ScriptWindowOpen());
    EXPECT_EQ(pScript, CScriptFrame::FindForSheet(m_pSheetFrame));
    {
        CTestUi ui;
        ui.AnswerMessageBox(IDYES);
        EXPECT_TRUE(CScriptFrame::CloseForSheet(m_pSheetFrame));
    }
    EXPECT_FALSE(ScriptWindowOpen());
    EXPECT_EQ(std::vector<std::string>{"F=gf"}, Functions());
    // Without a script window there is nothing to close.
    EXPECT_TRUE(CScriptFrame::CloseForSheet(m_pSheetFrame));
}

TEST_F(ScriptFrameTest, ChoosingTheShownFunctionKeepsItsUndoHistory)
{
    SetFunctions({{"F", "f"}, {"G", "g"}});
    CScriptFrame* pScript = OpenScripts();
    ASSERT_NE(nullptr, pScript);
    Type(pScript, "x");
    Choose(pScript, 0);
    EXPECT_EQ("xf", ViewText(pScript));
    EXPECT_TRUE(pScript->GetScriptDoc()->m_textBuffer.CanUndo());
    EXPECT_TRUE(pScript->GetScriptDoc()->IsModified());
    // The buffer's own flag stays clear: the document carries it.
    EXPECT_FALSE(pScript->GetScriptDoc()->m_textBuffer.IsModified());

    // Another function drops the history with the text.
    Choose(pScript, 1);
    EXPECT_FALSE(pScript->GetScriptDoc()->m_textBuffer.CanUndo());

    CTestUi ui;
    pScript->GetScriptView()->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pScript->GetScriptView()->m_hWnd),
                                          MAKELPARAM(10, 10));
    const std::vector<CString> boxes = ui.TakeBoxTexts();
    ASSERT_EQ(1U, boxes.size());
    EXPECT_STREQ("Build your own context menu!", boxes[0]);
}

TEST_F(ScriptFrameTest, AScriptWindowThatOutlivesItsTemplateStoresNothing)
{
    // The template window closes its script window first; one destroyed without being asked
    // (as when the program ends) leaves the script window behind.
    SetFunctions({{"F", "f"}, {"G", "g"}});
    CScriptFrame* pScript = OpenScripts();
    ASSERT_NE(nullptr, pScript);
    Type(pScript, "x");
    m_pSheetFrame->DestroyWindow();
    PumpTestMessages();
    ASSERT_EQ(nullptr, FindSheetFrame(m_strPath));
    m_pSheetFrame = nullptr;
    ASSERT_TRUE(ScriptWindowOpen());

    EXPECT_EQ(nullptr, pScript->GetSheet());
    EXPECT_FALSE(pScript->StoreScript());
    EXPECT_EQ(nullptr, pScript->m_pCurScript);
    Choose(pScript, 1);
    Notify(pScript, IDC_SCRIPT_DELETE, BN_CLICKED);
    // Adding needs the sheet: no dialog opens.
    CTestUi ui;
    Notify(pScript, IDC_SCRIPT_ADD, BN_CLICKED);
    EXPECT_EQ(0, ui.GetDialogsOpened());
    ui.AnswerMessageBox(IDYES);
    pScript->SendMessage(WM_CLOSE);
    EXPECT_FALSE(ScriptWindowOpen());
}

// The first save after typing writes the typed text: whichever save the user takes, the template
// on disk holds what the open script window shows, and nothing is left changed.
TEST_F(ScriptFrameTest, EverySaveOfTheTemplateWritesWhatItsScriptWindowShows)
{
    enum SaveWay { saveAll, ctrlS, viewSave, frameSave };
    struct SaveCase
    {
        const char* szName;
        SaveWay way;
    };
    const SaveCase cases[] = {
        {"文件 → 全部保存 with the script window active", saveAll},
        {"Ctrl+S in the template window", ctrlS},
        {"保存 of the template window", viewSave},
        {"the template frame's own save", frameSave},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.szName);
        SetFunctions({{"F", "old"}, {"G", "g"}});
        SheetView()->SetSaveState(CCappSheetDefView::saveStateSaved);
        CScriptFrame* pScript = OpenScripts();
        ASSERT_NE(nullptr, pScript);
        Type(pScript, "new ");
        switch (c.way) {
        case saveAll:
            m_pMain->SendMessage(WM_COMMAND, ID_DESIGN_SAVE_ALL);
            break;
        case ctrlS: {
            // The key as the message loop meets it, with Control held, in the template window.
            m_pSheetFrame->MDIActivate();
            SheetView()->SetFocus();
            BYTE keys[256] = {};
            ::GetKeyboardState(keys);
            keys[VK_CONTROL] = 0x80;
            ::SetKeyboardState(keys);
            MSG msg = {SheetView()->m_hWnd, WM_KEYDOWN, 'S', 0x001F0001, 0, {0, 0}};
            const BOOL bTaken = m_app.PreTranslateMessage(&msg);
            keys[VK_CONTROL] = 0;
            ::SetKeyboardState(keys);
            EXPECT_TRUE(bTaken) << "Ctrl+S is a key of the template window";
            break;
        }
        case viewSave:
            SheetView()->SendMessage(WM_COMMAND, ID_DESIGN_SAVE);
            break;
        case frameSave:
            m_pSheetFrame->SendMessage(WM_COMMAND, ID_SHEET_FRAME_SAVE);
            break;
        }
        CCappSheet onDisk;
        CString strError;
        ASSERT_TRUE(CTemplateFile::Load(m_strPath, onDisk, strError)) << static_cast<LPCSTR>(strError);
        std::vector<std::string> written;
        for (POSITION pos = onDisk.m_listScript.GetHeadPosition(); pos != nullptr;) {
            auto* pItem = static_cast<CScriptItem*>(onDisk.m_listScript.GetNext(pos));
            if (pItem->m_nKind == 1) {
                written.push_back(std::string(pItem->m_strName) + "=" + std::string(pItem->m_strScript));
            }
        }
        EXPECT_EQ((std::vector<std::string>{"F=new old", "G=g"}), written);
        EXPECT_EQ(static_cast<int>(CCappSheetDefView::saveStateSaved), SheetView()->GetSaveState());
        EXPECT_FALSE(pScript->GetScriptDoc()->IsModified());
        // Nothing is left to ask about.
        CTestUi ui;
        pScript->SendMessage(WM_CLOSE);
        EXPECT_FALSE(ScriptWindowOpen());
        EXPECT_TRUE(ui.GetBoxes().empty());
    }
}
