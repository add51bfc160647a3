// Owner of a GDI region.
#pragma once

#include "platform/gdi/GdiObject.h"

class FX_API CRgn : public CGdiObject
{
public:
    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL CreatePolygonRgn(const POINT* pPoints, int nCount, int nMode);
    // Win32's result: the region kind, or ERROR.
    int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode);
    BOOL PtInRegion(int x, int y) const;
};
