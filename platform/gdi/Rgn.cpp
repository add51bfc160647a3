#include "platform/gdi/Rgn.h"

#include "platform/gdi/FxTempMap.h"

CRgn* CRgn::FromHandle(HRGN hRgn)
{
    return CFxTempMap<CRgn, HRGN>::Lookup(hRgn, [](CRgn* p, HRGN h) { p->AttachView(h); });
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreatePolygonRgn(const POINT* pPoints, int nCount, int nMode)
{
    return Attach(::CreatePolygonRgn(pPoints, nCount, nMode));
}

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
{
    return ::CombineRgn(*this, *pRgn1, *pRgn2, nCombineMode);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion(*this, x, y);
}
