// Measuring and drawing of the segment kinds, pinned by recorded metafiles and pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/Font.h"
#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "support/PngFile.h"
#include "support/TestData.h"
#include "symbols/CircleStrContSeg.h"
#include "symbols/CoarsenessContSeg.h"
#include "symbols/CustomDrawContSeg.h"
#include "symbols/EnterContSeg.h"
#include "symbols/FractionContSeg.h"
#include "symbols/FrameStrContSeg.h"
#include "symbols/GpTolContSeg.h"
#include "symbols/StringContSeg.h"
#include "symbols/SupSubScriptContSeg.h"
#include "symbols/ToleranceContSeg.h"

namespace
{
LOGFONT SegFont(LONG lHeight = 12)
{
    CContentSegment seg;
    LOGFONT lf = seg.m_lFont;
    lf.lfHeight = lHeight;
    return lf;
}

// Text extent as the screen measures it, independent of the segment code.
SIZE Extent(LOGFONT lf, LONG lHeight, LPCSTR psz)
{
    lf.lfHeight = lHeight;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont font;
    font.CreateFontIndirect(&lf);
    CGdiObject* pOld = dc.SelectObject(&font);
    SIZE size = dc.GetTextExtent(psz, static_cast<int>(strlen(psz)));
    dc.SelectObject(pOld);
    return size;
}
LONG Cx(const LOGFONT& lf, LONG lHeight, LPCSTR psz)
{
    return Extent(lf, lHeight, psz).cx;
}

// The drawing calls of a metafile as short lines: shapes with their coordinates, pens, texts
// with their point and font height, fills with their colour.
std::vector<std::string> Calls(CTestMetafile& mf)
{
    std::vector<std::string> calls;
    std::vector<EmfTextCall> texts = mf.TextCalls();
    size_t nText = 0;
    COLORREF crBk = RGB(255, 255, 255);
    char sz[200];
    for (const EmfRecord& rec : mf.Records()) {
        const BYTE* p = rec.data.data();
        switch (rec.iType) {
        case EMR_MOVETOEX: {
            auto* r = reinterpret_cast<const EMRMOVETOEX*>(p);
            snprintf(sz, sizeof(sz), "M %ld,%ld", r->ptl.x, r->ptl.y);
            calls.push_back(sz);
            break;
        }
        case EMR_LINETO: {
            auto* r = reinterpret_cast<const EMRLINETO*>(p);
            snprintf(sz, sizeof(sz), "L %ld,%ld", r->ptl.x, r->ptl.y);
            calls.push_back(sz);
            break;
        }
        case EMR_ELLIPSE:
        case EMR_RECTANGLE: {
            // The record keeps the box inclusive-inclusive; shown as the call's arguments.
            auto* r = reinterpret_cast<const EMRELLIPSE*>(p);
            snprintf(sz, sizeof(sz), "%s %ld,%ld,%ld,%ld", rec.iType == EMR_ELLIPSE ? "ELLIPSE" : "RECT",
                     r->rclBox.left, r->rclBox.top, r->rclBox.right + 1, r->rclBox.bottom + 1);
            calls.push_back(sz);
            break;
        }
        case EMR_ARC: {
            auto* r = reinterpret_cast<const EMRARC*>(p);
            snprintf(sz, sizeof(sz), "ARC %ld,%ld,%ld,%ld %ld,%ld %ld,%ld", r->rclBox.left, r->rclBox.top,
                     r->rclBox.right, r->rclBox.bottom, r->ptlStart.x, r->ptlStart.y, r->ptlEnd.x, r->ptlEnd.y);
            calls.push_back(sz);
            break;
        }
        case EMR_CREATEPEN: {
            auto* r = reinterpret_cast<const EMRCREATEPEN*>(p);
            snprintf(sz, sizeof(sz), "PEN %ld %06lX", r->lopn.lopnWidth.x, r->lopn.lopnColor);
            calls.push_back(sz);
            break;
        }
        case EMR_SETBKCOLOR:
            crBk = reinterpret_cast<const EMRSETBKCOLOR*>(p)->crColor;
            break;
        case EMR_EXTTEXTOUTW: {
            const EmfTextCall& t = texts[nText++];
            if (t.text.empty()) {
                snprintf(sz, sizeof(sz), "FILL %ld,%ld,%ld,%ld %06lX", t.rcClip.left, t.rcClip.top, t.rcClip.right,
                         t.rcClip.bottom, crBk);
                calls.push_back(sz);
            } else {
                char szText[100] = {};
                WideCharToMultiByte(936, 0, t.text.c_str(), static_cast<int>(t.text.size()), szText, 99, nullptr,
                                    nullptr);
                snprintf(sz, sizeof(sz), "T %ld,%ld h%ld '%s'", t.ptReference.x, t.ptReference.y, t.font.lfHeight,
                         szText);
                calls.push_back(sz);
            }
            break;
        }
        default:
            break;
        }
    }
    return calls;
}

std::string Str(LPCSTR pszFormat, long a = 0, long b = 0, long c = 0, long d = 0)
{
    char sz[200];
    snprintf(sz, sizeof(sz), pszFormat, a, b, c, d);
    return sz;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string s;
    for (const std::string& line : lines)
        s += line + "\n";
    return s;
}

// One segment of every kind with some content, in the order a reference picture shows them.
struct EveryKind
{
    explicit EveryKind(const LOGFONT& lf)
        : text(lf, 0), tol(lf, 0), frac(lf, 0), sup(lf, 0), gp(lf, 0), rough(lf, 0), frame(lf, 0),
          circle(lf, RGB(192, 0, 0)), custom(lf, RGB(0, 0, 192))
    {
        text.SetData(CString("孔"));
        tol.SetData(CString("20;+0.021;-0.005;1;H7"));
        frac.SetData(CString("1;3;4"));
        sup.SetData(CString("M;2;1"));
        gp.SetData(CString("8;1;0.02;4;A;1;B;0;;0;-1;-1"));
        rough.SetData(CString("2;Ra3.2;;;;0;;0"));
        frame.SetData(CString("基准"));
        circle.SetData(CString("中"));
        custom.SetData(CString("<C>5,5,5</C><L>0,5,10,5</L><L>5,0,5,10</L>"));
    }
    std::vector<CContentSegment*> All() { return {&text, &tol, &frac, &sup, &gp, &rough, &frame, &circle, &custom}; }

