// Detail-row operations of the card view: insert and delete around a locked row, index
// renumbering by level, the next order text, natural sorting with multi-row entries, and image
// files attached to cells.
#include "work/CappCardView.h"

#include <algorithm>
#include <vector>

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
#include "work/CompData.h"
#include "work/RowOrderDlg.h"

namespace
{
// The last index step of that level; null when there is none.
CCellIndexItem* StepOfLevel(const CCappMidData* pArea, int nLevel)
{
    CCellIndexItem* pFound = nullptr;
    POSITION pos = pArea->m_listIndexItem.GetHeadPosition();
    while (pos != nullptr) {
        auto* pItem = static_cast<CCellIndexItem*>(pArea->m_listIndexItem.GetNext(pos));
        if (pItem->m_nOrder == nLevel) {
            pFound = pItem;
        }
    }
    return pFound;
}

CString ValueAt(const CCappMDData* pData, int nRow, const CString& strName, int nMode)
{
    CString strValue;
    if (!pData->GetVarData(nRow, strName, strValue, nMode)) {
        strValue.Empty();
    }
    return strValue;
}

// The cell of the sheet's detail areas bound to the variable.
CCappCell* KeyCell(const CCappSheet* pSheet, const CString& strName)
{
    if (pSheet == nullptr) {
        return nullptr;
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pArea = static_cast<const CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        if (CCappCell* pCell = pArea->GetCellByName(strName)) {
            return pCell;
        }
    }
    return nullptr;
}

// One entry may span rows whose own values in this column are empty.
bool IsMultiRowKey(const CCappCell* pCell)
{
    return CCardCellFun::IsContinuationEditable(pCell);
}

bool OwnValueEmpty(const CCappMDData* pData, int nRow, const CString& strKey)
{
    return ValueAt(pData, nRow, strKey, CCappMDData::inheritNever).IsEmpty();
}
} // namespace

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
    if (m_pCurMidData == nullptr || m_pCurMidData->m_pMDData == nullptr) {
        return 0;
    }
    const int nSteps = static_cast<int>(m_pCurMidData->m_listIndexItem.GetCount());
    const CCellIndexItem* pStep = StepOfLevel(m_pCurMidData, nLevel);
    if (pStep == nullptr || nLevel < 0 || nLevel >= nSteps) {
        return 0;
    }
    CCappMDData* pData = m_pCurMidData->m_pMDData;
    if (pData->GetVarIndex(pStep->m_strVarName) < 0) {
        return 0;
    }
    CString strParent;
    if (nLevel > 0) {
        POSITION pos = m_pCurMidData->m_listIndexItem.GetHeadPosition();
        while (pos != nullptr) {
            const auto* pItem = static_cast<const CCellIndexItem*>(m_pCurMidData->m_listIndexItem.GetNext(pos));
            if (pItem->m_nOrder == nLevel - 1) {
                strParent = pItem->m_strVarName;
                break;
            }
        }
    }
    const int nCount = pData->GetRowCount();
    const int nRef = bFromCur ? nStart : nStart - 1;
    const int nFirst = bFromCur ? nStart + 1 : nStart;
    CString strCurParent;
    if (!strParent.IsEmpty()) {
        if (nStart < 0 || nStart >= nCount) {
            return 0;
        }
        if (nRef >= 0) {
            strCurParent = ValueAt(pData, nRef, strParent, CCappMDData::inheritByDefinition);
        }
    }
    const CString& strName = pStep->m_strVarName;
    CString strRunning;
    if (nFirst > 0) {
        strRunning = ValueAt(pData, nFirst - 1, strName, CCappMDData::inheritByDefinition);
    }
    if (strRunning.IsEmpty() || nFirst == 0) {
        strRunning = pStep->m_strInitValue;
    }
    auto write = [&](int nRow, const CString& strValue) {
        CString strStored = pData->TransitionData(strName, strValue);
        pData->SetVarData(nRow, strName, strStored);
    };
    for (int r = std::max(nFirst, 0); r < nCount; ++r) {
        if (!strParent.IsEmpty()) {
            const CString strValue = ValueAt(pData, r, strParent, CCappMDData::inheritByDefinition);
            if (strValue != strCurParent) {
                strCurParent = strValue;
                if (bGroupOnly) {
                    return 1;
                }
                write(r, pStep->m_strInitValue);
                strRunning = pStep->m_strInitValue;
                continue;
            }
        }
        if (ValueAt(pData, r, strName, CCappMDData::inheritNever).IsEmpty()) {
            continue;
        }
        const CString strNext = r == 0 ? pStep->m_strInitValue : CCappBaseFun::GetNextIndex(strRunning, pStep->m_nStep);
        write(r, strNext);
        strRunning = strNext;
    }
    return 1;
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
    if (strMDName.IsEmpty() || strVarName.IsEmpty()) {
        return "";
    }
    CCappMidData* pArea = CCardCellFun::FindArea(GetCurSheet(), strMDName);
    if (pArea != nullptr && !pArea->m_strSrcName.IsEmpty()) {
        pArea = CCardCellFun::FindArea(GetCurSheet(), pArea->m_strSrcName);
    }
    if (pArea == nullptr || pArea->m_pMDData == nullptr) {
        return "";
    }
    const CCellIndexItem* pStep = nullptr;
    CString strParent;
    CString strBefore;
    POSITION pos = pArea->m_listIndexItem.GetHeadPosition();
    while (pos != nullptr && pStep == nullptr) {
        const auto* pItem = static_cast<const CCellIndexItem*>(pArea->m_listIndexItem.GetNext(pos));
        if (pItem->m_strVarName == strVarName) {
            pStep = pItem;
            strParent = strBefore;
        }
        strBefore = pItem->m_strVarName;
    }
    if (pStep == nullptr) {
        return "";
    }
    const CCappMDData* pData = pArea->m_pMDData;
    CString strPrev;
    if (nRow > 0 && pData->GetRowCount() > 0) {
        const int r = std::min(nRow - 1, pData->GetRowCount() - 1);
        strPrev = ValueAt(pData, r, strVarName, CCappMDData::inheritAlways);
        if (!strParent.IsEmpty() && ValueAt(pData, r, strParent, CCappMDData::inheritAlways) !=
                                        ValueAt(pData, nRow, strParent, CCappMDData::inheritAlways)) {
            strPrev.Empty();
        }
    }
    return strPrev.IsEmpty() ? pStep->m_strInitValue : CCappBaseFun::GetNextIndex(strPrev, pStep->m_nStep);
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
    CCappMidData* pArea = CCardCellFun::FindArea(GetCurSheet(), strMDName);
    if (pArea == nullptr || pArea->m_pMDData == nullptr) {
        return;
    }
    CCappMDData* pData = pArea->m_pMDData;
    CStringArray keys;
    if (!strKeyName.IsEmpty()) {
        keys.Add(strKeyName);
    } else {
        POSITION pos = pArea->m_listIndexItem.GetHeadPosition();
        while (pos != nullptr) {
            keys.Add(static_cast<const CCellIndexItem*>(pArea->m_listIndexItem.GetNext(pos))->m_strVarName);
        }
    }
    // Empty rows stand aside while the others sort, then go back to the indexes they had.
    struct Aside
    {
        int nIndex;
        CObject* pRow;
    };
    std::vector<Aside> aside;
    int nIndex = 0;
    POSITION pos = pData->m_listRowData.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posRow = pos;
        CObject* pRow = pData->m_listRowData.GetNext(pos);
        if (pData->IsEmptyRow(static_cast<CCappMidRow*>(pRow))) {
            aside.push_back({nIndex, pRow});
            pData->m_listRowData.RemoveAt(posRow);
        }
        ++nIndex;
    }
    SortTextNest(pData, keys, 0, pData->GetRowCount() - 1);
    for (const Aside& a : aside) {
        const POSITION posAt = pData->m_listRowData.FindIndex(a.nIndex);
        if (posAt != nullptr) {
            pData->m_listRowData.InsertBefore(posAt, a.pRow);
        } else {
            pData->m_listRowData.AddTail(a.pRow);
        }
    }
    pData->m_bModify = TRUE;
}

