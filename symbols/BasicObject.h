// One drawing element of a custom symbol: the common data and the plain kinds P, H and F.
#pragma once

#include "platform/base/ObList.h"
#include "platform/base/String.h"
#include "platform/win/CmdTarget.h"
#include "symbols/DoubleRect.h"
#include "symbols/GlyphworkExport.h"

class CDC;
class CPoint;
class CStringArray;

class GLYPHWORK_API CBasicObject : public CCmdTarget
{
    FX_DECLARE_DYNCREATE(CBasicObject)

public:
    // Kind codes: the index of the element's tag.
    enum {
        kindArc = 0,
        kindCircle = 1,
        kindCust = 2,
        kindFlood = 3,
        kindHidden = 4,
        kindPoint = 5,
        kindLine = 6,
        kindMLine = 7,
        kindText = 8,
        kindVText = 9,
    };

    // Anchors one coordinate of a point to a variable text of the same symbol.
    class GLYPHWORK_API CPointRelation : public CObject
    {
    public:
        enum {
            stateNone = 0,
            stateNew = 1,
            stateApplied = 2,
        };
        CDoublePoint* m_pPoint = nullptr;
        // The anchored point's own coordinates, kept at the first application: an anchored
        // number is an offset from the anchor.
        CDoublePoint m_ptOwn;
        int m_nAxis = 1;   // 1 the x coordinate, 0 the y coordinate
        int m_nAnchor = 0; // 1..9: LT LM LB MT MM MB RT RM RB
        CString m_strObjectId;
        int m_nState = stateNew;
    };

    CBasicObject();
    ~CBasicObject() override;
    CBasicObject(const CBasicObject&) = delete;
    CBasicObject& operator=(const CBasicObject&) = delete;

    // Reads one element string, tags included; FALSE leaves the element unusable.
    virtual BOOL SetSymbolString(CString strElem);
    // Extent as drawn at a scale, in logical units relative to the drawing origin.
    virtual BOOL QueryAreaAppr(CDC* pDC, CDoubleRect& rcArea, double dScale);
    // Extent in symbol units.
    virtual BOOL QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea);
    virtual BOOL Draw(CDC* pDC, CPoint ptOrigin, double dScale);

    void FreeRelations();
    // Colour to draw in: character mode and inversion applied.
    COLORREF GetDrawColor() const;
    // Pen width in device pixels at a scale.
    int GetDrawPenWidth(double dScale) const;

    int m_nKind = -1;
    CString m_strSymbol;
    CDoublePoint m_ptOrigin;
    BOOL m_bCharMode = TRUE;
    COLORREF m_crCharMode = 0;
    COLORREF m_crColor = 0;
    BOOL m_bInverted = TRUE;
    BOOL m_bWidthScales = FALSE;
    int m_nPenWidth = 1;
    CObList m_listRelation; // of owned CPointRelation
    COLORREF m_crSecond = 0;
    // Direction of y for the current measuring or drawing call; the symbol sets it on its
    // elements before each call (TRUE: y grows downwards).
    BOOL m_bYDown = FALSE;

protected:
    // Reads an anchorable coordinate into pt.x (nAxis 1) or pt.y (nAxis 0) and records its
    // relation; FALSE when the field is empty or the number is unusable.
    BOOL ReadCoord(const CString& strField, CDoublePoint& pt, int nAxis);
    BOOL ReadPoint(const CStringArray& arrField, int nIndex, CDoublePoint& pt);
    // Drops the relations and takes the element's tag and the body between its tags; FALSE when
    // the string is no element.
    BOOL ReadBody(const CString& strElem, CString& strTag, CString& strBody);
    // Drops the relations and splits the element's body into its fields, keeping at most
    // nMaxKept; the number of fields, or -1 when the string is no element.
    INT_PTR ReadBodyFields(const CString& strElem, CStringArray& arrField, INT_PTR nMaxKept);
    // The stroke fields that close lines, arcs, circles and polylines, from field nFirst on:
    // own colour, the filled flag when pbFilled is given, then, unless filled, pen width and
    // width-scales flag. Fields beyond nCount keep their defaults.
    void ReadStrokeFields(const CStringArray& arrField, INT_PTR nCount, INT_PTR nFirst, BOOL* pbFilled);
    // Position of a point as drawn: scaled, moved to the drawing origin, cut to integers.
    static CPoint ToLogical(const CDoublePoint& pt, CPoint ptOrigin, double dScale);
    // Grows a basic extent by the pen and scales it, in the order the width-scales flag gives.
    void ApplyPenAndScale(CDoubleRect& rc, double dScale) const;
    // Draws the points in the element's pen: filled in its colour as a polygon, else as a line.
    void DrawPoints(CDC* pDC, const POINT* pPoints, int nCount, double dScale, BOOL bFilled) const;
};
