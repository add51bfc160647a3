#include "symbols/BasicObject.h"

#include "platform/base/StringArray.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "symbols/SymFieldFun.h"

namespace
{

struct AnchorName
{
    const char* szName;
    int nCode;
};

const AnchorName anchorNames[] = {
    {"LT", 1}, {"LM", 2}, {"LB", 3}, {"MT", 4}, {"MM", 5}, {"MB", 6}, {"RT", 7}, {"RM", 8}, {"RB", 9},
};

// A very wide pen would make the rasteriser build regions as tall as the pen.
const int kMaxPenPixels = 4096;

} // namespace

FX_IMPLEMENT_DYNCREATE(CBasicObject, CCmdTarget)

CBasicObject::CBasicObject() = default;

CBasicObject::~CBasicObject()
{
    FreeRelations();
}

void CBasicObject::FreeRelations()
{
    for (POSITION pos = m_listRelation.GetHeadPosition(); pos != nullptr;) {
        delete m_listRelation.GetNext(pos);
    }
    m_listRelation.RemoveAll();
}

BOOL CBasicObject::ReadCoord(const CString& strField, CDoublePoint& pt, int nAxis)
{
    if (strField.IsEmpty()) {
        return FALSE;
    }
    double d = 0.0;
    if (!CSymFieldFun::ReadReal(strField, d)) {
        return FALSE;
    }
    (nAxis == 1 ? pt.x : pt.y) = d;

    int nAt = strField.Find('@');
    int nHash = nAt >= 0 ? strField.Find('#', nAt + 1) : -1;
    if (nHash < 0) {
        return TRUE;
    }
    CString strAnchor = strField.Mid(nHash + 1, 2);
    if (strAnchor.GetLength() == 1) {
        strAnchor += 'B';
    }
    for (const AnchorName& a : anchorNames) {
        if (strAnchor.CompareNoCase(a.szName) == 0) {
            auto* pRel = new CPointRelation;
            pRel->m_pPoint = &pt;
            pRel->m_nAxis = nAxis;
            pRel->m_nAnchor = a.nCode;
            pRel->m_strObjectId = strField.Mid(nAt + 1, nHash - nAt - 1);
            m_listRelation.AddTail(pRel);
            break;
        }
    }
    return TRUE;
}

BOOL CBasicObject::ReadPoint(const CStringArray& arrField, int nIndex, CDoublePoint& pt)
{
    return ReadCoord(arrField[nIndex], pt, 1) && ReadCoord(arrField[nIndex + 1], pt, 0);
}

BOOL CBasicObject::ReadBody(const CString& strElem, CString& strTag, CString& strBody)
{
    FreeRelations();
    return CSymFieldFun::GetBody(strElem, strTag, strBody);
}

INT_PTR CBasicObject::ReadBodyFields(const CString& strElem, CStringArray& arrField, INT_PTR nMaxKept)
{
    CString strTag;
    CString strBody;
    if (!ReadBody(strElem, strTag, strBody)) {
        return -1;
    }
    return CSymFieldFun::SplitFields(strBody, arrField, nMaxKept);
}

void CBasicObject::ReadStrokeFields(const CStringArray& arrField, INT_PTR nCount, INT_PTR nFirst, BOOL* pbFilled)
{
    INT_PTR i = nFirst;
    if (nCount > i) {
        CSymFieldFun::ReadColor(arrField[i], m_crColor);
    }
    ++i;
    if (pbFilled != nullptr) {
        if (nCount > i) {
            CSymFieldFun::ReadYesNo(arrField[i], *pbFilled);
        }
        ++i;
        // A filled shape has no outline: what follows its flag is not read.
        if (*pbFilled) {
            return;
        }
    }
    if (nCount > i) {
        CSymFieldFun::ReadWhole(arrField[i], m_nPenWidth);
    }
    if (nCount > i + 1) {
        CSymFieldFun::ReadYesNo(arrField[i + 1], m_bWidthScales);
    }
}

BOOL CBasicObject::SetSymbolString(CString strElem)
{
    CString strTag;
    CString strBody;
    if (!ReadBody(strElem, strTag, strBody)) {
        return FALSE;
    }
    int nKind = -1;
    if (strTag.CompareNoCase("P") == 0) {
        nKind = kindPoint;
    } else if (strTag.CompareNoCase("H") == 0) {
        nKind = kindHidden;
    } else if (strTag.CompareNoCase("F") == 0) {
        nKind = kindFlood;
    } else {
        return FALSE;
    }
    CStringArray arrField;
    // Fields after the second colour are ignored.
    CSymFieldFun::SplitFields(strBody, arrField, 4);
    if (arrField.GetSize() < 2 || !ReadPoint(arrField, 0, m_ptOrigin)) {
        FreeRelations();
        return FALSE;
    }
    if (arrField.GetSize() > 2) {
        CSymFieldFun::ReadColor(arrField[2], m_crColor);
    }
    if (arrField.GetSize() > 3) {
        CSymFieldFun::ReadColor(arrField[3], m_crSecond);
    }
    m_nKind = nKind;
    m_strSymbol = strElem;
    return TRUE;
}

