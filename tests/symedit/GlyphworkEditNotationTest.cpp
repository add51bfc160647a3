// The special edit's notation commands: new elements and changes through the notation dialogs,
// answered by the test harness; their undo records; the context menu; the work directory.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>

#include "EditHost.h"
#include "SongFont.h"
#include "platform/base/Firewall.h"
#include "platform/base/FxRegKey.h"
#include "platform/base/FxResMgr.h"
#include "platform/win/Menu.h"
#include "symbols/CircleStrContSeg.h"
#include "symbols/CoarsenessContSeg.h"
#include "symbols/CustomDrawContSeg.h"
#include "symbols/DlgFrameStr.h"
#include "symbols/GpTolDlg.h"
#include "symbols/InputCoarseDlgEx.h"
#include "symbols/InputToleranceDlg.h"
#include "symbols/SaveToLibDlg.h"
#include "symbols/SymbolDlg.h"
#include "symbols/ToleranceContSeg.h"
#include "symbols/UndoItem.h"
#include "symbols/res/resource.h"
#include "symedit/GlyphworkEdit.h"
#include "symedit/GlyphworkEditRow.h"
#include "symedit/res/resource.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
const char kCappKey[] = "SoftWare\\Saelo\\CAPP";
const char kPdmKey[] = "SoftWare\\Saelo\\PDM";

CString BundledWorkDir()
{
    return TestDataPath("..\\..\\..\\samples\\workdir");
}

// Sets or removes the "WorkDir" value of an HKLM key; the value is removed again at the end.
class CWorkDirValue
{
public:
    CWorkDirValue(LPCSTR pszKey, LPCSTR pszDir) : m_pszKey(pszKey)
    {
        CFxRegKey key;
        EXPECT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, pszKey, KEY_READ | KEY_WRITE));
        if (pszDir != nullptr)
            RegSetValueExA(key, "WorkDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(pszDir),
                           static_cast<DWORD>(lstrlenA(pszDir) + 1));
        else
            RegDeleteValueA(key, "WorkDir");
    }
    ~CWorkDirValue()
    {
        CFxRegKey key;
        if (key.Open(HKEY_LOCAL_MACHINE, m_pszKey, KEY_WRITE) == ERROR_SUCCESS)
            RegDeleteValueA(key, "WorkDir");
    }
    CWorkDirValue(const CWorkDirValue&) = delete;
    CWorkDirValue& operator=(const CWorkDirValue&) = delete;

private:
    LPCSTR m_pszKey;
};

// Ends the dialog with IDOK as it stands, past its own checks (as a dialog answering OK
// without the button would).
void EndOk(CTestDlg& d)
{
    d.GetDialog()->EndDialog(IDOK);
}

class GlyphworkEditNotation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 0, 0, 460, 200, nullptr, nullptr));
        m_hResBefore = CFxResMgr::GetResourceHandle();
    }
    void TearDown() override
    {
        if (m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr)
            m_pEdit->DestroyWindow(); // deletes the edit
        m_host.DestroyWindow();
        EXPECT_EQ(m_hResBefore, CFxResMgr::GetResourceHandle());
    }

    CGlyphworkEdit& Open(const char* pszText, DWORD dwStyle = 0)
    {
        m_pEdit = new CGlyphworkEdit;
        m_pEdit->SetTextData(SongFont(-16), pszText, 0, 0, 1.0f, RGB(0, 0, 0));
        m_pEdit->SetLineStyle(0, 0);
        CRect rcWnd(10, 10, 410, 40);
        EXPECT_TRUE(m_pEdit->CreateEdit(&m_host, static_cast<int>(dwStyle | CGlyphworkEdit::styleNoAlignPrefix), rcWnd,
                                        CRect(0, 0, 400, 30), 100, CPoint(-1, -1)));
        m_host.Take();
        return *m_pEdit;
    }
    std::string Text()
    {
        CString s;
        m_pEdit->GetData(s);
        return static_cast<const char*>(s);
    }
    int UndoCount() { return static_cast<int>(m_pEdit->m_listUndo.GetCount()); }
    CUndoItem* LastUndo() { return static_cast<CUndoItem*>(m_pEdit->m_listUndo.GetTail()); }
    // The resource module while the dialog runs.
    TestDlgHandler Checked(TestDlgHandler fn)
    {
        return [this, fn](CTestDlg& d) {
            m_hResInDialog = CFxResMgr::GetResourceHandle();
            fn(d);
        };
    }
    void ExpectGlyphworkDuringDialog()
    {
        EXPECT_EQ(CFxResMgr::FindModule("Glyphwork.dll"), m_hResInDialog);
        EXPECT_NE(nullptr, m_hResInDialog);
        EXPECT_EQ(m_hResBefore, CFxResMgr::GetResourceHandle());
    }

    CEditHost m_host;
    CGlyphworkEdit* m_pEdit = nullptr;
    HINSTANCE m_hResBefore = nullptr;
    HINSTANCE m_hResInDialog = nullptr;
    CWorkDirValue m_workDir{kCappKey, BundledWorkDir()};
};

