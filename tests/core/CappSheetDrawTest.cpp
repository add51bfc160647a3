// Drawing a sheet: the order of its layers, what a print run leaves out, hidden lines,
// own-rectangle cells and the handles of selected free objects, read from recorded metafiles.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <cwchar>
#include <string>

#include "core/CappFreeObj.h"
#include "core/CappMDData.h"
#include "core/CardObj.h"
#include "tests/core/CardDataUtil.h"
#include "tests/core/SheetDrawUtil.h"
#include "tests/support/MetafileRecorder.h"
#include "tests/support/PrinterLikeDC.h"

namespace
{

// A rectangle record's box as "left,top,right,bottom"; the record's box is inclusive.
std::string RectOf(const EmfRecord* pRec)
{
    const RECTL& rc = reinterpret_cast<const EMRRECTANGLE*>(pRec->data.data())->rclBox;
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

// A box that draws an ellipse, and its tracker unless printing, as the free-object kinds do.
class CTestBoxObj : public CCappFreeObj
{
public:
    explicit CTestBoxObj(const CRect& rect) : m_rect(rect) {}
    void Draw(CDC* pDC) override
    {
        pDC->Ellipse(&m_rect);
        if (!pDC->IsPrinting()) {
            DrawTracker(pDC);
        }
    }
    int GetHandleCount() override { return 4; }
    CPoint GetHandlePoint(int nHandle) override
    {
        return CPoint(nHandle % 2 ? m_rect.left : m_rect.right, nHandle <= 2 ? m_rect.top : m_rect.bottom);
    }

private:
    CRect m_rect;
};

// The same drawing call: a font is compared by what it asks for, not by the bytes after its face
// name's end, which GDI leaves as they were.
bool SameRecord(const EmfRecord& a, const EmfRecord& b)
{
    if (a.iType != b.iType) {
        return false;
    }
    if (a.iType == EMR_HEADER) {
        return true;
    }
    if (a.iType != EMR_EXTCREATEFONTINDIRECTW) {
        return a.data == b.data;
    }
    const auto* pA = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(a.data.data());
    const auto* pB = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(b.data.data());
    const LOGFONTW& lfA = pA->elfw.elfLogFont;
    const LOGFONTW& lfB = pB->elfw.elfLogFont;
    return pA->ihFont == pB->ihFont && memcmp(&lfA, &lfB, offsetof(LOGFONTW, lfFaceName)) == 0 &&
           wcsncmp(lfA.lfFaceName, lfB.lfFaceName, LF_FACESIZE) == 0;
}

// One word per layer met in the recording, repeats folded: "back" fills, "rect" outlines,
// "line" strokes, "free" the box's ellipse and each text as itself.
std::string Layers(CTestMetafile& emf)
{
    std::string strLayers;
    std::string strLast;
    for (const EmfRecord& rec : emf.Records()) {
        std::string strWord;
        switch (rec.iType) {
        case EMR_FILLRGN:
            strWord = "back";
            break;
        case EMR_RECTANGLE:
            strWord = "rect";
            break;
        case EMR_LINETO:
            strWord = "line";
            break;
        case EMR_ELLIPSE:
            strWord = "free";
            break;
        case EMR_EXTTEXTOUTW: {
            const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(rec.data.data());
            const auto* pChars = reinterpret_cast<const WCHAR*>(rec.data.data() + pText->emrtext.offString);
            for (DWORD i = 0; i < pText->emrtext.nChars; ++i) {
                strWord += static_cast<char>(pChars[i]);
            }
            break;
        }
        default:
            continue;
        }
        if (strWord != strLast) {
            strLayers += (strLayers.empty() ? "" : " ") + strWord;
            strLast = strWord;
        }
    }
    return strLayers;
}

// Frame, grid lines, head cells of kinds 1, 6 and 2, a page cell, a detail area of one row and a
// selected free object.
class CappSheetDrawTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_grid = MakeGridSheet(m_sheet, 1000, 800, 50, 2, {100, 200, 300, 400}, {300, 600});
        AddGridCell(m_sheet.m_HeadCellList, m_grid, 0, 0, 1, 1, CCappCell::kindStatic, "S1");
        AddGridCell(m_sheet.m_HeadCellList, m_grid, 0, 1, 1, 2, CCappCell::kindStaticOther, "K6");
        AddGridCell(m_sheet.m_HeadCellList, m_grid, 0, 2, 1, 3, CCappCell::kindVariable, "V1", "HV");
        AddGridCell(m_sheet.m_PageCellList, m_grid, 1, 0, 2, 1, CCappCell::kindStatic, "P1");
        CCappMidData* pMid = AddMidArea(m_sheet, m_grid, "MD", 2, 0, 4, 3);
        AddMidCell(m_sheet, m_grid, *pMid, 2, 0, 3, "M");
        FillMDData(m_md, {"M"}, {{"M1"}});
        pMid->m_pMDData = &m_md;
        pMid->UpdateMidCellData(nullptr, 0, 0);
        auto* pBox = new CTestBoxObj(CRect(700, 600, 800, 700));
        pBox->m_bSelected = 1;
        m_sheet.m_listFreeObj.AddTail(pBox);
        m_sheet.SetCardObj(&m_card);
        m_sheet.m_bDesign = 0;
    }

