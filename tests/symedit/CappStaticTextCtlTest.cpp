#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gdi/Font.h"
#include "SongFont.h"
#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "support/PngFile.h"
#include "symedit/CappDrawCache.h"
#include "symedit/CappDrawScope.h"
#include "symedit/CappStaticTextCtl.h"

namespace
{
// Height of "Aa " in the font: the line height the layout steps by.
int LineHeight(CDC& dc, const LOGFONT& lf)
{
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOld = dc.SelectObject(&font);
    int cy = dc.GetTextExtent(CString("Aa ")).cy;
    dc.SelectObject(pOld);
    return cy;
}

CString Join(const CStringArray& arr)
{
    CString s;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        s += "[" + arr[i] + "]";
    }
    return s;
}

TEST(CappStaticTextCtlTest, LineHelpers)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szDeleteLine;
        const char* szDeleteEnter;
        int nRows; // of szDeleteLine
        const char* szLines;
    };
    const Case cases[] = {
        {"empty", "", "", "", 0, ""},
        {"one line", "ab", "ab", "ab", 1, "[ab]"},
        {"final line feed adds no line", "ab\n", "ab\n", "ab", 1, "[ab]"},
        {"CRLF runs collapse", "a\r\nb\r\n\r\nc", "a\nb\nc", "abc", 3, "[a][b][c]"},
        {"empty line between lines", "a\n\nb", "a\nb", "ab", 2, "[a][b]"},
        {"GBK text", "工艺\r\n卡片", "工艺\n卡片", "工艺卡片", 2, "[工艺][卡片]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString s = c.szText;
        CCappStaticTextCtl::DeleteLine(s);
        EXPECT_EQ(CString(c.szDeleteLine), s);
        EXPECT_EQ(c.nRows, CCappStaticTextCtl::GetRowCount(s));
        CStringArray arr;
        CCappStaticTextCtl::FormatTextToArray(s, arr);
        EXPECT_EQ(CString(c.szLines), Join(arr));
        s = c.szText;
        CCappStaticTextCtl::DeleteEnter(s);
        EXPECT_EQ(CString(c.szDeleteEnter), s);
    }
    // Without DeleteLine an empty line counts, and is kept as an empty line.
    EXPECT_EQ(3, CCappStaticTextCtl::GetRowCount("a\n\nb"));
    CStringArray arr;
    CCappStaticTextCtl::FormatTextToArray("a\n\nb\n", arr);
    EXPECT_EQ(CString("[a][][b]"), Join(arr));
}

TEST(CappStaticTextCtlTest, AddEnterMakesOneTokenPerLine)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szExpected;
    };
    const Case cases[] = {
        {"letters, blank, two Chinese characters", "ab 工艺", "ab \n工\n艺\n"},
        {"word before a Chinese character", "ab工", "ab\n工\n"},
        {"last word", "工ab", "工\nab\n"},
        {"two words", "ab cd", "ab \ncd\n"},
        {"a trail byte like 0x5C stays with its lead", "\x95\x5C", "\x95\x5C\n"},
        {"a lead byte keeps the line break after it", "\xB0\n", "\xB0\n\n\n"},
        {"a high byte that leads nothing stands alone", "\x80\xB0\xA1", "\x80\n\xB0\xA1\n"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString s = c.szText;
        CCappStaticTextCtl::AddEnter(s);
        EXPECT_EQ(CString(c.szExpected), s);
    }
}

