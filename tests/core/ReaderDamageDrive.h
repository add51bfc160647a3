// The card model's readers as the damage driver tries them: each reader with its seeds and what
// one input goes through (read, then drawn as the designer and the report control would paint
// it). The CI test runs a few hundred inputs each; bench/ReaderDamageBench runs many more.
#pragma once

#include <string>
#include <vector>

#include "core/CappCell.h"
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
#include "platform/base/ArchiveException.h"
#include "platform/base/FileException.h"
#include "platform/base/MemoryException.h"
#include "tests/core/CardArchiveUtil.h"
#include "tests/core/SampleTemplates.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "tests/support/DamageDriver.h"

namespace damage
{

// A memory DC over a small 32-bit bitmap: what is drawn beyond it is clipped. Header only, so the
// bench program needs no test library.
class CDriveCanvas
{
public:
    CDriveCanvas(int cx, int cy)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        m_bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
        m_dc.CreateCompatibleDC(nullptr);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    }
    ~CDriveCanvas() { m_dc.SelectObject(m_pOldBitmap); }
    CDriveCanvas(const CDriveCanvas&) = delete;
    CDriveCanvas& operator=(const CDriveCanvas&) = delete;

    CDC& DC() { return m_dc; }

private:
    // The bitmap outlives the DC it is selected into.
    CBitmap m_bitmap;
    CDC m_dc;
    CBitmap* m_pOldBitmap = nullptr;
};

// Another DC's handle, answering that it prints: the printing paths of the drawing run.
class CDrivePrinterDC : public CDC
{
public:
    explicit CDrivePrinterDC(HDC hDC)
    {
        Attach(hDC);
        m_bPrinting = TRUE;
    }
    ~CDrivePrinterDC() override { Detach(); }
    CDrivePrinterDC(const CDrivePrinterDC&) = delete;
    CDrivePrinterDC& operator=(const CDrivePrinterDC&) = delete;
};

inline DamageBytes ToBytes(const std::string& str)
{
    return DamageBytes(str.begin(), str.end());
}

inline DamageSeed SheetSeed(const char* pszName, CCappSheet* pSheet)
{
    DamageSeed seed{pszName, StoreObject(*pSheet)};
    delete pSheet;
    return seed;
}

// The bundled sample templates and a card of every free-object kind.
inline std::vector<DamageSeed> TemplateSeeds()
{
    std::vector<DamageSeed> seeds;
    seeds.push_back(SheetSeed("process card", sample::MakeProcessCardMaster()));
    seeds.push_back(SheetSeed("continuation card", sample::MakeProcessCardNext()));
    seeds.push_back(SheetSeed("inspection card", sample::MakeInspectionCard()));
    return seeds;
}

inline std::vector<DamageSeed> FreeObjectSeeds()
{
    auto* pSheet = new CCappSheet;
    pSheet->NewSheetDef(2100, 2970, 5, 100, 100, 100, 100, "A4");
    pSheet->m_bOwnDrawFreeObj = 1;
    auto fnBox = [&](CCappFreeBox* pBox, const CRect& rc) {
        pBox->SetBoxRect(rc);
        pBox->m_strText = "技术要求\n第二行";
        pBox->m_bSelected = 1;
        pSheet->m_listFreeObj.AddTail(pBox);
    };
    fnBox(new CCappFreeRect, CRect(100, 100, 500, 300));
    fnBox(new CCappFreeCircle, CRect(600, 100, 900, 300));
    fnBox(new CCappFreeTriangle, CRect(1000, 100, 1300, 300));
    fnBox(new CCappFreeRound, CRect(100, 400, 500, 600));
    fnBox(new CCappFreeCloud, CRect(600, 400, 900, 600));
    fnBox(new CCappFreeRectArrow, CRect(1000, 400, 1300, 600));
    fnBox(new CCappFreeRoundArrow, CRect(100, 700, 500, 900));
    fnBox(new CCappCircleArrow, CRect(600, 700, 900, 900));
    auto* pLine = new CCappFreeLine;
    pLine->MoveHandleTo(1, CPoint(100, 1000));
    pLine->MoveHandleTo(2, CPoint(800, 1200));
    pSheet->m_listFreeObj.AddTail(pLine);
    auto* pArrow = new CCappFreeLineArrow;
    pArrow->MoveHandleTo(1, CPoint(900, 1000));
    pArrow->MoveHandleTo(2, CPoint(1300, 1200));
    pSheet->m_listFreeObj.AddTail(pArrow);
    auto* pSpline = new CCappFreeSpline;
    for (const CPoint& pt : {CPoint(100, 1300), CPoint(400, 1500), CPoint(700, 1300), CPoint(1000, 1500)}) {
        pSpline->AddPoint(pt);
    }
    pSheet->m_listFreeObj.AddTail(pSpline);
    return {SheetSeed("every free-object kind", pSheet)};
}