int CCappCardView::SortTextNest(CCappMDData* pData, CStringArray& keys, int nFirst, int nLast)
{
    if (pData == nullptr || nFirst < 0 || nFirst >= nLast || nLast >= pData->GetRowCount()) {
        return 0;
    }
    if (keys.GetSize() == 0) {
        return 1;
    }
    const CString strKey = keys[0];
    const CCappCell* pKeyCell = KeyCell(GetCurSheet(), strKey);
    if (pKeyCell == nullptr) {
        return 0;
    }
    const bool bMulti = IsMultiRowKey(pKeyCell);
    auto value = [&](int nRow) { return ValueAt(pData, nRow, strKey, CCappMDData::inheritByDefinition); };
    if (!bMulti) {
        for (bool bSwapped = true; bSwapped;) {
            bSwapped = false;
            for (int i = nFirst; i < nLast; ++i) {
                if (CCompData::CompStrData_Seg(value(i), value(i + 1)) > 0) {
                    pData->ExchangeRow(i, i + 1, 1, 1);
                    bSwapped = true;
                }
            }
        }
    } else {
        // Neighbouring entries: each begins at a row with a value of its own.
        for (bool bSwapped = true; bSwapped;) {
            bSwapped = false;
            std::vector<int> starts{nFirst};
            for (int i = nFirst + 1; i <= nLast; ++i) {
                if (!OwnValueEmpty(pData, i, strKey)) {
                    starts.push_back(i);
                }
            }
            for (size_t k = 0; k + 1 < starts.size(); ++k) {
                if (CCompData::CompStrData_Seg(value(starts[k]), value(starts[k + 1])) > 0) {
                    if (!BulkExchangeRow(pData, strKey, starts[k + 1] - 1, starts[k + 1], nFirst, nLast)) {
                        return 0;
                    }
                    bSwapped = true;
                    break;
                }
            }
        }
    }
    CStringArray rest;
    for (INT_PTR k = 1; k < keys.GetSize(); ++k) {
        rest.Add(keys[k]);
    }
    if (rest.GetSize() == 0) {
        return 1;
    }
    int nGroup = nFirst;
    for (int i = nFirst; i <= nLast; ++i) {
        const bool bJoined = i < nLast && (CCompData::CompStrData_Seg(value(i), value(i + 1)) == 0 ||
                                           (bMulti && value(i + 1).IsEmpty()));
        if (bJoined) {
            continue;
        }
        if (i > nGroup && !SortTextNest(pData, rest, nGroup, i)) {
            return 0;
        }
        nGroup = i + 1;
    }
    return 1;
}

int CCappCardView::BulkExchangeRow(CCappMDData* pData, CString strKey, int nA, int nB, int nFirst, int nLast)
{
    if (pData == nullptr || pData->GetVarIndex(strKey) < 0 || nA < nFirst || nB > nLast || nA >= nB) {
        return 0;
    }
    int nUpper = nFirst;
    for (int i = nA - 1; i >= nFirst; --i) {
        if (!OwnValueEmpty(pData, i, strKey)) {
            nUpper = i;
            break;
        }
    }
    // The entry ending at nA begins at its own first valued row, which may be nA itself.
    if (!OwnValueEmpty(pData, nA, strKey)) {
        nUpper = nA;
    }
    int nLowerEnd = nLast;
    for (int i = nB + 1; i <= nLast; ++i) {
        if (!OwnValueEmpty(pData, i, strKey)) {
            nLowerEnd = i - 1;
            break;
        }
    }
    return pData->ExchangeRow(nUpper, nB, nA - nUpper + 1, nLowerEnd - nB + 1) ? 1 : 0;
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
