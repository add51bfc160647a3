#include <gtest/gtest.h>

#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxTempMap.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Rgn.h"
#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "support/PngFile.h"
#include "support/PrinterLikeDC.h"

namespace
{
TEST(DCTest, MappingConvertsPointsRectsAndSizes)
{
    struct Case
    {
        const char* szName;
        SIZE sizeWindow;
        SIZE sizeViewport;
        POINT ptWindowOrg;
        POINT ptViewportOrg;
        POINT ptLogical;
        POINT ptDevice;
    };
    const Case cases[] = {
        {"identity", {1, 1}, {1, 1}, {0, 0}, {0, 0}, {7, 9}, {7, 9}},
        {"tenth mm at 600 dpi", {254, 254}, {600, 600}, {0, 0}, {0, 0}, {1000, 254}, {2362, 600}},
        {"window origin shifts", {1, 1}, {2, 3}, {10, 20}, {0, 0}, {10, 20}, {0, 0}},
        {"viewport origin shifts", {1, 1}, {1, 1}, {0, 0}, {5, 6}, {0, 0}, {5, 6}},
        {"y axis flipped", {1, 1}, {1, -1}, {0, 0}, {0, 100}, {0, 10}, {0, 90}},
    };
    CTestDib dib(10, 10);
    CDC& dc = dib.DC();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(c.sizeWindow);
        dc.SetViewportExt(c.sizeViewport);
        dc.SetWindowOrg(c.ptWindowOrg);
        dc.SetViewportOrg(c.ptViewportOrg);
        EXPECT_EQ(CSize(c.sizeWindow), dc.GetWindowExt());
        EXPECT_EQ(CPoint(c.ptWindowOrg), dc.GetWindowOrg());

        CPoint pt = c.ptLogical;
        dc.LPtoDP(&pt);
        EXPECT_EQ(CPoint(c.ptDevice), pt);
        dc.DPtoLP(&pt);
        EXPECT_EQ(CPoint(c.ptLogical), pt);

        CRect rc(c.ptLogical, c.ptLogical);
        dc.LPtoDP(&rc);
        EXPECT_EQ(CRect(c.ptDevice, c.ptDevice), rc);

        // A size is a distance: origins do not move it.
        CSize size(c.ptLogical.x, c.ptLogical.y);
        CPoint ptZero(0, 0);
        dc.LPtoDP(&ptZero);
        dc.LPtoDP(&size);
        EXPECT_EQ(CPoint(c.ptDevice) - ptZero, size);
    }
}

TEST(DCTest, SaveAndRestoreBringBackMapping)
{
    CTestDib dib(10, 10);
    CDC& dc = dib.DC();
    int nSaved = dc.SaveDC();
    ASSERT_NE(0, nSaved);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(254, 254);
    dc.SetViewportExt(600, 600);
    dc.SetWindowOrg(5, 5);
    EXPECT_TRUE(dc.RestoreDC(nSaved));
    EXPECT_EQ(MM_TEXT, dc.GetMapMode());
    EXPECT_EQ(CPoint(0, 0), dc.GetWindowOrg());
}

TEST(DCTest, SelectionReturnsTheReplacedObject)
{
    CTestDib dib(10, 10);
    CDC& dc = dib.DC();
    CPen pen(PS_SOLID, 3, RGB(255, 0, 0));
    ASSERT_NE(nullptr, pen.GetSafeHandle());
    CPen* pOldPen = dc.SelectObject(&pen);
    ASSERT_NE(nullptr, pOldPen);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), pOldPen->m_hObject);
    EXPECT_EQ(pen.m_hObject, dc.GetCurrentPen()->m_hObject);
    // Selecting back answers our pen, through one wrapper per handle.
    CPen* pMine = dc.SelectObject(pOldPen);
    EXPECT_EQ(pen.m_hObject, pMine->m_hObject);
    EXPECT_EQ(pMine, CPen::FromHandle(pen));

    CFont font;
    ASSERT_TRUE(font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体"));
    CFont* pOldFont = dc.SelectObject(&font);
    ASSERT_NE(nullptr, pOldFont);
    LOGFONTA lf = {};
    ASSERT_NE(0, dc.GetCurrentFont()->GetLogFont(&lf));
    EXPECT_EQ(-20, lf.lfHeight);
    dc.SelectObject(pOldFont);

    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CPen*>(nullptr)));
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 5, 5));
    EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&rgn));
    EXPECT_EQ(ERROR, dc.SelectObject(static_cast<CRgn*>(nullptr)));
    // Through the untyped overload a region's kind must not come back as an object to select.
    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CGdiObject*>(&rgn)));
    CRect rcClip;
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&rcClip));
    EXPECT_EQ(CRect(0, 0, 5, 5), rcClip);
}

