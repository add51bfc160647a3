// The drawing font of a cell or data range per context: heights that do not map to whole pixels
// on screen grow by one unit, printers keep theirs, and the cached font follows context and zoom.
#include <gtest/gtest.h>

#include <string>

#include "core/CappCell.h"
#include "core/CappFont.h"
#include "core/CellDataItem.h"
#include "platform/gdi/Font.h"
#include "tests/support/MetafileRecorder.h"
#include "tests/support/PrinterLikeDC.h"

namespace
{

// Tenths of a millimetre on a 96-dpi screen: 254 units are 96 pixels.
void MapTenthMillimetres(CDC& dc, int nViewportY = 960)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2540, 2540);
    ::SetViewportExtEx(dc.m_hDC, 960, nViewportY, nullptr);
}

} // namespace

TEST(CappContextFont, CalcFontHeightMovesOnlyScreenValuesThatMissWholePixels)
{
    struct Row
    {
        const char* name;
        bool bMapped;
        int nViewportY;
        bool bPrinter;
        LONG lValue;
        LONG lExpected;
    };
    const Row rows[] = {
        {"one to one keeps every value", false, 0, false, -120, -120},
        {"negative height grows downwards", true, 960, false, -120, -121},
        {"positive height grows upwards", true, 960, false, 24, 25},
        {"whole pixels stay", true, 960, false, 48, 48},
        {"y-up viewport counts its magnitude", true, -960, false, 24, 25},
        {"zero stays zero", true, 960, false, 0, 0},
        {"printer keeps the value", true, 960, true, 24, 24},
        {"printer keeps a negative value", true, 960, true, -120, -120},
    };
    for (const Row& row : rows) {
        CTestMetafile emf;
        CPrinterLikeDC printer(emf.DC().m_hDC);
        CDC& dc = row.bPrinter ? static_cast<CDC&>(printer) : emf.DC();
        if (row.bMapped) {
            MapTenthMillimetres(dc, row.nViewportY);
        }
        EXPECT_EQ(row.lExpected, CalcFontHeight(&dc, row.lValue)) << row.name;
    }
}

TEST(CappContextFont, CellFontIsMadeAgainOnlyWhenContextZoomOrFontChange)
{
    CTestMetafile emf;
    CDC& dc = emf.DC();
    MapTenthMillimetres(dc);
    CCappCell cell;
    cell.m_nFontHeight = -120;

    CFont* pFirst = cell.GetDrawLoginFont(&dc);
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(pFirst, cell.GetDrawLoginFont(&dc));
    EXPECT_EQ(1, cell.m_drawFont.GetMadeCount());
    EXPECT_EQ("WIN", std::string(cell.m_drawFont.GetContext()));
    EXPECT_EQ(-121, cell.m_drawFont.GetLogFont().lfHeight);
    LOGFONTA lfMade = {};
    pFirst->GetLogFont(&lfMade);
    EXPECT_EQ(-121, lfMade.lfHeight);

    cell.GetDrawLoginFont(&dc, "PRINT");
    EXPECT_EQ(2, cell.m_drawFont.GetMadeCount());
    EXPECT_EQ("PRINT", std::string(cell.m_drawFont.GetContext()));
    cell.GetDrawLoginFont(&dc, "PRINT");
    EXPECT_EQ(2, cell.m_drawFont.GetMadeCount());

    // Zoomed to 2:1 on screen: 120 units are whole pixels, so the height stays.
    ::SetViewportExtEx(dc.m_hDC, 1270, 1270, nullptr);
    cell.GetDrawLoginFont(&dc);
    EXPECT_EQ(3, cell.m_drawFont.GetMadeCount());
    EXPECT_EQ(-120, cell.m_drawFont.GetLogFont().lfHeight);

    cell.m_nFontHeight = -50;
    cell.GetDrawLoginFont(&dc);
    EXPECT_EQ(4, cell.m_drawFont.GetMadeCount());
    EXPECT_EQ(-50, cell.m_drawFont.GetLogFont().lfHeight);

    // A printer names its context itself and keeps the height.
    CPrinterLikeDC printer(emf.DC().m_hDC);
    cell.GetDrawLoginFont(&printer);
    EXPECT_EQ("PRINT", std::string(cell.m_drawFont.GetContext()));
    EXPECT_EQ(-50, cell.m_drawFont.GetLogFont().lfHeight);
}

TEST(CappContextFont, DataRangeHasADrawingFontOnlyWithItsOwnFontFlag)
{
    CTestMetafile emf;
    MapTenthMillimetres(emf.DC());
    CCellDataItem range;
    range.m_lfFont.lfHeight = 24;
    EXPECT_EQ(nullptr, range.GetDrawLoginFont(&emf.DC()));
    range.m_nFlags = CCellDataItem::flagOwnFont;
    ASSERT_NE(nullptr, range.GetDrawLoginFont(&emf.DC()));
    EXPECT_EQ(25, range.m_drawFont.GetLogFont().lfHeight);

    // A copy draws with its own cache, never the source's font.
    CCellDataItem copy(range);
    EXPECT_EQ(0, copy.m_drawFont.GetMadeCount());
    EXPECT_NE(range.GetDrawLoginFont(&emf.DC()), copy.GetDrawLoginFont(&emf.DC()));
}

TEST(CappContextFont, CellTextAndOwnFontRangesAreDrawnInTheirScaledFonts)
{
    struct Row
    {
        const char* name;
        int nKind;
        bool bRanges;
    };
    const Row rows[] = {
        {"static text", CCappCell::kindStatic, false},
        {"variable value", CCappCell::kindVariable, false},
        {"data ranges", CCappCell::kindVariable, true},
    };
    for (const Row& row : rows) {
        CTestMetafile emf;
        MapTenthMillimetres(emf.DC());
        CCappCell cell;
        cell.m_nContentKind = row.nKind;
        cell.m_nFontHeight = -40;
        cell.m_strText = "Ab";
        if (row.bRanges) {
            auto* pPlain = new CCellDataItem;
            pPlain->m_rect = CRect(0, 0, 600, 100);
            pPlain->m_strText = "P";
            auto* pOwn = new CCellDataItem;
            pOwn->m_rect = CRect(0, 100, 600, 200);
            pOwn->m_strText = "O";
            pOwn->m_nFlags = CCellDataItem::flagOwnFont;
            pOwn->m_lfFont.lfHeight = -60;
            cell.m_listCellData.AddTail(pPlain);
            cell.m_listCellData.AddTail(pOwn);
        }
        cell.DrawCellText(&emf.DC(), CRect(0, 0, 600, 200), 0);
        const std::vector<EmfTextCall> calls = emf.TextCalls();
        ASSERT_FALSE(calls.empty()) << row.name << "\n" << emf.Dump();
        for (const EmfTextCall& call : calls) {
            // -40 is 15.1 pixels at 96 dpi, so it grows to -41; -60 is 22.7 pixels and grows to -61.
            const LONG lExpected = call.text == L"O" ? -61 : -41;
            EXPECT_EQ(lExpected, call.font.lfHeight) << row.name;
        }
    }
}
