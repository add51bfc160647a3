// The card view's answers to the editor's computing and numbering messages.
#include "work/CappCardView.h"

#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardObj.h"
#include "core/CellFieldDataItem.h"
#include "symedit/CappBaseCtrl.h"
#include "work/CardCellEditorFun.h"
#include "work/CardCompute.h"

LRESULT CCappCardView::OnCurEditComputer_ByMsg(WPARAM, LPARAM)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || m_pCurCell == nullptr || m_cellEditor.m_pEditCtrl == nullptr ||
        CCardCompute::GetComputeKind(m_pCurCell) != CCardCompute::kindCompute) {
        return 0;
    }
    CStringArray names;
    CStringArray values;
    if (m_pCurShowMidData != nullptr && m_pCurMidData != nullptr) {
        const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow);
        const CCappMDData* pData = m_pCurMidData->m_pMDData;
        if (pData == nullptr || row.nDataRow < 0 || row.bBeyond || row.nDataRow >= pData->GetRowCount()) {
            return 0;
        }
        for (INT_PTR i = 0; i < pData->m_arrVarName.GetSize(); ++i) {
            CString strValue;
            pData->GetVarData(row.nDataRow, pData->m_arrVarName[i], strValue, CCappMDData::inheritNever);
            names.Add(pData->m_arrVarName[i]);
            values.Add(strValue);
        }
    } else if (m_pCurCell->m_nDataPos == CCappCell::seatPage) {
        // Page cells compute from nothing: the result stays empty.
        return 0;
    } else {
        const CCappHFData& head = pCard->m_CardData.m_HFData;
        for (INT_PTR i = 0; i < head.m_arrVarName.GetSize(); ++i) {
            CString strValue;
            head.GetVarData(head.m_arrVarName[i], strValue);
            names.Add(head.m_arrVarName[i]);
            values.Add(strValue);
        }
    }
    const CString strResult = CCardCompute::Compute(CCardCompute::GetComputeExpress(m_pCurCell), names, values);
    if (!strResult.IsEmpty()) {
        m_cellEditor.ReplaceEditText(strResult);
    }
    return 0;
}

CString CCappCardView::GetNextIndexText()
{
    if (m_pCurCell == nullptr || m_pCurShowMidData == nullptr || m_pCurMidData == nullptr) {
        return "";
    }
    const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow);
    return CCardCompute::GetNextIndexText(m_pCurMidData->m_pMDData, m_pCurCell->m_strVarName, row.nDataRow,
                                          m_pCurMidData->GetIndexStepByVarName(m_pCurCell->m_strVarName));
}

LRESULT CCappCardView::OnSetIndexString_ByMsg(WPARAM, LPARAM)
{
    CCappBaseCtrl* pEdit = m_cellEditor.m_pEditCtrl;
    if (pEdit == nullptr) {
        return 0;
    }
    const CString strText = GetNextIndexText();
    if (strText.IsEmpty() && (pEdit->GetEditStyle() & 0x80) != 0) {
        return 0;
    }
    m_cellEditor.ReplaceEditText(strText);
    return 0;
}