TEST(DCTest, OwnersDeleteTheirHandlesAndViewsDoNot)
{
    HGDIOBJ hPen = nullptr;
    {
        CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
        hPen = pen.m_hObject;
        CPen::FromHandle(static_cast<HPEN>(hPen)); // a view must not keep it alive or delete it
    }
    EXPECT_EQ(0u, ::GetObjectType(hPen));

    HGDIOBJ hDetached = nullptr;
    {
        CBrush brush(RGB(1, 2, 3));
        hDetached = brush.Detach();
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(hDetached));
    CBrush brushOwner;
    brushOwner.Attach(hDetached);

    HDC hDC = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        hDC = dc.m_hDC;
        CClientDC dcScreen(nullptr); // released by its own destructor, not taken by dc
        EXPECT_FALSE(dc.Attach(dcScreen.m_hDC)) << "a second handle is refused";
    }
    EXPECT_EQ(0u, ::GetObjectType(hDC));

    HDC hMem = ::CreateCompatibleDC(nullptr);
    CDC* pView = CDC::FromHandle(hMem);
    EXPECT_EQ(pView, CDC::FromHandle(hMem));
    EXPECT_EQ(hMem, pView->GetSafeHdc());
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(hMem));
    CDC owner;
    owner.Attach(hMem);
    EXPECT_EQ(nullptr, CDC::FromHandle(nullptr));
}

TEST(DCTest, ViewsNeverDeleteTheirHandlesAndGoAtTheCleanUpPoint)
{
    HDC hMem = ::CreateCompatibleDC(nullptr);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH hBrush = ::CreateSolidBrush(RGB(4, 5, 6));
    HRGN hRgn = ::CreateRectRgn(0, 0, 2, 2);
    HFONT hFont = ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    struct Case
    {
        const char* szName;
        HGDIOBJ hHandle;
        DWORD dwType;
        BOOL (*pfnDeleteThroughView)(HGDIOBJ);
    };
    const Case cases[] = {
        {"memory DC", hMem, OBJ_MEMDC, [](HGDIOBJ h) { return CDC::FromHandle(static_cast<HDC>(h))->DeleteDC(); }},
        {"pen", hPen, OBJ_PEN, [](HGDIOBJ h) { return CPen::FromHandle(static_cast<HPEN>(h))->DeleteObject(); }},
        {"brush", hBrush, OBJ_BRUSH,
         [](HGDIOBJ h) { return CBrush::FromHandle(static_cast<HBRUSH>(h))->DeleteObject(); }},
        {"region", hRgn, OBJ_REGION, [](HGDIOBJ h) { return CRgn::FromHandle(static_cast<HRGN>(h))->DeleteObject(); }},
        {"font", hFont, OBJ_FONT, [](HGDIOBJ h) { return CFont::FromHandle(static_cast<HFONT>(h))->DeleteObject(); }},
        {"untyped object", hPen, OBJ_PEN, [](HGDIOBJ h) { return CGdiObject::FromHandle(h)->DeleteObject(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        ASSERT_NE(nullptr, c.hHandle);
        EXPECT_FALSE(c.pfnDeleteThroughView(c.hHandle));
        EXPECT_EQ(c.dwType, ::GetObjectType(c.hHandle));
    }

    // A DC view made a mark; after the clean-up a fresh view is handed out, the handles live on.
    CDC::FromHandle(hMem)->m_bPrinting = TRUE;
    FxDeleteTempMaps();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.dwType, ::GetObjectType(c.hHandle)) << "the clean-up frees wrappers, not handles";
    }
    EXPECT_FALSE(CDC::FromHandle(hMem)->IsPrinting());
    EXPECT_EQ(hMem, CDC::FromHandle(hMem)->GetSafeHdc());

    // Owners do delete: handing the handles over proves they were still whole.
    CDC dcOwner;
    EXPECT_TRUE(dcOwner.Attach(hMem));
    EXPECT_TRUE(dcOwner.DeleteDC());
    for (HGDIOBJ h : {static_cast<HGDIOBJ>(hPen), static_cast<HGDIOBJ>(hBrush), static_cast<HGDIOBJ>(hRgn),
                      static_cast<HGDIOBJ>(hFont)}) {
        CGdiObject owner;
        ASSERT_TRUE(owner.Attach(h));
        EXPECT_TRUE(owner.DeleteObject());
        EXPECT_EQ(0u, ::GetObjectType(h));
    }
    FxDeleteTempMaps();
}

TEST(DCTest, StateChangesReachTheAttributeDC)
{
    CTestDib dibOut(10, 10);
    CTestDib dibAttrib(10, 10);
    CDC dc;
    dc.m_hDC = dibOut.DC().m_hDC;
    dc.m_hAttribDC = dibAttrib.DC().m_hDC;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(4, 4);
    dc.SetTextColor(RGB(9, 8, 7));
    EXPECT_EQ(MM_ANISOTROPIC, ::GetMapMode(dibOut.DC().m_hDC));
    EXPECT_EQ(MM_ANISOTROPIC, ::GetMapMode(dibAttrib.DC().m_hDC));
    EXPECT_EQ(RGB(9, 8, 7), ::GetTextColor(dibAttrib.DC().m_hDC));
    CPoint pt(3, 3);
    dc.LPtoDP(&pt);
    EXPECT_EQ(CPoint(6, 6), pt);
    dc.m_hDC = dc.m_hAttribDC = nullptr; // borrowed
}

TEST(DCTest, ShapesAndFillsReachThePixels)
{
    CTestDib dib(40, 30);
    CDC& dc = dib.DC();
    COLORREF crBk = dc.SetBkColor(RGB(1, 1, 1));
    dc.FillSolidRect(CRect(2, 2, 12, 12), RGB(255, 0, 0));
    EXPECT_EQ(RGB(1, 1, 1), dc.GetBkColor()) << "FillSolidRect keeps the background colour";
    dc.SetBkColor(crBk);
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(2, 2));
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(11, 11));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(12, 12));

    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* pOld = dc.SelectObject(&pen);
    dc.MoveTo(20, 5);
    dc.LineTo(30, 5);
    dc.SelectObject(pOld);
    EXPECT_EQ(CRect(20, 5, 30, 6), dib.InkBounds(CRect(15, 0, 40, 30)));
    EXPECT_EQ(CPoint(30, 5), dc.GetCurrentPosition());

    // R2_NOT inverts what is under the pen.
    dc.SetROP2(R2_NOT);
    dc.MoveTo(2, 20);
    dc.LineTo(6, 20);
    dc.SetROP2(R2_COPYPEN);
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(3, 20));

    CBrush brush(RGB(0, 255, 0));
    dc.FrameRect(CRect(30, 20, 36, 26), &brush);
    CGdiObject* pOldBrush = dc.SelectStockObject(BLACK_BRUSH);
    ASSERT_NE(nullptr, pOldBrush);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), pOldBrush->m_hObject);
    dc.FloodFill(32, 22, RGB(0, 255, 0));
    dc.SelectObject(pOldBrush);
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(32, 22)) << "filled up to the green frame";
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(37, 22)) << "not beyond it";
}

