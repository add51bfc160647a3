// Drawing of the free-object base: handles, the tracker, hit and picking tests, the text font.
#include <cmath>
#include <cstdlib>

#include "core/CappDCHelper.h"
#include "core/CappFreeObj.h"
#include "core/CappSizeLimit.h"
#include "core/res/resource.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Rgn.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

void CCappFreeObj::Draw(CDC* /*pDC*/)
{
}

int CCappFreeObj::GetHandleCount()
{
    return 8;
}

CPoint CCappFreeObj::GetHandlePoint(int /*nHandle*/)
{
    return CPoint(0, 0);
}

CRect CCappFreeObj::GetHandleRect(int nHandle)
{
    const CPoint pt = GetHandlePoint(nHandle);
    return CRect(pt.x - kHandleHalf, pt.y - kHandleHalf, pt.x + kHandleHalf, pt.y + kHandleHalf);
}

// Box kinds size west-east at the side middles 1 and 3, north-south at 2 and 4, along the
// diagonals at the corners; the line kinds override with one cursor for all handles.
HCURSOR CCappFreeObj::GetHandleCursor(int nHandle)
{
    LPCSTR pszCursor = nullptr;
    switch (nHandle) {
    case 1:
    case 3:
        pszCursor = IDC_SIZEWE;
        break;
    case 2:
    case 4:
        pszCursor = IDC_SIZENS;
        break;
    case 5:
    case 7:
        pszCursor = IDC_SIZENESW;
        break;
    case 0:
    case 6:
    case 8:
        pszCursor = IDC_SIZENWSE;
        break;
    default:
        return ::LoadCursorA(reinterpret_cast<HINSTANCE>(&__ImageBase), MAKEINTRESOURCEA(IDC_FREEOBJ_HANDLE));
    }
    return ::LoadCursorA(nullptr, pszCursor);
}

void CCappFreeObj::DrawTracker(CDC* pDC)
{
    if (m_bSelected == 0) {
        return;
    }
    const int nCount = GetHandleCount();
    for (int nHandle = 1; nHandle <= nCount; ++nHandle) {
        const CRect rc = GetHandleRect(nHandle);
        if (m_bInvertHandles != 0) {
            pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), DSTINVERT);
        } else {
            pDC->Rectangle(&rc);
        }
    }
}

void CCappFreeObj::DrawTrackerIfShown(CDC* pDC)
{
    if (m_bSelected != 0 && !pDC->IsPrinting()) {
        DrawTracker(pDC);
    }
}

int CCappFreeObj::HitTest(CPoint point)
{
    const int nCount = GetHandleCount();
    for (int nHandle = 1; nHandle <= nCount; ++nHandle) {
        if (GetHandleRect(nHandle).PtInRect(point)) {
            return nHandle;
        }
    }
    return 0;
}

void CCappFreeObj::MoveHandleTo(int /*nHandle*/, CPoint /*point*/)
{
}

void CCappFreeObj::MoveObj(CPoint /*ptOffset*/)
{
}

CRect CCappFreeObj::GetOutRect()
{
    return CRect(0, 0, 0, 0);
}

CRect CCappFreeObj::GetClientRect()
{
    return CRect(0, 0, 0, 0);
}

CRect CCappFreeObj::GetOutIineRect()
{
    return CRect(0, 0, 0, 0);
}

int CCappFreeObj::CanPick(CPoint /*point*/)
{
    return 0;
}

void CCappFreeObj::AdjustPoint(int /*nHandleIn*/, int& /*nHandleOut*/)
{
}

void CCappFreeObj::SetSize(int /*nWidth*/, int /*nHeight*/)
{
}

BOOL CCappFreeObj::CanPickLine(CPoint pt1, CPoint pt2, CPoint point)
{
    const double dx = static_cast<double>(pt2.x) - pt1.x;
    const double dy = static_cast<double>(pt2.y) - pt1.y;
    const auto fnBetween = [](int n, int a, int b) { return (a <= n && n <= b) || (b <= n && n <= a); };
    if (dx != 0 && fnBetween(point.x, pt1.x, pt2.x)) {
        return std::fabs(pt1.y + dy / dx * (point.x - pt1.x) - point.y) < kPickTolerance;
    }
    if (dy != 0 && fnBetween(point.y, pt1.y, pt2.y)) {
        return std::fabs(pt1.x + dx / dy * (point.y - pt1.y) - point.x) < kPickTolerance;
    }
    return FALSE;
}

BOOL CCappFreeObj::CanPickCircle(const CRect& rect, CPoint point)
{
    CRgn rgn;
    if (!rgn.CreateEllipticRgn(rect.left, rect.top, rect.right, rect.bottom)) {
        return FALSE;
    }
    return rgn.PtInRegion(point.x, point.y);
}

BOOL CCappFreeObj::CanPickRect(const CRect& rect, CPoint point)
{
    return rect.PtInRect(point);
}

void CCappFreeObj::CreateCellFont(CDC* pDC, CFont* pFont)
{
    // Objects are also sized in the designer, not only read from the archive.
    const int nFontHeight = CappClampFontSize(m_nFontHeight);
    m_lfFont.lfHeight = nFontHeight;
    const CSize sizeWindow = pDC->GetWindowExt();
    const CSize sizeViewport = pDC->GetViewportExt();
    const long long nScaled = static_cast<long long>(std::abs(nFontHeight)) * sizeWindow.cy;
    if (sizeViewport.cy != 0 && nScaled % sizeViewport.cy != 0) {
        m_lfFont.lfHeight += m_lfFont.lfHeight <= 0 ? -1 : 1;
    }
    LOGFONTA lf = m_lfFont;
    CappClampLogFont(lf);
    pFont->CreateFontIndirect(&lf);
}

void CCappFreeObj::DrawObjText(CDC* pDC, const CRect& rc)
{
    if (m_strText.IsEmpty()) {
        return;
    }
    CFont font;
    CreateCellFont(pDC, &font);
    CFxSelectGuard guard(pDC, &font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(m_crText);
    CRect rcText = rc;
    rcText.DeflateRect(5, 5);
    UINT nFormat = static_cast<UINT>(m_nTextFormat);
    if (m_strText.Find('\n') < 0) {
        nFormat |= DT_SINGLELINE;
    }
    pDC->DrawText(m_strText, &rcText, nFormat);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}

int CCappFreeObj::CCappDCHelper__GetScreenDotPerTMM(double& dDotPerTMMX, double& dDotPerTMMY)
{
    return CCappDCHelper::GetScreenDotPerTMM(dDotPerTMMX, dDotPerTMMY);
}

int CCappFreeObj::CCappDCHelper__GetTextHeightInDevice(CDC* pDC, int nHeight)
{
    return CCappDCHelper::GetTextHeightInDevice(pDC, nHeight);
}

int CCappFreeObj::CCappDCHelper__GetTextHeightInTMM(CDC* pDC, int nHeight)
{
    return CCappDCHelper::GetTextHeightInTMM(pDC, nHeight);
}
