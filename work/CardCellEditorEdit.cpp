// The in-place editor of the card view: opening it over the selected cell, writing its text back
// into the card's data and the values other commands store into cells.
#include <algorithm>
#include <memory>

#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"
#include "core/CellFieldDataItem.h"
#include "core/RelResItem.h"
#include "core/RelVarFormat.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "symedit/CappNumEdit.h"
#include "symedit/GlyphworkEdit.h"
#include "work/CappCardView.h"
#include "work/CardCellEditor.h"
#include "work/CardCellFun.h"
#include "work/CardCellGlyphEdit.h"
#include "work/CardMenuFun.h"

namespace
{
// As the card lays detail values out for its pages.
constexpr int kRangeInset = 10;

enum { editorSymbol = 1, editorInteger = 2, editorFloat = 3 };

bool IsDetailSelection(const CCappCardView& view)
{
    return view.m_pCurShowMidData != nullptr && view.m_pCurMidData != nullptr;
}

// The special edit's row-breaking flags of a cell, as the cell draws its value.
int EditFormatOf(const CCappCell* pCell)
{
    return (pCell->m_nDisplay & 0x6) & (CGlyphworkEdit::formatFitRow | CGlyphworkEdit::formatBreakByWidth);
}

// Lines of a value laid out off screen in the cell's first data range, as the page filling does.
int LaidOutRows(CDC* pDC, const CCappCell* pCell, const CString& strValue)
{
    CRect rect;
    pCell->GetBaseRect(rect);
    rect.DeflateRect(kRangeInset, 0);
    LOGFONTA lf;
    pCell->GetDrawFont(lf);
    CGlyphworkEdit edit;
    edit.SetBaseData(pDC, rect, lf, CGlyphworkEdit::formatBreakByWidth, pCell->m_nTextFormat & 0xF, strValue);
    return edit.GetRowCount();
}
} // namespace

CWnd* CCardCellEditor::GetEditWnd() const
{
    if (auto* pSymbol = dynamic_cast<CGlyphworkEdit*>(m_pEditCtrl)) {
        return pSymbol;
    }
    if (auto* pNumber = dynamic_cast<CCappNumEdit*>(m_pEditCtrl)) {
        return pNumber;
    }
    return nullptr;
}

