// Free line with an arrow head at its end.
#pragma once

#include "core/CappFreeLine.h"

class VORNCARD_API CCappFreeLineArrow : public CCappFreeLine
{
    FX_DECLARE_SERIAL(CCappFreeLineArrow)
public:
    CCappFreeLineArrow();
    CCappFreeLineArrow& operator=(const CCappFreeLineArrow& src);

    // The head's wings are computed from start and end, never stored.
    void CalcArrow();
    void Draw(CDC* pDC) override;

    CFreeObjPoint m_ptWing1;
    CFreeObjPoint m_ptWing2;
};
