// Free line: a straight segment from its start to its end.
#pragma once

#include "core/CappFreeObj.h"
#include "core/FreeObjPoint.h"

class VORNCARD_API CCappFreeLine : public CCappFreeObj
{
    FX_DECLARE_SERIAL(CCappFreeLine)
public:
    CCappFreeLine();
    CCappFreeLine& operator=(const CCappFreeLine& src);

    // Start, then end.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    // 1 the start, 2 the end.
    int GetHandleCount() override;
    CPoint GetHandlePoint(int nHandle) override;
    HCURSOR GetHandleCursor(int nHandle) override;
    // Handle 1 moves the start, any other the end.
    void MoveHandleTo(int nHandle, CPoint point) override;
    void MoveObj(CPoint ptOffset) override;
    CRect GetOutRect() override;
    CRect GetOutIineRect() override;
    int CanPick(CPoint point) override;

    CFreeObjPoint m_ptStart;
    CFreeObjPoint m_ptEnd;
};
