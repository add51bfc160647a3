// A custom vector symbol: its markup parsed into element lists, measured, scaled to a line
// height and drawn with y growing upwards.
#pragma once

#include "platform/base/MapStringToString.h"
#include "symbols/BasicObject.h"

class CRect;
class CVariableText;

class GLYPHWORK_API CCustSymbol : public CBasicObject
{
    FX_DECLARE_DYNCREATE(CCustSymbol)

public:
    CCustSymbol();
    CCustSymbol(const CCustSymbol& src);
    CCustSymbol& operator=(const CCustSymbol& src);
    ~CCustSymbol() override;

    // Parses a library symbol string: a hidden element at (0, 0) is appended first.
    BOOL SetSymbolString(CString strSymbol) override;
    BOOL QueryAreaAppr(CDC* pDC, CDoubleRect& rcArea, double dScale) override;
    BOOL QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea) override;
    BOOL Draw(CDC* pDC, CPoint ptOrigin, double dScale) override;
    virtual BOOL SetSymbolStringEx(CString strSymbol);
    virtual BOOL QueryArea(CDC* pDC, long lHeight, CRect& rcArea, double& dScale);
    virtual BOOL LookupCache(BOOL bLookup, CMapStringToString& mapCache, long lHeight, CRect& rcArea, double& dScale);

    void FreeAll();
    void UpdateRelativedPostion();
    void UpdateRelativedObjectPostion(CObList& list);
    void UpdateRelativedObjectPostion(CBasicObject::CPointRelation* pRel);

    void SetArgument(CString strArguments);
    // Edits the variable texts' values in the argument dialog (from SymbolDepot's resources when
    // that module is loaded); TRUE with the new argument string on OK.
    BOOL QueryArgUI(CString strMark, CString& strArguments);

    BOOL QueryWidth(CDC* pDC, long lHeight, long& lWidth);
    BOOL QueryScale(CDC* pDC, long lHeight, int nRefine, double& dScale);
    // Draws upright in a line of the given height (logical units, any mapping): the point is the
    // line's left end on its lower edge, so with y growing downwards the line is y - height to y.
    BOOL Draw(CDC* pDC, CPoint ptLeft, long lHeight);

    void SetTransparent(BOOL bTransparent);
    BOOL SetBackroundColor(COLORREF cr);
    BOOL SetSelected(BOOL bSelected);
    BOOL SetCharMode(COLORREF cr, BOOL bOn);
    // Direction of y for slot calls (measuring and drawing at a scale); the in-line entries
    // always use y growing upwards.
    void SetYDown(BOOL bYDown);

    // Height ("%d") to "scale;left;top;right;bottom".
    CMapStringToString m_mapAreaCache;
    BOOL m_bTransparent = FALSE;
    COLORREF m_crBack = RGB(255, 255, 255);
    // Owned elements by kind; P, H and F share the plain list.
    CObList m_listArc;
    CObList m_listBasic;
    CObList m_listCircle;
    CObList m_listCust;
    CObList m_listLine;
    CObList m_listMLine;
    CObList m_listText;
    CObList m_listVText;

private:
    BOOL NewElemArc(CString strElem);
    BOOL NewElemCir(CString strElem);
    BOOL NewElemLine(CString strElem);
    BOOL NewElemMLine(CString strElem);
    BOOL NewElemText(CString strElem);
    BOOL NewElemVText(CString strElem);
    BOOL NewElemBasic(CString strElem);
    BOOL NewElemHided(CString strElem);
    BOOL NewElemFlood(CString strElem);
    BOOL NewElemCust(CString strElem);
    BOOL AddElem(CBasicObject* pElem, CObList& list, const CString& strElem);
    void CopyFrom(const CCustSymbol& src);
    // Every list, in the order elements are drawn.
    template <typename Fn> void ForEachElem(Fn fn);
};

// Width of a library symbol with its arguments in a line of the given height.
GLYPHWORK_API BOOL QueryWidth(CString strSymbol, CString strArguments, CDC* pDC, long lHeight, long& lWidth);
// Draws a library symbol with its arguments in a line of the given height.
GLYPHWORK_API BOOL DrawSymbol(CString strSymbol, CString strArguments, CDC* pDC, long lHeight, CPoint ptTopLeft);
