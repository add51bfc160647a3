#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/win/Menu.h"
#include "symbols/DlgFrameStr.h"
#include "symbols/InputGroupNameDlg.h"
#include "symbols/SymbolDlg.h"
#include "symbols/SymbolGroup.h"
#include "symbols/res/resource.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

namespace
{
// A work directory with an "Ini\Symbol.dat" of the given text.
class SymbolWorkDir
{
public:
    explicit SymbolWorkDir(const std::string& strIni)
    {
        CreateDirectoryA(m_folder.PathOf("Ini"), nullptr);
        Write(strIni);
    }
    CString Dir() const { return m_folder.GetPath(); }
    CString File() const { return m_folder.PathOf("Ini\\Symbol.dat"); }
    void Write(const std::string& strIni) const
    {
        FILE* f = std::fopen(File(), "wb");
        ASSERT_NE(nullptr, f);
        std::fwrite(strIni.data(), 1, strIni.size(), f);
        std::fclose(f);
    }
    std::string Read() const
    {
        std::string str;
        FILE* f = std::fopen(File(), "rb");
        if (f == nullptr)
            return str;
        char buf[4096];
        size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0)
            str.append(buf, n);
        std::fclose(f);
        return str;
    }

private:
    CTestTempFolder m_folder;
};

const char kThreeGroups[] = "[COMM]\r\nGroupCount=3\r\n"
                            "[Group0]\r\nGroupName= 希腊 \r\nData=α;;β\r\n"
                            "[Group1]\r\nGroupName=  \r\nData=x;\r\n"
                            "[Group2]\r\nGroupName=箭头\r\nData=→;←;↑;\r\n";

CSymbolDlg* Dlg(CTestDlg& d)
{
    return static_cast<CSymbolDlg*>(d.GetDialog());
}

void SelectGroup(CTestDlg& d, int nIndex)
{
    HWND hList = d.Item(IDC_SYMBOL_GROUPS);
    SendMessageA(hList, LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    SendMessageA(d.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_SYMBOL_GROUPS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hList));
}

int GroupCount(CTestDlg& d)
{
    return static_cast<int>(SendMessageA(d.Item(IDC_SYMBOL_GROUPS), LB_GETCOUNT, 0, 0));
}

// A left click as the user makes it on character button k.
void ClickSymbol(CTestDlg& d, int k)
{
    HWND hButton = d.Item(IDC_SYMBOL_BN0 + k);
    SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

// The "设置" command of button k's menu, answered in the character-input dialog.
void SetSymbolChar(CTestUi& ui, CTestDlg& d, int k, const char* pszChar)
{
    ui.OnDialog(IDD_INPUTCHAR, [pszChar](CTestDlg& input) {
        input.SetText(IDC_CHAR_TEXT, pszChar);
        input.Ok();
    });
    SendMessageA(d.Item(IDC_SYMBOL_BN0 + k), WM_COMMAND, ID_SYMBOLBN_SET, 0);
}

std::string Items(const CSymbolGroup* pGroup)
{
    std::string str;
    for (INT_PTR i = 0; pGroup != nullptr && i < pGroup->m_arrItem.GetSize(); ++i)
        str += std::string(pGroup->m_arrItem.GetAt(i)) + "|";
    return str;
}
} // namespace

TEST(SymbolDataTest, LoadSplitsItemsAndSaveDropsTheEmptyOnes)
{
    SymbolWorkDir dir(kThreeGroups);
    CSymbolData data;
    ASSERT_EQ(1, data.LoadData(dir.File()));
    ASSERT_EQ(2, data.m_listGroup.GetCount()); // the blank name skips its section
    EXPECT_EQ("α||β|", Items(data.GetSymbolGroup("希腊")));
    EXPECT_EQ("→|←|↑|", Items(data.GetSymbolGroup("箭头")));
    EXPECT_EQ(nullptr, data.GetSymbolGroup(" 希腊 "));
    EXPECT_EQ(nullptr, data.FindSymbolGroup("箭"));
    EXPECT_NE(nullptr, data.FindSymbolGroup("箭头"));

    ASSERT_EQ(1, data.SaveData());
    CSymbolData reread;
    ASSERT_EQ(1, reread.LoadData(dir.File()));
    ASSERT_EQ(2, reread.m_listGroup.GetCount());
    EXPECT_EQ("α|β|", Items(reread.GetSymbolGroup("希腊")));
    EXPECT_EQ("→|←|↑|", Items(reread.GetSymbolGroup("箭头")));
    char szData[64] = {};
    GetPrivateProfileStringA("Group0", "Data", "", szData, sizeof(szData), dir.File());
    EXPECT_STREQ("α;β;", szData);
    // A section beyond the new count stays in the file.
    GetPrivateProfileStringA("Group2", "GroupName", "", szData, sizeof(szData), dir.File());
    EXPECT_STREQ("箭头", szData);
}

