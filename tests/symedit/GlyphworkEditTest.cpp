// Segment text as a whole string: parsing, writing, splitting and joining, plain text and rows.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "SongFont.h"
#include "support/DibCanvas.h"
#include "symbols/CustomDrawContSeg.h"
#include "symbols/StringContSeg.h"
#include "symbols/ToleranceContSeg.h"
#include "symedit/CustSymSource.h"
#include "symedit/CustSymMgr.h"
#include "symedit/GlyphworkEdit.h"

namespace
{
// A cache the test fills by hand.
class CTestSymbols : public CCustSymSource
{
public:
    BOOL Lookup(CString strGuid, CString& strSymbol) override
    {
        auto it = m_symbols.find(std::string(strGuid));
        if (it == m_symbols.end())
            return FALSE;
        strSymbol = it->second.c_str();
        return TRUE;
    }
    std::map<std::string, std::string> m_symbols;
};

// The segment list as "a|b|<3>|\n": text as itself, a line break as "\n", other kinds by code.
CString Describe(CObList& list)
{
    CString s;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CContentSegment*>(list.GetNext(pos));
        if (!s.IsEmpty())
            s += "|";
        short nKind = pSeg->IsKindOf();
        if (nKind == SEG_TEXT)
            s += static_cast<CStringContSeg*>(pSeg)->m_strText;
        else if (nKind == SEG_ENTER)
            s += "\n";
        else
            s.AppendFormat("<%d>", nKind);
    }
    return s;
}

// A windowless edit with a base font, parsing on a memory DC.
class GlyphworkEditParse : public ::testing::Test
{
protected:
    GlyphworkEditParse() : m_dib(16, 16) { m_edit.m_lfFont = SongFont(-12); }

    void Parse(const char* pszText) { m_edit.TransStringToContSegList(&m_dib.DC(), pszText); }
    // What GetData rebuilds: joined, then written.
    CString Write()
    {
        CString s;
        m_edit.JoinStrContSeg(m_edit.m_listContSeg);
        m_edit.TransContSegListToString(s);
        return s;
    }

    CTestDib m_dib;
    CGlyphworkEdit m_edit;
};

TEST_F(GlyphworkEditParse, ReadsAndWritesEveryFormOfTheWholeString)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        int nDefaultAlign;
        DWORD dwEditStyle;
        const char* szSegments;
        int nAlign; // after parsing
        const char* szWritten;
    };
    const Case cases[] = {
        {"empty text, no segments, no prefix", "", 0, 0, "", 0, ""},
        {"prefix equal to the default is not written", "<ALIGN>1</ALIGN>ab", 1, 0, "a|b", 1, "ab"},
        {"prefix other than the default is written", "<ALIGN>1</ALIGN>ab", 0, 0, "a|b", 1, "<ALIGN>1</ALIGN>ab"},
        {"style 0x20 writes no prefix", "<ALIGN>1</ALIGN>ab", 0, 0x20, "a|b", 1, "ab"},
        {"two-digit alignment", "<ALIGN>10</ALIGN>a", 0, 0, "a", 10, "<ALIGN>10</ALIGN>a"},
        {"unclosed prefix: alignment 0, read on after it", "<ALIGN>1ab", 3, 0, "1|a|b", 0, "<ALIGN>0</ALIGN>1ab"},
        {"prefix not at the start is text", "x<ALIGN>1</ALIGN>", 0, 0, "x|<|A|L|I|G|N|>|1|<|/|A|L|I|G|N|>", 0,
         "x<ALIGN>1</ALIGN>"},
        {"empty element is plain text", "<A></A>", 0, 0, "<|A|>|<|/|A|>", 0, "<A></A>"},
        {"tolerance element", "<T>10;+0.1;-0.1;0;</T>", 0, 0, "<3>", 0, "<T>10;+0.1;-0.1;0;</T>"},
        {"lower-case letter is kept as text, and the rest too", "ab<t>1</t>cd", 0, 0, "a|b|<|t|>|1|<|/|t|>|c|d", 0,
         "ab<t>1</t>cd"},
        {"unknown letter is kept as text", "ab<B>x</B>cd", 0, 0, "a|b|<|B|>|x|<|/|B|>|c|d", 0, "ab<B>x</B>cd"},
        {"typed tags reload whole", "x<b>1</b>y", 0, 0, "x|<|b|>|1|<|/|b|>|y", 0, "x<b>1</b>y"},
        {"H element is skipped", "<H>anything</H>z", 0, 0, "z", 0, "z"},
        {"legacy caret form", "^T{10;+0.1;-0.1;0;}", 0, 0, "<3>", 0, "<T>10;+0.1;-0.1;0;</T>"},
        {"caret without braces is text", "^x", 0, 0, "^|x", 0, "^x"},
        {"caret form of an unknown letter is text", "^q{1}z", 0, 0, "^|q|{|1|}|z", 0, "^q{1}z"},
        {"caret form with empty content is text", "^T{}", 0, 0, "^|T|{|}", 0, "^T{}"},
        {"carriage return and tab are dropped", "a\r\n\tb", 0, 0, "a|\n|b", 0, "a\nb"},
        {"GBK character is one segment", "工a", 0, 0, "工|a", 0, "工a"},
        {"a trail byte like 0x7B stays with its lead", "\x95{a", 0, 0, "\x95{|a", 0, "\x95{a"},
        {"lone lead byte at the end", "a\xB9", 0, 0, "a|\xB9", 0, "a\xB9"},
        {"notation among text", "Φ<F>;1;2</F>x<S>M;2;</S>", 0, 0, "Φ|<4>|x|<5>", 0, "Φ<F>;1;2</F>x<S>M;2;</S>"},
        {"framed and circled text, roughness, frame", "<R>AB</R><E>工</E><C>2;3.2;;;;0;;0</C>", 0, 0, "<10>|<11>|<7>",
         0, "<R>AB</R><E>工</E><C>2;3.2;;;;0;;0</C>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        m_edit.DetachContSegList();
        m_edit.m_nDefaultAlign = c.nDefaultAlign;
        m_edit.m_nAlign = c.nDefaultAlign;
        m_edit.m_dwEditStyle = c.dwEditStyle;
        Parse(c.szText);
        EXPECT_EQ(CString(c.szSegments), Describe(m_edit.m_listContSeg));
        EXPECT_EQ(c.nAlign, m_edit.GetAlignFormat());
        EXPECT_EQ(CString(c.szWritten), Write());
    }
}

