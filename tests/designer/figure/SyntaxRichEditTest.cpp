// The colouring rich edit on a real rich-edit window: its set-up, the keyword lists, the tokens
// and their styles, case fixing, and recolouring after typing, Backspace, Delete, cut and paste.
#include <gtest/gtest.h>

#include <string>

#include "designer/figure/SgeInputDlg.h"
#include "designer/figure/SyntaxRichEdit.h"
#include "platform/frame/FrameWnd.h"
#include "tests/support/TestClipboard.h"

namespace
{
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);

// A frame holding the edit, set up as the figure editor sets it up.
class CEditHost
{
public:
    CEditHost()
    {
        CSyntaxRichEdit::LoadRichEdit();
        m_pFrame = new CFrameWnd;
        if (!m_pFrame->CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW, 0, 0, 500, 300, nullptr, nullptr)) {
            delete m_pFrame;
            m_pFrame = nullptr;
            return;
        }
        m_edit.CreateEx(0, RICHEDIT_CLASSA, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 0,
                        0, 480, 260, m_pFrame->m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1001)));
        m_edit.Initialize();
        m_edit.SetStringDelimiters("\"");
        m_edit.SetCommentChars('\'');
        for (const char* pszWord : CSgeInputDlg::s_aszFigureKeywords) {
            m_edit.AddKeyword1(pszWord);
        }
        for (const char* pszWord : {"RGB", "(", ")", "RGB(", "I", "F", "B", " "}) {
            m_edit.AddKeyword2(pszWord);
        }
        m_edit.SetCommentStyle(kGreen, FALSE, TRUE);
    }
    ~CEditHost()
    {
        if (m_pFrame != nullptr) {
            m_pFrame->DestroyWindow();
        }
    }
    CEditHost(const CEditHost&) = delete;
    CEditHost& operator=(const CEditHost&) = delete;

    bool IsReady() const { return m_pFrame != nullptr && m_edit.m_hWnd != nullptr; }

    std::string Text() const
    {
        char sz[512] = {};
        GETTEXTEX gt{};
        gt.cb = sizeof sz;
        gt.flags = GT_DEFAULT;
        gt.codepage = CP_ACP;
        m_edit.SendMessage(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(sz));
        return sz;
    }
    void Select(int nStart, int nEnd)
    {
        CHARRANGE chrg{nStart, nEnd};
        m_edit.SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chrg));
    }
    CHARFORMATA FormatAt(int nPos)
    {
        Select(nPos, nPos + 1);
        CHARFORMATA cf{};
        cf.cbSize = sizeof cf;
        m_edit.SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        return cf;
    }
    void Type(const char* psz)
    {
        for (; *psz != '\0'; ++psz) {
            m_edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*psz), 1);
        }
    }
    void Key(UINT nVirtKey)
    {
        m_edit.SendMessage(WM_KEYDOWN, nVirtKey, 1);
        m_edit.SendMessage(WM_KEYUP, nVirtKey, 0xC0000001);
    }

    CFrameWnd* m_pFrame = nullptr;
    CSyntaxRichEdit m_edit;
};

struct StyleAt
{
    int nPos;
    COLORREF cr;
    bool bBold;
    bool bItalic;
};

void ExpectStyles(CEditHost& host, std::initializer_list<StyleAt> styles)
{
    for (const StyleAt& s : styles) {
        SCOPED_TRACE("position " + std::to_string(s.nPos));
        const CHARFORMATA cf = host.FormatAt(s.nPos);
        EXPECT_EQ(s.cr, cf.crTextColor);
        EXPECT_EQ(s.bBold, (cf.dwEffects & CFE_BOLD) != 0);
        EXPECT_EQ(s.bItalic, (cf.dwEffects & CFE_ITALIC) != 0);
    }
}
} // namespace

TEST(SyntaxRichEditTest, SetUpGivesGbkCourierProtectedTextAndTabStops)
{
    CEditHost host;
    ASSERT_TRUE(host.IsReady());
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    host.m_edit.SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    EXPECT_EQ(GB2312_CHARSET, cf.bCharSet) << "the GBK set, not East European 238";
    EXPECT_STREQ("Courier New", cf.szFaceName);
    EXPECT_EQ(200, cf.yHeight);
    EXPECT_NE(0u, cf.dwEffects & CFE_PROTECTED);

    PARAFORMAT pf{};
    pf.cbSize = sizeof pf;
    host.m_edit.SendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    ASSERT_EQ(MAX_TAB_STOPS, pf.cTabCount);
    EXPECT_EQ(288, pf.rgxTabs[0]);
    EXPECT_EQ(288 * 32, pf.rgxTabs[31]);
    EXPECT_EQ(ENM_CHANGE | ENM_SELCHANGE | ENM_PROTECTED, host.m_edit.SendMessage(EM_GETEVENTMASK));
    EXPECT_EQ(DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB,
              host.m_edit.SendMessage(WM_GETDLGCODE));
}

