#include "designer/template/SetSheetStyleSh.h"

#include <cmath>
#include <cstdlib>

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "designer/res/resource.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/FxSelectGuard.h"

namespace
{
// The preview's frame in the page's coordinates: the hidden static's place.
CRect PreviewFrame(HWND hPage)
{
    CRect rc(0, 0, 0, 0);
    HWND hStatic = ::GetDlgItem(hPage, IDC_SHEET_PREVIEW);
    if (hStatic != nullptr) {
        ::GetWindowRect(hStatic, &rc);
        ::MapWindowPoints(nullptr, hPage, reinterpret_cast<POINT*>(&rc), 2);
    }
    return rc;
}

} // namespace

FX_IMPLEMENT_DYNAMIC(CSetSheetStyleSh, CPropertySheet)

CSetSheetStyleSh::CSetSheetStyleSh(LPCSTR lpszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(lpszCaption, pParentWnd, iSelectPage), m_nPageWidth(0), m_nPageHeight(0), m_nTop(100), m_nLeft(80),
      m_nRight(100), m_nBottom(80), m_nFrameWidth(2), m_strPaperName("A4")
{
    m_pageSize.m_pStyleSh = this;
    m_pageSide.m_pStyleSh = this;
    AddPage(&m_pageSize);
    AddPage(&m_pageSide);
}

BOOL CSetSheetStyleSh::GetPreviewShape(const CRect& rcFrame, CRect& rcShape) const
{
    const int w = m_nPageWidth - m_nLeft - m_nRight;
    const int h = m_nPageHeight - m_nTop - m_nBottom;
    // An area of no width would divide by zero below: it is as empty as a negative one.
    if (w <= 0 || h <= 0 || rcFrame.Width() <= 0 || rcFrame.Height() <= 0) {
        return FALSE;
    }
    const double a = static_cast<double>(h) / w;
    const double f = static_cast<double>(rcFrame.Height()) / rcFrame.Width();
    if (a <= f) {
        const int cy = static_cast<int>(rcFrame.Width() * a);
        const int y = rcFrame.top + (rcFrame.Height() - cy) / 2;
        rcShape.SetRect(rcFrame.left, y, rcFrame.right, y + cy);
    } else {
        const int cx = static_cast<int>(rcFrame.Height() / a);
        const int x = rcFrame.left + (rcFrame.Width() - cx) / 2;
        rcShape.SetRect(x, rcFrame.top, x + cx, rcFrame.bottom);
    }
    return TRUE;
}

void CSetSheetStyleSh::DrawPreview(CDC* pDC, const CRect& rcFrame) const
{
    CRect rcShape;
    if (!GetPreviewShape(rcFrame, rcShape)) {
        return;
    }
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush brush(RGB(255, 255, 255));
    {
        CFxSelectGuard penGuard(pDC, &pen);
        CFxSelectGuard brushGuard(pDC, &brush);
        pDC->Rectangle(&rcShape);
    }
    // The shadow along the right and bottom edges.
    CPen shadow(PS_SOLID, 2, RGB(0, 0, 0));
    CFxSelectGuard shadowGuard(pDC, &shadow);
    pDC->MoveTo(rcShape.right + 1, rcShape.top + 1);
    pDC->LineTo(rcShape.right + 1, rcShape.bottom + 1);
    pDC->MoveTo(rcShape.left + 1, rcShape.bottom + 1);
    pDC->LineTo(rcShape.right + 1, rcShape.bottom + 1);
}

int SheetTenthsFromMm(double dMm)
{
    return static_cast<int>(std::trunc(dMm)) * 10;
}

CString SheetMmText(int nTenths)
{
    CString str;
    str.Format("%g", nTenths * 0.1);
    return str;
}

BOOL SheetParseMm(const CString& strText, double& dMm)
{
    CString str(strText);
    str.Trim();
    if (str.IsEmpty()) {
        return FALSE;
    }
    char* pEnd = nullptr;
    const double d = std::strtod(str, &pEnd);
    // Far beyond any paper, and beyond what an int of tenths holds.
    if (pEnd == nullptr || *pEnd != '\0' || !std::isfinite(d) || std::fabs(d) > 100000.0) {
        return FALSE;
    }
    dMm = d;
    return TRUE;
}

void InvalidateSheetPreview(HWND hPage)
{
    // Widened so the shadow outside the frame is repainted too.
    CRect rc = PreviewFrame(hPage);
    rc.right += 3;
    rc.bottom += 2;
    ::InvalidateRect(hPage, &rc, TRUE);
}

void PaintSheetPreview(CWnd* pPage, const CSetSheetStyleSh* pStyleSh)
{
    CPaintDC dc(pPage->m_hWnd);
    if (pStyleSh != nullptr) {
        pStyleSh->DrawPreview(&dc, PreviewFrame(pPage->m_hWnd));
    }
}
