#include "platform/gdi/Rgn.h"

#include "platform/gdi/TempHandleMap.h"

CRgn* CRgn::FromHandle(HRGN hRgn)
{
    return FxTempWrapper<CRgn>(hRgn, [](CRgn* p, HRGN h) { p->m_hObject = h; });
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT prc)
{
    return Attach(::CreateRectRgnIndirect(prc));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreatePolygonRgn(const POINT* pPoints, int nCount, int nPolyFillMode)
{
    return Attach(::CreatePolygonRgn(pPoints, nCount, nPolyFillMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    ::SetRectRgn(*this, x1, y1, x2, y2);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    if (m_hObject == nullptr || pRgn1 == nullptr) {
        return ERROR;
    }
    return ::CombineRgn(*this, *pRgn1, pRgn2 ? static_cast<HRGN>(*pRgn2) : nullptr, nCombineMode);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion(*this, x, y);
}

BOOL CRgn::RectInRegion(LPCRECT prc) const
{
    return ::RectInRegion(*this, prc);
}

int CRgn::GetRgnBox(LPRECT prc) const
{
    return ::GetRgnBox(*this, prc);
}

int CRgn::OffsetRgn(int x, int y)
{
    return ::OffsetRgn(*this, x, y);
}
