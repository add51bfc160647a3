// Detail-row operations of the card view: insert and delete around a locked row, the commands
// that renumber and sort (the ordering itself is CCardRowOrder's), and image files attached to
// cells.
#include "work/CappCardView.h"

#include <algorithm>

#include <commdlg.h>

#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappObj.h"
#include "core/CappSheet.h"
#include "core/CardCommFun.h"
#include "core/CardObj.h"
#include "core/CellFieldDataItem.h"
#include "core/CellIndexItem.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/FxFileDialog.h"
#include "platform/win/MsgBox.h"
#include "work/CappBaseFun.h"
#include "work/CardCellFun.h"
#include "work/CardRowOrder.h"
#include "work/CompData.h"
#include "work/RowOrderDlg.h"

// After an insert or delete in the current area: recount the pages (telling the host when the
// count changes), lay the area out again and redraw it.
void CCappCardView::AfterRowsInsertedOrDeleted(CCardObj* pCard, int nRedraw)
{
    int bChanged = 0;
    pCard->ReSetPageCount(bChanged, pCard->m_nCurPage);
    if (bChanged) {
        NotifyParent(msgPageChanged, static_cast<WPARAM>(pCard->m_CardData.m_nPageCount), pCard->m_nCurPage);
    }
    if (IsWindow()) {
        CClientDC dc(GetSafeHwnd());
        m_pCurMidData->UpdateMidCellData(&dc, m_pCurMidData->m_nPageStartRow, m_pCurMidData->m_nFirstLine);
    }
    ReDrawMDCell(m_pCurMidData->m_strName, nRedraw);
}

void CCappCardView::OnDataInsert()
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || m_pCurMidData == nullptr || m_nCurRow < 0 || m_pCurMidData->m_pMDData == nullptr) {
        return;
    }
    m_cellEditor.EndEdit(1);
    const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow);
    if (row.nDataRow < 0) {
        return;
    }
    CCappMDData* pData = m_pCurMidData->m_pMDData;
    const int nRow = row.nDataRow;
    if (m_pCurMidData->InsertRowData(nRow) == nullptr) {
        return;
    }
    if (pData->m_nLockRowID > 0 && pData->RowIDToRowIndex(pData->m_nLockRowID, FALSE) > nRow) {
        // The new row takes the place of an empty one above the locked row, which stays put.
        pData->LockRowCorrespondAction(nRow, CCappMDData::lockRowsDeleted, 1);
    }
    AfterRowsInsertedOrDeleted(pCard, 1);
}

void CCappCardView::OnDataDeltrow()
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || m_pCurMidData == nullptr || m_nCurRow < 0 || m_pCurMidData->m_pMDData == nullptr) {
        return;
    }
    m_cellEditor.EndEdit(1);
    const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow);
    CCappMDData* pData = m_pCurMidData->m_pMDData;
    const int nRow = row.nDataRow;
    if (nRow < 0 || row.bBeyond || nRow >= pData->GetRowCount()) {
        return;
    }
    if (MessageBox("请确认删除当前行!", "提示", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
        return;
    }
    int nKeptLines = 0;
    if (pData->m_nLockRowID > 0 && pData->RowIDToRowIndex(pData->m_nLockRowID, FALSE) > nRow) {
        nKeptLines = std::max(pData->GetRow(nRow)->m_nLineCount, 1);
    }
    if (!pData->DelRowData(nRow)) {
        return;
    }
    if (nKeptLines > 0) {
        // Empty rows fill the lines the deleted row took, so the locked row keeps its grid row.
        pData->LockRowCorrespondAction(nRow, CCappMDData::lockRowsInserted, nKeptLines);
    }
    AfterRowsInsertedOrDeleted(pCard, 0);
}

LRESULT CCappCardView::OnDataInsertMsg(WPARAM, LPARAM)
{
    OnDataInsert();
    return 0;
}

LRESULT CCappCardView::OnDataDeltrowMsg(WPARAM, LPARAM)
{
    OnDataDeltrow();
    return 0;
}