TEST(DCTest, TextIsMeasuredAndDrawn)
{
    CTestDib dib(200, 40);
    CDC& dc = dib.DC();
    CFont font;
    ASSERT_TRUE(font.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体"));
    CFont* pOld = dc.SelectObject(&font);
    CSize sizeOne = dc.GetTextExtent(CString("工"));
    CSize sizeTwo = dc.GetTextExtent(CString("工艺"));
    EXPECT_GT(sizeOne.cx, 0);
    EXPECT_EQ(2 * sizeOne.cx, sizeTwo.cx);
    TEXTMETRICA tm = {};
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(sizeOne.cy, tm.tmHeight);

    CRect rc(0, 0, 200, 40);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    // Vertically centred, DrawText answers the offset from the top to the bottom of the text.
    int nBottom = dc.DrawText(CString("工艺"), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_NEAR((40 - tm.tmHeight) / 2 + tm.tmHeight, nBottom, 1);
    dc.SelectObject(pOld);
    CRect rcInk = dib.InkBounds(rc);
    ASSERT_FALSE(rcInk.IsRectEmpty());
    EXPECT_NEAR(100, rcInk.CenterPoint().x, 2);
    EXPECT_LE(rcInk.Width(), sizeTwo.cx);
}

TEST(DCTest, MetafileRecordsTheCalls)
{
    CTestMetafile emf;
    CDC& dc = emf.DC();
    ASSERT_NE(nullptr, dc.m_hDC);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(254, 254);
    dc.SetViewportExt(600, 600);
    dc.MoveTo(0, 0);
    dc.LineTo(1000, 0);
    dc.TextOut(10, 20, CString("工"));
    ASSERT_EQ(1u, emf.Find(EMR_LINETO).size()) << emf.Dump();
    std::vector<EmfTextCall> calls = emf.TextCalls();
    ASSERT_EQ(1u, calls.size()) << emf.Dump();
    EXPECT_EQ(L"工", calls[0].text);
    EXPECT_EQ(CPoint(10, 20), CPoint(calls[0].ptReference));
}

TEST(DCTest, PngRoundTripKeepsPixels)
{
    CTestDib dib(17, 9);
    dib.DC().FillSolidRect(3, 2, 5, 4, RGB(12, 34, 56));
    std::string path = TestImagePath("dc-roundtrip.png");
    ASSERT_TRUE(SavePng(path.c_str(), dib.Bits(), dib.Width(), dib.Height()));
    PngImage image;
    ASSERT_TRUE(LoadPng(path.c_str(), image));
    EXPECT_EQ(0, CountDifferentPixels(image, dib.Bits(), dib.Width(), dib.Height()));
    dib.DC().SetPixel(0, 0, RGB(0, 0, 0));
    EXPECT_EQ(1, CountDifferentPixels(image, dib.Bits(), dib.Width(), dib.Height()));
}

TEST(DCTest, PrinterLikeDCAnswersA4At600Dpi)
{
    CTestMetafile emf;
    CPrinterLikeDC dc(emf.DC().m_hDC);
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(600, dc.GetDeviceCaps(LOGPIXELSX));
    EXPECT_EQ(600, dc.GetDeviceCaps(LOGPIXELSY));
    EXPECT_EQ(4961, dc.GetDeviceCaps(PHYSICALWIDTH));
    EXPECT_EQ(DT_RASPRINTER, dc.GetDeviceCaps(TECHNOLOGY));
    // Through a base pointer too: code under test only sees a CDC*.
    CDC* pDC = &dc;
    EXPECT_EQ(7016, pDC->GetDeviceCaps(PHYSICALHEIGHT));
}
} // namespace

// A device that is no printer refuses the document, so the print loop can report it and stop
// before any page is spooled.
TEST(DCTest, NonPrinterDevicesRefuseADocument)
{
    struct Row
    {
        const char* name;
        bool bNull;
    };
    const Row rows[] = {{"memory DC", false}, {"no DC", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CDC dc;
        if (!row.bNull) {
            ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        }
        EXPECT_LE(dc.StartDoc("Card"), 0);
    }
}

namespace
{
// Pixels of the DIB that differ from white, and whether all of them lie in the frame of rc.
struct FrameInk
{
    int nInside;
    int nOutside;
};

FrameInk CountFrameInk(const CTestDib& dib, const CRect& rc, int nThick)
{
    FrameInk ink = {0, 0};
    CRect rcInside(rc);
    rcInside.DeflateRect(nThick, nThick);
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x) {
            if (dib.Pixel(x, y) == RGB(255, 255, 255)) {
                continue;
            }
            const CPoint pt(x, y);
            const bool bInFrame = rc.PtInRect(pt) && !rcInside.PtInRect(pt);
            (bInFrame ? ink.nInside : ink.nOutside) += 1;
        }
    }
    return ink;
}

TEST(DCTest, DragRectXorsAHalftoneFrameAndErasesTheLastOne)
{
    CTestDib dib(40, 30);
    const CRect rcFirst(4, 4, 20, 16);
    const CRect rcSecond(10, 8, 36, 26);
    const CSize size(2, 2);
    ASSERT_TRUE(dib.DC().DrawDragRect(&rcFirst, size, nullptr, size));
    // A checker: half the frame's pixels inverted to black, none elsewhere.
    FrameInk ink = CountFrameInk(dib, rcFirst, 2);
    const int nFrameFirst = rcFirst.Width() * rcFirst.Height() - 12 * 8;
    EXPECT_EQ(nFrameFirst / 2, ink.nInside);
    EXPECT_EQ(0, ink.nOutside);
    EXPECT_TRUE(SavePng(TestImagePath("dc-drag-rect.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));

    // Moving: the old frame goes in the same pass, even where the frames cross.
    ASSERT_TRUE(dib.DC().DrawDragRect(&rcSecond, size, &rcFirst, size));
    ink = CountFrameInk(dib, rcSecond, 2);
    EXPECT_EQ((rcSecond.Width() * rcSecond.Height() - 22 * 14) / 2, ink.nInside);
    EXPECT_EQ(0, ink.nOutside);

    // Erasing only leaves the DIB white; a rectangle thinner than its frame is filled whole.
    ASSERT_TRUE(dib.DC().DrawDragRect(nullptr, size, &rcSecond, size));
    EXPECT_EQ(0, dib.CountInk(CRect(0, 0, 40, 30)));
    const CRect rcBar(9, 0, 11, 30);
    ASSERT_TRUE(dib.DC().DrawDragRect(&rcBar, size, nullptr, size));
    EXPECT_EQ(30, dib.CountInk(CRect(0, 0, 40, 30)));
    EXPECT_EQ(30, dib.CountInk(rcBar));
}
} // namespace