TEST_F(GlyphworkEditParse, CaretFormGivesTheSameToleranceAsTheElement)
{
    Parse("^T{10;+0.1;-0.1;1;H7}");
    ASSERT_EQ(1, m_edit.m_listContSeg.GetCount());
    auto* pLegacy = static_cast<CToleranceContSeg*>(m_edit.m_listContSeg.RemoveHead());
    Parse("<T>10;+0.1;-0.1;1;H7</T>");
    ASSERT_EQ(1, m_edit.m_listContSeg.GetCount());
    auto* pElement = static_cast<CToleranceContSeg*>(m_edit.m_listContSeg.GetHead());
    EXPECT_EQ(pElement->m_strBase, pLegacy->m_strBase);
    EXPECT_EQ(pElement->m_strUpper, pLegacy->m_strUpper);
    EXPECT_EQ(pElement->m_strLower, pLegacy->m_strLower);
    EXPECT_EQ(1, pLegacy->m_nSymbolFlag);
    EXPECT_EQ(CString("H7"), pLegacy->m_strSymbol);
    EXPECT_GT(pLegacy->m_nWidth, 0) << "measured while parsing";
    EXPECT_EQ(pElement->m_nWidth, pLegacy->m_nWidth);
    delete pLegacy;
}

TEST_F(GlyphworkEditParse, TextElementSplitsPerCharacterAndJoinsBack)
{
    m_edit.m_lfFont = SongFont(-20); // a font tag is written only where it differs from the base
    Parse("<A>ab工<FT>S=12</FT></A>");
    CObList& list = m_edit.m_listContSeg;
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(CString("a|b|工"), Describe(list));
    CStringContSeg whole(SongFont(12), 0);
    whole.m_strText = "ab工";
    int nWhole = whole.GetWidth(&m_dib.DC());
    int nSum = 0;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CStringContSeg*>(list.GetNext(pos));
        EXPECT_EQ(12, pSeg->m_lFont.lfHeight);
        EXPECT_EQ(pSeg->m_strText.GetLength() * nWhole / 4, pSeg->m_nWidth) << "share of the measured width by bytes";
        nSum += pSeg->m_nWidth;
    }
    EXPECT_LE(nWhole - nSum, 2) << "shares are rounded down";
    EXPECT_EQ(CString("<A>ab工<FT>S=12</FT></A>"), Write());
    ASSERT_EQ(1, list.GetCount()) << "joined into one segment";
    EXPECT_EQ(nSum, static_cast<CContentSegment*>(list.GetHead())->m_nWidth) << "joining adds the widths";
}