void CCappCardView::ResetRowOrder()
{
    if (m_pCurMidData == nullptr || m_pCurCell == nullptr) {
        return;
    }
    const CCellIndexItem* pStep = nullptr;
    POSITION pos = m_pCurMidData->m_listIndexItem.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pItem = static_cast<const CCellIndexItem*>(m_pCurMidData->m_listIndexItem.GetNext(pos));
        if (pItem->m_strVarName == m_pCurCell->m_strVarName) {
            pStep = pItem;
        }
    }
    if (pStep == nullptr) {
        MessageBox("当前字段不是索引字段，无法进行序号重排!", "提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int nLevel = pStep->m_nOrder;
    const CCardCellFun::MDRow row = CCardCellFun::GetDataRowAt(m_pCurMidData, m_nCurRow);
    m_cellEditor.EndEdit(1);
    CRowOrderDlg dlg(this);
    INT_PTR nResult = IDCANCEL;
    {
        CFxResourceSwitch resources("VornWork.dll");
        nResult = dlg.DoModal();
    }
    if (nResult != IDOK) {
        return;
    }
    if (dlg.m_nStart == CRowOrderDlg::startFromTop) {
        ResetVarOrder(nLevel, 0, 0, dlg.m_nRange);
    } else if (dlg.m_nStart == CRowOrderDlg::startFromCurrent) {
        ResetVarOrder(nLevel, row.nDataRow, 1, dlg.m_nRange);
    } else {
        return;
    }
    if (CCardObj* pCard = GetCard()) {
        pCard->UpdateCurPageData();
    }
    ReDrawMDCell(m_pCurMidData->m_strName, 1);
    ReSzieAllExistControl();
}

int CCappCardView::ResetVarOrder(int nLevel, int nStart, int bFromCur, int bGroupOnly)
{
    return CCardRowOrder::ResetVarOrder(m_pCurMidData, nLevel, nStart, bFromCur, bGroupOnly);
}

void CCappCardView::ResetMDOrder(CString strName)
{
    CCardObj* pCard = GetCard();
    CCappSheet* pMaster = pCard != nullptr ? pCard->GetMasterSheet() : nullptr;
    if (pMaster == nullptr || m_pCurMidData == nullptr) {
        return;
    }
    auto renumber = [this]() {
        const int nSteps = static_cast<int>(m_pCurMidData->m_listIndexItem.GetCount());
        for (int nLevel = 0; nLevel < nSteps; ++nLevel) {
            ResetVarOrder(nLevel, 0, 0, 0);
        }
    };
    if (!strName.IsEmpty()) {
        if (CCardCellFun::FindArea(pMaster, strName) != nullptr) {
            renumber();
        }
        return;
    }
    POSITION pos = pMaster->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pArea = static_cast<const CCappMidData*>(pMaster->m_MidDataList.GetNext(pos));
        if (pArea->m_nExtFlag != 1) {
            renumber();
        }
    }
}

CString CCappCardView::GetRowAutoOrder(int nRow, CString strMDName, CString strVarName)
{
    return CCardRowOrder(GetCurSheet()).GetRowAutoOrder(nRow, strMDName, strVarName);
}

void CCappCardView::SortCurMDRowIndex(int nIndexMarker)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || m_pCurMidData == nullptr || m_pCurMidData->m_pMDData == nullptr) {
        return;
    }
    if (nIndexMarker < 0) {
        CCardCellFun::ShowMainText("当前表中没建过索引，无法进行数据重排！");
        return;
    }
    if (nIndexMarker == 0) {
        return;
    }
    m_cellEditor.EndEdit(1);
    SortMDRowByMDName(m_pCurMidData->m_strName, "");
    int bChanged = 0;
    pCard->ReSetPageCount(bChanged, 1);
    if (bChanged) {
        NotifyParent(msgPageChanged, static_cast<WPARAM>(pCard->m_CardData.m_nPageCount), pCard->m_nCurPage);
    }
    pCard->UpdateCurPageData();
    ReDrawMDCell(m_pCurMidData->m_strName, 1);
}

void CCappCardView::SortMDRow(CString strName)
{
    if (!strName.IsEmpty()) {
        SortMDRowByMDName(strName, "");
        return;
    }
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet == nullptr) {
        return;
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pArea = static_cast<const CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        if (pArea->m_nExtFlag != 1) {
            SortMDRowByMDName(pArea->m_strName, "");
        }
    }
}

