// Owner of a GDI region.
#pragma once

#include "platform/gdi/GdiObject.h"

class FX_API CRgn : public CGdiObject
{
public:
    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT prc);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreatePolygonRgn(const POINT* pPoints, int nCount, int nPolyFillMode);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    void SetRectRgn(int x1, int y1, int x2, int y2);
    // Into this region, which must exist already; returns the region kind or ERROR.
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
    BOOL PtInRegion(int x, int y) const;
    BOOL RectInRegion(LPCRECT prc) const;
    int GetRgnBox(LPRECT prc) const;
    int OffsetRgn(int x, int y);
};
