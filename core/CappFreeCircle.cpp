#include "core/CappFreeCircle.h"

#include "core/CappFreeObjPaint.h"
#include "platform/gdi/DC.h"

FX_IMPLEMENT_SERIAL(CCappFreeCircle, CCappFreeBox, 0)

CCappFreeCircle::CCappFreeCircle()
{
    m_nKind = kindCircle;
}

CCappFreeCircle& CCappFreeCircle::operator=(const CCappFreeCircle& src)
{
    CCappFreeBox::operator=(src);
    return *this;
}

void CCappFreeCircle::Serialize(CArchive& ar)
{
    CCappFreeObj::Serialize(ar);
    SerializeEdges(ar, TRUE);
}

void CCappFreeCircle::Draw(CDC* pDC)
{
    const CRect rc = GetOutRect();
    {
        CCappFreeObjPaint paint(pDC, *this, CCappFreeObjPaint::modeArea);
        if (paint.IsDrawn()) {
            pDC->Ellipse(&rc);
        }
    }
    DrawObjText(pDC, rc);
    DrawTrackerIfShown(pDC);
}

int CCappFreeCircle::CanPick(CPoint point)
{
    return CanPickCircle(GetOutRect(), point);
}

void CCappFreeCircle::SetSize(int nWidth, int nHeight)
{
    SetBoxSize(nWidth, nHeight);
}