void CCardCellEditor::BeginEdit(CPoint ptClick)
{
    EndEdit(1);
    if (m_pView == nullptr) {
        return;
    }
    CCappCardView& view = *m_pView;
    CCappCell* pCell = view.m_pCurCell;
    CCardObj* pCard = view.GetCard();
    // A read-only card is shown, never written, whatever the host asks.
    if (pCard == nullptr || pCell == nullptr || view.m_bReadOnly || view.m_rcCurCell.IsRectEmpty() ||
        pCell->m_nContentKind != CCappCell::kindVariable || pCell->IsHide() || pCell->m_bAllowInput == 0 ||
        !view.IsWindow()) {
        return;
    }
    const int nKind = CCardCellFun::GetEditorKind(pCell);
    if (nKind != editorSymbol && nKind != editorInteger && nKind != editorFloat) {
        return;
    }
    CCellFieldDataItem* pItem = nullptr;
    GetCurDataItem(pItem);
    const CString strText = pItem != nullptr ? pItem->GetData() : CString();
    CString strSuggested;

    CRect rcText = view.m_rcCurCell;
    int nContinued = 0;
    const bool bDetail = IsDetailSelection(view);
    if (bDetail) {
        CCappMidData* pArea = view.m_pCurMidData;
        const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(pArea, view.m_nCurRow);
        if (row.nDataRow < 0 || pArea->m_pMDData == nullptr) {
            return;
        }
        while (pArea->m_pMDData->GetRowCount() <= row.nDataRow) {
            if (pArea->InsertRowData(-1) == nullptr) {
                return;
            }
        }
        CCellDataItem* pRange = CCardCellFun::GetDataRange(pCell, row.nFirstGridRow);
        if (pRange == nullptr) {
            return;
        }
        rcText = pRange->m_rect;
        if (strText.IsEmpty() && view.m_bIndexAdd) {
            strSuggested = view.GetRowAutoOrder(row.nDataRow, pArea->m_strName, pCell->m_strVarName);
        }
        if (row.nFirstGridRow == 0 && row.nDataRow == pArea->m_nPageStartRow) {
            nContinued = std::max(pArea->m_nFirstLine, 0);
        }
    }
    rcText.bottom += 1;
    CRect rcWnd = rcText;
    {
        CClientDC dc(view.GetSafeHwnd());
        view.PrepareDrawDC(dc);
        dc.LPtoDP(&rcWnd);
    }
    rcWnd.NormalizeRect();
    // The special edit reads (-1, -1) as no click.
    CPoint ptCaret(-1, -1);
    if (ptClick.x != 0 || ptClick.y != 0) {
        ptCaret = CPoint(ptClick.x - rcWnd.left, ptClick.y - rcWnd.top);
    }
    LOGFONTA lf;
    pCell->GetDrawFont(lf);
    const int nAlign = pCell->m_nTextFormat & 0xF;
    const float fScale = view.GetZoomLevel();
    if (nKind == editorSymbol) {
        if (nContinued > 0) {
            // Lines the previous page shows already are not edited here.
            CClientDC dc(view.GetSafeHwnd());
            if (LaidOutRows(&dc, pCell, strText) <= nContinued) {
                ShowCurCell(0);
                return;
            }
        }
        auto pEdit = std::make_unique<CCardCellGlyphEdit>(CCardCellGlyphEdit::CanShowNotation(pCell));
        pEdit->SetTextData(lf, strText,
                           EditFormatOf(pCell) | (bDetail ? static_cast<int>(CGlyphworkEdit::formatBreakByWidth) : 0),
                           nAlign, fScale, 0);
        pEdit->SetLineStyle(1, 0);
        if (nContinued > 0) {
            pEdit->SetBeginRow(nContinued);
        }
        if (!pEdit->CreateEdit(&view, pCell->m_nEditFlags | CGlyphworkEdit::styleNoAlignPrefix, rcWnd, rcText,
                               idEditCtrl, ptCaret)) {
            return;
        }
        // The window's destruction deletes it from now on.
        m_pEditCtrl = pEdit.release();
    } else {
        auto* pEdit =
            new CCappNumEdit(&view, rcWnd, lf, idEditCtrl, strText, 0, static_cast<UINT>(nAlign), fScale, ptCaret);
        if (pEdit->GetSafeHwnd() == nullptr) {
            delete pEdit;
            return;
        }
        m_pEditCtrl = pEdit;
    }
    m_bEditing = TRUE;
    m_strOpenText = strText;
    if (pCell->m_nEditFlags & CGlyphworkEdit::styleReadOnly) {
        m_pEditCtrl->ModifyEditStyle(0, CGlyphworkEdit::styleReadOnly);
    }
    CCardMenuFun::AppendCellItems(m_pEditCtrl, pCell);
    m_pEditCtrl->AppendMenuItem("editdlg", 0x514);
    m_pEditCtrl->AppendMenuItem("存为典型工艺单元", 0x512);
    m_pEditCtrl->AppendMenuItem("装入典型工艺单元", 0x513);
    if (bDetail) {
        m_pEditCtrl->AppendMenuItem("插入一行", 0x8005);
        m_pEditCtrl->AppendMenuItem("删除当前行", 0x8004);
        m_pEditCtrl->AppendMenuItem("设置表中子卡", 0x8012);
    } else {
        m_pEditCtrl->AppendMenuItem("设置表头子卡", 0x8013);
        m_pEditCtrl->AppendMenuItem("设置页面子卡", 0x8014);
    }
    if (!strSuggested.IsEmpty()) {
        m_pEditCtrl->Replace(strSuggested);
    }
}

void CCardCellEditor::EndEdit(BOOL bSave)
{
    if (m_pEditCtrl == nullptr) {
        return;
    }
    if (bSave == 1) {
        SaveEditData();
    }
    CCappBaseCtrl* pCtrl = m_pEditCtrl;
    CWnd* pWnd = GetEditWnd();
    m_pEditCtrl = nullptr;
    m_bEditing = FALSE;
    if (m_nInEditorKey > 0 && pWnd != nullptr && pWnd->IsWindow()) {
        // The editor is still inside its own key handler: it closes once that has returned.
        pWnd->ShowWindow(SW_HIDE);
        pWnd->PostMessage(WM_CLOSE);
    } else {
        pCtrl->DestroyEdit();
    }
    if (m_pView != nullptr && m_pView->IsWindow()) {
        m_pView->SetFocus();
    }
}

