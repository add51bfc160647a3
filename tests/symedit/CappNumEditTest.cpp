#include <gtest/gtest.h>

#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "EditHost.h"
#include "SongFont.h"
#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "support/PngFile.h"
#include "support/TestData.h"
#include "symedit/CappNumEdit.h"
#include "symedit/CappStaticTextCtl.h"

namespace
{
TEST(CappNumEditTest, DrawDataFitsOnlyWhenAsked)
{
    struct Case
    {
        const char* szName;
        int nFlags;
        LONG nHeight; // of the font drawn
        bool bNarrowed;
    };
    const Case cases[] = {
        {"as given", 0, -20, false},
        {"fit: positive height, narrowed", 0x2, 20, true},
        {"other bits do not fit", 0x4, -20, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestMetafile emf;
        CDC& dc = emf.DC();
        dc.SetTextColor(RGB(5, 5, 5));
        CRect rc(0, 0, 50, 30);
        CCappNumEdit::DrawData(&dc, rc, "123456.789", SongFont(-20), DT_RIGHT | DT_VCENTER, c.nFlags, RGB(255, 0, 0));
        EXPECT_EQ(RGB(5, 5, 5), dc.GetTextColor());
        std::vector<EmfTextCall> calls = emf.TextCalls();
        ASSERT_EQ(1u, calls.size()) << emf.Dump();
        EXPECT_EQ(L"123456.789", calls[0].text);
        EXPECT_EQ(c.nHeight, calls[0].font.lfHeight);
        EXPECT_EQ(c.bNarrowed, calls[0].font.lfWidth > 0);
        EXPECT_EQ(RGB(255, 0, 0), calls[0].crText);
        EXPECT_EQ(TRANSPARENT, calls[0].nBkMode);
    }
}

TEST(CappNumEditTest, GetTextAutoSizeNarrowsToTheWidestThatFits)
{
    CTestDib dib(10, 10);
    CDC& dc = dib.DC();
    struct Case
    {
        const char* szName;
        const char* szText;
        int nCellWidth;
        LONG nWidthGiven;
        bool bNarrowed;
    };
    const Case cases[] = {
        {"fits: the width stays 0", "12", 100, 0, false},
        {"fits: a given width stays", "12", 100, 7, false},
        {"too wide from width 0", "1234567.25", 40, 0, true},
        {"too wide from a given width", "1234567.25", 40, 9, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        LOGFONT lf = SongFont(-20);
        lf.lfWidth = c.nWidthGiven;
        CRect rc(0, 0, c.nCellWidth, 30);
        CCappNumEdit::GetTextAutoSize(&dc, rc, c.szText, lf);
        EXPECT_EQ(-20, lf.lfHeight);
        if (!c.bNarrowed) {
            EXPECT_EQ(c.nWidthGiven, lf.lfWidth);
            continue;
        }
        EXPECT_GT(lf.lfWidth, 1);
        EXPECT_LT(lf.lfWidth, c.nWidthGiven == 0 ? 10 : c.nWidthGiven);
        EXPECT_LE(CCappStaticTextCtl::GetWidth(&dc, lf, c.szText), c.nCellWidth);
        LOGFONT lfOneWider = lf;
        ++lfOneWider.lfWidth;
        EXPECT_GT(CCappStaticTextCtl::GetWidth(&dc, lfOneWider, c.szText), c.nCellWidth);
    }
}

TEST(CappNumEditTest, DrawDataIsOneLineOnThePixels)
{
    CTestDib dib(120, 40);
    CRect rc(10, 5, 110, 35);
    // A line feed does not break the line: DT_SINGLELINE is always added.
    CCappNumEdit::DrawData(&dib.DC(), rc, "12\n34", SongFont(-16), DT_CENTER | DT_VCENTER, 0, RGB(0, 0, 0));
    CRect rcInk = dib.InkBounds(CRect(0, 0, 120, 40));
    ASSERT_FALSE(rcInk.IsRectEmpty());
    EXPECT_LT(rcInk.Height(), 16);
    EXPECT_NEAR(rc.CenterPoint().y, rcInk.CenterPoint().y, 2);
    CCappNumEdit::DrawData(nullptr, rc, "1", SongFont(-16), 0, 0, RGB(0, 0, 0));
}

// Cell text is drawn transparent, and the caller's opaque mode and colours come back after it.
TEST(CappNumEditTest, DrawDataGivesBackgroundModeAndColoursBack)
{
    const struct
    {
        const char* szName;
        bool bStatic;
    } cases[] = {
        {"number cell", false},
        {"static text cell", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestDib dib(120, 40, RGB(200, 200, 200));
        CDC& dc = dib.DC();
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(0, 0, 255));
        dc.SetTextColor(RGB(1, 2, 3));
        CRect rc(10, 5, 110, 35);
        if (c.bStatic) {
            CCappStaticTextCtl::DrawData(&dc, rc, "12", 0, DT_LEFT, SongFont(-16), RGB(0, 0, 0));
        } else {
            CCappNumEdit::DrawData(&dc, rc, "12", SongFont(-16), DT_LEFT, 0, RGB(0, 0, 0));
        }
        // Transparent: no blue behind the glyphs.
        int nBlue = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x)
                nBlue += dib.Pixel(x, y) == RGB(0, 0, 255);
        EXPECT_EQ(0, nBlue);
        EXPECT_GT(dib.CountInk(rc, RGB(200, 200, 200)), 0);
        EXPECT_EQ(OPAQUE, dc.GetBkMode());
        EXPECT_EQ(RGB(0, 0, 255), dc.GetBkColor());
        EXPECT_EQ(RGB(1, 2, 3), dc.GetTextColor());
    }
}

// A few cells of a card drawn the way the sheet draws them, compared with a golden image.
TEST(CappNumEditTest, CellsMatchTheGoldenImage)
{
    CTestDib dib(330, 130);
    CDC& dc = dib.DC();
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOld = dc.SelectObject(&pen);
    const int xs[] = {5, 105, 145, 245, 325};
    const int ys[] = {5, 45, 125};
    for (int x : xs) {
        dc.MoveTo(x, ys[0]);
        dc.LineTo(x, ys[2]);
    }
    for (int y : ys) {
        dc.MoveTo(xs[0], y);
        dc.LineTo(xs[4] + 1, y);
    }
    // The second column is one cell two rows high.
    dc.FillSolidRect(xs[1] + 1, ys[1], xs[2] - xs[1] - 1, 1, RGB(255, 255, 255));
    dc.SelectObject(pOld);
    const LOGFONT lf = SongFont(-16);
    CCappStaticTextCtl::DrawData(&dc, CRect(6, 6, 105, 45), "产品型号", 0, DT_CENTER | DT_VCENTER, lf, RGB(0, 0, 0));
    CCappStaticTextCtl::DrawData(&dc, CRect(106, 6, 145, 125), "工序名称", CCappStaticTextCtl::modeVertical,
                                 DT_CENTER | DT_VCENTER, lf, RGB(0, 0, 0));
    CCappStaticTextCtl::DrawData(&dc, CRect(146, 6, 245, 45), "机械加工工序卡片", 0, DT_CENTER | DT_VCENTER, lf,
                                 RGB(0, 0, 160));
    CCappStaticTextCtl::DrawData(&dc, CRect(6, 46, 105, 125), "零件图号\r\n材料牌号\r\n毛坯种类", 0,
                                 DT_LEFT | DT_BOTTOM, lf, RGB(0, 0, 0));
    CCappNumEdit::DrawData(&dc, CRect(246, 6, 325, 45), "1234567.25", lf, DT_RIGHT | DT_VCENTER, 0x2, RGB(160, 0, 0));
    CCappNumEdit::DrawData(&dc, CRect(146, 46, 245, 125), "45", lf, DT_CENTER | DT_VCENTER, 0, RGB(0, 0, 0));

    std::string path = TestImagePath("static-text-cells.png");
    ASSERT_TRUE(SavePng(path.c_str(), dib.Bits(), dib.Width(), dib.Height()));
    PngImage golden;
    ASSERT_TRUE(LoadPng(TestDataPath("static-text-cells.png"), golden)) << "reference picture missing";
    EXPECT_EQ(0, CountDifferentPixels(golden, dib.Bits(), dib.Width(), dib.Height())) << "drawn: " << path;
}
} // namespace

namespace
{
class CappNumEditWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr)
            m_pEdit->DestroyWindow(); // deletes the edit
        m_host.DestroyWindow();
    }
    CCappNumEdit& Open(const char* pszText)
    {
        CRect rc(10, 10, 210, 34);
        m_pEdit = new CCappNumEdit(&m_host, rc, SongFont(-16), 100, pszText, 0, 0, 1.0f, CPoint(0, 0));
        EXPECT_TRUE(m_pEdit->IsCreateed());
        m_host.Take();
        return *m_pEdit;
    }
    CString Text()
    {
        CString s;
        m_pEdit->GetData(s);
        return s;
    }
    void Type(const char* psz)
    {
        for (; *psz != '\0'; psz++)
            m_pEdit->SendMessage(WM_CHAR, static_cast<BYTE>(*psz), 1);
    }

    CEditHost m_host;
    CCappNumEdit* m_pEdit = nullptr;
};