struct NewCase
{
    const char* szName;
    UINT nCommand;
    UINT nDialog;
    std::function<void(CTestDlg&)> fnAnswer;
    const char* szInserted;
};

const NewCase newCases[] = {
    {"tolerance", ID_EDIT_TOLERANCE, IDD_INPUTTOLERANCE,
     [](CTestDlg& d) {
         auto* p = static_cast<CInputToleranceDlg*>(d.GetDialog());
         p->m_strBase = "20";
         p->m_strUpper = "+0.1";
         p->m_strLower = "-0.1";
         EndOk(d);
     },
     nullptr},
    {"geometric tolerance", ID_EDIT_GPTOL, IDD_GPTOL,
     [](CTestDlg& d) {
         auto* p = static_cast<CGpTolDlg*>(d.GetDialog());
         p->m_nGpTolType = 1;
         p->m_strTolVal = "0.02";
         EndOk(d);
     },
     nullptr},
    {"roughness", ID_EDIT_COARSENESS, IDD_INPUTCOARSEEX,
     [](CTestDlg& d) {
         d.SetText(IDC_COARSE_VALUE1, "Ra");
         d.SetText(IDC_COARSE_VALUE2, "3.2");
         d.Ok();
     },
     nullptr},
    {"fraction", ID_EDIT_FRACTION, IDD_INPUTFRACTION,
     [](CTestDlg& d) {
         d.SetText(IDC_BASETEXT, "2");
         d.SetText(IDC_NUMERATOR, "1");
         d.SetText(IDC_DENOMINATOR, "4");
         d.Ok();
     },
     nullptr},
    {"super/subscript", ID_EDIT_SUPSUBSCRIPT, IDD_INPUTSUPSUBSCRIPT,
     [](CTestDlg& d) {
         d.SetText(IDC_BASETEXT, "30");
         d.SetText(IDC_SUPERSCRIPT, "+0.2");
         d.SetText(IDC_SUBSCRIPT, "-0.1");
         d.Ok();
     },
     nullptr},
    {"framed text", ID_EDIT_FRAMESTR, IDD_FRAMESTR,
     [](CTestDlg& d) {
         EXPECT_STREQ("加框字符串", d.GetCaption());
         d.SetText(IDC_FRAMESTR_TEXT, "A1");
         d.Ok();
     },
     "<R>A1</R>"},
    {"circled text keeps its first character", ID_EDIT_CIRCLESTR, IDD_FRAMESTR,
     [](CTestDlg& d) {
         EXPECT_STREQ("加圈字符对话框", d.GetCaption());
         d.SetText(IDC_FRAMESTR_TEXT, "AB");
         d.Ok();
     },
     "<E>A</E>"},
    {"circled GBK character keeps both bytes", ID_EDIT_CIRCLESTR, IDD_FRAMESTR,
     [](CTestDlg& d) {
         d.SetText(IDC_FRAMESTR_TEXT, "中文");
         d.Ok();
     },
     "<E>中</E>"},
    {"custom symbol", ID_EDIT_CUSTOMDRAW, IDD_SAVETOLIB,
     [](CTestDlg& d) {
         auto* p = static_cast<CSaveToLibDlg*>(d.GetDialog());
         p->m_curItem.m_bFolder = 0;
         p->m_curItem.m_strGuid = "{g}";
         p->m_strSymbol = "<C>0,0,5</C>";
         EndOk(d);
     },
     "<P>{g}</P>"},
};
} // namespace