void CCardCellEditor::SaveEditData()
{
    if (m_pView == nullptr || m_pEditCtrl == nullptr || m_pView->m_pCurCell == nullptr) {
        return;
    }
    CString strText;
    m_pEditCtrl->GetData(strText);
    if (strText == m_strOpenText) {
        return;
    }
    CCappCardView& view = *m_pView;
    CCappCell* pCell = view.m_pCurCell;
    if (IsDetailSelection(view)) {
        StoreDetailValue(pCell, strText);
        return;
    }
    StoreHeadOrPageValue(pCell, strText);
    if (pCell->m_nDataPos == CCappCell::seatHead && CCardCellFun::IsChangeNotice(pCell)) {
        const CString strName = pCell->m_strVarName;
        view.NotifyParent(CCappCardView::msgVarChanged, 0, reinterpret_cast<LPARAM>(&strName));
    }
}

void CCardCellEditor::StoreHeadOrPageValue(CCappCell* pCell, const CString& strText)
{
    CCardObj* pCard = m_pView->GetCard();
    if (pCard == nullptr) {
        return;
    }
    CString strValue = strText;
    if (pCell->m_nDataPos == CCappCell::seatPage) {
        pCard->m_CardData.m_PgData.SetVarData(pCard->m_nCurPage, pCell->m_strVarName, strValue);
    } else {
        pCard->m_CardData.m_HFData.SetVarData(pCell->m_strVarName, strValue);
    }
    pCell->m_strText = strText;
    InvalidateCell(pCell);
}

BOOL CCardCellEditor::StoreDetailValue(CCappCell* pCell, const CString& strText)
{
    CCappCardView& view = *m_pView;
    CCappMidData* pArea = view.m_pCurMidData;
    CCappMDData* pMDData = pArea != nullptr ? pArea->m_pMDData : nullptr;
    const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(pArea, view.m_nCurRow);
    if (pMDData == nullptr || row.nDataRow < 0) {
        return FALSE;
    }
    while (pMDData->GetRowCount() <= row.nDataRow && pArea->InsertRowData(-1) != nullptr) {
    }
    CCappMidRow* pRow = pMDData->GetRow(row.nDataRow);
    if (pRow == nullptr) {
        return FALSE;
    }
    if (pRow->m_nState == CCappMidRow::stateUnchanged) {
        pRow->m_nState = CCappMidRow::stateModified;
    }
    const int nOldLines = pRow->m_nLineCount;
    CString strValue = pMDData->TransitionData(pCell->m_strVarName, strText);
    pMDData->SetVarData(row.nDataRow, pCell->m_strVarName, strValue);
    pMDData->m_bModify = TRUE;
    BOOL bChanged = FALSE;
    {
        CClientDC dc(view.GetSafeHwnd());
        pArea->SetUseRowCount(&dc, pRow, bChanged, TRUE);
    }
    const int nNewLines = pRow->m_nLineCount;
    if (pMDData->m_nLockRowID > 0 && nNewLines != nOldLines) {
        const int nLocked = pMDData->RowIDToRowIndex(pMDData->m_nLockRowID, 0);
        if (nLocked > row.nDataRow) {
            pMDData->LockRowCorrespondAction(row.nDataRow, nNewLines > nOldLines ? 1 : 0,
                                             std::abs(nNewLines - nOldLines));
        }
    }
    RelayoutDetailArea(row.nDataRow, nNewLines != nOldLines);
    return TRUE;
}

void CCardCellEditor::RelayoutDetailArea(int nDataRow, bool bLinesChanged)
{
    CCappCardView& view = *m_pView;
    CCardObj* pCard = view.GetCard();
    CCappMidData* pArea = view.m_pCurMidData;
    if (pCard == nullptr || pArea == nullptr) {
        return;
    }
    if (bLinesChanged) {
        int nFromPage = pCard->m_nCurPage;
        if (nDataRow == pArea->m_nPageStartRow && pArea->m_nFirstLine > 0 && pArea->m_pMDData != nullptr) {
            int nFirstPage = 0;
            int nSecond = 0;
            if (pArea->m_pMDData->GetRowPageInfo(nDataRow, nFirstPage, nSecond) && nFirstPage >= 1) {
                nFromPage = nFirstPage;
            }
        }
        int bChanged = 0;
        pCard->ReSetPageCount(bChanged, nFromPage);
        if (bChanged) {
            view.NotifyParent(CCappCardView::msgPageChanged, static_cast<WPARAM>(pCard->m_CardData.m_nPageCount),
                              pCard->m_nCurPage);
        }
    }
    // The page's texts from its first data row on, as the card lays them out.
    int nStart = 0;
    int nOffset = 0;
    int bLast = 0;
    if (pCard->GetPageBegDataRowIndex(pCard->m_nCurPage, pArea->m_strName, nStart, nOffset, bLast)) {
        CClientDC dc(view.GetSafeHwnd());
        pArea->UpdateMidCellData(&dc, nStart, nOffset);
    }
    view.ReDrawMDCell(view.m_pCurShowMidData != nullptr ? view.m_pCurShowMidData->m_strName : pArea->m_strName, 1);
}

