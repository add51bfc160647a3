// Drawing one A4 card cut into 255 to 2,040 text cells (varied texts, three font sizes, many too
// wide for their cells) into a memory DC, against a baseline that draws the same pixels straight
// with GDI: one font per distinct font record, each text measured and narrowed the same way.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchStats.h"
#include "core/CappCell.h"
#include "core/CappFont.h"
#include "core/CappLine.h"
#include "core/CappSheet.h"
#include "core/CappSizeLimit.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "tests/core/SheetDrawUtil.h"

namespace
{

constexpr int kRuns = 7;
const char* const kTexts[] = {"序号", "工序内容", "机械加工工序卡片", "Φ20H7",    "车外圆至尺寸",
                              "检验", "A",        "CA6140",           "三爪卡盘", "0.5"};
const int kHeights[] = {-31, -35, -50};

// The A4 page between its margins, cut into nRows by nCols cells.
void BuildSheet(CCappSheet& sheet, int nRows, int nCols)
{
    std::vector<int> rowPos;
    for (int r = 1; r < nRows; ++r) {
        rowPos.push_back(r * 2770 / nRows);
    }
    std::vector<int> colPos;
    for (int c = 1; c < nCols; ++c) {
        colPos.push_back(c * 1900 / nCols);
    }
    const SheetGrid grid = MakeGridSheet(sheet, 2100, 2970, 100, 4, rowPos, colPos);
    int n = 0;
    for (int r = 0; r < nRows; ++r) {
        for (int c = 0; c < nCols; ++c, ++n) {
            CCappCell* pCell = AddGridCell(sheet.m_HeadCellList, grid, r, c, r + 1, c + 1, CCappCell::kindStatic,
                                           kTexts[(n * 7) % 10]);
            pCell->m_nFontHeight = kHeights[n % 3];
        }
    }
    sheet.m_bDesign = 0;
}

// The direct way: fonts by their record, kept for the whole draw.
class CDirectFonts
{
public:
    CFont* Get(const LOGFONTA& lf)
    {
        std::string key(reinterpret_cast<const char*>(&lf), sizeof(lf));
        std::unique_ptr<CFont>& pFont = m_fonts[key];
        if (pFont == nullptr) {
            pFont = std::make_unique<CFont>();
            pFont->CreateFontIndirect(&lf);
        }
        return pFont.get();
    }
    int Width(CDC& dc, const LOGFONTA& lf, const CString& str)
    {
        dc.SelectObject(Get(lf));
        return dc.GetTextExtent(str).cx;
    }

private:
    std::map<std::string, std::unique_ptr<CFont>> m_fonts;
};

// The widest character width at which the text fits, as the cells narrow it: the widest below
// the font's own width whose text fits, else 1.
LONG NarrowWidth(CDC& dc, CDirectFonts& fonts, LOGFONTA lf, const CString& str, int nMax)
{
    LONG nLow = 1;
    LONG nHigh = (lf.lfWidth == 0 ? (std::abs(lf.lfHeight) + 1) / 2 : std::abs(lf.lfWidth)) - 1;
    while (nLow < nHigh) {
        lf.lfWidth = (nLow + nHigh + 1) / 2;
        if (fonts.Width(dc, lf, str) <= nMax) {
            nLow = lf.lfWidth;
        } else {
            nHigh = lf.lfWidth - 1;
        }
    }
    return nLow;
}

void DrawDirect(const CCappSheet& sheet, CDC& dc)
{
    CDirectFonts fonts;
    dc.FillSolidRect(0, 0, sheet.m_nPageWidth, sheet.m_nPageHeight, RGB(255, 255, 255));
    {
        CPen pen(PS_SOLID, sheet.m_nFrameWidth, RGB(0, 0, 0));
        CFxSelectGuard selPen(&dc, &pen);
        CFxSelectGuard selBrush(&dc, NULL_BRUSH);
        CRect rcFrame = sheet.m_rcFrame;
        rcFrame.left -= sheet.m_nFrameWidth / 2;
        rcFrame.top -= sheet.m_nFrameWidth / 2;
        dc.Rectangle(&rcFrame);
    }
    CFxSelectGuard selFont(&dc, SYSTEM_FONT);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    POSITION pos = sheet.m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(sheet.m_HeadCellList.GetNext(pos));
        CRect rect = sheet.GetCellRect(pCell);
        LOGFONTA lf;
        pCell->GetDrawFont(lf);
        lf.lfHeight = CalcFontHeight(&dc, lf.lfHeight);
        lf.lfWidth = CalcFontHeight(&dc, lf.lfWidth);
        dc.SelectObject(fonts.Get(lf));
        const int nLine = dc.GetTextExtent(CString("Aa ")).cy;
        if (rect.Height() > nLine) {
            rect.top += (rect.Height() - nLine) / 2;
        }
        const CRect rcLine(rect.left, rect.top, rect.right, rect.top + nLine);
        if (fonts.Width(dc, lf, pCell->m_strText) > rcLine.Width()) {
            lf.lfWidth = NarrowWidth(dc, fonts, lf, pCell->m_strText, rcLine.Width());
        }
        dc.SelectObject(fonts.Get(lf));
        CRect rcDraw = rcLine;
        dc.DrawText(pCell->m_strText, &rcDraw, static_cast<UINT>(pCell->m_nTextFormat));
    }
    for (const CObList* pList : {&sheet.m_HCellLineList, &sheet.m_VCellLineList}) {
        POSITION posLine = pList->GetHeadPosition();
        while (posLine != nullptr) {
            const auto* pLine = static_cast<const CCappLine*>(pList->GetNext(posLine));
            CPoint ptStart;
            CPoint ptEnd;
            sheet.GetLineCoordinate(pLine, ptStart, ptEnd, 0);
            CPen pen(PS_SOLID, CappClampPenWidth(pLine->m_nWidth), pLine->m_crColor);
            CFxSelectGuard selPen(&dc, &pen);
            dc.MoveTo(ptStart);
            dc.LineTo(ptEnd);
        }
    }
}

