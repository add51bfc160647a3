#include "symbols/CustSymbol.h"

#include <cstdlib>

#include "platform/base/Rect.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/base/StringArray.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "symbols/Arc.h"
#include "symbols/Circle.h"
#include "symbols/Line.h"
#include "symbols/MutiLine.h"
#include "symbols/SymFieldFun.h"
#include "symbols/SymbolArgDlg.h"
#include "symbols/Text.h"
#include "symbols/VariableText.h"

namespace
{

const char kHiddenOrigin[] = "<H>0,0</H>";
// More distinct heights than a page of text uses; the next one starts the cache afresh.
const INT_PTR kMaxCacheEntries = 64;
// Taller lines are no line of text; refusing them keeps every drawing call bounded.
const long kMaxLineHeight = 32767;

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

int SkipBlanks(LPCSTR psz, int i, int nLength)
{
    while (i < nLength && IsBlank(psz[i])) {
        ++i;
    }
    return i;
}

// Finds the element starting at nStart: its tag and the index after its end tag. Sections
// tagged "Cu" inside the body are stepped over while the end tag is searched.
bool FindElement(LPCSTR psz, int nStart, int nLength, CString& strTag, int& nElemEnd)
{
    if (nStart >= nLength || psz[nStart] != '<') {
        return false;
    }
    int nGt = nStart + 1;
    while (nGt < nLength && psz[nGt] != '>') {
        nGt += CString::CharLength(psz + nGt);
    }
    if (nGt >= nLength) {
        return false;
    }
    strTag = CString(psz + nStart + 1, nGt - nStart - 1);
    CString strEndTag = "</" + strTag + ">";
    int nEnd = CSymFieldFun::FindNoCase(psz, nGt, nLength, strEndTag);
    if (nEnd < 0) {
        return false;
    }
    // Every search starts where the last one stopped, so each byte is scanned about once: the
    // end tag found so far stays the first one after a section that closes before it.
    int nCu = CSymFieldFun::FindNoCase(psz, nGt, nEnd, "<Cu>");
    while (nCu >= 0) {
        int nCuEnd = CSymFieldFun::FindNoCase(psz, nCu, nLength, "</Cu>");
        if (nCuEnd < 0) {
            return false;
        }
        if (nEnd < nCuEnd) {
            nEnd = CSymFieldFun::FindNoCase(psz, nCuEnd, nLength, strEndTag);
            if (nEnd < 0) {
                return false;
            }
        }
        nCu = CSymFieldFun::FindNoCase(psz, nCuEnd, nEnd, "<Cu>");
    }
    nElemEnd = nEnd + strEndTag.GetLength();
    return nElemEnd <= nLength;
}

// Holds y growing upwards for one in-line call and gives the symbol its own direction back.
class CYUpScope
{
public:
    explicit CYUpScope(CCustSymbol& sym) : m_sym(sym), m_bOld(sym.m_bYDown) { m_sym.SetYDown(FALSE); }
    ~CYUpScope() { m_sym.SetYDown(m_bOld); }
    CYUpScope(const CYUpScope&) = delete;
    CYUpScope& operator=(const CYUpScope&) = delete;

private:
    CCustSymbol& m_sym;
    BOOL m_bOld;
};

// Whether the context's clipping shows any of the rectangle (logical units, either y direction).
bool IsPartVisible(CDC* pDC, const CRect& rc)
{
    CRect rcClip;
    int nKind = pDC->GetClipBox(&rcClip);
    if (nKind == NULLREGION) {
        return false;
    }
    if (nKind == ERROR) {
        return true;
    }
    CRect rcTest = rc;
    rcTest.NormalizeRect();
    rcClip.NormalizeRect();
    CRect rcCommon;
    return rcCommon.IntersectRect(&rcClip, &rcTest) != FALSE;
}

} // namespace

FX_IMPLEMENT_DYNCREATE(CCustSymbol, CBasicObject)

template <typename Fn> void CCustSymbol::ForEachElem(Fn fn)
{
    CObList* apList[] = {&m_listArc,   &m_listCircle, &m_listCust,  &m_listLine,
                         &m_listMLine, &m_listText,   &m_listVText, &m_listBasic};
    for (CObList* pList : apList) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            fn(static_cast<CBasicObject*>(pList->GetNext(pos)));
        }
    }
}

CCustSymbol::CCustSymbol() = default;

CCustSymbol::CCustSymbol(const CCustSymbol& src) : CBasicObject()
{
    CopyFrom(src);
}

