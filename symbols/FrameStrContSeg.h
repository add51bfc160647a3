// Text drawn inside a rectangle.
#pragma once

#include "symbols/StringContSeg.h"

class GLYPHWORK_API CFrameStrContSeg : public CStringContSeg
{
public:
    CFrameStrContSeg() = default;
    CFrameStrContSeg(const LOGFONT& lf, COLORREF cr) : CStringContSeg(lf, cr) {}
    using CStringContSeg::operator=;

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
};
