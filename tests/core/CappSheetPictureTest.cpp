// A sample card template drawn whole at three zooms, written as PNG files to look at; the
// 100 % picture is compared with a golden image.
#include <gtest/gtest.h>

#include <string>

#include "core/CappMDData.h"
#include "platform/gdi/Rgn.h"
#include "symedit/CappDrawCache.h"
#include "symedit/CappDrawScope.h"
#include "symedit/CappStaticTextCtl.h"
#include "tests/core/CardDataUtil.h"
#include "tests/core/SheetDrawUtil.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/TestData.h"

namespace
{

// A process card head: a merged title between two columns of three rows, a notation cell,
// column headings, a detail area of five rows and ruled rows below.
class CSampleSheet
{
public:
    CSampleSheet()
    {
        m_sheet.NewSheetDef(2100, 2970, 5, 100, 100, 100, 100, "A4");
        const int nFirst = CCappSheet::kFrameFirstID;
        const int nLast = CCappSheet::kFrameLastID;
        const int h300 = HLine(300, nFirst, nLast);
        const int v400 = VLine(400, nFirst, h300);
        const int v1500 = VLine(1500, nFirst, h300);
        const int h100a = HLine(100, nFirst, v400);
        const int h200a = HLine(200, nFirst, v400);
        const int h100b = HLine(100, v1500, nLast);
        const int h200b = HLine(200, v1500, nLast);
        std::vector<int> rows = {h300};
        for (int y = 380; y < 2770; y += 80) {
            rows.push_back(HLine(y, nFirst, nLast));
        }
        rows.push_back(nLast);
        std::vector<int> cols = {nFirst};
        for (int x : {150, 600, 1200, 1450, 1650}) {
            cols.push_back(VLine(x, h300, nLast));
        }
        cols.push_back(nLast);

        const char* const left[] = {"产品型号", "零件图号", "材料牌号"};
        const char* const right[] = {"共 1 页", "第 1 页", ""};
        const int tops[] = {nFirst, h100a, h200a};
        const int bottoms[] = {h100a, h200a, h300};
        const int rightTops[] = {nFirst, h100b, h200b};
        const int rightBottoms[] = {h100b, h200b, h300};
        for (int i = 0; i < 3; ++i) {
            Cell(tops[i], nFirst, v400, bottoms[i], CCappCell::kindStatic, left[i]);
            if (i < 2) {
                Cell(rightTops[i], v1500, nLast, rightBottoms[i], CCappCell::kindStatic, right[i]);
            }
        }
        CCappCell* pTitle = Cell(nFirst, v400, v1500, h300, CCappCell::kindStatic, "机械加工工序卡片");
        pTitle->m_nFontHeight = -70;
        CCappCell* pNotation =
            Cell(h200b, v1500, nLast, h300, CCappCell::kindVariable, "<G>7;1;0.02;0;A;0;;0;;0;-1;-1</G>");
        pNotation->m_strVarName = "GT";
        pNotation->m_nDisplay = 0x8;

        const char* const headings[] = {"序号", "工序名称", "工序内容", "设备", "工装", "工时"};
        const char* const vars[] = {"NO", "NAME", "CONTENT", "DEV", "TOOL", "TIME"};
        SheetGrid grid{rows, cols};
        CCappMidData* pMid = AddMidArea(m_sheet, grid, "工序", 1, 0, 6, 6);
        for (int c = 0; c < 6; ++c) {
            AddGridCell(m_sheet.m_HeadCellList, grid, 0, c, 1, c + 1, CCappCell::kindStatic, headings[c]);
            CCappCell* pCell = AddMidCell(m_sheet, grid, *pMid, 1, c, c + 1, vars[c]);
            pCell->m_nDisplay = 0x8;
        }
        FillMDData(m_md, {"NO", "NAME", "CONTENT", "DEV", "TOOL", "TIME"},
                   {{"1", "下料", "棒料 <C>2;3.2;;;;0;;0</C>", "锯床", "", "0.5"},
                    {"2", "车", "车外圆至 <F>1;1;2</F>", "CA6140", "三爪卡盘", "1.2"},
                    {"3", "钻", "钻孔 M<S>;2;x</S>", "Z3040", "钻模", "0.8"},
                    {"4", "铣", "铣键槽 <G>3;0;0.01;0;;0;;0;;0;-1;-1</G>", "X6132", "", "1.0"},
                    {"5", "检验", "按图检验", "", "", ""}});
        pMid->m_pMDData = &m_md;
        pMid->UpdateMidCellData(nullptr, 0, 0);
        m_sheet.m_bDesign = 0;
    }

    CCappSheet m_sheet;

private:
    int HLine(int y, int nStart, int nEnd)
    {
        return m_sheet.AddCellLineBySpace(CCappLine::typeHCell, -1, y, nStart, nEnd, 0)->m_nID;
    }
    int VLine(int x, int nStart, int nEnd)
    {
        return m_sheet.AddCellLineBySpace(CCappLine::typeVCell, -1, x, nStart, nEnd, 0)->m_nID;
    }
    CCappCell* Cell(int nTop, int nLeft, int nRight, int nBottom, int nKind, const char* pszText)
    {
        return AddLineCell(m_sheet.m_HeadCellList, nTop, nLeft, nRight, nBottom, nKind, pszText);
    }

