// Row placement and static drawing of segment text, pinned by recorded metafiles and pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/FxSelectGuard.h"
#include "SongFont.h"
#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "support/PngFile.h"
#include "symbols/StringContSeg.h"
#include "symedit/GlyphworkEdit.h"

namespace
{
int TextWidth(CDC& dc, const LOGFONT& lf, LPCSTR psz)
{
    CStringContSeg seg(lf, 0);
    seg.m_strText = psz;
    return seg.GetWidth(&dc);
}

TEST(GlyphworkEditDrawTest, PlacesEveryRowAndCharacter)
{
    const LOGFONT lf = SongFont(-20);
    CTestMetafile probe;
    const int w = TextWidth(probe.DC(), lf, "0");
    ASSERT_GT(w, 0);
    ASSERT_EQ(2 * w, TextWidth(probe.DC(), lf, "12")) << "digits of one width";
    const int nLeft = 10;
    const int nTop = 20;
    const int nPitch = 30;   // (int)(20 * 1.5 + 0.5)
    const int nTextDrop = 2; // text is drawn 2 below the row's y
    const int nRowTop = 1;   // top margin
    const int nLayout = 96;  // 100 wide less the margins 2 and 2
    const int nFree = nLayout - 2 * w;
    struct Case
    {
        const char* szName;
        const char* szText;
        UINT nFormat;
        int nAlign;
        bool bFontRow;
        int nWidth;
        int nHeight;
        int nRows;   // rows drawn, two characters each
        int nFirstX; // x of each row's first character
        int nFirstY; // y of the first row's characters
    };
    const Case cases[] = {
        {"top left, rows from the font", "12\n34", 0, 0, true, 100, 200, 2, nLeft + 2, nTop + nRowTop + nTextDrop},
        {"centred: integer half of free + 1", "12\n34", 0, 1, true, 100, 200, 2, nLeft + 2 + (nFree + 1) / 2,
         nTop + nRowTop + nTextDrop},
        {"right", "12\n34", 0, 2, true, 100, 200, 2, nLeft + 2 + nFree, nTop + nRowTop + nTextDrop},
        {"alignment prefix overrides the given one", "<ALIGN>2</ALIGN>12\n34", 0, 0, true, 100, 200, 2,
         nLeft + 2 + nFree, nTop + nRowTop + nTextDrop},
        {"one row without rows from the font", "12\n34", 0, 0, false, 100, 60, 1, nLeft + 2,
         nTop + nRowTop + nTextDrop},
        {"vertical centre of the rectangle", "12\n34", 0, 4, false, 100, 60, 1, nLeft + 2,
         nTop + nRowTop + (60 - 2 - 20 + 1) / 2 + nTextDrop},
        {"bottom of the rectangle", "12\n34", 0, 8, false, 100, 60, 1, nLeft + 2,
         nTop + nRowTop + (60 - 2 - 20) + nTextDrop},
        {"vertical centre of a font row", "12", 0, 4, true, 100, 60, 1, nLeft + 2,
         nTop + nRowTop + (nPitch - 2 - 20 + 1) / 2 + nTextDrop},
        {"broken by width", "1234", 4, 0, true, 4 + 2 * w + w / 2, 200, 2, nLeft + 2, nTop + nRowTop + nTextDrop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestMetafile emf;
        CDC& dc = emf.DC();
        dc.SetTextColor(RGB(1, 2, 3));
        CGlyphworkEdit edit;
        CRect rc(nLeft, nTop, nLeft + c.nWidth, nTop + c.nHeight);
        edit.DrawData(&dc, rc, c.szText, lf, c.nFormat, c.nAlign, c.bFontRow, RGB(0, 0, 255));
        EXPECT_EQ(RGB(1, 2, 3), dc.GetTextColor()) << "the DC is left as found";
        EXPECT_TRUE(edit.m_listEditRow.IsEmpty());
        std::vector<EmfTextCall> calls = emf.TextCalls();
        ASSERT_EQ(static_cast<size_t>(2 * c.nRows), calls.size()) << emf.Dump();
        const wchar_t* chars = L"1234";
        for (size_t i = 0; i < calls.size(); ++i) {
            SCOPED_TRACE(i);
            int nRow = static_cast<int>(i) / 2;
            EXPECT_EQ(std::wstring(1, chars[i]), calls[i].text);
            EXPECT_EQ(c.nFirstX + static_cast<int>(i % 2) * w, calls[i].ptReference.x);
            EXPECT_EQ(c.nFirstY + nRow * nPitch, calls[i].ptReference.y);
            EXPECT_EQ(RGB(0, 0, 255), calls[i].crText);
            EXPECT_EQ(-20, calls[i].font.lfHeight);
        }
    }
}

TEST(GlyphworkEditDrawTest, FitsARowByNarrowingFromTheLeftMargin)
{
    const LOGFONT lf = SongFont(-20);
    const int nNormal = 10; // (20 + 1) / 2
    CTestMetafile probe;
    const int w = TextWidth(probe.DC(), lf, "0");
    struct Case
    {
        const char* szName;
        const char* szText;
        int nWidth;
        bool bNarrowed;
    };
    const Case cases[] = {
        {"too wide: narrowed, drawn from the left margin though centred", "1234567890", 4 + 5 * w, true},
        {"fits: the normal width, centred", "12", 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestMetafile emf;
        CGlyphworkEdit edit;
        CRect rc(10, 0, 10 + c.nWidth, 40);
        edit.DrawData(&emf.DC(), rc, c.szText, lf, CGlyphworkEdit::formatFitRow, 1, true, 0);
        std::vector<EmfTextCall> calls = emf.TextCalls();
        const int nChars = lstrlenA(c.szText);
        ASSERT_EQ(static_cast<size_t>(nChars), calls.size()) << emf.Dump();
        const int nLimit = (c.nWidth - 4) - 2;
        const int nCharWidth = calls[0].font.lfWidth;
        if (c.bNarrowed) {
            EXPECT_GT(nCharWidth, 0);
            EXPECT_LT(nCharWidth, nNormal);
            EXPECT_LE(nChars * nCharWidth, nLimit);
            EXPECT_GT(nChars * (nCharWidth + 1), nLimit) << "the widest width that fits";
        } else {
            EXPECT_EQ(nNormal, nCharWidth);
        }
        const int nSpare = c.bNarrowed ? nLimit - nChars * nCharWidth : 0;
        const int nFirstX = c.bNarrowed ? 12 : 12 + (96 - nChars * nNormal + 1) / 2;
        for (int i = 0; i < nChars; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(nCharWidth, calls[i].font.lfWidth);
            EXPECT_EQ(-20, calls[i].font.lfHeight) << "the height never changes";
            EXPECT_EQ(nFirstX + i * nCharWidth + std::min(i, nSpare), calls[i].ptReference.x)
                << "spare pixels go to the first characters";
        }
    }
}

TEST(GlyphworkEditDrawTest, DrawsNothingWithoutTextOrRectangle)
{
    const LOGFONT lf = SongFont(-20);
    struct Case
    {
        const char* szName;
        const char* szText;
        CRect rc;
    };
    const Case cases[] = {
        {"empty text", "", CRect(0, 0, 100, 40)},
        {"empty rectangle", "ab", CRect(10, 10, 10, 40)},
        {"zero rectangle", "ab", CRect(0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestDib dib(100, 50);
        CGlyphworkEdit edit;
        edit.DrawData(&dib.DC(), c.rc, c.szText, lf, 0, 0, true, 0);
        EXPECT_EQ(0, dib.CountInk(CRect(0, 0, 100, 50)));
    }
    CGlyphworkEdit edit;
    edit.DrawData(nullptr, CRect(0, 0, 100, 40), "ab", lf, 0, 0, true, 0);
}

TEST(GlyphworkEditDrawTest, EditorRowsClearTheirBandAndDrawLinesBetweenRows)
{
    CTestDib dib(200, 100);
    CDC& dc = dib.DC();
    CGlyphworkEdit edit;
    CRect rc(0, 0, 200, 100);
    edit.SetBaseData(&dc, rc, SongFont(-12), 0, 0, "12\n34");
    ASSERT_EQ(2, edit.GetRowCount());
    edit.SetLineStyle(2, 1);
    edit.m_nRowHeight = 30;
    edit.m_nScrollOffset = 10;
    edit.m_crBack = RGB(255, 255, 0);
    edit.DrawRow(&dc, 1);
    const int y = 32 * 1 - 10 + 1; // pitch times row, less the scroll offset, plus the top margin
    const COLORREF crBack = RGB(255, 255, 0);
    EXPECT_EQ(crBack, dib.Pixel(2, y - 3)) << "a quarter of the font height above";
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(2, y - 4));
    EXPECT_EQ(crBack, dib.Pixel(197, y + 14)) << "one and a quarter below, across the layout width";
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(2, y + 15));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(198, y));
    EXPECT_GT(dib.CountInk(CRect(2, y, 198, y + 15), crBack), 0) << "the row's text";
    edit.DrawEditLine(&dc);
    // One line between the two rows, as wide as the spacing, at pitch - scroll - spacing.
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(100, 32 - 10 - 2));
    EXPECT_EQ(0, dib.CountInk(CRect(0, 0, 200, 32 - 10 - 4))) << "no line above the first row boundary";
}

// Cells of mixed notation as the sheet draws them, at two zooms of a tenth-millimetre mapping.
TEST(GlyphworkEditDrawTest, MixedNotationCellsAtTwoZooms)
{
    struct Cell
    {
        const char* szText;
        UINT nFormat;
        int nAlign;
        bool bFontRow;
        LONG lHeight = -24;
    };
    const Cell cells[] = {
        {"Φ<T>20;+0.021;0;1;H7</T> 孔 <T>45;-0.01;-0.03;0;</T>", 0, 4, false},
        {"<F>1;1;2</F>英寸  M<S>;2;x</S>  <R>A</R> <E>5</E>", 0, 4, false},
        {"<C>2;3.2;;;;0;;0</C> 粗糙度 <C>3;1.6;;;;0;;0</C> <C>1;;;;;0;;0</C>", 0, 4, false},
        {"<G>7;1;0.02;0;A;0;;0;;0;-1;-1</G> <G>3;0;0.01;0;;0;;0;;0;-1;-1</G>", 0, 4, false},
        {"<ALIGN>5</ALIGN>机械加工工序卡片", 0, 0, false},
        {"工艺<T>10;+0.1;-0.1;0;</T>\n过程卡片", 0, 1, true, -16}, // two rows of 24 in the cell
        {"机械加工工艺过程卡片零件图号材料牌号", CGlyphworkEdit::formatFitRow, 0, false},
    };
    const int nCellW = 400;
    const int nCellH = 60;
    const int nCells = static_cast<int>(sizeof(cells) / sizeof(cells[0]));
    int nInk[2] = {};
    for (int nZoom = 1; nZoom <= 2; ++nZoom) {
        SCOPED_TRACE(nZoom);
        // Logical units are tenths of a millimetre; zoom 1 shows one per pixel.
        CTestDib dib((nCellW + 20) * nZoom, (nCells * nCellH + 20) * nZoom);
        CDC& dc = dib.DC();
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(100, 100);
        dc.SetViewportExt(100 * nZoom, 100 * nZoom);
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, RGB(160, 160, 160));
        CFxSelectGuard selectPen(&dc, &pen);
        for (int i = 0; i < nCells; ++i) {
            CRect rc(10, 10 + i * nCellH, 10 + nCellW, 10 + (i + 1) * nCellH);
            dc.MoveTo(rc.left, rc.top);
            dc.LineTo(rc.right, rc.top);
            dc.LineTo(rc.right, rc.bottom);
            dc.LineTo(rc.left, rc.bottom);
            dc.LineTo(rc.left, rc.top);
            CGlyphworkEdit edit;
            edit.DrawData(&dc, rc, cells[i].szText, SongFont(cells[i].lHeight), cells[i].nFormat, cells[i].nAlign,
                          cells[i].bFontRow, RGB(0, 0, 0));
        }
        for (int i = 0; i < nCells; ++i) {
            SCOPED_TRACE(i);
            CRect rcInside((10 + 1) * nZoom, (10 + i * nCellH + 1) * nZoom, (10 + nCellW - 1) * nZoom,
                           (10 + (i + 1) * nCellH - 1) * nZoom);
            EXPECT_GT(dib.CountInk(rcInside, RGB(255, 255, 255)), 0) << "each cell shows its text";
        }
        nInk[nZoom - 1] = dib.CountInk(CRect(0, 0, dib.Width(), dib.Height()), RGB(255, 255, 255));
        SavePng(TestImagePath(nZoom == 1 ? "glyphwork-cells-zoom1.png" : "glyphwork-cells-zoom2.png").c_str(),
                dib.Bits(), dib.Width(), dib.Height());
    }
    EXPECT_GT(nInk[1], 2 * nInk[0]) << "twice the zoom, about four times the ink";
}
} // namespace

