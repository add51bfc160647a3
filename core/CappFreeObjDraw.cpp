// Drawing of the free-object base: handles and the tracker.
#include "core/CappFreeObj.h"
#include "platform/gdi/DC.h"

namespace
{
constexpr int kHandleHalf = 10;
} // namespace

void CCappFreeObj::Draw(CDC* /*pDC*/)
{
}

int CCappFreeObj::GetHandleCount()
{
    return 8;
}

CPoint CCappFreeObj::GetHandlePoint(int /*nHandle*/)
{
    return CPoint(0, 0);
}

CRect CCappFreeObj::GetHandleRect(int nHandle)
{
    const CPoint pt = GetHandlePoint(nHandle);
    return CRect(pt.x - kHandleHalf, pt.y - kHandleHalf, pt.x + kHandleHalf, pt.y + kHandleHalf);
}

void CCappFreeObj::DrawTracker(CDC* pDC)
{
    if (m_bSelected == 0) {
        return;
    }
    const int nCount = GetHandleCount();
    for (int nHandle = 1; nHandle <= nCount; ++nHandle) {
        const CRect rc = GetHandleRect(nHandle);
        if (m_bInvertHandles != 0) {
            ::PatBlt(pDC->m_hDC, rc.left, rc.top, rc.Width(), rc.Height(), DSTINVERT);
        } else {
            pDC->Rectangle(&rc);
        }
    }
}
