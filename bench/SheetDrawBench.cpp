// Time to draw one full A4 card of about 500 text cells into a memory DC, against issuing the
// same lines and texts directly with GDI.
#include <cstdio>
#include <vector>

#include "bench/BenchClock.h"
#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappSheet.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/SelectGuard.h"
#include "tests/core/SheetDrawUtil.h"

namespace
{

constexpr int kRows = 34;
constexpr int kCols = 15;
constexpr int kRuns = 20;

// A4 portrait: 34 rows of 15 cells, each with a short Chinese text.
void BuildSheet(CCappSheet& sheet)
{
    std::vector<int> rowPos;
    for (int r = 1; r < kRows; ++r) {
        rowPos.push_back(r * 2700 / kRows);
    }
    std::vector<int> colPos;
    for (int c = 1; c < kCols; ++c) {
        colPos.push_back(c * 1900 / kCols);
    }
    const SheetGrid grid = MakeGridSheet(sheet, 2100, 2970, 100, 4, rowPos, colPos);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            AddGridCell(sheet.m_HeadCellList, grid, r, c, r + 1, c + 1, CCappCell::kindStatic, "工序内容");
        }
    }
    sheet.m_bDesign = 0;
}

// The sheet's lines and cell texts drawn straight with GDI: one pen per line, one font for all.
void DrawDirect(const CCappSheet& sheet, CDC& dc)
{
    dc.FillSolidRect(0, 0, sheet.m_nPageWidth, sheet.m_nPageHeight, RGB(255, 255, 255));
    for (const CObList* pList : {&sheet.m_HCellLineList, &sheet.m_VCellLineList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            const auto* pLine = static_cast<const CCappLine*>(pList->GetNext(pos));
            CPoint ptStart;
            CPoint ptEnd;
            sheet.GetLineCoordinate(pLine, ptStart, ptEnd, 0);
            CPen pen(PS_SOLID, pLine->m_nWidth, pLine->m_crColor);
            CFxSelectGuard selPen(&dc, &pen);
            dc.MoveTo(ptStart);
            dc.LineTo(ptEnd);
        }
    }
    LOGFONTA lf;
    static_cast<const CCappCell*>(sheet.m_HeadCellList.GetHead())->GetDrawFont(lf);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFxSelectGuard selFont(&dc, &font);
    dc.SetBkMode(TRANSPARENT);
    POSITION pos = sheet.m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(sheet.m_HeadCellList.GetNext(pos));
        CRect rect = sheet.GetCellRect(pCell);
        dc.DrawText(pCell->m_strText, &rect, static_cast<UINT>(pCell->m_nTextFormat));
    }
}

template <class Draw> double TimePerRun(Draw draw)
{
    draw(); // fonts and glyphs cached before timing
    const double dStart = BenchSeconds();
    for (int i = 0; i < kRuns; ++i) {
        draw();
    }
    return (BenchSeconds() - dStart) / kRuns;
}

} // namespace

int main()
{
    CCappSheet sheet;
    BuildSheet(sheet);

    // 100 % on a 96-dpi screen: 794 x 1123 pixels.
    const int cx = 2100 * 96 / 254;
    const int cy = 2970 * 96 / 254;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFxSelectGuard selBitmap(&dc, &bitmap);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(254, 254);
    dc.SetViewportExt(96, 96);

    const double dSheet = TimePerRun([&] { sheet.DrawSheet(&dc); });
    const double dDirect = TimePerRun([&] { DrawDirect(sheet, dc); });
    std::printf("%d cells, %d lines\n", static_cast<int>(sheet.m_HeadCellList.GetCount()),
                static_cast<int>(sheet.m_HCellLineList.GetCount() + sheet.m_VCellLineList.GetCount()));
    std::printf("DrawSheet:   %8.2f ms per page\n", dSheet * 1000.0);
    std::printf("direct GDI:  %8.2f ms per page\n", dDirect * 1000.0);
    std::printf("ratio:       %8.2f\n", dDirect > 0.0 ? dSheet / dDirect : 0.0);
    return 0;
}