TEST_F(GlyphworkEditNotation, NewElementIsInsertedAtTheCaretRecordedAndUndone)
{
    for (const NewCase& c : newCases) {
        SCOPED_TRACE(c.szName);
        CGlyphworkEdit& edit = Open("xy");
        edit.m_nCaretCol = 1;
        CTestUi ui;
        ui.OnDialog(c.nDialog, Checked(c.fnAnswer));
        edit.RunCommand(c.nCommand);
        ExpectGlyphworkDuringDialog();
        // Without a symbol library the custom symbol's connection failure is told; the rest tell nothing.
        if (c.nCommand != ID_EDIT_CUSTOMDRAW) {
            EXPECT_TRUE(ui.TakeBoxTexts().empty());
        }
        std::string strText = Text();
        ASSERT_EQ(3u,
                  static_cast<unsigned>(static_cast<CGlyphworkEditRow*>(edit.m_listEditRow.GetHead())->GetSegCount()))
            << strText;
        EXPECT_EQ('x', strText.front());
        EXPECT_EQ('y', strText.back());
        if (c.szInserted != nullptr) {
            EXPECT_EQ(std::string("x") + c.szInserted + "y", strText);
        }
        EXPECT_EQ(2, edit.m_nCaretCol);
        ASSERT_EQ(1, UndoCount());
        EXPECT_EQ(CGlyphworkEdit::undoInsert, LastUndo()->m_nAction);
        EXPECT_EQ(1, LastUndo()->m_listContSeg.GetCount());
        EXPECT_EQ(1, LastUndo()->m_nCol);
        edit.Undo();
        EXPECT_EQ("xy", Text());
        edit.Redo();
        EXPECT_EQ(strText, Text());
        edit.DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(GlyphworkEditNotation, CancelledOrEmptyNewElementChangesNothing)
{
    for (const NewCase& c : newCases) {
        SCOPED_TRACE(c.szName);
        CGlyphworkEdit& edit = Open("xy");
        CTestUi ui;
        ui.OnDialog(c.nDialog, Checked([](CTestDlg& d) { d.Cancel(); }));
        edit.RunCommand(c.nCommand);
        ExpectGlyphworkDuringDialog();
        EXPECT_EQ("xy", Text());
        EXPECT_EQ(0, UndoCount());
        EXPECT_EQ("", m_host.Take());
        edit.DestroyWindow();
        m_pEdit = nullptr;
    }
    // An OK without text (the dialog's button refuses it; a caller's IDOK does not).
    for (UINT nCommand : {ID_EDIT_FRAMESTR, ID_EDIT_CIRCLESTR}) {
        CGlyphworkEdit& edit = Open("xy");
        CTestUi ui;
        ui.OnDialog(IDD_FRAMESTR, EndOk);
        edit.RunCommand(nCommand);
        EXPECT_EQ("xy", Text());
        EXPECT_EQ(0, UndoCount());
        edit.DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(GlyphworkEditNotation, PaletteInsertsTheChosenCharacterAsMarkup)
{
    CGlyphworkEdit& edit = Open("xy");
    edit.m_nCaretCol = 2;
    CTestUi ui;
    ui.OnDialog(IDD_SYMBOL, Checked([](CTestDlg& d) {
                    static_cast<CSymbolDlg*>(d.GetDialog())->m_strSymbol = "±";
                    EndOk(d);
                }));
    edit.SendMessage(WM_KEYDOWN, VK_F3, 1);
    ExpectGlyphworkDuringDialog();
    EXPECT_EQ("xy±", Text());
    ASSERT_EQ(1, UndoCount());
    EXPECT_EQ(CGlyphworkEdit::undoInsert, LastUndo()->m_nAction);
    EXPECT_EQ(3, edit.m_nCaretCol);
}

TEST_F(GlyphworkEditNotation, ReadOnlyEditOpensNoDialog)
{
    CGlyphworkEdit& edit = Open("xy<R>A</R>", CGlyphworkEdit::styleReadOnly);
    CTestUi ui;
    for (UINT nCommand : {ID_EDIT_TOLERANCE, ID_EDIT_GPTOL, ID_EDIT_COARSENESS, ID_EDIT_FRACTION, ID_EDIT_SUPSUBSCRIPT,
                          ID_EDIT_FRAMESTR, ID_EDIT_CUSTOMDRAW, ID_EDIT_CIRCLESTR, ID_EDIT_SYMBOL})
        edit.RunCommand(nCommand);
    edit.SendMessage(WM_KEYDOWN, VK_INSERT, 1);
    edit.SendMessage(WM_KEYDOWN, VK_F3, 1);
    EXPECT_EQ(0, edit.EditSpecial(0, 2));
    EXPECT_EQ(0, ui.GetDialogsOpened());
    EXPECT_EQ("xy<R>A</R>", Text());
}

TEST_F(GlyphworkEditNotation, InsertKeyOpensTheToleranceDialog)
{
    CGlyphworkEdit& edit = Open("");
    CTestUi ui;
    ui.OnDialog(IDD_INPUTTOLERANCE, [](CTestDlg& d) { d.Cancel(); });
    edit.SendMessage(WM_KEYDOWN, VK_INSERT, 1);
    EXPECT_EQ(1, ui.GetDialogsOpened());
}

struct EditCase
{
    const char* szName;
    const char* szText; // the element is the second segment
    UINT nDialog;
    std::function<void(CTestDlg&)> fnAnswer;
    const char* szAfter;
};

const EditCase editCases[] = {
    {"fraction", "x<F>2;1;4</F>", IDD_INPUTFRACTION,
     [](CTestDlg& d) {
         EXPECT_STREQ("1", d.GetText(IDC_NUMERATOR));
         d.SetText(IDC_NUMERATOR, "3");
         d.Ok();
     },
     "x<F>2;3;4</F>"},
    {"super/subscript", "x<S>30;+0.2;-0.1</S>", IDD_INPUTSUPSUBSCRIPT,
     [](CTestDlg& d) {
         EXPECT_STREQ("+0.2", d.GetText(IDC_SUPERSCRIPT));
         d.SetText(IDC_SUBSCRIPT, "0");
         d.Ok();
     },
     "x<S>30;+0.2;0</S>"},
    {"framed text", "x<R>A1</R>", IDD_FRAMESTR,
     [](CTestDlg& d) {
         EXPECT_STREQ("A1", d.GetText(IDC_FRAMESTR_TEXT));
         d.SetText(IDC_FRAMESTR_TEXT, "B2");
         d.Ok();
     },
     "x<R>B2</R>"},
    {"circled text keeps one character, as it reads back", "x<E>A</E>", IDD_FRAMESTR,
     [](CTestDlg& d) {
         EXPECT_STREQ("加圈字符对话框", d.GetCaption());
         EXPECT_STREQ("A", d.GetText(IDC_FRAMESTR_TEXT));
         d.SetText(IDC_FRAMESTR_TEXT, "BC");
         d.Ok();
     },
     "x<E>B</E>"},
    {"roughness", "x<C>2;Ra;3.2;;;0;;0</C>", IDD_INPUTCOARSEEX,
     [](CTestDlg& d) {
         d.SetText(IDC_COARSE_VALUE2, "6.3");
         d.Ok();
     },
     nullptr},
    {"tolerance", "x<T>20;+0.1;-0.1;0;</T>", IDD_INPUTTOLERANCE,
     [](CTestDlg& d) {
         static_cast<CInputToleranceDlg*>(d.GetDialog())->m_strUpper = "+0.3";
         EndOk(d);
     },
     nullptr},
    {"geometric tolerance", "x<G>1;0;0.02;0;;0;;0;;0;-1;-1</G>", IDD_GPTOL,
     [](CTestDlg& d) {
         static_cast<CGpTolDlg*>(d.GetDialog())->m_strTolVal = "0.05";
         EndOk(d);
     },
     nullptr},
};

TEST_F(GlyphworkEditNotation, EditSpecialChangesTheElementThroughItsDialog)
{
    for (const EditCase& c : editCases) {
        SCOPED_TRACE(c.szName);
        CGlyphworkEdit& edit = Open(c.szText);
        const std::string strBefore = Text();
        ASSERT_EQ(2, static_cast<CGlyphworkEditRow*>(edit.m_listEditRow.GetHead())->GetSegCount()) << strBefore;
        edit.m_nCaretCol = 0; // EditSpecial puts the caret on the element itself
        {
            CTestUi ui;
            ui.OnDialog(c.nDialog, Checked(c.fnAnswer));
            EXPECT_EQ(1, edit.EditSpecial(0, 1));
            ExpectGlyphworkDuringDialog();
        }
        const std::string strAfter = Text();
        if (c.szAfter != nullptr) {
            EXPECT_EQ(c.szAfter, strAfter);
        }
        EXPECT_NE(strBefore, strAfter);
        EXPECT_EQ('x', strAfter.front());
        ASSERT_EQ(1, UndoCount());
        EXPECT_EQ(CGlyphworkEdit::undoModify, LastUndo()->m_nAction);
        EXPECT_EQ(2, LastUndo()->m_listContSeg.GetCount());
        EXPECT_EQ(1, LastUndo()->m_nCol);
        edit.Undo();
        EXPECT_EQ(strBefore, Text());
        edit.Redo();
        EXPECT_EQ(strAfter, Text());

        // A cancel leaves element and undo list as they are, and still counts as handled.
        {
            CTestUi ui;
            ui.OnDialog(c.nDialog, [](CTestDlg& d) { d.Cancel(); });
            EXPECT_EQ(1, edit.EditSpecial(0, 1));
        }
        EXPECT_EQ(strAfter, Text());
        EXPECT_EQ(1, UndoCount());
        edit.DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(GlyphworkEditNotation, EditKeepsTheElementsOwnFontAndColour)
{
    CGlyphworkEdit& edit = Open("x<R>A<FT>F=黑体;C=255</FT></R>");
    const std::string strBefore = Text();
    ASSERT_NE(std::string::npos, strBefore.find("<FT>")) << strBefore;
    CTestUi ui;
    ui.OnDialog(IDD_FRAMESTR, [](CTestDlg& d) {
        d.SetText(IDC_FRAMESTR_TEXT, "B");
        d.Ok();
    });
    EXPECT_EQ(1, edit.EditSpecial(0, 1));
    std::string strExpected = strBefore;
    strExpected.replace(strExpected.find("<R>A"), 4, "<R>B");
    EXPECT_EQ(strExpected, Text());
}

TEST_F(GlyphworkEditNotation, EditSpecialRefusesTextLineBreaksAndPositionsOutside)
{
    CGlyphworkEdit& edit = Open("ab\ncd", CGlyphworkEdit::styleEnterBreaksRow);
    CTestUi ui;
    struct Pos
    {
        int nRow;
        int nCol;
    };
    for (Pos p : {Pos{0, 0}, Pos{0, 2}, Pos{0, 3}, Pos{-1, 0}, Pos{2, 0}, Pos{1, -1}})
        EXPECT_EQ(0, edit.EditSpecial(p.nRow, p.nCol)) << p.nRow << "," << p.nCol;
    EXPECT_EQ(0, ui.GetDialogsOpened());
    EXPECT_EQ(0, UndoCount());
}

TEST_F(GlyphworkEditNotation, CustomSymbolChangeIsRecordedWhateverTheArgumentDialogSays)
{
    CGlyphworkEdit& edit = Open("x<P>{g}?w=3</P>");
    // A symbol the library lacks has no arguments to ask for: the dialog ends at once, as cancelled.
    CTestUi ui;
    EXPECT_EQ(1, edit.EditSpecial(0, 1));
    EXPECT_EQ("x<P>{g}?w=3</P>", Text());
    ASSERT_EQ(1, UndoCount());
    EXPECT_EQ(CGlyphworkEdit::undoModify, LastUndo()->m_nAction);
}

TEST_F(GlyphworkEditNotation, DoubleClickAndCtrlDownChangeTheElementElseTellTheParent)
{
    CGlyphworkEdit& edit = Open("x<R>A</R>");
    edit.SetLButtonDBClikMsg(kDBClickMsg);
    CGlyphworkEditRow* pRow = static_cast<CGlyphworkEditRow*>(edit.m_listEditRow.GetHead());
    const int xElement = 2 + pRow->GetSeg(0)->m_nWidth + 3;
    {
        CTestUi ui;
        ui.OnDialog(IDD_FRAMESTR, [](CTestDlg& d) { d.Cancel(); });
        edit.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(xElement, 5));
        EXPECT_EQ(1, ui.GetDialogsOpened());
        EXPECT_EQ(1, edit.m_nCaretCol);
    }
    EXPECT_EQ("", m_host.Take());
    // On the text, past the end and below the rows: the parent hears of it.
    edit.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 5));
    EXPECT_EQ("dblclk", m_host.Take());
    edit.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(390, 5));
    EXPECT_EQ("dblclk", m_host.Take());
    edit.m_nCaretCol = 1;
    {
        CHeldKeys ctrl({VK_CONTROL});
        CTestUi ui;
        ui.OnDialog(IDD_FRAMESTR, [](CTestDlg& d) { d.Cancel(); });
        edit.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_EQ(1, ui.GetDialogsOpened());
    }
    EXPECT_EQ("", m_host.Take());
}

TEST_F(GlyphworkEditNotation, ContextMenuHoldsTheInsertionCommands)
{
    CGlyphworkEdit& edit = Open("xy");
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_EDITMENU));
    HMENU hEdit = ::GetSubMenu(menu.m_hMenu, 0);
    ASSERT_NE(nullptr, hEdit);
    HMENU hInsert = ::GetSubMenu(hEdit, 3);
    ASSERT_NE(nullptr, hInsert);
    const UINT ids[] = {ID_EDIT_SYMBOL,       0,
                        ID_EDIT_TOLERANCE,    ID_EDIT_GPTOL,
                        ID_EDIT_COARSENESS,   ID_EDIT_FRACTION,
                        ID_EDIT_SUPSUBSCRIPT, ID_EDIT_FRAMESTR,
                        ID_EDIT_CUSTOMDRAW,   ID_EDIT_CIRCLESTR};
    ASSERT_EQ(static_cast<int>(std::size(ids)), ::GetMenuItemCount(hInsert));
    for (int i = 0; i < static_cast<int>(std::size(ids)); i++)
        EXPECT_EQ(ids[i], ::GetMenuItemID(hInsert, i)) << i;
    char sz[64] = "";
    ::GetMenuStringA(hEdit, 3, sz, sizeof(sz), MF_BYPOSITION);
    EXPECT_STREQ("插入[&Insert]", sz);
    EXPECT_EQ(ID_EDIT_CUTEX, ::GetMenuItemID(hEdit, 4));
    char szAlign[32] = "";
    ::LoadStringA(CFxResMgr::FindModule("Markwell.dll"), IDS_ALIGNFORMAT, szAlign, sizeof(szAlign));
    EXPECT_STREQ("对齐方式", szAlign);
    (void)edit;
}

