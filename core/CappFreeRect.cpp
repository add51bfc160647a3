#include "core/CappFreeRect.h"

#include "core/CappFreeObjPaint.h"
#include "platform/base/Archive.h"
#include "platform/gdi/DC.h"

FX_IMPLEMENT_SERIAL(CCappFreeRect, CCappFreeBox, 0)

CCappFreeRect::CCappFreeRect()
{
    m_nKind = kindRect;
}

CCappFreeRect& CCappFreeRect::operator=(const CCappFreeRect& src)
{
    CCappFreeBox::operator=(src);
    m_nRectInt = src.m_nRectInt;
    return *this;
}

void CCappFreeRect::Serialize(CArchive& ar)
{
    CCappFreeObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nRectInt;
    } else {
        ar >> m_nRectInt;
    }
    SerializeEdges(ar, FALSE);
}

void CCappFreeRect::Draw(CDC* pDC)
{
    const CRect rc = GetOutRect();
    {
        CCappFreeObjPaint paint(pDC, *this, CCappFreeObjPaint::modeArea);
        if (paint.IsDrawn()) {
            pDC->Rectangle(&rc);
        }
    }
    DrawObjText(pDC, rc);
    DrawTrackerIfShown(pDC);
}

CRect CCappFreeRect::GetClientRect()
{
    CRect rc = GetOutRect();
    rc.DeflateRect(1, 1);
    return rc;
}

int CCappFreeRect::CanPick(CPoint point)
{
    return CanPickRect(GetOutRect(), point);
}

void CCappFreeRect::SetSize(int nWidth, int nHeight)
{
    SetBoxSize(nWidth, nHeight);
}
