// Numbering a new detail row that a value from outside the editor has started.
#include "work/CardCellEditor.h"

#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardObj.h"
#include "core/CellIndexItem.h"
#include "platform/gdi/ClientDC.h"
#include "work/CappCardView.h"
#include "work/CardCellFun.h"

void CCardCellEditor::AutoIndexEmptyRow()
{
    if (m_pView == nullptr || m_pView->m_pCurCell == nullptr || m_pView->m_pCurShowMidData == nullptr) {
        return;
    }
    CCappCardView& view = *m_pView;
    CCardObj* pCard = view.GetCard();
    CCappMidData* pArea = view.m_pCurMidData;
    if (pCard == nullptr || pArea == nullptr || pArea->m_pMDData == nullptr || pArea->m_listIndexItem.GetCount() != 1) {
        return;
    }
    CCappMDData* pData = pArea->m_pMDData;
    const int nRow = CCardCellFun::GetDataRowAt(pArea, view.m_nCurRow).nDataRow;
    if (nRow < 0 || nRow >= pData->GetRowCount() || !pData->IsEmptyRow(nRow)) {
        return;
    }
    const auto* pStep = static_cast<const CCellIndexItem*>(pArea->m_listIndexItem.GetHead());
    // Any non-empty mark makes the renumbering count the row.
    CString strMark = "-1";
    pData->SetVarData(nRow, pStep->m_strVarName, strMark);
    view.ResetVarOrder(pStep->m_nOrder, 0, 0, 0);
    int nFirstRow = 0;
    int nFirstLine = 0;
    if (view.IsWindow() && pData->GetPageBegDataRowIndex(pCard->m_nCurPage, nFirstRow, nFirstLine)) {
        CClientDC dc(view.GetSafeHwnd());
        pArea->UpdateMidCellData(&dc, nFirstRow, nFirstLine);
    }
    view.ReDrawMDCell(pArea->m_strName, 1);
}