// A4 at 100 % on a 96-dpi screen.
class CPageDib
{
public:
    CPageDib()
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        m_bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
        m_pBits = static_cast<const DWORD*>(pBits);
        m_dc.CreateCompatibleDC(nullptr);
        m_pSel = std::make_unique<CFxSelectGuard>(&m_dc, &m_bitmap);
        m_dc.SetMapMode(MM_ANISOTROPIC);
        m_dc.SetWindowExt(254, 254);
        m_dc.SetViewportExt(96, 96);
    }
    CDC& DC() { return m_dc; }
    // Pixels that differ, the alpha byte GDI text leaves ignored.
    int CountDifferent(const CPageDib& other) const
    {
        ::GdiFlush();
        int n = 0;
        for (int i = 0; i < m_cx * m_cy; ++i) {
            n += (m_pBits[i] & 0xFFFFFF) != (other.m_pBits[i] & 0xFFFFFF) ? 1 : 0;
        }
        return n;
    }

private:
    const int m_cx = 2100 * 96 / 254;
    const int m_cy = 2970 * 96 / 254;
    CBitmap m_bitmap;
    CDC m_dc;
    std::unique_ptr<CFxSelectGuard> m_pSel;
    const DWORD* m_pBits = nullptr;
};

} // namespace

int main()
{
    struct Size
    {
        int nRows;
        int nCols;
    };
    const Size sizes[] = {{17, 15}, {34, 15}, {34, 30}, {68, 30}};
    CPageDib dibSheet;
    CPageDib dibDirect;
    BenchGrowthLine growth;
    int rc = 0;
    for (const Size& size : sizes) {
        CCappSheet sheet;
        BuildSheet(sheet, size.nRows, size.nCols);
        const int nCells = size.nRows * size.nCols;
        sheet.DrawSheet(&dibSheet.DC());
        DrawDirect(sheet, dibDirect.DC());
        const int nDiffer = dibSheet.CountDifferent(dibDirect);
        if (nDiffer != 0) {
            std::printf("%d cells: the baseline's picture differs in %d pixels\n", nCells, nDiffer);
            rc = 1;
        }
        const BenchTimes sheetTimes = BenchRepeat(kRuns, [&] { sheet.DrawSheet(&dibSheet.DC()); });
        const BenchTimes directTimes = BenchRepeat(kRuns, [&] { DrawDirect(sheet, dibDirect.DC()); });
        std::printf("%d cells (%d x %d)\n", nCells, size.nRows, size.nCols);
        BenchPrintTimes("  DrawSheet", nCells, sheetTimes);
        BenchPrintTimes("  direct GDI", nCells, directTimes);
        growth.Print(nCells, "DrawSheet", sheetTimes.dMedian, "baseline", directTimes.dMedian);
    }
    return rc;
}