// Rows below what the DC shows are left out only where logical y grows downwards: drawn with y
// growing upwards, and on a bitmap that shows only the first rows, the rows that show all draw.
TEST(GlyphworkEditDrawTest, RowsBelowTheVisibleAreaAreLeftOutWithoutLosingAVisibleRow)
{
    auto fnInk = [](bool bUp, int cyDib) {
        CTestDib dib(200, cyDib);
        CDC& dc = dib.DC();
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(100, 100);
        dc.SetViewportExt(100, bUp ? -100 : 100);
        dc.SetViewportOrg(0, bUp ? 300 : 0);
        CGlyphworkEdit edit;
        // y up: the rows climb from 150 towards the top of the bitmap.
        const CRect rect(0, 150, 200, 300);
        edit.DrawData(&dc, rect, "甲\n乙\n丙", SongFont(-20), 0, 0, true, RGB(0, 0, 0));
        return dib.CountInk(CRect(0, 0, 200, cyDib));
    };
    const int nDown = fnInk(false, 300);
    EXPECT_GT(nDown, 0);
    EXPECT_NEAR(nDown, fnInk(true, 300), nDown / 5);
    // A bitmap that ends inside the second row: the first two rows show as on the tall one.
    const int nTwoRows = fnInk(false, 190);
    EXPECT_GT(nTwoRows, nDown / 3);
    EXPECT_LT(nTwoRows, nDown);
}
