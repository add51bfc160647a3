// Sizes a damaged template gives: widths, font sizes and coordinates beyond any card are clamped
// when read and again where they reach GDI, so drawing such a sheet neither crashes nor hangs.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/CappFreeLine.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"
#include "core/CappSizeLimit.h"
#include "tests/core/CardArchiveUtil.h"
#include "tests/core/SheetDrawUtil.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/MetafileRecorder.h"
#include "tests/support/PngFile.h"
#include "tests/support/PrinterLikeDC.h"

namespace
{

CCappLine* FirstLine(const CCappSheet& sheet)
{
    return static_cast<CCappLine*>(sheet.m_HCellLineList.GetHead());
}

CCappCell* FirstCell(const CCappSheet& sheet)
{
    return static_cast<CCappCell*>(sheet.m_HeadCellList.GetHead());
}

CCappFreeObj* FreeObj(const CCappSheet& sheet, int nIndex)
{
    return static_cast<CCappFreeObj*>(sheet.m_listFreeObj.GetAt(sheet.m_listFreeObj.FindIndex(nIndex)));
}

// An A4 card: a grid, text cells, an own-rectangle cell, and a rectangle with text, a line, a
// triangle and a spline over it.
void BuildCard(CCappSheet& sheet)
{
    const SheetGrid grid = MakeGridSheet(sheet, 2100, 2970, 100, 5, {200, 400, 600}, {600, 1200});
    AddGridCell(sheet.m_HeadCellList, grid, 0, 0, 1, 1, CCappCell::kindStatic, "零件名称");
    AddGridCell(sheet.m_HeadCellList, grid, 1, 1, 2, 2, CCappCell::kindStatic, "工序");
    CCappCell* pOwn = AddLineCell(sheet.m_HeadCellList, -1, -1, -1, -1, CCappCell::kindStatic, "自由");
    pOwn->m_bOwnRect = 1;
    pOwn->m_rcOwn = CRect(300, 1000, 900, 1200);
    sheet.m_bOwnDrawFreeObj = 1;
    auto* pRect = new CCappFreeRect;
    pRect->SetBoxRect(CRect(300, 1400, 1100, 1800));
    pRect->m_strText = "技术要求";
    sheet.m_listFreeObj.AddTail(pRect);
    auto* pLine = new CCappFreeLine;
    pLine->MoveHandleTo(1, CPoint(1200, 1400));
    pLine->MoveHandleTo(2, CPoint(1800, 1800));
    sheet.m_listFreeObj.AddTail(pLine);
    auto* pTriangle = new CCappFreeTriangle;
    pTriangle->SetBoxRect(CRect(300, 2000, 700, 2400));
    sheet.m_listFreeObj.AddTail(pTriangle);
    auto* pSpline = new CCappFreeSpline;
    for (const CPoint& pt : {CPoint(900, 2000), CPoint(1100, 2300), CPoint(1400, 2100)}) {
        pSpline->AddPoint(pt);
    }
    sheet.m_listFreeObj.AddTail(pSpline);
}

// The page at 100 % on a 96-dpi bitmap, the unit a tenth of a millimetre.
void DrawOnScreen(CCappSheet& sheet, CTestDib& dib)
{
    CDC& dc = dib.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2540, 2540);
    dc.SetViewportExt(960, 960);
    sheet.DrawSheet(&dc);
}

// The page as a 600-dpi printer would get it, drawn into a small bitmap that clips it.
void DrawOnPrinter(CCappSheet& sheet)
{
    CTestDib dib(400, 400);
    CPrinterLikeDC printer(dib.DC().m_hDC);
    printer.SetMapMode(MM_ANISOTROPIC);
    printer.SetWindowExt(254, 254);
    printer.SetViewportExt(CPrinterLikeDC::kDpi, CPrinterLikeDC::kDpi);
    sheet.DrawSheet(&printer);
}