CCustSymbol& CCustSymbol::operator=(const CCustSymbol& src)
{
    if (this != &src) {
        CopyFrom(src);
    }
    return *this;
}

CCustSymbol::~CCustSymbol()
{
    FreeAll();
}

void CCustSymbol::CopyFrom(const CCustSymbol& src)
{
    m_bTransparent = src.m_bTransparent;
    m_bCharMode = src.m_bCharMode;
    m_crCharMode = src.m_crCharMode;
    m_crBack = src.m_crBack;
    // The source's string already carries its hidden origin element: parse it as it stands,
    // so copies of copies do not grow.
    if (src.m_strSymbol.IsEmpty()) {
        FreeAll();
    } else {
        SetSymbolStringEx(src.m_strSymbol);
    }
}

void CCustSymbol::FreeAll()
{
    m_strSymbol.Empty();
    FreeRelations();
    CObList* apList[] = {&m_listArc,  &m_listBasic, &m_listCircle, &m_listCust,
                         &m_listLine, &m_listMLine, &m_listText,   &m_listVText};
    for (CObList* pList : apList) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            delete pList->GetNext(pos);
        }
        pList->RemoveAll();
    }
    // Areas belong to the elements just dropped.
    m_mapAreaCache.RemoveAll();
}

BOOL CCustSymbol::SetSymbolString(CString strSymbol)
{
    return SetSymbolStringEx(strSymbol + kHiddenOrigin);
}

BOOL CCustSymbol::SetSymbolStringEx(CString strSymbol)
{
    // Element tags and the readers that add them; an unknown tag is skipped.
    struct ElemMaker
    {
        const char* szTag;
        BOOL (CCustSymbol::*pfnNew)(CString strElem);
    };
    static const ElemMaker kElemMakers[] = {
        {"A", &CCustSymbol::NewElemArc},   {"C", &CCustSymbol::NewElemCir},   {"F", &CCustSymbol::NewElemFlood},
        {"H", &CCustSymbol::NewElemHided}, {"P", &CCustSymbol::NewElemBasic}, {"L", &CCustSymbol::NewElemLine},
        {"M", &CCustSymbol::NewElemMLine}, {"T", &CCustSymbol::NewElemText},  {"V", &CCustSymbol::NewElemVText},
    };
    FreeAll();
    if (strSymbol.IsEmpty()) {
        return FALSE;
    }
    LPCSTR psz = strSymbol;
    int nLength = strSymbol.GetLength();
    int i = SkipBlanks(psz, 0, nLength);
    CString strTag;
    int nElemEnd = 0;
    while (FindElement(psz, i, nLength, strTag, nElemEnd)) {
        CString strElem(psz + i, nElemEnd - i);
        BOOL bOk = TRUE;
        for (const ElemMaker& maker : kElemMakers) {
            if (strTag.CompareNoCase(maker.szTag) == 0) {
                bOk = (this->*maker.pfnNew)(strElem);
                break;
            }
        }
        if (!bOk) {
            FreeAll();
            return FALSE;
        }
        i = SkipBlanks(psz, nElemEnd, nLength);
    }
    if (i < nLength) {
        FreeAll();
        return FALSE;
    }
    m_strSymbol = strSymbol;
    return TRUE;
}

BOOL CCustSymbol::AddElem(CBasicObject* pElem, CObList& list, const CString& strElem)
{
    if (!pElem->SetSymbolString(strElem)) {
        delete pElem;
        return FALSE;
    }
    list.AddTail(pElem);
    return TRUE;
}

BOOL CCustSymbol::NewElemArc(CString strElem)
{
    return AddElem(new CArc, m_listArc, strElem);
}

BOOL CCustSymbol::NewElemCir(CString strElem)
{
    return AddElem(new CCircle, m_listCircle, strElem);
}

BOOL CCustSymbol::NewElemLine(CString strElem)
{
    return AddElem(new CLine, m_listLine, strElem);
}

BOOL CCustSymbol::NewElemMLine(CString strElem)
{
    return AddElem(new CMutiLine, m_listMLine, strElem);
}

BOOL CCustSymbol::NewElemText(CString strElem)
{
    return AddElem(new CText, m_listText, strElem);
}

BOOL CCustSymbol::NewElemVText(CString strElem)
{
    return AddElem(new CVariableText, m_listVText, strElem);
}

// P, H and F share one list; the element tells them apart by its tag.
BOOL CCustSymbol::NewElemBasic(CString strElem)
{
    return AddElem(new CBasicObject, m_listBasic, strElem);
}

