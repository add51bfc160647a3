#include "work/CardCellPicker.h"

#include "core/CappCell.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CellDataItem.h"
#include "platform/frame/WinApp.h"
#include "work/CardCellFun.h"

namespace
{
bool IsPickable(const CCappCell* pCell)
{
    return !pCell->IsHide() &&
           (pCell->m_nContentKind == CCappCell::kindVariable || pCell->m_nContentKind == CCappCell::kindImage);
}
} // namespace

CCardCellPicker::CCardCellPicker(CCappSheet* pSheet) : m_pSheet(pSheet)
{
}

BOOL CCardCellPicker::Pick(CPoint ptSheet, Hit& hit) const
{
    hit = Hit();
    if (m_pSheet == nullptr) {
        return TRUE;
    }
    if (CCappMidData* pArea = CCardCellFun::AreaAtPoint(m_pSheet, ptSheet)) {
        if (!PickDetail(pArea, ptSheet, hit)) {
            hit = Hit();
            return FALSE;
        }
        return TRUE;
    }
    PickHeadOrPage(ptSheet, hit);
    return TRUE;
}

void CCardCellPicker::PickHeadOrPage(CPoint ptSheet, Hit& hit) const
{
    for (CObList* pList : {&m_pSheet->m_HeadCellList, &m_pSheet->m_PageCellList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr && hit.pCell == nullptr) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            if (IsPickable(pCell) && m_pSheet->GetCellRect(pCell).PtInRect(ptSheet)) {
                hit.pCell = pCell;
                hit.nRow = 0;
            }
        }
    }
}

BOOL CCardCellPicker::PickDetail(CCappMidData* pArea, CPoint ptSheet, Hit& hit) const
{
    CCappMidData* pSource = pArea;
    if (pArea->m_nExtFlag == 1) {
        pSource = CCardCellFun::FindArea(m_pSheet, pArea->m_strSrcName);
        if (pSource == nullptr) {
            return FALSE;
        }
    }
    CCappCell* pCandidate = nullptr;
    POSITION pos = pArea->m_listMidCell.GetHeadPosition();
    while (pos != nullptr && pCandidate == nullptr) {
        auto* pCell = static_cast<CCappCell*>(pArea->m_listMidCell.GetNext(pos));
        if (!IsPickable(pCell)) {
            continue;
        }
        const CRect rc = m_pSheet->GetCellRect(pCell);
        if (rc.left < ptSheet.x && ptSheet.x < rc.right) {
            pCandidate = pSource->GetCellByName(pCell->m_strVarName);
        }
    }
    if (pCandidate == nullptr) {
        return FALSE;
    }
    int nGridRow = -1;
    int nIndex = 0;
    pos = pCandidate->m_listCellData.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pRange = static_cast<const CCellDataItem*>(pCandidate->m_listCellData.GetNext(pos));
        if (pRange->m_rect.PtInRect(ptSheet)) {
            nGridRow = nIndex;
            break;
        }
        ++nIndex;
    }
    const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(pSource, nGridRow);
    if (row.nFirstGridRow < 0) {
        return FALSE;
    }
    if (row.nFirstGridRow == 0 && pArea->m_nFirstLine > 0) {
        // The row's first lines are on the page before: editable here only where allowed.
        CWinApp* pApp = FxGetApp();
        const bool bNextPageEdit = pApp != nullptr && pApp->GetProfileInt("Option", "NextPageEdit", 0) != 0;
        if (!bNextPageEdit || !CCardCellFun::IsContinuationEditable(pCandidate)) {
            return FALSE;
        }
    } else if (pArea->GetMDNameByDataIndex(nGridRow) != pArea->GetMDNameByDataIndex(row.nFirstGridRow)) {
        return FALSE;
    }
    hit.pCell = pCandidate;
    hit.pShowMidData = pArea;
    hit.pMidData = pSource;
    hit.nRow = row.nFirstGridRow;
    return TRUE;
}