struct SizeCase
{
    const char* szName;
    std::function<void(CCappSheet&)> fnDamage;
    std::function<long long(const CCappSheet&)> fnRead;
    long long nExpected;
};

std::vector<SizeCase> SizeCases()
{
    return {
        {"table line 1,048,581 wide", [](CCappSheet& s) { FirstLine(s)->m_nWidth = 1048581; },
         [](const CCappSheet& s) { return FirstLine(s)->m_nWidth; }, kCappMaxPenWidth},
        {"table line 16,777,216 wide", [](CCappSheet& s) { FirstLine(s)->m_nWidth = 16777216; },
         [](const CCappSheet& s) { return FirstLine(s)->m_nWidth; }, kCappMaxPenWidth},
        {"table line of width -2^31", [](CCappSheet& s) { FirstLine(s)->m_nWidth = INT_MIN; },
         [](const CCappSheet& s) { return FirstLine(s)->m_nWidth; }, -kCappMaxPenWidth},
        {"table line far below the frame", [](CCappSheet& s) { FirstLine(s)->m_nPos = 2000000000; },
         [](const CCappSheet& s) { return FirstLine(s)->m_nPos; }, kCappMaxCoord},
        {"cell font 16,646,144 wide", [](CCappSheet& s) { FirstCell(s)->m_lfFont.lfWidth = 16646144; },
         [](const CCappSheet& s) { return FirstCell(s)->m_lfFont.lfWidth; }, kCappMaxFontSize},
        {"cell font of height -2^31", [](CCappSheet& s) { FirstCell(s)->m_nFontHeight = INT_MIN; },
         [](const CCappSheet& s) { return FirstCell(s)->m_nFontHeight; }, -kCappMaxFontSize},
        {"cell font weight 2^31 - 1", [](CCappSheet& s) { FirstCell(s)->m_lfFont.lfWeight = INT_MAX; },
         [](const CCappSheet& s) { return FirstCell(s)->m_lfFont.lfWeight; }, 1000},
        {"cell font turned 10^9 tenths of a degree",
         [](CCappSheet& s) { FirstCell(s)->m_lfFont.lfEscapement = 1000000000; },
         [](const CCappSheet& s) { return FirstCell(s)->m_lfFont.lfEscapement; }, kCappMaxAngle},
        {"own-rectangle cell far away",
         [](CCappSheet& s) { static_cast<CCappCell*>(s.m_HeadCellList.GetTail())->m_rcOwn.right = INT_MAX; },
         [](const CCappSheet& s) { return static_cast<CCappCell*>(s.m_HeadCellList.GetTail())->m_rcOwn.right; },
         kCappMaxCoord},
        {"frame pen 16,777,216 wide", [](CCappSheet& s) { s.m_nFrameWidth = 16777216; },
         [](const CCappSheet& s) { return s.m_nFrameWidth; }, kCappMaxPenWidth},
        {"frame reaching -2^31", [](CCappSheet& s) { s.m_rcFrame.left = INT_MIN; },
         [](const CCappSheet& s) { return s.m_rcFrame.left; }, -kCappMaxCoord},
        {"paper 2^31 - 1 wide", [](CCappSheet& s) { s.m_nPageWidth = INT_MAX; },
         [](const CCappSheet& s) { return s.m_nPageWidth; }, kCappMaxCoord},
        {"free rectangle with a pen 1,048,581 wide", [](CCappSheet& s) { FreeObj(s, 0)->m_nLineWidth = 1048581; },
         [](const CCappSheet& s) { return FreeObj(s, 0)->m_nLineWidth; }, kCappMaxPenWidth},
        {"free line with a pen 16,777,216 wide", [](CCappSheet& s) { FreeObj(s, 1)->m_nLineWidth = 16777216; },
         [](const CCappSheet& s) { return FreeObj(s, 1)->m_nLineWidth; }, kCappMaxPenWidth},
        {"free rectangle font 16,646,144 wide", [](CCappSheet& s) { FreeObj(s, 0)->m_lfFont.lfWidth = 16646144; },
         [](const CCappSheet& s) { return FreeObj(s, 0)->m_lfFont.lfWidth; }, kCappMaxFontSize},
        {"free rectangle font height 2^31 - 1", [](CCappSheet& s) { FreeObj(s, 0)->m_nFontHeight = INT_MAX; },
         [](const CCappSheet& s) { return FreeObj(s, 0)->m_nFontHeight; }, kCappMaxFontSize},
        {"free line ending at 2^31 - 1", [](CCappSheet& s) { FreeObj(s, 1)->MoveHandleTo(2, CPoint(INT_MAX, 5)); },
         [](const CCappSheet& s) { return FreeObj(s, 1)->GetHandlePoint(2).x; }, kCappMaxCoord},
        {"free rectangle reaching -2^31",
         [](CCappSheet& s) { static_cast<CCappFreeRect*>(FreeObj(s, 0))->SetBoxRect(CRect(INT_MIN, 0, 10, 10)); },
         [](const CCappSheet& s) { return FreeObj(s, 0)->GetOutRect().left; }, -kCappMaxCoord},
        {"triangle apex at 2^31 - 1", [](CCappSheet& s) { FreeObj(s, 2)->MoveHandleTo(9, CPoint(INT_MAX, 0)); },
         [](const CCappSheet& s) { return FreeObj(s, 2)->GetHandlePoint(9).x; }, kCappMaxCoord},
        {"spline point at -2^31", [](CCappSheet& s) { FreeObj(s, 3)->MoveHandleTo(2, CPoint(5, INT_MIN)); },
         [](const CCappSheet& s) { return FreeObj(s, 3)->GetHandlePoint(2).y; }, -kCappMaxCoord},
    };
}