    std::string DrawLayers(BOOL bPrinting)
    {
        CTestMetafile emf;
        if (bPrinting) {
            CPrinterLikeDC printer(emf.DC().m_hDC);
            EXPECT_EQ(1, m_sheet.DrawSheet(&printer));
        } else {
            EXPECT_EQ(1, m_sheet.DrawSheet(&emf.DC()));
        }
        return Layers(emf);
    }

    CCappSheet m_sheet;
    SheetGrid m_grid;
    CCappMDData m_md;
    CCardObj m_card;
};

TEST_F(CappSheetDrawTest, PrintSelectionChoosesTheLayersInTheirOrder)
{
    struct Case
    {
        const char* szName;
        BOOL bPrinting;
        int nPrintSelect;
        int bPrintAll;
        const char* szLayers;
    };
    const Case cases[] = {
        {"on screen every layer, handles last", FALSE, CCardObj::printStatic, 0,
         "back rect M1 S1 K6 V1 P1 line free rect"},
        {"flags 0 print every layer without handles", TRUE, 0, 0, "back rect M1 S1 K6 V1 P1 line free"},
        {"print-all ignores the flags", TRUE, CCardObj::printStatic, 1, "back rect M1 S1 K6 V1 P1 line free"},
        {"0x1 static head cells, kind 6 among them", TRUE, CCardObj::printStatic, 0, "S1 K6"},
        {"0x4 variable head cells", TRUE, CCardObj::printVariable, 0, "V1"},
        {"0x8 page cells", TRUE, CCardObj::printPageCell, 0, "P1"},
        {"0x10 detail areas", TRUE, CCardObj::printMidData, 0, "M1"},
        {"0x100 background, lines and free objects", TRUE, CCardObj::printTable, 0, "back rect line free"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_card.m_nPrintSelect = c.nPrintSelect;
        m_sheet.m_bPrintAll = c.bPrintAll;
        EXPECT_EQ(c.szLayers, DrawLayers(c.bPrinting));
    }
}

TEST_F(CappSheetDrawTest, DesignerShowsVariableNamesOnScreenAndPrintsNoVariableCells)
{
    m_sheet.m_bDesign = 1;
    EXPECT_EQ("back rect [M] S1 K6 [HV] P1 line free rect", DrawLayers(FALSE));
    EXPECT_EQ("back rect S1 K6 P1 line free", DrawLayers(TRUE));
}

TEST_F(CappSheetDrawTest, WidthZeroLineShowsGreyOnlyInTheDesignerOnScreen)
{
    struct Case
    {
        const char* szName;
        int bDesign;
        BOOL bPrinting;
        size_t nStrokes;
    };
    const Case cases[] = {
        {"designer on screen", 1, FALSE, 1},
        {"card view on screen", 0, FALSE, 0},
        {"designer printing", 1, TRUE, 0},
    };
    m_sheet.FindLine(CCappLine::typeHCell, m_grid.rows[2])->m_nWidth = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_sheet.m_bDesign = c.bDesign;
        CTestMetafile emf;
        CPrinterLikeDC printer(emf.DC().m_hDC);
        m_sheet.DrawSheet(c.bPrinting ? static_cast<CDC*>(&printer) : &emf.DC());
        // The hidden line is the only grey pen; it strokes from the frame's left to its right.
        size_t nGrey = 0;
        for (const EmfRecord* pRec : emf.Find(EMR_CREATEPEN)) {
            const auto* pPen = reinterpret_cast<const EMRCREATEPEN*>(pRec->data.data());
            nGrey += pPen->lopn.lopnColor == 0xC0C0C0 && pPen->lopn.lopnWidth.x == 1;
        }
        // The grey frame outline of a width-0 frame does not come into it: this frame is 2 wide.
        EXPECT_EQ(c.nStrokes, nGrey);
    }
}