TEST_F(GlyphworkEditNotation, WorkDirComesFromCappThenPdm)
{
    CGlyphworkEdit& edit = Open("");
    {
        CWorkDirValue pdm(kPdmKey, "C:\\Pdm");
        CTestUi ui;
        CString strDir;
        EXPECT_TRUE(edit.GetWorkDir(strDir));
        EXPECT_STREQ(BundledWorkDir(), strDir);
        CWorkDirValue capp(kCappKey, nullptr);
        EXPECT_TRUE(edit.GetWorkDir(strDir));
        EXPECT_STREQ("C:\\Pdm", strDir);
    }
    CTestUi ui;
    CWorkDirValue capp(kCappKey, nullptr);
    CString strDir;
    EXPECT_FALSE(edit.GetWorkDir(strDir));
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_STREQ("没有找到CAPP或PDM的工作目录!", ui.GetBoxes()[0].strText);
    EXPECT_STREQ("系统提示", ui.GetBoxes()[0].strCaption);
}

TEST_F(GlyphworkEditNotation, PictureOfACellWithOneElementOfEachKind)
{
    CGlyphworkEdit& edit = Open("");
    ::SetWindowPos(edit.GetSafeHwnd(), nullptr, 0, 0, 440, 40, SWP_NOMOVE | SWP_NOZORDER);
    for (const NewCase& c : newCases) {
        if (c.nCommand == ID_EDIT_CIRCLESTR && std::string(c.szName).find("GBK") == std::string::npos)
            continue;
        CTestUi ui;
        ui.OnDialog(c.nDialog, c.fnAnswer);
        edit.RunCommand(c.nCommand);
    }
    EXPECT_EQ(8, static_cast<CGlyphworkEditRow*>(edit.m_listEditRow.GetHead())->GetSegCount()) << Text();
    EXPECT_TRUE(SaveWindowPicture(edit.GetSafeHwnd(), "notation-cell-each-kind.png"));
}