BOOL CCustSymbol::NewElemHided(CString strElem)
{
    return NewElemBasic(strElem);
}

BOOL CCustSymbol::NewElemFlood(CString strElem)
{
    return NewElemBasic(strElem);
}

BOOL CCustSymbol::NewElemCust(CString strElem)
{
    return AddElem(new CCustSymbol, m_listCust, strElem);
}

void CCustSymbol::UpdateRelativedPostion()
{
    UpdateRelativedObjectPostion(m_listVText);
    UpdateRelativedObjectPostion(m_listText);
    UpdateRelativedObjectPostion(m_listMLine);
    UpdateRelativedObjectPostion(m_listLine);
    UpdateRelativedObjectPostion(m_listArc);
    UpdateRelativedObjectPostion(m_listBasic);
    UpdateRelativedObjectPostion(m_listCircle);
    UpdateRelativedObjectPostion(m_listCust);
}

void CCustSymbol::UpdateRelativedObjectPostion(CObList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        auto* pElem = static_cast<CBasicObject*>(list.GetNext(pos));
        for (POSITION posRel = pElem->m_listRelation.GetHeadPosition(); posRel != nullptr;) {
            auto* pRel = static_cast<CPointRelation*>(pElem->m_listRelation.GetNext(posRel));
            // A text anchored to itself would move further on every measurement.
            if (pElem->m_nKind == kindVText &&
                static_cast<CVariableText*>(pElem)->m_strVarName == pRel->m_strObjectId) {
                continue;
            }
            UpdateRelativedObjectPostion(pRel);
        }
    }
}

void CCustSymbol::UpdateRelativedObjectPostion(CBasicObject::CPointRelation* pRel)
{
    if (pRel == nullptr || pRel->m_nState == CPointRelation::stateNone || pRel->m_pPoint == nullptr ||
        pRel->m_nAnchor == 0) {
        return;
    }
    for (POSITION pos = m_listVText.GetHeadPosition(); pos != nullptr;) {
        auto* pVText = static_cast<CVariableText*>(m_listVText.GetNext(pos));
        if (pVText->m_strVarName != pRel->m_strObjectId) {
            continue;
        }
        CDoublePoint ptAnchor;
        if (!pVText->GetAnchorPos(pRel->m_nAnchor, ptAnchor)) {
            return;
        }
        if (pRel->m_nState == CPointRelation::stateNew) {
            pRel->m_ptOwn = *pRel->m_pPoint;
            pRel->m_nState = CPointRelation::stateApplied;
        }
        if (pRel->m_nAxis == 1) {
            pRel->m_pPoint->x = ptAnchor.x + pRel->m_ptOwn.x;
        } else {
            pRel->m_pPoint->y = ptAnchor.y + pRel->m_ptOwn.y;
        }
        return;
    }
}

void CCustSymbol::SetArgument(CString strArguments)
{
    for (POSITION pos = m_listVText.GetHeadPosition(); pos != nullptr;) {
        static_cast<CVariableText*>(m_listVText.GetNext(pos))->SetArgument(strArguments);
    }
    // New values have new extents.
    m_mapAreaCache.RemoveAll();
}

BOOL CCustSymbol::QueryArgUI(CString strMark, CString& strArguments)
{
    CSymbolArgDlg dlg;
    dlg.m_strMark = strMark;
    dlg.m_pListVText = &m_listVText;
    INT_PTR nResult = IDCANCEL;
    {
        CFxResourceSwitch resSwitch("SymbolDepot.dll");
        nResult = dlg.DoModal();
    }
    if (nResult != IDOK) {
        return FALSE;
    }
    strArguments = dlg.m_strArguments;
    return TRUE;
}

void CCustSymbol::SetYDown(BOOL bYDown)
{
    m_bYDown = bYDown;
    ForEachElem([bYDown](CBasicObject* pElem) { pElem->m_bYDown = bYDown; });
}

BOOL CCustSymbol::QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea)
{
    SetYDown(m_bYDown);
    UpdateRelativedPostion();
    bool bFirst = true;
    ForEachElem([&](CBasicObject* pElem) {
        CDoubleRect rc;
        if (pElem->QueryAreaBasic(pDC, rc)) {
            rcArea.Union(rc, bFirst);
            bFirst = false;
        }
    });
    return bFirst ? FALSE : TRUE;
}

