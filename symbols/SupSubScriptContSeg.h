// A base text with a superscript and a subscript after it.
#pragma once

#include "symbols/TextTripleContSeg.h"

class GLYPHWORK_API CSupSubScriptContSeg : public CTextTripleContSeg
{
public:
    CSupSubScriptContSeg();
    CSupSubScriptContSeg(const LOGFONT& lf, COLORREF cr);
    using CTextTripleContSeg::SetData;

    short IsKindOf() override;
    using CObject::IsKindOf;
    virtual int operator=(const CSupSubScriptContSeg& src);

    void OnInit();
    // Copies the three texts only.
    void SetData(CSupSubScriptContSeg* pSrc);

    // The parts in tag order, after the base.
    CString m_strSup;
    CString m_strSub;
    float m_fScale;

protected:
    CString& PartText(int nPart) override;
    double PartScale() const override;
    void DrawParts(CDC* pDC, CFont& fontPart, int x, int y, int hFont, int hPart, COLORREF crLine) override;
};
