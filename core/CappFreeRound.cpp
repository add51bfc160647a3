#include "core/CappFreeRound.h"

#include <algorithm>

#include "core/CappFreeObjPaint.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Rgn.h"

FX_IMPLEMENT_SERIAL(CCappFreeRound, CCappFreeBox, 0)

CCappFreeRound::CCappFreeRound()
{
    m_nKind = kindRound;
}

CCappFreeRound& CCappFreeRound::operator=(const CCappFreeRound& src)
{
    CCappFreeBox::operator=(src);
    m_ptCorner = src.m_ptCorner;
    return *this;
}

void CCappFreeRound::Serialize(CArchive& ar)
{
    CCappFreeObj::Serialize(ar);
    SerializeEdges(ar, FALSE);
    m_ptCorner.Serialize(ar);
}

CSize CCappFreeRound::AutoCornerSize(const CRect& rect)
{
    const int nSide = std::min(rect.Width(), rect.Height()) / 4;
    return CSize(nSide, nSide);
}

CSize CCappFreeRound::GetCornerSize()
{
    if (m_ptCorner.m_x > 0 && m_ptCorner.m_y > 0) {
        return CSize(m_ptCorner.m_x, m_ptCorner.m_y);
    }
    return AutoCornerSize(GetOutRect());
}

void CCappFreeRound::Draw(CDC* pDC)
{
    const CRect rc = GetOutRect();
    {
        CCappFreeObjPaint paint(pDC, *this, CCappFreeObjPaint::modeArea);
        if (paint.IsDrawn()) {
            const CSize size = GetCornerSize();
            pDC->RoundRect(rc.left, rc.top, rc.right, rc.bottom, size.cx, size.cy);
        }
    }
    DrawObjText(pDC, rc);
    DrawTrackerIfShown(pDC);
}

HCURSOR CCappFreeRound::GetHandleCursor(int nHandle)
{
    if (nHandle == 0 || nHandle == 9) {
        return ::LoadCursorA(nullptr, IDC_SIZEALL);
    }
    return CCappFreeBox::GetHandleCursor(nHandle);
}

int CCappFreeRound::CanPick(CPoint point)
{
    const CRect rc = GetOutRect();
    const CSize size = GetCornerSize();
    CRgn rgn;
    if (!rgn.CreateRoundRectRgn(rc.left, rc.top, rc.right, rc.bottom, size.cx, size.cy)) {
        return CanPickRect(rc, point);
    }
    return rgn.PtInRegion(point.x, point.y);
}

void CCappFreeRound::SetSize(int nWidth, int nHeight)
{
    SetBoxSize(nWidth, nHeight);
}
