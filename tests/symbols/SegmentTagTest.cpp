// Segment tags: readers, writers, the font tag and the per-kind assignment.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "symbols/CircleStrContSeg.h"
#include "symbols/CoarsenessContSeg.h"
#include "symbols/EnterContSeg.h"
#include "symbols/FractionContSeg.h"
#include "symbols/FrameStrContSeg.h"
#include "symbols/GpTolContSeg.h"
#include "symbols/StringContSeg.h"
#include "symbols/SupSubScriptContSeg.h"
#include "symbols/ToleranceContSeg.h"
#include "symbols/UndoItem.h"

namespace
{
LOGFONT BaseFont()
{
    CContentSegment seg;
    return seg.m_lFont;
}

// Builds the kind of an element letter, reads the content and writes the tag back.
std::unique_ptr<CContentSegment> Read(char chKind, const CString& strContent)
{
    LOGFONT lf = BaseFont();
    switch (chKind) {
    case 'A': {
        auto p = std::make_unique<CStringContSeg>(lf, 0);
        p->SetData(strContent);
        return p;
    }
    case 'T': {
        auto p = std::make_unique<CToleranceContSeg>(lf, 0);
        p->SetData(strContent);
        return p;
    }
    case 'F': {
        auto p = std::make_unique<CFractionContSeg>(lf, 0);
        p->SetData(strContent);
        return p;
    }
    case 'S': {
        auto p = std::make_unique<CSupSubScriptContSeg>(lf, 0);
        p->SetData(strContent);
        return p;
    }
    case 'G': {
        auto p = std::make_unique<CGpTolContSeg>(lf, 0);
        p->SetData(strContent);
        return p;
    }
    case 'C': {
        auto p = std::make_unique<CCoarsenessContSeg>(lf, 0);
        p->SetData(strContent);
        return p;
    }
    case 'R': {
        auto p = std::make_unique<CFrameStrContSeg>(lf, 0);
        p->SetData(strContent);
        return p;
    }
    case 'E': {
        auto p = std::make_unique<CCircleStrContSeg>(lf, 0);
        p->SetData(strContent);
        return p;
    }
    default:
        return nullptr;
    }
}

CString Write(CContentSegment& seg)
{
    LOGFONT lf = BaseFont();
    CString str;
    seg.GetData(str, lf, 0);
    return str;
}
} // namespace

