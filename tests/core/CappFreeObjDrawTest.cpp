// Drawing the free-object kinds: what each records into a metafile, the rules for border, fill
// and text, and a picture of every kind to look at.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/CappCircleArrow.h"
#include "core/CappFreeCircle.h"
#include "core/CappFreeCloud.h"
#include "core/CappFreeLine.h"
#include "core/CappFreeLineArrow.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeRectArrow.h"
#include "core/CappFreeRound.h"
#include "core/CappFreeRoundArrow.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"
#include "core/CappSheet.h"
#include "core/GraphEntity.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/MetafileRecorder.h"
#include "tests/support/PngFile.h"
#include "tests/support/PrinterLikeDC.h"

namespace
{

TEST(CappFreeObjDrawTest, RectangleBorderFillAndTextRules)
{
    struct Case
    {
        const char* szName;
        int bBorder;
        int nLineWidth;
        int bTransparent;
        size_t nRectangles;
        size_t nTexts;
    };
    const Case cases[] = {
        {"border and fill", 1, 2, 0, 1, 1},
        {"no border, opaque: filled", 0, 2, 0, 1, 1},
        {"border 0 wide, opaque: filled", 1, 0, 0, 1, 1},
        {"no border, transparent: only the text", 0, 1, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappFreeRect rect;
        rect.SetBoxRect(CRect(10, 10, 200, 100));
        rect.m_bBorder = c.bBorder;
        rect.m_nLineWidth = c.nLineWidth;
        rect.m_bTransparent = c.bTransparent;
        rect.m_strText = "ab";
        CTestMetafile emf;
        rect.Draw(&emf.DC());
        EXPECT_EQ(c.nRectangles, emf.Find(EMR_RECTANGLE).size()) << emf.Dump();
        EXPECT_EQ(c.nTexts, emf.TextCalls().size());
    }
}

TEST(CappFreeObjDrawTest, TextSitsInsideTheBoxInItsColourAndFormat)
{
    CCappFreeRect rect;
    rect.SetBoxRect(CRect(10, 10, 200, 100));
    rect.m_strText = "注意";
    rect.m_crText = RGB(0, 0, 255);
    CTestMetafile emf;
    rect.Draw(&emf.DC());
    const std::vector<EmfTextCall> texts = emf.TextCalls();
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(RGB(0, 0, 255), texts[0].crText);
    EXPECT_EQ(TRANSPARENT, texts[0].nBkMode);
    EXPECT_EQ(-31, texts[0].font.lfHeight) << "one to one: the height as it is";
}

TEST(CappFreeObjDrawTest, TrackerOnScreenOnlyAndSplinesOfOnePointDrawNothing)
{
    CCappFreeLine line;
    line.MoveHandleTo(1, CPoint(10, 10));
    line.MoveHandleTo(2, CPoint(100, 10));
    line.m_bSelected = 1;
    {
        CTestMetafile emf;
        line.Draw(&emf.DC());
        EXPECT_EQ(2u, emf.Find(EMR_RECTANGLE).size()) << "one square per handle";
    }
    {
        CTestMetafile emf;
        CPrinterLikeDC printer(emf.DC().GetSafeHdc());
        printer.m_bPrinting = TRUE;
        line.Draw(&printer);
        EXPECT_EQ(0u, emf.Find(EMR_RECTANGLE).size());
    }
    CCappFreeSpline spline;
    spline.AddPoint(CPoint(5, 5));
    EXPECT_EQ(1, spline.GetHandleCount());
    CTestMetafile emf;
    spline.Draw(&emf.DC());
    EXPECT_EQ(0u, emf.Find(EMR_POLYLINE).size() + emf.Find(EMR_POLYLINE16).size());
}

TEST(CappFreeObjDrawTest, ArrowHeadIsFilledBlack)
{
    CTestDib dib(120, 40);
    CCappFreeLineArrow arrow;
    arrow.MoveHandleTo(1, CPoint(5, 20));
    arrow.MoveHandleTo(2, CPoint(105, 20));
    arrow.m_crLine = RGB(255, 0, 0);
    arrow.Draw(&dib.DC());
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(50, 20));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(98, 20)) << "inside the head";
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(110, 20)) << "nothing beyond the end";
}

TEST(CappFreeObjDrawTest, PointerKindsDrawOneOutlineWithTheirPointer)
{
    CTestDib dib(300, 200);
    CCappCircleArrow pointer;
    pointer.SetBoxRect(CRect(20, 20, 120, 120));
    pointer.MoveHandleTo(9, CPoint(250, 150));
    pointer.m_bTransparent = 1;
    pointer.Draw(&dib.DC());
    EXPECT_GT(dib.CountInk(CRect(200, 100, 260, 160)), 10) << "the pointer reaches its tip";
    EXPECT_EQ(0, dib.CountInk(CRect(60, 60, 90, 90))) << "no pointer sides inside the body";
}