    CCappMDData m_md;
};

// The page drawn at a zoom on a 96-dpi bitmap; the sheet's logical unit is a tenth of a millimetre.
void DrawAtZoom(CCappSheet& sheet, CTestDib& dib, int nZoom)
{
    CDC& dc = dib.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2540, 2540);
    dc.SetViewportExt(960 * nZoom / 100, 960 * nZoom / 100);
    sheet.DrawSheet(&dc);
}

TEST(CappSheetPictureTest, SampleSheetAtThreeZooms)
{
    CSampleSheet sample;
    for (int nZoom : {50, 100, 200}) {
        SCOPED_TRACE(nZoom);
        CTestDib dib(2100 * 96 * nZoom / 25400, 2970 * 96 * nZoom / 25400, RGB(128, 128, 128));
        DrawAtZoom(sample.m_sheet, dib, nZoom);
        const std::string strName = "sample-sheet-" + std::to_string(nZoom) + ".png";
        const std::string strPath = TestImagePath(strName.c_str());
        ASSERT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height()));
        // The paper is filled to its edge: no grey of the bitmap shows through.
        EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(1, 1));
        EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(dib.Width() - 2, dib.Height() - 2));
        if (nZoom == 100) {
            PngImage golden;
            ASSERT_TRUE(LoadPng(TestDataPath("sample-sheet-100.png"), golden)) << "reference picture missing";
            EXPECT_EQ(0, CountDifferentPixels(golden, dib.Bits(), dib.Width(), dib.Height())) << "drawn: " << strPath;
        }
    }
}

// Cells whose text is too wide for them, so that every line is drawn with a narrowed font: several
// font sizes, several lines in one cell, vertical text, number cells, a detail area's ranges and,
// in the designer's view, variable names.
class CNarrowSheet
{
public:
    explicit CNarrowSheet(int bDesign)
    {
        std::vector<int> rowPos;
        for (int y = 150; y < 2770; y += 150) {
            rowPos.push_back(y);
        }
        const std::vector<int> colPos = {130, 300, 520, 800, 1150, 1500};
        SheetGrid grid = MakeGridSheet(m_sheet, 2100, 2970, 100, 4, rowPos, colPos);
        const char* const texts[] = {
            "机械加工工序卡片",    "零件图号\r\n材料牌号及规格", "Φ20H7 车外圆至尺寸", "序号",
            "工艺装备名称及编号",  "共 12 页 第 3 页",           "检验 Inspection",    "AaBbCcDdEeFfGgHh",
            "工序\n工步\n内容说明"};
        const int heights[] = {-31, -50, -70, -25};
        const int nDataRows = 4;
        int n = 0;
        for (int r = 0; r + 1 < static_cast<int>(grid.rows.size()) - nDataRows; ++r) {
            for (int c = 0; c + 1 < static_cast<int>(grid.cols.size()); ++c, ++n) {
                CCappCell* pCell = AddGridCell(m_sheet.m_HeadCellList, grid, r, c, r + 1, c + 1,
                                               n % 7 == 3 ? CCappCell::kindVariable : CCappCell::kindStatic,
                                               texts[n % 9], "工序内容变量名");
                pCell->m_nFontHeight = heights[n % 4];
                pCell->m_nTextFormat = (n % 3 == 0) ? DT_LEFT | DT_VCENTER : DT_CENTER | DT_VCENTER;
                pCell->m_nStaticMode = (n % 11 == 5) ? CCappStaticTextCtl::modeVertical : 1;
                if (n % 7 == 3) {
                    pCell->m_strText = n % 2 == 0 ? "12345678.90" : "工艺路线说明文字";
                    pCell->m_nDisplay = n % 2 == 0 ? 0x2 : 0x1;
                }
            }
        }
        const int r0 = static_cast<int>(grid.rows.size()) - 1 - nDataRows;
        CCappMidData* pMid = AddMidArea(m_sheet, grid, "工序", r0, 0, r0 + nDataRows, 6);
        const char* const vars[] = {"NO", "NAME", "CONTENT", "DEV", "TOOL", "TIME"};
        for (int c = 0; c < 6; ++c) {
            AddMidCell(m_sheet, grid, *pMid, r0, c, c + 1, vars[c])->m_nFontHeight = heights[c % 4];
        }
        FillMDData(m_md, {"NO", "NAME", "CONTENT", "DEV", "TOOL", "TIME"},
                   {{"10", "粗车外圆及端面", "车外圆至尺寸并倒角", "CA6140 卧式车床", "三爪卡盘", "0.5"},
                    {"20", "精车", "精车外圆 Φ20H7", "CK6140", "专用夹具及量具", "12.25"},
                    {"30", "钻孔攻丝", "钻孔 M8 深 20", "Z3040 摇臂钻床", "钻模", "0.8"},
                    {"40", "检验", "按图纸全部检验合格后入库", "", "", ""}});
        pMid->m_pMDData = &m_md;
        pMid->UpdateMidCellData(nullptr, 0, 0);
        m_sheet.m_bDesign = bDesign;
    }

