#include "symbols/Line.h"

#include "platform/base/StringArray.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"

FX_IMPLEMENT_DYNCREATE(CLine, CBasicObject)

BOOL CLine::SetSymbolString(CString strElem)
{
    CStringArray arrField;
    INT_PTR nCount = ReadBodyFields(strElem, arrField, 7);
    if (nCount < 4 || nCount > 7 || !ReadPoint(arrField, 0, m_ptOrigin) || !ReadPoint(arrField, 2, m_ptEnd)) {
        FreeRelations();
        return FALSE;
    }
    ReadStrokeFields(arrField, nCount, 4, nullptr);
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
    CFxSelectGuard selPen(pDC, &pen);
    pDC->MoveTo(ToLogical(m_ptOrigin, ptOrigin, dScale));
    pDC->LineTo(ToLogical(m_ptEnd, ptOrigin, dScale));
    return TRUE;
}
