// One run of a cell's segment text: the common fields of every kind and the font tag that
// carries a segment's font where it differs from the cell's base font.
#pragma once

#include <windows.h>

#include <cstddef>

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "symbols/GlyphworkExport.h"

class CDC;
template <class TSeg> struct CSegTagField;

// Kind codes as stored text and undo records know them; 8 is not used.
enum {
    SEG_BASE = 0,
    SEG_TEXT = 1,
    SEG_ENTER = 2,
    SEG_TOLERANCE = 3,
    SEG_FRACTION = 4,
    SEG_SUPSUB = 5,
    SEG_GPTOL = 6,
    SEG_COARSENESS = 7,
    SEG_CUSTOM = 9,
    SEG_FRAME = 10,
    SEG_CIRCLE = 11,
};

class GLYPHWORK_API CContentSegment : public CObject
{
public:
    CContentSegment();
    CContentSegment(const LOGFONT& lf, COLORREF cr);
    ~CContentSegment() override;
    CContentSegment(const CContentSegment&) = delete;

    // Narrows the font by one unit; false when it cannot get narrower.
    virtual bool DegressionFontWidth();
    // The kind code (the system's name: it tests nothing).
    virtual short IsKindOf();
    using CObject::IsKindOf;
    virtual int GetWidth(CDC* pDC);
    // The tag writer: the segment's markup against the cell's base font and colour.
    virtual void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase);
    virtual void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque);
    // Copies selected flag, width, font and colour.
    virtual int operator=(const CContentSegment& src);
    // The base reader: applies the font tag in s and cuts s to the text before it.
    virtual void SetData(CString& s);

    void Setlfont(CString strFace, int nHeight, bool bBold, bool bItalic, bool bUnderline);
    void Setlfont(LOGFONT lf, COLORREF cr);
    bool IsSameLogFont(CContentSegment* pSeg);
    // The font as measured and drawn: the segment's own, its height and width held to the tallest
    // text a card can show. The font field keeps the size the text was written with.
    LOGFONT GetDrawFont() const;

    int m_bSelected = 0;
    int m_nWidth = 0;
    LOGFONT m_lFont;
    COLORREF m_crColor = 0;

protected:
    CString GetFontData(LOGFONT& lfBase, COLORREF crBase);
    // The leading integer of a field, as the kind readers take it.
    static int FieldToInt(const CString& s);
    static void SetFaceName(LOGFONT& lf, LPCSTR pszFace);
    void CopyBase(const CContentSegment& src);
    // Assigns the ";" fields to the kind's fields in tag order: the text field apText[i] where
    // there is one, else the integer field apInt[i] (either list may be null). An empty text and
    // fields without a piece change nothing; pieces beyond nFields are ignored.
    static void ReadTagFields(const CString& strFields, CString* const apText[], int* const apInt[], INT_PTR nFields);
    // The same three ways over a kind's table of fields (SegTagField.h): read from the ";" list,
    // written as one (integers in decimal), copied from another segment of the kind.
    template <class TSeg, size_t N>
    static void ReadTagFields(TSeg& seg, const CString& strFields, const CSegTagField<TSeg> (&aField)[N]);
    template <class TSeg, size_t N>
    static CString JoinTagFields(const TSeg& seg, const CSegTagField<TSeg> (&aField)[N]);
    template <class TSeg, size_t N>
    static void CopyTagFields(TSeg& dst, const TSeg& src, const CSegTagField<TSeg> (&aField)[N]);
    // "<X>" + strContent + the font tag + "</X>", X the kind's tag letter.
    CString WrapTag(char chTag, const CString& strContent, LOGFONT& lfBase, COLORREF crBase);
};