namespace
{
struct MenuSeen
{
    bool bShown = false;
    UINT nUndoState = 0;
    UINT nPasteState = 0;
    UINT nFirstID = 0;
    int nItems = 0;
    const char* pszPicture = nullptr;
};
MenuSeen g_menuSeen;

// Runs inside the menu's modal loop: looks at the shown pop-up, pictures it and closes it.
void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    FxCallbackEntry("LookAtMenu", FALSE, [&]() -> BOOL {
        HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
        if (hMenuWnd == nullptr) {
            return FALSE;
        }
        ::KillTimer(nullptr, nTimer);
        auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
        g_menuSeen.bShown = true;
        g_menuSeen.nItems = ::GetMenuItemCount(hMenu);
        g_menuSeen.nFirstID = ::GetMenuItemID(hMenu, 0);
        g_menuSeen.nUndoState = ::GetMenuState(hMenu, ID_EDIT_UNDOEX, MF_BYCOMMAND);
        g_menuSeen.nPasteState = ::GetMenuState(hMenu, ID_EDIT_PASTEEX, MF_BYCOMMAND);
        SaveWindowPicture(hMenuWnd, g_menuSeen.pszPicture);
        ::EndMenu();
        return TRUE;
    });
}

MenuSeen ShowMenu(CGlyphworkEdit& edit, const char* pszPicture)
{
    g_menuSeen = MenuSeen();
    g_menuSeen.pszPicture = pszPicture;
    ::SetTimer(nullptr, 0, 50, LookAtMenu);
    edit.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 10));
    return g_menuSeen;
}
} // namespace

TEST_F(GlyphworkEditNotation, ContextMenuPictureAndReadOnlyMenu)
{
    CGlyphworkEdit& edit = Open("xy<R>A1</R>");
    MenuSeen seen = ShowMenu(edit, "notation-context-menu.png");
    ASSERT_TRUE(seen.bShown);
    EXPECT_EQ(ID_EDIT_UNDOEX, seen.nFirstID);
    EXPECT_EQ(10, seen.nItems);
    EXPECT_TRUE(seen.nUndoState & MF_GRAYED); // nothing to undo yet
    edit.DestroyWindow();

    CGlyphworkEdit& edit2 = Open("xy", CGlyphworkEdit::styleReadOnly);
    seen = ShowMenu(edit2, "notation-context-menu-readonly.png");
    ASSERT_TRUE(seen.bShown);
    EXPECT_EQ(1, seen.nItems);
    EXPECT_EQ(static_cast<UINT>(ID_EDIT_NULL), seen.nFirstID);
}