TEST_F(GlyphworkEditParse, JoinKeepsTextOfOtherFontsAndNotationApart)
{
    Parse("a<A>b<FT>S=20</FT></A>c<T>1;2;3;0;</T>de\nf");
    EXPECT_EQ(CString("a|b|c|<3>|d|e|\n|f"), Describe(m_edit.m_listContSeg));
    m_edit.JoinStrContSeg(m_edit.m_listContSeg);
    EXPECT_EQ(CString("a|b|c|<3>|de|\n|f"), Describe(m_edit.m_listContSeg));
}

TEST_F(GlyphworkEditParse, CustomSymbolTakesIdentifierArgumentsAndMarkupFromTheCache)
{
    CTestSymbols symbols;
    symbols.m_symbols["{g}"] = "<C>0,0,5</C>";
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szGuid;
        const char* szArgument;
        const char* szSymbol;
    };
    const Case cases[] = {
        {"identifier and arguments", "<P>{g}?w=3</P>", "{g}", "w=3", "<C>0,0,5</C>"},
        {"no question mark: all identifier", "<P>{g}</P>", "{g}", "", "<C>0,0,5</C>"},
        {"unknown symbol: empty markup", "<P>{h}?w=3</P>", "{h}", "w=3", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        ASSERT_TRUE(m_edit.AttachMgr(&symbols));
        m_edit.DetachContSegList();
        Parse(c.szText);
        ASSERT_EQ(1, m_edit.m_listContSeg.GetCount());
        auto* pSeg = static_cast<CCustomDrawContSeg*>(m_edit.m_listContSeg.GetHead());
        ASSERT_EQ(SEG_CUSTOM, pSeg->IsKindOf());
        EXPECT_EQ(CString(c.szGuid), pSeg->m_strGuid);
        EXPECT_EQ(CString(c.szArgument), pSeg->m_strArgument);
        EXPECT_EQ(CString(c.szSymbol), pSeg->m_strSymbol);
        EXPECT_EQ(CString(c.szText), Write());
    }
    m_edit.DetachContSegList();
    EXPECT_FALSE(m_edit.AttachMgr(nullptr)) << "null keeps the cache in use";
    Parse("<P>{g}</P>");
    EXPECT_GT(static_cast<CContentSegment*>(m_edit.m_listContSeg.GetHead())->m_nWidth, 0) << "a known symbol measures";
}

TEST_F(GlyphworkEditParse, ANewEditLooksSymbolsUpInTheProcessCache)
{
    ASSERT_TRUE(CCustSymMgr::GetProcessMgr().Add("{vorn-process-cache-probe}", "<C>0,0,5</C>"));
    Parse("<P>{vorn-process-cache-probe}</P>");
    ASSERT_EQ(1, m_edit.m_listContSeg.GetCount());
    EXPECT_EQ(CString("<C>0,0,5</C>"), static_cast<CCustomDrawContSeg*>(m_edit.m_listContSeg.GetHead())->m_strSymbol);
}

TEST_F(GlyphworkEditParse, ClonesCopyEveryKindAndClearTheSelection)
{
    Parse("a<A>b<FT>S=20;B=1</FT></A>\n<T>1;2;3;1;H7</T><F>1;2;3</F><S>M;2;x</S>"
          "<G>7;1;0.02;0;A;0;B;0;;0;-1;-1</G><C>3;1.6;2;;;0;;0</C><P>{g}?w=3</P><R>x</R><E>工</E>");
    CString strOriginal = Write();
    CObList clones;
    POSITION pos = m_edit.m_listContSeg.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CContentSegment*>(m_edit.m_listContSeg.GetNext(pos));
        pSeg->m_bSelected = 1;
        CContentSegment* pClone = nullptr;
        ASSERT_EQ(1, m_edit.GetNewContSeg(pClone, pSeg));
        EXPECT_EQ(pSeg->IsKindOf(), pClone->IsKindOf());
        EXPECT_EQ(0, pClone->m_bSelected);
        clones.AddTail(pClone);
    }
    CContentSegment* pNone = nullptr;
    EXPECT_EQ(0, m_edit.GetNewContSeg(pNone, nullptr));
    m_edit.DetachContSegList();
    m_edit.m_listContSeg.AddTail(&clones);
    EXPECT_EQ(strOriginal, Write());
}