TEST(SymbolDataTest, FilesWithoutGroupsLoadNothing)
{
    struct Case
    {
        const char* szName;
        const char* szIni; // null: no file
    };
    const Case cases[] = {
        {"no file", nullptr},
        {"no count", "[Group0]\r\nGroupName=a\r\nData=b;\r\n"},
        {"count 0", "[COMM]\r\nGroupCount=0\r\n[Group0]\r\nGroupName=a\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        SymbolWorkDir dir(c.szIni != nullptr ? c.szIni : "");
        if (c.szIni == nullptr)
            DeleteFileA(dir.File());
        CSymbolData data;
        auto* pOld = new CSymbolGroup;
        data.m_listGroup.AddTail(pOld);
        EXPECT_EQ(0, data.LoadData(dir.File()));
        EXPECT_EQ(0, data.m_listGroup.GetCount());
        EXPECT_STREQ(dir.File(), data.m_strFileName);
    }
}

// A value longer than the first buffer is read whole, so saving it writes it back whole.
TEST(SymbolDataTest, LongDataIsNeitherCutNorWrittenBackCut)
{
    std::string strData;
    for (int i = 0; i < 700; ++i)
        strData += (i % 2 == 0) ? "α;" : "β;";
    SymbolWorkDir dir("[COMM]\r\nGroupCount=1\r\n[Group0]\r\nGroupName=长\r\nData=" + strData + "\r\n");
    CSymbolData data;
    ASSERT_EQ(1, data.LoadData(dir.File()));
    CSymbolGroup* pGroup = data.GetSymbolGroup("长");
    ASSERT_NE(nullptr, pGroup);
    ASSERT_EQ(700, pGroup->m_arrItem.GetSize());
    EXPECT_STREQ("β", pGroup->m_arrItem.GetAt(699));
    ASSERT_EQ(1, data.SaveData());
    EXPECT_NE(std::string::npos, dir.Read().find("Data=" + strData + "\r\n"));
    EXPECT_STREQ(strData.c_str(), CSymbolData::ReadProfileText("Group0", "Data", dir.File()));
}

// A file that cannot be written is not reported as saved.
TEST(SymbolDataTest, SaveIntoAMissingFolderFails)
{
    CTestTempFolder folder;
    CSymbolData data;
    data.m_strFileName = folder.PathOf("missing\\Symbol.dat");
    auto* pGroup = new CSymbolGroup;
    pGroup->m_strName = "箭头";
    pGroup->m_arrItem.Add("→");
    data.m_listGroup.AddTail(pGroup);
    EXPECT_EQ(0, data.SaveData());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(data.m_strFileName));
}