BOOL CCustSymbol::QueryAreaAppr(CDC* pDC, CDoubleRect& rcArea, double dScale)
{
    SetYDown(m_bYDown);
    UpdateRelativedPostion();
    bool bFirst = true;
    ForEachElem([&](CBasicObject* pElem) {
        CDoubleRect rc;
        if (pElem->QueryAreaAppr(pDC, rc, dScale)) {
            rcArea.Union(rc, bFirst);
            bFirst = false;
        }
    });
    return bFirst ? FALSE : TRUE;
}

BOOL CCustSymbol::QueryScale(CDC* pDC, long lHeight, int nRefine, double& dScale)
{
    if (pDC == nullptr || lHeight < 1 || lHeight > kMaxLineHeight) {
        return FALSE;
    }
    CYUpScope yUp(*this);
    CDoubleRect rc;
    if (!QueryAreaBasic(pDC, rc)) {
        return FALSE;
    }
    long lBasicHeight = CSymFieldFun::CutToLong(rc.bottom - rc.top);
    if (lBasicHeight <= 0) {
        return FALSE;
    }
    double d = static_cast<double>(lHeight) / static_cast<double>(lBasicHeight);
    if (!QueryAreaAppr(pDC, rc, d)) {
        return FALSE;
    }
    long lApprHeight = CSymFieldFun::CutToLong(rc.bottom - rc.top);
    if (nRefine > 0 && lApprHeight != lHeight && lApprHeight > 0) {
        d *= static_cast<double>(lHeight) / static_cast<double>(lApprHeight);
        if (!QueryAreaAppr(pDC, rc, d)) {
            return FALSE;
        }
    }
    dScale = d;
    return TRUE;
}

BOOL CCustSymbol::QueryWidth(CDC* pDC, long lHeight, long& lWidth)
{
    CYUpScope yUp(*this);
    double dScale = 0.0;
    CDoubleRect rc;
    if (!QueryScale(pDC, lHeight, 16, dScale) || !QueryAreaAppr(pDC, rc, dScale)) {
        return FALSE;
    }
    lWidth = CSymFieldFun::CutToLong(rc.right - rc.left) + 2;
    return TRUE;
}

BOOL CCustSymbol::LookupCache(BOOL bLookup, CMapStringToString& mapCache, long lHeight, CRect& rcArea, double& dScale)
{
    CString strKey;
    strKey.Format("%d", static_cast<int>(lHeight));
    if (!bLookup) {
        CString strValue;
        strValue.Format("%lf;%d;%d;%d;%d", dScale, static_cast<int>(rcArea.left), static_cast<int>(rcArea.top),
                        static_cast<int>(rcArea.right), static_cast<int>(rcArea.bottom));
        mapCache.SetAt(strKey, strValue);
        return TRUE;
    }
    CString strValue;
    if (!mapCache.Lookup(strKey, strValue)) {
        return FALSE;
    }
    CStringArray astrPart;
    astrPart.Split(strValue, ';', TRUE);
    if (astrPart.GetSize() != 5) {
        return FALSE;
    }
    double d = atof(astrPart[0]);
    if (d == 0.0) {
        return FALSE;
    }
    dScale = d;
    rcArea.SetRect(atoi(astrPart[1]), atoi(astrPart[2]), atoi(astrPart[3]), atoi(astrPart[4]));
    return TRUE;
}

BOOL CCustSymbol::QueryArea(CDC* pDC, long lHeight, CRect& rcArea, double& dScale)
{
    if (pDC == nullptr) {
        return FALSE;
    }
    CYUpScope yUp(*this);
    BOOL bUseCache = !pDC->IsPrinting();
    if (bUseCache) {
        CString strKey;
        strKey.Format("%d", static_cast<int>(lHeight));
        CString strValue;
        if (m_mapAreaCache.GetCount() >= kMaxCacheEntries && !m_mapAreaCache.Lookup(strKey, strValue)) {
            m_mapAreaCache.RemoveAll();
        }
        if (LookupCache(TRUE, m_mapAreaCache, lHeight, rcArea, dScale)) {
            return TRUE;
        }
    }
    double d = 0.0;
    CDoubleRect rc;
    if (!QueryScale(pDC, lHeight, 16, d) || !QueryAreaAppr(pDC, rc, d) || rc.IsEmpty()) {
        return FALSE;
    }
    rcArea.SetRect(CSymFieldFun::CutToLong(rc.left), CSymFieldFun::CutToLong(rc.top), CSymFieldFun::CutToLong(rc.right),
                   CSymFieldFun::CutToLong(rc.bottom));
    dScale = d;
    if (bUseCache) {
        LookupCache(FALSE, m_mapAreaCache, lHeight, rcArea, dScale);
        // Answer what a later hit will read back, so the first drawing matches the rest.
        LookupCache(TRUE, m_mapAreaCache, lHeight, rcArea, dScale);
    }
    return TRUE;
}

