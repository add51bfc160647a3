// Base of the free drawing objects laid over a sheet: the attributes every kind shares, their
// common archive record, grab handles, hit and picking tests and the text font of the box kinds.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"
#include "platform/base/Rect.h"

class CDC;
class CFont;

class VORNCARD_API CCappFreeObj : public CObject
{
    FX_DECLARE_SERIAL(CCappFreeObj)
public:
    enum Kind {
        kindLine = 1,
        kindRect = 2,
        kindCircle = 3,
        kindTriangle = 4,
        kindRound = 5,
        kindCloud = 6,
        kindRectArrow = 7,
        kindRoundArrow = 8,
        kindCircleArrow = 9,
        kindLineArrow = 10,
        kindSpline = 11,
    };
    // Half the side of a handle's square; also what the repaint rectangle grows by.
    static constexpr int kHandleHalf = 10;
    // How far from a line a point still picks it.
    static constexpr int kPickTolerance = 5;

    CCappFreeObj();
    // Copies every field but reserved integer 4.
    CCappFreeObj& operator=(const CCappFreeObj& src);

    // The common record; the version read is kept whatever it is.
    void Serialize(CArchive& ar) override;
    // lfHeight to lfWeight, the eight bytes, then the face name.
    void SerializelogFont(CArchive& ar);

    // Handles are numbered from 1.
    virtual int GetHandleCount();
    // The 20-unit square around the handle's point.
    virtual CRect GetHandleRect(int nHandle);
    // Null when the kind has no cursor for the handle.
    virtual HCURSOR GetHandleCursor(int nHandle);
    virtual CPoint GetHandlePoint(int nHandle);
    // Nothing unless selected: each handle's square inverted, or drawn with the current pen and
    // brush.
    virtual void DrawTracker(CDC* pDC);
    // The base draws nothing; a kind draws itself and then, unless printing, its tracker.
    virtual void Draw(CDC* pDC);
    // The first handle whose square holds the point (right and bottom edges excluded), or 0.
    virtual int HitTest(CPoint point);
    virtual void MoveHandleTo(int nHandle, CPoint point);
    virtual void MoveObj(CPoint ptOffset);
    // Normalised bounding rectangle.
    virtual CRect GetOutRect();
    virtual CRect GetClientRect();
    // The rectangle to repaint: the bounding rectangle grown to cover the handles.
    virtual CRect GetOutIineRect();
    virtual int CanPick(CPoint point);
    // After a handle was dragged across the opposite side: restores the orientation and maps the
    // dragged handle's number to its new one.
    virtual void AdjustPoint(int nHandleIn, int& nHandleOut);
    virtual void SetSize(int nWidth, int nHeight);

    // The text font for pDC, attached to pFont. A height the DC would scale to a fraction is
    // moved one unit away from zero, and kept so.
    void CreateCellFont(CDC* pDC, CFont* pFont);

    static BOOL CanPickLine(CPoint pt1, CPoint pt2, CPoint point);
    static BOOL CanPickCircle(const CRect& rect, CPoint point);
    static BOOL CanPickRect(const CRect& rect, CPoint point);

    static int CCappDCHelper__GetScreenDotPerTMM(double& dDotPerTMMX, double& dDotPerTMMY);
    static int CCappDCHelper__GetTextHeightInDevice(CDC* pDC, int nHeight);
    static int CCappDCHelper__GetTextHeightInTMM(CDC* pDC, int nHeight);

    CString m_strVersion;
    CString m_strLabel2;
    int m_bTransparent;
    COLORREF m_crFill;
    COLORREF m_crText;
    COLORREF m_crLine;
    int m_nReserved1;
    int m_nKind;
    int m_nLineWidth;
    int m_bBorder;
    CString m_strText;
    CString m_strLabel3;
    int m_nReserved2;
    int m_nReserved3;
    int m_nReserved4;
    int m_nReserved5;
    int m_nTextFormat;
    LOGFONTA m_lfFont;
    int m_nFontHeight;
    int m_nReserved6;
    // Editor state, never stored.
    int m_bSelected;
    BYTE m_bInvertHandles;

protected:
    CCappFreeObj(const CCappFreeObj& src);

    // The text of the box kinds, inside rc shrunk by 5 units; nothing for an empty text.
    void DrawObjText(CDC* pDC, const CRect& rc);
    // The tracker, unless printing.
    void DrawTrackerIfShown(CDC* pDC);
};