TEST(CappNumEditTest, FilterTakesOneSignOnePointAndOneExponent)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        int nCaret;
        char ch;
        BOOL bAccepted;
    };
    const Case cases[] = {
        {"digit", "12", 2, '3', TRUE},
        {"minus at the start", "5", 0, '-', TRUE},
        {"minus before a minus", "-5", 0, '-', FALSE},
        {"minus in the middle", "15", 1, '-', FALSE},
        {"minus after e", "1e", 2, '-', TRUE},
        {"minus after E", "1E", 2, '-', TRUE},
        {"e at the start", "5", 0, 'e', FALSE},
        {"e after a leading minus", "-5", 1, 'e', FALSE},
        {"e after a digit", "15", 2, 'e', TRUE},
        {"second exponent", "1e5", 3, 'E', FALSE},
        {"point", "15", 1, '.', TRUE},
        {"second point", "1.5", 3, '.', FALSE},
        {"point after the exponent", "1e5", 3, '.', FALSE},
        {"point before the exponent", "1e5", 1, '.', TRUE},
        {"letter", "1", 1, 'x', FALSE},
        {"plus", "1", 0, '+', FALSE},
        {"space", "1", 1, ' ', FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bAccepted, CCappNumEdit::IsCharAccepted(c.szText, c.nCaret, static_cast<BYTE>(c.ch)));
    }
}

