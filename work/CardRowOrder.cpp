#include "work/CardRowOrder.h"

#include <algorithm>
#include <vector>

#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CellIndexItem.h"
#include "work/CappBaseFun.h"
#include "work/CardCellFun.h"
#include "work/CompData.h"

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

CCardRowOrder::CCardRowOrder(CCappSheet* pSheet) : m_pSheet(pSheet)
{
}

int CCardRowOrder::ResetVarOrder(CCappMidData* pArea, int nLevel, int nStart, int bFromCur, int bGroupOnly)
{
    if (pArea == nullptr || pArea->m_pMDData == nullptr) {
        return 0;
    }
    const int nSteps = static_cast<int>(pArea->m_listIndexItem.GetCount());
    const CCellIndexItem* pStep = StepOfLevel(pArea, nLevel);
    if (pStep == nullptr || nLevel < 0 || nLevel >= nSteps) {
        return 0;
    }
    CCappMDData* pData = pArea->m_pMDData;
    if (pData->GetVarIndex(pStep->m_strVarName) < 0) {
        return 0;
    }
    CString strParent;
    if (nLevel > 0) {
        POSITION pos = pArea->m_listIndexItem.GetHeadPosition();
        while (pos != nullptr) {
            const auto* pItem = static_cast<const CCellIndexItem*>(pArea->m_listIndexItem.GetNext(pos));
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

CString CCardRowOrder::GetRowAutoOrder(int nRow, const CString& strMDName, const CString& strVarName) const
{
    if (strMDName.IsEmpty() || strVarName.IsEmpty()) {
        return "";
    }
    CCappMidData* pArea = CCardCellFun::FindArea(m_pSheet, strMDName);
    if (pArea != nullptr && !pArea->m_strSrcName.IsEmpty()) {
        pArea = CCardCellFun::FindArea(m_pSheet, pArea->m_strSrcName);
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

void CCardRowOrder::SortArea(const CString& strMDName, const CString& strKeyName) const
{
    CCappMidData* pArea = CCardCellFun::FindArea(m_pSheet, strMDName);
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

int CCardRowOrder::SortTextNest(CCappMDData* pData, CStringArray& keys, int nFirst, int nLast) const
{
    if (pData == nullptr || nFirst < 0 || nFirst >= nLast || nLast >= pData->GetRowCount()) {
        return 0;
    }
    if (keys.GetSize() == 0) {
        return 1;
    }
    const CString strKey = keys[0];
    const CCappCell* pKeyCell = KeyCell(m_pSheet, strKey);
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

int CCardRowOrder::BulkExchangeRow(CCappMDData* pData, const CString& strKey, int nA, int nB, int nFirst, int nLast)
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
