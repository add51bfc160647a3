#include "symbols/Circle.h"

#include "platform/base/StringArray.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "symbols/SymFieldFun.h"

FX_IMPLEMENT_DYNCREATE(CCircle, CBasicObject)

BOOL CCircle::SetSymbolString(CString strElem)
{
    CStringArray arrField;
    INT_PTR nCount = ReadBodyFields(strElem, arrField, 7);
    if (nCount < 3 || nCount > 7 || !ReadPoint(arrField, 0, m_ptOrigin)) {
        FreeRelations();
        return FALSE;
    }
    m_dRadius = CSymFieldFun::ReadWholeLoose(arrField[2]);
    if (m_dRadius == 0.0) {
        FreeRelations();
        return FALSE;
    }
    ReadStrokeFields(arrField, nCount, 3, &m_bFilled);
    m_nKind = kindCircle;
    m_strSymbol = strElem;
    return TRUE;
}

BOOL CCircle::QueryAreaBasic(CDC* /*pDC*/, CDoubleRect& rcArea)
{
    rcArea = CDoubleRect(m_ptOrigin.x - m_dRadius, m_ptOrigin.y - m_dRadius, m_ptOrigin.x + m_dRadius,
                         m_ptOrigin.y + m_dRadius);
    rcArea.Normalize();
    return TRUE;
}

BOOL CCircle::Draw(CDC* pDC, CPoint ptOrigin, double dScale)
{
    if (pDC == nullptr) {
        return FALSE;
    }
    CPoint ptCentre = ToLogical(m_ptOrigin, ptOrigin, dScale);
    long r = CSymFieldFun::CutToLong(dScale * m_dRadius);
    CRect rc(ptCentre.x - r, ptCentre.y - r, ptCentre.x + r, ptCentre.y + r);
    COLORREF cr = GetDrawColor();
    CPen pen(PS_SOLID, GetDrawPenWidth(dScale), cr);
    CFxSelectGuard selPen(pDC, &pen);
    if (m_bFilled) {
        long lCorner = CSymFieldFun::CutToLong(10.0 * r);
        CBrush brush(cr);
        CFxSelectGuard selBrush(pDC, &brush);
        pDC->RoundRect(rc.left, rc.top, rc.right, rc.bottom, lCorner, lCorner);
    } else {
        // An unfilled ellipse rather than an arc from one radial round to itself: with y flipped,
        // Wine leaves a gap at the arc's start through which a flood fill escapes.
        CFxSelectGuard selBrush(pDC, NULL_BRUSH);
        pDC->Ellipse(rc.left, rc.top, rc.right, rc.bottom);
    }
    return TRUE;
}
