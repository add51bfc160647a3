#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <new>

#include "core/CappMetricDC.h"
#include "platform/gdi/Font.h"
#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "support/PrinterLikeDC.h"

namespace
{
// Only the presence of print information matters to the metric DC.
CPrintInfo* SomePrintInfo()
{
    static int nDummy = 0;
    return reinterpret_cast<CPrintInfo*>(&nDummy);
}

TEST(CappMetricDCTest, HundredMillimetresAt600Dpi)
{
    CTestDib dib(2500, 300);
    CPrinterLikeDC printer(dib.DC().m_hDC);
    CDC* pDC = &printer;
    {
        CCappMetricDC metric(pDC, nullptr);
        ASSERT_TRUE(metric.IsAttached());
        ASSERT_EQ(&metric, pDC);
        EXPECT_TRUE(pDC->IsPrinting());
        EXPECT_DOUBLE_EQ(600 / 254.0, metric.DotPerTenthMM());
        pDC->MoveTo(0, 50);
        pDC->LineTo(1000, 50);
        // Vertically too, beyond the end of the first line.
        pDC->MoveTo(1020, 0);
        pDC->LineTo(1020, 100);
        pDC = metric.Deattach();
    }
    EXPECT_EQ(&printer, pDC) << "detaching gives the wrapped DC back";
    CRect rcHorz = dib.InkBounds(CRect(0, 0, 2400, 300));
    EXPECT_EQ(0, rcHorz.left);
    EXPECT_NEAR(118, rcHorz.top, 1);
    EXPECT_NEAR(2362, rcHorz.Width(), 1);
    EXPECT_EQ(1, rcHorz.Height());
    CRect rcVert = dib.InkBounds(CRect(2400, 0, 2500, 300));
    EXPECT_NEAR(2409, rcVert.left, 1);
    EXPECT_NEAR(236, rcVert.Height(), 1);
}

TEST(CappMetricDCTest, VerticalAxisUsesVerticalResolution)
{
    CTestDib dib(4, 4);
    CPrinterLikeDC printer(dib.DC().m_hDC, 300);
    CDC* pDC = &printer;
    CCappMetricDC metric(pDC, nullptr);
    ASSERT_TRUE(metric.IsAttached());
    CPoint pt(1000, 1000);
    pDC->LPtoDP(&pt);
    EXPECT_EQ(CPoint(2362, 1181), pt);
}

TEST(CappMetricDCTest, DeattachRestoresTheCallersDC)
{
    CTestDib dib(50, 50);
    CDC* pDC = &dib.DC();
    pDC->SetWindowOrg(3, 4);
    pDC->SetTextColor(RGB(1, 2, 3));
    HGDIOBJ hFontBefore = pDC->GetCurrentFont()->m_hObject;

    CCappMetricDC metric;
    EXPECT_FALSE(metric.IsAttached());
    EXPECT_EQ(nullptr, metric.Deattach());
    ASSERT_EQ(1, metric.Attach(pDC, nullptr));
    EXPECT_EQ(&metric, pDC);
    EXPECT_EQ(MM_ANISOTROPIC, pDC->GetMapMode());
    EXPECT_EQ(CPoint(0, 0), pDC->GetWindowOrg()) << "no print information: zero window origin";
    CFont font;
    ASSERT_TRUE(font.CreateFont(-35, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体"));
    pDC->SelectObject(&font); // left selected on purpose: detaching restores the caller's
    pDC->SetTextColor(RGB(9, 9, 9));

    pDC = metric.Deattach();
    EXPECT_EQ(&dib.DC(), pDC);
    EXPECT_EQ(MM_TEXT, pDC->GetMapMode());
    EXPECT_EQ(CPoint(3, 4), pDC->GetWindowOrg());
    EXPECT_EQ(RGB(1, 2, 3), pDC->GetTextColor());
    EXPECT_EQ(hFontBefore, pDC->GetCurrentFont()->m_hObject);
    EXPECT_FALSE(metric.IsAttached());
    EXPECT_EQ(nullptr, metric.m_hDC);
    EXPECT_EQ(nullptr, metric.Deattach());
    EXPECT_EQ(-1, metric.DotPerTenthMM());
    // The caller's DC survives the metric DC.
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(dib.DC().m_hDC));
}

TEST(CappMetricDCTest, CallersPointerIsNeverWrittenAfterAttach)
{
    struct Case
    {
        const char* szName;
        bool bExplicitDeattach;
    };
    const Case cases[] = {
        {"detached explicitly", true},
        {"detached by the destructor", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestDib dib(10, 10);
        auto pMetric = std::make_unique<CCappMetricDC>();
        // The caller's pointer lives in storage that is reused once the pointer is gone.
        alignas(CDC*) unsigned char storage[sizeof(CDC*)];
        CDC** ppDC = new (storage) CDC*(&dib.DC());
        ASSERT_EQ(1, pMetric->Attach(*ppDC, nullptr));
        EXPECT_EQ(pMetric.get(), *ppDC);
        std::memset(storage, 0xAB, sizeof(storage));
        if (c.bExplicitDeattach) {
            EXPECT_EQ(&dib.DC(), pMetric->Deattach());
        }
        pMetric.reset();
        for (unsigned char b : storage) {
            EXPECT_EQ(0xAB, b);
        }
        EXPECT_EQ(MM_TEXT, dib.DC().GetMapMode()) << "the wrapped DC is restored either way";
        EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(dib.DC().m_hDC)) << "a view deletes nothing";
    }
}

TEST(CappMetricDCTest, AttachRefusesMissingContexts)
{
    CCappMetricDC metric;
    CDC* pNull = nullptr;
    EXPECT_EQ(0, metric.Attach(pNull, nullptr));
    CDC dcEmpty;
    CDC* pEmpty = &dcEmpty;
    EXPECT_EQ(0, metric.Attach(pEmpty, nullptr));
    EXPECT_EQ(&dcEmpty, pEmpty);

    // A screen DC has no paper: with print information the attach fails and changes nothing.
    CTestDib dib(10, 10);
    CDC* pScreen = &dib.DC();
    int nLevelBefore = ::SaveDC(pScreen->m_hDC);
    ::RestoreDC(pScreen->m_hDC, -1);
    EXPECT_EQ(0, metric.Attach(pScreen, SomePrintInfo()));
    EXPECT_EQ(&dib.DC(), pScreen);
    EXPECT_EQ(MM_TEXT, pScreen->GetMapMode());
    EXPECT_EQ(nLevelBefore, ::SaveDC(pScreen->m_hDC)) << "no saved state left behind";
    ::RestoreDC(pScreen->m_hDC, -1);
}

TEST(CappMetricDCTest, PaperInformationOfThePrinter)
{
    CTestDib dib(4, 4);
    CPrinterLikeDC printer(dib.DC().m_hDC);
    CSize sizePaper;
    CRect rcPrint;
    ASSERT_EQ(1, CCappMetricDC::GetPaperInforByDC(&printer, sizePaper, rcPrint));
    EXPECT_EQ(CSize(2100, 2970), sizePaper);
    EXPECT_EQ(CRect(42, 42, 2058, 2928), rcPrint);
    CSize sizeAgain;
    CRect rcAgain;
    ASSERT_EQ(1, CCappMetricDC::QueryPaperInfor(&printer, SomePrintInfo(), sizeAgain, rcAgain));
    EXPECT_EQ(sizePaper, sizeAgain);
    EXPECT_EQ(rcPrint, rcAgain);

    // A screen DC has no physical page: outputs stay as they were.
    CSize sizeKept(1, 2);
    CRect rcKept(3, 4, 5, 6);
    EXPECT_EQ(0, CCappMetricDC::GetPaperInforByDC(&dib.DC(), sizeKept, rcKept));
    EXPECT_EQ(CSize(1, 2), sizeKept);
    EXPECT_EQ(CRect(3, 4, 5, 6), rcKept);
    CDC dcEmpty;
    EXPECT_EQ(0, CCappMetricDC::GetPaperInforByDC(&dcEmpty, sizeKept, rcKept));
    EXPECT_EQ(0, CCappMetricDC::GetPaperInforByDC(nullptr, sizeKept, rcKept));
}

TEST(CappMetricDCTest, PrintableCornerAndOrigin)
{
    CTestDib dib(4, 4);
    CPrinterLikeDC printer(dib.DC().m_hDC);
    CDC* pDC = &printer;
    CCappMetricDC metric;
    CPoint ptCorner;
    CSize sizeOffset;
    CRect rc;
    EXPECT_EQ(0, metric.QueryStoredLTCornerOfPaper(ptCorner));
    EXPECT_EQ(0, metric.GetOriginOffset(sizeOffset));
    EXPECT_EQ(0, metric.OffsetOrg(CSize(1, 1)));
    EXPECT_EQ(0, metric.DevicePointToPaperPoint(rc));

    ASSERT_EQ(1, metric.Attach(pDC, SomePrintInfo()));
    EXPECT_EQ(CSize(2100, 2970), metric.GetPaperSize());
    ASSERT_EQ(1, metric.QueryStoredLTCornerOfPaper(ptCorner));
    EXPECT_EQ(CPoint(42, 42), ptCorner);
    EXPECT_EQ(CPoint(42, 42), pDC->GetWindowOrg());
    // The paper point under the printable area's first dot is the printing offset.
    CPoint pt(42, 42);
    pDC->LPtoDP(&pt);
    EXPECT_EQ(CPoint(0, 0), pt);

    ASSERT_EQ(1, metric.GetOriginOffset(sizeOffset));
    EXPECT_EQ(CSize(0, 0), sizeOffset);
    ASSERT_EQ(1, metric.OffsetOrg(CSize(10, 20)));
    EXPECT_EQ(CPoint(32, 22), pDC->GetWindowOrg());
    ASSERT_EQ(1, metric.GetOriginOffset(sizeOffset));
    EXPECT_EQ(CSize(10, 20), sizeOffset);
    ASSERT_EQ(1, metric.OffsetOrg(CSize(-10, -20)));

    rc.SetRect(0, 0, 0, 0);
    ASSERT_EQ(1, metric.DevicePointToPaperPoint(rc));
    EXPECT_EQ(CRect(99, 99, 99, 99), rc) << "moved by 4.2 mm in device units";
}

TEST(CappMetricDCTest, MappingIsRecordedInTheMetafile)
{
    CTestMetafile emf;
    CPrinterLikeDC printer(emf.DC().m_hDC);
    CDC* pDC = &printer;
    {
        CCappMetricDC metric(pDC, nullptr);
        pDC->MoveTo(0, 0);
        pDC->LineTo(1000, 0);
    }
    std::vector<const EmfRecord*> winExt = emf.Find(EMR_SETWINDOWEXTEX);
    std::vector<const EmfRecord*> viewExt = emf.Find(EMR_SETVIEWPORTEXTEX);
    ASSERT_EQ(1u, winExt.size()) << emf.Dump();
    ASSERT_EQ(1u, viewExt.size()) << emf.Dump();
    const auto* pWin = reinterpret_cast<const EMRSETVIEWPORTEXTEX*>(winExt[0]->data.data());
    const auto* pView = reinterpret_cast<const EMRSETVIEWPORTEXTEX*>(viewExt[0]->data.data());
    EXPECT_EQ(254, pWin->szlExtent.cx);
    EXPECT_EQ(254, pWin->szlExtent.cy);
    EXPECT_EQ(600, pView->szlExtent.cx);
    EXPECT_EQ(600, pView->szlExtent.cy);
    EXPECT_EQ(1u, emf.Find(EMR_SAVEDC).size());
    EXPECT_EQ(1u, emf.Find(EMR_RESTOREDC).size()) << "detaching restores the caller's state";
}

TEST(CappMetricDCTest, CreatedByNameDetached)
{
    CObject* pObject = CRuntimeClass::CreateObject("CCappMetricDC");
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(FX_RUNTIME_CLASS(CDC)));
    auto* pMetric = static_cast<CCappMetricDC*>(pObject);
    EXPECT_FALSE(pMetric->IsAttached());
    delete pMetric;
}

TEST(CappMetricDCTest, StaticDotsPerTenthMillimetre)
{
    CTestDib dib(4, 4);
    CPrinterLikeDC printer(dib.DC().m_hDC);
    EXPECT_DOUBLE_EQ(600 / 254.0, CCappMetricDC::DotPerTenthMM(&printer));
    EXPECT_DOUBLE_EQ(96 / 254.0, CCappMetricDC::DotPerTenthMM(&dib.DC()));
    EXPECT_EQ(-1, CCappMetricDC::DotPerTenthMM(nullptr));
}
} // namespace