TEST(SyntaxRichEditTest, FindsWholeWordsInEitherCase)
{
    CSyntaxRichEdit edit;
    edit.AddKeyword1("Line");
    edit.AddKeyword1("Arc[C]");
    edit.AddKeyword2("RGB");
    struct FindCase
    {
        const char* szName;
        int bIgnoreCase;
        const char* szWord;
        int nList;
        int nAt;
    };
    const FindCase cases[] = {
        {"first word", 1, "Line", 1, 0},           {"other case", 1, "LINE", 1, 0},
        {"word with brackets", 1, "arc[c]", 1, 5}, {"the start of a word", 1, "Lin", 1, -1},
        {"second list", 1, "rgb", 2, 0},           {"not in the other list", 1, "RGB", 1, -1},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.szName);
        edit.m_bIgnoreCase = c.bIgnoreCase;
        EXPECT_EQ(c.nAt, c.nList == 1 ? edit.FindKeyword1(c.szWord) : edit.FindKeyword2(c.szWord));
    }
    CSyntaxRichEdit exact;
    exact.m_bIgnoreCase = 0;
    exact.AddKeyword1("Line");
    EXPECT_EQ(0, exact.FindKeyword1("Line"));
    EXPECT_EQ(-1, exact.FindKeyword1("line")) << "case counts when not ignored";
}

TEST(SyntaxRichEditTest, ColoursTokensAndFixesTheCaseOfKeywords)
{
    CEditHost host;
    ASSERT_TRUE(host.IsReady());
    struct TokenCase
    {
        const char* szName;
        const char* szText;
        const char* szAfter; // the text once keywords have their list's spelling
        std::initializer_list<StyleAt> styles;
    };
    const TokenCase cases[] = {
        {"keyword in lower case, numbers, commas",
         "line 0,0,100,100",
         "Line 0,0,100,100",
         {{0, kBlue, false, false},
          {3, kBlue, false, false},
          {4, kBlack, false, false},
          {5, kMagenta, false, false},
          {6, kBlack, false, false},
          {11, kMagenta, false, false}}},
        {"a minus between names is plain, before a digit a number",
         "x-y -5",
         "x-y -5",
         {{1, kBlack, false, false}, {4, kMagenta, false, false}, {5, kMagenta, false, false}}},
        {"brackets belong to the keyword",
         "ARC[s] 1,2,3,4,5,6",
         "Arc[S] 1,2,3,4,5,6",
         {{3, kBlue, false, false}, {5, kBlue, false, false}, {6, kBlack, false, false}}},
        {"second list bold, its brackets too",
         "Line 0,0,1,1,rgb(1,2,3)",
         "Line 0,0,1,1,RGB(1,2,3)",
         {{13, kBlack, true, false}, {16, kBlack, true, false}, {17, kMagenta, false, false}}},
        {"a comment runs to the end of its line only",
         "' Line 1\rLine 2",
         "' Line 1\rLine 2",
         {{0, kGreen, false, true}, {2, kGreen, false, true}, {9, kBlue, false, false}}},
        {"an unterminated string runs to the end of its line",
         "Text \"ab,1\rline",
         "Text \"ab,1\rLine",
         {{5, kMagenta, false, false}, {9, kMagenta, false, false}, {11, kBlue, false, false}}},
        {"Chinese text counts one position a character",
         "Text \"零件\",1,2",
         "Text \"零件\",1,2",
         {{6, kMagenta, false, false},
          {8, kMagenta, false, false},
          {9, kBlack, false, false},
          {10, kMagenta, false, false}}},
        {"a style letter is a second-list word",
         "rectangle 0,0,5,5,b",
         "Rectangle 0,0,5,5,B",
         {{0, kBlue, false, false}, {18, kBlack, true, false}}},
        {"a word in no list is plain", "Lines 1", "Lines 1", {{0, kBlack, false, false}}},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(c.szName);
        host.m_edit.SetWindowText(c.szText);
        EXPECT_EQ(c.szAfter, host.Text());
        ExpectStyles(host, c.styles);
    }
}