TEST(SegmentTag, RoundTripsWriteBackIdentically)
{
    struct Case
    {
        const char* szName;
        char chKind;
        const char* szTag;
    } cases[] = {
        {"tolerance with size", 'T', "<T>20;+0.021;-0.005;1;H7<FT>S=16</FT></T>"},
        {"tolerance no symbol", 'T', "<T>10;+0.1;-0.1;0;</T>"},
        {"fraction", 'F', "<F>1;3;4</F>"},
        {"fraction italic red", 'F', "<F>;1;2<FT>C=255;I=1</FT></F>"},
        {"super/subscript", 'S', "<S>M;2;1</S>"},
        {"gp tol full", 'G', "<G>8;1;0.02;4;A;1;B;2;C;3;5;2</G>"},
        {"gp tol no datum", 'G', "<G>5;0;0.01;0;;0;;0;;0;-1;-1</G>"},
        {"roughness", 'C', "<C>3;Ra 3.2;Rz 6.3;t3;t4;1;t6;2</C>"},
        {"frame with semicolon", 'R', "<R>a;b<FT>F=黑体</FT></R>"},
        {"circle GBK", 'E', "<E>中</E>"},
        {"circle underlined", 'E', "<E>7<FT>U=1</FT></E>"},
        {"text underlined", 'A', "<A>x<FT>U=1</FT></A>"},
        {"text size and bold", 'A', "<A>ab<FT>S=16;B=1</FT></A>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strTag = c.szTag;
        CString strContent = strTag.Mid(3, strTag.GetLength() - 7);
        auto pSeg = Read(c.chKind, strContent);
        ASSERT_TRUE(pSeg);
        EXPECT_STREQ(c.szTag, Write(*pSeg));
    }
}

TEST(SegmentTag, ToleranceFieldsAndFontTag)
{
    CToleranceContSeg seg(BaseFont(), 0);
    seg.SetData(CString("20;+0.021;-0.005;1;H7<FT>S=16</FT>"));
    EXPECT_STREQ("20", seg.m_strBase);
    EXPECT_STREQ("+0.021", seg.m_strUpper);
    EXPECT_STREQ("-0.005", seg.m_strLower);
    EXPECT_EQ(1, seg.m_nSymbolFlag);
    EXPECT_STREQ("H7", seg.m_strSymbol);
    EXPECT_EQ(16, seg.m_lFont.lfHeight);
    EXPECT_DOUBLE_EQ(0.6, seg.m_dScale);

    CString b, s, u, l;
    int n = 0;
    seg.GetData(b, s, u, l, n);
    EXPECT_STREQ("H7", s);
    EXPECT_EQ(1, n);
}

TEST(SegmentTag, TextInBaseFontIsBare)
{
    CStringContSeg seg(BaseFont(), 0);
    seg.SetData(CString("a;b"));
    EXPECT_STREQ("a;b", Write(seg));
    // A negative height of the same size is the same size.
    seg.m_lFont.lfHeight = -12;
    EXPECT_STREQ("a;b", Write(seg));
    // Fields the comparison leaves out.
    seg.m_lFont.lfStrikeOut = 1;
    seg.m_lFont.lfWidth = 3;
    EXPECT_STREQ("a;b", Write(seg));
}

TEST(SegmentTag, FontTagBoldRules)
{
    struct Case
    {
        const char* szName;
        LONG lBase;
        LONG lSeg;
        const char* szTag;
    } cases[] = {
        {"same normal", 400, 400, "x"},
        {"bold on normal", 400, 700, "<A>x<FT>B=1</FT></A>"},
        {"heavy on normal writes nothing", 400, 800, "x"},
        {"normal on bold", 700, 400, "<A>x<FT>B=0</FT></A>"},
        {"same bold", 700, 700, "x"},
        {"bold on heavy", 800, 700, "<A>x<FT>B=1</FT></A>"},
        {"heavy on heavy", 800, 800, "<A>x<FT>B=1</FT></A>"},
        {"light on heavy", 800, 300, "<A>x<FT>B=0</FT></A>"},
        {"heavy on bold", 700, 800, "<A>x<FT>B=1</FT></A>"},
        {"bold on semi-bold", 600, 700, "<A>x<FT>B=1</FT></A>"},
        {"semi-bold on normal writes nothing", 400, 600, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        LOGFONT lfBase = BaseFont();
        lfBase.lfWeight = c.lBase;
        CStringContSeg seg(lfBase, 0);
        seg.m_strText = "x";
        seg.m_lFont.lfWeight = c.lSeg;
        CString str;
        seg.GetData(str, lfBase, 0);
        EXPECT_STREQ(c.szTag, str);
    }
}

TEST(SegmentTag, FontTagReaderItems)
{
    struct Case
    {
        const char* szName;
        const char* szContent;
        const char* szText;
        LONG lHeight;
        LONG lWeight;
        BYTE bItalic;
        BYTE bUnderline;
        COLORREF cr;
        const char* szFace;
    } cases[] = {
        {"no tag", "abc", "abc", 12, 300, 0, 0, 0, "宋体"},
        {"all keys", "t<FT>B=1;C=255;F=黑体;I=1;S=20;U=1</FT>", "t", 20, 700, 1, 1, 255, "黑体"},
        {"B other than 1", "t<FT>B=2</FT>", "t", 12, 400, 0, 0, 0, "宋体"},
        {"lower-case keys ignored", "t<FT>s=20;b=1;X=9</FT>", "t", 12, 300, 0, 0, 0, "宋体"},
        {"item without value", "t<FT>S=;S;B</FT>", "t", 12, 300, 0, 0, 0, "宋体"},
        {"unparsable number is 0", "t<FT>S=abc</FT>", "t", 0, 300, 0, 0, 0, "宋体"},
        {"blanks and sign before the number", "t<FT>S= \t+20px</FT>", "t", 20, 300, 0, 0, 0, "宋体"},
        {"colour beyond int is held", "t<FT>C=99999999999</FT>", "t", 12, 300, 0, 0, 0x7FFFFFFF, "宋体"},
        {"no end tag: cut, nothing read", "t<FT>S=20", "t", 12, 300, 0, 0, 0, "宋体"},
        {"end tag before start", "a</FT>b<FT>S=20", "a</FT>b", 12, 300, 0, 0, 0, "宋体"},
        {"empty tag", "t<FT></FT>", "t", 12, 300, 0, 0, 0, "宋体"},
        {"long face cut to 31 bytes", "t<FT>F=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789</FT>", "t", 12, 300, 0, 0, 0,
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"},
        {"size beyond any font is limited", "t<FT>S=2147483647</FT>", "t", 32767, 300, 0, 0, 0, "宋体"},
        {"negative size limited", "t<FT>S=-99999999</FT>", "t", -32767, 300, 0, 0, 0, "宋体"},
        {"face cut keeps whole GBK chars", "t<FT>F=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123中文</FT>", "t", 12, 300, 0, 0, 0,
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CStringContSeg seg(BaseFont(), 0);
        seg.SetData(CString(c.szContent));
        EXPECT_STREQ(c.szText, seg.m_strText);
        EXPECT_EQ(c.lHeight, seg.m_lFont.lfHeight);
        EXPECT_EQ(c.lWeight, seg.m_lFont.lfWeight);
        EXPECT_EQ(c.bItalic, seg.m_lFont.lfItalic);
        EXPECT_EQ(c.bUnderline, seg.m_lFont.lfUnderline);
        EXPECT_EQ(c.cr, seg.m_crColor);
        EXPECT_STREQ(c.szFace, seg.m_lFont.lfFaceName);
    }
}

TEST(SegmentTag, FontTagWriterOrderAndItems)
{
    LOGFONT lfBase = BaseFont();
    CStringContSeg seg(lfBase, 0);
    seg.m_strText = "x";
    strcpy(seg.m_lFont.lfFaceName, "黑体");
    seg.m_lFont.lfHeight = -16;
    seg.m_crColor = RGB(0, 0, 255);
    seg.m_lFont.lfWeight = 700;
    seg.m_lFont.lfItalic = 1;
    seg.m_lFont.lfUnderline = 1;
    EXPECT_STREQ("<A>x<FT>F=黑体;S=16;C=16711680;B=1;I=1;U=1</FT></A>", Write(seg));

    // Italic and underline off against a base that has them.
    lfBase.lfItalic = 1;
    lfBase.lfUnderline = 1;
    CStringContSeg plain(BaseFont(), 0);
    plain.m_strText = "y";
    CString str;
    plain.GetData(str, lfBase, 0);
    EXPECT_STREQ("<A>y<FT>I=0;U=0</FT></A>", str);
}

TEST(SegmentTag, FontTagFlagsCompareAsStored)
{
    struct Case
    {
        const char* szName;
        BYTE bBaseItalic;
        BYTE bSegItalic;
        BYTE bBaseUnderline;
        BYTE bSegUnderline;
        const char* szTag;
    } cases[] = {
        {"same", 1, 1, 0, 0, "x"},
        {"italic on", 0, 1, 0, 0, "<A>x<FT>I=1</FT></A>"},
        {"italic off", 1, 0, 0, 0, "<A>x<FT>I=0</FT></A>"},
        {"other italic value", 1, 2, 0, 0, "<A>x<FT>I=1</FT></A>"},
        {"other underline value", 0, 0, 2, 1, "<A>x<FT>U=1</FT></A>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        LOGFONT lfBase = BaseFont();
        lfBase.lfItalic = c.bBaseItalic;
        lfBase.lfUnderline = c.bBaseUnderline;
        CStringContSeg seg(lfBase, 0);
        seg.m_strText = "x";
        seg.m_lFont.lfItalic = c.bSegItalic;
        seg.m_lFont.lfUnderline = c.bSegUnderline;
        CString str;
        seg.GetData(str, lfBase, 0);
        EXPECT_STREQ(c.szTag, str);
    }

    // A face name filling the whole record is compared and written within it.
    LOGFONT lfFull = BaseFont();
    memset(lfFull.lfFaceName, 'A', LF_FACESIZE);
    CStringContSeg full(lfFull, 0);
    full.m_strText = "x";
    CStringContSeg same(lfFull, 0);
    EXPECT_TRUE(full.IsSameLogFont(&same));
    EXPECT_STREQ(("<A>x<FT>F=" + std::string(LF_FACESIZE, 'A') + "</FT></A>").c_str(), Write(full));
}

TEST(SegmentTag, MissingFieldsKeepValues)
{
    CGpTolContSeg gp(BaseFont(), 0);
    gp.SetData(CString("7;1;0.05"));
    EXPECT_EQ(7, gp.m_nType);
    EXPECT_EQ(1, gp.m_nZonePrefix);
    EXPECT_STREQ("0.05", gp.m_strValue);
    EXPECT_EQ(0, gp.m_nSpecialSymbol);
    EXPECT_EQ(-1, gp.m_nGrade);
    EXPECT_EQ(-1, gp.m_nBaseLength);
    EXPECT_EQ(5, gp.m_nMargin);

    // An empty content changes nothing; extra pieces are ignored; bad integers read as 0.
    CToleranceContSeg tol(BaseFont(), 0);
    tol.Set(CString("1;2;3;1;h6"));
    tol.SetData(CString(""));
    EXPECT_STREQ("h6", tol.m_strSymbol);
    tol.SetData(CString("5;6;7;x;s;extra;more"));
    EXPECT_STREQ("5", tol.m_strBase);
    EXPECT_EQ(0, tol.m_nSymbolFlag);
    EXPECT_STREQ("s", tol.m_strSymbol);

    CCoarsenessContSeg rough(BaseFont(), 0);
    EXPECT_EQ(0, rough.m_nType);
    rough.SetData(CString("3;;6.3"));
    EXPECT_EQ(3, rough.m_nType);
    EXPECT_STREQ("", rough.m_strValue1);
    EXPECT_STREQ("6.3", rough.m_strValue2);
    EXPECT_EQ(0, rough.m_nOption7);

    CFractionContSeg frac(BaseFont(), 0);
    frac.SetData(CString("<FT>S=20</FT>"));
    EXPECT_EQ(20, frac.m_lFont.lfHeight);
    EXPECT_STREQ("", frac.m_strNumerator);
}

TEST(SegmentTag, DamagedTextNeverCrashes)
{
    const char* damaged[] = {
        "",
        ";",
        ";;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;",
        "<FT>",
        "</FT>",
        "<FT></FT><FT>",
        "<FT>;;;=;==</FT>",
        "99999999999999999999;-99999999999999999999",
        "\x81",
        "a\x81",
        "<FT>F=\x81</FT>",
        "<FT>S=-2147483649</FT>",
    };
    for (const char* sz : damaged) {
        SCOPED_TRACE(sz);
        for (char ch : {'A', 'T', 'F', 'S', 'G', 'C', 'R', 'E'}) {
            auto pSeg = Read(ch, sz);
            ASSERT_TRUE(pSeg);
            Write(*pSeg);
        }
    }
    CGpTolContSeg gp(BaseFont(), 0);
    gp.SetData(CString("99999999999999999999;-99999999999999999999"));
    EXPECT_EQ(INT_MAX, gp.m_nType);
    EXPECT_EQ(INT_MIN, gp.m_nZonePrefix);
}

TEST(SegmentTag, CircleKeepsOneCharacter)
{
    struct Case
    {
        const char* szName;
        const char* szContent;
        const char* szChar;
    } cases[] = {
        {"GBK", "中文", "中"},
        {"ASCII", "ab", "a"},
        {"lone lead byte", "\xB0", "\xB0"},
        {"lead byte before a non-trail byte",
         "\xB0"
         "1",
         "\xB0"},
        {"high byte that leads nothing", "\x80\xB0\xA1", "\x80"},
        {"empty", "", ""},
        {"font tag only", "<FT>S=20</FT>", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCircleStrContSeg seg(BaseFont(), 0);
        seg.SetData(CString(c.szContent));
        EXPECT_STREQ(c.szChar, seg.m_strText);
    }
}

TEST(SegmentTag, KindCodesAndLineBreak)
{
    LOGFONT lf = BaseFont();
    CContentSegment base;
    CStringContSeg text(lf, 0);
    CEnterContSeg enter(lf, 0);
    CToleranceContSeg tol(lf, 0);
    CFractionContSeg frac(lf, 0);
    CSupSubScriptContSeg sup(lf, 0);
    CGpTolContSeg gp(lf, 0);
    CCoarsenessContSeg rough(lf, 0);
    CFrameStrContSeg frame(lf, 0);
    CCircleStrContSeg circle(lf, 0);
    CContentSegment* segs[] = {&base, &text, &enter, &tol, &frac, &sup, &gp, &rough, &frame, &circle};
    short codes[] = {0, 1, 2, 3, 4, 5, 6, 7, 10, 11};
    for (size_t i = 0; i < std::size(segs); i++)
        EXPECT_EQ(codes[i], segs[i]->IsKindOf());

    enter.m_lFont.lfHeight = 30;
    EXPECT_STREQ("\n", Write(enter));
    EXPECT_STREQ("", Write(base));
    EXPECT_EQ(0, base.GetWidth(nullptr));
}

TEST(SegmentTag, DefaultFontAndSetters)
{
    CContentSegment seg;
    EXPECT_EQ(12, seg.m_lFont.lfHeight);
    EXPECT_EQ(0, seg.m_lFont.lfWidth);
    EXPECT_EQ(300, seg.m_lFont.lfWeight);
    EXPECT_EQ(134, seg.m_lFont.lfCharSet);
    EXPECT_EQ(50, seg.m_lFont.lfPitchAndFamily);
    EXPECT_STREQ("宋体", seg.m_lFont.lfFaceName);
    EXPECT_EQ(0u, seg.m_crColor);
    EXPECT_EQ(0, seg.m_bSelected);
    EXPECT_EQ(0, seg.m_nWidth);

    seg.Setlfont("黑体", 40, true, true, false);
    EXPECT_STREQ("黑体", seg.m_lFont.lfFaceName);
    EXPECT_EQ(12, seg.m_lFont.lfHeight);
    EXPECT_EQ(700, seg.m_lFont.lfWeight);
    EXPECT_EQ(1, seg.m_lFont.lfItalic);
    seg.Setlfont("Arial", 12, false, false, true);
    EXPECT_EQ(400, seg.m_lFont.lfWeight);
    EXPECT_EQ(1, seg.m_lFont.lfUnderline);

    CContentSegment other;
    EXPECT_FALSE(seg.IsSameLogFont(&other));
    other.Setlfont(seg.m_lFont, seg.m_crColor);
    EXPECT_TRUE(seg.IsSameLogFont(&other));
    other.m_lFont.lfWidth = 4;
    EXPECT_TRUE(seg.IsSameLogFont(&other));
    other.m_crColor = 1;
    EXPECT_FALSE(seg.IsSameLogFont(&other));
    EXPECT_FALSE(seg.IsSameLogFont(nullptr));
}

TEST(SegmentTag, DegressionFontWidth)
{
    struct Case
    {
        const char* szName;
        LONG lHeight;
        LONG lWidth;
        bool bResult;
        LONG lAfter;
    } cases[] = {
        {"from zero", 12, 0, true, 5},
        {"negative height", -12, 0, true, 5},
        {"odd height", 13, 0, true, 6},
        {"one step", 12, 5, true, 4},
        {"width one", 12, 1, false, 1},
        {"two to one", 12, 2, true, 1},
        {"tiny font cannot narrow", 2, 0, false, 0},
        {"zero height", 0, 0, false, 0},
        {"negative width", 12, -3, false, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CContentSegment seg;
        seg.m_lFont.lfHeight = c.lHeight;
        seg.m_lFont.lfWidth = c.lWidth;
        EXPECT_EQ(c.bResult, seg.DegressionFontWidth());
        EXPECT_EQ(c.lAfter, seg.m_lFont.lfWidth);
    }
    // Squeezing always ends.
    CContentSegment seg;
    int n = 0;
    while (seg.DegressionFontWidth() && n < 100)
        n++;
    EXPECT_EQ(5, n);
}

TEST(SegmentTag, AssignmentCopiesPerKind)
{
    LOGFONT lf = BaseFont();
    LOGFONT lfBig = lf;
    lfBig.lfHeight = 30;

    CToleranceContSeg tolSrc(lfBig, 7);
    tolSrc.Set(CString("1;2;3;1;H7"));
    tolSrc.m_dScale = 0.5;
    tolSrc.m_bSelected = 1;
    tolSrc.m_nWidth = 44;
    CToleranceContSeg tol(lf, 0);
    tol = tolSrc;
    EXPECT_STREQ("H7", tol.m_strSymbol);
    EXPECT_DOUBLE_EQ(0.5, tol.m_dScale);
    EXPECT_EQ(30, tol.m_lFont.lfHeight);
    EXPECT_EQ(7u, tol.m_crColor);
    EXPECT_EQ(1, tol.m_bSelected);
    EXPECT_EQ(44, tol.m_nWidth);
    // Set copies the five fields only.
    CToleranceContSeg tol2(lf, 0);
    tol2.Set(&tolSrc);
    EXPECT_STREQ("H7", tol2.m_strSymbol);
    EXPECT_EQ(12, tol2.m_lFont.lfHeight);
    EXPECT_DOUBLE_EQ(0.6, tol2.m_dScale);

    CEnterContSeg enterSrc(lfBig, 7);
    enterSrc.m_bSelected = 1;
    enterSrc.m_nWidth = 3;
    CEnterContSeg enter(lf, 0);
    enter = enterSrc;
    EXPECT_EQ(1, enter.m_bSelected);
    EXPECT_EQ(3, enter.m_nWidth);
    EXPECT_EQ(12, enter.m_lFont.lfHeight);
    EXPECT_EQ(0u, enter.m_crColor);

    CGpTolContSeg gpSrc(lfBig, 7);
    gpSrc.SetData(CString("8;1;0.02;4;A;1;B;2;C;3;5;2"));
    gpSrc.m_nMargin = 9;
    gpSrc.m_fTextScale = 0.5f;
    CGpTolContSeg gp(lf, 0);
    gp = gpSrc;
    EXPECT_EQ(5, gp.m_nMargin);
    EXPECT_FLOAT_EQ(0.5f, gp.m_fTextScale);
    EXPECT_STREQ("C", gp.m_strDatum3);
    EXPECT_EQ(2, gp.m_nBaseLength);
    EXPECT_EQ(30, gp.m_lFont.lfHeight);

    CCoarsenessContSeg roughSrc(lf, 0);
    CCoarsenessContSeg rough(lf, 0);
    rough.Set(&roughSrc);
    EXPECT_EQ(2, rough.m_nType);
    rough = roughSrc;
    EXPECT_EQ(0, rough.m_nType);

    // Framed and circled kinds copy as text: text plus base fields.
    CStringContSeg textSrc(lfBig, 7);
    textSrc.m_strText = "ab";
    CFrameStrContSeg frame(lf, 0);
    frame = textSrc;
    EXPECT_STREQ("ab", frame.m_strText);
    EXPECT_EQ(30, frame.m_lFont.lfHeight);
    CCircleStrContSeg circle(lf, 0);
    CCircleStrContSeg circleSrc(lfBig, 3);
    circleSrc.m_strText = "中";
    circle = circleSrc;
    EXPECT_STREQ("中", circle.m_strText);
    EXPECT_EQ(3u, circle.m_crColor);

    CSupSubScriptContSeg supSrc(lf, 0);
    supSrc.SetData("x", "2", "i");
    supSrc.m_fScale = 0.4f;
    CSupSubScriptContSeg sup(lf, 0);
    sup.SetData(&supSrc);
    EXPECT_STREQ("i", sup.m_strSub);
    EXPECT_FLOAT_EQ(0.6f, sup.m_fScale);
    sup = supSrc;
    EXPECT_FLOAT_EQ(0.4f, sup.m_fScale);
}

namespace
{
int g_nDeleted = 0;

class CCountedSeg : public CStringContSeg
{
public:
    ~CCountedSeg() override { g_nDeleted++; }
};
} // namespace

TEST(SegmentTag, UndoItemOwnsItsSegments)
{
    g_nDeleted = 0;
    {
        CUndoItem item;
        EXPECT_EQ(0, item.m_nAction);
        EXPECT_EQ(0, item.m_nCaretY);
        item.m_listContSeg.AddTail(new CCountedSeg);
        item.m_listContSeg.AddTail(new CCountedSeg);
        item.DetachContSegList();
        EXPECT_EQ(2, g_nDeleted);
        EXPECT_TRUE(item.m_listContSeg.IsEmpty());
        item.m_listContSeg.AddTail(new CCountedSeg);
    }
    EXPECT_EQ(3, g_nDeleted);
}
