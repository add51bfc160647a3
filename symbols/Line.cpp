#include "symbols/Line.h"

#include "platform/base/StringArray.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "symbols/SymFieldFun.h"

FX_IMPLEMENT_DYNCREATE(CLine, CBasicObject)

BOOL CLine::SetSymbolString(CString strElem)
{
    FreeRelations();
    CString strTag;
    CString strBody;
    if (!CSymFieldFun::GetBody(strElem, strTag, strBody)) {
        return FALSE;
    }
    CStringArray arrField;
    INT_PTR nCount = CSymFieldFun::SplitFields(strBody, arrField, 7);
    if (nCount < 4 || nCount > 7 || !ReadPoint(arrField, 0, m_ptOrigin) || !ReadPoint(arrField, 2, m_ptEnd)) {
        FreeRelations();
        return FALSE;
    }
    if (nCount > 4) {
        CSymFieldFun::ReadColor(arrField[4], m_crColor);
    }
    if (nCount > 5) {
        CSymFieldFun::ReadWhole(arrField[5], m_nPenWidth);
    }
    if (nCount > 6) {
        CSymFieldFun::ReadYesNo(arrField[6], m_bWidthScales);
    }
    m_nKind = kindLine;
    m_strSymbol = strElem;
    return TRUE;
}

BOOL CLine::QueryAreaBasic(CDC* /*pDC*/, CDoubleRect& rcArea)
{
    rcArea.AddPoint(m_ptOrigin.x, m_ptOrigin.y, true);
    rcArea.AddPoint(m_ptEnd.x, m_ptEnd.y, false);
    return TRUE;
}

BOOL CLine::Draw(CDC* pDC, CPoint ptOrigin, double dScale)
{
    if (pDC == nullptr) {
        return FALSE;
    }
    CPen pen(PS_SOLID, GetDrawPenWidth(dScale), GetDrawColor());
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(ToLogical(m_ptOrigin, ptOrigin, dScale));
    pDC->LineTo(ToLogical(m_ptEnd, ptOrigin, dScale));
    pDC->SelectObject(pOldPen);
    return TRUE;
}
