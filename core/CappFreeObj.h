// Base of the free drawing objects laid over a sheet: the attributes every kind shares and
// their common archive record. The kinds append their own geometry.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"
#include "platform/base/Rect.h"

class CDC;

class VORNCARD_API CCappFreeObj : public CObject
{
    FX_DECLARE_SERIAL(CCappFreeObj)
public:
    CCappFreeObj();
    // Copies every field but reserved integer 4.
    CCappFreeObj& operator=(const CCappFreeObj& src);

    // The common record; the version read is kept whatever it is.
    void Serialize(CArchive& ar) override;
    // lfHeight to lfWeight, the eight bytes, then the face name.
    void SerializelogFont(CArchive& ar);

    // Drawing (CappFreeObjDraw.cpp). The base draws nothing; a kind draws itself and then,
    // unless printing, its tracker.
    virtual void Draw(CDC* pDC);
    // Handles are numbered from 1.
    virtual int GetHandleCount();
    virtual CPoint GetHandlePoint(int nHandle);
    // The 20-unit square around the handle's point.
    CRect GetHandleRect(int nHandle);
    // Nothing unless selected: each handle's square inverted, or drawn with the current pen and
    // brush.
    void DrawTracker(CDC* pDC);

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
};