    CStringContSeg text;
    CToleranceContSeg tol;
    CFractionContSeg frac;
    CSupSubScriptContSeg sup;
    CGpTolContSeg gp;
    CCoarsenessContSeg rough;
    CFrameStrContSeg frame;
    CCircleStrContSeg circle;
    CCustomDrawContSeg custom;
};

// A segment of the kind made with its content.
template <class TSeg> std::unique_ptr<CContentSegment> MadeSeg(const LOGFONT& lf, LPCSTR pszContent)
{
    auto pSeg = std::make_unique<TSeg>(lf, 0);
    pSeg->SetData(CString(pszContent));
    return pSeg;
}

// The kinds that read no content.
template <class TSeg> std::unique_ptr<CContentSegment> BareSeg(const LOGFONT& lf, LPCSTR)
{
    return std::make_unique<TSeg>(lf, 0);
}

// The screen's measuring context at 96 dpi.
class SegmentDraw : public testing::Test
{
protected:
    void SetUp() override { m_dc.CreateCompatibleDC(nullptr); }
    CDC m_dc;
};
} // namespace

TEST_F(SegmentDraw, WidthsByKind)
{
    ASSERT_EQ(96, m_dc.GetDeviceCaps(LOGPIXELSX));
    LOGFONT lf = SegFont(12);
    struct Case
    {
        const char* szName;
        std::unique_ptr<CContentSegment> (*pfnMake)(const LOGFONT& lf, LPCSTR pszContent);
        const char* szContent;
        LONG lExpected;
    };
    const Case cases[] = {
        {"text", MadeSeg<CStringContSeg>, "abc", Cx(lf, 12, "abc")},
        {"tolerance with fit", MadeSeg<CToleranceContSeg>, "20;+0.021;-0.005;1;H7",
         Cx(lf, 12, "20") + Cx(lf, 12, "H7") + Cx(lf, 12, "()") + std::max(Cx(lf, 7, "+0.021"), Cx(lf, 7, "-0.005"))},
        {"tolerance without fit", MadeSeg<CToleranceContSeg>, "20;+0.021;-0.005;0;H7",
         Cx(lf, 12, "20") + std::max(Cx(lf, 7, "+0.021"), Cx(lf, 7, "-0.005"))},
        {"empty tolerance", BareSeg<CToleranceContSeg>, "", 0},
        {"fraction", MadeSeg<CFractionContSeg>, "1;13;4", Cx(lf, 12, "1") + std::max(Cx(lf, 9, "13"), Cx(lf, 9, "4"))},
        {"super/subscript", MadeSeg<CSupSubScriptContSeg>, "M;2;10",
         Cx(lf, 12, "M") + std::max(Cx(lf, 7, "2"), Cx(lf, 7, "10"))},
        {"framed", MadeSeg<CFrameStrContSeg>, "ab", Cx(lf, 12, "ab") + 4},
        {"circled is as wide as high", MadeSeg<CCircleStrContSeg>, "中", Extent(lf, 12, "中").cy + 4},
        {"line break", BareSeg<CEnterContSeg>, "", 0},
        {"base", BareSeg<CContentSegment>, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.lExpected, c.pfnMake(lf, c.szContent)->GetWidth(&m_dc));
    }
}

