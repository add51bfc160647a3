// Plain text in one font.
#pragma once

#include "symbols/ContentSegment.h"

class GLYPHWORK_API CStringContSeg : public CContentSegment
{
public:
    CStringContSeg() = default;
    CStringContSeg(const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr) {}

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // The text is the whole content (";" included) once the font tag is taken off.
    virtual void SetData(CString strContent);
    // Copies the text and the base fields; the framed and circled kinds use it too.
    virtual int operator=(const CStringContSeg& src);

    CString m_strText;
};