    CCappSheet m_sheet;

private:
    CCappMDData m_md;
};

TEST(CappSheetPictureTest, NarrowedTextDrawsAsItsReference)
{
    struct NarrowCase
    {
        const char* szName;
        int bDesign;
        int nZoom;
    };
    const NarrowCase cases[] = {
        {"narrowed-text-100.png", 0, 100},
        {"narrowed-text-150.png", 0, 150},
        {"narrowed-text-design-100.png", 1, 100},
    };
    for (const NarrowCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CNarrowSheet sample(c.bDesign);
        CTestDib dib(2100 * 96 * c.nZoom / 25400, 2970 * 96 * c.nZoom / 25400, RGB(128, 128, 128));
        DrawAtZoom(sample.m_sheet, dib, c.nZoom);
        const std::string strPath = TestImagePath(c.szName);
        ASSERT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height()));
        PngImage golden;
        ASSERT_TRUE(LoadPng(TestDataPath(c.szName), golden)) << "reference picture missing";
        EXPECT_EQ(0, CountDifferentPixels(golden, dib.Bits(), dib.Width(), dib.Height())) << "drawn: " << strPath;
    }
}

// A page of nRows rows of four wide cells, row r in a font of its own height; no text narrowed.
void BuildRowFontSheet(CCappSheet& sheet, int nRows)
{
    std::vector<int> rowPos;
    for (int r = 1; r < nRows; ++r) {
        rowPos.push_back(r * 2770 / nRows);
    }
    const SheetGrid grid = MakeGridSheet(sheet, 2100, 2970, 100, 4, rowPos, {475, 950, 1425});
    for (int r = 0; r < nRows; ++r) {
        for (int c = 0; c < 4; ++c) {
            AddGridCell(sheet.m_HeadCellList, grid, r, c, r + 1, c + 1, CCappCell::kindStatic, "工艺")->m_nFontHeight =
                -20 - r;
        }
    }
    sheet.m_bDesign = 0;
}

TEST(CappSheetPictureTest, PageMakesOneFontPerDistinctCellFont)
{
    CCappSheet sheet;
    BuildRowFontSheet(sheet, 10);
    CTestDib dib(2100 * 96 / 254, 2970 * 96 / 254);
    CDC& dc = dib.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(254, 254);
    dc.SetViewportExt(96, 96);
    const HGDIOBJ hOwn = ::GetCurrentObject(dc.m_hDC, OBJ_FONT);
    {
        CCappDrawScope scope;
        sheet.DrawSheet(&dc);
        EXPECT_EQ(10, scope.GetCache().GetFontCount()) << "40 cells in 10 fonts";
    }
    EXPECT_EQ(hOwn, ::GetCurrentObject(dc.m_hDC, OBJ_FONT)) << "the DC's own font is back";
}

// A repaint of a band shows the same pixels as a whole draw, and draws only the cells it shows:
// only their fonts are made.
TEST(CappSheetPictureTest, RepaintOfABandDrawsOnlyWhatItShows)
{
    CCappSheet sheet;
    BuildRowFontSheet(sheet, 20);
    const int cx = 2100 * 96 / 254;
    const int cy = 2970 * 96 / 254;
    CTestDib whole(cx, cy, RGB(128, 128, 128));
    CTestDib band(cx, cy, RGB(128, 128, 128));
    for (CTestDib* pDib : {&whole, &band}) {
        CDC& dc = pDib->DC();
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(254, 254);
        dc.SetViewportExt(96, 96);
        sheet.DrawSheet(&dc);
    }
    // Rows 5 to 7 of 20 and a pixel of the neighbours' lines, in device pixels.
    const CRect rcBand(0, (100 + 5 * 2770 / 20) * 96 / 254 - 1, cx, (100 + 8 * 2770 / 20) * 96 / 254);
    CDC& dc = band.DC();
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(rcBand.left, rcBand.top, rcBand.right, rcBand.bottom));
    {
        // Painted over, then drawn again inside the band only.
        CRect rcFill(rcBand);
        dc.DPtoLP(&rcFill);
        dc.FillSolidRect(&rcFill, RGB(128, 128, 128));
    }
    dc.SelectObject(&rgn);
    {
        CCappDrawScope scope;
        sheet.DrawSheet(&dc);
        EXPECT_GE(scope.GetCache().GetFontCount(), 3);
        EXPECT_LE(scope.GetCache().GetFontCount(), 5) << "the band's rows and at most their neighbours";
    }
    ::SelectClipRgn(dc.m_hDC, nullptr);
    EXPECT_NE(RGB(128, 128, 128), band.Pixel(cx / 2, rcBand.CenterPoint().y)) << "the band was drawn again";
    int nDiffer = 0;
    for (int i = 0; i < cx * cy; ++i) {
        nDiffer += (whole.Bits()[i] & 0xFFFFFF) != (band.Bits()[i] & 0xFFFFFF) ? 1 : 0;
    }
    EXPECT_EQ(0, nDiffer);
}

} // namespace