TEST(CappSheetSizeDamage, SizesBeyondAnyCardAreClampedWhenReadAndTheSheetDraws)
{
    for (const SizeCase& c : SizeCases()) {
        SCOPED_TRACE(c.szName);
        CCappSheet damaged;
        BuildCard(damaged);
        c.fnDamage(damaged);
        CCappSheet loaded;
        LoadObject(loaded, StoreObject(damaged));
        EXPECT_EQ(c.nExpected, c.fnRead(loaded));
        CTestDib dib(400, 600);
        DrawOnScreen(loaded, dib);
        DrawOnPrinter(loaded);
    }
}

TEST(CappSheetSizeDamage, SizesOfARealCardAreKept)
{
    CCappSheet card;
    BuildCard(card);
    FirstLine(card)->m_nWidth = 20;
    FirstLine(card)->m_nPos = -30;
    FirstCell(card)->m_nFontHeight = -254;
    FirstCell(card)->m_lfFont.lfWidth = 120;
    FirstCell(card)->m_lfFont.lfEscapement = 2700;
    FirstCell(card)->m_lfFont.lfWeight = 700;
    FreeObj(card, 0)->m_nLineWidth = 8;
    FreeObj(card, 0)->m_nFontHeight = -70;
    card.m_nFrameWidth = 0;
    CCappSheet loaded;
    LoadObject(loaded, StoreObject(card));
    EXPECT_EQ(20, FirstLine(loaded)->m_nWidth);
    EXPECT_EQ(-30, FirstLine(loaded)->m_nPos);
    EXPECT_EQ(-254, FirstCell(loaded)->m_nFontHeight);
    EXPECT_EQ(120, FirstCell(loaded)->m_lfFont.lfWidth);
    EXPECT_EQ(2700, FirstCell(loaded)->m_lfFont.lfEscapement);
    EXPECT_EQ(700, FirstCell(loaded)->m_lfFont.lfWeight);
    EXPECT_EQ(CRect(300, 1000, 900, 1200), static_cast<CCappCell*>(loaded.m_HeadCellList.GetTail())->m_rcOwn);
    EXPECT_EQ(8, FreeObj(loaded, 0)->m_nLineWidth);
    EXPECT_EQ(-70, FreeObj(loaded, 0)->m_nFontHeight);
    EXPECT_EQ(CRect(300, 1400, 1100, 1800), FreeObj(loaded, 0)->GetOutRect());
    EXPECT_EQ(CPoint(1100, 2300), FreeObj(loaded, 3)->GetHandlePoint(2));
    EXPECT_EQ(0, loaded.m_nFrameWidth);
    EXPECT_EQ(card.m_rcFrame, loaded.m_rcFrame);
    EXPECT_EQ(2100, loaded.m_nPageWidth);
    EXPECT_EQ(2970, loaded.m_nPageHeight);
}