// Every kind in a grid of 200 by 150 cells, selected ones with their handles.
TEST(CappFreeObjDrawTest, PictureOfEveryKind)
{
    std::vector<std::unique_ptr<CCappFreeObj>> objs;
    auto fnBox = [&objs](CCappFreeBox* pBox, bool bTip) {
        pBox->SetBoxRect(CRect(30, 30, 150, 100));
        if (bTip && pBox->IsKindOf(FX_RUNTIME_CLASS(CCappFreePointerBox))) {
            pBox->MoveHandleTo(9, CPoint(185, 135));
        }
        pBox->m_strText = "文字";
        pBox->m_crFill = RGB(255, 250, 200);
        pBox->m_nLineWidth = 2;
        objs.emplace_back(pBox);
    };
    auto* pLine = new CCappFreeLine;
    pLine->MoveHandleTo(1, CPoint(20, 130));
    pLine->MoveHandleTo(2, CPoint(180, 30));
    pLine->m_nLineWidth = 3;
    objs.emplace_back(pLine);
    fnBox(new CCappFreeRect, false);
    fnBox(new CCappFreeCircle, false);
    auto* pTriangle = new CCappFreeTriangle;
    fnBox(pTriangle, false);
    pTriangle->MoveHandleTo(9, CPoint(60, 0));
    fnBox(new CCappFreeRound, false);
    fnBox(new CCappFreeCloud, true);
    fnBox(new CCappFreeRectArrow, true);
    fnBox(new CCappFreeRoundArrow, true);
    fnBox(new CCappCircleArrow, true);
    auto* pArrow = new CCappFreeLineArrow;
    pArrow->MoveHandleTo(1, CPoint(20, 130));
    pArrow->MoveHandleTo(2, CPoint(180, 30));
    pArrow->m_crLine = RGB(0, 0, 200);
    objs.emplace_back(pArrow);
    auto* pSpline = new CCappFreeSpline;
    for (CPoint pt : {CPoint(20, 120), CPoint(60, 30), CPoint(100, 120), CPoint(140, 30), CPoint(180, 120)}) {
        pSpline->AddPoint(pt);
    }
    pSpline->m_crLine = RGB(0, 140, 0);
    pSpline->m_nLineWidth = 2;
    objs.emplace_back(pSpline);
    objs[1]->m_bSelected = 1;
    objs[6]->m_bSelected = 1;
    objs[6]->m_bInvertHandles = 1;

    const int nCols = 4;
    const int cxCell = 200;
    const int cyCell = 150;
    const int nCount = static_cast<int>(objs.size());
    CTestDib dib(nCols * cxCell, (nCount + nCols - 1) / nCols * cyCell);
    for (int i = 0; i < nCount; ++i) {
        SCOPED_TRACE(objs[static_cast<size_t>(i)]->GetRuntimeClass()->m_lpszClassName);
        const int x0 = (i % nCols) * cxCell;
        const int y0 = (i / nCols) * cyCell;
        const CRect rcCell(x0, y0, x0 + cxCell, y0 + cyCell);
        dib.DC().SetViewportOrg(x0, y0);
        objs[static_cast<size_t>(i)]->Draw(&dib.DC());
        dib.DC().SetViewportOrg(0, 0);
        EXPECT_GT(dib.CountInk(rcCell), 100);
    }
    const std::string strPath = TestImagePath("free-object-kinds.png");
    EXPECT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height()));
}

TEST(CappFreeObjDrawTest, SheetDrawsItsFreeObjectsThenItsFigures)
{
    CCappSheet sheet;
    sheet.NewSheetDef(300, 200, 0, 10, 10, 10, 10, "A4");
    auto* pRect = new CCappFreeRect;
    pRect->SetBoxRect(CRect(20, 20, 120, 120));
    pRect->m_crFill = RGB(0, 0, 255);
    sheet.m_listFreeObj.AddTail(pRect);
    auto* pFigure = new CGraphEntity;
    CString strReason;
    ASSERT_EQ(1, pFigure->SetData("Rectangle 60,60,100,100,F,RGB(255,0,0)", strReason, 0));
    sheet.m_listSGE.AddTail(pFigure);

    CTestDib dib(300, 200);
    sheet.DrawSheet(&dib.DC());
    EXPECT_EQ(RGB(0, 0, 255), dib.Pixel(40, 40));
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(100, 100)) << "the figure over the free object";
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(150, 150));

    sheet.m_bOwnDrawFreeObj = 0;
    CTestDib designer(300, 200);
    sheet.DrawSheet(&designer.DC());
    EXPECT_EQ(RGB(255, 255, 255), designer.Pixel(40, 40)) << "the designer draws its free objects itself";
}

} // namespace
