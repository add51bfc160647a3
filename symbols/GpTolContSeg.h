// A geometric tolerance frame: characteristic symbol, tolerance value with its zone prefix and
// modifier, and up to three datum letters with their modifiers.
#pragma once

#include "platform/base/Point.h"
#include "symbols/ContentSegment.h"

class GLYPHWORK_API CGpTolContSeg : public CContentSegment
{
public:
    CGpTolContSeg();
    CGpTolContSeg(const LOGFONT& lf, COLORREF cr);

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // Twelve fields in tag order, then the font tag; missing fields keep their values.
    virtual void SetData(CString strContent);
    // Copies everything but the compartment margin.
    virtual int operator=(const CGpTolContSeg& src);

    // Codes to 0 and grade and base length to -1; the texts stay.
    void OnInit();
    // Copies the twelve tag fields.
    void Set(CGpTolContSeg* pSrc);

    // Drawing steps of the frame; each draws in a square compartment of the given size with the
    // current pen and font.
    void DrawGpTolType(CDC* pDC, int x, int y, int nSize, int nPenWidth, int nType);
    void DrawPerTol(CDC* pDC, int x, int y, int nSize, int nPenWidth);
    void DrawPostTol(CDC* pDC, int x, int y, int nSize, int nPenWidth, int nCode);
    void DrawPostBase(CDC* pDC, int x, int y, int nSize, int nPenWidth, int nCode);
    void DrawArrow(CDC* pDC, CPoint ptStart, int nLength, int nPenWidth);

    int m_nMargin;
    // 0 none, 1 to 14 the characteristics; 1 to 6 take no datum.
    int m_nType;
    // 1 diameter sign, 2 square; drawn before the value.
    int m_nZonePrefix;
    CString m_strValue;
    // 1 to 6, drawn after the value.
    int m_nSpecialSymbol;
    CString m_strDatum1;
    int m_nDatumCode1;
    CString m_strDatum2;
    int m_nDatumCode2;
    CString m_strDatum3;
    int m_nDatumCode3;
    // -1 when the characteristic has no tolerance table.
    int m_nGrade;
    int m_nBaseLength;
    float m_fTextScale;
};