TEST_F(SegmentDraw, DamagedSizeMeasuresWithoutOverflow)
{
    // A size item far beyond any font is limited when read: the frame and roughness arithmetic
    // (height times 5/4 and 1.5) stays in range and measures a positive width.
    CGpTolContSeg gp(SegFont(12), 0);
    gp.SetData(CString("1;0;0.1;0;;0;;0;;0;-1;-1<FT>S=2147483647</FT>"));
    CCoarsenessContSeg rough(SegFont(12), 0);
    rough.SetData(CString("2;;;;;0;;0<FT>S=-2147483648</FT>"));
    CContentSegment* segs[] = {&gp, &rough};
    for (CContentSegment* p : segs) {
        SCOPED_TRACE(p->IsKindOf());
        EXPECT_EQ(32767, abs(p->m_lFont.lfHeight));
        EXPECT_GT(p->GetWidth(&m_dc), 4450);
    }
}

template <class T> CContentSegment* MakeSeg(const char* szContent)
{
    auto* p = new T(SegFont(12), 0);
    p->SetData(CString(szContent));
    return p;
}

TEST_F(SegmentDraw, SizeBeyondTheTallestCardTextIsDrawnAtThatSize)
{
    // The tag keeps the size as written; measuring and drawing hold it to 4450 (A3 Extra's long
    // side in tenths of a millimetre).
    struct Case
    {
        const char* szName;
        CContentSegment* (*pfnMake)(const char*);
        const char* szTagged;
        const char* szAtCap;
        const char* szStoredSize;
    } cases[] = {
        {"text", MakeSeg<CStringContSeg>, "WW<FT>S=32767</FT>", "WW<FT>S=4450</FT>", "S=32767"},
        {"fraction", MakeSeg<CFractionContSeg>, "1;3;4<FT>S=32767</FT>", "1;3;4<FT>S=4450</FT>", "S=32767"},
        {"tolerance", MakeSeg<CToleranceContSeg>, "20;+0.1;-0.1;0;<FT>S=20000</FT>", "20;+0.1;-0.1;0;<FT>S=4450</FT>",
         "S=20000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::unique_ptr<CContentSegment> pHuge(c.pfnMake(c.szTagged));
        std::unique_ptr<CContentSegment> pCap(c.pfnMake(c.szAtCap));
        LOGFONT lfBase = SegFont(12);
        CString strOut;
        pHuge->GetData(strOut, lfBase, 0);
        EXPECT_NE(-1, strOut.Find(c.szStoredSize)) << strOut.GetString();
        EXPECT_EQ(4450, abs(pHuge->GetDrawFont().lfHeight));
        EXPECT_EQ(pCap->GetWidth(&m_dc), pHuge->GetWidth(&m_dc));
        CTestMetafile mfHuge;
        pHuge->Draw(&mfHuge.DC(), 0, 0, 1.0f, 0);
        CTestMetafile mfCap;
        pCap->Draw(&mfCap.DC(), 0, 0, 1.0f, 0);
        EXPECT_EQ(Join(Calls(mfCap)), Join(Calls(mfHuge)));
    }
}

TEST_F(SegmentDraw, RoughnessWidth)
{
    struct Case
    {
        const char* szName;
        const char* szValue1;
        const char* szValue2;
        int nWidth;
    } cases[] = {
        // Height 16: H = 24; without value 1 f = 24/21, g = 7; with it f = 24/28, g = 5.
        {"no values", "", "", 21},
        {"value 1 narrow", "1", "", 15},
        {"value 2 only", "", "1", 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCoarsenessContSeg seg(SegFont(16), 0);
        seg.m_strValue1 = c.szValue1;
        seg.m_strValue2 = c.szValue2;
        EXPECT_EQ(c.nWidth, seg.GetWidth(&m_dc));
        EXPECT_EQ(c.nWidth, seg.m_nWidth);
    }
    // A wide value widens the symbol: max(2g, value) + g.
    CCoarsenessContSeg seg(SegFont(16), 0);
    seg.m_strValue1 = "Ra 12.5 mm";
    LOGFONT lfValue = SegFont(16);
    strcpy(lfValue.lfFaceName, "黑体");
    lfValue.lfWidth = 4;
    EXPECT_EQ(Cx(lfValue, 9, "Ra 12.5 mm") + 5, seg.GetWidth(&m_dc));
}

TEST_F(SegmentDraw, GpTolFrameGeometry)
{
    LOGFONT lf = SegFont(12);
    CGpTolContSeg seg(lf, RGB(0, 0, 255));
    seg.SetData(CString("12;1;0.02;4;A;1;B;0;;0;3;1"));
    LONG cxPhiValue = Cx(lf, 9, "Φ0.02"), cxPhi = Cx(lf, 9, "Φ"), cxValue = Cx(lf, 9, "0.02");
    LONG cxA = Cx(lf, 9, "A"), cxB = Cx(lf, 9, "B");
    // c = 15, margin 5: compartment, prefix margin, value, modifier, datum A with its circle, datum B.
    int W = 17 + 5 + cxPhiValue + 10 + 15 + cxA + 10 + 15 + cxB + 10 + 2;
    ASSERT_EQ(W, seg.GetWidth(&m_dc));
    seg.m_nWidth = W;

    CTestMetafile mf;
    seg.Draw(&mf.DC(), 10, 20, 1.0f, 0);
    // Height 12 at scale 1: frame 15 high from y - 4, pen 1, text 9 high at (15 - 9) / 2.
    const int top = 16, bottom = 31, yt = 19, right = 12 + W - 4;
    std::vector<std::string> expected = {
        "PEN 1 FF0000",
        Str("M 12,%ld", top),
        Str("L %ld,%ld", right, top),
        Str("L %ld,%ld", right, bottom),
        Str("L 12,%ld", bottom),
        Str("L 12,%ld", top),
        // Position: circle and cross in the first 15-square compartment, inset 3.
        "ELLIPSE 18,22,21,25",
        "M 15,23",
        "L 25,23",
        "M 19,19",
        "L 19,29",
        "M 27,16",
        "L 27,31",
    };
    long xs = 27;
    expected.push_back(Str("T %ld,%ld h9 'Φ'", xs + 5, yt));
    xs += cxPhi + 5;
    expected.push_back(Str("T %ld,%ld h9 '0.02'", xs + 5, yt));
    xs += cxValue + 10;
    // Modifier 4: circled M in its compartment shrunk by 2.
    expected.push_back(Str("ELLIPSE %ld,18,%ld,29", xs + 2, xs + 13));
    std::vector<std::string> calls = Calls(mf);
    auto it = std::find_if(calls.begin(), calls.end(), [](const std::string& s) { return s.find("'M'") != s.npos; });
    ASSERT_NE(calls.end(), it) << Join(calls);
    expected.push_back(*it); // DrawText centres it; its place is checked below
    xs += 15;
    expected.push_back(Str("M %ld,16", xs));
    expected.push_back(Str("L %ld,31", xs));
    expected.push_back(Str("T %ld,%ld h9 'A'", xs + 5, yt));
    xs += cxA + 10;
    expected.push_back(Str("ELLIPSE %ld,18,%ld,29", xs + 2, xs + 13));
    expected.push_back(
        *std::find_if(it + 1, calls.end(), [](const std::string& s) { return s.find("'M'") != s.npos; }));
    xs += 15;
    expected.push_back(Str("M %ld,16", xs));
    expected.push_back(Str("L %ld,31", xs));
    expected.push_back(Str("T %ld,%ld h9 'B'", xs + 5, yt));
    EXPECT_EQ(Join(expected), Join(calls));
    // The frame ends where the measured width says: the last compartment closes on it.
    EXPECT_EQ(right, xs + cxB + 10);

    // The centred M sits inside its circle.
    std::vector<EmfTextCall> texts = mf.TextCalls();
    for (const EmfTextCall& t : texts) {
        if (t.text == L"M") {
            EXPECT_GE(t.ptReference.x, 27 + cxPhi + 5 + cxValue + 10 + 2);
            EXPECT_GE(t.ptReference.y, 16);
        }
    }
}

TEST_F(SegmentDraw, GpTolDatumStopsAtFirstEmpty)
{
    CGpTolContSeg seg(SegFont(12), 0);
    seg.SetData(CString("1;0;0.1;0;;0;B;1;C;2;-1;-1"));
    LONG W = seg.GetWidth(&m_dc);
    EXPECT_EQ(17 + Cx(SegFont(12), 9, "0.1") + 10 + 2, W);
    seg.m_nWidth = W;
    CTestMetafile mf;
    seg.Draw(&mf.DC(), 0, 4, 1.0f, 0);
    std::vector<std::string> calls = Calls(mf);
    for (const std::string& s : calls) {
        EXPECT_EQ(std::string::npos, s.find("'B'"));
        EXPECT_EQ(std::string::npos, s.find("ELLIPSE"));
    }
}

TEST_F(SegmentDraw, GpTolSymbolsStayInTheirCompartment)
{
    // Every characteristic and modifier at a larger size: all strokes inside the square.
    CGpTolContSeg seg(SegFont(40), 0);
    for (int nType = 1; nType <= 14; nType++) {
        SCOPED_TRACE(nType);
        CTestMetafile mf;
        seg.DrawGpTolType(&mf.DC(), 100, 50, 50, 2, nType);
        std::vector<std::string> calls = Calls(mf);
        EXPECT_FALSE(calls.empty());
        for (const std::string& s : calls) {
            long a = 0, b = 0, c = 0, d = 0;
            if (sscanf(s.c_str(), "M %ld,%ld", &a, &b) == 2 || sscanf(s.c_str(), "L %ld,%ld", &a, &b) == 2) {
                EXPECT_TRUE(a >= 100 && a <= 150 && b >= 50 && b <= 100) << s;
            } else if (sscanf(s.c_str(), "ELLIPSE %ld,%ld,%ld,%ld", &a, &b, &c, &d) == 4) {
                EXPECT_TRUE(a >= 100 && c <= 150 && b >= 50 && d <= 100 && a < c && b < d) << s;
            }
        }
    }
    CTestMetafile mfNone;
    seg.DrawGpTolType(&mfNone.DC(), 0, 0, 50, 2, 15);
    seg.DrawGpTolType(&mfNone.DC(), 0, 0, 50, 2, 0);
    seg.DrawPostTol(&mfNone.DC(), 0, 0, 50, 2, 7);
    seg.DrawPostBase(&mfNone.DC(), 0, 0, 50, 2, 0);
    EXPECT_TRUE(Calls(mfNone).empty());

    // Pinned strokes: perpendicularity, the square prefix, an arrow.
    CTestMetafile mf;
    seg.DrawGpTolType(&mf.DC(), 0, 0, 30, 1, 8);
    seg.DrawPerTol(&mf.DC(), 0, 0, 30, 1);
    seg.DrawArrow(&mf.DC(), CPoint(10, 40), 20, 1);
    EXPECT_EQ(Join({"M 3,27", "L 28,27", "M 15,3", "L 15,27", "RECT 3,4,27,26", "M 10,40", "L 21,20", "M 21,20",
                    "L 16,25", "M 21,20", "L 20,26"}),
              Join(Calls(mf)));

    // Datum codes 1 to 3 are the modifiers 4 to 6: circled M, P and E.
    for (int nCode = 1; nCode <= 3; nCode++) {
        CTestMetafile mfBase, mfPost;
        seg.DrawPostBase(&mfBase.DC(), 0, 0, 30, 1, nCode);
        seg.DrawPostTol(&mfPost.DC(), 0, 0, 30, 1, nCode + 3);
        std::vector<std::string> calls = Calls(mfBase);
        EXPECT_EQ(Join(Calls(mfPost)), Join(calls));
        ASSERT_EQ(2u, calls.size());
        EXPECT_EQ("ELLIPSE 2,2,28,28", calls[0]);
        EXPECT_NE(std::string::npos, calls[1].find(nCode == 1 ? "'M'" : nCode == 2 ? "'P'" : "'E'"));
    }
    // The bracketed triangle points left between its brackets.
    CTestMetafile mfTri;
    LOGFONT lfText = SegFont(20);
    CFont font;
    font.CreateFontIndirect(&lfText);
    CGdiObject* pOldFont = mfTri.DC().SelectObject(&font);
    seg.DrawPostTol(&mfTri.DC(), 0, 0, 30, 1, 3);
    mfTri.DC().SelectObject(pOldFont);
    std::vector<std::string> tri = Calls(mfTri);
    ASSERT_EQ(5u, tri.size()) << Join(tri);
    EXPECT_NE(std::string::npos, tri[0].find("'(  )'"));
    long xTip = 0, yTip = 0, xBase = 0, yTop = 0;
    ASSERT_EQ(2, sscanf(tri[1].c_str(), "M %ld,%ld", &xTip, &yTip));
    ASSERT_EQ(2, sscanf(tri[2].c_str(), "L %ld,%ld", &xBase, &yTop));
    EXPECT_EQ(15, yTip);
    EXPECT_LT(xTip, xBase);
    EXPECT_LT(yTop, yTip);
    EXPECT_EQ(tri[1].substr(2), tri[4].substr(2));
}

TEST_F(SegmentDraw, RoughnessGeometry)
{
    LOGFONT lf = SegFont(16);
    CCoarsenessContSeg seg(lf, 0);
    seg.SetData(CString("3;3.2;6.3;;;0;;0"));
    LOGFONT lfValue = lf;
    strcpy(lfValue.lfFaceName, "黑体");
    lfValue.lfWidth = 4;
    LONG wv = std::max(Cx(lfValue, 9, "3.2"), Cx(lfValue, 9, "6.3"));
    // f = 24 / 28: g = 5, value font 9 x 4, Y0 = top + 6, Ym = Y0 + 9, circle d = 3.
    long r = 10 + std::max(10L, wv) + 5;
    CTestMetafile mf;
    seg.Draw(&mf.DC(), 10, 20, 1.0f, 0);
    EXPECT_EQ(Join({"PEN 1 000000", Str("T %ld,23 h9 '6.3'", r - 5), Str("T %ld,16 h9 '3.2'", (2 * r - 5) / 2),
                    Str("M %ld,22", r), Str("L %ld,40", r - 10), Str("L %ld,31", r - 15),
                    Str("ELLIPSE %ld,31,%ld,37", r - 13, r - 7)}),
              Join(Calls(mf)));
    // The values hang from their right ends.
    UINT nAlign = TA_TOP;
    for (const EmfRecord& rec : mf.Records())
        if (rec.iType == EMR_SETTEXTALIGN &&
            (reinterpret_cast<const EMRSETTEXTALIGN*>(rec.data.data())->iMode & TA_RIGHT))
            nAlign = TA_RIGHT;
    EXPECT_EQ(static_cast<UINT>(TA_RIGHT), nAlign);

    // Type 2 ends in a bar, type 1 is the bare mark; value 1 empty drops the legs to the top.
    struct Case
    {
        const char* szName;
        const char* szData;
        std::vector<std::string> tail;
    } cases[] = {
        // Without value 1: f = 24/21, g = 7, Y0 = top = 16, Ym = 16 + 13.
        {"type 2", "2;;;;;0;;0", {"M 31,16", "L 17,40", "L 10,29", "L 24,29"}},
        {"type 0 as 2", "0;;;;;0;;0", {"M 31,16", "L 17,40", "L 10,29", "L 24,29"}},
        {"type 1", "1;;;;;0;;0", {"M 31,16", "L 17,40", "L 10,29"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCoarsenessContSeg bare(lf, 0);
        bare.SetData(CString(c.szData));
        CTestMetafile mfBare;
        bare.Draw(&mfBare.DC(), 10, 20, 1.0f, 0);
        std::vector<std::string> calls = Calls(mfBare);
        ASSERT_GE(calls.size(), c.tail.size());
        EXPECT_EQ(Join(c.tail),
                  Join(std::vector<std::string>(calls.end() - static_cast<long>(c.tail.size()), calls.end())));
    }
}

TEST_F(SegmentDraw, RoughnessCheckMarkAlone)
{
    CCoarsenessContSeg seg(SegFont(12), 0);
    struct Case
    {
        const char* szName;
        int nType;
        std::vector<std::string> calls;
    } cases[] = {
        // Top (50, 10), height 20, width 16: apex (42, 30), short leg end (38, 23).
        {"bare", 1, {"M 50,10", "L 42,30", "L 38,23"}},
        {"bar", 2, {"M 50,10", "L 42,30", "L 38,23", "L 45,23"}},
        {"circle", 3, {"M 50,10", "L 42,30", "L 38,23", "ELLIPSE 40,23,43,26"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestMetafile mf;
        seg.DrawType(&mf.DC(), CPoint(50, 10), 20, 16, c.nType);
        EXPECT_EQ(Join(c.calls), Join(Calls(mf)));
    }
}

TEST_F(SegmentDraw, TextPartsAtTheirOffsets)
{
    struct Case
    {
        const char* szName;
        std::unique_ptr<CContentSegment> (*pfnMake)(const LOGFONT& lf, LPCSTR pszContent);
        const char* szContent;
        float fScale;
        std::string (*pfnExpected)(const LOGFONT& lf, const CContentSegment& seg);
    };
    const Case cases[] = {
        {"tolerance with fit", MadeSeg<CToleranceContSeg>, "20;+0.021;-0.005;1;H7", 1.0f,
         [](const LOGFONT& lf, const CContentSegment&) {
             long x = 10 + Cx(lf, 12, "20");
             long xDev = x + Cx(lf, 12, "H7") + Cx(lf, 12, "(");
             long xClose = xDev + std::max(Cx(lf, 7, "+0.021"), Cx(lf, 7, "-0.005"));
             // y1 = 22; deviations at y1 + 12 - 14 and y1 + 12 - 7.
             return Join({"T 10,22 h12 '20'", Str("T %ld,22 h12 'H7'", x),
                          Str("T %ld,22 h12 '('", xDev - Cx(lf, 12, "(")), Str("T %ld,20 h7 '+0.021'", xDev),
                          Str("T %ld,27 h7 '-0.005'", xDev), Str("T %ld,22 h12 ')'", xClose)});
         }},
        {"fraction centres the narrower part", MadeSeg<CFractionContSeg>, "1;100;3", 1.0f,
         [](const LOGFONT& lf, const CContentSegment&) {
             long x2 = 10 + Cx(lf, 12, "1");
             long w = Cx(lf, 9, "100");
             // Part height 9: numerator at y - (9 - 6), denominator and bar at y + 9 - 3.
             return Join({"T 10,20 h12 '1'", Str("T %ld,17 h9 '100'", x2),
                          Str("T %ld,26 h9 '3'", x2 + (w - Cx(lf, 9, "3")) / 2), "PEN 1 000000", Str("M %ld,26", x2),
                          Str("L %ld,26", x2 + w)});
         }},
        {"super/subscript", MadeSeg<CSupSubScriptContSeg>, "M;2;10", 2.0f,
         [](const LOGFONT& lf, const CContentSegment&) {
             long x2 = 10 + Cx(lf, 24, "M");
             // Scale 2: base 24 high, scripts 14 high; subscript at y + 24 - 14 + 1.
             return Join({"T 10,20 h24 'M'", Str("T %ld,19 h14 '2'", x2), Str("T %ld,31 h14 '10'", x2)});
         }},
        {"framed", MadeSeg<CFrameStrContSeg>, "ab", 1.0f,
         [](const LOGFONT&, const CContentSegment& seg) {
             return Join({"T 13,22 h12 'ab'", "PEN 1 000000", Str("RECT 11,21,%ld,35", 10 + seg.m_nWidth)});
         }},
        {"circled", MadeSeg<CCircleStrContSeg>, "7", 1.0f,
         [](const LOGFONT& lf, const CContentSegment&) {
             SIZE size = Extent(lf, 12, "7");
             return Join({Str("T %ld,22 h12 '7'", 12 + (size.cy - size.cx) / 2), "PEN 1 000000",
                          Str("ELLIPSE 11,21,%ld,%ld", 13 + size.cy, 23 + size.cy)});
         }},
        {"text at scale 1.5", MadeSeg<CStringContSeg>, "ab", 1.5f,
         [](const LOGFONT&, const CContentSegment&) { return Join({"T 10,23 h18 'ab'"}); }},
    };
    const LOGFONT lf = SegFont(12);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::unique_ptr<CContentSegment> pSeg = c.pfnMake(lf, c.szContent);
        // The frame is drawn to the measured width; the other kinds do not read it.
        pSeg->m_nWidth = pSeg->GetWidth(&m_dc);
        CTestMetafile mf;
        pSeg->Draw(&mf.DC(), 10, 20, c.fScale, 0);
        EXPECT_EQ(c.pfnExpected(lf, *pSeg), Join(Calls(mf)));
    }
}

TEST_F(SegmentDraw, HighlightColours)
{
    struct Case
    {
        const char* szName;
        int bSelected;
        int nOpaque;
        COLORREF crText;
        int nBkMode;
        COLORREF crLine;
    } cases[] = {
        // DC background is white; the segment is red.
        {"selected: background colour on black", 1, 0, RGB(255, 255, 255), OPAQUE, RGB(255, 255, 255)},
        {"selected and opaque", 1, 1, RGB(255, 255, 255), OPAQUE, RGB(255, 255, 255)},
        {"opaque", 0, 1, RGB(255, 0, 0), OPAQUE, RGB(255, 0, 0)},
        {"plain", 0, 0, RGB(255, 0, 0), TRANSPARENT, RGB(255, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CFrameStrContSeg seg(SegFont(12), RGB(255, 0, 0));
        seg.SetData(CString("ab"));
        seg.m_nWidth = seg.GetWidth(&m_dc);
        seg.m_bSelected = c.bSelected;
        CTestMetafile mf;
        mf.DC().SetBkColor(RGB(255, 255, 255));
        mf.DC().SetTextColor(RGB(0, 128, 0));
        mf.DC().SetBkMode(OPAQUE);
        seg.Draw(&mf.DC(), 10, 20, 1.0f, c.nOpaque);
        // The frame restores the whole DC state.
        EXPECT_EQ(RGB(255, 255, 255), mf.DC().GetBkColor());
        EXPECT_EQ(RGB(0, 128, 0), mf.DC().GetTextColor());
        EXPECT_EQ(OPAQUE, mf.DC().GetBkMode());
        std::vector<EmfTextCall> texts = mf.TextCalls();
        ASSERT_EQ(1u, texts.size());
        EXPECT_EQ(c.crText, texts[0].crText);
        EXPECT_EQ(c.nBkMode, texts[0].nBkMode);
        char sz[40];
        snprintf(sz, sizeof(sz), "PEN 1 %06lX", c.crLine);
        std::vector<std::string> calls = Calls(mf);
        EXPECT_NE(calls.end(), std::find(calls.begin(), calls.end(), sz)) << Join(calls);
    }

    // Pixels: a selected text is drawn in white on black.
    CTestDib dib(60, 30);
    CStringContSeg text(SegFont(16), RGB(255, 0, 0));
    text.SetData(CString("WW"));
    text.m_bSelected = 1;
    dib.DC().SetBkColor(RGB(255, 255, 255));
    dib.DC().SetTextColor(RGB(0, 0, 255));
    dib.DC().SetBkMode(OPAQUE);
    text.Draw(&dib.DC(), 5, 5, 1.0f, 0);
    // Every kind gives the caller's background mode and colours back.
    EXPECT_EQ(OPAQUE, dib.DC().GetBkMode());
    EXPECT_EQ(RGB(0, 0, 255), dib.DC().GetTextColor());
    EXPECT_EQ(RGB(255, 255, 255), dib.DC().GetBkColor());
    CRect rcInk = dib.InkBounds(CRect(0, 0, 60, 30));
    ASSERT_FALSE(rcInk.IsRectEmpty());
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(rcInk.left, rcInk.top));
    int nRed = 0;
    for (int y = rcInk.top; y < rcInk.bottom; y++)
        for (int x = rcInk.left; x < rcInk.right; x++)
            nRed += dib.Pixel(x, y) == RGB(255, 0, 0);
    EXPECT_EQ(0, nRed);

    // A selected frame is filled black and outlined in the background colour.
    CGpTolContSeg gp(SegFont(12), RGB(255, 0, 0));
    gp.SetData(CString("1;0;0.1;0;;0;;0;;0;-1;-1"));
    gp.m_nWidth = gp.GetWidth(&m_dc);
    gp.m_bSelected = 1;
    CTestMetafile mf;
    mf.DC().SetBkColor(RGB(255, 255, 255));
    gp.Draw(&mf.DC(), 10, 20, 1.0f, 0);
    std::vector<std::string> calls = Calls(mf);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(Str("FILL 12,16,%ld,31 000000", 12 + gp.m_nWidth - 4), calls[0]);
    EXPECT_EQ("PEN 1 FFFFFF", calls[1]);
}

TEST_F(SegmentDraw, EveryKindGivesTheDCStateBack)
{
    EveryKind kinds(SegFont(12));
    CCustomDrawContSeg missing(SegFont(12), 0);
    missing.SetData(CString("???"));
    std::vector<CContentSegment*> segs = kinds.All();
    segs.push_back(&missing);
    for (CContentSegment* pSeg : segs) {
        for (int bSelected = 0; bSelected <= 1; ++bSelected) {
            SCOPED_TRACE(testing::Message() << "kind " << pSeg->IsKindOf() << (pSeg == &missing ? ", missing" : "")
                                            << (bSelected ? ", selected" : ""));
            pSeg->m_nWidth = pSeg->GetWidth(&m_dc);
            pSeg->m_bSelected = bSelected;
            CTestDib dib(200, 60);
            CDC& dc = dib.DC();
            dc.SetBkMode(OPAQUE);
            dc.SetBkColor(RGB(1, 2, 3));
            dc.SetTextColor(RGB(4, 5, 6));
            dc.SetTextAlign(TA_BASELINE);
            HGDIOBJ hPen = ::GetCurrentObject(dc.m_hDC, OBJ_PEN);
            HGDIOBJ hBrush = ::GetCurrentObject(dc.m_hDC, OBJ_BRUSH);
            HGDIOBJ hFont = ::GetCurrentObject(dc.m_hDC, OBJ_FONT);
            pSeg->Draw(&dc, 10, 20, 1.5f, 0);
            EXPECT_EQ(OPAQUE, dc.GetBkMode());
            EXPECT_EQ(RGB(1, 2, 3), dc.GetBkColor());
            EXPECT_EQ(RGB(4, 5, 6), dc.GetTextColor());
            EXPECT_EQ(static_cast<UINT>(TA_BASELINE), dc.GetTextAlign());
            EXPECT_EQ(MM_TEXT, dc.GetMapMode());
            EXPECT_EQ(hPen, ::GetCurrentObject(dc.m_hDC, OBJ_PEN));
            EXPECT_EQ(hBrush, ::GetCurrentObject(dc.m_hDC, OBJ_BRUSH));
            EXPECT_EQ(hFont, ::GetCurrentObject(dc.m_hDC, OBJ_FONT));
            EXPECT_GT(dib.CountInk(CRect(0, 0, 200, 60), RGB(255, 255, 255)), 0) << "something was drawn";
        }
    }
}

TEST_F(SegmentDraw, OneCellOfEachKind)
{
    // Every kind side by side at scale 2 in the CJK font, against a kept reference picture.
    EveryKind kinds(SegFont(12));
    std::vector<CContentSegment*> segs = kinds.All();

    int nWidth = 8;
    for (CContentSegment* p : segs) {
        p->m_nWidth = p->GetWidth(&m_dc);
        nWidth += 2 * p->m_nWidth + 12;
    }
    CTestDib dib(nWidth, 64);
    int x = 8;
    for (CContentSegment* p : segs) {
        p->Draw(&dib.DC(), x, 20, 2.0f, 0);
        x += 2 * p->m_nWidth + 12;
    }
    std::string path = TestImagePath("segment-kinds.png");
    ASSERT_TRUE(SavePng(path.c_str(), dib.Bits(), dib.Width(), dib.Height()));
    PngImage golden;
    ASSERT_TRUE(LoadPng(TestDataPath("segment-kinds.png"), golden)) << "reference picture missing; look at " << path;
    EXPECT_EQ(0, CountDifferentPixels(golden, dib.Bits(), dib.Width(), dib.Height())) << "compare with " << path;
}
