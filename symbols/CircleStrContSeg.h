// One character drawn inside a circle.
#pragma once

#include "symbols/StringContSeg.h"

class GLYPHWORK_API CCircleStrContSeg : public CStringContSeg
{
public:
    CCircleStrContSeg() = default;
    CCircleStrContSeg(const LOGFONT& lf, COLORREF cr) : CStringContSeg(lf, cr) {}
    using CStringContSeg::operator=;

    short IsKindOf() override;
    using CObject::IsKindOf;
    int GetWidth(CDC* pDC) override;
    void Draw(CDC* pDC, int x, int y, float fScale, int nOpaque) override;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // Keeps the first character only: both bytes of a GBK character.
    void SetData(CString strContent) override;
};