BOOL CCustSymbol::Draw(CDC* pDC, CPoint ptOrigin, double dScale)
{
    if (pDC == nullptr || dScale == 0.0) {
        return FALSE;
    }
    SetYDown(m_bYDown);
    ForEachElem([&](CBasicObject* pElem) { pElem->Draw(pDC, ptOrigin, dScale); });
    return TRUE;
}

BOOL CCustSymbol::Draw(CDC* pDC, CPoint ptLeft, long lHeight)
{
    if (pDC == nullptr) {
        return FALSE;
    }
    // The line is found on the device through the caller's mapping, whatever it is, and the
    // symbol is drawn there in pixels: a caller's mapping, scaled or flipped, would otherwise
    // scale and flip the symbol a second time.
    POINT apt[2] = {{ptLeft.x, ptLeft.y}, {ptLeft.x, ptLeft.y + lHeight}};
    pDC->LPtoDP(apt, 2);
    long lDevHeight = std::labs(apt[1].y - apt[0].y);
    long x = apt[0].x + 1;

    CYUpScope yUp(*this);
    CFxSavedDC savedDC(pDC);
    // One unit per device pixel, y growing upwards: logical y is the negated device y. The point
    // is the lower end of the line on the device, so the line's upper edge is lDevHeight above.
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(1000, 1000);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportExt(1000, -1000);
    pDC->SetViewportOrg(0, 0);
    long lBaseline = lDevHeight - apt[0].y;

    CRect rcArea;
    double dScale = 0.0;
    if (!QueryArea(pDC, lDevHeight, rcArea, dScale)) {
        return FALSE;
    }
    // The area's upper edge (its largest y) sits on the baseline and the symbol hangs below it
    // down to the lower edge of the line.
    CPoint ptOrigin(x - rcArea.left, lBaseline - rcArea.bottom);
    CRect rcBack(x - 1, lBaseline - rcArea.Height() + 1, x + rcArea.Width() + 1, lBaseline - 1);
    if (!IsPartVisible(pDC, rcBack)) {
        return FALSE;
    }
    if (!m_bTransparent) {
        COLORREF crBack = m_bInverted ? (~m_crBack & 0x00FFFFFF) : m_crBack;
        CPen pen(PS_SOLID, 1, crBack);
        CBrush brush(crBack);
        CFxSelectGuard selPen(pDC, &pen);
        CFxSelectGuard selBrush(pDC, &brush);
        pDC->Rectangle(&rcBack);
    } else {
        SetSelected(FALSE);
    }
    return Draw(pDC, ptOrigin, dScale);
}

void CCustSymbol::SetTransparent(BOOL bTransparent)
{
    if (bTransparent) {
        SetSelected(FALSE);
    }
    m_bTransparent = bTransparent;
}

BOOL CCustSymbol::SetBackroundColor(COLORREF cr)
{
    if (m_bTransparent) {
        return FALSE;
    }
    m_crBack = cr;
    return TRUE;
}

BOOL CCustSymbol::SetSelected(BOOL bSelected)
{
    BOOL bValue = m_bTransparent ? FALSE : bSelected;
    m_bInverted = bValue;
    ForEachElem([bValue](CBasicObject* pElem) { pElem->m_bInverted = bValue; });
    return m_bTransparent ? FALSE : TRUE;
}

BOOL CCustSymbol::SetCharMode(COLORREF cr, BOOL bOn)
{
    m_crCharMode = cr;
    m_bCharMode = bOn;
    ForEachElem([cr, bOn](CBasicObject* pElem) {
        pElem->m_crCharMode = cr;
        pElem->m_bCharMode = bOn;
    });
    return TRUE;
}

BOOL QueryWidth(CString strSymbol, CString strArguments, CDC* pDC, long lHeight, long& lWidth)
{
    CCustSymbol sym;
    if (!sym.SetSymbolString(strSymbol)) {
        return FALSE;
    }
    sym.SetArgument(strArguments);
    return sym.QueryWidth(pDC, lHeight, lWidth);
}

BOOL DrawSymbol(CString strSymbol, CString strArguments, CDC* pDC, long lHeight, CPoint ptTopLeft)
{
    CCustSymbol sym;
    if (!sym.SetSymbolString(strSymbol)) {
        return FALSE;
    }
    sym.SetArgument(strArguments);
    return sym.Draw(pDC, ptTopLeft, lHeight);
}