void CCardCellEditor::GetCurDataItem(CCellFieldDataItem*& pItem)
{
    pItem = nullptr;
    CCardObj* pCard = m_pView != nullptr ? m_pView->GetCard() : nullptr;
    CCappCell* pCell = m_pView != nullptr ? m_pView->m_pCurCell : nullptr;
    if (pCard == nullptr || pCell == nullptr) {
        return;
    }
    if (IsDetailSelection(*m_pView)) {
        CCappMidData* pArea = m_pView->m_pCurMidData;
        const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(pArea, m_pView->m_nCurRow);
        if (pArea->m_pMDData != nullptr && row.nDataRow >= 0 && !row.bBeyond) {
            pItem = pArea->m_pMDData->GetVarDataItem(row.nDataRow, pCell->m_strVarName);
        }
    } else if (pCell->m_nDataPos == CCappCell::seatPage) {
        pItem = pCard->m_CardData.m_PgData.GetVarDataItem(pCard->m_nCurPage, pCell->m_strVarName);
    } else {
        pItem = pCard->m_CardData.m_HFData.GetVarDataItem(pCell->m_strVarName);
    }
}

CString CCardCellEditor::GetCurVarValue(CString strName, int nInherit)
{
    CString strValue;
    CCardObj* pCard = m_pView != nullptr ? m_pView->GetCard() : nullptr;
    CCappCell* pCell = m_pView != nullptr ? m_pView->m_pCurCell : nullptr;
    if (pCard == nullptr || pCell == nullptr) {
        return strValue;
    }
    if (IsDetailSelection(*m_pView)) {
        CCappMDData* pMDData = m_pView->m_pCurMidData->m_pMDData;
        const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(m_pView->m_pCurMidData, m_pView->m_nCurRow);
        if (pMDData != nullptr && pMDData->GetVarIndex(strName) >= 0) {
            if (row.nDataRow >= 0 && row.nDataRow < pMDData->GetRowCount()) {
                pMDData->GetVarData(row.nDataRow, strName, strValue, nInherit);
            }
            return strValue;
        }
        pCard->m_CardData.m_HFData.GetVarData(strName, strValue);
    } else if (pCell->m_nDataPos == CCappCell::seatPage) {
        pCard->m_CardData.m_PgData.GetVarData(pCard->m_nCurPage, strName, strValue);
    } else {
        pCard->m_CardData.m_HFData.GetVarData(strName, strValue);
    }
    return strValue;
}

void CCardCellEditor::ReplaceVarRefs(CString& strText)
{
    CString strOut;
    int i = 0;
    for (;;) {
        const int nOpen = strText.Find('[', i);
        const int nClose = nOpen >= 0 ? strText.Find(']', nOpen + 1) : -1;
        if (nOpen < 0 || nClose < 0) {
            strOut += strText.Mid(i);
            break;
        }
        strOut += strText.Mid(i, nOpen - i);
        strOut += GetCurVarValue(strText.Mid(nOpen + 1, nClose - nOpen - 1), 0);
        i = nClose + 1;
    }
    strText = strOut;
}

void CCardCellEditor::ReplaceEditText(CString strText)
{
    if (m_pEditCtrl == nullptr) {
        return;
    }
    const bool bReadOnly = (m_pEditCtrl->GetEditStyle() & CGlyphworkEdit::styleReadOnly) != 0;
    if (bReadOnly) {
        m_pEditCtrl->ModifyEditStyle(CGlyphworkEdit::styleReadOnly, 0);
    }
    m_pEditCtrl->Replace(strText);
    if (bReadOnly) {
        m_pEditCtrl->ModifyEditStyle(0, CGlyphworkEdit::styleReadOnly);
    }
    m_pEditCtrl->SetWndFocurs();
}