// Loads a template; what loads is drawn on screen at 100 % and on a 600-dpi printer, both clipped
// to a small bitmap.
inline void ReadTemplate(const DamageBytes& input)
{
    CCappSheet sheet;
    try {
        LoadObject(sheet, input);
    } catch (CArchiveException* e) {
        e->Delete();
        return;
    } catch (CFileException* e) {
        e->Delete();
        return;
    } catch (CMemoryException* e) {
        e->Delete();
        return;
    }
    {
        CDriveCanvas canvas(300, 300);
        CDC& dc = canvas.DC();
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(2540, 2540);
        dc.SetViewportExt(960, 960);
        sheet.DrawSheet(&dc);
    }
    {
        // A 600-dpi printer.
        CDriveCanvas canvas(300, 300);
        CDrivePrinterDC printer(canvas.DC().m_hDC);
        printer.SetMapMode(MM_ANISOTROPIC);
        printer.SetWindowExt(254, 254);
        printer.SetViewportExt(600, 600);
        sheet.DrawSheet(&printer);
    }
}

inline std::vector<DamageSeed> FigureSeeds()
{
    return {
        {"every keyword",
         ToBytes(
             "'figure\r\nLine 20,30,140,100,RGB(200,0,0),3\r\nFolded 20,100,60,30,100,100,140,30,RGB(0,0,200),2\r\n"
             "Polygon 80,25,140,100,20,100,RGB(0,160,0)\r\nBezier 20,100,40,10,120,110,140,30,2\r\n"
             "Arc 80,65,40,30,240,,RGB(0,0,0),2\r\nPie 80,65,40,30,240,F\r\nChord 50,50,40,30,150\r\n"
             "Circle 80,65,40,B,,2\r\nEllipse 80,65,60,35,F\r\nArc[S] 20,25,140,105,0,180,,,3\r\n"
             "Pie[S] 20,25,140,105,90,360,B,,2\r\nChord[S] 20,25,140,105,200,340,F\r\nEllipse[S] 20,25,140,105,I\r\n"
             "Rectangle 20,25,120,80,B,RGB(0,0,200),3\r\nRoundRect 20,25,120,80,20,F\r\n"
             "Rectangle[A] 20,25,140,105,I\r\nRoundRect[A] 20,25,140,105,30,B,,2\r\n"
             "Text \"零件图号 A-1\",RGB(0,0,160),14,55,6\r\n")},
        {"the chord that crashed", ToBytes("Chord 50,50,967296,30,150\r\n")},
    };
}

// Checks the figure text, then parses and draws each line as the sheet's figure list would.
inline void ReadFigureText(const DamageBytes& input)
{
    const CString strText(reinterpret_cast<const char*>(input.data()), static_cast<int>(input.size()));
    CString strMsg;
    CGraphEntity::DoCheckSyntax(strText, strMsg);
    CDriveCanvas canvas(200, 200);
    int nStart = 0;
    while (nStart < strText.GetLength()) {
        int nEnd = strText.Find("\r\n", nStart);
        if (nEnd < 0) {
            nEnd = strText.GetLength();
        }
        CGraphEntity figure;
        CString strReason;
        if (figure.SetData(strText.Mid(nStart, nEnd - nStart), strReason, 0)) {
            figure.Draw(&canvas.DC(), 0);
        }
        nStart = nEnd + 2;
    }
}

inline std::string Repeat(const std::string& str, size_t nTimes)
{
    std::string out;
    out.reserve(str.size() * nTimes);
    for (size_t i = 0; i < nTimes; ++i) {
        out += str;
    }
    return out;
}

inline std::vector<DamageSeed> CellTextSeeds()
{
    return {
        {"notation", ToBytes("Φ<T>20;+0.021;0;1;H7</T> 孔\n<F>1;1;2</F>英寸  M<S>;2;x</S>\n"
                             "<C>2;3.2;;;;0;;0</C> 粗糙度\n<G>7;1;0.02;0;A;0;;0;;0;-1;-1</G>\n")},
        {"short lines", ToBytes(Repeat("工序\n", 200))},
    };
}

// 32 KB of short lines drew in 10.8 s when each line moved the rest of the text on.
inline DamageSeed ShortLinesSeed()
{
    return {"32 KB of short lines", ToBytes(Repeat("工序\n", 32 * 1024 / 5))};
}

// A variable cell of notation text with its value drawn row by row, as the sheet draws it.
inline void ReadCellText(const DamageBytes& input)
{
    CCappCell cell;
    cell.m_nContentKind = CCappCell::kindVariable;
    cell.m_strVarName = "工序内容";
    cell.m_nDisplay = 0x8 | 0x4; // notation, rows broken by width
    cell.m_strText = CString(reinterpret_cast<const char*>(input.data()), static_cast<int>(input.size()));
    CDriveCanvas canvas(300, 300);
    CDC& dc = canvas.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2540, 2540);
    dc.SetViewportExt(960, 960);
    cell.DrawCellText(&dc, CRect(0, 0, 600, 600), 0);
}

} // namespace damage