TEST(CappStaticTextCtlTest, HorizontalLinesArePlacedAndNarrowed)
{
    const LOGFONT lf = SongFont(-20);
    struct Case
    {
        const char* szName;
        int nFormat;
        int nCellLines; // cell height in line heights
        int nFirstLine; // line heights between the cell top and the first line
    };
    const Case cases[] = {
        {"top", DT_LEFT, 5, 0},
        {"bottom: three lines in five", DT_LEFT | DT_BOTTOM, 5, 2},
        {"vertical centre: three lines in five", DT_LEFT | DT_VCENTER, 5, 1},
        {"no free height: no move, the third line cut to nothing", DT_LEFT | DT_BOTTOM, 2, 0},
        {"vertical centre wins over bottom", DT_LEFT | DT_VCENTER | DT_BOTTOM, 5, 1},
        {"a given single-line flag still draws each line", DT_LEFT | DT_SINGLELINE, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestMetafile emf;
        CDC& dc = emf.DC();
        int lh = LineHeight(dc, lf);
        CRect rcCell(10, 20, 410, 20 + c.nCellLines * lh);
        CCappStaticTextCtl::DrawData(&dc, rcCell, " 工艺\r\n过程卡片\n卡 ", 0, c.nFormat, lf, RGB(0, 0, 255));
        std::vector<EmfTextCall> calls = emf.TextCalls();
        ASSERT_EQ(3u, calls.size()) << emf.Dump();
        const wchar_t* lines[] = {L"工艺", L"过程卡片", L"卡"};
        for (size_t i = 0; i < calls.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(lines[i], calls[i].text);
            EXPECT_EQ(10, calls[i].ptReference.x);
            if (static_cast<int>(i) < c.nCellLines) { // a line cut to nothing is placed by DrawText
                EXPECT_EQ(rcCell.top + (c.nFirstLine + static_cast<int>(i)) * lh, calls[i].ptReference.y);
            }
            EXPECT_EQ(-20, calls[i].font.lfHeight);
            EXPECT_EQ(0, calls[i].font.lfWidth) << "wide enough: not narrowed";
            EXPECT_EQ(RGB(0, 0, 255), calls[i].crText);
            EXPECT_EQ(TRANSPARENT, calls[i].nBkMode);
            EXPECT_LE(calls[i].rcClip.bottom, rcCell.bottom) << "line rectangles end at the cell bottom";
        }
    }
}

TEST(CappStaticTextCtlTest, TooWideLineIsNarrowedAndTheNextStartsAgain)
{
    const LOGFONT lf = SongFont(-20);
    CTestMetafile emf;
    CDC& dc = emf.DC();
    CRect rcCell(0, 0, 60, 100);
    // Six characters of about 20 units need about 120: the first line must narrow to fit 60.
    CCappStaticTextCtl::DrawData(&dc, rcCell, "机械加工工序\n工序", 0, DT_LEFT, lf, RGB(0, 0, 0));

    LOGFONT lfNarrow = lf;
    CCappStaticTextCtl::GetTextAutoSize(&dc, rcCell, "机械加工工序", lfNarrow);
    EXPECT_LE(CCappStaticTextCtl::GetWidth(&dc, lfNarrow, "机械加工工序"), 60);
    LOGFONT lfOneWider = lfNarrow;
    ++lfOneWider.lfWidth;
    EXPECT_GT(CCappStaticTextCtl::GetWidth(&dc, lfOneWider, "机械加工工序"), 60) << "the widest that fits";

    // A given negative width is made positive before narrowing.
    LOGFONT lfNegative = lf;
    lfNegative.lfWidth = -10;
    CCappStaticTextCtl::GetTextAutoSize(&dc, rcCell, "机械加工工序", lfNegative);
    EXPECT_EQ(lfNarrow.lfWidth, lfNegative.lfWidth);

    std::vector<EmfTextCall> calls = emf.TextCalls(); // ends the recording
    ASSERT_EQ(2u, calls.size()) << emf.Dump();
    EXPECT_GT(calls[0].font.lfWidth, 1);
    EXPECT_EQ(lfNarrow.lfWidth, calls[0].font.lfWidth);
    EXPECT_EQ(-20, calls[0].font.lfHeight) << "the height never changes";
    EXPECT_EQ(0, calls[1].font.lfWidth) << "the next line starts from the given width";
}

TEST(CappStaticTextCtlTest, VerticalLayoutDrawsOneTokenPerLine)
{
    const LOGFONT lf = SongFont(-20);
    struct Case
    {
        const char* szName;
        int nFormat;
    };
    const Case cases[] = {
        {"centred", DT_CENTER | DT_VCENTER},
        {"a given single-line flag is cleared", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestMetafile emf;
        CDC& dc = emf.DC();
        int lh = LineHeight(dc, lf);
        CRect rcCell(0, 0, 60, 10 * lh);
        // Three lines in ten, vertically centred: the block starts 3.5 line heights down.
        CCappStaticTextCtl::DrawData(&dc, rcCell, "ab 工艺", CCappStaticTextCtl::modeVertical, c.nFormat, lf,
                                     RGB(0, 0, 0));
        std::vector<EmfTextCall> calls = emf.TextCalls();
        ASSERT_EQ(3u, calls.size()) << emf.Dump();
        EXPECT_EQ(L"工", calls[1].text);
        EXPECT_EQ(L"艺", calls[2].text);
        EXPECT_EQ(0u, calls[0].text.find(L"ab"));
        int nTop = (10 * lh - 3 * lh) / 2;
        for (size_t i = 0; i < calls.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(nTop + static_cast<int>(i) * lh, calls[i].ptReference.y);
            EXPECT_EQ(0, calls[i].font.lfWidth);
        }
        // Centred horizontally: each single character starts left of the middle by half its width.
        EXPECT_NEAR(30 - 10, calls[1].ptReference.x, 2);
    }
}

// Cell rectangles and font heights are in the DC's logical units (tenths of a millimetre on a
// card): widths must be compared in the same units, not in device dots.
TEST(CappStaticTextCtlTest, MappedDCMeasuresInLogicalUnits)
{
    CTestDib dib(10, 10);
    CDC& dc = dib.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(254, 254);
    dc.SetViewportExt(600, 600); // a 600-dpi printer
    const LOGFONT lf = SongFont(-35);
    int nWidth = CCappStaticTextCtl::GetWidth(&dc, lf, "工艺");
    EXPECT_NEAR(70, nWidth, 3) << "two 3.5 mm characters are about 7 mm";
    struct Case
    {
        const char* szName;
        int nCellWidth;
        bool bNarrowed;
    };
    const Case cases[] = {
        {"10 mm cell: fits, though wider than 100 dots", 100, false},
        {"6 mm cell: narrowed", 60, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        LOGFONT lfFit = lf;
        CCappStaticTextCtl::GetTextAutoSize(&dc, CRect(0, 0, c.nCellWidth, 50), "工艺", lfFit);
        EXPECT_EQ(c.bNarrowed, lfFit.lfWidth != 0);
        EXPECT_LE(CCappStaticTextCtl::GetWidth(&dc, lfFit, "工艺"), c.nCellWidth);
        EXPECT_EQ(-35, lfFit.lfHeight);
    }
}

// The narrowing as it was first written: one unit narrower at a time until the text fits.
LONG NarrowOneStepAtATime(CDC& dc, int nMaxWidth, const CString& strText, LOGFONT lf)
{
    if (CCappStaticTextCtl::GetWidth(&dc, lf, strText) <= nMaxWidth) {
        return lf.lfWidth;
    }
    if (lf.lfWidth == 0) {
        lf.lfWidth = (std::abs(lf.lfHeight) + 1) / 2;
    }
    lf.lfWidth = std::abs(lf.lfWidth);
    while (lf.lfWidth > 1) {
        --lf.lfWidth;
        if (CCappStaticTextCtl::GetWidth(&dc, lf, strText) <= nMaxWidth) {
            break;
        }
    }
    return lf.lfWidth;
}

// The narrowing search must stop at the very width the step-by-step narrowing stops at, for texts
// of every kind, heights, given widths and cells from far too narrow to wide enough, at several
// zooms and at a printer's resolution.
TEST(CappStaticTextCtlTest, NarrowingFindsTheWidthOfTheOneStepLoop)
{
    const char* const texts[] = {"工艺", "机械加工工序卡片", "Φ20H7 车外圆至尺寸",    "AaBbCcDdEe", "共 12 页 第 3 页",
                                 "W",    "iiiiiiiiiiii",     "零件图号：ZX-2024-0815"};
    const LONG heights[] = {-12, -16, -21, -31, -50};
    const LONG givenWidths[] = {0, 7, -9};
    struct Mapping
    {
        const char* szName;
        int nViewport; // device dots per inch against 254 logical units
    };
    // Small zooms make the narrowest widths less than a pixel, where they stop being honoured.
    const Mapping mappings[] = {{"screen at 25 %", 24},
                                {"screen at 50 %", 48},
                                {"screen at 100 %", 96},
                                {"screen at 200 %", 192},
                                {"600-dpi printer", 600}};
    int nCompared = 0;
    int nNarrowed = 0;
    for (const Mapping& m : mappings) {
        SCOPED_TRACE(m.szName);
        CTestDib dib(10, 10);
        CDC& dc = dib.DC();
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(254, 254);
        dc.SetViewportExt(m.nViewport, m.nViewport);
        // Every trial font made once for the whole table.
        CCappDrawScope scope;
        for (const char* szText : texts) {
            for (LONG lHeight : heights) {
                for (LONG lWidth : givenWidths) {
                    LOGFONT lf = SongFont(lHeight);
                    lf.lfWidth = lWidth;
                    const int nFull = CCappStaticTextCtl::GetWidth(&dc, lf, szText);
                    for (int nCell = 1; nCell <= nFull + 2; nCell += 1 + nFull / 40) {
                        SCOPED_TRACE(testing::Message()
                                     << szText << " height " << lHeight << " width " << lWidth << " cell " << nCell);
                        LOGFONT lfHalving = lf;
                        CCappStaticTextCtl::GetTextAutoSize(&dc, CRect(0, 0, nCell, 50), szText, lfHalving);
                        ASSERT_EQ(NarrowOneStepAtATime(dc, nCell, szText, lf), lfHalving.lfWidth);
                        ++nCompared;
                        nNarrowed += lfHalving.lfWidth != lf.lfWidth ? 1 : 0;
                    }
                }
            }
        }
    }
    EXPECT_GT(nCompared, 5000);
    EXPECT_GT(nNarrowed, nCompared / 2) << "most cells are too narrow for their text";
}

TEST(CappStaticTextCtlTest, BlankTextDrawsNothingAndStateIsRestored)
{
    CTestDib dib(100, 40);
    CDC& dc = dib.DC();
    dc.SetTextColor(RGB(1, 2, 3));
    HGDIOBJ hFont = dc.GetCurrentFont()->m_hObject;
    CRect rc(0, 0, 100, 40);
    CCappStaticTextCtl::DrawData(&dc, rc, "  \r\n ", 0, DT_LEFT, SongFont(-20), RGB(0, 0, 0));
    EXPECT_EQ(0, dib.CountInk(rc));
    CCappStaticTextCtl::DrawData(&dc, rc, "工艺", 0, DT_LEFT, SongFont(-20), RGB(0, 0, 0));
    EXPECT_GT(dib.CountInk(rc), 0);
    EXPECT_EQ(RGB(1, 2, 3), dc.GetTextColor());
    EXPECT_EQ(hFont, dc.GetCurrentFont()->m_hObject);
    CCappStaticTextCtl::DrawData(nullptr, rc, "工艺", 0, DT_LEFT, SongFont(-20), RGB(0, 0, 0));
}

TEST(CappStaticTextCtlTest, PixelsStayInsideTheCell)
{
    CTestDib dib(300, 120);
    CDC& dc = dib.DC();
    CRect rcCell(20, 10, 120, 110);
    CCappStaticTextCtl::DrawData(&dc, rcCell, "零件图号\n机械加工工序卡片", 0, DT_CENTER | DT_VCENTER, SongFont(-20),
                                 RGB(0, 0, 0));
    CRect rcInk = dib.InkBounds(CRect(0, 0, 300, 120));
    ASSERT_FALSE(rcInk.IsRectEmpty());
    EXPECT_GE(rcInk.left, rcCell.left);
    EXPECT_LE(rcInk.right, rcCell.right) << "the long line is narrowed into the cell";
    EXPECT_NEAR(rcCell.CenterPoint().x, rcInk.CenterPoint().x, 3);
    EXPECT_NEAR(rcCell.CenterPoint().y, rcInk.CenterPoint().y, 4);
    SavePng(TestImagePath("static-text-pixels.png").c_str(), dib.Bits(), dib.Width(), dib.Height());
}
} // namespace