void CCappCardView::SortMDRowByMDName(CString strMDName, CString strKeyName)
{
    CCardRowOrder(GetCurSheet()).SortArea(strMDName, strKeyName);
}

int CCappCardView::SortTextNest(CCappMDData* pData, CStringArray& keys, int nFirst, int nLast)
{
    return CCardRowOrder(GetCurSheet()).SortTextNest(pData, keys, nFirst, nLast);
}

int CCappCardView::BulkExchangeRow(CCappMDData* pData, CString strKey, int nA, int nB, int nFirst, int nLast)
{
    return CCardRowOrder::BulkExchangeRow(pData, strKey, nA, nB, nFirst, nLast);
}

void CCappCardView::ResertUserRowCount(CString strName)
{
    CCardObj* pCard = GetCard();
    CCappSheet* pMaster = pCard != nullptr ? pCard->GetMasterSheet() : nullptr;
    if (pMaster == nullptr || !IsWindow()) {
        return;
    }
    CClientDC dc(GetSafeHwnd());
    auto measure = [&dc](CCappMidData* pArea) {
        if (pArea->m_pMDData == nullptr) {
            return;
        }
        POSITION pos = pArea->m_pMDData->m_listRowData.GetHeadPosition();
        while (pos != nullptr) {
            auto* pRow = static_cast<CCappMidRow*>(pArea->m_pMDData->m_listRowData.GetNext(pos));
            BOOL bChanged = FALSE;
            pArea->SetUseRowCount(&dc, pRow, bChanged, TRUE);
        }
    };
    if (!strName.IsEmpty()) {
        if (CCappMidData* pArea = CCardCellFun::FindArea(pMaster, strName)) {
            measure(pArea);
        }
        return;
    }
    POSITION pos = pMaster->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pMaster->m_MidDataList.GetNext(pos));
        if (pArea->m_nExtFlag != 1) {
            measure(pArea);
        }
    }
}

void CCappCardView::OnCellSelBmpFile()
{
    FxFileDialogParams params;
    params.pszFilter = "DWG文件(*.dwg)\0*.dwg\0bmp文件(*.bmp)\0*.bmp\0";
    params.pszTitle = "选择图形文件";
    params.pszDefExt = "dwg";
    params.dwFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    CString strFile;
    if (FxAskFileName(GetSafeHwnd(), TRUE, params, strFile)) {
        AttachImageFile(strFile);
    }
}

BOOL CCappCardView::AttachImageFile(const CString& strSrcPath)
{
    CCardObj* pCard = GetCard();
    CCappSheet* pSheet = GetCurSheet();
    CCellFieldDataItem* pItem = nullptr;
    if (pCard != nullptr && pSheet != nullptr && m_pCurCell != nullptr && m_pCappObj != nullptr) {
        if (pSheet->m_HeadCellList.Find(m_pCurCell) != nullptr) {
            pItem = pCard->m_CardData.m_HFData.GetVarDataItem(m_pCurCell->m_strVarName);
        } else if (pSheet->m_PageCellList.Find(m_pCurCell) != nullptr) {
            pItem = pCard->m_CardData.m_PgData.GetVarDataItem(pCard->m_nCurPage, m_pCurCell->m_strVarName);
        }
    }
    if (pItem == nullptr) {
        CCardCellFun::ShowMainText("设置数据出错!");
        return FALSE;
    }
    CString strName;
    strName.Format("%s.%s", m_pCappObj->GetNewItemCode().GetString(),
                   CCardCommFun::GetFileExtName(strSrcPath).GetString());
    CString strPath;
    strPath.Format("%s\\%s", m_strCardDir.GetString(), strName.GetString());
    // The value moves to the copy only once the copy is there: a failed copy would leave the
    // card pointing at a file that does not exist.
    ::DeleteFileA(strPath);
    if (!::CopyFileA(strSrcPath, strPath, TRUE) || ::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES) {
        CString strText;
        strText.Format("复制文件失败: %s", strSrcPath.GetString());
        CCardCellFun::ShowMainText(strText);
        return FALSE;
    }
    pItem->SetData(strName);
    pItem->m_strFilePath = strPath;
    m_pCurCell->m_strText = strName;
    m_pCurCell->m_strDrawText = strPath;
    UpdateAllExistControl(m_pCurCell);
    return TRUE;
}
