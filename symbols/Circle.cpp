#include "symbols/Circle.h"

#include "platform/base/StringArray.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "symbols/SymFieldFun.h"

FX_IMPLEMENT_DYNCREATE(CCircle, CBasicObject)

BOOL CCircle::SetSymbolString(CString strElem)
{
    FreeRelations();
    CString strTag;
    CString strBody;
    if (!CSymFieldFun::GetBody(strElem, strTag, strBody)) {
        return FALSE;
    }
    CStringArray arrField;
    INT_PTR nCount = CSymFieldFun::SplitFields(strBody, arrField, 7);
    if (nCount < 3 || nCount > 7 || !ReadPoint(arrField, 0, m_ptOrigin)) {
        FreeRelations();
        return FALSE;
    }
    m_dRadius = CSymFieldFun::ReadWholeLoose(arrField[2]);
    if (m_dRadius == 0.0) {
        FreeRelations();
        return FALSE;
    }
    if (nCount > 3) {
        CSymFieldFun::ReadColor(arrField[3], m_crColor);
    }
    if (nCount > 4) {
        CSymFieldFun::ReadYesNo(arrField[4], m_bFilled);
    }
    if (!m_bFilled) {
        if (nCount > 5) {
            CSymFieldFun::ReadWhole(arrField[5], m_nPenWidth);
        }
        if (nCount > 6) {
            CSymFieldFun::ReadYesNo(arrField[6], m_bWidthScales);
        }
    }
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
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (m_bFilled) {
        long lCorner = CSymFieldFun::CutToLong(10.0 * r);
        CBrush brush(cr);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        pDC->RoundRect(rc.left, rc.top, rc.right, rc.bottom, lCorner, lCorner);
        pDC->SelectObject(pOldBrush);
    } else {
        // An unfilled ellipse rather than an arc from one radial round to itself: with y flipped,
        // Wine leaves a gap at the arc's start through which a flood fill escapes.
        CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
        pDC->Ellipse(rc.left, rc.top, rc.right, rc.bottom);
        pDC->SelectObject(pOldBrush);
    }
    pDC->SelectObject(pOldPen);
    return TRUE;
}
