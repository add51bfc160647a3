#include "core/CappFreePointerBox.h"

#include <algorithm>

#include "core/CappFreeShapeFun.h"
#include "platform/base/Archive.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Rgn.h"

FX_IMPLEMENT_DYNAMIC(CCappFreePointerBox, CCappFreeBox)

CCappFreePointerBox::CCappFreePointerBox()
{
    m_ptTip.SetValue(kNoTip, 0);
}

CCappFreePointerBox::CCappFreePointerBox(const CCappFreePointerBox& src) : CCappFreeBox(src)
{
    m_ptTip = src.m_ptTip;
    m_ptBase1 = src.m_ptBase1;
    m_ptBase2 = src.m_ptBase2;
}

CCappFreePointerBox& CCappFreePointerBox::operator=(const CCappFreePointerBox& src)
{
    CCappFreeBox::operator=(src);
    m_ptTip = src.m_ptTip;
    m_ptBase1 = src.m_ptBase1;
    m_ptBase2 = src.m_ptBase2;
    return *this;
}

void CCappFreePointerBox::Serialize(CArchive& ar)
{
    CCappFreeObj::Serialize(ar);
    SerializeEdges(ar, TRUE);
    m_ptTip.Serialize(ar);
}

void CCappFreePointerBox::CalcPointer()
{
    CPoint pt1;
    CPoint pt2;
    CCappFreeShapeFun::GetPointerBase(GetOutRect(), m_ptTip.pt(), pt1, pt2);
    m_ptBase1.SetValue(pt1);
    m_ptBase2.SetValue(pt2);
}

// Body and pointer are one region, so the pointer's sides stop at the body's outline even when
// the object is transparent.
void CCappFreePointerBox::Draw(CDC* pDC)
{
    const CRect rc = GetOutRect();
    CRgn rgnShape;
    if (CreateBodyRgn(rgnShape, rc) && HasPointer()) {
        CalcPointer();
        const POINT triangle[3] = {m_ptBase1.pt(), m_ptBase2.pt(), m_ptTip.pt()};
        CRgn rgnPointer;
        if (rgnPointer.CreatePolygonRgn(triangle, 3, WINDING)) {
            rgnShape.CombineRgn(&rgnShape, &rgnPointer, RGN_OR);
        }
    }
    if (rgnShape.GetSafeHandle() != nullptr) {
        if (m_bTransparent == 0) {
            CBrush brFill(m_crFill);
            pDC->FillRgn(&rgnShape, &brFill);
        }
        if (m_bBorder != 0 && m_nLineWidth > 0) {
            CBrush brLine(m_crLine);
            pDC->FrameRgn(&rgnShape, &brLine, m_nLineWidth, m_nLineWidth);
        }
    }
    DrawObjText(pDC, rc);
    DrawTrackerIfShown(pDC);
}

int CCappFreePointerBox::GetHandleCount()
{
    return 9;
}

CPoint CCappFreePointerBox::GetHandlePoint(int nHandle)
{
    if (nHandle == 9) {
        return m_ptTip.pt();
    }
    return CCappFreeBox::GetHandlePoint(nHandle);
}

void CCappFreePointerBox::MoveHandleTo(int nHandle, CPoint point)
{
    if (nHandle == 9) {
        m_ptTip.SetValue(point);
        return;
    }
    CCappFreeBox::MoveHandleTo(nHandle, point);
}

void CCappFreePointerBox::MoveObj(CPoint ptOffset)
{
    CCappFreeBox::MoveObj(ptOffset);
    if (HasPointer()) {
        m_ptTip.SetValue(m_ptTip.m_x + ptOffset.x, m_ptTip.m_y + ptOffset.y);
    }
}

CRect CCappFreePointerBox::GetOutIineRect()
{
    CRect rc = GetOutRect();
    if (HasPointer()) {
        rc.left = std::min<LONG>(rc.left, m_ptTip.m_x);
        rc.right = std::max<LONG>(rc.right, m_ptTip.m_x);
        rc.top = std::min<LONG>(rc.top, m_ptTip.m_y);
        rc.bottom = std::max<LONG>(rc.bottom, m_ptTip.m_y);
    }
    rc.InflateRect(kHandleHalf, kHandleHalf);
    return rc;
}

int CCappFreePointerBox::CanPick(CPoint point)
{
    const CRect rc = GetOutRect();
    if (CanPickBody(rc, point)) {
        return TRUE;
    }
    if (!HasPointer()) {
        return FALSE;
    }
    CalcPointer();
    return CCappFreeShapeFun::PtInTriangle(point, m_ptBase1.pt(), m_ptBase2.pt(), m_ptTip.pt());
}
