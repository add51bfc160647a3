// The kinds made of a base text and two smaller texts after it (fraction, super/subscript): they
// read, write and measure alike but for the tag letter and the scale of the two parts.
#pragma once

#include "symbols/ContentSegment.h"

class CFont;

class GLYPHWORK_API CTextTripleContSeg : public CContentSegment
{
public:
    int GetWidth(CDC* pDC) override;
    // Draws the base text, then the two parts after it.
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // Fields in tag order: base, the first part, the second part, then the font tag.
    virtual void SetData(CString strContent);

    void GetData(CString& strBase, CString& str1, CString& str2);
    void SetData(CString strBase, CString str1, CString str2);

    CString m_strBase;

protected:
    explicit CTextTripleContSeg(char chTag) : m_chTag(chTag) {}
    CTextTripleContSeg(char chTag, const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr), m_chTag(chTag) {}

    // The first (nPart 0) or second part's text.
    virtual CString& PartText(int nPart) = 0;
    virtual double PartScale() const = 0;
    // Draws the parts from x on in the part font; hFont and hPart are the heights of the base and
    // part fonts, crLine the colour of any line.
    virtual void DrawParts(CDC* pDC, CFont& fontPart, int x, int y, int hFont, int hPart, COLORREF crLine) = 0;
    // Copies the three texts from pSrc, if any.
    void CopyTexts(CTextTripleContSeg* pSrc);

private:
    char m_chTag;
};
