#include "core/CappFreeRectArrow.h"

#include "platform/gdi/Rgn.h"

FX_IMPLEMENT_SERIAL(CCappFreeRectArrow, CCappFreePointerBox, 0)

CCappFreeRectArrow::CCappFreeRectArrow()
{
    m_nKind = kindRectArrow;
}

CCappFreeRectArrow& CCappFreeRectArrow::operator=(const CCappFreeRectArrow& src)
{
    CCappFreePointerBox::operator=(src);
    return *this;
}

BOOL CCappFreeRectArrow::CreateBodyRgn(CRgn& rgn, const CRect& rcBody)
{
    return rgn.CreateRectRgn(rcBody.left, rcBody.top, rcBody.right, rcBody.bottom);
}

BOOL CCappFreeRectArrow::CanPickBody(const CRect& rcBody, CPoint point)
{
    return CanPickRect(rcBody, point);
}
