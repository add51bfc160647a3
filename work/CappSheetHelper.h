// Draws a card sheet outside the card view's own painting: metrically on a printer, or scaled into
// any rectangle of any DC; walks the drawing-file cells for the printer.
#pragma once

#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "work/VornWorkExport.h"

class CCappSheet;
class CDC;
class CObList;
class CPrintInfo;

class VORNWORK_API CCappSheetHelper
{
public:
    // The sheet stretched into rcTarget (logical units of pDC, whatever its mapping); the DC's
    // state comes back afterwards. 0 without a DC or sheet.
    static int PaintSheetToDC(CDC* pDC, CRect rcTarget, CCappSheet* pSheet, const char* pszText, int nFlag);
    // The sheet in tenths of a millimetre from the paper's corner, shifted by pOffset (may be
    // null). 1 when every cell walk succeeded.
    static int PrintSheetMetric(CDC* pDC, CCappSheet* pSheet, CString strText, CPrintInfo* pInfo, CPoint* pOffset,
                                int nFlag);
    // Hands every ".dwg" file cell of the list to PrintDWGItem; other files the sheet draws itself.
    static int PrintDWGList(CDC*& pDC, CObList& listCells, CCappSheet* pSheet, int nFlag, CString strText);
    // Drawing files are located but not rendered: 1.
    static int PrintDWGItem(CDC*& pDC, CRect rcCell, int nFlag, CString strOtherText, CString strText, CString strPath);
    // The sheet's own drawing decides which free objects show: 1.
    static int PrintFreeObjectList(CDC*& pDC, CCappSheet* pSheet);
    static int ReadDefaultDwgLineWidth(CDC*& pDC, CCappSheet* pSheet);
};
