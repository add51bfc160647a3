#include "core/CappCircleArrow.h"

#include "platform/gdi/Rgn.h"

FX_IMPLEMENT_SERIAL(CCappCircleArrow, CCappFreePointerBox, 0)

CCappCircleArrow::CCappCircleArrow()
{
    m_nKind = kindCircleArrow;
}

CCappCircleArrow& CCappCircleArrow::operator=(const CCappCircleArrow& src)
{
    CCappFreePointerBox::operator=(src);
    return *this;
}

BOOL CCappCircleArrow::CreateBodyRgn(CRgn& rgn, const CRect& rcBody)
{
    return rgn.CreateEllipticRgn(rcBody.left, rcBody.top, rcBody.right, rcBody.bottom);
}

BOOL CCappCircleArrow::CanPickBody(const CRect& rcBody, CPoint point)
{
    return CanPickCircle(rcBody, point);
}