// Values set in memory (by the designer or a script) are clamped where they reach GDI.
TEST(CappSheetSizeDamage, PensAndFontsReachGdiClamped)
{
    CCappSheet sheet;
    BuildCard(sheet);
    FirstLine(sheet)->m_nWidth = 16777216;
    sheet.m_nFrameWidth = 1048581;
    FirstCell(sheet)->m_lfFont.lfWidth = 16646144;
    FirstCell(sheet)->m_nFontHeight = -16646144;
    FreeObj(sheet, 0)->m_nLineWidth = 16777216;
    FreeObj(sheet, 0)->m_lfFont.lfWidth = 16646144;
    FreeObj(sheet, 0)->m_nFontHeight = 16646144;
    FreeObj(sheet, 1)->m_nLineWidth = 1048581;
    sheet.m_bDesign = 0;

    CTestMetafile emf;
    sheet.DrawSheet(&emf.DC());
    int nPens = 0;
    int nFonts = 0;
    for (const EmfRecord& rec : emf.Records()) {
        if (rec.iType == EMR_CREATEPEN) {
            ++nPens;
            EXPECT_LE(reinterpret_cast<const EMRCREATEPEN*>(rec.data.data())->lopn.lopnWidth.x, kCappMaxPenWidth);
        } else if (rec.iType == EMR_EXTCREATEPEN) {
            ++nPens;
            EXPECT_LE(reinterpret_cast<const EMREXTCREATEPEN*>(rec.data.data())->elp.elpWidth,
                      static_cast<DWORD>(kCappMaxPenWidth));
        } else if (rec.iType == EMR_EXTCREATEFONTINDIRECTW) {
            ++nFonts;
            const LOGFONTW& lf = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(rec.data.data())->elfw.elfLogFont;
            EXPECT_LE(std::abs(lf.lfWidth), kCappMaxFontSize + 1);
            EXPECT_LE(std::abs(lf.lfHeight), kCappMaxFontSize + 1);
        }
    }
    EXPECT_GE(nPens, 3);
    EXPECT_GE(nFonts, 2);
}

TEST(CappSheetSizeDamage, PictureOfADamagedCardDrawnWithClampedSizes)
{
    CCappSheet damaged;
    BuildCard(damaged);
    FirstLine(damaged)->m_nWidth = 1048581;
    FirstCell(damaged)->m_lfFont.lfWidth = 16646144;
    FreeObj(damaged, 0)->m_nLineWidth = 16777216;
    FreeObj(damaged, 1)->MoveHandleTo(2, CPoint(INT_MAX, INT_MAX));
    FreeObj(damaged, 3)->MoveHandleTo(2, CPoint(5, INT_MIN));
    CCappSheet loaded;
    LoadObject(loaded, StoreObject(damaged));
    loaded.m_bDesign = 0;
    CTestDib dib(2100 * 96 / 254, 2970 * 96 / 254, RGB(128, 128, 128));
    DrawOnScreen(loaded, dib);
    const std::string strPath = TestImagePath("damaged-card-clamped.png");
    ASSERT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height()));
    // The top frame line's pen, clamped to 10 cm, is a black band across the page.
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(dib.Width() / 2, 100 * 96 / 254));
    // The paper stays white inside the frame below the band and the rectangle.
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(1900 * 96 / 254, 2700 * 96 / 254));
}

} // namespace
