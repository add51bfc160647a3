// Detail-area and cell look-ups the card view and its cell editor share.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/String.h"

class CCappCell;
class CCappMidData;
class CCappSheet;
class CCardObj;
class CCellDataItem;

class CCardCellFun
{
public:
    CCardCellFun() = delete;

    // The data row shown at a grid row of an area on the current page.
    struct MDRow
    {
        int nDataRow = -1;      // -1: the area cannot tell (unbound, or an extension area)
        int nFirstGridRow = -1; // where the data row begins on this page
        int nLinesHere = 1;     // its lines on this page from nFirstGridRow on
        bool bBeyond = false;   // the grid row lies past the stored rows
    };
    static MDRow GetDataRowAt(CCappMidData* pArea, int nGridRow);
    // Where data row nDataRow begins on the page's area of that name; -1 when it does not.
    static int FirstGridRowOnPage(const CCardObj& card, int nPage, const CString& strArea, int nDataRow);

    static CCellDataItem* GetDataRange(const CCappCell* pCell, int nGridRow);
    // The sheet's area of that name for a sheet that may be missing; an empty name names none.
    static CCappMidData* FindArea(const CCappSheet* pSheet, const CString& strName);
    // The detail area whose seats hold the point (sheet units); null when none.
    static CCappMidData* AreaAtPoint(const CCappSheet* pSheet, CPoint pt);
    // The cell of the sheet bound to the variable: a head (0) or page (1) cell, or a cell of the
    // named detail area (2); null when none.
    static CCappCell* FindCellByKind(const CCappSheet* pSheet, int nKind, const CString& strMDName,
                                     const CString& strVarName);

    // Cell attributes the filling side reads. The editor kind is the data type: text opens the
    // special edit, integers and floating point numbers the number edit.
    static int GetEditorKind(const CCappCell* pCell);
    // A head cell whose writing the host wants to hear of (cell integer 1).
    static bool IsChangeNotice(const CCappCell* pCell);
    // A detail cell editable in a row continued from the page before (cell integer 7 set to 1).
    static bool IsContinuationEditable(const CCappCell* pCell);

    // Sends message 0x442 with the text to the application's main window, when there is one.
    static void ShowMainText(const CString& strText);
};