TEST(SyntaxRichEditTest, RecoloursWhatTypingAndEditingChange)
{
    CEditHost host;
    ASSERT_TRUE(host.IsReady());

    host.Type("line 0,0,100,100");
    EXPECT_EQ("Line 0,0,100,100", host.Text()) << "typed in lower case, fixed to the list's spelling";
    ExpectStyles(host, {{0, kBlue, false, false}, {5, kMagenta, false, false}, {6, kBlack, false, false}});

    // A Tab is typed as a tab character.
    host.m_edit.SetWindowText("");
    host.Type("\tArc");
    EXPECT_EQ("\tArc", host.Text());

    struct EditCase
    {
        const char* szName;
        const char* szBefore;
        int nSelStart, nSelEnd;
        UINT nKey;     // a key pressed, or 0
        UINT nMessage; // a message sent, or 0
        const char* szClipboard;
        const char* szAfter;
        int nCheckAt;
        COLORREF cr;
    };
    const EditCase cases[] = {
        {"Backspace makes a keyword", "Lines 1", 5, 5, VK_BACK, 0, nullptr, "Line 1", 0, kBlue},
        {"Delete makes a keyword", "Lines 1", 4, 4, VK_DELETE, 0, nullptr, "Line 1", 0, kBlue},
        {"Backspace unmakes one", "Line 1", 4, 4, VK_BACK, 0, nullptr, "Lin 1", 0, kBlack},
        {"cut makes a keyword", "xLine 1", 0, 1, 0, WM_CUT, nullptr, "Line 1", 0, kBlue},
        {"paste colours what it brings", "1\r", 2, 2, 0, WM_PASTE, "circle 1,2,3", "1\rCircle 1,2,3", 2, kBlue},
        {"Enter splits a line and recolours", "Line 1Line 2", 6, 6, VK_RETURN, 0, nullptr, "Line 1\rLine 2", 7, kBlue},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.szName);
        host.m_edit.SetWindowText(c.szBefore);
        host.Select(c.nSelStart, c.nSelEnd);
        if (c.szClipboard != nullptr) {
            ASSERT_TRUE(TestPutClipboardText(nullptr, c.szClipboard));
        }
        if (c.nKey != 0) {
            host.Key(c.nKey);
        }
        if (c.nMessage != 0) {
            host.m_edit.SendMessage(c.nMessage);
        }
        EXPECT_EQ(c.szAfter, host.Text());
        EXPECT_EQ(c.cr, host.FormatAt(c.nCheckAt).crTextColor);
        EXPECT_EQ(CSyntaxRichEdit::changeNone, host.m_edit.GetChangeKind()) << "reset after every change";
    }
}

// Where the control announces changes itself (Windows does, for protected text), the kind comes
// from the announced message; a paste right after a cut is a drag move.
TEST(SyntaxRichEditTest, AnnouncedChangesRecordTheirKind)
{
    CEditHost host;
    ASSERT_TRUE(host.IsReady());
    auto announce = [&](UINT message, WPARAM wParam) {
        ENPROTECTED en{};
        en.nmhdr.hwndFrom = host.m_edit.m_hWnd;
        en.nmhdr.idFrom = 1001;
        en.nmhdr.code = EN_PROTECTED;
        en.msg = message;
        en.wParam = wParam;
        en.chrg = {0, 0};
        return host.m_pFrame->SendMessage(WM_NOTIFY, 1001, reinterpret_cast<LPARAM>(&en));
    };
    struct KindCase
    {
        const char* szName;
        UINT message;
        WPARAM wParam;
        int nKind;
    };
    const KindCase cases[] = {
        {"a character", WM_CHAR, 'a', CSyntaxRichEdit::changeChar},
        {"a replacement", EM_REPLACESEL, 0, CSyntaxRichEdit::changeChar},
        {"Backspace", WM_KEYDOWN, VK_BACK, CSyntaxRichEdit::changeBack},
        {"Delete", WM_KEYDOWN, VK_DELETE, CSyntaxRichEdit::changeDelete},
        {"another key", WM_KEYDOWN, VK_RETURN, CSyntaxRichEdit::changeOther},
        {"cut", WM_CUT, 0, CSyntaxRichEdit::changeCut},
        {"paste after the cut: a drag move", WM_PASTE, 0, CSyntaxRichEdit::changeDragMove},
        {"paste", WM_PASTE, 0, CSyntaxRichEdit::changePaste},
        {"anything else", WM_CLEAR, 0, CSyntaxRichEdit::changeOther},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(0, announce(c.message, c.wParam)) << "the change is always allowed";
        EXPECT_EQ(c.nKind, host.m_edit.GetChangeKind());
    }

    // The change notification then recolours and forgets the kind.
    host.m_edit.SetWindowText("line 1");
    announce(WM_CHAR, 'x');
    host.m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(1001, EN_CHANGE), reinterpret_cast<LPARAM>(host.m_edit.m_hWnd));
    EXPECT_EQ(CSyntaxRichEdit::changeNone, host.m_edit.GetChangeKind());
}
