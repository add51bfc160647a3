#include "core/CappFreeRoundArrow.h"

#include "core/CappFreeRound.h"
#include "platform/gdi/Rgn.h"

FX_IMPLEMENT_SERIAL(CCappFreeRoundArrow, CCappFreePointerBox, 0)

CCappFreeRoundArrow::CCappFreeRoundArrow()
{
    m_nKind = kindRoundArrow;
}

CCappFreeRoundArrow& CCappFreeRoundArrow::operator=(const CCappFreeRoundArrow& src)
{
    CCappFreePointerBox::operator=(src);
    m_nRoundInt1 = src.m_nRoundInt1;
    m_nRoundInt2 = src.m_nRoundInt2;
    return *this;
}

BOOL CCappFreeRoundArrow::CreateBodyRgn(CRgn& rgn, const CRect& rcBody)
{
    const CSize size = CCappFreeRound::AutoCornerSize(rcBody);
    return rgn.CreateRoundRectRgn(rcBody.left, rcBody.top, rcBody.right, rcBody.bottom, size.cx, size.cy);
}

BOOL CCappFreeRoundArrow::CanPickBody(const CRect& rcBody, CPoint point)
{
    CRgn rgn;
    return CreateBodyRgn(rgn, rcBody) && rgn.PtInRegion(point.x, point.y);
}
