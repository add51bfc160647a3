#include "core/CappFreeLine.h"

#include "core/CappFreeObjPaint.h"
#include "platform/gdi/DC.h"

FX_IMPLEMENT_SERIAL(CCappFreeLine, CCappFreeObj, 0)

CCappFreeLine::CCappFreeLine()
{
    m_nKind = kindLine;
}

CCappFreeLine& CCappFreeLine::operator=(const CCappFreeLine& src)
{
    CCappFreeObj::operator=(src);
    m_ptStart = src.m_ptStart;
    m_ptEnd = src.m_ptEnd;
    return *this;
}

void CCappFreeLine::Serialize(CArchive& ar)
{
    CCappFreeObj::Serialize(ar);
    m_ptStart.Serialize(ar);
    m_ptEnd.Serialize(ar);
}

void CCappFreeLine::Draw(CDC* pDC)
{
    {
        CCappFreeObjPaint paint(pDC, *this, CCappFreeObjPaint::modeStroke);
        pDC->MoveTo(m_ptStart.pt());
        pDC->LineTo(m_ptEnd.pt());
    }
    DrawTrackerIfShown(pDC);
}

int CCappFreeLine::GetHandleCount()
{
    return 2;
}

CPoint CCappFreeLine::GetHandlePoint(int nHandle)
{
    return nHandle == 1 ? m_ptStart.pt() : m_ptEnd.pt();
}

HCURSOR CCappFreeLine::GetHandleCursor(int /*nHandle*/)
{
    return ::LoadCursorA(nullptr, IDC_SIZENWSE);
}

void CCappFreeLine::MoveHandleTo(int nHandle, CPoint point)
{
    (nHandle == 1 ? m_ptStart : m_ptEnd).SetValue(point);
}

void CCappFreeLine::MoveObj(CPoint ptOffset)
{
    m_ptStart.SetValue(m_ptStart.pt() + ptOffset);
    m_ptEnd.SetValue(m_ptEnd.pt() + ptOffset);
}

CRect CCappFreeLine::GetOutRect()
{
    CRect rc(m_ptStart.pt(), m_ptEnd.pt());
    rc.NormalizeRect();
    return rc;
}

CRect CCappFreeLine::GetOutIineRect()
{
    CRect rc = GetOutRect();
    rc.InflateRect(kHandleHalf, kHandleHalf);
    return rc;
}

int CCappFreeLine::CanPick(CPoint point)
{
    return CanPickLine(m_ptStart.pt(), m_ptEnd.pt(), point);
}