TEST_F(CappSheetDrawTest, OwnRectangleCellDrawsInItsRectangleOnlyWithTheOwnDrawFlag)
{
    auto* pCell = new CCappCell;
    pCell->m_strText = "OWN";
    pCell->m_bOwnRect = 1;
    pCell->m_rcOwn.SetRect(600, 650, 900, 750);
    m_sheet.m_HeadCellList.AddTail(pCell);
    struct Case
    {
        const char* szName;
        int bOwnDraw;
        size_t nCalls;
    };
    const Case cases[] = {
        {"own-draw flag set", 1, 1},
        {"own-draw flag clear", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_sheet.m_bOwnDrawFreeObj = c.bOwnDraw;
        CTestMetafile emf;
        m_sheet.DrawSheet(&emf.DC());
        size_t nCalls = 0;
        for (const EmfTextCall& call : emf.TextCalls()) {
            if (call.text == L"OWN") {
                ++nCalls;
                EXPECT_TRUE(pCell->m_rcOwn.PtInRect(call.ptReference))
                    << call.ptReference.x << "," << call.ptReference.y;
            }
        }
        EXPECT_EQ(c.nCalls, nCalls);
    }
}

TEST_F(CappSheetDrawTest, SelectedFreeObjectShowsOneHandlePerCornerOnScreen)
{
    CTestMetafile emf;
    m_sheet.DrawSheet(&emf.DC());
    // The frame outline, then the four handle squares.
    const auto rects = emf.Find(EMR_RECTANGLE);
    ASSERT_EQ(5u, rects.size()) << emf.Dump();
    EXPECT_EQ("690,590,709,609", RectOf(rects[1]));
}

TEST_F(CappSheetDrawTest, CurrentRowMarksFillTheirRectanglesInTheCardView)
{
    m_sheet.m_bCurRow = 1;
    m_sheet.AddCurRowRectItem(CRect(60, 160, 960, 250));
    CTestMetafile emf;
    m_sheet.DrawSheet(&emf.DC());
    const auto rects = emf.Find(EMR_RECTANGLE);
    ASSERT_LE(2u, rects.size()) << emf.Dump();
    EXPECT_EQ("60,160,959,249", RectOf(rects[1]));
}

// A print run gives the page's rectangle instead of the model's: the picture is the one the model's
// rectangle would give, and the model keeps its own.
TEST_F(CappSheetDrawTest, DrawingIntoARectangleDrawsAsTheViewRectangleAndKeepsIt)
{
    struct Case
    {
        const char* szName;
        BOOL bPrinting;
        CRect rcDraw;
    };
    const Case cases[] = {
        {"a printer page holding the sheet", TRUE, CRect(0, 0, 2480, 3508)},
        {"a printer page cutting the sheet", TRUE, CRect(0, 0, 60, 40)},
        {"a window part on screen", FALSE, CRect(20, 10, 70, 50)},
    };
    const CRect rcModel(1, 2, 3, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestMetafile viaModel;
        CPrinterLikeDC printerViaModel(viaModel.DC().m_hDC);
        m_sheet.m_rcView = c.rcDraw;
        m_sheet.DrawSheet(c.bPrinting ? static_cast<CDC*>(&printerViaModel) : &viaModel.DC());

        CTestMetafile viaRect;
        CPrinterLikeDC printerViaRect(viaRect.DC().m_hDC);
        m_sheet.m_rcView = rcModel;
        EXPECT_EQ(1, m_sheet.DrawSheet(c.bPrinting ? static_cast<CDC*>(&printerViaRect) : &viaRect.DC(), c.rcDraw));
        EXPECT_TRUE(m_sheet.m_rcView == rcModel);

        const std::vector<EmfRecord>& expected = viaModel.Records();
        const std::vector<EmfRecord>& actual = viaRect.Records();
        ASSERT_EQ(expected.size(), actual.size()) << viaRect.Dump();
        for (size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(expected[i].iType, actual[i].iType);
            EXPECT_TRUE(SameRecord(expected[i], actual[i])) << viaRect.Dump();
        }
    }
}

} // namespace
