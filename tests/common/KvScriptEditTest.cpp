#include <gtest/gtest.h>

#include <string>

#include "KvTestHost.h"
#include "common/KvScriptEdit.h"
#include "support/UiDriver.h"
#include "tests/common/res/kvtest_resource.h"

namespace
{
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kBlack = RGB(0, 0, 0);

class KvScriptEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Open());
        ASSERT_NE(nullptr, CKvScriptEdit::GetWindowClass());
        RECT rc{};
        m_host.GetClientRect(&rc);
        ASSERT_TRUE(m_edit.CreateEx(0, CKvScriptEdit::GetWindowClass(), "",
                                    WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                                    4, 4, rc.right - 8, rc.bottom - 8, m_host.m_hWnd, reinterpret_cast<HMENU>(3001)));
        m_edit.Initialize();
        m_edit.SetSLComment('\'', 0);
        m_edit.AddKeywords("Dim If");
    }

    void Type(const char* psz)
    {
        for (const unsigned char* p = reinterpret_cast<const unsigned char*>(psz); *p != 0; ++p) {
            if (*p == '\r') {
                m_edit.SendMessage(WM_KEYDOWN, VK_RETURN, 1);
            } else {
                m_edit.SendMessage(WM_CHAR, *p, 1);
            }
        }
    }

    std::string Text()
    {
        char sz[256] = {};
        ::GetWindowTextA(m_edit.m_hWnd, sz, sizeof sz);
        return sz;
    }

    int LineStart(int nLine) { return static_cast<int>(m_edit.SendMessage(EM_LINEINDEX, nLine)); }

    // Colour and boldness of the character at a position of the control.
    COLORREF ColorAt(int nPos, BOOL* pBold = nullptr)
    {
        CHARRANGE range{nPos, nPos + 1};
        m_edit.SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMATA cf{};
        cf.cbSize = sizeof cf;
        m_edit.SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        if (pBold != nullptr) {
            *pBold = (cf.dwEffects & CFE_BOLD) != 0;
        }
        return (cf.dwEffects & CFE_AUTOCOLOR) != 0 ? ::GetSysColor(COLOR_WINDOWTEXT) : cf.crTextColor;
    }

    // One expected colour per position: k keyword, n number, s string, c comment, . default.
    void ExpectColors(int nStart, const char* pszPattern)
    {
        for (int i = 0; pszPattern[i] != 0; ++i) {
            const char c = pszPattern[i];
            const COLORREF cr = c == 'k' ? kBlue : c == 'n' || c == 's' ? kMagenta : c == 'c' ? kGreen : kBlack;
            EXPECT_EQ(cr, ColorAt(nStart + i)) << "position " << nStart + i << " '" << c << "'";
        }
    }

    CKvTestHost m_host{IDD_KVTEST_LISTEX};
    CKvScriptEdit m_edit;
};
} // namespace

TEST_F(KvScriptEditTest, TypingColoursKeywordsNumbersCommentsAndStrings)
{
    m_edit.SetFocus();
    Type("dim a = 12.5 ' note");
    Type("\r");
    Type("\"abc");
    EXPECT_EQ("Dim a = 12.5 ' note\r\n\"abc", Text());
    // Before the colour checks, which select characters.
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "script-edit-typed.png"));
    //            Dim a = 12.5 ' note
    ExpectColors(0, "kkk.....nn.n.ccccccc");
    ExpectColors(LineStart(1), "ssss");
}

TEST_F(KvScriptEditTest, UnterminatedStringEndsWithItsLine)
{
    m_edit.SetWindowText("s = \"abc\r1 If\r\"x\" 2");
    ExpectColors(0, "....ssss");
    ExpectColors(LineStart(1), "n.kk");
    ExpectColors(LineStart(2), "sss.n");
}

// A double-byte character is one position of the control: the colours stay on their characters.
TEST_F(KvScriptEditTest, ChineseTextKeepsColourBoundaries)
{
    m_edit.SetWindowText("x = \"中文字\" + 12 ' 注释If");
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "script-edit-chinese.png"));
    //                    x = "中文字" + 12 ' 注释If
    ExpectColors(0, "....sssss...nn.ccccc");
}

TEST_F(KvScriptEditTest, SensitivityControlsLookupAndRewriting)
{
    m_edit.AddConstants("True");
    m_edit.SetWindowText("dim TRUE if");
    EXPECT_EQ("Dim True If", Text());
    BOOL bBold = FALSE;
    EXPECT_EQ(kBlack, ColorAt(4, &bBold));
    EXPECT_TRUE(bBold);
    ExpectColors(9, "kk");

    m_edit.SetSensitive(FALSE);
    m_edit.SetWindowText("dim Dim");
    EXPECT_EQ("dim Dim", Text());
    ExpectColors(0, "....kkk");

    m_edit.SetSensitive(TRUE);
    m_edit.SetTextChange(FALSE);
    m_edit.SetWindowText("dim");
    EXPECT_EQ("dim", Text());
    ExpectColors(0, "kkk");

    m_edit.ClearKeywords();
    m_edit.SetWindowText("Dim");
    ExpectColors(0, "...");
}

TEST_F(KvScriptEditTest, AsksForAllKeysAndTypesTabs)
{
    EXPECT_EQ(DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB, m_edit.SendMessage(WM_GETDLGCODE));
    m_edit.SetFocus();
    Type("a\tb");
    EXPECT_EQ("a\tb", Text());
}

// Every line a paste or replacement brings is coloured, not only the one the caret ends on; the
// platform's rich edit may announce no protected change at all (Wine's does not).
TEST_F(KvScriptEditTest, EditsOfSeveralLinesColourEveryLine)
{
    struct Case
    {
        const char* szName;
        const char* pszStart;
        void (*edit)(CWnd& wnd);
    };
    const Case cases[] = {
        {"replaced selection", "x",
         [](CWnd& wnd) {
             wnd.SendMessage(EM_SETSEL, 0, 1);
             wnd.SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("dim a\rif 1"));
         }},
        {"cut and pasted back", "dim a\rif 1",
         [](CWnd& wnd) {
             wnd.SendMessage(EM_SETSEL, 0, 10);
             wnd.SendMessage(WM_CUT);
             wnd.SendMessage(WM_PASTE);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        // Unformatted at first: sensitive off leaves the lower-case words alone and uncoloured.
        m_edit.SetSensitive(FALSE);
        m_edit.SetWindowText(c.pszStart);
        m_edit.SetSensitive(TRUE);
        c.edit(m_edit);
        EXPECT_EQ("Dim a\r\nIf 1", Text());
        ExpectColors(0, "kkk..");
        ExpectColors(LineStart(1), "kk.n");
    }
}
