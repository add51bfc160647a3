#include "work/CappSheetHelper.h"

#include <cstdlib>
#include <numeric>

#include "core/CappCell.h"
#include "core/CappMetricDC.h"
#include "core/CappSheet.h"
#include "platform/base/ObList.h"
#include "platform/gdi/FxSavedDC.h"

namespace
{
// A file-variable cell.
constexpr int kContentFile = 4;
// Extents stay well inside what GDI's transforms take.
constexpr long long kMaxExtent = 1LL << 26;

// One axis of the stretch: nDev device units over nLog sheet units, reduced to extents that fit
// an int without changing their ratio by more than the last bits. Either may be negative (a
// flipped axis); a zero stays zero.
void FitExtents(long long& nDev, long long& nLog)
{
    const long long nGcd = std::gcd(nDev, nLog);
    if (nGcd > 1) {
        nDev /= nGcd;
        nLog /= nGcd;
    }
    while (std::llabs(nDev) > kMaxExtent || std::llabs(nLog) > kMaxExtent) {
        nDev /= 2;
        nLog /= 2;
    }
}

CRect CellRect(CCappSheet* pSheet, const CCappCell* pCell)
{
    if (pCell->m_bOwnRect) {
        return pCell->m_rcOwn;
    }
    CRect rc;
    pSheet->GetRectSpace(pCell->m_nTopLineID, pCell->m_nLeftLineID, pCell->m_nRightLineID, pCell->m_nBottomLineID, rc);
    return rc;
}
} // namespace

int CCappSheetHelper::PaintSheetToDC(CDC* pDC, CRect rcTarget, CCappSheet* pSheet, const char* pszText, int nFlag)
{
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr || pSheet == nullptr) {
        return 0;
    }
    long long vx = 1;
    long long vy = 1;
    long long wx = 1;
    long long wy = 1;
    const int nMode = pDC->GetMapMode();
    if (nMode == MM_ISOTROPIC || nMode == MM_ANISOTROPIC) {
        const CSize sizeViewport = pDC->GetViewportExt();
        const CSize sizeWindow = pDC->GetWindowExt();
        vx = sizeViewport.cx;
        vy = sizeViewport.cy;
        wx = sizeWindow.cx;
        wy = sizeWindow.cy;
    }
    // Whole products in 64 bits: dividing by 1000 first, as 32 bits forced, gave a target or
    // sheet under 1000 units a zero extent and drew nothing.
    long long nW = static_cast<long long>(rcTarget.Width()) * vx;
    long long nH = static_cast<long long>(rcTarget.Height()) * vy;
    long long nSW = static_cast<long long>(pSheet->m_nPageWidth) * wx;
    long long nSH = static_cast<long long>(pSheet->m_nPageHeight) * wy;
    FitExtents(nW, nSW);
    FitExtents(nH, nSH);
    if (nW == 0 || nH == 0 || nSW == 0 || nSH == 0) {
        // An empty target or sheet: nothing to draw.
        return 1;
    }
    const int nViewX = static_cast<int>(nW);
    const int nViewY = static_cast<int>(nH);
    const int nWinX = static_cast<int>(nSW);
    const int nWinY = static_cast<int>(nSH);

    CPoint ptCorner = rcTarget.TopLeft();
    pDC->LPtoDP(&ptCorner);
    const int nOrgX = ::MulDiv(ptCorner.x, nWinX, nViewX);
    const int nOrgY = ::MulDiv(ptCorner.y, nWinY, nViewY);

    CFxSavedDC saved(pDC);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowOrg(-nOrgX, -nOrgY);
    pDC->SetWindowExt(nWinX, nWinY);
    pDC->SetViewportOrg(0, 0);
    pDC->SetViewportExt(nViewX, nViewY);
    pSheet->DrawSheet(pDC);
    const CString strText = pszText != nullptr ? pszText : "";
    PrintDWGList(pDC, pSheet->m_HeadCellList, pSheet, nFlag, strText);
    PrintDWGList(pDC, pSheet->m_PageCellList, pSheet, nFlag, strText);
    PrintFreeObjectList(pDC, pSheet);
    return 1;
}

int CCappSheetHelper::PrintSheetMetric(CDC* pDC, CCappSheet* pSheet, CString strText, CPrintInfo* pInfo,
                                       CPoint* pOffset, int nFlag)
{
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr || pSheet == nullptr) {
        return 0;
    }
    CFxSavedDC saved(pDC);
    // The metric DC takes the caller's place in pDraw while attached.
    CDC* pDraw = pDC;
    CCappMetricDC dcMetric;
    if (!dcMetric.Attach(pDraw, pInfo)) {
        return 0;
    }
    if (pOffset != nullptr && (pOffset->x != 0 || pOffset->y != 0)) {
        dcMetric.OffsetOrg(CSize(pOffset->x, pOffset->y));
    }
    pSheet->DrawSheet(pDraw);
    const int nHead = PrintDWGList(pDraw, pSheet->m_HeadCellList, pSheet, nFlag, strText);
    const int nPage = PrintDWGList(pDraw, pSheet->m_PageCellList, pSheet, nFlag, strText);
    PrintFreeObjectList(pDraw, pSheet);
    dcMetric.Deattach();
    return nHead != 0 && nPage != 0 ? 1 : 0;
}

int CCappSheetHelper::PrintDWGList(CDC*& pDC, CObList& listCells, CCappSheet* pSheet, int nFlag, CString strText)
{
    if (pDC == nullptr || pSheet == nullptr) {
        return 0;
    }
    POSITION pos = listCells.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(listCells.GetNext(pos));
        const CString& strPath = pCell->m_strDrawText;
        if (pCell->m_nContentKind != kContentFile || strPath.IsEmpty()) {
            continue;
        }
        if (strPath.GetLength() < 4 || strPath.Right(4).CompareNoCase(".dwg") != 0) {
            continue;
        }
        if (!PrintDWGItem(pDC, CellRect(pSheet, pCell), nFlag, pCell->m_strText, strText, strPath)) {
            return 0;
        }
    }
    return 1;
}

int CCappSheetHelper::PrintDWGItem(CDC*& /*pDC*/, CRect /*rcCell*/, int /*nFlag*/, CString /*strOtherText*/,
                                   CString /*strText*/, CString /*strPath*/)
{
    return 1;
}

int CCappSheetHelper::PrintFreeObjectList(CDC*& /*pDC*/, CCappSheet* /*pSheet*/)
{
    return 1;
}

int CCappSheetHelper::ReadDefaultDwgLineWidth(CDC*& /*pDC*/, CCappSheet* /*pSheet*/)
{
    return 1;
}