TEST(CappNumEditTest, NumberValueAcceptsWhatTheFilterAccepts)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        BOOL bNumber;
    };
    const Case cases[] = {
        {"fraction", "0.5", TRUE},
        {"zero", "0", TRUE},
        {"negative", "-5", TRUE},
        {"exponent", "1e5", TRUE},
        {"negative exponent", "-1.5E-3", TRUE},
        {"leading zero", "05", FALSE},
        {"negative leading zero", "-012", FALSE},
        {"empty", "", FALSE},
        {"ends with a point", "5.", FALSE},
        {"ends with the exponent", "5e", FALSE},
        {"only a sign", "-", FALSE},
        {"two points", "1.2.3", FALSE},
        {"letters", "abc", FALSE},
        {"plus sign", "+5", FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bNumber, CCappNumEdit::IsNumberVal(c.szText));
    }
}

TEST_F(CappNumEditWindow, TypedCharactersPassTheFilter)
{
    struct Case
    {
        const char* szName;
        const char* szTyped;
        const char* szText;
    };
    const Case cases[] = {
        {"number with sign, point and exponent", "-1.5e-3", "-1.5e-3"},
        {"second minus and letters refused", "--1x2", "-12"},
        {"point after the exponent refused", "1e5.", "1e5"},
        {"backspace always works", "12\b3", "13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Open("");
        Type(c.szTyped);
        EXPECT_EQ(CString(c.szText), Text());
        m_pEdit->DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(CappNumEditWindow, ReplaceAndPasteKeepOnlyNumbers)
{
    struct Case
    {
        const char* szName;
        bool bPaste;
        const char* szGiven;
        const char* szText;
    };
    const Case cases[] = {
        {"replace with a fraction", false, "0.5", "0.5"},
        {"replace with zero", false, "0", "0"},
        {"replace with a negative exponent", false, "-2e-3", "-2e-3"},
        {"replace with a leading zero empties", false, "05", ""},
        {"replace with letters empties", false, "abc", ""},
        {"paste formats the number", true, "12.5kg", "12.500000"},
        {"paste without a number changes nothing", true, "abc", "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Open("7");
        if (c.bPaste)
            m_pEdit->Paste(c.szGiven);
        else
            m_pEdit->Replace(c.szGiven);
        EXPECT_EQ(CString(c.szText), Text());
        m_pEdit->DestroyWindow();
        m_pEdit = nullptr;
    }
}

TEST_F(CappNumEditWindow, KeysEndTheEditAndEscRestoresTheOpeningText)
{
    Open("12");
    Type("3");
    EXPECT_EQ(CString("123"), Text());
    const UINT keys[] = {VK_TAB, VK_RETURN, VK_PRIOR, VK_NEXT, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_F4, VK_HOME};
    for (UINT nKey : keys)
        m_pEdit->SendMessage(WM_KEYDOWN, nKey, 1);
    EXPECT_EQ("end:9 end:13 end:33 end:34 end:37 end:38 end:39 end:40 F4", m_host.Take());
    m_pEdit->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(CString("12"), Text());
    EXPECT_EQ("end:27", m_host.Take());
}

TEST_F(CappNumEditWindow, MenuCommandsAndDoubleClickReachTheParent)
{
    Open("12.5");
    m_pEdit->SetLButtonDBClikMsg(kDBClickMsg);
    for (UINT i = 0; i < 60; i++)
        ASSERT_TRUE(m_pEdit->AppendMenuItem("item", 0x700 + i));
    m_pEdit->SendMessage(WM_COMMAND, CCappBaseCtrl::idFirstMenuItem + 59, 0);
    m_pEdit->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ("1851 dblclk", m_host.Take());
    m_pEdit->SendMessage(EM_SETSEL, 1, 1);
    m_pEdit->SendMessage(WM_COMMAND, 0x22B5, 0); // select all
    CString strSel;
    m_pEdit->GetSelData(strSel);
    EXPECT_EQ(CString("12.5"), strSel);
}
TEST_F(CappNumEditWindow, TypingNarrowsTheFontUntilTheTextFits)
{
    Open("");
    LOGFONT lf = {};
    m_pEdit->m_font.GetLogFont(&lf);
    EXPECT_EQ(0, lf.lfWidth) << "short text keeps the opening font";
    Type("123456789012345678901234567890");
    m_pEdit->m_font.GetLogFont(&lf);
    EXPECT_GT(lf.lfWidth, 0);
    EXPECT_LT(lf.lfWidth, 8) << "narrower than the font's normal width";
    CClientDC dc(m_pEdit->GetSafeHwnd());
    CFxSelectGuard selectFont(&dc, &m_pEdit->m_font);
    CRect rcClient;
    m_pEdit->GetClientRect(&rcClient);
    EXPECT_LE(dc.GetTextExtent(Text()).cx, rcClient.Width());
}
} // namespace