void CCardCellEditor::InsertEditText(CString strText)
{
    if (m_pEditCtrl == nullptr) {
        return;
    }
    if (m_pEditCtrl->GetEditStyle() & CGlyphworkEdit::styleReadOnly) {
        ReplaceEditText(strText);
        return;
    }
    m_pEditCtrl->Paste(strText);
    m_pEditCtrl->SetWndFocurs();
}

void CCardCellEditor::StoreCellValue(CCappCell* pCell, CString strValue, int /*nUnused*/)
{
    if (m_pView == nullptr || pCell == nullptr) {
        return;
    }
    if (pCell->m_nDataPos == CCappCell::seatMidData) {
        if (IsDetailSelection(*m_pView)) {
            StoreDetailValue(pCell, strValue);
        }
        return;
    }
    StoreHeadOrPageValue(pCell, strValue);
}

void CCardCellEditor::StoreVarValues(const CCappCell* pRecord, CString strMDName, const CStringArray& arrValues)
{
    if (m_pView == nullptr || pRecord == nullptr || pRecord->m_listRelRes.IsEmpty()) {
        return;
    }
    CCappSheet* pSheet = m_pView->GetCurSheet();
    // The variables are the output formats of the record's first related resource, listed
    // whatever its formats flag says, as the request to another database lists them.
    const auto* pRes = static_cast<const CRelResItem*>(pRecord->m_listRelRes.GetHead());
    INT_PTR i = 0;
    POSITION pos = pRes->m_listFormat.GetHeadPosition();
    for (; pos != nullptr && i < arrValues.GetSize(); ++i) {
        const CString& strVarName = static_cast<const CRelVarFormat*>(pRes->m_listFormat.GetNext(pos))->m_strColumn;
        CCappCell* pCell = CCardCellFun::FindCellByKind(pSheet, pRecord->m_nDataPos, strMDName, strVarName);
        if (pCell == nullptr) {
            CString strText;
            strText.Format("存储数据出错，找不到卡片变量 %s ！", strVarName.GetString());
            m_pView->MessageBox(strText, "提示", MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        StoreCellValue(pCell, arrValues[i], 0);
    }
}

BOOL CCardCellEditor::FocusCell(CString strVarName, int nDataRow)
{
    if (m_pView == nullptr) {
        return FALSE;
    }
    CCappCardView& view = *m_pView;
    CCappSheet* pSheet = view.GetCurSheet();
    view.m_pCurCell = nullptr;
    view.m_pCurMidData = nullptr;
    view.m_pCurShowMidData = nullptr;
    view.m_nCurRow = -1;
    view.m_rcCurCell.SetRectEmpty();
    if (pSheet == nullptr || strVarName.IsEmpty()) {
        return FALSE;
    }
    for (CObList* pList : {&pSheet->m_HeadCellList, &pSheet->m_PageCellList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            if (pCell->m_strVarName == strVarName) {
                view.m_pCurCell = pCell;
                view.m_nCurRow = 0;
                ShowCurCell(1);
                return TRUE;
            }
        }
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        CCappCell* pCell = pArea->GetCellByName(strVarName);
        if (pCell == nullptr || pArea->m_nExtFlag == 1) {
            continue;
        }
        for (int nGrid = 0; nGrid < pArea->m_nRowsPerPage; ++nGrid) {
            const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(pArea, nGrid);
            if (row.nDataRow < 0 || row.bBeyond) {
                break;
            }
            if (row.nDataRow == nDataRow && row.nFirstGridRow == nGrid) {
                view.m_pCurCell = pCell;
                view.m_pCurMidData = pArea;
                view.m_pCurShowMidData = pArea;
                view.m_nCurRow = nGrid;
                ShowCurCell(1);
                return TRUE;
            }
        }
        break;
    }
    ShowCurCell(0);
    return FALSE;
}

void CCardCellEditor::PasteMark()
{
    if (m_pView != nullptr && m_pView->m_bEditOnDblClk && m_pView->m_pCurCell != nullptr &&
        IsDetailSelection(*m_pView)) {
        m_pView->m_pCurCell->m_strText = "ss";
    }
}