TEST(GlyphworkEditTest, TextDataStripsNotationToItsText)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        BOOL bModified;
        const char* szPlain;
    };
    const Case cases[] = {
        {"prefix, text element with font", "<ALIGN>2</ALIGN><A>ab<FT>B=1</FT></A>c", FALSE, "abc"},
        {"two-digit alignment", "<ALIGN>10</ALIGN><A>ab<FT>B=1</FT></A>c", FALSE, "abc"},
        {"two font tags", "<A>a<FT>S=20</FT></A><A>b<FT>B=1</FT></A>", FALSE, "ab"},
        {"other elements stay", "x<T>1;2;3;0;</T>", FALSE, "x<T>1;2;3;0;</T>"},
        {"rebuilt when modified", "<ALIGN>2</ALIGN><A>a<FT>S=20</FT></A>^x<H>1</H>", TRUE, "a^x"},
    };
    CTestDib dib(16, 16);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CGlyphworkEdit edit;
        CRect rc(0, 0, 400, 20);
        edit.SetBaseData(&dib.DC(), rc, SongFont(-12), 0, 2, c.szText);
        edit.m_bModify = c.bModified;
        CString s;
        edit.GetTextData(s);
        EXPECT_EQ(CString(c.szPlain), s);
    }
}

TEST(GlyphworkEditTest, GetDataGivesTheStoredTextUntilModified)
{
    CTestDib dib(16, 16);
    CGlyphworkEdit edit;
    CRect rc(0, 0, 400, 20);
    const char* pszText = "<ALIGN>1</ALIGN>a\r\n^T{1;2;3;0;}<H>x</H>";
    edit.SetBaseData(&dib.DC(), rc, SongFont(-12), 0, 0, pszText);
    CString s;
    edit.GetData(s);
    EXPECT_EQ(CString(pszText), s);
    edit.m_bModify = TRUE;
    edit.GetData(s);
    EXPECT_EQ(CString("<ALIGN>1</ALIGN>a\n<T>1;2;3;0;</T>"), s);
    EXPECT_TRUE(edit.m_listContSeg.IsEmpty()) << "the working list is left empty";

    CObList list;
    edit.GetData(list);
    EXPECT_EQ(CString("a|\n|<3>"), Describe(list));
    edit.DetachContSegList(list);
    EXPECT_TRUE(list.IsEmpty());
}

TEST(GlyphworkEditTest, BaseDataLaysRowsOutForDetailAreas)
{
    CTestDib dib(16, 16);
    CStringContSeg digit(SongFont(-12), 0);
    digit.m_strText = "0";
    const int w = digit.GetWidth(&dib.DC());
    ASSERT_GT(w, 0);
    CStringContSeg chinese(SongFont(-12), 0);
    chinese.m_strText = "工";
    const int wChinese = chinese.GetWidth(&dib.DC());
    // Margins 2 + 2 and room for three digits and a half.
    const int nThreeDigits = 4 + 3 * w + w / 2;
    struct Case
    {
        const char* szName;
        const char* szText;
        int nFormat;
        int nAlign;
        int nWidth;
        const char* szRows; // each row's markup followed by "|"
    };
    const Case cases[] = {
        {"line break makes a second row", "ab<T>1;2;3;0;</T>\ncd", 0, 0, 400, "ab<T>1;2;3;0;</T>\n|cd|"},
        {"no breaks: one row however wide", "1234567", 0, 0, nThreeDigits, "1234567|"},
        {"break by width", "1234567", 4, 0, nThreeDigits, "123|456|7|"},
        {"break by width and by line break", "12\n34567", 4, 0, nThreeDigits, "12\n|345|67|"},
        {"final line break adds an empty row", "a\n", 0, 0, 400, "a\n||"},
        {"empty text is one empty row", "", 4, 0, 400, "|"},
        {"a character wider than the row keeps a row", "工工", 4, 0, 4 + wChinese / 2, "工|工|"},
        {"each row carries the prefix", "<ALIGN>1</ALIGN>12\n34", 0, 0, 400,
         "<ALIGN>1</ALIGN>12\n|<ALIGN>1</ALIGN>34|"},
        {"prefix equal to the given alignment is left out", "<ALIGN>1</ALIGN>12\n34", 0, 1, 400, "12\n|34|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CGlyphworkEdit edit;
        CRect rc(10, 10, 10 + c.nWidth, 30);
        edit.SetBaseData(&dib.DC(), rc, SongFont(-12), c.nFormat, c.nAlign, c.szText);
        CString strRows;
        for (int i = 0; i < edit.GetRowCount(); i++) {
            CString s;
            edit.GetRowData(s, i);
            strRows += s + "|";
        }
        EXPECT_EQ(CString(c.szRows), strRows);
        CString s = "x";
        edit.GetRowData(s, -1);
        EXPECT_EQ(CString(""), s);
        s = "x";
        edit.GetRowData(s, edit.GetRowCount());
        EXPECT_EQ(CString(""), s);
    }
}
} // namespace