BOOL CBasicObject::QueryAreaBasic(CDC* /*pDC*/, CDoubleRect& rcArea)
{
    if (m_strSymbol.IsEmpty()) {
        return FALSE;
    }
    rcArea = CDoubleRect(m_ptOrigin.x, m_ptOrigin.y, m_ptOrigin.x, m_ptOrigin.y);
    return TRUE;
}

void CBasicObject::ApplyPenAndScale(CDoubleRect& rc, double dScale) const
{
    double dHalfPen = static_cast<double>(m_nPenWidth / 2);
    if (m_bWidthScales) {
        rc.Inflate(dHalfPen);
        rc.Scale(dScale);
    } else {
        rc.Scale(dScale);
        rc.Inflate(dHalfPen);
    }
    rc.Normalize();
}

BOOL CBasicObject::QueryAreaAppr(CDC* pDC, CDoubleRect& rcArea, double dScale)
{
    CDoubleRect rc;
    if (!QueryAreaBasic(pDC, rc)) {
        return FALSE;
    }
    ApplyPenAndScale(rc, dScale);
    rcArea = rc;
    return TRUE;
}

COLORREF CBasicObject::GetDrawColor() const
{
    COLORREF cr = m_bCharMode ? m_crCharMode : m_crColor;
    return m_bInverted ? (~cr & 0x00FFFFFF) : cr;
}

int CBasicObject::GetDrawPenWidth(double dScale) const
{
    long lWidth = m_nPenWidth;
    if (m_bWidthScales) {
        lWidth = CSymFieldFun::CutToLong(m_nPenWidth * dScale);
    }
    if (lWidth < 1) {
        lWidth = 1;
    }
    return lWidth > kMaxPenPixels ? kMaxPenPixels : static_cast<int>(lWidth);
}

CPoint CBasicObject::ToLogical(const CDoublePoint& pt, CPoint ptOrigin, double dScale)
{
    return CPoint(CSymFieldFun::CutToLong(pt.x * dScale + ptOrigin.x),
                  CSymFieldFun::CutToLong(pt.y * dScale + ptOrigin.y));
}

BOOL CBasicObject::Draw(CDC* pDC, CPoint ptOrigin, double dScale)
{
    if (pDC == nullptr || m_strSymbol.IsEmpty()) {
        return FALSE;
    }
    CPoint pt = ToLogical(m_ptOrigin, ptOrigin, dScale);
    if (m_nKind == kindPoint) {
        pDC->SetPixel(pt.x, pt.y, GetDrawColor());
    } else if (m_nKind == kindFlood) {
        COLORREF crBound = m_bCharMode ? m_crCharMode : m_crSecond;
        if (m_bInverted) {
            crBound = ~crBound & 0x00FFFFFF;
        }
        // Filled in device units: Wine fills nothing while the y axis is flipped, and a fill
        // knows no mapping anyway.
        POINT ptDevice = {pt.x, pt.y};
        pDC->LPtoDP(&ptDevice, 1);
        CBrush brush(GetDrawColor());
        CFxSavedDC savedDC(pDC);
        pDC->SetMapMode(MM_TEXT);
        pDC->SetWindowOrg(0, 0);
        pDC->SetViewportOrg(0, 0);
        CFxSelectGuard selBrush(pDC, &brush);
        pDC->ExtFloodFill(ptDevice.x, ptDevice.y, crBound, FLOODFILLBORDER);
    }
    return TRUE;
}

void CBasicObject::DrawPoints(CDC* pDC, const POINT* pPoints, int nCount, double dScale, BOOL bFilled) const
{
    COLORREF cr = GetDrawColor();
    CPen pen(PS_SOLID, GetDrawPenWidth(dScale), cr);
    CFxSelectGuard selPen(pDC, &pen);
    if (bFilled) {
        CBrush brush(cr);
        CFxSelectGuard selBrush(pDC, &brush);
        pDC->Polygon(pPoints, nCount);
    } else {
        pDC->Polyline(pPoints, nCount);
    }
}
