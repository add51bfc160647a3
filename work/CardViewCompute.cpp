// The card view's answers to the editor's computing and numbering messages.
#include "work/CappCardView.h"

#include <cstdlib>

#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappDCHelper.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"
#include "core/CellFieldDataItem.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "symedit/CappBaseCtrl.h"
#include "work/CardCellFun.h"
#include "work/CardCompute.h"
#include "work/SpecCharDlg.h"

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

LRESULT CCappCardView::OnMsgUserEditDlg(WPARAM, LPARAM)
{
    CCappBaseCtrl* pEdit = m_cellEditor.m_pEditCtrl;
    if (pEdit == nullptr || m_pCurCell == nullptr) {
        return 0;
    }
    CRect rcCell = m_rcCurCell;
    if (m_pCurShowMidData != nullptr && m_pCurMidData != nullptr) {
        const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow);
        if (const CCellDataItem* pRange = CCardCellFun::GetDataRange(m_pCurCell, row.nFirstGridRow)) {
            rcCell = pRange->m_rect;
        }
    }
    CSpecCharDlg dlg(this);
    pEdit->GetData(dlg.m_strText);
    m_pCurCell->GetDrawFont(dlg.m_lfFont);
    {
        CClientDC dc(GetSafeHwnd());
        dlg.m_lfFont.lfHeight = CCappDCHelper::GetTextHeightInDevice(&dc, dlg.m_lfFont.lfHeight);
        // Screen dots per tenth of a millimetre.
        const double fDotsX = dc.GetDeviceCaps(LOGPIXELSX) / 254.0;
        const double fDotsY = dc.GetDeviceCaps(LOGPIXELSY) / 254.0;
        dlg.m_nCellWidth = static_cast<int>(std::abs(rcCell.Width()) * fDotsX);
        dlg.m_nCellHeight = static_cast<int>(std::abs(rcCell.Height()) * fDotsY);
    }
    dlg.m_nFormat = m_pCurCell->m_nDisplay & 0x6;
    dlg.m_nAlign = m_pCurCell->m_nTextFormat & 0xF;
    CWinApp* pApp = FxGetApp();
    dlg.m_bAutoSize = pApp != nullptr ? static_cast<int>(pApp->GetProfileInt("Option", "AutoSizeEditDlg", 0)) : 0;
    INT_PTR nResult = IDCANCEL;
    {
        CFxResourceSwitch resources("VornWork.dll");
        nResult = dlg.DoModal();
    }
    if (nResult == IDOK && m_cellEditor.m_pEditCtrl != nullptr) {
        m_cellEditor.m_pEditCtrl->Replace(dlg.m_strText);
    }
    return 0;
}