TEST(SymbolDlgTest, BundledGroupsLoadAndAPickEndsThePalette)
{
    SymbolWorkDir dir("");
    ASSERT_TRUE(CopyFileA(TestDataPath("..\\..\\..\\samples\\workdir\\Ini\\Symbol.dat"), dir.File(), FALSE));
    std::string strBefore = dir.Read();
    CTestUi ui;
    CSymbolDlg dlg;
    dlg.SetSymbolDataFile(dir.Dir());
    EXPECT_STREQ(dir.File(), dlg.m_strFileName);
    ui.OnDialog(IDD_SYMBOL, [&](CTestDlg& d) {
        EXPECT_STREQ("我的符号库", d.GetCaption());
        EXPECT_NE(0, SendMessageA(d.GetHwnd(), WM_GETICON, ICON_BIG, 0));
        EXPECT_NE(0, SendMessageA(d.GetHwnd(), WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ(7, GroupCount(d));
        EXPECT_EQ(0, SendMessageA(d.Item(IDC_SYMBOL_GROUPS), LB_GETCURSEL, 0, 0));
        EXPECT_STREQ("α", Dlg(d)->m_btnSymbol[0].m_strText);
        EXPECT_STREQ("τ", Dlg(d)->m_btnSymbol[15].m_strText);
        EXPECT_TRUE(d.IsEnabled(IDC_SYMBOL_DELETE));
        SelectGroup(d, 5);
        EXPECT_STREQ("①", d.GetText(IDC_SYMBOL_BN0));
        EXPECT_STREQ("⑩", d.GetText(IDC_SYMBOL_BN0 + 9));
        EXPECT_STREQ("", d.GetText(IDC_SYMBOL_BN0 + 10));
        EXPECT_TRUE(d.IsEnabled(IDC_SYMBOL_BN0 + 15));
        // A click on a button without a character returns nothing.
        ClickSymbol(d, 12);
        EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
        ClickSymbol(d, 2);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("③", dlg.m_strSymbol);
    EXPECT_FALSE(dlg.m_bModified);
    EXPECT_EQ(strBefore, dir.Read()); // nothing changed, nothing written
}

TEST(SymbolDlgTest, CharacterSetOnAButtonIsSavedAndReadBack)
{
    SymbolWorkDir dir(kThreeGroups);
    CTestUi ui;
    CSymbolDlg dlg;
    dlg.SetSymbolDataFile(dir.Dir() + "\\");
    ui.OnDialog(IDD_SYMBOL, [&](CTestDlg& d) {
        ASSERT_EQ(2, GroupCount(d));
        SelectGroup(d, 1);
        EXPECT_STREQ("↑", d.GetText(IDC_SYMBOL_BN0 + 2));
        // The eleventh button of a group of three: the group grows to eleven items.
        SetSymbolChar(ui, d, 10, "◆");
        EXPECT_STREQ("◆", Dlg(d)->m_btnSymbol[10].m_strText);
        EXPECT_FALSE(Dlg(d)->m_btnSymbol[10].m_bChanged);
        EXPECT_TRUE(Dlg(d)->m_bModified);
        EXPECT_EQ("→|←|↑||||||||◆|", Items(Dlg(d)->m_SymbolData.GetSymbolGroup("箭头")));
        // An existing character replaced.
        SetSymbolChar(ui, d, 1, "※");
        ui.OnDialog(IDD_INPUTCHAR, [](CTestDlg& input) {
            EXPECT_STREQ("→", input.GetText(IDC_CHAR_TEXT));
            input.Cancel();
        });
        SendMessageA(d.Item(IDC_SYMBOL_BN0), WM_COMMAND, ID_SYMBOLBN_SET, 0);
        EXPECT_STREQ("→", Dlg(d)->m_btnSymbol[0].m_strText);
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("", dlg.m_strSymbol);
    CSymbolData reread;
    ASSERT_EQ(1, reread.LoadData(dir.File()));
    EXPECT_EQ("→|※|↑|◆|", Items(reread.GetSymbolGroup("箭头")));
    EXPECT_EQ("α|β|", Items(reread.GetSymbolGroup("希腊")));
}

TEST(SymbolDlgTest, AddingAndDeletingGroupsIsSaved)
{
    SymbolWorkDir dir(kThreeGroups);
    CTestUi ui;
    CSymbolDlg dlg;
    dlg.SetSymbolDataFile(dir.Dir());
    ui.OnDialog(IDD_SYMBOL, [&](CTestDlg& d) {
        ui.OnDialog(IDD_INPUTGROUPNAME, [](CTestDlg& input) {
            EXPECT_EQ(2, static_cast<CInputGroupNameDlg*>(input.GetDialog())->m_arrGroupName.GetSize());
            input.SetText(IDC_GROUP_NAME, "箭头");
            input.Ok(); // refused: the name exists
            input.SetText(IDC_GROUP_NAME, "单位");
            input.Ok();
        });
        d.Click(IDC_SYMBOL_ADD);
        EXPECT_EQ(3, GroupCount(d));
        EXPECT_EQ(2, SendMessageA(d.Item(IDC_SYMBOL_GROUPS), LB_GETCURSEL, 0, 0));
        EXPECT_STREQ("", d.GetText(IDC_SYMBOL_BN0));
        EXPECT_TRUE(d.IsEnabled(IDC_SYMBOL_BN0));
        EXPECT_TRUE(Dlg(d)->m_bModified);
        SelectGroup(d, 0);
        d.Click(IDC_SYMBOL_DELETE);
        EXPECT_EQ(2, GroupCount(d));
        EXPECT_STREQ("→", d.GetText(IDC_SYMBOL_BN0)); // the first group left is shown
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    CSymbolData reread;
    ASSERT_EQ(1, reread.LoadData(dir.File()));
    ASSERT_EQ(2, reread.m_listGroup.GetCount());
    EXPECT_EQ(nullptr, reread.GetSymbolGroup("希腊"));
    EXPECT_NE(nullptr, reread.GetSymbolGroup("单位"));
    EXPECT_EQ("", Items(reread.GetSymbolGroup("单位")));

    // Deleting every group disables the buttons; Cancel keeps the file.
    std::string strSaved = dir.Read();
    CSymbolDlg dlgAgain;
    dlgAgain.SetSymbolDataFile(dir.Dir());
    ui.OnDialog(IDD_SYMBOL, [&](CTestDlg& d) {
        d.Click(IDC_SYMBOL_DELETE);
        d.Click(IDC_SYMBOL_DELETE);
        EXPECT_EQ(0, GroupCount(d));
        EXPECT_FALSE(d.IsEnabled(IDC_SYMBOL_DELETE));
        for (int k = 0; k < CSymbolDlg::nSymbolBns; ++k)
            EXPECT_FALSE(d.IsEnabled(IDC_SYMBOL_BN0 + k)) << k;
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlgAgain.DoModal());
    EXPECT_EQ(strSaved, dir.Read());
}

TEST(SymbolDlgTest, SixteenOfTwentyItemsShownAllKept)
{
    std::string strData;
    const char* const letters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j",
                                   "k", "l", "m", "n", "o", "p", "q", "r", "s", "t"};
    for (const char* psz : letters)
        strData += std::string(psz) + ";";
    SymbolWorkDir dir("[COMM]\r\nGroupCount=1\r\n[Group0]\r\nGroupName=字母\r\nData=" + strData + "\r\n");
    CTestUi ui;
    CSymbolDlg dlg;
    dlg.SetSymbolDataFile(dir.Dir());
    ui.OnDialog(IDD_SYMBOL, [&](CTestDlg& d) {
        EXPECT_STREQ("p", d.GetText(IDC_SYMBOL_BN0 + 15));
        SetSymbolChar(ui, d, 0, "A");
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    CSymbolData reread;
    ASSERT_EQ(1, reread.LoadData(dir.File()));
    EXPECT_EQ("A|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|r|s|t|", Items(reread.GetSymbolGroup("字母")));
}

TEST(SymbolDlgTest, ButtonsHoverPressAndForgetOtherPresses)
{
    SymbolWorkDir dir(kThreeGroups);
    CTestUi ui;
    CSymbolDlg dlg;
    dlg.SetSymbolDataFile(dir.Dir());
    ui.OnDialog(IDD_SYMBOL, [&](CTestDlg& d) {
        CSymbolBn* buttons = Dlg(d)->m_btnSymbol;
        HWND hFirst = d.Item(IDC_SYMBOL_BN0);
        SendMessageA(hFirst, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_TRUE(buttons[0].m_bHover);
        EXPECT_EQ(hFirst, GetCapture());
        SendMessageA(hFirst, WM_MOUSEMOVE, 0, MAKELPARAM(-5, 3));
        EXPECT_FALSE(buttons[0].m_bHover);
        EXPECT_EQ(nullptr, GetCapture());
        // A press on an empty button sets nothing.
        SendMessageA(d.Item(IDC_SYMBOL_BN0 + 1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_FALSE(buttons[1].m_bPressed);
        SendMessageA(d.Item(IDC_SYMBOL_BN0 + 1), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        // A press, then a press on another button: only the last stays pressed.
        SendMessageA(hFirst, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_TRUE(buttons[0].m_bPressed);
        SendMessageA(hFirst, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 3));
        EXPECT_TRUE(buttons[0].m_bPressed); // moves are ignored while pressed
        SendMessageA(d.Item(IDC_SYMBOL_BN0 + 2), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_FALSE(buttons[0].m_bPressed);
        EXPECT_TRUE(buttons[2].m_bPressed);
        SendMessageA(d.Item(IDC_SYMBOL_BN0 + 2), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("β", dlg.m_strSymbol);
}

// The right press shows the button's menu; its "设置" item, chosen here with the keys the menu
// reads, sets the character. A timer ends the menu should the keys not reach it.
TEST(SymbolDlgTest, RightPressMenuSetsTheCharacter)
{
    SymbolWorkDir dir(kThreeGroups);
    CTestUi ui;
    CSymbolDlg dlg;
    dlg.SetSymbolDataFile(dir.Dir());
    ui.OnDialog(IDD_SYMBOL, [&](CTestDlg& d) {
        CSymbolBn& button = Dlg(d)->m_btnSymbol[1];
        HWND hButton = d.Item(IDC_SYMBOL_BN0 + 1);
        SendMessageA(hButton, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_TRUE(button.m_bHover);
        ui.OnDialog(IDD_INPUTCHAR, [](CTestDlg& input) {
            EXPECT_STREQ("", input.GetText(IDC_CHAR_TEXT));
            input.SetText(IDC_CHAR_TEXT, "※");
            input.Ok();
        });
        PostMessageA(hButton, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(hButton, WM_KEYDOWN, VK_RETURN, 0);
        UINT_PTR nTimer = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
        SendMessageA(hButton, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
        KillTimer(nullptr, nTimer);
        EXPECT_FALSE(button.m_bHover);
        // The menu posts its command to the button.
        MSG msg;
        while (PeekMessageA(&msg, hButton, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        EXPECT_STREQ("※", button.m_strText);
        EXPECT_TRUE(Dlg(d)->m_bModified);
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(SymbolBnTest, DrawsRaisedWhenHoveredAndSunkenWhenPressed)
{
    struct Case
    {
        const char* szName;
        int bHover;
        int bPressed;
        COLORREF crTopLeft;
        COLORREF crBottomRight;
    };
    const Case cases[] = {
        {"flat", FALSE, FALSE, RGB(0x80, 0x80, 0x80), RGB(0x80, 0x80, 0x80)},
        {"hovered", TRUE, FALSE, RGB(0xFF, 0xFF, 0xFF), RGB(0x40, 0x40, 0x40)},
        {"pressed", FALSE, TRUE, RGB(0x40, 0x40, 0x40), RGB(0xFF, 0xFF, 0xFF)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CSymbolBn button;
        button.SetText("Ω");
        button.m_bHover = c.bHover;
        button.m_bPressed = c.bPressed;
        CTestDib dib(40, 40, RGB(255, 0, 0));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.hDC = dib.DC().GetSafeHdc();
        SetRect(&dis.rcItem, 4, 4, 36, 36);
        button.DrawItem(&dis);
        EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(3, 3));
        EXPECT_EQ(c.crTopLeft, dib.Pixel(4, 20));
        EXPECT_EQ(c.crBottomRight, dib.Pixel(35, 20));
        EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), dib.Pixel(8, 8));
        EXPECT_GT(dib.CountInk(CRect(10, 10, 30, 30), RGB(0xC0, 0xC0, 0xC0)), 10);
    }
}

TEST(SymbolBnTest, MenuOffersTheSetCommand)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_SYMBOLBN));
    CMenu* pPopup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pPopup);
    ASSERT_EQ(1, pPopup->GetMenuItemCount());
    EXPECT_EQ(static_cast<UINT>(ID_SYMBOLBN_SET), pPopup->GetMenuItemID(0));
    CString strItem;
    pPopup->GetMenuString(ID_SYMBOLBN_SET, strItem, MF_BYCOMMAND);
    EXPECT_STREQ("设置", strItem);
}

TEST(DlgFrameStrTest, PaletteCharacterIsAppendedToTheText)
{
    SymbolWorkDir dir(kThreeGroups);
    CTestUi ui;
    CDlgFrameStr dlg;
    dlg.m_strSymbolDataFile = dir.Dir();
    ui.OnDialog(IDD_FRAMESTR, [&](CTestDlg& d) {
        EXPECT_TRUE(d.IsEnabled(IDC_FRAMESTR_PALETTE));
        d.SetText(IDC_FRAMESTR_TEXT, "AB");
        d.Click(IDC_FRAMESTR_PALETTE);
        EXPECT_STREQ("ABβ", d.GetText(IDC_FRAMESTR_TEXT));
        d.Click(IDC_FRAMESTR_PALETTE);
        EXPECT_STREQ("ABβ", d.GetText(IDC_FRAMESTR_TEXT));
        d.Ok();
    });
    ui.OnDialog(IDD_SYMBOL, [](CTestDlg& d) { ClickSymbol(d, 2); });
    ui.OnDialog(IDD_SYMBOL, [](CTestDlg& d) { d.Cancel(); });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("ABβ", dlg.m_strText);
}
