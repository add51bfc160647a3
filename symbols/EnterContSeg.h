// A line break: measures 0, draws nothing, writes a bare line feed.
#pragma once

#include "symbols/ContentSegment.h"

class GLYPHWORK_API CEnterContSeg : public CContentSegment
{
public:
    CEnterContSeg() = default;
    CEnterContSeg(const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr) {}

    short IsKindOf() override;
    using CObject::IsKindOf;
    void GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase) override;
    // Copies only the selected flag and the width.
    virtual int operator=(const CEnterContSeg& src);
};
