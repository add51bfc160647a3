// The page setup sheet of a card template: paper name, size and orientation on one page, the
// four frame margins and the frame width on the other, with a preview of the printable area on
// both. The caller fills the values (tenths of a millimetre) before DoModal and reads them after
// OK; the pages write into them as they are edited.
#pragma once

#include "designer/template/SheetSidePg.h"
#include "designer/template/SheetSizePg.h"
#include "platform/base/Rect.h"
#include "platform/win/PropertySheet.h"

class CDC;

class CSetSheetStyleSh : public CPropertySheet
{
    FX_DECLARE_DYNAMIC(CSetSheetStyleSh)

public:
    CSetSheetStyleSh(LPCSTR lpszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // The printable area's shape inside the frame, keeping its proportions; FALSE (nothing to
    // draw) when the margins leave no area.
    BOOL GetPreviewShape(const CRect& rcFrame, CRect& rcShape) const;
    // Draws the preview into a page's DC, in the frame given in that page's coordinates.
    void DrawPreview(CDC* pDC, const CRect& rcFrame) const;

    CSheetSidePg m_pageSide;
    CSheetSizePg m_pageSize;
    int m_nPageWidth;
    int m_nPageHeight;
    int m_nTop;
    int m_nLeft;
    int m_nRight;
    int m_nBottom;
    int m_nFrameWidth;
    CString m_strPaperName;
};

// Sizes typed in millimetres are kept as whole millimetres times 10: the fraction is dropped.
int SheetTenthsFromMm(double dMm);
// A stored value shown in millimetres ("210", "215.9").
CString SheetMmText(int nTenths);
// The number in an edit's text; FALSE when it holds none.
BOOL SheetParseMm(const CString& strText, double& dMm);
// Both pages draw the preview in the place of their hidden static; a change repaints it.
void InvalidateSheetPreview(HWND hPage);
void PaintSheetPreview(CWnd* pPage, const CSetSheetStyleSh* pStyleSh);
