// A graphic variable's figure: one line of figure text parsed into a keyword, a draw style, a
// colour, a pen width and parameter texts, and drawn from them.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"
#include "platform/base/StringArray.h"

class CDC;

class VORNCARD_API CGraphEntity : public CObject
{
    FX_DECLARE_DYNCREATE(CGraphEntity)
public:
    enum DrawStyle {
        styleNone = 0,
        styleB = 1, // outline
        styleF = 2, // filled with the colour
        styleI = 3, // inverted
        styleLine = 4,
        styleArc = 5,
    };
    enum FigureClass {
        classNone = 0,
        classLine = 1,
        classArc = 2,
        classRect = 3,
        classText = 4,
    };

    CGraphEntity();

    // Trailing "-" ignored, case ignored.
    static int GetTypeByEntityName(const CString& strName);

    // Parses one command line; 0 and the reason when it is refused. The flag is not used: the
    // line alone decides. A refused figure keeps no keyword, so it is never drawn.
    int SetData(const CString& strLine, CString& strReason, int nFlag);
    // 1 when every command line of the CR LF separated text parses; else 0 and the message naming
    // the first bad line.
    static int DoCheckSyntax(const CString& strText, CString& strMsg);
    // 1 when drawn by its class (or style 0, nothing to draw); 0 without a DC, keyword or
    // parameters, for a style the class may not carry, or for parameters it cannot read.
    // nFlag non-zero: the DC's y axis grows upwards, and relative rectangles parsed afterwards
    // measure their height upwards from the given top.
    int Draw(CDC* pDC, int nFlag);

    CStringArray m_asFigureParam;
    CString m_strKeyword;
    int m_nDrawStyle;
    COLORREF m_crColor;
    int m_nPenWidth;
    // Non-zero: relative rectangles measure the height upwards; set by Draw.
    int m_nRectUpward;

private:
    BOOL ParseLine(const CString& strParam, CString& strReason);
    BOOL ParsePoints(const CString& strKey, const CString& strParam, CString& strReason);
    BOOL ParseRect(const CString& strParam, BOOL bRound, BOOL bAbsolute, CString& strReason);
    BOOL ParseArc(const CString& strShape, BOOL bBox, const CString& strParam, CString& strReason);
    BOOL ParseText(const CString& strParam, CString& strReason);
    // The option part: colour anywhere, the style after nStyleComma commas (0 the start, -1 none,
    // then nDefaultStyle), the pen width after nWidthComma commas.
    BOOL ParseOptions(const CString& strOptions, int nWidthComma, int nStyleComma, int nDefaultStyle,
                      CString& strReason);
    BOOL AddParam(const CString& strParam, LPCSTR pszFailure, CString& strReason);

    BOOL DrawLineFamily(CDC* pDC);
    BOOL DrawArcFamily(CDC* pDC);
    BOOL DrawRectFamily(CDC* pDC);
    BOOL DrawTextFigure(CDC* pDC);
};
